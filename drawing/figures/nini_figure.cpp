#include "drawing/figures/nini_figure.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "document/load_case.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "drawing/section/section_colours.h"

namespace norva {

namespace {

constexpr double kMm = kTwipsPerMm;
constexpr double kLabelGap = 3 * 1.25 * kTwipsPerMm;  // 3.75 mm
constexpr double kScaleStep = 0.25;                   // metres
constexpr uint32_t kScaleGrey = Rgb(128, 128, 128);

bool Present(double v) { return v != kNullBox && std::isfinite(v); }

int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// The name without blanks (ASCII or ideographic) at either end.
std::string TrimBlanks(const std::string& s) {
  static const std::string kIdeo = "\u3000";
  size_t b = 0, e = s.size();
  for (bool more = true; more;) {
    more = false;
    if (b < e && s[b] == ' ')
      ++b, more = true;
    else if (e - b >= 3 && s.compare(b, 3, kIdeo) == 0)
      b += 3, more = true;
  }
  for (bool more = true; more;) {
    more = false;
    if (e > b && s[e - 1] == ' ')
      --e, more = true;
    else if (e - b >= 3 && s.compare(e - 3, 3, kIdeo) == 0)
      e -= 3, more = true;
  }
  return s.substr(b, e - b);
}

// Each load's values as its type reads them into the extent.
void AddLoad(const CNini& n, NiniLoadPlan& p) {
  auto x = [&](double v) {
    if (!Present(v)) return;
    p.maxX = MaxOf(p.maxX, {v});
    p.minX = MinOf(p.minX, {v});
  };
  auto y = [&](double v) {
    if (!Present(v)) return;
    p.maxY = MaxOf(p.maxY, {v});
    p.minY = MinOf(p.minY, {v});
  };
  auto pw = [&](double v) {
    if (Present(v)) p.Pmax = MaxOf(p.Pmax, {std::fabs(v)});
  };
  switch (n.nType) {
    case 0:
    case 1:
      x(n.X1), y(n.Y1), pw(n.P1);
      break;
    case 2:
      x(n.X1), x(n.X2), y(n.Y1), pw(n.P1), pw(n.P2);
      break;
    case 3:
      x(n.X1), y(n.Y1), y(n.Y2), pw(n.P1), pw(n.P2);
      break;
    default:
      break;
  }
}

void DrawScales(cDraw& c, double x0, double y4) {
  c.SetPenColor(kScaleGrey);
  c.SetTextColor(kScaleGrey);
  c.SetTextAngle(0);
  c.SetPenStyle(0);
  c.SetPenWidth(0);
  const double width = c.Width();
  const double height = c.Height();
  const double yb = c.GetY(y4);
  c.DrawLine(0, yb, width, yb, false);
  c.SetTextAlign(2);
  c.DrawText(c.GetX(x0), yb, "0.0");

  c.SetTextAlign(1);
  bool longStep = false;
  for (double x = x0 + kScaleStep; c.GetX(x) <= width; x += kScaleStep) {
    const double gx = c.GetX(x);
    if (longStep) {
      c.DrawLine(gx, yb, gx, yb + 1.5 * kMm, false);
      c.DrawText(gx, yb + 1.5 * kMm, FormatPattern(x - x0, "0.0"));
    } else {
      c.DrawLine(gx, yb, gx, yb + kMm, false);
    }
    longStep = !longStep;
  }

  const double xa = c.GetX(x0);
  c.DrawLine(xa, 0, xa, height, false);
  c.SetTextAlign(2);
  const double f = c.FontSize();
  longStep = false;
  for (double y = y4 + kScaleStep; c.GetY(y) >= 0; y += kScaleStep) {
    const double gy = c.GetY(y);
    if (longStep) {
      c.DrawLine(xa, gy, xa - 1.5 * kMm, gy, false);
      c.DrawText(xa - 1.5 * kMm, gy - f / 2, FormatPattern(y - y4, "0.0"));
    } else {
      c.DrawLine(xa, gy, xa - kMm, gy, false);
    }
    longStep = !longStep;
  }
}

void Line(cDraw& c, const DPoint& a, const DPoint& b) { c.DrawLine(a.X, a.Y, b.X, b.Y, true); }
void To(cDraw& c, const DPoint& b) { c.DrawLine(b.X, b.Y, true); }

// The base from P0 to P4 round the shear key.
void KeyPath(const CDocument& d, cDraw& c, const KutaiPoints& p) {
  const double x0 = p[0].X, y0 = p[0].Y;
  Line(c, p[0], {x0 + d.TokX, y0});
  To(c, {x0 + d.TokX, y0 - d.TokL});
  To(c, {x0 + d.TokX + d.TokB, y0 - d.TokL});
  To(c, {x0 + d.TokX + d.TokB, y0});
  To(c, p[4]);
}

void DrawOutline(const CDocument& d, cDraw& c, const KutaiPoints& p) {
  c.SetPenColor(kBlack);
  c.SetPenStyle(0);
  c.SetPenWidth(0);
  c.SetTextColor(kBlack);
  c.SetTextAlign(0);
  switch (d.WallType()) {
    case 0:
      Line(c, p[0], p[1]);
      for (int i : {2, 5, 9, 3, 4, 0}) To(c, p[i]);
      Line(c, p[2], p[3]);
      Line(c, p[5], p[8]);
      Line(c, p[6], p[7]);
      break;
    case 1:
    case 2:
      Line(c, p[0], p[1]);
      for (int i : {2, 5, 6, 3, 4}) To(c, p[i]);
      if (d.Tokki == 0)
        To(c, p[0]);
      else
        KeyPath(d, c, p);
      break;
    case 3:
      // The upper wall's back comes down to the foot of its backing (10),
      // then the lower wall's top runs back to 3.
      Line(c, p[0], p[1]);
      for (int i : {2, 5, 9, 10, 3, 4}) To(c, p[i]);
      Line(c, p[2], p[3]);
      Line(c, p[5], p[8]);
      Line(c, p[6], p[7]);
      if (d.Tokki == 0)
        Line(c, p[0], p[4]);
      else
        KeyPath(d, c, p);
      break;
    default:
      break;
  }
}

void DrawLoad(cDraw& c, const CNini& n, double s) {
  const bool x1 = Present(n.X1), x2 = Present(n.X2), y1 = Present(n.Y1), y2 = Present(n.Y2);
  const bool p1 = Present(n.P1), p2 = Present(n.P2);
  const std::string label = TrimBlanks(n.LoadName);
  const double head = 2 * kMm;
  switch (n.nType) {
    case 0: {
      if (!(x1 && y1 && p1)) return;
      const double x = c.GetX(n.X1), y = c.GetY(n.Y1), sg = Sign(n.P1);
      c.DrawLine(x, y, x, y - s * n.P1, false);
      c.DrawLine(x, y, x - kMm, y - head * sg, false);
      c.DrawLine(x, y, x + kMm, y - head * sg, false);
      c.DrawText(x, std::min(y, y - s * n.P1) - kLabelGap, label);
      break;
    }
    case 1: {
      if (!(x1 && y1 && p1)) return;
      const double x = c.GetX(n.X1), y = c.GetY(n.Y1), sg = Sign(n.P1);
      c.DrawLine(x, y, x + s * n.P1, y, false);
      c.DrawLine(x, y, x + head * sg, y - kMm, false);
      c.DrawLine(x, y, x + head * sg, y + kMm, false);
      c.DrawText(x + s * n.P1 / 2, y - kLabelGap, label);
      break;
    }
    case 2: {
      if (!(x1 && x2 && y1 && p1 && p2)) return;
      const double x = c.GetX(n.X1), y = c.GetY(n.Y1), xe = c.GetX(n.X2);
      const std::vector<double> xs{x, x, xe, xe};
      const std::vector<double> ys{y, y - s * n.P1, y - s * n.P2, y};
      c.SetBrushStyle(3);
      c.SetBrushColor(kBlue);
      c.Polygon(4, xs, ys, false);
      c.DrawText((x + xe) / 2, *std::min_element(ys.begin(), ys.end()) - kLabelGap, label);
      break;
    }
    case 3: {
      if (!(x1 && y1 && y2 && p1 && p2)) return;
      const double x = c.GetX(n.X1), y = c.GetY(n.Y1), ye = c.GetY(n.Y2);
      const std::vector<double> xs{x, x + s * n.P1, x + s * n.P2, x};
      const std::vector<double> ys{y, y, ye, ye};
      c.SetBrushStyle(2);
      c.SetBrushColor(kBlue);
      c.Polygon(4, xs, ys, false);
      const auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
      c.DrawText((*lo + *hi) / 2, *std::min_element(ys.begin(), ys.end()) - kLabelGap, label);
      break;
    }
    default:
      break;
  }
}

}  // namespace

NiniLoadPlan PlanNiniLoad(const CDocument& d, const KutaiPoints& outline, const TwipBox& area,
                          double digitMm) {
  NiniLoadPlan p;
  p.maxX = p.maxY = -100000000;
  p.minX = p.minY = 100000000;
  for (const DPoint& q : outline) {
    p.maxX = MaxOf(p.maxX, {q.X});
    p.minX = MinOf(p.minX, {q.X});
    p.maxY = MaxOf(p.maxY, {q.Y});
    p.minY = MinOf(p.minY, {q.Y});
  }
  for (int i = 0; i < d.nNiniCount(); ++i)
    if (const std::shared_ptr<CNini> n = d.pNini(i)) AddLoad(*n, p);

  DrawFitState& fit = p.fit;
  fit.DrwAreaBox = area;
  fit.DrwWorldSize = {std::fabs(p.maxX - p.minX), std::fabs(p.maxY - p.minY)};
  const double side = (digitMm + 5) * kMm;
  fit.DrwInnerBox = {area.left + side, area.top + 9.5 * kMm, area.right - side,
                     area.bottom - 9.5 * kMm};
  p.scale = ComputeDrawScale(fit);
  // Not centred: the extent's lower left corner sits on the box's corner.
  p.scale.Xoo = fit.DrwInnerBox.left + (outline[0].X - p.minX) * p.scale.ScX;
  p.scale.Yoo = fit.DrwInnerBox.bottom - (outline[4].Y - p.minY) * p.scale.ScY;
  p.s = p.Pmax != 0 ? 283.5 / p.Pmax : 0.0;
  // The scales step 0.25 m at a time out to the canvas edge: a scale that
  // makes a step vanish would never get there.
  const double sc = p.scale.ScX;
  p.scales = std::isfinite(sc) && std::isfinite(p.scale.Xoo) && std::isfinite(p.scale.Yoo) &&
             sc * kScaleStep >= 1;
  return p;
}

void DrawNiniLoad(const CDocument& doc, cDraw& canvas) {
  if (canvas.GetCanvas() == nullptr) return;
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  canvas.MarginSet(2, 2, 2, 2);
  TwipBox area;
  canvas.GetDrawAreaRect(area.left, area.top, area.right, area.bottom);
  canvas.SetFontSize(170.1);
  const NiniLoadPlan p = PlanNiniLoad(doc, outline, area, canvas.TextWidth("0") / kMm);
  canvas.SetScX(p.scale.ScX);
  canvas.SetScY(p.scale.ScY);
  canvas.SetXoo(p.scale.Xoo);
  canvas.SetYoo(p.scale.Yoo);
  canvas.Cls();
  if (p.scales) DrawScales(canvas, outline[0].X, outline[4].Y);
  DrawOutline(doc, canvas, outline);

  canvas.SetPenColor(kBlue);
  canvas.SetPenStyle(0);
  canvas.SetPenWidth(0);
  canvas.SetTextColor(kBlack);
  canvas.SetTextAlign(1);
  for (int i = 0; i < doc.nNiniCount(); ++i)
    if (const std::shared_ptr<CNini> n = doc.pNini(i)) DrawLoad(canvas, *n, p.s);
}

}  // namespace norva
