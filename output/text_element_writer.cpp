#include "output/text_element_writer.h"

#include <algorithm>
#include <utility>

#include "output/grid_number_text.h"
#include "platform/c_number_text.h"
#include "platform/text_output_file.h"

namespace dxfelem {
namespace {

constexpr std::size_t kEntityWidth = 6;
constexpr std::size_t kNumberWidth = 12;
constexpr std::size_t kNameWidth = 64;

void AppendPadded(std::string& line, std::string_view text, std::size_t width) {
  line.append(text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

// Numbers are rounded to N - 1 decimals and written with N.
void AppendNumber(std::string& line, double value, int decimals) {
  char digits[kFixedTextCapacity];
  const std::size_t length = FormatGridNumber(digits, value, decimals);
  AppendPadded(line, std::string_view(digits, length), kNumberWidth);
  line.push_back(',');
}

}  // namespace

// Only 3 to 7 decimals have a number format. A setting outside that range is
// held to the nearest of them: lines without coordinates would be of no use
// to the machine, and a user asking for 8 decimals wants the most there are.
int UsableDecimals(int decimals) { return std::clamp(decimals, 3, 7); }

void FormatElementLine(std::string& line, const ElementNode& node, const Element& element, int decimals) {
  decimals = UsableDecimals(decimals);
  line.clear();
  line.append(NodeMnemonic(node.code));
  line.push_back(',');
  char entity[12];
  const std::size_t length = FormatInt(entity, node.entity);
  if (length < kEntityWidth) line.append(kEntityWidth - length, ' ');
  line.append(entity, length);
  line.push_back(',');
  AppendNumber(line, node.x, decimals);
  AppendNumber(line, node.y, decimals);
  AppendNumber(line, node.z, decimals);
  AppendNumber(line, node.value, decimals);
  AppendPadded(line, element.layer(), kNameWidth);
  line.push_back(',');
  AppendPadded(line, element.tag(), kNameWidth);
  line.push_back('\n');
}

namespace {

bool WriteLines(const Element& element, TextOutputFile* file, int decimals, std::string& line) {
  if (element.empty()) return true;
  if (file == nullptr) return false;
  for (const ElementNode& node : element.nodes()) {
    FormatElementLine(line, node, element, decimals);
    file->Write(line);
  }
  return true;
}

}  // namespace

bool WriteElementLines(const Element& element, TextOutputFile* file, int decimals) {
  std::string line;
  return WriteLines(element, file, decimals, line);
}

ElementFileStream::ElementFileStream(std::string path, int decimals) : path_(std::move(path)), decimals_(decimals) {
  line_.reserve(256);
}

ElementFileStream::~ElementFileStream() = default;

bool ElementFileStream::Opened() {
  if (!file_ && !failed_) {
    file_ = std::make_unique<TextOutputFile>();
    failed_ = !file_->Open(path_);
  }
  return !failed_;
}

void ElementFileStream::Write(const Element& element) {
  if (!element.empty() && Opened()) WriteLines(element, file_.get(), decimals_, line_);
}

bool ElementFileStream::Commit() {
  // A drawing whose elements wrote nothing still makes its (empty) file.
  return Opened() && file_->Commit();
}

bool WriteTextElementFile(const Drawing& drawing, int decimals) {
  ElementFileStream stream(drawing.name(), decimals);
  for (const Element& element : drawing.elements()) stream.Write(element);
  // A disk that fills up is the element file that cannot be written (code 8
  // with its name) rather than an exception out of the call: the host then
  // gets the completion file and a reason, not a call that never ended.
  return stream.Commit();
}

}  // namespace dxfelem
