// The detail pages of one case, from its stored results: judgement rows at
// and around equality, overturning, sliding (plain, shear key, inclined base,
// the omission), bearing by guideline, the earth-pressure boxes and the
// wedge trial table, and the user's slip angle.
#include "screens/results/antei_res_pages.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {
namespace {

constexpr double kRad = 0.017453292519943278;  // radians per degree (the calculation's)

void ExpectRow(const JudgeRow& r, const char* mark, const char* verdict, bool ok) {
  EXPECT_EQ(r.mark, mark);
  EXPECT_EQ(r.verdict, verdict);
  EXPECT_EQ(r.ok, ok);
}

TEST(AnteiResJudgeRows, MarksAndVerdictsAroundEquality) {
  struct Row {
    const char* name;
    double v, lim;
    const char* lowerMark;
    const char* lowerVerdict;
    const char* upperVerdict;
  } rows[] = {
      {"below", 1.4, 1.5, "<", "OUT", "OK"},
      {"equal reads = and OK both ways", 1.5, 1.5, "=", "OK", "OK"},
      // Shown with two decimals both read 1.50: "=", though Fs < Fsa fails.
      {"equal as shown, below as computed", 1.4996, 1.5, "=", "OUT", "OK"},
      {"above as shown", 1.506, 1.5, ">", "OK", "OUT"},
      {"above", 1.6, 1.5, ">", "OK", "OUT"},
      {"value not computed", kNullBox, 1.5, "", "-----", "-----"},
      {"limit not computed", 1.5, kNullBox, "", "-----", "-----"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const JudgeRow lo = LowerBoundRow(r.v, r.lim, 2);
    const JudgeRow up = UpperBoundRow(r.v, r.lim, 2);
    ExpectRow(lo, r.lowerMark, r.lowerVerdict, std::string(r.lowerVerdict) == "OK");
    ExpectRow(up, r.lowerMark, r.upperVerdict, std::string(r.upperVerdict) == "OK");
  }
  // A value that was not computed leaves its box blank, the other shows.
  const JudgeRow r = LowerBoundRow(kNullBox, 1.5, 2);
  EXPECT_EQ(r.value, kNullBox);
  EXPECT_EQ(r.limit, 1.5);
  // Beyond 1e8: compared and failing.
  ExpectRow(UpperBoundRow(1e10, 200, 2), ">", "OUT", false);
}

TEST(AnteiResThrustPage, LimitHeightAndJudgement) {
  CAntRes r;
  r.Ka = 0.297;
  r.Xh = 0.45;
  r.Xd = 0.45;
  r.Ha = kNullBox;  // no limit height found: its box stays blank
  const ThrustPage p = ThrustPageModel(r);
  ExpectRow(p.row, "=", "OK", true);
  EXPECT_EQ(p.Ha, kNullBox);
  r.Xh = 0.451;
  ExpectRow(ThrustPageModel(r).row, ">", "OUT", false);
}

std::unique_ptr<CDocument> Doc(int32_t wallType, int32_t sisin = 0) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(wallType);
  d->Sisin = sisin;
  d->Tokki = 0;
  d->ChkSlide = 1;
  return d;
}

TEST(AnteiResOverturningPage, EqualityAndTheHeelSide) {
  CAntRes r;
  r.SgmMr = 150;
  r.SgmMo = 50;
  r.SgmV = 100;
  r.Fm = 1.5;
  r.Fma = 1.5;
  r.Breadth = 3;
  r.Ea = 0.5;
  r.D = 1.0;  // L = 3/2 - 0.5 = 1.0
  r.E = 0.5;
  auto gravity = Doc(1);
  OverturningPage p = OverturningPageModel(*gravity, r);
  ExpectRow(p.factor, "=", "OK", true);
  ExpectRow(p.position, "=", "OK", true);
  EXPECT_DOUBLE_EQ(p.position.limit, 1.0);
  ExpectRow(p.eccentricity, "=", "OK", true);  // E = Ea

  r.E = -0.75;  // -1.5 Ea, beyond the heel; the box shows -0.750 < 0.500
  struct Row {
    const char* name;
    int32_t wallType;
    const char* mark;
    const char* verdict;
  } rows[] = {
      {"block wall leans on its backfill", 0, "<", "OK"},
      {"gravity wall", 1, "<", "OUT"},
      {"leaning wall", 2, "<", "OUT"},
      {"lower wall of a mixed wall, whichever part is selected", 3, "<", "OK"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    ExpectRow(OverturningPageModel(*Doc(x.wallType), r).eccentricity, x.mark, x.verdict,
              std::string(x.verdict) == "OK");
  }
  r.E = 0.51;
  ExpectRow(OverturningPageModel(*Doc(0), r).eccentricity, ">", "OUT", false);
  r.Fm = 0;  // no overturning moment: stored as 0, shown as it is
  ExpectRow(OverturningPageModel(*gravity, r).factor, "<", "OUT", false);
}

TEST(AnteiResSlidePage, PlainKeyInclinedAndOmitted) {
  CAntRes r;
  r.SgmV = 100;
  r.SgmH = 40;
  r.Hu = 60;
  r.Fs = 1.5;
  r.Fsa = 1.5;
  r.Breadth = 2;
  r.Q1 = 11;
  r.Q2 = 22;
  r.Q3 = 33;
  auto plain = Doc(1);
  SlidePage p = SlidePageModel(*plain, r);
  EXPECT_FALSE(p.keyPage);
  EXPECT_DOUBLE_EQ(p.force, 40);
  EXPECT_FALSE(p.omitted);
  ExpectRow(p.fs, "=", "OK", true);  // Fs = Fsa passes

  auto key = Doc(1);
  key->Tokki = 1;
  p = SlidePageModel(*key, r);
  EXPECT_TRUE(p.keyPage);
  // q2 is the heel (Q3), q3 the front of the key (Q2).
  EXPECT_EQ(p.q1, 11);
  EXPECT_EQ(p.q2, 33);
  EXPECT_EQ(p.q3, 22);

  // A block wall with a key in its file: the plain page.
  auto block = Doc(0);
  block->Tokki = 1;
  EXPECT_FALSE(SlidePageModel(*block, r).keyPage);

  struct Row {
    const char* name;
    double SgmH, Fs;
    bool omitted;
  } rows[] = {
      {"no horizontal load", 0, -1, true},
      {"a tiny horizontal load: no force to resist", 0.0005, -1, true},
      {"a real force", 40, 1.2, false},
      {"sums not computed", kNullBox, kNullBox, false},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    r.SgmH = x.SgmH;
    r.Fs = x.Fs;
    EXPECT_EQ(SlidePageModel(*plain, r).omitted, x.omitted);
    EXPECT_EQ(SlidePageModel(*key, r).omitted, x.omitted);
  }
  r.SgmH = kNullBox;
  r.Fs = kNullBox;
  ExpectRow(SlidePageModel(*plain, r).fs, "", "-----", false);
}

TEST(AnteiResSlidePage, ForceAlongAnInclinedBase) {
  // B = 2, rise 0.2: theta = atan(0.1).
  const double th = std::atan(0.1);
  // V = 100, H = 40: phi = atan(2.5), force = sqrt(11600) cos(phi + theta).
  EXPECT_NEAR(SlidingForce(100, 40, 2, 0.2, true),
              std::sqrt(11600.0) * std::cos(std::atan(2.5) + th), 1e-12);
  // H = 0: phi = pi/2, force = -V sin(theta) = -100 * 0.0995037 = -9.95037.
  EXPECT_NEAR(SlidingForce(100, 0, 2, 0.2, true), -9.950371902, 1e-8);
  EXPECT_DOUBLE_EQ(SlidingForce(100, 40, 2, 0.2, false), 40);
  EXPECT_DOUBLE_EQ(SlidingForce(100, 40, 0, 0.2, true), 40);  // no base width: H stays
  EXPECT_EQ(SlidingForce(kNullBox, 40, 2, 0.2, true), kNullBox);

  // The page takes the calculation's force whatever the guideline; a shear
  // key keeps the horizontal sum.
  auto doc = Doc(1, 3);
  doc->nKeisya = 0;
  doc->KeisyaH = 0.2;
  doc->GrwB = 2;
  doc->GrwH1 = 0.5;
  CAntRes r;
  r.SgmV = 100;
  r.SgmH = 0;
  r.Breadth = 2;
  r.Fs = -1;
  r.Fsa = 1.5;
  SlidePage p = SlidePageModel(*doc, r);
  EXPECT_NEAR(p.force, -9.950371902, 1e-8);
  EXPECT_TRUE(p.omitted);
  doc->Tokki = 1;
  EXPECT_DOUBLE_EQ(SlidePageModel(*doc, r).force, 0);
}

TEST(AnteiResBearingPage, ByGuidelineAndEntry) {
  CAntRes r;
  r.SgmV = 100;
  r.E = 0.2;
  r.Breadth = 3;
  r.Qmax = 123.456;
  r.Qmin = 0.004;
  r.Qa = 123.456;
  auto doc = Doc(1, 0);
  doc->SetnCase(1);
  auto k = std::make_shared<CKajyuCase>();
  k->QaPremium = 1.5;
  doc->SetpCase(0, k);
  doc->Qa = 100;

  BearingPage p = BearingPageModel(*doc, 0, r);
  EXPECT_EQ(p.page, 0);
  EXPECT_EQ(p.q1, "123.46");
  EXPECT_EQ(p.q2, "0.00");
  ExpectRow(p.reaction, "=", "OK", true);  // farm roads: q = qa

  doc->Sisin = 2;
  doc->nQa = 0;
  p = BearingPageModel(*doc, 0, r);
  ExpectRow(p.reaction, "=", "OK", true);  // road earthworks: q = qa
  EXPECT_TRUE(p.panelVisible);
  // The larger reaction governs on every page, the heel's included.
  r.Qmax = 90;
  r.Qmin = 130;
  ExpectRow(BearingPageModel(*doc, 0, r).reaction, ">", "OUT", false);
  doc->nQa = 1;  // qa = 1.5 x 100 = 150
  p = BearingPageModel(*doc, 0, r);
  EXPECT_DOUBLE_EQ(p.reaction.limit, 150);
  ExpectRow(p.reaction, "<", "OK", true);
  r.Qmax = r.Qmin = 1e10;
  p = BearingPageModel(*doc, 0, r);
  EXPECT_EQ(p.q1, "-----");
  EXPECT_EQ(p.q2, "-----");
  ExpectRow(p.reaction, ">", "OUT", false);  // outside the base: fails
  EXPECT_EQ(p.reaction.value, 1e10);         // its box stays blank
  r.Qmax = r.Qmin = kNullBox;
  ExpectRow(BearingPageModel(*doc, 0, r).reaction, "", "-----", false);
  r.Qmax = r.Qmin = 1e10;
  doc->nQa = 0;  // no exception to the dash rule any more
  EXPECT_EQ(BearingPageModel(*doc, 0, r).q1, "-----");
  auto block = Doc(0, 2);
  EXPECT_FALSE(BearingPageModel(*block, 0, r).panelVisible);
}

TEST(AnteiResBearingPage, LargeBlockEffectiveWidth) {
  auto doc = Doc(0, 3);
  CAntRes r;
  r.Breadth = 3;
  r.Qmax = 120;
  r.Qmin = 40;
  r.Qu = 500;
  r.fB = 3;
  r.Fba = 3;
  // e' = |80 x 0.5 / 160| = 0.25, B' = 3 - 0.5 = 2.5, QV = 160 x 3 / 2 = 240.
  BearingPage p = BearingPageModel(*doc, 0, r);
  EXPECT_EQ(p.page, 1);
  EXPECT_DOUBLE_EQ(p.Bdash, 2.5);
  EXPECT_DOUBLE_EQ(p.QV, 240);
  ExpectRow(p.factor, "=", "OK", true);
  r.Qmax = r.Qmin = 0;  // no reaction: e' and B' cannot be formed
  p = BearingPageModel(*doc, 0, r);
  EXPECT_EQ(p.Bdash, kNullBox);
  EXPECT_DOUBLE_EQ(p.QV, 0);
  r.Qmax = r.Qmin = 1e10;
  p = BearingPageModel(*doc, 0, r);
  EXPECT_EQ(p.q1, "-----");
  EXPECT_EQ(p.Bdash, kNullBox);
  ExpectRow(p.factor, "=", "OK", true);  // still judged on fB
}

TEST(AnteiResBearingFactors, ShownOrGreyed) {
  auto doc = Doc(1);
  CAntRes r;
  r.Nc = 30.14;
  r.Nq = 18.4;
  r.Ng = 15.67;
  doc->nQa = 0;
  BearingFactorBoxes b = BearingFactorModel(*doc, r);
  EXPECT_TRUE(b.enabled);
  EXPECT_EQ(b.Nc, 30.14);
  doc->nQa = 1;
  EXPECT_FALSE(BearingFactorModel(*doc, r).enabled);
}

// ---- Earth pressure --------------------------------------------------------------

const BoxValue* Find(const DoatsuBoxes& d, int i) {
  for (const BoxValue& b : d.boxes)
    if (b.index == i) return &b;
  return nullptr;
}

TEST(AnteiResDoatsuBoxes, EmbankmentAngleInDegreesWithItsRange) {
  CAntRes r;
  r.Kusabi(0)->fOmega = 35.04 * kRad;
  r.Kusabi(0)->fMinOmg = 30;
  r.Kusabi(0)->fMaxOmg = 60;
  r.Pa = 41.5;
  const DoatsuBoxes d = EmbankmentBoxes(r);
  const BoxValue* w = Find(d, 0);
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(w->value, 35.04, 1e-12);  // shows 35.04 in "#0.00"
  EXPECT_TRUE(w->ranged);
  EXPECT_EQ(w->min, 30);
  EXPECT_EQ(w->max, 60);
  EXPECT_EQ(Find(d, 1)->value, 41.5);
}

TEST(AnteiResDoatsuBoxes, CutPageBoundaryWedgeAtItsUpperLimit) {
  CDocument doc;
  doc.Sisin = 0;
  doc.KiriDoatsu = 0;
  CAntRes r;
  auto k0 = r.Kusabi(0);
  k0->fTheta = 60 * kRad;
  k0->fOmega = 45.678 * kRad;
  k0->fMinOmg = 30;
  k0->fMaxOmg = 45.678;
  k0->SetfWQ(0, 10);
  k0->SetfWQ(1, 5);
  auto k1 = r.Kusabi(1);
  k1->fOmega = 50.126 * kRad;
  k1->fMinOmg = 32;
  k1->fMaxOmg = 70;
  k1->SetfWQ(0, 7);
  k1->SetfWQ(1, 3);
  k1->SetfL(0, 1.5);
  k1->SetfL(1, 2.25);
  DoatsuBoxes d = CutBoxes(doc, r);
  // min(round2(45.678) = 45.68, 45.678) = 45.678 within 30 .. 45.68.
  const BoxValue* w = Find(d, 1);
  EXPECT_NEAR(w->value, 45.678, 1e-9);
  EXPECT_EQ(w->min, 30);
  EXPECT_EQ(w->max, 45.68);
  EXPECT_NEAR(Find(d, 0)->value, 60, 1e-9);
  EXPECT_EQ(Find(d, 2)->value, 10);
  EXPECT_EQ(Find(d, 3)->value, 5);
  EXPECT_NEAR(Find(d, 7)->value, 50.126, 1e-9);  // not rounded
  EXPECT_EQ(Find(d, 7)->min, 32);
  EXPECT_EQ(Find(d, 8)->value, 10);    // 3 + 7
  EXPECT_EQ(Find(d, 9)->value, 3.75);  // 2.25 + 1.5
  EXPECT_TRUE(d.backfillEnabled);

  // Boundary wedge alone: the backfill wedge's boxes stay unfilled.
  doc.KiriDoatsu = 1;
  d = CutBoxes(doc, r);
  EXPECT_FALSE(d.backfillEnabled);
  for (int i : {7, 8, 9, 10}) EXPECT_EQ(Find(d, i), nullptr) << i;
  EXPECT_NE(Find(d, 14), nullptr);

  // Under the large-block guideline: wedge 1 first, wedge 0 second.
  doc.Sisin = 3;
  d = CutBoxes(doc, r);
  EXPECT_NEAR(Find(d, 0)->value, 50.126, 1e-9);
  EXPECT_EQ(Find(d, 1)->value, 10);
  EXPECT_NEAR(Find(d, 4)->value, 45.678, 1e-9);
  EXPECT_EQ(Find(d, 5)->value, 15);
  EXPECT_FALSE(Find(d, 0)->ranged);
}

TEST(AnteiResDoatsuBoxes, AngleTypedAtTheLimitStaysShown) {
  CAntRes r;
  r.Kusabi(0)->fMinOmg = 30;
  r.Kusabi(0)->fMaxOmg = 60;
  // The user's 60 degrees after the trip through radians.
  r.Kusabi(0)->fOmega = 60 * kRad;
  const DoatsuBoxes d = EmbankmentBoxes(r);
  const BoxValue* w = Find(d, 0);
  EXPECT_GE(w->value, w->min);
  EXPECT_LE(w->value, w->max);
}

TEST(AnteiResRound2, HalfAwayFromZero) {
  EXPECT_DOUBLE_EQ(Round2(45.678), 45.68);
  EXPECT_DOUBLE_EQ(Round2(45.674), 45.67);
  EXPECT_DOUBLE_EQ(Round2(-1.235), -1.24);
  EXPECT_DOUBLE_EQ(Round2(0), 0);
}

// A folder of the test's own.
class TrialFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "antei_trials_XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  // n trials from 30 degrees in steps of 0.2, written as the calculation does.
  std::string Write(const char* name, int n, double first = 30) {
    std::vector<std::shared_ptr<CKusabiRes>> trials;
    for (int k = 0; k < n; ++k) {
      auto t = std::make_shared<CKusabiRes>();
      t->fOmega = (first + 0.2 * k) * kRad;
      t->SetfL(0, 1.0);
      t->SetfL(1, 0.25 * k);
      t->SetfWQ(0, 20);
      t->SetfWQ(1, 1.5);
      t->fPa = 40 + k;
      trials.push_back(t);
    }
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(WriteKusabiFile(path, trials, n));
    return path;
  }
  void AppendBytes(const std::string& path, int bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::app);
    f << std::string(static_cast<size_t>(bytes), '\0');
  }
  std::filesystem::path dir_;
};

