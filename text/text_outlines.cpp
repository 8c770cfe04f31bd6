#include "text/text_outlines.h"

#include "interface/conversion_job.h"

namespace dxfelem {

// The glyph outlines are not drawn yet: a text yields no element.
void ConvertTextToOutlines(ConversionJob&, const TextEntity&) {}

}  // namespace dxfelem
