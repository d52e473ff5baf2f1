// Copy gives an independent document holding the source's inputs, with new
// records, no results, no files and its own shear-key bars.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/weight.h"

namespace norva {
namespace {

constexpr double N = -1.7E+10;

// Keeps the temporary files of a test in a folder of its own.
struct ScopedTmpdir {
  std::string root;
  std::string old;
  bool had = false;
  ScopedTmpdir() {
    char tmpl[] = "/tmp/norva-copy-test-XXXXXX";
    root = ::mkdtemp(tmpl) ? tmpl : "";
    if (const char* o = std::getenv("TMPDIR")) {
      had = true;
      old = o;
    }
    ::setenv("TMPDIR", root.c_str(), 1);
  }
  ~ScopedTmpdir() {
    if (had)
      ::setenv("TMPDIR", old.c_str(), 1);
    else
      ::unsetenv("TMPDIR");
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
};

// A worked design with loads, cases, two check sections, results and files.
struct Source {
  CDocument doc;
  Source() {
    doc.Key = "DOC1";
    doc.FileName = "/home/eng/wall.nrv";
    doc.FilePath = "/home/eng";
    doc.FileTitle = "wall";
    doc.FileExt = "nrv";
    doc.Title = "Route 9, km 3.2";
    doc.Unit = 7;
    doc.Sisin = 4;
    doc.Doatsu = 0;
    doc.SetWallType(1);
    doc.Tokki = 1;
    doc.nTentou = 2;  // copied as it stands, no reader rule
    doc.Kibo = 2;     // the reader would reset this one; Copy must not
    doc.Gamb = 19;
    doc.WallH = 4.5;
    doc.SetC(1, 5);
    doc.Setdelt(0, 20);
    doc.SetKh(1, 0.16);
    doc.SetSoilFH(1, 0.4);
    doc.SetWatBH(0, 1.2);
    doc.SetPp(1, 33.3);
    doc.SetAE0(1, 2800);
    doc.SetnAutoCrash(0, 0);
    doc.SetMizuH1(4, 0.9);
    doc.SetMargin(2, 15);
    doc.SnowLoad = 3.5;
    doc.cZ = 0.85;
    doc.KiriDlt = 12;
    doc.AutoCrashV = 10;
    doc.nTokuseiPrn = 0;
    doc.TokDia = 16;
    doc.TokHon = 5;
    doc.TokKab = 70;
    doc.TokPich = 0.2;
    doc.TokAs = 0.000993;
    doc.MtwKeisya = 1;
    doc.ReAntCalc = -1;
    for (int i = 0; i < 6; ++i) doc.SetbInpSt(i, -1);

    doc.SetnUraNini(2);
    doc.SetUraNiniX(0, 1.0);
    doc.SetUraNiniY(0, 4.5);
    doc.SetUraNiniX(1, 6.0);
    doc.SetUraNiniY(1, 5.5);
    doc.SetnTokusei(2);
    doc.SetTokuseiT(1, 3.5);
    doc.SetTokuseiN(1, 12);
    doc.SetTokuseiS(1, 1);

    doc.SetnNiniCount(2);
    doc.pNini(1)->LoadName = ",  guard rail, post";
    doc.pNini(1)->nType = 2;
    doc.pNini(1)->P2 = 7.5;

    doc.SetnCase(2);
    doc.pCase(1)->CaseName = "seismic";
    doc.pCase(1)->nQuake = 1;
    doc.pCase(1)->QuPremium = 1.5;
    doc.pCase(1)->SetnNiniCount(2);
    doc.pCase(1)->SetnNini(1, 1);

    doc.SetnWallSecCnt(0, 2);
    doc.SetWallSecY(0, 0, 1.0);
    doc.SetWallSecY(0, 1, 2.5);
    doc.SetWallSecY(1, 0, 0.7);

    doc.AntRes(0, 1)->Pa = 55;
    doc.SetnWlvlCase(1);
    doc.SetKutaiW1(0, std::make_shared<CWeight>());
    doc.KutaiWS = std::make_shared<CWeight>();
  }
};

TEST(DocumentCopy, TakesTheInputsAsTheyStand) {
  Source src;
  CDocument copy;
  copy.Copy(src.doc);

  EXPECT_EQ(copy.Title, "Route 9, km 3.2");
  EXPECT_EQ(copy.Sisin, 4);
  EXPECT_EQ(copy.Doatsu, 0);
  EXPECT_EQ(copy.WallType(), 1);
  EXPECT_EQ(copy.Tokki, 1);
  EXPECT_EQ(copy.nTentou, 2);
  EXPECT_EQ(copy.Kibo, 2);
  EXPECT_EQ(copy.Gamb, 19);
  EXPECT_EQ(copy.WallH, 4.5);
  EXPECT_EQ(copy.C(1), 5);
  EXPECT_EQ(copy.delt(0), 20);
  EXPECT_EQ(copy.delt(1), N);
  EXPECT_EQ(copy.Kh(1), 0.16);
  EXPECT_EQ(copy.SoilFH(1), 0.4);
  EXPECT_EQ(copy.WatBH(0), 1.2);
  EXPECT_EQ(copy.Pp(1), 33.3);
  EXPECT_EQ(copy.AE0(1), 2800);
  EXPECT_EQ(copy.nAutoCrash(0), 0);
  EXPECT_EQ(copy.nAutoCrash(1), 1);
  EXPECT_EQ(copy.MizuH1(4), 0.9);
  EXPECT_EQ(copy.Margin(2), 15);
  EXPECT_EQ(copy.SnowLoad, 3.5);
  EXPECT_EQ(copy.cZ, 0.85);
  EXPECT_EQ(copy.KiriDlt, 12);
  EXPECT_EQ(copy.AutoCrashV, 10);
  EXPECT_EQ(copy.nTokuseiPrn, 0);

  EXPECT_EQ(copy.nUraNini(), 2);
  EXPECT_EQ(copy.UraNiniX(1), 6.0);
  EXPECT_EQ(copy.UraNiniY(0), 4.5);
  EXPECT_EQ(copy.nTokusei(), 2);
  EXPECT_EQ(copy.TokuseiT(0), 0);
  EXPECT_EQ(copy.TokuseiT(1), 3.5);
  EXPECT_EQ(copy.TokuseiN(1), 12);
  EXPECT_EQ(copy.TokuseiS(1), 1);

  for (int i = 0; i < 4; ++i) EXPECT_EQ(copy.bInpSt(i), -1) << i;
}

TEST(DocumentCopy, LeavesOutIdentityResultsFilesAndShearKeyBars) {
  ScopedTmpdir tmpdir;
  ASSERT_FALSE(tmpdir.root.empty());
  Source src;
  const std::string tmp = src.doc.AddTempFile("COMPFILE");
  CDocument copy;
  copy.Copy(src.doc);

  EXPECT_EQ(copy.Unit, 0);
  EXPECT_EQ(copy.Key, "");
  EXPECT_EQ(copy.FileName, "");
  EXPECT_EQ(copy.FilePath, "");
  EXPECT_EQ(copy.FileTitle, "");
  EXPECT_EQ(copy.FileExt, "");
  // The copy has no results yet, so the result screens must be earned again.
  EXPECT_EQ(copy.bInpSt(4), 0);
  EXPECT_EQ(copy.bInpSt(5), 0);
  EXPECT_EQ(copy.ReAntCalc, 0);
  // Shear-key bars keep the new document's values.
  EXPECT_EQ(copy.TokDia, -1);
  EXPECT_EQ(copy.TokHon, N);
  EXPECT_EQ(copy.TokKab, N);
  EXPECT_EQ(copy.TokPich, N);
  EXPECT_EQ(copy.TokAs, 0);
  // No results, no polygons, no files.
  EXPECT_EQ(copy.AntRes(0, 1)->Pa, 0);
  EXPECT_NE(copy.AntRes(0, 1), src.doc.AntRes(0, 1));
  EXPECT_EQ(copy.nWlvlCase(), 0);
  EXPECT_EQ(copy.WlvlRes(0), nullptr);
  EXPECT_EQ(copy.KutaiW1(0), nullptr);
  EXPECT_EQ(copy.KutaiWS, nullptr);
  EXPECT_EQ(copy.TempFileCount(), 0);
  EXPECT_EQ(copy.TempFile("COMPFILE"), "");
  EXPECT_EQ(src.doc.TempFile("COMPFILE"), tmp);
}

TEST(DocumentCopy, LoadsCasesAndSectionsAreNewRecordsWithTheSameContent) {
  Source src;
  CDocument copy;
  copy.Copy(src.doc);

  ASSERT_EQ(copy.nNiniCount(), 2);
  ASSERT_NE(copy.pNini(1), nullptr);
  EXPECT_NE(copy.pNini(1), src.doc.pNini(1));
  EXPECT_EQ(copy.pNini(1)->LoadName, ",  guard rail, post");
  EXPECT_EQ(copy.pNini(1)->nType, 2);
  EXPECT_EQ(copy.pNini(1)->P2, 7.5);

  ASSERT_EQ(copy.nCase(), 2);
  ASSERT_NE(copy.pCase(1), nullptr);
  EXPECT_NE(copy.pCase(1), src.doc.pCase(1));
  EXPECT_EQ(copy.pCase(1)->CaseName, "seismic");
  EXPECT_EQ(copy.pCase(1)->QuPremium, 1.5);
  EXPECT_EQ(copy.pCase(1)->nNiniCount(), 2);
  EXPECT_EQ(copy.pCase(1)->nNini(1), 1);

  EXPECT_EQ(copy.nWallSecCnt(0), 2);
  EXPECT_EQ(copy.nWallSecCnt(1), 1);
  EXPECT_EQ(copy.WallSecY(0, 0), 1.0);
  EXPECT_EQ(copy.WallSecY(0, 1), 2.5);
  EXPECT_EQ(copy.WallSecY(1, 0), 0.7);

  // One fresh empty result record per slot in use.
  for (int c = 0; c < 2; ++c) {
    for (int k = 0; k < 2; ++k) {
      ASSERT_NE(copy.pWallRes(0, c, k), nullptr);
      EXPECT_NE(copy.pWallRes(0, c, k), src.doc.pWallRes(0, c, k));
    }
    ASSERT_NE(copy.pWallRes(1, c, 0), nullptr);
    EXPECT_EQ(copy.pWallRes(1, c, 1), nullptr);
    ASSERT_NE(copy.pFotRes(c), nullptr);
    EXPECT_NE(copy.pFotRes(c), src.doc.pFotRes(c));
    ASSERT_NE(copy.pTokRes(c), nullptr);
    EXPECT_NE(copy.pTokRes(c), src.doc.pTokRes(c));
  }
}

TEST(DocumentCopy, ChangingTheCopyLeavesTheSourceUntouched) {
  Source src;
  CDocument copy;
  copy.Copy(src.doc);

  copy.Gamb = 20;
  copy.SetC(1, 9);
  copy.SetUraNiniX(1, 99);
  copy.SetTokuseiT(1, 99);
  copy.pNini(1)->LoadName = "changed";
  copy.pCase(1)->CaseName = "changed";
  copy.pCase(1)->SetnNini(1, 0);
  copy.SetWallSecY(0, 1, 99);
  copy.SetnCase(1);
  copy.SetnNiniCount(0);

  EXPECT_EQ(src.doc.Gamb, 19);
  EXPECT_EQ(src.doc.C(1), 5);
  EXPECT_EQ(src.doc.UraNiniX(1), 6.0);
  EXPECT_EQ(src.doc.TokuseiT(1), 3.5);
  EXPECT_EQ(src.doc.nNiniCount(), 2);
  EXPECT_EQ(src.doc.pNini(1)->LoadName, ",  guard rail, post");
  EXPECT_EQ(src.doc.nCase(), 2);
  EXPECT_EQ(src.doc.pCase(1)->CaseName, "seismic");
  EXPECT_EQ(src.doc.pCase(1)->nNini(1), 1);
  EXPECT_EQ(src.doc.WallSecY(0, 1), 2.5);
}

TEST(DocumentCopy, EmptySourceCreatesNoLists) {
  CDocument src;
  src.SetnWallSecCnt(0, 0);
  src.SetnWallSecCnt(1, 0);
  CDocument copy;
  copy.Copy(src);
  EXPECT_EQ(copy.nNiniCount(), 0);
  EXPECT_EQ(copy.nCase(), 0);
  EXPECT_EQ(copy.nWallSecCnt(0), 0);
  EXPECT_EQ(copy.nWallSecCnt(1), 0);
  EXPECT_EQ(copy.pNini(0), nullptr);
  EXPECT_EQ(copy.pCase(0), nullptr);
  EXPECT_EQ(copy.pFotRes(0), nullptr);
  EXPECT_EQ(copy.WallSecY(0, 0), 0);
  EXPECT_EQ(copy.nUraNini(), 0);
  EXPECT_EQ(copy.nTokusei(), 0);
  // Defaults of the copy come from the source (which has them too).
  EXPECT_EQ(copy.SgmCk, 16);
  EXPECT_EQ(copy.Gamb, N);
}

}  // namespace
}  // namespace norva
