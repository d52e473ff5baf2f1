// The stability calculation run over a whole document.
#include "calc/run/calc_antei.h"

#include <cmath>
#include <exception>
#include <memory>
#include <optional>

#include "calc/earth_pressure/doatsu.h"
#include "calc/run/line_of_thrust.h"
#include "calc/stability/bearing.h"
#include "calc/stability/finite_results.h"
#include "calc/stability/force_sum.h"
#include "calc/stability/stability_checks.h"
#include "calc/stability/water.h"
#include "calc/stability/weight_polygons.h"
#include "document/ant_res.h"
#include "document/data_state.h"
#include "document/def_premium.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "document/services.h"
#include "document/temp_files.h"
#include "document/weight.h"

namespace norva {

namespace {

// Reasons of one case, each given once.
class CaseLog {
 public:
  explicit CaseLog(int32_t caseIndex) { f_.caseIndex = caseIndex; }
  void Add(const std::string& reason) {
    if (reason.empty()) return;
    for (const std::string& r : f_.reasons) {
      if (r == reason) return;
    }
    f_.reasons.push_back(reason);
  }
  template <class Status>
  bool Take(const Status& st) {
    if (!st) Add(st.reason.empty() ? std::string(kStabReasonNotFinite) : st.reason);
    return static_cast<bool>(st);
  }
  bool Failed() const { return !f_.reasons.empty(); }
  const CaseFailure& Failure() const { return f_; }

