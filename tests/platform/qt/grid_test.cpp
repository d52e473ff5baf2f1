#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/controls/colors.h"
#include "platform/controls/spread_grid.h"
#include "qt_test_support.h"

namespace norva {
namespace {

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

// Opens the editor of a cell, types `text` and presses Enter.
void EditCell(SpreadGrid& g, int col, int row, const QString& text) {
  g.SetActiveCell(col, row);
  g.editItem(g.item(row - 1, col - 1));
  QApplication::processEvents();
  auto* editor = g.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText(text);
  test::Key(editor, Qt::Key_Return);
  QApplication::processEvents();
}

TEST_F(GridTest, CellsReadAsNumbersOnlyWhenTheyHoldOne) {
  SpreadGrid g;
  g.SetMaxCols(2);
  g.SetMaxRows(6);
  struct Case {
    const char* text;
    bool isNumber;
    double v;
  } cases[] = {{"12.5", true, 12.5}, {"", false, 0},         {"abc", false, 0},
               {" 3 ", true, 3},     {"-0.25", true, -0.25}, {"1e2", true, 100}};
  int row = 1;
  for (const Case& c : cases) g.SetText(1, row++, c.text);
  row = 1;
  for (const Case& c : cases) {
    double v = -999;
    EXPECT_EQ(g.CellNumber(1, row, &v), c.isNumber) << c.text;
    if (c.isNumber) {
      EXPECT_EQ(v, c.v) << c.text;
    }
    ++row;
  }
  g.SetCellEmpty(1, 1);
  double v = 0;
  EXPECT_FALSE(g.CellNumber(1, 1, &v));
  // Header texts live in row 0 and column 0.
  g.SetText(1, 0, "X (m)");
  g.SetText(0, 2, "1");
  EXPECT_EQ(g.Text(1, 0), QString("X (m)"));
  EXPECT_EQ(g.Text(0, 2), QString("1"));
}

TEST_F(GridTest, NumberCellsRefuseTypedValuesOutsideTheirRange) {
  SpreadGrid g;
  g.SetMaxCols(2);
  g.SetMaxRows(2);
  g.SetNumberCell(1, 1, 0, 99.999, 3);
  g.SetNumberCell(2, 1, -9999.999, 9999.999, 3);
  g.SetCellType(1, 2, SpreadGrid::kStaticText);
  g.SetNumber(1, 1, 5);
  g.show();
  std::vector<std::pair<int, int>> changes;
  QObject::connect(&g, &SpreadGrid::EditChange, [&](int c, int r) { changes.push_back({c, r}); });
  std::vector<QString> atEnter;
  QObject::connect(&g, &SpreadGrid::KeyPress, [&](int* k) {
    if (*k == 13) atEnter.push_back(g.Text(g.ActiveCol(), g.ActiveRow()));
  });

  EditCell(g, 1, 1, "150");  // above 99.999: the old text stays
  EXPECT_EQ(g.Text(1, 1), QString("5.000"));
  EditCell(g, 1, 1, "x");
  EXPECT_EQ(g.Text(1, 1), QString("5.000"));
  EditCell(g, 1, 1, "12.5");
  EXPECT_EQ(g.Text(1, 1), QString("12.500"));
  EditCell(g, 2, 1, "-9999.999");
  EXPECT_EQ(g.Text(2, 1), QString("-9999.999"));
  EditCell(g, 1, 1, "12.5");  // unchanged: no change event
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
  // Enter is reported after the edit has been stored.
  ASSERT_EQ(atEnter.size(), 5u);
  EXPECT_EQ(atEnter[2], QString("12.500"));
  EXPECT_EQ(atEnter[3], QString("-9999.999"));
  // A static cell has no editor.
  EXPECT_FALSE(g.item(1, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(g.item(0, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(GridTest, StandardColoursGoToStaticCellsOnly) {
  SpreadGrid g;
  g.SetMaxCols(3);
  g.SetMaxRows(3);
  g.SetCellType(1, 1, SpreadGrid::kStaticText);
  g.SetCellType(2, 3, SpreadGrid::kStaticText);
  g.SetCellType(3, 3, SpreadGrid::kEdit);
  g.SetCellBackColor(3, 3, VbColor(0xC0FFFF));
  SetSpreadColors(&g);
  EXPECT_EQ(g.CellBackColor(1, 1), VbColor(kSysButtonFace));
  EXPECT_EQ(g.CellBackColor(2, 3), VbColor(kSysButtonFace));
  EXPECT_EQ(g.CellBackColor(3, 3), QColor(0xFF, 0xFF, 0xC0));  // light yellow kept
  EXPECT_EQ(g.CellBackColor(2, 2), VbColor(kSysWindow));
  EXPECT_EQ(g.FrameColor(0), VbColor(kSysButtonFace));
  EXPECT_EQ(g.FrameColor(2), VbColor(kSysButtonShadow));

  SpreadGrid empty;  // only the frame colours
  SetSpreadColors(&empty);
  EXPECT_EQ(empty.FrameColor(1), VbColor(kSysButtonFace));
}

TEST_F(GridTest, EnabledLookColoursAllCells) {
  SpreadGrid g;
  g.SetMaxCols(2);
  g.SetMaxRows(2);
  SetSpreadEnabled(&g, false);
  EXPECT_FALSE(g.isEnabled());
  for (int c = 1; c <= 2; ++c)
    for (int r = 1; r <= 2; ++r) {
      EXPECT_EQ(g.CellBackColor(c, r), VbColor(kSysButtonFace));
      EXPECT_EQ(g.CellForeColor(c, r), VbColor(kSysGrayText));
    }
  EXPECT_EQ(g.ShadowText(), VbColor(kSysGrayText));
  SetSpreadEnabled(&g, true);
  EXPECT_EQ(g.CellBackColor(2, 2), VbColor(kSysWindow));
  EXPECT_EQ(g.CellForeColor(2, 2), VbColor(kSysWindowText));
  EXPECT_EQ(g.ShadowColor(), VbColor(kSysButtonFace));
  EXPECT_EQ(g.ShadowText(), VbColor(kSysButtonText));
}

TEST_F(GridTest, LeaveCellCanRefuseAMoveToTheHeadingRows) {
  SpreadGrid g;
  g.SetMaxCols(3);
  g.SetMaxRows(5);
  g.SetRowSelectMode(true);
  std::vector<std::vector<int>> leaves;
  QObject::connect(&g, &SpreadGrid::LeaveCell, [&](int c, int r, int nc, int nr, bool* cancel) {
    leaves.push_back({c, r, nc, nr});
    *cancel = nr <= 1;
  });
  g.SetActiveCell(2, 3);
  g.SetActiveCell(2, 4);
  g.SetActiveCell(1, 1);  // refused
  EXPECT_EQ(g.ActiveCol(), 2);
  EXPECT_EQ(g.ActiveRow(), 4);
  EXPECT_EQ(leaves, (std::vector<std::vector<int>>{{2, 3, 2, 4}, {2, 4, 1, 1}}));
  g.SetColHidden(3, true);
  EXPECT_TRUE(g.isColumnHidden(2));
}

TEST_F(GridTest, FocusEventsForTheGridAsAWhole) {
  QWidget form;
  auto* layout = new QVBoxLayout(&form);
  auto* g = new SpreadGrid;
  auto* other = new QLineEdit;
  layout->addWidget(g);
  layout->addWidget(other);
  g->SetMaxCols(2);
  g->SetMaxRows(2);
  form.show();
  form.activateWindow();
  QApplication::processEvents();
  if (!form.isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
  other->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  std::vector<std::string> log;
  QObject::connect(g, &SpreadGrid::GotFocus, [&] { log.push_back("got"); });
  QObject::connect(g, &SpreadGrid::LostFocus, [&] { log.push_back("lost"); });

  g->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  g->SetActiveCell(1, 1);
  g->editItem(g->item(0, 0));  // into the cell editor: still inside the grid
  QApplication::processEvents();

  QWidget box;  // another window takes the focus, as a message box does
  auto* boxEdit = new QLineEdit(&box);
  box.show();
  box.activateWindow();
  boxEdit->setFocus();
  QApplication::processEvents();
  box.close();
  form.activateWindow();
  QApplication::processEvents();

  other->setFocus(Qt::TabFocusReason);  // another control of the window
  QApplication::processEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"got", "lost"}));
}

}  // namespace
}  // namespace norva
