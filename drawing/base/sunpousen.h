#pragma once
// Sunpousen is the dimension-line class 寸法線: chains of serial dimensions
// along a horizontal, vertical or inclined line, an arc dimension, and the
// text helpers the figures use for their own labels.
//
// Targets. It draws on one of two targets, set with SetDrawObject:
// - a cDraw (the wall-section figures on the screens and in report pictures):
//   KihonMojiH is a height in device units at zoom 100 (the figures use
//   170.1, 3 mm x 56.7) and is scaled by the canvas zoom; font sizes go to the
//   cDraw in device units (rounded to whole units, half to even) and the text
//   position is its X1/Y1;
// - a printed page (the drawing sheet): a norva::Canvas whose logical units
//   are twips, standing for the print-preview control. KihonMojiH is then in
//   points (the sheet uses 2.5 / 25.4 * 72 for 2.5 mm); a font size of p
//   points is set on the canvas as an em height of 20 p twips; the text
//   position is its CurrentX/CurrentY.
// Either way everything the class draws is in the target's device units
// (twips, y down); it never maps model coordinates (callers map their points
// with cDraw::GetX/GetY first), and lines reach a cDraw unmapped.
// The target is not owned and must outlive the calls. Without a target the
// chains draw nothing and change nothing.
//
// Texts are UTF-8. Colours are &HBBGGRR numbers.
//
// The chains take any number of points. Their arrays are read at the indices
// 0 to ns (the texts at 1 to ns); arrays that do not hold those indices draw
// nothing and change nothing.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>

#include "drawing/base/canvas.h"
#include "drawing/base/cdraw.h"

namespace norva {

class Sunpousen {
 public:
  Sunpousen() = default;

  // ---- target and settings ----------------------------------------------------
  void SetDrawObject(cDraw& target);
  void SetDrawObject(Canvas& page);
  void ClearDrawObject();
  bool HasDrawObject() const { return draw_ != nullptr || page_ != nullptr; }

  // Size class, one upper-case letter: T 0.6, S 0.8, N 1.0, L 1.2, H 1.4 times
  // the base height. Set stores the first character of the value followed by
  // "N", upper-cased: "l" -> "L", "" -> "N", "Xtra" -> "X". A letter without a
  // factor makes MojiH and MojiB 0, and the chains draw with zero sizes.
  const std::string& Msize() const { return msize_; }
  void SetMsize(const std::string& value);
  double KihonMojiH() const { return kihonMojiH_; }
  void SetKihonMojiH(double v) { kihonMojiH_ = v; }
  // Pen colour of lines, arrows, ticks and extension lines and fill of the
  // dots; colour of the texts. Both start blue (0xFF0000).
  uint32_t LineColor() const { return lineColor_; }
  void SetLineColor(uint32_t c) { lineColor_ = c; }
  uint32_t TextColor() const { return textColor_; }
  void SetTextColor(uint32_t c) { textColor_ = c; }
  // Off by default: the text of a wide interval stays centred on the line's
  // row even where it is longer than the room between the interval's arrows,
  // over their strokes. On: such a text leaves the row as a crowded text does
  // (one step, or two when it is also too close to the last text moved one
  // step), clear of the strokes. Texts of narrow intervals keep their places.
  // The drawing sheet sets it.
  bool TextsClearOfArrows() const { return clearArrows_; }
  void SetTextsClearOfArrows(bool on) { clearArrows_ = on; }

  // ---- texts ----------------------------------------------------------------------
  // Text height of the size class, whole device units (half to even). The base
  // height B (single precision) is KihonMojiH * zoom / 100 on a cDraw and
  // KihonMojiH * 25.4 / 72 * 56.7 on a page. 170.1 at zoom 100 gives 170 (N)
  // and 102 (T); at zoom 200 340 (N); 2.5 mm on a page gives 142 (N), 113 (S).
  // 0 without a target.
  int32_t MojiH() const;
  // Width of the text at the size class, whole device units (half to even):
  // measured once at the N height and scaled by the factor. The target's font
  // size is put back afterwards. 0 without a target.
  int32_t MojiB(const std::string& moji);
  // Writes one text: font size siz (device units; on a page converted to
  // points), angle rad degrees counter-clockwise, in TextColor, at (x, y)
  // device units. TextAlign and BackStyle are the target's as they stand.
  // The target's font size, text angle and text colour are put back after.
  void DrwMoji(double siz, double x, double y, const std::string& moji, double rad);
  // A length (mm) as a dimension text: f + 0.5 truncated toward zero,
  // formatted "####0". 250.5 -> "251", 0.49 -> "0", 999.5 -> "1000",
  // -2.7 -> "-2" (not symmetric for negative values).
  static std::string SunpouMoji(double fSunp);
  // Estimated size of a text at font size siz (points), without drawing:
  // per character, width = round(0.925 * siz + width) for a double-byte
  // character of code page 932 and round(0.675 * siz + width) otherwise
  // (rounded after every character, half to even); height = round(1.3 * siz).
  // Results in points. Two double-byte and one single-byte character at 10
  // give 25 (9, 18, 25) and 13.
  struct TextWH {
    int32_t width = 0;
    int32_t height = 0;
  };
  static TextWH GetTextWH(const std::string& text, float siz);

