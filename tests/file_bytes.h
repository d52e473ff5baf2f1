#pragma once
// A file's whole content as bytes, for tests that compare files.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace norva::test {

// "" when the file cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace norva::test
