// The values screen 1 derives and writes into the document, checked against
// hand calculation on the four sample documents: what the calculation then
// reads (wall height, back gradient of leaning walls, base widths) must be
// what the entered section gives, and retyping what a box shows must change
// nothing in the saved file.
#include <QApplication>
#include <algorithm>
#include <cmath>
#include <string>

#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/outline.h"
#include "drawing/sheet/sheet_sections.h"
#include "screens/section/kutai_rules.h"
#include "section_test_support.h"

namespace norva {
namespace {

std::string SamplePath(const char* name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name;
}

// ---- Rules, on the samples --------------------------------------------------------

TEST(SampleDerivations, FillKeepsWhatTheSamplesInputsGive) {
  // Block wall on a footing: WallB is the footing width.
  CDocument block;
  ASSERT_TRUE(DataFileReadFrom(block, SamplePath("block_masonry.nrv")));
  ASSERT_EQ(block.WallType(), 0);
  ASSERT_EQ(block.nBlkFound, 0);
  DataSetNormalise(block);
  EXPECT_DOUBLE_EQ(block.WallB, 0.85);  // = BlkB

  // Gravity: GrwN = GrwB1 / (WallH - GrwH1) = 0.6 / (3.0 - 0), flat base.
  CDocument gravity;
  ASSERT_TRUE(DataFileReadFrom(gravity, SamplePath("gravity.nrv")));
  ASSERT_EQ(gravity.WallType(), 1);
  ASSERT_EQ(gravity.GrwH1, 0);
  DataSetNormalise(gravity);
  EXPECT_DOUBLE_EQ(gravity.GrwN, 0.2);
  EXPECT_DOUBLE_EQ(gravity.WallB, 1.8);  // = GrwB

  // Leaning: H1 4.0, H2 0.5, H3 0.3, B1 0.3, B2 1.2, B3 0.4, B4 0.9. Its back
  // face rises H1 + H3 = 4.3 over B4.
  CDocument leaning;
  ASSERT_TRUE(DataFileReadFrom(leaning, SamplePath("leaning.nrv")));
  ASSERT_EQ(leaning.WallType(), 2);
  DataSetNormalise(leaning);
  EXPECT_DOUBLE_EQ(leaning.WallH, 4.5);         // 4.0 + 0.5
  EXPECT_DOUBLE_EQ(leaning.MtwN2, 9.0 / 43.0);  // 0.9 / 4.3 = 0.2093
  EXPECT_NEAR(leaning.WallB, 1.0, 1e-12);       // 0.3 + 1.2 + 0.4 - 0.9
  EXPECT_DOUBLE_EQ(leaning.MtwN1, 0.3);         // 1.2 / 4.0, as stored

  // Mixed: WallH = MxwH1 + MxwH2 = 2.0 + 1.5; WallB = GrwB.
  CDocument mixed;
  ASSERT_TRUE(DataFileReadFrom(mixed, SamplePath("mixed.nrv")));
  ASSERT_EQ(mixed.WallType(), 3);
  DataSetNormalise(mixed);
  EXPECT_DOUBLE_EQ(mixed.WallH, 3.5);
  EXPECT_DOUBLE_EQ(mixed.WallB, 1.6);
}

TEST(SampleDerivations, BlockSampleFootingAndBaseWidthByHand) {
  CDocument d;
  ASSERT_TRUE(DataFileReadFrom(d, SamplePath("block_masonry.nrv")));
  // BlkT 0.35, BlkDeltT2 0.35, BlkN 0.5, BlkB 0.85, BlkB1 0.1, BlkH1 0.35,
  // BlkH2 0.25, laid square to the face:
  // a = atan(0.10 / 0.75) = 7.595 deg, t = atan 0.5 = 26.565 deg,
  // Bmin = cos a * 0.70 / cos(a - t) + 0.1 = 0.833710 -> 0.834 <= 0.85.
  const auto bmin = LeastFootingWidth(d, d.BlkB);
  ASSERT_TRUE(bmin.has_value());
  EXPECT_DOUBLE_EQ(*bmin, 0.834);
  EXPECT_TRUE(CheckFootingWidth(d).passes);
  EXPECT_DOUBLE_EQ(d.BlkB, 0.85);

  // Without the footing: WallB = (BlkT + BlkDeltT2) cos t square to the face,
  // (BlkT + BlkDeltT2) / cos t laid horizontally, cos t = 2 / sqrt 5.
  d.nBlkFound = 1;
  d.nBlkSetup = 0;
  ASSERT_TRUE(BlockBaseWidthRule(d));
  EXPECT_NEAR(d.WallB, 0.626099, 1e-6);  // 0.70 * 0.894427
  d.nBlkSetup = 1;
  ASSERT_TRUE(BlockBaseWidthRule(d));
  EXPECT_NEAR(d.WallB, 0.782624, 1e-6);  // 0.70 / 0.894427
}

// The stability calculation of a leaning wall takes its back gradient MtwN2:
// a back face made vertical (B4 = 0, which its box accepts) must give N2 = 0,
// not keep the gradient of the former back width nor stay unset.
TEST(SampleDerivations, LeaningBackGradientFollowsAVerticalBack) {
  CDocument d;
  ASSERT_TRUE(DataFileReadFrom(d, SamplePath("leaning.nrv")));
  ASSERT_DOUBLE_EQ(d.MtwN2, 0.225);  // as the file holds it
  d.MtwB4 = 0;
  const LeaningShown s = LeaningRules(d, 6);
  EXPECT_TRUE(s.n2);
  EXPECT_EQ(d.MtwN2, 0.0);           // 0 / (4.0 + 0.3)
  EXPECT_NEAR(d.WallB, 1.9, 1e-12);  // 0.3 + 1.2 + 0.4 - 0
  EXPECT_DOUBLE_EQ(d.WallH, 4.5);    // 4.0 + 0.5

  // A new leaning wall entered with a vertical back from the start.
  CDocument fresh;
  fresh.SetWallType(2);
  ASSERT_LT(fresh.MtwN2, 0);  // not entered
  fresh.MtwH1 = 3.0;
  fresh.MtwB4 = 0;
  LeaningRules(fresh, 6);
  EXPECT_EQ(fresh.MtwN2, 0.0);  // 0 / 3.0

  // A blank back width still leaves the gradient alone.
  d.MtwB4 = kNullBox;
  d.MtwN2 = 0.5;
  EXPECT_FALSE(LeaningRules(d, 6).n2);
  EXPECT_EQ(d.MtwN2, 0.5);
}

// ---- The screen ---------------------------------------------------------------------

class RetypingShownValues : public test::SectionFixture,
                            public ::testing::WithParamInterface<const char*> {};

// Typing the text a box shows over itself and leaving it is no change: the
// saved file stays byte for byte as it was, on every page.
TEST_P(RetypingShownValues, LeaveTheSavedFileAsItWas) {
  auto doc = OpenCopy(GetParam());
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  const std::string filled = DocumentFileBytes(*doc);
  int typed = 0;
  for (int page = 0; page < 3; ++page) {
    s->vstKutai->SetCurrentTab(page);
    QApplication::processEvents();
    for (NumberBox* b : s->Boxes()) {
      if (!b->isEnabled() || !b->isVisible() || b->IsLocked() || b->IsBlank()) continue;
      const std::string before = DocumentFileBytes(*doc);
      test::Enter(b, b->text());
      ++typed;
      EXPECT_EQ(DocumentFileBytes(*doc), before) << b->objectName().toStdString();
    }
  }
  EXPECT_GT(typed, 5);
  EXPECT_EQ(DocumentFileBytes(*doc), filled);
}

INSTANTIATE_TEST_SUITE_P(Samples, RetypingShownValues,
                         ::testing::Values("block_masonry.nrv", "gravity.nrv", "leaning.nrv",
                                           "mixed.nrv"));

class SectionDerivationScreen : public test::SectionFixture {};

TEST_F(SectionDerivationScreen, LeaningBackWidthZeroShowsAndStoresAVerticalBack) {
  auto doc = OpenCopy("leaning.nrv");
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  test::Enter(s->imnMtwSize[6], "0");
  EXPECT_EQ(doc->MtwB4, 0.0);
  EXPECT_EQ(doc->MtwN2, 0.0);  // 0 / (4.0 + 0.3)
  EXPECT_FALSE(s->imnMtwSize[8]->IsBlank());
  EXPECT_EQ(s->imnMtwSize[8]->Value(), 0.0);
  EXPECT_NEAR(doc->WallB, 1.9, 1e-12);  // 0.3 + 1.2 + 0.4 - 0
}

// The boxes a sample enables on its own shape page and the common pages,
// worked out from its settings:
// block: Sisin 4, footing, square laying, flat base, no quake, no water,
//   horizontal back ground, fill -> Δt1, Δt2 and the footing's H2 open, the
//   joint thickness and the base height closed;
// gravity: Sisin 2, no key, flat base, quake -> seismic front soil open,
//   base height and key closed;
// leaning: H2 0.5 (base and key not forced off), flat base, no key;
// mixed: flat base, no key.
struct EnabledRow {
  const char* sample;
  const char* enabled;
};

class SampleEnabling : public test::SectionFixture,
                       public ::testing::WithParamInterface<EnabledRow> {};

TEST_P(SampleEnabling, BoxesOfTheShapePageAndTheCommonPages) {
  auto doc = OpenCopy(GetParam().sample);
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  std::string on;
  for (const KutaiField& f : KutaiFields()) {
    if (f.page != -1 && f.page != doc->WallType()) continue;
    NumberBox* b = s->Box(f.name, f.index);
    ASSERT_NE(b, nullptr) << f.name << f.index;
    if (!b->isEnabled()) continue;
    if (!on.empty()) on += ' ';
    on += std::string(f.name) + (f.index >= 0 ? std::to_string(f.index) : "");
  }
  EXPECT_EQ(on, GetParam().enabled);
  EXPECT_TRUE(s->cmdNext->isEnabled());  // every sample is complete
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleEnabling,
    ::testing::Values(
        EnabledRow{"block_masonry.nrv",
                   "imnBlockSize0 imnBlockSize1 imnBlockSize2 imnBlockSize3 imnBlockSize4 "
                   "imnFoundSize0 imnFoundSize1 imnFoundSize2 imnFoundSize3 imnBlockLength0 "
                   "imnSOILFH0 imnHD"},
        EnabledRow{"gravity.nrv",
                   "imnGrwSize0 imnGrwSize1 imnGrwSize2 imnGrwSize3 imnGrwSize4 imnGrwSize5 "
                   "imnGrwSize6 imnBlockLength1 imnSOILFH0 imnSOILFH1 imnHD"},
        EnabledRow{"leaning.nrv",
                   "imnMtwSize0 imnMtwSize1 imnMtwSize2 imnMtwSize3 imnMtwSize4 imnMtwSize5 "
                   "imnMtwSize6 imnMtwSize7 imnMtwSize8 imnBlockLength2 imnSOILFH0 imnHD"},
        EnabledRow{"mixed.nrv",
                   "imnCongouSize0 imnCongouSize1 imnCongouSize2 imnCongouSize3 imnCongouSize4 "
                   "imnCongouSize5 imnCongouSize6 imnCongouSize7 imnCongouSize8 imnCongouSize9 "
                   "imnCongouSize10 imnBlockLength3 imnSOILFH0 imnHD"}));

// Options of the base and key on a sample: the key closes the inclined base
// and opens its own boxes; an inclined base opens its height, and the gravity
// slope then counts it: GrwN = 0.6 / (3.0 - 0.3 - 0) = 0.222222.
TEST_F(SectionDerivationScreen, GravityBaseAndKeyOptionsOpenTheirBoxesAndReshapeTheSlope) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  s->optTokki.Item(1)->click();
  EXPECT_EQ(doc->Tokki, 1);
  EXPECT_FALSE(s->fraKeisya[1]->isEnabled());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(s->imnTokkiSize[i]->isEnabled()) << i;
  s->optTokki.Item(0)->click();
  EXPECT_EQ(doc->Tokki, 0);
  doc->KeisyaH = 0.3;
  s->optKeisya.Item(2)->click();
  EXPECT_EQ(doc->nKeisya, 0);
  EXPECT_TRUE(s->imnKeisya[1]->isEnabled());
  EXPECT_FALSE(s->fraTokki[0]->isEnabled());
  EXPECT_NEAR(doc->GrwN, 0.6 / 2.7, 1e-12);
  EXPECT_NEAR(s->imnGrwSize[6]->Value(), 0.222222, 1e-6);
  s->optKeisya.Item(3)->click();
  EXPECT_DOUBLE_EQ(doc->GrwN, 0.2);  // 0.6 / (3.0 - 0)
}

// One back face, one gradient: what box 8 shows and the calculation reads as
// MtwN2 is the slope of the outline's face 3-6 that the sheet labels and the
// ground springs lean on. The sample's foot lies H3 0.3 below the toe's top:
// 0.9 over 4.0 + 0.3 = 0.2093 (1:0.21), not 0.9 / 4.0 = 0.225 (1:0.23); a foot
// 0.6 down gives 0.9 / 4.6 = 0.1957 (1:0.20).
TEST_F(SectionDerivationScreen, LeaningBackGradientIsTheOneTheSheetAndCalculationUse) {
  auto doc = OpenCopy("leaning.nrv");
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  const struct {
    const char* h3;
    double n2;
    const char* label;
  } steps[] = {{nullptr, 0.9 / 4.3, "1:0.21"}, {"0.6", 0.9 / 4.6, "1:0.20"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.label);
    if (step.h3) test::Enter(s->imnMtwSize[2], step.h3);
    EXPECT_NEAR(doc->MtwN2, step.n2, 1e-15);
    EXPECT_EQ(s->imnMtwSize[8]->Value(), doc->MtwN2);

    KutaiPoints k{};
    DPoint front, back;
    MakeKutaiOutline(*doc, k, front, back, 0);
    EXPECT_NEAR((k[6].X - k[3].X) / (k[6].Y - k[3].Y), step.n2, 1e-12);

    SheetPoints pts{};
    std::copy(k.begin(), k.end(), pts.begin());
    const SectionFigure f = MtwSectionFigure(*doc, pts, 0.02);
    ASSERT_EQ(f.labels.size(), 2u);
    EXPECT_EQ(f.labels[1].text, step.label);
    EXPECT_NEAR(f.labels[1].angleDeg, 90 - std::atan(step.n2) * 57.29577951308238, 1e-9);

    // Road earthworks with the resultant behind 0.56 B: the back-face method.
    doc->Sisin = 2;
    doc->nQa = 1;
    CAntRes r;
    r.SgmV = 200;
    r.SgmH = 60;
    r.Breadth = 3;
    r.SgmMr = 500;
    r.SgmMo = 100;
    r.D = 2;
    r.E = -0.5;
    ASSERT_TRUE(CalcJibanHanryoku(*doc, r, 0));
    EXPECT_NEAR(r.thet, std::atan(step.n2), 1e-15);
    EXPECT_NEAR(SpringFaceAngle(*doc), std::atan(step.n2), 1e-12);
  }
}

}  // namespace
}  // namespace norva
