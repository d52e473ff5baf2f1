#include "drawing/sheet/printed_sheet.h"

#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "drawing/base/sunpousen.h"
#include "drawing/sheet/sheet_run.h"

namespace norva {

// The dimension-line object of one section: black, size class N, texts
// 2.5 mm high (in points). A text too long for the room between its arrows
// is set off the line rather than over the arrow strokes.
struct PrintedSheet::Dimensions {
  explicit Dimensions(Canvas& page) {
    dim.SetDrawObject(page);
    dim.SetMsize("N");
    dim.SetKihonMojiH(2.5 / 25.4 * 72);
    dim.SetLineColor(0);
    dim.SetTextColor(0);
    dim.SetTextsClearOfArrows(true);
  }
  Sunpousen dim;
};

PrintedSheet::PrintedSheet(Canvas& page) : page_(page) {}
PrintedSheet::~PrintedSheet() = default;

double PrintedSheet::PageWidthMm() const {
  return std::max(paperWidth_, paperHeight_) / kTwipsPerMm;
}
double PrintedSheet::PageHeightMm() const {
  return std::min(paperWidth_, paperHeight_) / kTwipsPerMm;
}

double PrintedSheet::ChainMergeDistance(SheetChain::Kind kind) const {
  // The dimension lines drop a point within 0.01 twip of the one before on
  // horizontal and rotated chains, within one twip on vertical ones.
  return kind == SheetChain::Kind::kVertical ? 1.0 : 0.01;
}

bool PrintedSheet::Open(SheetRun& run, const CDocument& doc) {
  page_.Clear();
  orientation_ = 0;
  switch (doc.Sheet) {
    case 2:
      paperSize_ = 66;
      break;
    case 3:
      paperSize_ = 8;
      break;
    case 4:
      paperSize_ = 9;
      break;
    default:
      paperSize_ = 256;
      break;
  }
  // The paper is given portrait, then turned.
  paperWidth_ = run.SkzPaperH * kTwipsPerMm;
  paperHeight_ = run.SkzPaperW * kTwipsPerMm;
  orientation_ = 1;
  const double w = paperHeight_, h = paperWidth_;
  page_.SetScale(0, 0, w, h);
  page_.SetExtent(w, h);
  run.SkzOrgY = run.SkzPaperH * kTwipsPerMm;
  run.SkzOrgX = 0;
  return true;
}

void PrintedSheet::Finish(SheetRun&, const CDocument&) {}

void PrintedSheet::DrawLine(double x1, double y1, double x2, double y2) {
  page_.DrawLine(x1, y1, x2, y2);
}

void PrintedSheet::DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) {
  std::vector<CanvasPoint> pts(std::min(xs.size(), ys.size()));
  for (size_t i = 0; i < pts.size(); ++i) pts[i] = {xs[i], ys[i]};
  page_.PolyLine(pts);
}

void PrintedSheet::SetFontSizeMm(double mm) {
  fontPoints_ = mm / 25.4 * 72;
  // The canvas takes the em height in its own units: twips, 20 a point.
  page_.SetFontSize(fontPoints_ * 20);
}

void PrintedSheet::SetTextAngle(double degrees) {
  page_.SetTextAngle(static_cast<int>(std::lround(degrees * 10)));
}

void PrintedSheet::BeginDimensions() { dims_ = std::make_unique<Dimensions>(page_); }
void PrintedSheet::EndDimensions() { dims_.reset(); }

void PrintedSheet::DrawChain(const SheetChain& c) {
  if (!dims_ || c.Last() < 1) return;
  int32_t ns = c.Last();
  // The dimension lines may reorder or shift their arrays: hand them copies.
  std::vector<double> xs = c.xs, ys = c.ys;
  std::vector<std::string> texts = c.texts;
  switch (c.kind) {
    case SheetChain::Kind::kHorizontal:
      dims_->dim.HSunp(ns, xs, ys, c.pos, c.typ, texts);
      break;
    case SheetChain::Kind::kVertical:
      dims_->dim.VSunp(ns, xs, ys, c.pos, c.typ, texts);
      break;
    case SheetChain::Kind::kRotated:
      dims_->dim.RotSunp(ns, xs, ys, c.refX, c.refY, c.angle, c.typ, texts);
      break;
  }
}

}  // namespace norva
