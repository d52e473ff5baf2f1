// The drawing sheet written as SXF files through the library's entries: the
// placements of its figures, each sample in both forms read back by the test
// reader, the sheet's line work at the printed sheet's coordinates, and what
// the user sees when the file cannot be written.
#include "drawing/sheet/sxf_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "document/services.h"
#include "drawing/base/canvas.h"
#include "drawing/base/sxf_library.h"
#include "drawing/sheet/printed_sheet.h"
#include "drawing/sheet/sheet_run.h"
#include "file_bytes.h"
#include "platform/sxf_common/sxf_common.h"
#include "sxf_writer/sxf_checker.h"
#include "temp_folder.h"
#include "tests/drawing/sheet/sheet_test_support.h"

extern "C" {
int32_t SxfOpenWrite(int32_t, const char*, double, double, double, int32_t, int32_t, const char*,
                     const char*, const char*);
int32_t SxfClose(int32_t);
int32_t SxfGetPopMsg(int32_t, int32_t*, char*);
int32_t SxfSetLayear(int32_t, const char*, int32_t);
int32_t SxfSetColor(int32_t, const char*);
int32_t SxfSetLineType(int32_t, const char*);
int32_t SxfSetLineWidth(int32_t, double);
int32_t SxfSetFont(int32_t, const char*);
int32_t SxfSetSheet(int32_t, const char*, int32_t, int32_t, int32_t, int32_t);
int32_t SxfSetFukugo(int32_t, const char*, int32_t);
int32_t SxfSfigLoc(int32_t, int32_t, const char*, double, double, double, double, double);
int32_t SxfLine(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double);
int32_t SxfPolyLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                    const double*);
int32_t SxfText(int32_t, int32_t, int32_t, int32_t, const char*, double, double, double, double,
                double, double, double, int32_t, int32_t);
int32_t SxfLinearDim(int32_t, int32_t, int32_t, int32_t, int32_t,
                     const norva::sxf::SxfLinearDimRec*);
}

namespace norva {
namespace {

namespace fs = std::filesystem;

// The library's entries called in this program, as the program calls them.
class DirectSorvel : public ISxfLibrary {
 public:
  int32_t SxfOpenWrite(int32_t f, const char* n, double a, double b, double c, int32_t i, int32_t j,
                       const char* t1, const char* t2, const char* t3) override {
    return ::SxfOpenWrite(f, n, a, b, c, i, j, t1, t2, t3);
  }
  int32_t SxfClose(int32_t f) override { return ::SxfClose(f); }
  int32_t SxfGetPopMsg(int32_t f, int32_t* n, char* b) override { return ::SxfGetPopMsg(f, n, b); }
  int32_t SxfSetLayear(int32_t f, const char* n, int32_t v) override {
    return ::SxfSetLayear(f, n, v);
  }
  int32_t SxfSetColor(int32_t f, const char* n) override { return ::SxfSetColor(f, n); }
  int32_t SxfSetLineType(int32_t f, const char* n) override { return ::SxfSetLineType(f, n); }
  int32_t SxfSetLineWidth(int32_t f, double w) override { return ::SxfSetLineWidth(f, w); }
  int32_t SxfSetFont(int32_t f, const char* n) override { return ::SxfSetFont(f, n); }
  int32_t SxfSetSheet(int32_t f, const char* n, int32_t t, int32_t o, int32_t x,
                      int32_t y) override {
    return ::SxfSetSheet(f, n, t, o, x, y);
  }
  int32_t SxfSetFukugo(int32_t f, const char* n, int32_t k) override {
    return ::SxfSetFukugo(f, n, k);
  }
  int32_t SxfSfigLoc(int32_t f, int32_t l, const char* n, double x, double y, double a, double rx,
                     double ry) override {
    return ::SxfSfigLoc(f, l, n, x, y, a, rx, ry);
  }
  int32_t SxfLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, double a, double b,
                  double d, double e) override {
    return ::SxfLine(f, l, c, t, w, a, b, d, e);
  }
  int32_t SxfPolyLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, int32_t n,
                      const double* x, const double* y) override {
    return ::SxfPolyLine(f, l, c, t, w, n, x, y);
  }
  int32_t SxfText(int32_t f, int32_t l, int32_t c, int32_t font, const char* s, double x, double y,
                  double h, double w, double sp, double a, double sl, int32_t b,
                  int32_t d) override {
    return ::SxfText(f, l, c, font, s, x, y, h, w, sp, a, sl, b, d);
  }
  int32_t SxfLinearDim(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w,
                       const sxf::SxfLinearDimRec* r) override {
    return ::SxfLinearDim(f, l, c, t, w, r);
  }
};

