#include "document/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace norva {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the scope and restores it afterwards.
class EnvGuard {
 public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvGuard() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class PathsFs : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/norva_paths_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    base_ = tmpl;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(base_, ec);
  }
  std::string Write(const std::string& rel, const std::string& content) {
    const std::string p = base_ + "/" + rel;
    fs::create_directories(fs::path(p).parent_path());
    std::ofstream(p, std::ios::binary) << content;
    return p;
  }
  std::string base_;
};

TEST(Paths, PartsOfAPath) {
  struct Case {
    const char* path;
    const char* name;
    const char* folder;
    const char* ext;
    const char* title;
  } cases[] = {
      {"/dir/f.nrv", "f.nrv", "/dir/", ".nrv", "f"},
      {"/dir/", "", "/dir/", "/dir/", ""},
      {"f.nrv", "f.nrv", "f.nrv", ".nrv", "f"},                     // no "/": the whole path
      {"/d/a.b.nrv", "a.b.nrv", "/d/", ".nrv", "a.b"},              // last dot
      {"/dir.old/file", "file", "/dir.old/", ".old/file", "file"},  // last dot wins
      {"/f", "f", "/", "/f", "f"},
      {"C:file.nrv", "C:file.nrv", "C:file.nrv", ".nrv", "C:file"},  // ":" is a name character
      {"a\\b.nrv", "a\\b.nrv", "a\\b.nrv", ".nrv", "a\\b"},          // so is "\"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
    EXPECT_EQ(GetFolder(c.path), c.folder) << c.path;
    EXPECT_EQ(GetFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
  }
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator('\\'));
  EXPECT_FALSE(IsPathSeparator(':'));
  EXPECT_TRUE(IsPathSeparator(std::string_view("/")));
  EXPECT_FALSE(IsPathSeparator(std::string_view("//")));
}

