#pragma once
// Our writer of SXF Ver.3.1 drawing files, in two families: the feature-
// comment form (.sfc, family kSfc) and the ISO 10303-21 AP202 form (.p21,
// family kP21). Each family holds at most one open file.
//
// A file is opened, receives table entries, assemblies (composite figures,
// then the sheet) and the features of the assembly last opened, and is
// written at Close: into a temporary file in the target folder that is then
// renamed over the target, so a failure leaves no partial file and an older
// file as it was. Every call returns 0 or more when done; a negative result
// means it was refused or failed, and leaves a message for PopMsg.
//
// Refused: a call without an open file, a feature before any assembly, a
// table code used before its table entry, an unknown predefined name, a text
// of more than 256 bytes or with an apostrophe, a backslash or a control
// character, a number that is not finite, counts and codes outside the
// format's ranges, a composite figure placed before it is defined or twice,
// and features this writer does not write.
#include <cstdint>
#include <string>

#include "platform/sxf_common/sxf_records.h"

namespace norva::sxf {

enum class Family { kSfc = 0, kP21 = 1 };

// `mode` 1 writes (the only mode). tolerance1, tolerance2, the third real and
// the two integers are taken as given; author, organisation and translator
// name the file's header; `reserved` is not read.
int32_t Open(Family f, const char* fileName, int32_t mode, double tolerance1, double tolerance2,
             double real3, int32_t int1, int32_t int2, const char* author, const char* organization,
             const char* translator, const char* reserved);
int32_t Close(Family f);
// The pending message (CP932; "" when there is none) and its number; taking
// it clears it.
int32_t PopMsg(Family f, int32_t* number, const char** text);
int32_t WriteTable(Family f, int32_t code, const void* record);
int32_t WriteAssembly(Family f, int32_t code, const void* record);
// name: "LINE", "POLYLINE", "TEXT", ... with the matching record of sxf_records.h.
int32_t WriteFeature(Family f, const char* name, const void* record);
// A call the library itself refused: the open file is not written at close.
void NoteRefusal(Family f);

// The time stamp of the header ("YYYY-MM-DDTHH:MM:SS"); empty: the clock.
void SetTimeStampForTesting(const std::string& stamp);

}  // namespace norva::sxf
