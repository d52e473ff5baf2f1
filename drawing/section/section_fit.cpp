#include "drawing/section/section_fit.h"

#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/nulls.h"
#include "document/numeric.h"

namespace norva {

namespace {

// A usable world size: positive and finite, else 0.
double Extent(double v) { return (std::isfinite(v) && v > 0) ? v : 0.0; }

}  // namespace

double SunpBandMm(int32_t rows) {
  // rows × 3 × 1.5 as the band is laid out: three strokes of 1.5 mm per row.
  return std::max<int32_t>(0, rows) * 3 * 1.5 + 10;
}

double SunpRowOffset(int32_t k) { return ((k - 1) * 4.5 + 10) * kTwipsPerMm; }

TwipBox InnerBoxOf(const TwipBox& area, const SunpRows& rows) {
  return {area.left + SunpBandMm(rows.left) * kTwipsPerMm,
          area.top + SunpBandMm(rows.top) * kTwipsPerMm,
          area.right - SunpBandMm(rows.right) * kTwipsPerMm,
          area.bottom - SunpBandMm(rows.bottom) * kTwipsPerMm};
}

DrawScale ComputeDrawScale(const DrawFitState& fit) {
  const TwipBox& in = fit.DrwInnerBox;
  const double innerW = in.right - in.left;
  const double innerH = in.bottom - in.top;
  const double w = Extent(fit.DrwWorldSize.width);
  const double h = Extent(fit.DrwWorldSize.height);
  DrawScale s;
  s.ScX = w > 0 ? innerW / w : 0.0;
  s.ScY = h > 0 ? innerH / h : 0.0;
  if (s.ScX < s.ScY) {
    s.ScY = s.ScX;
  } else {
    s.ScX = s.ScY;
  }
  s.Xoo = in.left + (innerW - w * s.ScX) / 2;
  s.Yoo = in.bottom - (innerH - h * s.ScY) / 2;
  return s;
}

DRect GetKutaiExtent(const CDocument& doc, const KutaiPoints& p) {
  DRect r;
  switch (doc.WallType()) {
    case 0:
      r.XMax = p[9].X - p[0].X;
      r.YMax = p[9].Y - p[4].Y;
      break;
    case 1:
      r.XMax = std::max(p[6].X, p[3].X) - p[0].X;
      r.YMax = p[6].Y - p[4].Y;
      break;
    case 2:
      r.XMax = p[6].X - p[0].X;
      r.YMax = p[6].Y - p[4].Y;
      break;
    case 3:
      r.XMax = p[9].X - p[0].X;
      r.YMax = p[9].Y - p[4].Y;
      break;
    default:
      return r;
  }
  if (doc.WallType() != 0 && doc.Tokki == 1 && doc.nKeisya != 0) r.YMax += doc.TokL;
  return r;
}

const DPoint& CrestBackPoint(const CDocument& doc, const KutaiPoints& outline) {
  const int w = doc.WallType();
  return (w == 0 || w == 3) ? outline[9] : outline[6];
}

bool GetUragomeExtent(const CDocument& doc, double& width, double& height) {
  width = 0;
  height = 0;
  const bool ok = !IsNullValue(doc.UragomeType) && !IsNullValue(doc.UraHd);
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  const double ground = CrestBackPoint(doc, outline).Y - doc.UraHd;
  switch (doc.UragomeType) {
    case 0:
      if (!ok) return false;
      height = ground;
      return true;
    case 1:
      if (!ok || IsNullValue(doc.UraN)) return false;
      height = ground;
      return true;
    case 2:
      if (!ok || IsNullValue(doc.UraX1) || IsNullValue(doc.UraX2) || IsNullValue(doc.UraH0))
        return false;
      width = doc.UraX1 + doc.UraX2 + 0.5;
      height = ground + doc.UraH0;
      return true;
    case 3: {
      double rise = 0;
      for (int i = 0; i < doc.nUraNini(); ++i) {
        const double x = doc.UraNiniX(i);
        const double y = doc.UraNiniY(i);
        if (IsNullValue(x) || IsNullValue(y)) continue;
        width = MaxOf(width, {x});
        rise = MaxOf(rise, {y});
      }
      height = ground + rise;
      return ok;
    }
    default:
      return ok;
  }
}

}  // namespace norva

namespace norva {

DrawScale SetDrawScale(cDraw& canvas, const DrawFitState& fit) {
  const DrawScale s = ComputeDrawScale(fit);
  canvas.SetScX(s.ScX);
  canvas.SetScY(s.ScY);
  canvas.SetXoo(s.Xoo);
  canvas.SetYoo(s.Yoo);
  return s;
}

DrawScale FitDrawArea(cDraw& canvas, DrawFitState& fit, double width, double height) {
  canvas.MarginSet(3, 3, 3, 3);
  TwipBox& a = fit.DrwAreaBox;
  canvas.GetDrawAreaRect(a.left, a.top, a.right, a.bottom);
  fit.DrwWorldSize = {width, height};
  fit.DrwInnerBox = InnerBoxOf(a, fit.DrwSunpRows);
  return SetDrawScale(canvas, fit);
}

DrawScale ScaleOf(const cDraw& canvas) {
  return {canvas.ScX(), canvas.ScY(), canvas.Xoo(), canvas.Yoo()};
}

}  // namespace norva
