// The two summary drawings, measured with the fixed test metrics (ASCII half
// an em wide, other characters one em, lines 1.2 em): every position below is
// worked out by hand from those widths.
#include "shell/summary_panels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "shell/display_number.h"

namespace norva {
namespace {

struct Drawn {
  std::string text;
  double x, y;
  bool bold;
  uint32_t color;
};

std::vector<Drawn> Texts(const Canvas& c) {
  std::vector<Drawn> out;
  for (const CanvasOp& op : c.Ops())
    if (op.kind == CanvasOpKind::Text)
      out.push_back(
          {op.text, op.points[0].x, op.points[0].y, op.style.font.bold, op.style.textColor});
  return out;
}

const Drawn* Find(const std::vector<Drawn>& v, const std::string& text) {
  for (const Drawn& d : v)
    if (d.text == text) return &d;
  return nullptr;
}

void ExpectAt(const std::vector<Drawn>& v, const std::string& text, double x, double y,
              uint32_t color = kJudgeBlack) {
  const Drawn* d = Find(v, text);
  ASSERT_NE(d, nullptr) << "missing: " << text;
  EXPECT_NEAR(d->x, x, 1e-6) << text;
  EXPECT_NEAR(d->y, y, 1e-6) << text;
  EXPECT_EQ(d->color, color) << text;
}

// A judged line and what it must read, in which colour.
struct JudgedRow {
  const char* name;
  JudgedLine line;
  const char* text;
  uint32_t color;
};

void ExpectLines(const std::vector<JudgedRow>& rows) {
  for (const JudgedRow& r : rows) {
    EXPECT_EQ(r.line.text, r.text) << r.name;
    EXPECT_EQ(r.line.color, r.color) << r.name;
  }
}

TEST(JudgedLines, SignsAndColoursOfEveryKindOfCheck) {
  ExpectLines({
      {"thrust inside", ThrustLine(0.61, 0.6), "X'=0.610 > Xh=0.600", kJudgeBlack},
      {"thrust on the middle third", ThrustLine(0.6, 0.6), "X'=0.600 = Xh=0.600", kJudgeBlack},
      {"thrust outside", ThrustLine(0.5, 0.6), "X'=0.500 < Xh=0.600", kJudgeRed},
      {"Fm enough", SafetyLine("Fm", 2.0, 1.5), "Fm=2.00 > 1.50", kJudgeBlack},
      // Shown rounded to the allowed value, but still short of it: the
      // numbers read equal, the colour is the verdict.
      {"Fm just short", SafetyLine("Fm", 1.495, 1.5), "Fm=1.50 = 1.50", kJudgeRed},
      {"Fs short", SafetyLine("Fs", 1.2, 1.5), "Fs=1.20 < 1.50", kJudgeRed},
      {"Fb enough", SafetyLine("Fb", 3.456, 3.0), "Fb=3.46 > 3.00", kJudgeBlack},
      {"e inside", EccentricityLine(0.12, 0.3, 6, 1), "e=0.120 < B/6=0.300", kJudgeBlue},
      {"e on the limit", EccentricityLine(0.3, 0.3, 6, 1), "e=0.300 = B/6=0.300", kJudgeBlue},
      {"e beyond, front", EccentricityLine(0.45, 0.3, 3, 1), "e=0.450 > B/3=0.300", kJudgeRed},
      // e is shown with its sign: -0.500 < 0.300, failing on a gravity wall.
      {"e beyond, back, gravity", EccentricityLine(-0.5, 0.3, 6, 1), "e=-0.500 < B/6=0.300",
       kJudgeRed},
      {"e beyond, back, block", EccentricityLine(-0.5, 0.3, 6, 0), "e=-0.500 < B/6=0.300",
       kJudgeBlue},
      // The lower wall of a mixed wall leans on its backfill too.
      {"e beyond, back, mixed lower wall", EccentricityLine(-0.5, 0.3, 6, 3),
       "e=-0.500 < B/6=0.300", kJudgeBlue},
      // l = 1.8 / 2 - 0.3 = 0.6 = B/3 (Ea = B/6); without Ea, l = 0.9 = B/2.
      {"d short", LeaningLine(0.5, 1.8, 0.3, 6), "d=0.500 < B/3=0.600", kJudgeRed},
      {"d enough", LeaningLine(0.61, 1.8, 0.3, 6), "d=0.610 > B/3=0.600", kJudgeBlue},
      // l = 2.0 / 2 - 0.5 = 0.5 = B/4 (Ea = B/4) exactly: a d on the limit passes.
      {"d on the limit", LeaningLine(0.5, 2.0, 0.5, 4), "d=0.500 = B/4=0.500", kJudgeBlue},
      {"d without Ea", LeaningLine(1.0, 1.8, 0, 0), "d=1.000 > B/2=0.900", kJudgeBlue},
      // Ea = B/3: l = 1.8 / 2 - 0.6 = 0.3 = B/6.
      {"d seismic", LeaningLine(0.31, 1.8, 0.6, 3), "d=0.310 > B/6=0.300", kJudgeBlue},
      // Ea = B/5: l = 1.0 - 0.4 = 0.6 = B/3.33.
      {"d odd divisor", LeaningLine(0.7, 2.0, 0.4, 5), "d=0.700 > B/3.33=0.600", kJudgeBlue},
  });
}

// Every number goes through one rule: nulls, the calculation's marks and
// values beyond 1e8 show "-----", and a check with such a value is not passed.
TEST(JudgedLines, NotComputableValuesShowDashesAndFail) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double v;
    bool shown;
  } values[] = {{0, true},         {-1, true},           {1e8, true},
                {-1e8, true},      {1.0000001e8, false}, {kNullDouble, false},
                {kNullBox, false}, {1e10, false},        {inf, false},
                {-inf, false},     {nan, false}};
  for (const auto& v : values) {
    EXPECT_EQ(IsDisplayable(v.v), v.shown) << v.v;
    EXPECT_EQ(DisplayNumber(v.v, "0.00") == "-----", !v.shown) << v.v;
  }
  EXPECT_EQ(DisplayNumberAligned(1.5, "#0.00"), " 1.50");
  EXPECT_EQ(DisplayNumberAligned(kNullBox, "#0.00"), "-----");

