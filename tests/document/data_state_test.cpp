// Completeness of the four input screens: one complete design per wall type
// passes every check, and taking away each required input fails exactly the
// check of its screen.
#include "document/data_state.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <stdexcept>

#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/services.h"

namespace norva {
namespace {

class CountingHost : public IScreenHost {
 public:
  void ShowForm(CDocument&, int) override {}
  void UpdateCommandState() override { ++commandState; }
  void UpdateDataSummary() override {}
  int commandState = 0;
};

// A design whose four input screens are complete, for wall type t.
void Complete(CDocument& d, int t) {
  d.Sisin = 0;
  d.Doatsu = 1;
  d.SetWallType(t);
  d.bQuake = -1;
  d.SetKh(0, 0.15);
  d.SetKh(1, 0.15);
  d.Gamb = 19;
  d.Gambd = 10;
  d.Gamf = 18;
  d.Gamfd = 9;
  d.Gamcw = 23;
  d.Gamcf = 23;
  d.Gamw = 9.8;
  d.Fai = 30;
  d.Setdelt(0, 20);
  d.Setdelt(1, 15);

  d.WallH = 3;
  switch (t) {
    case 0:
      d.BlkT = 0.35;
      d.BlkN = 0.3;
      d.BlkDeltT1 = 0.1;
      d.BlkDeltT2 = 0.2;
      d.BlkB = 1.2;
      d.BlkB1 = 0.2;
      d.BlkH1 = 0.5;
      d.BlkH2 = 0.3;
      break;
    case 1:
      d.GrwB = 2;
      d.GrwB1 = 0.6;
      d.GrwB2 = 0.5;
      d.GrwB4 = 0.3;  // with a toe slab
      d.GrwH1 = 0.4;
      break;
    case 2:
      d.MtwH1 = 2.5;
      d.MtwH2 = 0.4;
      d.MtwH3 = 0.2;
      d.MtwB1 = 0.3;
      d.MtwB2 = 0.5;
      d.MtwB3 = 0.4;
      d.MtwB4 = 0.25;
      d.MtwN1 = 0.2;
      break;
    case 3:
      d.MxwH1 = 1.5;
      d.BlkT = 0.35;
      d.BlkDeltT1 = 0.1;
      d.BlkDeltT2 = 0.2;
      d.BlkN = 0.3;
      d.MxwH2 = 1.6;
      d.MxwH3 = 0.1;
      d.GrwB = 1.8;
      d.GrwB1 = 0.4;
      d.GrwB2 = 0.9;
      d.GrwB3 = 0.2;
      break;
  }
  d.SetSoilFH(0, 0.5);
  d.SetSoilFH(1, 0.5);

  d.Faib = 30;
  d.Myu = 0.6;
  d.cb = 0;
  d.SijiFai = 30;
  d.SijiC = 0;
  d.SijiGam1 = 18;
  d.Df = 0.5;
  d.Dfd = 0.5;
  d.SijiGam2 = 18;

  d.nAutoMobile = 1;
  d.SetnCase(1);
  CKajyuCase& k = *d.pCase(0);
  k.CaseName = "常時";
  k.Ea = 6;
  k.FsTentou = 1.5;
  k.FsKatsudou = 1.5;
  k.QaPremium = 1;
  k.AllowPremium = 1;
}

using Mutation = std::function<void(CDocument&)>;
using Flags = std::array<bool, 4>;  // Kihon, Kutai, Antei, Kajyu

Flags Checks(CDocument& d) {
  return {CheckKihon(d) == -1, CheckKutai(d) == -1, CheckAntei(d) == -1, CheckKajyu(d) == -1};
}

constexpr Flags kAll{true, true, true, true};
constexpr Flags kNotKihon{false, true, true, true};
constexpr Flags kNotKutai{true, false, true, true};
constexpr Flags kNotAntei{true, true, false, true};
constexpr Flags kNotKajyu{true, true, true, false};

TEST(DataStateTest, CompleteDesignOfEveryWallTypePasses) {
  for (int t = 0; t < 4; ++t) {
    CDocument d;
    Complete(d, t);
    EXPECT_EQ(Checks(d), kAll) << "wall type " << t;
  }
}

struct Row {
  const char* what;
  int wallType;
  Mutation change;
  Flags expect;
};

// Each row: the complete design of its wall type, changed, gives its flags.
template <size_t N>
void ExpectRows(const Row (&rows)[N]) {
  for (const Row& r : rows) {
    CDocument d;
    Complete(d, r.wallType);
    r.change(d);
    EXPECT_EQ(Checks(d), r.expect) << r.what;
  }
}

// Cut face as the back ground, with everything it needs.
void CutFace(CDocument& d) {
  d.BackType = 1;
  d.KiriDoatsu = 0;
  d.Deltd = 20;
  d.Cd = 0;
  d.KiriD = 1;
  d.KiriN = 0.5;
  d.KiriDlt = 10;
}

TEST(DataStateTest, EachMissingInputFailsItsOwnScreen) {
  const Row rows[] = {
      // Basic data.
      {"Kh(1) with quake", 0, [](CDocument& d) { d.SetKh(1, kNullDouble); }, kNotKihon},
      {"Kh(1) blank box", 0, [](CDocument& d) { d.SetKh(1, kNullBox); }, kNotKihon},
      {"BackType 2", 0, [](CDocument& d) { d.BackType = 2; }, kNotKihon},
      {"KiriDoatsu 2", 0, [](CDocument& d) { CutFace(d); d.KiriDoatsu = 2; }, kNotKihon},
      {"Gamb", 0, [](CDocument& d) { d.Gamb = kNullDouble; }, kNotKihon},
      {"Gambd", 1, [](CDocument& d) { d.Gambd = kNullDouble; }, kNotKihon},
      {"Gamf", 2, [](CDocument& d) { d.Gamf = kNullDouble; }, kNotKihon},
      {"Gamfd", 3, [](CDocument& d) { d.Gamfd = kNullDouble; }, kNotKihon},
      {"Gamcw", 0, [](CDocument& d) { d.Gamcw = kNullDouble; }, kNotKihon},
      {"Gamcf block", 0, [](CDocument& d) { d.Gamcf = kNullDouble; }, kNotKihon},
      {"Gamcf leaning", 2, [](CDocument& d) { d.Gamcf = kNullDouble; }, kNotKihon},
      {"Gamcf mixed", 3, [](CDocument& d) { d.Gamcf = kNullDouble; }, kNotKihon},
      // The toe slab of a gravity wall is weighed with Gamcf.
      {"Gamcf gravity with toe slab", 1, [](CDocument& d) { d.Gamcf = kNullDouble; }, kNotKihon},
      {"Gamw", 0, [](CDocument& d) { d.Gamw = kNullDouble; }, kNotKihon},
      {"Fai", 1, [](CDocument& d) { d.Fai = kNullDouble; }, kNotKihon},
      {"C(0)", 0, [](CDocument& d) { d.SetC(0, kNullDouble); }, kNotKihon},
      {"C(1) with quake", 0, [](CDocument& d) { d.SetC(1, kNullDouble); }, kNotKihon},
      {"delt(0)", 0, [](CDocument& d) { d.Setdelt(0, kNullDouble); }, kNotKihon},
      {"delt(1) with quake", 0, [](CDocument& d) { d.Setdelt(1, kNullDouble); }, kNotKihon},
      {"Deltd on cut face", 0, [](CDocument& d) { CutFace(d); d.Deltd = kNullDouble; }, kNotKihon},
      {"Cd on cut face", 0, [](CDocument& d) { CutFace(d); d.Cd = kNullDouble; }, kNotKihon},
      {"SgmCk", 0, [](CDocument& d) { d.SgmCk = kNullDouble; }, kNotKihon},
      {"Sgmsa", 0, [](CDocument& d) { d.Sgmsa = kNullDouble; }, kNotKihon},
      // Wall section, by type.
      {"WallH block", 0, [](CDocument& d) { d.WallH = kNullDouble; }, kNotKutai},
      {"BlkT", 0, [](CDocument& d) { d.BlkT = kNullDouble; }, kNotKutai},
      {"BlkN", 0, [](CDocument& d) { d.BlkN = kNullDouble; }, kNotKutai},
      {"BlkDeltT1", 0, [](CDocument& d) { d.BlkDeltT1 = kNullDouble; }, kNotKutai},
      {"BlkDeltT2", 0, [](CDocument& d) { d.BlkDeltT2 = kNullDouble; }, kNotKutai},
      {"nBlkSetup 2", 0, [](CDocument& d) { d.nBlkSetup = 2; }, kNotKutai},
      {"nBlkFound 2", 0, [](CDocument& d) { d.nBlkFound = 2; }, kNotKutai},
      {"BlkB", 0, [](CDocument& d) { d.BlkB = kNullDouble; }, kNotKutai},
      {"BlkB1", 0, [](CDocument& d) { d.BlkB1 = kNullDouble; }, kNotKutai},
      {"BlkH1", 0, [](CDocument& d) { d.BlkH1 = kNullDouble; }, kNotKutai},
      {"BlkH2", 0, [](CDocument& d) { d.BlkH2 = kNullDouble; }, kNotKutai},
      {"BlkT2 large blocks", 0,
       [](CDocument& d) {
         d.Sisin = 3;
         d.SetAE0(0, 1000);
         d.SetAE0(1, 1000);
         d.BlkT2 = kNullDouble;
       },
       kNotKutai},
      {"WallH gravity", 1, [](CDocument& d) { d.WallH = kNullDouble; }, kNotKutai},
      {"GrwB", 1, [](CDocument& d) { d.GrwB = kNullDouble; }, kNotKutai},
      {"GrwB1", 1, [](CDocument& d) { d.GrwB1 = kNullDouble; }, kNotKutai},
      {"GrwB2", 1, [](CDocument& d) { d.GrwB2 = kNullDouble; }, kNotKutai},
      {"GrwB4", 1, [](CDocument& d) { d.GrwB4 = kNullDouble; }, kNotKutai},
      {"toe slab without height", 1, [](CDocument& d) { d.GrwH1 = 0; }, kNotKutai},
      {"toe slab without width", 1, [](CDocument& d) { d.GrwB4 = 0; }, kNotKutai},
      {"MtwH1", 2, [](CDocument& d) { d.MtwH1 = kNullDouble; }, kNotKutai},
      {"MtwH3", 2, [](CDocument& d) { d.MtwH3 = kNullDouble; }, kNotKutai},
      {"MtwB4", 2, [](CDocument& d) { d.MtwB4 = kNullDouble; }, kNotKutai},
      {"MtwN1", 2, [](CDocument& d) { d.MtwN1 = kNullDouble; }, kNotKutai},
      {"MxwH1", 3, [](CDocument& d) { d.MxwH1 = kNullDouble; }, kNotKutai},
      {"MxwH3", 3, [](CDocument& d) { d.MxwH3 = kNullDouble; }, kNotKutai},
      {"BlkDeltT2 mixed", 3, [](CDocument& d) { d.BlkDeltT2 = kNullDouble; }, kNotKutai},
      {"GrwB3", 3, [](CDocument& d) { d.GrwB3 = kNullDouble; }, kNotKutai},
      // Wall section, every type.
      {"KeisyaH inclined base", 1, [](CDocument& d) { d.nKeisya = 0; }, kNotKutai},
      {"nKeisya 2", 2, [](CDocument& d) { d.nKeisya = 2; }, kNotKutai},
      {"KeisyaH block with foundation", 0, [](CDocument& d) { d.nKeisya = 0; }, kNotKutai},
      {"Tokki 2", 1, [](CDocument& d) { d.Tokki = 2; }, kNotKutai},
      {"TokB", 1, [](CDocument& d) { d.Tokki = 1; d.TokX = 1; d.TokL = 0.5; }, kNotKutai},
      // A key chosen on an inclined base still needs its dimensions.
      {"TokX key on inclined base", 3,
       [](CDocument& d) {
         d.nKeisya = 0;
         d.KeisyaH = 0.1;
         d.Tokki = 1;
         d.TokB = 0.5;
         d.TokL = 0.5;
       },
       kNotKutai},
      {"WallL", 0, [](CDocument& d) { d.WallL = kNullDouble; }, kNotKutai},
      {"SoilFH(0)", 1, [](CDocument& d) { d.SetSoilFH(0, kNullDouble); }, kNotKutai},
      {"SoilFH(1) with quake", 2, [](CDocument& d) { d.SetSoilFH(1, kNullDouble); }, kNotKutai},
      {"UragomeType 4", 0, [](CDocument& d) { d.UragomeType = 4; }, kNotKutai},
      {"arbitrary surface by Coulomb", 0,
       [](CDocument& d) {
         d.Doatsu = 0;
         d.UragomeType = 3;
         d.SetnUraNini(1);
         d.SetUraNiniX(0, 5);
         d.SetUraNiniY(0, 1);
       },
       kNotKutai},
      {"UraHd", 0, [](CDocument& d) { d.UraHd = kNullDouble; }, kNotKutai},
      {"UraN", 0, [](CDocument& d) { d.UragomeType = 1; }, kNotKutai},
      {"UraN zero", 0,
       [](CDocument& d) {
         d.UragomeType = 1;
         d.UraN = 0;
       },
       kNotKutai},
      {"UraH0", 0,
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 1;
         d.UraX2 = 2;
       },
       kNotKutai},
      {"no back-ground point", 0, [](CDocument& d) { d.UragomeType = 3; }, kNotKutai},
      {"back-ground point y", 0,
       [](CDocument& d) {
         d.UragomeType = 3;
         d.SetnUraNini(2);
         d.SetUraNiniX(0, 1);
         d.SetUraNiniY(0, 1);
         d.SetUraNiniX(1, 5);
       },
       kNotKutai},
      {"KiriD on cut face", 0, [](CDocument& d) { CutFace(d); d.KiriD = kNullDouble; }, kNotKutai},
      {"KiriDlt on cut face", 0, [](CDocument& d) { CutFace(d); d.KiriDlt = kNullDouble; }, kNotKutai},
      {"nWater 3", 0, [](CDocument& d) { d.nWater = 3; }, kNotKutai},
      {"nWlvlAuto 2", 0, [](CDocument& d) { d.nWlvlAuto = 2; }, kNotKutai},
      {"WatBH(1) with quake", 0,
       [](CDocument& d) {
         d.nWater = 1;
         d.SetWatFH(0, 0.2);
         d.SetWatFH(1, 0.2);
         d.SetWatBH(0, 1);
       },
       kNotKutai},
      // Stability conditions.
      {"nJyudo 2", 0, [](CDocument& d) { d.nJyudo = 2; }, kNotAntei},
      {"Pp(1) with quake", 0, [](CDocument& d) { d.nJyudo = 1; d.SetPp(0, 10); }, kNotAntei},
      {"Faib", 0, [](CDocument& d) { d.Faib = kNullDouble; }, kNotAntei},
      {"Myu", 1, [](CDocument& d) { d.Myu = kNullDouble; }, kNotAntei},
      {"cb", 2, [](CDocument& d) { d.cb = kNullDouble; }, kNotAntei},
      {"nQa 2", 0, [](CDocument& d) { d.nQa = 2; }, kNotAntei},
      {"Qa entered allowable", 0, [](CDocument& d) { d.nQa = 1; }, kNotAntei},
      {"SijiC with key", 1,
       [](CDocument& d) {
         d.nQa = 1;
         d.Qa = 200;
         d.Tokki = 1;
         d.TokX = 1;
         d.TokB = 0.5;
         d.TokL = 0.5;
         d.SijiC = kNullDouble;
       },
       kNotAntei},
      {"SijiC", 0, [](CDocument& d) { d.SijiC = kNullDouble; }, kNotAntei},
      {"SijiGam1", 0, [](CDocument& d) { d.SijiGam1 = kNullDouble; }, kNotAntei},
      {"Df", 1, [](CDocument& d) { d.Df = kNullDouble; }, kNotAntei},
      {"Dfd", 2, [](CDocument& d) { d.Dfd = kNullDouble; }, kNotAntei},
      {"SijiGam2", 3, [](CDocument& d) { d.SijiGam2 = kNullDouble; }, kNotAntei},
      // The ultimate bearing capacity needs the friction angle of the ground
      // with or without a shear key.
      {"SijiFai without key", 0, [](CDocument& d) { d.SijiFai = kNullDouble; }, kNotAntei},
      {"AE0(1) large blocks", 0, [](CDocument& d) { d.Sisin = 3; d.BlkT2 = 0.1; d.SetAE0(0, 1); }, kNotAntei},
      // Loads and cases.
      {"vehicle switch unset", 0, [](CDocument& d) { d.nAutoMobile = -1; }, kNotKajyu},
      {"vehicle kind 5", 0,
       [](CDocument& d) {
         d.nAutoMobile = 0;
         d.nAutoTload = 5;
         d.AutoPos = 0.5;
         d.AutoWidth = 3;
         d.AutoLoad = 10;
       },
       kNotKajyu},
      {"vehicle width by trial wedge", 0,
       [](CDocument& d) {
         d.nAutoMobile = 0;
         d.nAutoTload = 0;
         d.AutoPos = 0.5;
         d.AutoLoad = 10;
       },
       kNotKajyu},
      {"crowd width by trial wedge", 0,
       [](CDocument& d) {
         d.nGunsyu = 0;
         d.GunsyuPos = 0.5;
         d.GunsyuLoad = 5;
       },
       kNotKajyu},
      {"snow depth on roads", 0,
       [](CDocument& d) {
         d.Sisin = 2;
         d.nSnow = 0;
         d.nSnowType = 0;
         d.SnowPos = 0;
         d.SnowLoad = 3.5;
         d.SnowDepth = kNullDouble;
       },
       kNotKajyu},
      {"snow kind unset", 0,
       [](CDocument& d) {
         d.nSnow = 0;
         d.SnowPos = 0;
         d.SnowLoad = 3.5;
       },
       kNotKajyu},
      {"residential load", 0,
       [](CDocument& d) {
         d.nTakuchi = 0;
         d.TakuchiPos = 0;
         d.TakuchiWidth = 5;
       },
       kNotKajyu},
      {"collision fence unset", 0,
       [](CDocument& d) {
         d.SetnAutoCrash(1, 0);
         d.AutoCrashHigh = 0.6;
         d.AutoCrashLoad = 25;
       },
       kNotKajyu},
      {"collision height", 0,
       [](CDocument& d) {
         d.SetnAutoCrash(0, 0);
         d.nAutoCrashBougo = 0;
         d.AutoCrashLoad = 25;
       },
       kNotKajyu},
      {"rock-fall pitch", 0,
       [](CDocument& d) {
         d.nStone = 0;
         d.StoneHight = 1;
         d.StoneLoad = 100;
       },
       kNotKajyu},
      {"wind height", 0,
       [](CDocument& d) {
         d.nWind = 0;
         d.WindPos = 1;
         d.WindLoad = 3;
       },
       kNotKajyu},
      {"wind switch 2", 0, [](CDocument& d) { d.nWind = 2; }, kNotKajyu},
      {"no load case", 0, [](CDocument& d) { d.SetnCase(0); }, kNotKajyu},
  };
  ExpectRows(rows);
}

// A factor the case uses and that cannot judge it (a file written elsewhere,
// or edited) leaves the loads screen incomplete and is named with its case;
// a factor the case does not use may be anything.
TEST(DataStateTest, CaseFactorsTheCaseUses) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct FactorRow {
    const char* what;
    std::function<void(CDocument&, CKajyuCase&)> change;
    const char* problem;  // "" when the case can be judged
  };
  const char* divisor =
      "荷重ケース2「地震時」の許容偏心量 B/n の n が入力されていないか、負の値です。";
  const char* sliding = "荷重ケース2「地震時」の滑動安全率が入力されていないか、0 以下です。";
  const char* overturning = "荷重ケース2「地震時」の転倒安全率が入力されていないか、0 以下です。";
  const char* bearing = "荷重ケース2「地震時」の許容支持力度割増が入力されていないか、0 以下です。";
  const FactorRow rows[] = {
      {"standard factors", [](CDocument&, CKajyuCase&) {}, ""},
      {"divisor blank",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.Ea = kNullBox;
       },
       divisor},
      {"divisor null",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 2;
         k.Ea = kNullDouble;
       },
       divisor},
      {"divisor negative",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.Ea = -1.79769313486231E+308;
       },
       divisor},
      {"divisor NaN",
       [nan](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.Ea = nan;
       },
       divisor},
      {"divisor 0: no eccentricity",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.Ea = 0;
       },
       ""},
      {"divisor unused with the safety factor",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 1;
         k.Ea = -3;
       },
       ""},
      {"sliding factor 0", [](CDocument&, CKajyuCase& k) { k.FsKatsudou = 0; }, sliding},
      {"sliding factor blank", [](CDocument&, CKajyuCase& k) { k.FsKatsudou = kNullBox; }, sliding},
      {"sliding factor unused",
       [](CDocument& d, CKajyuCase& k) {
         d.ChkSlide = 0;
         k.FsKatsudou = -1;
       },
       ""},
      {"overturning factor negative",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 1;
         k.FsTentou = -1.5;
       },
       overturning},
      {"overturning factor unused",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.FsTentou = 0;
       },
       ""},
      {"bearing premium 0 with Qa entered under road earthworks",
       [](CDocument& d, CKajyuCase& k) {
         d.Sisin = 2;
         d.nQa = 1;
         d.Qa = 300;
         k.QaPremium = 0;
       },
       bearing},
      {"bearing premium unused with Qa computed",
       [](CDocument& d, CKajyuCase& k) {
         d.Sisin = 2;
         d.nQa = 0;
         k.QaPremium = 0;
       },
       ""},
  };
  for (const FactorRow& r : rows) {
    SCOPED_TRACE(r.what);
    CDocument d;
    Complete(d, 1);
    d.SetnCase(2);
    d.pCase(1)->Copy(*d.pCase(0));
    d.pCase(1)->CaseName = "地震時";
    r.change(d, *d.pCase(1));
    EXPECT_EQ(CaseFactorProblem(d, 0), "");
    EXPECT_EQ(CaseFactorProblem(d, 1), r.problem);
    EXPECT_EQ(CheckKajyu(d), std::string(r.problem).empty() ? -1 : 0);
  }
  CDocument d;
  Complete(d, 1);
  EXPECT_EQ(CaseFactorProblem(d, 1), "");  // no such case
  EXPECT_EQ(CaseFactorProblem(d, -1), "");
}

