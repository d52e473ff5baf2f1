#pragma once
// The SXF writer library's entries: each builds the record of one table
// entry, assembly or feature from plain arguments and hands it to the file
// writer of the family its flag selects (non-zero: the P21 form, 0: the SFC
// form), returning the writer's result unchanged. The caller owns what it
// passes; the records and the lists built here live for one call.
//
// Refused here (negative result, message for SxfGetPopMsg): a text argument
// of more than 256 bytes, a missing text or list, a negative count.
#include <cstdint>
#include <string>

#include "platform/sxf_common/sxf_records.h"

namespace norva::sorvel {

// The six functions of one family of the file writer.
struct CommonFamily {
  int32_t (*open)(const char* name, int32_t mode, double r1, double r2, double r3, int32_t i1,
                  int32_t i2, const char* t1, const char* t2, const char* t3, const char* t4);
  int32_t (*close)();
  int32_t (*popMsg)(int32_t* number, const char** text);
  int32_t (*writeTable)(int32_t code, const void* record);
  int32_t (*writeAssembly)(int32_t code, const void* record);
  int32_t (*writeFeature)(const char* name, const void* record);
};

const CommonFamily& FamilyFor(int32_t flag);
// Tests put recorders in place of the two families; nullptr restores ours.
void SetFamiliesForTesting(const CommonFamily* sfc, const CommonFamily* p21);

int32_t OpenWrite(int32_t flag, const char* name, double r1, double r2, double r3, int32_t i1,
                  int32_t i2, const char* t1, const char* t2, const char* t3);
int32_t Close(int32_t flag);
// Copies the pending message (at most 511 bytes and a NUL) into buffer.
int32_t GetPopMsg(int32_t flag, int32_t* number, char* buffer);

int32_t SetLayer(int32_t flag, const char* name, int32_t viewFlag);
int32_t SetNamed(int32_t flag, int32_t code, const char* name);
int32_t SetUserColor(int32_t flag, int32_t r, int32_t g, int32_t b);
int32_t SetUserLineType(int32_t flag, const char* name, int32_t segments, const double* pitch,
                        int32_t count);
int32_t SetLineWidth(int32_t flag, double width);
int32_t SetSheet(int32_t flag, const char* name, int32_t type, int32_t orient, int32_t x,
                 int32_t y);
int32_t SetFukugo(int32_t flag, const char* name, int32_t kind);
int32_t SetCcurveOrg(int32_t flag, int32_t color, int32_t type, int32_t width, int32_t visible);

int32_t Feature(int32_t flag, const char* featureName, const void* record);
int32_t PolyList(int32_t flag, const char* featureName, int32_t layer, int32_t color, int32_t type,
                 int32_t width, int32_t closed, int32_t count, const double* xs, const double* ys);
int32_t Text(int32_t flag, int32_t layer, int32_t color, int32_t font, const char* text, double x,
             double y, double height, double width, double spacing, double angle, double slant,
             int32_t basePoint, int32_t direction);
int32_t SfigLoc(int32_t flag, int32_t layer, const char* name, double x, double y, double angle,
                double ratioX, double ratioY);
int32_t LinearDim(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                  const sxf::SxfLinearDimRec* record);
// A feature this library does not write: refused with a message.
int32_t NotWritten(int32_t flag, const char* featureName);

}  // namespace norva::sorvel
