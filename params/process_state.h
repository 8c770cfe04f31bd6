// The process-wide objects of the library, all in one place. Calls must not
// overlap: nothing here is locked.
#pragma once

#include <memory>

#include "params/block_definition_table.h"
#include "params/parameter_record.h"

namespace dxfelem {

struct ProcessState {
  // A copy of the settings of the latest conversion.
  ParameterRecord parameterCopy;
  // Made anew by every conversion; a null slot finds nothing.
  std::unique_ptr<BlockDefinitionTable> macroBlocks;
  std::unique_ptr<BlockDefinitionTable> operationBlocks;
  // Lives as long as the library and is never emptied: a conversion
  // overwrites only what its parameter file gives.
  BlockDefinitionTable subBlocks;
};

ProcessState& TheProcessState();

// True when the name is the name of a block of the macro, sub-block or
// operation table, searched in that order.
bool IsDefinedBlock(std::string_view blockName);

}  // namespace dxfelem