TEST(DataStateTest, InputsThatAreNotNeededMayStayBlank) {
  const Row rows[] = {
      {"no quake: seismic values", 0,
       [](CDocument& d) {
         d.bQuake = 0;
         d.SetKh(0, kNullDouble);
         d.SetKh(1, kNullDouble);
         d.SetC(1, kNullDouble);
         d.Setdelt(1, kNullDouble);
         d.SetSoilFH(1, kNullDouble);
       },
       kAll},
      {"gravity wall without toe slab: Gamcf", 1,
       [](CDocument& d) {
         d.GrwB4 = 0;
         d.GrwH1 = 0;
         d.Gamcf = kNullDouble;
       },
       kAll},
      {"large blocks: backfill concrete", 0,
       [](CDocument& d) {
         d.Sisin = 3;
         d.BlkT2 = 0.1;
         d.BlkDeltT1 = kNullDouble;
         d.BlkDeltT2 = kNullDouble;
         d.BlkH2 = kNullDouble;
         d.SetAE0(0, 1);
         d.SetAE0(1, 1);
       },
       kAll},
      {"horizontal courses: BlkH2", 0,
       [](CDocument& d) {
         d.nBlkSetup = 1;
         d.BlkH2 = kNullDouble;
       },
       kAll},
      {"block without foundation ignores base and key", 0,
       [](CDocument& d) {
         d.nBlkFound = 1;
         d.BlkB = kNullDouble;
         d.BlkH1 = kNullDouble;
         d.nKeisya = 0;
         d.KeisyaH = kNullDouble;
         d.Tokki = 1;
       },
       kAll},
      {"leaning: MtwN2", 2, [](CDocument& d) { d.MtwN2 = kNullDouble; }, kAll},
      {"gravity with key on level base", 1,
       [](CDocument& d) {
         d.Tokki = 1;
         d.TokX = 1.2;
         d.TokB = 0.5;
         d.TokL = 0.4;
         d.nKeisya = 2;  // not tested under a key
         d.KeisyaH = kNullDouble;
       },
       kAll},
      {"automatic water level", 0,
       [](CDocument& d) {
         d.nWater = 2;
         d.nWlvlAuto = 1;
       },
       kAll},
      {"no sliding check: passive pressure", 0,
       [](CDocument& d) {
         d.ChkSlide = 0;
         d.nJyudo = 1;
       },
       kAll},
      {"entered allowable: ground constants", 1,
       [](CDocument& d) {
         d.nQa = 1;
         d.Qa = 200;
         d.SijiFai = kNullDouble;
         d.SijiGam1 = kNullDouble;
         d.Df = kNullDouble;
       },
       kAll},
      {"Coulomb: load widths", 0,
       [](CDocument& d) {
         d.Doatsu = 0;
         d.nAutoMobile = 0;
         d.nAutoTload = 4;
         d.AutoPos = 0;
         d.AutoLoad = 10;
         d.nGunsyu = 0;
         d.GunsyuPos = 0;
         d.GunsyuLoad = 5;
         d.nTakuchi = 0;
         d.TakuchiPos = 0;
         d.TakuchiLoad = 10;
       },
       kAll},
      {"every load considered", 0,
       [](CDocument& d) {
         d.nAutoMobile = 0;
         d.nAutoTload = 0;
         d.AutoPos = 0.5;
         d.AutoWidth = 3;
         d.AutoLoad = 10;
         d.nSnow = 0;
         d.nSnowType = 1;
         d.SnowPos = 0;
         d.SnowLoad = 1;
         d.SetnAutoCrash(0, 0);
         d.nAutoCrashBougo = 1;
         d.AutoCrashHigh = 0.6;
         d.AutoCrashLoad = 25;
         d.nStone = 0;
         d.StoneHight = 1;
         d.StonePich = 2;
         d.StoneLoad = 100;
         d.nWind = 0;
         d.WindPos = 1;
         d.WindHight = 1;
         d.WindLoad = 3;
       },
       kAll},
  };
  ExpectRows(rows);
}

