// Screens of a document, the navigation bar, the calculation run, the view
// toggles, closing the program and the small windows.
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell/program_icon.h"
#include "shell/small_windows.h"
#include "shell_test_support.h"

namespace norva {
namespace {

// A screen that counts how often it was filled.
class CountingScreen : public QWidget, public IScreen {
 public:
  explicit CountingScreen(int no) : no_(static_cast<int16_t>(no)) {}
  void SetDoc(CDocument* d) override { doc_ = d; }
  int16_t No() const override { return no_; }
  void DataSet() override { ++fills; }
  void SetFormState() override {}
  QWidget* Widget() override { return this; }
  static inline int fills = 0;

 private:
  int16_t no_;
  CDocument* doc_ = nullptr;
};

using MainWindowTest = test::ShellFixture;

TEST_F(MainWindowTest, ScreensReplaceEachOtherInTheDocumentsWindow) {
  for (int i = 0; i < 6; ++i)
    Windows().makeScreen[i] = [](int no) -> IScreen* { return new CountingScreen(no); };
  CountingScreen::fills = 0;
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(CountingScreen::fills, 1);
  main_->mnuCommand_Click(2);
  ASSERT_NE(doc->DataForm, nullptr);
  EXPECT_EQ(doc->DataForm->No(), 2);
  EXPECT_EQ(CountingScreen::fills, 2);
  EXPECT_EQ(main_->nav->SelectedTab(), 2);
  EXPECT_TRUE(main_->mnuCommand[2]->isChecked());
  EXPECT_FALSE(main_->mnuCommand[0]->isChecked());
  QApplication::processEvents();
  EXPECT_EQ(main_->mdiArea->subWindowList().size(), 1);

  ShowForm(*doc, 2);  // already shown: not filled again
  EXPECT_EQ(CountingScreen::fills, 2);
  ShowForm(*doc, 6);  // no such screen
  ShowForm(*doc, -1);
  EXPECT_EQ(doc->DataForm->No(), 2);

  // A tab selected by the program while it activates a window shows nothing.
  gNavLock = true;
  main_->nav->optTab_Click(4);
  gNavLock = false;
  EXPECT_EQ(doc->DataForm->No(), 2);

  // A maximised window stays maximised across a change of screen.
  main_->mdiArea->activeSubWindow()->showMaximized();
  main_->nav->optTab_Click(3);
  EXPECT_EQ(doc->DataForm->No(), 3);
  EXPECT_TRUE(main_->mdiArea->activeSubWindow()->isMaximized());
  for (int i = 0; i < 6; ++i) Windows().makeScreen[i] = test::MakePlaceholderScreen;
}

// Changing the initial conditions from the main window sends the document
// back to its first incomplete screen before the current one.
// Choosing a Command-menu item, also the one of the screen already shown,
// leaves the check mark on the item of the screen shown.
TEST_F(MainWindowTest, CommandMenuCheckMarkStaysOnTheScreenShown) {
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(doc->DataForm->No(), 0);
  const int steps[] = {0, 2, 2, 0};
  for (int no : steps) {
    SCOPED_TRACE(no);
    main_->mnuCommand[no]->trigger();
    QApplication::processEvents();
    ASSERT_EQ(doc->DataForm->No(), no);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(main_->mnuCommand[i]->isChecked(), i == no) << i;
    EXPECT_EQ(main_->nav->SelectedTab(), no);
  }
}

TEST_F(MainWindowTest, ChangedInitialConditionsReturnToTheFirstIncompleteScreen) {
  for (int i = 0; i < 6; ++i)
    Windows().makeScreen[i] = [](int no) -> IScreen* { return new CountingScreen(no); };
  struct Row {
    const char* name;
    int from;
    std::function<void(CDocument&)> edit;
    int16_t answer;
    int to;
    int refills;
  };
  const Row rows[] = {
      {"all complete, from the stress screen", 5, [](CDocument&) {}, 1, 4, 1},
      {"section made incomplete, from the loads", 3, [](CDocument& d) { d.WallH = kNullDouble; }, 1,
       1, 1},
      {"conditions incomplete, from the section", 1, [](CDocument& d) { d.Faib = kNullDouble; }, 1,
       1, 1},
      {"cancelled", 3, [](CDocument& d) { d.WallH = kNullDouble; }, 0, 3, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto doc = OpenSample("gravity.nrv");
    ShowForm(*doc, static_cast<int16_t>(r.from));
    Windows().iniData = [&r](CDocument& d, IniDataFields& f, bool showOpen, QWidget*) -> int16_t {
      EXPECT_FALSE(showOpen);
      f.Title = "changed";
      if (r.answer) r.edit(d);
      return r.answer;
    };
    CountingScreen::fills = 0;
    main_->cmdIniData->click();
    EXPECT_EQ(doc->DataForm->No(), r.to);
    EXPECT_EQ(CountingScreen::fills, r.refills);
    EXPECT_EQ(doc->Title, r.answer ? "changed" : "重力式擁壁 H=3.0m 道路");
    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
    QApplication::processEvents();
  }
  Windows().iniData = test::RunPlaceholderIniData;
  for (int i = 0; i < 6; ++i) Windows().makeScreen[i] = test::MakePlaceholderScreen;
}

// The stand-in initial-conditions dialog offers reading from a file only for
// a new document, under its own caption.
TEST_F(MainWindowTest, IniDataDialogShowsItsOpenButtonOnlyForANewDocument) {
  struct Seen {
    bool found = false;
    QString caption;
    bool shown = false;
  };
  // Looks at the dialog once it runs, then cancels it.
  auto inspectAndCancel = [](Seen& seen) {
    QTimer::singleShot(0, [&seen] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dlg = qobject_cast<QDialog*>(w);
        if (!dlg || dlg->objectName() != "frmIniData" || !dlg->isVisible()) continue;
        if (auto* b = dlg->findChild<QPushButton*>("cmdOpen")) {
          seen.found = true;
          seen.caption = b->text();
          seen.shown = !b->isHidden();
        }
        dlg->reject();
      }
    });
  };
  const QString caption = QStringLiteral("\u3000  ﾌｧｲﾙを開く(&O)");

