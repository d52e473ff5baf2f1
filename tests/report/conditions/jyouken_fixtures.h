#pragma once
// The documents of the design-conditions chapter's goldens. Each starts from
// a sample (so the section figure draws) and then sets every value the
// chapter prints, so the goldens depend on nothing else.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "report/driver/report_selection.h"

namespace norva::test {

inline std::unique_ptr<CDocument> Sample(const std::string& name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(
      *doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv"));
  return doc;
}

// One load case with every switch off and the given allowables.
struct CaseDef {
  const char* name;
  int16_t nQuake, nWater, nSoilF, nAutoMobil, nGunsyu, nSnow, nTakuchi, nAutoCrash, nStoneCrash,
      nWind;
  double Ea, FsTentou, FsKatsudou, QaPremium, QuPremium, AllowPremium;
  std::vector<int16_t> nini;
};

inline void SetCases(CDocument& doc, const std::vector<CaseDef>& cases) {
  doc.SetnCase(static_cast<int16_t>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    const CaseDef& s = cases[i];
    CKajyuCase& k = *doc.pCase(static_cast<int>(i));
    k.CaseName = s.name;
    k.nQuake = s.nQuake;
    k.Doat = s.nQuake != 0 ? 1 : 0;
    k.nWater = s.nWater;
    k.nSoilF = s.nSoilF;
    k.nAutoMobil = s.nAutoMobil;
    k.nGunsyu = s.nGunsyu;
    k.nSnow = s.nSnow;
    k.nTakuchi = s.nTakuchi;
    k.nAutoCrash = s.nAutoCrash;
    k.nStoneCrash = s.nStoneCrash;
    k.nWind = s.nWind;
    k.Ea = s.Ea;
    k.FsTentou = s.FsTentou;
    k.FsKatsudou = s.FsKatsudou;
    k.QaPremium = s.QaPremium;
    k.QuPremium = s.QuPremium;
    k.AllowPremium = s.AllowPremium;
    k.SetnNiniCount(static_cast<int16_t>(s.nini.size()));
    for (size_t j = 0; j < s.nini.size(); ++j) k.SetnNini(static_cast<int>(j), s.nini[j]);
  }
}

// Unit weights and ground constants shared by the goldens.
inline void CommonConstants(CDocument& d) {
  d.Gamcw = 23;
  d.Gamcf = 22.5;
  d.Gamb = 19;
  d.Gambd = 10;
  d.Gamf = 18;
  d.Gamfd = 9;
  d.Gamw = 9.8;
  d.Fai = 30;
  d.Setdelt(0, 20);
  d.Setdelt(1, 15);
  d.SetC(0, 0);
  d.SetC(1, 0);
  d.Faib = 30;
  d.Myu = 0.6;
  d.cb = 0;
  d.SijiFai = 30;
  d.SijiC = 0;
  d.SijiGam1 = 18;
  d.Dfd = 0.5;
  d.Df = 0.5;
  d.SijiGam2 = 18;
  d.SgmCk = 18;
  d.Sgmca = 4.5;
  d.Sgmta = 0.23;
  d.Taua = 0.33;
  d.Sgmsa = 180;
  // Every load off; each golden switches on its own.
  d.nAutoMobile = 1;
  d.nGunsyu = 1;
  d.nTakuchi = 1;
  d.nSnow = 1;
  d.SetnAutoCrash(0, 1);
  d.SetnAutoCrash(1, 1);
  d.nStone = 1;
  d.nWind = 1;
  d.SetnNiniCount(0);
}

// The passive pressure derived, with the resultants it gives entered:
//   φ 30, δ 15, α 0, β −5, γ 18, H 1.0, kh 0.2:
//     A = √(sin15°·sin25° / cos15° / cos5°) = 0.33715, Kp = cos²30° /
//     (cos15°·(1 − A)²) = 1.76723, Pp = Kp·9 = 15.905;
//     θ = atan 0.2 = 11.3099°, A' = √(sin15°·sin13.690° / cos3.690° / cos5°)
//     = 0.24823, KEP = cos²18.690° / (cosθ·cos3.690°·(1 − A')²) = 1.62251,
//     PEP = 14.603.
inline void DerivedPassive(CDocument& d) {
  d.nJyudo = 1;
  d.JyudoPrn = 1;
  d.JyudoH = 1.0;
  d.JyudoGam = 18;
  d.JyudoFai = 30;
  d.JyudoDelt = 15;
  d.JyudoAlp = 0;
  d.JyudoI = -5;
  d.JyudoKh = 0.2;
  d.SetPp(0, 15.91);
  d.SetPp(1, 14.6);
}

inline void Select(bool antei, bool wall) {
  PrnSel() = ReportSelection{};
  PrnSel().PrnSelJyouken = 1;
  PrnSel().PrnSelAntei = antei ? 1 : 0;
  PrnSel().PrnSelWall = wall ? 1 : 0;
}

// 1. A gravity wall by Coulomb on an embankment, without water or seismic
// state; a vehicle load; two cases; reported with the stability chapter only
// (no allowable stresses).
inline std::unique_ptr<CDocument> GoldenGravity() {
  auto d = Sample("gravity");
  CommonConstants(*d);
  d->Title = "重力式擁壁 H=3.0m 道路";
  d->Sisin = 2;
  d->Doatsu = 0;
  d->BackType = 0;
  d->UragomeType = 0;
  d->WallH = 3.0;
  d->WallL = 10;
  d->bQuake = 0;
  d->nWater = 0;
  d->SetSoilFH(0, 0.5);
  d->nTentou = 0;
  d->ChkSlide = 1;
  d->nJyudo = 0;
  d->nQa = 0;
  d->Tokki = 0;
  d->nAutoMobile = 0;
  d->nAutoTload = 0;
  d->AutoPos = 0;
  d->AutoWidth = 10;
  d->AutoLoad = 10;
  SetCases(*d, {{"常時", 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 6, 1.5, 1.5, 1, 2, 1, {}},
                {"自重のみ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6.5, 1.5, 1.5, 1, 2, 1, {}}});
  Select(true, false);
  return d;
}

// 2. A block wall under the large-block guideline by trial wedge, with the
// seismic state and water (buoyancy), a polyline back ground of 5 points,
// bearing from the ground constants (nQa 0), the seismic coefficient derived
// from a soil-layer table, the line of thrust, snow; the chapter alone (with
// the allowable stresses).
inline std::unique_ptr<CDocument> GoldenBlock() {
  auto d = Sample("block_masonry");
  CommonConstants(*d);
  d->Title = "大型ブロック積み擁壁";
  d->Sisin = 3;
  d->Doatsu = 1;
  d->SecDoatsu = 0;
  d->BackType = 0;
  d->WallH = 3.5;
  d->WallL = 10;
  d->BlkN = 0.5;
  d->BlkT2 = 0.05;
  d->UragomeType = 3;
  d->SetnUraNini(5);
  const double xs[] = {0, 1.5, 3.25, 6, 10};
  const double ys[] = {0, 0.75, 0.75, 2.125, 2.125};
  for (int i = 0; i < 5; ++i) {
    d->SetUraNiniX(i, xs[i]);
    d->SetUraNiniY(i, ys[i]);
  }
  d->bQuake = -1;
  d->nWater = 1;
  d->SetSoilFH(0, 0.5);
  d->SetSoilFH(1, 0.4);
  d->SetWatFH(0, 0.3);
  d->SetWatBH(0, 1.0);
  d->SetWatFH(1, 0.3);
  d->SetWatBH(1, 0.8);
  d->SetAE0(0, 2800);
  d->SetAE0(1, 25000);
  // B region, class II, medium earthquake: kh = 0.85 × 0.15 = 0.1275 → 0.13.
  d->Tiiki = 1;
  d->cZ = 0.85;
  d->Jiban2 = 1;
  d->Kibo = 0;
  d->SetKh(0, 0.13);
  d->SetKh(1, 0.13);
  d->nTokuseiPrn = 0;
  d->SetnTokusei(3);
  d->SetTokuseiT(0, 2.0);
  d->SetTokuseiN(0, 8);
  d->SetTokuseiS(0, 0);
  d->SetTokuseiT(1, 3.5);
  d->SetTokuseiN(1, 30);
  d->SetTokuseiS(1, 1);
  d->SetTokuseiT(2, 4.0);
  d->SetTokuseiN(2, 0);
  d->SetTokuseiS(2, 0);
  d->nTentou = 3;
  d->ChkSlide = 1;
  d->nJyudo = 0;
  d->nQa = 0;
  d->Tokki = 0;
  d->nSnow = 0;
  d->nSnowType = 3;
  d->SnowPos = 0;
  d->SnowLoad = 10.5;
  SetCases(*d, {{"常時", 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1.5, 1, 3, 1, {}},
                {"地震時", 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1.2, 1, 2, 1.5, {}}});
  Select(false, false);
  return d;
}

// 3. A mixed wall by trial wedge on a cut, seismic (entered coefficients that
// differ from the standard value), a shear key with a given bearing capacity,
// overturning by both eccentricity and safety factor, the passive pressure
// derived, every surcharge and horizontal load, two arbitrary loads and four
// cases; reported with the stability and wall chapters.
inline std::unique_ptr<CDocument> GoldenMixed() {
  auto d = Sample("mixed");
  CommonConstants(*d);
  d->Title = "混合擁壁 切土部";
  d->Sisin = 2;
  d->Doatsu = 1;
  d->SecDoatsu = 1;
  d->BackType = 1;
  d->UragomeType = 0;
  d->WallH = 3.5;
  d->WallL = 12.5;
  d->BlkN = 0.4;
  d->Deltd = 20;
  d->Cd = 5;
  d->SetC(0, 2.5);
  d->SetC(1, 1.25);
  d->bQuake = -1;
  d->nWater = 0;
  d->SetSoilFH(0, 0.5);
  d->SetSoilFH(1, 0.5);
  d->Tiiki = 0;
  d->cZ = 1.0;
  d->Jiban2 = 1;
  d->Kibo = 0;
  d->SetKh(0, 0.2);  // the standard value would be 0.15
  d->SetKh(1, 0.16);
  d->nTentou = 2;
  d->ChkSlide = 1;
  d->nQa = 1;
  d->Qa = 300;
  d->Tokki = 1;
  d->TokX = 0.6;
  d->TokB = 0.4;
  d->TokL = 0.3;
  DerivedPassive(*d);
  d->nAutoMobile = 0;
  d->nAutoTload = 4;
  d->AutoPos = 0.5;
  d->AutoWidth = 2.75;
  d->AutoLoad = 10;
  d->nGunsyu = 0;
  d->GunsyuPos = 0;
  d->GunsyuWidth = 1.5;
  d->GunsyuLoad = 5;
  d->nTakuchi = 0;
  d->TakuchiPos = 0;
  d->TakuchiWidth = 5;
  d->TakuchiLoad = 10;
  d->nSnow = 0;
  d->nSnowType = 1;
  d->SnowPos = 0;
  d->SnowLoad = 3.5;
  d->SetnAutoCrash(0, 1);
  d->SetnAutoCrash(1, 0);
  d->nAutoCrashBougo = 1;
  d->AutoCrashWidth = 1.0;
  d->AutoCrashHigh = 1.2;
  d->AutoCrashLoad = 50;
  d->AutoCrashV = 0;
  d->nStone = 0;
  d->StoneHight = 2.5;
  d->StonePich = 3;
  d->StoneLoad = 15.5;
  d->nWind = 0;
  d->WindPos = 0.5;
  d->WindHight = 2;
  d->WindLoad = 3;
  d->SetnNiniCount(2);
  CNini& a = *d->pNini(0);
  a.LoadName = "照明柱";
  a.nType = 0;
  a.nTarget = 5;
  a.X1 = 0.5;
  a.Y1 = 3.5;
  a.P1 = 12.5;
  CNini& b = *d->pNini(1);
  b.LoadName = "遮音壁";
  b.nType = 3;
  b.nTarget = 7;
  b.X1 = 0.3;
  b.X2 = 9.9;  // never printed for a horizontal distributed load
  b.Y1 = 3.5;
  b.Y2 = 5.5;
  b.P1 = 2;
  b.P2 = 2.5;
  SetCases(*d, {{"常時", 0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 6, 1.5, 1.5, 1, 2, 1, {1, 0}},
                {"地震時", 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 3, 1.2, 1.2, 1.5, 2, 1.5, {1, 1}},
                {"自動車衝突時", 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 2, 1.2, 1.2, 1.5, 2, 1.5, {0, 0}},
                {"X落石衝突時および風荷重作用時",
                 0,
                 0,
                 1,
                 0,
                 0,
                 1,
                 0,
                 0,
                 1,
                 1,
                 3,
                 1.2,
                 1.2,
                 1.5,
                 2,
                 1.25,
                 {0, 1}}});
  Select(true, true);
  return d;
}

// 4. A farm-road document (leaning wall) without load cases: an empty title,
// uplift, the seismic coefficient derived from the layer thicknesses, the
// passive resultants as entered, snow of a kind without a text; the chapter
// alone.
inline std::unique_ptr<CDocument> GoldenFarmRoad() {
  auto d = Sample("leaning");
  CommonConstants(*d);
  d->Title = "";
  d->Sisin = 0;
  d->Doatsu = 1;
  d->SecDoatsu = 0;
  d->BackType = 0;
  d->UragomeType = 0;
  d->WallH = 4.5;
  d->WallL = 10;
  d->bQuake = -1;
  d->nWater = 2;
  d->SetSoilFH(0, 0.5);
  d->SetSoilFH(1, 0.5);
  d->SetWatFH(0, 0.5);
  d->SetWatBH(0, 1.5);
  d->SetWatFH(1, 0.5);
  d->SetWatBH(1, 1.25);
  // Region A, class III, large earthquake: kh = 1.0 × 0.24 = 0.24.
  d->Tiiki = 0;
  d->cZ = 1;
  d->Jiban2 = 2;
  d->Kibo = 1;
  d->SetKh(0, 0.24);
  d->SetKh(1, 0.2);
  d->nTokuseiPrn = 1;
  d->JibanHa = 5;
  d->JibanHd = 2;
  d->nTentou = 0;
  d->ChkSlide = 0;
  d->nQa = 0;
  d->Tokki = 0;
  d->nJyudo = 1;
  d->JyudoPrn = 0;
  d->SetPp(0, 5.25);
  d->SetPp(1, 4.125);
  d->nSnow = 0;
  d->nSnowType = 5;
  d->SnowPos = 1;
  d->SnowLoad = 7;
  SetCases(*d, {});
  Select(false, false);
  return d;
}

}  // namespace norva::test