TEST(DataStateTest, NewDocumentIsIncompleteEverywhere) {
  CDocument d;
  CountingHost host;
  d.AutoCrashV = kNullDouble;
  EXPECT_EQ(DataState(d, 0, &host), 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.bInpSt(i), 0) << i;
  EXPECT_EQ(host.commandState, 1);
  // The only change a check makes: the collision speed is never negative.
  EXPECT_EQ(d.AutoCrashV, 0);
}

TEST(DataStateTest, DataStateSetsTheFourFlagsAndLeavesTheResultFlags) {
  CDocument d;
  Complete(d, 1);
  d.Myu = kNullDouble;  // screen 2 incomplete
  d.SetbInpSt(4, -1);
  d.SetbInpSt(5, 0);
  CountingHost host;
  EXPECT_EQ(DataState(d, 4, &host), -1);  // flag 4 as it was
  EXPECT_EQ(d.bInpSt(0), -1);
  EXPECT_EQ(d.bInpSt(1), -1);
  EXPECT_EQ(d.bInpSt(2), 0);
  EXPECT_EQ(d.bInpSt(3), -1);
  EXPECT_EQ(d.bInpSt(5), 0);
  EXPECT_EQ(DataState(d, 2, &host), 0);
  EXPECT_EQ(DataState(d, 3), -1);  // no host: nothing to refresh
  EXPECT_EQ(host.commandState, 2);

  d.Myu = 0.6;
  EXPECT_THROW(DataState(d, 6, &host), std::out_of_range);
  EXPECT_EQ(d.bInpSt(2), -1);  // recomputed before the bad index
  EXPECT_THROW(DataState(d, -1, &host), std::out_of_range);
}

