#pragma once
// A sample document on screen 3 for the load-dialog tests, typing into
// boxes as a user does, and acting on a modal dialog while it is open.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <memory>

#include "document/document.h"
#include "platform/controls/number_box.h"
#include "screens/loads/frm_kajyu.h"
#include "screens/user_input.h"
#include "shell/document_forms.h"
#include "shell/file_commands.h"
#include "shell/shell_test_support.h"

namespace norva::test {

// Runs `act` on the modal dialog that the next blocking call opens, then
// closes that dialog (with its close box, unless `act` closed it).
inline void OnModal(std::function<void(QDialog*)> act, QString* seen = nullptr) {
  QTimer::singleShot(0, [act, seen] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dlg == nullptr) return;
    if (seen) *seen = dlg->objectName();
    act(dlg);
    if (dlg->isVisible()) dlg->close();
  });
}

// A main window with screen 3 of a sample document.
class LoadDialogsFixture : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    RegisterLoadsWindows();
    main_->show();
  }
  void TearDown() override {
    Windows().makeScreen[3] = test::MakePlaceholderScreen;
    ShellFixture::TearDown();
  }
  // The sample opened from a copy and shown on screen 3.
  std::shared_ptr<CDocument> Open(const char* sample) {
    auto doc = OpenCopy(sample);
    if (!doc) return doc;
    ShowForm(*doc, 3);
    screen_ = dynamic_cast<frmKajyu*>(doc->DataForm);
    EXPECT_NE(screen_, nullptr);
    QApplication::processEvents();
    return doc;
  }
  frmKajyu* screen_ = nullptr;
};

}  // namespace norva::test
