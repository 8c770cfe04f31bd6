// The dxflib peer: reads the drawing with dxflib's parser and only counts
// the entities it reports.
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cstdio>

namespace {

class Counter : public DL_CreationAdapter {
 public:
  long long entities = 0;
  void addLine(const DL_LineData&) override { ++entities; }
  void addArc(const DL_ArcData&) override { ++entities; }
  void addCircle(const DL_CircleData&) override { ++entities; }
  void addEllipse(const DL_EllipseData&) override { ++entities; }
  void addPolyline(const DL_PolylineData&) override { ++entities; }
  void addVertex(const DL_VertexData&) override { ++entities; }
  void addInsert(const DL_InsertData&) override { ++entities; }
  void addText(const DL_TextData&) override { ++entities; }
  void addMText(const DL_MTextData&) override { ++entities; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Counter counter;
  DL_Dxf dxf;
  if (!dxf.in(argv[1], &counter)) return 1;
  std::printf("%lld entities\n", counter.entities);
  return 0;
}
