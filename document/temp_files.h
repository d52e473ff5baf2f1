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

// True when something (a file, folder or dangling symlink) is at path.
// Symlinks are not followed.
bool PathExistsNoFollow(const std::string& path);

// Deletes the file at path; a symlink is removed itself, its target is left
// alone. Folders are not deleted. Errors are swallowed: returns true when
// the path is gone afterwards.
bool DeleteFileQuietly(const std::string& path);

}  // namespace norva
