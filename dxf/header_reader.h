// The HEADER section: the drawing unit, and through it the length settings.
#pragma once

namespace dxfelem {

struct EntityContext;
class DxfLineReader;

// Called on the line after "HEADER"; returns after the section's "ENDSEC".
void ReadHeader(EntityContext& context, DxfLineReader& reader);
// Called right after ReadHeader: an inch drawing brings the length settings to inches.
void ApplyDrawingUnits(EntityContext& context);

}  // namespace dxfelem
