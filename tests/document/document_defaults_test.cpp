// Every input of a new document starts at its documented default.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <type_traits>

#include "document/document.h"

namespace norva {
namespace {

constexpr double N = -1.7E+10;  // the document null, written out on purpose

// Field widths are part of the file format and of every caller.
static_assert(std::is_same_v<decltype(CDocument::Unit), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::Sisin), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::Doatsu), int32_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().WallType()), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::bQuake), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::BackType), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::KiriDoatsu), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::SecDoatsu), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nTentou), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::ChkSlide), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nJyudo), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nQa), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nWater), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::nWlvlAuto), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::UragomeType), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::nBlkSetup), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::nBlkFound), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nKeisya), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::Tokki), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::MtwKeisya), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nUraNini()), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::nSnowType), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nAutoCrash(0)), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::Tiiki), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::Delt3), double>);
static_assert(std::is_same_v<decltype(CDocument::Youto), double>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().TokuseiN(0)), int16_t>);
static_assert(std::is_same_v<decltype(CDocument::TokDia), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().Margin(0)), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nNiniCount()), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nCase()), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nWallSecCnt(0)), int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CDocument>().nWlvlCase()), int32_t>);
static_assert(std::is_same_v<decltype(CDocument::ReAntCalc), int16_t>);

struct Default {
  const char* name;
  std::function<double(CDocument&)> get;
  double expected;
};

#define F(field, value)                                                       \
  Default {                                                                   \
#field, [](CDocument & d) { return static_cast<double>(d.field); }, value \
  }
#define A(expr, value)                                                      \
  Default {                                                                 \
#expr, [](CDocument & d) { return static_cast<double>(d.expr); }, value \
  }

const std::vector<Default>& Defaults() {
  static const std::vector<Default> table = {
      // coded settings
      F(Unit, 0),
      F(Sisin, 0),
      F(Doatsu, 1),
      A(WallType(), 0),
      F(bQuake, 0),
      F(BackType, 0),
      F(KiriDoatsu, 0),
      F(SecDoatsu, 0),
      F(nTentou, -32768),
      F(ChkSlide, 1),
      F(nJyudo, 0),
      F(nQa, 0),
      F(nWater, 0),
      F(nWlvlAuto, 0),
      F(UragomeType, 0),
      F(nBlkSetup, 0),
      F(nBlkFound, 0),
      F(nKeisya, 1),
      F(Tokki, 0),
      F(MtwKeisya, 0),
      // unit weights, soil, seismic
      F(Gamb, N),
      F(Gambd, N),
      F(Gamf, N),
      F(Gamfd, N),
      F(Gamcw, N),
      F(Gamcf, N),
      F(Gamw, N),
      F(Fai, N),
      A(C(0), 0),
      A(C(1), 0),
      A(delt(0), N),
      A(delt(1), N),
      F(Deltd, N),
      F(Cd, 0),
      A(Kh(0), N),
      A(Kh(1), N),
      // allowables
      F(SgmCk, 16),
      F(Sgmca, 4),
      F(Sgmta, 0.2),
      F(Taua, 0.3),
      F(Sgmsa, 180),
      // wall section
      F(WallH, N),
      F(WallL, 10),
      F(WallB, 0),
      F(KeisyaH, N),
      F(TokX, N),
      F(TokB, N),
      F(TokL, N),
      F(BlkT, N),
      F(BlkDeltT1, N),
      F(BlkDeltT2, N),
      F(BlkN, N),
      F(BlkT2, 0),
      F(BlkB, N),
      F(BlkB1, 0),
      F(BlkH1, N),
      F(BlkH2, N),
      F(GrwB, N),
      F(GrwB1, N),
      F(GrwB2, N),
      F(GrwB4, 0),
      F(GrwH1, 0),
      F(GrwN, N),
      F(MtwH1, N),
      F(MtwH2, N),
      F(MtwH3, N),
      F(MtwB1, N),
      F(MtwB2, N),
      F(MtwB3, N),
      F(MtwB4, N),
      F(MtwN1, N),
      F(MtwN2, N),
      F(MxwH1, N),
      F(MxwH2, N),
      F(MxwH3, N),
      F(GrwB3, N),
      // back ground
      F(UraHd, 0),
      F(UraN, N),
      F(UraX1, N),
      F(UraX2, N),
      F(UraH0, N),
      A(nUraNini(), 0),
      F(KiriD, N),
      F(KiriN, N),
      F(KiriDlt, 0),
      // front soil and water
      A(SoilFH(0), N),
      A(SoilFH(1), N),
      A(WatFH(0), N),
      A(WatFH(1), N),
      A(WatBH(0), N),
      A(WatBH(1), N),
      // stability settings and ground
      A(Pp(0), N),
      A(Pp(1), N),
      F(Qa, N),
      F(Faib, N),
      F(Myu, N),
      F(cb, N),
      F(SijiFai, N),
      F(SijiC, N),
      F(SijiGam1, N),
      F(Df, N),
      F(Dfd, N),
      F(SijiGam2, N),
      A(AE0(0), N),
      A(AE0(1), N),
      // loads
      F(nAutoMobile, -1),
      F(nAutoTload, -1),
      F(AutoPos, N),
      F(AutoWidth, N),
      F(AutoLoad, N),
      F(nGunsyu, 1),
      F(GunsyuPos, N),
      F(GunsyuWidth, N),
      F(GunsyuLoad, N),
      F(nTakuchi, 1),
      F(TakuchiPos, N),
      F(TakuchiWidth, N),
      F(TakuchiLoad, N),
      F(nSnow, 1),
      F(nSnowType, -1),
      F(SnowPos, N),
      F(SnowDepth, 1.0),
      F(SnowLoad, N),
      A(nAutoCrash(0), 1),
      A(nAutoCrash(1), 1),
      F(nAutoCrashBougo, -1),
      F(nAutoCrashBougoClass, -1),
      F(nAutoCrashBougoModel, -1),
      F(AutoCrashWidth, 1.0),
      F(AutoCrashHigh, N),
      F(AutoCrashLoad, N),
      F(AutoCrashV, 0),
      F(nStone, 1),
      F(StoneHight, N),
      F(StonePich, N),
      F(StoneLoad, N),
      F(StoneSgmy, N),
      F(StoneZ, N),
      F(nWind, 1),
      F(WindPos, N),
      F(WindHight, N),
      F(WindLoad, N),
      // passive earth pressure calculator
      F(JyudoH, N),
      F(JyudoGam, N),
      F(JyudoFai, N),
      F(JyudoDelt, N),
      F(JyudoAlp, N),
      F(JyudoI, N),
      F(JyudoKh, N),
      F(JyudoPrn, 0),
      // seismic derivation
      F(Tiiki, 0),
      F(Jiban1, 1),
      F(Kouzou, 1),
      F(Delt3, 0.75),
      F(Kibo, 0),
      F(Jiban2, 1),
      F(Youto, 0.75),
      F(cZ, 0),
      A(nTokusei(), 0),
      A(TokuseiT(0), 0),
      F(nTokuseiPrn, -1),
      F(JibanHa, N),
      F(JibanHd, N),
      F(nJibanPrn, 0),
      // shear-key bars
      F(TokDia, -1),
      F(TokHon, N),
      F(TokPich, N),
      F(TokKab, N),
      F(TokAs, 0),
      // drawing sheet
      F(KisoH1, 0.1),
      F(KisoH2, 0.2),
      F(KisoB, 0.1),
      F(Mizunuki, 0),
      F(MizuDan, 0),
      A(MizuH1(0), 0),
      A(MizuH1(1), 0),
      A(MizuH1(2), 0),
      A(MizuH1(3), 0),
      A(MizuH1(4), 0),
      F(MizuN, 50),
      F(MizuFai, 40),
      F(DrwScale, 0),
      F(Sheet, 0),
      F(Suryou, 0),
      A(Margin(0), 20),
      A(Margin(1), 20),
      A(Margin(2), 20),
      A(Margin(3), 20),
      // state and containers
      A(bInpSt(0), 0),
      A(bInpSt(1), 0),
      A(bInpSt(2), 0),
      A(bInpSt(3), 0),
      A(bInpSt(4), 0),
      A(bInpSt(5), 0),
      F(ReAntCalc, 0),
      A(nNiniCount(), 0),
      A(nCase(), 0),
      A(nWallSecCnt(0), 1),
      A(nWallSecCnt(1), 1),
      A(WallSecY(0, 0), 0),
      A(WallSecY(1, 0), 0),
      A(nWlvlCase(), 0),
      A(TempFileCount(), 0),
  };
  return table;
}

