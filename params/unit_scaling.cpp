#include "params/parameter_file.h"
#include "params/parameter_record.h"

namespace dxfelem {

// The single-precision constant 25.4, and the same constant widened to double.
constexpr float kMillimetresPerInchSingle = 25.4f;
constexpr double kMillimetresPerInchWidened = 25.399999618530273;

void ScaleToInches(ParameterRecord& p) {
  p.RadiusMin = p.RadiusMin / kMillimetresPerInchSingle;
  p.Tollerance = p.Tollerance / kMillimetresPerInchSingle;
  p.SpazioFont = p.SpazioFont / kMillimetresPerInchWidened;
  p.inchFlag = 1;
}

void ScaleToMillimetres(ParameterRecord& p) {
  p.RadiusMin = p.RadiusMin * kMillimetresPerInchSingle;
  p.Tollerance = p.Tollerance * kMillimetresPerInchSingle;
  p.SpazioFont = p.SpazioFont * kMillimetresPerInchWidened;
}

}  // namespace dxfelem
