#pragma once
// The records that pass between the SXF writer library's exports and the
// file writer: one table entry, assembly or feature each. Fields keep their
// order; the layout is the compiler's natural one (no packing), texts are
// NUL-terminated CP932 in 257-byte fields, and a growable list is a pointer to
// the first value with a count. The caller of a write owns the record and
// everything it points to; the writer copies what it keeps.
#include <cstdint>

namespace norva::sxf {

inline constexpr int kTextField = 257;  // 256 bytes of text and the NUL
inline constexpr int kMessageBuffer = 512;

struct RealList {
  const double* values = nullptr;
  int32_t count = 0;
};
struct IntList {
  const int32_t* values = nullptr;
  int32_t count = 0;
};

// ---- tables (code 1..7) ------------------------------------------------------------
enum TableCode : int32_t {
  kTableLayer = 1,
  kTableColor = 2,
  kTableUserColor = 3,
  kTableLineType = 4,
  kTableUserLineType = 5,
  kTableLineWidth = 6,
  kTableFont = 7,
};
struct LayerRec {
  char name[kTextField];
  int32_t viewFlag;
};
struct NameRec {
  char name[kTextField];
};
struct UserColorRec {
  int32_t red, green, blue;
};
struct UserLineTypeRec {
  char name[kTextField];
  int32_t segments;
  double pitch[8];
};
struct LineWidthRec {
  double width;
};

// ---- assemblies (code 1..3) ----------------------------------------------------------
enum AssemblyCode : int32_t { kAssemblySheet = 1, kAssemblyFigure = 2, kAssemblyCurve = 3 };
struct SheetRec {
  char name[kTextField];
  int32_t type, orient, x, y;
};
struct FigureRec {
  char name[kTextField];
  int32_t kind;
};
struct CurveOrgRec {
  int32_t color, type, width, visible;
};

// ---- features ------------------------------------------------------------------------
struct PointMarkerRec {
  int32_t layer, color;
  double x, y;
  int32_t code;
  double angle, scale;
};
struct LineRec {
  int32_t layer, color, type, width;
  double sx, sy, ex, ey;
};
struct PolyLineRec {
  int32_t layer, color, type, width, count;
  RealList xs, ys;
};
struct CircleRec {
  int32_t layer, color, type, width;
  double cx, cy, r;
};
struct ArcRec {
  int32_t layer, color, type, width;
  double cx, cy, r;
  int32_t direction;
  double start, end;
};
struct EllipseRec {
  int32_t layer, color, type, width;
  double cx, cy, rx, ry, rotation;
};
struct EllipseArcRec {
  int32_t layer, color, type, width;
  double cx, cy, rx, ry;
  int32_t direction;
  double rotation, start, end;
};
struct TextRec {
  int32_t layer, color, font;
  char text[kTextField];
  double x, y, height, width, spacing, angle, slant;
  int32_t basePoint, direction;
};
struct SplineRec {
  int32_t layer, color, type, width, closed, count;
  RealList xs, ys;
};
struct SfigLocateRec {
  int32_t layer;
  char name[kTextField];
  double x, y, angle, ratioX, ratioY;
};
// The caller's linear-dimension record: one piece of a serial dimension.
struct SxfLinearDimRec {
  double sx, sy, ex, ey;
  int32_t proj1;
  double p1x0, p1y0, p1x1, p1y1, p1x2, p1y2;
  int32_t proj2;
  double p2x0, p2y0, p2x1, p2y1, p2x2, p2y2;
  int32_t arr1Code, arr1Flag;
  double arr1x, arr1y, arr1Scale;
  int32_t arr2Code, arr2Flag;
  double arr2x, arr2y, arr2Scale;
  int32_t textFlag, font;
  const char* text;
  double textX, textY, height, width, spacing, angle, slant;
  int32_t basePoint, direction;
};
// The feature record the library builds from it: the line attributes first
// and the text copied into its field.
struct LinearDimRec {
  int32_t layer, color, type, width;
  double sx, sy, ex, ey;
  int32_t proj1;
  double p1x0, p1y0, p1x1, p1y1, p1x2, p1y2;
  int32_t proj2;
  double p2x0, p2y0, p2x1, p2y1, p2x2, p2y2;
  int32_t arr1Code, arr1Flag;
  double arr1x, arr1y, arr1Scale;
  int32_t arr2Code, arr2Flag;
  double arr2x, arr2y, arr2Scale;
  int32_t textFlag, font;
  char text[kTextField];
  double textX, textY, height, textWidth, spacing, angle, slant;
  int32_t basePoint, direction;
};

}  // namespace norva::sxf
