// What a TEXT or MTEXT asks of the font system, and the text it draws: the
// face from the style table and the MTEXT font code, the weight and slant
// from the style's flags and the code's options, the text codes.
#pragma once

#include <string>
#include <vector>

#include "platform/glyph_outlines.h"
#include "text/text_style_table.h"

namespace dxfelem {

// The font request for a text of `kind` ("TEXT" or "MTEXT") in the style
// named `style`. An MTEXT's text loses its formatting: what follows its last
// ";", without a final "}".
FontRequest ChooseFont(const TextStyleTable& styles, const std::string& style, const std::string& kind,
                       std::string& text);

// "\L" (underlining: the text after it) and "\U+XXXX" (the whole text becomes
// that one character, its low 8 bits), in this order.
void ApplyTextCodes(std::string& text, FontRequest& request);

// The lines of a text, split at every "\P".
std::vector<std::string> TextLines(const std::string& text);

}  // namespace dxfelem
