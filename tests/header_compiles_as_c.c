/* The public header must compile as C, with its layout checks. Built as C99
 * (the typedef form of the checks) and as C11 (_Static_assert). */
#include "dxfelem/dxfelem.h"

int dxfelem_header_c_check(void) {
  ConversionResult record;
  record.status = 500;
  return (int)sizeof record + record.status;
}
