// What a person wants to know of a drawing before converting it: its
// version and units, its extents, its layers and blocks, and its entities
// per kind and per layer, with what of them a conversion leaves out for
// their kind or their groups alone. Read in strict pairs, so that a broken
// drawing is told with the line where it breaks.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace dxfelem {

// What entities of one layer (or of the whole drawing) hold, counted.
struct EntityTally {
  std::map<std::string, long> kinds;           // entities per kind
  long meshes = 0;                             // POLYLINEs that are polygon or polyface meshes
  long oblique = 0;                            // entities whose extrusion is along no axis
  long texts = 0;                              // TEXT and MTEXT
  long chunkedTexts = 0;                       // MTEXTs whose text begins in group-3 chunks
  long splinesFollowed = 0;                    // SPLINEs that become arcs (when asked for)
  std::map<std::string, long> splineProblems;  // why the other SPLINEs cannot be followed
};

struct DrawingOverview {
  bool readable = false;
  bool binary = false;   // a binary DXF, which neither the hosts nor the library read
  std::string problem;   // why the reading stopped early, with the line number
  std::string version;   // $ACADVER
  int insUnits = -1;     // $INSUNITS, -1 when absent
  int measurement = -1;  // $MEASUREMENT, -1 when absent
  bool hasExtents = false;
  double extents[4] = {0, 0, 0, 0};            // $EXTMIN x, y, $EXTMAX x, y
  std::vector<std::string> layers;             // the LAYER table, in order
  std::vector<std::string> blocks;             // the block definitions, in order
  std::map<std::string, long> insertsOfBlock;  // INSERTs of the ENTITIES section per block
  EntityTally all;                             // the ENTITIES section (with VERTEX and SEQEND)
  std::map<std::string, EntityTally> ofLayer;  // the same per layer (a polyline's parts are its own)
};

// With a spline tolerance above 0 every SPLINE is fitted with it, as a
// conversion with SplineArchi 1 fits it; with 0 splines are only counted.
DrawingOverview ReadDrawingOverview(const std::string& path, double splineTolerance = 0.0);

}  // namespace dxfelem
