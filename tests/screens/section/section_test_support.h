#pragma once
// The wall-section screen in a main window, with what a user does to it:
// entering and leaving boxes, typing, keys, clicks.
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <memory>

#include "document/document.h"
#include "screens/section/frm_kutai.h"
#include "screens/user_input.h"
#include "shell/document_forms.h"
#include "shell/shell_test_support.h"

namespace norva::test {

// A press of the left button with modifiers at the middle of a widget.
inline void Press(QWidget* w, Qt::KeyboardModifiers mods) {
  const QPointF p(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent e(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                mods);
  QApplication::sendEvent(w, &e);
}

class SectionFixture : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RegisterSectionWindows();
    SetGuidePictureFolder(std::string(NORVA_SOURCE_DIR) + "/resources/resource/");
    main_->show();
  }
  void TearDown() override {
    Windows().makeScreen[1] = test::MakePlaceholderScreen;
    Windows().dimensionView = nullptr;
    Windows().refreshDimensionView = nullptr;
    SetGuidePictureFolder("");
    ShellFixture::TearDown();
  }
  frmKutai* Show(CDocument& doc) {
    ShowForm(doc, 1);
    auto* screen = dynamic_cast<frmKutai*>(doc.DataForm);
    EXPECT_NE(screen, nullptr);
    QApplication::processEvents();
    return screen;
  }
};

}  // namespace norva::test
