#include <algorithm>
#include <cmath>
#include <optional>

#include "document/document.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "drawing/sheet/section_builder.h"
#include "drawing/sheet/sheet_run.h"

namespace norva {

void DrawSectionFigure(SheetRun& run, const CDocument& doc, const SectionFigure& fig) {
  ISheetTarget& t = *run.SkzTarget;
  run.SkzSecW = fig.secW;
  run.SkzSecH = fig.secH;
  run.SkzFigW = fig.figW;
  run.SkzFigH = fig.figH;
  const double orgX = run.SkzOrgX, orgY = run.SkzOrgY;
  run.SkzSetOrigin(doc);

  t.SetFukugo("STANDARD-SEC-BGD");
  run.LineAttrib(kLayerSection);
  for (const SheetSegment& s : fig.lines) run.SkzLine(s.x1, s.y1, s.x2, s.y2);
  if (fig.drainStyle) {
    run.LineAttrib(kLayerSection, kDrainLineType);
    t.SetPenStyle(2);
  }
  for (const SheetSegment& s : fig.drains) run.SkzLine(s.x1, s.y1, s.x2, s.y2);

  t.SetFukugo("STANDARD-SEC-DIM");
  run.LineAttrib(kLayerSectionDim);
  run.FontAttrib(kLayerSectionDim);
  t.SetPenStyle(0);
  t.BeginDimensions();
  for (const SheetChain& c : fig.chains) run.SkzChain(c);
  for (const SheetLabel& l : fig.labels) {
    t.SetTextAlign(0);
    run.SkzFontSize(2.5);
    t.SetTextAngle(l.angleDeg);
    run.SkzText(l.x, l.y, l.text);
  }
  t.EndDimensions();

  t.SetFukugo("STANDARD-SEC");
  t.SetFukugoLocate(0, "STANDARD-SEC-BGD", 0, 0, 0, 1, 1);
  t.SetFukugoLocate(0, "STANDARD-SEC-DIM", 0, 0, 0, 1, 1);
  run.SkzOrgX = orgX;
  run.SkzOrgY = orgY;
}

// ---- gravity and leaning walls -------------------------------------------------------------

namespace {

// The outline the gravity and the leaning wall share: the ring 0-1-2-5-6-3-4
// (with the key) on its foundation. Gives the drain holes' back face (4-3,
// else the line 3-6) up to the crest; the toe and the face are the wall's.
DrainFaces SevenPointOutline(SectionBuilder& b) {
  b.FoundationPoints(b.doc().Tokki == 1);
  b.Extent(21);
  const DPoint p3 = b.P(3), p4 = b.P(4), p5 = b.P(5), p6 = b.P(6);
  b.Ring({b.P(0), b.P(1), b.P(2), p5, p6, p3, p4});
  b.FoundationLines(true);
  DrainFaces faces;
  faces.top = p5.Y;
  faces.firstA = p4;
  faces.firstB = p3;
  faces.lineC = p3;
  faces.lineD = p6;
  return faces;
}

}  // namespace

// ---- gravity wall ------------------------------------------------------------------------

SectionFigure GrwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale) {
  SectionBuilder b(doc, pts, scale, kGrwSlots);
  DrainFaces faces = SevenPointOutline(b);
  const DPoint p0 = b.P(0), p1 = b.P(1), p2 = b.P(2), p3 = b.P(3), p4 = b.P(4), p5 = b.P(5),
               p6 = b.P(6);
  faces.toe = [p0, p1](double y) { return InterpolateX(p0, p1, y); };
  faces.face = [p2, p5](double y) { return InterpolateX(p2, p5, y); };
  b.Drains(faces);

  b.BottomChains();
  b.HChain({{p1}, {p2}, {p5}, {p6}, {p3}, {p4}}, b.Y(p5.Y) + 5 + 14);

  const double left = b.FrontX() - 14 - 14;
  std::vector<ChainPoint> c4 = b.LeftStart();
  c4.insert(c4.end(), {{p1}, {p2}, {p5}});
  b.VChain(c4, left);
  b.LayerChain(left + 7);
  b.KeyBackChain(b.X(b.F(16).X) + 14 + 7, p6);

  // The gradient of the face itself: with a raised toe its rise is less than
  // the wall height.
  const double rise = p5.Y - p2.Y;
  if (rise > 0) b.LabelAtMiddle(p2, p5, (p5.X - p2.X) / rise);
  return b.fig;
}

