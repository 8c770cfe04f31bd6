// One reader per entity kind. Each is called with the token of the entity's
// first group code line, consumes the group code and value lines of the
// entity up to and including the next "0" line, and answers true, or false when
// the entity pass must stop with a failure.
#pragma once

#include "dxf/keyword_table.h"

namespace dxfelem {

struct EntityContext;
class DxfLineReader;

using EntityReader = bool (*)(EntityContext& context, DxfLineReader& reader, Token firstCode);

// Consumes an entity's groups without using them: SHAPE, DIMENSION and
// ATTDEF make nothing.
bool SkipEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);

bool ReadLineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);           // LINE, 3DLINE
bool ReadPointEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);          // POINT
bool ReadCircleEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);         // CIRCLE
bool ReadArcEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);            // ARC
bool ReadEllipseEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);        // ELLIPSE
bool ReadQuadrilateral(EntityContext& context, DxfLineReader& reader, Token firstCode);        // SOLID, TRACE
bool ReadFaceEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);           // 3DFACE
bool ReadPolylineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);       // POLYLINE
bool ReadVertexEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);         // VERTEX
bool ReadSequenceEnd(EntityContext& context, DxfLineReader& reader, Token firstCode);          // SEQEND
bool ReadLightPolyline(EntityContext& context, DxfLineReader& reader, Token firstCode);        // LWPOLYLINE
bool ReadInsertEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);         // INSERT
bool ReadAttributeEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);      // ATTRIB
bool ReadTextEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);           // TEXT
bool ReadParagraphTextEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);  // MTEXT
bool ReadSplineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode);         // SPLINE

}  // namespace dxfelem
