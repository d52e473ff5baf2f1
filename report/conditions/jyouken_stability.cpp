// Stability-check settings, earth pressure at the check sections and the
// passive earth pressure (entered, or derived with Coulomb's coefficient).
#include <cmath>
#include <optional>
#include <string>

#include "calc/earth_pressure/coulomb.h"
#include "document/document.h"
#include "document/names.h"
#include "document/report_format.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

constexpr double kDegToRad = 0.017453292519943278;
constexpr double kRadToDeg = 57.29577951308238;
// A cosine below this is zero: the radicand has no value.
constexpr double kTinyCos = 1e-12;

// The value under the root of A: sin(φ−δ)·sin(φ+β−θ) / cos(α+δ−θ) / cos(α−β),
// empty when a cosine is zero, the value is negative or not a number.
std::optional<double> RootOfA(double phi, double delta, double alpha, double beta, double theta) {
  const double c1 = std::cos(delta + alpha - theta);
  const double c2 = std::cos(alpha - beta);
  if (!(std::fabs(c1) >= kTinyCos) || !(std::fabs(c2) >= kTinyCos)) return std::nullopt;
  const double r = std::sin(phi - delta) * std::sin(beta + phi - theta) / c1 / c2;
  if (!(r >= 0) || !std::isfinite(r)) return std::nullopt;
  return std::sqrt(r);
}

bool Finite(double v) { return std::isfinite(v); }

std::string TwoDecimals(double v) { return ReportNumber(v, "0.00"); }

void EnteredPassive(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("　常　時 ：##.## (@/m)", {doc.Pp(0), kN});
  if (doc.bQuake != 0) f.Line("　地震時 ：##.## (@/m)", {doc.Pp(1), kN});
}

void DerivedPassive(PrnFile& f, const CDocument& doc, const PassiveDerivation& d) {
  const std::string& kN = PrnUnitWords[0];
  const double phi = doc.JyudoFai;
  const double alpha = doc.JyudoAlp;
  const double gam = doc.JyudoGam;
  const double H = doc.JyudoH;
  const std::string ds = PrnFmtSlope(doc.JyudoDelt);
  const std::string as = PrnFmtSlope(alpha);
  const std::string bs = PrnFmtSlope(doc.JyudoI);
  const double th = d.thetaDeg;

  f.Line("常　時");
  f.Empty();
  f.Line("　<math>K<sub>P</sub>=<box>cos^2^(φ+α)<over>cos^2^α･cos(α+δ)･(1-A)^2^</box></math>");
  f.Empty();
  f.Line("    　<math>A=<sqrt><box>sin(φ-δ)･sin(φ+β)<over>cos(α+δ)･cos(α-β)</box></sqrt></math>");
  f.Empty();
  f.Line(
      "　<math>K<sub>P</sub>=<box>cos^2^(##.##+@)<over>cos^2^@×cos(##.##+@)×(1-##.####)^2^</box>"
      "=##.###</math>",
      {phi, as, as, alpha, ds, d.A, d.Kp});
  f.Empty();
  f.Line(
      "    　<math>A=<sqrt><box>sin(##.##-@)×sin(##.##+@)<over>cos(##.##+@)×cos(##.##-@)</box>"
      "</sqrt>=##.####</math>",
      {phi, ds, phi, bs, alpha, ds, alpha, bs, d.A});
  f.Empty();
  f.Line(
      "　<math>P<sub>P</sub>=<box>1<OVER>2</box>K<sub>P</sub>γH<sup>2</sup>=<box>1<OVER>2</box>"
      "×##.###×##.##×##.###<sup>2</sup>=##.## (@/m)</math>",
      {d.Kp, gam, H, d.Pp, kN});
  if (doc.bQuake == 0) return;
  f.Empty();
  f.Line("地震時");
  f.Empty();
  f.Line(
      "　<math>K_EP_ = <box>cos^2^(φ＋α－θ)<over>cosθ･cos^2^α･cos(α＋δ－θ)･(1－A)^2^</box></math>");
  f.Empty();
  f.Line(
      "  　　<math>A=<sqrt><box>sin(φ－δ)･sin(φ＋β－θ)<over>cos(α＋δ－θ)･cos(α－β)</box></sqrt>"
      "</math>");
  f.Empty();
  f.Line(
      "　<math>K_EP_=<box>cos^2^(##.##＋@－##.##)<over>cos##.##×cos^2^@×cos(##.##＋@－##.##)×"
      "(1－##.####)^2^</box>=##.###</math>",
      {phi, as, th, th, as, alpha, ds, th, d.A2, d.KEP});
  f.Empty();
  f.Line(
      "  　　<math>A=<sqrt><box>sin(##.##－@)×sin(##.##＋@－##.##)<over>cos(##.##＋@－##.##)×"
      "cos(##.##－@)</box></sqrt>=##.####</math>",
      {phi, ds, phi, bs, th, alpha, ds, th, alpha, bs, d.A2});
  f.Empty();
  f.Line(
      "　<math>P<sub>EP</sub>=<box>1<OVER>2</box>K<sub>EP</sub>γH<sup>2</sup>=<box>1<OVER>2</box>"
      "×##.###×##.##×##.###<sup>2</sup>=##.## (@/m)</math>",
      {d.KEP, gam, H, d.PEP, kN});
}

}  // namespace

