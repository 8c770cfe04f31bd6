// Element file lines for hand-worked expectations, and a small conversion
// harness for drawings written inline.
#pragma once

#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem::test {

// One element file line; the numbers are given as they must be printed,
// and the fields are padded to their widths.
std::string ElementLine(const std::string& code, const std::string& entity, const std::string& x, const std::string& y,
                        const std::string& z, const std::string& value, const std::string& layer,
                        const std::string& tag = "*");

// Converts a drawing through DxfToTxt with the settings of section "P".
class InlineConversion {
 public:
  // `entities` are the group lines of the ENTITIES section; `header` the
  // group lines of a HEADER section.
  int32_t Convert(const std::string& entities, const std::string& settings, const std::string& header = "");
  // Converts a whole file's text.
  int32_t ConvertFile(const std::string& dxf, const std::string& settings);
  std::string Output() const { return ReadFileBytes(dir_.File("a.txt")); }
  std::string Settings() const { return ReadFileBytes(ini_); }
  const ConversionResult& record() const { return record_; }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  std::string ini_;
  ConversionResult record_{};
};

}  // namespace dxfelem::test
