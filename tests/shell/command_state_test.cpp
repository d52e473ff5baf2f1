// Menu and toolbar captions, and command enabling by the document state.
#include "shell/command_state.h"

#include <QDialog>
#include <QFont>
#include <QTimer>

#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell_test_support.h"

namespace norva {
namespace {

using test::ShellFixture;

TEST_F(ShellFixture, MenuAndToolbarCaptionsAreTheProgramsOwn) {
  struct Row {
    QAction* action;
    const char* caption;
  };
  mdiMain& m = *main_;
  const Row rows[] = {
      {m.mnuFile[0], "新規作成(&N)"},
      {m.mnuFile[1], "コピーして作成(&C)"},
      {m.mnuFile[2], "ファイルを開く(&O)..."},
      {m.mnuFile[3], "閉じる(&E)"},
      {m.mnuFile[4], "上書き保存(&S)"},
      {m.mnuFile[5], "名前を付けて保存(&A)..."},
      {m.mnuPrint[0], "印刷プレビュー(&V)..."},
      {m.mnuPrint[1], "印刷(&P)..."},
      {m.mnuPrint[2], "プリンタ設定(&R)..."},
      {m.mnuWord[0], "Microsoft(R) Wordへ出力(&W)..."},
      {m.mnuExit, "終了(&Q)"},
      {m.mnuView[0], "タイトルバー"},
      {m.mnuView[1], "ﾂｰﾙﾊﾞｰ"},
      {m.mnuView[2], "ﾃﾞｰﾀ概要"},
      {m.mnuView[3], "ﾅﾋﾞｹﾞｰｼｮﾝﾊﾞｰ"},
      {m.mnuCommand[0], "基本条件"},
      {m.mnuCommand[1], "形状寸法"},
      {m.mnuCommand[2], "安定計算条件"},
      {m.mnuCommand[3], "荷重条件"},
      {m.mnuCommand[4], "安定計算結果"},
      {m.mnuCommand[5], "応力度計算結果"},
      {m.mnuCommand[7], "く体寸法図"},
      {m.mnuExport[0], "数量表の作成(&K)..."},
      {m.mnuExport[1], "標準断面図出力(&L)..."},
      {m.mnuPrnStyle, "印刷書式の確認・変更"},
      {m.mnuWindow[0], "ｱｲｺﾝの整理(&A)"},
      {m.mnuWindow[1], "重ねて表示(&C)"},
      {m.mnuWindow[2], "上下に並べて表示(&H)"},
      {m.mnuWindow[3], "左右に並べて表示(&T)"},
      {m.mnuWindow[4], "全て最小化(&M)"},
      {m.mnuTaq[0], "お問合せ(&Q)"},
      {m.mnuTaq[1], "プログラム情報(&P)"},
      {m.mnuVersion, "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
  };
  for (const Row& r : rows) {
    ASSERT_NE(r.action, nullptr) << r.caption;
    EXPECT_EQ(r.action->text(), QString::fromUtf8(r.caption));
  }
  const char* const mains[6] = {"ﾌｧｲﾙ(&F)",   "表示(&V)",   "コマンド(&C)",
                                "ツール(&T)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(m.mnuMain[i]->title(), QString::fromUtf8(mains[i]));

  const char* const tips[][2] = {{"NEW", "新規作成"},
                                 {"COPY", "コピーして開く"},
                                 {"OPEN", "ファイルを開く"},
                                 {"SAVE", "保存"},
                                 {"PRINT", "印刷"},
                                 {"PREVIEW", "印刷プレビュー"},
                                 {"WORD", "Microsoft Wordへ出力"},
                                 {"SXF", "標準断面図出力"}};
  for (const auto& t : tips) {
    ASSERT_TRUE(m.buttons.contains(t[0])) << t[0];
    EXPECT_EQ(m.buttons[t[0]]->toolTip(), QString::fromUtf8(t[1]));
  }
  const char* const tabs[6] = {"基本条件", "形状寸法",     "安定計算条件",
                               "荷重条件", "安定計算結果", "応力度計算結果"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(m.nav->optTab[i]->text(), QString::fromUtf8(tabs[i]));
  EXPECT_EQ(m.nav->cmdPreview->text(), QStringLiteral("印刷実行"));
  EXPECT_EQ(m.nav->cmdTool->text(), QStringLiteral("寸　法　図"));
  EXPECT_EQ(m.cmdIniData->text(), QStringLiteral("設計初期条件の変更"));
  EXPECT_EQ(m.cmdAntResApply->text(), QStringLiteral("安定計算結果更新"));
}

// Enabled state of the screen commands for a table of input states. The
// report preview, the dimensioned view, the exports and the report commands
// have no window yet and stay disabled in every row.
TEST_F(ShellFixture, CommandStateFollowsTheActiveDocumentsInputState) {
  struct Row {
    const char* name;
    bool haveDoc;
    int flags[6];  // bInpSt 0..5 (-1 set)
    bool tabs[6];  // navigation tabs and Command menu items 0..5
    bool recalc;   // cmdAntResApply, enabled and bold
  };
  const Row rows[] = {
      {"no document", false, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, false},
      {"new document", true, {0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}, false},
      {"basic data only", true, {-1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, false},
      {"inputs complete", true, {-1, -1, -1, -1, 0, 0}, {1, 1, 1, 1, 1, 0}, true},
      {"section missing", true, {-1, 0, -1, -1, -1, 0}, {1, 1, 0, 0, 0, 0}, false},
      {"calculated", true, {-1, -1, -1, -1, -1, 0}, {1, 1, 1, 1, 1, 1}, true},
      {"flag 5 plays no part", true, {-1, -1, -1, 0, 0, -1}, {1, 1, 1, 1, 0, 0}, false},
  };
  mdiMain& m = *main_;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ReleaseAllDocuments();
    std::shared_ptr<CDocument> doc;
    if (r.haveDoc) {
      doc = gDocuments.Add("DOC1");
      for (int i = 0; i < 6; ++i) doc->SetbInpSt(i, static_cast<int16_t>(r.flags[i]));
    }
    UpdateCommandState(doc.get());
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(m.nav->optTab[i]->isEnabled(), r.tabs[i]) << "tab " << i;
      EXPECT_EQ(m.mnuCommand[i]->isEnabled(), r.tabs[i]) << "menu " << i;
    }
    EXPECT_EQ(m.cmdAntResApply->isEnabled(), r.recalc);
    EXPECT_EQ(m.cmdAntResApply->font().bold(), r.recalc);
    const bool open = r.haveDoc;
    EXPECT_TRUE(m.mnuFile[0]->isEnabled());
    EXPECT_TRUE(m.buttons["NEW"]->isEnabled());
    for (int i : {1, 3, 4, 5}) EXPECT_EQ(m.mnuFile[i]->isEnabled(), open) << "file " << i;
    EXPECT_EQ(m.buttons["COPY"]->isEnabled(), open);
    EXPECT_EQ(m.buttons["SAVE"]->isEnabled(), open);
    EXPECT_EQ(m.mnuPrint[2]->isEnabled(), open);
    EXPECT_EQ(m.cmdIniData->isEnabled(), open);
    EXPECT_EQ(m.cmdIniData->font().bold(), open);
    // Windows that do not exist yet.
    for (QAction* a : {m.mnuPrint[0], m.mnuPrint[1], m.mnuWord[0], m.mnuExport[0], m.mnuExport[1],
                       m.mnuCommand[7], m.buttons["PRINT"], m.buttons["PREVIEW"], m.buttons["WORD"],
                       m.buttons["SXF"]})
      EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(m.nav->cmdPreview->isEnabled());
    EXPECT_FALSE(m.nav->cmdTool->isEnabled());
    if (!open) {
      EXPECT_TRUE(m.txtDataName->text().isEmpty());
    }
  }
}

// Once the report dialog and the dimensioned view exist, their commands follow
// the flags: preview needs results, the view needs the wall section.
TEST_F(ShellFixture, RegisteredWindowsAreEnabledByTheFlags) {
  Windows().reportDialog = [](CDocument&, int16_t, QWidget*) {};
  Windows().dimensionView = [](QWidget*) {};
  struct Row {
    int flags[5];
    bool preview, tool;
  };
  const Row rows[] = {{{-1, 0, 0, 0, 0}, false, false},
                      {{-1, -1, 0, 0, 0}, false, true},
                      {{-1, -1, -1, -1, 0}, false, true},
                      {{-1, -1, -1, -1, -1}, true, true}};
  auto doc = gDocuments.Add("DOC1");
  for (const Row& r : rows) {
    for (int i = 0; i < 5; ++i) doc->SetbInpSt(i, static_cast<int16_t>(r.flags[i]));
    UpdateCommandState(doc.get());
    EXPECT_EQ(main_->nav->cmdPreview->isEnabled(), r.preview);
    EXPECT_EQ(main_->nav->cmdTool->isEnabled(), r.tool);
    EXPECT_EQ(main_->mnuCommand[7]->isEnabled(), r.tool);
    EXPECT_TRUE(main_->mnuPrint[0]->isEnabled());
  }
  Windows().reportDialog = nullptr;
  Windows().dimensionView = nullptr;
}

TEST(ShowHint, EmptyTextShowsTheDefaultHint) {
  test::App();
  QLineEdit box;
  ShowHint(&box, "");
  EXPECT_EQ(box.text(), QStringLiteral("ここに説明が表示されます。"));
  ShowHint(&box, "壁高を入力します。");
  EXPECT_EQ(box.text(), QStringLiteral("壁高を入力します。"));
}

TEST(ShowCalcProgress, BarValueMapsTheStepIntoItsRangeRoundingHalvesToEven) {
  struct Row {
    int percent, from, to, expected;
  };
  const Row rows[] = {
      {50, 50, 100, 75},  // second half of a two-step run
      {0, 0, 100, 0},    {100, 0, 100, 100}, {100, 0, 50, 50}, {1, 0, 50, 0},  // 0.5 -> 0
      {3, 0, 50, 2},                                                           // 1.5 -> 2
      {5, 0, 50, 2},                                                           // 2.5 -> 2
      {7, 50, 100, 54},                                                        // 53.5 -> 54
  };
  for (const Row& r : rows)
    EXPECT_EQ(ProgressBarValue(r.percent, r.from, r.to), r.expected)
        << r.percent << " in " << r.from << ".." << r.to;
}

TEST_F(ShellFixture, ProgressMessageAloneLeavesTheBar) {
  gProgressFrom = 50;
  gProgressTo = 100;
  ShowCalcProgress(50, "");
  frmProg* p = ProgressWindow();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->prgCalc->value(), 75);
  EXPECT_TRUE(p->lblMesCalc->text().isEmpty());
  ShowCalcProgress(-1, "重量計算中...");
  EXPECT_EQ(p->prgCalc->value(), 75);
  EXPECT_EQ(p->lblMesCalc->text(), QStringLiteral("重量計算中..."));
  EXPECT_EQ(p->windowTitle(), QStringLiteral("計算中..."));
  UnloadProgressWindow();
  EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(ShellFixture, CancelledPrinterSetupKeepsTheSettings) {
  PrinterSettingsRec before;
  before.Collate = 1;
  before.ColorMode = 2;
  before.Copies = 3;
  before.DeviceName = "Office";
  before.Duplex = 2;
  before.Orientation = 2;
  before.PaperBin = 7;
  before.PaperSize = 8;
  before.PrintQuality = -4;
  gPrinterSettings = before;
  QTimer::singleShot(0, [] {
    if (QWidget* w = QApplication::activeModalWidget()) static_cast<QDialog*>(w)->reject();
  });
  PrinterSetup();
  const PrinterSettingsRec& now = gPrinterSettings;
  EXPECT_EQ(now.Collate, 1);
  EXPECT_EQ(now.ColorMode, 2);
  EXPECT_EQ(now.Copies, 3);
  EXPECT_EQ(now.DeviceName, "Office");
  EXPECT_EQ(now.Duplex, 2);
  EXPECT_EQ(now.Orientation, 2);
  EXPECT_EQ(now.PaperBin, 7);
  EXPECT_EQ(now.PaperSize, 8);
  EXPECT_EQ(now.PrintQuality, -4);
  gPrinterSettings = PrinterSettingsRec();
}

}  // namespace
}  // namespace norva