  ExpectLines({
      // Nothing to compare: no mark between the numbers.
      {"Fs null", SafetyLine("Fs", kNullBox, 1.5), "Fs=----- 1.50", kJudgeRed},
      {"Fsa null", SafetyLine("Fs", 2.0, kNullBox), "Fs=2.00 -----", kJudgeRed},
      {"Fm infinite", SafetyLine("Fm", inf, 1.5), "Fm=----- 1.50", kJudgeRed},
      {"thrust null", ThrustLine(kNullBox, 0.6), "X'=----- Xh=0.600", kJudgeRed},
      // A null e would pass as "far behind" on a block wall: it fails instead.
      {"e null, block", EccentricityLine(kNullBox, 0.3, 6, 0), "e=----- B/6=0.300", kJudgeRed},
      {"Ea null", EccentricityLine(0.1, kNullBox, 6, 1), "e=0.100 B/6=-----", kJudgeRed},
      {"case Ea null", EccentricityLine(0.1, 0.3, kNullDouble, 1), "e=0.100 < B/-----=0.300",
       kJudgeBlue},
      {"d null", LeaningLine(kNullBox, 1.8, 0.3, 6), "d=----- B/3=0.600", kJudgeRed},
      {"B null", LeaningLine(0.5, kNullBox, 0.3, 6), "d=0.500 B/3=-----", kJudgeRed},
  });
}

// A gravity wall under guideline 0 with two cases.
class ResultPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc_.SetWallType(1);
    doc_.Sisin = 0;
    doc_.nTentou = 0;
    doc_.ChkSlide = 1;
    for (int i = 0; i <= 4; ++i) doc_.SetbInpSt(i, -1);
    SetCases(2);
    auto r0 = doc_.AntRes(0, 0);
    r0->E = 0.12;
    r0->Ea = 0.3;
    r0->SgmH = 50;
    r0->Fs = 1.62;
    r0->Fsa = 1.5;
    r0->Qmax = 123.456;
    r0->Qmin = 4;
    r0->Qa = 300;
    auto r1 = doc_.AntRes(0, 1);
    r1->E = 0.45;
    r1->Ea = 0.3;
    r1->SgmH = 0;
    r1->Qmax = 2e10;  // the resultant left the base
    r1->Qmin = 0;
    r1->Qa = 300;
  }
  void SetCases(int n) {
    doc_.SetnCase(static_cast<int16_t>(n));
    for (int j = 0; j < n; ++j) {
      doc_.pCase(j)->CaseName = j % 2 == 0 ? "常時" : "地震時";
      doc_.pCase(j)->Ea = j % 2 == 0 ? 6 : 3;
      doc_.pCase(j)->QaPremium = j % 2 == 0 ? 1.0 : 1.5;
    }
  }
  ResultPanelFrame Frame(double height = 12000) const { return {3600, height, 30, 30, 255}; }

  CDocument doc_;
  Canvas canvas_;
};

