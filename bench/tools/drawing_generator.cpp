// Writes the drawings bench/run measures, the same bytes for the same
// arguments (a fixed seed):
//   drawing_generator r12|r2000|stress|far|inserts MEGABYTES|PIECES OUT.dxf
// r12: LINE, ARC, CIRCLE, POLYLINE with VERTEX, INSERT and TEXT in the old
// layout; r2000: LWPOLYLINE, ELLIPSE, MTEXT, LINE with handles, subclass
// markers and extended data, as current CAD programs write; stress: PIECES
// shuffled, randomly reversed sides of decagons; far: the same with one
// LINE a thousand kilometres away; inserts: PIECES INSERTs, turned, scaled
// and some mirrored, of four blocks of a dozen entities each (lines, arcs,
// a circle, a polyline with bulges, a nested INSERT).
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

struct Writer {
  std::FILE* file;
  long long bytes = 0;
  void Put(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    va_list arguments;
    va_start(arguments, format);
    const int n = std::vfprintf(file, format, arguments);
    va_end(arguments);
    if (n > 0) bytes += n;
  }
};

void Header(Writer& out, const char* version) {
  out.Put("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\n%s\n  9\n$INSUNITS\n 70\n     4\n  0\nENDSEC\n", version);
  out.Put("  0\nSECTION\n  2\nENTITIES\n");
}

void R12(Writer& out, long long limit, std::mt19937& random) {
  Header(out, "AC1009");
  std::uniform_real_distribution<double> place(0.0, 2000.0);
  for (long long i = 0; out.bytes < limit; ++i) {
    const double x = place(random);
    const double y = place(random);
    switch (i % 8) {
      case 0:
      case 1:
      case 2:
        out.Put("  0\nLINE\n  8\nCUT\n 10\n%.4f\n 20\n%.4f\n 30\n0.0\n 11\n%.4f\n 21\n%.4f\n 31\n0.0\n", x, y, x + 12.5,
                y + 3.25);
        break;
      case 3:
        out.Put("  0\nARC\n  8\nCUT\n 10\n%.4f\n 20\n%.4f\n 30\n0.0\n 40\n%.4f\n 50\n15.0\n 51\n165.0\n", x, y,
                5.0 + static_cast<double>(i % 7));
        break;
      case 4:
        out.Put("  0\nCIRCLE\n  8\nDRILL\n 10\n%.4f\n 20\n%.4f\n 30\n0.0\n 40\n%.1f\n", x, y,
                2.5 + static_cast<double>(i % 5));
        break;
      case 5:
        out.Put("  0\nPOLYLINE\n  8\nPOCKET\n 66\n1\n 70\n1\n");
        for (int k = 0; k < 6; ++k) {
          out.Put("  0\nVERTEX\n  8\nPOCKET\n 10\n%.4f\n 20\n%.4f\n 42\n%.3f\n", x + 10 * std::cos(k),
                  y + 10 * std::sin(k), k % 2 ? 0.25 : 0.0);
        }
        out.Put("  0\nSEQEND\n  8\nPOCKET\n");
        break;
      case 6: out.Put("  0\nINSERT\n  8\nHW\n  2\nHINGE\n 10\n%.4f\n 20\n%.4f\n 50\n90.0\n", x, y); break;
      default: out.Put("  0\nTEXT\n  8\nLABEL\n 10\n%.4f\n 20\n%.4f\n 40\n2.5\n  1\nP%lld\n", x, y, i % 9 + 1); break;
    }
  }
  out.Put("  0\nENDSEC\n  0\nEOF\n");
}

void R2000(Writer& out, long long limit, std::mt19937& random) {
  Header(out, "AC1015");
  std::uniform_real_distribution<double> place(0.0, 2000.0);
  for (long long i = 0; out.bytes < limit; ++i) {
    const double x = place(random);
    const double y = place(random);
    const unsigned handle = static_cast<unsigned>(0x100 + i);
    switch (i % 6) {
      case 0:
      case 1:
        out.Put(
            "  0\nLINE\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\nCUT\n100\nAcDbLine\n 10\n%.6f\n 20\n%.6f\n 30\n0.0\n"
            " 11\n%.6f\n 21\n%.6f\n 31\n0.0\n",
            handle, x, y, x + 12.5, y + 3.25);
        break;
      case 2:
        out.Put(
            "  0\nLWPOLYLINE\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\nPOCKET\n100\nAcDbPolyline\n 90\n5\n 70\n1\n"
            " 43\n0.0\n",
            handle);
        for (int k = 0; k < 5; ++k) {
          out.Put(" 10\n%.6f\n 20\n%.6f\n 42\n%.6f\n", x + 10 * std::cos(k), y + 10 * std::sin(k),
                  k % 2 ? 0.41421356 : 0.0);
        }
        break;
      case 3:
        out.Put(
            "  0\nELLIPSE\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\nCUT\n100\nAcDbEllipse\n 10\n%.6f\n 20\n%.6f\n"
            " 30\n0.0\n 11\n%.6f\n 21\n%.6f\n 31\n0.0\n 40\n0.5\n 41\n0.0\n 42\n%.6f\n",
            handle, x, y, 8.0, 3.0, i % 4 ? 6.283185307179586 : 2.5);
        break;
      case 4:
        out.Put(
            "  0\nMTEXT\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\nLABEL\n100\nAcDbMText\n 10\n%.6f\n 20\n%.6f\n"
            " 30\n0.0\n 40\n2.5\n 41\n40.0\n 71\n1\n 72\n5\n  1\nPART %lld\n",
            handle, x, y, i % 9 + 1);
        break;
      default:
        out.Put(
            "  0\nLINE\n  5\n%X\n330\n1F\n100\nAcDbEntity\n  8\nCUT\n100\nAcDbLine\n 10\n%.6f\n 20\n%.6f\n 30\n0.0\n"
            " 11\n%.6f\n 21\n%.6f\n 31\n0.0\n1001\nDXFELEM\n1000\nbench\n1071\n%u\n",
            handle, x, y, x - 4.0, y + 9.0, handle);
        break;
    }
  }
  out.Put("  0\nENDSEC\n  0\nEOF\n");
}

