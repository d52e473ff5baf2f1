#pragma once
// The exports of the SXF writer library that CSxf calls, as an interface so
// that tests can put a recorder in its place. Texts are CP932, the flag comes
// first; results are the library's (negative: refused or failed).
#include <cstdint>

#include "platform/sxf_common/sxf_records.h"

namespace norva {

class ISxfLibrary {
 public:
  virtual ~ISxfLibrary() = default;
  virtual int32_t SxfOpenWrite(int32_t flag, const char* name, double tolerance, double tolerance2,
                               double real3, int32_t int1, int32_t int2, const char* text1,
                               const char* text2, const char* text3) = 0;
  virtual int32_t SxfClose(int32_t flag) = 0;
  // buffer: 512 bytes.
  virtual int32_t SxfGetPopMsg(int32_t flag, int32_t* number, char* buffer) = 0;
  virtual int32_t SxfSetLayear(int32_t flag, const char* name, int32_t viewFlag) = 0;
  virtual int32_t SxfSetColor(int32_t flag, const char* name) = 0;
  virtual int32_t SxfSetLineType(int32_t flag, const char* name) = 0;
  virtual int32_t SxfSetLineWidth(int32_t flag, double width) = 0;
  virtual int32_t SxfSetFont(int32_t flag, const char* name) = 0;
  virtual int32_t SxfSetSheet(int32_t flag, const char* name, int32_t type, int32_t orient,
                              int32_t x, int32_t y) = 0;
  virtual int32_t SxfSetFukugo(int32_t flag, const char* name, int32_t kind) = 0;
  virtual int32_t SxfSfigLoc(int32_t flag, int32_t layer, const char* name, double x, double y,
                             double angle, double ratioX, double ratioY) = 0;
  virtual int32_t SxfLine(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                          double sx, double sy, double ex, double ey) = 0;
  virtual int32_t SxfPolyLine(int32_t flag, int32_t layer, int32_t color, int32_t type,
                              int32_t width, int32_t count, const double* xs, const double* ys) = 0;
  virtual int32_t SxfText(int32_t flag, int32_t layer, int32_t color, int32_t font,
                          const char* text, double x, double y, double height, double width,
                          double spacing, double angle, double slant, int32_t basePoint,
                          int32_t direction) = 0;
  virtual int32_t SxfLinearDim(int32_t flag, int32_t layer, int32_t color, int32_t type,
                               int32_t width, const sxf::SxfLinearDimRec* record) = 0;
};

// The library "libSorvel.so" beside the running program, loaded at the first
// call. When it cannot be loaded every call returns -1 and SxfGetPopMsg gives
// the reason.
ISxfLibrary& SorvelLibrary();

}  // namespace norva
