/*
 * dxfelem — DXF drawings to panel-machining element files.
 *
 * The whole public surface: six functions with C linkage and the result
 * record they fill. Every call runs to its end on the caller's thread, reads
 * its inputs from the files it is given, writes its outputs to files, writes
 * the one-character completion file and returns 1 for success, 0 for failure.
 * Calls must not overlap within one process: the library keeps process-wide
 * settings and block tables and takes no lock.
 *
 * This header compiles as C (C89 and later) and as C++.
 */
#ifndef DXFELEM_DXFELEM_H
#define DXFELEM_DXFELEM_H

#include <stddef.h>
#include <stdint.h>

#include "dxfelem/dxfelem_version.h"

/* The hosts call the 32-bit Windows DLL with the standard calling convention
 * (the callee removes the arguments). Everywhere else there is only one
 * convention and the macro is empty. */
#if defined(_WIN32) && !defined(_WIN64)
#define DXFELEM_CALL __stdcall
#else
#define DXFELEM_CALL
#endif

#if defined(_WIN32)
#if defined(DXFELEM_BUILDING_LIBRARY)
#define DXFELEM_API __declspec(dllexport)
#else
#define DXFELEM_API
#endif
#elif defined(__GNUC__)
#define DXFELEM_API __attribute__((visibility("default")))
#else
#define DXFELEM_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The result record: 1044 bytes, little-endian, no padding. The caller owns
 * it; the library only writes into it. status is always 500 + errorCode.
 * A text of 256 bytes or more fills its field without a terminating zero. */
#pragma pack(push, 1)
typedef struct ConversionResult {
  int32_t status;          /* offset    0: 500 + errorCode */
  int32_t hasFileName;     /* offset    4: 1 when fileName names the file concerned */
  char fileName[256];      /* offset    8 */
  char reservedText2[256]; /* offset  264: always empty */
  char reservedText3[256]; /* offset  520: always empty */
  int32_t reservedValue1;  /* offset  776: always 0 */
  int32_t reservedValue2;  /* offset  780: always 0 */
  char reservedText4[256]; /* offset  784: always empty */
  int32_t errorCode;       /* offset 1040: 0 = no error */
} ConversionResult;
#pragma pack(pop)

/* Error codes; status = 500 + code. */
enum {
  DXFELEM_E_NONE = 0,
  DXFELEM_E_MEMORY_OR_ENTITIES = 4, /* no memory for the job, or the ENTITIES pass failed */
  DXFELEM_E_FILE = 8,               /* a file cannot be opened or written; fileName names it */
  DXFELEM_E_NOT_DXF = 13,           /* no "0" line followed by "SECTION" in the first 32 lines */
  DXFELEM_E_SECTIONS = 14,          /* the HEADER/TABLES scan failed */
  DXFELEM_E_UNKNOWN_OPERATION = 19, /* TxtToTxt: operation not 1..6 (file rewritten unchanged) */
  DXFELEM_E_NO_ELEMENTS = 41,       /* nothing in the drawing became an element */
  DXFELEM_E_OPERATION_FAILED = 49   /* TxtToTxt: the operation failed on an element */
};

#if defined(__cplusplus)
#define DXFELEM_STATIC_ASSERT(cond, name) static_assert(cond, #name)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define DXFELEM_STATIC_ASSERT(cond, name) _Static_assert(cond, #name)
#else
#define DXFELEM_STATIC_ASSERT(cond, name) typedef char dxfelem_assert_##name[(cond) ? 1 : -1]
#endif
DXFELEM_STATIC_ASSERT(sizeof(ConversionResult) == 1044, result_size);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, status) == 0, status_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, hasFileName) == 4, hasFileName_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, fileName) == 8, fileName_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, reservedText2) == 264, reservedText2_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, reservedText3) == 520, reservedText3_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, reservedValue1) == 776, reservedValue1_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, reservedValue2) == 780, reservedValue2_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, reservedText4) == 784, reservedText4_offset);
DXFELEM_STATIC_ASSERT(offsetof(ConversionResult, errorCode) == 1040, errorCode_offset);
#undef DXFELEM_STATIC_ASSERT

/* DXF drawing to element file, reporting through a result record. */
DXFELEM_API int32_t DXFELEM_CALL DxfToTxt(const char* parameterFile, const char* section, const char* dxfFile,
                                          const char* outputFile, const char* completionFile, ConversionResult* result);

/* The same conversion, reporting only the error code into *errorCode. */
DXFELEM_API int32_t DXFELEM_CALL DxfToTxtNet(const char* parameterFile, const char* section, const char* dxfFile,
                                             const char* outputFile, const char* completionFile, int32_t* errorCode);

/* The layer names of the drawing's LAYER table, one per line, into listFile. */
DXFELEM_API int32_t DXFELEM_CALL DxfToLayersNet(const char* parameterFile, const char* section, const char* dxfFile,
                                                const char* listFile, const char* completionFile, int32_t* errorCode);

/* The block name of every INSERT of the ENTITIES section, one per line, into listFile. */
DXFELEM_API int32_t DXFELEM_CALL DxfToBlocksNet(const char* parameterFile, const char* section, const char* dxfFile,
                                                const char* listFile, const char* completionFile, int32_t* errorCode);

/* Rewrites an element file in place: operation 1..6 on the elements of one layer
 * (1 extend start by *value1, 2 extend end by *value2, 3 both, 4 report the start
 * and end directions into *value1 and *value2, 5 lead-in arc, 6 lead-out arc). */
DXFELEM_API int32_t DXFELEM_CALL TxtToTxt(const char* parameterFile, const char* section, const char* inputFile,
                                          const char* completionFile, const char* layer, int32_t operation,
                                          double* value1, double* value2, int32_t spare, ConversionResult* result);

DXFELEM_API int32_t DXFELEM_CALL TxtToTxtNet(const char* parameterFile, const char* section, const char* inputFile,
                                             const char* completionFile, const char* layer, int32_t operation,
                                             double* value1, double* value2, int32_t spare, int32_t* errorCode);

#ifdef __cplusplus
}
#endif

#endif /* DXFELEM_DXFELEM_H */
