// One reader per entity kind. Each is called with the token of the entity's
// first group code line, consumes the group code and value lines of the
// entity up to and including the next "0" line, and answers 1, or 0 when
// the entity pass must stop with a failure.
#pragma once

#include "dxf/keyword_table.h"

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

using EntityReader = int (*)(ConversionJob& job, DxfLineReader& reader, Token firstCode);

// Consumes an entity's groups without using them: SHAPE, DIMENSION and
// ATTDEF make nothing.
int SkipEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);

int ReadLineEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);      // LINE, 3DLINE
int ReadPointEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);     // POINT
int ReadCircleEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);    // CIRCLE
int ReadArcEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);       // ARC
int ReadEllipseEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);   // ELLIPSE
int ReadQuadrilateral(ConversionJob& job, DxfLineReader& reader, Token firstCode);   // SOLID, TRACE
int ReadFaceEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);      // 3DFACE
int ReadPolylineEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);  // POLYLINE
int ReadVertexEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);    // VERTEX
int ReadSequenceEnd(ConversionJob& job, DxfLineReader& reader, Token firstCode);     // SEQEND
int ReadLightPolyline(ConversionJob& job, DxfLineReader& reader, Token firstCode);   // LWPOLYLINE
int ReadInsertEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);    // INSERT
int ReadAttributeEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode); // ATTRIB
int ReadTextEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);      // TEXT
int ReadParagraphTextEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);  // MTEXT

}  // namespace dxfelem
