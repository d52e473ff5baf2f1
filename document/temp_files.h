#pragma once
// Temporary files of the program. They live only in the per-user work folder,
// which is private to its owner (mode 0700), so no other user can predict,
// pre-create or redirect them.
#include <stdexcept>
#include <string>

namespace norva {

// Raised when the work folder or a temporary file cannot be made safely.
class TempFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The per-user work folder "<temp>/NorvaV4-<uid>", where <temp> is $TMPDIR or
// /tmp. Created with mode 0700 when missing; an existing one must be a real
// folder (not a symlink) owned by this user, and is narrowed to 0700.
// Throws TempFileError otherwise. No trailing slash.
std::string PrivateWorkFolder();

// Creates a new empty file "<work folder>/<prefix>XXXXXX.tmp" atomically
// (the name is chosen so that no file of that name existed) and returns its
// full path. Throws TempFileError on failure; never returns "".
std::string CreateTempFile(const std::string& prefix);

// Checks the work folder once for a run that makes many temporary files:
// while a scope lives on this thread, the first CreateTempFile checks the
// folder as always (refusing a symlink, a file or another user's folder) and
// the later ones use it without checking again, as long as $TMPDIR still
// leads to it. A check that fails is not remembered. Scopes nest; a scope
// costs nothing until a file is made.
class WorkFolderScope {
 public:
  WorkFolderScope();
  ~WorkFolderScope();
  WorkFolderScope(const WorkFolderScope&) = delete;
  WorkFolderScope& operator=(const WorkFolderScope&) = delete;

 private:
  friend std::string CreateTempFile(const std::string& prefix);
  std::string folder_;  // checked already; "" until then
  WorkFolderScope* outer_;
};

// True when something (a file, folder or dangling symlink) is at path.
// Symlinks are not followed.
bool PathExistsNoFollow(const std::string& path);

// Deletes the file at path; a symlink is removed itself, its target is left
// alone. Folders are not deleted. Errors are swallowed: returns true when
// the path is gone afterwards.
bool DeleteFileQuietly(const std::string& path);

}  // namespace norva
