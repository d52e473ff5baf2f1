#include "document/temp_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "document/services.h"

namespace norva {

namespace {

std::string SystemTempFolder() {
  const char* env = std::getenv("TMPDIR");
  std::string dir = (env != nullptr && env[0] == '/') ? env : "/tmp";
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

std::string ErrnoText(int err) { return std::strerror(err); }

// Where the work folder is (nothing checked).
std::string WorkFolderPath() {
  return SystemTempFolder() + "/" + kProgramTitle + "-" +
         std::to_string(static_cast<unsigned long>(::geteuid()));
}

thread_local WorkFolderScope* g_workScope = nullptr;

}  // namespace

WorkFolderScope::WorkFolderScope() : outer_(g_workScope) { g_workScope = this; }

WorkFolderScope::~WorkFolderScope() { g_workScope = outer_; }

std::string PrivateWorkFolder() {
  const std::string folder = WorkFolderPath();
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    throw TempFileError("cannot create the work folder " + folder + ": " + ErrnoText(errno));
  }
  // It may have been there already: only a real folder of ours will do, or
  // someone else could read our files or redirect them.
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0) {
    throw TempFileError("cannot inspect the work folder " + folder + ": " + ErrnoText(errno));
  }
  if (!S_ISDIR(st.st_mode)) {
    throw TempFileError("the work folder " + folder + " is not a folder (or is a symlink)");
  }
  if (st.st_uid != ::geteuid()) {
    throw TempFileError("the work folder " + folder + " belongs to another user");
  }
  if ((st.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
    throw TempFileError("cannot make the work folder " + folder + " private: " + ErrnoText(errno));
  }
  return folder;
}

std::string CreateTempFile(const std::string& prefix) {
  if (prefix.find('/') != std::string::npos) {
    throw TempFileError("a temporary-file prefix cannot hold a folder: " + prefix);
  }
  static constexpr const char* kSuffix = ".tmp";
  // A folder this run has checked already is not checked again.
  WorkFolderScope* scope = g_workScope;
  const bool trusted =
      scope != nullptr && !scope->folder_.empty() && scope->folder_ == WorkFolderPath();
  auto checkedFolder = [&]() {
    std::string folder = PrivateWorkFolder();  // throws when unsafe
    if (scope != nullptr) scope->folder_ = folder;
    return folder;
  };
  auto attempt = [&](const std::string& folder, std::string& path) {
    const std::string pattern = folder + "/" + prefix + "XXXXXX" + kSuffix;
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    // mkstemps creates the file with O_EXCL, so the name is ours alone.
    const int fd = ::mkstemps(buf.data(), static_cast<int>(std::strlen(kSuffix)));
    if (fd < 0) return errno;
    ::close(fd);
    path = buf.data();
    return 0;
  };
  std::string path;
  int err = attempt(trusted ? scope->folder_ : checkedFolder(), path);
  // The folder went away during the run: make it again, with the full check.
  if (err == ENOENT && trusted) err = attempt(checkedFolder(), path);
  if (err != 0) {
    throw TempFileError("cannot create a temporary file in the work folder: " + ErrnoText(err));
  }
  return path;
}

bool PathExistsNoFollow(const std::string& path) {
  if (path.empty()) return false;
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool DeleteFileQuietly(const std::string& path) {
  if (path.empty()) return true;
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return true;
  if (S_ISDIR(st.st_mode)) return false;
  // unlink removes a symlink itself, never its target.
  ::unlink(path.c_str());
  return !PathExistsNoFollow(path);
}

}  // namespace norva