// ---- leaning wall --------------------------------------------------------------------------

SectionFigure MtwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale) {
  SectionBuilder b(doc, pts, scale, kGrwSlots);
  DrainFaces faces = SevenPointOutline(b);
  const DPoint p0 = b.P(0), p1 = b.P(1), p2 = b.P(2), p3 = b.P(3), p4 = b.P(4), p5 = b.P(5),
               p6 = b.P(6);
  faces.toe = [p1](double) { return p1.X; };
  if (doc.MtwH1 != 0) {
    const double g = doc.MtwB2 / doc.MtwH1;
    faces.face = [p2, g](double y) { return p2.X + (y - p2.Y) * g; };
  }
  b.Drains(faces);

  const DPoint f17 = b.F(17), f18 = b.F(18), f21 = b.F(21);
  auto base = [&](double x) { return DPoint{x, InterpolateY(f18, f21, x)}; };
  const double low = b.BottomY();
  if (doc.KisoB > 0) b.HChain({{f18}, {base(p0.X)}, {base(p4.X)}, {f21}}, low - 14 - 7);
  std::vector<ChainPoint> b2{{base(p0.X)}};
  if (b.keyed()) b2.insert(b2.end(), {{b.K(3)}, {b.K(2)}});
  b2.insert(b2.end(), {{base(p4.X)}, {p6}});
  b.HChain(b2, low - 14);
  b.HChain({{p1}, {p2}, {p5}, {p6}}, b.Y(p5.Y) + 5 + 14);

  b.SideChains(b.FrontX() - 14 - 14, p5);
  b.BackChains(b.BackX(p6) + 14 + 7, f17.X, p3, p6);

  if (doc.MtwH1 != 0) b.LabelAtMiddle(p2, p5, doc.MtwB2 / doc.MtwH1);
  if (const std::optional<double> back = LeaningBackGradient(doc)) b.LabelAtMiddle(p3, p6, *back);
  return b.fig;
}

// ---- mixed wall ------------------------------------------------------------------------------

SectionFigure MxwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale) {
  SectionBuilder b(doc, pts, scale, kMxwSlots);
  b.FoundationPoints(doc.Tokki == 1);
  b.Extent(26);
  const DPoint p0 = b.P(0), p1 = b.P(1), p2 = b.P(2), p3 = b.P(3), p4 = b.P(4), p5 = b.P(5),
               p6 = b.P(6), p7 = b.P(7), p8 = b.P(8), p9 = b.P(9), p10 = b.P(10);
  b.Run({p2, p5, p6, p7, p2}, false);
  if ((doc.BlkDeltT1 > 0 || doc.BlkDeltT2 > 0) && doc.Sisin != 3) b.Run({p6, p8, p10, p7}, false);
  if (doc.nBlkSetup == 0) b.Run({p5, p9, p8}, false);
  b.Ring({p0, p1, p2, p3, p4});
  b.FoundationLines(true);

  DrainFaces faces;
  faces.toe = [p0, p1](double y) { return InterpolateX(p0, p1, y); };
  const double n = doc.BlkN;
  faces.face = [p2, n](double y) { return p2.X + (y - p2.Y) * n; };
  faces.top = p5.Y;
  faces.firstA = p4;
  faces.firstB = p3;
  faces.lineC = p10;
  faces.lineD = p9;
  b.Drains(faces);

  b.BottomChains();
  b.HChain({{p0}, {p1}, {p2}, {p3}, {p4}}, b.Y(p2.Y) + 5 + 14, "UL");

  const double left = b.FrontX() - 14 - 14;
  std::vector<ChainPoint> l1 = b.LeftStart();
  l1.push_back({p5});
  b.VChain(l1, left);
  b.VChain({{p0}, {p1}, {p5}}, left + 7);
  b.LayerChain(left + 14);
  const double right = b.BackX(p9) + 14 + 7;
  b.KeyBackChain(right, p9);
  if (doc.MxwH3 > 0) b.VChain({{p3}, {p2}}, right - 7);
  b.CrestChain(9);

  // The label stands at three quarters of the face from its foot.
  const double a = std::atan(n);
  const double len = PointDistance(p2, p5);
  b.Label(b.X(p2.X + 0.75 * len * std::sin(a)), b.Y(p2.Y + 0.75 * len * std::cos(a)), n);
  return b.fig;
}