class Sink : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    return answer;
  }
  std::vector<std::string> shown;
  MsgAnswer answer = MsgAnswer::Yes;
};

class SxfSheetFiles : public ::testing::Test {
 protected:
  void SetUp() override { SetMessageSink(&sink_); }
  void TearDown() override { SetMessageSink(nullptr); }

  // Writes the document's sheet as the dialog would choose it; the file's path.
  std::string Write(const CDocument& doc, int16_t type, const std::string& name) {
    SxfSheet target(
        [&](SxfFileChoice& c) {
          c.folder = dir_.path();
          c.fileName = name;
          c.fileType = type;
          return true;
        },
        lib_);
    SkzOutput(1, doc, target);
    EXPECT_TRUE(target.Written()) << (sink_.shown.empty() ? "" : sink_.shown.back());
    return target.Path();
  }

  Sink sink_;
  DirectSorvel lib_;
  test::TempFolder dir_{"norva_sxf_sheet"};
};

std::unique_ptr<CDocument> Sample(const std::string& name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(*doc, std::string(NORVA_SOURCE_DIR) + "/examples/" + name + ".nrv"));
  return doc;
}

TEST(SxfSheetPlacement, FiguresGoWhereTheSheetPutsThem) {
  // A3 (420 x 297), margins 20, 10, 10, 10, a figure 200 x 150.
  CDocument doc;
  doc.Sheet = 3;
  const int16_t margins[4] = {20, 10, 10, 10};
  for (int i = 0; i < 4; ++i) doc.SetMargin(i, margins[i]);
  sheet_test::RecordingTarget t(true);
  SheetRun run(t);
  run.SkzPaperW = 420;
  run.SkzPaperH = 297;
  run.SkzFigW = 200;
  run.SkzFigH = 150;
  struct Case {
    const char* name;
    double matW, matH;
    double mx, my, sx, sy;
  };
  const Case cases[] = {
      // Table 80 x 40: its corner 5 inside the frame's (420 - 10 - 5 - 80, 297 - 10 - 5 - 40);
      // half the free width (95) is not below 80: the figure is centred.
      {"table 80", 80, 40, 325, 242, 20 + 95, 10 + 63.5},
      // Table 120: 95 < 120, so the figure ends at the right margin less 120.
      {"table 120", 120, 40, 285, 242, 20 + 70, 10 + 63.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    run.SkzMatW = c.matW;
    run.SkzMatH = c.matH;
    const SxfPlacements p = SxfFigurePlacements(run, doc);
    EXPECT_DOUBLE_EQ(p.materialX, c.mx);
    EXPECT_DOUBLE_EQ(p.materialY, c.my);
    EXPECT_DOUBLE_EQ(p.sectionX, c.sx);
    EXPECT_DOUBLE_EQ(p.sectionY, c.sy);
  }
  EXPECT_EQ(SxfFilePath("/home/u/壁", "D0SS0010.p21"), "/home/u/壁/D0SS0010.p21");
  EXPECT_EQ(SxfFilePath("/home/u/壁/", "D0SS0010.p21"), "/home/u/壁/D0SS0010.p21");
}

TEST_F(SxfSheetFiles, EverySampleReadsBackTheSameInBothForms) {
  int samples = 0;
  for (const auto& f : fs::directory_iterator(std::string(NORVA_SOURCE_DIR) + "/examples")) {
    if (f.path().extension() != ".nrv") continue;
    ++samples;
    const std::string name = f.path().stem().string();
    SCOPED_TRACE(name);
    auto doc = Sample(name);
    const std::string sfc = Write(*doc, 0, name + ".sfc");
    const sxfcheck::Drawing a = sxfcheck::ReadSfc(test::ReadBytes(sfc));
    for (const std::string& e : a.errors) ADD_FAILURE() << e;
    EXPECT_GT(a.elements.size(), 30u);
    EXPECT_EQ(a.sheetName, std::string("A") + std::to_string(doc->Sheet) + " 横");
    int dims = 0, texts = 0;
    for (const sxfcheck::Element& e : a.elements) {
      dims += e.kind == "dim";
      texts += e.kind == "text";
    }
    EXPECT_GT(dims, 5);
    EXPECT_GT(texts, 10);

    const std::string p21 = Write(*doc, 1, name + ".p21");
    const sxfcheck::Drawing b = sxfcheck::ReadP21(test::ReadBytes(p21));
    for (const std::string& e : b.errors) ADD_FAILURE() << e;
    EXPECT_EQ(sxfcheck::Compare(a, b), "");
  }
  EXPECT_GE(samples, 8);
}

TEST_F(SxfSheetFiles, LineWorkLiesWhereThePrintedSheetHasIt) {
  // The title block and the section of a gravity wall on A3 at 1:50: every
  // line of the printed page (twips, y down) is a line of the file (mm, y up).
  CDocument doc;
  sheet_test::GravityWall(doc);
  sheet_test::RecordingTarget page(false);
  const SheetState printed = SkzOutput(0, doc, page);
  const std::string path = Write(doc, 0, "gravity.sfc");
  const sxfcheck::Drawing file = sxfcheck::ReadSfc(test::ReadBytes(path));
  ASSERT_TRUE(file.errors.empty()) << file.errors.front();

  const double k = 56.7, H = printed.SkzPaperH;
  std::vector<std::vector<double>> want;
  for (const auto& l : page.lines) want.push_back({l.x1 / k, H - l.y1 / k, l.x2 / k, H - l.y2 / k});
  for (size_t i = 0; i < page.polyXs.size(); ++i)
    for (size_t j = 1; j < page.polyXs[i].size(); ++j)
      want.push_back({page.polyXs[i][j - 1] / k, H - page.polyYs[i][j - 1] / k,
                      page.polyXs[i][j] / k, H - page.polyYs[i][j] / k});
  std::vector<std::vector<double>> got;
  for (const sxfcheck::Element& e : file.elements) {
    if (e.kind != "line" && e.kind != "polyline") continue;
    for (size_t j = 1; j < e.xs.size(); ++j)
      got.push_back({e.xs[j - 1], e.ys[j - 1], e.xs[j], e.ys[j]});
  }
  ASSERT_FALSE(want.empty());
  EXPECT_EQ(got.size(), want.size());
  for (const auto& w : want) {
    bool found = false;
    for (const auto& g : got)
      found |= std::fabs(g[0] - w[0]) < 1e-6 && std::fabs(g[1] - w[1]) < 1e-6 &&
               std::fabs(g[2] - w[2]) < 1e-6 && std::fabs(g[3] - w[3]) < 1e-6;
    EXPECT_TRUE(found) << w[0] << "," << w[1] << " - " << w[2] << "," << w[3];
  }
}

// The chain across a block crest runs square to the leaning face. On paper
// (y down) and in the file (y up) it must lie in the same place: the file's
// dimension line on the printed feet of the chain's points, its text on the
// printed text's side of the line and at the printed text's angle.
TEST_F(SxfSheetFiles, CrestChainLiesWhereThePrintedSheetHasIt) {
  struct Wall {
    const char* name;
    void (*make)(CDocument&);
  };
  const Wall walls[] = {{"block wall", sheet_test::BlockWallNoFooting},
                        {"mixed wall", sheet_test::MixedWall}};
  for (const Wall& w : walls) {
    SCOPED_TRACE(w.name);
    CDocument doc;
    w.make(doc);
    // The crest chain as the printed sheet hands it over (twips, y down) ...
    sheet_test::RecordingTarget recorder(false);
    const SheetState state = SkzOutput(0, doc, recorder);
    const SheetChain* crest = nullptr;
    for (const SheetChain& c : recorder.chains) {
      if (c.kind == SheetChain::Kind::kRotated) crest = &c;
    }
    ASSERT_NE(crest, nullptr);
    ASSERT_EQ(crest->Last(), 2);  // blocks, then back concrete
    // ... and what the page's dimension lines draw of it.
    Canvas canvas;
    PrintedSheet page(canvas);
    page.BeginDimensions();
    page.DrawChain(*crest);
    page.EndDimensions();
    const double k = 56.7, H = state.SkzPaperH;
    std::vector<DPoint> ends;  // printed line ends, mm y up
    std::vector<DPoint> textAt;
    std::vector<int> textAngle;
    for (const CanvasOp& op : canvas.Ops()) {
      if (op.kind == CanvasOpKind::Line) {
        for (const CanvasPoint& p : op.points) ends.push_back({p.x / k, H - p.y / k});
      } else if (op.kind == CanvasOpKind::Text) {
        textAt.push_back({op.points[0].x / k, H - op.points[0].y / k});
        textAngle.push_back(op.style.textAngle);
      }
    }
    ASSERT_EQ(textAt.size(), 2u);

    const std::string path = Write(doc, 0, "crest.sfc");
    const sxfcheck::Drawing file = sxfcheck::ReadSfc(test::ReadBytes(path));
    ASSERT_TRUE(file.errors.empty()) << file.errors.front();
    std::vector<const sxfcheck::Element*> dims;
    for (const sxfcheck::Element& e : file.elements) {
      if (e.kind == "dim" && std::fabs(e.xs[0] - e.xs[1]) > 1e-6 &&
          std::fabs(e.ys[0] - e.ys[1]) > 1e-6)
        dims.push_back(&e);
    }
    ASSERT_EQ(dims.size(), 2u);

    // Page line ends are whole twips (0.018 mm).
    auto printedEnd = [&](double x, double y) {
      for (const DPoint& p : ends) {
        if (std::hypot(p.X - x, p.Y - y) < 0.03) return true;
      }
      return false;
    };
    // Which side of the line s-e a point lies on.
    auto side = [](double sx, double sy, double ex, double ey, const DPoint& t) {
      return (ex - sx) * (t.Y - sy) - (ey - sy) * (t.X - sx) > 0;
    };
    // The blocks (350: 7 mm at 1:50) span their whole interval: both ends of
    // the line are printed feet. The back concrete (100: 2 mm) is too narrow
    // for its texts and arrows: its line starts on the printed foot and runs
    // on along the same line past the crest's back.
    const sxfcheck::Element& blocks = *dims[0];
    ASSERT_EQ(blocks.text, "350");
    ASSERT_EQ(dims[1]->text, "100");
    const double bx = blocks.xs[0], by = blocks.ys[0];
    const double ux = blocks.xs[1] - bx, uy = blocks.ys[1] - by;
    EXPECT_TRUE(printedEnd(blocks.xs[1], blocks.ys[1])) << blocks.xs[1] << "," << blocks.ys[1];
    // Square to the face 1:0.3: the line falls 0.3 to the right per unit.
    EXPECT_NEAR(uy / ux, -0.3, 1e-6);
    for (size_t i = 0; i < dims.size(); ++i) {
      const sxfcheck::Element& d = *dims[i];
      SCOPED_TRACE(d.text);
      const double sx = d.xs[0], sy = d.ys[0], ex = d.xs[1], ey = d.ys[1];
      EXPECT_TRUE(printedEnd(sx, sy)) << sx << "," << sy;
      const double off = (ux * (ey - by) - uy * (ex - bx)) / std::hypot(ux, uy);
      EXPECT_NEAR(off, 0.0, 1e-4);  // the file keeps 1e-6 mm
      const DPoint text{d.xs.back(), d.ys.back()};
      EXPECT_EQ(side(sx, sy, ex, ey, text), side(sx, sy, ex, ey, textAt[i]));
      // The page turns its texts in whole degrees: -17 for -16.70.
      const double printedDeg = textAngle[i] / 10.0;
      EXPECT_NEAR(std::remainder(d.angle - printedDeg, 360.0), 0.0, 0.5)
          << d.angle << " against " << printedDeg;
    }
  }
}

TEST_F(SxfSheetFiles, CancelWritesNothingAndAnUnwritableFolderSaysSo) {
  CDocument doc;
  sheet_test::GravityWall(doc);
  SxfSheet cancelled([](SxfFileChoice&) { return false; }, lib_);
  SkzOutput(1, doc, cancelled);
  EXPECT_FALSE(cancelled.Written());
  EXPECT_TRUE(fs::is_empty(dir_.path()));
  EXPECT_TRUE(sink_.shown.empty());

  SxfSheet unwritable(
      [&](SxfFileChoice& c) {
        c.folder = dir_ / "no such folder";
        c.fileName = "D0SS0010.p21";
        c.fileType = 1;
        return true;
      },
      lib_);
  SkzOutput(1, doc, unwritable);
  EXPECT_FALSE(unwritable.Written());
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0].rfind("ｴﾗｰが発生しました。\n", 0), 0u);
  EXPECT_NE(sink_.shown[0].find("作成できません"), std::string::npos);

  // An existing file is kept when the user does not agree to replace it.
  const std::string path = dir_ / "D0SS0010.sfc";
  { std::ofstream(path) << "older"; }
  sink_.answer = MsgAnswer::No;
  SxfSheet keep(
      [&](SxfFileChoice& c) {
        c.folder = dir_.path();
        c.fileName = "D0SS0010.sfc";
        c.fileType = 0;
        return true;
      },
      lib_);
  SkzOutput(1, doc, keep);
  EXPECT_FALSE(keep.Written());
  EXPECT_EQ(test::ReadBytes(path), "older");
  sink_.answer = MsgAnswer::Yes;
  SkzOutput(1, doc, keep);
  EXPECT_TRUE(keep.Written());
  EXPECT_EQ(test::ReadBytes(path).rfind("ISO-10303-21;", 0), 0u);
}

}  // namespace
}  // namespace norva
