#include "params/process_state.h"

namespace dxfelem {

ProcessState& TheProcessState() {
  static ProcessState state;
  return state;
}

bool IsDefinedBlock(std::string_view blockName) {
  const ProcessState& state = TheProcessState();
  if (blockName.empty()) return false;
  if (state.macroBlocks && state.macroBlocks->Contains(blockName)) return true;
  if (state.subBlocks.Contains(blockName)) return true;
  return state.operationBlocks && state.operationBlocks->Contains(blockName);
}

}  // namespace dxfelem
