#pragma once
// An independent reader of SXF files for the tests, written from the format's
// public description and sharing no code with the writer. It checks a file
// (any finding is an error) and reads it back into the drawing it shows: every
// element in sheet coordinates, composite figures resolved, with names in
// place of table codes, so an SFC file and a P21 file can be compared.
#include <string>
#include <vector>

namespace sxfcheck {

struct Element {
  std::string kind;                     // line, polyline, circle, arc, text, dim
  std::string layer, colour, lineType;  // names; UTF-8
  double width = 0;
  // line: ends; polyline: points; circle/arc: centre; text: reference point;
  // dim: line start, end, projection 1 start, end, projection 2 start, end,
  // arrow 1, arrow 2, text reference (absent parts as NaN).
  std::vector<double> xs, ys;
  double radius = 0, start = 0, end = 0;
  std::string text, font;  // text and dimension text, UTF-8
  double height = 0, textWidth = 0, angle = 0, slant = 0, spacing = 0;
  int basePoint = 0, direction = 0;
  int arrow1 = 0, arrow2 = 0;  // in/out flags
};

struct Drawing {
  std::vector<std::string> errors;
  std::vector<Element> elements;
  std::string sheetName;  // UTF-8
  int paperX = 0, paperY = 0;
};

Drawing ReadSfc(const std::string& bytes);
Drawing ReadP21(const std::string& bytes);
// "" when both show the same drawing (coordinates within 1e-6), else what differs.
std::string Compare(const Drawing& a, const Drawing& b);

}  // namespace sxfcheck
