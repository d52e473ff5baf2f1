#pragma once
// The stability calculation of a whole document: weight polygons, then for
// every load case its earth pressure, water, force sums and checks, each step
// writing into the case's CAntRes.
#include <cstdint>
#include <string>
#include <vector>

namespace norva {

class CDocument;
class CAntRes;
class IProgress;

// A load case that could not be computed (or only in part), with the reasons
// the steps gave. Its unusable members are kNullBox ("-----" in the tables).
struct CaseFailure {
  int32_t caseIndex = 0;
  std::vector<std::string> reasons;
};

// Progress is reported as the progress window takes it: Report(percent, text)
// with percent -1 when only the text changes and an empty text that clears
// the label; the receiver maps percent into its part of the bar.
//
// Full run (quiet == 0): every case, every check, progress, and every case
// that cannot be computed is named to the user through MessageSink().
// Quiet run (quiet != 0): only the water cases of `state`, no bearing check,
// no line of thrust, no progress and no message. Failures, when wanted, are
// returned through `failures` in both modes.
// The result is always false (callers ignore it).
bool CalcAntei(CDocument& doc, int16_t quiet, int16_t state, IProgress* progress = nullptr,
               std::vector<CaseFailure>* failures = nullptr);

// Earth-pressure state of case i: its Doat when the document has seismic
// cases (bQuake), else 0.
int16_t CaseState(const CDocument& doc, int32_t caseIndex);

// Marks every result of a case that a failed earth pressure or force sum
// leaves without meaning, so no display shows a number for it.
void MarkNotComputable(CAntRes& r);

// The last step of every case: each NaN or infinity left in the results of
// case caseIndex becomes kNullBox and marks its wall part not computable.
// True when there was any (the caller names the case with
// kStabReasonNotFinite).
bool ClearNonFiniteCase(CDocument& doc, int32_t caseIndex);

// Every stored weight polygon (wall, buoyancy, front soil; at the base and at
// the line of thrust) with a NaN or infinity in its points, seismic
// coefficient or unit weight is replaced by a copy whose points are all
// kNullBox: it stays a polygon no sum can be formed from (its area is NaN),
// never one that weighs a wrong but finite amount.
void ClearNonFinitePolygons(CDocument& doc);

// Tells the user which case could not be computed and why (one message).
void ReportCaseFailure(const CDocument& doc, const CaseFailure& f);

}  // namespace norva
