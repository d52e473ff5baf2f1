// Indexed inputs, setters with side effects, derived values and the snow load.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "document/document.h"

namespace norva {
namespace {

constexpr double N = -1.7E+10;

struct PairAccessor {
  const char* name;
  std::function<double(const CDocument&, int)> get;
  std::function<void(CDocument&, int, double)> set;
};

// Two-element inputs that read 0 and ignore writes outside 0..1.
TEST(DocumentInputs, GuardedPairsReadZeroAndIgnoreWritesOutside) {
  const std::vector<PairAccessor> guarded = {
      {"C", [](const CDocument& d, int i) { return d.C(i); },
       [](CDocument& d, int i, double v) { d.SetC(i, v); }},
      {"delt", [](const CDocument& d, int i) { return d.delt(i); },
       [](CDocument& d, int i, double v) { d.Setdelt(i, v); }},
      {"Kh", [](const CDocument& d, int i) { return d.Kh(i); },
       [](CDocument& d, int i, double v) { d.SetKh(i, v); }},
      {"SoilFH", [](const CDocument& d, int i) { return d.SoilFH(i); },
       [](CDocument& d, int i, double v) { d.SetSoilFH(i, v); }},
      {"WatFH", [](const CDocument& d, int i) { return d.WatFH(i); },
       [](CDocument& d, int i, double v) { d.SetWatFH(i, v); }},
      {"WatBH", [](const CDocument& d, int i) { return d.WatBH(i); },
       [](CDocument& d, int i, double v) { d.SetWatBH(i, v); }},
  };
  for (const auto& a : guarded) {
    CDocument doc;
    a.set(doc, 0, 1.25);
    a.set(doc, 1, 2.5);
    a.set(doc, 2, 99);
    a.set(doc, -1, 99);
    EXPECT_EQ(a.get(doc, 0), 1.25) << a.name;
    EXPECT_EQ(a.get(doc, 1), 2.5) << a.name;
    EXPECT_EQ(a.get(doc, 2), 0) << a.name;
    EXPECT_EQ(a.get(doc, -1), 0) << a.name;
  }
}

TEST(DocumentInputs, ThrowingAccessorsRejectEveryIndexOutside) {
  CDocument doc;
  doc.SetPp(1, 12.5);
  doc.SetAE0(0, 2800);
  doc.SetMizuH1(4, 0.75);
  doc.SetbInpSt(5, -1);
  EXPECT_EQ(doc.Pp(1), 12.5);
  EXPECT_EQ(doc.AE0(0), 2800);
  EXPECT_EQ(doc.MizuH1(4), 0.75);
  EXPECT_EQ(doc.bInpSt(5), -1);

  const std::vector<std::pair<const char*, std::function<void(CDocument&)>>> bad = {
      {"Pp(2)", [](CDocument& d) { (void)d.Pp(2); }},
      {"Pp(-1)", [](CDocument& d) { (void)d.Pp(-1); }},
      {"SetPp(2)", [](CDocument& d) { d.SetPp(2, 1); }},
      {"AE0(2)", [](CDocument& d) { (void)d.AE0(2); }},
      {"SetAE0(-1)", [](CDocument& d) { d.SetAE0(-1, 1); }},
      {"MizuH1(5)", [](CDocument& d) { (void)d.MizuH1(5); }},
      {"SetMizuH1(-1)", [](CDocument& d) { d.SetMizuH1(-1, 1); }},
      {"bInpSt(6)", [](CDocument& d) { (void)d.bInpSt(6); }},
      {"SetbInpSt(-1)", [](CDocument& d) { d.SetbInpSt(-1, -1); }},
      {"WallSecY(2, 0)", [](CDocument& d) { (void)d.WallSecY(2, 0); }},
      {"SetWallSecY(-1, 0)", [](CDocument& d) { d.SetWallSecY(-1, 0, 1); }},
      {"nWallSecCnt(2)", [](CDocument& d) { (void)d.nWallSecCnt(2); }},
  };
  for (const auto& [name, call] : bad) {
    CDocument d;
    EXPECT_THROW(call(d), std::out_of_range) << name;
  }
}

TEST(DocumentInputs, MarginAndCollisionSwitchesAreGuarded) {
  CDocument doc;
  doc.SetMargin(3, 15);
  doc.SetMargin(4, 99);
  EXPECT_EQ(doc.Margin(3), 15);
  EXPECT_EQ(doc.Margin(4), 0);
  EXPECT_EQ(doc.Margin(-1), 0);

  doc.SetnAutoCrash(0, 0);
  EXPECT_EQ(doc.nAutoCrash(0), 0);
  doc.SetnAutoCrash(0, 2);  // only 0 and 1 are switch values
  EXPECT_EQ(doc.nAutoCrash(0), 0);
  doc.SetnAutoCrash(1, -1);
  EXPECT_EQ(doc.nAutoCrash(1), 1);
  doc.SetnAutoCrash(3, 0);
  EXPECT_EQ(doc.nAutoCrash(3), 0);
  EXPECT_EQ(doc.nAutoCrash(1), 1);
}

TEST(DocumentInputs, BlockWallClearsTheShearKeyOtherTypesKeepIt) {
  struct Case {
    int32_t type;
    int32_t tokkiAfter;
  };
  for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 1}, Case{3, 1}}) {
    CDocument doc;
    doc.SetWallType(1);
    doc.Tokki = 1;
    doc.SetWallType(c.type);
    EXPECT_EQ(doc.WallType(), c.type);
    EXPECT_EQ(doc.Tokki, c.tokkiAfter) << "WallType " << c.type;
  }
}

