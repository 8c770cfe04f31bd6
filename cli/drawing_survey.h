// What a person wants to know of a drawing before converting it: its
// version and units, its extents, its entities per kind and per layer, its
// layers and blocks, and what a conversion would leave out and why. The
// drawing is read here in strict pairs of group code and value, as the DXF
// reference lays it out (the library reads as the hosts read).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace dxfelem::cli {

// What a conversion would make of a set of entities, counted.
struct EntityTally {
  std::map<std::string, long> kinds;           // entities per kind
  long meshes = 0;                             // POLYLINEs that are polygon or polyface meshes
  long oblique = 0;                            // entities whose extrusion is along no axis
  long texts = 0;                              // TEXT and MTEXT
  long chunkedTexts = 0;                       // MTEXTs whose text begins in group-3 chunks
  long splinesFollowed = 0;                    // SPLINEs that become arcs (when asked for)
  std::map<std::string, long> splineProblems;  // why the other SPLINEs cannot be followed
};

struct DrawingSurvey {
  bool readable = false;
  bool binary = false;   // a binary DXF, which neither the hosts nor the library read
  std::string problem;   // why the reading stopped early, with the line number
  std::string version;   // $ACADVER
  int insUnits = -1;     // $INSUNITS, -1 when absent
  int measurement = -1;  // $MEASUREMENT
  bool hasExtents = false;
  double extents[4] = {0, 0, 0, 0};            // $EXTMIN x, y, $EXTMAX x, y
  std::vector<std::string> layers;             // the LAYER table, in order
  std::vector<std::string> blocks;             // the block definitions, in order
  std::map<std::string, long> insertsOfBlock;  // INSERTs of the ENTITIES section per block
  EntityTally all;                             // the ENTITIES section
  std::map<std::string, EntityTally> ofLayer;  // the same per layer
  std::map<std::string, long> entitiesOfLayer;
};

// With a spline tolerance above 0, every SPLINE is fitted with it, as a
// conversion with SplineArchi 1 would; with 0 splines are only counted.
DrawingSurvey SurveyDrawing(const std::string& path, double splineTolerance = 0.0);

// The kinds of entity that a conversion never turns into elements.
bool IsConvertedKind(const std::string& kind);

}  // namespace dxfelem::cli
