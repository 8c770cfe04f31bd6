// The heavy polyline: POLYLINE opens a record, every VERTEX adds a vertex,
// SEQEND emits it. The lightweight LWPOLYLINE is one entity.
#include <new>

#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/polyline_record.h"

namespace dxfelem {
namespace {

// The header groups both forms share; false for any other group.
bool TakeHeaderGroup(Token code, DxfLineReader& reader, PolylineRecord& record) {
  switch (code) {
    case kGroup8: ReadRawLine(reader, &record.layer); return true;
    case kGroup6: ReadRawLine(reader, &record.linetype); return true;
    case kGroup38: record.elevation = ReadRounded4(reader); return true;
    case kGroup39: record.thickness = ReadRounded4(reader); return true;
    case kGroup40:
    case kGroup41: ReadRounded4(reader); return true;  // default widths: not used
    case kGroup70: record.flags = static_cast<uint16_t>(ReadInt(reader)); return true;
    case kGroup71:
    case kGroup72:
    case kGroup73:
    case kGroup74:
    case kGroup75: ReadInt(reader); return true;  // mesh counts and smoothing: not used
    case kGroup210: record.extrusion.x = ReadRounded4(reader); return true;
    case kGroup220: record.extrusion.y = ReadRounded4(reader); return true;
    case kGroup230: record.extrusion.z = ReadRounded4(reader); return true;
    default: return false;
  }
}

}  // namespace

bool ReadPolylineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  // A record that was never closed by its SEQEND is dropped unemitted.
  if (context.reading.openPolyline) context.reading.tally.LeaveOut(LeftOut::kUnfinished, "POLYLINE");
  context.reading.openPolyline.reset(new (std::nothrow) PolylineRecord);
  if (!context.reading.openPolyline) return false;
  PolylineRecord& record = *context.reading.openPolyline;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (code == kGroup66) {
      ReadInt(reader);  // vertices follow: always so
      return true;
    }
    return TakeHeaderGroup(code, reader, record);
  });
  return true;
}

bool ReadVertexEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  PolylineRecord* record = context.reading.openPolyline.get();
  if (record == nullptr) return false;  // a VERTEX outside a polyline breaks the drawing
  PolylineVertex vertex;
  ForEachGroup(reader, firstCode, [&](Token code) {
    switch (code) {
      case kGroup10: vertex.x = ReadRounded4Single(reader); return true;
      case kGroup20: vertex.y = ReadRounded4Single(reader); return true;
      case kGroup30: vertex.z = ReadRounded4Single(reader); return true;
      case kGroup40:
      case kGroup41: ReadRounded4Single(reader); return true;  // widths: not used
      case kGroup42: vertex.bulge = ReadDouble(reader); return true;
      case kGroup70: ReadInt(reader); return true;  // vertex flags: not used
      default: return false;
    }
  });
  record->vertices.push_back(vertex);
  return true;
}

bool ReadSequenceEnd(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  SkipEntity(context, reader, firstCode);
  if (std::unique_ptr<PolylineRecord> record = std::move(context.reading.openPolyline)) EmitPolyline(context, *record);
  return true;
}

bool ReadLightPolyline(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  std::unique_ptr<PolylineRecord> record(new (std::nothrow) PolylineRecord);
  if (!record) return false;
  record->kindToken = kTokenLwpolyline;
  record->kind = "LWPOLYLINE";
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (TakeHeaderGroup(code, reader, *record)) return true;
    PolylineVertex* latest = record->vertices.empty() ? nullptr : &record->vertices.back();
    switch (code) {
      case kGroup10:
        record->vertices.emplace_back();
        record->vertices.back().x = ReadRounded4Single(reader);
        return true;
      // Before the first vertex these have no vertex to go to: skipped.
      case kGroup20:
        if (latest == nullptr) return false;
        latest->y = ReadRounded4Single(reader);
        return true;
      case kGroup30:
        if (latest == nullptr) return false;
        latest->z = ReadRounded4Single(reader);
        return true;
      case kGroup42:
        if (latest == nullptr) return false;
        latest->bulge = ReadDouble(reader);
        return true;
      default: return false;
    }
  });
  EmitPolyline(context, *record);
  return true;
}

}  // namespace dxfelem
