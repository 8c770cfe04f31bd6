// The people's API: settings given in memory are read by the parameter
// file's rules, the guards refuse an output that is an input before anything
// is written, and every entity read is made or left out for one reason (what
// the report says of a drawing, as the tool tells it:
// tests/data/transcripts/reports.t).
#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dxfelem/dxfelem_tools.h"
#include "support/child_process.h"
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
  // The guards alone, for an output made from a file of another kind: the
  // message names the source by its kind (none given: a drawing).
  const struct {
    std::string out;
    const char* sourceKind;
    std::string refusal;  // empty: allowed
  } alone[] = {{dir.File("link.txt"), "element file", "the picture " + dir.File("link.txt") + " is the element file "},
               {dxf, nullptr, " is the drawing "},
               {dxf, "", " is the drawing "},
               {dir.File("new.svg"), "element file", ""}};
  for (const auto& c : alone) {
    Report report(dxfelem_check_output_of(c.out.c_str(), "picture", dxf.c_str(), c.sourceKind, nullptr),
                  dxfelem_report_free);
    EXPECT_EQ(dxfelem_report_ok(report.get()), c.refusal.empty() ? 1 : 0) << c.out;
    if (!c.refusal.empty()) {
      EXPECT_NE(std::string(dxfelem_report_message(report.get())).find(c.refusal), std::string::npos)
          << dxfelem_report_message(report.get());
    }
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
}

// A program around the library may run with a decimal comma (a script after
// locale.setlocale, a desktop application): the pictures, DXF files and
// words of the people's API keep their decimal points all the same.
TEST(ToolsApi, NumbersKeepTheirPointsInAProgramWithADecimalComma) {
  test::TempDir dir;
  // Machines carry few locales: one of German numbers is made here.
  ASSERT_EQ(std::system(("localedef -i de_DE -f UTF-8 " + dir.File("de_DE.UTF-8") + " 2>/dev/null").c_str()), 0)
      << "localedef and the locales package are needed";
  const std::string drawing = std::string(DXFELEM_SOURCE_DIR) + "/examples/panel.dxf";
  const std::string elements = dir.File("panel.txt");
  ASSERT_EQ(dxfelem_report_ok(Convert(drawing, elements, nullptr).get()), 1);
  // Every document and word with numbers in it, into one text.
  const auto everything = [&] {
    std::string text;
    for (auto* draw : {dxfelem_preview, dxfelem_todxf}) {
      const Report report(draw(elements.c_str(), nullptr, 0), dxfelem_report_free);
      text += dxfelem_report_text(report.get(), nullptr);
    }
    Report check(dxfelem_check(drawing.c_str(), nullptr, 0.0, dir.File("check.svg").c_str()), dxfelem_report_free);
    for (std::size_t i = 0; i < dxfelem_report_finding_count(check.get()); ++i) {
      text += std::string(dxfelem_report_finding_text(check.get(), i)) + "\n";
    }
    return text + test::ReadFileBytes(dir.File("check.svg"));
  };
  const std::string inC = everything();
  ASSERT_NE(inC.find("A 66.667 66.667"), std::string::npos);  // the panel's corner in the picture
  const int status = test::RunInChild(
      [&] {
        setenv("LOCPATH", dir.path().c_str(), 1);
        if (setlocale(LC_ALL, "de_DE.UTF-8") == nullptr || localeconv()->decimal_point != std::string(",")) return 2;
        std::ofstream(dir.File("comma.txt"), std::ios::binary) << everything();
        return 0;
      },
      {});
  ASSERT_EQ(status, 0) << "the German locale could not be taken";
  const std::string withComma = test::ReadFileBytes(dir.File("comma.txt"));
  const auto differs = static_cast<std::size_t>(
      std::mismatch(inC.begin(), inC.end(), withComma.begin(), withComma.end()).first - inC.begin());
  EXPECT_EQ(withComma.size(), inC.size());
  EXPECT_EQ(withComma.substr(differs, 40), inC.substr(differs, 40)) << "from byte " << differs;
}

}  // namespace
}  // namespace dxfelem
