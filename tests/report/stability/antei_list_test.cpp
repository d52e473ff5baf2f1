// Summary tables of the stability chapter: 13 cases in two table parts, 16
// cases under the large-block guideline in one, the upper wall of a mixed
// wall, and the column count of every guideline.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_antei_list.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

struct CaseValues {
  const char* name;
  bool seismic = false;
  double E = 0.3, SgmH = 50, Fs = 1.6, Qmax = 120, Qmin = 40;
};

// Gravity wall under road earthworks, seismic design with water; sliding
// checked; overturning by eccentricity (Ea 0.4); the allowable reaction
// entered (Qa 100: 200 for a normal case, 300 for a seismic one).
std::unique_ptr<CDocument> ThirteenCases() {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(1);
  doc->Sisin = 2;
  doc->ChkSlide = 1;
  doc->nTentou = 0;
  doc->nQa = 1;
  doc->Qa = 100;
  doc->bQuake = -1;
  doc->nWater = 1;
  std::vector<CaseValues> v(13);
  v[0].name = "常時1";
  v[1] = {"地震1", true, 0.5};
  v[2] = {"背面側", false, -0.6};
  v[3] = {"限界", false, 0.4, 50, 1.5, 200};
  v[4] = {"滑動力なし", false, 0.3, 0, -1};
  v[5] = {"底面外", false, 0.3, 50, 1.6, 1e10, 1e10};
  v[6].name = "あいうえおかきくけこさし";  // 24 bytes: two lines
  v[7].name = "あいうえおかきくけこ";      // 20 bytes: one merged cell
  v[8] = {"滑動", false, 0.3, 50, 1.2};
  v[9] = {"計算不能", false, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox};
  v[10] = {"反力超過", false, 0.3, 50, 1.6, 30, 250};  // the larger edge governs
  v[11].name = "常時12";
  v[12].name = "常時13";
  doc->SetnCase(13);
  for (int k = 0; k < 13; ++k) {
    CKajyuCase& c = *doc->pCase(k);
    c.CaseName = v[k].name;
    c.nQuake = v[k].seismic ? 1 : 0;
    c.nWater = 1;
    c.QaPremium = v[k].seismic ? 3 : 2;
    CAntRes& r = *doc->AntRes(0, k);
    r.Breadth = 2.4;
    r.E = v[k].E;
    r.Ea = 0.4;
    r.SgmH = v[k].SgmH;
    r.Fs = v[k].Fs;
    r.Fsa = 1.5;
    r.Qmax = v[k].Qmax;
    r.Qmin = v[k].Qmin;
    r.Qa = 999;  // the entered allowable governs
  }
  return doc;
}

TEST(AnteiList, ThirteenCasesInTwoParts) {
  auto doc = ThirteenCases();
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnAnteiList(f, *doc); }),
                         test::StabilityGolden("list_13.prn", ""));
}

// Large-block guideline: 3 rows a case, so 16 cases fit one part (50 rows);
// overturning by the safety factor, the reactions shown (a resultant outside
// the base as dashes), the bearing factor judged.
TEST(AnteiList, SixteenCasesUnderTheLargeBlockGuideline) {
  CDocument doc;
  doc.SetWallType(1);
  doc.Sisin = 3;
  doc.ChkSlide = 1;
  doc.nTentou = 1;
  doc.bQuake = 0;
  doc.nWater = 0;
  doc.SetnCase(16);
  for (int k = 0; k < 16; ++k) {
    doc.pCase(k)->CaseName = "ケース" + std::to_string(k + 1);
    CAntRes& r = *doc.AntRes(0, k);
    r.Fm = r.Fma = 1.5;
    r.SgmH = 50;
    r.Fs = 1.6;
    r.Fsa = 1.5;
    r.Qmax = 120;
    r.Qmin = 40;
    r.fB = 3.2;
    r.Fba = 3.0;
  }
  doc.pCase(1)->CaseName = "転倒";
  doc.AntRes(0, 1)->Fm = 1.2;
  doc.pCase(2)->CaseName = "底面外";
  doc.AntRes(0, 2)->Qmax = doc.AntRes(0, 2)->Qmin = 1e10;
  doc.pCase(3)->CaseName = "支持力";
  doc.AntRes(0, 3)->fB = 2.5;
  doc.pCase(4)->CaseName = "支持力限界";
  doc.AntRes(0, 4)->fB = 3.0;
  doc.pCase(5)->CaseName = "あいうえおかきくけこさし";
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnAnteiList(f, doc); }),
                         test::StabilityGolden("list_16_large_block.prn", ""));
}

TEST(AnteiList, UpperWallOfAMixedWall) {
  CDocument doc;
  doc.SetWallType(3);
  doc.bQuake = 0;
  doc.nTentou = 0;
  doc.SetnCase(3);
  const char* names[] = {"常時", "あいうえおかきくけこさしすせそたち", "限界"};
  const double xh[] = {0.3, 0.5, 0.4};
  for (int k = 0; k < 3; ++k) {
    doc.pCase(k)->CaseName = names[k];
    doc.AntRes(0, k)->Xh = xh[k];
    doc.AntRes(0, k)->Xd = 0.4;
  }
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnAnteiListUpper(f, doc); }),
                         test::StabilityGolden("list_upper.prn", ""));
}

TEST(AnteiList, ColumnsOfEveryGuideline) {
  struct Row {
    int32_t wallType, sisin;
    int16_t chkSlide;
    int32_t cols;
  };
  // No, name, condition, water, overturning (+ sliding) + reaction
  // (+ bearing under the large-block guideline): no empty column under road
  // earthworks, whatever the wall.
  const Row rows[] = {{0, 2, 1, 7}, {1, 2, 1, 7}, {2, 2, 0, 6}, {3, 2, 1, 7},
                      {1, 3, 1, 8}, {1, 3, 0, 7}, {0, 0, 1, 7}, {2, 4, 0, 6}};
  for (const Row& r : rows) {
    CDocument doc;
    doc.SetWallType(r.wallType);
    doc.Sisin = r.sisin;
    doc.ChkSlide = r.chkSlide;
    EXPECT_EQ(AnteiListColumns(doc), r.cols) << r.wallType << " " << r.sisin;
  }
}

// nTentou 2 (not offered on the screen, possible in a file) is judged by the
// eccentricity, as the overturning section does; the mixed wall's lower wall
// passes on the heel side.
TEST(AnteiList, OverturningCodesAndTheHeelSide) {
  CDocument doc;
  doc.SetWallType(3);
  doc.Sisin = 0;
  doc.ChkSlide = 0;
  doc.nTentou = 2;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "背面側";
  CAntRes& r = *doc.AntRes(1, 0);
  r.E = -0.6;
  r.Ea = 0.4;
  r.Qmax = 120;
  r.Qmin = 40;
  r.Qa = 200;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnAnteiList(f, doc); }));
  EXPECT_NE(text.find("<TD SROW= 2, SCOL= 4>e= 0.600</TD>"), std::string::npos) << text;
  // Passes on the heel side, yet 0.600 > 0.400: the mark is the numbers' relation.
  EXPECT_NE(text.find("<TD SROW= 3, SCOL= 4> &gt;   0.400</TD>"), std::string::npos);
  EXPECT_NE(text.find("<TD SROW= 5, SCOL= 4>→ OK </TD>"), std::string::npos);
  EXPECT_NE(text.find("<H3>安定計算結果一覧</H3><BR>"), std::string::npos);
}

}  // namespace
}  // namespace norva
