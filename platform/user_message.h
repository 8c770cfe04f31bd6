// Where messages for the user go. Windows shows a message box on the focus
// window; elsewhere the message is written to standard error, one block per
// message, so that a batch run keeps a readable record.
#pragma once

#include <string_view>

namespace dxfelem {

void ShowUserMessage(std::string_view title, std::string_view text);

}  // namespace dxfelem
