#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

#include "platform/controls/control_array.h"
#include "platform/controls/control_helpers.h"
#include "platform/controls/option_array.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/text_box.h"
#include "qt_test_support.h"

namespace norva {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

// ---- text box --------------------------------------------------------------

TEST_F(ControlsTest, TextBoxByteLimitCountsCodePage932Bytes) {
  TextBox box;
  box.SetMaxBytes(30);
  struct Case {
    const char* text;
    bool accepted;
  } cases[] = {
      {"擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁壁", false},  // 16 full-width = 32 bytes
      {"擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁", true},     // 15 = 30 bytes
      {"擁壁擁壁擁壁擁壁擁壁擁壁擁壁擁A", false},   // 31 bytes
      {"ｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵｱｲｳｴｵ", true},     // 30 half-width katakana
      {"常時～地震時－Ⅰ①", true},                   // Windows code page characters
      {"ㄅ", false},                                // not in code page 932
      {"荷重\xF0\x9F\x98\x80", false},              // an emoji
  };
  for (const Case& c : cases)
    EXPECT_EQ(box.Accepts(QString::fromUtf8(c.text)), c.accepted) << c.text;
}

TEST_F(ControlsTest, TextBoxRefusesTypingBeyondTheLimits) {
  TextBox bytes;
  bytes.SetMaxBytes(6);
  test::Type(&bytes, QString::fromUtf8("荷重ケースA"));
  EXPECT_EQ(bytes.text(), QString::fromUtf8("荷重ケ"));  // 6 bytes; the rest refused

  TextBox chars;
  chars.SetMaxChars(4);
  test::Type(&chars, QString::fromUtf8("荷重ケースA"));
  EXPECT_EQ(chars.text(), QString::fromUtf8("荷重ケー"));

  TextBox cp;
  test::Type(&cp, QString::fromUtf8("aㄅb"));
  EXPECT_EQ(cp.text(), QString("ab"));
}

TEST_F(ControlsTest, TextBoxProgramTextIsKeptWholeAndChangeFiresOnRealChanges) {
  TextBox box;
  box.SetMaxChars(3);
  int changes = 0;
  QObject::connect(&box, &TextBox::Change, [&] { ++changes; });
  box.SetText("abcdef");  // from the document: nothing is cut
  EXPECT_EQ(box.Text(), QString("abcdef"));
  EXPECT_EQ(changes, 1);
  box.SetText("abcdef");
  EXPECT_EQ(changes, 1);
  box.SetText("");
  EXPECT_EQ(changes, 2);
  test::Type(&box, "xy");  // one change per keystroke
  EXPECT_EQ(changes, 4);
}

TEST_F(ControlsTest, TextAreaKeepsCrLfLinesAndFiresOnRealChanges) {
  TextArea area;
  area.setReadOnly(true);
  int changes = 0;
  QObject::connect(&area, &TextArea::Change, [&] { ++changes; });
  area.SetText("段数: 3\r\n高さ: 2.50");
  EXPECT_EQ(area.document()->blockCount(), 2);
  EXPECT_EQ(area.Text(), QString("段数: 3\r\n高さ: 2.50"));
  area.SetText("段数: 3\r\n高さ: 2.50");
  EXPECT_EQ(changes, 1);
  area.SetText("");
  EXPECT_EQ(changes, 2);
}

// ---- option arrays ----------------------------------------------------------

struct OptionFixture {
  QWidget form;
  OptionArray arr{"optKijyun"};
  std::vector<int> clicks;
  explicit OptionFixture(std::initializer_list<int> indices) {
    auto* layout = new QVBoxLayout(&form);
    for (int i : indices) {
      auto* b = new QRadioButton(QString::number(i));
      layout->addWidget(b);
      arr.Add(i, b);
    }
    QObject::connect(&arr, &OptionArray::Click, [this](int i) { clicks.push_back(i); });
  }
};

TEST_F(ControlsTest, OptionArrayWithNonContiguousIndices) {
  OptionFixture f({0, 5, 2, 3, 4});  // top to bottom
  EXPECT_EQ(GetOptionIndex(f.arr), -1);
  struct Step {
    int set;
    int16_t get;
    std::vector<int> clicks;
  } steps[] = {
      {5, 5, {5}},       {5, 5, {5}},      // selecting the selected one again fires nothing
      {3, 3, {5, 3}},    {1, -1, {5, 3}},  // no member with Index 1: all cleared, no click
      {0, 0, {5, 3, 0}}, {4, 4, {5, 3, 0, 4}},
  };
  for (const Step& s : steps) {
    SetOptionIndex(f.arr, s.set);
    EXPECT_EQ(GetOptionIndex(f.arr), s.get) << s.set;
    EXPECT_EQ(f.clicks, s.clicks) << s.set;
    int selected = 0;
    for (const auto& [i, b] : f.arr.Members()) selected += b->isChecked() ? 1 : 0;
    EXPECT_EQ(selected, s.get < 0 ? 0 : 1) << s.set;
  }
  EXPECT_EQ(f.arr.Item(5)->objectName(), QString("optKijyun[5]"));
  EXPECT_EQ(f.arr.IndexOf(f.arr.Item(2)), 2);
}

TEST_F(ControlsTest, OptionArrayUserClicksSelectOneAndFireOnce) {
  OptionFixture f({0, 1, 3});
  f.arr.Item(1)->click();
  f.arr.Item(1)->click();  // clicking the selected member keeps it selected
  EXPECT_TRUE(f.arr.Value(1));
  f.arr.Item(3)->click();
  EXPECT_FALSE(f.arr.Value(1));
  EXPECT_EQ(GetOptionIndex(f.arr), 3);
  EXPECT_EQ(f.clicks, (std::vector<int>{1, 3}));
}

TEST_F(ControlsTest, OptionHandlerThatReselectsDoesNotRecurse) {
  // A handler that fills the screen again re-selects the same option.
  OptionFixture f({0, 1, 3});
  int depth = 0, maxDepth = 0;
  QObject::connect(&f.arr, &OptionArray::Click, [&](int i) {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    SetOptionIndex(f.arr, i);
    --depth;
  });
  SetOptionIndex(f.arr, 3);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(f.clicks, (std::vector<int>{3}));
}

// ---- helpers -----------------------------------------------------------------

TEST_F(ControlsTest, ApplyUnitCaptionsTakesTheTextBeforeTheFirstBar) {
  QWidget form;
  struct Case {
    const char* tag;
    const char* before;
    const char* after;
  } cases[] = {
      {"kN/m2|tf/m2", "x", "kN/m2"},
      {" 単位 |b|c", "x", " 単位 "},  // blanks before the bar stay
      {"|tf", "x", ""},
      {"no bar", "x", "x"},
      {"", "x", "x"},
  };
  std::vector<QLabel*> labels;
  for (const Case& c : cases) {
    auto* l = new QLabel(QString::fromUtf8(c.before), &form);
    l->setProperty("Tag", QString::fromUtf8(c.tag));
    labels.push_back(l);
  }
  ApplyUnitCaptions(0, &form);
  for (size_t i = 0; i < labels.size(); ++i)
    EXPECT_EQ(labels[i]->text(), QString::fromUtf8(cases[i].after)) << cases[i].tag;
}

TEST_F(ControlsTest, HideIndexTabsTurnsTheTabsIntoAPageStack) {
  struct Case {
    int tabs;
    const char* caption;
  } cases[] = {{1, "-"}, {3, "-|-|-"}, {4, "-|-|-|-"}};
  for (const Case& c : cases) {
    IndexTab tab;
    for (int i = 0; i < c.tabs; ++i) tab.addTab(new QWidget, QString("page %1").arg(i));
    HideIndexTabs(&tab);
    EXPECT_EQ(tab.Caption(), QString(c.caption));
    EXPECT_FALSE(tab.TabsVisible());
    tab.SetCurrentTab(c.tabs - 1);
    EXPECT_EQ(tab.CurrTab(), c.tabs - 1);
  }
}

TEST_F(ControlsTest, ControlsAreFoundByNameAndIndexAndMissingOnesAreNoOps) {
  QWidget form;
  ControlArray<NumberBox> imnDelt("imnDelt");
  for (int i = 0; i < 2; ++i) imnDelt.Add(i, new NumberBox(0, 60, "#0.00", &form));
  auto* single = new NumberBox(0, 99, "0.0", &form);
  single->setObjectName("imnQa");
  auto* list = new QComboBox(&form);
  list->setObjectName("cmbAutoCrash");
  list->addItems({"a", "b", "c"});

  EXPECT_EQ(FindControl(&form, "imnDelt", 1), imnDelt[1]);
  EXPECT_EQ(imnDelt.IndexOf(imnDelt[1]), 1);
  EXPECT_TRUE(SetNumBoxByName(&form, "imnDelt", 1, 15.0));
  EXPECT_EQ(GetNumBox(imnDelt[1]), 15.0);
  EXPECT_TRUE(imnDelt[0]->IsBlank());
  EXPECT_TRUE(SetNumBoxByName(&form, "imnQa", -1, 120.0));  // out of range: blank
  EXPECT_TRUE(single->IsBlank());
  EXPECT_TRUE(SetListIndexByName(&form, "cmbAutoCrash", -1, 2));
  EXPECT_EQ(list->currentIndex(), 2);

  EXPECT_FALSE(SetNumBoxByName(&form, "imnDelt", 2, 1.0));
  EXPECT_FALSE(SetNumBoxByName(&form, "imnPp", 0, 1.0));
  EXPECT_FALSE(SetNumBoxByName(nullptr, "imnPp", 0, 1.0));
  EXPECT_FALSE(SetListIndexByName(&form, "imnQa", -1, 1));  // not a list
}

TEST_F(ControlsTest, CheckAndListClicksFireOnlyOnRealChanges) {
  QCheckBox chk;
  QComboBox list;
  list.addItems({"常時土圧", "地震時土圧"});
  int checks = 0, lists = 0;
  QObject::connect(&chk, &QCheckBox::toggled, [&] { ++checks; });
  QObject::connect(&list, &QComboBox::currentIndexChanged, [&] { ++lists; });
  SetCheckValue(&chk, 1);
  SetCheckValue(&chk, 1);
  SetCheckValue(&chk, 0);
  EXPECT_EQ(checks, 2);
  EXPECT_EQ(GetCheckValue(&chk), 0);
  const int start = lists;
  SetListIndex(&list, 1);
  SetListIndex(&list, 1);
  SetListIndex(&list, -1);
  EXPECT_EQ(lists - start, 2);
}

TEST_F(ControlsTest, MultiSelectListMapsEntriesToBits) {
  QListWidget list;
  list.setSelectionMode(QAbstractItemView::MultiSelection);
  list.addItems({"常時", "地震時", "暴風時", "衝突時"});
  int events = 0;
  QObject::connect(&list, &QListWidget::itemSelectionChanged, [&] { ++events; });
  EXPECT_EQ(GetListBits(&list), 0);
  SetListBits(&list, 0b1010);  // entries 1 and 3
  EXPECT_FALSE(list.item(0)->isSelected());
  EXPECT_TRUE(list.item(1)->isSelected());
  EXPECT_TRUE(list.item(3)->isSelected());
  EXPECT_EQ(GetListBits(&list), 10);
  EXPECT_EQ(events, 1);
  SetListBits(&list, 10);  // unchanged: no event
  EXPECT_EQ(events, 1);
  SetListBits(&list, 0b10001);  // entry 4 does not exist
  EXPECT_EQ(GetListBits(&list), 1);
}

}  // namespace
}  // namespace norva
