#include "text/text_outlines.h"

namespace dxfelem {

// The glyph outlines are not drawn yet: a text yields no element.
void ConvertTextToOutlines(const OutlineTarget&, const TextEntity&) {}

}  // namespace dxfelem
