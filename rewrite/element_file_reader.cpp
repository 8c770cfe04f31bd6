#include "rewrite/element_file_reader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "params/text_fields.h"
#include "platform/c_number_text.h"
#include "platform/text_input_file.h"

namespace dxfelem {
namespace {

constexpr std::size_t kLineCapacity = 256;  // 255 characters and the zero
constexpr std::size_t kFields = 8;
constexpr std::size_t kLongestName = 63;

int32_t CodeOf(const std::vector<std::string>& fields) {
  if (fields.empty()) return kNodeIso;
  struct Mnemonic {
    std::string_view text;
    int32_t code;
  };
  // ITP and NUL are not read back: they count as isolated points.
  constexpr Mnemonic kMnemonics[] = {{"ISO", kNodeIso}, {"INI", kNodeIni}, {"SPL", kNodeSpl}, {"MED", kNodeMed},
                                     {"VER", kNodeVer}, {"FIN", kNodeFin}, {"MCR", kNodeMcr}, {"APL", kNodeApl},
                                     {"PAR", kNodePar}, {"TXT", kNodeTxt}};
  for (const Mnemonic& mnemonic : kMnemonics) {
    if (fields[0] == mnemonic.text) return mnemonic.code;
  }
  return kNodeIso;
}

// Cut to 63 characters, then without spaces: the padding of the writer
// goes, and so do the spaces inside a name.
std::string NameOf(const std::vector<std::string>& fields, std::size_t index) {
  if (index >= fields.size()) return "*";
  std::string name = fields[index].substr(0, kLongestName);
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
}

bool EndsElement(int32_t code) {
  return code == kNodeIso || code == kNodeFin || code == kNodeMcr || code == kNodeApl || code == kNodePar ||
         code == kNodeTxt;
}

}  // namespace

bool ReadElementFile(Drawing& drawing) {
  TextInputFile file;
  if (!file.Open(drawing.name())) return false;
  char line[kLineCapacity];
  Element element;
  std::size_t elements = 0;
  while (elements < kMostElementsRead && file.ReadLine(line, sizeof line) != 0) {
    // A NUL byte ends the line's text; tabs count as spaces.
    std::string text(line, strnlen(line, sizeof line));
    std::replace(text.begin(), text.end(), '\t', ' ');
    const std::vector<std::string> fields = SplitFields(text, ',', kFields);
    auto number = [&](std::size_t index) { return index < fields.size() ? ParseDouble(fields[index]) : 0.0; };
    ElementNode node;
    node.code = CodeOf(fields);
    node.entity = fields.size() > 1 ? ParseInt(fields[1]) : 0;
    node.x = number(2);
    node.y = number(3);
    node.z = number(4);
    node.value = number(5);
    element.AddNode(node);
    element.set_layer(drawing.names().Intern(NameOf(fields, 6)));
    element.set_tag(drawing.names().Intern(NameOf(fields, 7)));
    if (EndsElement(node.code)) {
      drawing.elements().push_back(std::move(element));
      element = Element();
      ++elements;
    }
  }
  // Lines after the last element's end make no element.
  return true;
}

}  // namespace dxfelem