// ---- block masonry wall -------------------------------------------------------------------

SectionFigure BlkSectionFigure(const CDocument& doc, SheetPoints& pts, double scale) {
  SectionBuilder b(doc, pts, scale, kBlkSlots);
  b.FoundationPoints(false);
  b.Extent(50);
  const DPoint p0 = b.P(0), p1 = b.P(1), p2 = b.P(2), p3 = b.P(3), p4 = b.P(4), p5 = b.P(5),
               p6 = b.P(6), p7 = b.P(7), p8 = b.P(8), p9 = b.P(9), p10 = b.P(10);
  b.Run({p2, p5, p6, p7, p2}, false);
  if ((doc.BlkDeltT1 > 0 || doc.BlkDeltT2 > 0) && doc.Sisin != 3) b.Run({p6, p8, p3, p7}, false);
  if (doc.nBlkSetup == 0) b.Run({p5, p9, p8}, false);
  if (doc.nBlkFound == 0) b.Run({p3, p10, p4, p0, p1, p2}, false);
  b.FoundationLines(false);

  DrainFaces faces;
  faces.toe = [p1](double) { return p1.X; };
  const double n = doc.BlkN;
  faces.face = [p2, n](double y) { return p2.X + (y - p2.Y) * n; };
  faces.top = p9.Y;
  faces.firstA = p4;
  faces.firstB = p10;
  faces.lineC = p3;
  faces.lineD = p9;
  b.Drains(faces);

  const DPoint f18 = b.F(18), f21 = b.F(21);
  auto bottom = [&](double x) { return DPoint{x, InterpolateY(f18, f21, x)}; };
  const double low = b.BottomY();
  b.HChain({{f18}, {f21}}, low - 14 - 7);
  if (!IsNullValue(doc.KisoB) && doc.KisoB != 0)
    b.HChain({{f18}, {bottom(p0.X)}, {bottom(p4.X)}, {f21}}, low - 14);
  if (p1.X != p2.X) b.HChain({{p1}, {p2}}, b.Y(p1.Y) + 5 + 14);

  b.SideChains(b.X(f18.X) - 14 - 14, p5);
  b.BackChains(b.BackX(p9) + 14 + 7, f21.X, p10, p9);
  b.CrestChain(9);

  b.LabelAtMiddle(p2, p5, n);
  return b.fig;
}

// ---- the figure's box -------------------------------------------------------------------

namespace {

// Text height of the dimension texts and labels (mm), and how far the
// extension lines of a dimension run past its line (0.3 of the text height).
constexpr double kDimTextH = 2.5;
constexpr double kDimOvershoot = 0.3 * kDimTextH;

class Box {
 public:
  Box(double w, double h) : maxX_(w), maxY_(h) {}
  void Add(double x, double y) {
    minX_ = std::min(minX_, x);
    minY_ = std::min(minY_, y);
    maxX_ = std::max(maxX_, x);
    maxY_ = std::max(maxY_, y);
  }
  double minX_ = 0, minY_ = 0, maxX_, maxY_;
};

}  // namespace

