#include <windows.h>

#include <string>

#include "platform/user_message.h"

namespace dxfelem {

void ShowUserMessage(std::string_view title, std::string_view text) {
  const std::string caption(title);
  const std::string message(text);
  MessageBoxA(GetFocus(), message.c_str(), caption.c_str(), MB_OK);
}

}  // namespace dxfelem
