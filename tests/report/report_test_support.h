#pragma once
// Shared pieces of the report tests: a private folder per test, a renderer
// and a message sink that record what they get, the shipped resources, hand
// goldens, and markup written into memory.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "document/services.h"
#include "file_bytes.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_renderer.h"
#include "temp_folder.h"
#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva::test {

struct RenderCall {
  int16_t mode = -1;
  std::string markup;
  std::string stylePath;
  std::string workDir;
};

class RecordingRenderer final : public IReportRenderer {
 public:
  bool Render(int16_t mode, const std::string& markup, const std::string& stylePath,
              const std::string& workDir, std::string& error) override {
    calls.push_back({mode, markup, stylePath, workDir});
    if (!failWith.empty()) error = failWith;
    return failWith.empty();
  }
  std::vector<RenderCall> calls;
  std::string failWith;  // non-empty: the renderer "cannot be loaded"
};

class RecordingSink final : public IMessageSink {
 public:
  RecordingSink() { SetMessageSink(this); }
  ~RecordingSink() override { SetMessageSink(nullptr); }
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> shown;
};

// The shipped data as the program folder holds them (resource/ inside).
inline std::string ShippedFolder() { return std::string(NORVA_SOURCE_DIR) + "/resources"; }

// A hand-written golden of tests/report/golden (CP932, CR LF), with the
// placeholder "%WORK%" replaced by the work folder of the run.
inline std::string Golden(const std::string& name, const std::string& work) {
  std::string g = ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/golden/" + name);
  const std::string w = Utf8ToCp932(work);
  for (size_t p = g.find("%WORK%"); p != std::string::npos; p = g.find("%WORK%", p + w.size())) {
    g.replace(p, 6, w);
  }
  return g;
}

// What writers put into a report file, as CP932 bytes.
inline std::string Markup(const std::function<void(PrnFile&)>& write,
                          const std::string& programDir = ShippedFolder()) {
  VbTextWriter out;
  PrnFile f(out, programDir);
  write(f);
  return out.bytes();
}

// Lines of CP932 markup as UTF-8, for readable failure output.
inline std::vector<std::string> Lines(const std::string& cp932) {
  std::vector<std::string> lines;
  const std::string text = Cp932ToUtf8(cp932);
  size_t start = 0;
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, p - start));
    start = p + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// Compares two markups line by line first (to name the first differing
// line), then byte for byte.
inline void ExpectSameMarkup(const std::string& actual, const std::string& expected) {
  const std::vector<std::string> a = Lines(actual), e = Lines(expected);
  for (size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
    if (a[i] != e[i]) {
      ADD_FAILURE() << "line " << i + 1 << "\n  actual:   " << a[i] << "\n  expected: " << e[i];
      return;
    }
  }
  EXPECT_EQ(a.size(), e.size());
  EXPECT_EQ(actual, expected);
}

}  // namespace norva::test
