// Listing the layers and the block references of a drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

class Listing : public ::testing::Test {
 protected:
  // The list file's text, "<none>" when none was written; `code` gets the error code.
  std::string List(bool blocks, const std::string& dxf, int32_t& code, int32_t* returned = nullptr) {
    const std::string list = dir_.File("list.txt");
    std::filesystem::remove(list);
    const auto call = blocks ? DxfToBlocksNet : DxfToLayersNet;
    const int32_t result = call("", "", dir_.Write("a.dxf", dxf).c_str(), list.c_str(), "", &code);
    if (returned != nullptr) *returned = result;
    return std::filesystem::exists(list) ? test::ReadFileBytes(list) : "<none>";
  }
  test::TempDir dir_;
};

const char kR12Tables[] =
    "0\nSECTION\n2\nTABLES\n"
    "0\nTABLE\n2\nLTYPE\n70\n1\n0\nLTYPE\n2\nCONTINUOUS\n70\n0\n0\nENDTAB\n"
    "0\nTABLE\n2\nLAYER\n70\n3\n"
    "0\nLAYER\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n"
    "0\nLAYER\n2\nWALLS   \n70\n0\n62\n1\n6\nCONTINUOUS\n"
    "0\nLAYER\n2\n  WALLS\n70\n0\n"
    "0\nENDTAB\n0\nENDSEC\n";

TEST_F(Listing, LayersOfR12AndR2000Tables) {
  int32_t code = -1;
  int32_t returned = -1;
  // Table order, duplicates kept, blanks around names removed.
  EXPECT_EQ(List(false, std::string(kR12Tables) + "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", code, &returned),
            "0\r\nWALLS\r\nWALLS\r\n");
  EXPECT_EQ(returned, 1);
  EXPECT_EQ(code, 0);
  // R2000 tables carry handles and subclass markers; the lister does not
  // pair them, so the table's handle "2" makes the "330" after it a name.
  const std::string r2000 =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n5\n2\n330\n0\n100\nAcDbSymbolTable\n70\n2\n"
      "0\nLAYER\n5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\n0\n70\n0\n62\n7\n6\nCONTINUOU"
      "S\n"
      "0\nLAYER\n5\n11\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\nCUT 1\n70\n0\n"
      "0\nENDTAB\n0\nENDSEC\n0\nEOF\n";
  EXPECT_EQ(List(false, r2000, code), "330\r\n0\r\nCUT 1\r\n");
  // No TABLES section: success and no list file.
  EXPECT_EQ(List(false, "0\nSECTION\n2\nENTITIES\n0\nLINE\n0\nENDSEC\n0\nEOF\n", code, &returned), "<none>");
  EXPECT_EQ(returned, 1);
  // Not a DXF file, and a truncated one (the listing still succeeds).
  EXPECT_EQ(List(false, "hello\n", code, &returned), "<none>");
  EXPECT_EQ(code, 13);
  EXPECT_EQ(returned, 0);
  // A name still pending when the file ends is never written.
  EXPECT_EQ(List(false, "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nHALF", code, &returned), "");
  EXPECT_EQ(returned, 1);
}

TEST_F(Listing, BlocksOfEveryInsertInFileOrder) {
  int32_t code = -1;
  const std::string entities =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nNESTED\n0\nINSERT\n2\nINNER\n0\nENDBLK\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n"
      "0\nINSERT\n8\nUNSELECTED\n2\nA\n0\nINSERT\n2\nA\n"
      "0\nMTEXT\n8\nT\n1\nnot an entity here\n0\nINSERT\n2\nA\n"
      "0\nINSERT\n2\nB\n41\n2\n0\nENDSEC\n0\nEOF\n";
  EXPECT_EQ(List(true, entities, code), "A\r\nA\r\nA\r\nB\r\n");
  EXPECT_EQ(code, 0);
  // The section scan fails on a truncated header: 14; a broken pass: 4.
  EXPECT_EQ(List(true, "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n", code), "<none>");
  EXPECT_EQ(code, 14);
  EXPECT_EQ(List(true, "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nA\n0\nVERTEX\n0\nENDSEC\n0\nEOF\n", code), "A\r\n");
  EXPECT_EQ(code, 4);
  // A list file that cannot be made: 4.
  int32_t returned = -1;
  const std::string dxf = dir_.Write("b.dxf", entities);
  EXPECT_EQ(DxfToBlocksNet("", "", dxf.c_str(), dir_.File("no/folder/list.txt").c_str(), "", &returned), 0);
  EXPECT_EQ(returned, 4);
}

}  // namespace
}  // namespace dxfelem
