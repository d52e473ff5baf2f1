#include "drawing/section/front_layer.h"

#include "document/numeric.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_symbols.h"

namespace norva {

std::vector<DPoint> FrontLayerPolygon(const KutaiPoints& o, double top, double bottom,
                                      double& xTop) {
  if (LessTol(top, o[0].Y)) {
    xTop = InterpolateX(o[0], o[4], top);
  } else if (LessEqTol(top, o[1].Y)) {
    xTop = InterpolateX(o[0], o[1], top);
  } else {
    xTop = InterpolateX(o[2], o[5], top);
  }
  std::vector<DPoint> pts{{xTop, top}};
  for (int i : {2, 1, 0})
    if (bottom < o[i].Y && o[i].Y < top) pts.push_back(o[i]);
  double xBottom;
  if (LessTol(bottom, o[0].Y)) {
    xBottom = InterpolateX(o[0], o[4], bottom);
  } else if (LessTol(bottom, o[1].Y)) {
    xBottom = InterpolateX(o[0], o[1], bottom);
  } else {
    xBottom = InterpolateX(o[2], o[5], bottom);
  }
  pts.push_back({xBottom, bottom});
  pts.push_back({0, bottom});
  pts.push_back({0, top});
  return pts;
}

void DrawFrontLayer(cDraw& canvas, const KutaiPoints& outline, double top, double bottom,
                    uint32_t fill, bool waterSymbol, bool colourMode) {
  double xTop = 0;
  const std::vector<DPoint> pts = FrontLayerPolygon(outline, top, bottom, xTop);
  if (!AllFinite(pts)) return;
  canvas.SetPenStyle(0);
  if (colourMode) {
    canvas.SetBrushStyle(0);
    canvas.SetBrushColor(fill);
    canvas.SetPenColor(fill);
    DrawModelPolygon(canvas, pts);
  }
  canvas.SetPenColor(kBlack);
  canvas.DrawLine(0, top, xTop, top, true);
  const double x = canvas.GetX(0) + 170.1;
  const double y = canvas.GetY(top);
  if (waterSymbol) {
    DrawSuiiMark(canvas, x, y, 113.4, colourMode);
  } else {
    DrawJibanMark(canvas, x, y, 283.5, 0);
  }
}

}  // namespace norva
