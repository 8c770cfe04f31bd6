// The names an element carries, its layer and its tag, held once per
// drawing: a drawing has millions of elements and a few dozen names, and an
// element holds a pointer to its names instead of two strings of its own.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace dxfelem {

class NameTable;

// A name in a table; valid as long as the table it came from. The default
// is the empty name, `Star()` the tag of an element without one.
class ElementName {
 public:
  ElementName();
  static ElementName Star();
  const std::string& text() const { return *text_; }

 private:
  friend class NameTable;
  explicit ElementName(const std::string* text) : text_(text) {}
  const std::string* text_;
};

class NameTable {
 public:
  NameTable() = default;
  NameTable(const NameTable&) = delete;
  NameTable& operator=(const NameTable&) = delete;

  // The table's copy of `name`, made the first time it is asked for.
  ElementName Intern(std::string_view name);

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  // Nodes of their own: a name stays where it is while the table grows.
  std::unordered_set<std::string, Hash, std::equal_to<>> names_;
  // Elements come in runs of one layer: the last name answers most asks.
  const std::string* last_ = nullptr;
};

}  // namespace dxfelem
