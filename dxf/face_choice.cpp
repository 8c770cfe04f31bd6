#include "dxf/face_choice.h"

#include "params/text_fields.h"

namespace dxfelem {
namespace {

bool IsFace(int32_t face) { return face >= 1 && face <= 6; }

// The face the extrusion direction points to, in the order the panel faces
// are tested; 0 for none.
int FaceOfDirection(const Point3& n) {
  if (NearValue(n.z, 1.0)) return 1;
  if (NearValue(n.z, -1.0)) return 2;
  if (NearValue(n.y, 1.0)) return 5;
  if (NearValue(n.x, -1.0)) return 6;
  if (NearValue(n.y, -1.0)) return 3;
  if (NearValue(n.x, 1.0)) return 4;
  return 0;
}

}  // namespace

int AssignFace(const ParameterRecord& p, std::string& layer, const Point3& extrusion) {
  for (int i = 1; i <= 6; ++i) {
    const std::string& name = p.FaceName(i);
    // An empty face name would be found in every layer: it names no face.
    if (name.empty() || layer.find(name) == std::string::npos) continue;
    const int32_t swapped = p.ScambiaFacce[static_cast<std::size_t>(i - 1)];
    if (IsFace(swapped)) layer = ReplaceAll(layer, name, p.FaceName(swapped));
    return i;
  }
  if (p.Altezza3D == 0) {
    layer += p.FaceName(1);
    return p.ScambiaFacce[0];
  }
  if (p.Altezza3D != 1) return 0;
  const int k = FaceOfDirection(extrusion);
  if (k == 0) return 0;
  const int32_t face = p.ScambiaFacce[static_cast<std::size_t>(k - 1)];
  if (IsFace(face)) layer += p.FaceName(face);
  return face;
}

}  // namespace dxfelem
