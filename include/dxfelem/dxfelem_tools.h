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

/* The version of this surface; it grows by adding functions only. */
#define DXFELEM_TOOLS_ABI 1
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
DXFELEM_API size_t dxfelem_report_warning_count(const dxfelem_report* report);
DXFELEM_API const char* dxfelem_report_warning(const dxfelem_report* report, size_t index);

/* Converts the drawing `dxf` into the element file `out` with `settings`
 * (null: the built-in ones), writing the completion file `done` unless it
 * is null or empty. Refuses, before anything is written, an empty output
 * name and an output that is the drawing or the parameter file (also
 * through links). Null only when there is no memory for a report. */
DXFELEM_API dxfelem_report* dxfelem_convert(const char* dxf, const char* out, const dxfelem_settings* settings,
                                            const char* done);

#ifdef __cplusplus
}
#endif

#endif
