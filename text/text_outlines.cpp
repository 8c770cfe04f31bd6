#include "text/text_outlines.h"

#include <cmath>

#include "geometry/element_builders.h"
#include "geometry/profile_chaining.h"
#include "text/contour_profiles.h"
#include "text/font_choice.h"

namespace dxfelem {
namespace {

constexpr double kPi = 3.14159265358979323846;
// The widened single-precision 1e-5: an angle this small is no angle.
constexpr double kNoAngle = 9.999999747378752e-06;
// Gaps in drawing units, whatever the height: before each glyph, after its ink.
constexpr double kGapBefore = 2.0;
constexpr double kGapAfter = 1.0;
// The MTEXT line pitch is the height plus this.
constexpr double kLineGap = 2.0;

bool IsMirrored(int face) { return face == 2 || face == 5 || face == 6; }

// The insertion point seen on the face the text lies on.
PlanePoint OnFace(int face, const Point3& p) {
  switch (face) {
    case 3:
    case 5: return {p.x, p.z};
    case 4:
    case 6: return {p.y, p.z};
    default: return {p.x, p.y};
  }
}

// The third coordinate of every point, before the frame.
double DepthOnFace(int face, const Point3& p) {
  switch (face) {
    case 3: return -p.y;
    case 5: return p.y;
    case 4: return p.x;
    case 6: return -p.x;
    default: return p.z;
  }
}

double TextAngle(const TextEntity& text) {
  if (text.kind == "TEXT") return -text.rotation * kPi / 180.0;
  const Point3& d = text.direction;
  double angle = std::atan2(d.y, d.x);
  if (text.face == 3 || text.face == 5) angle = std::atan2(d.z, d.x);
  if (text.face == 4 || text.face == 6) angle = std::atan2(d.z, d.y);
  if (IsMirrored(text.face)) angle = kPi - angle;
  return -angle;
}

// Draws the lines of the text into `drawing`, one path element per contour.
void DrawLines(const TextEntity& text, const std::vector<std::string>& lines, double scale, double spaceWidth,
               CachedFont& font, Drawing& drawing) {
  const double angle = TextAngle(text);
  const bool turned = std::fabs(angle) >= kNoAngle;
  const bool mirrored = IsMirrored(text.face);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    PlanePoint pen = OnFace(text.face, text.insertion);
    if (text.faceLayer != 0 && mirrored) pen.x = -text.insertion.x;
    if (text.kind == "MTEXT") {
      // Even the first baseline lies one pitch below the insertion point.
      const double pitch = (kLineGap + text.height) * static_cast<double>(i + 1);
      if (!turned) {
        pen.y -= pitch;
      } else if (mirrored) {
        pen.x += pitch * std::sin(kPi - angle);
        pen.y += pitch * std::cos(kPi - angle);
      } else {
        pen.x -= pitch * std::sin(angle);
        pen.y -= pitch * std::cos(angle);
      }
    }
    LinePlacement placement{pen, turned ? angle : 0.0, mirrored, DepthOnFace(text.face, text.insertion),
                            FrameAxes(text.frame)};
    for (const char character : lines[i]) {
      if (character == ' ') {
        pen.x += spaceWidth;
        continue;
      }
      pen.x += kGapBefore;
      const CachedGlyph* glyph = font.Glyph(static_cast<unsigned char>(character));
      InkExtent ink;
      if (glyph != nullptr) {
        const double offset = glyph->metrics.originX * scale;
        for (const CubicChain& contour : glyph->contours) {
          CubicChain onPen(contour.size());
          for (std::size_t k = 0; k < contour.size(); ++k) {
            onPen[k] = {scale * contour[k].x + pen.x - offset, scale * contour[k].y + pen.y};
          }
          AddContourProfile(drawing, onPen, placement, text.layer, ink);
        }
      }
      pen.x += ink.Width() + kGapAfter;
    }
  }
}

// Copies the profiles into the conversion's drawing through the selecting
// creation operations, one number per element.
void CopyProfiles(const Drawing& drawing, const OutlineTarget& target) {
  for (const Element& element : drawing.elements()) {
    const NodeList& nodes = element.nodes();
    if (nodes.empty()) continue;
    if (nodes.size() == 1 && nodes[0].code == kNodeIso) {
      AddPoint(target.sink, PointRole::kIsolated, ++target.elementCounter, nodes[0].point(), nodes[0].value,
               element.layer());
      continue;
    }
    const int32_t number = ++target.elementCounter;
    for (std::size_t i = 1; i < nodes.size(); ++i) {
      if (nodes[i].code != kNodeVer && nodes[i].code != kNodeFin) continue;
      const bool arc = nodes[i - 1].code == kNodeMed && i >= 2;
      const std::size_t from = arc ? i - 2 : i - 1;
      const SegmentTarget segment = from == 0 ? SegmentTarget::kNewElement : SegmentTarget::kCurrentElement;
      if (arc) {
        AddArc3(target.sink, segment, number, nodes[from].point(), nodes[i - 1].point(), nodes[i].point(),
                element.layer());
      } else {
        AddLine(target.sink, segment, number, nodes[from].point(), nodes[i].point(), element.layer());
      }
    }
  }
}

}  // namespace

std::string ConvertTextToOutlines(const OutlineTarget& target, const TextEntity& entity) {
  if (entity.kind != "TEXT" && entity.kind != "MTEXT") return {};
  std::string text = entity.text;
  FontRequest request = ChooseFont(target.styles, entity.style, entity.kind, text);
  ApplyTextCodes(text, request);

  CachedFont* font = target.glyphs.FontFor(request);
  if (font == nullptr) return request.faceName.empty() ? std::string("(no face)") : request.faceName;
  // The scale makes a capital I exactly as tall as the text's height.
  const GlyphMetrics* letterI = font->LetterI();
  if (letterI == nullptr || letterI->blackBoxY == 0) return {};
  const double scale = entity.height / static_cast<double>(letterI->blackBoxY);
  if (!std::isfinite(scale)) return {};

  Drawing profiles("");
  DrawLines(entity, TextLines(text), scale, target.parameters.SpazioFont, *font, profiles);
  if (profiles.elements().empty()) return {};
  // Joined whatever Connect says: a contour's pieces are one profile.
  const ParameterRecord& p = target.parameters;
  Chain(
      profiles, static_cast<double>(p.Tollerance),
      [&target](const std::string& layer) { return IsCodedLayer(target.selection, target.parameters, layer); },
      p.IniConnect == 1);
  Clean(profiles);
  CopyProfiles(profiles, target);
  return {};
}

}  // namespace dxfelem
