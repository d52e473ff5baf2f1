// Every shipped sample opened in the program as a user opens it: each input
// screen lets the user go on ("次へ" enabled, no box left empty), and the
// navigation bar reaches every input screen and the stability results; the
// file already holds every value the screens derive.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <filesystem>
#include <string>

#include "screens/register_windows.h"
#include "shell/document_forms.h"
#include "shell/file_commands.h"
#include "shell/nav_bar.h"
#include "shell/screen.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

class SampleScreens : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    saved_ = Windows();
    RegisterWindows();
  }
  void TearDown() override {
    ShellFixture::TearDown();
    Windows() = saved_;
  }
  ShellWindows saved_;
};

TEST_F(SampleScreens, EveryInputScreenOfEverySampleLetsTheUserGoOn) {
  int samples = 0;
  for (const auto& e :
       std::filesystem::directory_iterator(std::string(NORVA_SOURCE_DIR) + "/examples")) {
    if (e.path().extension() != ".nrv") continue;
    ++samples;
    const std::string name = e.path().filename().string();
    SCOPED_TRACE(name);
    const QString to = Path(QString::fromStdString(name));
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(QString::fromStdString(e.path().string()), to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    OpenDocumentFile(to.toStdString());
    QApplication::processEvents();
    auto doc = ActiveDocument();
    ASSERT_NE(doc, nullptr);
    for (int16_t screen = 0; screen <= 3; ++screen) {
      ShowForm(*doc, screen);
      QApplication::processEvents();
      auto* next = doc->DataForm->Widget()->findChild<QPushButton*>("cmdNext");
      ASSERT_NE(next, nullptr) << "screen " << screen;
      EXPECT_TRUE(next->isEnabled()) << "screen " << screen;
    }
    for (int i = 0; i <= 4; ++i) EXPECT_TRUE(main_->nav->optTab[i]->isEnabled()) << "tab " << i;
    EXPECT_TRUE(sink_.shown.empty()) << sink_.shown.front();
    // The file holds what its screens derive: walking them changes nothing,
    // so closing asks no question.
    CloseActiveDocument();
    EXPECT_TRUE(sink_.shown.empty()) << sink_.shown.front();
    sink_.shown.clear();
    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
  }
  EXPECT_GE(samples, 8);
}

}  // namespace
}  // namespace norva
