#include "drawing/figures/menseki_figure.h"

#include <cmath>
#include <string>

#include "document/numeric.h"
#include "drawing/section/section_checks.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_fit.h"

namespace norva {

namespace {

void DrawChains(cDraw& canvas, const std::vector<std::vector<DPoint>>& chains) {
  canvas.SetPenStyle(2);
  canvas.SetPenColor(kBlack);
  canvas.SetPenWidth(0);
  canvas.SetBrushStyle(1);
  for (const std::vector<DPoint>& c : chains) DrawModelLines(canvas, c, true);
  canvas.SetPenStyle(0);
}

}  // namespace

std::vector<std::vector<DPoint>> OutlineChains(const CDocument& d, const KutaiPoints& p) {
  std::vector<std::vector<DPoint>> chains;
  switch (d.WallType()) {
    case 0:
      if (d.nBlkFound == 0) chains.push_back(OutlinePoints(p, {0, 1, 2, 10, 4}));
      chains.push_back(OutlinePoints(p, {2, 5, 9, 3}));
      if (d.nBlkSetup == 0 && d.nBlkFound == 1) chains.back().push_back(p[7]);
      break;
    case 1:
    case 2:
      chains.push_back(OutlinePoints(p, {0, 1, 2, 5, 6, 3, 4}));
      AppendKeyPoints(d, p, chains.back());
      break;
    case 3:
      chains.push_back(OutlinePoints(p, {0, 1, 2, 3, 4}));
      AppendKeyPoints(d, p, chains.back());
      chains.push_back(OutlinePoints(p, {2, 5, 9, 10}));
      break;
    default:
      break;
  }
  return chains;
}

void DrawOutlineBlk(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawChains(canvas, OutlineChains(doc, outline));
}
void DrawOutlineGrw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawChains(canvas, OutlineChains(doc, outline));
}
void DrawOutlineMtw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawChains(canvas, OutlineChains(doc, outline));
}
void DrawOutlineMxw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawChains(canvas, OutlineChains(doc, outline));
}

void DrawMensekiFigure(const CDocument& doc, cDraw& canvas, const CWeight* polygon,
                       const DPoint& offset) {
  if (canvas.GetCanvas() == nullptr || !CanDrawSection(doc)) return;
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  const DRect extent = GetKutaiExtent(doc, outline);
  DrawFitState fit;  // no dimension rows
  FitDrawArea(canvas, fit, extent.XMax, extent.YMax);
  canvas.Cls();
  // The fit is made first, so the offset moves the outline within the box.
  for (DPoint& p : outline) {
    p.X += offset.X;
    p.Y += offset.Y;
  }
  DrawChains(canvas, OutlineChains(doc, outline));
  if (polygon == nullptr || polygon->nPoint() < 1) return;

  int32_t n = polygon->nPoint();
  std::vector<DPoint> pts(static_cast<size_t>(n));
  for (int32_t j = 0; j < n; ++j) pts[j] = {polygon->X(j), polygon->Y(j)};
  RemoveDupPoints(n, pts);
  pts.resize(static_cast<size_t>(n));
  if (!AllFinite(pts)) return;

  canvas.SetPenStyle(0);
  canvas.SetPenColor(kBlack);
  canvas.SetPenWidth(0.1);
  canvas.SetFontSize(170.1);
  canvas.SetTextAngle(0);
  canvas.SetTextAlign(0);
  canvas.SetBrushColor(kWhite);
  canvas.SetBrushStyle(0);
  for (int32_t i = 0; i + 1 < n; ++i) {
    canvas.DrawLine(pts[i].X, pts[i].Y, pts[i + 1].X, pts[i + 1].Y, true);
    canvas.DrawCircle(pts[i].X, pts[i].Y, 0.5, true);
    const std::string number = std::to_string(i + 1);
    const double w = canvas.TextWidth(" " + number);
    canvas.DrawText(canvas.GetX(pts[i].X) - 1.25 * w, canvas.GetY(pts[i].Y) - 170.1, number);
  }
}

}  // namespace norva
