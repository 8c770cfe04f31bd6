// The write step of a conversion: the element file, then the drawing is
// released. When every element can be processed by itself, the elements
// are processed and written while the drawing is read, each as soon as the
// next one starts, so that the memory stays flat whatever the drawing's
// size; the file takes the user's file's place only at the end, as always.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "conversion/status_info.h"
#include "conversion/taking_thread.h"
#include "geometry/drawing.h"
#include "output/text_element_writer.h"

namespace dxfelem {

class ConversionJob;

class ElementWriting : public FinishedElements {
 public:
  // Made after the settings are read and before the drawing is.
  explicit ElementWriting(ConversionJob& job);
  ElementWriting(const ElementWriting&) = delete;
  ElementWriting& operator=(const ElementWriting&) = delete;
  ~ElementWriting() override;

  void Take(Element& element) override;
  // A large drawing written to a file: the taker the processing hands the
  // elements to as it finishes them, which processes and writes them on a
  // thread of its own. Null when the drawing is written by Finish().
  FinishedElements* FollowProcessing();
  // Writes what the drawing still holds and puts the file in place: fails
  // with code 8 and the element file's name when the file cannot be
  // written whole. Either way the drawing is gone afterwards.
  StatusInfo Finish();

 private:
  struct Written {
    int64_t elements = 0;
    int64_t nodes = 0;
  };
  // Counts the element among what is written of its layer.
  void Count(const Element& element);

  ConversionJob& job_;
  // Per layer (its name in the drawing's table, which gives every name
  // once), what was written; consecutive elements mostly share a layer.
  std::unordered_map<const std::string*, Written> written_;
  const std::string* lastLayer_ = nullptr;
  Written* lastWritten_ = nullptr;
  std::unique_ptr<ElementFileStream> stream_;  // null: the whole drawing is written at the end, or not at all on trial
  // After the stream: its thread stops before the stream goes.
  std::unique_ptr<TakingThread> following_;  // non-null: every element was handed to it
};

}  // namespace dxfelem