#undef F
#undef A

TEST(DocumentDefaults, EveryInputStartsAtItsDefault) {
  CDocument doc;
  for (const auto& d : Defaults()) {
    const double got = d.get(doc);
    // Bit-exact: a default of 0.2 must be the double 0.2, and a null must be
    // exactly -1.7E+10, never the blank-box null.
    EXPECT_EQ(0, std::memcmp(&got, &d.expected, sizeof got))
        << d.name << ": got " << got << ", want " << d.expected;
  }
}

TEST(DocumentDefaults, IdentityTextsAreEmptyAndNoScreen) {
  CDocument doc;
  EXPECT_EQ(doc.Key, "");
  EXPECT_EQ(doc.FileName, "");
  EXPECT_EQ(doc.FilePath, "");
  EXPECT_EQ(doc.FileTitle, "");
  EXPECT_EQ(doc.FileExt, "");
  EXPECT_EQ(doc.Title, "");
  EXPECT_EQ(doc.DataForm, nullptr);
}

TEST(DocumentDefaults, OwnedRecordsOfANewDocument) {
  CDocument doc;
  // No case yet: the single stem, toe-slab and shear-key slots stay empty.
  EXPECT_EQ(doc.pWallRes(0, 0, 0), nullptr);
  EXPECT_EQ(doc.pFotRes(0), nullptr);
  EXPECT_EQ(doc.pTokRes(0), nullptr);
  EXPECT_EQ(doc.pCase(0), nullptr);
  EXPECT_EQ(doc.pNini(0), nullptr);
  EXPECT_EQ(doc.WlvlRes(0), nullptr);
  EXPECT_EQ(doc.KutaiW1(0), nullptr);
  EXPECT_EQ(doc.SoilW1(1, 1), nullptr);
  EXPECT_EQ(doc.KutaiWS, nullptr);
  // Stability results are made on first access, then the same one is served.
  const auto first = doc.AntRes(0, 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(doc.AntRes(0, 0), first);
  EXPECT_NE(doc.AntRes(1, 0), first);
}

}  // namespace
}  // namespace norva
