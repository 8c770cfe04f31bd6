#include "dxf/carried_entity.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
constexpr double kDegree = std::numbers::pi / 180.0;

// The groups of one entity, read by their codes.
class Groups {
 public:
  explicit Groups(std::span<const GroupPair> pairs) : pairs_(pairs) {}

  bool Has(int code) const {
    for (const GroupPair& pair : pairs_.subspan(1)) {
      if (pair.code == code) return true;
    }
    return false;
  }
  double Number(int code, double fallback = 0.0) const {
    for (const GroupPair& pair : pairs_.subspan(1)) {
      if (pair.code == code) return ParseDouble(pair.value);
    }
    return fallback;
  }
  int Integer(int code) const {
    for (const GroupPair& pair : pairs_.subspan(1)) {
      if (pair.code == code) return ParseInt(pair.value);
    }
    return 0;
  }
  // Groups code, code + 10 and code + 20.
  Point3 Point(int code) const { return {Number(code), Number(code + 10), Number(code + 20)}; }
  // The extrusion direction, as a unit vector; +z when it has no length.
  Point3 Extrusion() const {
    const Point3 n = Unit({Number(210), Number(220), Number(230, 1.0)});
    return Length(n) > 0.0 ? n : Point3{0.0, 0.0, 1.0};
  }

 private:
  std::span<const GroupPair> pairs_;
};

// The pairs written, numbers in the shortest form that reads back the same.
class Writer {
 public:
  Writer(std::string& out, std::string_view layer0) : out_(out), layer0_(layer0) {}

  void Text(int code, std::string_view value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
    out_.append(digits, end);
    out_ += '\n';
    out_.append(value);
    out_ += '\n';
  }
  void Number(int code, double value) {
    // -0 reads as 0: no sign to carry.
    if (value == 0.0) value = 0.0;
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Text(code, std::string_view(digits, static_cast<std::size_t>(end - digits)));
  }
  void Point(int code, const Point3& p) {
    Number(code, p.x);
    Number(code + 10, p.y);
    Number(code + 20, p.z);
  }
  void Extrusion(const Point3& n) {
    if (n.x == 0.0 && n.y == 0.0 && n.z == 1.0) return;
    Point(210, n);
  }
  // The entity's "0" pair and its groups but `carried` (written anew by the
  // caller); the layer 0, or none, becomes `layer0`.
  void Start(std::string_view kind, std::span<const GroupPair> pairs, std::initializer_list<int> carried) {
    Text(0, kind);
    bool layered = false;
    for (const GroupPair& pair : pairs.subspan(1)) {
      bool skip = false;
      for (const int code : carried) skip |= pair.code == code;
      if (skip) continue;
      if (pair.code == 8) {
        layered = true;
        Text(8, pair.value == "0" && !layer0_.empty() ? layer0_ : pair.value);
      } else {
        Text(pair.code, pair.value);
      }
    }
    if (!layered && !layer0_.empty()) Text(8, layer0_);
  }
  std::string_view layer0() const { return layer0_; }

 private:
  std::string& out_;
  std::string_view layer0_;
};

// A plane's own system: the axes the DXF reference gives its extrusion.
struct Plane {
  Point3 n, ax, ay;
  explicit Plane(const Point3& normal) : n(normal) { PlaneAxes(n, ax, ay); }
  Point3 ToDrawing(const Point3& p) const { return p.x * ax + p.y * ay + p.z * n; }
  Point3 FromDrawing(const Point3& p) const { return {Dot(p, ax), Dot(p, ay), Dot(p, n)}; }
  double Angle(const Point3& v) const { return std::atan2(Dot(v, ay), Dot(v, ax)); }
};

// How the map carries a plane: the new plane, the images of its unit axes,
// and whether it keeps circles round and turns them the same way.
struct CarriedPlane {
  Plane from;
  Plane to;
  Point3 p, q;  // the images of from.ax and from.ay
  bool similar = false;
  bool turned = false;  // a mirror: counter-clockwise becomes clockwise