 private:
  CaseFailure f_;
};

void Progress(IProgress* p, int percent, const std::string& text) {
  if (p != nullptr) p->Report(percent, text);
}

void ClearUserAngles(CAntRes& r) {
  for (int k = 0; k < 2; ++k) {
    if (std::shared_ptr<CKusabiRes> w = r.Kusabi(k)) w->bChgOmg = 0;
  }
}

// Weight polygons of the wall for both states (empty slots where none).
void BuildPolygons(CDocument& doc, const KutaiPoints& p) {
  const int32_t wt = doc.WallType();
  WeightPtr a0, a1, b0, b1;
  switch (wt) {
    case 0:
      MakeKutaiBlk(doc, p, 0, a0, a1);
      break;
    case 1:
      MakeKutaiGrw(doc, p, 0, a0, a1);
      break;
    case 2:
      MakeKutaiMtw(doc, p, 0, a0, a1);
      break;
    case 3:
      MakeKutaiMxw(doc, p, 0, 0, a0, a1);
      MakeKutaiMxw(doc, p, 0, 1, b0, b1);
      break;
    default:
      break;
  }
  doc.SetKutaiW1(0, a0);
  doc.SetKutaiW1(1, a1);
  doc.SetKutaiW2(0, b0);
  doc.SetKutaiW2(1, b1);

  // Front soil of one state with top height H and unit weight gam.
  auto soil = [&](double H, double gam, WeightPtr& u, WeightPtr& l) {
    u = nullptr;
    l = nullptr;
    switch (wt) {
      case 0:
        MakeSoilBlk(doc, p, H, 0, gam, u);
        break;
      case 3:
        MakeSoilMxw(doc, p, H, 0, 0, gam, u);
        MakeSoilMxw(doc, p, H, 1, 0, gam, l);
        break;
      default:
        MakeSoil(doc, p, H, 0, gam, u);
        break;
    }
  };
  for (int s = 0; s < 2; ++s) {
    doc.SetSoilW1(s, 0, nullptr);
    doc.SetSoilW1(s, 1, nullptr);
    doc.SetSoilW2(s, 0, nullptr);
    doc.SetSoilW2(s, 1, nullptr);
    if (!(doc.SoilFH(s) > 0) || (s == 1 && doc.bQuake == 0)) continue;
    WeightPtr u, l;
    soil(doc.SoilFH(s), doc.Gamf, u, l);
    doc.SetSoilW1(s, 0, u);
    doc.SetSoilW2(s, 0, l);
    if (doc.nWater == 1) {
      const double top = doc.SoilFH(s) < doc.WatFH(s) ? doc.SoilFH(s) : doc.WatFH(s);
      soil(top, doc.Gamfd - doc.Gamf, u, l);
      doc.SetSoilW1(s, 1, u);
      doc.SetSoilW2(s, 1, l);
    }
  }

  for (int s = 0; s < 2; ++s) {
    doc.SetFuryoku1(s, nullptr);
    doc.SetFuryoku2(s, nullptr);
  }
  if (doc.nWater == 1) {
    for (int s = 0; s < 2; ++s) {
      if (s == 1 && doc.bQuake == 0) break;
      WeightPtr u, l;
      switch (wt) {
        case 0:
          MakeFuryokuBlk(doc, p, doc.WatBH(s), 0, u);
          break;
        case 3:
          MakeFuryokuMxw(doc, p, doc.WatBH(s), 0, 0, u);
          MakeFuryokuMxw(doc, p, doc.WatBH(s), 1, 0, l);
          break;
        default:
          MakeFuryoku(doc, p, doc.WatBH(s), 0, u);
          break;
      }
      doc.SetFuryoku1(s, u);
      doc.SetFuryoku2(s, l);
    }
  }
}

// A copy of the polygon with every coordinate kNullBox when any of its
// numbers is not finite; the polygon itself when all are.
std::shared_ptr<CWeight> NullIfNonFinite(const std::shared_ptr<CWeight>& w) {
  if (!w) return w;
  bool finite = std::isfinite(w->Kh()) && std::isfinite(w->Gam());
  for (int32_t i = 0; finite && i < w->nPoint(); ++i)
    finite = std::isfinite(w->X(i)) && std::isfinite(w->Y(i));
  if (finite) return w;
  auto n = std::make_shared<CWeight>(*w);
  if (!std::isfinite(n->Kh())) n->SetKh(0);
  if (!std::isfinite(n->Gam())) n->SetGam(kNullBox);
  for (int32_t i = 0; i < n->nPoint(); ++i) {
    n->SetX(i, kNullBox);
    n->SetY(i, kNullBox);
  }
  return n;
}

}  // namespace

void ClearNonFinitePolygons(CDocument& doc) {
  for (int i = 0; i < 2; ++i) {
    doc.SetKutaiW1(i, NullIfNonFinite(doc.KutaiW1(i)));
    doc.SetKutaiW2(i, NullIfNonFinite(doc.KutaiW2(i)));
    doc.SetFuryoku1(i, NullIfNonFinite(doc.Furyoku1(i)));
    doc.SetFuryoku2(i, NullIfNonFinite(doc.Furyoku2(i)));
    doc.SetFuryokuS(i, NullIfNonFinite(doc.FuryokuS(i)));
    for (int j = 0; j < 2; ++j) {
      doc.SetSoilW1(i, j, NullIfNonFinite(doc.SoilW1(i, j)));
      doc.SetSoilW2(i, j, NullIfNonFinite(doc.SoilW2(i, j)));
      doc.SetSoilWS(i, j, NullIfNonFinite(doc.SoilWS(i, j)));
    }
  }
}

namespace {

void SetUplift(const CDocument& doc, const KutaiPoints& p, bool on, double hf, double hb,
               CAntRes& r) {
  if (on) {
    CalcYouatsu(doc, p, hf, hb, r.YouatsuV, r.YouatsuV1, r.YouatsuV2, r.YouatsuXc);
  } else {
    r.YouatsuV = r.YouatsuV1 = r.YouatsuV2 = r.YouatsuXc = 0;
  }
}

void SetWaterPressure(const CDocument& doc, const KutaiPoints& p, double hf, double hb,
                      int16_t part, CAntRes& r) {
  const double y0 = 0;
  CalcSuiatsu(doc, p, hf, hb, part, y0, r.Pwf, r.Pwfy, r.Pwb, r.Pwby);
}

// One case of a block, gravity or leaning wall.
void RunSingle(CDocument& doc, int32_t i, int16_t s, bool quiet, double hf, double hb,
               bool caseWater, const KutaiPoints& p, const DPoint& c1, const DPoint& c2,
               CaseLog& log) {
  CAntRes& r = *doc.AntRes(0, i);
  ClearUserAngles(r);
  const bool earth = log.Take(CalcDoatsuCase(doc, i, p, s, hb, r));
  SetWaterPressure(doc, p, hf, hb, 0, r);
  SetUplift(doc, p, doc.nWater == 2 && caseWater, hf, hb, r);
  if (!earth) {
    MarkNotComputable(r);
    return;
  }
  if (!log.Take(CalcForceSum(doc, i, s, p, c1, c2, r))) {
    MarkNotComputable(r);
    return;
  }
  // Quiet runs too: the sliding check of every trial water level reads the
  // eccentricity of that level, not of an earlier run.
  log.Take(CalcTentou(doc, i, r));
  if (!quiet && doc.nTentou == 3) log.Take(CalcSiryokusen(doc, i, r));
  log.Take(CalcJibanHanryoku(doc, r, s));
  log.Take(CalcSlide(doc, i, s, r));
  // The bearing check names its own failures to the user.
  if (!quiet) CalcSiji(doc, i, r, 0);
}

// One case of a mixed wall: the upper wall hands its thrust to the lower one.
void RunMixed(CDocument& doc, int32_t i, int16_t s, bool quiet, double hf, double hb,
              const KutaiPoints& p, const DPoint& c1, const DPoint& c2, CaseLog& log) {
  CAntRes& r0 = *doc.AntRes(0, i);
  CAntRes& r1 = *doc.AntRes(1, i);
  double alphaU = 0, PaU = 0;

  ClearUserAngles(r0);
  bool upper = log.Take(CalcDoatsuCaseMxw(doc, i, p, s, hb, 0, alphaU, PaU, r0));
  SetWaterPressure(doc, p, hf, hb, 0, r0);
  if (upper) upper = log.Take(CalcForceSum(doc, i, s, p, c1, c2, r0));
  if (!upper) {
    MarkNotComputable(r0);
  } else if (!quiet) {
    log.Take(CalcSiryokusen(doc, i, r0));
  }

  ClearUserAngles(r1);
  bool lower = upper && log.Take(CalcDoatsuCaseMxw(doc, i, p, s, hb, 1, alphaU, PaU, r1));
  SetWaterPressure(doc, p, hf, hb, 1, r1);
  SetUplift(doc, p, doc.nWater == 2, hf, hb, r1);
  if (lower) lower = log.Take(CalcForceSumLower(doc, i, s, p, r0, r1));
  if (!lower) {
    MarkNotComputable(r1);
    return;
  }
  log.Take(CalcTentou(doc, i, r1));
  log.Take(CalcJibanHanryoku(doc, r1, s));
  log.Take(CalcSlide(doc, i, s, r1));
  if (!quiet) CalcSiji(doc, i, r1, 0);
}

}  // namespace

int16_t CaseState(const CDocument& doc, int32_t caseIndex) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(caseIndex);
  if (!k || doc.bQuake == 0) return 0;
  return static_cast<int16_t>(k->Doat);
}

