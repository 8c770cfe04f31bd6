// The people's API: a conversion's report counts what the conversion read
// and left out as it read it, settings given in memory are read by the
// parameter file's rules, and the guards refuse an output that is an input
// before anything is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dxfelem/dxfelem_tools.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

using Report = std::unique_ptr<dxfelem_report, decltype(&dxfelem_report_free)>;
using Settings = std::unique_ptr<dxfelem_settings, decltype(&dxfelem_settings_free)>;

Settings NewSettings() { return Settings(dxfelem_settings_new(), dxfelem_settings_free); }

Report Convert(const std::string& dxf, const std::string& out, const dxfelem_settings* settings) {
  return Report(dxfelem_convert(dxf.c_str(), out.c_str(), settings, nullptr), dxfelem_report_free);
}

std::map<std::string, int64_t> ReadCounts(const dxfelem_report* report) {
  std::map<std::string, int64_t> counts;
  for (std::size_t i = 0; i < dxfelem_report_read_count(report); ++i)
    counts[dxfelem_report_read_kind(report, i)] = dxfelem_report_read_number(report, i);
  return counts;
}

// Per kind, the entities that made elements and those left out whole.
std::map<std::string, int64_t> MadeOrLeftOut(const dxfelem_report* report) {
  std::map<std::string, int64_t> counts;
  for (std::size_t i = 0; i < dxfelem_report_made_count(report); ++i)
    counts[dxfelem_report_made_kind(report, i)] += dxfelem_report_made_number(report, i);
  for (std::size_t i = 0; i < dxfelem_report_left_out_count(report); ++i) {
    if (dxfelem_report_left_out_whole(report, i) == 1)
      counts[dxfelem_report_left_out_kind(report, i)] += dxfelem_report_left_out_number(report, i);
  }
  return counts;
}

// "COUNT WHAT: WHY" per line.
std::string LeftOut(const dxfelem_report* report) {
  std::string lines;
  for (std::size_t i = 0; i < dxfelem_report_left_out_count(report); ++i) {
    lines += std::to_string(dxfelem_report_left_out_number(report, i)) + " " + dxfelem_report_left_out_what(report, i) +
             ": " + dxfelem_report_left_out_why(report, i) + "\n";
  }
  return lines;
}

// One entity of every reason to leave something out, and two lines that
// make elements.
const char* const kDrawing =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\nL\n10\n0\n20\n0\n11\n10\n21\n0\n"
    "0\nLINE\n8\nL\n10\n0\n20\n0\n11\n10\n21\n0\n210\n0.6\n220\n0.8\n230\n0\n"
    "0\nHATCH\n8\nH\n70\n0\n"
    "0\nSPLINE\n8\nS\n71\n1\n40\n0\n40\n0\n40\n1\n40\n1\n10\n0\n20\n0\n10\n5\n20\n5\n"
    "0\nPOLYLINE\n8\nP\n70\n16\n0\nVERTEX\n8\nP\n10\n0\n20\n0\n0\nSEQEND\n"
    "0\nINSERT\n8\nI\n2\nDOOR\n10\n1\n20\n1\n"
    "0\nINSERT\n8\nI\n2\nDOOR\n10\n2\n20\n1\n"
    "0\nTEXT\n8\nT\n40\n5\n1\nAB\n"
    "0\nMTEXT\n8\nT\n40\n5\n3\nthe first part \n1\nand the last\n"
    "0\nLINE\n8\nL\n10\n20\n20\n0\n11\n30\n21\n0\n"
    "0\nELLIPSE\n8\nE\n40\n0.5\n"  // no axis: after the elements above, it makes nothing
    "0\nENDSEC\n0\nEOF\n";

const std::string kMadeNothing =
    "1 ELLIPSE: made nothing: its layer is not selected (YesLayer, NoLayer), or it has nothing to draw\n";

