#include "report/bearing/prn_jiban.h"

#include <cmath>
#include <memory>

#include "calc/run/calc_antei.h"
#include "calc/stability/stability_status.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/bearing/prn_jiban_bane.h"
#include "report/bearing/prn_jiban_common.h"
#include "report/bearing/siji_blocks.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

constexpr const char* kTrapezoidFormula =
    "　　<math><box><box>q_max_<atop>q_min_</box><right>}</box>&sp;=<box>&sum;V<over>B</box>･"
    "<box>(<left>1±<box>6e<over>B</box><right>)</box> &sp; ≦ &sp; q_a_</math>";

void MethodUniform(PrnFile& f, bool road) {
  f.Line(
      "地盤反力度は次式により算出し、地盤反力度が許容地盤反力度を越えないことを照査する。ただし、"
      "荷重による偏心は考慮しない。");
  f.Empty();
  f.Line(road ? "　　<math>q_max_&sp;=<box>1.2 &sum;V<over>B</box> &sp; ≦ &sp; q_a_</math>"
              : "　　<math>q_max_&sp;=<box>&sum;V<over>B</box> &sp; ≦ &sp; q_a_</math>");
}

void MethodMiddleThird(PrnFile& f, bool residential) {
  f.Line(
      "地盤反力は以下の式により算出し、最大地盤反力度が許容地盤反力度を越えないことを照査する。");
  f.Empty();
  f.Line("a) 荷重合力の作用点が底面中央の底面幅1/3(ミドルサード)の中にある場合");
  f.Empty();
  f.Line(kTrapezoidFormula);
  f.Empty();
  if (residential) {
    f.Line("b) 荷重合力の作用点が底面中央の底面幅2/3の中にある場合");
    f.Line("    (かつ底面中央の底面幅1/3(ミドルサード)の外にある場合)");
  } else {
    f.Line("b) 荷重合力の作用点が底面幅1/3(ミドルサード)の外にある場合");
  }
  f.Empty();
  f.Line("　　<math>q_max_=<box>2&sum;V<over>3d</box> &sp; ≦ &sp; q_a_</math>");
  if (!residential) return;
  f.Empty();
  f.Line("c) 荷重合力の作用点が底面内にあり、かつ底面中央の底面幅2/3の外にある場合");
  f.Empty();
  f.Line("　　<math>q_max_=<box>4&sum;V<over>B</box> &sp; ≦ &sp; q_a_</math>");
}

void CaseUniform(PrnFile& f, const CAntRes& r, double qa, bool road) {
  const std::string& kN = PrnUnitWords[0];
  const PrnJudged j = PrnJudgeReaction(r.Qmax, r.Qmin, qa);
  if (road) {
    f.Line(
        "<math>q_max_&sp;=&sp;<box>1.2 &sum;V<over>B</box> &sp;=&sp; <box>1.2×##.##<over>#.###"
        "</box> &sp;=&sp; ##.## &sp;(@/m^2^) &sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
        {r.SgmV, r.Breadth, r.Qmax, kN, j.mark, qa, kN, j.word});
  } else {
    f.Line(
        "<math>q_max_&sp;=&sp;<box>&sum;V<over>B</box> &sp;=&sp; <box>##.##<over>#.###</box> "
        "&sp;=&sp; ##.## &sp;(@/m^2^) &sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
        {r.SgmV, r.Breadth, r.Qmax, kN, j.mark, qa, kN, j.word});
  }
}

void CaseTrapezoid(PrnFile& f, const CAntRes& r, double qa) {
  const std::string& kN = PrnUnitWords[0];
  const PrnJudged j = PrnJudgeReaction(r.Qmax, r.Qmin, qa);
  f.Line(
      "<math><box><box>q_max_<atop>q_min_</box><right>}</box>&sp;=&sp; <box>&sum;V<over>B</box>･"
      "<box>(<left>1±<box>6e<over>B</box><right>)</box> &sp;=&sp; <box>##.##<over>#.###</box>×"
      "<box>(<left>1±<box>6×#.###<over>#.###</box><right>)</box></math>",
      {r.SgmV, r.Breadth, r.E, r.Breadth});
  f.Line(
      "<math>　　　=&sp; <box>{<left><box>##.## &sp;(@/m^2^)<atop>##.## &sp;(@/m^2^)</box></box> "
      "&sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
      {r.Qmax, kN, r.Qmin, kN, j.mark, qa, kN, j.word});
}

void CaseQmin(PrnFile& f) {
  f.Empty();
  f.Line("<math>q_min_&sp;=&sp;0.00&sp;(@/m^2^)</math>", {PrnUnitWords[0]});
}

