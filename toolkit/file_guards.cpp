#include "toolkit/file_guards.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "platform/ini_text.h"
#include "platform/profile_file.h"

namespace dxfelem {

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error) && !error;
}

std::string OutputRefusal(const std::string& output, const std::string& what, const std::string& source,
                          const std::string& parameterFile, const std::string& sourceKind) {
  if (output.empty()) return "the " + what + " needs a name";
  if (IsSameFile(output, source))
    return "the " + what + " " + output + " is the " + sourceKind + " " + source + ": it would replace it";
  if (IsSameFile(output, parameterFile))
    return "the " + what + " " + output + " is the parameter file: it would replace it";
  return {};
}

std::string ParameterFileRefusal(const std::string& parameterFile, const std::string& section,
                                 std::vector<std::string>& warnings, std::string* text) {
  if (parameterFile.empty()) return {};
  const std::string unchanged = ": nothing was done, and the file is as it was";
  std::error_code error;
  if (!std::filesystem::exists(parameterFile, error) && !error) {
    warnings.push_back(parameterFile + " does not exist: it is created, with the default settings in section [" +
                       section + "]");
    return {};
  }
  // The library takes a larger file for no parameter file at all, and would
  // convert with settings the user did not give.
  const std::uintmax_t size = std::filesystem::file_size(parameterFile, error);
  if (!error && size > static_cast<std::uintmax_t>(kLargestProfileBytes)) {
    return "the parameter file " + parameterFile + " is larger than " +
           std::to_string(kLargestProfileBytes / (1024 * 1024)) + " MiB, more than a parameter file can be" + unchanged;
  }
  std::FILE* file = std::fopen(parameterFile.c_str(), "rb");
  if (file == nullptr) {
    return "cannot read the parameter file " + parameterFile + " (" + std::strerror(errno) + ")" + unchanged;
  }
  std::string contents;
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) contents.append(chunk, n);
  const bool failed = std::ferror(file) != 0;
  const int readError = errno;
  std::fclose(file);
  if (failed)
    return "cannot read the parameter file " + parameterFile + " (" + std::strerror(readError) + ")" + unchanged;
  if (!HasIniSection(contents, section)) {
    warnings.push_back(parameterFile + " has no section [" + section +
                       "]: the default settings are used, and the section is added to the file");
  }
  if (text != nullptr) *text = std::move(contents);
  return {};
}

}  // namespace dxfelem
