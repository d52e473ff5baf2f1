// Layout of the main window at the smallest size it allows: the navigation
// bar, the summary panel and the documents' windows hide nothing of each other.
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

#include "document/document.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell_test_support.h"

namespace norva {
namespace {

QRect GlobalRect(const QWidget* w) {
  return w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

class WindowLayoutTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    test::ShellFixture::SetUp();
    for (auto& make : Windows().makeScreen) make = test::MakePlaceholderScreen;
    main_->show();
    main_->resize(100, 100);  // held at the smallest size
    QApplication::processEvents();
    main_->nav->show();
    main_->nav->PlaceAtOwner();
    QApplication::processEvents();
  }
  std::shared_ptr<CDocument> Open(const char* sample) { return OpenSample(sample); }
};

TEST_F(WindowLayoutTest, NavigationBarHidesNoPartOfTheSummaryPanelOrTheMenus) {
  EXPECT_EQ(main_->size(), QSize(mdiMain::kMinimumWidth, mdiMain::kMinimumHeight));
  const QRect bar = GlobalRect(main_->nav);
  // In the top right corner of the documents' area.
  const QRect area = GlobalRect(main_->mdiArea->viewport());
  EXPECT_TRUE(area.contains(bar)) << bar.x() << "," << bar.y() << " in " << area.x() << ","
                                  << area.y() << " " << area.width() << "x" << area.height();
  EXPECT_EQ(bar.right(), area.right());
  EXPECT_EQ(bar.top(), area.top());
  const QWidget* clear[] = {main_->picResAbout, main_->picTitle, main_->tlbFile, main_->menuBar()};
  for (const QWidget* w : clear) {
    EXPECT_FALSE(bar.intersects(GlobalRect(w))) << w->objectName().toStdString();
  }
  // Everything of the summary panel fits inside it, the document name and the
  // panel titles first among them.
  const QRect panel = GlobalRect(main_->picResAbout);
  const char* const parts[] = {"lblIniData",      "txtDataName", "vsdIniData",    "cmdIniData",
                               "lblResAboutTitl", "vsvAntRes",   "cmdAntResApply"};
  for (const char* name : parts) {
    const QWidget* w = main_->picResAbout->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_TRUE(panel.contains(GlobalRect(w))) << name;
    EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
  }
  EXPECT_GE(main_->vsvAntRes->height(), 100);
}

// Placed at a larger size, the bar keeps to the corner as the window shrinks;
// once the user has moved it, it stays where the user put it.
TEST_F(WindowLayoutTest, BarKeepsToTheCornerUntilTheUserMovesIt) {
  main_->resize(1180, 820);
  main_->nav->PlaceAtOwner();
  QApplication::processEvents();
  main_->resize(mdiMain::kMinimumWidth, mdiMain::kMinimumHeight);
  QApplication::processEvents();
  EXPECT_FALSE(GlobalRect(main_->nav).intersects(GlobalRect(main_->picResAbout)));
  EXPECT_TRUE(GlobalRect(main_->mdiArea->viewport()).contains(GlobalRect(main_->nav)));

  const QPoint chosen = main_->nav->pos() + QPoint(-200, 100);
  main_->nav->move(chosen);
  QApplication::processEvents();
  main_->resize(1180, 820);
  QApplication::processEvents();
  EXPECT_EQ(main_->nav->pos(), chosen);
}

TEST_F(WindowLayoutTest, DocumentWindowsOpenInsideTheVisibleArea) {
  const QRect area = main_->DocumentArea();
  const QRect bar(main_->mdiArea->viewport()->mapFromGlobal(main_->nav->frameGeometry().topLeft()),
                  main_->nav->frameGeometry().size());
  EXPECT_FALSE(area.intersects(bar));
  for (const char* sample : {"gravity.nrv", "block_masonry.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    auto doc = Open(sample);
    ASSERT_NE(doc, nullptr);
    for (int screen : {0, 3, 1}) {
      ShowForm(*doc, static_cast<int16_t>(screen));
      QApplication::processEvents();
      for (QMdiSubWindow* w : main_->mdiArea->subWindowList()) {
        if (!w->isVisible()) continue;
        EXPECT_TRUE(area.contains(w->geometry()))
            << screen << ": " << w->x() << "," << w->y() << " " << w->width() << "x" << w->height();
      }
    }
  }
  EXPECT_FALSE(main_->mdiArea->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(main_->mdiArea->verticalScrollBar()->isVisible());
}

TEST_F(WindowLayoutTest, PlacementKeepsAWindowInsideTheArea) {
  const QRect area = main_->DocumentArea();
  ASSERT_GT(area.width(), 200);
  ASSERT_GT(area.height(), 200);
  const QSize small(100, 80);
  const struct {
    QPoint at;
    QSize want;
    QRect placed;
  } cases[] = {
      {QPoint(10, 20), small, QRect(QPoint(10, 20), small)},                           // fits
      {QPoint(area.right(), 20), small, QRect(QPoint(area.right() - 99, 20), small)},  // moved left
      {QPoint(10, area.bottom()), small, QRect(QPoint(10, area.bottom() - 79), small)},  // moved up
      {QPoint(-50, -50), small, QRect(QPoint(0, 0), small)},                             // moved in
      {QPoint(30, 30), area.size() + QSize(400, 300), area},  // shrunk to the area
  };
  for (const auto& c : cases) {
    EXPECT_EQ(main_->PlaceDocumentWindow(c.at, c.want), c.placed) << c.at.x() << "," << c.at.y();
  }
}

// The window opens over the free part of the desktop, or at its least size
// where the desktop is smaller than that.
TEST(MainWindowStart, OpensOverTheFreeDesktopArea) {
  const QSize least(mdiMain::kMinimumWidth, mdiMain::kMinimumHeight);
  const struct {
    const char* name;
    QRect available, placed;
  } rows[] = {
      {"1280x900", QRect(0, 0, 1280, 900), QRect(0, 0, 1280, 900)},
      {"1366x768 above a task bar", QRect(0, 0, 1366, 728), QRect(0, 0, 1366, 728)},
      {"second screen", QRect(1920, 24, 1600, 876), QRect(1920, 24, 1600, 876)},
      {"exactly the least", QRect(5, 5, 960, 640), QRect(5, 5, 960, 640)},
      {"too low", QRect(0, 30, 1024, 600), QRect(QPoint(0, 30), least)},
      {"too narrow", QRect(100, 0, 800, 1000), QRect(QPoint(100, 0), least)},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(mdiMain::StartGeometry(r.available, least), r.placed);
  }
}

TEST_F(WindowLayoutTest, StartsMaximizedAtTheTopLeftOfItsScreen) {
  main_->hide();
  main_->ShowAtStart();
  QApplication::processEvents();
  EXPECT_TRUE(main_->isMaximized());
  ASSERT_NE(main_->screen(), nullptr);
  EXPECT_EQ(main_->frameGeometry().topLeft(), main_->screen()->availableGeometry().topLeft());
}

// A long title and a long guideline name wrap onto more lines than the usual
// height of the design-data drawing holds: it grows and keeps its text size.
TEST_F(WindowLayoutTest, DesignDataPanelShowsItsLastLineWhole) {
  const struct {
    const char* name;
    const char* title;
    int16_t sisin;
  } rows[] = {
      {"short", "擁壁", 2},
      {"large block", "ブロック積み擁壁 H=3.0m 大型ブロック クーロン", 3},
      {"canal, long title",
       "重力式擁壁 H=2.5m 水路 地下水位自動計算 常時・地震時 前面土砂あり 延長20m", 5},
  };
  const auto metrics = QtTextMetrics::Shared();
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.Title = r.title;
    doc.Sisin = r.sisin;
    doc.Doatsu = 0;
    UpdateDataSummary(&doc);
    QApplication::processEvents();
    const Canvas& c = main_->vsdIniData->canvas();
    int texts = 0;
    for (const CanvasOp& op : c.Ops()) {
      if (op.kind != CanvasOpKind::Text) continue;
      ++texts;
      EXPECT_LE(op.points[0].y + metrics->TextHeight(op.style.font), c.ScaleHeight()) << op.text;
    }
    EXPECT_GE(texts, 10);  // five labels and at least one line for each value
    // The usual 1000 units to 190 pixels, however tall.
    EXPECT_GE(main_->vsdIniData->height(), mdiMain::kIniDataHeight);
    EXPECT_NEAR(c.ScaleHeight() / main_->vsdIniData->height(), 1000.0 / mdiMain::kIniDataHeight,
                1e-9);
    // The result panel below still has its room.
    EXPECT_TRUE(GlobalRect(main_->picResAbout).contains(GlobalRect(main_->cmdAntResApply)));
  }
}

}  // namespace
}  // namespace norva