// h = 1.2 x 180 = 216, pitch p = 1.2 x 216 = 259.2, w = width of "00" = 180,
// indent a = 10; line n has its top at 259.2 n + 10.
TEST_F(ResultPanelTest, LinesOfTwoCasesWithTheirJudgments) {
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame());
  // 8 lines a case (label, 2 overturning, 2 sliding, 3 ground reaction).
  EXPECT_NEAR(size.width, 3600 - 60, 1e-9);
  EXPECT_NEAR(size.height, 259.2 * 16 + 10, 1e-9);
  const auto t = Texts(canvas_);
  ExpectAt(t, "1.常時", 10, 10);
  EXPECT_TRUE(Find(t, "1.常時")->bold);
  ExpectAt(t, "転　倒", 190, 269.2);
  ExpectAt(t, "e=0.120 < B/6=0.300", 370, 528.4, kJudgeBlue);
  ExpectAt(t, "滑　動", 190, 787.6);
  ExpectAt(t, "Fs=1.62 > 1.50", 370, 1046.8);
  ExpectAt(t, "地盤反力度", 190, 1306.0);
  ExpectAt(t, "q1=123.46", 370, 1565.2);
  ExpectAt(t, "q2=  4.00", 370, 1824.4);
  // Half-way between the two lines, after "q1=123.46 " (10 half-ems = 900).
  ExpectAt(t, "< qa=300.00", 370 + 900, 259.2 * 6.5 + 10);

  ExpectAt(t, "2.地震時", 10, 259.2 * 8 + 10);
  ExpectAt(t, "e=0.450 > B/3=0.300", 370, 259.2 * 10 + 10, kJudgeRed);
  ExpectAt(t, "検討省略", 370, 259.2 * 12 + 10);
  ExpectAt(t, "q1=-----", 370, 259.2 * 14 + 10, kJudgeRed);
  ExpectAt(t, "q2=-----", 370, 259.2 * 15 + 10, kJudgeRed);
  ExpectAt(t, "> qa=300.00", 370 + 810, 259.2 * 14.5 + 10, kJudgeRed);
  EXPECT_EQ(Find(t, "支持力"), nullptr);
}

// A case the run could not compute (base width 0): every result is null. No
// number of it is printed, and its ground reaction is not judged passed.
TEST_F(ResultPanelTest, CaseWithoutResultsShowsDashesInRed) {
  auto r0 = doc_.AntRes(0, 0);
  for (double* v : {&r0->E, &r0->Ea, &r0->Fs, &r0->Fsa, &r0->Qmax, &r0->Qmin, &r0->Qa})
    *v = kNullBox;
  DrawResultSummary(canvas_, &doc_, Frame());
  const auto t = Texts(canvas_);
  ExpectAt(t, "e=----- B/6=-----", 370, 528.4, kJudgeRed);
  ExpectAt(t, "Fs=----- -----", 370, 1046.8, kJudgeRed);
  ExpectAt(t, "q1=-----", 370, 1565.2, kJudgeRed);
  ExpectAt(t, "q2=-----", 370, 1824.4, kJudgeRed);
  // After "q1=----- " (9 half-ems = 810).
  ExpectAt(t, "qa=-----", 370 + 810, 259.2 * 6.5 + 10, kJudgeRed);
  for (const Drawn& d : t) EXPECT_EQ(d.text.find("1797"), std::string::npos) << d.text;
}

