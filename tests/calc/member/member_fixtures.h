#pragma once
// Small walls for the member-check tests and an independent polygon helper.
#include <cmath>
#include <memory>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"

namespace norva::member_test {

// Area and centroid of a closed polygon given by its corners (shoelace),
// worked out here rather than taken from the program's weight class.
struct Poly {
  double A = 0, cx = 0, cy = 0;
};
inline Poly Shoelace(const std::vector<std::pair<double, double>>& p) {
  double a2 = 0, sx = 0, sy = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const auto& [x0, y0] = p[i];
    const auto& [x1, y1] = p[(i + 1) % p.size()];
    const double cr = x0 * y1 - x1 * y0;
    a2 += cr;
    sx += (x0 + x1) * cr;
    sy += (y0 + y1) * cr;
  }
  Poly r;
  r.A = std::fabs(a2) / 2;
  r.cx = sx / (3 * a2);
  r.cy = sy / (3 * a2);
  return r;
}

// Coulomb pressure above a section: height H of back face, water hw above the
// section, Ka, unit weights above / below water. Returns Pa and sets lever,
// the height of the resultant above the section (pressure blocks by hand).
inline double CoulombBlocks(double H, double hw, double Ka, double g, double gd, double& lever) {
  const double p1 = (H - hw) * g * Ka;
  const double p2 = p1 + gd * hw * Ka;
  const double P1 = p1 * (H - hw) / 2;
  const double P2 = (p1 + p2) * hw / 2;
  const double M1 = P1 * ((H - hw) / 3 + hw);
  const double M2 = (p1 + p2) != 0 ? (2 * p1 + p2) / (p1 + p2) * hw / 3 * P2 : 0.0;
  lever = (M1 + M2) / (P1 + P2);
  return P1 + P2;
}

// Gravity wall 2 m at the base, 4 m high, front batter 0.4 m over the height
// (front face x = 0.1 y), vertical back face at x = 2, flat base, no toe.
// Coulomb with phi 30, delta 0 and a level backfill: Ka = 1/3 exactly.
inline std::unique_ptr<CDocument> BatteredWall() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->GrwB = 2;
  d->GrwB1 = 0.4;
  d->GrwB2 = 1.6;
  d->GrwB4 = 0;
  d->GrwH1 = 0;
  d->WallH = 4;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcw = 23;
  d->Gamcf = 24;
  d->Fai = 30;
  d->Setdelt(0, 0);
  d->Setdelt(1, 0);
  d->SetC(0, 0);
  d->SetC(1, 0);
  d->SetKh(0, 0.2);
  d->SetKh(1, 0.2);
  d->Gamb = 18;
  d->Gambd = 10;
  d->Gamf = 17;
  d->Gamfd = 20;
  d->Gamw = 10;
  d->UragomeType = 0;
  d->UraHd = 0;
  d->Doatsu = 0;
  d->SecDoatsu = 1;
  d->nTentou = 0;
  d->Sisin = 0;
  d->nWater = 0;
  d->SetSoilFH(0, 0);
  d->SetSoilFH(1, 0);
  d->SetWatFH(0, 0);
  d->SetWatBH(0, 0);
  d->SetWatFH(1, 0);
  d->SetWatBH(1, 0);
  d->WallL = 10;
  d->SetnCase(1);
  auto c = d->pCase(0);
  c->CaseName = "常時";
  c->AllowPremium = 1.0;
  return d;
}

}  // namespace norva::member_test