TEST_F(TrialFolder, ReadsEveryTrialInFileOrder) {
  const std::string path = Write("k.tmp", 5);
  const std::vector<TrialRow> rows = ReadTrialTable(path);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_NEAR(rows[0].omegaDeg, 30, 1e-9);
  EXPECT_NEAR(rows[4].omegaDeg, 30.8, 1e-9);
  EXPECT_DOUBLE_EQ(rows[3].L, 1.75);  // 0.75 + 1.0
  EXPECT_DOUBLE_EQ(rows[3].W, 21.5);  // 1.5 + 20
  EXPECT_DOUBLE_EQ(rows[3].Pa, 43);
}

TEST_F(TrialFolder, FewerThanTwoRecordsOrNoFileGiveNoTable) {
  EXPECT_TRUE(ReadTrialTable(Write("one.tmp", 1)).empty());
  EXPECT_TRUE(ReadTrialTable((dir_ / "missing.tmp").string()).empty());
  EXPECT_TRUE(ReadTrialTable("").empty());
  // 700 bytes round to one record.
  const std::string p = Write("short.tmp", 1);
  AppendBytes(p, 200);
  EXPECT_TRUE(ReadTrialTable(p).empty());
}

TEST_F(TrialFolder, ARecordCutShortIsLeftOut) {
  // Two records and 300 bytes: 1300 / 500 rounds to 3, but the third record
  // holds no trial.
  std::string p = Write("cut.tmp", 2);
  AppendBytes(p, 300);
  EXPECT_EQ(ReadTrialTable(p).size(), 2u);
  // One record and 250 bytes: 750 / 500 = 1.5 rounds to 2, one trial only.
  p = Write("half.tmp", 1);
  AppendBytes(p, 250);
  EXPECT_TRUE(ReadTrialTable(p).empty());
}

