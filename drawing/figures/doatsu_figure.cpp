#include "drawing/figures/doatsu_figure.h"

#include <string>
#include <vector>

#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "drawing/base/sunpousen.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_fit.h"

namespace norva {

namespace {

// A length in metres rounded half up to the millimetre, "#0.000".
std::string Metres(double v) { return FormatPattern(RoundHalfUp(v * 1000, 0) / 1000, "#0.000"); }

}  // namespace

DoatsuGeometry MakeDoatsuGeometry(const CDocument& d, double ys, int16_t part) {
  KutaiPoints p{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(d, p, crestFront, crestBack, 0);
  DoatsuGeometry g;
  g.ys = ys;
  int f1 = 2, f2 = 5, b1 = 3, b2 = 6, crest = 6;
  switch (d.WallType()) {
    case 0:
      g.polygon = OutlinePoints(p, {0, 1, 2, 5, 9, 3, 4});
      b2 = crest = 9;
      break;
    case 3:
      if (part != 0) {
        g.polygon = OutlinePoints(p, {0, 1, 2, 3, 4});
        g.upper = OutlinePoints(p, {2, 5, 9, 10});
        g.lowerMixed = true;
        g.upperCrest = p[9];
        f1 = 0, f2 = 1, b1 = 3, b2 = 4, crest = 3;
      } else {
        g.polygon = OutlinePoints(p, {2, 5, 9, 3});
        b2 = crest = 9;
      }
      break;
    default:
      g.polygon = OutlinePoints(p, {0, 1, 2, 5, 6, 3, 4});
      break;
  }
  g.xs1 = InterpolateX(p[f1], p[f2], ys);
  g.xs2 = InterpolateX(p[b1], p[b2], ys);
  g.crest = p[crest];
  if (d.WallType() == 3 && part == 0) {
    // The upper part in its own frame.
    const double dx = p[2].X, dy = p[3].Y;
    for (DPoint& q : g.polygon) q = {q.X - dx, q.Y - dy};
    g.xs1 -= dx;
    g.xs2 -= dx;
    g.crest = {g.crest.X - dx, g.crest.Y - dy};
    g.ys -= dy;
  }
  g.xm = (g.xs1 + g.xs2) / 2;
  g.action = {g.xs2 + (g.crest.X - g.xs2) / 3, g.ys + (g.crest.Y - g.ys) / 3};
  return g;
}

void DrawDoatsuFigure(const CDocument& doc, double ys, const std::string& label, int16_t part,
                      cDraw& canvas) {
  if (canvas.GetCanvas() == nullptr) return;
  Sunpousen dim;  // 寸法線
  dim.SetDrawObject(canvas);
  dim.SetMsize("N");
  dim.SetKihonMojiH(170.1);
  dim.SetLineColor(kBlack);
  dim.SetTextColor(kBlack);
  canvas.SetFontSize(170.1);

  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  const DRect extent = GetKutaiExtent(doc, outline);
  const DoatsuGeometry g = MakeDoatsuGeometry(doc, ys, part);

  // The fit: room for the chains right and below, and for the section line's
  // ends and labels on both sides.
  DrawFitState fit;
  canvas.MarginSet(1, 1, 1, 1);
  TwipBox& a = fit.DrwAreaBox;
  canvas.GetDrawAreaRect(a.left, a.top, a.right, a.bottom);
  fit.DrwWorldSize = {extent.XMax, extent.YMax};
  fit.DrwSunpRows = {0, 2, 0, 3};
  const double w = canvas.TextWidth(label);
  fit.DrwInnerBox = {a.left + 10 * kTwipsPerMm + 283.5 + w, a.top + 10 * kTwipsPerMm,
                     a.right - 19 * kTwipsPerMm - 283.5 - w, a.bottom - 23.5 * kTwipsPerMm};
  SetDrawScale(canvas, fit);
  canvas.Cls();

  canvas.SetPenStyle(0);
  canvas.SetPenWidth(0);
  canvas.SetPenColor(kBlack);
  DrawModelLines(canvas, g.polygon, true);
  if (g.lowerMixed) {
    canvas.SetPenStyle(2);
    DrawModelLines(canvas, g.upper, true);
  }

  // The section line, 5 mm beyond both faces, with its label at both ends.
  const double ly = canvas.GetY(g.ys);
  const double lx1 = canvas.GetX(g.xs1) - 283.5;
  const double lx2 = canvas.GetX(g.xs2) + 283.5;
  canvas.SetPenStyle(3);
  canvas.DrawLine(lx1, ly, lx2, ly, false);
  canvas.SetPenStyle(0);
  canvas.SetPenWidth(0);
  canvas.SetTextAlign(0);
  canvas.SetTextAngle(0);
  canvas.DrawText(lx1 - w, ly - 85.05, label);
  canvas.DrawText(lx2, ly - 85.05, label);
  canvas.DrawCircle(g.xm, g.ys, 0.5, true);

  // The components of the earth pressure, arrows pointing at its point of
  // action; each text placed by its own width.
  canvas.SetPenWidth(0.2);
  canvas.SetTextAngle(0);
  const double px = canvas.GetX(g.action.X);
  const double py = canvas.GetY(g.action.Y);
  canvas.DrawLine(px, py, px, py - 283.5, false);
  canvas.DrawLine(px, py, px - 28.35, py - 85.05, false);
  canvas.DrawLine(px, py, px + 28.35, py - 85.05, false);
  canvas.DrawText(px - 0.5 * canvas.TextWidth("Pav1"), py - 283.5 - 170.1, "Pav1");
  canvas.DrawLine(px, py, px + 283.5, py, false);
  canvas.DrawLine(px, py, px + 85.05, py - 28.35, false);
  canvas.DrawLine(px, py, px + 85.05, py + 28.35, false);
  canvas.DrawText(px + 283.5, py - 85.05, "Pah1");

  canvas.SetPenWidth(0);
  const double right = fit.DrwInnerBox.right;
  auto X = [&](double x) { return canvas.GetX(x); };
  auto Y = [&](double y) { return canvas.GetY(y); };
  {
    std::vector<double> xs{X(g.xs2) + 283.5, X(g.crest.X)};
    std::vector<double> yv{ly, Y(g.crest.Y)};
    std::vector<std::string> t{"", (g.lowerMixed ? "H2=" : "H1=") + Metres(g.crest.Y - g.ys)};
    if (g.lowerMixed) {
      xs.push_back(X(g.upperCrest.X));
      yv.push_back(Y(g.upperCrest.Y));
      t.push_back("H1=" + Metres(g.upperCrest.Y - g.crest.Y));
    }
    int32_t ns = static_cast<int32_t>(xs.size()) - 1;
    dim.VSunp(ns, xs, yv, right + 19 * kTwipsPerMm, "LR", t, false);
  }
  {
    std::vector<double> xs{X(g.xs2) + 283.5, X(g.action.X) + 283.5 + canvas.TextWidth("Pah1")};
    std::vector<double> yv{ly, Y(g.action.Y)};
    std::vector<std::string> t{"", "Yp1"};
    int32_t ns = 1;
    dim.VSunp(ns, xs, yv, right + 14.5 * kTwipsPerMm, "LR", t, false);
  }
  {
    std::vector<double> xs{X(g.xs1), X(g.xs2)}, yv{ly, ly};
    std::vector<std::string> t{"", "h=" + Metres(g.xs2 - g.xs1)};
    int32_t ns = 1;
    dim.HSunp(ns, xs, yv, ly + 23.5 * kTwipsPerMm, "UU", t, "N");
  }
  {
    std::vector<double> xs{X(g.xs1), X(g.xm), X(g.xs2)}, yv{ly, ly, ly};
    std::vector<std::string> t{"", Metres(g.xm - g.xs1), Metres(g.xs2 - g.xm)};
    int32_t ns = 2;
    dim.HSunp(ns, xs, yv, ly + 19 * kTwipsPerMm, "UL", t, "N");
  }
  {
    std::vector<double> xs{X(g.xm), X(g.action.X)}, yv{ly, Y(g.action.Y)};
    std::vector<std::string> t{"", "Xp1"};
    int32_t ns = 1;
    dim.HSunp(ns, xs, yv, ly + 14.5 * kTwipsPerMm, "UL", t, "N");
  }
  canvas.SetTextAngle(0);
}

}  // namespace norva
