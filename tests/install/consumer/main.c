/* An integrator's first program: the installed header and library convert a
 * drawing through DxfToTxt and report the version they were built from. */
#include <stdio.h>

#include "dxfelem/dxfelem.h"

int main(int argc, char** argv) {
  ConversionResult record;
  if (argc != 3) return 2;
  const int32_t returned = DxfToTxt("", "", argv[1], argv[2], "", &record);
  printf("dxfelem %s: returned %d, status %d\n", DXFELEM_VERSION_STRING, (int)returned, (int)record.status);
  return returned == 1 ? 0 : 1;
}
