// Ground reaction under the base, the leaning-wall back-face method and the
// ground spring model of the large-block guideline.
#include <algorithm>
#include <cmath>

#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/nulls.h"
#include "document/outline.h"

namespace norva {

namespace {

void ClearBackFace(CAntRes& r) {
  r.thet = r.Ld = r.l1 = r.l2 = r.Qt = r.Qv = r.Qh = r.qtu = r.qtl = 0;
}

void ClearSpring(CAntRes& r) {
  r.Bd = r.Kv = r.Ks = r.Kt = r.dx = r.dy = 0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.SetAnn(i, j, 0);
}

StabStatus Missing(CAntRes& r, const char* why) {
  r.Qmax = r.Qmin = kNullBox;
  return StabStatus::Fail(why);
}

void Uniform(CAntRes& r, double q) { r.Qmax = r.Qmin = q; }

double Det3(const double m[3][3]) {
  return m[0][0] * m[1][1] * m[2][2] + m[0][1] * m[1][2] * m[2][0] + m[0][2] * m[1][0] * m[2][1] -
         m[0][2] * m[1][1] * m[2][0] - m[0][0] * m[1][2] * m[2][1] - m[0][1] * m[1][0] * m[2][2];
}

// Cramer's rule; false (and 0, 0, 0) for a zero determinant.
bool Solve3(const double K[3][3], const double F[3], double x[3]) {
  const double det = Det3(K);
  if (det == 0) {
    x[0] = x[1] = x[2] = 0;
    return false;
  }
  for (int c = 0; c < 3; ++c) {
    double m[3][3];
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[i][j] = (j == c) ? F[i] : K[i][j];
    x[c] = Det3(m) / det;
  }
  return true;
}

void Stiffness(const CAntRes& r, double a, double Lf, double l1, double K[3][3]) {
  const double B = r.Breadth, Kv = r.Kv, Ks = r.Ks, Kt = r.Kt;
  const double sa = std::sin(a), ca = std::cos(a);
  const double l2 = Lf - l1;
  const double arm = sa * B + l1 + l2 / 2;
  K[0][0] = ca * ca * l2 * Kt + Ks * B;
  K[0][1] = l2 * Kt * sa * ca;
  K[0][2] = arm * l2 * Kt * ca;
  K[1][1] = sa * sa * l2 * Kt + Kv * B;
  K[1][2] = Kv * B * B / 2 + arm * l2 * Kt * sa;
  K[2][2] =
      Kv * B * B * B / 3 +
      l2 * Kt * ((sa * B) * (sa * B) + sa * B * (2 * l1 + l2) + l1 * l1 + l1 * l2 + l2 * l2 / 3);
  K[1][0] = K[0][1];
  K[2][0] = K[0][2];
  K[2][1] = K[1][2];
}

StabStatus SpringModel(const CDocument& doc, CAntRes& r, int16_t s) {
  ClearBackFace(r);
  ClearSpring(r);
  const double B = r.Breadth, L = doc.WallL, H = doc.WallH;
  const double ae0 = doc.AE0(0), ae1 = doc.AE0(1);
  const double a = SpringFaceAngle(doc);
  if (!(L > 0) || !(H > 0) || !(ae0 >= 0) || !(ae1 >= 0) || IsNullValue(ae0) || IsNullValue(ae1) ||
      !std::isfinite(a))
    return Missing(r, kStabReasonSpringInput);

  r.Bd = std::sqrt(L * B);
  r.Ld = std::sqrt(H / std::cos(a) * L);
  r.Kv = std::pow(r.Bd / 0.3, -0.75) * (s + 1) * ae1 / 0.3;
  r.Ks = 0.5 * r.Kv;
  r.Kt = std::pow(r.Ld / 0.3, -0.75) * (s + 1) * ae0 / 0.3;

  double K[3][3];
  double dx = 0, dy = 0, th = 0, l1 = 0, l2 = 0;
  const bool solved = CalcJibanHenni(doc, r, K, dx, dy, th, l1, l2);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.SetAnn(i, j, K[i][j]);
  r.dx = dx;
  r.dy = dy;
  r.thet = th;
  r.l1 = l1;
  r.l2 = l2;
  if (!solved) {
    r.Qv = r.Qh = r.Qt = r.qtu = r.qtl = kNullBox;
    return Missing(r, kStabReasonSpringSingular);
  }

  r.Qmax = std::max(0.0, r.Kv * dy);
  r.Qmin = std::max(0.0, r.Kv * (B * th + dy));
  r.Qv = (r.Qmin + r.Qmax) * B / 2;
  const double sa = std::sin(a), ca = std::cos(a);
  const double Lf = H / ca;
  const double du = sa * dy + ca * dx + (sa * B + Lf) * th;
  const double dl = l1 > 0 ? 0.0 : sa * dy + ca * dx + sa * B * th;
  r.qtu = r.Kt * du;
  r.qtl = r.Kt * dl;
  r.Qt = (r.qtl + r.qtu) * l2 / 2;
  r.Qh = -r.SgmH - ca * r.Qt;
  return StabStatus::Ok();
}

StabStatus LeaningWall(const CDocument& doc, CAntRes& r) {
  ClearSpring(r);
  const double n = doc.MtwN2, B = r.Breadth, V = r.SgmV, Kd = r.Kd();
  r.thet = std::atan(n);
  r.Ld = doc.WallH / std::cos(r.thet);
  r.l2 = r.Ld * r.Kl(n);
  r.l1 = r.Ld - r.l2;
  if (B * Kd >= r.D) {
    r.Qt = 0;
  } else {
    const double den = std::sin(r.thet) * B * (1 - Kd) + (1 - (n + 0.2) / 3) * r.Ld;
    if (den == 0) {
      r.Qt = r.Qv = r.Qh = r.qtu = r.qtl = kNullBox;
      return Missing(r, kStabReasonLeaningFace);
    }
    r.Qt = (r.SgmMr - r.SgmMo - B * Kd * V) / den;
  }
  r.Qv = V - std::sin(r.thet) * r.Qt;
  r.Qh = std::cos(r.thet) * r.Qt + r.SgmH;
  r.Qmax = (3 * Kd - 1) * 2 * r.Qv / B;
  r.Qmin = (2 - 3 * Kd) * 2 * r.Qv / B;
  if (r.Qt == 0) {
    r.qtu = 0;
  } else if (r.l2 == 0) {
    r.Qt = r.Qv = r.Qh = r.qtu = r.qtl = kNullBox;
    return Missing(r, kStabReasonLeaningFace);
  } else {
    r.qtu = 2 * r.Qt / (n + 0.2) / r.Ld;
  }
  r.qtl = 0;
  return StabStatus::Ok();
}

// Trapezoid, triangle or outside the base, by |E|.
void ByEccentricity(const CDocument& doc, CAntRes& r) {
  const double B = r.Breadth, V = r.SgmV, e = std::fabs(r.E);
  if (e < B / 6) {
    const double q1 = (1 + 6 * r.E / B) * V / B;
    const double q2 = (1 - 6 * r.E / B) * V / B;
    r.Qmax = std::max(q1, q2);
    r.Qmin = std::min(q1, q2);
  } else if (e <= B / 2) {
    r.Qmin = 0;
    if (doc.Sisin == 4 && e > B / 3)
      r.Qmax = 4 * V / B;
    else if (B / 2 - e > 0)
      r.Qmax = 2 * V / (3 * (B / 2 - e));
    else  // resultant on the edge: no finite reaction
      Uniform(r, kReactionOutside);
  } else {
    Uniform(r, kReactionOutside);
  }
}

}  // namespace

// Inclination of the back face the springs of the back ground act on, from
// the vertical. Block masonry (and the mixed wall, whose upper wall is
// masonry) lean at their batter; a gravity or leaning wall has no batter, so
// its own back face 3-6 is taken.
double SpringFaceAngle(const CDocument& doc) {
  const int32_t wt = doc.WallType();
  if (wt != 1 && wt != 2) return std::atan(doc.BlkN);
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 0);
  const double rise = p[6].Y - p[3].Y;
  return rise != 0 ? std::atan((p[6].X - p[3].X) / rise) : 0.0;
}