TEST(DataStateTest, CollisionSpeedIsCorrectedWhateverTheSwitches) {
  const struct {
    double before;
    double after;
  } cases[] = {{kNullDouble, 0}, {kNullBox, 0}, {-3, 0}, {0, 0}, {40, 40}};
  for (const auto& c : cases) {
    CDocument d;  // incomplete: the correction still happens
    d.AutoCrashV = c.before;
    EXPECT_EQ(CheckKajyu(d), 0);
    EXPECT_EQ(d.AutoCrashV, c.after) << c.before;
  }
}

// Screen i opens once every screen before it is complete, whatever the later
// flags say; the stored flags are read, not recomputed.
TEST(OpenScreensTest, EachScreenWaitsForTheOnesBefore) {
  struct Row {
    const char* name;
    std::array<int16_t, 6> flags;
    std::array<bool, 6> open;
  };
  const Row rows[] = {
      {"nothing complete", {0, 0, 0, 0, 0, 0}, {true, false, false, false, false, false}},
      {"basic data only", {-1, 0, 0, 0, 0, 0}, {true, true, false, false, false, false}},
      {"gap at the section", {-1, 0, -1, -1, -1, -1}, {true, true, false, false, false, false}},
      {"four inputs: calculation may run",
       {-1, -1, -1, -1, 0, 0},
       {true, true, true, true, true, false}},
      {"results too", {-1, -1, -1, -1, -1, 0}, {true, true, true, true, true, true}},
      {"any non-zero counts", {1, 2, -1, 1, 0, 0}, {true, true, true, true, true, false}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    for (int i = 0; i < 6; ++i) d.SetbInpSt(i, r.flags[static_cast<size_t>(i)]);
    EXPECT_EQ(OpenScreens(d), r.open);
  }
}

}  // namespace
}  // namespace norva