void CaseTriangle(PrnFile& f, const CAntRes& r, double qa, bool toe) {
  const std::string& kN = PrnUnitWords[0];
  const PrnJudged j = PrnJudgeReaction(r.Qmax, r.Qmin, qa);
  if (toe) {
    f.Line(
        "<math>q_max_&sp;=&sp;<box>2&sum;V<over>3d</box> &sp;=&sp; <box>2×##.##<over>3×#.###"
        "</box> &sp;=&sp; ##.## (@/m^2^) &sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
        {r.SgmV, r.D, r.Qmax, kN, j.mark, qa, kN, j.word});
  } else {
    f.Line(
        "<math>q_max_&sp;=&sp;<box>2&sum;V<over>3(B-d)</box>&sp;=&sp;<box>2×##.##<over>3×#.###"
        "</box> = ##.## (@/m^2^) &sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
        {r.SgmV, r.Breadth - r.D, r.Qmax, kN, j.mark, qa, kN, j.word});
  }
  CaseQmin(f);
}

void CaseFourV(PrnFile& f, const CAntRes& r, double qa) {
  const std::string& kN = PrnUnitWords[0];
  const PrnJudged j = PrnJudgeReaction(r.Qmax, r.Qmin, qa);
  f.Line(
      "<math>q_max_&sp;=&sp;<box>4&sum;V<over>B</box> &sp;=&sp; <box>4×##.##<over>#.###</box> "
      "&sp;=&sp; ##.## (@/m^2^) &sp;@&sp; q_a_=#.## &sp;(@/m^2^)　→　@</math>",
      {r.SgmV, r.Breadth, r.Qmax, kN, j.mark, qa, kN, j.word});
  CaseQmin(f);
}

}  // namespace

JibanForm JibanFormOf(const CDocument& doc, const CAntRes& r) {
  const int32_t wt = doc.WallType(), s = doc.Sisin;
  if (wt == 0 && (s == 0 || s == 5)) return JibanForm::kUniform;
  if (wt == 0 && s == 2) return JibanForm::kUniformRoad;
  if (s == 3) return JibanForm::kSpring;
  if (r.Qmax >= kReactionOutside && std::isfinite(r.Qmax)) return JibanForm::kOutside;
  if (!IsComputedResult(r.E) || !IsComputedResult(r.Breadth)) return JibanForm::kTrapezoid;
  const double B = r.Breadth, e = std::fabs(r.E);
  if (e < B / 6) return JibanForm::kTrapezoid;
  if (s == 4 && e > B / 3) return JibanForm::kFourV;
  return r.E > 0 ? JibanForm::kToeTriangle : JibanForm::kHeelTriangle;
}

void PrnJibanHanryoku(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const int32_t wt = doc.WallType(), s = doc.Sisin;
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "地盤支持に対する検討");
  PrnHeading(f, doc, 3, "計算方法");
  if (wt == 0 && (s == 0 || s == 5)) {
    MethodUniform(f, false);
  } else if (wt == 0 && s == 2) {
    MethodUniform(f, true);
  } else if (s == 3) {
    PrnJibanBane(f, folder);
  } else {
    MethodMiddleThird(f, s == 4);
  }
  PrnBlockClose(f);
  if (s == 2 || s == 3 || doc.nQa == 1) return;
  if (s != 0 && s != 4 && s != 5) return;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("許容地盤反力度は以下の式により算出する。");
  f.Empty();
  if (s == 5) {
    PrnSijiCanal(f, doc);
  } else {
    PrnSijiTakuchiNoudou(f, doc);
  }
}

void PrnJibanHanryokuCase(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> rp = PrnBaseResult(doc, i);
  if (!rp) return;
  const CAntRes& r = *rp;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  const double qa = AllowableReaction(doc, k.get(), r.Qa);
  const JibanForm form = JibanFormOf(doc, r);

  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  switch (form) {
    case JibanForm::kSpring:
      // The spring model closes the case's block itself.
      PrnJibanBaneCase(f, doc, r, CaseState(doc, i));
      return;
    case JibanForm::kOutside:
      f.Line("合力の作用位置が基礎外となるため、計算不能。");
      PrnBlockClose(f);
      return;
    case JibanForm::kUniform:
    case JibanForm::kUniformRoad:
      CaseUniform(f, r, qa, form == JibanForm::kUniformRoad);
      break;
    case JibanForm::kTrapezoid:
      CaseTrapezoid(f, r, qa);
      break;
    case JibanForm::kFourV:
      CaseFourV(f, r, qa);
      break;
    case JibanForm::kToeTriangle:
    case JibanForm::kHeelTriangle:
      CaseTriangle(f, r, qa, form == JibanForm::kToeTriangle);
      break;
  }
  const int32_t s = doc.Sisin;
  const bool block = doc.WallType() == 0;
  if (s == 5) {
    // Under canals the allowable of a non-block wall stays in the case's block.
    if (!block && doc.nQa == 0) PrnSijiCase(f, doc, i);
    PrnBlockClose(f);
    return;
  }
  PrnBlockClose(f);
  if (doc.nQa != 1 && (s == 4 || s == 0)) PrnSijiCase(f, doc, i);
}

}  // namespace norva
