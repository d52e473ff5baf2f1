#include "platform/controls/number_box.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdint>
#include <vector>

#include "document/nulls.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "qt_test_support.h"

namespace norva {
namespace {

using test::FocusIn;
using test::FocusOut;
using test::Type;

class NumberBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

TEST_F(NumberBoxTest, NewBoxIsBlankAndGivesTheNullResult) {
  NumberBox box(0.001, 99.999, "#0.000");
  EXPECT_TRUE(box.IsBlank());
  EXPECT_EQ(GetNumBox(&box), kNullBox);
  EXPECT_EQ(GetNumBox(&box, 0.0), 0.0);
  // A null given as the null result still means the blank-box null.
  EXPECT_EQ(GetNumBox(&box, kNullDouble), kNullBox);
  EXPECT_EQ(box.text(), QString());
}

TEST_F(NumberBoxTest, SetNumBoxShowsValuesInsideTheRangeAndBlanksOthers) {
  struct Case {
    double v;
    bool blank;
    const char* text;
  } cases[] = {
      {99.999, false, "99.999"},                       // MaxValue itself
      {0.001, false, "0.001"},                         // MinValue itself
      {12.5, false, "12.500"},   {100.999, true, ""},  // one above MaxValue
      {100.0, true, ""},         {0.0, true, ""},      // below MinValue
      {kNullDouble, true, ""},   {kNullBox, true, ""},
  };
  for (const Case& c : cases) {
    NumberBox box(0.001, 99.999, "#0.000");
    SetNumBox(&box, 5.0);
    SetNumBox(&box, c.v);
    EXPECT_EQ(box.IsBlank(), c.blank) << c.v;
    EXPECT_EQ(box.text(), QString::fromLatin1(c.text)) << c.v;
    EXPECT_EQ(GetNumBox(&box), c.blank ? kNullBox : c.v) << c.v;
  }
}

TEST_F(NumberBoxTest, NullOfTheValuesOwnKindInsideTheRangeLeavesTheBoxAlone) {
  // Boxes wide enough to hold each null; only that kind's null is ignored.
  NumberBox wide(-3e10, 3e10, "0.00");
  SetNumBox(&wide, 7.0);
  SetNumBox(&wide, kNullInt16);
  EXPECT_EQ(GetNumBox(&wide), 7.0);
  SetNumBox(&wide, kNullInt32);
  EXPECT_EQ(GetNumBox(&wide), 7.0);
  SetNumBox(&wide, static_cast<float>(kNullDouble));
  EXPECT_EQ(GetNumBox(&wide), 7.0);
  // For a double only the blank-box null counts, so -1.7E+10 is shown.
  SetNumBox(&wide, kNullDouble);
  EXPECT_EQ(GetNumBox(&wide), -17000000000.0);

  // Integer and single values go through the same range test.
  NumberBox small(0, 9, "0");
  SetNumBox(&small, static_cast<int16_t>(9));
  EXPECT_EQ(GetNumBox(&small), 9.0);
  SetNumBox(&small, static_cast<int32_t>(10));
  EXPECT_TRUE(small.IsBlank());
  SetNumBox(&small, 2.5f);
  EXPECT_EQ(GetNumBox(&small), 2.5);
  SetNumBox(&small, kNullInt16);  // outside 0..9: blank
  EXPECT_TRUE(small.IsBlank());
}

TEST_F(NumberBoxTest, ProgramValueIsKeptInFullWhenTheUserTabsThrough) {
  NumberBox box(0, 9.999, "0.00");
  SetNumBox(&box, 0.225);
  EXPECT_EQ(box.text(), QString("0.23"));
  FocusIn(&box);
  FocusOut(&box);
  EXPECT_EQ(GetNumBox(&box), 0.225);
  EXPECT_EQ(box.text(), QString("0.23"));
}

TEST_F(NumberBoxTest, BoxBlankedForAStoredValueOutsideItsRangeWritesNothingBackUntilTyped) {
  struct Case {
    double stored;
    const char* typed;  // nullptr: the user only tabs through
    bool writesBack;
  } cases[] = {
      {120.0, nullptr, false},        // above MaxValue: shown blank, held
      {kNullDouble, nullptr, false},  // the document null
      {kNullBox, nullptr, false},
      {120.0, "5", true},     // the user typed: the box's answer counts
      {120.0, "", true},      // typed and emptied: blank is the answer
      {12.5, nullptr, true},  // shown value
  };
  for (const Case& c : cases) {
    NumberBox box(0, 99.99, "#0.00");
    SetNumBox(&box, c.stored);
    FocusIn(&box);
    if (c.typed != nullptr) {
      box.setText("1");  // some text, so that emptying is an edit too
      box.selectAll();
      Type(&box, QString::fromLatin1(c.typed));
      if (*c.typed == '\0') box.backspace();
    }
    FocusOut(&box);
    EXPECT_EQ(NumBoxWritesBack(&box), c.writesBack) << c.stored << " " << (c.typed ? c.typed : "-");
  }
  // A later program value clears the hold.
  NumberBox box(0, 99.99, "#0.00");
  SetNumBox(&box, 120.0);
  SetNumBox(&box, 3.0);
  EXPECT_TRUE(NumBoxWritesBack(&box));
  EXPECT_FALSE(NumBoxWritesBack(nullptr));
}

TEST_F(NumberBoxTest, TypedValuesAreTakenAndOutOfRangeValuesRefused) {
  struct Case {
    const char* typed;
    double expect;  // kNullBox: blank
    const char* shown;
  } cases[] = {
      {"12.5", 12.5, "12.50"},
      {"150", 7.25, "7.25"},      // above 99.99: refused, previous value back
      {"-1", 7.25, "7.25"},       // a sign the box does not take: refused, not dropped
      {"1.234", 1.23, "1.23"},    // third decimal refused
      {"99.99", 99.99, "99.99"},  // the maximum itself
      {"0", 0.0, "0.00"},
      {"abc", 7.25, "7.25"},  // letters never enter; nothing typed
  };
  for (const Case& c : cases) {
    NumberBox box(0, 99.99, "#0.00");
    SetNumBox(&box, 7.25);
    FocusIn(&box);
    box.selectAll();
    Type(&box, QString::fromLatin1(c.typed));
    FocusOut(&box);
    EXPECT_EQ(GetNumBox(&box), c.expect) << c.typed;
    EXPECT_EQ(box.text(), QString::fromLatin1(c.shown)) << c.typed;
  }
}

TEST_F(NumberBoxTest, NegativeRangeAcceptsMinusAndEmptiedBoxBecomesBlank) {
  NumberBox box(-60, 60, "#0.0");
  FocusIn(&box);
  Type(&box, "-45.5");
  FocusOut(&box);
  EXPECT_EQ(GetNumBox(&box), -45.5);

  FocusIn(&box);
  box.selectAll();
  Type(&box, "-61");  // below MinValue: refused
  FocusOut(&box);
  EXPECT_EQ(GetNumBox(&box), -45.5);

  FocusIn(&box);
  box.selectAll();
  test::Key(&box, Qt::Key_Backspace);
  FocusOut(&box);
  EXPECT_TRUE(box.IsBlank());
  EXPECT_EQ(GetNumBox(&box), kNullBox);
}

// A refused entry brings the old value back and says why, with the range as
// set (89.999, not the 90.00 two decimals would show); Enter refuses too.
TEST_F(NumberBoxTest, RefusedEntrySaysWhyWithTheAllowedRange) {
  struct Row {
    const char* name;
    double lo, hi;
    const char* typed;
    bool enter;       // Enter instead of leaving the box
    const char* why;  // "" when taken
  };
  const Row rows[] = {
      {"minus in a box without negatives", 0, 89.999, "-5", false,
       "負の値は入力できません（入力できる範囲: 0 ～ 89.999）。元の値に戻しました。"},
      {"above the maximum", 0, 89.999, "999", false,
       "「999」は入力できる範囲の外です（入力できる範囲: 0 ～ 89.999）。元の値に戻しました。"},
      {"above the maximum, Enter", 0.001, 99.999, "999", true,
       "「999」は入力できる範囲の外です（入力できる範囲: 0.001 ～ 99.999）。元の値に戻しました。"},
      {"below a negative minimum", -60, 60, "-61", false,
       "「-61」は入力できる範囲の外です（入力できる範囲: -60 ～ 60）。元の値に戻しました。"},
      {"a lone minus sign", 0, 89.999, "-", false,
       "「-」は数値ではありません（入力できる範囲: 0 ～ 89.999）。元の値に戻しました。"},
      {"inside the range", 0, 89.999, "12.5", false, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    NumberBox box(r.lo, r.hi, "#0.00");
    SetNumBox(&box, 30);
    std::vector<QString> said;
    QObject::connect(&box, &NumberBox::Refused, [&](const QString& why) { said.push_back(why); });
    FocusIn(&box);
    box.selectAll();
    Type(&box, QString::fromLatin1(r.typed));
    if (r.enter) test::Key(&box, Qt::Key_Return);
    FocusOut(&box);
    if (*r.why) {
      EXPECT_EQ(GetNumBox(&box), 30);
      EXPECT_EQ(box.text(), QStringLiteral("30.00"));
      EXPECT_EQ(said, std::vector<QString>{QString::fromUtf8(r.why)});
    } else {
      EXPECT_EQ(GetNumBox(&box), 12.5);
      EXPECT_TRUE(said.empty());
    }
  }
}

TEST_F(NumberBoxTest, ChangeFiresOncePerRealChangeOnly) {
  NumberBox box(0, 100, "0.00");
  int changes = 0;
  QObject::connect(&box, &NumberBox::Change, [&] { ++changes; });
  struct Step {
    double v;  // kNullBox: SetBlank
    int total;
  } steps[] = {
      {kNullBox, 0},          // blank to blank
      {200, 0},               // out of range on a blank box: still blank
      {5, 1},        {5, 1},  // same value again
      {5.001, 2},    {kNullBox, 3}, {kNullBox, 3},
  };
  for (const Step& s : steps) {
    if (s.v == kNullBox)
      box.SetBlank();
    else
      SetNumBox(&box, s.v);
    EXPECT_EQ(changes, s.total) << s.v;
  }
  // Typing fires per changed value; retyping the same value fires nothing.
  SetNumBox(&box, 12);
  changes = 0;
  FocusIn(&box);
  box.selectAll();
  Type(&box, "12");  // "1" then "12"
  EXPECT_EQ(changes, 2);
  FocusOut(&box);
  EXPECT_EQ(changes, 2);
}

TEST_F(NumberBoxTest, LostFocusFiresForAnotherControlNotForAMessageBox) {
  NumberBox box(0, 100, "0.00");
  std::vector<std::string> log;
  QObject::connect(&box, &NumberBox::GotFocus, [&] { log.push_back("got"); });
  QObject::connect(&box, &NumberBox::Validate, [&](bool*) { log.push_back("validate"); });
  QObject::connect(&box, &NumberBox::LostFocus, [&] { log.push_back("lost"); });

  FocusIn(&box, Qt::TabFocusReason);
  FocusOut(&box, Qt::ActiveWindowFocusReason);  // a message box opened
  FocusIn(&box, Qt::ActiveWindowFocusReason);   // and closed again
  FocusOut(&box, Qt::PopupFocusReason);
  FocusOut(&box, Qt::MouseFocusReason);  // the user clicked another control
  FocusIn(&box, Qt::BacktabFocusReason);
  const std::vector<std::string> want = {"got", "validate", "lost", "got"};
  EXPECT_EQ(log, want);
}

TEST_F(NumberBoxTest, ClickedPushButtonSeesTheLostFocusWriteBackFirst) {
  QWidget form;
  auto* layout = new QVBoxLayout(&form);
  auto* box = new NumberBox(0, 100, "0.00");
  auto* button = new QPushButton("OK");
  layout->addWidget(box);
  layout->addWidget(button);
  form.show();
  form.activateWindow();
  QApplication::processEvents();
  box->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  if (!box->hasFocus()) GTEST_SKIP() << "no window activation on this platform";

  std::vector<std::string> log;
  double stored = 0;
  QObject::connect(box, &NumberBox::LostFocus, [&] {
    log.push_back("lost");
    stored = GetNumBox(box);
  });
  QObject::connect(button, &QPushButton::clicked, [&] { log.push_back("click"); });
  box->selectAll();
  Type(box, "42.5");
  button->setFocus(Qt::MouseFocusReason);  // what a mouse press on it does
  button->click();
  const std::vector<std::string> want = {"lost", "click"};
  EXPECT_EQ(log, want);
  EXPECT_EQ(stored, 42.5);
}

TEST_F(NumberBoxTest, LostFocusHandlerMayOpenAModalDialog) {
  QWidget form;
  auto* layout = new QVBoxLayout(&form);
  auto* first = new NumberBox(0, 100, "0.00");
  auto* second = new NumberBox(0, 100, "0.00");
  layout->addWidget(first);
  layout->addWidget(second);
  form.show();
  form.activateWindow();
  QApplication::processEvents();
  first->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  if (!first->hasFocus()) GTEST_SKIP() << "no window activation on this platform";

  int firstLost = 0, secondGot = 0, secondLost = 0;
  QObject::connect(first, &NumberBox::LostFocus, [&] {
    ++firstLost;
    QDialog message(&form);  // the refusal message of a screen
    auto* ok = new QPushButton("OK", &message);
    QObject::connect(ok, &QPushButton::clicked, &message, &QDialog::accept);
    QTimer::singleShot(30, ok, [ok] { ok->click(); });
    message.exec();
  });
  QObject::connect(second, &NumberBox::GotFocus, [&] { ++secondGot; });
  QObject::connect(second, &NumberBox::LostFocus, [&] { ++secondLost; });
  second->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  form.activateWindow();  // what the window manager does when the dialog closes
  QApplication::processEvents();
  EXPECT_TRUE(second->hasFocus());
  EXPECT_EQ(firstLost, 1);
  EXPECT_EQ(secondGot, 1);
  EXPECT_EQ(secondLost, 0);
}

TEST_F(NumberBoxTest, ValidateCanKeepTheFocus) {
  NumberBox box(0, 100, "0.00");
  int lost = 0;
  bool refuse = true;
  QObject::connect(&box, &NumberBox::Validate, [&](bool* cancel) { *cancel = refuse; });
  QObject::connect(&box, &NumberBox::LostFocus, [&] { ++lost; });
  FocusIn(&box);
  FocusOut(&box);
  EXPECT_EQ(lost, 0);
  refuse = false;
  FocusOut(&box);
  EXPECT_EQ(lost, 1);
}

TEST_F(NumberBoxTest, EnabledAndLockedLooksUseTheSystemColours) {
  NumberBox box(0, 10, "0.0");
  box.SetCaption("Ｈ：");
  SetFrameEnabled(&box, false);
  EXPECT_FALSE(box.isEnabled());
  EXPECT_EQ(box.BackColor(), VbColor(kSysButtonFace));
  EXPECT_EQ(box.CaptionColor(), VbColor(kSysGrayText));
  SetFrameEnabled(&box, true);
  EXPECT_TRUE(box.isEnabled());
  EXPECT_EQ(box.BackColor(), VbColor(kSysWindow));
  EXPECT_EQ(box.CaptionColor(), VbColor(kSysWindowText));

  SetComboEnabled(&box, true);  // computed value: enabled, not editable
  EXPECT_TRUE(box.isEnabled());
  EXPECT_TRUE(box.IsLocked());
  EXPECT_EQ(box.BackColor(), VbColor(kSysButtonFace));
  SetComboEnabled(&box, false);
  EXPECT_FALSE(box.IsLocked());
  EXPECT_EQ(box.BackColor(), VbColor(kSysWindow));
}

TEST_F(NumberBoxTest, RangeChangedAtRunTimeAppliesToTheNextSet) {
  NumberBox box(0, 9.99, "0.00");
  SetNumBox(&box, 12.0);
  EXPECT_TRUE(box.IsBlank());
  box.SetMaxValue(99.99);
  SetNumBox(&box, 12.0);
  EXPECT_EQ(GetNumBox(&box), 12.0);
}

}  // namespace
}  // namespace norva
