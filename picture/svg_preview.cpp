#include "picture/svg_preview.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace dxfelem {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWidth = 1000.0;  // the drawing's room on the page, in pixels
constexpr double kMargin = 40.0;
constexpr double kLegendWidth = 260.0;

// Colours told apart on screen and on paper, in a fixed order of first use.
constexpr const char* kPalette[] = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
                                    "#8c564b", "#e377c2", "#17becf", "#bcbd22", "#7f7f7f"};

// The length of the well-formed UTF-8 sequence at `at` that XML allows
// (no surrogates, no U+FFFE or U+FFFF, nothing beyond U+10FFFF), or 0.
std::size_t XmlCharacterLength(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u; };
  const unsigned lead = byte(0);
  const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  if (length == 0) return 0;
  unsigned code = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE ||
      code == 0xFFFF) {
    return 0;
  }
  return length;
}

// Text for the picture: the markup characters escaped, control characters
// as spaces, and what is not UTF-8 (a name in the hosts' code page) as
// U+FFFD, so that the SVG is well-formed XML whatever the names hold.
std::string Escaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      const std::size_t length = XmlCharacterLength(text, i);
      out += length > 0 ? text.substr(i, length) : "\xEF\xBF\xBD";
      i += length > 0 ? length : 1;
      continue;
    }
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
    }
    ++i;
  }
  return out;
}

std::string Format(const char* format, double a, double b) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

struct Page {
  double minX = 0.0;
  double maxY = 0.0;
  double scale = 1.0;
  double X(double x) const { return kMargin + (x - minX) * scale; }
  double Y(double y) const { return kMargin + (maxY - y) * scale; }
};

// One path element: lines and arcs, open ones dashed, the start marked
// with an arrow along the direction of travel.
std::string PathOf(const FileElement& element, const Page& page, const char* colour) {
  const std::vector<FileNode>& nodes = element.nodes;
  std::string d = Format("M %.3f %.3f", page.X(nodes[0].x), page.Y(nodes[0].y));
  const FileNode* previous = &nodes[0];
  const FileNode* middle = nullptr;
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    const FileNode& node = nodes[i];
    if (node.code == "MED") {
      middle = &node;
      continue;
    }
    if (middle != nullptr && std::hypot(previous->x - node.x, previous->y - node.y) < 1e-9) {
      // A full circle: two half arcs through the opposite point.
      const double r = std::hypot(previous->x - middle->x, previous->y - middle->y) / 2.0 * page.scale;
      d += Format(" A %.3f %.3f 0 0 1 ", r, r) + Format("%.3f %.3f", page.X(middle->x), page.Y(middle->y));
      d += Format(" A %.3f %.3f 0 0 1 ", r, r) + Format("%.3f %.3f", page.X(node.x), page.Y(node.y));
    } else if (middle != nullptr) {
      d += " " + ArcCommand(page.X(previous->x), page.Y(previous->y), page.X(middle->x), page.Y(middle->y),
                            page.X(node.x), page.Y(node.y));
    } else {
      d += Format(" L %.3f %.3f", page.X(node.x), page.Y(node.y));
    }
    previous = &node;
    middle = nullptr;
  }
  const bool closed =
      nodes.size() > 1 && std::hypot(nodes.front().x - nodes.back().x, nodes.front().y - nodes.back().y) < 1e-6;
  // A profile smaller on the page than its arrow (a letter of a small
  // text) gets none: the arrows would hide the drawing.
  double left = nodes[0].x, right = nodes[0].x, bottom = nodes[0].y, top = nodes[0].y;
  for (const FileNode& node : nodes) {
    left = std::min(left, node.x);
    right = std::max(right, node.x);
    bottom = std::min(bottom, node.y);
    top = std::max(top, node.y);
  }
  const bool marked = std::max(right - left, top - bottom) * page.scale >= 16.0;
  return std::string("<path d=\"") + d + "\" stroke=\"" + colour + "\"" + (closed ? "" : " stroke-dasharray=\"6 3\"") +
         (marked ? " marker-start=\"url(#start)\"" : "") + "/>\n";
}