void FitFigureBox(SectionFigure& fig) {
  if (!FigureIsFinite(fig)) return;
  Box box(fig.figW, fig.figH);
  for (const auto* segments : {&fig.lines, &fig.drains}) {
    for (const SheetSegment& s : *segments) {
      box.Add(s.x1, s.y1);
      box.Add(s.x2, s.y2);
    }
  }
  for (const SheetChain& c : fig.chains) {
    // The angle of a rotated chain is the page's, whose y runs down: on the
    // sheet its dimension line runs along (cos a, -sin a).
    const double ux = std::cos(c.angle), uy = -std::sin(c.angle);
    for (size_t i = 0; i < c.xs.size() && i < c.ys.size(); ++i) {
      box.Add(c.xs[i], c.ys[i]);
      switch (c.kind) {
        case SheetChain::Kind::kHorizontal:
          box.Add(c.xs[i], c.pos);
          break;
        case SheetChain::Kind::kVertical:
          box.Add(c.pos, c.ys[i]);
          break;
        case SheetChain::Kind::kRotated: {
          // The foot on the dimension line, and the band of the overshooting
          // extension lines and the texts on either side of it.
          const double t = (c.xs[i] - c.refX) * ux + (c.ys[i] - c.refY) * uy;
          const double fx = c.refX + t * ux, fy = c.refY + t * uy;
          const double band = kDimOvershoot + kDimTextH + 0.5;
          box.Add(fx - band * uy, fy + band * ux);
          box.Add(fx + band * uy, fy - band * ux);
          break;
        }
      }
    }
  }
  for (const SheetLabel& l : fig.labels) {
    const double a = l.angleDeg / 57.29577951308238;
    const double w = static_cast<double>(l.text.size()) * kDimTextH;
    const double ex = l.x + w * std::cos(a), ey = l.y + w * std::sin(a);
    const double nx = -kDimTextH * std::sin(a), ny = kDimTextH * std::cos(a);
    for (const auto& [x, y] : {std::pair{l.x, l.y},
                               {ex, ey},
                               {l.x + nx, l.y + ny},
                               {ex + nx, ey + ny},
                               {l.x - nx, l.y - ny},
                               {ex - nx, ey - ny}})
      box.Add(x, y);
  }
  const double dx = -box.minX_, dy = -box.minY_;
  fig.figW = box.maxX_ - box.minX_;
  fig.figH = box.maxY_ - box.minY_;
  if (dx == 0 && dy == 0) return;
  fig.offX += dx;
  fig.offY += dy;
  for (auto* segments : {&fig.lines, &fig.drains}) {
    for (SheetSegment& s : *segments) {
      s.x1 += dx;
      s.x2 += dx;
      s.y1 += dy;
      s.y2 += dy;
    }
  }
  for (SheetChain& c : fig.chains) {
    for (double& x : c.xs) x += dx;
    for (double& y : c.ys) y += dy;
    c.refX += dx;
    c.refY += dy;
    if (c.kind == SheetChain::Kind::kHorizontal) c.pos += dy;
    if (c.kind == SheetChain::Kind::kVertical) c.pos += dx;
  }
  for (SheetLabel& l : fig.labels) {
    l.x += dx;
    l.y += dy;
  }
}

bool FigureIsFinite(const SectionFigure& fig) {
  auto finite = [](std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
  };
  if (!finite({fig.secW, fig.secH, fig.figW, fig.figH, fig.offX, fig.offY})) return false;
  for (const auto* segments : {&fig.lines, &fig.drains}) {
    for (const SheetSegment& s : *segments)
      if (!finite({s.x1, s.y1, s.x2, s.y2})) return false;
  }
  for (const SheetChain& c : fig.chains) {
    if (!finite({c.pos, c.refX, c.refY, c.angle})) return false;
    for (double v : c.xs)
      if (!std::isfinite(v)) return false;
    for (double v : c.ys)
      if (!std::isfinite(v)) return false;
  }
  for (const SheetLabel& l : fig.labels)
    if (!finite({l.x, l.y, l.angleDeg})) return false;
  return true;
}

SectionFigure SheetSectionFigure(const CDocument& doc, double scale) {
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  SheetPoints pts{};
  std::copy(outline.begin(), outline.end(), pts.begin());
  SectionFigure fig;
  switch (doc.WallType()) {
    case 0:
      fig = BlkSectionFigure(doc, pts, scale);
      break;
    case 1:
      fig = GrwSectionFigure(doc, pts, scale);
      break;
    case 2:
      fig = MtwSectionFigure(doc, pts, scale);
      break;
    case 3:
      fig = MxwSectionFigure(doc, pts, scale);
      break;
    default:
      return fig;
  }
  FitFigureBox(fig);
  return fig;
}

void SkzBlkSection(SheetRun& run, const CDocument& doc, SheetPoints& pts) {
  SectionFigure fig = BlkSectionFigure(doc, pts, run.SkzScale);
  FitFigureBox(fig);
  DrawSectionFigure(run, doc, fig);
}
void SkzGrwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts) {
  SectionFigure fig = GrwSectionFigure(doc, pts, run.SkzScale);
  FitFigureBox(fig);
  DrawSectionFigure(run, doc, fig);
}
void SkzMtwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts) {
  SectionFigure fig = MtwSectionFigure(doc, pts, run.SkzScale);
  FitFigureBox(fig);
  DrawSectionFigure(run, doc, fig);
}
void SkzMxwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts) {
  SectionFigure fig = MxwSectionFigure(doc, pts, run.SkzScale);
  FitFigureBox(fig);
  DrawSectionFigure(run, doc, fig);
}

}  // namespace norva
