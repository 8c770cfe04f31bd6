// The text element file: one line per node, in drawing order.
#pragma once

#include <memory>
#include <string>

#include "geometry/drawing.h"

namespace dxfelem {

class TextOutputFile;

// The element file written an element at a time, as the elements come.
class ElementFileStream {
 public:
  ElementFileStream(std::string path, int decimals);
  ~ElementFileStream();
  ElementFileStream(const ElementFileStream&) = delete;
  ElementFileStream& operator=(const ElementFileStream&) = delete;

  // The file is opened at the first element; a file that cannot be opened
  // or written is remembered, and what comes after it is dropped.
  void Write(const Element& element);
  // Puts the file in place. False when it could not be created or written
  // whole; the user's earlier file is then as it was.
  bool Commit();

 private:
  // Opens the file the first time; false once it could not be opened.
  bool Opened();

  std::string path_;
  int decimals_;
  std::unique_ptr<TextOutputFile> file_;
  bool failed_ = false;
  std::string lineEnd_;  // the names that end each line of an element
};

// Writes the drawing to the file named by its name. False when the file cannot be
// created (or is read-only) or written whole (a full disk): either way the
// file the user had before is left as it was.
bool WriteTextElementFile(const Drawing& drawing, int decimals);

}  // namespace dxfelem
