// Line of thrust of block masonry and the limit-height search.
#include "calc/run/line_of_thrust.h"

#include <cmath>
#include <exception>
#include <memory>

#include "calc/earth_pressure/coulomb.h"
#include "calc/member/wall_force.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/nulls.h"
#include "document/numeric.h"

namespace norva {

namespace {

ThrustForceFn& ForceFnSlot() {
  static ThrustForceFn fn;
  return fn;
}

int64_t g_forceCalls = 0;

StabStatus SectionForces(CDocument& doc, int32_t cas, const KutaiPoints& p, const DPoint& c1,
                         const DPoint& c2, double y, bool table, CAntRes& r, ThrustSums& s) {
  ++g_forceCalls;
  const ThrustForceFn& fn = ForceFnSlot();
  if (fn) return fn(doc, cas, p, c1, c2, y, table, r, s);
  return ThrustSectionForces(doc, cas, p, c1, c2, y, table, r, s);
}

int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Puts WallH (or MxwH1) back when the search ends, however it ends.
class HeightRestore {
 public:
  explicit HeightRestore(double& h) : h_(h), saved_(h) {}
  ~HeightRestore() { h_ = saved_; }
  HeightRestore(const HeightRestore&) = delete;
  HeightRestore& operator=(const HeightRestore&) = delete;
  double Saved() const { return saved_; }

 private:
  double& h_;
  double saved_;
};

// Section height of the check: the base of the masonry.
double BaseY(const CDocument& doc, const KutaiPoints& p) {
  return doc.WallType() == 3 ? p[10].Y : 0.0;
}

// Front end of the section at its base: the toe of the block wall, the front
// foot of the upper wall.
double BaseFrontX(const CDocument& doc, const KutaiPoints& p) {
  return doc.WallType() == 3 ? p[2].X : p[0].X;
}

// X of the line of thrust and its limit for a section with front end xf.
bool ThrustPosition(const KutaiPoints& p, double xf, const ThrustSums& s, double& X, double& Xd) {
  const double W = p[9].X - p[5].X;
  Xd = W / 2 + (p[5].X - xf) - W / 3;
  if (s.V == 0) return false;
  X = W / 2 + (p[5].X - xf) - (s.VX - s.HY) / s.V;
  return std::isfinite(X) && std::isfinite(Xd);
}

}  // namespace

void SetThrustForceFn(ThrustForceFn fn) { ForceFnSlot() = std::move(fn); }

int64_t ThrustForceCalls() { return g_forceCalls; }

StabStatus ThrustSectionForces(CDocument& doc, int32_t cas, const KutaiPoints& p, const DPoint& c1,
                               const DPoint& c2, double y, bool table, CAntRes& /*res*/,
                               ThrustSums& sums) {
  const WallForceResult r =
      CalcWallForce(doc, cas, p, c1, c2, 0, y, {WallForceUse::kThrust, table}, nullptr);
  sums = ThrustSums{r.sums.V, r.sums.H, r.sums.VX, r.sums.HY};
  return r.status;
}

StabStatus CalcSiryokusen(CDocument& doc, int32_t cas, CAntRes& r) {
  const int32_t wt = doc.WallType();
  if (wt != 0 && wt != 3) {
    // Only block masonry has a line of thrust; any other outline has no crest
    // points 5 and 9 to measure it by.
    r.Xh = r.Xd = r.Ha = kNullBox;
    return StabStatus::Fail("ブロック積み擁壁以外では、示力線を計算できません。");
  }
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 1);
  ThrustSums s;
  double X = 0, Xd = 0;
  StabStatus st;
  try {
    st = SectionForces(doc, cas, p, c1, c2, BaseY(doc, p), true, r, s);
  } catch (const std::exception& e) {
    st = StabStatus::Fail(e.what());
  }
  if (st && !ThrustPosition(p, BaseFrontX(doc, p), s, X, Xd)) {
    st = StabStatus::Fail(kStabReasonZeroV);
  }
  if (!st) {
    r.Xh = r.Xd = r.Ha = kNullBox;
    return st;
  }
  r.Xh = X;
  r.Xd = Xd;

  // The trials keep the actual wall's coefficient and surcharge terms; the
  // height and the earth-pressure state are put back however the search ends.
  JyousaiHold hold(r.Ka, r.Qd, r.Qw);
  double& height = wt == 3 ? doc.MxwH1 : doc.WallH;
  HeightRestore restore(height);
  const int limit = wt == 3 ? 250 : 100;

  double step = X < Xd ? 1.0 : (X > Xd ? -1.0 : 0.0);
  int g = Sign(X - Xd);
  double h = restore.Saved() + step;
  // A wall (or upper wall) lower than the first step turns back at once: a
  // trial at a height of 0 or below has no masonry and no line of thrust.
  if (h <= 0) {
    step = -0.5 * step;
    h = std::fabs(step);
  }
  int i = 0;
  try {
    do {
      ++i;
      height = h;
      MakeKutaiOutline(doc, p, c1, c2, 1);
      st = SectionForces(doc, cas, p, c1, c2, BaseY(doc, p), false, r, s);
      if (!st) break;
      if (!ThrustPosition(p, BaseFrontX(doc, p), s, X, Xd)) {
        st = StabStatus::Fail(kStabReasonZeroV);
        break;
      }
      if (std::fabs(X - Xd) < 0.001) break;
      if (Sign(X - Xd) != g) {
        step = -0.5 * step;
        if (wt == 0) i = 0;
      }
      g = Sign(X - Xd);
      h += step;
      if (h <= 0) {
        step = -0.5 * step;
        h = std::fabs(step);
      }
      if (std::fabs(step) < 0.00001) break;
    } while (i < limit);
  } catch (const std::exception& e) {
    st = StabStatus::Fail(e.what());
  }
  if (!st) {
    r.Ha = kNullBox;
    return st;
  }
  r.Ha = i >= limit ? kNullBox : h;
  return StabStatus::Ok();
}

DPoint GetSiryokuPos(CDocument& doc, int32_t cas, CAntRes& r, const double& y, double& sumV,
                     double& sumVX, double& sumHY) {
  sumV = sumVX = sumHY = 0;
  JyousaiHold hold(r.Ka, r.Qd, r.Qw);
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 1);
  const double base = doc.WallType() == 3 ? p[10].Y : 0.0;
  const double yy = y + base;
  ThrustSums s;
  StabStatus st;
  try {
    st = SectionForces(doc, cas, p, c1, c2, yy, false, r, s);
  } catch (const std::exception& e) {
    st = StabStatus::Fail(e.what());
  }
  if (!st) return DPoint{kNullBox, y};
  sumV = s.V;
  sumVX = s.VX;
  sumHY = s.HY;
  if (s.V == 0) return DPoint{0.0, y};
  double X = 0, Xd = 0;
  ThrustPosition(p, InterpolateX(p[2], p[5], yy), s, X, Xd);
  return DPoint{X, y};
}

}  // namespace norva
