#include "cli/drawing_survey.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "geometry/spline_arcs.h"

namespace dxfelem::cli {
namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseCode(const std::string& line, int& code) {
  const std::string text = Trimmed(line);
  const auto result = std::from_chars(text.data(), text.data() + text.size(), code);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

double Number(const std::string& text) {
  const std::string trimmed = Trimmed(text);
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

// What a conversion with SplineArchi 1 would make of a spline: arcs, or why not.
void TallySpline(EntityTally& tally, const std::string& problem) {
  if (problem.empty()) ++tally.splinesFollowed;
  else ++tally.splineProblems[problem];
}

void Tally(EntityTally& tally, const Entity& entity, const std::string* splineProblem) {
  ++tally.kinds[entity.kind];
  if (splineProblem != nullptr) TallySpline(tally, *splineProblem);
  if (entity.kind == "POLYLINE" && (entity.flags & (16 | 32 | 64)) != 0) ++tally.meshes;
  if (entity.kind == "TEXT" || entity.kind == "MTEXT") ++tally.texts;
  if (entity.chunked) ++tally.chunkedTexts;
  if (entity.kind != "VERTEX" && entity.kind != "SEQEND" && !AlongAnAxis(entity.extrusion)) ++tally.oblique;
}

// `piecesLeft`: the arcs the drawing's splines may still make, as in a conversion.
void Count(DrawingSurvey& survey, const Entity& entity, double splineTolerance, std::size_t& piecesLeft) {
  if (entity.kind.empty()) return;
  std::string problem;
  const bool fitted = entity.kind == "SPLINE" && splineTolerance > 0.0;
  if (fitted) {
    const CurveFit fit = SplineArcs(entity.spline, splineTolerance, piecesLeft);
    problem = fit.problem;
    piecesLeft -= fit.pieces.size();
  }
  Tally(survey.all, entity, fitted ? &problem : nullptr);
  // Vertices and sequence ends belong to their polyline.
  if (entity.kind != "VERTEX" && entity.kind != "SEQEND") {
    ++survey.entitiesOfLayer[entity.layer];
    Tally(survey.ofLayer[entity.layer], entity, fitted ? &problem : nullptr);
  }
  if (entity.kind == "INSERT") ++survey.insertsOfBlock[entity.block];
}

}  // namespace

bool IsConvertedKind(const std::string& kind) {
  static const std::set<std::string> kConverted = {"LINE",       "3DLINE", "POINT",  "CIRCLE",   "ARC",    "ELLIPSE",
                                                   "SOLID",      "TRACE",  "3DFACE", "POLYLINE", "VERTEX", "SEQEND",
                                                   "LWPOLYLINE", "INSERT", "ATTRIB", "TEXT",     "MTEXT"};
  return kConverted.count(kind) != 0;
}

DrawingSurvey SurveyDrawing(const std::string& path, double splineTolerance) {
  DrawingSurvey survey;
  std::ifstream in(path, std::ios::binary);
  if (!in) return survey;
  survey.readable = true;
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  std::size_t piecesLeft = FittedPieceBudget(unknown ? 0 : size);
  std::string codeLine;
  std::string value;
  if (std::getline(in, codeLine) && codeLine.rfind("AutoCAD Binary DXF", 0) == 0) {
    survey.binary = true;
    return survey;
  }
  in.clear();
  in.seekg(0);
  std::string section;
  std::string table;
  std::string variable;
  std::string entry;  // the LAYER entry or BLOCK being read, until its name
  Entity entity;
  long long line = 0;
  while (std::getline(in, codeLine)) {
    ++line;
    if (!codeLine.empty() && codeLine.back() == '\r') codeLine.pop_back();
    if (!std::getline(in, value)) {
      survey.problem = "line " + std::to_string(line) + ": a group code without its value, at the end of the file";
      break;
    }
    ++line;
    if (!value.empty() && value.back() == '\r') value.pop_back();
    int code = 0;
    if (!ParseCode(codeLine, code)) {
      survey.problem =
          "line " + std::to_string(line - 1) + ": \"" + Trimmed(codeLine).substr(0, 40) + "\" is not a group code";
      break;
    }
    const std::string word = Trimmed(value);
    if (code == 0) {
      if (section == "ENTITIES") Count(survey, entity, splineTolerance, piecesLeft);
      entity = Entity{};
      entry.clear();
      if (word == "SECTION") section = "?";
      else if (word == "ENDSEC") section.clear();
      else if (word == "EOF") break;
      else if (section == "TABLES" && word == "TABLE") table = "?";
      else if (section == "TABLES" && word == "ENDTAB") table.clear();
      else if (section == "TABLES" && table == "LAYER" && word == "LAYER") entry = "LAYER";
      else if (section == "BLOCKS" && word == "BLOCK") entry = "BLOCK";
      else if (section == "ENTITIES") entity.kind = word;
      continue;
    }
    if (section == "?" && code == 2) {
      section = word;
    } else if (section == "HEADER") {
      if (code == 9) variable = word;
      else if (variable == "$ACADVER" && code == 1) survey.version = word;
      else if (variable == "$INSUNITS" && code == 70) survey.insUnits = static_cast<int>(Number(word));
      else if (variable == "$MEASUREMENT" && code == 70) survey.measurement = static_cast<int>(Number(word));
      else if ((variable == "$EXTMIN" || variable == "$EXTMAX") && (code == 10 || code == 20)) {
        survey.extents[(variable == "$EXTMAX" ? 2 : 0) + (code == 20 ? 1 : 0)] = Number(word);
        survey.hasExtents = true;
      }
    } else if (section == "TABLES") {
      if (table == "?" && code == 2) table = word;
      else if (entry == "LAYER" && code == 2) {
        survey.layers.push_back(word);
        entry.clear();
      }
    } else if (section == "BLOCKS") {
      if (entry == "BLOCK" && code == 2) {
        survey.blocks.push_back(word);
        entry.clear();
      }
    } else if (section == "ENTITIES") {
      if (code == 8) entity.layer = value;
      else if (code == 2) entity.block = word;
      else if (code == 70) entity.flags = static_cast<int>(Number(word));
      else if (code == 3 && entity.kind == "MTEXT") entity.chunked = true;
      else if (code >= 210 && code <= 230 && code % 10 == 0) entity.extrusion[(code - 210) / 10] = Number(word);
      if (entity.kind == "SPLINE" && splineTolerance > 0.0) entity.spline.Take(code, Number(word));
    }
  }
  if (section == "ENTITIES") Count(survey, entity, splineTolerance, piecesLeft);
  return survey;
}

}  // namespace dxfelem::cli
