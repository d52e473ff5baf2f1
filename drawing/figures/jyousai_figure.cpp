#include "drawing/figures/jyousai_figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/back_ground.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_drawing.h"

namespace norva {

namespace {

constexpr double kBandPerLoadMm = 3 * 1.5;
constexpr double kFirstGap = 42.525;   // 0.75 mm
constexpr double kBarHeight = 170.1;   // 3 mm
constexpr double kBarPitch = 212.625;  // 3.75 mm
constexpr uint32_t kBarColour = Rgb(0, 255, 0);

struct Surcharge {
  const char* name;
  int16_t CDocumentInputs::*sw;
  double CDocumentInputs::*pos;
  double CDocumentInputs::*width;  // null: snow, which has none
};

// The order of the stack, from the bottom up.
const Surcharge kSurcharges[] = {
    {"自動車荷重", &CDocumentInputs::nAutoMobile, &CDocumentInputs::AutoPos,
     &CDocumentInputs::AutoWidth},
    {"群集荷重", &CDocumentInputs::nGunsyu, &CDocumentInputs::GunsyuPos,
     &CDocumentInputs::GunsyuWidth},
    {"雪荷重", &CDocumentInputs::nSnow, &CDocumentInputs::SnowPos, nullptr},
    {"宅地荷重", &CDocumentInputs::nTakuchi, &CDocumentInputs::TakuchiPos,
     &CDocumentInputs::TakuchiWidth},
};

// Where a level meets the back of the wall below the crest back: the back
// line down to point 3; on a mixed wall the upper wall's back down to the
// foot of its backing (point 10), then the lower wall's top and back.
double BackLineX(const CDocument& d, const KutaiPoints& p, double y) {
  const DPoint& top = CrestBackPoint(d, p);
  if (d.WallType() != 3) return InterpolateX(top, p[3], y);
  if (y >= p[10].Y) return InterpolateX(top, p[10], y);
  if (y >= p[3].Y) return InterpolateX(p[10], p[3], y);
  return InterpolateX(p[3], p[4], y);
}

double CrestHeight(const CDocument& d) {
  switch (d.WallType()) {
    case 2:
      return d.MtwH1 + d.MtwH2;
    case 3:
      return d.MxwH1 + d.MxwH2;
    default:
      return d.WallH;
  }
}

void DrawMaster(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  canvas.MarginSet(3, 3, 3, 3);
  TwipBox area;
  canvas.GetDrawAreaRect(area.left, area.top, area.right, area.bottom);
  const JyousaiPlan plan = PlanJyousai(doc, outline, area);
  canvas.SetScX(plan.scale.ScX);
  canvas.SetScY(plan.scale.ScY);
  canvas.SetXoo(plan.scale.Xoo);
  canvas.SetYoo(plan.scale.Yoo);
  canvas.Cls();
  if (!plan.drawable) return;
  if (plan.ground) DrawUraJiban(doc, canvas, outline, 0, plan.E, true);
  for (const std::vector<DPoint>& poly : plan.wall_polygons) DrawWallPolygon(canvas, poly, true);

  canvas.SetFontSize(170.1);
  canvas.SetTextAngle(0);
  for (const JyousaiBar& bar : plan.bars) {
    canvas.SetBrushStyle(3);
    canvas.SetBrushColor(kBarColour);
    canvas.SetPenColor(kBarColour);
    DrawModelPolygon(canvas, {{bar.s, bar.b}, {bar.s, bar.t}, {bar.e, bar.t}, {bar.e, bar.b}});
    canvas.SetTextAlign(2);
    canvas.DrawText(canvas.GetX(plan.labelX), canvas.GetY(bar.t), bar.name);
  }
}

}  // namespace

JyousaiPlan PlanJyousai(const CDocument& d, const KutaiPoints& p, const TwipBox& area) {
  JyousaiPlan plan;
  for (const Surcharge& s : kSurcharges)
    if (d.*s.sw == 0) ++plan.considered;
  plan.wall = GetKutaiExtent(d, p);
  plan.ground = GetUragomeExtent(d, plan.backW, plan.backH);
  if (d.UragomeType == 2) plan.backW += 1.0;
  plan.backW = MaxOf(2.0, {plan.backW});
  // After the widening: an incomplete back ground leaves no width at all.
  if (!plan.ground) plan.backW = plan.backH = 0;

  DrawFitState& fit = plan.fit;
  fit.DrwAreaBox = area;
  fit.DrwWorldSize = {plan.wall.XMax + plan.backW, std::max(plan.wall.YMax, plan.backH)};
  fit.DrwInnerBox = area;
  fit.DrwInnerBox.top += std::max(0, plan.considered) * kBandPerLoadMm * kTwipsPerMm;
  plan.scale = ComputeDrawScale(fit);
  const DrawScale& sc = plan.scale;
  plan.drawable = sc.ScX > 0 && sc.ScY > 0 && std::isfinite(sc.ScX) && std::isfinite(sc.ScY);
  if (!plan.drawable) return plan;
  // The ground runs to the right edge of the box, whatever the fit left over.
  plan.E = plan.wall.XMax + (fit.DrwInnerBox.right - sc.GetX(plan.wall.XMax)) / sc.ScX;

  const DPoint& top = CrestBackPoint(d, p);
  // A blank depth puts the ground at the crest rather than out of sight.
  const double depth = IsNullValue(d.UraHd) ? 0.0 : d.UraHd;
  plan.R.Y = top.Y - depth;
  plan.R.X = BackLineX(d, p, plan.R.Y);
  plan.crestH = CrestHeight(d);
  plan.labelPoint = d.WallType() == 1 ? 1 : 5;
  plan.labelX = p[plan.labelPoint].X;
  plan.wall_polygons = WallPolygons(d, p);

  double b = std::max(plan.crestH, plan.backH) + kFirstGap / sc.ScY;
  for (const Surcharge& s : kSurcharges) {
    if (d.*s.sw != 0) continue;
    JyousaiBar bar;
    bar.name = s.name;
    bar.s = plan.R.X + MaxOf(0.0, {d.*s.pos});
    bar.e = plan.E;
    if (s.width != nullptr && d.Doatsu != 0)
      bar.e = MinOf(plan.E, {bar.s + MaxOf(0.0, {d.*s.width})});
    bar.b = b;
    bar.t = b + kBarHeight / sc.ScY;
    plan.bars.push_back(bar);
    b += kBarPitch / sc.ScY;
  }
  return plan;
}

void DrawJyousaiBlk(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawMaster(doc, canvas, outline);
}
void DrawJyousaiGrw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawMaster(doc, canvas, outline);
}
void DrawJyousaiMtw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawMaster(doc, canvas, outline);
}
void DrawJyousaiMxw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline) {
  DrawMaster(doc, canvas, outline);
}

void DrawJyousai(const CDocument& doc, cDraw& canvas) {
  if (canvas.GetCanvas() == nullptr) return;
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  switch (doc.WallType()) {
    case 0:
      DrawJyousaiBlk(doc, canvas, outline);
      break;
    case 1:
      DrawJyousaiGrw(doc, canvas, outline);
      break;
    case 2:
      DrawJyousaiMtw(doc, canvas, outline);
      break;
    case 3:
      DrawJyousaiMxw(doc, canvas, outline);
      break;
    default:
      break;
  }
}

}  // namespace norva
