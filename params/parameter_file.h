// Reading the settings of a job from the parameter file, writing some of
// them back, and the inch conversion of the length settings.
#pragma once

#include <string>

namespace dxfelem {

class ProfileFile;
struct ParameterRecord;
struct SelectionLists;

// Fills the job's settings, selection lists and block tables from `section`
// of the parameter file and from "ROZOZ.INI" beside it. An empty file name or
// section leaves the built-in defaults. The side texts and piece variables
// that are missing are written into the file's text; the caller saves it.
void ReadParameters(ParameterRecord& parameters, SelectionLists& selection, ProfileFile& parameterFile,
                    const std::string& section);
// The settings that decide what a conversion leaves out (Altezza3D, Testo,
// SplineArchi, SplineToll), read by the conversion's own rules but without
// a word: ReadParameters reads them so, and a question about a drawing
// asks them alone.
void ReadLeavingSettings(const ProfileFile& file, const std::string& section, ParameterRecord& parameters);
// Writes the fourteen settings that the host keeps in step into the file's
// text; the caller saves it.
void WriteBackParameters(const ParameterRecord& parameters, ProfileFile& parameterFile, const std::string& section);

void ScaleToInches(ParameterRecord& parameters);
void ScaleToMillimetres(ParameterRecord& parameters);

// The "Altro" setting: Bordo1..Bordo4 and the rows L1..L15.
void ParseAltro(std::string_view text, ParameterRecord& parameters);

// The selection lists, the per-layer tables and the block tables.
void ReadNameLists(const ProfileFile& file, const std::string& section, SelectionLists& selection);
void ReadLayerTables(const ProfileFile& file, const std::string& section, SelectionLists& selection);
void ReadBlockTables(const ProfileFile& file, const std::string& section);

}  // namespace dxfelem
