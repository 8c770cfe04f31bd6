// The HEADER section: the drawing unit, and through it the length settings.
#pragma once

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

// Called on the line after "HEADER"; returns after the section's "ENDSEC".
void ReadHeader(ConversionJob& job, DxfLineReader& reader);
// Called right after ReadHeader: an inch drawing brings the length settings to inches.
void ApplyDrawingUnits(ConversionJob& job);

}  // namespace dxfelem
