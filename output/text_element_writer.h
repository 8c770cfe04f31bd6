// The text element file: one line per node, in drawing order.
#pragma once

#include <string>

#include "geometry/drawing.h"

namespace dxfelem {

class TextOutputFile;

// The number of decimals the writer uses for a DecimaliTxt setting.
int UsableDecimals(int decimals);

// Builds the element file line of one node (with its line end) into `line`.
void FormatElementLine(std::string& line, const ElementNode& node, const Element& element, int decimals);

// Writes the lines of one element; false when no file is given.
bool WriteElementLines(const Element& element, TextOutputFile* file, int decimals);

// Writes the drawing to the file named by its name. False when the file cannot be
// created (or is read-only) or written whole (a full disk): either way the
// file the user had before is left as it was.
bool WriteTextElementFile(const Drawing& drawing, int decimals);

}  // namespace dxfelem
