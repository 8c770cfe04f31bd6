#include "support/element_lines.h"

namespace dxfelem::test {

std::string ElementLine(const std::string& code, const std::string& entity, const std::string& x, const std::string& y,
                        const std::string& z, const std::string& value, const std::string& layer,
                        const std::string& tag) {
  auto pad = [](std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
  };
  return code + "," + entity + "," + pad(x, 12) + "," + pad(y, 12) + "," + pad(z, 12) + "," + pad(value, 12) + "," +
         pad(layer, 64) + "," + pad(tag, 64) + "\r\n";
}

int32_t InlineConversion::Convert(const std::string& entities, const std::string& settings, const std::string& header) {
  return ConvertFile(
      "0\nSECTION\n2\nHEADER\n" + header + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n",
      settings);
}

int32_t InlineConversion::ConvertFile(const std::string& dxf, const std::string& settings) {
  dir_.Write("a.dxf", dxf);
  ini_ = dir_.Write("p.ini", "[P]\n" + settings);
  record_ = ConversionResult{};
  return DxfToTxt(ini_.c_str(), "P", dir_.File("a.dxf").c_str(), dir_.File("a.txt").c_str(), "", &record_);
}

}  // namespace dxfelem::test
