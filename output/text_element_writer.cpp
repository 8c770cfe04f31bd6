#include "output/text_element_writer.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "output/grid_number_text.h"
#include "platform/c_number_text.h"
#include "platform/text_output_file.h"

namespace dxfelem {
namespace {

constexpr std::size_t kEntityWidth = 6;
constexpr std::size_t kNumberWidth = 12;
constexpr std::size_t kNameWidth = 64;
// The longest a line's start can be: mnemonic, entity and four numbers
// with their commas; the names that end it are measured once per element.
constexpr std::size_t kLongestLineStart = 4 + 12 + 4 * (kFixedTextCapacity + 1);

// Numbers are rounded to N - 1 decimals and written with N.
char* PutNumber(char* out, double value, int decimals) {
  const std::size_t length = FormatGridNumber(out, value, decimals);
  if (length < kNumberWidth) std::memset(out + length, ' ', kNumberWidth - length);
  out += std::max(length, kNumberWidth);
  *out++ = ',';
  return out;
}

// A line up to its names: "VER,    12,1.00000     ,...,".
char* PutLineStart(char* out, const ElementNode& node, int decimals) {
  const std::string_view mnemonic = NodeMnemonic(node.code);
  std::memcpy(out, mnemonic.data(), mnemonic.size());
  out += mnemonic.size();
  *out++ = ',';
  char entity[12];
  const std::size_t length = FormatInt(entity, node.entity);
  if (length < kEntityWidth) {
    std::memset(out, ' ', kEntityWidth - length);
    out += kEntityWidth - length;
  }
  std::memcpy(out, entity, length);
  out += length;
  *out++ = ',';
  out = PutNumber(out, node.x, decimals);
  out = PutNumber(out, node.y, decimals);
  out = PutNumber(out, node.z, decimals);
  return PutNumber(out, node.value, decimals);
}

// What ends every line of an element: its layer and tag, padded, and the
// line end of a file in text mode on the hosts' system.
void ElementLineEnd(std::string& end, const Element& element) {
  end.clear();
  for (std::string_view name : {std::string_view(element.layer()), std::string_view(element.tag())}) {
    const std::size_t first = end.size();
    end.append(name);
    if (name.size() < kNameWidth) end.append(kNameWidth - name.size(), ' ');
    // A line feed inside a name goes out as every line feed of the file does.
    for (std::size_t at = end.find('\n', first); at != std::string::npos; at = end.find('\n', at + 2)) {
      end.insert(at, 1, '\r');
    }
    end.push_back(',');
  }
  end.back() = '\r';
  end.push_back('\n');
}

// Only 3 to 7 decimals have a number format. A setting outside that range is
// held to the nearest of them: lines without coordinates would be of no use
// to the machine, and a user asking for 8 decimals wants the most there are.
int UsableDecimals(int decimals) { return std::clamp(decimals, 3, 7); }

// Bytes put into the file as they are, a buffer's room at a time.
void PutBytes(TextOutputFile& file, std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t count = std::min(bytes.size(), TextOutputFile::kLargestRoom);
    char* const room = file.Room(count);
    if (room == nullptr) return;  // the failed write is reported when the file is committed
    std::memcpy(room, bytes.data(), count);
    file.Used(count);
    bytes.remove_prefix(count);
  }
}

void WriteLines(const Element& element, TextOutputFile& file, int decimals, std::string& lineEnd) {
  ElementLineEnd(lineEnd, element);
  // Names that fit in the room of a line go with it; longer ones follow it.
  const bool endFits = kLongestLineStart + lineEnd.size() <= TextOutputFile::kLargestRoom;
  for (const ElementNode& node : element.nodes()) {
    char* const line = file.Room(kLongestLineStart + (endFits ? lineEnd.size() : 0));
    if (line == nullptr) return;  // the failed write is reported when the file is committed
    char* const start = PutLineStart(line, node, decimals);
    if (endFits) {
      std::memcpy(start, lineEnd.data(), lineEnd.size());
      file.Used(static_cast<std::size_t>(start - line) + lineEnd.size());
    } else {
      file.Used(static_cast<std::size_t>(start - line));
      PutBytes(file, lineEnd);
    }
  }
}

}  // namespace

ElementFileStream::ElementFileStream(std::string path, int decimals)
    : path_(std::move(path)), decimals_(UsableDecimals(decimals)) {
  lineEnd_.reserve(256);
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
  if (!element.empty() && Opened()) WriteLines(element, *file_, decimals_, lineEnd_);
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
