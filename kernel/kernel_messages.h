// The kernel's messages to the user, with texts from the message file.
#pragma once

namespace dxfelem {

// "Memory Error: <place>" in a message titled "VU-RIR Message".
void tg_memory_error(const char* place);
// The message of `keyword` from the message file "VIRID.DAT" (under
// $ZIZAVE/MSG/, else in the current folder), with the place and number.
// Nothing is shown when the file cannot be opened or has no such keyword.
void tg_report_error(const char* keyword, int number, const char* place);

}  // namespace dxfelem
