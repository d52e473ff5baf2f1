#include "drawing/section/section_symbols.h"

#include <cmath>

#include "drawing/base/cdraw.h"
#include "drawing/section/section_colours.h"

namespace norva {

std::array<DeviceLine, 9> JibanMarkStrokes(double x, double y, double size, double angle) {
  const double s = size;
  const double d = s / 7;
  const double yb = y + s / 4;
  std::array<DeviceLine, 9> st{};
  int k = 0;
  double u = x - s / 2;
  for (int i = 0; i < 3; ++i) {
    u += d;
    st[k++] = {u + d, y, u, yb};
  }
  u += 1.5 * d;
  const double th = std::atan(d / (s / 4));
  const double c = std::cos(th);
  const double sn = std::sin(th);
  const double l = 1.5 * d * c;
  st[k++] = {u - l * c, yb - l * sn, u, yb};
  st[k++] = {u, y, u + l * c, y + l * sn};
  const double l2 = d * c;
  st[k++] = {u - l2 * c, y + s / 8 - l2 * sn, u + l2 * c, y + s / 8 + l2 * sn};
  u -= 0.5 * d;
  for (int i = 0; i < 3; ++i) {
    u += d;
    st[k++] = {u + d, y, u, yb};
  }
  // Turn about (x, y); device y points down, so a positive angle lifts the
  // right-hand side.
  const double ca = std::cos(angle);
  const double sa = std::sin(angle);
  auto turn = [&](double& px, double& py) {
    const double dx = px - x;
    const double dy = py - y;
    px = x + dx * ca + dy * sa;
    py = y - dx * sa + dy * ca;
  };
  for (DeviceLine& ln : st) {
    turn(ln.x1, ln.y1);
    turn(ln.x2, ln.y2);
  }
  return st;
}

void DrawJibanMark(cDraw& canvas, double x, double y, double size, double angle) {
  if (!(size > 0) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(angle)) return;
  const int16_t style = canvas.PenStyle();
  canvas.SetPenStyle(0);
  canvas.SetPenColor(kBlack);
  for (const DeviceLine& l : JibanMarkStrokes(x, y, size, angle))
    canvas.DrawLine(l.x1, l.y1, l.x2, l.y2, false);
  canvas.SetPenStyle(style);
}

void DrawSuiiMark(cDraw& canvas, double x, double y, double size, bool colour) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (colour) {
    canvas.SetBrushStyle(0);
    canvas.SetPenColor(kBlue);
    canvas.SetBrushColor(kWaterColour);
  } else {
    canvas.SetBrushStyle(1);
    canvas.SetPenColor(kBlack);
  }
  // Apex down on the water line; the top edge lies s cos 30° above it.
  const double top = y - size * std::cos(0.5235987755982984);
  const double xs[] = {x - 0.4 * size, x + 0.4 * size, x, x - 0.4 * size};
  const double ys[] = {top, top, y, top};
  if (colour) {
    canvas.Polygon(4, xs, ys, false);
  } else {
    canvas.PolyLine(4, xs, ys, false);
  }
  const double bars[][2] = {{0.5, 28.35}, {0.3, 56.7}, {0.1, 85.05}};
  for (const auto& b : bars)
    canvas.DrawLine(x - b[0] * size, y + b[1], x + b[0] * size, y + b[1], false);
  canvas.SetPenColor(kBlack);
  canvas.SetBrushStyle(1);
}

}  // namespace norva
