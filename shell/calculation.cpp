#include "shell/calculation.h"

#include <exception>
#include <string>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/data_state.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/outline.h"
#include "shell/command_state.h"
#include "shell/display_number.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {
namespace {
bool gRunning = false;

std::string InputBytes(const CDocument& doc) {
  try {
    return DocumentFileBytes(doc);
  } catch (const std::exception&) {
    return {};  // a document that cannot be written never counts as changed
  }
}

const char* const kScreenNames[4] = {"基本条件", "形状寸法", "安定計算条件", "荷重条件"};
}  // namespace

RunInputCheck InputProblemBeforeRun(CDocument& doc) {
  DocDataState(doc, 0);
  for (int i = 0; i < 4; ++i) {
    if (doc.bInpSt(i) == 0) {
      std::string text = std::string("「") + kScreenNames[i] +
                         "」の画面に未入力の項目があるため、計算できません。";
      // A case factor is named: the screen shows no blank box for it.
      for (int32_t k = 0; i == 3 && k < doc.nCase(); ++k) {
        const std::string problem = CaseFactorProblem(doc, k);
        if (!problem.empty()) {
          text += "\n" + problem;
          break;
        }
      }
      return {text, true};
    }
  }
  // The section as the run will see it: its height and the width of its base.
  KutaiPoints p{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, p, crestFront, crestBack, 0);
  const double B = p[4].X - p[0].X;
  const double H = std::max(crestFront.Y, crestBack.Y) - std::min(p[0].Y, p[4].Y);
  const char* hint = "\n「形状寸法」の画面で擁壁の寸法を確認してください。";
  if (!(H > 0)) {
    return {"擁壁の高さ H が 0 以下です（H = " + DisplayNumber(H, "0.000") + " m）。" + hint,
            false};
  }
  if (!(B > 0)) {
    return {"底面幅 B が 0 以下です（B = " + DisplayNumber(B, "0.000") + " m）。" + hint, false};
  }
  return {};
}

// The critical water level first (its part of the bar), then every case.
bool RunWaterLevelSearch(CDocument& doc) { return CalcWlvlAuto(doc, &ShellProgress()); }
bool RunStabilityCalculation(CDocument& doc) {
  CalcAntei(doc, 0, 0, &ShellProgress());  // a case it cannot compute is named to the user
  return true;
}

bool CalculationRunning() { return gRunning; }

bool CalculateWithProgress(CDocument& doc) {
  if (gRunning) return false;  // never re-entered
  // The cause first: a screen left incomplete stops the run; a section without
  // height or base is named, and the run then tells each case's reason.
  const RunInputCheck check = InputProblemBeforeRun(doc);
  if (!check.message.empty()) Ask(check.message, MsgIcon::Warning, MsgButtons::Ok);
  if (check.stops) return false;
  gRunning = true;
  mdiMain* m = MainWindow();
  ShowProgressWindow();
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
  MarkResultsCurrent(doc);
  DocDataState(doc, 4);
  UpdateResultSummary(&doc);
  // The screen on show (the results screen among others) shows the new state;
  // the results screen shows these results rather than calculating again.
  if (doc.DataForm) {
    if (doc.DataForm->No() == 4) doc.ReAntCalc = -1;
    doc.DataForm->DataSet();
  }
  return true;
}

void MarkResultsCurrent(CDocument& doc) {
  doc.SetbInpSt(4, -1);
  doc.ResultInputs = InputBytes(doc);
}

bool DropStaleResults(CDocument& doc) {
  if (doc.bInpSt(4) == 0 && doc.bInpSt(5) == 0) return false;
  if (doc.ResultInputs.empty() || doc.ResultInputs == InputBytes(doc)) return false;
  doc.SetbInpSt(4, 0);
  doc.SetbInpSt(5, 0);
  if (gActiveKey == doc.Key) UpdateResultSummary(&doc);
  return true;
}

void cmdAntResApply_Click() {
  GuardedCall([] {
    if (auto doc = ActiveDocument()) RecalculateDocument(*doc);
  });
}

}  // namespace norva
