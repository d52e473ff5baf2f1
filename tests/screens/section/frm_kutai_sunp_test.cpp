// The zoomable dimensioned view: opened from the navigation bar and the
// command menu, zoom steps, least size, redrawn after an edit on screen 1,
// and nothing to draw when no document is open.
#include "screens/section/frm_kutai_sunp.h"

#include <QApplication>
#include <set>
#include <string>

#include "document/document_collection.h"
#include "section_test_support.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

std::multiset<std::string> Texts(const Canvas& c) {
  std::multiset<std::string> out;
  for (const CanvasOp& op : c.Ops())
    if (op.kind == CanvasOpKind::Text) out.insert(op.text);
  return out;
}

class DimensionViewTest : public test::SectionFixture {
 protected:
  void TearDown() override {
    if (frmKutaiSunp* v = DimensionView()) delete v;
    test::SectionFixture::TearDown();
  }
};

TEST_F(DimensionViewTest, NavigationBarAndMenuOpenOneViewOfTheActiveDocument) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_TRUE(main_->nav->cmdTool->isEnabled());
  ASSERT_TRUE(main_->mnuCommand[7]->isEnabled());
  main_->nav->cmdTool_Click();
  frmKutaiSunp* v = DimensionView();
  ASSERT_NE(v, nullptr);
  QApplication::processEvents();
  EXPECT_TRUE(gKutaiSunpOpen);
  EXPECT_EQ(v->windowTitle(), QStringLiteral("寸法図"));
  EXPECT_TRUE(v->isVisible());
  EXPECT_GT(v->vsdCanvas->canvas().Ops().size(), 20u);
  main_->mnuCommand[7]->trigger();
  EXPECT_EQ(DimensionView(), v);  // shown again, not a second one
  // Right edge on the main window's right edge, top on its top.
  EXPECT_EQ(v->frameGeometry().right(), main_->frameGeometry().right());
  EXPECT_EQ(v->frameGeometry().top(), main_->frameGeometry().top());
  v->close();
  QApplication::processEvents();
  EXPECT_FALSE(gKutaiSunpOpen);
}

TEST_F(DimensionViewTest, ZoomStepsOf20Between100And500) {
  OpenCopy("gravity.nrv");
  frmKutaiSunp* v = ShowDimensionView(main_.get());
  EXPECT_EQ(v->vsdCanvas->Zoom(), 100);
  for (int i = 0; i < 5; ++i) v->ZOOMUP->trigger();
  EXPECT_EQ(v->vsdCanvas->Zoom(), 200);
  // The surface grows in the scrolling area; its drawing is the same.
  EXPECT_EQ(v->vsdCanvas->width(), static_cast<int>(v->vsdCanvas->canvas().ExtentWidth() * 2));
  for (int i = 0; i < 20; ++i) v->ZOOMUP->trigger();
  EXPECT_EQ(v->vsdCanvas->Zoom(), 500);
  v->vsdCanvas->SetZoom(490);
  v->tlbZoom_ButtonClick("ZOOMUP");
  EXPECT_EQ(v->vsdCanvas->Zoom(), 500);
  for (int i = 0; i < 25; ++i) v->ZOOMDOWN->trigger();
  EXPECT_EQ(v->vsdCanvas->Zoom(), 100);
  v->vsdCanvas->SetZoom(110);
  v->tlbZoom_ButtonClick("ZOOMDOWN");
  EXPECT_EQ(v->vsdCanvas->Zoom(), 100);
  EXPECT_TRUE(v->vseCanvas->widgetResizable());
}

TEST_F(DimensionViewTest, KeepsItsLeastSize) {
  OpenCopy("gravity.nrv");
  frmKutaiSunp* v = ShowDimensionView(main_.get());
  v->resize(100, 100);
  QApplication::processEvents();
  EXPECT_GE(v->width(), frmKutaiSunp::LeastSize().width());
  EXPECT_GE(v->height(), frmKutaiSunp::LeastSize().height());
}

TEST_F(DimensionViewTest, FollowsAnEditOnTheWallSectionScreen) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  frmKutaiSunp* v = ShowDimensionView(main_.get());
  QApplication::processEvents();
  const auto before = Texts(v->vsdCanvas->canvas());
  ASSERT_FALSE(before.empty());
  test::Enter(s->imnGrwSize[1], "2.4");  // base width 1800 -> 2400 mm
  const auto after = Texts(v->vsdCanvas->canvas());
  EXPECT_NE(before, after);
  EXPECT_EQ(before.count("2400"), 0u);
  EXPECT_GE(after.count("2400"), 1u);
}

TEST_F(DimensionViewTest, ShowsNothingWhenNoDocumentIsOpen) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutaiSunp* v = ShowDimensionView(main_.get());
  QApplication::processEvents();
  ASSERT_FALSE(v->vsdCanvas->canvas().Ops().empty());
  main_->mnuFile[3]->trigger();  // close the document
  QApplication::processEvents();
  ASSERT_EQ(gDocuments.Count(), 0);
  v->Refresh();
  EXPECT_TRUE(v->vsdCanvas->canvas().Ops().empty());
  v->ZOOMUP->trigger();
  EXPECT_EQ(v->vsdCanvas->Zoom(), 120);
}

}  // namespace
}  // namespace norva
