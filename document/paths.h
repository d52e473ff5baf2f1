#pragma once
// Path texts and file-system helpers, with POSIX meaning:
// - "/" is the only separator; "\" and ":" are ordinary file-name characters
//   and there are no drive letters (the drive part of SplitPath is always "").
// - Names are case-sensitive, as the file system treats them.
// - Lengths for display (AbbreviatePath) count characters, not bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace norva {

// True when both files can be read and their contents differ, and also when
// one of the two paths names an existing file and the other names none (a
// saved file that vanished must not look unchanged). False when either path is
// empty, when neither file exists, or when the contents are identical byte for
// byte (letter case counts).
bool FilesDiffer(std::string_view path1, std::string_view path2);

// Shortens the path in place for a menu entry of at most n characters:
// "/data/.../walls/sample.nrv" keeps the first folder, "/..." and as many of
// the last folders as fit; when not even "/data/.../sample.nrv" fits, or the
// path has no folder to drop, it becomes the file name alone (which may be
// longer than n). Always ends.
void AbbreviatePath(std::string& path, int16_t n);

// True when both texts name the same file: equal after making them absolute
// and removing "." and ".." steps and repeated or trailing "/", or both exist
// and are the same file (a link to it counts). Case-sensitive.
bool ComparePath(std::string_view a, std::string_view b);

bool IsPathSeparator(char c);
bool IsPathSeparator(std::string_view ch);  // a one-character text

// The part after the last "/" ("" when the path ends with "/"); the whole path
// without any "/".
std::string GetFileName(std::string_view path);
// The part up to and including the last "/"; the whole path without any "/".
std::string GetFolder(std::string_view path);
// The part from the last "." on, the "." included; the whole path without ".".
std::string GetFileExt(std::string_view path);
// The file name without its last "." and what follows; the whole name without ".".
std::string GetFileTitle(std::string_view path);
// drive: always ""; folder: up to and including the last "/"; title: the name
// before its first "."; ext: after that first "." (no dot), "" without one.
void SplitPath(std::string_view path, std::string& drive, std::string& folder, std::string& title,
               std::string& ext);
// "/" for an absolute path, "" for a relative one.
void GetRoot(std::string_view path, std::string& root);
// The absolute path with "." and ".." steps and repeated "/" removed (links are
// not resolved). False, with result = path, when that cannot be done.
bool FullPath(std::string& result, std::string_view path);

// Deletes everything inside the folder and, when remove_self is set, the
// folder itself. Errors are skipped. Never follows a symbolic link: links
// inside are removed as links, and a folder that is itself a link is left
// alone; never descends into another mounted file system. Refuses outright an
// empty path, "/" and the system temporary folder.
void DeleteFolderTree(std::string_view folder, bool remove_self);

// Per-user folders by their Windows numbers: 26 (application data) is
// $XDG_DATA_HOME, or ~/.local/share. Any other number, or no home, gives "???".
std::string GetSpecialFolder(int32_t csidl);

// The text up to (not including) its first NUL.
std::string TrimAtNull(std::string_view text);
// Blanks removed at both ends, then NULs at both ends.
std::string TrimNulls(std::string_view text);

}  // namespace norva
