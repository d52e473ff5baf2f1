#include "screens/results/member_run.h"

#include "calc/member/fot_stress.h"
#include "calc/member/tok_stress.h"
#include "calc/member/wall_stress.h"
#include "document/document.h"
#include "screens/results/member_rebar.h"

namespace norva {
namespace {

void Tell(const MemberNote& note, int32_t caseNo, const StabStatus& status) {
  if (note) note(caseNo, status);
}

}  // namespace

bool HasKey(const CDocument& doc) { return doc.Tokki != 0 && doc.WallType() != 0; }

void RunStemAndToeChecks(CDocument& doc, const MemberNote& note) {
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    Tell(note, i, CalcWallStress(doc, i, 0));
    if (doc.WallType() == 3) Tell(note, i, CalcWallStress(doc, i, 1));
    if (doc.bFotCalc()) Tell(note, i, CalcFotStress(doc, i));
  }
}

void RunKeyChecks(CDocument& doc, const MemberNote& note) {
  if (!HasKey(doc)) return;
  for (int32_t i = 0; i < doc.nCase(); ++i) Tell(note, i, CalcTokStress(doc, i));
  doc.TokAs = KeySteelArea(doc);
}

void RunMemberChecks(CDocument& doc, const MemberNote& note) {
  doc.TokAs = 0;
  RunStemAndToeChecks(doc, note);
  RunKeyChecks(doc, note);
}

}  // namespace norva
