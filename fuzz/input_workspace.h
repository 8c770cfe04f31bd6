// A private folder for one fuzzing process: every input is written to a
// file there, as the library only reads files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace dxfelem::fuzz {

// The folder, made on first use (in /dev/shm when there is one) and removed
// when the process ends.
const std::string& Workspace();
// A file of the folder holding exactly these bytes.
std::string WriteInput(const char* name, const uint8_t* data, std::size_t size);

// Every file of the folder with its bytes.
using FolderContent = std::map<std::string, std::string>;
FolderContent ReadWorkspace();

// The property every failed call must keep: the files that were there are
// byte for byte as they were, and no file was added, except the ones named
// in `mayChange` (the completion file, and what the hosts expect written
// after a failure too). Aborts, naming the file, when it does not hold.
void CheckNothingLost(const FolderContent& before, const std::set<std::string>& mayChange);

// After any call: no temporary file is left in the folder.
void CheckNoDebris();

}  // namespace dxfelem::fuzz