// Holes as circles of their diameter; blocks, placements and attributes as
// labelled squares. A placement holds scale factors and an attribute no
// place of its own: both are labelled at their block's insertion point.
std::string PointOf(const FileElement& element, const Page& page, const char* colour, FileNode& lastMacro,
                    int& labelsAtMacro) {
  std::string svg;
  for (const FileNode& node : element.nodes) {
    const bool atMacro = node.code == "APL" || node.code == "PAR";
    if (node.code == "MCR") {
      lastMacro = node;
      labelsAtMacro = 0;
    }
    const double x = page.X(atMacro ? lastMacro.x : node.x);
    const double y = page.Y(atMacro ? lastMacro.y : node.y) + (atMacro ? 12.0 * ++labelsAtMacro : 0.0);
    if (node.code == "ISO" || node.code == "ITP" || node.code == "NUL") {
      // The value of a hole is its radius.
      const double r = std::max(1.5, std::fabs(node.value) * page.scale);
      char circle[160];
      std::snprintf(circle, sizeof circle, "<circle cx=\"%.3f\" cy=\"%.3f\" r=\"%.3f\" stroke=\"%s\"/>\n", x, y, r,
                    colour);
      svg += circle;
    } else {
      if (!atMacro) {
        svg += Format("<rect x=\"%.3f\" y=\"%.3f\" width=\"6\" height=\"6\"", x - 3, y - 3) + " fill=\"" + colour +
               "\"/>\n";
      }
      svg += Format("<text x=\"%.3f\" y=\"%.3f\" font-size=\"10\"", x + 5, y - 5) + " fill=\"" + colour + "\">" +
             Escaped(node.code + " " + node.tag) + "</text>\n";
    }
  }
  return svg;
}

// The findings of a check, in red over the drawing, sized for the page
// rather than the drawing so that they show at any scale.
std::string MarksOf(const std::vector<PreviewMark>& marks, const Page& page) {
  std::string svg = "<g fill=\"none\" stroke=\"red\">\n";
  for (const PreviewMark& mark : marks) {
    const double x = page.X(mark.x);
    const double y = page.Y(mark.y);
    switch (mark.kind) {
      case PreviewMark::kGap:
        svg += Format("<circle cx=\"%.3f\" cy=\"%.3f\" r=\"9\" stroke-width=\"2\"/>\n", x, y);
        svg += Format("<text x=\"%.3f\" y=\"%.3f\" font-size=\"11\" font-family=\"sans-serif\" fill=\"red\" "
                      "stroke=\"none\">",
                      x + 11, y - 11) +
               Escaped(mark.label) + "</text>\n";
        break;
      case PreviewMark::kDoubleCut:
        svg += Format("<path d=\"M %.3f %.3f", x, y) +
               Format(" L %.3f %.3f\" stroke-width=\"5\" stroke-opacity=\"0.6\"/>\n", page.X(mark.x2), page.Y(mark.y2));
        break;
      case PreviewMark::kCrossing:
        svg += Format("<path d=\"M %.3f %.3f l 12 12 m 0 -12 l -12 12\" stroke-width=\"2\"/>\n", x - 6, y - 6);
        break;
      case PreviewMark::kTiny:
        svg += Format("<circle cx=\"%.3f\" cy=\"%.3f\" r=\"6\" stroke-width=\"1.5\"/>\n", x, y);
        break;
    }
  }
  return svg + "</g>\n";
}

// A round length, 1, 2 or 5 times a power of ten, near a fifth of the page.
double ScaleBarLength(double drawingWidth) {
  const double target = drawingWidth / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= target) return step * power;
  }
  return power;
}

}  // namespace

std::string ArcCommand(double x1, double y1, double x2, double y2, double x3, double y3) {
  const double d = 2.0 * (x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2));
  if (std::fabs(d) < 1e-12) return Format("L %.3f %.3f", x3, y3);
  const double s1 = x1 * x1 + y1 * y1;
  const double s2 = x2 * x2 + y2 * y2;
  const double s3 = x3 * x3 + y3 * y3;
  const double cx = (s1 * (y2 - y3) + s2 * (y3 - y1) + s3 * (y1 - y2)) / d;
  const double cy = (s1 * (x3 - x2) + s2 * (x1 - x3) + s3 * (x2 - x1)) / d;
  const double r = std::hypot(x1 - cx, y1 - cy);
  // On the page y points down: a positive cross product turns clockwise on
  // screen, which is SVG's sweep 1, the direction of growing angles.
  const bool sweep = (x2 - x1) * (y3 - y1) - (y2 - y1) * (x3 - x1) > 0.0;
  const double a1 = std::atan2(y1 - cy, x1 - cx);
  const double a3 = std::atan2(y3 - cy, x3 - cx);
  double span = std::fmod(sweep ? a3 - a1 : a1 - a3, 2.0 * kPi);
  if (span < 0.0) span += 2.0 * kPi;
  char text[160];
  std::snprintf(text, sizeof text, "A %.3f %.3f 0 %d %d %.3f %.3f", r, r, span > kPi ? 1 : 0, sweep ? 1 : 0, x3, y3);
  return text;
}