bool CalcJibanHenni(const CDocument& doc, const CAntRes& r, double K[3][3], double& dx, double& dy,
                    double& th, double& l1, double& l2) {
  const double a = SpringFaceAngle(doc);
  const double sa = std::sin(a), ca = std::cos(a);
  const double B = r.Breadth;
  const double Lf = doc.WallH / ca;
  const double F[3] = {-r.SgmH, r.SgmV, r.SgmMr - r.SgmMo};
  double x[3] = {0, 0, 0};
  bool solved = false;

  auto trial = [&](double at) {
    l1 = at;
    l2 = Lf - at;
    Stiffness(r, a, Lf, l1, K);
    solved = Solve3(K, F, x);
    dx = x[0];
    dy = x[1];
    th = x[2];
  };

  if (!(Lf > 0) || !std::isfinite(Lf)) {  // no back face to scan
    trial(0);
    return false;
  }
  double best = 1e8, bestL1 = 0, delta = 0, lo = 0, hi = Lf, h = Lf / 10;
  bool hit = false;
  int passes = 0;
  do {
    hit = false;
    double at = lo;
    // A pass tries its 11 contact starts from lo to hi. A step below the
    // comparison tolerance, or too small to move at all (a back face of a
    // few micrometres or less), must not make it scan without end.
    for (int samples = 1;; ++samples) {
      trial(at);
      if (solved) delta = std::fabs(sa * (dy + B * th) + ca * dx + th * at);
      if (delta <= 0.0001) {
        hit = true;
        break;
      }
      if (delta < best - 0.00001) {
        best = delta;
        bestL1 = at;
      }
      const double next = at + h;
      if (samples >= 11 || !(next > at) || !(next <= hi + 0.00001)) break;
      at = next;
    }
    lo = std::max(0.0, bestL1 - h);
    hi = std::min(Lf, bestL1 + h);
    h = (hi - lo) / 10;
  } while (h > 0.000001 + 0.00001 && ++passes < 200);

  // A search that never met a vanishing displacement ends on the best contact
  // start found, solved again so that l1, l2, K and the displacements agree.
  if (!hit) trial(bestL1);
  return solved;
}

