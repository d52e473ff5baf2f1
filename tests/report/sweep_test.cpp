// Random walls of every type (fixed seed) and documents at the edges of what
// a file can hold, each taken through the calculation, every report chapter
// and the drawing sheet with the checks of fuzz/document_pipeline.h: nothing
// that is not finite in the document, no sentinel or absurd number in the
// markup, a sheet that refuses before drawing or stays finite and on its
// paper.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "drawing/base/canvas.h"
#include "drawing/sheet/printed_sheet.h"
#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_sections.h"
#include "fuzz/document_pipeline.h"
#include "report/report_test_support.h"

namespace norva {
namespace {

const char* const kSamples[] = {"block_masonry", "gravity", "leaning", "mixed"};

void ReadSample(CDocument& doc, const std::string& name) {
  doc.FileName = std::string(NORVA_SOURCE_DIR) + "/examples/" + name + ".nrv";
  ASSERT_TRUE(DataFileRead(doc)) << name;
}

void ExpectClean(const pipeline::Findings& f) {
  for (const std::string& p : f.problems) ADD_FAILURE() << p;
}

// Every input of the document that a box or a file holds as a double.
void SetEveryInput(CDocument& d, double v) {
  for (double* p : {&d.Gamb,
                    &d.Gambd,
                    &d.Gamf,
                    &d.Gamfd,
                    &d.Gamcw,
                    &d.Gamcf,
                    &d.Gamw,
                    &d.Fai,
                    &d.Deltd,
                    &d.Cd,
                    &d.SgmCk,
                    &d.Sgmca,
                    &d.Sgmta,
                    &d.Taua,
                    &d.Sgmsa,
                    &d.WallH,
                    &d.WallL,
                    &d.WallB,
                    &d.KeisyaH,
                    &d.TokX,
                    &d.TokB,
                    &d.TokL,
                    &d.BlkT,
                    &d.BlkDeltT1,
                    &d.BlkDeltT2,
                    &d.BlkN,
                    &d.BlkT2,
                    &d.BlkB,
                    &d.BlkB1,
                    &d.BlkH1,
                    &d.BlkH2,
                    &d.GrwB,
                    &d.GrwB1,
                    &d.GrwB2,
                    &d.GrwB4,
                    &d.GrwH1,
                    &d.GrwN,
                    &d.MtwH1,
                    &d.MtwH2,
                    &d.MtwH3,
                    &d.MtwB1,
                    &d.MtwB2,
                    &d.MtwB3,
                    &d.MtwB4,
                    &d.MtwN1,
                    &d.MtwN2,
                    &d.MxwH1,
                    &d.MxwH2,
                    &d.MxwH3,
                    &d.GrwB3,
                    &d.UraHd,
                    &d.UraN,
                    &d.UraX1,
                    &d.UraX2,
                    &d.UraH0,
                    &d.KiriD,
                    &d.KiriN,
                    &d.KiriDlt,
                    &d.Qa,
                    &d.Faib,
                    &d.Myu,
                    &d.cb,
                    &d.SijiFai,
                    &d.SijiC,
                    &d.SijiGam1,
                    &d.Df,
                    &d.Dfd,
                    &d.SijiGam2,
                    &d.AutoPos,
                    &d.AutoWidth,
                    &d.AutoLoad,
                    &d.GunsyuPos,
                    &d.GunsyuWidth,
                    &d.GunsyuLoad,
                    &d.TakuchiPos,
                    &d.TakuchiWidth,
                    &d.TakuchiLoad,
                    &d.SnowPos,
                    &d.SnowDepth,
                    &d.SnowLoad,
                    &d.AutoCrashWidth,
                    &d.AutoCrashHigh,
                    &d.AutoCrashLoad,
                    &d.AutoCrashV,
                    &d.StoneHight,
                    &d.StonePich,
                    &d.StoneLoad,
                    &d.WindPos,
                    &d.WindHight,
                    &d.WindLoad,
                    &d.KisoH1,
                    &d.KisoH2,
                    &d.KisoB,
                    &d.MizuN,
                    &d.MizuFai})
    *p = v;
  for (int i = 0; i < 2; ++i) {
    d.SetC(i, v);
    d.Setdelt(i, v);
    d.SetKh(i, v);
    d.SetSoilFH(i, v);
    d.SetWatFH(i, v);
    d.SetWatBH(i, v);
    d.SetPp(i, v);
    d.SetAE0(i, v);
  }
  for (int i = 0; i < 5; ++i) d.SetMizuH1(i, v);
}

TEST(DocumentSweep, RandomWallsOfEveryType) {
  std::mt19937 rng(29);
  int drawn = 0, fitting = 0;
  for (const char* sample : kSamples) {
    for (int k = 0; k < 60; ++k) {
      SCOPED_TRACE(std::string(sample) + " wall " + std::to_string(k));
      CDocument d;
      ReadSample(d, sample);
      pipeline::RandomizeWall(d, rng);
      const pipeline::Findings f = pipeline::RunDocument(d, test::ShippedFolder());
      ExpectClean(f);
      EXPECT_GT(f.markupBytes, 1000u);
      drawn += f.sheetDrawn;
      fitting += f.sheetFits;
    }
  }
  // The walls are drawable and most of them fit some paper at their scale:
  // the sweep looks at real sheets.
  EXPECT_EQ(drawn, 240);
  EXPECT_GT(fitting, 120);
}

TEST(DocumentSweep, DocumentsAtTheEdges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Edge {
    const char* name;
    std::function<void(CDocument&)> change;
  } edges[] = {
      {"every input 1e300", [](CDocument& d) { SetEveryInput(d, 1e300); }},
      {"every input -1e300", [](CDocument& d) { SetEveryInput(d, -1e300); }},
      {"every input the largest double",
       [](CDocument& d) { SetEveryInput(d, std::numeric_limits<double>::max()); }},
      {"every input the smallest denormal",
       [](CDocument& d) { SetEveryInput(d, std::numeric_limits<double>::denorm_min()); }},
      {"every input NaN", [nan](CDocument& d) { SetEveryInput(d, nan); }},
      {"every input never entered", [](CDocument& d) { SetEveryInput(d, kNullDouble); }},
      {"every input a blank box", [](CDocument& d) { SetEveryInput(d, kNullBox); }},
      {"every input 0", [](CDocument& d) { SetEveryInput(d, 0); }},
      {"water switched on before its levels",
       [](CDocument& d) {
         d.nWater = 1;
         for (int i = 0; i < 2; ++i) {
           d.SetWatFH(i, kNullDouble);
           d.SetWatBH(i, kNullDouble);
         }
         for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
       }},
      {"zero height", [](CDocument& d) { d.WallH = d.MtwH1 = d.MxwH1 = 0; }},
      {"case factors blank, negative and denormal",
       [](CDocument& d) {
         d.nTentou = 0;
         for (int i = 0; i < d.nCase(); ++i) {
           CKajyuCase& k = *d.pCase(i);
           k.Ea = i == 0 ? std::numeric_limits<double>::denorm_min() : -6;
           k.FsKatsudou = kNullBox;
           k.QaPremium = -1;
           k.AllowPremium = kNullDouble;
         }
       }},
  };
  for (const char* sample : kSamples) {
    for (const Edge& e : edges) {
      SCOPED_TRACE(std::string(sample) + ": " + e.name);
      CDocument d;
      ReadSample(d, sample);
      e.change(d);
      ExpectClean(pipeline::RunDocument(d, test::ShippedFolder()));
    }
  }
  // A new document of each wall type: nothing entered yet.
  for (int type = 0; type < 4; ++type) {
    SCOPED_TRACE("new document of wall type " + std::to_string(type));
    CDocument d;
    d.SetWallType(type);
    ExpectClean(pipeline::RunDocument(d, test::ShippedFolder()));
  }
}

// A figure's box holds everything drawn for the section: with the margins
// set so that the box touches the top (or the bottom) edge of the paper,
// nothing of the sheet leaves the paper. The crest chain of the block walls,
// turned with the face, is the part that reaches furthest up.
TEST(DocumentSweep, EveryDrawnElementStaysInTheFiguresBox) {
  std::mt19937 rng(2929);
  int checked = 0;
  for (const char* sample : {"block_masonry", "mixed"}) {
    for (int k = 0; k < 100; ++k) {
      SCOPED_TRACE(std::string(sample) + " wall " + std::to_string(k));
      CDocument d;
      ReadSample(d, sample);
      pipeline::RandomizeWall(d, rng);
      d.Sheet = 0;  // A0: 841 x 1189
      d.Suryou = 1;
      const int16_t code = LargestFittingScale(d);
      if (code < 0) continue;
      d.DrwScale = code;
      const double figH = SheetSectionFigure(d, SheetScale(code)).figH;
      for (bool atTop : {true, false}) {
        const auto tight = static_cast<int16_t>(std::floor(841 - figH));
        d.SetMargin(2, atTop ? 0 : tight);
        d.SetMargin(3, atTop ? tight : 0);
        Canvas page;
        PrintedSheet printed(page);
        SkzOutput(0, d, printed);
        double top = 0, bottom = page.ScaleHeight();
        for (const CanvasOp& op : page.Ops()) {
          for (const CanvasPoint& p : op.points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
          }
        }
        EXPECT_GE(top, -0.01) << "mm above the paper: " << -top / kTwipsPerMm;
        EXPECT_LE(bottom, page.ScaleHeight() + 0.01)
            << "mm below the paper: " << (bottom - page.ScaleHeight()) / kTwipsPerMm;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 300);
}

// The checks themselves find what they are there for.
TEST(DocumentSweep, MarkupChecksFindSentinelsAndNonNumbers) {
  struct Case {
    const char* markup;
    bool clean;
  } cases[] = {
      {"H = 3.500 (m)\r\n<TD SROW=12, SCOL=3>  1.50</TD>", true},
      {"q = 100000000.00", true},
      {"H = -17000000000.000 (m)", false},
      {"B/-1.79769313486231E+308", false},
      {"B/4.94065645841247E-324", false},
      {"Q = 1E+10", false},
      {"e = nan", false},
      {"e = -inf", false},
      {"P = 1234567890", false},
      {"x = 1.5E-05 m", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    EXPECT_EQ(pipeline::MarkupProblems(Utf8ToCp932(c.markup)).empty(), c.clean);
  }
}

}  // namespace
}  // namespace norva