  Seen fresh;
  inspectAndCancel(fresh);
  main_->mnuFile_Click(0);
  ASSERT_TRUE(fresh.found);
  EXPECT_EQ(fresh.caption, caption);
  EXPECT_TRUE(fresh.shown);
  EXPECT_EQ(gDocuments.Count(), 0);  // cancelled: the new document is gone

  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  Seen change;
  inspectAndCancel(change);
  main_->cmdIniData->click();
  ASSERT_TRUE(change.found);
  EXPECT_EQ(change.caption, caption);
  EXPECT_FALSE(change.shown);
  EXPECT_EQ(gDocuments.Count(), 1);
}

// A handler that throws tells the user, with the exception's text when it
// has one, and the program goes on.
TEST_F(MainWindowTest, AnExceptionInAHandlerBecomesAMessage) {
  const size_t before = sink_.shown.size();
  EXPECT_TRUE(GuardedCall([] {}));
  EXPECT_FALSE(GuardedCall([] { throw std::runtime_error("disk full"); }));
  EXPECT_FALSE(GuardedCall([] { throw 1; }, "計算中にエラーが発生しました。"));
  ASSERT_EQ(sink_.shown.size(), before + 2);
  EXPECT_EQ(sink_.shown[before], "処理中にエラーが発生しました。\n(disk full)");
  EXPECT_EQ(sink_.shown[before + 1], "計算中にエラーが発生しました。");
}

// The calculation is not wired in yet: the run tells the user so, keeps the
// commands disabled while it runs, and does not mark results as present.
TEST_F(MainWindowTest, CalculationRunDisablesTheCommandsAndARefusedRunMarksNoResults) {
  auto doc = OpenSample("gravity.nrv");
  ASSERT_TRUE(main_->cmdAntResApply->isEnabled());
  // A wall without height is named before the run; the water-level search
  // then refuses it with a message shown while the run still holds the window.
  doc->nWater = 1;
  doc->nWlvlAuto = 1;
  doc->pCase(0)->nWater = 1;
  doc->WallH = 0;
  bool mainEnabled = true, navEnabled = true, progressShown = false;
  int messages = 0;
  struct Probe final : IMessageSink {
    std::function<void()> onShow;
    std::vector<std::string> texts;
    MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
      texts.push_back(text);
      onShow();
      return MsgAnswer::Ok;
    }
  } probe;
  probe.onShow = [&] {
    ++messages;
    mainEnabled = main_->isEnabled();
    navEnabled = main_->nav->isEnabled();
    progressShown = ProgressWindow() != nullptr && CalculationRunning();
  };
  SetMessageSink(&probe);
  main_->cmdAntResApply->click();
  SetMessageSink(&sink_);
  ASSERT_EQ(messages, 2);
  EXPECT_EQ(probe.texts[0].rfind("擁壁の高さ H が 0 以下です（H = 0.000 m）。", 0), 0u)
      << probe.texts[0];
  EXPECT_FALSE(mainEnabled);
  EXPECT_FALSE(navEnabled);
  EXPECT_TRUE(progressShown);
  EXPECT_TRUE(main_->isEnabled());
  EXPECT_TRUE(main_->nav->isEnabled());
  EXPECT_EQ(ProgressWindow(), nullptr);
  EXPECT_FALSE(CalculationRunning());
  EXPECT_EQ(doc->bInpSt(4), 0);
  EXPECT_FALSE(main_->nav->optTab[5]->isEnabled());
  EXPECT_TRUE(main_->vsdAntRes->canvas().Ops().empty());
}

