#include "calc/earth_pressure/kusabi.h"

#include <algorithm>
#include <cmath>

#include "calc/earth_pressure/ep_common.h"
#include "document/nulls.h"
#include "document/numeric.h"

namespace norva {

namespace {

constexpr double kRay = 100000;  // stands for an unbounded search line

DPoint Ray(const DPoint& s, double a) {
  return {s.X + kRay * std::cos(a), s.Y + kRay * std::sin(a)};
}

bool OnInside(int pos) { return pos == 2 || pos == 3; }

// First outline segment crossed by the search line from s at angle a; cuts the
// outline there. Loose scans also accept the crossing at a segment's start.
bool ScanOutline(std::vector<DPoint>& pts, int& n, const DPoint& s, double a, bool strict,
                 DPoint& x) {
  const DPoint far = Ray(s, a);
  for (int i = 1; i <= n - 1; ++i) {
    DPoint r;
    const int code = CrossPoint(pts[i - 1], pts[i], s, far, r);
    const int onSeg = code % 16;
    const int onLine = code / 16;
    const bool segOk = strict ? OnInside(onSeg) : (onSeg >= 1 && onSeg <= 3);
    if (segOk && OnInside(onLine)) {
      x = r;
      pts[i] = r;
      n = i + 1;
      return true;
    }
  }
  return false;
}

double GroundAt(const DPoint& a, const DPoint& b, double x) {
  if (a.X == b.X) return a.Y;
  return a.Y + (b.Y - a.Y) / (b.X - a.X) * (x - a.X);
}

// Closes p with its first point when the last differs by 1e-5 or more.
void CloseIfOpen(std::vector<DPoint>& p) {
  if (p.empty()) return;
  const DPoint& f = p.front();
  const DPoint& l = p.back();
  if (std::fabs(l.X - f.X) >= 1e-5 || std::fabs(l.Y - f.Y) >= 1e-5) p.push_back(f);
}

}  // namespace

double KusabiPolygonArea(const std::vector<DPoint>& p) {
  const size_t m = p.size();
  if (m < 3) return 0;
  double s = 0;
  for (size_t k = 0; k < m; ++k) {
    const DPoint& a = p[k];
    const DPoint& b = p[(k + 1) % m];
    s += a.Y * b.X - b.Y * a.X;
  }
  return 0.5 * s;
}

void KusabiPolygonWeight(const std::vector<DPoint>& p, double wlvl, double gam, double gamd,
                         double& dry, double& submerged) {
  dry = submerged = 0;
  if (wlvl <= 0) {
    dry = gam * KusabiPolygonArea(p);
    return;
  }
  if (p.empty()) return;
  std::vector<DPoint> closed = p;
  closed.push_back(p.front());
  const DPoint w1{-10000, wlvl}, w2{10000, wlvl};
  std::vector<DPoint> cut;
  cut.push_back(closed[0]);
  for (size_t k = 1; k < closed.size(); ++k) {
    DPoint r;
    const int code = CrossPoint(closed[k - 1], closed[k], w1, w2, r);
    if (OnInside(code % 16) && OnInside(code / 16)) cut.push_back(r);
    cut.push_back(closed[k]);
  }
  std::vector<DPoint> sub, top;
  for (const DPoint& q : cut) {
    if (q.Y <= wlvl + 1e-5) sub.push_back(q);
    if (q.Y >= wlvl - 1e-5) top.push_back(q);
  }
  CloseIfOpen(sub);
  CloseIfOpen(top);
  submerged = gamd * KusabiPolygonArea(sub);
  dry = gam * KusabiPolygonArea(top);
}

namespace {

// The slip surface of the trial: corners A0, A1 (and A2 for a wedge of two
// parts) where the search lines from the heel leave the outline pts, which is
// cut there; the strengths of each part (a wedge sliding on the cut face
// alone takes the cut face's). False when a search line misses the outline.
bool WedgeCorners(const CKusabiRes& w, std::vector<DPoint>& pts, KusabiShape& g) {
  int n = static_cast<int>(pts.size());
  const double omega = w.fOmega;
  const double d = w.fDist;
  const double thc = w.fTheta;
  DPoint* A = g.A;
  A[0] = pts[0];
  g.kA = 2;
  DPoint x;
  if (EqualTol(d, 0) && (EqualTol(thc, 0) || GreaterTol(omega, thc))) {
    if (!ScanOutline(pts, n, A[0], omega, false, x)) return false;
    A[1] = x;
  } else if (EqualTol(d, 0)) {
    g.phi0 = w.fFaid;
    g.c0 = w.fCd;
    g.phi1 = 0;
    g.c1 = 0;
    if (!ScanOutline(pts, n, A[0], thc, false, x)) return false;
    A[1] = x;
  } else if (LessEqTol(omega, 0)) {
    A[1] = {A[0].X + d, A[0].Y};
    if (!ScanOutline(pts, n, A[1], thc, true, x)) return false;
    A[2] = x;
    g.kA = 3;
  } else {
    const DPoint foot{A[0].X + d, A[0].Y};
    DPoint r;
    const int code = CrossPoint(A[0], Ray(A[0], omega), foot, Ray(foot, thc), r);
    if (OnInside(code % 16) && OnInside(code / 16)) {
      A[1] = r;
      if (!ScanOutline(pts, n, A[1], thc, true, x)) return false;
      A[2] = x;
      g.kA = 3;
    } else {
      if (!ScanOutline(pts, n, A[0], omega, true, x)) return false;
      A[1] = x;
    }
  }
  pts.resize(n);
  return true;
}

// A wedge of two parts: the ground point above A1 becomes an outline point.
void AddTopAboveA1(std::vector<DPoint>& pts, const KusabiShape& g) {
  int n = static_cast<int>(pts.size());
  const int nOld = n;
  for (int i = 1; i <= nOld - 1 && i < n; ++i) {
    if (pts[i - 1].X < g.A[1].X - 1e-5 && g.A[1].X < pts[i].X - 1e-5) {
      const DPoint top{g.A[1].X, GroundAt(pts[i - 1], pts[i], g.A[1].X)};
      pts.insert(pts.begin() + i, top);
      ++n;
    }
  }
}

// Tension crack: the wedge ends where the soil above its base is zc deep;
// the outline stops at the crack and the last corner moves to its foot.
void CutAtTensionCrack(std::vector<DPoint>& pts, KusabiShape& g, double zc, double omega,
                       double thc) {
  const DPoint* A = g.A;
  const int kA = g.kA;
  auto base = [&](double xx, const DPoint& segEnd) {
    if (kA == 3 && segEnd.X > A[1].X + 1e-5) return A[1].Y + (xx - A[1].X) * std::tan(thc);
    return A[0].Y + (xx - A[0].X) * std::tan(omega);
  };
  const int n = static_cast<int>(pts.size());
  for (int i = n - 1; i >= 1; --i) {
    const DPoint p0 = pts[i - 1], p1 = pts[i];
    if (std::fabs(p0.X - p1.X) < 1e-5) continue;
    const double h0 = p0.Y - base(p0.X, p1);
    const double h1 = p1.Y - base(p1.X, p1);
    if (std::max(h0, h1) >= zc - 1e-5) {
      // Equal depths at both ends: the crack stands at the far end.
      const double xc =
          std::fabs(h1 - h0) > 1e-12 ? p0.X + (zc - h0) * (p1.X - p0.X) / (h1 - h0) : p1.X;
      const DPoint T{xc, GroundAt(p0, p1, xc)};
      const DPoint B{xc, base(xc, p1)};
      pts.resize(i + 2);
      pts[i] = T;
      pts[i + 1] = B;
      g.A[kA - 1] = B;
      break;
    }
  }
}

// The polygons of the two parts: P0 up to the vertical through A1, P1 beyond
// it (a wedge of two parts only).
void SplitParts(const std::vector<DPoint>& pts, KusabiShape& g) {
  const DPoint* A = g.A;
  g.P0.clear();
  g.P1.clear();
  for (const DPoint& q : pts) {
    if (q.X <= A[1].X + 1e-5) g.P0.push_back(q);
  }
  if (g.P0.empty() || std::fabs(g.P0.back().Y - A[1].Y) >= 1e-5) g.P0.push_back(A[1]);
  if (g.kA == 3) {
    g.P1.push_back(A[1]);
    for (const DPoint& q : pts) {
      if (q.X >= A[1].X - 1e-5) g.P1.push_back(q);
    }
  }
}

// Weights of the parts, dry and submerged, and with the strip loads on them.
void WedgeWeights(const KusabiSoil& soil, CKusabiRes& w, const KusabiShape& g) {
  const int nq = std::max<int>(0, w.Nq());
  double Q0 = 0, Q1 = 0;
  const double xe0 = g.P0.back().X;
  for (int k = 0; k < nq; ++k) {
    if (w.fQxs(k) < xe0) Q0 += w.fQload(k) * (std::min(xe0, w.fQxe(k)) - w.fQxs(k));
  }
  double dry = 0, sub = 0;
  KusabiPolygonWeight(g.P0, w.fWlvl, soil.Gamb, soil.Gambd, dry, sub);
  w.SetfW(0, 0, dry);
  w.SetfW(0, 1, sub);
  w.SetfW(1, 0, 0);
  w.SetfW(1, 1, 0);
  if (g.kA == 3) {
    const double xe1 = g.P1.back().X;
    const double a1 = g.A[1].X;
    for (int k = 0; k < nq; ++k) {
      if (w.fQxs(k) < xe1 && w.fQxe(k) > a1) {
        Q1 += w.fQload(k) * (std::min(xe1, w.fQxe(k)) - std::max(a1, w.fQxs(k)));
      }
    }
    KusabiPolygonWeight(g.P1, w.fWlvl, soil.Gamb, soil.Gambd, dry, sub);
    w.SetfW(1, 0, dry);
    w.SetfW(1, 1, sub);
  }
  w.SetfWQ(0, w.fW(0, 1) + w.fW(0, 0) + Q0);
  w.SetfWQ(1, w.fW(1, 1) + w.fW(1, 0) + Q1);
}

// The force polygon: the thrust fPa the wedge puts on the wall.
int16_t ForcePolygon(const KusabiSoil& soil, CKusabiRes& w, const KusabiShape& g) {
  const double omega = w.fOmega;
  const double thc = w.fTheta;
  const double phi0 = g.phi0, c0 = g.c0, phi1 = g.phi1, c1 = g.c1;
  const double th = w.fKh;
  const double D = std::cos(omega - phi0 - w.fAlpha - w.fDelta);
  w.fPa = 0;
  if (std::fabs(D) < 1e-5) return kKusabiNone;
  const double t0 = w.fWQ(0) * (std::sin(omega - phi0) + std::cos(omega - phi0) * std::tan(th)) -
                    w.fL(0) * c0 * std::cos(phi0);
  double t1 = 0;
  if (w.fL(1) > 0) {
    // The interface friction between the two parts must have been entered.
    const double dk = soil.rKiriDlt;
    if (IsNullValue(dk) || dk < 0) return kKusabiInvalid;
    const double den = std::cos(thc - phi1 - dk);
    if (std::fabs(den) < 1e-5) return kKusabiNone;
    t1 = (w.fWQ(1) * (std::sin(thc - phi1) + std::cos(thc - phi1) * std::tan(th)) -
          w.fL(1) * c1 * std::cos(phi1)) *
         std::cos(omega - phi0 - dk) / den;
  }
  double pa;
  if (w.nMix == 0) {
    pa = (t0 + t1) / D;
  } else {
    // The thrust from above is projected on the same axis as the other forces,
    // the one normal to the slip reaction (phi0, which is the cut face's angle
    // when the wedge slides on the cut face).
    pa = (t0 + t1 - std::cos(omega - phi0 - w.fDelta - w.fAlphaU) * w.fPaU) / D;
  }
  if (!std::isfinite(pa)) return kKusabiNone;
  w.fPa = pa;
  return kKusabiOk;
}

}  // namespace

int16_t KusabiTrial(const KusabiSoil& soil, int n, const DPoint* src, CKusabiRes& w,
                    KusabiShape* shape) {
  w.fZc = 0;
  // A weightless backfill has no tension crack depth to speak of.
  if (w.fC > 0 && soil.Gamb > 0) {
    w.fZc = 2 * w.fC / soil.Gamb * std::tan(w.fFai / 2 + kCalcPi / 4);
  }
  if (n < 2 || src == nullptr) return kKusabiNone;

  std::vector<DPoint> pts(src, src + n);
  KusabiShape g;
  g.phi0 = w.fFai;
  g.phi1 = w.fFaid;
  g.c0 = w.fC;
  g.c1 = w.fCd;
  if (!WedgeCorners(w, pts, g)) return kKusabiNone;
  if (g.kA == 3) AddTopAboveA1(pts, g);
  if (w.fZc > 0) CutAtTensionCrack(pts, g, w.fZc, w.fOmega, w.fTheta);

  const DPoint* A = g.A;
  w.SetfL(0, PointDistance(A[0], A[1]));
  w.SetfL(1, g.kA == 3 ? PointDistance(A[1], A[2]) : 0.0);
  w.fCrossX = A[g.kA - 1].X;
  w.fCrossY = A[g.kA - 1].Y;

  SplitParts(pts, g);
  WedgeWeights(soil, w, g);
  if (shape) {
    *shape = g;
    shape->outline = pts;
  }
  return ForcePolygon(soil, w, g);
}

int16_t SearchOmega(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w, int32_t& count,
                    KusabiTrials& trials, double& upper, double& lower, bool* invalid) {
  auto best = std::make_shared<CKusabiRes>();
  double pmax = -1e8;
  if (upper == -1000) {
    upper = std::min(89.0, std::trunc(90 + w.fAlpha * kCalcRadToDeg));
  }
  lower = std::max(w.fFai * kCalcRadToDeg, lower);
  double U = upper, L = lower;
  if (U < L - 1e-5) return 1;

  double s = 1;
  double bestOmega = 0;
  int i = 0;
  do {
    i = 0;
    double om = U;
    do {
      w.fOmega = om * kCalcDegToRad;
      const int16_t r = KusabiTrial(soil, n, pts, w);
      if (r == kKusabiInvalid && invalid) *invalid = true;
      if (r == kKusabiOk) {
        if (static_cast<size_t>(i) >= trials.size()) trials.resize(trials.size() + 10);
        auto entry = std::make_shared<CKusabiRes>();
        entry->Copy(w);
        trials[i] = entry;
        ++i;
        if (w.fPa > pmax) {
          pmax = w.fPa;
          bestOmega = om;
          best->Copy(w);
        }
      }
      om -= s;
    } while (om >= L - 1e-5);
    U = bestOmega + s;
    if (U > upper) U = upper;
    L = bestOmega - s;
    if (L < lower) L = lower;
    s = (U - L) / 10;
  } while (s >= 0.1 - 1e-5);

  if (i >= 1) {
    trials.resize(i);
    count = i;
    w.Copy(*best);
    return 0;
  }
  return 1;
}

bool SaveKusabiFile(const std::string& path, int32_t& count, KusabiTrials& trials, bool release) {
  bool ok = true;
  SortKusabiTrials(trials, count);
  if (count > 0) ok = WriteKusabiFile(path, trials, count);
  if (release) {
    trials.clear();
    trials.resize(1);
    count = 0;
  }
  return ok;
}

}  // namespace norva
