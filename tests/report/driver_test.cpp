// The report driver: chapter order and page breaks, the read-back handed to
// the renderer, failures that stop a report, and the shared helpers of the
// chapter writers.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/load_case.h"
#include "drawing/base/report_picture.h"
#include "report/driver/prn_file.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "report/water/water_writers.h"

namespace norva {
namespace {

using test::RecordingRenderer;
using test::RecordingSink;
using test::TempFolder;

// Every chapter slot, and the first section of the stability chapter, writes
// one line naming itself.
class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrnWriters() = ReportWriters{};
    RegisterWaterWriters();
    ReportWriters& w = PrnWriters();
    w.PrnJyouken = [](PrnFile& f, const CDocument&, const std::string& folder) {
      f.Line("J @", {folder});
    };
    w.PrnKutai = [](PrnFile& f, const CDocument&, const std::string&, int16_t part) {
      f.Line("A#", {part});
    };
    w.PrnWall = [](PrnFile& f, const CDocument&, const std::string&, int16_t part) {
      f.Line("W#", {part});
    };
    w.PrnFot = [](PrnFile& f, const CDocument&, const std::string&) { f.Line("F"); };
    w.PrnTokki = [](PrnFile& f, const CDocument&, const std::string&) { f.Line("T"); };
    PrnSel() = ReportSelection{};
  }
  void TearDown() override {
    PrnWriters() = ReportWriters{};
    PrnSel() = ReportSelection{};
  }
  ReportEnv Env(const std::string& work) {
    return ReportEnv{work, "/styles", test::ShippedFolder(), &renderer};
  }
  RecordingRenderer renderer;
};

// The markup lines joined by "|".
std::string Trace(const std::string& cp932) {
  std::string t;
  for (const std::string& l : test::Lines(cp932)) t += (t.empty() ? "" : "|") + l;
  return t;
}

TEST_F(DriverTest, ChaptersInOrderWithPageBreaksFromTheFlags) {
  struct Row {
    const char* name;
    int16_t j, a, w, fot, t;
    int32_t wallType;
    bool toeChecked;
    int32_t tokki;
    const char* trace;
  };
  const Row rows[] = {
      {"everything, gravity wall with toe and key", 1, 1, 1, 1, 1, 1, true, 1,
       "J /w|<RP>|A0|<RP>|W0|<RP>|F|<RP>|T"},
      {"mixed wall: two stability chapters, lower wall stresses without a break", 1, 1, 1, 0, 0, 3,
       false, 0, "J /w|<RP>|A0|<RP>|A1|<RP>|W0|W1"},
      {"design conditions and key only", 1, 0, 0, 0, 1, 1, false, 1, "J /w|<RP>|T"},
      {"toe flag without a toe: no chapter, the key still gets its break", 0, 0, 0, 1, 1, 1, false,
       1, "<RP>|T"},
      {"key flag without a key", 1, 1, 0, 0, 1, 1, false, 0, "J /w|<RP>|A0"},
      {"stability alone opens without a break", 0, 1, 0, 0, 0, 2, false, 0, "A0"},
      {"wall stresses after stability only", 0, 1, 1, 0, 0, 1, false, 0, "A0|<RP>|W0"},
      {"toe slab first", 0, 0, 0, 1, 0, 1, true, 0, "F"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.SetWallType(r.wallType);
    if (r.toeChecked) {
      doc.GrwB4 = 0.5;
      doc.GrwH1 = 0.4;
    }
    doc.Tokki = r.tokki;
    ASSERT_EQ(doc.bFotCalc() != 0, r.toeChecked);
    ReportSelection& s = PrnSel();
    s.PrnSelJyouken = r.j;
    s.PrnSelAntei = r.a;
    s.PrnSelWall = r.w;
    s.PrnSelFot = r.fot;
    s.PrnSelTokki = r.t;
    const std::string bytes = test::Markup([&](PrnFile& f) { PrnWriteChapters(f, doc, "/w"); });
    EXPECT_EQ(Trace(bytes), r.trace);
  }
}

TEST_F(DriverTest, RendererGetsModeTheFileBytesStyleSheetAndWorkFolder) {
  TempFolder work;
  CDocument doc;
  doc.SetWallType(1);
  PrnSel().PrnSelJyouken = 1;
  PrnWriters().PrnJyouken = [](PrnFile& f, const CDocument&, const std::string&) {
    f.Line("<H1>設計条件</H1>");
    f.Line("－ ･ 〇 ≧ Σ (@/m)", {PrnUnitWords[0]});
  };
  PrnUnitWords = {"x", "y"};  // every report sets its own
  for (int16_t mode : {0, 1, 2}) {
    ASSERT_TRUE(PrnOutExec(doc, mode, Env(work.path())));
  }
  ASSERT_EQ(renderer.calls.size(), 3u);
  // CP932 bytes: － 81 7C, ･ A5 (half-width), 〇 81 5A, ≧ 81 86, Σ 83 B0; CR LF.
  const std::string expected =
      "<H1>\x90\xdd\x8c\x76\x8f\xf0\x8c\x8f</H1>\r\n"
      "\x81\x7c \xa5 \x81\x5a \x81\x86 \x83\xb0 (kN/m)\r\n";
  for (int16_t mode : {0, 1, 2}) {
    const test::RenderCall& c = renderer.calls[static_cast<size_t>(mode)];
    EXPECT_EQ(c.mode, mode);
    EXPECT_EQ(c.markup, expected);
    EXPECT_EQ(c.stylePath, "/styles/style.dat");
    EXPECT_EQ(c.workDir, work.path());
  }
  EXPECT_EQ(test::ReadBytes(work.path() + "/norva.prn"), expected);
  EXPECT_EQ(PrnUnitWords[1], "N/m");
}

TEST_F(DriverTest, EmptySelectionStillCallsTheRendererWithAnEmptyText) {
  TempFolder work;
  CDocument doc;
  RecordingSink sink;
  EXPECT_TRUE(PrnOutExec(doc, 1, Env(work.path())));
  ASSERT_EQ(renderer.calls.size(), 1u);
  EXPECT_EQ(renderer.calls[0].mode, 1);
  EXPECT_EQ(renderer.calls[0].markup, "");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DriverTest, FailuresStopTheReportWithOneMessageNamingTheFile) {
  TempFolder work;
  CDocument doc;
  doc.SetWallType(1);
  doc.nWater = 1;
  doc.SetnCase(1);
  doc.pCase(0)->nWater = 1;
  PrnSel().PrnSelAntei = 1;

  {
    SCOPED_TRACE("work folder missing");
    RecordingSink sink;
    EXPECT_FALSE(PrnOutExec(doc, 1, Env(work.path() + "/gone")));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find(work.path() + "/gone/norva.prn"), std::string::npos);
  }
  {
    SCOPED_TRACE("work folder is a file");
    RecordingSink sink;
    { std::ofstream(work.path() + "/file") << "x"; }
    EXPECT_FALSE(PrnOutExec(doc, 1, Env(work.path() + "/file")));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find(work.path() + "/file/norva.prn"), std::string::npos);
  }
  {
    SCOPED_TRACE("shipped figure missing");
    RecordingSink sink;
    ReportEnv env = Env(work.path());
    env.programDir = work.path();  // no resource folder here
    EXPECT_FALSE(PrnOutExec(doc, 1, env));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find(work.path() + "/resource/JYU_PW.svg"), std::string::npos);
  }
  {
    SCOPED_TRACE("renderer not loadable");
    RecordingSink sink;
    renderer.failWith = "帳票出力ライブラリが見つかりません。\n/x/libRavtek2.so";
    EXPECT_FALSE(PrnOutExec(doc, 1, Env(work.path())));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0], renderer.failWith);
  }
  // Only the last run reached the renderer; the others showed nothing.
  EXPECT_EQ(renderer.calls.size(), 1u);
}

