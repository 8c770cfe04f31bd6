// A private folder for one fuzzing process: every input is written to a
// file there, as the library only reads files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dxfelem::fuzz {

// The folder, made on first use (in /dev/shm when there is one) and removed
// when the process ends.
const std::string& Workspace();
// A file of the folder holding exactly these bytes.
std::string WriteInput(const char* name, const uint8_t* data, std::size_t size);

}  // namespace dxfelem::fuzz
