// The check cells and judgements of the member-stress grids, and the rows
// built from result records; the shear key's rebar rules.
#include "screens/results/member_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "screens/results/member_rebar.h"

namespace norva {
namespace {

using S = CheckCell::State;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CheckRow {
  const char* name;
  CheckCell cell;
  const char* text;
  CheckColor color;
  S state;
};

// "#0.00" right-aligns to five places: 1.2 -> " 1.20"; the tension limit is
// printed negative, with no blank after its sign character.
TEST(MemberChecks, CellTextColourAndState) {
  const std::vector<CheckRow> rows = {
      {"compression passes", CompressionCheck(1.2, 0.3, 4.0), " 1.20 < 4.00", CheckColor::kBlue,
       S::kOk},
      {"compression equal to its allowable passes", CompressionCheck(0.5, 4.0, 4.0), " 4.00 = 4.00",
       CheckColor::kBlue, S::kOk},
      {"compression above", CompressionCheck(4.5, 0.1, 4.0), " 4.50 > 4.00", CheckColor::kRed,
       S::kOut},
      {"compression not made: larger edge below 0", CompressionCheck(-0.1, -0.3, 4.0), "－",
       CheckColor::kKeep, S::kNotMade},
      {"compression of a null stress", CompressionCheck(kNullBox, 0.3, 4.0), "-----",
       CheckColor::kBlack, S::kNull},
      {"compression against a null allowable", CompressionCheck(1.0, 0.3, kNullBox), "-----",
       CheckColor::kBlack, S::kNull},
      {"compression of a NaN", CompressionCheck(kNaN, 0.3, 4.0), "-----", CheckColor::kBlack,
       S::kNull},
      {"tension within", TensionCheck(-0.15, 0.5, 0.20), "-0.15 >-0.20", CheckColor::kBlue, S::kOk},
      {"tension equal to the negative allowable passes", TensionCheck(0.3, -0.20, 0.20),
       "-0.20 =-0.20", CheckColor::kBlue, S::kOk},
      {"tension beyond", TensionCheck(-0.25, 0.5, 0.20), "-0.25 <-0.20", CheckColor::kRed, S::kOut},
      {"tension at zero is made", TensionCheck(0.0, 0.4, 0.20), " 0.00 >-0.20", CheckColor::kBlue,
       S::kOk},
      {"tension not made: pure compression", TensionCheck(0.1, 0.4, 0.20), "－", CheckColor::kKeep,
       S::kNotMade},
      {"tension with a null edge", TensionCheck(0.1, kNullBox, 0.20), "-----", CheckColor::kBlack,
       S::kNull},
      {"shear", AbsCheck(0.02, 0.30), " 0.02 < 0.30", CheckColor::kBlue, S::kOk},
      {"negative shear within, printed with its sign", AbsCheck(-0.30, 0.30), "-0.30 < 0.30",
       CheckColor::kBlue, S::kOk},
      {"negative shear beyond by its size", AbsCheck(-0.35, 0.30), "-0.35 < 0.30", CheckColor::kRed,
       S::kOut},
      {"rounded half away from zero on the decimal form", AbsCheck(2.675, 3.0), " 2.68 < 3.00",
       CheckColor::kBlue, S::kOk},
      // "##0.0": 123.45 -> "123.5", 180 -> "180.0"; a longer value is written whole.
      {"key steel", AbsCheck(123.45, 180, kSteelFormat), "123.5 <180.0", CheckColor::kBlue, S::kOk},
      {"key steel small", AbsCheck(45, 180, kSteelFormat), " 45.0 <180.0", CheckColor::kBlue,
       S::kOk},
      {"key steel beyond", AbsCheck(-200, 180, kSteelFormat), "-200.0 <180.0", CheckColor::kRed,
       S::kOut},
      {"key without steel", AbsCheck(kNullBox, 180, kSteelFormat), "-----", CheckColor::kBlack,
       S::kNull},
  };
  for (const CheckRow& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.cell.text, r.text);
    EXPECT_EQ(r.cell.color, r.color);
    EXPECT_EQ(r.cell.state, r.state);
  }
}

// The sign is the relation of the two numbers as printed (two decimals, one
// for the key's steel), never the verdict: a value that rounds onto its limit
// reads "=", red when the unrounded value exceeds it, blue when it does not.
TEST(MemberChecks, SignIsTheRelationOfThePrintedNumbers) {
  const std::vector<CheckRow> rows = {
      {"compression 4.004 over 4.00 prints equal", CompressionCheck(4.004, 0.1, 4.0),
       " 4.00 = 4.00", CheckColor::kRed, S::kOut},
      {"compression 3.996 under 4.00 prints equal", CompressionCheck(3.996, 0.1, 4.0),
       " 4.00 = 4.00", CheckColor::kBlue, S::kOk},
      {"compression under an allowable that rounds up", CompressionCheck(2.996, 0.1, 2.995),
       " 3.00 = 3.00", CheckColor::kRed, S::kOut},
      {"tension -0.204 beyond -0.20 prints equal", TensionCheck(-0.204, 0.1, 0.20), "-0.20 =-0.20",
       CheckColor::kRed, S::kOut},
      {"tension -0.195 within -0.20 prints equal", TensionCheck(-0.195, 0.1, 0.20), "-0.20 =-0.20",
       CheckColor::kBlue, S::kOk},
      {"shear 0.304 over 0.30 prints equal", AbsCheck(0.304, 0.30), " 0.30 = 0.30",
       CheckColor::kRed, S::kOut},
      {"negative shear -0.304 over 0.30 by its size", AbsCheck(-0.304, 0.30), "-0.30 < 0.30",
       CheckColor::kRed, S::kOut},
      {"key steel 180.04 over 180.0 prints equal", AbsCheck(180.04, 180, kSteelFormat),
       "180.0 =180.0", CheckColor::kRed, S::kOut},
      {"key steel 179.96 under 180.0 prints equal", AbsCheck(179.96, 180, kSteelFormat),
       "180.0 =180.0", CheckColor::kBlue, S::kOk},
  };
  for (const CheckRow& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.cell.text, r.text);
    EXPECT_EQ(r.cell.color, r.color);
    EXPECT_EQ(r.cell.state, r.state);
  }
}