TEST(ToolsApi, TheReportCountsWhatWasReadAndWhatWasLeftOutAndWhy) {
  test::TempDir dir;
  const std::string dxf = dir.Write("d.dxf", kDrawing);
  Report report = Convert(dxf, dir.File("o.txt"), nullptr);
  ASSERT_TRUE(report);
  EXPECT_EQ(dxfelem_report_ok(report.get()), 1) << dxfelem_report_message(report.get());
  EXPECT_EQ(dxfelem_report_code(report.get()), 0);
  EXPECT_EQ(std::string(dxfelem_report_message(report.get())), "converted " + dxf + " into " + dir.File("o.txt"));
  // The vertices and the end of a POLYLINE are parts of it.
  const std::map<std::string, int64_t> read{{"ELLIPSE", 1}, {"HATCH", 1},    {"INSERT", 2}, {"LINE", 3},
                                            {"MTEXT", 1},   {"POLYLINE", 1}, {"SPLINE", 1}, {"TEXT", 1}};
  EXPECT_EQ(ReadCounts(report.get()), read);
  EXPECT_EQ(LeftOut(report.get()),
            "1 HATCH: this kind is not converted\n"
            "1 SPLINE: this kind is not converted unless SplineArchi is 1\n"
            "1 POLYLINE meshes: meshes are surfaces: they make nothing\n"
            "1 LINE with an oblique extrusion: kept only when Altezza3D is not 0\n"
            "1 MTEXT with its text in chunks: only the last chunk (group 1) is drawn, as on the hosts; the text "
            "before it (group 3) is not\n"
            "2 INSERT: block DOOR is defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock\n" +
                kMadeNothing);
  EXPECT_EQ(dxfelem_report_warning_count(report.get()), 0u);

  // info tells the same of a trial conversion, and writes no file at all.
  const std::string before = LeftOut(report.get());
  std::filesystem::remove(dir.File("o.txt"));
  Report asked(dxfelem_info(dxf.c_str(), nullptr), dxfelem_report_free);
  EXPECT_EQ(dxfelem_report_ok(asked.get()), 1);
  EXPECT_EQ(LeftOut(asked.get()), before);
  EXPECT_EQ(ReadCounts(asked.get()), read);
  EXPECT_EQ(test::EntriesIn(dir.path()), 1);

  // Settings in memory, read as a parameter file's keys: texts off, the
  // spline followed, blocks excluded; nothing is written beside the output.
  Settings settings = NewSettings();
  for (const auto& [key, value] :
       {std::pair{"Testo", "0"}, {"SplineArchi", "1"}, {"EscludeBlocchi", " 1 "}, {"ArchiEllisse", "2000"}}) {
    ASSERT_EQ(dxfelem_settings_set(settings.get(), key, value), 1) << key;
  }
  report = Convert(dxf, dir.File("o.txt"), settings.get());
  EXPECT_EQ(LeftOut(report.get()),
            "1 HATCH: this kind is not converted\n"
            "1 POLYLINE meshes: meshes are surfaces: they make nothing\n"
            "1 LINE with an oblique extrusion: kept only when Altezza3D is not 0\n"
            "1 MTEXT: Testo is 0\n1 TEXT: Testo is 0\n"
            "2 INSERT: EscludeBlocchi is not 0\n" +
                kMadeNothing);
  // An ArchiEllisse beyond 1250 is told for a drawing with ellipses.
  ASSERT_EQ(dxfelem_report_warning_count(report.get()), 1u);
  EXPECT_EQ(
      std::string(dxfelem_report_warning(report.get(), 0)).rfind("ArchiEllisse 2000 draws each of the 1 ELLIPSEs", 0),
      0u)
      << dxfelem_report_warning(report.get(), 0);
  EXPECT_EQ(test::EntriesIn(dir.path()), 2);
}