void Stress(Writer& out, long long pieces, bool far, std::mt19937& random) {
  struct Piece {
    double ax, ay, bx, by;
  };
  std::vector<Piece> all;
  const long long polygons = pieces / 10;
  const long long columns = static_cast<long long>(std::sqrt(static_cast<double>(polygons))) + 1;
  for (long long p = 0; p < polygons; ++p) {
    const double cx = static_cast<double>(p % columns) * 30.0;
    const double cy = static_cast<double>(p / columns) * 30.0;
    for (int k = 0; k < 10; ++k) {
      const double a0 = k * 0.6283185307179586;
      const double a1 = (k + 1) % 10 * 0.6283185307179586;
      all.push_back({cx + 10 * std::cos(a0), cy + 10 * std::sin(a0), cx + 10 * std::cos(a1), cy + 10 * std::sin(a1)});
    }
  }
  std::shuffle(all.begin(), all.end(), random);
  Header(out, "AC1009");
  for (Piece& piece : all) {
    if (random() % 2) std::swap(piece.ax, piece.bx), std::swap(piece.ay, piece.by);
    out.Put("  0\nLINE\n  8\nPROFILE\n 10\n%.4f\n 20\n%.4f\n 11\n%.4f\n 21\n%.4f\n", piece.ax, piece.ay, piece.bx,
            piece.by);
  }
  if (far) out.Put("  0\nLINE\n  8\nPROFILE\n 10\n1000000000.0\n 20\n0.0\n 11\n1000000001.0\n 21\n0.0\n");
  out.Put("  0\nENDSEC\n  0\nEOF\n");
}

void Inserts(Writer& out, long long inserts, std::mt19937& random) {
  out.Put("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n");
  out.Put(
      "  0\nBLOCK\n  8\n0\n  2\nKNOB\n 70\n0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
      "  0\nCIRCLE\n  8\n0\n 10\n0.0\n 20\n0.0\n 40\n1.5\n  0\nENDBLK\n");
  for (int block = 0; block < 4; ++block) {
    out.Put("  0\nBLOCK\n  8\n0\n  2\nPART%d\n 70\n0\n 10\n1.0\n 20\n1.0\n 30\n0.0\n", block);
    for (int k = 0; k < 8; ++k) {
      out.Put("  0\nLINE\n  8\n0\n 10\n%d.0\n 20\n0.0\n 11\n%d.0\n 21\n%d.5\n", k * 3, k * 3 + 2, block);
    }
    out.Put("  0\nARC\n  8\nEDGE\n 10\n5.0\n 20\n5.0\n 40\n%d.0\n 50\n10.0\n 51\n120.0\n", 2 + block);
    out.Put(
        "  0\nLWPOLYLINE\n  8\n0\n 90\n4\n 70\n1\n 10\n0.0\n 20\n10.0\n 42\n0.4\n 10\n6.0\n 20\n10.0\n"
        " 10\n6.0\n 20\n14.0\n 42\n-0.2\n 10\n0.0\n 20\n14.0\n");
    out.Put("  0\nINSERT\n  8\n0\n  2\nKNOB\n 10\n20.0\n 20\n8.0\n  0\nENDBLK\n");
  }
  out.Put("  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n");
  std::uniform_real_distribution<double> place(0.0, 20000.0);
  for (long long i = 0; i < inserts; ++i) {
    const double scale = 0.5 + static_cast<double>(i % 4) * 0.5;
    out.Put("  0\nINSERT\n  8\nL%lld\n  2\nPART%lld\n 10\n%.4f\n 20\n%.4f\n 41\n%.1f\n 42\n%.1f\n 50\n%lld.0\n", i % 5,
            i % 4, place(random), place(random), i % 7 == 0 ? -scale : scale, scale, i % 360);
  }
  out.Put("  0\nENDSEC\n  0\nEOF\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: drawing_generator r12|r2000|stress|far|inserts MEGABYTES|PIECES OUT.dxf\n");
    return 2;
  }
  const std::string kind = argv[1];
  const long long amount = std::atoll(argv[2]);
  Writer out{std::fopen(argv[3], "wb")};
  if (out.file == nullptr) return 1;
  std::mt19937 random(20261207);
  if (kind == "r12") R12(out, amount * 1000000, random);
  else if (kind == "r2000") R2000(out, amount * 1000000, random);
  else if (kind == "stress" || kind == "far") Stress(out, amount, kind == "far", random);
  else if (kind == "inserts") Inserts(out, amount, random);
  else return 2;
  return std::fclose(out.file) == 0 ? 0 : 1;
}