  CarriedPlane(const AffineMap& map, const Point3& n) : from(n), to(map.ApplyNormal(n)) {
    p = map.ApplyVector(from.ax);
    q = map.ApplyVector(from.ay);
    const double lp = Length(p);
    const double lq = Length(q);
    const double bound = 1e-9 * (lp > lq ? lp : lq);
    similar = std::fabs(Dot(p, q)) <= bound * (lp > lq ? lp : lq) && std::fabs(lp - lq) <= bound;
    turned = Dot(Cross(p, q), to.n) < 0.0;
  }
  double Scale() const { return Length(p); }
};

double Normalized(double radians) {
  double angle = std::fmod(radians, kTurn);
  if (angle < 0.0) angle += kTurn;
  return angle;
}

// The ellipse c + cos t P + sin t Q (P, Q conjugate semi-diameters in the
// plane of `n`) for t from t0 to t1 (counter-clockwise about `n` as t
// grows when P x Q points along n), as an ELLIPSE.
void WriteEllipse(Writer& out, std::span<const GroupPair> pairs, const Point3& c, const Point3& P, const Point3& Q,
                  const Point3& n, double t0, double t1, bool full) {
  const double a = Dot(P, P);
  const double b = Dot(P, Q);
  const double d = Dot(Q, Q);
  const double tMajor = 0.5 * std::atan2(2.0 * b, a - d);
  const Point3 major = std::cos(tMajor) * P + std::sin(tMajor) * Q;
  const Point3 minor = -std::sin(tMajor) * P + std::cos(tMajor) * Q;
  const double majorLength = Length(major);
  if (!(majorLength > 0.0) || !std::isfinite(majorLength)) return;
  const double ratio = Length(minor) / majorLength;
  const bool along = Dot(Cross(major, minor), n) >= 0.0;
  double start = 0.0;
  double end = kTurn;
  if (!full) {
    start = Normalized(along ? t0 - tMajor : tMajor - t1);
    const double span = t1 - t0;
    end = start + span;
  }
  out.Start("ELLIPSE", pairs, {10, 20, 30, 11, 21, 31, 40, 41, 42, 50, 51, 210, 220, 230});
  out.Point(10, c);
  out.Point(11, major);
  out.Extrusion(n);
  out.Number(40, ratio > 1.0 ? 1.0 : ratio);
  out.Number(41, start);
  out.Number(42, end);
}

// CIRCLE and ARC: round where the map keeps their plane's circles round,
// otherwise ellipses.
void CarryCircle(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out, bool arc) {
  const Groups groups(pairs);
  const CarriedPlane plane(map, groups.Extrusion());
  const double r = groups.Number(40);
  const Point3 centre = map.Apply(plane.from.ToDrawing(groups.Point(10)));
  double t0 = arc ? groups.Number(50) * kDegree : 0.0;
  double t1 = arc ? groups.Number(51) * kDegree : kTurn;
  if (arc && t1 < t0) t1 += kTurn * std::ceil((t0 - t1) / kTurn);
  if (!plane.similar) {
    WriteEllipse(out, pairs, centre, r * plane.p, r * plane.q, plane.to.n, t0, t1, !arc);
    return;
  }
  out.Start(arc ? "ARC" : "CIRCLE", pairs, {10, 20, 30, 40, 50, 51, 39, 210, 220, 230});
  out.Point(10, plane.to.FromDrawing(centre));
  out.Number(40, r * plane.Scale());
  if (groups.Has(39)) out.Number(39, groups.Number(39) * Length(map.ApplyVector(plane.from.n)));
  out.Extrusion(plane.to.n);
  if (arc) {
    const double a0 = plane.to.Angle(std::cos(t0) * plane.p + std::sin(t0) * plane.q) / kDegree;
    const double a1 = plane.to.Angle(std::cos(t1) * plane.p + std::sin(t1) * plane.q) / kDegree;
    out.Number(50, plane.turned ? a1 : a0);
    out.Number(51, plane.turned ? a0 : a1);
  }
}

