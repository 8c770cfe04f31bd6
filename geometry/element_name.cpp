#include "geometry/element_name.h"

namespace dxfelem {
namespace {

// Names every element may carry without a table. No element outlives
// them: none is held beyond a call. (Not made with new: a library that is
// unloaded would leave them behind.)
const std::string& EmptyText() {
  static const std::string text;
  return text;
}

const std::string& StarText() {
  static const std::string text("*");
  return text;
}

}  // namespace

ElementName::ElementName() : text_(&EmptyText()) {}

ElementName ElementName::Star() { return ElementName(&StarText()); }

ElementName NameTable::Intern(std::string_view name) {
  if (last_ != nullptr && *last_ == name) return ElementName(last_);
  auto found = names_.find(name);
  if (found == names_.end()) found = names_.emplace(name).first;
  last_ = &*found;
  return ElementName(last_);
}

}  // namespace dxfelem
