#pragma once
// The printed page as a target of the drawing sheet: a Canvas whose logical
// space is the landscape page in twips (56.7 a millimetre), y down from the
// top edge, shown by the preview and sent to a printer or a PDF by the
// canvas renderer. Font sizes are points, text angles tenths of a degree.
// The dimension chains are drawn by a dimension-line object (Sunpousen,
// black, 2.5 mm texts) that lives from BeginDimensions to EndDimensions;
// chains outside that span draw nothing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"
#include "drawing/base/cdraw.h"  // kTwipsPerMm
#include "drawing/sheet/sheet_target.h"

namespace norva {

class PrintedSheet : public ISheetTarget {
 public:
  explicit PrintedSheet(Canvas& page);
  ~PrintedSheet() override;

  // The page set-up the last output made: the paper code (66 A2, 8 A3, 9 A4,
  // 256 a paper of its own size), the paper's width and height as given
  // (portrait, twips) and the orientation (1 landscape). Before any output:
  // code 0 and no size.
  int16_t PaperSize() const { return paperSize_; }
  double PaperWidth() const { return paperWidth_; }
  double PaperHeight() const { return paperHeight_; }
  int16_t Orientation() const { return orientation_; }
  // The landscape page, millimetres.
  double PageWidthMm() const;
  double PageHeightMm() const;
  // Current text settings, in the page's units.
  double FontSize() const { return fontPoints_; }
  int TextAngle() const { return page_.Style().textAngle; }
  int PenStyle() const { return page_.Style().penStyle; }

  double UnitsPerMm() const override { return kTwipsPerMm; }
  bool YDown() const override { return true; }
  double ChainMergeDistance(SheetChain::Kind kind) const override;
  // Clears the page and sets it up for the run's paper, landscape.
  bool Open(SheetRun& run, const CDocument& doc) override;
  void Finish(SheetRun& run, const CDocument& doc) override;

  void SetCurrentX(double x) override { page_.SetCurrentX(x); }
  void SetCurrentY(double y) override { page_.SetCurrentY(y); }
  void Text(const std::string& utf8) override { page_.Text(utf8); }
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) override;
  void SetFontSizeMm(double mm) override;
  double TextWidth(const std::string& utf8) const override { return page_.TextWidth(utf8); }
  double TextHeight(const std::string& utf8) const override { return page_.TextHeight(utf8); }
  void SetTextAlign(int align) override { page_.SetTextAlign(align); }
  void SetTextAngle(double degrees) override;
  void DrawChain(const SheetChain& chain) override;
  void SetPenStyle(int style) override { page_.SetPenStyle(style); }
  void BeginDimensions() override;
  void EndDimensions() override;

 private:
  struct Dimensions;
  Canvas& page_;
  int16_t paperSize_ = 0;
  double paperWidth_ = 0, paperHeight_ = 0;
  int16_t orientation_ = 0;
  double fontPoints_ = 0;
  std::unique_ptr<Dimensions> dims_;
};

}  // namespace norva