void CarryEllipse(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  const Groups groups(pairs);
  const Point3 n = groups.Extrusion();
  const Point3 major = groups.Point(11);
  const Point3 minor = groups.Number(40, 1.0) * Cross(n, major);
  double t0 = groups.Number(41);
  double t1 = groups.Number(42, kTurn);
  if (t1 <= t0) t1 += kTurn * std::ceil((t0 - t1) / kTurn + (t1 == t0 ? 1.0 : 0.0));
  const bool full = std::fabs(t1 - t0 - kTurn) < 1e-12;
  WriteEllipse(out, pairs, map.Apply(groups.Point(10)), map.ApplyVector(major), map.ApplyVector(minor),
               map.ApplyNormal(n), t0, t1, full);
}

// Entities whose points lie in the drawing's coordinates.
void CarryPoints(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out, std::string_view kind,
                 std::initializer_list<int> pointCodes) {
  const Groups groups(pairs);
  out.Start(kind, pairs, {10, 20, 30, 11, 21, 31, 12, 22, 32, 13, 23, 33, 39, 210, 220, 230});
  for (const int code : pointCodes) {
    if (groups.Has(code) || code == 10) out.Point(code, map.Apply(groups.Point(code)));
  }
  const Point3 n = groups.Extrusion();
  if (groups.Has(39)) out.Number(39, groups.Number(39) * Length(map.ApplyVector(n)));
  out.Extrusion(map.ApplyNormal(n));
}

// SOLID and TRACE: corners in the plane's own system.
void CarryPlaneCorners(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out, std::string_view kind) {
  const Groups groups(pairs);
  const CarriedPlane plane(map, groups.Extrusion());
  out.Start(kind, pairs, {10, 20, 30, 11, 21, 31, 12, 22, 32, 13, 23, 33, 38, 210, 220, 230});
  const double elevation = groups.Number(38, groups.Number(30));
  for (const int code : {10, 11, 12, 13}) {
    if (!groups.Has(code) && code != 10) continue;
    Point3 corner = groups.Point(code);
    corner.z = elevation;
    out.Point(code, plane.to.FromDrawing(map.Apply(plane.from.ToDrawing(corner))));
  }
  out.Extrusion(plane.to.n);
}

// TEXT and ATTRIB: the insertion point in the plane's own system, the
// rotation and height carried; a mirrored text stays readable.
void CarryText(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out, std::string_view kind) {
  const Groups groups(pairs);
  const CarriedPlane plane(map, groups.Extrusion());
  const double rotation = groups.Number(50) * kDegree;
  const Point3 along = map.ApplyVector(plane.from.ToDrawing({std::cos(rotation), std::sin(rotation), 0.0}));
  const Point3 up = map.ApplyVector(plane.from.ToDrawing({-std::sin(rotation), std::cos(rotation), 0.0}));
  double angle = plane.to.Angle(along);
  if (plane.turned) angle = plane.to.Angle(up) - std::numbers::pi / 2.0;
  out.Start(kind, pairs, {10, 20, 30, 11, 21, 31, 40, 41, 50, 210, 220, 230});
  out.Point(10, plane.to.FromDrawing(map.Apply(plane.from.ToDrawing(groups.Point(10)))));
  if (groups.Has(11)) out.Point(11, plane.to.FromDrawing(map.Apply(plane.from.ToDrawing(groups.Point(11)))));
  out.Number(40, groups.Number(40) * Length(up));
  if (groups.Has(41) || Length(along) != Length(up)) {
    out.Number(41, groups.Number(41, 1.0) * (Length(up) > 0.0 ? Length(along) / Length(up) : 1.0));
  }
  out.Number(50, angle / kDegree);
  out.Extrusion(plane.to.n);
}

