#pragma once
// CSxf: the SXF drawing file as the drawing sheet's target. It offers the
// members the sheet draws through, in sheet millimetres with y up, text
// heights in millimetres and text angles in degrees counter-clockwise, and
// hands every write at once to one export of the SXF writer library with the
// object's FileType first (1: the P21 form, 0: the SFC form). Texts go to the
// library in CP932. Nothing is buffered here: the open file, its tables and
// its composite figures live in the library.
//
// Results are the library's (negative: refused or failed), except Text and
// SetFukugo, which do not pass the library's answer on. The serial
// dimensions (HSunp, VSunp, RotSunp) stop at the first negative result.
#include <cstdint>
#include <string>
#include <vector>

#include "drawing/base/sxf_library.h"

namespace norva {

class CSxf {
 public:
  explicit CSxf(ISxfLibrary& library = SorvelLibrary()) : lib_(library) {}

  int16_t FileType = 0;
  double CurrentX = 0, CurrentY = 0;
  double FontSize = 5.0;
  double TextAngle = 0;

  // ---- file ------------------------------------------------------------------------
  int32_t SxfFileOpen(const std::string& fileName, double tolerance, double tolerance2);
  int32_t FileClose();
  // The library's pending message (UTF-8), NULs and blanks trimmed.
  int32_t GetMsg(int32_t& number, std::string& message);

  // ---- tables and sheet ----------------------------------------------------------------
  int32_t SetLayer(const std::string& sLayerName, int32_t nViewFlag);
  int32_t SetColor(const std::string& sColorName);
  int32_t SetLineType(const std::string& sLineTypeName);
  int32_t SetLineWidth(double width);
  int32_t SetFont(const std::string& sFontName);
  // Paper by nType: 0 A0 .. 4 A4, 9 free (the smaller and the larger of x and
  // y); any other code keeps the sizes. Declares the sheet with the long side
  // as its x size.
  int32_t SetSheet(const std::string& SheetName, int32_t nType, int32_t nOrient, int32_t x,
                   int32_t y);
  int32_t PaperWidth() const { return paperWidth_; }
  int32_t PaperHeight() const { return paperHeight_; }

  // ---- composite figures -------------------------------------------------------------------
  // Opens a figure of kind nFlag; always 0 (the library's message is taken and dropped).
  int32_t SetFukugo(const std::string& newName, int32_t nFlag);
  int32_t SetFukugoLocate(int32_t nLayer, const std::string& sName, double x, double y,
                          double Angle, double ratio_x, double ratio_y);

  // ---- attributes --------------------------------------------------------------------------
  int32_t SetCurLineAttrib(int32_t nLayer, int32_t nColor, int32_t nType, int32_t nWidth);
  void SetCurFontAttrib(int32_t nLayer, int32_t nColor, int32_t nFont, double fSpc, double fSlant,
                        int32_t nDirect);
  // 0..8 (top, bottom, middle x left, centre, right), stored as the SXF base
  // point 7, 8, 9, 1, 2, 3, 4, 5, 6; any other value is ignored. Reads 0
  // before the first setting.
  void SetTextAlign(int32_t align);
  int32_t TextAlign() const;

  // ---- drawing -----------------------------------------------------------------------------
  int32_t DrawLine(double start_x, double start_y, double end_x, double end_y);
  // The first count values of each array (fewer when an array is shorter).
  int32_t DrawPolyLine(int32_t count, const std::vector<double>& x, const std::vector<double>& y);
  // Writes the text at (CurrentX, CurrentY); nothing for an empty text.
  void Text(const std::string& utf8);
  // The box Text writes: n characters make a run of n FontSize + (n - 1) fSpc,
  // the width of a horizontal text and the height of a vertical one.
  double TextWidth(const std::string& utf8) const;
  double TextHeight(const std::string& utf8) const;

  // ---- serial dimensions ----------------------------------------------------------------------
  // Points 0..ns (texts[i] the text of the interval ending at point i). Points
  // closer than 0.01 mm to the previous one along the line are dropped with
  // the text of the empty interval (ns and texts change). Returns the result
  // of the last feature written, 0 when nothing was written.
  int32_t HSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                double Ysnp, const std::string& typ, std::vector<std::string>& Sunp);
  int32_t VSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                double Xsnp, const std::string& typ, std::vector<std::string>& Sunp);
  // Along the line through (Xsnp, Ysnp) with the direction (cos a, -sin a).
  int32_t RotSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                  double Xsnp, double Ysnp, double a, const std::string& typ,
                  std::vector<std::string>& Sunp);

 private:
  int32_t Chain(bool vertical, int32_t& ns, const std::vector<double>& xs,
                const std::vector<double>& ys, double pos, const std::string& typ,
                std::vector<std::string>& Sunp);
  int32_t WriteDims(const std::vector<sxf::SxfLinearDimRec>& recs,
                    const std::vector<std::string>& texts);

  ISxfLibrary& lib_;
  int32_t lineLayer_ = 0, lineColor_ = 0, lineType_ = 0, lineWidth_ = 0;
  int32_t textLayer_ = 1, textColor_ = 1, font_ = 1;
  double fSpc_ = 0, fSlant_ = 0;
  int32_t nDirect_ = 1;
  int32_t paperWidth_ = 0, paperHeight_ = 0;
  int32_t basePoint_ = 0;
};

// Number of characters of a UTF-8 text (a double-byte character counts one).
int32_t CharCount(const std::string& utf8);

}  // namespace norva
