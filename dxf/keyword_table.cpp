#include "dxf/keyword_table.h"

#include <array>
#include <cstdint>
#include <iterator>

namespace dxfelem {
namespace {

struct Keyword {
  std::string_view text;
  Token token;
};

// The texts of the table that are not group codes, upper case.
constexpr Keyword kKeywords[] = {
    {"ARC", kTokenArc},
    {"ATTDEF", kTokenAttdef},
    {"ATTRIB", kTokenAttrib},
    {"BLOCK", kTokenBlock},
    {"BLOCKS", kTokenBlocks},
    {"CIRCLE", kTokenCircle},
    {"ELLIPSE", kTokenEllipse},
    {"ENDBLK", kTokenEndblk},
    {"ENDSEC", kTokenEndsec},
    {"SEQEND", kTokenSeqend},
    {"ENDTAB", kTokenEndtab},
    {"ENTITIES", kTokenEntities},
    {"EOFILE", kTokenEof},
    {"EOF", kTokenEof},
    {"HEADER", kTokenHeader},
    {"INSERT", kTokenInsert},
    {"LAYER", kTokenLayer},
    {"LINE", kTokenLine},
    {"LTYPE", kTokenLtype},
    {"POINT", kTokenPoint},
    {"POLYLINE", kTokenPolyline},
    {"LWPOLYLINE", kTokenLwpolyline},
    {"SECTION", kTokenSection},
    {"SHAPE", kTokenShape},
    {"SOLID", kTokenSolid},
    {"STYLE", kTokenStyle},
    {"TABLE", kTokenTable},
    {"TABLES", kTokenTables},
    {"TEXT", kTokenText},
    {"MTEXT", kTokenMtext},
    {"TRACE", kTokenTrace},
    {"VERTEX", kTokenVertex},
    {"VIEW", kTokenView},
    {"DIMENSION", kTokenDimension},
    {"3DFACE", kToken3dface},
    {"3DLINE", kToken3dline},
    {"$LTSCALE", kTokenLtscale},
    {"$MENU", kTokenMenu},
    {"$COMMENT", kTokenComment},
    {"$EXTMIN", kTokenExtmin},
    {"$EXTMAX", kTokenExtmax},
    {"$LIMMIN", kTokenLimmin},
    {"$LIMMAX", kTokenLimmax},
    {"$UCSORG", kTokenUcsorg},
    {"$UCSXDIR", kTokenUcsxdir},
    {"$UCSYDIR", kTokenUcsydir},
    {"$INSUNITS", kTokenInsunits},
};
constexpr std::size_t kLongestKeyword = 10;

// Group codes with a row, indexed by their number (0..1071 fits; most are small).
constexpr std::array<Token, 1072> MakeGroupTable() {
  std::array<Token, 1072> table{};
  struct Row {
    int number;
    Token token;
  };
  constexpr Row kRows[] = {
      {0, kGroup0},     {1, kGroup1},     {2, kGroup2},       {3, kGroup3},       {4, kGroup4},   {5, kGroup5},
      {6, kGroup6},     {7, kGroup7},     {8, kGroup8},       {9, kGroup9},       {10, kGroup10}, {11, kGroup11},
      {12, kGroup12},   {13, kGroup13},   {20, kGroup20},     {21, kGroup21},     {22, kGroup22}, {23, kGroup23},
      {30, kGroup30},   {31, kGroup31},   {32, kGroup32},     {33, kGroup33},     {38, kGroup38}, {39, kGroup39},
      {40, kGroup40},   {41, kGroup41},   {42, kGroup42},     {43, kGroup43},     {44, kGroup44}, {45, kGroup45},
      {49, kGroup49},   {50, kGroup50},   {51, kGroup51},     {62, kGroup62},     {66, kGroup66}, {70, kGroup70},
      {71, kGroup71},   {72, kGroup72},   {73, kGroup73},     {74, kGroup74},     {75, kGroup75}, {210, kGroup210},
      {220, kGroup220}, {230, kGroup230}, {1000, kGroup1000}, {1071, kGroup1071},
  };
  for (const Row& row : kRows) table[static_cast<std::size_t>(row.number)] = row.token;
  return table;
}
constexpr std::array<Token, 1072> kGroupTokens = MakeGroupTable();

constexpr char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A text of up to 15 characters in upper case, as two numbers: its first
// eight characters, and the rest with its length in the top byte.
struct PackedText {
  uint64_t head = 0;
  uint64_t tail = 0;
  constexpr bool operator==(const PackedText&) const = default;
};

constexpr PackedText Pack(std::string_view text) {
  PackedText packed;
  for (std::size_t i = 0; i < text.size() && i < 8; ++i) {
    packed.head |= static_cast<uint64_t>(static_cast<unsigned char>(UpperAscii(text[i]))) << (8 * i);
  }
  for (std::size_t i = 8; i < text.size() && i < 15; ++i) {
    packed.tail |= static_cast<uint64_t>(static_cast<unsigned char>(UpperAscii(text[i]))) << (8 * (i - 8));
  }
  packed.tail |= static_cast<uint64_t>(text.size()) << 56;
  return packed;
}

static_assert(kLongestKeyword < 15);

constexpr std::array<PackedText, std::size(kKeywords)> PackKeywords() {
  std::array<PackedText, std::size(kKeywords)> packed{};
  for (std::size_t i = 0; i < std::size(kKeywords); ++i) packed[i] = Pack(kKeywords[i].text);
  return packed;
}
constexpr std::array<PackedText, std::size(kKeywords)> kPackedKeywords = PackKeywords();

}  // namespace

Token LookupKeyword(std::string_view line) {
  if (line.empty()) return kTokenNone;
  if (line[0] >= '0' && line[0] <= '9') {
    // All digits, no leading zero except "0" itself: a group code.
    if (line.size() <= 4 && (line[0] != '0' || line.size() == 1)) {
      std::size_t number = 0;
      bool digits = true;
      for (char c : line) {
        if (c < '0' || c > '9') {
          digits = false;
          break;
        }
        number = number * 10 + static_cast<std::size_t>(c - '0');
      }
      if (digits) return number < kGroupTokens.size() ? kGroupTokens[number] : kTokenNone;
    }
    if (line.size() != 6) return kTokenNone;  // only "3DFACE" and "3DLINE" start with a digit
  }
  if (line.size() > kLongestKeyword) return kTokenNone;
  // Every entity's type is looked up here: compared as two numbers each,
  // not as texts.
  const PackedText key = Pack(line);
  for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
    if (kPackedKeywords[i] == key) return kKeywords[i].token;
  }
  return kTokenNone;
}

}  // namespace dxfelem
