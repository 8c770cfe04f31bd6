/*
 * dxfelem tools — the library for people, beside the hosts' six entry points.
 *
 * The command-line tool and the Python module are built on these functions,
 * so that every way in refuses the same mistakes and tells the same things.
 * A call answers a report: whether it was done, the one line that says what
 * happened, the file concerned, what was read of the drawing and what of it
 * made nothing and why (counted by the conversion itself as it read), and
 * warnings. Handles are opaque; nothing but C types crosses this surface.
 * Linux only: the hosts' Windows DLL exports its six entry points alone.
 * Calls must not overlap within one process, as with the entry points.
 *
 * This header compiles as C and as C++.
 */
#ifndef DXFELEM_DXFELEM_TOOLS_H
#define DXFELEM_DXFELEM_TOOLS_H

#include <stddef.h>
#include <stdint.h>

#include "dxfelem/dxfelem.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The version of this surface; it grows by adding functions only (2:
 * dxfelem_check_output_of). */
#define DXFELEM_TOOLS_ABI 2
DXFELEM_API int dxfelem_tools_abi(void);

/* The settings of a conversion: the built-in ones, keys given in memory
 * (read by exactly the rules of the parameter file's keys, nothing written
 * back), or a section of a parameter file (written back, as the hosts
 * expect). */
typedef struct dxfelem_settings dxfelem_settings;
DXFELEM_API dxfelem_settings* dxfelem_settings_new(void);
DXFELEM_API void dxfelem_settings_free(dxfelem_settings* settings);
/* 0 when the key or the value cannot be a parameter file's (empty key, a
 * line end, "=" or "[" in the key, a line end in the value), or the
 * settings already name a parameter file. */
DXFELEM_API int dxfelem_settings_set(dxfelem_settings* settings, const char* key, const char* value);
/* 0 when keys were given in memory already, or a name is empty. */
DXFELEM_API int dxfelem_settings_use_file(dxfelem_settings* settings, const char* path, const char* section);

typedef struct dxfelem_report dxfelem_report;
DXFELEM_API void dxfelem_report_free(dxfelem_report* report);
/* 1 done; 0 failed, or refused before anything was written. */
DXFELEM_API int dxfelem_report_ok(const dxfelem_report* report);
/* The status code of the call (0 done, 8 a file, 13 not DXF, ...), or -1
 * for a call refused before it ran (an output that is an input). */
