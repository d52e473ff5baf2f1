#pragma once
// A folder of one test's own under the temporary folder, with a name no other
// test (or run of the same test) can take, so tests running side by side
// never rewrite each other's files. Removed at the end, kept when the test
// failed so its files can be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

namespace norva {

class TestFolder {
 public:
  TestFolder() : dir_(QDir::tempPath() + QStringLiteral("/norva_test_XXXXXX")) {}
  ~TestFolder() {
    if (::testing::Test::HasFailure()) {
      dir_.setAutoRemove(false);
      std::fprintf(stderr, "files kept in %s\n", Path().c_str());
    }
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // Leaves the folder in place after the test.
  void Keep() { dir_.setAutoRemove(false); }
  bool Valid() const { return dir_.isValid(); }
  // The folder, without a trailing "/".
  std::string Path() const { return dir_.path().toStdString(); }
  // A file in the folder.
  std::string File(const std::string& name) const { return Path() + "/" + name; }
  QString QPath() const { return dir_.path(); }
  QString QFilePath(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace norva
