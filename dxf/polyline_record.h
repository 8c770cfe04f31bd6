// One polyline, heavy (POLYLINE, VERTEX..., SEQEND) or light (LWPOLYLINE),
// as its groups are read, and its emission as a path element.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dxf/keyword_table.h"
#include "geometry/point3.h"

namespace dxfelem {

struct EntityContext;

struct PolylineVertex {
  // Vertex coordinates are held in single precision, as on the hosts.
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  double bulge = 0.0;
};

struct PolylineRecord {
  static constexpr uint16_t kClosed = 1;
  // The surfaces, which make nothing: a polygon mesh (16), closed in its
  // N direction (32), and a polyface mesh (64), whose VERTEX records include
  // face records without coordinates.
  static constexpr uint16_t kPolygonMesh = 16;
  static constexpr uint16_t kMeshClosedInN = 32;
  static constexpr uint16_t kPolyfaceMesh = 64;

  Token kindToken = kTokenPolyline;  // or kTokenLwpolyline
  const char* kind = "POLYLINE";     // its name
  uint16_t flags = 0;
  std::string layer;
  std::string linetype;
  double elevation = 0.0;
  double thickness = 0.0;
  Point3 extrusion{0.0, 0.0, 1.0};
  std::vector<PolylineVertex> vertices;
};

// Turns the record into elements: a path of straight pieces and bulge arcs
// from the first vertex on, or loose pieces on a coded layer.
void EmitPolyline(EntityContext& context, PolylineRecord& record);

// The centre of the arc a bulge makes between a and b (x-y only), and its
// turn (1 counter-clockwise). False when the bulge makes no arc.
bool BulgeArcCentre(double ax, double ay, double bx, double by, double bulge, double& centreX, double& centreY,
                    int32_t& direction);

}  // namespace dxfelem
