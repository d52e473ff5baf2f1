// The leaning wall's ground reaction in its three regimes and the sliding
// check in each of its forms, against hand goldens; the stored results come
// from the calculation itself, so the goldens' hand numbers hold it too.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calc/stability/stability_checks.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/bearing/bearing_test_support.h"
#include "report/bearing/prn_jiban_motare.h"
#include "report/bearing/prn_slide.h"
#include "report/driver/prn_file.h"

namespace norva {
namespace {

class Motare : public ::testing::Test {
 protected:
  std::string Section(const CDocument& doc, bool method) {
    return test::Markup([&](PrnFile& f) {
      if (method) PrnJibanHanryokuMotare(f, doc, work.path());
      for (int32_t i = 0; i < doc.nCase(); ++i) PrnJibanHanryokuMotareCase(f, doc, i);
    });
  }
  // A leaning wall 4.0 m high with its back at 1 : 0.4 under road
  // earthworks, allowable entered as 100.
  std::unique_ptr<CDocument> Leaning(std::initializer_list<const char*> names) {
    auto doc = test::BearingDoc(2, 2, names);
    doc->nQa = 1;
    doc->Qa = 100;
    doc->MtwN2 = 0.4;
    doc->WallH = 4.0;
    return doc;
  }
  CAntRes& Case(CDocument& doc, int32_t i, double V, double H, double Mr, double Mo, double B,
                double d) {
    CAntRes& r = *doc.AntRes(0, i);
    test::SetResultant(r, V, B, B / 2 - d);
    r.SgmH = H;
    r.SgmMr = Mr;
    r.SgmMo = Mo;
    CalcJibanHanryoku(doc, r, 0);
    return r;
  }
  test::TempFolder work{"norva_motare"};
};

// a) d 0.9 <= B/3 = 1: 2×180/(3×0.9) = 133.33 > 100
// b) d 1.2, e 0.3: 150/3 × (1 ± 0.6) = 80, 20
// c) d 2.0 > kd·B = 1.68, θ = atan 0.4 = 21.80°, l = 4√1.16 = 4.308,
//    kl = 0.6, l2 = 2.585, l1 = 1.723, Ma = 700 − 300 = 400:
//    Qt = (400 − 0.56×3×200) / (3 × 0.371391 × 0.44 + 4.308132 × 0.8)
//       = 64 / 3.936742 = 16.257; Qv = 200 − 16.257 × 0.371391 = 193.96;
//    QH = 60 + 16.257 × 0.928477 = 75.09; qv1 = 2×193.96×0.32/3 = 41.38;
//    qv2 = 2×193.96×0.68/3 = 87.93 against 1.5 × 100; qt = 2×16.257/(0.6 ×
//    4.308) = 12.58.
TEST_F(Motare, ThreeRegimes) {
  auto doc = Leaning({"三角形", "台形", "背面反力"});
  Case(*doc, 0, 180, 40, 500, 338, 3.0, 0.9);
  Case(*doc, 1, 150, 40, 500, 320, 3.0, 1.2);
  doc->pCase(2)->QaPremium = 1.5;
  const CAntRes& c = Case(*doc, 2, 200, 60, 700, 300, 3.0, 2.0);
  ASSERT_NEAR(c.Qt, 64 / (3 * 0.4 / std::sqrt(1.16) * 0.44 + 4 * std::sqrt(1.16) * 0.8), 1e-9);
  test::ExpectSameMarkup(Section(*doc, true), test::BearingGolden("motare.prn", work.path()));
  EXPECT_EQ(test::ReadBytes(work.path() + "/motreact.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/motreact.svg"));
}

// The regime boundaries are the calculation's: d = B/3 is a, d = B/2 is b;
// d = kd·B prints Qt = 0 and the stored values after it; a resultant outside
// the base prints one line and no 1e10.
TEST_F(Motare, BoundariesAndNoFaceReaction) {
  struct Row {
    const char* name;
    double d;
    MotareRegime regime;
    const char* line;
  };
  const Row rows[] = {
      {"d = B/3", 1.0, MotareRegime::kTriangle, "d=1.000 (m) ≦ B/3=3.000/3=1.000 (m)"},
      {"d = B/2", 1.5, MotareRegime::kTrapezoid, "d=1.500(m)＞B/3=1.00(m), d≦B/2"},
      {"d = kd·B", 1.68, MotareRegime::kBackFace,
       "<math>d=1.680(m) &sp;≦&sp; k_d_･B=0.56×3.000=1.680 より、&sp;Q_t_=0</math>"},
      {"d = 0", 0.0, MotareRegime::kOutside, "合力の作用位置が基礎外となるため、計算不能。"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = Leaning({"境界"});
    const CAntRes& r = Case(*doc, 0, 200, 60, 700, 300, 3.0, x.d);
    EXPECT_EQ(MotareRegimeOf(r), x.regime);
    const std::string text = Cp932ToUtf8(Section(*doc, false));
    EXPECT_NE(text.find(x.line), std::string::npos) << text;
    EXPECT_EQ(text.find("10000000000"), std::string::npos);
    if (x.regime == MotareRegime::kBackFace) {
      // Qt = 0: Qv = V, qv2 = 2×200×0.68/3 = 90.67 (> 100? no: OK)
      EXPECT_NE(text.find("200.00-0.00×sin21.80°=&sp; 200.00"), std::string::npos) << text;
      EXPECT_NE(text.find("&sp;=&sp; 90.67 &sp; (kN/m<sup>2</sup>) &sp;≦&sp; q_a_=100.00"),
                std::string::npos)
          << text;
    }
  }
}

// ---- Sliding --------------------------------------------------------------------

class Slide : public ::testing::Test {
 protected:
  static std::string Section(const CDocument& doc) {
    return test::Markup([&](PrnFile& f) {
      PrnSlide(f, doc);
      for (int32_t i = 0; i < doc.nCase(); ++i) PrnSlideCase(f, doc, i, "");
    });
  }
  // The sums of case i, then the calculation's sliding check in state s.
  static CAntRes& Check(CDocument& doc, int32_t i, double V, double H, double B, double e,
                        int16_t s = 0) {
    CAntRes& r = *doc.AntRes(doc.WallType() == 3 ? 1 : 0, i);
    test::SetResultant(r, V, B, e);
    r.SgmH = H;
    doc.pCase(i)->FsKatsudou = 1.5;
    EXPECT_TRUE(CalcSlide(doc, i, s, r));
    return r;
  }
};

// Hu = 2.0 × 5 + tan 30° × 100 + 0.5 × 20 = 77.735, Fs = 77.735/40 = 1.94;
// μ = tan 30° prints 0.577 (three decimals).
TEST_F(Slide, PlainWithPassivePressure) {
  auto doc = test::BearingDoc(1, 0, {"常時"});
  doc->nJyudo = 1;
  doc->Myu = std::tan(30 * 0.017453292519943278);
  doc->cb = 5;
  doc->SetPp(0, 20);
  doc->SetPp(1, 99);
  EXPECT_NEAR(Check(*doc, 0, 100, 40, 2.0, 0.1).Fs, 77.735 / 40, 1e-4);
  test::ExpectSameMarkup(Section(*doc), test::BearingGolden("slide_plain.prn"));
}

// Road earthworks: Hu = 0.6 × 120 = 72, Fs = 72/50 = 1.44 < 1.50; a force of
// 0.0005 is no force at all (the calculation's −1): the check is omitted.
TEST_F(Slide, RoadEarthworksAndNoForce) {
  auto doc = test::BearingDoc(1, 2, {"常時", "微小"});
  doc->Myu = 0.6;
  doc->cb = 0;
  Check(*doc, 0, 120, 50, 2.4, -0.3);
  EXPECT_EQ(Check(*doc, 1, 120, 0.0005, 2.4, 0.3).Fs, kSlideNoForce);
  test::ExpectSameMarkup(Section(*doc), test::BearingGolden("slide_road.prn"));
}

// Base rising 0.2 over 2.0: θ = atan 0.1 = 5.71°, B' = 2/cos θ = 2.010,
// V = 100 cos θ + 40 sin θ = 103.48, H = 40 cos θ − 100 sin θ = 29.85,
// Fs = (0.5 × 103.48 + 10 × 2.010)/29.85 = 2.41. With ΣH 5 the force along the
// base is −4.98: the wall is stable.
TEST_F(Slide, InclinedBase) {
  auto doc = test::BearingDoc(1, 0, {"常時", "背面向き"});
  doc->nKeisya = 0;
  doc->KeisyaH = 0.2;
  doc->Myu = 0.5;
  doc->cb = 10;
  EXPECT_NEAR(Check(*doc, 0, 100, 40, 2.0, 0.1).Fs, 71.841685 / 29.851116, 1e-6);
  EXPECT_EQ(Check(*doc, 1, 100, 5, 2.0, 0.1).Fs, kSlideNoForce);
  test::ExpectSameMarkup(Section(*doc), test::BearingGolden("slide_inclined.prn"));

  // A sum pushing towards the back is no sliding force, whatever the factor
  // stored for it.
  CAntRes& back = *doc->AntRes(0, 1);
  back.SgmH = -10;
  back.Fs = 0.3;
  const std::string text = Cp932ToUtf8(Section(*doc));
  const std::string second = text.substr(text.find("荷重ケース.2"));
  EXPECT_NE(second.find("ΣH≦0なので、検討を省略する。"), std::string::npos) << second;
  EXPECT_EQ(second.find("0.30"), std::string::npos);
}

// Road key: B' = 2.4 − 2 × 0.3 = 1.8, b = 0.5, 0.4, 0.9, v = 120 b / 1.8 =
// 33.33, 26.67, 60.00; Hk = 33.33 tan 30° + 86.67 tan 20° + 10 × 0.5 = 55.79,
// Fs = 55.79/40 = 1.39. General key, seismic state with passive pressure:
// q = 80, 70 at the key (x 0.6), 40 at the heel;
// Hk = 75 × 0.6 tan 30° + 55 × 1.8 tan 20° + 10 × 0.6 = 68.01, Hu = Hk + 0.5 ×
// 30 = 83.01, Fs = 83.01/50 = 1.66.
TEST_F(Slide, ShearKeys) {
  auto road = test::BearingDoc(1, 2, {"常時"});
  road->Tokki = 1;
  road->TokX = 0.5;
  road->TokB = 0.4;
  road->SijiFai = 30;
  road->Faib = 20;
  road->SijiC = 10;
  EXPECT_NEAR(Check(*road, 0, 120, 40, 2.4, 0.3).Hu, 55.7891, 1e-4);
  auto key = test::BearingDoc(1, 0, {"地震"});
  key->Tokki = 1;
  key->TokX = 0.6;
  key->SijiFai = 30;
  key->Faib = 20;
  key->SijiC = 10;
  key->nJyudo = 1;
  key->bQuake = 1;
  key->pCase(0)->nQuake = 1;
  key->pCase(0)->Doat = 1;
  key->SetPp(0, 20);
  key->SetPp(1, 30);
  CAntRes& r = *key->AntRes(0, 0);
  test::SetResultant(r, 144, 2.4, 0.4 / 3);  // q = 60 × (1 ± 1/3) = 80, 40
  r.Qmax = 80;
  r.Qmin = 40;
  r.SgmH = 50;
  key->pCase(0)->FsKatsudou = 1.2;
  ASSERT_TRUE(CalcSlide(*key, 0, 1, r));
  EXPECT_NEAR(r.Hu, 83.0138, 1e-4);
  test::ExpectSameMarkup(Section(*road) + Section(*key), test::BearingGolden("slide_keys.prn"));
}

// Each variant's method, with and without passive pressure; a mixed wall
// writes its headings one level deeper and prints the lower wall's check.
TEST_F(Slide, MethodVariantsAndMixedWall) {
  struct Row {
    const char* name;
    int32_t wallType, sisin, tokki;
    bool inclined;
    SlideVariant variant;
  };
  const Row rows[] = {
      {"key takes precedence over an inclined base", 1, 0, 1, true, SlideVariant::kKey},
      {"road key", 1, 2, 1, false, SlideVariant::kRoadKey},
      {"inclined under road earthworks", 1, 2, 0, true, SlideVariant::kInclined},
      {"road", 3, 2, 0, false, SlideVariant::kRoad},
      {"plain", 0, 4, 0, false, SlideVariant::kPlain},
  };
  for (const Row& x : rows) {
    for (int16_t pp : {0, 1}) {
      SCOPED_TRACE(std::string(x.name) + (pp ? " with Pp" : ""));
      auto doc = test::BearingDoc(x.wallType, x.sisin, {});
      doc->Tokki = x.tokki;
      doc->nJyudo = pp;
      if (x.inclined) {
        doc->nKeisya = 0;
        doc->KeisyaH = 0.2;
      }
      ASSERT_EQ(SlideVariantOf(*doc), x.variant);
      const std::string text = Cp932ToUtf8(Section(*doc));
      EXPECT_EQ(text.find("0.5P_P_") != std::string::npos, pp == 1);
      EXPECT_EQ(text.find("受働土圧合力の水平成分") != std::string::npos, pp == 1);
      EXPECT_EQ(text.find("※H≦0") != std::string::npos, x.variant == SlideVariant::kInclined);
      EXPECT_NE(text.find(x.wallType == 3 ? "<H3>滑動に対する検討</H3>\r\n<H4>検討方法</H4>"
                                          : "<H2>滑動に対する検討</H2>\r\n<H3>検討方法</H3>"),
                std::string::npos);
    }
  }
  auto mixed = test::BearingDoc(3, 0, {"混合"});
  mixed->Myu = 0.6;
  mixed->cb = 0;
  Check(*mixed, 0, 100, 40, 2.0, 0.1);
  const std::string text = Cp932ToUtf8(Section(*mixed));
  EXPECT_NE(text.find("<H4>荷重ケース.1 － 混合時</H4>"), std::string::npos) << text;
  EXPECT_NE(text.find("= 1.50&nbsp;≧&nbsp;F_a_= 1.50　→　OK"), std::string::npos) << text;
}

// A check the calculation could not make prints dashes, never a verdict.
TEST_F(Slide, NotComputedPrintsDashes) {
  auto doc = test::BearingDoc(1, 0, {"不能"});
  CAntRes& r = *doc->AntRes(0, 0);
  test::SetResultant(r, 100, 2.0, 0.1);
  r.SgmH = 40;
  r.Fs = r.Hu = kNullBox;
  r.Fsa = 1.5;
  const std::string text = Cp932ToUtf8(Section(*doc));
  EXPECT_NE(text.find("=-----&nbsp;　&nbsp;F_a_= 1.50　→　-----"), std::string::npos) << text;
}

}  // namespace
}  // namespace norva
