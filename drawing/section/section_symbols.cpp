#include "drawing/section/section_symbols.h"

#include <cmath>

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

}  // namespace norva