void MarkNotComputable(CAntRes& r) {
  for (double* v : {&r.Pa,    &r.Pah, &r.Pav, &r.SgmV, &r.SgmH, &r.SgmMr, &r.SgmMo, &r.SgmVX,
                    &r.SgmHY, &r.D,   &r.E,   &r.Fm,   &r.Qmax, &r.Qmin,  &r.Hu,    &r.Fs,
                    &r.Qu,    &r.Qa,  &r.fB,  &r.Xh,   &r.Xd,   &r.Ha}) {
    *v = kNullBox;
  }
}

bool ClearNonFiniteCase(CDocument& doc, int32_t caseIndex) {
  bool any = false;
  const int parts = doc.WallType() == 3 ? 2 : 1;
  for (int part = 0; part < parts; ++part) {
    const std::shared_ptr<CAntRes> r = doc.AntRes(part, caseIndex);
    if (!r || ClearNonFinite(*r).empty()) continue;
    MarkNotComputable(*r);
    any = true;
  }
  return any;
}

void ReportCaseFailure(const CDocument& doc, const CaseFailure& f) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(f.caseIndex);
  std::string text = "「" + (k ? k->CaseName : std::to_string(f.caseIndex + 1)) +
                     "」は計算できない項目があります。";
  for (const std::string& r : f.reasons) text += "\n" + r;
  MessageSink().Show(kProgramTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

bool CalcAntei(CDocument& doc, int16_t quiet, int16_t state, IProgress* progress,
               std::vector<CaseFailure>* failures) {
  const bool q = quiet != 0;
  // A quiet run's wedges are replaced by the full run that follows before
  // anything reads their trials, so they get no trial files.
  std::optional<NoTrialFilesScope> noFiles;
  if (q) noFiles.emplace();
  const WorkFolderScope workFolder;
  // 0 marks a leaning wall without a base height whose base rises by the
  // drop of its back face; the document keeps it for its readers.
  doc.MtwKeisya = (doc.WallType() == 2 && doc.MtwH2 <= 0 && doc.MtwH3 > 0) ? 0 : 1;
  if (!q) Progress(progress, -1, "重量計算中...");
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 0);
  BuildPolygons(doc, p);
  ClearNonFinitePolygons(doc);
  if (!q) {
    // The line-of-thrust runs below keep the buoyancy and front-soil polygons
    // they take; one an earlier run took (other water, other level) must not
    // stay for the report to show.
    for (int s = 0; s < 2; ++s) {
      doc.SetFuryokuS(s, nullptr);
      doc.SetSoilWS(s, 0, nullptr);
      doc.SetSoilWS(s, 1, nullptr);
    }
    Progress(progress, 5, "");
  }

  const int32_t n = doc.nCase();
  for (int32_t i = 0; i < n; ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (!k) continue;
    // The bearing factor is never entered: it follows the guideline and the
    // case's loads, which may have changed since the case was made.
    k->QuPremium = GetDefQuPremium(doc, *k);
    if (!q) Progress(progress, -1, k->CaseName + "時の計算中...");
    const int16_t s = CaseState(doc, i);
    if (q && s != state) continue;
    const bool caseWater = doc.nWater != 0 && k->nWater != 0;
    double hf = 0, hb = 0;
    if (caseWater) {
      hf = doc.WatFH(s);
      hb = doc.WatBH(s);
    } else if (q) {
      continue;
    }

    CaseLog log(i);
    // A case whose own factors cannot judge it is not computed at all.
    const std::string factorProblem = CaseFactorProblem(doc, i);
    if (!factorProblem.empty()) {
      log.Add(factorProblem);
      MarkNotComputable(*doc.AntRes(0, i));
      if (doc.WallType() == 3) MarkNotComputable(*doc.AntRes(1, i));
    } else {
      try {
        if (doc.WallType() == 3) {
          RunMixed(doc, i, s, q, hf, hb, p, c1, c2, log);
        } else {
          RunSingle(doc, i, s, q, hf, hb, caseWater, p, c1, c2, log);
        }
      } catch (const std::exception& e) {
        // A step that throws leaves this case without results; the others go on.
        log.Add(e.what());
        MarkNotComputable(*doc.AntRes(0, i));
        if (doc.WallType() == 3) MarkNotComputable(*doc.AntRes(1, i));
      }
    }
    if (ClearNonFiniteCase(doc, i)) log.Add(kStabReasonNotFinite);
    if (log.Failed()) {
      if (failures != nullptr) failures->push_back(log.Failure());
      if (!q) ReportCaseFailure(doc, log.Failure());
    }
    if (!q) {
      // Rounded half to even, as the progress bar has always shown it.
      const double pct = 95.0 / n * (i + 1) + 5;
      Progress(progress, static_cast<int>(std::nearbyint(pct)), "");
    }
  }
  // The polygons the line of thrust kept for the report.
  ClearNonFinitePolygons(doc);
  return false;
}

}  // namespace norva