// Every document window, also after it moved to another screen, shows the
// program's icon rather than the toolkit's.
TEST_F(MainWindowTest, DocumentWindowsShowTheProgramIcon) {
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  const QImage want = ProgramIcon().pixmap(16, 16).toImage();
  ASSERT_FALSE(want.isNull());
  for (int16_t screen : {0, 2}) {
    SCOPED_TRACE(screen);
    ShowForm(*doc, screen);
    ScreenWindow* w = WindowOf(*doc);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowIcon().pixmap(16, 16).toImage(), want);
  }
}

// The progress window of a run stands over the middle of the main window,
// wherever the main window is.
TEST_F(MainWindowTest, ProgressWindowOpensCentredOnTheMainWindow) {
  auto doc = OpenSample("gravity.nrv");
  // A wall without height: the water-level search refuses it with a message
  // shown while the progress window is up.
  doc->nWater = 1;
  doc->nWlvlAuto = 1;
  doc->pCase(0)->nWater = 1;
  doc->WallH = 0;
  main_->setGeometry(300, 200, 1000, 700);
  main_->show();
  QApplication::processEvents();
  struct Probe final : IMessageSink {
    std::vector<QPoint> centres;
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
      frmProg* p = ProgressWindow();
      if (p && p->isVisible()) centres.push_back(p->frameGeometry().center());
      return MsgAnswer::Ok;
    }
  } probe;
  SetMessageSink(&probe);
  main_->cmdAntResApply->click();
  SetMessageSink(&sink_);
  ASSERT_FALSE(probe.centres.empty());
  const QPoint mid = main_->frameGeometry().center();
  for (const QPoint& c : probe.centres) {
    EXPECT_NEAR(c.x(), mid.x(), 2);
    EXPECT_NEAR(c.y(), mid.y(), 2);
  }
}

TEST_F(MainWindowTest, CalculationRunFillsTheResultsOfASampleDocument) {
  auto doc = OpenSample("gravity.nrv");
  main_->cmdAntResApply->click();
  EXPECT_TRUE(main_->isEnabled());
  EXPECT_EQ(ProgressWindow(), nullptr);
  EXPECT_FALSE(CalculationRunning());
  EXPECT_NE(doc->bInpSt(4), 0);
  EXPECT_TRUE(main_->nav->optTab[5]->isEnabled());
  bool sliding = false;
  for (const CanvasOp& op : main_->vsdAntRes->canvas().Ops())
    if (op.text.rfind("Fs=", 0) == 0) sliding = true;
  EXPECT_TRUE(sliding);
}