TEST_F(ResultPanelTest, AllowableBearingOfRoadGuidelineComesFromTheCase) {
  doc_.Sisin = 2;
  doc_.nQa = 1;
  doc_.Qa = 100;
  // Case 1: 100 x 1.0 = 100 < 123.456: exceeded. Case 2 keeps its -----.
  DrawResultSummary(canvas_, &doc_, Frame());
  const auto t = Texts(canvas_);
  const Drawn* qa = Find(t, "> qa=100.00");
  ASSERT_NE(qa, nullptr);
  EXPECT_EQ(qa->color, kJudgeRed);
  EXPECT_EQ(Find(t, "q1=123.46")->color, kJudgeRed);
  EXPECT_NE(Find(t, "> qa=150.00"), nullptr);  // 100 x 1.5
}

TEST_F(ResultPanelTest, LargeBlockGuidelineShowsBearingAndNoAllowableReaction) {
  doc_.Sisin = 3;
  auto r0 = doc_.AntRes(0, 0);
  r0->fB = 2.5;
  r0->Fba = 3.0;
  r0->Qa = 50;  // would be exceeded, but is not judged here
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame());
  EXPECT_NEAR(size.height, 259.2 * 20 + 10, 1e-9);  // two more lines a case
  const auto t = Texts(canvas_);
  ExpectAt(t, "q1=123.46", 370, 1565.2, kJudgeBlack);
  ExpectAt(t, "支持力", 190, 259.2 * 8 + 10);
  ExpectAt(t, "Fb=2.50 < 3.00", 370, 259.2 * 9 + 10, kJudgeRed);
  for (const Drawn& d : t) EXPECT_EQ(d.text.find("qa="), std::string::npos) << d.text;
}

TEST_F(ResultPanelTest, MixedWallListsUpperThrustLinesFirst) {
  doc_.SetWallType(3);
  SetCases(1);
  doc_.AntRes(0, 0)->Xd = 0.4;
  doc_.AntRes(0, 0)->Xh = 0.35;
  auto r = doc_.AntRes(1, 0);
  r->E = 0.1;
  r->Ea = 0.25;
  r->SgmH = 10;
  r->Fs = 2;
  r->Fsa = 1.5;
  r->Qmax = 80;
  r->Qmin = 20;
  r->Qa = 200;
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame());
  // 2 headers + label and thrust line + 8 lines of the lower wall.
  EXPECT_NEAR(size.height, 259.2 * 12 + 10, 1e-9);
  const auto t = Texts(canvas_);
  // Indent a = width of "0" + 10 = 100.
  ExpectAt(t, "上部擁壁", 10, 10);
  EXPECT_TRUE(Find(t, "上部擁壁")->bold);
  ExpectAt(t, "X'=0.400 > Xh=0.350", 280, 259.2 * 2 + 10);
  ExpectAt(t, "下部擁壁", 10, 259.2 * 3 + 10);
  ExpectAt(t, "e=0.100 < B/6=0.250", 460, 259.2 * 6 + 10, kJudgeBlue);
  int labels = 0;
  for (const Drawn& d : t) labels += d.text == "1.常時";
  EXPECT_EQ(labels, 2);
}

TEST_F(ResultPanelTest, TallContentMakesRoomForTheScrollBar) {
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame(2000));
  EXPECT_NEAR(size.width, 3600 - 60 - 255, 1e-9);
  EXPECT_NEAR(size.height, 259.2 * 16 + 10, 1e-9);
}

TEST_F(ResultPanelTest, ContentOverTheHeightCapUsesTighterLines) {
  SetCases(16);
  for (int j = 0; j < 16; ++j) doc_.AntRes(0, j)->Qa = 300;
  // 128 lines: 259.2 x 128 + 10 = 33187.6 > 32767, so the pitch becomes h.
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame(40000));
  EXPECT_NEAR(size.height, 216.0 * 128 + 10, 1e-9);
  ExpectAt(Texts(canvas_), "2.地震時", 10, 216.0 * 8 + 10);
}

TEST_F(ResultPanelTest, NothingIsDrawnWithoutResultsOrDocument) {
  doc_.SetbInpSt(4, 0);
  EXPECT_EQ(DrawResultSummary(canvas_, &doc_, Frame()).height, 0);
  EXPECT_TRUE(canvas_.Ops().empty());
  DrawResultSummary(canvas_, &doc_, Frame());
  EXPECT_EQ(DrawResultSummary(canvas_, nullptr, Frame()).height, 0);
  EXPECT_TRUE(canvas_.Ops().empty());
}

