#include "picture/dxf_export.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <string_view>

namespace dxfelem {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A group: its code right-aligned in three columns, then the value.
void Group(std::string& dxf, int code, const std::string& value) {
  char line[16];
  std::snprintf(line, sizeof line, "%3d\n", code);
  dxf += line;
  dxf += value;
  dxf += '\n';
}

void Group(std::string& dxf, int code, double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", value);
  Group(dxf, code, text);
}

// Characters a DXF name may not hold (CAD programs and readers such as
// ezdxf refuse the file otherwise), and control characters; an empty name
// is layer 0.
std::string Name(const std::string& name) {
  std::string clean = name.empty() ? "0" : name;
  for (char& c : clean) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>/\\\":;?*|=`").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  return clean;
}

void Line(std::string& dxf, const std::string& layer, const FileNode& a, const FileNode& b) {
  Group(dxf, 0, "LINE");
  Group(dxf, 8, Name(layer));
  Group(dxf, 10, a.x);
  Group(dxf, 20, a.y);
  Group(dxf, 11, b.x);
  Group(dxf, 21, b.y);
}

void Circle(std::string& dxf, const std::string& layer, double x, double y, double r) {
  Group(dxf, 0, "CIRCLE");
  Group(dxf, 8, Name(layer));
  Group(dxf, 10, x);
  Group(dxf, 20, y);
  Group(dxf, 40, r);
}

// The arc from a through m to b: counter-clockwise from its start angle to
// its end angle, as DXF has it, so a clockwise arc runs from b to a.
void Arc(std::string& dxf, const std::string& layer, const FileNode& a, const FileNode& m, const FileNode& b) {
  if (std::hypot(a.x - b.x, a.y - b.y) < 1e-9) {
    Circle(dxf, layer, (a.x + m.x) / 2.0, (a.y + m.y) / 2.0, std::hypot(a.x - m.x, a.y - m.y) / 2.0);
    return;
  }
  const double d = 2.0 * (a.x * (m.y - b.y) + m.x * (b.y - a.y) + b.x * (a.y - m.y));
  if (std::fabs(d) < 1e-12) {
    Line(dxf, layer, a, b);
    return;
  }
  const double sa = a.x * a.x + a.y * a.y;
  const double sm = m.x * m.x + m.y * m.y;
  const double sb = b.x * b.x + b.y * b.y;
  const double cx = (sa * (m.y - b.y) + sm * (b.y - a.y) + sb * (a.y - m.y)) / d;
  const double cy = (sa * (b.x - m.x) + sm * (a.x - b.x) + sb * (m.x - a.x)) / d;
  const bool counterClockwise = (m.x - a.x) * (b.y - a.y) - (m.y - a.y) * (b.x - a.x) > 0.0;
  const FileNode& from = counterClockwise ? a : b;
  const FileNode& to = counterClockwise ? b : a;
  Group(dxf, 0, "ARC");
  Group(dxf, 8, Name(layer));
  Group(dxf, 10, cx);
  Group(dxf, 20, cy);
  Group(dxf, 40, std::hypot(a.x - cx, a.y - cy));
  Group(dxf, 50, std::atan2(from.y - cy, from.x - cx) * 180.0 / kPi);
  Group(dxf, 51, std::atan2(to.y - cy, to.x - cx) * 180.0 / kPi);
}

void Path(std::string& dxf, const FileElement& element) {
  const std::vector<FileNode>& nodes = element.nodes;
  const FileNode* previous = &nodes[0];
  const FileNode* middle = nullptr;
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    if (nodes[i].code == "MED") {
      middle = &nodes[i];
      continue;
    }
    if (middle != nullptr) Arc(dxf, element.layer, *previous, *middle, nodes[i]);
    else Line(dxf, element.layer, *previous, nodes[i]);
    previous = &nodes[i];
    middle = nullptr;
  }
}

}  // namespace

std::string DxfExport(const std::vector<FileElement>& elements, std::vector<std::string>& renamed) {
  std::set<std::string> blocks;
  std::set<std::string> changed;
  for (const FileElement& element : elements) {
    if (Name(element.layer) != element.layer && !element.layer.empty()) changed.insert("layer " + element.layer);
    for (const FileNode& node : element.nodes) {
      if (node.code != "MCR") continue;
      blocks.insert(Name(node.tag));
      if (Name(node.tag) != node.tag) changed.insert("block " + node.tag);
    }
  }
  for (const std::string& name : changed) {
    renamed.push_back(name + " is named " + Name(name.substr(name.find(' ') + 1)) +
                      " in the DXF: DXF names may not hold control characters or any of < > / \\ \" : ; ? * | = `");
  }
  std::string dxf;
  Group(dxf, 0, "SECTION");
  Group(dxf, 2, "HEADER");
  Group(dxf, 9, "$ACADVER");
  Group(dxf, 1, "AC1009");
  Group(dxf, 0, "ENDSEC");
  // Every block called gets an empty definition, so that the INSERTs name
  // something; the machine's macros are not drawings.
  Group(dxf, 0, "SECTION");
  Group(dxf, 2, "BLOCKS");
  for (const std::string& block : blocks) {
    Group(dxf, 0, "BLOCK");
    Group(dxf, 8, "0");
    Group(dxf, 2, block);
    Group(dxf, 70, "0");
    Group(dxf, 10, 0.0);
    Group(dxf, 20, 0.0);
    Group(dxf, 0, "ENDBLK");
  }
  Group(dxf, 0, "ENDSEC");
  Group(dxf, 0, "SECTION");
  Group(dxf, 2, "ENTITIES");
  for (std::size_t e = 0; e < elements.size(); ++e) {
    const FileElement& element = elements[e];
    if (element.nodes.empty()) continue;
    const FileNode& first = element.nodes[0];
    if (first.code == "INI") {
      Path(dxf, element);
    } else if (first.code == "ISO" || first.code == "ITP" || first.code == "NUL") {
      // A hole is a point whose value is its radius.
      if (first.value > 0.0) Circle(dxf, element.layer, first.x, first.y, first.value);
      Group(dxf, 0, "POINT");
      Group(dxf, 8, Name(element.layer));
      Group(dxf, 10, first.x);
      Group(dxf, 20, first.y);
    } else if (first.code == "MCR") {
      // The placement after a block call holds its scale factors and rotation.
      const FileNode* placement = nullptr;
      if (e + 1 < elements.size() && !elements[e + 1].nodes.empty() && elements[e + 1].nodes[0].code == "APL") {
        placement = &elements[e + 1].nodes[0];
      }
      Group(dxf, 0, "INSERT");
      Group(dxf, 8, Name(element.layer));
      Group(dxf, 2, Name(first.tag));
      Group(dxf, 10, first.x);
      Group(dxf, 20, first.y);
      if (placement != nullptr) {
        Group(dxf, 41, placement->x);
        Group(dxf, 42, placement->y);
        Group(dxf, 50, placement->value);
      }
    }
  }
  Group(dxf, 0, "ENDSEC");
  Group(dxf, 0, "EOF");
  return dxf;
}

}  // namespace dxfelem
