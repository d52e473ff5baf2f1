#pragma once
// Pieces shared by the stability chapter's tests: hand goldens with included
// tables, small polygons, the sample designs and a picture saver that leaves
// a file behind for every figure it is given.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "document/weight.h"
#include "drawing/base/report_picture.h"
#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva::test {

// A golden of tests/report/stability/golden (CP932, CR LF, written by hand).
// A line "%TABLE:<file>%" stands for the whole of that golden (a table
// written once and used by several sections); "%WORK%" is the work folder.
inline std::string StabilityGolden(const std::string& name, const std::string& work) {
  const std::string dir = std::string(NORVA_SOURCE_DIR) + "/tests/report/stability/golden/";
  std::string g = ReadBytes(dir + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  const std::string open = "%TABLE:";
  for (size_t p = g.find(open); p != std::string::npos; p = g.find(open, p)) {
    const size_t end = g.find("%\r\n", p + open.size());
    if (end == std::string::npos) break;
    const std::string file = g.substr(p + open.size(), end - p - open.size());
    const std::string table = ReadBytes(dir + file);
    EXPECT_FALSE(table.empty()) << "no golden " << file;
    g.replace(p, end + 3 - p, table);
    p += table.size();
  }
  const std::string w = Utf8ToCp932(work);
  for (size_t p = g.find("%WORK%"); p != std::string::npos; p = g.find("%WORK%", p + w.size())) {
    g.replace(p, 6, w);
  }
  return g;
}

// The triangle (0,0) (0,2) (3,0) moved by (dx, dy), clockwise with y up:
// area 3, centroid (1 + dx, 2/3 + dy). Closed repeats the first point.
inline std::shared_ptr<CWeight> Triangle(double gam, double kh, bool closed = true, double dx = 0,
                                         double dy = 0) {
  auto w = std::make_shared<CWeight>();
  const double x[] = {0, 0, 3, 0}, y[] = {0, 2, 0, 0};
  const int n = closed ? 4 : 3;
  w->SetnPoint(n);
  for (int i = 0; i < n; ++i) {
    w->SetX(i, x[i] + dx);
    w->SetY(i, y[i] + dy);
  }
  w->SetGam(gam);
  w->SetKh(kh);
  return w;
}

inline std::unique_ptr<CDocument> Sample(const char* name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(
      *doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv"))
      << name;
  return doc;
}

// Writes a small file at every path it is given, so a test can hold each
// "<IMG …>" line against the folder; also keeps the sizes it was asked for.
class FilePictureSaver final : public IPictureSaver {
 public:
  std::shared_ptr<const ITextMetrics> Metrics() const override { return metrics; }
  bool SaveSvg(const Canvas&, double widthTwips, double heightTwips, const std::string& path,
               std::string&) override {
    std::ofstream(path) << "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";
    saved.push_back({path, widthTwips, heightTwips});
    return true;
  }
  struct Saved {
    std::string path;
    double widthTwips, heightTwips;
  };
  std::vector<Saved> saved;
  std::shared_ptr<const ITextMetrics> metrics = std::make_shared<FixedTextMetrics>();
};

// Registers a FilePictureSaver for the life of the object.
class SaverScope {
 public:
  SaverScope() : saver(std::make_shared<FilePictureSaver>()) { SetPictureSaver(saver); }
  ~SaverScope() { SetPictureSaver(nullptr); }
  std::shared_ptr<FilePictureSaver> saver;
};

// The full paths of the "<IMG SRC=…>" lines of a markup (CP932).
inline std::vector<std::string> ImagePaths(const std::string& cp932) {
  std::vector<std::string> paths;
  for (const std::string& line : Lines(cp932)) {
    const size_t p = line.find("<IMG SRC=\"");
    if (p == std::string::npos) continue;
    const size_t q = line.find('"', p + 10);
    paths.push_back(line.substr(p + 10, q - p - 10));
  }
  return paths;
}

}  // namespace norva::test
