#include "drawing/sheet/sheet_run.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "document/document.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "drawing/sheet/sheet_sections.h"
#include "drawing/sheet/sheet_title.h"

namespace norva {

const std::array<SxfLayerDef, 21> kSxfLayers{{
    {"", 0, 0, 0},           {"D-TTL", 5, 1, 1},      {"D-TTL-FRAM", 5, 1, 1},
    {"D-TTL-LINE", 8, 1, 1}, {"D-TTL-TXT", 8, 1, 1},  {"D-BGD", 8, 1, 1},
    {"D-BGD-DIM", 8, 1, 1},  {"D-BGD-TXT", 8, 1, 1},  {"D-BGD-HTXT", 8, 1, 1},
    {"D-BMK", 5, 8, 1},      {"D-BMK-HTXT", 8, 1, 1}, {"D-STR", 2, 1, 1},
    {"D-STR-STR1", 2, 1, 1}, {"D-STR-STRn", 2, 1, 1}, {"D-STR-DIM", 8, 1, 1},
    {"D-STR-TXT", 8, 1, 1},  {"D-STR-HTXT", 8, 1, 1}, {"D-MTR", 8, 1, 1},
    {"D-MTR-FRAM", 8, 1, 1}, {"D-MTR-TXT", 8, 1, 1},  {"D-MTR-MTXT", 8, 1, 1},
}};

bool SheetPaperSize(int16_t sheet, double& paperH, double& paperW) {
  static const double kSizes[5][2] = {{841, 1189}, {594, 841}, {420, 594}, {297, 420}, {210, 297}};
  if (sheet < 0 || sheet > 4) return false;
  paperH = kSizes[sheet][0];
  paperW = kSizes[sheet][1];
  return true;
}

double SheetScale(int16_t drwScale) {
  static const double kDenominators[7] = {10, 20, 30, 40, 50, 100, 200};
  if (drwScale < 0 || drwScale > 6) return 0;
  return 1.0 / kDenominators[drwScale];
}

// ---- primitives ------------------------------------------------------------------------

double SheetRun::ToTargetX(double x) const { return SkzOrgX + SkzTarget->UnitsPerMm() * x; }

double SheetRun::ToTargetY(double y) const {
  const double k = SkzTarget->UnitsPerMm();
  return SkzTarget->YDown() ? SkzOrgY - k * y : SkzOrgY + k * y;
}

void SheetRun::SkzText(double x, double y, const std::string& text) {
  SkzTarget->SetCurrentX(ToTargetX(x));
  SkzTarget->SetCurrentY(ToTargetY(y));
  SkzTarget->Text(text);
}

void SheetRun::SkzLine(double x1, double y1, double x2, double y2) {
  SkzTarget->DrawLine(ToTargetX(x1), ToTargetY(y1), ToTargetX(x2), ToTargetY(y2));
}

void SheetRun::SkzPolyLine(int32_t n, const std::vector<double>& xs,
                           const std::vector<double>& ys) {
  if (n <= 1) return;
  const size_t count = std::min({static_cast<size_t>(n), xs.size(), ys.size()});
  std::vector<double> tx(count), ty(count);
  for (size_t i = 0; i < count; ++i) {
    tx[i] = ToTargetX(xs[i]);
    ty[i] = ToTargetY(ys[i]);
  }
  SkzTarget->DrawPolyLine(tx, ty);
}

namespace {

SheetChain MakeChain(SheetChain::Kind kind, int32_t ns, const std::vector<double>& xs,
                     const std::vector<double>& ys, const std::vector<std::string>& texts,
                     const std::string& typ) {
  SheetChain c;
  c.kind = kind;
  const size_t count = ns < 0 ? 0 : std::min({static_cast<size_t>(ns) + 1, xs.size(), ys.size()});
  c.xs.assign(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(count));
  c.ys.assign(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(count));
  c.texts = texts;
  c.typ = typ;
  return c;
}

// Drops every point that lies within `dist` of the last point kept, with the
// text of the empty interval that ends at it; the texts of the later
// intervals keep their intervals.
void MergeChainPoints(SheetChain& c, double dist) {
  const double ux = std::cos(c.angle), uy = std::sin(c.angle);
  std::vector<double> xs{c.xs[0]}, ys{c.ys[0]};
  std::vector<std::string> texts{c.texts[0]};
  for (size_t i = 1; i < c.xs.size(); ++i) {
    const double dx = c.xs[i] - xs.back(), dy = c.ys[i] - ys.back();
    double gap = 0;
    switch (c.kind) {
      case SheetChain::Kind::kHorizontal:
        gap = std::fabs(dx);
        break;
      case SheetChain::Kind::kVertical:
        gap = std::fabs(dy);
        break;
      case SheetChain::Kind::kRotated:
        gap = std::fabs(dx * ux + dy * uy);
        break;
    }
    if (gap < dist) continue;
    xs.push_back(c.xs[i]);
    ys.push_back(c.ys[i]);
    texts.push_back(c.texts[i]);
  }
  c.xs = std::move(xs);
  c.ys = std::move(ys);
  c.texts = std::move(texts);
}

}  // namespace

void SheetRun::SkzChain(const SheetChain& chain) {
  if (chain.Last() < 1 || chain.ys.size() != chain.xs.size()) return;
  SheetChain t = chain;
  t.texts.resize(t.xs.size());
  for (size_t i = 0; i < t.xs.size(); ++i) {
    t.xs[i] = ToTargetX(t.xs[i]);
    t.ys[i] = ToTargetY(t.ys[i]);
  }
  switch (t.kind) {
    case SheetChain::Kind::kHorizontal:
      t.pos = ToTargetY(t.pos);
      break;
    case SheetChain::Kind::kVertical:
      t.pos = ToTargetX(t.pos);
      break;
    case SheetChain::Kind::kRotated:
      t.refX = ToTargetX(t.refX);
      t.refY = ToTargetY(t.refY);
      break;
  }
  MergeChainPoints(t, SkzTarget->ChainMergeDistance(t.kind));
  if (t.Last() < 1) return;
  SkzTarget->DrawChain(t);
}

void SheetRun::SkzHSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                        const std::vector<std::string>& texts, double ypos,
                        const std::string& typ) {
  SheetChain c = MakeChain(SheetChain::Kind::kHorizontal, ns, xs, ys, texts, typ);
  c.pos = ypos;
  SkzChain(c);
}

