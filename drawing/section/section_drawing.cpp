#include "drawing/section/section_drawing.h"

#include <algorithm>

#include "document/nulls.h"
#include "drawing/section/back_ground.h"
#include "drawing/section/dimension_sets.h"
#include "drawing/section/front_layer.h"
#include "drawing/section/section_checks.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"

namespace norva {

namespace {

using DimensionSetFn = void (*)(const CDocument&, cDraw&, const DrawFitState&, int16_t,
                                const KutaiPoints&, bool);

DrawFitState DrawMaster(const CDocument& doc, cDraw& canvas, KutaiPoints& outline, int16_t state,
                        bool colour, DimensionSetFn dimensions) {
  const SectionPlan plan = PlanSection(doc, outline, state, colour);
  DrawFitState fit;
  fit.DrwSunpRows = plan.rows;
  FitDrawArea(canvas, fit, plan.world.width, plan.world.height);
  for (int i = 0; i <= plan.lastMoved; ++i) outline[i].X += plan.strip;
  canvas.Cls();
  for (const FrontBand& b : plan.bands)
    DrawFrontLayer(canvas, outline, b.top, b.bottom, b.fill, b.waterSymbol, b.colourMode);
  if (plan.backGround) DrawUraJiban(doc, canvas, outline, plan.wb, plan.xR, colour);
  for (const std::vector<DPoint>& poly : WallPolygons(doc, outline))
    DrawWallPolygon(canvas, poly, colour);
  dimensions(doc, canvas, fit, state, outline, colour);
  return fit;
}

}  // namespace

DrawFitState DrawKutaiSunpGrw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour) {
  return DrawMaster(doc, canvas, outline, state, colour, DrawSunpouGrw);
}

DrawFitState DrawKutaiSunpBlk(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour) {
  return DrawMaster(doc, canvas, outline, state, colour, DrawSunpouBlk);
}

DrawFitState DrawKutaiSunpMtw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour) {
  return DrawMaster(doc, canvas, outline, state, colour, DrawSunpouMtw);
}

DrawFitState DrawKutaiSunpMxw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour) {
  return DrawMaster(doc, canvas, outline, state, colour, DrawSunpouMxw);
}

void DrawKutaiSunp(const CDocument& doc, cDraw& canvas, int16_t state, bool colour) {
  if (canvas.GetCanvas() == nullptr) return;
  if (!CanDrawSection(doc)) return;
  KutaiPoints outline{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, outline, crestFront, crestBack, 0);
  switch (doc.WallType()) {
    case 0:
      DrawKutaiSunpBlk(doc, canvas, outline, state, colour);
      break;
    case 1:
      DrawKutaiSunpGrw(doc, canvas, outline, state, colour);
      break;
    case 2:
      DrawKutaiSunpMtw(doc, canvas, outline, state, colour);
      break;
    case 3:
      DrawKutaiSunpMxw(doc, canvas, outline, state, colour);
      break;
    default:
      break;
  }
}

}  // namespace norva
