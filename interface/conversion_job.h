// The object that carries one DXF call from start to end.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dxf/dxf_reading_state.h"
#include "dxf/text_style_table.h"
#include "geometry/drawing.h"
#include "interface/status_info.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"

namespace dxfelem {

class ConversionJob {
 public:
  ConversionJob(std::string dxfFileName, std::string elementFileName);
  virtual ~ConversionJob() = default;
  ConversionJob(const ConversionJob&) = delete;
  ConversionJob& operator=(const ConversionJob&) = delete;

  // Back to the state of a new job: status reset, built-in settings, empty
  // name lists.
  void ResetJob();
  // The number of the next element: the counter is increased first, so the
  // first element is number 1.
  int32_t NextElementNumber() { return ++elementCounter; }

  SelectionLists selection;  // YesLogic, name lists, LavLayer and McrLayer
  ParameterRecord parameters;
  TextStyleTable textStyles;
  StatusInfo status;
  std::unique_ptr<Drawing> drawing;  // null once written
  std::string dxfFileName;
  int32_t elementCounter = 0;
  DxfReadingState reading;
};

}  // namespace dxfelem
