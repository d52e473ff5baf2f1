#pragma once
// Pieces shared by the ground-reaction and sliding writers: the stored result
// a section prints and the mark and verdict of its checks.
#include <memory>
#include <string>

#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/report_format.h"

namespace norva {

// Mark and verdict of a check. A check on a value that was not computed shows
// a blank mark and "-----" (never "OK").
struct PrnJudged {
  const char* mark;
  std::string word;
};

// The ground reaction against its allowable qa, by the rule of the result
// panel (the governing reaction max(Qmax, Qmin), equality passing).
inline PrnJudged PrnJudgeReaction(double Qmax, double Qmin, double qa) {
  if (!IsComputedResult(Qmax) || !IsComputedResult(Qmin) || !IsComputedResult(qa))
    return {"　", kReportNullText};
  return ReactionOk(Qmax, Qmin, qa) ? PrnJudged{"≦", "OK"} : PrnJudged{"＞", "OUT"};
}

// The stability result the bearing and sliding sections print: the lower
// wall of a mixed wall, the wall itself otherwise. Null when the case has no
// result.
inline std::shared_ptr<CAntRes> PrnBaseResult(const CDocument& doc, int32_t i) {
  return doc.AntRes(doc.WallType() == 3 ? 1 : 0, i);
}

}  // namespace norva
