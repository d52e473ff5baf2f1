#pragma once
// The drawing sheet as an SXF file: SkzSxfOpen asks for the file, opens it
// through a CSxf and registers the layers, colours, line types, widths and
// the font the sheet draws with; SkzSxfFinish declares the sheet, places the
// title, quantity-table and section figures on it and closes the file.
//
// Messages go through MessageSink(): the writer's refusal to open
// ("ｴﾗｰが発生しました。" and its message), the question before an existing
// file is replaced, and a file the writer could not complete at close.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drawing/base/csxf.h"
#include "drawing/sheet/sheet_target.h"

namespace norva {

class CDocument;
class SheetRun;

// What the output dialog gives back.
struct SxfFileChoice {
  std::string folder;    // in: the document's folder; out: the chosen one
  std::string fileName;  // out: e.g. "D0SS0010.p21"
  int16_t fileType = 1;  // out: 1 P21, 0 SFC
};
// Shows the output dialog; false when it was cancelled.
using SxfFileDialog = std::function<bool(SxfFileChoice& choice)>;

// The folder and the file name joined by one separator.
std::string SxfFilePath(const std::string& folder, const std::string& fileName);

// The sheet's composite placements: where (0, 0) of "MATERIAL" and of
// "STANDARD-SEC" land on the sheet.
struct SxfPlacements {
  double materialX = 0, materialY = 0;
  double sectionX = 0, sectionY = 0;
};
SxfPlacements SxfFigurePlacements(const SheetRun& run, const CDocument& doc);

class SxfSheet : public ISheetTarget {
 public:
  SxfSheet(SxfFileDialog dialog, ISxfLibrary& library = SorvelLibrary());

  CSxf& Writer() { return sxf_; }
  // The file of the last output ("" before one was opened) and whether it was
  // written whole.
  const std::string& Path() const { return path_; }
  bool Written() const { return written_; }

  double UnitsPerMm() const override { return 1.0; }
  bool YDown() const override { return false; }
  double ChainMergeDistance(SheetChain::Kind) const override { return 0.01; }
  bool Open(SheetRun& run, const CDocument& doc) override;
  void Finish(SheetRun& run, const CDocument& doc) override;

  void SetCurrentX(double x) override { sxf_.CurrentX = x; }
  void SetCurrentY(double y) override { sxf_.CurrentY = y; }
  void Text(const std::string& utf8) override { sxf_.Text(utf8); }
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) override;
  void SetFontSizeMm(double mm) override { sxf_.FontSize = mm; }
  double TextWidth(const std::string& utf8) const override { return sxf_.TextWidth(utf8); }
  double TextHeight(const std::string& utf8) const override { return sxf_.TextHeight(utf8); }
  void SetTextAlign(int align) override { sxf_.SetTextAlign(align); }
  void SetTextAngle(double degrees) override { sxf_.TextAngle = degrees; }
  void DrawChain(const SheetChain& chain) override;
  void SetFukugo(const std::string& name) override { sxf_.SetFukugo(name, 3); }
  void SetCurLineAttrib(int layer, int color, int type, int width) override;
  void SetCurFontAttrib(int layer, int color, int font, double spacing, double slant,
                        int direction) override;
  void SetFukugoLocate(int layer, const std::string& name, double x, double y, double angle,
                       double ratioX, double ratioY) override;

 private:
  SxfFileDialog dialog_;
  CSxf sxf_;
  std::string path_;
  bool written_ = false;
};

// Open and finish of one SXF output (the target's Open and Finish).
bool SkzSxfOpen(SheetRun& run, const CDocument& doc, CSxf& sxf, const SxfFileDialog& dialog,
                std::string& path);
bool SkzSxfFinish(SheetRun& run, const CDocument& doc, CSxf& sxf);

}  // namespace norva