void SheetRun::SkzVSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                        const std::vector<std::string>& texts, double xpos,
                        const std::string& typ) {
  SheetChain c = MakeChain(SheetChain::Kind::kVertical, ns, xs, ys, texts, typ);
  c.pos = xpos;
  SkzChain(c);
}

void SheetRun::SkzRotSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                          double x, double y, double ang, const std::string& typ,
                          const std::vector<std::string>& texts) {
  SheetChain c = MakeChain(SheetChain::Kind::kRotated, ns, xs, ys, texts, typ);
  c.refX = x;
  c.refY = y;
  c.angle = ang;
  SkzChain(c);
}

void SheetRun::SkzFontSize(double h) { SkzTarget->SetFontSizeMm(h); }

double SheetRun::SkzTextWidth(const std::string& text) const {
  return SkzTarget->TextWidth(text) / SkzTarget->UnitsPerMm();
}

double SheetRun::SkzTextHeight(const std::string& text) const {
  return SkzTarget->TextHeight(text) / SkzTarget->UnitsPerMm();
}

void SheetRun::SkzCenterText(double x, double y, double w, double h, const std::string& text) {
  SkzTarget->SetTextAlign(0);
  const double tw = SkzTextWidth(text);
  const double th = SkzTextHeight(text);
  SkzText(x + (w - tw) * 0.5, y - (h - th) * 0.5, text);
}

void SheetRun::LineAttrib(int layer, int lineType) {
  const SxfLayerDef& l = kSxfLayers.at(static_cast<size_t>(layer));
  SkzTarget->SetCurLineAttrib(layer, l.color, lineType ? lineType : l.lineType, l.width);
}

void SheetRun::FontAttrib(int layer) {
  SkzTarget->SetCurFontAttrib(layer, kSxfLayers.at(static_cast<size_t>(layer)).color, 1, 0, 0, 1);
}

void SheetRun::SkzSetOrigin(const CDocument& doc) {
  if (SkzSxfMode == 1) {
    SkzOrgX = SkzOrgY = 0;
    return;
  }
  const double k = SkzTarget->UnitsPerMm();
  const double side = doc.Margin(0) + doc.Margin(1);
  double fw = SkzPaperW - side - SkzFigW;
  // The right-hand column holds the title block (100 mm) and the table.
  const double column = MaxOf(kSheetTitleColumn, {SkzMatW});
  if (fw * 0.5 < column) fw = SkzPaperW - side - column - SkzFigW;
  const double fh = SkzPaperH - doc.Margin(2) - doc.Margin(3) - SkzFigH;
  SkzOrgX = (doc.Margin(0) + 0.5 * MaxOf(0.0, {fw})) * k;
  SkzOrgY = (doc.Margin(2) + 0.5 * MaxOf(0.0, {fh}) + SkzFigH) * k;
}

// ---- the driver --------------------------------------------------------------------------

namespace {

bool Entered(double v) { return !IsNullValue(v); }

bool AllEntered(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), Entered);
}

bool WallEntered(const CDocument& d) {
  switch (d.WallType()) {
    case 0: {
      if (!AllEntered({d.WallH, d.BlkT, d.BlkN, d.BlkDeltT1, d.BlkDeltT2})) return false;
      if (d.nBlkFound == 0 && !AllEntered({d.BlkB, d.BlkB1, d.BlkH1})) return false;
      if (d.nBlkFound == 0 && d.nBlkSetup == 0 && !Entered(d.BlkH2)) return false;
      return d.nBlkFound != 0 || d.nKeisya != 0 || Entered(d.KeisyaH);
    }
    case 1:
      return AllEntered({d.WallH, d.GrwB, d.GrwB1, d.GrwB2, d.GrwB4, d.GrwH1});
    case 2:
      return AllEntered({d.MtwH1, d.MtwH2, d.MtwH3, d.MtwB1, d.MtwB2, d.MtwB3, d.MtwB4});
    case 3:
      return AllEntered({d.MxwH1, d.MxwH2, d.MxwH3, d.BlkT, d.BlkN, d.BlkDeltT1, d.BlkDeltT2,
                         d.GrwB, d.GrwB1, d.GrwB2, d.GrwB3});
    default:
      return false;
  }
}

}  // namespace

