#include "dxf/drawing_overview.h"

#include <charconv>
#include <cmath>
#include <filesystem>

#include "dxf/dxf_pair_reader.h"
#include "geometry/spline_arcs.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

double Number(std::string_view text) {
  const std::string_view trimmed = TrimmedValue(text);
  double value = 0.0;
  std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return value;
}

// The entity being read in the ENTITIES section.
struct Entity {
  std::string kind;
  std::string layer = "0";
  std::string block;
  double extrusion[3] = {0.0, 0.0, 1.0};
  int flags = 0;
  bool chunked = false;  // an MTEXT whose text begins in group-3 chunks
  SplineGroups spline;   // a SPLINE's own groups
};

bool AlongAnAxis(const double* n) {
  int ones = 0;
  int zeros = 0;
  for (int i = 0; i < 3; ++i) {
    ones += std::fabs(std::fabs(n[i]) - 1.0) <= 1e-5;
    zeros += std::fabs(n[i]) <= 1e-5;
  }
  return ones == 1 && zeros == 2;
}

void Tally(EntityTally& tally, const Entity& entity, const std::string* splineProblem) {
  ++tally.kinds[entity.kind];
  if (splineProblem != nullptr && splineProblem->empty()) ++tally.splinesFollowed;
  else if (splineProblem != nullptr) ++tally.splineProblems[*splineProblem];
  if (entity.kind == "POLYLINE" && (entity.flags & (16 | 32 | 64)) != 0) ++tally.meshes;
  if (entity.kind == "TEXT" || entity.kind == "MTEXT") ++tally.texts;
  if (entity.chunked) ++tally.chunkedTexts;
  if (entity.kind != "VERTEX" && entity.kind != "SEQEND" && !AlongAnAxis(entity.extrusion)) ++tally.oblique;
}

// `budget`: what the drawing's splines may still cost, as in a conversion.
void Count(DrawingOverview& overview, const Entity& entity, double splineTolerance, CurveBudget& budget) {
  if (entity.kind.empty()) return;
  std::string problem;
  const bool fitted = entity.kind == "SPLINE" && splineTolerance > 0.0;
  if (fitted) {
    problem = SplineArcs(entity.spline, splineTolerance, budget).problem;
  }
  Tally(overview.all, entity, fitted ? &problem : nullptr);
  // Vertices and sequence ends belong to their polyline.
  if (entity.kind != "VERTEX" && entity.kind != "SEQEND") {
    Tally(overview.ofLayer[entity.layer], entity, fitted ? &problem : nullptr);
  }
  if (entity.kind == "INSERT") ++overview.insertsOfBlock[entity.block];
}

bool IsBinary(TextInputFile& file) {
  char first[32];
  const bool binary =
      file.ReadLine(first, sizeof first) > 0 && std::string_view(first).rfind("AutoCAD Binary DXF", 0) == 0;
  file.Rewind();
  return binary;
}

// The sections, tables and entities being read.
struct Place {
  std::string section;  // "?" between "SECTION" and its name
  std::string table;    // "?" between "TABLE" and its name
  std::string variable;
  std::string entry;  // the LAYER entry or BLOCK being read, until its name
};

void ReadHeaderValue(DrawingOverview& overview, const Place& place, int code, std::string_view value) {
  const std::string& variable = place.variable;
  if (variable == "$ACADVER" && code == 1) overview.version = TrimmedValue(value);
  else if (variable == "$INSUNITS" && code == 70) overview.insUnits = WholePartHeld(Number(value));
  else if (variable == "$MEASUREMENT" && code == 70) overview.measurement = WholePartHeld(Number(value));
  else if ((variable == "$EXTMIN" || variable == "$EXTMAX") && (code == 10 || code == 20)) {
    overview.extents[(variable == "$EXTMAX" ? 2 : 0) + (code == 20 ? 1 : 0)] = Number(value);
    overview.hasExtents = true;
  }
}

void ReadEntityValue(Entity& entity, int code, std::string_view value, double splineTolerance) {
  if (code == 8) entity.layer = value;
  else if (code == 2) entity.block = TrimmedValue(value);
  else if (code == 70) entity.flags = WholePartHeld(Number(value));
  else if (code == 3 && entity.kind == "MTEXT") entity.chunked = true;
  else if (code >= 210 && code <= 230 && code % 10 == 0) entity.extrusion[(code - 210) / 10] = Number(value);
  if (entity.kind == "SPLINE" && splineTolerance > 0.0) entity.spline.Take(code, Number(value));
}

}  // namespace

DrawingOverview ReadDrawingOverview(const std::string& path, double splineTolerance) {
  DrawingOverview overview;
  TextInputFile file;
  if (!file.Open(path)) return overview;
  overview.readable = true;
  if (IsBinary(file)) {
    overview.binary = true;
    return overview;
  }
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  CurveBudget budget = CurveBudget::ForDrawing(unknown ? 0 : size);
  DxfPairReader pairs(file);
  Place place;
  Entity entity;
  int code = 0;
  std::string_view value;
  while (pairs.Next(code, value)) {
    const std::string_view word = TrimmedValue(value);
    if (code == 0) {
      if (place.section == "ENTITIES") Count(overview, entity, splineTolerance, budget);
      entity = Entity{};
      place.entry.clear();
      if (word == "SECTION") place.section = "?";
      else if (word == "ENDSEC") place.section.clear();
      else if (word == "EOF") break;
      else if (place.section == "TABLES" && word == "TABLE") place.table = "?";
      else if (place.section == "TABLES" && word == "ENDTAB") place.table.clear();
      else if (place.section == "TABLES" && place.table == "LAYER" && word == "LAYER") place.entry = "LAYER";
      else if (place.section == "BLOCKS" && word == "BLOCK") place.entry = "BLOCK";
      else if (place.section == "ENTITIES") entity.kind = word;
      continue;
    }
    if (place.section == "?" && code == 2) {
      place.section = word;
    } else if (place.section == "HEADER") {
      if (code == 9) place.variable = word;
      else ReadHeaderValue(overview, place, code, value);
    } else if (place.section == "TABLES") {
      if (place.table == "?" && code == 2) place.table = word;
      else if (place.entry == "LAYER" && code == 2) {
        overview.layers.emplace_back(word);
        place.entry.clear();
      }
    } else if (place.section == "BLOCKS") {
      if (place.entry == "BLOCK" && code == 2) {
        overview.blocks.emplace_back(word);
        place.entry.clear();
      }
    } else if (place.section == "ENTITIES") {
      ReadEntityValue(entity, code, value, splineTolerance);
    }
  }
  overview.problem = pairs.Problem();
  if (place.section == "ENTITIES") Count(overview, entity, splineTolerance, budget);
  return overview;
}

}  // namespace dxfelem
