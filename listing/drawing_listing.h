// Listing a drawing's layers or block references for the host to offer
// them for selection: a text file of names, one per line.
#pragma once

#include <string>

namespace dxfelem {

class ConversionJob;

// The names of the LAYER table's entries, in table order. Returns 1, or 0
// with the job's status at 8 (the drawing cannot be opened) or 13 (not a
// DXF file), or 8 with the list file's name when a list that was begun
// cannot be written whole. Without a TABLES section no list file is written
// at all.
int ListLayers(ConversionJob& job, const std::string& listFile);

// The block name of every INSERT of the ENTITIES section, in file order.
// Returns 1, or 0 with the status at 8, 13, 14 (the section scan failed) or
// 4 (the list file cannot be created, or the entity pass failed), or 8 with
// the list file's name when the list cannot be written whole.
int ListBlocks(ConversionJob& job, const std::string& listFile);

}  // namespace dxfelem
