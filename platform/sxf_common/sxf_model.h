#pragma once
// The drawing a family collects between open and close, already checked,
// with every drawing group's placement applied to its members' coordinates.
// The two file forms are written from it.
#include <cstdint>
#include <string>
#include <vector>

namespace norva::sxf {

// Names of the format's predefined tables, in code order (code = index + 1).
extern const char* const kPreColours[16];
extern const char* const kPreLineTypes[15];
extern const double kPreWidths[9];

struct TableEntry {
  enum Kind { kColour, kUserColour, kLineType, kUserLineType, kWidth, kFont, kLayer } kind;
  std::string name;             // CP932
  int32_t code = 0;             // predefined code, or the user code
  int32_t ints[3] = {0, 0, 0};  // user colour r, g, b; layer view flag
  double width = 0;
  std::vector<double> pitch;
};

struct Feature {
  enum Kind {
    kPointMarker,
    kLine,
    kPolyline,
    kCircle,
    kArc,
    kEllipse,
    kEllipseArc,
    kText,
    kSpline,
    kLocate,
    kLinearDim
  };
  Kind kind = kLine;
  int32_t layer = 0, color = 0, type = 0, width = 0;
  // Every point of the feature: line ends; polyline and spline points; the
  // centre of circles, arcs and ellipses; the marker; the text's reference;
  // the placement; for a dimension: line start and end (0, 1), projection
  // line 1 base, start, end (2..4), projection line 2 (5..7), arrows (8, 9),
  // text (10).
  std::vector<double> xs, ys;
  double r = 0, rx = 0, ry = 0, rotation = 0, start = 0, end = 0;
  int32_t direction = 0, code = 0, closed = 0;
  double angle = 0, scale = 0;  // marker, placement and text angle (degrees)
  // Text (and dimension text).
  int32_t font = 0;
  std::string text;  // CP932
  double height = 0, textWidth = 0, spacing = 0, slant = 0;
  int32_t basePoint = 0, textDirection = 0;
  // Placement.
  std::string figure;
  double ratioX = 1, ratioY = 1;
  // Dimension flags.
  int32_t proj1 = 0, proj2 = 0, arr1Code = 0, arr1Flag = 0, arr2Code = 0, arr2Flag = 0;
  double arr1Scale = 0, arr2Scale = 0;
  int32_t textFlag = 0;
};

struct Figure {
  std::string name;
  int32_t kind = 0;
  std::vector<Feature> members;
  int placements = 0;
};

struct Drawing {
  std::string fileName;  // the target's base name
  std::string author, organization, translator, timeStamp;
  std::vector<TableEntry> tables;
  std::vector<Figure> figures;  // in definition order
  bool hasSheet = false;
  std::string sheetName;
  int32_t sheetType = 0, sheetOrient = 0, sheetX = 0, sheetY = 0;
  std::vector<Feature> sheetMembers;

  const TableEntry* Layer(int32_t code) const;
  const Figure* FindFigure(const std::string& name) const;
};

// The file text (CP932 for SFC, ASCII for P21), lines ending CR LF. Throws
// std::runtime_error when the drawing cannot be put in that form.
std::string WriteSfc(const Drawing& d);
std::string WriteP21(const Drawing& d);

// Shared number forms: lengths with 6 decimals, angles and ratios with up to
// 14; never "-0".
std::string FormatLength(double v);
std::string FormatFine(double v);

// CP932 text to UTF-16 code units; throws std::runtime_error when it is not CP932.
std::u16string Cp932ToUtf16(const std::string& cp932);
// UTF-8 to CP932 (the library's own messages).
std::string Utf8ToCp932(const std::string& utf8);

}  // namespace norva::sxf