std::string SvgPreview(const std::vector<FileElement>& elements, const std::string& title,
                       const std::vector<PreviewMark>& marks) {
  double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
  bool any = false;
  std::vector<std::string> layers;
  std::map<std::string, long> counts;
  for (const FileElement& element : elements) {
    if (counts[element.layer]++ == 0) layers.push_back(element.layer);
    for (const FileNode& node : element.nodes) {
      // Placements hold scale factors and attributes no place: neither counts.
      if (node.code == "APL" || node.code == "PAR" || !std::isfinite(node.x) || !std::isfinite(node.y)) continue;
      minX = any ? std::min(minX, node.x) : node.x;
      maxX = any ? std::max(maxX, node.x) : node.x;
      minY = any ? std::min(minY, node.y) : node.y;
      maxY = any ? std::max(maxY, node.y) : node.y;
      any = true;
    }
  }
  const double extent = std::max(maxX - minX, maxY - minY);
  Page page{minX, maxY, extent > 0.0 ? kWidth / extent : 1.0};
  const double width = kMargin * 2 + (maxX - minX) * page.scale + kLegendWidth;
  const double height =
      std::max(kMargin * 2 + (maxY - minY) * page.scale, kMargin * 2 + 24.0 * static_cast<double>(layers.size()) + 60);

  std::string svg = Format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\"", width, height);
  svg += Format(" viewBox=\"0 0 %.0f %.0f\">\n", width, height);
  svg += "<title>" + Escaped(title) + "</title>\n";
  svg +=
      "<defs><marker id=\"start\" viewBox=\"0 0 10 10\" refX=\"2\" refY=\"5\" markerWidth=\"8\" markerHeight=\"8\""
      " orient=\"auto\"><path d=\"M 0 0 L 10 5 L 0 10 z\" fill=\"black\"/></marker></defs>\n";
  svg += Format("<rect width=\"%.0f\" height=\"%.0f\" fill=\"white\"/>\n", width, height);
  svg += "<g fill=\"none\" stroke-width=\"1.2\">\n";
  FileNode lastMacro;
  int labelsAtMacro = 0;
  for (const FileElement& element : elements) {
    const std::size_t index =
        static_cast<std::size_t>(std::find(layers.begin(), layers.end(), element.layer) - layers.begin());
    const char* colour = kPalette[index % std::size(kPalette)];
    if (!element.nodes.empty() && element.nodes[0].code == "INI") svg += PathOf(element, page, colour);
    else svg += PointOf(element, page, colour, lastMacro, labelsAtMacro);
  }
  svg += "</g>\n";
  if (!marks.empty()) svg += MarksOf(marks, page);

  // The legend: every layer in its colour with its number of elements.
  const double legendX = width - kLegendWidth + 10;
  svg += Format("<text x=\"%.0f\" y=\"%.0f\" font-size=\"13\" font-family=\"sans-serif\">", legendX, kMargin) +
         Escaped(title) + "</text>\n";
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const double y = kMargin + 24.0 * static_cast<double>(i + 1);
    const char* colour = kPalette[i % std::size(kPalette)];
    svg += Format("<rect x=\"%.0f\" y=\"%.0f\" width=\"14\" height=\"4\"", legendX, y - 6) + " fill=\"" + colour +
           "\"/>\n";
    svg += Format("<text x=\"%.0f\" y=\"%.0f\" font-size=\"12\" font-family=\"sans-serif\">", legendX + 20, y) +
           Escaped((layers[i].empty() ? "(no layer)" : layers[i]) + "  " + std::to_string(counts[layers[i]])) +
           "</text>\n";
  }
  // The scale bar, in drawing units.
  if (extent > 0.0) {
    const double length = ScaleBarLength(maxX - minX > 0.0 ? maxX - minX : extent);
    const double y = height - 15;
    char bar[128];
    std::snprintf(bar, sizeof bar, "<path d=\"M %.3f %.3f h %.3f\" stroke=\"black\" stroke-width=\"2\"/>\n", kMargin, y,
                  length * page.scale);
    svg += bar;
    char label[64];
    std::snprintf(label, sizeof label, "%g", length);
    svg += Format("<text x=\"%.0f\" y=\"%.0f\" font-size=\"11\" font-family=\"sans-serif\">", kMargin, y - 5) + label +
           "</text>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace dxfelem
