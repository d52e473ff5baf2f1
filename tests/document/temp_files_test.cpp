// The private work folder, race-free temporary files, and the document's
// temporary-file registry. Every test runs under its own TMPDIR and checks
// that nothing is left behind.
#include "document/temp_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "document/document.h"

namespace norva {
namespace {

namespace fs = std::filesystem;

class TempFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/norva-doc-test-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    root_ = tmpl;
    const char* old = std::getenv("TMPDIR");
    hadTmpdir_ = old != nullptr;
    if (hadTmpdir_) oldTmpdir_ = old;
    ::setenv("TMPDIR", root_.c_str(), 1);
    work_ = root_ + "/NorvaV4-" + std::to_string(::geteuid());
  }
  void TearDown() override {
    if (fs::is_directory(fs::symlink_status(work_))) {
      EXPECT_TRUE(fs::is_empty(work_)) << "temporary files left behind in " << work_;
    }
    if (hadTmpdir_) {
      ::setenv("TMPDIR", oldTmpdir_.c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  static mode_t Mode(const std::string& p) {
    struct stat st {};
    EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
    return st.st_mode;
  }

  std::string root_;
  std::string work_;
  bool hadTmpdir_ = false;
  std::string oldTmpdir_;
};

TEST_F(TempFilesTest, WorkFolderIsPerUserAndPrivate) {
  EXPECT_EQ(PrivateWorkFolder(), work_);
  const mode_t m = Mode(work_);
  EXPECT_TRUE(S_ISDIR(m));
  EXPECT_EQ(m & 0777, 0700u);
  EXPECT_EQ(PrivateWorkFolder(), work_);  // an existing one is reused
}

TEST_F(TempFilesTest, ExistingOpenFolderIsNarrowedToOwnerOnly) {
  ASSERT_EQ(::mkdir(work_.c_str(), 0777), 0);
  ASSERT_EQ(::chmod(work_.c_str(), 0777), 0);
  EXPECT_EQ(PrivateWorkFolder(), work_);
  EXPECT_EQ(Mode(work_) & 0777, 0700u);
}

TEST_F(TempFilesTest, RefusesASymlinkOrFileInPlaceOfTheFolder) {
  const std::string elsewhere = root_ + "/elsewhere";
  ASSERT_EQ(::mkdir(elsewhere.c_str(), 0777), 0);
  ASSERT_EQ(::symlink(elsewhere.c_str(), work_.c_str()), 0);
  EXPECT_THROW(PrivateWorkFolder(), TempFileError);
  EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
  EXPECT_TRUE(fs::is_empty(elsewhere));  // nothing was created through the link
  ASSERT_EQ(::unlink(work_.c_str()), 0);

  std::ofstream(work_) << "not a folder";
  EXPECT_THROW(PrivateWorkFolder(), TempFileError);
  ASSERT_EQ(::unlink(work_.c_str()), 0);
}

TEST_F(TempFilesTest, RefusesAFolderOfAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a folder to another user";
  ASSERT_EQ(::mkdir(work_.c_str(), 0700), 0);
  ASSERT_EQ(::chown(work_.c_str(), 65534, 65534), 0);
  EXPECT_THROW(PrivateWorkFolder(), TempFileError);
  ASSERT_EQ(::rmdir(work_.c_str()), 0);
}

TEST_F(TempFilesTest, CreatesDistinctEmptyFilesWithThePrefix) {
  std::set<std::string> seen;
  for (int i = 0; i < 5; ++i) {
    const std::string p = CreateTempFile("Zuv");
    EXPECT_TRUE(seen.insert(p).second) << "name handed out twice: " << p;
    const fs::path path(p);
    EXPECT_EQ(path.parent_path().string(), work_);
    EXPECT_EQ(path.filename().string().rfind("Zuv", 0), 0u) << p;
    EXPECT_EQ(path.extension().string(), ".tmp");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(p)));
    EXPECT_EQ(fs::file_size(p), 0u);
    EXPECT_EQ(Mode(p) & 0077, 0u) << "readable by others";
  }
  for (const auto& p : seen) EXPECT_TRUE(DeleteFileQuietly(p));
  EXPECT_THROW(CreateTempFile("../Zuv"), TempFileError);
}

TEST_F(TempFilesTest, FailureIsAnErrorNeverAnEmptyPath) {
  ::setenv("TMPDIR", (root_ + "/missing/deeper").c_str(), 1);
  EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
  CDocument doc;
  EXPECT_THROW(doc.AddTempFile("COMPFILE"), TempFileError);
  EXPECT_EQ(doc.TempFileCount(), 0);
  EXPECT_EQ(doc.TempFile("COMPFILE"), "");
  ::setenv("TMPDIR", root_.c_str(), 1);
}

TEST_F(TempFilesTest, ARunChecksItsFolderAndStillRefusesAnUnsafeOne) {
  const std::string elsewhere = root_ + "/elsewhere";
  ASSERT_EQ(::mkdir(elsewhere.c_str(), 0777), 0);
  {
    // A symlink in place of the folder is refused at the run's first file,
    // and again at the next: a failed check is not taken as a pass.
    ASSERT_EQ(::symlink(elsewhere.c_str(), work_.c_str()), 0);
    WorkFolderScope run;
    EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
    EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
    EXPECT_TRUE(fs::is_empty(elsewhere));
    ASSERT_EQ(::unlink(work_.c_str()), 0);
    // Once the link is gone, the folder is made private and used.
    const std::string a = CreateTempFile("Zuv");
    EXPECT_EQ(fs::path(a).parent_path().string(), work_);
    EXPECT_EQ(Mode(work_) & 0777, 0700u);
    EXPECT_TRUE(DeleteFileQuietly(a));
  }
  {
    // A file in place of the folder: refused within a run as well.
    ASSERT_EQ(::rmdir(work_.c_str()), 0);
    std::ofstream(work_) << "not a folder";
    WorkFolderScope run;
    EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
    ASSERT_EQ(::unlink(work_.c_str()), 0);
  }
}

TEST_F(TempFilesTest, ARunFollowsItsFolderWhenItMovesOrGoes) {
  WorkFolderScope run;
  const std::string a = CreateTempFile("Zuv");
  EXPECT_EQ(fs::path(a).parent_path().string(), work_);
  EXPECT_TRUE(DeleteFileQuietly(a));

  // Removed during the run: made again, private.
  ASSERT_EQ(::rmdir(work_.c_str()), 0);
  const std::string b = CreateTempFile("Zuv");
  EXPECT_EQ(fs::path(b).parent_path().string(), work_);
  EXPECT_EQ(Mode(work_) & 0777, 0700u);
  EXPECT_TRUE(DeleteFileQuietly(b));

  // Another temporary folder: its own work folder, checked before use.
  const std::string other = root_ + "/other";
  ASSERT_EQ(::mkdir(other.c_str(), 0700), 0);
  ::setenv("TMPDIR", other.c_str(), 1);
  const std::string otherWork = other + "/NorvaV4-" + std::to_string(::geteuid());
  ASSERT_EQ(::symlink(root_.c_str(), otherWork.c_str()), 0);
  EXPECT_THROW(CreateTempFile("Zuv"), TempFileError);
  ASSERT_EQ(::unlink(otherWork.c_str()), 0);
  const std::string c = CreateTempFile("Zuv");
  EXPECT_EQ(fs::path(c).parent_path().string(), otherWork);
  EXPECT_TRUE(DeleteFileQuietly(c));
  ASSERT_EQ(::rmdir(otherWork.c_str()), 0);
  ::setenv("TMPDIR", root_.c_str(), 1);
}

TEST_F(TempFilesTest, DeletingASymlinkLeavesItsTarget) {
  const std::string victim = root_ + "/victim.txt";
  std::ofstream(victim) << "keep me";
  const std::string link = root_ + "/link.tmp";
  ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
  EXPECT_TRUE(PathExistsNoFollow(link));
  EXPECT_TRUE(DeleteFileQuietly(link));
  EXPECT_FALSE(PathExistsNoFollow(link));
  EXPECT_TRUE(fs::exists(victim));
  EXPECT_TRUE(DeleteFileQuietly(root_ + "/never-there"));
  EXPECT_FALSE(DeleteFileQuietly(root_));  // folders are not deleted
  EXPECT_TRUE(fs::exists(root_));
}

TEST_F(TempFilesTest, SameKeyTwiceGivesANewFileUnderOneEntry) {
  CDocument doc;
  const std::string a = doc.AddTempFile("COMPFILE");
  const std::string b = doc.AddTempFile("COMPFILE");
  EXPECT_NE(a, "");
  EXPECT_NE(a, b);
  EXPECT_TRUE(fs::exists(a));
  EXPECT_TRUE(fs::exists(b));
  EXPECT_EQ(doc.TempFileCount(), 1);
  EXPECT_EQ(doc.TempFile("compfile"), b);
  EXPECT_EQ(doc.TempFile("CompFile"), b);
  EXPECT_EQ(doc.TempFile("COMPFILE2"), "");
  // The first file is its user's to delete; the registry forgot it.
  EXPECT_TRUE(DeleteFileQuietly(a));
}

TEST_F(TempFilesTest, RemovingAFileSomeoneElseDeletedKeepsTheEntry) {
  CDocument doc;
  const std::string p = doc.AddTempFile("KUSABI0_0_0");
  ASSERT_TRUE(DeleteFileQuietly(p));
  EXPECT_EQ(doc.TempFile("KUSABI0_0_0"), "");
  EXPECT_TRUE(doc.RemoveTempFile("KUSABI0_0_0"));
  EXPECT_EQ(doc.TempFileCount(), 1);
  EXPECT_TRUE(doc.RemoveTempFile("NOSUCHKEY"));
}

TEST_F(TempFilesTest, RemovingTheFirstEntryMovesTheOthersDown) {
  CDocument doc;
  const std::string a = doc.AddTempFile("A");
  const std::string b = doc.AddTempFile("B");
  const std::string c = doc.AddTempFile("C");
  EXPECT_FALSE(doc.RemoveTempFile("a"));
  EXPECT_FALSE(fs::exists(a));
  EXPECT_EQ(doc.TempFileCount(), 2);
  EXPECT_EQ(doc.TempFile("B"), b);
  EXPECT_EQ(doc.TempFile("C"), c);
  EXPECT_EQ(doc.TempFile("A"), "");
  // A new key takes the next free position and the others stay found.
  const std::string d = doc.AddTempFile("D");
  EXPECT_EQ(doc.TempFileCount(), 3);
  EXPECT_EQ(doc.TempFile("D"), d);
  EXPECT_FALSE(doc.RemoveTempFile("C"));
  EXPECT_EQ(doc.TempFile("B"), b);
  EXPECT_EQ(doc.TempFile("D"), d);
}

TEST_F(TempFilesTest, EndingADocumentDeletesItsFilesButNoSymlinkTarget) {
  const std::string victim = root_ + "/victim.txt";
  std::ofstream(victim) << "keep me";
  std::vector<std::string> paths;
  {
    CDocument doc;
    for (const char* key : {"COMPFILE", "KUSABI0_0_0", "KUSABI0_1_0"})
      paths.push_back(doc.AddTempFile(key));
    // One registered file was swapped for a link to a file of the user's.
    ASSERT_EQ(::unlink(paths[1].c_str()), 0);
    ASSERT_EQ(::symlink(victim.c_str(), paths[1].c_str()), 0);
    for (const auto& p : paths) ASSERT_TRUE(PathExistsNoFollow(p)) << p;
  }
  for (const auto& p : paths) EXPECT_FALSE(PathExistsNoFollow(p)) << p;
  EXPECT_TRUE(fs::exists(victim));
}

}  // namespace
}  // namespace norva