TEST_F(MainWindowTest, ResultPanelShowsTheCalculatedDocumentAndClearsWithTheLastClose) {
  auto doc = OpenSample("gravity.nrv");
  for (int i = 0; i <= 4; ++i) doc->SetbInpSt(i, -1);
  doc->nTentou = 0;
  // Names short enough for one line each, so the height below counts lines.
  doc->pCase(0)->CaseName = "常時";
  doc->pCase(1)->CaseName = "地震時";
  auto r = doc->AntRes(0, 0);
  r->E = 0.12;
  r->Ea = 0.3;
  r->Qmax = 2e10;
  r->Qa = 300;
  UpdateResultSummary(doc.get());
  bool eccentricity = false, dashes = false;
  for (const CanvasOp& op : main_->vsdAntRes->canvas().Ops()) {
    if (op.text == "e=0.120 < B/6=0.300") eccentricity = op.style.textColor == 0xFF0000;
    if (op.text == "q1=-----") dashes = op.style.textColor == 0x0000FF;
  }
  EXPECT_TRUE(eccentricity);
  EXPECT_TRUE(dashes);
  // The drawing is as tall as its lines: 2 cases x (8 lines + 2 reserved
  // under the road guideline), twips to pixels.
  const double tpp = 1440.0 / main_->logicalDpiX();
  const double pitch = 1.2 * main_->vsdAntRes->canvas().TextHeight("0");
  EXPECT_NEAR(main_->vsdAntRes->height(), (pitch * 20 + 10) / tpp, 1.0);

  sink_.answers = {MsgAnswer::No};
  CloseActiveDocument();
  EXPECT_TRUE(main_->vsdAntRes->canvas().Ops().empty());
  EXPECT_TRUE(main_->vsdIniData->canvas().Ops().empty());
}

TEST_F(MainWindowTest, WindowArrangementFollowsTheCaptions) {
  main_->show();
  OpenSample("gravity.nrv");
  OpenSample("leaning.nrv");
  const auto list = main_->mdiArea->subWindowList();
  ASSERT_EQ(list.size(), 2);
  main_->mnuWindow_Click(2);  // 上下に並べて表示: one above the other
  EXPECT_EQ(list[0]->x(), list[1]->x());
  EXPECT_NE(list[0]->y(), list[1]->y());
  EXPECT_EQ(list[0]->width(), main_->mdiArea->viewport()->width());
  main_->mnuWindow_Click(3);  // 左右に並べて表示: side by side
  EXPECT_EQ(list[0]->y(), list[1]->y());
  EXPECT_NE(list[0]->x(), list[1]->x());
  EXPECT_EQ(list[0]->height(), main_->mdiArea->viewport()->height());
  main_->nav->show();
  main_->mnuWindow_Click(4);  // everything minimised, the navigation bar too
  EXPECT_TRUE(list[0]->isMinimized());
  EXPECT_TRUE(list[1]->isMinimized());
  EXPECT_TRUE(main_->nav->windowState() & Qt::WindowMinimized);
  main_->nav->showNormal();
  main_->hide();
}

// "全て最小化" also minimises the help window and tool windows of the program.
TEST_F(MainWindowTest, MinimiseAllTakesEveryOtherOpenWindow) {
  main_->show();
  OpenSample("gravity.nrv");
  frmHelp* help = ShowHelpPage("/help/none.htm");
  ASSERT_NE(help, nullptr);
  QWidget tool(main_.get(), Qt::Tool);
  tool.show();
  QWidget hidden(main_.get(), Qt::Tool);  // not open: left alone
  main_->mnuWindow_Click(4);
  EXPECT_TRUE(main_->mdiArea->subWindowList().first()->isMinimized());
  EXPECT_TRUE(help->windowState() & Qt::WindowMinimized);
  EXPECT_TRUE(tool.windowState() & Qt::WindowMinimized);
  EXPECT_FALSE(hidden.isVisible());
  EXPECT_FALSE(main_->windowState() & Qt::WindowMinimized);
  help->close();
  main_->nav->showNormal();
  main_->hide();
}

