// Default safety factor of the bearing capacity of a load case.
#include <gtest/gtest.h>

#include "document/def_premium.h"
#include "document/document.h"
#include "document/load_case.h"

namespace norva {
namespace {

TEST(DefQuPremium, ByLoadsOfTheCaseAndGuideline) {
  enum Occ { kNone, kQuake, kCrash, kStone, kWind };
  struct Case {
    Occ occ;
    int32_t sisin;
    int16_t kibo;
    int16_t nqa;
    double want;
  };
  const Case cases[] = {
      // normal cases: 3 under every guideline
      {kNone, 0, 0, 0, 3},
      {kNone, 2, 0, 0, 3},
      {kNone, 4, 1, 0, 3},
      {kNone, 5, 0, 1, 3},
      {kNone, 9, 0, 0, 3},
      // any of the four occasional loads switches to the guideline's value
      {kQuake, 0, 0, 0, 2},
      {kCrash, 2, 0, 0, 2},
      {kStone, 3, 0, 0, 2},
      {kWind, 2, 0, 0, 2},
      {kQuake, 4, 0, 0, 1.5},
      {kQuake, 4, 1, 0, 1},
      {kWind, 4, 2, 0, 1},
      {kQuake, 5, 0, 0, 1.5},
      {kQuake, 5, 0, 1, 2},
      {kStone, 5, 1, 0, 1.5},
      {kQuake, 1, 0, 0, 0},
      {kQuake, 6, 0, 0, 0},
  };
  for (const auto& c : cases) {
    CDocument doc;
    doc.Sisin = c.sisin;
    doc.Kibo = c.kibo;
    doc.nQa = c.nqa;
    CKajyuCase kase;
    kase.nQuake = c.occ == kQuake;
    kase.nAutoCrash = c.occ == kCrash;
    kase.nStoneCrash = c.occ == kStone;
    kase.nWind = c.occ == kWind;
    EXPECT_EQ(GetDefQuPremium(doc, kase), c.want)
        << "load " << c.occ << " Sisin " << c.sisin << " Kibo " << c.kibo << " nQa " << c.nqa;
  }
}

TEST(DefQuPremium, OnlyTheValueOneCountsAsActing) {
  CDocument doc;
  doc.Sisin = 2;
  CKajyuCase kase;
  kase.nQuake = 2;  // not 1: not a seismic case
  kase.nWind = -1;
  kase.nSnow = 1;  // other loads do not matter
  kase.nAutoMobil = 1;
  EXPECT_EQ(GetDefQuPremium(doc, kase), 3);
}

}  // namespace
}  // namespace norva
