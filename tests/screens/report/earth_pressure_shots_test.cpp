// Pictures of the earth-pressure section for a person to look at, reached as
// a user reaches it: the report command of the main window, the selection
// dialog's OK, then the preview window paged to the section. Runs only when
// NORVA_EP_SHOTS names a folder, from a copy of the test program in the
// program folder (build/bin, where the renderer library and the shipped
// figures are), under a display (xvfb-run).
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QToolBar>
#include <cstdlib>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "screens/report/frm_prn_sel.h"
#include "screens/report/register_report.h"
#include "shell/command_state.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

class EarthPressureShots : public test::ShellFixture {};

QAction* ToolAction(QWidget* w, const char* name) {
  for (QToolBar* t : w->findChildren<QToolBar*>()) {
    for (QAction* a : t->actions()) {
      if (a->objectName() == QLatin1String(name)) return a;
    }
  }
  return nullptr;
}

TEST_F(EarthPressureShots, PreviewFromTheReportCommand) {
  const char* dir = std::getenv("NORVA_EP_SHOTS");
  if (!dir || !*dir) GTEST_SKIP() << "NORVA_EP_SHOTS not set";
  QDir().mkpath(dir);
  RegisterReportWindows();
  PrnWorkDir = dir_.path().toStdString();
  RegisterQtPictureSaver();
  main_->show();
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  // NORVA_EP_SHOTS_CUT: the same wall against a cut 0.6 m behind its heel,
  // both slips compared.
  if (const char* cut = std::getenv("NORVA_EP_SHOTS_CUT"); cut && *cut) {
    doc->Doatsu = 1;
    doc->BackType = 1;
    doc->KiriD = 0.6;
    doc->KiriN = 0.5;
    doc->KiriDoatsu = 0;
    doc->Deltd = 20;
    doc->Cd = 0;
    CalcAntei(*doc, 0, 0);
  }
  for (int i = 0; i < 5; ++i) doc->SetbInpSt(i, -1);
  UpdateCommandState(doc.get());
  ASSERT_TRUE(main_->mnuPrint[0]->isEnabled());
  int shots = 0;
  // The selection dialog: the stability chapter alone, then OK.
  QTimer::singleShot(500, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* sel = qobject_cast<frmPrnSel*>(w);
      if (!sel || !sel->isVisible()) continue;
      w->grab().save(QString("%1/select.png").arg(dir));
      sel->chkInpdata->setChecked(false);
      for (int c = 1; c < 4; ++c) {
        if (sel->chapters[c].chk) sel->chapters[c].chk->setChecked(false);
      }
      // The preview: page on to the earth pressure (pages 4 to 8 of the
      // chapter), a picture of each, then end it.
      QTimer::singleShot(4000, [&] {
        for (QWidget* p : QApplication::topLevelWidgets()) {
          QAction* next = ToolAction(p, "32773");
          QAction* exit = ToolAction(p, "32777");
          if (!p->isVisible() || !next || !exit) continue;
          p->showMaximized();
          for (int page = 1; page <= 9; ++page) {
            QApplication::processEvents();
            if (page >= 3) {
              p->grab().save(QString("%1/preview_page%2.png").arg(dir).arg(page));
              ++shots;
            }
            next->trigger();
          }
          exit->trigger();
        }
      });
      sel->cmdOK->click();
    }
  });
  main_->mnuPrint[0]->trigger();
  EXPECT_GT(shots, 0);
  for (const std::string& m : sink_.shown) ADD_FAILURE() << m;
  SetPictureSaver(nullptr);
}

}  // namespace
}  // namespace norva