TEST_F(ResultPanelTest, WithoutSlidingCheckNoSlidingLines) {
  doc_.ChkSlide = 0;
  const ResultPanelSize size = DrawResultSummary(canvas_, &doc_, Frame());
  // The count still reserves the two sliding lines of every case.
  EXPECT_NEAR(size.height, 259.2 * 16 + 10, 1e-9);
  const auto t = Texts(canvas_);
  EXPECT_EQ(Find(t, "滑　動"), nullptr);
  ExpectAt(t, "地盤反力度", 190, 259.2 * 3 + 10);
  ExpectAt(t, "2.地震時", 10, 259.2 * 6 + 10);
}

// Data panel: 1000 x 1000 space, font 75: h = 90, gap g = 90 - 90 = 0; the
// values start at 10 + width of "00" (75) = 85.
TEST(DataPanel, BlocksOfLabelsAndWrappedValues) {
  CDocument doc;
  doc.Title = "ノルヴァ試験";
  doc.Sisin = 2;
  doc.SetWallType(1);
  doc.Doatsu = 0;
  Canvas c;
  // The last value line, "クーロン公式" at 910, ends at 910 + 90.
  EXPECT_NEAR(DrawDataSummary(c, &doc), 1000, 1e-9);
  const auto t = Texts(c);
  ExpectAt(t, "タイトル:", 10, 10);
  EXPECT_TRUE(Find(t, "タイトル:")->bold);
  ExpectAt(t, "ノルヴァ試験", 85, 100);
  EXPECT_FALSE(Find(t, "ノルヴァ試験")->bold);
  ExpectAt(t, "単位系:", 10, 190);
  ExpectAt(t, "SI単位", 85, 280);
  ExpectAt(t, "適用基準:", 10, 370);
  // 915 units are left of the value position: the guideline name breaks
  // before "24" (up to "成" it is 900 wide, with "2" 937.5).
  ExpectAt(t, "道路土工 擁壁工指針(平成", 85, 460);
  ExpectAt(t, "24年度版)", 85, 550);
  ExpectAt(t, "擁壁の種類:", 10, 640);
  ExpectAt(t, "重力式擁壁", 85, 730);
  ExpectAt(t, "土圧公式:", 10, 820);
  ExpectAt(t, "クーロン公式", 85, 910);

  DrawDataSummary(c, nullptr);
  EXPECT_TRUE(c.Ops().empty());
}

// A taller space (for a surface grown in the same ratio) keeps every text
// where it was; a title of two lines puts the last line's bottom 90 lower.
TEST(DataPanel, TallerSpaceKeepsThePlacesAndReportsTheBottom) {
  CDocument doc;
  doc.Title = std::string(15, 'A') + "ノルヴァ試験ノルヴァ試験";  // 7.5 + 12 ems: 1462.5 > 915
  doc.Sisin = 2;
  doc.SetWallType(1);
  doc.Doatsu = 0;
  Canvas c;
  c.SetExtent(1000, 1000);
  EXPECT_NEAR(DrawDataSummary(c, &doc), 1090, 1e-9);
  const auto usual = Texts(c);
  EXPECT_NEAR(c.ScaleHeight(), 1000, 1e-9);
  c.SetExtent(c.ExtentWidth(), c.ExtentHeight() * 1.1);  // the surface grown by a tenth
  EXPECT_NEAR(DrawDataSummary(c, &doc, 1100), 1090, 1e-9);
  EXPECT_NEAR(c.ScaleHeight(), 1100, 1e-9);
  const auto taller = Texts(c);
  ASSERT_EQ(taller.size(), usual.size());
  for (size_t i = 0; i < usual.size(); ++i) {
    SCOPED_TRACE(usual[i].text);
    EXPECT_EQ(taller[i].text, usual[i].text);
    EXPECT_NEAR(taller[i].x, usual[i].x, 1e-9);
    EXPECT_NEAR(taller[i].y, usual[i].y, 1e-9);
  }
  ExpectAt(taller, "クーロン公式", 85, 1000);
}

TEST(DataPanel, EmptyTitleKeepsOneEmptyLine) {
  CDocument doc;
  doc.Title = "";
  Canvas c;
  DrawDataSummary(c, &doc);
  ExpectAt(Texts(c), "単位系:", 10, 190);
}

}  // namespace
}  // namespace norva
