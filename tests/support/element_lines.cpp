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

}  // namespace dxfelem::test
