#include "document/document.h"
#include "shell/calculation.h"

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/shell_state.h"

namespace norva {
namespace {
bool gRunning = false;
}  // namespace

// The critical water level first (its part of the bar), then every case.
bool RunWaterLevelSearch(CDocument& doc) { return CalcWlvlAuto(doc, &ShellProgress()); }
bool RunStabilityCalculation(CDocument& doc) {
  CalcAntei(doc, 0, 0, &ShellProgress());  // a case it cannot compute is named to the user
  return true;
}

bool CalculationRunning() { return gRunning; }

bool CalculateWithProgress(CDocument& doc) {
  if (gRunning) return false;  // never re-entered
  gRunning = true;
  mdiMain* m = MainWindow();
  frmProg* prog = LoadProgressWindow();
  prog->show();
  prog->raise();
  if (m) {
    m->setEnabled(false);
    if (m->nav) m->nav->setEnabled(false);
  }
  bool ok = false;  // stays false when a step throws
  GuardedCall(
      [&] {
        gProgressFrom = 0;
        bool done = true;
        if (doc.nWater != 0 && doc.nWlvlAuto != 0) {
          gProgressTo = 50;
          done = RunWaterLevelSearch(doc);
          gProgressFrom = 50;
        }
        if (done) {
          gProgressTo = 100;
          done = RunStabilityCalculation(doc);
        }
        ok = done;
      },
      "計算中にエラーが発生しました。");
  if (m) {
    m->setEnabled(true);
    if (m->nav) m->nav->setEnabled(true);
  }
  UnloadProgressWindow();
  if (m) {
    m->raise();
    m->activateWindow();
    if (m->nav && m->nav->isVisible()) m->nav->raise();  // the tool window stays in front
  }
  gRunning = false;
  return ok;
}

bool RecalculateDocument(CDocument& doc) {
  // Results are marked present only when they were computed.
  if (!CalculateWithProgress(doc)) return false;
  doc.SetbInpSt(4, -1);
  DocDataState(doc, 4);
  UpdateResultSummary(&doc);
  return true;
}

void cmdAntResApply_Click() {
  GuardedCall([] {
    if (auto doc = ActiveDocument()) RecalculateDocument(*doc);
  });
}

}  // namespace norva