TEST(ToolsApi, SettingsAreKeysOfAParameterFileOrAFileAndSection) {
  Settings settings = NewSettings();
  for (const char* key : {"", "A=B", "[S]", "A\nB", ";A", " A"})
    EXPECT_EQ(dxfelem_settings_set(settings.get(), key, "1"), 0) << key;
  EXPECT_EQ(dxfelem_settings_set(settings.get(), "Side1", "a\nb"), 0);
  EXPECT_EQ(dxfelem_settings_set(settings.get(), "DecimaliTxt", "3"), 1);
  EXPECT_EQ(dxfelem_settings_use_file(settings.get(), "p.ini", "S"), 0);  // keys in memory already
  // The keys given decide the element file as the same keys of a file do.
  test::TempDir dir;
  const std::string dxf = dir.Write("d.dxf", kDrawing);
  const std::string ini = dir.Write("p.ini", "[S]\nDecimaliTxt=3\n");
  Settings file = NewSettings();
  EXPECT_EQ(dxfelem_settings_use_file(file.get(), "", "S"), 0);
  EXPECT_EQ(dxfelem_settings_use_file(file.get(), ini.c_str(), "S"), 1);
  EXPECT_EQ(dxfelem_settings_set(file.get(), "DecimaliTxt", "3"), 0);
  Report fromMemory = Convert(dxf, dir.File("m.txt"), settings.get());
  Report fromFile = Convert(dxf, dir.File("f.txt"), file.get());
  ASSERT_EQ(dxfelem_report_ok(fromMemory.get()), 1);
  ASSERT_EQ(dxfelem_report_ok(fromFile.get()), 1);
  EXPECT_EQ(test::ReadFileBytes(dir.File("m.txt")), test::ReadFileBytes(dir.File("f.txt")));
  EXPECT_NE(test::ReadFileBytes(dir.File("m.txt")).find("10.000 "), std::string::npos);
  EXPECT_NE(test::ReadFileBytes(ini).find("Tollerance="), std::string::npos);  // the file is written back
}

// An output that is an input, also through a link, or has no name, is
// refused before anything is written.
TEST(ToolsApi, GuardsRefuseBeforeAnythingIsWritten) {
  test::TempDir dir;
  const std::string dxf = dir.Write("d.dxf", kDrawing);
  const std::string ini = dir.Write("p.ini", "[S]\nDecimaliTxt=3\n");
  std::filesystem::create_symlink(dxf, dir.File("link.txt"));
  Settings file = NewSettings();
  ASSERT_EQ(dxfelem_settings_use_file(file.get(), ini.c_str(), "S"), 1);
  const struct {
    std::string out;
    const char* refusal;
  } cases[] = {{dxf, " is the drawing "},
               {dir.File("link.txt"), " is the drawing "},
               {ini, " is the parameter file"},
               {"", "the element file needs a name"}};
  for (const auto& c : cases) {
    Report report = Convert(dxf, c.out, file.get());
    EXPECT_EQ(dxfelem_report_ok(report.get()), 0) << c.out;
    EXPECT_EQ(dxfelem_report_code(report.get()), -1) << c.out;
    EXPECT_NE(std::string(dxfelem_report_message(report.get())).find(c.refusal), std::string::npos)
        << dxfelem_report_message(report.get());
  }
  EXPECT_EQ(test::ReadFileBytes(dxf), kDrawing);
  EXPECT_EQ(test::ReadFileBytes(ini), "[S]\nDecimaliTxt=3\n");
}

// Every entity read either made elements or is left out whole, for one
// reason: for every corpus drawing and several settings, per kind, the
// entities read are those that made elements plus those left out.
TEST(ToolsApi, EveryEntityReadIsMadeOrLeftOutForOneReason) {
  test::TempDir dir;
  const std::vector<std::vector<std::pair<const char*, const char*>>> settings = {
      {}, {{"Testo", "0"}, {"SplineArchi", "1"}}, {{"YesLogic", "1"}, {"YesLayer1", "0"}, {"Altezza3D", "1"}}};
  std::size_t drawings = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/corpus")) {
    if (entry.path().extension() != ".dxf") continue;
    ++drawings;
    for (const auto& keys : settings) {
      Settings given = NewSettings();
      for (const auto& [key, value] : keys) ASSERT_EQ(dxfelem_settings_set(given.get(), key, value), 1);
      Report report = Convert(entry.path().string(), dir.File("o.txt"), given.get());
      ASSERT_TRUE(report);
      if (dxfelem_report_code(report.get()) == DXFELEM_E_NOT_DXF) continue;
      EXPECT_EQ(ReadCounts(report.get()), MadeOrLeftOut(report.get()))
          << entry.path().filename() << " with " << keys.size() << " keys\n"
          << LeftOut(report.get());
    }
  }
  EXPECT_GT(drawings, 10u);

  // The corpus drawings draw most of themselves through INSERTs of blocks
  // no table names: the report says so, with the entities those INSERTs
  // draw, nested blocks included (as ezdxf's explosion counts them: 6712
  // LINEs, 43 ARCs and 4 HATCHes; 324 LINEs and 108 TEXTs).
  const std::pair<const char*, const char*> kTold[] = {
      {"r2000-architecture-metres.dxf",
       "29 INSERT: blocks ARBOL, ARBRE10, ARBRE11, ARBUST10, MESACENTRO, PUERTA, SOFA, arrow and 1 more are not named "
       "in McrBlock, SubBlock or OprBlock: the 6759 entities they draw are left out (EsplodiBlocchi=1 draws them)\n"},
      {"r2013-nested-inserts.dxf",
       "6 INSERT: block arrows_lv1 is not named in McrBlock, SubBlock or OprBlock: the 432 entities it draws are left "
       "out (EsplodiBlocchi=1 draws them)\n"}};
  for (const auto& [drawing, told] : kTold) {
    Report report = Convert(std::string(DXFELEM_TEST_DATA "/corpus/") + drawing, dir.File("o.txt"), nullptr);
    EXPECT_NE(LeftOut(report.get()).find(told), std::string::npos) << LeftOut(report.get());
  }
}