TEST(DocumentInputs, ChangePointCountKeepsPointsAndNullsNewOnes) {
  CDocument doc;
  doc.SetnUraNini(2);
  EXPECT_EQ(doc.UraNiniX(0), N);
  EXPECT_EQ(doc.UraNiniY(1), N);
  doc.SetUraNiniX(0, 1.0);
  doc.SetUraNiniY(0, 2.0);
  doc.SetUraNiniX(1, 3.0);
  doc.SetUraNiniY(1, 4.0);
  doc.SetUraNiniX(2, 9.0);  // outside: ignored

  doc.SetnUraNini(4);
  EXPECT_EQ(doc.UraNiniX(0), 1.0);
  EXPECT_EQ(doc.UraNiniY(1), 4.0);
  EXPECT_EQ(doc.UraNiniX(2), N);
  EXPECT_EQ(doc.UraNiniY(3), N);

  doc.SetnUraNini(1);
  EXPECT_EQ(doc.UraNiniX(0), 1.0);
  EXPECT_EQ(doc.UraNiniX(1), 0);

  // Back up from 0: nothing of the old points shows through.
  doc.SetnUraNini(0);
  EXPECT_EQ(doc.UraNiniX(0), 0);
  doc.SetnUraNini(2);
  EXPECT_EQ(doc.UraNiniX(0), N);
  EXPECT_EQ(doc.UraNiniX(1), N);
}

TEST(DocumentInputs, LayerCountHidesLayersButKeepsThem) {
  CDocument doc;
  doc.SetnTokusei(3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(doc.TokuseiT(i), 0);
    doc.SetTokuseiT(i, 1.5 * (i + 1));
    doc.SetTokuseiN(i, static_cast<int16_t>(10 + i));
    doc.SetTokuseiS(i, static_cast<int16_t>(i % 2));
  }
  doc.SetTokuseiT(3, 7);  // outside: ignored
  EXPECT_EQ(doc.TokuseiT(3), 0);

  doc.SetnTokusei(0);
  EXPECT_EQ(doc.TokuseiT(0), 0);
  EXPECT_EQ(doc.TokuseiN(2), 0);

  doc.SetnTokusei(3);
  EXPECT_EQ(doc.TokuseiT(0), 1.5);
  EXPECT_EQ(doc.TokuseiT(2), 4.5);
  EXPECT_EQ(doc.TokuseiN(1), 11);
  EXPECT_EQ(doc.TokuseiS(1), 1);

  doc.SetnTokusei(4);
  EXPECT_EQ(doc.TokuseiT(3), 0);
  EXPECT_EQ(doc.TokuseiN(3), 0);
}

// Expected angles: arctan of the hand-worked ratio, printed to 16 digits.
TEST(DocumentInputs, BackFaceInclinationByWallType) {
  CDocument doc;
  doc.BlkN = 0.3;
  doc.GrwB = 2.0;
  doc.GrwB1 = 0.5;
  doc.GrwB2 = 0.5;
  doc.MxwH2 = 3.0;
  doc.MxwH3 = 0.5;

  doc.SetWallType(0);
  EXPECT_NEAR(doc.thet(0), 0.2914567944778671, 1e-15);  // atan(0.3)
  EXPECT_NEAR(doc.thet(1), 0.2914567944778671, 1e-15);

  doc.SetWallType(3);
  EXPECT_NEAR(doc.thet(0), 0.2914567944778671, 1e-15);
  // (2.0 - 0.5 - 0.5) / (3.0 - 0.5) = 0.4
  EXPECT_NEAR(doc.thet(1), 0.3805063771123649, 1e-15);

  // Gravity: (3.0 - 0.6 - 0.4 - 0.5) / (4.0 - 0.5) = 1.5 / 3.5
  doc.SetWallType(1);
  doc.GrwB = 3.0;
  doc.GrwB1 = 0.6;
  doc.GrwB2 = 0.4;
  doc.GrwB4 = 0.5;
  doc.WallH = 4.0;
  doc.GrwH1 = 0.5;
  EXPECT_NEAR(doc.thet(0), 0.4048917862850834, 1e-15);

  // Leaning: -0.5 / 5
  doc.SetWallType(2);
  doc.MtwB4 = 0.5;
  doc.MtwH1 = 5.0;
  EXPECT_NEAR(doc.thet(0), -0.09966865249116204, 1e-15);
  // Its foot 0.5 below the toe's top: the face rises 5.5, -0.5 / 5.5.
  doc.MtwH3 = 0.5;
  EXPECT_NEAR(doc.thet(0), -0.09065988720074511, 1e-15);

  doc.SetWallType(7);
  EXPECT_EQ(doc.thet(0), 0);
}

