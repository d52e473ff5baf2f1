// The drawing options dialog, offscreen.
#include "screens/sheet/frm_sec_prn_options.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "platform/controls/option_array.h"
#include "screens/sheet/sheet_screens_test_support.h"

namespace norva {
namespace {

using sheet_screens::Leave;
using sheet_screens::RecordingSink;
using sheet_screens::TypeInto;

void Options(CDocument& d) {
  d.KisoH1 = 0.15;
  d.KisoH2 = 0.25;
  d.KisoB = 0.12;
  d.Mizunuki = 1;
  d.MizuDan = 3;
  for (int i = 0; i < 5; ++i) d.SetMizuH1(i, 0.5 * (i + 1));
  d.MizuN = 40;
  d.MizuFai = 75;
  d.DrwScale = 5;
  d.Sheet = 2;
  const int16_t margins[4] = {15, 10, 12, 8};
  for (int i = 0; i < 4; ++i) d.SetMargin(i, margins[i]);
  d.Suryou = 1;
}

bool Editable(const frmSecPrnOptions& f, int row) {
  return f.vasH1->CellType(1, row) != SpreadGrid::kStaticText;
}

class SheetOptions : public ::testing::Test {
 protected:
  void SetUp() override { sheet_screens::App(); }
};

TEST_F(SheetOptions, FillsFromTheDocument) {
  CDocument d;
  Options(d);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  EXPECT_EQ(f.windowTitle(), "設定");
  EXPECT_EQ(f.imnKisozai[0]->Value(), 0.15);
  EXPECT_EQ(f.imnKisozai[1]->Value(), 0.12);
  EXPECT_EQ(f.imnKisozai[2]->Value(), 0.25);
  EXPECT_EQ(f.imnKisozai[4]->Value(), 40);
  EXPECT_EQ(f.imnKisozai[5]->Value(), 75);
  EXPECT_EQ(f.imnKisozai[6]->Value(), 3);
  EXPECT_TRUE(f.chkMizunuki->isChecked());
  EXPECT_EQ(GetOptionIndex(*f.optScale), 5);
  EXPECT_EQ(GetOptionIndex(*f.optSheet), 2);
  EXPECT_EQ(GetOptionIndex(*f.optSuryou), 1);
  const double margins[4] = {15, 10, 12, 8};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(f.imnMargin[i]->Value(), margins[i]) << i;
  double v = 0;
  ASSERT_TRUE(f.vasH1->CellNumber(1, 2, &v));
  EXPECT_EQ(v, 1.0);
  // Exactly the rows in use can be edited.
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(Editable(f, r), r <= 3) << r;
  // Controls carry the names of the layout.
  for (const char* name :
       {"fraDrwOpt",   "fraMargin",   "fraSheet",     "fraScale",      "fraSuryou",
        "fraMizunuki", "fraKiso",     "picMizunuki",  "picKiso",       "chkMizunuki",
        "vasH1",       "cmdOK",       "cmdCancel",    "imnMargin[3]",  "imnKisozai[6]",
        "optSheet[4]", "optScale[6]", "optSuryou[1]", "lblCaption[3]", "lblSub[2]",
        "lblUnit[5]"})
    EXPECT_NE(f.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(f.findChild<QWidget*>("imnKisozai[3]"), nullptr);
}

TEST_F(SheetOptions, CodesOutsideTheListsSelectNoButton) {
  CDocument d;
  Options(d);
  d.DrwScale = 7;
  d.Sheet = 5;
  d.Suryou = 2;
  frmSecPrnOptions f;
  f.SetDoc(&d);
  EXPECT_EQ(GetOptionIndex(*f.optScale), -1);
  EXPECT_EQ(GetOptionIndex(*f.optSheet), -1);
  EXPECT_EQ(GetOptionIndex(*f.optSuryou), -1);
  // Filling writes nothing back.
  EXPECT_EQ(d.DrwScale, 7);
  EXPECT_EQ(d.Sheet, 5);
}

TEST_F(SheetOptions, EditsGoIntoTheDocumentAtOnce) {
  RecordingSink sink;
  CDocument d;
  Options(d);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.optScale->Item(4)->click();
  f.optSheet->Item(3)->click();
  f.optSuryou->Item(0)->click();
  EXPECT_EQ(d.DrwScale, 4);
  EXPECT_EQ(d.Sheet, 3);
  EXPECT_EQ(d.Suryou, 0);

  TypeInto(f.imnMargin[1], "30");
  Leave(f.imnMargin[1]);
  EXPECT_EQ(d.Margin(1), 30);
  struct Row {
    int index;
    const char* text;
    double want;
    double (*member)(const CDocument&);
  } rows[] = {
      {0, "0.2", 0.2, [](const CDocument& x) { return x.KisoH1; }},
      {1, "0.3", 0.3, [](const CDocument& x) { return x.KisoB; }},
      {2, "0", 0, [](const CDocument& x) { return x.KisoH2; }},
      {4, "50", 50, [](const CDocument& x) { return x.MizuN; }},
      {5, "100", 100, [](const CDocument& x) { return x.MizuFai; }},
      {6, "4", 4, [](const CDocument& x) { return static_cast<double>(x.MizuDan); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.index);
    TypeInto(f.imnKisozai[r.index], r.text);
    Leave(f.imnKisozai[r.index]);
    EXPECT_DOUBLE_EQ(r.member(d), r.want);
  }
  // Four tiers now: row 4 opens, row 5 stays locked.
  EXPECT_TRUE(Editable(f, 4));
  EXPECT_FALSE(Editable(f, 5));
  f.vasH1->SetText(1, 4, "1.750");
  f.vasH1->NotifyEdited(1, 4);
  EXPECT_EQ(d.MizuH1(3), 1.75);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(SheetOptions, DrainRowsFollowTheCheckBoxAndTheTierCount) {
  CDocument d;
  Options(d);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.chkMizunuki->click();
  EXPECT_EQ(d.Mizunuki, 0);
  for (QWidget* w :
       std::initializer_list<QWidget*>{f.imnKisozai[6], f.imnKisozai[4], f.imnKisozai[5], f.vasH1,
                                       f.lblCaption[3], f.lblSub[2], f.lblUnit[5]})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  // The values stay; the foundation boxes stay enabled.
  EXPECT_EQ(f.imnKisozai[4]->Value(), 40);
  EXPECT_TRUE(f.imnKisozai[0]->isEnabled());
  f.chkMizunuki->click();
  EXPECT_EQ(d.Mizunuki, 1);
  EXPECT_TRUE(f.vasH1->isEnabled());
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(Editable(f, r), r <= 3) << r;

  // A row beyond the tier count changes nothing in the document and shows
  // the stored height again.
  f.vasH1->SetText(1, 4, "9.000");
  f.vasH1->NotifyEdited(1, 4);
  EXPECT_EQ(d.MizuH1(3), 2.0);
  double v = 0;
  ASSERT_TRUE(f.vasH1->CellNumber(1, 4, &v));
  EXPECT_EQ(v, 2.0);

  // No tiers: every row locked.
  TypeInto(f.imnKisozai[6], "0");
  Leave(f.imnKisozai[6]);
  for (int r = 1; r <= 5; ++r) EXPECT_FALSE(Editable(f, r)) << r;
}

// A stored height shows with the grid's three decimals in every row, locked
// or not, so a row unlocked by a higher tier count shows the height the
// drawing will use (3.125, not a rounded 3.13).
TEST_F(SheetOptions, HeightsBeyondTheTierCountShowInFull) {
  CDocument d;
  Options(d);
  for (int i = 0; i < 5; ++i) d.SetMizuH1(i, 0.125 + i);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  for (int r = 1; r <= 5; ++r)
    EXPECT_EQ(f.vasH1->Text(1, r).toStdString(), std::to_string(r - 1) + ".125") << r;
  TypeInto(f.imnKisozai[6], "4");
  Leave(f.imnKisozai[6]);
  ASSERT_EQ(d.MizuDan, 4);
  ASSERT_TRUE(Editable(f, 4));
  double v = 0;
  ASSERT_TRUE(f.vasH1->CellNumber(1, 4, &v));
  EXPECT_EQ(v, 3.125);
  EXPECT_EQ(d.MizuH1(3), 3.125);
}

TEST_F(SheetOptions, BlankOrOutOfRangeBoxKeepsTheDocumentsValue) {
  struct Row {
    const char* name;
    NumberBox* (*box)(frmSecPrnOptions&);
    const char* text;
    const char* message;
  } rows[] = {
      {"blank margin", [](frmSecPrnOptions& f) { return f.imnMargin[0]; }, "",
       "余白を入力してください。元の値に戻します。"},
      {"margin too wide", [](frmSecPrnOptions& f) { return f.imnMargin[2]; }, "250",
       "余白は 0 ～ 200 の範囲で入力してください。元の値に戻します。"},
      {"blank tiers", [](frmSecPrnOptions& f) { return f.imnKisozai[6]; }, "",
       "段数を入力してください。元の値に戻します。"},
      {"six tiers", [](frmSecPrnOptions& f) { return f.imnKisozai[6]; }, "6",
       "段数は 0 ～ 5 の範囲で入力してください。元の値に戻します。"},
      {"blank layer", [](frmSecPrnOptions& f) { return f.imnKisozai[0]; }, "",
       "均しｺﾝ厚を入力してください。元の値に戻します。"},
      {"zero gradient", [](frmSecPrnOptions& f) { return f.imnKisozai[4]; }, "0",
       "勾配 Ｎは 0.01 ～ 999.99 の範囲で入力してください。元の値に戻します。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    CDocument d;
    Options(d);
    frmSecPrnOptions f;
    f.SetDoc(&d);
    NumberBox* box = r.box(f);
    const QString before = box->text();
    TypeInto(box, r.text);
    Leave(box);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], r.message);
    EXPECT_EQ(box->text(), before);
    CDocument fresh;
    Options(fresh);
    EXPECT_EQ(d.Margin(0), fresh.Margin(0));
    EXPECT_EQ(d.Margin(2), fresh.Margin(2));
    EXPECT_EQ(d.MizuDan, fresh.MizuDan);
    EXPECT_EQ(d.KisoH1, fresh.KisoH1);
    EXPECT_EQ(d.MizuN, fresh.MizuN);
  }
}

TEST_F(SheetOptions, OkAndCancelEndStatesKeepTheEdits) {
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    CDocument d;
    Options(d);
    frmSecPrnOptions f;
    f.SetDoc(&d);
    f.show();
    f.optScale->Item(1)->click();
    (ok ? f.cmdOK : f.cmdCancel)->click();
    EXPECT_EQ(f.nEndState, ok ? 1 : 0);
    EXPECT_EQ(f.result(), ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(d.DrwScale, 1);
  }
  // Closing by the window frame counts as Cancel.
  CDocument d;
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.show();
  f.close();
  EXPECT_EQ(f.nEndState, 0);
}

TEST_F(SheetOptions, EnterInABoxClosesWithItsValueWritten) {
  CDocument d;
  Options(d);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.show();
  f.activateWindow();
  QApplication::processEvents();
  f.imnMargin[3]->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  if (!f.imnMargin[3]->hasFocus()) GTEST_SKIP() << "no window activation on this platform";
  f.imnMargin[3]->selectAll();
  for (QChar c : QString("25")) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(f.imnMargin[3], &press);
  }
  // Enter presses the default button without the box losing its focus first.
  f.accept();
  EXPECT_EQ(d.Margin(3), 25);
}

// Gravity wall 3.3 m high with its layers, 2.2 m wide: on A4 with margins of
// 20 mm the figure fits at 1:30 and not at 1:10 (279 x 375 mm against 157 x
// 170 beside the title column). OK then names the largest scale that fits
// and the preview does not open; a scale that fits closes the dialog.
TEST_F(SheetOptions, OkOnAFigureLargerThanThePaperNamesTheScaleThatFits) {
  CDocument d;
  d.SetWallType(1);
  d.WallH = 3.0;
  d.GrwB = 2.0;
  d.GrwB1 = 0.6;
  d.GrwB2 = 0.5;
  d.GrwB4 = 0.3;
  d.GrwH1 = 0.5;
  d.nKeisya = 1;
  d.KeisyaH = 0;
  d.Tokki = 0;
  d.KisoH1 = 0.1;
  d.KisoH2 = 0.2;
  d.KisoB = 0.1;
  d.Mizunuki = 0;
  d.Suryou = 1;
  d.Sheet = 4;
  d.DrwScale = 0;
  for (int i = 0; i < 4; ++i) d.SetMargin(i, 20);
  RecordingSink sink;
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.SetDrawingOptionsEnabled(true);
  f.show();
  f.cmdOK->click();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(
      sink.shown[0],
      "縮尺 1:10 では図が用紙（A4）に収まりません。\nこの用紙に収まる最大の縮尺は 1:30 です。");
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.nEndState, 0);
  f.optScale->Item(2)->click();
  f.cmdOK->click();
  EXPECT_EQ(sink.shown.size(), 1u);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.nEndState, 1);
  // The quantity table's road draws no sheet: OK closes whatever the scale.
  d.DrwScale = 0;
  frmSecPrnOptions q;
  q.SetDoc(&d);
  q.SetDrawingOptionsEnabled(false);
  q.show();
  q.cmdOK->click();
  EXPECT_EQ(q.nEndState, 1);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(SheetOptions, QuantityTableRoadDisablesTheDrawingOptions) {
  CDocument d;
  Options(d);
  frmSecPrnOptions f;
  f.SetDoc(&d);
  f.SetDrawingOptionsEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{
           f.fraDrwOpt, f.fraMargin, f.imnMargin[0], f.fraSheet, f.optSheet->Item(0), f.fraScale,
           f.optScale->Item(6), f.fraSuryou, f.optSuryou->Item(1)})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  for (QWidget* w :
       std::initializer_list<QWidget*>{f.chkMizunuki, f.imnKisozai[0], f.imnKisozai[6], f.vasH1})
    EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
}

}  // namespace
}  // namespace norva