bool LeaningBackFaceMethod(const CDocument& doc, const CAntRes& r) {
  return doc.WallType() == 2 && doc.Sisin == 2 && doc.nQa != 0 && !IsNullValue(r.E) && r.E < 0;
}

StabStatus CalcJibanHanryoku(const CDocument& doc, CAntRes& r, int16_t state) {
  const int32_t wt = doc.WallType(), s = doc.Sisin;
  const double B = r.Breadth, V = r.SgmV;
  if (IsNullValue(V) || IsNullValue(B)) {
    ClearBackFace(r);
    ClearSpring(r);
    return Missing(r, kStabReasonNoSums);
  }
  if (!(B > 0)) {
    ClearBackFace(r);
    ClearSpring(r);
    return Missing(r, kStabReasonZeroB);
  }
  if (s == 3) {
    StabStatus st = SpringModel(doc, r, state);
    if (st && !(std::isfinite(r.Qmax) && std::isfinite(r.Qmin) && std::isfinite(r.Qt)))
      return Missing(r, kStabReasonNotFinite);
    return st;
  }
  const bool leaning = LeaningBackFaceMethod(doc, r);
  ClearSpring(r);
  ClearBackFace(r);

  if (wt == 0 && (s == 0 || s == 5)) {
    Uniform(r, V / B);
    return StabStatus::Ok();
  }
  if (wt == 0 && s == 2) {
    Uniform(r, 1.2 * V / B);
    return StabStatus::Ok();
  }
  if (IsNullValue(r.E) || IsNullValue(r.D))
    return Missing(r, V == 0 ? kStabReasonZeroV : kStabReasonNoSums);
  StabStatus st;
  if (s == 2 && doc.nQa == 0) {
    const double Bd = B - 2 * std::fabs(r.E);
    Uniform(r, Bd > 0 ? V / Bd : kReactionOutside);
  } else if (leaning) {
    st = LeaningWall(doc, r);
  } else {
    ByEccentricity(doc, r);
  }
  if (st && !(std::isfinite(r.Qmax) && std::isfinite(r.Qmin) && std::isfinite(r.Qt) &&
              std::isfinite(r.qtu)))
    return Missing(r, kStabReasonNotFinite);
  return st;
}

double GetJibanHanryokuX(const CDocument& doc, const CAntRes& r, double x) {
  if (doc.Sisin == 3) {
    if (IsNullValue(r.Qmax)) return r.Qmax;
    return std::max(0.0, r.Kv * (r.dy + x * r.thet));
  }
  const double B = r.Breadth, E = r.E, D = r.D, qmax = r.Qmax, qmin = r.Qmin;
  if (IsNullValue(qmax) || IsNullValue(qmin)) return kNullBox;
  if (qmax >= kReactionOutside) return qmax;
  if (IsNullValue(E) || IsNullValue(D) || !(B > 0)) return kNullBox;
  if (std::fabs(E) < B / 6) {
    if (E > 0) return qmax - x * (qmax - qmin) / B;
    return qmin + x * (qmax - qmin) / B;
  }
  if (E > 0) {
    const double len = 3 * D;
    if (!(len > 0)) return x <= 0 ? qmax : 0.0;
    return std::max(0.0, qmax - x * qmax / len);
  }
  const double len = 3 * (B - D);
  if (!(len > 0)) return x >= B ? qmax : 0.0;
  return std::max(0.0, qmax - (B - x) * qmax / len);
}

}  // namespace norva
