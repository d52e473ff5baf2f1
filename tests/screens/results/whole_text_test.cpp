// At the least size of the main window, the grids of the loads, stability
// results and member-stress screens show every heading, value and verdict
// whole: no text is wider than its cell (or its merged cells) and no cell is
// lower than its lines, for every sample.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <string>
#include <vector>

#include "platform/controls/flex_grid.h"
#include "screens/conditions/frm_ref_weight.h"
#include "screens/register_windows.h"
#include "shell/calculation.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/screen.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

QStringList Lines(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return t.split(QLatin1Char('\n'));
}

int Widest(const QFontMetrics& fm, const QStringList& lines) {
  int w = 0;
  for (const QString& l : lines) w = std::max(w, fm.horizontalAdvance(l));
  return w;
}

// Each text that does not fit, as "<grid> (col,row) '<text>' needs WxH in WxH".
std::vector<std::string> CutTexts(const QTableWidget* g) {
  std::vector<std::string> cut;
  auto report = [&](int col, int row, const QString& text, int needW, int needH, int w, int h) {
    if (needW <= w && needH <= h) return;
    cut.push_back(g->objectName().toStdString() + " (" + std::to_string(col) + "," +
                  std::to_string(row) + ") '" + text.toStdString() + "' needs " +
                  std::to_string(needW) + "x" + std::to_string(needH) + " in " + std::to_string(w) +
                  "x" + std::to_string(h));
  };
  // Item views keep PM_FocusFrameHMargin + 1 pixels free on either side.
  const int cellMargin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
  for (int r = 0; r < g->rowCount(); ++r) {
    if (g->isRowHidden(r)) continue;
    for (int c = 0; c < g->columnCount(); ++c) {
      if (g->isColumnHidden(c)) continue;
      const QTableWidgetItem* it = g->item(r, c);
      if (!it || it->text().isEmpty()) continue;
      int w = 0, h = 0;
      for (int k = 0; k < g->columnSpan(r, c); ++k)
        if (!g->isColumnHidden(c + k)) w += g->columnWidth(c + k);
      for (int k = 0; k < g->rowSpan(r, c); ++k)
        if (!g->isRowHidden(r + k)) h += g->rowHeight(r + k);
      const QFontMetrics fm(it->font());
      const QStringList lines = Lines(it->text());
      report(c + 1, r + 1, it->text(), Widest(fm, lines) + 2 * cellMargin,
             static_cast<int>(lines.size()) * fm.height(), w, h);
    }
  }
  const QHeaderView* top = g->horizontalHeader();
  if (!top->isHidden()) {
    const int m = g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, top);
    const QFontMetrics fm(top->font());
    for (int c = 0; c < g->columnCount(); ++c) {
      const QTableWidgetItem* it = g->horizontalHeaderItem(c);
      if (g->isColumnHidden(c) || !it || it->text().isEmpty()) continue;
      const QStringList lines = Lines(it->text());
      report(c + 1, 0, it->text(), Widest(fm, lines) + 2 * m,
             static_cast<int>(lines.size()) * fm.height(), g->columnWidth(c), top->height());
    }
  }
  const QHeaderView* side = g->verticalHeader();
  if (!side->isHidden()) {
    const int m = g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, side);
    const QFontMetrics fm(side->font());
    for (int r = 0; r < g->rowCount(); ++r) {
      const QTableWidgetItem* it = g->verticalHeaderItem(r);
      if (g->isRowHidden(r) || !it || it->text().isEmpty()) continue;
      const QStringList lines = Lines(it->text());
      report(0, r + 1, it->text(), Widest(fm, lines) + 2 * m,
             static_cast<int>(lines.size()) * fm.height(), side->width(), g->rowHeight(r));
    }
  }
  return cut;
}

class WholeTextTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    saved_ = Windows();
    RegisterWindows();
    main_->show();
    main_->resize(100, 100);  // held at the least size
    QApplication::processEvents();
    main_->nav->show();
    main_->nav->PlaceAtOwner();
    QApplication::processEvents();
  }
  void TearDown() override {
    ShellFixture::TearDown();
    Windows() = saved_;
  }
  ShellWindows saved_;
};

TEST_F(WholeTextTest, GridsOfTheLoadsAndResultScreensShowEveryTextWhole) {
  ASSERT_EQ(main_->size(), QSize(mdiMain::kMinimumWidth, mdiMain::kMinimumHeight));
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    auto doc = OpenSample(sample);
    ASSERT_NE(doc, nullptr) << sample;
    ASSERT_TRUE(RecalculateDocument(*doc)) << sample;
    for (int16_t screen : {3, 4, 5}) {
      SCOPED_TRACE(std::string(sample) + " screen " + std::to_string(screen));
      ShowForm(*doc, screen);
      QApplication::processEvents();
      const QWidget* w = doc->DataForm->Widget();
      // The screen is never squeezed below what its controls need (the
      // document window scrolls instead), so no frame cuts a grid off.
      EXPECT_GE(w->width(), w->minimumSizeHint().width());
      EXPECT_GE(w->height(), w->minimumSizeHint().height());
      const auto grids = w->findChildren<QTableWidget*>();
      ASSERT_FALSE(grids.isEmpty());
      for (const QTableWidget* g : grids) {
        for (const std::string& c : CutTexts(g)) ADD_FAILURE() << c;
      }
    }
    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
  }
}

// On an ordinary desktop the main window takes, every screen of every sample
// shows whole in its document window, the step buttons with it: no scrolling
// across, and at 1280 x 900 none down either.
TEST_F(WholeTextTest, ScreensNeedNoScrollingOnAnOrdinaryDesktop) {
  const struct {
    const char* name;
    QSize window;
    bool wholeHeight;
  } desktops[] = {{"1280x900", QSize(1280, 900), true}, {"1366x768", QSize(1366, 768), false}};
  for (const auto& desk : desktops) {
    main_->resize(desk.window);
    QApplication::processEvents();
    main_->nav->PlaceAtOwner();
    QApplication::processEvents();
    for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
      auto doc = OpenSample(sample);
      ASSERT_NE(doc, nullptr) << sample;
      ASSERT_TRUE(RecalculateDocument(*doc)) << sample;
      for (int16_t screen = 0; screen <= 5; ++screen) {
        SCOPED_TRACE(std::string(desk.name) + " " + sample + " screen " + std::to_string(screen));
        ShowForm(*doc, screen);
        QApplication::processEvents();
        ScreenWindow* win = WindowOf(*doc);
        ASSERT_NE(win, nullptr);
        const auto* scroll = qobject_cast<const QScrollArea*>(win->widget());
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0) << win->width();
        if (desk.wholeHeight) {
          EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << win->height();
        }
      }
      sink_.answers = {MsgAnswer::No};
      CloseActiveDocument();
    }
  }
}

// The unit-weight reference table: every page, its two-line heading too.
TEST(WholeText, UnitWeightReferenceTableShowsEveryTextWhole) {
  test::App();
  frmRefWeight dlg(nullptr);
  dlg.show();
  QApplication::processEvents();
  for (const FlexGrid* g : dlg.fgRef) {
    ASSERT_NE(g, nullptr);
    SCOPED_TRACE(g->objectName().toStdString());
    for (const std::string& c : CutTexts(g)) ADD_FAILURE() << c;
  }
}

}  // namespace
}  // namespace norva