TEST(DocumentInputs, DegenerateSectionsGiveAFiniteAngle) {
  CDocument doc;
  doc.SetWallType(1);
  doc.GrwB = 3.0;
  doc.GrwB1 = 0.6;
  doc.GrwB2 = 0.4;
  doc.WallH = 0.5;
  doc.GrwH1 = 0.5;
  EXPECT_EQ(doc.thet(0), 0);

  doc.SetWallType(2);
  doc.MtwB4 = 0;
  doc.MtwH1 = 0;  // 0 / 0
  EXPECT_EQ(doc.thet(0), 0);

  doc.SetWallType(3);
  doc.MxwH2 = 1.0;
  doc.MxwH3 = 1.0;
  EXPECT_EQ(doc.thet(1), 0);
}

TEST(DocumentInputs, CutFaceFrictionInRadians) {
  CDocument doc;
  doc.KiriDlt = 15;
  EXPECT_NEAR(doc.rKiriDlt(), 0.2617993877991494, 1e-15);  // 15 * pi / 180
  doc.KiriDlt = 0;
  EXPECT_EQ(doc.rKiriDlt(), 0);
  doc.KiriDlt = -1;
  EXPECT_EQ(doc.rKiriDlt(), N);
}

TEST(DocumentInputs, ToeSlabCheckedOnlyWithBothDimensionsPositive) {
  struct Case {
    int32_t type;
    double a;
    double b;
    int16_t want;
  };
  // a, b: GrwB4/GrwH1 for the gravity wall, MtwB1/MtwH2 otherwise.
  const Case cases[] = {
      {1, 0.5, 0.0, 0}, {1, 0.5, 0.3, -1}, {1, 0.0, 0.3, 0}, {1, N, 0.3, 0},   {2, 0.8, 0.4, -1},
      {2, 0.8, N, 0},   {2, 0.8, 0.0, 0},  {0, 0.5, 0.5, 0}, {3, 0.5, 0.5, 0},
  };
  for (const auto& c : cases) {
    CDocument doc;
    doc.SetWallType(c.type);
    doc.GrwB4 = doc.MtwB1 = c.a;
    doc.GrwH1 = doc.MtwH2 = c.b;
    EXPECT_EQ(doc.bFotCalc(), c.want) << "type " << c.type << " a " << c.a << " b " << c.b;
  }
}

TEST(DocumentInputs, SnowLoadByGuidelineKindAndDepth) {
  constexpr double kBlank = -1.79769313486231E+308;
  constexpr double kEntered = 4.2;  // an arbitrary load the user typed
  struct Case {
    int32_t sisin;
    int16_t kind;
    double depth;
    double want;
  };
  const Case cases[] = {
      {2, 0, 0.5, 1.75},                             // 3.5 kN/m2 per metre of snow
      {2, 0, 2.0, 7.0},      {2, 0, N, N},           // no depth: no load either
      {2, 0, kBlank, N},                             // a blank box is no depth too, never -inf
      {2, 1, 0.5, 1.0},      {2, 2, 0.5, kEntered},  // arbitrary kind keeps what was typed
      {5, 0, 0.5, 1.75},     {5, 0, N, N},           // not 3.5 x the null
      {5, 0, kBlank, N},     {5, 1, 9.0, 1.0},       {5, 2, 0.5, kEntered}, {0, 0, 9.0, 1.5},
      {1, 1, 9.0, 3.0},      {3, 2, 9.0, 7.0},       {4, 2, N, 7.0},        {4, 3, 9.0, 1.0},
      {4, 4, 9.0, kEntered}, {0, -1, 9.0, kEntered}, {6, 0, 0.5, kEntered},  // no list for other
                                                                             // guidelines
  };
  for (const auto& c : cases) {
    CDocument doc;
    doc.Sisin = c.sisin;
    doc.nSnowType = c.kind;
    doc.SnowDepth = c.depth;
    doc.SnowLoad = kEntered;
    doc.SetSnowLoad();
    EXPECT_EQ(doc.SnowLoad, c.want)
        << "Sisin " << c.sisin << " kind " << c.kind << " depth " << c.depth;
  }
}

}  // namespace
}  // namespace norva