// The report's elements and nodes per layer are the element file's: its
// lines per layer, and its elements (a line that ends one) per layer.
TEST(ToolsApi, ElementsAndNodesPerLayerAreTheElementFiles) {
  test::TempDir dir;
  const std::string ini = dir.File("panel.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  for (const char* drawing :
       {DXFELEM_SOURCE_DIR "/examples/panel.dxf", DXFELEM_TEST_DATA "/corpus/r2000-architecture-metres.dxf"}) {
    Settings settings = NewSettings();
    ASSERT_EQ(dxfelem_settings_use_file(settings.get(), ini.c_str(), "Panel"), 1);
    Report report = Convert(drawing, dir.File("o.txt"), settings.get());
    ASSERT_EQ(dxfelem_report_ok(report.get()), 1) << dxfelem_report_message(report.get());
    // The layer is the seventh field; a line that ends an element starts with
    // neither INI, VER, MED nor SPL.
    std::map<std::string, std::pair<int64_t, int64_t>> fromFile;
    std::istringstream lines(test::ReadFileBytes(dir.File("o.txt")));
    for (std::string line; std::getline(lines, line);) {
      std::istringstream fields(line);
      std::string field;
      for (int i = 0; i < 7; ++i) std::getline(fields, field, ',');
      auto& [elements, nodes] = fromFile[field.substr(0, field.find_last_not_of(' ') + 1)];
      ++nodes;
      elements += std::string("INI VER MED SPL").find(line.substr(0, 3)) == std::string::npos;
    }
    std::map<std::string, std::pair<int64_t, int64_t>> reported;
    for (std::size_t i = 0; i < dxfelem_report_layer_count(report.get()); ++i) {
      reported[dxfelem_report_layer_name(report.get(), i)] = {dxfelem_report_layer_elements(report.get(), i),
                                                              dxfelem_report_layer_nodes(report.get(), i)};
    }
    EXPECT_EQ(reported, fromFile) << drawing;
    EXPECT_FALSE(reported.empty());
    // A trial conversion counts the same, and writes nothing.
    std::filesystem::remove(dir.File("o.txt"));
    Report asked(dxfelem_info(drawing, settings.get()), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_layer_count(asked.get()), reported.size());
    EXPECT_FALSE(std::filesystem::exists(dir.File("o.txt")));
  }
}

