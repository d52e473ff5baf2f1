#include "platform/qt/browse_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "qt_test_support.h"

namespace norva {
namespace {

TEST(BrowseFolderTest, StartFolderByRootCode) {
  test::App();
  EXPECT_EQ(BrowseStartFolder(18, "/srv/data"), QString("/srv/data"));
  EXPECT_EQ(BrowseStartFolder(18, ""), QDir::rootPath());
  EXPECT_EQ(BrowseStartFolder(1, "/srv/data"), QDir::rootPath());  // the drives
  EXPECT_EQ(BrowseStartFolder(25, ""), QDir::rootPath());
  EXPECT_EQ(BrowseStartFolder(0, "/srv/data"), QDir::homePath());
  EXPECT_EQ(BrowseStartFolder(5, ""), QDir::homePath());
}

// Answers the picker as a user would, once it is open.
void Answer(bool accept, const QString& folder) {
  QTimer::singleShot(50, [accept, folder] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "BrowseForFolder") dialog = qobject_cast<QFileDialog*>(w);
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("フォルダを選択してください"));
    if (!accept) {
      dialog->reject();
      return;
    }
    dialog->setDirectory(folder);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

TEST(BrowseFolderTest, ChosenFolderOrEmptyOnCancel) {
  test::App();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString sub = dir.filePath("出力");
  ASSERT_TRUE(QDir().mkpath(sub));
  Answer(true, sub);
  EXPECT_EQ(QDir::cleanPath(BrowseForFolder(nullptr, 18, dir.path())), QDir::cleanPath(sub));
  Answer(false, QString());
  EXPECT_EQ(BrowseForFolder(nullptr, 0, QString()), QString());
}

}  // namespace
}  // namespace norva