TEST_F(MainWindowTest, ViewTogglesFollowTheVisibility) {
  main_->show();
  QWidget* targets[4] = {main_->picTitle, main_->tlbFile, main_->picResAbout, main_->nav};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    targets[i]->show();
    main_->mnuView_Click(i);
    EXPECT_TRUE(targets[i]->isHidden());
    EXPECT_FALSE(main_->mnuView[i]->isChecked());
    main_->mnuView_Click(i);
    EXPECT_FALSE(targets[i]->isHidden());
    EXPECT_TRUE(main_->mnuView[i]->isChecked());
  }
  main_->hide();
}

TEST_F(MainWindowTest, CancelAtTheSaveQuestionKeepsTheProgramAndEveryDocument) {
  auto a = OpenSample("gravity.nrv");
  auto b = OpenSample("leaning.nrv");
  a->Title = "changed";
  b->Title = "changed too";
  sink_.answers = {MsgAnswer::No, MsgAnswer::Cancel};
  QCloseEvent e;
  QApplication::sendEvent(main_.get(), &e);
  EXPECT_FALSE(e.isAccepted());
  EXPECT_FALSE(main_->shutDown());
  EXPECT_EQ(gDocuments.Count(), 2);
  EXPECT_EQ(main_->mdiArea->subWindowList().size(), 2);
}

TEST(SmallWindows, PictureWindowOfThePassivePressureAnglesClosesOnItsButton) {
  test::App();
  QWidget owner;
  frmDeltaHelp w(&owner);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("【参考】受働土圧各種角度について"));
  EXPECT_EQ(w.lblNote->text(), QStringLiteral("Ｎ－Ｎ：壁面に垂直な面"));
  EXPECT_EQ(w.cmdClose->text(), QStringLiteral("閉じる"));
  EXPECT_EQ(w.parentWidget(), &owner);
  QTimer::singleShot(0, &w, [&w] { w.cmdClose->click(); });
  w.exec();  // returns only because the button closed it
  EXPECT_FALSE(w.isVisible());
}

TEST(SmallWindows, VersionAndMemoryTexts) {
  test::App();
  EXPECT_EQ(VersionText(), QStringLiteral("Version 4.0.0"));
  // Kilobytes right-aligned to seven characters.
  EXPECT_EQ(MemoryLine(QStringLiteral("合計物理メモリ　　："), 1234),
            QStringLiteral("合計物理メモリ　　：   1234 KB"));
  EXPECT_EQ(MemoryLine(QStringLiteral("使用可能物理メモリ："), 16314000),
            QStringLiteral("使用可能物理メモリ：16314000 KB"));
  frmAbout about(nullptr);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("NorvaV4のﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_TRUE(about.lblTotalPhys->text().endsWith(" KB"));
  double total = 0, avail = 0;
  ReadMemory(total, avail);
  EXPECT_GT(total, 0);
  EXPECT_GT(avail, 0);
  EXPECT_LE(avail, total);
  EXPECT_FALSE(about.lblWinVer->text().isEmpty());
}

TEST(SmallWindows, SplashTimerStopsWhenTheSplashIsActiveAndAKeyClosesIt) {
  test::App();
  frmSplash splash;
  EXPECT_EQ(splash.Timer1->interval(), 2000);
  EXPECT_TRUE(splash.Timer1->isActive());
  EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version 4.0.0"));
  splash.show();
  splash.activateWindow();
  QApplication::processEvents();
  if (splash.isActiveWindow()) {
    EXPECT_FALSE(splash.Timer1->isActive());
  }
  QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
  QApplication::sendEvent(&splash, &key);
  EXPECT_FALSE(splash.isVisible());
}

TEST(SmallWindows, OneHelpWindowShowsTheLastTopic) {
  test::App();
  const QString dir = QCoreApplication::applicationDirPath() + "/help";
  frmHelp* first = ShowHelpPage("/help/antei.htm");
  frmHelp* second = ShowHelpPage("/help/wlvl.htm");
  EXPECT_EQ(first, second);
  EXPECT_EQ(second->Address(), dir + "/wlvl.htm");
  // The caption follows the title of the page shown.
  second->SetAddress(QStringLiteral(NORVA_SOURCE_DIR "/resources/help/antei.htm"));
  EXPECT_EQ(second->windowTitle(), QStringLiteral("NorvaV4 - 安定計算条件について"));
  second->close();
}

}  // namespace
}  // namespace norva
