#include "document/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace norva {

namespace fs = std::filesystem;

namespace {

std::size_t CharCount(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

bool Exists(const std::string& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0;
}

// Whole-file comparison; false when either cannot be read.
bool ReadWhole(const std::string& p, std::string* out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Deepest level DeleteFolderTree descends to; deeper folders are left.
constexpr int kMaxDepth = 256;

void RemoveContents(int dirfd, dev_t dev, int depth) {
  const int listfd = ::dup(dirfd);
  if (listfd < 0) return;
  DIR* dir = ::fdopendir(listfd);
  if (!dir) {
    ::close(listfd);
    return;
  }
  std::vector<std::string> names;
  while (dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  for (const std::string& name : names) {
    struct stat st {};
    if (::fstatat(dirfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (st.st_dev != dev || depth >= kMaxDepth) continue;  // a mount point: not ours
      // O_NOFOLLOW: if the entry was swapped for a link since fstatat, this fails.
      const int sub =
          ::openat(dirfd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub < 0) continue;
      RemoveContents(sub, dev, depth + 1);
      ::close(sub);
      ::unlinkat(dirfd, name.c_str(), AT_REMOVEDIR);
    } else {
      // Files, links (the link itself, never its target), sockets, fifos.
      ::unlinkat(dirfd, name.c_str(), 0);
    }
  }
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// Folders whose contents belong to everybody: never emptied.
bool IsProtectedFolder(const std::string& folder) {
  std::error_code ec;
  fs::path tmp = fs::temp_directory_path(ec);
  if (SameFile(folder, "/") || SameFile(folder, "/tmp")) return true;
  return !ec && SameFile(folder, tmp.string());
}

}  // namespace

bool FilesDiffer(std::string_view path1, std::string_view path2) {
  if (path1.empty() || path2.empty()) return false;
  const std::string p1(path1), p2(path2);
  const bool e1 = Exists(p1), e2 = Exists(p2);
  if (!e1 && !e2) return false;
  if (e1 != e2) return true;
  std::error_code ec1, ec2;
  const auto s1 = fs::file_size(p1, ec1);
  const auto s2 = fs::file_size(p2, ec2);
  if (ec1 || ec2 || s1 != s2) return true;
  std::string c1, c2;
  if (!ReadWhole(p1, &c1) || !ReadWhole(p2, &c2)) return true;
  return c1 != c2;
}

void AbbreviatePath(std::string& path, int16_t n) {
  const long limit = n;
  if (limit >= static_cast<long>(CharCount(path))) return;
  const std::string name = GetFileName(path);
  if (limit < static_cast<long>(CharCount(name)) || name.empty()) {
    if (!name.empty()) path = name;
    return;
  }
  // head: the root and the first folder ("/data"), or the first folder of a
  // relative path ("data"); rest: from the "/" after it to the end.
  const std::size_t folder_end = path.size() - name.size();  // index after the last "/"
  const std::size_t head_end = path.find('/', path[0] == '/' ? 1 : 0);
  if (head_end == std::string::npos || head_end + 1 >= folder_end) {
    path = name;  // no folder between the head and the name: nothing to drop
    return;
  }
  const std::string head = path.substr(0, head_end);
  const long v = static_cast<long>(CharCount(head));
  const long name_len = static_cast<long>(CharCount(name));
  if (limit < v + 5 + name_len) {
    path = name;
    return;
  }
  // Drop a folder after the head at each step; "/name" alone always fits.
  std::string rest = path.substr(head_end);
  std::size_t drop = 0;  // the rest begins at rest[drop], a "/"
  for (;;) {
    const std::string_view tail = std::string_view(rest).substr(drop);
    if (limit >= static_cast<long>(CharCount(tail)) + v + 4) {
      path = head + "/..." + std::string(tail);
      return;
    }
    const std::size_t next = rest.find('/', drop + 1);
    if (next == std::string::npos) {
      path = name;
      return;
    }
    drop = next;
  }
}

bool ComparePath(std::string_view a, std::string_view b) {
  if (a == b) return true;
  std::string fa, fb;
  if (!FullPath(fa, a) || !FullPath(fb, b)) return false;
  if (fa == fb) return true;
  return SameFile(fa, fb);
}

bool IsPathSeparator(char c) { return c == '/'; }

bool IsPathSeparator(std::string_view ch) { return ch.size() == 1 && IsPathSeparator(ch[0]); }

std::string GetFileName(std::string_view path) {
  const auto p = path.rfind('/');
  return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string GetFolder(std::string_view path) {
  const auto p = path.rfind('/');
  return std::string(p == std::string_view::npos ? path : path.substr(0, p + 1));
}

std::string GetFileExt(std::string_view path) {
  const auto p = path.rfind('.');
  return std::string(p == std::string_view::npos ? path : path.substr(p));
}

std::string GetFileTitle(std::string_view path) {
  const std::string name = GetFileName(path);
  const auto p = name.rfind('.');
  return p == std::string::npos ? name : name.substr(0, p);
}

void SplitPath(std::string_view path, std::string& drive, std::string& folder, std::string& title,
               std::string& ext) {
  drive.clear();
  const auto slash = path.rfind('/');
  std::string_view name = path;
  if (slash != std::string_view::npos) {
    folder = std::string(path.substr(0, slash + 1));
    name = path.substr(slash + 1);
  } else {
    folder.clear();
  }
  const auto dot = name.find('.');
  if (dot != std::string_view::npos) {
    title = std::string(name.substr(0, dot));
    ext = std::string(name.substr(dot + 1));
  } else {
    title = std::string(name);
    ext.clear();
  }
}

void GetRoot(std::string_view path, std::string& root) {
  root = (!path.empty() && path[0] == '/') ? "/" : "";
}

bool FullPath(std::string& result, std::string_view path) {
  result = std::string(path);
  if (path.empty()) return false;
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(std::string(path)), ec);
  if (ec) return false;
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  result = s;
  return true;
}

void DeleteFolderTree(std::string_view folder, bool remove_self) {
  // Without trailing "/": "link/" would resolve the link itself.
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  if (folder.empty()) return;
  const std::string path(folder);
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;  // missing, or a link
  if (IsProtectedFolder(path)) return;
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  RemoveContents(fd, st.st_dev, 0);
  ::close(fd);
  if (remove_self) ::rmdir(path.c_str());
}

std::string GetSpecialFolder(int32_t csidl) {
  constexpr int32_t kAppData = 26;
  if (csidl != kAppData) return "???";
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') {
    std::string h = home;
    while (h.size() > 1 && h.back() == '/') h.pop_back();
    return (h == "/" ? std::string() : h) + "/.local/share";
  }
  return "???";
}

std::string TrimAtNull(std::string_view text) {
  const auto p = text.find('\0');
  return std::string(p == std::string_view::npos ? text : text.substr(0, p));
}

std::string TrimNulls(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  while (b < e && text[b] == '\0') ++b;
  while (e > b && text[e - 1] == '\0') --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace norva