TEST(Paths, SplitPathAtTheFirstDot) {
  struct Case {
    const char* path;
    const char* folder;
    const char* title;
    const char* ext;
  } cases[] = {
      {"/a/b.c.d", "/a/", "b", "c.d"},
      {"/srv/share/f.nrv", "/srv/share/", "f", "nrv"},
      {"b", "", "b", ""},
      {"/d/.hidden", "/d/", "", "hidden"},
      {"/d.x/name", "/d.x/", "name", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    std::string drive = "x", folder = "x", title = "x", ext = "x";
    SplitPath(c.path, drive, folder, title, ext);
    EXPECT_EQ(drive, "") << c.path;
    EXPECT_EQ(folder, c.folder) << c.path;
    EXPECT_EQ(title, c.title) << c.path;
    EXPECT_EQ(ext, c.ext) << c.path;
  }
}

TEST(Paths, RootAndFullPath) {
  std::string root = "x";
  GetRoot("/home/u/a.nrv", root);
  EXPECT_EQ(root, "/");
  GetRoot("rel/a.nrv", root);
  EXPECT_EQ(root, "");

  struct Case {
    const char* path;
    const char* full;
  } cases[] = {
      {"/a/./b/../c.nrv", "/a/c.nrv"},
      {"/a//b///c.nrv", "/a/b/c.nrv"},
      {"/a/b/", "/a/b"},
      {"/", "/"},
      {"/../a", "/a"},
  };
  for (const auto& c : cases) {
    std::string result;
    EXPECT_TRUE(FullPath(result, c.path)) << c.path;
    EXPECT_EQ(result, c.full) << c.path;
  }
  std::string result;
  EXPECT_TRUE(FullPath(result, "Rel.nrv"));
  EXPECT_EQ(result, fs::current_path().string() + "/Rel.nrv");  // case kept
  EXPECT_FALSE(FullPath(result, ""));
  EXPECT_EQ(result, "");
}

TEST(Paths, AbbreviatePathExamples) {
  const std::string p = "/data/project/site/walls/sample.nrv";  // 35 characters
  struct Case {
    std::string path;
    int16_t n;
    const char* result;
  } cases[] = {
      {p, 40, "/data/project/site/walls/sample.nrv"},
      {p, 35, "/data/project/site/walls/sample.nrv"},
      {p, 34, "/data/.../site/walls/sample.nrv"},
      {p, 30, "/data/.../walls/sample.nrv"},
      {p, 22, "/data/.../sample.nrv"},
      {p, 20, "/data/.../sample.nrv"},
      {p, 19, "sample.nrv"},
      {p, 5, "sample.nrv"},  // the name alone, even when longer than n
      {p, 0, "sample.nrv"},
      {p, -1, "sample.nrv"},
      {"data/project/site/x.nrv", 20, "data/.../site/x.nrv"},
      {"/sample.nrv", 5, "sample.nrv"},
      {"/data/sample.nrv", 15, "sample.nrv"},                       // no folder to drop
      {"/データ/計画/現場/擁壁/例.nrv", 15, "/データ/.../例.nrv"},  // counted in characters
      {"C:\\data\\project\\sample.nrv", 10, "C:\\data\\project\\sample.nrv"},
      {"/data/project/", 5, "/data/project/"},
  };
  for (const auto& c : cases) {
    std::string s = c.path;
    AbbreviatePath(s, c.n);
    EXPECT_EQ(s, c.result) << c.path << " " << c.n;
  }
}

TEST(Paths, AbbreviatePathEndsOnEveryInput) {
  const char* paths[] = {"",
                         "/",
                         "//",
                         "///a",
                         "//a//b//c.nrv",
                         "/a/b/c/d/e/f/g/h/i/j/k.nrv",
                         "a/b",
                         "/x/",
                         "no_separator_at_all.nrv",
                         "/very_long_first_folder_name/b/c.nrv",
                         "/a/b/c/"
                         "very_long_file_name_that_exceeds_everything.nrv",
                         "\\\\server\\share\\dir\\f.nrv"};
  for (const char* path : paths) {
    for (int n = -2; n <= 60; ++n) {
      std::string s = path;
      AbbreviatePath(s, static_cast<int16_t>(n));
      const std::string name = GetFileName(path);
      // Either it fits, or it is the file name, or it was left whole.
      EXPECT_TRUE(static_cast<int>(s.size()) <= std::max(n, 0) || s == name || s == path)
          << path << " " << n << " -> " << s;
    }
  }
}

TEST_F(PathsFs, ComparePath) {
  const std::string file = Write("d/a.nrv", "x");
  const std::string link = base_ + "/link.nrv";
  fs::create_symlink(file, link);
  struct Case {
    std::string a;
    std::string b;
    bool same;
  } cases[] = {
      {file, file, true},
      {base_ + "/d/./a.nrv", base_ + "/d/../d/a.nrv", true},
      {base_ + "//d///a.nrv", file, true},
      {base_ + "/d/", base_ + "/d", true},
      {link, file, true},                 // both exist and are one file
      {base_ + "/d/A.nrv", file, false},  // case counts
      {base_ + "/d/a.NRV", base_ + "/d/a.nrv", false},
      {base_ + "/d/b.nrv", file, false},
      {"", file, false},
      {"", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ComparePath(c.a, c.b), c.same) << c.a << " | " << c.b;
  }
  const std::string cwd = fs::current_path().string();
  EXPECT_TRUE(ComparePath("rel.nrv", cwd + "/rel.nrv"));
}

TEST_F(PathsFs, FilesDiffer) {
  const std::string a = Write("a.nrv", "line 1\r\nline 2\r\n");
  const std::string same = Write("same.nrv", "line 1\r\nline 2\r\n");
  const std::string last = Write("last.nrv", "line 1\r\nline 3\r\n");
  const std::string upper = Write("upper.nrv", "LINE 1\r\nline 2\r\n");
  const std::string longer = Write("longer.nrv", "line 1\r\nline 2\r\n\r\n");
  const std::string e1 = Write("e1.nrv", "");
  const std::string e2 = Write("e2.nrv", "");
  const std::string missing = base_ + "/missing.nrv";
  struct Case {
    std::string p1;
    std::string p2;
    bool differ;
  } cases[] = {
      {a, same, false},   {a, last, true},  // equal length, differs in the last line
      {a, upper, true},                     // letter case is a change
      {a, longer, true},  {e1, e2, false},  // two empty files are equal
      {a, missing, true},                   // the saved file vanished: not "unchanged"
      {missing, a, true}, {missing, missing, false}, {"", a, false}, {a, "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilesDiffer(c.p1, c.p2), c.differ) << c.p1 << " | " << c.p2;
  }
}

TEST_F(PathsFs, DeleteFolderTreeNeverFollowsLinksOut) {
  const std::string outside_file = Write("outside/keep.txt", "keep");
  Write("outside/inner/keep2.txt", "keep");
  const std::string work = base_ + "/work";
  Write("work/a.txt", "a");
  Write("work/.hidden", "h");
  Write("work/sub/b.txt", "b");
  Write("work/sub/subsub/c.txt", "c");
  fs::create_directory_symlink(base_ + "/outside", work + "/dirlink");
  fs::create_symlink(outside_file, work + "/filelink");
  fs::create_directory_symlink(base_ + "/outside", work + "/sub/deeplink");

  DeleteFolderTree(work, false);
  EXPECT_TRUE(fs::is_directory(work));
  EXPECT_TRUE(fs::is_empty(work));
  EXPECT_TRUE(fs::exists(outside_file));
  EXPECT_TRUE(fs::exists(base_ + "/outside/inner/keep2.txt"));

  Write("work/again.txt", "x");
  DeleteFolderTree(work, true);
  EXPECT_FALSE(fs::exists(work));
  EXPECT_TRUE(fs::exists(outside_file));
}

TEST_F(PathsFs, DeleteFolderTreeLeavesALinkedFolderAndProtectedFoldersAlone) {
  const std::string outside_file = Write("outside/keep.txt", "keep");
  const std::string link = base_ + "/worklink";
  fs::create_directory_symlink(base_ + "/outside", link);
  DeleteFolderTree(link, true);
  DeleteFolderTree(link + "/", true);  // a trailing "/" would resolve the link
  DeleteFolderTree(link + "//", false);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::exists(outside_file));

  // The temporary folder is shared by every user: never emptied.
  const std::string tmp = base_ + "/tmp";
  const std::string shared = Write("tmp/other_users_file", "x");
  {
    EnvGuard env("TMPDIR", tmp.c_str());
    DeleteFolderTree(tmp, false);
    DeleteFolderTree(tmp + "/", true);
  }
  EXPECT_TRUE(fs::exists(shared));

  DeleteFolderTree("", true);  // must not turn into "/"
  DeleteFolderTree(base_ + "/missing", true);
  EXPECT_TRUE(fs::exists(outside_file));
}

TEST(Paths, SpecialFolder) {
  {
    EnvGuard xdg("XDG_DATA_HOME", "/x/data");
    EXPECT_EQ(GetSpecialFolder(26), "/x/data");
    EXPECT_EQ(GetSpecialFolder(9999), "???");
  }
  {
    EnvGuard xdg("XDG_DATA_HOME", nullptr);
    EnvGuard home("HOME", "/home/u/");
    EXPECT_EQ(GetSpecialFolder(26), "/home/u/.local/share");
  }
  {
    EnvGuard xdg("XDG_DATA_HOME", "relative");  // not absolute: ignored
    EnvGuard home("HOME", "/home/u");
    EXPECT_EQ(GetSpecialFolder(26), "/home/u/.local/share");
  }
  {
    EnvGuard xdg("XDG_DATA_HOME", nullptr);
    EnvGuard home("HOME", nullptr);
    EXPECT_EQ(GetSpecialFolder(26), "???");
  }
}

TEST(Paths, TrimNullsAndTrimAtNull) {
  using namespace std::string_literals;
  struct Case {
    std::string in;
    std::string out;
  } cases[] = {
      {"  abc  ", "abc"},
      {"\0\0abc\0"s, "abc"},
      {"abc \0"s, "abc "},  // the blank between text and NUL stays
      {"\0\0\0"s, ""},
      {" \0 abc"s, " abc"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimNulls(c.in), c.out);
  }
  EXPECT_EQ(TrimAtNull("ab\0cd"s), "ab");
  EXPECT_EQ(TrimAtNull("abc"), "abc");
  EXPECT_EQ(TrimAtNull("\0abc"s), "");
}

}  // namespace
}  // namespace norva
