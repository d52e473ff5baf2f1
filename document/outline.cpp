#include "document/outline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "document/document.h"
#include "document/numeric.h"

namespace norva {

namespace {

// Slightly below pi/2 so that its tangent stays finite (about 6.19e14).
constexpr double kHalfPi = 1.570796326794895;
// The far point of the back ground lies this far behind the last surface point.
constexpr double kFar = 100000.0;

struct BlockAngles {
  double theta, c, s, t;
};

BlockAngles AnglesOf(double blkN) {
  const double theta = std::atan(blkN);
  return {theta, std::cos(theta), std::sin(theta), std::tan(theta)};
}

// Points 6, 8 and 9 from the crest front point 5, the foot of the back line of
// the backfill concrete `foot` and the crest height. `horizontal` selects
// horizontal courses.
void CrestPart(const CDocument& d, const BlockAngles& a, bool horizontal, const DPoint& foot,
               double crestY, KutaiPoints& p) {
  const double x5 = p[5].X;
  if (horizontal) {
    p[6] = {x5 + d.BlkT / a.c, crestY};
    p[8] = {x5 + (d.BlkT + d.BlkDeltT1) / a.c, crestY};
    p[9] = p[8];
    return;
  }
  p[6] = {x5 + a.c * d.BlkT, crestY - a.s * d.BlkT};
  p[8] = {x5 + a.c * (d.BlkT + d.BlkDeltT1), crestY - a.s * (d.BlkT + d.BlkDeltT1)};
  const double alpha =
      p[8].X != foot.X ? std::atan((p[8].Y - foot.Y) / (p[8].X - foot.X)) : kHalfPi;
  p[9] = {p[8].X + (crestY - p[8].Y) / std::tan(alpha), crestY};
}

}  // namespace

void MakeKutaiOutline(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront, DPoint& CrestBack,
                      int16_t SectionMode) {
  switch (Doc.WallType()) {
    case 0:
      MakeKutaiOutlineBlk(Doc, Pts, CrestFront, CrestBack, SectionMode);
      break;
    case 1:
      MakeKutaiOutlineGrw(Doc, Pts, CrestFront, CrestBack);
      break;
    case 2:
      MakeKutaiOutlineMtw(Doc, Pts, CrestFront, CrestBack);
      break;
    case 3:
      MakeKutaiOutlineMxw(Doc, Pts, CrestFront, CrestBack, SectionMode);
      break;
    default:
      break;
  }
}

void MakeKutaiOutlineGrw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack) {
  const CDocument& d = Doc;
  // A shear key cancels the inclined base.
  const double y0 = (d.Tokki == 0 && d.nKeisya == 0) ? d.KeisyaH : 0.0;
  Pts[0] = {0.0, y0};
  Pts[1] = {0.0, d.GrwH1 + y0};
  Pts[2] = {d.GrwB4, d.GrwH1 + y0};
  Pts[3] = {d.GrwB, d.GrwH1 + y0};
  Pts[4] = {d.GrwB, 0.0};
  Pts[5] = {d.GrwB4 + d.GrwB1, d.WallH};
  Pts[6] = {d.GrwB4 + d.GrwB1 + d.GrwB2, d.WallH};
  CrestFront = Pts[5];
  CrestBack = Pts[6];
}

void MakeKutaiOutlineMtw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack) {
  const CDocument& d = Doc;
  double y0 = 0.0;
  if (d.Tokki == 0 && d.nKeisya == 0) {
    y0 = d.KeisyaH;
  } else if (d.MtwH2 <= 0) {
    y0 = d.MtwH3;  // no toe: the base rises by the drop of the back face
  }
  const double xb = d.MtwB1 + d.MtwB2 + d.MtwB3 - d.MtwB4;
  const double yt = d.MtwH1 + d.MtwH2 + y0;
  Pts[0] = {0.0, y0};
  Pts[1] = {0.0, d.MtwH2 + y0};
  Pts[2] = {d.MtwB1, d.MtwH2 + y0};
  Pts[3] = {xb, d.MtwH2 + y0 - d.MtwH3};
  Pts[4] = {xb, 0.0};
  Pts[5] = {d.MtwB1 + d.MtwB2, yt};
  Pts[6] = {d.MtwB1 + d.MtwB2 + d.MtwB3, yt};
  CrestFront = Pts[5];
  CrestBack = Pts[6];
}

std::optional<double> LeaningBackGradient(const CDocument& Doc) {
  if (!(Doc.MtwB4 >= 0) || !(Doc.MtwH1 > 0)) return std::nullopt;
  return Doc.MtwB4 / (Doc.MtwH1 + std::max(Doc.MtwH3, 0.0));
}

