// The references in docs/ against the code: every INI key the parameter
// reader, the selection reader and the write-back use is in the parameter
// reference, and every node mnemonic of the writer in the element file
// reference.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "geometry/element_node.h"

namespace dxfelem {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Docs, EveryParameterKeyIsInTheReference) {
  const std::string reference = Read(DXFELEM_SOURCE_DIR "/docs/parameters.md");
  ASSERT_FALSE(reference.empty());
  std::set<std::string> keys;
  const std::regex key("\"([A-Z][A-Za-z0-9]+)\"");
  for (const char* source :
       {"params/parameter_reader.cpp", "params/selection_reader.cpp", "params/parameter_writeback.cpp"}) {
    const std::string code = Read(std::string(DXFELEM_SOURCE_DIR "/") + source);
    for (std::sregex_iterator match(code.begin(), code.end(), key), end; match != end; ++match) {
      keys.insert((*match)[1]);
    }
  }
  EXPECT_GT(keys.size(), 40u);  // the sources were found and read
  for (const std::string& name : keys) {
    EXPECT_NE(reference.find("`" + name), std::string::npos) << name << " is read but not in docs/parameters.md";
  }
}

TEST(Docs, EveryNodeMnemonicIsInTheReference) {
  const std::string reference = Read(DXFELEM_SOURCE_DIR "/docs/element-file.md");
  for (int32_t code = 0; code <= kNodeTxt + 1; ++code) {
    const std::string mnemonic(NodeMnemonic(code));
    EXPECT_NE(reference.find("`" + mnemonic + "`"), std::string::npos) << mnemonic;
  }
}

}  // namespace
}  // namespace dxfelem