// ---- Helpers of the chapter writers -------------------------------------------

TEST(PrnHelpers, SignAndSlope) {
  EXPECT_STREQ(PrnSign(0, false), "+");
  EXPECT_STREQ(PrnSign(0, true), "-");
  EXPECT_STREQ(PrnSign(2.5, false), "+");
  EXPECT_STREQ(PrnSign(-2.5, false), "-");
  EXPECT_STREQ(PrnSign(2.5, true), "-");
  EXPECT_STREQ(PrnSign(-2.5, true), "+");
  EXPECT_EQ(PrnFmtSlope(0), "0.00");
  EXPECT_EQ(PrnFmtSlope(-0.5), "(-0.50)");
  EXPECT_EQ(PrnFmtSlope(-0.3), "(-0.30)");
  EXPECT_EQ(PrnFmtSlope(1.005), "1.01");  // decimal rounding, half away from zero
}

TEST(PrnHelpers, QuakeNoteByWaterAndEarthquake) {
  struct Row {
    const char* name;
    int16_t bQuake;
    int32_t docWater;
    int16_t caseWater, caseQuake;
    int32_t doat;
    const char* line;  // "" when nothing is written
  };
  const Row rows[] = {
      {"no earthquakes considered", 0, 1, 1, 1, 1, ""},
      {"water, normal case", -1, 1, 1, 0, 0, "(常時水位を考慮、地震の影響を考慮しない)"},
      {"water, seismic case", -1, 2, 1, 1, 1, "(地震時水位を考慮、地震の影響を考慮する)"},
      // Seismic but with the normal earth pressure (residential land): the
      // calculation took the normal levels.
      {"water, seismic case, normal state", -1, 1, 1, 1, 0,
       "(常時水位を考慮、地震の影響を考慮する)"},
      {"case without water", -1, 1, 0, 1, 1, "(水の影響を考慮しない、地震の影響を考慮する)"},
      {"document without water", -1, 0, 1, 0, 0, "(地震の影響を考慮しない)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.bQuake = r.bQuake;
    doc.nWater = r.docWater;
    doc.SetnCase(1);
    doc.pCase(0)->nWater = r.caseWater;
    doc.pCase(0)->nQuake = r.caseQuake;
    doc.pCase(0)->Doat = r.doat;
    const std::string bytes = test::Markup([&](PrnFile& f) { PrnQuakeNote(f, doc, 0); });
    EXPECT_EQ(bytes, *r.line ? Utf8ToCp932(r.line) + "\r\n" : "");
  }
}

TEST(PrnHelpers, HeadingsOneLevelDeeperForTheMixedWall) {
  for (int32_t wallType : {1, 3}) {
    SCOPED_TRACE(wallType);
    CDocument doc;
    doc.SetWallType(wallType);
    doc.SetnCase(2);
    doc.pCase(1)->CaseName = "自重+載荷重(雪)";
    const std::string bytes = test::Markup([&](PrnFile& f) {
      PrnHeading(f, doc, 2, "水　圧");
      PrnCaseHeading(f, doc, 1, 3);
      PrnCaseHeadingFixed(f, doc, 1);
      PrnBlockOpen(f);
      PrnBlockClose(f);
      PrnPageBreak(f);
      PrnFigure(f, "/w/PW.svg", 50);
    });
    const bool mixed = wallType == 3;
    const std::string expected = std::string(mixed ? "<H3>水　圧</H3>" : "<H2>水　圧</H2>") +
                                 "\r\n" +
                                 (mixed ? "<H4>荷重ケース.2 － 自重+載荷重(雪)時</H4>"
                                        : "<H3>荷重ケース.2 － 自重+載荷重(雪)時</H3>") +
                                 "\r\n" +
                                 (mixed ? "<H4>荷重ケース.2 － 自重+載荷重(雪)時</H4>"
                                        : "<H3>荷重ケース.2 － 自重+載荷重(雪)時</H3>") +
                                 "\r\n<PROTECT><PRE>\r\n</PRE></PROTECT>\r\n<RP>\r\n"
                                 "<IMG SRC=\"/w/PW.svg\", WIDTH=50% HEIGHT=50%>\r\n";
    EXPECT_EQ(bytes, Utf8ToCp932(expected));
  }
}

TEST(PrnHelpers, DrawnFigureSavedInTheWorkFolderOrTheReportStops) {
  auto saver = std::make_shared<RecordingPictureSaver>();
  SetPictureSaver(saver);
  ReportPicture picture(kAnteiFigureWidth, kAnteiFigureHeight);
  picture.Draw().DrawLine(0, 0, 100, 100, false);
  EXPECT_EQ(PrnSaveFigure(picture, "/w", "示力線0000"), "/w/示力線0000.svg");
  ASSERT_EQ(saver->saved.size(), 1u);
  EXPECT_EQ(saver->saved[0].path, "/w/示力線0000.svg");
  EXPECT_DOUBLE_EQ(saver->saved[0].widthTwips, 4252.5);
  EXPECT_NEAR(saver->saved[0].heightTwips, 4677.75, 0.001);  // 4252.5 × 1.1 in single precision

  saver->failWith = "disk full";
  try {
    PrnSaveFigure(picture, "/w", "WlvlAuto000");
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find("/w/WlvlAuto000.svg"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("disk full"), std::string::npos);
  }
  SetPictureSaver(nullptr);
}

TEST(PrnHelpers, ReportedCasesInOrderWithinTheDocument) {
  CDocument doc;
  doc.SetnCase(3);
  CaseFlags flags;
  flags.Reset(5);  // left from a document with more cases
  flags.Set(0, 1);
  flags.Set(2, 1);
  flags.Set(4, 1);
  EXPECT_EQ(PrnReportedCases(doc, flags), (std::vector<int32_t>{0, 2}));
}

TEST(ReportSelectionState, CasesOutsideTheArrayReadZero) {
  ReportSelection s;
  s.PrnAnteiCases.Reset(2);
  s.PrnAnteiCases.Set(1, 1);
  s.PrnAnteiCases.Set(2, 1);   // ignored
  s.PrnAnteiCases.Set(-1, 1);  // ignored
  EXPECT_EQ(s.PrnAnteiCases(1), 1);
  EXPECT_EQ(s.PrnAnteiCases(2), 0);
  EXPECT_EQ(s.PrnAnteiCases(-1), 0);
  EXPECT_EQ(s.PrnWallCases(0), 0);  // never created

  s.PrnSelAntei = s.PrnSelTokki = 1;
  s.NewDocument(0);  // no cases: flags cleared, case arrays kept
  EXPECT_FALSE(s.AnyChapter());
  EXPECT_EQ(s.PrnAnteiCases(1), 1);
  s.NewDocument(3);
  EXPECT_EQ(s.PrnAnteiCases.Count(), 3);
  EXPECT_EQ(s.PrnAnteiCases(1), 0);
  EXPECT_EQ(s.PrnTokkiCases.Count(), 3);
}

}  // namespace
}  // namespace norva
