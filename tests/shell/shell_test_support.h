#pragma once
// One QApplication for the shell tests, a private temporary folder and
// settings, a message sink that answers from a script, and a main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_collection.h"
#include "document/services.h"
#include "platform/qt/app_core.h"
#include "shell/document_forms.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "shell/placeholder_windows.h"
#include "shell/shell_state.h"

namespace norva::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_shell";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Temporary files and the work folder of the tests stay in here; the
  // folder goes when the test program ends.
  static QTemporaryDir tmp;
  static const bool envSet = [] {
    ::setenv("TMPDIR", tmp.path().toLocal8Bit().constData(), 1);
    ::setenv("XDG_DATA_HOME", (tmp.path() + "/data").toLocal8Bit().constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (tmp.path() + "/config").toLocal8Bit().constData(), 1);
    return true;
  }();
  (void)envSet;
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Answers message boxes from a script (Cancel when it runs out) and keeps
// every text shown.
class ScriptedSink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    if (answers.empty()) return MsgAnswer::Cancel;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<MsgAnswer> answers;
  std::vector<std::string> shown;
};

// A main window with no documents, the scripted sink and file dialogs that
// answer with a prepared path (or cancel when it is empty).
class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/settings");
    ReleaseAllDocuments();
    gActiveKey.clear();
    SetMessageSink(&sink_);
    saved_ = Dialogs();
    Dialogs().saveAs = [this](const QString& start, QString& path) {
      ++saveAsCalls_;
      saveAsStart_ = start;
      if (saveAsPath_.isEmpty()) return false;
      path = saveAsPath_;
      return true;
    };
    Dialogs().open = [this](const QStringList&, QString& path, int& index) {
      if (openPath_.isEmpty()) return false;
      path = openPath_;
      index = -1;
      return true;
    };
    gAppCore = std::make_shared<CAppCore>();
    gAppCore->Initialize("NorvaV4");
    gAppCore->SetRegistryKey("TAQ");
    gAppCore->LoadStdProfileSettings(5);
    // The stand-in windows wherever no real one is registered.
    RegisterPlaceholderWindows();
    main_ = std::make_unique<mdiMain>();
    SetMainWindow(main_.get());
    for (int16_t i = 0; i <= 5; ++i) gAppCore->RecentMenu(i, main_->mnuRecent[i]);
    main_->resize(1180, 820);
  }
  void TearDown() override {
    for (auto* w : main_->mdiArea->subWindowList()) delete w;
    ReleaseAllDocuments();
    gActiveKey.clear();
    main_.reset();
    SetMainWindow(nullptr);
    gAppCore.reset();
    Dialogs() = saved_;
    SetMessageSink(nullptr);
  }
  QString Path(const QString& name) const { return dir_.path() + "/" + name; }
  // Opens a writable copy of a sample document from the test folder; the
  // active document afterwards.
  std::shared_ptr<CDocument> OpenCopy(const char* name);
  // OpenCopy, then lets the event loop run before it looks for the document.
  std::shared_ptr<CDocument> OpenSample(const char* name);

  QTemporaryDir dir_;
  ScriptedSink sink_;
  FileDialogs saved_;
  QString saveAsPath_;
  QString saveAsStart_;  // where the last Save As started
  QString openPath_;
  int saveAsCalls_ = 0;
  std::unique_ptr<mdiMain> main_;
};

inline std::string ExampleFile(const char* name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name;
}

inline std::shared_ptr<CDocument> ShellFixture::OpenCopy(const char* name) {
  const QString to = Path(QString::fromUtf8(name));
  QFile::remove(to);
  EXPECT_TRUE(QFile::copy(QString::fromStdString(ExampleFile(name)), to));
  QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
  OpenDocumentFile(to.toStdString());
  return ActiveDocument();
}

inline std::shared_ptr<CDocument> ShellFixture::OpenSample(const char* name) {
  OpenCopy(name);
  QApplication::processEvents();
  return ActiveDocument();
}

}  // namespace norva::test