// MTEXT: the insertion point and direction in the drawing's coordinates.
void CarryParagraphText(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  const Groups groups(pairs);
  const Point3 n = groups.Extrusion();
  const Plane own(n);
  const Point3 direction =
      groups.Has(11) ? groups.Point(11) : own.ToDrawing({std::cos(groups.Number(50)), std::sin(groups.Number(50)), 0});
  const Point3 up = Cross(n, Unit(direction));
  const Point3 carriedUp = map.ApplyVector(up);
  out.Start("MTEXT", pairs, {10, 20, 30, 11, 21, 31, 40, 41, 50, 210, 220, 230});
  out.Point(10, map.Apply(groups.Point(10)));
  out.Point(11, map.ApplyVector(direction));
  out.Number(40, groups.Number(40) * Length(carriedUp));
  if (groups.Has(41)) out.Number(41, groups.Number(41) * Length(map.ApplyVector(Unit(direction))));
  out.Extrusion(map.ApplyNormal(n));
}

// A nested INSERT of a block the tables name: a call at its carried place.
void CarryInsert(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  const Groups groups(pairs);
  const CarriedPlane plane(map, groups.Extrusion());
  const double rotation = groups.Number(50) * kDegree;
  const Point3 scale{groups.Number(41, 1.0), groups.Number(42, 1.0), groups.Number(43, 1.0)};
  const Point3 along = map.ApplyVector(plane.from.ToDrawing({std::cos(rotation), std::sin(rotation), 0.0}));
  const Point3 up = map.ApplyVector(plane.from.ToDrawing({-std::sin(rotation), std::cos(rotation), 0.0}));
  out.Start("INSERT", pairs, {10, 20, 30, 41, 42, 43, 50, 210, 220, 230});
  out.Point(10, plane.to.FromDrawing(map.Apply(plane.from.ToDrawing(groups.Point(10)))));
  out.Number(41, scale.x * Length(along));
  out.Number(42, scale.y * Length(up) * (plane.turned ? -1.0 : 1.0));
  out.Number(43, scale.z * Length(map.ApplyVector(plane.from.n)));
  out.Number(50, plane.to.Angle(along) / kDegree);
  out.Extrusion(plane.to.n);
}

// A polyline's vertex in its plane's own system, and its bulge.
struct Vertex {
  Point3 at;
  double bulge = 0.0;
  std::span<const GroupPair> pairs;  // a heavy polyline's VERTEX
};

// A polyline whose plane the map keeps round falls into LINEs and ELLIPSEs
// otherwise, one per segment, the closing one too.
void WriteSegments(const std::vector<Vertex>& vertices, bool closed, const CarriedPlane& plane, const AffineMap& map,
                   std::span<const GroupPair> pairs, Writer& out) {
  // What every piece keeps of the polyline: its kind pair (replaced), layer,
  // linetype and colour.
  std::vector<GroupPair> kept{pairs[0]};
  for (const GroupPair& pair : pairs.subspan(1)) {
    if (pair.code == 8 || pair.code == 6 || pair.code == 62) kept.push_back(pair);
  }
  const std::size_t count = vertices.size();
  const std::size_t segments = closed ? count : (count > 0 ? count - 1 : 0);
  for (std::size_t i = 0; i < segments; ++i) {
    const Vertex& a = vertices[i];
    const Vertex& b = vertices[(i + 1) % count];
    if (a.bulge == 0.0) {
      out.Start("LINE", kept, {});
      out.Point(10, map.Apply(plane.from.ToDrawing(a.at)));
      out.Point(11, map.Apply(plane.from.ToDrawing(b.at)));
      continue;
    }
    // The bulge's arc in the plane's own system: its centre and angles.
    const double dx = b.at.x - a.at.x;
    const double dy = b.at.y - a.at.y;
    const double chord = std::sqrt(dx * dx + dy * dy);
    if (chord == 0.0) continue;
    const double theta = 4.0 * std::atan(a.bulge);
    const double radius = chord / (2.0 * std::sin(std::fabs(theta) / 2.0));
    const double toCentre =
        std::atan2(dy, dx) + (theta > 0 ? 1.0 : -1.0) * (std::numbers::pi / 2.0 - std::fabs(theta) / 2.0);
    const Point3 centre{a.at.x + radius * std::cos(toCentre), a.at.y + radius * std::sin(toCentre), a.at.z};
    double t0 = std::atan2(a.at.y - centre.y, a.at.x - centre.x);
    double t1 = t0 + theta;
    if (theta < 0.0) std::swap(t0, t1);
    // The arc's circle, carried: the images of its radii along the axes.
    WriteEllipse(out, kept, map.Apply(plane.from.ToDrawing(centre)), radius * plane.p, radius * plane.q, plane.to.n, t0,
                 t1, false);
  }
}