  // ---- chains ----------------------------------------------------------------------
  // Common to the chains: h = MojiH. ns is the index of the last point; points
  // closer than the chain's limit to the point before them are dropped with
  // the text of their interval and ns comes back reduced (of three coincident
  // points in a row the third stays). With fewer than two points left nothing
  // is drawn. The target's pen colour is LineColor during the call and put
  // back after; TextAlign is left 0, BackStyle 0 (cDraw only), and after a dot
  // the brush style 0 and brush colour LineColor stay.
  //
  // Placement codes (two letters; only the codes named decide):
  //   HSunp   texts below the line for "LL"/"LU", else above; crowded texts
  //           move up for "UU"/"LU", else down.
  //   VSunp   texts right of the line for "RR"/"RL", else left; crowded
  //           texts move left for "LL"/"RL", else right.
  //   RotSunp texts on the line (top edge on it, side of ang + 90 degrees)
  //           for "LL"/"LU", else h off toward ang - 90 degrees; crowded
  //           texts move toward ang - 90 degrees for "UU"/"LU", else toward
  //           ang + 90 degrees.

  // Horizontal chain at y = ysnp through the points xsp/ysp (increasing x).
  // Points within 0.01 in x of the point before are dropped; the entries of
  // sunp after a dropped point move down one place in the caller's array.
  // msize is not used.
  void HSunp(int32_t& ns, std::span<const double> xsp, std::span<const double> ysp, double ysnp,
             const std::string& typ, std::span<std::string> sunp, const std::string& msize = "N");
  // Vertical chain at x = xsnp. Before drawing, the caller's xsp, ysp and sp
  // are reordered in place so that y decreases (a chain given top to bottom
  // comes back bottom to top, each text still with its interval; one given
  // bottom to top is left as it is). Points within 1 device unit in y of the
  // point before are dropped from the chain's own copies only (ns is still
  // reduced). Texts are written at 90 degrees, reading upward. sflg is not used.
  void VSunp(int32_t& ns, std::span<double> xsp, std::span<double> ysp, double xsnp,
             const std::string& typ, std::span<std::string> sp, bool sflg = false);
  // Chain along the line through (xsnp, ysnp) in direction ang (radians, in
  // device coordinates: a positive angle turns from +x toward +y, i.e.
  // clockwise on the page). Points off the line get extension lines; an
  // interval is measured square to them. Points whose extension lines are
  // closer than 0.01 are dropped (the caller's sunp shifts as in HSunp).
  // Every line end is rounded to whole device units. Texts lie along the line
  // at -ang degrees. sflg is not used.
  void RotSunp(int32_t& ns, std::span<const double> xsp, std::span<const double> ysp, double xsnp,
               double ysnp, double ang, const std::string& typ, std::span<std::string> sunp,
               int32_t sflg = 0);
  // Arc dimension: the arc of radius hankei about (xs, ys) from th through tr
  // (radians, counter-clockwise on the page), arrows at both ends and the text
  // set character by character along the arc, centred on its middle; outside
  // the arc when lr is "R" in any case, else inside. reverseText (文字反転)
  // reverses the reading direction chosen. The pen is drawn with width 0 and
  // style 0; the target's pen colour, style and width are put back exactly.
  // Draws only on a cDraw target; pflg is not used.
  void RSunp(double xs, double ys, double hankei, double th, double tr, const std::string& moji,
             const std::string& lr, int32_t pflg, bool reverseText);

 private:
  class Target;
  class PenScope;
  struct ChainUnits {
    int32_t h = 0;
    double q = 0, g = 0, r = 0, one = 0, two = 0;
  };
  Target target() const;
  ChainUnits Units();
  double FactorOf() const;
  // The chain's test for texts on their arrows, when TextsClearOfArrows is on.
  std::function<bool(int)> Blocked(std::function<bool(int)> onArrow) const {
    return clearArrows_ ? std::move(onArrow) : nullptr;
  }

  cDraw* draw_ = nullptr;
  Canvas* page_ = nullptr;
  double kihonMojiH_ = 0;
  std::string msize_ = "N";
  uint32_t lineColor_ = 0xFF0000;
  uint32_t textColor_ = 0xFF0000;
  bool clearArrows_ = false;
};

}  // namespace norva
