#include "calc/stability/bearing.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/stability/bearing_factors.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/services.h"

namespace norva {

namespace {

constexpr double kNull = kNullBox;

bool Finite(double v) { return std::isfinite(v); }

// Load inclination in degrees, as the result record gives it.
double InclinationDeg(double sgmH, double sgmV) {
  return std::atan(std::fabs(sgmH) / sgmV) / std::atan(1.0) * 45.0;
}

std::string Missing(const char* what) { return std::string(what) + "が入力されていません。"; }

// The first input the guideline needs that was never entered, or "".
std::string MissingInput(const BearingInputs& in, bool givenFactors) {
  const bool needPhi = !givenFactors || in.Sisin == 4;
  if (needPhi && IsNullValue(in.SijiFai)) return Missing("支持地盤の内部摩擦角 φ ");
  if (IsNullValue(in.SijiC)) return Missing("支持地盤の粘着力 c ");
  if (IsNullValue(in.SijiGam1)) return Missing("支持地盤の単位体積重量 γ1 ");
  if (IsNullValue(in.SijiGam2)) return Missing("根入れ地盤の単位体積重量 γ2 ");
  if (IsNullValue(in.Df)) return Missing("根入れ深さ Df ");
  if ((in.Sisin == 2 || in.Sisin == 3) && IsNullValue(in.Dfd))
    return Missing("支持地盤への根入れ深さ Df' ");
  if ((in.Sisin == 2 || in.Sisin == 3 || in.Sisin == 4) && IsNullValue(in.WallL))
    return Missing("壁の延長 L ");
  if (!givenFactors && in.Sisin == 5 && in.WallType != 0 && in.ChkSlide == 1 && IsNullValue(in.Myu))
    return Missing("底面の摩擦係数 μ ");
  return "";
}

const char* const kNoVertical = "鉛直力の合計 ΣV が 0 以下のため、荷重の傾斜角が求まりません。";

}  // namespace

double SearchSijiOmega(double omegaMax, const std::function<double(double)>& quAt,
                       int* evaluations) {
  int count = 0;
  double best = 0.0;
  if (omegaMax > 0.0) {  // an empty or reversed bracket would never close
    double lo = 0.0;
    double hi = omegaMax;
    double step = (hi - lo) / 10.0;
    double quMin = 1e8;
    do {
      // A pass tries its 11 angles from hi down to lo; a step too small to
      // move the angle (an angle beyond any real one) ends the pass.
      double w = hi;
      for (int samples = 1;; ++samples) {
        const double qu = quAt(w);
        ++count;
        if (qu < quMin && qu > 0.01) {
          quMin = qu;
          best = w;
        }
        const double next = w - step;
        if (samples >= 11 || !(next < w) || !GreaterEqTol(next, lo)) break;
        w = next;
      }
      lo = std::max(0.0, best - step);
      hi = std::min(omegaMax, best + step);
      const double last = step;
      step = (hi - lo) / 10.0;
      if (!(step < last)) break;
    } while (GreaterTol(step, 1e-5));
  }
  if (evaluations) *evaluations = count;
  return best;
}

namespace {

// Effective width B' with the shape factors α, β and the embedment factor κ
// of the guideline. Returns why they cannot be had, or "".
std::string WidthAndShape(const BearingInputs& in, BearingFactors& f) {
  const int32_t s = in.Sisin;
  const double B = in.Breadth;
  const double L = in.WallL;
  double Bd = B;
  switch (s) {
    case 2:
      // Road earthworks: the same B' = B - 2|e| as ground reaction and sliding.
      Bd = B - 2 * std::fabs(in.E);
      break;
    case 3: {
      const double sum = in.qmax + in.qmin;
      if (sum == 0.0) return "地盤反力 qmax + qmin が 0 のため、偏心量が求まりません。";
      Bd = B - 2 * (std::fabs((in.qmax - in.qmin) / sum) * B / 6);
      break;
    }
    case 4:
      Bd = B - 2 * std::fabs(in.E);
      break;
    default:
      break;
  }
  f.Bdash = Bd;
  if (!(Bd > 0.0)) return "有効載荷幅 B' が 0 以下です（合力の作用位置が底版の外にあります）。";
  if (s == 0 || s == 5) {
    f.Alpha = 1;
    f.Beta = 0.5;
    f.Kappa = 1;
    return "";
  }
  if (!(L > 0.0)) return "壁の延長 L が 0 以下です。";
  if (s == 4) {
    f.Alpha = 1 + 0.2 * Bd / L;
    f.Beta = std::max(0.0, 0.5 - 0.2 * Bd / L);
    f.Kappa = 0;
  } else {
    f.Alpha = 1 + 0.3 * Bd / L;
    f.Beta = 1 - 0.4 * Bd / L;
    f.Kappa = 1 + 0.3 * in.Dfd / Bd;
  }
  return "";
}

// The correction factors Sc, Sq, Sγ of road earthworks (scale) and of
// residential land (load inclination). Returns why they cannot be had, or "".
std::string CorrectionFactors(const BearingInputs& in, BearingFactors& f) {
  const double phi = in.SijiFai;
  if (in.Sisin == 2) {
    const double cs = std::max(1.0, std::min(10.0, in.SijiC / 10));
    const double qs = std::max(1.0, std::min(10.0, f.Q / 10));
    const double bs = std::max(1.0, f.Bdash);
    f.Sc = std::pow(cs, -1.0 / 3.0);
    f.Sq = std::pow(qs, -1.0 / 3.0);
    f.Sg = std::pow(bs, -1.0 / 3.0);
  } else if (in.Sisin == 4) {
    if (!(in.SgmV > 0.0)) return kNoVertical;
    const double thetaM = std::min(phi, InclinationDeg(in.SgmH, in.SgmV));
    f.Sc = (1 - thetaM / 90) * (1 - thetaM / 90);
    f.Sq = f.Sc;
    f.Sg = (phi > 0) ? (1 - thetaM / phi) * (1 - thetaM / phi) : 0.0;
  }
  return "";
}

// Qu from the bearing factors Nc, Nq, Nγ the user entered.
double QuFromGivenFactors(const BearingInputs& in, const BearingFactors& f) {
  const double c = in.SijiC, g1 = in.SijiGam1, q = f.Q, Bd = f.Bdash;
  const double a = f.Alpha, b = f.Beta, k = f.Kappa;
  const double Nc = in.Nc, Nq = in.Nq, Ng = in.Ng;
  switch (in.Sisin) {
    case 2:
    case 3:
      return k * a * c * Nc * f.Sc + k * q * Nq * f.Sq + 0.5 * g1 * b * Bd * Ng * f.Sg;
    case 4:
      return a * c * Nc * f.Sc + f.Sg * b * g1 * in.Breadth * Ng + q * f.Sq * Nq;
    case 0:
      return c * a * Nc + 0.5 * b * g1 * Bd * Ng + q * Nq;
    case 5: {
      const double kq = in.SpecialCase ? 0.5 : 1.0;
      return c * a * Nc + kq * q * Nq + g1 * b * Bd * Ng;
    }
  }
  return 0;
}

// Farm roads: Nc, Nq, Nγ interpolated in 5° steps of φ from the tables for
// the load inclination θ, and Qu.
std::string QuFarmRoads(const BearingInputs& in, BearingFactors& f, double& Qu) {
  const double phi = in.SijiFai;
  double theta = 0.0;
  if (in.WallType != 0) {
    if (!(in.SgmV > 0.0)) return kNoVertical;
    theta = std::atan(in.SgmH / in.SgmV);
  }
  const double phi0 = std::min(40.0, 5 * std::trunc(phi / 5));
  double N[3];
  for (int16_t kind = 0; kind < 3; ++kind) {
    const double t0 = GetNKeisyaTable(kind, theta, phi0);
    const double t1 = GetNKeisyaTable(kind, theta, phi0 + 5);
    N[kind] = t0 + (t1 - t0) / 5 * (phi - phi0);
  }
  f.Nc = N[0];
  f.Nq = N[1];
  f.Ng = N[2];
  // The half on top of beta = 0.5 is the farm-road guideline's own form.
  Qu = in.SijiC * f.Alpha * f.Nc + 0.5 * f.Beta * in.SijiGam1 * f.Bdash * f.Ng + f.Q * f.Nq;
  return "";
}

// Road earthworks: the factors read off the inclined-load charts, and Qu.
std::string QuRoadEarthworks(const BearingInputs& in, BearingFactors& f, double& Qu) {
  if (!(in.SgmV > 0.0)) return kNoVertical;
  const double phi = in.SijiFai, c = in.SijiC, q = f.Q;
  // The fits are read off charts drawn over tan(theta): their curves for a
  // cohesionless ground end at tan(theta) = tan(phi), where the ground can
  // no longer carry the inclined load. Reading them at theta in radians
  // would stretch them beyond phi.
  const double x = in.SgmH / in.SgmV;
  f.Nc = GetNcKeisya(x, phi);
  f.Nq = GetNqKeisya(x, phi, q, c);
  f.Ng = GetNgKeisya(x, phi);
  const double a = f.Alpha, b = f.Beta, k = f.Kappa;
  Qu =
      k * a * c * f.Nc * f.Sc + k * q * f.Nq * f.Sq + 0.5 * in.SijiGam1 * b * f.Bdash * f.Ng * f.Sg;
  return "";
}

// Large-block masonry: the factors of the theory for the angle ω of least Qu,
// and Qu.
std::string QuLargeBlock(const BearingInputs& in, BearingFactors& f, double& Qu) {
  if (!(in.Qv > 0.0)) return "底面の鉛直反力 Qv が 0 以下のため、荷重の傾斜角が求まりません。";
  const double c = in.SijiC, g1 = in.SijiGam1, q = f.Q, Bd = f.Bdash;
  const double a = f.Alpha, b = f.Beta, k = f.Kappa;
  const double theta = std::atan(-in.Qh / in.Qv);
  const double phiR = in.SijiFai * kCalcDegToRad;
  const double omegaMax = phiR + kCalcPi / 2 - 0.0001;
  auto quAt = [&](double w) {
    double nc = 0, nq = 0, ng = 0;
    if (!CalcNTheory(phiR, theta, w, nc, nq, ng)) return std::nan("");
    return k * a * c * nc + k * q * nq * f.Sq + 0.5 * g1 * b * Bd * ng * f.Sg;
  };
  f.SijiOmg = SearchSijiOmega(omegaMax, quAt);
  double nc = 0, nq = 0, ng = 0;
  if (!CalcNTheory(phiR, theta, f.SijiOmg, nc, nq, ng))
    return "支持力係数が求まりません（速度場の角度 ω で分母が 0 になります）。";
  f.Nc = nc;
  f.Nq = nq;
  f.Ng = ng;
  Qu = k * a * c * nc * f.Sc + k * q * nq * f.Sq + 0.5 * g1 * b * Bd * ng * f.Sg;
  return "";
}

// Residential land: the tabled factors and Qu over the full width B.
double QuResidential(const BearingInputs& in, BearingFactors& f) {
  const double phi = in.SijiFai;
  f.Nc = GetNcTable(4, phi);
  f.Nq = GetNqTable(4, phi);
  f.Ng = GetNgTable(4, phi);
  return f.Alpha * in.SijiC * f.Nc * f.Sc + f.Sg * f.Beta * in.SijiGam1 * in.Breadth * f.Ng +
         f.Q * f.Sq * f.Nq;
}

// Canals: the tabled factors, the inclination corrections (the inclination
// held to the friction angle where the wall would slide first), the scale
// factor η of the special case, and Qu.
std::string QuCanals(const BearingInputs& in, BearingFactors& f, double& Qu) {
  const double phi = in.SijiFai;
  f.Nc = GetNcTable(5, phi);
  f.Nq = GetNqTable(5, phi);
  f.Ng = GetNgTable(5, phi);
  double thetaD = 0.0;
  if (in.WallType != 0) {
    if (!(in.SgmV > 0.0)) return kNoVertical;
    const double tanTH = std::fabs(in.SgmH) / in.SgmV;
    if (in.ChkSlide == 1 && tanTH > in.Myu)
      thetaD = std::atan(in.Myu) / std::atan(1.0) * 45.0;
    else
      thetaD = InclinationDeg(in.SgmH, in.SgmV);
  }
  f.Sc = (1 - thetaD / 90) * (1 - thetaD / 90);
  f.Sq = f.Sc;
  f.Sg = (phi != 0 && thetaD <= phi) ? (1 - thetaD / phi) * (1 - thetaD / phi) : 0.0;
  f.Eta = in.SpecialCase ? std::pow(f.Bdash, -1.0 / 3.0) : 1.0;
  Qu = f.Alpha * in.SijiC * f.Nc * f.Sc + f.Beta * f.Sg * in.SijiGam1 * f.Bdash * f.Eta * f.Ng +
       f.Q * f.Sq * f.Nq;
  return "";
}

// Qu with the factors the guideline derives. Returns why it cannot, or "".
std::string QuFromGuideline(const BearingInputs& in, BearingFactors& f, double& Qu) {
  switch (in.Sisin) {
    case 0:
      return QuFarmRoads(in, f, Qu);
    case 2:
      return QuRoadEarthworks(in, f, Qu);
    case 3:
      return QuLargeBlock(in, f, Qu);
    case 4:
      Qu = QuResidential(in, f);
      return "";
    case 5:
      return QuCanals(in, f, Qu);
  }
  return "";
}

}  // namespace

BearingCapacity ComputeUltimateBearing(const BearingInputs& in, bool givenFactors) {
  BearingCapacity r;
  BearingFactors& f = r.f;
  f = BearingFactors{kNull, kNull, kNull, kNull, 1, 1, 1, kNull, kNull, kNull, kNull, kNull, kNull};
  r.Qu = kNull;
  const int32_t s = in.Sisin;
  r.writesFactors = !givenFactors;
  r.writesEta = !givenFactors && s == 5;
  r.writesOmega = !givenFactors && s == 3;
  if (givenFactors) {
    f.Nc = in.Nc;
    f.Nq = in.Nq;
    f.Ng = in.Ng;
  }
  auto fail = [&r](std::string why) {
    r.Qu = kNull;
    r.failure = std::move(why);
    return r;
  };

  if (s != 0 && s != 2 && s != 3 && s != 4 && s != 5) return fail("設計指針の種類が不明です。");
  if (std::string why = MissingInput(in, givenFactors); !why.empty()) return fail(why);
  f.Q = in.Df * in.SijiGam2;
  if (std::string why = WidthAndShape(in, f); !why.empty()) return fail(why);
  if (std::string why = CorrectionFactors(in, f); !why.empty()) return fail(why);

  double Qu = 0;
  if (givenFactors) {
    Qu = QuFromGivenFactors(in, f);
  } else if (std::string why = QuFromGuideline(in, f, Qu); !why.empty()) {
    return fail(why);
  }
  if (!Finite(Qu)) return fail("極限支持力度が数値になりません。");
  r.Qu = Qu;
  return r;
}

double CalcSijiQu(CDocument& doc, int32_t caseIndex, CAntRes& res, double qmax, double qmin,
                  int16_t givenFactors, std::string* failure) {
  const std::shared_ptr<CKajyuCase> kc = doc.pCase(caseIndex);
  if (!kc) {
    if (failure) *failure = "荷重ケースがありません。";
    return kNull;
  }
  BearingInputs in;
  in.Sisin = doc.Sisin;
  in.WallType = doc.WallType();
  in.SijiFai = doc.SijiFai;
  in.SijiC = doc.SijiC;
  in.SijiGam1 = doc.SijiGam1;
  in.SijiGam2 = doc.SijiGam2;
  in.Df = doc.Df;
  in.Dfd = doc.Dfd;
  in.WallL = doc.WallL;
  in.ChkSlide = doc.ChkSlide;
  in.Myu = doc.Myu;
  in.SpecialCase = kc->nQuake != 0 || kc->nAutoCrash != 0 || kc->nStoneCrash != 0;
  in.Breadth = res.Breadth;
  in.E = res.E;
  in.SgmV = res.SgmV;
  in.SgmH = res.SgmH;
  in.Qv = res.Qv;
  in.Qh = res.Qh;
  in.qmax = qmax;
  in.qmin = qmin;
  in.Nc = res.Nc;
  in.Nq = res.Nq;
  in.Ng = res.Ng;

  const BearingCapacity r = ComputeUltimateBearing(in, givenFactors != 0);
  const BearingFactors& f = r.f;
  res.Q = f.Q;
  res.Alpha = f.Alpha;
  res.Beta = f.Beta;
  res.Kappa = f.Kappa;
  res.Sc = f.Sc;
  res.Sq = f.Sq;
  res.Sg = f.Sg;
  if (r.writesFactors) {
    res.Nc = f.Nc;
    res.Nq = f.Nq;
    res.Ng = f.Ng;
  }
  if (r.writesEta) res.Eta = f.Eta;
  if (r.writesOmega) res.SijiOmg = f.SijiOmg;
  if (failure) *failure = r.failure;
  return r.Qu;
}

bool CalcSiji(CDocument& doc, int32_t caseIndex, CAntRes& res, int16_t userFactors) {
  const std::shared_ptr<CKajyuCase> kc = doc.pCase(caseIndex);
  if (!kc) return false;
  // A case whose eccentricity or ground reaction could not be formed has no
  // bearing capacity either; the run names the cause, not this consequence.
  if (IsNullValue(res.E) || IsNullValue(res.Qmax) || IsNullValue(res.Qmin) || !(res.Breadth > 0)) {
    res.Qu = res.Qa = res.fB = kNull;
    return false;
  }
  const int32_t s = doc.Sisin;
  std::string why;

  double Qu = kNull;
  if (doc.nQa == 1) {
    if (IsNullValue(doc.Qa))
      why = Missing("許容支持力度 Qa ");
    else
      Qu = (s == 3) ? doc.Qa : 3 * doc.Qa;
  } else {
    Qu = CalcSijiQu(doc, caseIndex, res, res.Qmax, res.Qmin, userFactors, &why);
  }
  const bool quOk = !IsNullValue(Qu);
  auto note = [&why](const char* text) {
    if (why.empty()) why = text;
  };

  const double premium = kc->QuPremium;
  switch (s) {
    case 3: {
      res.Qu = Qu;
      res.Fba = premium;
      const double sum = res.Qmin + res.Qmax;
      const double B = res.Breadth;
      if (!quOk) {
        res.fB = kNull;
      } else if (sum == 0.0) {
        res.fB = kNull;
        note("地盤反力 qmax + qmin が 0 のため、偏心量が求まりません。");
      } else if (!(res.Qv > 0.0)) {
        res.fB = kNull;
        note("底面の鉛直反力 Qv が 0 以下のため、安全率が求まりません。");
      } else {
        const double e = std::fabs((res.Qmax - res.Qmin) * (B / 6) / sum);
        res.fB = Qu * (B - 2 * e) / res.Qv;
      }
      break;
    }
    case 0:
    case 2:
    case 4:
    case 5: {
      res.Qu = Qu;
      double Qa = kNull;
      if (quOk) {
        if (premium > 0.0)
          Qa = Qu / premium;
        else
          note("支持力の安全率が 0 以下のため、許容支持力度が求まりません。");
      }
      res.Qa = Qa;
      if (s != 2) {
        const double m = std::max(res.Qmax, res.Qmin);
        res.fB = IsNullValue(Qa) ? kNull : (m != 0.0 ? Qa / m : 0.0);
      }
      break;
    }
    default:
      res.Qu = kNull;
      note("設計指針の種類が不明です。");
      break;
  }

  if (why.empty()) return true;
  MessageSink().Show(kProgramTitle, "「" + kc->CaseName + "」の支持力を計算できません。\n" + why,
                     MsgIcon::Warning, MsgButtons::Ok);
  return false;
}

}  // namespace norva