DXFELEM_API int dxfelem_report_code(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_message(const dxfelem_report* report);
/* The file the code concerns, or "". */
DXFELEM_API const char* dxfelem_report_file(const dxfelem_report* report);
/* The entities read, per kind, in the order of the kinds' names. */
DXFELEM_API size_t dxfelem_report_read_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_read_kind(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_read_number(const dxfelem_report* report, size_t index);
/* What was read and made nothing: what ("HATCH", "INSERT of block DOOR"),
 * why, and how many. */
DXFELEM_API size_t dxfelem_report_left_out_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_left_out_what(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_left_out_why(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_left_out_number(const dxfelem_report* report, size_t index);
/* The kind of the entities left out ("INSERT" for "INSERT of block DOOR"),
 * and whether they made nothing at all (1) or made elements of which a part
 * is left out (0: an MTEXT drawn without its first chunks). Every entity
 * read either made elements or is left out whole, for one reason. */
DXFELEM_API const char* dxfelem_report_left_out_kind(const dxfelem_report* report, size_t index);
DXFELEM_API int dxfelem_report_left_out_whole(const dxfelem_report* report, size_t index);
/* The entities that made elements, per kind. */
DXFELEM_API size_t dxfelem_report_made_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_made_kind(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_made_number(const dxfelem_report* report, size_t index);
DXFELEM_API size_t dxfelem_report_warning_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_warning(const dxfelem_report* report, size_t index);
/* The elements and nodes (lines) of the element file per layer, in the
 * order of the layers' names (what the conversion would write, for
 * dxfelem_info). */
DXFELEM_API size_t dxfelem_report_layer_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_layer_name(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_layer_elements(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_layer_nodes(const dxfelem_report* report, size_t index);
/* A rewriting's values (which: 1 or 2): the directions at start and end
 * for "directions", otherwise the values given. */
DXFELEM_API double dxfelem_report_value(const dxfelem_report* report, int which);

/* Converts the drawing `dxf` into the element file `out` with `settings`
 * (null: the built-in ones), writing the completion file `done` unless it
 * is null or empty. Refuses, before anything is written, an empty output
 * name and an output that is the drawing or the parameter file (also
 * through links). Null only when there is no memory for a report. */
DXFELEM_API dxfelem_report* dxfelem_convert(const char* dxf, const char* out, const dxfelem_settings* settings,
                                            const char* done);

/* What a conversion of `dxf` with `settings` would read, make and leave
 * out, and why: the conversion itself runs on trial, making and processing
 * its elements but writing no element file, and nothing is written back
 * into a parameter file. */
DXFELEM_API dxfelem_report* dxfelem_info(const char* dxf, const dxfelem_settings* settings);

/* What the drawing `dxf` holds, read in strict pairs of group code and
 * value as the DXF reference lays them out (the conversion reads as the
 * hosts read, and forgives what this reading names): its version, units and
 * extents, its LAYER table, the blocks a user places with their INSERTs,
 * its entities per layer and kind, and per layer what a conversion with
 * `settings` leaves out for the entities' kind or groups alone. A drawing
 * that breaks is read up to the break, which dxfelem_report_problem names
 * (and a warning tells). Not ok for a file that cannot be read (code 8)
 * or is a binary DXF (code 13). Nothing is written. */
DXFELEM_API dxfelem_report* dxfelem_survey(const char* dxf, const dxfelem_settings* settings);
/* The drawing's own list, read as dxfelem_survey reads: the LAYER table's
 * names (blocks 0), or the blocks a user places with their INSERTs (blocks
 * 1, "NAME\tINSERTS" lines), one per line, into the file `list` (replaced
 * only by a whole list; refused, code -1, when it is the drawing), or into
 * the report's text when `list` is null or empty. The report's layer
 * table and blocks are those of dxfelem_survey. */
DXFELEM_API dxfelem_report* dxfelem_list(const char* dxf, const char* list, int blocks);
/* Where the strict reading broke: "line N: why", or "". */
DXFELEM_API const char* dxfelem_report_problem(const dxfelem_report* report);
/* $ACADVER, or "". */
DXFELEM_API const char* dxfelem_report_version(const dxfelem_report* report);
/* which 1: $INSUNITS, 2: $MEASUREMENT; -1 when the drawing does not give it. */
DXFELEM_API int dxfelem_report_units(const dxfelem_report* report, int which);
/* 1 with $EXTMIN x, y and $EXTMAX x, y in xyxy[0..3]; 0 when not given. */
DXFELEM_API int dxfelem_report_extents(const dxfelem_report* report, double* xyxy);
/* The LAYER table's names, in the table's order. */
DXFELEM_API size_t dxfelem_report_table_layer_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_table_layer(const dxfelem_report* report, size_t index);
/* The blocks a user places: the definitions (but the drawing's own spaces,
 * "*Model_Space", "$PAPER_SPACE", "*D1") in their order, then the blocks
 * inserted without a definition (defined 0); each with its INSERTs. */
DXFELEM_API size_t dxfelem_report_block_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_block_name(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_block_inserts(const dxfelem_report* report, size_t index);
DXFELEM_API int dxfelem_report_block_defined(const dxfelem_report* report, size_t index);
/* The entities per layer and kind, in the order of the layers' names, then
 * the kinds' (a heavy polyline's vertices are part of it, not counted). */
DXFELEM_API size_t dxfelem_report_kind_on_layer_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_kind_on_layer_layer(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_kind_on_layer_kind(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_kind_on_layer_number(const dxfelem_report* report, size_t index);
/* Per layer (in the order of their names), what the settings leave out
 * for the entities' kind or groups, in the words of the conversion's
 * report: the kinds never converted, splines, meshes, oblique extrusions,
 * texts off, MTEXT chunks. */
DXFELEM_API size_t dxfelem_report_layer_left_out_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_layer_left_out_layer(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_layer_left_out_what(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_layer_left_out_why(const dxfelem_report* report, size_t index);
DXFELEM_API int64_t dxfelem_report_layer_left_out_number(const dxfelem_report* report, size_t index);

/* What a machine would meet in the drawing `dxf` converted with
 * `settings` (in memory: nothing is written): profiles left open after
 * chaining (with their ends, the nearest end of another piece, and per layer
 * the Tollerance that would close them: kind "advice"), pieces cut twice on
 * one layer or across layers, closed profiles of one layer that cross
 * themselves or each other, pieces shorter than `min_length` (0 or less:
 * ten times Tollerance), texts in a substitute face or lower than the gap
 * between their letters, and $INSUNITS that the settings do not fit. Ok
 * when the drawing could be checked, findings or not; the findings are the
 * report's, in that order. With `svg` (not null or empty) the converted
 * drawing is drawn there as dxfelem_preview draws it, the findings marked
 * in red (a ring and the distance at each end of an open profile, a heavy
 * stroke over a double cut, a cross at a crossing, a circle round a tiny
 * piece); refused, code -1, when it is the drawing or the parameter file. */
DXFELEM_API dxfelem_report* dxfelem_check(const char* dxf, const dxfelem_settings* settings, double min_length,
                                          const char* svg);
/* A finding: its kind ("open profile", "advice", "double cut", "double cut
 * across layers", "crossing", "tiny piece", "text", "units", or "check cut
 * short" when a drawing piles too many pieces onto one place for every
 * pair of them to be met), layer ("" for
 * the drawing), what was found in words, and (which 1, 2, 3) its x, y and
 * figure (a distance, a length, the Tollerance advised). The words are made
 * when asked for and stay valid until the next finding's words are asked
 * for on the same report; a drawing may have millions of findings. */
DXFELEM_API size_t dxfelem_report_finding_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_finding_kind(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_finding_layer(const dxfelem_report* report, size_t index);
DXFELEM_API const char* dxfelem_report_finding_text(const dxfelem_report* report, size_t index);
DXFELEM_API double dxfelem_report_finding_value(const dxfelem_report* report, size_t index, int which);

/* The guards of dxfelem_convert, for a caller that writes files of its own
 * (a batch, a listing): ok when `output` (named `what` in the message, such
 * as "list file") may be written beside the drawing `dxf` and the settings'
 * parameter file, and that file may be read; otherwise code -1 and why.
 * Warnings tell of a missing parameter file or section. */
DXFELEM_API dxfelem_report* dxfelem_check_output(const char* output, const char* what, const char* dxf,
                                                 const dxfelem_settings* settings);
/* The same guards for an output made from another kind of file than a
 * drawing: `source_what` names `source` in the message (a picture of the
 * element file `source` is refused as "... is the element file ...");
 * NULL or empty names it a drawing. */
DXFELEM_API dxfelem_report* dxfelem_check_output_of(const char* output, const char* what, const char* source,
                                                    const char* source_what, const dxfelem_settings* settings);

/* The hosts' listing of the drawing `dxf` into the list file `list`, as
 * DxfToLayersNet (blocks 0) or DxfToBlocksNet (blocks 1) writes it, with
 * the guards of dxfelem_convert for the list file. */
DXFELEM_API dxfelem_report* dxfelem_list_for_hosts(const char* dxf, const char* list, int blocks,
                                                   const dxfelem_settings* settings, const char* done);

/* Whether `file` reads as an element file: ok when every line is an
 * element line (a known mnemonic, eight fields, an entity number, four
 * numbers, at most 255 bytes with its line end, the last element finished);
 * otherwise the message names the first line that is not. */
DXFELEM_API dxfelem_report* dxfelem_check_element_file(const char* file);

/* Changes the profiles of `layer` of the element file `file` in place, as
 * the hosts' TxtToTxt does: operation 1 extend-start (by a), 2 extend-end
 * (by b), 3 extend-both, 4 directions, 5 lead-in, 6 lead-out (a tangent arc
 * to or from the end point moved by a, b); the file is written with the
 * settings' DecimaliTxt. Refuses, leaving the file as it was: a file that
 * is not an element file (unless `force`), a file of more elements than
 * the rewriting reads (65536, even with `force`), and a layer with no
 * element. "directions" works on a copy: the file keeps its bytes. As
 * with the hosts' call, an unknown operation is done (the file written back
 * unchanged) with code 19. */
DXFELEM_API dxfelem_report* dxfelem_rewrite(const char* file, const char* layer, int operation, double a, double b,
                                            const dxfelem_settings* settings, int force, const char* done);

/* The element file `file` drawn as SVG into `svg`: every layer in its
 * colour with a legend, arcs as arcs, holes as circles, block calls and
 * attributes as labelled markers, open profiles dashed, the start and
 * direction of every profile marked, y up, a scale bar. With `svg` null or
 * empty the document is the report's text. Refuses (code -1), before
 * anything is written, an output that is the element file (also through
 * links), and a file that is not an element file unless `force`; nodes
 * that are no finite numbers are left out with a warning. An old file of
 * the output's name is replaced only by a whole document (code 8 when it
 * cannot be, the old file as it was). */
DXFELEM_API dxfelem_report* dxfelem_preview(const char* file, const char* svg, int force);
/* The element file `file` written back as a plain DXF (R12, text) into
 * `dxf`: LINE, ARC, CIRCLE, POINT and INSERT on the elements' layers (a
 * layer name a DXF cannot hold is changed, and a warning says how). The
 * same refusals and safety as dxfelem_preview. */
DXFELEM_API dxfelem_report* dxfelem_todxf(const char* file, const char* dxf, int force);
/* The document of a dxfelem_preview, dxfelem_todxf or dxfelem_list without
 * an output file, and its size in bytes (when `size` is not null); "" otherwise. */
DXFELEM_API const char* dxfelem_report_text(const dxfelem_report* report, size_t* size);

#ifdef __cplusplus
}
#endif

#endif