std::string SheetInputError(const CDocument& d) {
  double h = 0, w = 0;
  if (!SheetPaperSize(d.Sheet, h, w)) return "図面サイズの指定が正しくありません。";
  if (SheetScale(d.DrwScale) == 0) return "縮尺の指定が正しくありません。";
  // The frame and the title block (100 x 60 mm) stay on the paper.
  const bool marginsOk = d.Margin(0) >= 0 && d.Margin(1) >= 0 && d.Margin(2) >= 0 &&
                         d.Margin(3) >= 0 && d.Margin(0) + d.Margin(1) + kSheetTitleColumn <= w &&
                         d.Margin(2) + d.Margin(3) + kSheetTitleHeight <= h;
  if (!marginsOk) return kSheetMarginsOff;
  if (!WallEntered(d)) return "壁体形状の入力が完了していません。";
  const bool raisedToe = d.WallType() != 0 && d.Tokki == 0 && d.nKeisya == 0;
  if (raisedToe && !Entered(d.KeisyaH)) return "壁体形状の入力が完了していません。";
  if (d.WallType() != 0 && d.Tokki == 1 && !AllEntered({d.TokX, d.TokB, d.TokL}))
    return "突起の寸法の入力が完了していません。";
  if ((d.KisoH1 > 0 || d.KisoH2 > 0) && !Entered(d.KisoB))
    return "基礎材寸法の入力が完了していません。";
  if (d.Mizunuki != 0 && d.MizuDan > 0) {
    if (!AllEntered({d.MizuN, d.MizuFai})) return "水抜き穴の入力が完了していません。";
    for (int i = 0; i < std::min<int>(d.MizuDan, 5); ++i)
      if (!Entered(d.MizuH1(i))) return "水抜き穴の入力が完了していません。";
  }
  if (!FigureIsFinite(SheetSectionFigure(d, SheetScale(d.DrwScale)))) return kSheetNotFinite;
  return "";
}

SheetState SkzOutput(int16_t mode, const CDocument& doc, ISheetTarget& target) {
  const std::string error = SheetInputError(doc);
  if (!error.empty()) throw std::invalid_argument(error);
  // Worked out before anything is drawn: SheetInputError checked it is finite.
  const SectionFigure fig = SheetSectionFigure(doc, SheetScale(doc.DrwScale));

  SheetRun run(target);
  SheetPaperSize(doc.Sheet, run.SkzPaperH, run.SkzPaperW);
  run.SkzSxfMode = mode;
  if (!target.Open(run, doc)) return run;
  run.SkzScale = SheetScale(doc.DrwScale);
  SkzTitle(run, doc);
  DrawSectionFigure(run, doc, fig);
  target.Finish(run, doc);
  return run;
}

bool SheetFigureFits(const CDocument& doc, int16_t drwScale) {
  double paperH = 0, paperW = 0;
  const double scale = SheetScale(drwScale);
  if (!SheetPaperSize(doc.Sheet, paperH, paperW) || scale == 0) return false;
  const SectionFigure fig = SheetSectionFigure(doc, scale);
  if (!FigureIsFinite(fig)) return false;
  const double freeW = paperW - doc.Margin(0) - doc.Margin(1) - kSheetTitleColumn;
  const double freeH = paperH - doc.Margin(2) - doc.Margin(3);
  return fig.figW <= freeW && fig.figH <= freeH;
}

int16_t LargestFittingScale(const CDocument& doc) {
  for (int16_t code = 0; code <= 6; ++code)
    if (SheetFigureFits(doc, code)) return code;
  return -1;
}

std::string SheetFitProblem(const CDocument& doc) {
  if (!SheetInputError(doc).empty() || SheetFigureFits(doc, doc.DrwScale)) return "";
  static const char* const kPapers[5] = {"A0", "A1", "A2", "A3", "A4"};
  const std::string head = "縮尺 1:" + FormatPattern(1 / SheetScale(doc.DrwScale), "0") +
                           " では図が用紙（" + kPapers[doc.Sheet] + "）に収まりません。";
  const int16_t fits = LargestFittingScale(doc);
  if (fits < 0)
    return head + "\nどの縮尺でも収まりません。用紙を大きくするか、余白を小さくしてください。";
  return head + "\nこの用紙に収まる最大の縮尺は 1:" + FormatPattern(1 / SheetScale(fits), "0") +
         " です。";
}

}  // namespace norva