void CarryLightPolyline(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  const Groups groups(pairs);
  const CarriedPlane plane(map, groups.Extrusion());
  const double elevation = groups.Number(38);
  std::vector<Vertex> vertices;
  for (const GroupPair& pair : pairs.subspan(1)) {
    if (pair.code == 10) vertices.push_back({{ParseDouble(pair.value), 0.0, elevation}, 0.0, {}});
    else if (pair.code == 20 && !vertices.empty()) vertices.back().at.y = ParseDouble(pair.value);
    else if (pair.code == 42 && !vertices.empty()) vertices.back().bulge = ParseDouble(pair.value);
  }
  const bool closed = (groups.Integer(70) & 1) != 0;
  if (!plane.similar) {
    WriteSegments(vertices, closed, plane, map, pairs, out);
    return;
  }
  out.Start("LWPOLYLINE", pairs, {10, 20, 30, 38, 40, 41, 42, 43, 90, 91, 210, 220, 230});
  out.Number(90, static_cast<double>(vertices.size()));
  double carriedElevation = 0.0;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Point3 at = plane.to.FromDrawing(map.Apply(plane.from.ToDrawing(vertices[i].at)));
    if (i == 0) {
      carriedElevation = at.z;
      out.Number(38, carriedElevation);
    }
    out.Number(10, at.x);
    out.Number(20, at.y);
    if (vertices[i].bulge != 0.0) out.Number(42, plane.turned ? -vertices[i].bulge : vertices[i].bulge);
  }
  out.Extrusion(plane.to.n);
}

// A heavy polyline: its POLYLINE, VERTEXes and SEQEND.
void CarryPolyline(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  // The entities of the sequence, each from its "0" pair.
  std::vector<std::span<const GroupPair>> parts;
  std::size_t begin = 0;
  for (std::size_t i = 1; i <= pairs.size(); ++i) {
    if (i == pairs.size() || pairs[i].code == 0) {
      parts.push_back(pairs.subspan(begin, i - begin));
      begin = i;
    }
  }
  const Groups head(parts.front());
  const int flags = head.Integer(70);
  const bool inSpace = (flags & (8 | 16 | 64)) != 0;  // 3D polylines and meshes: drawing coordinates
  const CarriedPlane plane(map, inSpace ? Point3{0.0, 0.0, 1.0} : head.Extrusion());
  const double elevation = head.Number(38, head.Number(30));
  std::vector<Vertex> vertices;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (EntityKindOf(parts[i][0].value) != "VERTEX") continue;
    const Groups vertex(parts[i]);
    Point3 at = vertex.Point(10);
    if (!inSpace) at.z += elevation;
    vertices.push_back({at, vertex.Number(42), parts[i]});
  }
  if (!inSpace && !plane.similar) {
    WriteSegments(vertices, (flags & 1) != 0, plane, map, parts.front(), out);
    return;
  }
  out.Start("POLYLINE", parts.front(), {10, 20, 30, 38, 39, 210, 220, 230});
  if (!inSpace) out.Extrusion(plane.to.n);
  for (const Vertex& vertex : vertices) {
    out.Start("VERTEX", vertex.pairs, {10, 20, 30, 42});
    const Point3 carried = map.Apply(inSpace ? vertex.at : plane.from.ToDrawing(vertex.at));
    out.Point(10, inSpace ? carried : plane.to.FromDrawing(carried));
    if (vertex.bulge != 0.0) out.Number(42, plane.turned ? -vertex.bulge : vertex.bulge);
  }
  out.Text(0, "SEQEND");
}

