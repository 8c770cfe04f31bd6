#include "cli/file_checks.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli/tool_output.h"
#include "platform/ini_text.h"
#include "platform/profile_file.h"

namespace dxfelem::cli {

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error) && !error;
}

bool CheckOutputName(const std::string& output, const std::string& what, const std::string& dxfFile,
                     const std::string& parameterFile, std::string& reason) {
  if (output.empty()) {
    reason = "the " + what + " needs a name";
  } else if (IsSameFile(output, dxfFile)) {
    reason = "the " + what + " " + output + " is the drawing " + dxfFile + ": it would replace it";
  } else if (IsSameFile(output, parameterFile)) {
    reason = "the " + what + " " + output + " is the parameter file: it would replace it";
  }
  return reason.empty();
}

bool CheckParameterFile(const std::string& parameterFile, const std::string& section, std::string& reason) {
  if (parameterFile.empty()) return true;
  std::error_code error;
  if (!std::filesystem::exists(parameterFile, error) && !error) {
    Warn(parameterFile + " does not exist: it is created, with the default settings in section [" + section + "]");
    return true;
  }
  // The library takes a larger file for no parameter file at all, and would
  // convert with settings the user did not give.
  const std::uintmax_t size = std::filesystem::file_size(parameterFile, error);
  if (!error && size > static_cast<std::uintmax_t>(kLargestProfileBytes)) {
    reason = "the parameter file " + parameterFile + " is larger than " +
             std::to_string(kLargestProfileBytes / (1024 * 1024)) +
             " MiB, more than a parameter file can be: nothing was done, and the file is as it was";
    return false;
  }
  std::FILE* file = std::fopen(parameterFile.c_str(), "rb");
  if (file == nullptr) {
    reason = "cannot read the parameter file " + parameterFile + " (" + std::strerror(errno) +
             "): nothing was done, and the file is as it was";
    return false;
  }
  std::string text;
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) text.append(chunk, n);
  const bool failed = std::ferror(file) != 0;
  const int readError = errno;
  std::fclose(file);
  if (failed) {
    reason = "cannot read the parameter file " + parameterFile + " (" + std::strerror(readError) +
             "): nothing was done, and the file is as it was";
    return false;
  }
  if (!HasIniSection(text, section)) {
    Warn(parameterFile + " has no section [" + section + "]: the default settings are used, and the section is " +
         "added to the file");
  }
  return true;
}

}  // namespace dxfelem::cli