void MakeKutaiOutlineBlk(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack, int16_t SectionMode) {
  const CDocument& d = Doc;
  const BlockAngles a = AnglesOf(d.BlkN);
  const bool horizontal = d.nBlkSetup != 0;
  const bool withFoundation = d.nBlkFound == 0 && SectionMode == 0;
  const bool raisedToe = d.nBlkFound != 0 && d.nBlkSetup == 0 && SectionMode == 0;

  if (withFoundation) {
    const double y0 = d.nKeisya == 0 ? d.KeisyaH : 0.0;
    const double hb = d.BlkH1 + y0;
    const double h = d.WallH - d.BlkH1 - y0;
    Pts[0] = {0.0, y0};
    Pts[1] = {0.0, hb};
    Pts[2] = {d.BlkB1, hb};
    Pts[4] = {d.BlkB, 0.0};
    Pts[5] = {d.BlkB1 + a.t * h, d.WallH};
    if (horizontal) {
      Pts[7] = {d.BlkB1 + d.BlkT / a.c, hb};
      Pts[3] = {d.BlkB1 + (d.BlkT + d.BlkDeltT2) / a.c, hb};
      Pts[10] = {d.BlkB, hb};
    } else {
      Pts[10] = {d.BlkB, d.BlkH2};
      // beta: fall of the foundation top from the foot of the face to the heel.
      const double beta = d.BlkB != d.BlkB1 ? std::atan((hb - d.BlkH2) / (d.BlkB - d.BlkB1)) : 0.0;
      const double k = std::cos(a.theta - beta);
      const double cb = std::cos(beta);
      const double sb = std::sin(beta);
      Pts[7] = {d.BlkB1 + d.BlkT / k * cb, hb - d.BlkT / k * sb};
      Pts[3] = {d.BlkB1 + (d.BlkT + d.BlkDeltT2) / k * cb, hb - (d.BlkT + d.BlkDeltT2) / k * sb};
    }
  } else if (raisedToe) {
    // The bottom course stands on a base cut normal to the face (0 down to 7),
    // the backfill concrete on the level ground (7 to 3).
    const DPoint foot{0.0, a.s * d.BlkT};
    Pts[0] = Pts[1] = Pts[2] = foot;
    Pts[5] = {a.t * (d.WallH - a.s * d.BlkT), d.WallH};
    Pts[7] = {a.c * d.BlkT, 0.0};
    Pts[3] = {a.c * d.BlkT + d.BlkDeltT2 / a.c, 0.0};
    Pts[4] = Pts[10] = Pts[3];
  } else {
    Pts[0] = Pts[1] = Pts[2] = DPoint{0.0, 0.0};
    Pts[5] = {a.t * d.WallH, d.WallH};
    Pts[7] = {d.BlkT / a.c, 0.0};
    Pts[3] = {(d.BlkT + d.BlkDeltT2) / a.c, 0.0};
    Pts[4] = Pts[10] = Pts[3];
  }
  CrestPart(d, a, horizontal, Pts[3], d.WallH, Pts);
  CrestFront = Pts[5];
  CrestBack = Pts[9];
}

void MakeKutaiOutlineMxw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack, int16_t SectionMode) {
  const CDocument& d = Doc;
  const BlockAngles a = AnglesOf(d.BlkN);
  // beta: fall of the lower wall's top from front to back.
  const double beta = d.GrwB2 != d.GrwB3 ? std::atan(d.MxwH3 / (d.GrwB2 - d.GrwB3)) : 0.0;
  const double g = std::sin(kHalfPi - a.theta + beta);
  const double dT = d.BlkT / g;
  const double dD = (d.BlkT + d.BlkDeltT2) / g;
  const double cb = std::cos(beta);
  const double sb = std::sin(beta);
  const double y0 = (d.nKeisya == 0 && d.Tokki == 0) ? d.KeisyaH : 0.0;
  const double yt = d.MxwH1 + d.MxwH2;
  const double xFoot = d.GrwB1 + d.GrwB3;  // foot of the block face on the lower wall

  Pts[0] = {0.0, y0};
  Pts[3] = {d.GrwB1 + d.GrwB2, d.MxwH2 - d.MxwH3};
  Pts[4] = {d.GrwB, 0.0};
  Pts[5] = {xFoot + a.t * d.MxwH1, yt};
  Pts[10] = {xFoot + dD * cb, d.MxwH2 - dD * sb};
  if (SectionMode == 0) {
    Pts[1] = {d.GrwB1, d.MxwH2};
    Pts[2] = {xFoot, d.MxwH2};
    Pts[7] = {xFoot + dT * cb, d.MxwH2 - dT * sb};
  } else {
    // Horizontal joint at the height of point 10.
    const double yc = Pts[10].Y;
    const bool inclined = d.nKeisya == 0;
    const double yk = inclined ? d.KeisyaH : 0.0;
    const double run = inclined ? d.MxwH2 - d.KeisyaH : d.MxwH2;
    // A lower wall without front height has no face to slide along: the joint
    // then starts at its front top edge.
    Pts[1] = run != 0.0 ? DPoint{std::tan(std::atan(d.GrwB1 / run)) * (yc - yk), yc}
                        : DPoint{d.GrwB1, yc};
    Pts[2] = {xFoot - dD * sb * d.BlkN, yc};
    Pts[7] = {Pts[2].X + d.BlkT / a.c, yc};
  }
  CrestPart(d, a, false, Pts[10], yt, Pts);
  CrestFront = Pts[5];
  CrestBack = Pts[9];
}

