#include <cstdio>

#include "platform/user_message.h"

namespace dxfelem {

void ShowUserMessage(std::string_view title, std::string_view text) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(), static_cast<int>(text.size()),
               text.data());
  std::fflush(stderr);
}

}  // namespace dxfelem
