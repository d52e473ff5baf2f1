#include "drawing/section/section_draw.h"

#include <cmath>

#include "drawing/section/section_colours.h"

namespace norva {

namespace {

void Split(const std::vector<DPoint>& pts, std::vector<double>& xs, std::vector<double>& ys) {
  xs.clear();
  ys.clear();
  for (const DPoint& p : pts) {
    xs.push_back(p.X);
    ys.push_back(p.Y);
  }
}

}  // namespace

bool AllFinite(const std::vector<DPoint>& pts) {
  for (const DPoint& p : pts)
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return false;
  return true;
}

std::vector<DPoint> OutlinePoints(const KutaiPoints& p, std::initializer_list<int> idx) {
  std::vector<DPoint> pts;
  for (int i : idx) pts.push_back(p[i]);
  return pts;
}

void AppendKeyPoints(const CDocument& d, const KutaiPoints& p, std::vector<DPoint>& pts) {
  if (d.Tokki != 1 || d.nKeisya == 0) return;
  const double x0 = p[0].X, y0 = p[0].Y;
  const DPoint k1{x0 + d.TokX + d.TokB, y0};
  const DPoint k2{k1.X, y0 - d.TokL};
  const DPoint k3{k1.X - d.TokB, y0 - d.TokL};
  const DPoint k4{k3.X, y0};
  pts.insert(pts.end(), {k1, k2, k3, k4});
}

void DrawModelPolygon(cDraw& canvas, const std::vector<DPoint>& pts) {
  if (pts.size() < 2 || !AllFinite(pts)) return;
  std::vector<double> xs, ys;
  Split(pts, xs, ys);
  canvas.Polygon(static_cast<int32_t>(pts.size()), xs, ys, true);
}

void DrawModelPolyLine(cDraw& canvas, const std::vector<DPoint>& pts) {
  if (pts.size() < 2 || !AllFinite(pts)) return;
  std::vector<double> xs, ys;
  Split(pts, xs, ys);
  canvas.PolyLine(static_cast<int32_t>(pts.size()), xs, ys, true);
}

void DrawModelLines(cDraw& canvas, const std::vector<DPoint>& pts, bool close) {
  if (pts.size() < 2 || !AllFinite(pts)) return;
  for (size_t i = 0; i + 1 < pts.size(); ++i)
    canvas.DrawLine(pts[i].X, pts[i].Y, pts[i + 1].X, pts[i + 1].Y, true);
  if (close) canvas.DrawLine(pts.back().X, pts.back().Y, pts[0].X, pts[0].Y, true);
}

void DrawWallPolygon(cDraw& canvas, const std::vector<DPoint>& pts, bool colour) {
  canvas.SetPenStyle(0);
  canvas.SetPenWidth(0.1);
  canvas.SetPenColor(kBlack);
  if (colour) {
    canvas.SetBrushStyle(0);
    canvas.SetBrushColor(kWallColour);
    DrawModelPolygon(canvas, pts);
  } else {
    canvas.SetBrushStyle(1);
    std::vector<DPoint> closed = pts;
    if (!closed.empty()) closed.push_back(closed.front());
    DrawModelPolyLine(canvas, closed);
  }
}

}  // namespace norva