bool GetKeisyaHeight(const CDocument& Doc, double& H) {
  const CDocument& d = Doc;
  H = 0.0;
  switch (d.WallType()) {
    case 0:
      if (d.nKeisya == 0 && d.BlkH1 > 0) {
        H = d.KeisyaH;
        return true;
      }
      if (d.nBlkSetup == 0 && d.nBlkFound == 1) {
        H = (d.BlkT + d.BlkDeltT2) * std::sin(std::atan(d.BlkN));
        return true;
      }
      return false;
    case 2:
      if (d.nKeisya == 0 && d.MtwH2 > 0) {
        H = d.KeisyaH;
        return true;
      }
      if (d.MtwH2 <= 0 && d.MtwH3 > 0) {
        H = d.MtwH3;
        return true;
      }
      return false;
    default:
      if (d.nKeisya == 0 && d.KeisyaH > 0) {
        H = d.KeisyaH;
        return true;
      }
      return false;
  }
}

void MakeUraOutline(const CDocument& Doc, double FromY, const KutaiPoints& Pts, int16_t& UraCount,
                    std::vector<DPoint>& Ura, int16_t& WallEnd, int16_t WallPart) {
  const CDocument& d = Doc;
  const int32_t wallType = d.WallType();
  if (wallType < 0 || wallType > 3)
    throw std::invalid_argument("MakeUraOutline: unknown wall type");
  if (d.UragomeType == 1 && d.UraN == 0.0)
    throw std::invalid_argument("MakeUraOutline: back-ground slope 1:0");

  std::vector<DPoint> out;
  // x of the line through wall points i and j at height y.
  auto onLine = [&](int i, int j, double y) { return DPoint{InterpolateX(Pts[i], Pts[j], y), y}; };

  DPoint g;
  if (wallType == 0) {
    out.push_back(onLine(3, 9, FromY));
    g = onLine(3, 9, Pts[9].Y - d.UraHd);
  } else if (wallType == 1 || wallType == 2) {
    out.push_back(onLine(3, 6, FromY));
    g = onLine(3, 6, Pts[6].Y - d.UraHd);
  } else if (WallPart != 0) {
    const double y3 = Pts[3].Y;
    if (FromY < y3) out.push_back(onLine(3, 4, FromY));
    out.push_back(FromY > y3 ? onLine(3, 9, FromY) : Pts[3]);
    g = onLine(3, 9, Pts[9].Y - d.UraHd);
  } else {
    out.push_back(FromY <= Pts[10].Y ? Pts[10] : onLine(10, 9, FromY));
    g = onLine(10, 9, Pts[9].Y - d.UraHd);
  }
  out.push_back(g);
  const size_t wallEnd = out.size() - 1;

  switch (d.UragomeType) {
    case 0:
      out.push_back({g.X + kFar, g.Y});
      break;
    case 1:
      out.push_back({g.X + kFar, g.Y + kFar / d.UraN});
      break;
    case 2: {
      out.push_back({g.X + d.UraX1, g.Y});
      const DPoint top{g.X + d.UraX1 + d.UraX2, g.Y + d.UraH0};
      out.push_back(top);
      out.push_back({top.X + kFar, top.Y});
      break;
    }
    case 3: {
      const int n = d.nUraNini();
      for (int i = 0; i < n; ++i) out.push_back({g.X + d.UraNiniX(i), g.Y + d.UraNiniY(i)});
      const DPoint last = out.back();
      out.push_back({last.X + kFar, last.Y});
      break;
    }
    default:
      break;
  }

  if (out.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max()))
    throw std::length_error("MakeUraOutline: too many back-ground points");
  if (Ura.size() < out.size()) Ura.resize(out.size());
  for (size_t i = 0; i < out.size(); ++i) Ura[i] = out[i];
  UraCount = static_cast<int16_t>(out.size());
  WallEnd = static_cast<int16_t>(wallEnd);
}

}  // namespace norva