TEST_F(TrialFolder, AngleOfATrialToOneDecimal) {
  const std::vector<TrialRow> rows = ReadTrialTable(Write("a.tmp", 2, 35.04));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NEAR(rows[0].omegaDeg, 35.04, 1e-9);  // the table shows 35.0
}

// ---- The user's slip angle --------------------------------------------------------

TEST(AnteiResSlipAngle, Hint) {
  EXPECT_EQ(SlipAngleHint(kOmegaChangeHint, 30, 60),
            std::string(kOmegaChangeHint) + " 入力範囲:30.00～60.00");
  EXPECT_EQ(SlipAngleHint("", 5.5, 45.678), " 入力範囲:5.50～45.68");
}

std::unique_ptr<CDocument> WedgeDoc(int32_t wallType, int32_t doatsu, int32_t backType) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(wallType);
  d->Doatsu = doatsu;
  d->BackType = backType;
  d->SetnCase(2);
  for (int i = 0; i < 2; ++i) d->SetpCase(i, std::make_shared<CKajyuCase>());
  return d;
}

TEST(AnteiResSlipAngle, TheRecordEachBoxFixes) {
  auto emb = WedgeDoc(1, 1, 0);
  // An embankment has one wedge, whichever box.
  EXPECT_EQ(UserOmegaRecord(*emb, 1, 0, 1), emb->AntRes(0, 1)->Kusabi(0));
  auto cut = WedgeDoc(1, 1, 1);
  EXPECT_EQ(UserOmegaRecord(*cut, 0, 0, 0), cut->AntRes(0, 0)->Kusabi(0));
  EXPECT_EQ(UserOmegaRecord(*cut, 0, 0, 1), cut->AntRes(0, 0)->Kusabi(1));
  auto mixed = WedgeDoc(3, 0, 1);
  // The lower wall of a mixed wall always has wedges; Coulomb's upper wall none.
  EXPECT_EQ(UserOmegaRecord(*mixed, 1, 1, 1), mixed->AntRes(1, 1)->Kusabi(1));
  EXPECT_EQ(UserOmegaRecord(*mixed, 1, 0, 1), nullptr);
  EXPECT_EQ(UserOmegaRecord(*emb, -1, 0, 0), nullptr);
  EXPECT_EQ(UserOmegaRecord(*emb, 2, 0, 0), nullptr);
}

TEST(AnteiResSlipAngle, FixesTheAngleAndRecalculatesOnce) {
  auto doc = WedgeDoc(1, 1, 1);
  int calls = 0;
  int recalculated = -1;
  auto recalc = [&](CDocument&, int32_t i) {
    ++calls;
    recalculated = i;
    return true;
  };
  EXPECT_TRUE(ApplyUserOmega(*doc, 1, 0, 1, 47.5, recalc));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(recalculated, 1);
  auto w1 = doc->AntRes(0, 1)->Kusabi(1);
  EXPECT_NE(w1->bChgOmg, 0);
  EXPECT_EQ(w1->fChgOmg, 47.5);
  EXPECT_EQ(doc->AntRes(0, 1)->Kusabi(0)->bChgOmg, 0);  // the other wedge is searched

  // A blank box is no angle; Coulomb has no wedge.
  EXPECT_FALSE(ApplyUserOmega(*doc, 1, 0, 0, kNullBox, recalc));
  auto coulomb = WedgeDoc(1, 0, 0);
  EXPECT_FALSE(ApplyUserOmega(*coulomb, 0, 0, 0, 40, recalc));
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace norva
