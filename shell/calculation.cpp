#include "shell/qt_safe_document.h"
#include "shell/calculation.h"

#include <exception>

#include "document/document.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {
namespace {
bool gRunning = false;
bool gToldUnavailable = false;

// The one place where the calculation is wired in.
bool CalculationUnavailable() {
  if (!gToldUnavailable)
    Ask("安定計算はこのバージョンではまだ利用できません。", MsgIcon::Information, MsgButtons::Ok);
  gToldUnavailable = true;
  return false;
}
}  // namespace

bool RunWaterLevelSearch(CDocument& /*doc*/) { return CalculationUnavailable(); }
bool RunStabilityCalculation(CDocument& /*doc*/) { return CalculationUnavailable(); }

bool CalculationRunning() { return gRunning; }

bool CalculateWithProgress(CDocument& doc) {
  if (gRunning) return false;  // never re-entered
  gRunning = true;
  gToldUnavailable = false;
  mdiMain* m = MainWindow();
  frmProg* prog = LoadProgressWindow();
  prog->show();
  prog->raise();
  if (m) {
    m->setEnabled(false);
    if (m->nav) m->nav->setEnabled(false);
  }
  bool ok = false;
  try {
    gProgressFrom = 0;
    ok = true;
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) {
      gProgressTo = 50;
      ok = RunWaterLevelSearch(doc);
      gProgressFrom = 50;
    }
    if (ok) {
      gProgressTo = 100;
      ok = RunStabilityCalculation(doc);
    }
  } catch (const std::exception& e) {
    ok = false;
    Ask(std::string("計算中にエラーが発生しました。\n(") + e.what() + ")", MsgIcon::Warning,
        MsgButtons::Ok);
  } catch (...) {
    ok = false;
    Ask("計算中にエラーが発生しました。", MsgIcon::Warning, MsgButtons::Ok);
  }
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

void cmdAntResApply_Click() {
  GuardedCall([] {
    auto doc = ActiveDocument();
    if (!doc) return;
    // Results are marked present only when they were computed.
    if (!CalculateWithProgress(*doc)) return;
    doc->SetbInpSt(4, -1);
    DocDataState(*doc, 4);
    UpdateResultSummary(doc.get());
  });
}

}  // namespace norva