// The strict reading of a drawing: its facts, its blocks (defined or only
// inserted), its entities per layer, what the settings leave out per
// layer, and the line where a broken drawing breaks.
TEST(ToolsApi, TheSurveyTellsWhatTheDrawingHoldsAndWhereItBreaks) {
  test::TempDir dir;
  const std::string head =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n6\n9\n$MEASUREMENT\n70\n1\n9\n$"
      "ORTHOMODE\n70\n0\n"
      "9\n$EXTMIN\n10\n-1.5\n20\n2\n"
      "9\n$EXTMAX\n10\n30\n20\n40\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nB\n70\n0\n"
      "0\nLAYER\n2\nA\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*Model_Space\n0\nENDBLK\n"
      "0\nBLOCK\n2\nDOOR\n0\nLINE\n8\n0\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
      "0\nINSERT\n8\nA\n2\nDOOR\n0\nINSERT\n8\nA\n2\nGHOST\n0\nTEXT\n8\nA\n1\nt\n0\nHATCH\n8\nB\n"
      "0\nPOLYLINE\n8\nB\n70\n64\n0\nVERTEX\n8\nB\n0\nSEQEND\n8\nB\n";
  const std::string whole = dir.Write("w.dxf", head + "0\nENDSEC\n0\nEOF\n");
  Settings settings = NewSettings();
  ASSERT_EQ(dxfelem_settings_set(settings.get(), "Testo", "0"), 1);
  Report survey(dxfelem_survey(whole.c_str(), settings.get()), dxfelem_report_free);
  ASSERT_EQ(dxfelem_report_ok(survey.get()), 1) << dxfelem_report_message(survey.get());
  EXPECT_STREQ(dxfelem_report_problem(survey.get()), "");
  EXPECT_STREQ(dxfelem_report_version(survey.get()), "AC1009");
  EXPECT_EQ(dxfelem_report_units(survey.get(), 1), 6);
  EXPECT_EQ(dxfelem_report_units(survey.get(), 2), 1);  // $ORTHOMODE's 70 is its own
  double extents[4] = {};
  ASSERT_EQ(dxfelem_report_extents(survey.get(), extents), 1);
  EXPECT_EQ(std::vector<double>(extents, extents + 4), (std::vector<double>{-1.5, 2, 30, 40}));
  ASSERT_EQ(dxfelem_report_table_layer_count(survey.get()), 2u);
  EXPECT_STREQ(dxfelem_report_table_layer(survey.get(), 0), "B");
  // Every row of a list of the report, its fields joined by spaces.
  const auto rows = [&survey](std::size_t count, const std::function<std::string(std::size_t)>& row) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += row(i) + "\n";
    return text;
  };
  const dxfelem_report* r = survey.get();
  EXPECT_EQ(rows(dxfelem_report_block_count(r),
                 [r](std::size_t i) {
                   return std::string(dxfelem_report_block_name(r, i)) + " " +
                          std::to_string(dxfelem_report_block_inserts(r, i)) + " " +
                          std::to_string(dxfelem_report_block_defined(r, i));
                 }),
            "DOOR 1 1\nGHOST 1 0\n");
  EXPECT_EQ(rows(dxfelem_report_kind_on_layer_count(r),
                 [r](std::size_t i) {
                   return std::string(dxfelem_report_kind_on_layer_layer(r, i)) + " " +
                          dxfelem_report_kind_on_layer_kind(r, i) + " " +
                          std::to_string(dxfelem_report_kind_on_layer_number(r, i));
                 }),
            "A INSERT 2\nA TEXT 1\nB HATCH 1\nB POLYLINE 1\n");
  EXPECT_EQ(rows(dxfelem_report_layer_left_out_count(r),
                 [r](std::size_t i) {
                   return std::string(dxfelem_report_layer_left_out_layer(r, i)) + " " +
                          std::to_string(dxfelem_report_layer_left_out_number(r, i)) + " " +
                          dxfelem_report_layer_left_out_what(r, i) + ": " + dxfelem_report_layer_left_out_why(r, i);
                 }),
            "A 1 TEXT and MTEXT: Testo is 0\nB 1 HATCH: this kind is not converted\n"
            "B 1 POLYLINE meshes: meshes are surfaces: they make nothing\n");

  // Broken drawings: read up to the break, which is named with its line.
  const std::size_t headLines = static_cast<std::size_t>(std::count(head.begin(), head.end(), '\n'));
  const std::pair<std::string, std::string> broken[] = {
      {head + "oops\nLINE\n", "line " + std::to_string(headLines + 1) + ": \"oops\" is not a group code"},
      {head + "0\n",
       "line " + std::to_string(headLines + 1) + ": a group code without its value, at the end of the file"},
      {head + "1" + std::string(3 << 20, 'x') + "\n",
       "line " + std::to_string(headLines + 1) + ": \"1xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\" is not a group code"},
  };
  for (const auto& [text, problem] : broken) {
    const std::string path = dir.Write("b.dxf", text);
    Report cut(dxfelem_survey(path.c_str(), nullptr), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_ok(cut.get()), 1);
    EXPECT_EQ(dxfelem_report_problem(cut.get()), problem);
    EXPECT_EQ(dxfelem_report_kind_on_layer_count(cut.get()), 4u) << problem;
    ASSERT_EQ(dxfelem_report_warning_count(cut.get()), 1u);
  }
  // What cannot be read at all.
  const std::pair<std::string, int> unreadable[] = {
      {dir.Write("bin.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "rest"), DXFELEM_E_NOT_DXF},
      {dir.File("missing.dxf"), DXFELEM_E_FILE}};
  for (const auto& [path, code] : unreadable) {
    Report none(dxfelem_survey(path.c_str(), nullptr), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_ok(none.get()), 0);
    EXPECT_EQ(dxfelem_report_code(none.get()), code) << path;
    EXPECT_EQ(dxfelem_report_file(none.get()), path);
  }
}

// The documents made for people (a picture, a DXF, a list): into a file, or
// into the report's text; never onto their source, never from what is not
// their source, and never half-written.
TEST(ToolsApi, DocumentsGoIntoTheirFileOrTheReportAndNeverOntoTheirSource) {
  test::TempDir dir;
  const std::string elements = dir.File("panel.txt");
  ASSERT_EQ(dxfelem_report_ok(Convert(DXFELEM_SOURCE_DIR "/examples/panel.dxf", elements, nullptr).get()), 1);
  const std::string noise = dir.Write("noise.txt", "random words\nof no element\n");
  const std::string drawing = DXFELEM_SOURCE_DIR "/examples/panel.dxf";
  using Call = dxfelem_report* (*)(const char*, const char*, int);
  const auto list = [](const char* dxf, const char* out, int) { return dxfelem_list(dxf, out, 0); };
  const struct {
    const char* name;
    Call call;
    std::string source;
    std::string start;  // of the document
  } kCalls[] = {
      {"preview", dxfelem_preview, elements, "<svg "},
      {"todxf", dxfelem_todxf, elements, "  0\nSECTION\n"},
      {"list", list, drawing, "0\nPANEL\n"},
  };
  for (const auto& call : kCalls) {
    Report asText(call.call(call.source.c_str(), nullptr, 0), dxfelem_report_free);
    ASSERT_EQ(dxfelem_report_ok(asText.get()), 1) << call.name << ": " << dxfelem_report_message(asText.get());
    std::size_t size = 0;
    const char* bytes = dxfelem_report_text(asText.get(), &size);
    const std::string text(bytes, size);
    EXPECT_EQ(text.rfind(call.start, 0), 0u) << call.name << ": " << text.substr(0, 80);
    Report intoFile(call.call(call.source.c_str(), dir.File("doc").c_str(), 0), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_ok(intoFile.get()), 1) << call.name;
    EXPECT_EQ(test::ReadFileBytes(dir.File("doc")), text) << call.name;
    EXPECT_STREQ(dxfelem_report_text(intoFile.get(), nullptr), "");
    // Onto its source, also through a link: refused, the source as it was.
    const std::string before = test::ReadFileBytes(call.source);
    std::filesystem::remove(dir.File("link"));
    std::filesystem::create_symlink(call.source, dir.File("link"));
    for (const std::string& onto : {call.source, dir.File("link")}) {
      Report refused(call.call(call.source.c_str(), onto.c_str(), 0), dxfelem_report_free);
      EXPECT_EQ(dxfelem_report_code(refused.get()), -1) << call.name << " onto " << onto;
    }
    EXPECT_EQ(test::ReadFileBytes(call.source), before) << call.name;
    // A folder that does not exist: code 8, naming the output.
    const std::string nowhere = dir.File("no/such/folder/doc");
    Report unwritable(call.call(call.source.c_str(), nowhere.c_str(), 0), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_code(unwritable.get()), DXFELEM_E_FILE) << call.name;
    EXPECT_EQ(dxfelem_report_file(unwritable.get()), nowhere) << call.name;
  }
  // What is not an element file is drawn only when forced.
  for (const Call call : {Call{dxfelem_preview}, Call{dxfelem_todxf}}) {
    Report refused(call(noise.c_str(), nullptr, 0), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_code(refused.get()), -1);
    EXPECT_NE(std::string(dxfelem_report_message(refused.get())).find("is not an element file: line 1"),
              std::string::npos)
        << dxfelem_report_message(refused.get());
    Report forced(call(noise.c_str(), nullptr, 1), dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_ok(forced.get()), 1);
  }
}

}  // namespace
}  // namespace dxfelem