// SPLINE: its control and fit points, and its end tangents.
void CarrySpline(std::span<const GroupPair> pairs, const AffineMap& map, Writer& out) {
  const Groups groups(pairs);
  out.Text(0, "SPLINE");
  // The points are carried in their order; every other group as it is.
  Point3 point;
  int pending = 0;  // the code of the point being gathered
  const auto flush = [&] {
    if (pending == 0) return;
    const bool direction = pending == 12 || pending == 13;
    out.Point(pending, direction ? map.ApplyVector(point) : map.Apply(point));
    pending = 0;
  };
  bool layered = false;
  for (const GroupPair& pair : pairs.subspan(1)) {
    const int code = pair.code;
    const int base = code >= 10 && code <= 33 ? 10 + (code % 10) : 0;
    if (base >= 10 && base <= 13) {
      if (code < 20) {
        flush();
        pending = base;
        point = {ParseDouble(pair.value), 0.0, 0.0};
      } else if (code < 30) {
        point.y = ParseDouble(pair.value);
      } else {
        point.z = ParseDouble(pair.value);
      }
      continue;
    }
    flush();
    if (code == 210 || code == 220 || code == 230) continue;
    if (code == 8) {
      layered = true;
      out.Text(8, pair.value == "0" && !out.layer0().empty() ? out.layer0() : pair.value);
    } else {
      out.Text(code, pair.value);
    }
  }
  flush();
  if (!layered && !out.layer0().empty()) out.Text(8, out.layer0());
  out.Extrusion(map.ApplyNormal(groups.Extrusion()));
}

}  // namespace

std::string EntityKindOf(std::string_view value) {
  std::string kind(value);
  for (char& c : kind) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return kind;
}

void WriteCarriedEntity(std::span<const GroupPair> pairs, const AffineMap& map, std::string_view layer0,
                        std::string& out) {
  if (pairs.empty()) return;
  Writer writer(out, layer0);
  const std::string kind = EntityKindOf(pairs[0].value);
  if (kind == "LINE" || kind == "3DLINE") CarryPoints(pairs, map, writer, kind, {10, 11});
  else if (kind == "POINT") CarryPoints(pairs, map, writer, kind, {10});
  else if (kind == "3DFACE") CarryPoints(pairs, map, writer, kind, {10, 11, 12, 13});
  else if (kind == "CIRCLE") CarryCircle(pairs, map, writer, false);
  else if (kind == "ARC") CarryCircle(pairs, map, writer, true);
  else if (kind == "ELLIPSE") CarryEllipse(pairs, map, writer);
  else if (kind == "SOLID" || kind == "TRACE") CarryPlaneCorners(pairs, map, writer, kind);
  else if (kind == "TEXT" || kind == "ATTRIB") CarryText(pairs, map, writer, kind);
  else if (kind == "MTEXT") CarryParagraphText(pairs, map, writer);
  else if (kind == "INSERT") CarryInsert(pairs, map, writer);
  else if (kind == "LWPOLYLINE") CarryLightPolyline(pairs, map, writer);
  else if (kind == "POLYLINE") CarryPolyline(pairs, map, writer);
  else if (kind == "SPLINE") CarrySpline(pairs, map, writer);
  else writer.Start(pairs[0].value, pairs, {});
}

}  // namespace dxfelem
