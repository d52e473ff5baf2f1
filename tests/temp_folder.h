#pragma once
// A new folder of one test's own under the system temporary folder, removed
// with its content at the end.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace norva::test {

class TempFolder {
 public:
  explicit TempFolder(const char* tag = "norva_test") {
    std::string tmpl =
        (std::filesystem::temp_directory_path() / (std::string(tag) + "_XXXXXX")).string();
    path_ = ::mkdtemp(tmpl.data()) ? tmpl : "";
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  // A file in the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace norva::test
