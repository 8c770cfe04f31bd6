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

// Consumes an entity's groups without using them: SHAPE and DIMENSION make
// nothing, and so does every entity kind that is not converted yet.
int SkipEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);

int ReadLineEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);      // LINE, 3DLINE
int ReadPointEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);     // POINT
int ReadCircleEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);    // CIRCLE
int ReadArcEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);       // ARC
int ReadEllipseEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);   // ELLIPSE
int ReadQuadrilateral(ConversionJob& job, DxfLineReader& reader, Token firstCode);   // SOLID, TRACE
int ReadFaceEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode);      // 3DFACE

}  // namespace dxfelem