TEST(MemberChecks, JudgementCountsOnlyTheChecksMade) {
  const CheckCell ok{"", CheckColor::kBlue, S::kOk};
  const CheckCell out{"", CheckColor::kRed, S::kOut};
  const CheckCell none{"－", CheckColor::kKeep, S::kNotMade};
  const CheckCell null{"-----", CheckColor::kBlack, S::kNull};
  struct Row {
    const char* name;
    std::vector<CheckCell> checks;
    const char* text;
    bool ok;
    bool computable;
  };
  const std::vector<Row> rows = {
      {"all pass", {ok, ok, ok}, "OK", true, true},
      {"one fails", {ok, out, ok}, "OUT", false, true},
      {"not made and passing", {none, ok, ok}, "OK", true, true},
      {"not made and failing", {out, none, ok}, "OUT", false, true},
      {"a null check is never OK", {ok, null, ok}, "-----", false, false},
      {"null beside a failure", {out, null, ok}, "-----", false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const Judgement j = RowJudgement(r.checks);
    EXPECT_EQ(j.text, r.text);
    EXPECT_EQ(j.ok, r.ok);
    EXPECT_EQ(j.computable, r.computable);
  }
}

TEST(MemberChecks, StemRowFromItsRecord) {
  CWallRes r;
  r.ForceN = 104.375;   // "#0.00": 104.38 (half away from zero)
  r.ForceS = 40.125;    // 40.13
  r.ForceM = -31.944;   // -31.94
  r.SetHeight(0, 1.8);  // 1000 x 1.8 = 1800.0 mm
  r.SetSgmc(0, 0.12);
  r.SetSgmc(1, -0.03);
  r.Sgmca = 6.0;
  r.Sgmta = 0.30;
  r.Tauc = 0.03;
  r.Taua = 0.45;
  const MemberRow row = WallRow(r);
  EXPECT_EQ(row.numbers, (std::vector<std::string>{"104.38", "40.13", "-31.94", "1800.0"}));
  ASSERT_EQ(row.checks.size(), 3u);
  EXPECT_EQ(row.checks[0].text, " 0.12 < 6.00");
  EXPECT_EQ(row.checks[1].text, "-0.03 >-0.30");
  EXPECT_EQ(row.checks[2].text, " 0.03 < 0.45");
  EXPECT_EQ(row.judgement.text, "OK");

  // A section the calculation could not form: every number and check "-----".
  CWallRes bad;
  bad.ForceN = bad.ForceS = bad.ForceM = kNullBox;
  bad.SetHeight(0, kNullBox);
  bad.SetSgmc(0, kNullBox);
  bad.SetSgmc(1, kNullBox);
  bad.Tauc = kNullBox;
  const MemberRow none = WallRow(bad);
  EXPECT_EQ(none.numbers, (std::vector<std::string>(4, "-----")));
  for (const CheckCell& c : none.checks) EXPECT_EQ(c.text, "-----");
  EXPECT_EQ(none.judgement.text, "-----");
}

TEST(MemberChecks, ToeRowJudgedByTensionAndShearWhenCompressionIsNotMade) {
  CFotRes r;
  r.ForceS = 12.5;
  r.ForceM = 3.0;
  r.Height = 0.5;
  r.SetSgmc(0, -0.05);
  r.SetSgmc(1, -0.4);  // tension -0.40 beyond -0.30
  r.Sgmca = 4.0;
  r.Sgmta = 0.30;
  r.Tauc = 0.1;
  r.Taua = 0.3;
  const MemberRow row = FotRow(r);
  EXPECT_EQ(row.numbers, (std::vector<std::string>{"12.50", "3.00", "500.0"}));
  EXPECT_EQ(row.checks[0].text, "－");
  EXPECT_EQ(row.checks[1].text, "-0.40 <-0.30");
  EXPECT_EQ(row.judgement.text, "OUT");
}

TEST(MemberChecks, KeyRowWithAndWithoutSteel) {
  CTokRes r;
  r.ForceS = 30.0;
  r.ForceM = 4.5;
  r.D = 0.4;         // 400.0 mm
  r.fAs = 0.000456;  // 1e6 x 0.000456 = 456.0 mm2, "##0.0"
  r.Sgmc = 2.5;
  r.Sgms = 120.0;
  r.Tauc = 0.075;  // "#0.00": 0.08 (half away from zero)
  r.Sgmca = 8.0;
  r.Sgmsa = 180.0;
  r.Taua = 0.39;
  MemberRow row = TokRow(r);
  EXPECT_EQ(row.numbers, (std::vector<std::string>{"30.00", "4.50", "400.0", "456.0"}));
  EXPECT_EQ(row.checks[0].text, " 2.50 < 8.00");
  EXPECT_EQ(row.checks[1].text, "120.0 <180.0");
  EXPECT_EQ(row.checks[2].text, " 0.08 < 0.39");
  EXPECT_EQ(row.judgement.text, "OK");

  // No steel: the stresses are null; forces, depth and area stay, the
  // checks and the judgement say "-----".
  r.Sgmc = r.Sgms = r.Tauc = kNullBox;
  row = TokRow(r);
  EXPECT_EQ(row.numbers[3], "456.0");
  for (const CheckCell& c : row.checks) EXPECT_EQ(c.text, "-----");
  EXPECT_EQ(row.judgement.text, "-----");
  EXPECT_FALSE(row.judgement.ok);
}

// Spacing (mm) = 1000 / bars per metre, in both directions.
TEST(MemberRebar, SpacingAndCountFollowEachOther) {
  struct Row {
    const char* name;
    double before, after;
    std::optional<double> other;
  };
  const std::vector<Row> rows = {
      {"4 bars give a spacing of 250", kNullDouble, 4, 250.0},
      {"a spacing of 200 gives 5 bars", 250, 200, 5.0},
      {"3 bars give 333.33...", 4, 3, 1000.0 / 3},
      {"an unchanged value touches nothing", 4, 4, std::nullopt},
      {"zero is no count", 4, 0, std::nullopt},
      {"a blank box is no count", 4, kNullBox, std::nullopt},
      {"negative", 4, -2, std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::optional<double> got = PairedRebarValue(r.before, r.after);
    ASSERT_EQ(got.has_value(), r.other.has_value());
    if (got) {
      EXPECT_DOUBLE_EQ(*got, *r.other);
    }
  }
}

TEST(MemberRebar, SteelAreaFromTheBarTable) {
  CDocument d;
  struct Row {
    const char* name;
    int16_t dia;
    double hon;
    double area;  // m2 per metre
  };
  const std::vector<Row> rows = {
      {"D16 x 4: 4 x 1.986 cm2 = 7.944 cm2", 16, 4, 7.944e-4},
      {"D13 x 5: 5 x 1.267 cm2 = 6.335 cm2", 13, 5, 6.335e-4},
      {"no diameter", 0, 4, 0},
      {"never chosen", -1, 4, 0},
      {"a diameter not in the table", 17, 4, 0},
      {"blank count", 16, kNullBox, 0},
      {"count never entered", 16, kNullDouble, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    d.TokDia = r.dia;
    d.TokHon = r.hon;
    EXPECT_NEAR(KeySteelArea(d), r.area, 1e-12);
  }
  EXPECT_EQ(DiameterFromText("13"), 13);
  EXPECT_EQ(DiameterFromText(""), 0);
  EXPECT_EQ(DiameterFromText("x"), 0);
}

}  // namespace
}  // namespace norva
