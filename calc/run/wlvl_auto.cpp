// Critical water-level search.
#include "calc/run/wlvl_auto.h"

#include <memory>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/services.h"

namespace norva {

namespace {

int64_t g_quietRuns = 0;

}  // namespace

bool IsWlvlCandidate(double fs) { return !IsNullValue(fs) && fs != kSlideNoForce; }

int64_t WlvlQuietRuns() { return g_quietRuns; }

bool CalcWlvlAuto(CDocument& doc, IProgress* progress) {
  const int32_t nCase = doc.nCase();
  bool anyWater = false;
  for (int32_t i = 0; i < nCase; ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (k && k->nWater != 0) anyWater = true;
  }
  if (doc.nWater == 0 || !anyWater) {
    for (int s = 0; s < 2; ++s) {
      doc.SetWatFH(s, 0);
      doc.SetWatBH(s, 0);
    }
    doc.SetnWlvlCase(0);
    return true;
  }
  // A height of 0 gives no levels to sample; one far beyond any wall gives
  // levels whose 1 mm steps the spacing of doubles no longer resolves.
  const char* refusal = nullptr;
  if (!(doc.WallH > 0)) {
    refusal = "擁壁高 H が 0 以下のため、限界水位を計算できません。\n";
  } else if (!(doc.WallH <= kMaxWlvlWallHeight)) {
    refusal = "擁壁高 H が大きすぎるため、限界水位を計算できません。\n";
  }
  if (refusal != nullptr) {
    MessageSink().Show(kProgramTitle, std::string(refusal) + "擁壁の形状を確認してください。",
                       MsgIcon::Warning, MsgButtons::Ok);
    return false;
  }

  std::vector<std::shared_ptr<CWlvlCalc>> recs;
  std::vector<int16_t> recState;
  int count[2] = {0, 0};
  for (int32_t i = 0; i < nCase; ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (!k || k->nWater == 0) continue;
    const int16_t s = CaseState(doc, i) == 1 ? 1 : 0;
    auto r = std::make_shared<CWlvlCalc>();
    r->CaseNo = i;
    r->bQuake = s == 1 ? -1 : 0;
    r->SetCount(0);
    recs.push_back(r);
    recState.push_back(s);
    ++count[s];
  }
  const int part = doc.WallType() == 3 ? 1 : 0;

  // Each failing case is named once, however many levels it failed at.
  std::vector<CaseFailure> failed;
  auto noteFailures = [&](const std::vector<CaseFailure>& fs) {
    for (const CaseFailure& f : fs) {
      bool known = false;
      for (const CaseFailure& g : failed) known = known || g.caseIndex == f.caseIndex;
      if (!known) failed.push_back(f);
    }
  };

  for (int16_t s = 0; s < 2; ++s) {
    if (progress) progress->Report(-1, std::string(s == 0 ? "常時" : "地震時") + "の水位計算中...");
    if (count[s] > 0) {
      // With no computable factor at any level the search ends at the crest,
      // the highest water the wall can see.
      double best = 1e8, bestLevel = doc.WallH;
      double top = doc.WallH, bottom = 0, step = doc.WallH / 10;
      int32_t k = 0;
      do {
        double level = top;
        int samples = 0;
        do {
          doc.SetWatFH(s, level);
          doc.SetWatBH(s, level);
          std::vector<CaseFailure> fs;
          CalcAntei(doc, 1, s, nullptr, &fs);
          ++g_quietRuns;
          noteFailures(fs);
          for (size_t j = 0; j < recs.size(); ++j) {
            if (recState[j] != s) continue;
            CWlvlCalc& r = *recs[j];
            if (r.Count() < k + 1) r.SetCount(k + 1);
            const double fs_k = doc.AntRes(part, r.CaseNo)->Fs;
            r.SetWlvl(k, level);
            r.SetFs(k, fs_k);
            if (IsWlvlCandidate(fs_k) && best > fs_k) {
              best = fs_k;
              bestLevel = level;
            }
          }
          ++k;
          // A pass samples its 11 levels from top to bottom. A step below the
          // comparison tolerance (a wall lower than 0.1 mm) or too small to
          // move the level at all must not make it sample without end.
          const double next = level - step;
          if (++samples >= 11 || !(next < level)) break;
          level = next;
        } while (GreaterEqTol(level, bottom));
        top = bestLevel + step;
        if (top > doc.WallH) top = doc.WallH;
        bottom = bestLevel - step;
        if (bottom < 0) bottom = 0;
        const double last = step;
        step = (top - bottom) / 10;
        if (!(step < last)) break;
      } while (GreaterEqTol(step, 0.001));
      doc.SetWatFH(s, bestLevel);
      doc.SetWatBH(s, bestLevel);
    }
    if (progress) progress->Report(25 * s, "");
  }

  for (const std::shared_ptr<CWlvlCalc>& r : recs) {
    const int32_t n = r->Count();
    for (int32_t i = 0; i <= n - 2; ++i) {
      for (int32_t j = i + 1; j <= n - 1; ++j) {
        if (GreaterTol(r->Wlvl(i), r->Wlvl(j))) {
          const double w = r->Wlvl(i), f = r->Fs(i);
          r->SetWlvl(i, r->Wlvl(j));
          r->SetFs(i, r->Fs(j));
          r->SetWlvl(j, w);
          r->SetFs(j, f);
        }
      }
    }
  }
  doc.SetnWlvlCase(static_cast<int32_t>(recs.size()));
  for (size_t j = 0; j < recs.size(); ++j) doc.SetWlvlRes(static_cast<int32_t>(j), recs[j]);

  for (const CaseFailure& f : failed) ReportCaseFailure(doc, f);
  return true;
}

}  // namespace norva
