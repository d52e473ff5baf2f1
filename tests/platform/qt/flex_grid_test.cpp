#include "platform/controls/flex_grid.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <vector>

#include "platform/controls/colors.h"
#include "qt_test_support.h"

namespace norva {
namespace {

class FlexGridTest : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

// A small load-case table: column 0 labels, one column per case; row 1 check
// boxes, row 2 a "-" text cell in case 2, row 3 the earth-pressure kind.
struct CaseTable {
  FlexGrid g;
  std::vector<std::vector<int>> log;  // {kind, row, col}; kind 0 before, 1 after
  bool refuse = false;
  CaseTable() {
    g.SetCols(3);
    g.SetRows(4);
    g.SetTextMatrix(1, 0, "自重");
    g.SetCellChecked(1, 1, FlexGrid::kChecked);
    g.SetCellChecked(1, 2, FlexGrid::kUnchecked);
    g.SetCellChecked(2, 1, FlexGrid::kUnchecked);
    g.SetTextMatrix(2, 2, "-");
    g.SetTextMatrix(3, 1, "常時土圧");
    g.SetTextMatrix(3, 2, "常時土圧");
    QObject::connect(&g, &FlexGrid::BeforeEdit, [this](int r, int c, bool* cancel) {
      log.push_back({0, r, c});
      g.SetComboList(r == 3 ? "常時土圧|地震時土圧" : "");
      *cancel = refuse;
    });
    QObject::connect(&g, &FlexGrid::AfterEdit, [this](int r, int c) { log.push_back({1, r, c}); });
    g.resize(400, 200);
    g.show();
    QApplication::processEvents();
  }
  void Click(int row, int col) {
    const QPoint p = g.visualRect(g.model()->index(row, col)).center();
    QMouseEvent press(QEvent::MouseButtonPress, p, g.viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, g.viewport()->mapToGlobal(p), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &release);
  }
};

TEST_F(FlexGridTest, CheckCellsToggleAfterBeforeEditAndTextCellsHaveNoBox) {
  CaseTable t;
  EXPECT_EQ(t.g.CellChecked(2, 2), FlexGrid::kNoCheckbox);
  EXPECT_EQ(t.g.TextMatrix(2, 2), QString("-"));
  t.Click(1, 2);
  EXPECT_EQ(t.g.CellChecked(1, 2), FlexGrid::kChecked);
  t.Click(1, 1);
  EXPECT_EQ(t.g.CellChecked(1, 1), FlexGrid::kUnchecked);
  t.refuse = true;  // BeforeEdit cancels: nothing changes
  t.Click(1, 2);
  EXPECT_EQ(t.g.CellChecked(1, 2), FlexGrid::kChecked);
  t.refuse = false;
  t.Click(1, 0);  // fixed column: never edited
  EXPECT_EQ(t.log,
            (std::vector<std::vector<int>>{{0, 1, 2}, {1, 1, 2}, {0, 1, 1}, {1, 1, 1}, {0, 1, 2}}));
}

TEST_F(FlexGridTest, BeforeEditChoosesADropDownForOneRow) {
  CaseTable t;
  t.g.Select(3, 2);
  t.g.editItem(t.g.item(3, 2));
  QApplication::processEvents();
  auto* combo = t.g.findChild<QComboBox*>();
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->currentIndex(), 0);  // the cell's text is preselected
  combo->setCurrentIndex(1);
  emit t.g.itemDelegate()->commitData(combo);  // what leaving the editor does
  emit t.g.itemDelegate()->closeEditor(combo);
  QApplication::processEvents();
  EXPECT_EQ(t.g.TextMatrix(3, 2), QString("地震時土圧"));
  ASSERT_GE(t.log.size(), 2u);
  EXPECT_EQ(t.log.front(), (std::vector<int>{0, 3, 2}));
  EXPECT_EQ(t.log.back(), (std::vector<int>{1, 3, 2}));

  // Another row edits with a text box.
  t.g.editItem(t.g.item(2, 2));
  QApplication::processEvents();
  auto* line = t.g.findChild<QLineEdit*>();
  ASSERT_NE(line, nullptr);
}

TEST_F(FlexGridTest, LayoutColoursAndMovesByCode) {
  CaseTable t;
  t.g.SetColWidthTwips(0, 1605);
  t.g.SetColWidthTwips(1, 1200);
  EXPECT_EQ(t.g.columnWidth(0), 107);  // 1605 / 15
  EXPECT_EQ(t.g.columnWidth(1), 80);
  t.g.setRowHidden(3, true);
  EXPECT_TRUE(t.g.isRowHidden(3));
  t.g.SetCellBackColor(1, 1, VbColor(0xC0FFFF));
  EXPECT_EQ(t.g.CellBackColor(1, 1), QColor(0xFF, 0xFF, 0xC0));
  EXPECT_EQ(t.g.CellBackColor(0, 1), VbColor(kSysButtonFace));  // fixed row shaded
  std::vector<int> moved;
  QObject::connect(&t.g, &FlexGrid::AfterRowColChange, [&](int, int, int r, int c) {
    moved = {r, c};
  });
  t.g.Select(2, 1);
  EXPECT_EQ(moved, (std::vector<int>{2, 1}));
  EXPECT_EQ(t.g.Row(), 2);
  EXPECT_EQ(t.g.Col(), 1);
  t.g.Select(9, 9);  // outside: ignored
  EXPECT_EQ(t.g.Row(), 2);
}

}  // namespace
}  // namespace norva
