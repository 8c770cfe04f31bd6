// Numbers written by printf with a decimal point, whatever locale the
// program around the library runs in. A host of the people's API (a script
// after locale.setlocale, a desktop application) may run with a decimal
// comma; pictures, DXF files and messages must carry points all the same.
// While a CNumbersHere lives, the thread that made it formats numbers in
// the "C" locale; the process locale is never read or changed, and other
// threads keep theirs.
#pragma once

#include <locale.h>

namespace dxfelem {

class CNumbersHere {
 public:
  CNumbersHere();
  ~CNumbersHere();
  CNumbersHere(const CNumbersHere&) = delete;
  CNumbersHere& operator=(const CNumbersHere&) = delete;

 private:
  locale_t previous_ = nullptr;
};

}  // namespace dxfelem
