#pragma once
// What the drawing sheet draws on. Two kinds of target take the same calls:
// the printed page (twips, y down from the top edge, font sizes in points,
// text angles in tenths of a degree) and an SXF drawing file (millimetres,
// y up). The sheet code works in sheet millimetres and converts through
// UnitsPerMm and YDown only; calls that one kind of target has no use for
// (composite figures and layer attributes on paper, the pen style in a file)
// are ignored by the other, so the title and section code never asks which
// target it draws on.
#include <string>
#include <vector>

namespace norva {

class CDocument;
class SheetRun;

// One chain of serial dimensions: points 0..ns with texts[i] the text of the
// interval from point i-1 to point i (texts[0] is not read).
struct SheetChain {
  enum class Kind { kHorizontal, kVertical, kRotated };
  Kind kind = Kind::kHorizontal;
  std::vector<double> xs, ys;
  std::vector<std::string> texts;
  // The dimension line: its y (horizontal), its x (vertical), or a point of it
  // and its direction in radians (rotated).
  double pos = 0;
  double refX = 0, refY = 0, angle = 0;
  // Placement code ("UU", "UL", ...), passed on unchanged.
  std::string typ = "UU";

  int Last() const { return static_cast<int>(xs.size()) - 1; }
};

class ISheetTarget {
 public:
  virtual ~ISheetTarget() = default;

  // ---- units ---------------------------------------------------------------
  // Target units per sheet millimetre, and whether y grows toward the bottom.
  virtual double UnitsPerMm() const = 0;
  virtual bool YDown() const = 0;
  // Two neighbouring chain points closer than this (target units: x apart on
  // a horizontal chain, y on a vertical one, along the line on a rotated one)
  // are one point to the target's dimension drawing.
  virtual double ChainMergeDistance(SheetChain::Kind kind) const = 0;

  // ---- one output ------------------------------------------------------------
  // Prepares the target for the sheet of run (paper size set) and sets the
  // run's origin to the lower-left corner of the sheet. False: nothing may be
  // drawn (a file not opened); the run ends there.
  virtual bool Open(SheetRun& run, const CDocument& doc) = 0;
  // Ends the output after the section has been drawn.
  virtual void Finish(SheetRun& run, const CDocument& doc) = 0;

  // ---- drawing, in target units ------------------------------------------------
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // Writes the text at the current position; the position does not move.
  virtual void Text(const std::string& utf8) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
  virtual void DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) = 0;
  // A text height in millimetres, which the target turns into its own font unit.
  virtual void SetFontSizeMm(double mm) = 0;
  virtual double TextWidth(const std::string& utf8) const = 0;
  virtual double TextHeight(const std::string& utf8) const = 0;
  // 0..8: top, bottom, middle (align / 3) x left, centre, right (align % 3).
  virtual void SetTextAlign(int align) = 0;
  // Counter-clockwise on the sheet, degrees.
  virtual void SetTextAngle(double degrees) = 0;
  // One serial dimension in target units, merged points already dropped.
  virtual void DrawChain(const SheetChain& chain) = 0;

  // ---- what only one kind of target uses -------------------------------------------
  // Paper: the pen style (0 solid, 2 dotted), and the life of the dimension
  // object that draws the chains of one section.
  virtual void SetPenStyle(int /*style*/) {}
  virtual void BeginDimensions() {}
  virtual void EndDimensions() {}
  // SXF: composite figures, the current line and text attributes, placements.
  virtual void SetFukugo(const std::string& /*name*/) {}
  virtual void SetCurLineAttrib(int /*layer*/, int /*color*/, int /*type*/, int /*width*/) {}
  virtual void SetCurFontAttrib(int /*layer*/, int /*color*/, int /*font*/, double /*spacing*/,
                                double /*slant*/, int /*direction*/) {}
  virtual void SetFukugoLocate(int /*layer*/, const std::string& /*name*/, double /*x*/,
                               double /*y*/, double /*angle*/, double /*ratioX*/,
                               double /*ratioY*/) {}
};

}  // namespace norva
