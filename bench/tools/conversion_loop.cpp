// The floor under a batch: the same conversions one after another in one
// process through the library's people's API, no process, no font set-up
// and no file sync between them but the library's own.
//   conversion_loop OUT_DIR PARAMS SECTION DRAWING...
// Each drawing's settings are a fresh copy of PARAMS, as a batch's are.
#include <cstdio>
#include <filesystem>
#include <string>

#include "dxfelem/dxfelem_tools.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fputs("usage: conversion_loop OUT_DIR PARAMS SECTION DRAWING...\n", stderr);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out(argv[1]);
  int failed = 0;
  for (int i = 4; i < argc; ++i) {
    const fs::path settingsCopy = out / ("settings-" + std::to_string(i) + ".ini");
    fs::copy_file(argv[2], settingsCopy, fs::copy_options::overwrite_existing);
    dxfelem_settings* settings = dxfelem_settings_new();
    dxfelem_settings_use_file(settings, settingsCopy.c_str(), argv[3]);
    const std::string output = (out / fs::path(argv[i]).stem()).string() + ".txt";
    dxfelem_report* report = dxfelem_convert(argv[i], output.c_str(), settings, "");
    failed += dxfelem_report_ok(report) != 1;
    dxfelem_report_free(report);
    dxfelem_settings_free(settings);
  }
  return failed == 0 ? 0 : 1;
}