std::optional<PassiveDerivation> DerivePassive(const CDocument& doc) {
  const double phi = doc.JyudoFai * kDegToRad;
  const double delta = doc.JyudoDelt * kDegToRad;
  const double alpha = doc.JyudoAlp * kDegToRad;
  const double beta = doc.JyudoI * kDegToRad;
  const double gam = doc.JyudoGam;
  const double H = doc.JyudoH;
  if (!Finite(phi) || !Finite(delta) || !Finite(alpha) || !Finite(beta) || !Finite(gam) ||
      !Finite(H) || !Finite(doc.JyudoKh)) {
    return std::nullopt;
  }
  PassiveDerivation d;
  const double theta = std::atan(doc.JyudoKh);
  d.thetaDeg = theta * kRadToDeg;

  const std::optional<double> a = RootOfA(phi, delta, alpha, beta, 0);
  const std::optional<double> kp = TryCoulombKp(phi, delta, alpha, beta, 0);
  if (!a || !kp) return std::nullopt;
  d.A = *a;
  d.Kp = *kp;
  d.Pp = d.Kp * 0.5 * gam * H * H;
  if (!Finite(d.Pp)) return std::nullopt;

  // A' is printed with the angle in degrees, so it is worked out from the
  // degrees; the coefficient from atan(kh) itself.
  const std::optional<double> a2 = RootOfA(phi, delta, alpha, beta, d.thetaDeg * kDegToRad);
  const std::optional<double> kep = TryCoulombKp(phi, delta, alpha, beta, theta);
  if (a2 && kep) {
    d.A2 = *a2;
    d.KEP = *kep;
    d.PEP = d.KEP * 0.5 * gam * H * H;
    d.seismic = Finite(d.PEP);
  }
  return d;
}

bool PassiveDerivationShown(const CDocument& doc) {
  const std::optional<PassiveDerivation> d = DerivePassive(doc);
  if (!d || TwoDecimals(d->Pp) != TwoDecimals(doc.Pp(0))) return false;
  if (doc.bQuake == 0) return true;
  return d->seismic && TwoDecimals(d->PEP) == TwoDecimals(doc.Pp(1));
}

void PrnJyoukenStability(PrnFile& f, const CDocument& doc) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>安定計算</H2>");
  f.Line("転倒に対する検討　　　 ： @", {TentouMethodName(doc.nTentou)});
  f.Empty();
  if (doc.nTentou != 3) {
    f.Line("滑動に対する検討　　　 ： 前面受働土圧を@",
           {doc.nJyudo == 0 ? "考慮しない" : "考慮する"});
    f.Empty();
  }
  if (doc.nQa == 1) {
    if (doc.Sisin == 3) {
      f.Line("支持力に対する検討　　 ： 極限支持力度　#.## (@/m<sup>2</sup>)",
             {doc.Qa, PrnUnitWords[0]});
    } else {
      f.Line("支持力に対する検討　　 ： 許容支持力度　#.## (@/m<sup>2</sup>)",
             {doc.Qa, PrnUnitWords[0]});
    }
  }
  PrnBlockClose(f);
}

void PrnJyoukenPassive(PrnFile& f, const CDocument& doc, JyoukenState& st) {
  st.loadsHeading = false;
  if (doc.Doatsu != 1 && doc.nJyudo == 0) return;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>荷　重</H2>");
  st.loadsHeading = true;
  if (doc.Doatsu == 1) {
    f.Line("<H3>任意断面位置の土圧</H3>");
    if (doc.SecDoatsu != 0) {
      f.Line("計算方法 ： 各断面毎に試行くさび法により算出する。");
    } else {
      f.Line("計算方法 ： 逆算した土圧係数(Ka)を用いて算出する。");
    }
  }
  if (doc.nJyudo == 0) {
    PrnBlockClose(f);
    return;
  }
  if (doc.Doatsu == 1) f.Empty();
  f.Line("<H3>受働土圧合力</H3>");
  // The derivation only where it shows the resultants the sliding check
  // uses; otherwise those resultants as entered.
  const std::optional<PassiveDerivation> d = DerivePassive(doc);
  if (doc.JyudoPrn != 0 && PassiveDerivationShown(doc)) {
    DerivedPassive(f, doc, *d);
  } else {
    EnteredPassive(f, doc);
  }
  PrnBlockClose(f);
}

}  // namespace norva
