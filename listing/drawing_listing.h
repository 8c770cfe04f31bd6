// Listing a drawing's layers or block references for the host to offer
// them for selection: a text file of names, one per line.
#pragma once

#include <string>

#include "conversion/status_info.h"

namespace dxfelem {

class ProfileFile;

class ConversionJob;

// The names of the LAYER table's entries, in table order. Fails with 8 (the
// drawing cannot be opened, with its name), 13 (not a DXF file), or 8 with
// the list file's name when a list that was begun cannot be written whole.
// Without a TABLES section no list file is written at all.
StatusInfo ListLayers(ConversionJob& job, const std::string& listFile);

// The block name of every INSERT of the ENTITIES section, in file order.
// Fails with 8, 13, 14 (the section scan failed), 4 (the list file cannot
// be created, or the entity pass failed), or 8 with the list file's name
// when the list cannot be written whole.
StatusInfo ListBlocks(ConversionJob& job, const std::string& listFile);

// The listing call: parameters in, one of the listings, settings out, as
// around a conversion.
enum class ListingKind { kLayers, kBlocks };
StatusInfo RunListing(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                      ListingKind kind, const std::string& listFile);
// The same with the settings of `settings` (a parameter file, or settings
// held in memory).
StatusInfo RunListing(ConversionJob& job, ProfileFile& settings, const std::string& section, ListingKind kind,
                      const std::string& listFile);

}  // namespace dxfelem
