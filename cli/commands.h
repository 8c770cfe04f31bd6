// The tool's commands over the library's entry points. Each answers the
// exit status and prints data on standard output, messages on standard error.
#pragma once

#include <string>

#include "cli/command_line.h"

namespace dxfelem::cli {

int RunConvert(const Options& options);
// Several drawings into a folder, by worker processes.
int RunBatch(const Options& options);
// A worker of a batch: the jobs come on standard input (see batch_worker.cpp).
int RunBatchWorker(const std::string& parameterFile, const std::string& section);
int RunListing(const Options& options, bool blocks);
int RunRewrite(const Options& options);
int RunPreview(const Options& options);
int RunInfo(const Options& options);
int RunCheck(const Options& options);
int RunToDxf(const Options& options);
// Writes the SVG picture of an element file; false, with a message, when it
// cannot, or the file is not an element file and `force` is not given.
bool WritePreview(const std::string& elementFile, const std::string& svgFile, bool force);

}  // namespace dxfelem::cli
