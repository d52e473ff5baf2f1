#include "calc/stability/water.h"

#include <algorithm>

#include "document/document.h"
#include "document/numeric.h"

namespace norva {

namespace {

// Triangle of pressure over the head d above the reference.
void Triangle(double gamw, double d, double& P, double& y) {
  P = d * d * 0.5 * gamw;
  y = d / 3;
}

// Lower wall of a mixed wall: a trapezoid over the height h of the lower wall
// above the reference when the water stands above its top y10.
void LowerWall(double gamw, double level, double y0, double y10, double& P, double& y) {
  const double h = y10 - y0;
  if (level > y10) {
    const double qt = (level - y0 - h) * gamw;
    const double qb = gamw * (level - y0);
    P = (qt + qb) * h / 2;
    y = (qt * 2 + qb) / (qt + qb) * h / 3;
  } else {
    Triangle(gamw, std::max(level - y0, 0.0), P, y);
  }
}

}  // namespace

int16_t CalcSuiatsu(const CDocument& doc, const KutaiPoints& p, double hf, double hb, int16_t part,
                    const double& y0, double& Pwf, double& Pwfy, double& Pwb, double& Pwby) {
  Pwf = Pwfy = Pwb = Pwby = 0;
  if (EqualTol(hf, hb)) return 0;
  const double g = doc.Gamw;
  if (doc.WallType() != 3) {
    Triangle(g, std::max(hf - y0, 0.0), Pwf, Pwfy);
    Triangle(g, std::max(hb - y0, 0.0), Pwb, Pwby);
    return 0;
  }
  const double y10 = p[10].Y;
  if (part == 0) {
    const double yj = std::max(y0, y10);
    Triangle(g, std::max(hf - yj, 0.0), Pwf, Pwfy);
    Triangle(g, std::max(hb - yj, 0.0), Pwb, Pwby);
    return 0;
  }
  if (y0 >= y10) return 0;
  LowerWall(g, hb, y0, y10, Pwb, Pwby);
  LowerWall(g, hf, y0, y10, Pwf, Pwfy);
  return 0;
}

int16_t CalcYouatsu(const CDocument& doc, const KutaiPoints& p, double hf, double hb, double& V,
                    double& V1, double& V2, double& Xc) {
  const double B = p[4].X - p[0].X;
  V1 = doc.Gamw * std::max(hf, 0.0);
  V2 = doc.Gamw * std::max(hb, 0.0);
  V = (V1 + V2) * B * 0.5;
  Xc = (V1 + V2 == 0) ? 0.0 : (V2 * 2 + V1) / (V1 + V2) * B / 3;
  return 0;
}

}  // namespace norva
