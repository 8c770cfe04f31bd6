#include "platform/c_numbers_here.h"

namespace dxfelem {
namespace {

// Made once and kept: a locale object is a table of some size, and the
// guard is taken at every call of the people's API, every finding worded.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

// Without the "C" locale object (no memory at the first use) numbers are
// written as the thread's locale says, as they were before.
CNumbersHere::CNumbersHere() {
  if (CLocale() != static_cast<locale_t>(nullptr)) previous_ = uselocale(CLocale());
}

CNumbersHere::~CNumbersHere() {
  if (previous_ != static_cast<locale_t>(nullptr)) uselocale(previous_);
}

}  // namespace dxfelem
