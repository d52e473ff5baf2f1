// Which lines the design-conditions sections write, case by case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"
#include "report/conditions/jyouken_fixtures.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/report_test_support.h"

namespace norva {
namespace {

// The lines a section writes, as UTF-8.
std::vector<std::string> Write(const std::function<void(PrnFile&)>& section) {
  return test::Lines(test::Markup(section));
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Lines that start with the text.
size_t CountStarting(const std::vector<std::string>& lines, const std::string& head) {
  return static_cast<size_t>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(head, 0) == 0; }));
}

class JyoukenLines : public ::testing::Test {
 protected:
  void TearDown() override { PrnSel() = ReportSelection{}; }
};

// ---- Allowable stresses ----------------------------------------------------------

TEST_F(JyoukenLines, AllowableStressesFollowTheSelection) {
  // Reported with a member-stress chapter, or without the stability chapter.
  for (int bits = 0; bits < 16; ++bits) {
    ReportSelection s;
    s.PrnSelJyouken = 1;
    s.PrnSelAntei = bits & 1;
    s.PrnSelWall = (bits >> 1) & 1;
    s.PrnSelFot = (bits >> 2) & 1;
    s.PrnSelTokki = (bits >> 3) & 1;
    const bool expected = (bits & 1) == 0 || (bits & 14) != 0;
    SCOPED_TRACE(bits);
    EXPECT_EQ(JyoukenAllowableFlag(s), expected);

    auto doc = test::GoldenGravity();
    JyoukenState st;
    st.allowable = JyoukenAllowableFlag(s);
    const auto table = Write([&](PrnFile& f) { PrnJyoukenAllowable(f, *doc, st); });
    EXPECT_EQ(Has(table, "<H2>許容応力度</H2><BR>"), expected);
    EXPECT_EQ(table.empty(), !expected);
    const auto comb = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
    EXPECT_EQ(CountStarting(comb, "<TD SROW=16, SCOL=0, HALIGN=LEFT>許容応力度割増"),
              expected ? 1u : 0u);
  }
}

// An allowable of 10000 or more overflows "####.##" and is written whole.
TEST_F(JyoukenLines, LargeAllowableIsWrittenWhole) {
  auto doc = test::GoldenGravity();
  doc->Sgmsa = 12345.678;
  JyoukenState st;
  st.allowable = true;
  const auto lines = Write([&](PrnFile& f) { PrnJyoukenAllowable(f, *doc, st); });
  EXPECT_TRUE(Has(lines, "<TD SROW=4, SCOL=3, HALIGN=CENTER>12345.68</TD>"));
}

// ---- Ground constants --------------------------------------------------------------

TEST_F(JyoukenLines, GroundConstantLinesByMethodBackGroundGuidelineKeyAndBearing) {
  const std::string cohesion = "粘着力　　　常　時 ： 0.00 (kN/m<SUP>2</SUP>)";
  const std::string cohesionQ = "　　　　　　地震時 ： 0.00 (kN/m<SUP>2</SUP>)";
  const std::string deltQ = "　　　　　　地震時 ：15.00 (度)";
  const std::string cut = "切土面の摩擦角　　　　　　　 ：20.00 (度)";
  const std::string cutC = "切土面と裏込め土の間の粘着力 ： 5.00 (kN/m<SUP>2</SUP>)";
  const std::string angle = "支持地盤の定数　　せん断抵抗角　　　　　φ<SUB> </SUB>  ：30.00 (度)";
  const std::string depth = "根入れ地盤の定数　根入れ深さ　　　　　　Ｄ<SUB>f</SUB>  ： 0.50 (m)";
  const std::string ae0 = "変形係数 αＥ<sub>0</sub>    背面地盤 ：  2800.00 (kN/m<sup>2</sup>)";
  for (int32_t doatsu : {0, 1})
    for (int32_t back : {0, 1})
      for (int32_t sisin : {0, 2, 3, 4, 5})
        for (int32_t tokki : {0, 1})
          for (int16_t nQa : {0, 1})
            for (int16_t quake : {0, -1}) {
              SCOPED_TRACE(::testing::Message()
                           << "Doatsu " << doatsu << " BackType " << back << " Sisin " << sisin
                           << " Tokki " << tokki << " nQa " << nQa << " bQuake " << quake);
              auto doc = test::GoldenGravity();
              doc->Doatsu = doatsu;
              doc->BackType = back;
              doc->Sisin = sisin;
              doc->Tokki = tokki;
              doc->nQa = nQa;
              doc->bQuake = quake;
              doc->Deltd = 20;
              doc->Cd = 5;
              doc->SetAE0(0, 2800);
              doc->SetAE0(1, 25000);
              const auto l = Write([&](PrnFile& f) { PrnJyoukenGround(f, *doc); });
              const bool q = quake != 0;
              EXPECT_EQ(Has(l, deltQ), q);
              EXPECT_EQ(Has(l, cohesion), doatsu == 1);
              EXPECT_EQ(Has(l, cohesionQ), doatsu == 1 && q);
              EXPECT_EQ(Has(l, cut) && Has(l, cutC), sisin != 3 && back == 1);
              EXPECT_EQ(Has(l, cut) || Has(l, cutC), sisin != 3 && back == 1);
              EXPECT_EQ(Has(l, angle), tokki == 1 || nQa == 0);
              EXPECT_EQ(Has(l, depth), nQa == 0);
              EXPECT_EQ(CountStarting(l, "　　　　　　　　　"), nQa == 0 ? 4u : 0u);
              EXPECT_EQ(Has(l, ae0), sisin == 3);
              // Blank lines: the block's first, before the foundation, before the
              // bearing stratum, before the embedment, before αE0.
              const size_t blanks = 2 + (tokki == 1 || nQa == 0) + (nQa == 0) + (sisin == 3);
              EXPECT_EQ(std::count(l.begin(), l.end(), std::string()), static_cast<long>(blanks));
              EXPECT_EQ(l.front(), "<PROTECT><PRE>");
              EXPECT_EQ(l.back(), "</PRE></PROTECT>");
            }
}

// The sliding check multiplies V by μ as the calculation carries it, three
// decimals: a checker reading 0.58 for tan 30° = 0.57735 gets 74.50 for
// 128.44 × μ where the calculation has 128.44 × 0.577 = 74.11.
TEST_F(JyoukenLines, FrictionCoefficientPrintedWithTheThreeDecimalsTheCalculationCarries) {
  struct Row {
    const char* name;
    double myu;
    const char* text;
  };
  const Row rows[] = {
      {"tan 30 deg", 0.5773502691896257, " 0.577"},
      {"tan 35 deg", 0.7002075382097097, " 0.700"},
      {"two decimals entered", 0.6, " 0.600"},
      {"half a thousandth rounds away from zero", 0.4545, " 0.455"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenGravity();
    doc->Myu = x.myu;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenGround(f, *doc); });
    EXPECT_TRUE(
        Has(l, std::string("底面と地盤との間の摩擦係数　　　　　　　μ<SUB> </SUB>  ：") + x.text));
  }
}

// ---- Title, back ground, water ----------------------------------------------------

TEST_F(JyoukenLines, FrontSlopeAndJointLinesByWallTypeAndGuideline) {
  const std::string block = "擁壁の前面勾配　　： N =   0.50";
  const std::string upper = "上部構造の前面勾配： N =   0.50";
  const std::string joint = "ブロックの合端の厚さ ：Δt =  0.050 (m)";
  for (int32_t type : {0, 1, 2, 3})
    for (int32_t sisin : {2, 3}) {
      SCOPED_TRACE(::testing::Message() << "WallType " << type << " Sisin " << sisin);
      auto doc = test::GoldenGravity();
      doc->SetWallType(type);
      doc->Sisin = sisin;
      doc->BlkN = 0.5;
      doc->BlkT2 = 0.05;
      const auto l = Write([&](PrnFile& f) { PrnJyoukenTitle(f, *doc, "/w/KutaiSunp.svg"); });
      EXPECT_EQ(Has(l, block), type == 0);
      EXPECT_EQ(Has(l, upper), type == 3);
      EXPECT_EQ(Has(l, joint), sisin == 3);
      EXPECT_TRUE(Has(l, "<IMG SRC=\"/w/KutaiSunp.svg\", WIDTH=50% HEIGHT=50%>"));
    }
}

TEST_F(JyoukenLines, BackGroundPointsInTwoColumnGroups) {
  struct Row {
    int16_t n;
    int rows;        // R
    int rightCells;  // points in the right-hand group
  };
  for (const Row& x : std::vector<Row>{{0, 0, 0}, {1, 1, 0}, {5, 3, 2}, {6, 3, 3}}) {
    SCOPED_TRACE(x.n);
    auto doc = test::GoldenGravity();
    doc->UragomeType = 3;
    doc->SetnUraNini(x.n);
    for (int i = 0; i < x.n; ++i) {
      doc->SetUraNiniX(i, i);
      doc->SetUraNiniY(i, 0.5 * i);
    }
    const auto l = Write([&](PrnFile& f) { PrnJyoukenUraNini(f, *doc); });
    char table[40];
    std::snprintf(table, sizeof table, "<TABLE ROW=%2d, COL=6>", x.rows + 1);
    EXPECT_TRUE(Has(l, table));
    EXPECT_EQ(CountStarting(l, "<TD SROW="), 6u + 3u * x.n);
    size_t right = 0;
    for (const std::string& s : l) right += s.find("SCOL=3, HALIGN=CENTER>") != std::string::npos;
    EXPECT_EQ(right, static_cast<size_t>(x.rightCells + 1));  // with the header cell
  }
  auto other = test::GoldenGravity();
  other->UragomeType = 2;
  EXPECT_TRUE(Write([&](PrnFile& f) { PrnJyoukenUraNini(f, *other); }).empty());
}

TEST_F(JyoukenLines, WaterLinesByTreatmentAndSeismicState) {
  const char* const kText[] = {"無視", "浮力", "揚圧力"};
  for (int32_t water : {0, 1, 2})
    for (int16_t quake : {0, -1}) {
      SCOPED_TRACE(::testing::Message() << "nWater " << water << " bQuake " << quake);
      auto doc = test::GoldenFarmRoad();
      doc->nWater = water;
      doc->bQuake = quake;
      const auto l = Write([&](PrnFile& f) { PrnJyoukenWater(f, *doc); });
      EXPECT_TRUE(Has(l, std::string("水の扱い　　　　　：") + kText[water]));
      EXPECT_EQ(Has(l, "　　　　　　地震時： 0.500 (m)"), quake != 0);
      EXPECT_EQ(Has(l, "常時水位　　前　面： 0.500 (m)"), water != 0);
      EXPECT_EQ(Has(l, "        　　背　面： 1.250 (m)"), water != 0 && quake != 0);
      EXPECT_EQ(Has(l, "※水位は擁壁下端からの高さ｡"), water != 0);
    }
}

// ---- Loads heading -------------------------------------------------------------------

TEST_F(JyoukenLines, LoadsHeadingOnceBeforeTheFirstLoadSectionWritten) {
  // Sections in order: earth pressure and passive (Doatsu 1 or nJyudo),
  // surcharge, horizontal, arbitrary.
  for (int bits = 0; bits < 32; ++bits) {
    const bool wedge = bits & 1, passive = bits & 2, surcharge = bits & 4, horizontal = bits & 8,
               nini = bits & 16;
    SCOPED_TRACE(bits);
    auto doc = test::GoldenGravity();
    doc->Doatsu = wedge ? 1 : 0;
    doc->nJyudo = passive ? 1 : 0;
    doc->JyudoPrn = 0;
    doc->SetPp(0, 5);
    doc->nAutoMobile = surcharge ? 0 : 1;
    doc->nWind = horizontal ? 0 : 1;
    doc->SetnNiniCount(nini ? 1 : 0);
    if (nini) doc->pNini(0)->LoadName = "荷重";
    JyoukenState st;
    st.loadsHeading = true;  // cleared where the loads part begins
    const auto l = Write([&](PrnFile& f) {
      PrnJyoukenPassive(f, *doc, st);
      PrnJyoukenSurcharge(f, *doc, st);
      PrnJyoukenHorizontal(f, *doc, st);
      PrnJyoukenNini(f, *doc, st);
    });
    const bool any = wedge || passive || surcharge || horizontal || nini;
    EXPECT_EQ(st.loadsHeading, any);
    EXPECT_EQ(std::count(l.begin(), l.end(), "<H2>荷　重</H2>"), any ? 1 : 0);
    if (!any) {
      EXPECT_TRUE(l.empty());
      continue;
    }
    // The heading comes right after the opening of the first section.
    const auto h = std::find(l.begin(), l.end(), "<H2>荷　重</H2>");
    const bool first_pre = wedge || passive || surcharge || horizontal;
    if (first_pre) {
      EXPECT_EQ(h - l.begin(), 2);  // "<PROTECT><PRE>", ""
    } else {
      EXPECT_EQ(h - l.begin(), 2);  // "<PROTECT>", "<BR>"
      EXPECT_EQ(*(h + 1), "<BR>");
    }
    const auto sub = std::find_if(l.begin(), l.end(),
                                  [](const std::string& s) { return s.rfind("<H3>", 0) == 0; });
    EXPECT_LT(h, sub);
  }
}

TEST_F(JyoukenLines, SectionEarthPressureAndPassiveParts) {
  struct Row {
    const char* name;
    int32_t doatsu;
    int16_t jyudo, sec;
    std::vector<std::string> lines;
  };
  const std::vector<Row> rows{
      {"trial wedge, no passive",
       1,
       0,
       0,
       {"<PROTECT><PRE>", "", "<H2>荷　重</H2>", "<H3>任意断面位置の土圧</H3>",
        "計算方法 ： 逆算した土圧係数(Ka)を用いて算出する。", "</PRE></PROTECT>"}},
      {"trial wedge at each section, passive",
       1,
       1,
       1,
       {"<PROTECT><PRE>", "", "<H2>荷　重</H2>", "<H3>任意断面位置の土圧</H3>",
        "計算方法 ： 各断面毎に試行くさび法により算出する。", "", "<H3>受働土圧合力</H3>",
        "　常　時 ： 5.00 (kN/m)", "</PRE></PROTECT>"}},
      {"Coulomb, passive",
       0,
       1,
       1,
       {"<PROTECT><PRE>", "", "<H2>荷　重</H2>", "<H3>受働土圧合力</H3>", "　常　時 ： 5.00 (kN/m)",
        "</PRE></PROTECT>"}},
      {"Coulomb, no passive", 0, 0, 1, {}},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenGravity();
    doc->Doatsu = x.doatsu;
    doc->nJyudo = x.jyudo;
    doc->SecDoatsu = x.sec;
    doc->JyudoPrn = 0;
    doc->SetPp(0, 5);
    JyoukenState st;
    EXPECT_EQ(Write([&](PrnFile& f) { PrnJyoukenPassive(f, *doc, st); }), x.lines);
  }
}

// ---- Stability settings ----------------------------------------------------------------

TEST_F(JyoukenLines, StabilitySettingsByMethodAndGivenCapacity) {
  const std::string slide = "滑動に対する検討　　　 ： 前面受働土圧を考慮しない";
  const std::string ultimate = "支持力に対する検討　　 ： 極限支持力度　300.00 (kN/m<sup>2</sup>)";
  const std::string allowable = "支持力に対する検討　　 ： 許容支持力度　300.00 (kN/m<sup>2</sup>)";
  const char* const kMethod[] = {"偏心量で検討", "安全率で検討", "偏心量と安全率で検討",
                                 "示力線法により検討"};
  for (int32_t tentou : {0, 1, 2, 3})
    for (int16_t nQa : {0, 1})
      for (int32_t sisin : {2, 3}) {
        SCOPED_TRACE(::testing::Message() << tentou << " " << nQa << " " << sisin);
        auto doc = test::GoldenGravity();
        doc->nTentou = tentou;
        doc->nQa = nQa;
        doc->Qa = 300;
        doc->Sisin = sisin;
        const auto l = Write([&](PrnFile& f) { PrnJyoukenStability(f, *doc); });
        EXPECT_TRUE(Has(l, std::string("転倒に対する検討　　　 ： ") + kMethod[tentou]));
        EXPECT_EQ(Has(l, slide), tentou != 3);
        EXPECT_EQ(Has(l, ultimate), nQa == 1 && sisin == 3);
        EXPECT_EQ(Has(l, allowable), nQa == 1 && sisin != 3);
        EXPECT_EQ(l.size(), 6u + (tentou != 3 ? 2 : 0) + (nQa == 1 ? 1 : 0));
      }
}

// ---- Loads ---------------------------------------------------------------------------------

TEST_F(JyoukenLines, SnowKindByGuidelineAndCode) {
  const std::vector<std::string> road{"雪だけが荷重としてかかる場合",
                                      "自動車荷重と組み合わせる場合", "任意", "", ""};
  const std::vector<std::string> canal{"一般の場合", "自動車荷重と組み合わせる場合", "任意", "",
                                       ""};
  const std::vector<std::string> other{"降りたての雪", "やや落ち着いた雪", "圧縮された雪",
                                       "自動車荷重と組み合わせる場合", "任意"};
  for (int32_t sisin : {0, 2, 3, 4, 5}) {
    const auto& want = sisin == 2 ? road : sisin == 5 ? canal : other;
    for (int16_t code = -1; code <= 5; ++code) {
      SCOPED_TRACE(::testing::Message() << "Sisin " << sisin << " nSnowType " << code);
      const std::string text = code >= 0 && code <= 4 ? want[static_cast<size_t>(code)] : "";
      EXPECT_EQ(SnowKindText(sisin, code), text);
    }
  }
  // An empty kind leaves one blank after the colon.
  auto doc = test::GoldenFarmRoad();
  doc->Sisin = 2;
  doc->nSnowType = 3;
  JyoukenState st;
  EXPECT_TRUE(
      Has(Write([&](PrnFile& f) { PrnJyoukenSurcharge(f, *doc, st); }), "雪 荷 重　　雪の種類： "));
  doc->Sisin = 3;
  EXPECT_TRUE(Has(Write([&](PrnFile& f) { PrnJyoukenSurcharge(f, *doc, st); }),
                  "雪 荷 重　　雪の種類：自動車荷重と組み合わせる場合"));
}

TEST_F(JyoukenLines, LoadingWidthOnlyByTrialWedgeAndNeverForSnow) {
  for (int32_t doatsu : {0, 1}) {
    auto doc = test::GoldenMixed();
    doc->Doatsu = doatsu;
    JyoukenState st;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenSurcharge(f, *doc, st); });
    EXPECT_EQ(CountStarting(l, "　　　　　　載荷幅  ："), doatsu == 1 ? 3u : 0u);
  }
}

TEST_F(JyoukenLines, CollisionOnTheStemOnlyStillWritesTheWholeGroup) {
  auto doc = test::GoldenMixed();
  doc->nStone = 1;
  doc->nWind = 1;
  JyoukenState st;
  const auto l = Write([&](PrnFile& f) { PrnJyoukenHorizontal(f, *doc, st); });
  EXPECT_TRUE(Has(l, "自動車衝突荷重　安定計算　　：考慮しない"));
  EXPECT_TRUE(Has(l, "　　　　　　　　たて壁の設計：考慮する"));
  // Open, blank, the loads heading, the section heading, 7 lines, close.
  EXPECT_EQ(l.size(), 12u);
}

TEST_F(JyoukenLines, TargetTextFromTheBitsOfNTarget) {
  const char* const kText[] = {"",
                               "安定計算",
                               "たて壁の設計",
                               "安定計算、たて壁の設計",
                               "つま先版の設計",
                               "安定計算、つま先版の設計",
                               "たて壁の設計、つま先版の設計",
                               "安定計算、たて壁の設計、つま先版の設計"};
  for (int16_t t = 0; t <= 7; ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(NiniTargetText(t), kText[t]);
  }
}

TEST_F(JyoukenLines, ArbitraryLoadTablesByKind) {
  struct Row {
    int16_t type;
    const char* kind;
    std::vector<std::string> cells;  // the values row
  };
  const std::vector<Row> rows{
      {0,
       "鉛直集中荷重",
       {"<TD SROW=2, SCOL=0, HALIGN=CENTER> 1.000</TD>",
        "<TD SROW=2, SCOL=1, HALIGN=CENTER> 3.000</TD>",
        "<TD SROW=2, SCOL=2, HALIGN=CENTER>  5.00</TD>"}},
      {2,
       "鉛直分布荷重",
       {"<TD SROW=1, SCOL=2, HALIGN=CENTER>Y (m)</TD>",
        "<TD SROW=2, SCOL=0, HALIGN=CENTER> 1.000</TD>",
        "<TD SROW=2, SCOL=1, HALIGN=CENTER> 2.000</TD>",
        "<TD SROW=2, SCOL=2, HALIGN=CENTER> 3.000</TD>"}},
      {9,
       " ",
       {"<TD SROW=1, SCOL=0, HALIGN=CENTER>X (m)</TD>",
        "<TD SROW=2, SCOL=0, HALIGN=CENTER> 1.000</TD>",
        "<TD SROW=2, SCOL=1, HALIGN=CENTER> 3.000</TD>",
        "<TD SROW=2, SCOL=2, HALIGN=CENTER> 4.000</TD>"}},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.type);
    auto doc = test::GoldenGravity();
    doc->SetnNiniCount(1);
    CNini& n = *doc->pNini(0);
    n.LoadName = "";
    n.nType = x.type;
    n.nTarget = 0;
    n.X1 = 1;
    n.X2 = 2;
    n.Y1 = 3;
    n.Y2 = 4;
    n.P1 = 5;
    n.P2 = 6;
    JyoukenState st;
    st.loadsHeading = true;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenNini(f, *doc, st); });
    EXPECT_TRUE(Has(l, "名　　称　　： <BR>"));
    EXPECT_TRUE(Has(l, std::string("荷重種類　　：") + (x.type == 9 ? " " : x.kind) + "<BR>"));
    EXPECT_TRUE(Has(l, "考慮する計算： <BR>"));
    for (const std::string& c : x.cells) EXPECT_TRUE(Has(l, c)) << c;
    EXPECT_EQ(std::count(l.begin(), l.end(), "<PROTECT>"), 1);
    EXPECT_EQ(std::count(l.begin(), l.end(), "</PROTECT>"), 1);
  }
}

// ---- Load combinations ------------------------------------------------------------------

// The rows each table of the section declares, and the highest row written.
struct TableRows {
  std::vector<int> declared;
  std::vector<int> highest;
};
TableRows Rows(const std::vector<std::string>& lines) {
  TableRows t;
  for (const std::string& l : lines) {
    if (l.rfind("<TABLE ROW=", 0) == 0) {
      t.declared.push_back(std::stoi(l.substr(11)));
      t.highest.push_back(-1);
    } else if (l.rfind("<TD SROW=", 0) == 0 && !t.highest.empty()) {
      t.highest.back() = std::max(t.highest.back(), std::stoi(l.substr(9)));
    }
  }
  return t;
}

TEST_F(JyoukenLines, CombinationRowCountOfThePartsExample) {
  // nTentou 0, ChkSlide 1, Sisin 2, allowable stresses, two arbitrary loads:
  // R = 2 + 14 + 1 + 1 + 1 = 19; rows 13, 14 the loads, then 15 転倒許容偏心量,
  // 16 滑動安全率, 17 許容支持力度割増, 18 許容応力度割増.
  auto doc = test::GoldenMixed();
  doc->nTentou = 0;
  JyoukenState st;
  st.allowable = true;
  EXPECT_EQ(CombinationRowCount(*doc, true), 19);
  const auto l = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
  for (const char* want : {"<TD SROW=13, SCOL=0, HALIGN=LEFT>照明柱</TD>",
                           "<TD SROW=14, SCOL=0, HALIGN=LEFT>遮音壁</TD>",
                           "<TD SROW=15, SCOL=0, HALIGN=LEFT>転倒許容偏心量</TD>",
                           "<TD SROW=16, SCOL=0, HALIGN=LEFT>滑動安全率</TD>",
                           "<TD SROW=17, SCOL=0, HALIGN=LEFT>許容支持力度割増</TD>",
                           "<TD SROW=18, SCOL=0, HALIGN=LEFT>許容応力度割増</TD>",
                           "<TD SROW=15, SCOL= 2, HALIGN=CENTER>B/3</TD>"}) {
    EXPECT_TRUE(Has(l, want)) << want;
  }
  // Four cases: two tables of the same rows, the second with case 4 alone.
  const TableRows t = Rows(l);
  EXPECT_EQ(t.declared, (std::vector<int>{19, 19}));
  EXPECT_EQ(CountStarting(l, "<TD SROW= 0, SCOL= 1,"), 2u);
  EXPECT_EQ(CountStarting(l, "<TD SROW= 0, SCOL= 3,"), 1u);
  EXPECT_TRUE(Has(l, "<TD SROW= 0, SCOL= 1, HALIGN=CENTER> 4</TD>"));
}

TEST_F(JyoukenLines, EveryDeclaredCombinationRowIsFilled) {
  for (int32_t tentou : {0, 1, 2, 3, static_cast<int32_t>(kNullInt16)})
    for (int16_t slide : {0, 1})
      for (int32_t sisin : {2, 3})
        for (bool allowable : {false, true})
          for (int16_t cases : {0, 1, 4}) {
            SCOPED_TRACE(::testing::Message()
                         << "nTentou " << tentou << " ChkSlide " << slide << " Sisin " << sisin
                         << " allowable " << allowable << " cases " << cases);
            auto doc = test::GoldenMixed();
            doc->nTentou = tentou;
            doc->ChkSlide = slide;
            doc->Sisin = sisin;
            doc->SetnCase(cases);
            JyoukenState st;
            st.allowable = allowable;
            const auto l = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
            const TableRows t = Rows(l);
            ASSERT_EQ(t.declared.size(), cases > 3 ? 2u : 1u);
            const int R = 2 + 13 + (tentou >= 0 && tentou <= 2) + slide + 1 + allowable;
            for (size_t g = 0; g < t.declared.size(); ++g) {
              EXPECT_EQ(t.declared[g], R);
              EXPECT_EQ(t.highest[g], R - 1);
            }
            EXPECT_EQ(Has(l, "<TD SROW=15, SCOL=0, HALIGN=LEFT>転倒許容偏心量</TD>"),
                      tentou == 0 || tentou == 2);
            EXPECT_EQ(Has(l, "<TD SROW=15, SCOL=0, HALIGN=LEFT>転倒安全率</TD>"), tentou == 1);
            const std::string bearing = sisin == 3 ? "支持力安全率" : "許容支持力度割増";
            EXPECT_EQ(std::count_if(l.begin(), l.end(),
                                    [&](const std::string& s) {
                                      return s.find(">" + bearing + "<") != std::string::npos;
                                    }),
                      static_cast<long>(t.declared.size()));
          }
}

TEST_F(JyoukenLines, CombinationMarks) {
  auto doc = test::GoldenMixed();
  JyoukenState st;
  auto cell = [&](int row, int col) {
    const auto l = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
    char head[40];
    std::snprintf(head, sizeof head, "<TD SROW=%2d, SCOL=%2d, HALIGN=", row, col);
    for (const std::string& s : l) {
      if (s.rfind(head, 0) == 0)
        return s.substr(s.find('>') + 1, s.rfind("</TD>") - s.find('>') - 1);
    }
    return std::string("(none)");
  };
  // Row 3: a normal case of a seismic design an ideographic blank, a seismic
  // case 〇; without the seismic design "－".
  EXPECT_EQ(cell(3, 1), "　");
  EXPECT_EQ(cell(3, 2), "〇");
  doc->bQuake = 0;
  EXPECT_EQ(cell(3, 2), "－");
  // Collision considered for the stem only: the cases' marks, not "－".
  EXPECT_EQ(cell(10, 3), "〇");
  EXPECT_EQ(cell(10, 1), " ");
  doc->SetnAutoCrash(1, 1);
  EXPECT_EQ(cell(10, 3), "－");
  doc->SetnAutoCrash(0, 0);
  EXPECT_EQ(cell(10, 3), "〇");
  // Water: "－" without water in the design, else the case's mark.
  EXPECT_EQ(cell(4, 1), "－");
  doc->nWater = 1;
  doc->pCase(0)->nWater = 1;
  EXPECT_EQ(cell(4, 1), "〇");
  EXPECT_EQ(cell(4, 2), " ");
  // A switch value other than 0 counts as acting.
  doc->pCase(0)->nSoilF = -1;
  EXPECT_EQ(cell(5, 1), "〇");
}

TEST_F(JyoukenLines, CaseNameSplitAtByteTwentyWithoutSplittingACharacter) {
  struct Row {
    const char* name;
    const char* row1;
    const char* row2;
  };
  const std::vector<Row> rows{
      {"あいうえおかきくけこ", "あいうえおかきくけこ", " "},   // exactly 20 bytes
      {"Aあいうえおかきくけこ", "Aあいうえおかきくけ", "こ"},  // byte 20 opens こ
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRST", "UVWXY"},
      {"あいうえおかきくけこさしすせそたちつてとなにぬ", "あいうえおかきくけこ",
       "さしすせそたちつてと"},  // cut after 40 bytes
      {"", " ", " "},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenGravity();
    doc->pCase(0)->CaseName = x.name;
    JyoukenState st;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
    EXPECT_TRUE(Has(l, std::string("<TD SROW= 1, SCOL= 1, HALIGN=LEFT>") + x.row1 + "</TD>"));
    EXPECT_TRUE(Has(l, std::string("<TD SROW= 2, SCOL= 1, HALIGN=LEFT>") + x.row2 + "</TD>"));
  }
}

TEST_F(JyoukenLines, AllowableTextsOfACase) {
  struct Row {
    double ea;
    const char* text;
  };
  for (const Row& x : std::vector<Row>{{6, "B/6"}, {6.5, "B/6.5"}, {2.25, "B/2.25"}, {0, "B/0"}}) {
    auto doc = test::GoldenGravity();
    doc->pCase(0)->Ea = x.ea;
    doc->pCase(0)->FsKatsudou = 1.5;
    doc->pCase(0)->QaPremium = 12.345;
    JyoukenState st;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenCombination(f, *doc, st); });
    EXPECT_TRUE(Has(l, std::string("<TD SROW=13, SCOL= 1, HALIGN=CENTER>") + x.text + "</TD>"));
    EXPECT_TRUE(Has(l, "<TD SROW=14, SCOL= 1, HALIGN=CENTER>1.50</TD>"));
    EXPECT_TRUE(Has(l, "<TD SROW=15, SCOL= 1, HALIGN=CENTER>12.35</TD>"));  // "##0.00"
  }
}

// ---- Seismic coefficient -------------------------------------------------------------------

TEST_F(JyoukenLines, SeismicDerivationOrTheEnteredValues) {
  struct Row {
    const char* name;
    int32_t sisin;
    double cZ;
    int16_t tiiki, jiban2, kibo;
    double kh0;  // Kh(0) entered
    bool derivation;
  };
  const std::vector<Row> rows{
      // Road earthworks, B region, class II, medium: 0.85 × 0.15 = 0.1275 → 0.13.
      {"standard value", 2, 0.85, 1, 1, 0, 0.13, true},
      {"differs in the second decimal", 2, 0.85, 1, 1, 0, 0.14, false},
      // cZ entered 1.0 in region B: the standard value 0.15 was worked out
      // from 1.0, but the formula would print 0.85 × 0.15.
      {"entered cZ differs from the region's", 2, 1.0, 1, 1, 0, 0.15, false},
      // Residential land prints the entered cZ: 0.9 × 0.2 = 0.18.
      {"residential land with its own cZ", 4, 0.9, 1, 1, 0, 0.18, true},
      // Canals: Cz · Cs · kh0 = 0.85 × 0.75 × 0.20 = 0.1275 → 0.13.
      {"canal", 5, 0.85, 1, 1, 0, 0.13, true},
      {"canal with a cZ of another region", 5, 1.0, 1, 1, 0, 0.15, false},
      {"an unknown guideline", 1, 1.0, 0, 1, 0, 0.1, false},
      // The standard value is never below 0.10: where the product is raised
      // to it, "0.70×0.12 = 0.10" would not hold, so the entered values.
      // Road earthworks, C region, class I, medium: 0.70 × 0.12 = 0.084.
      {"product raised to 0.10", 2, 0.7, 2, 0, 0, 0.1, false},
      // Canal, C region, class I: 0.70 × 0.75 × 0.16 = 0.084.
      {"canal product raised to 0.10", 5, 0.7, 2, 0, 0, 0.1, false},
      // Residential land: 0.40 × 0.20 = 0.08.
      {"residential product raised to 0.10", 4, 0.4, 2, 0, 0, 0.1, false},
      // Road earthworks, B region, class I, medium: 0.85 × 0.12 = 0.102 → 0.10.
      {"product just above 0.10", 2, 0.85, 1, 0, 0, 0.1, true},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenFarmRoad();
    doc->Sisin = x.sisin;
    doc->cZ = x.cZ;
    doc->Tiiki = x.tiiki;
    doc->Jiban2 = x.jiban2;
    doc->Kibo = x.kibo;
    doc->Delt3 = 0.75;
    doc->Youto = 0.75;
    doc->SetKh(0, x.kh0);
    doc->SetKh(1, 0.1);
    EXPECT_EQ(SeismicDerivationShown(*doc), x.derivation);
    const auto l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *doc); });
    EXPECT_EQ(Has(l, "設計水平震度（く体）"), x.derivation);
    EXPECT_EQ(CountStarting(l, "設計水平震度　く　　体："), x.derivation ? 0u : 1u);
  }
  auto none = test::GoldenFarmRoad();
  none->bQuake = 0;
  EXPECT_TRUE(Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *none); }).empty());
}

TEST_F(JyoukenLines, SeismicFormulaLinesByGuideline) {
  // Canal, region B, Jiban1 0: factor lines end in (B地域) and (1種地盤).
  auto canal = test::GoldenFarmRoad();
  canal->Sisin = 5;
  canal->Tiiki = 1;
  canal->cZ = 0.85;
  canal->Jiban1 = 0;
  canal->Jiban2 = 1;
  canal->Delt3 = 0.75;
  canal->SetKh(0, 0.13);
  auto l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *canal); });
  EXPECT_TRUE(Has(l,
                  "　　K<sub>h</sub> = C<sub>z</sub>･C<sub>s</sub>･k<sub>H0</sub> = "
                  "0.85×0.75×0.20 = 0.13"));
  EXPECT_TRUE(Has(l, "　　　　　　C<sub>z </sub>：地域別補正係数　　C<sub>z </sub>= 0.85 (B地域)"));
  EXPECT_TRUE(
      Has(l, "　　　　　　C<sub>s </sub>：重要度別補正係数　C<sub>s </sub>= 0.75 (1種地盤)"));
  // Residential land: the entered cZ and kh0 0.2.
  auto res = test::GoldenFarmRoad();
  res->Sisin = 4;
  res->cZ = 0.9;
  res->SetKh(0, 0.18);
  l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *res); });
  EXPECT_TRUE(Has(l, "　　 <sub> </sub> = 0.90×0.20  = 0.18"));
  EXPECT_TRUE(Has(l, "　　　　　　 K<sub>H0</sub>：標準設計水平震度　 K<sub>H0</sub>= 0.20 "));
}

TEST_F(JyoukenLines, GroundTypeFromLayerThicknesses) {
  struct Row {
    double ha, hd;
    const char* judgement;  // "" when no ground-type part is written
  };
  const std::vector<Row> rows{
      {25, 0, "　　　　H<SUB>A</SUB>≧25(m) より　Ⅲ種地盤"},
      {24.99, 0, "　　　　2H<SUB>A</SUB>+H<SUB>D</SUB>＞10(m) より　Ⅱ種地盤"},
      {4, 2, "　　　　2H<SUB>A</SUB>+H<SUB>D</SUB>≦10(m) より　Ⅰ種地盤"},  // 2·4 + 2 = 10
      {4, 2.5, "　　　　2H<SUB>A</SUB>+H<SUB>D</SUB>＞10(m) より　Ⅱ種地盤"},
      {-1, 2, ""},
      {4, kNullDouble, ""},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(::testing::Message() << x.ha << " " << x.hd);
    auto doc = test::GoldenFarmRoad();
    doc->JibanHa = x.ha;
    doc->JibanHd = x.hd;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *doc); });
    EXPECT_EQ(Has(l, "地盤種別"), *x.judgement != 0);
    if (*x.judgement) {
      EXPECT_TRUE(Has(l, x.judgement));
    }
  }
}

TEST_F(JyoukenLines, GroundTypeFromTheSoilLayerTable) {
  struct Row {
    const char* name;
    double t;
    int16_t n, kind;
    const char* vs;     // the Vs cell
    const char* judge;  // the judgement line
  };
  // One layer; TG = 4·t/Vs.
  const std::vector<Row> rows{
      // 80·1^(1/3) = 80: TG = 4 × 4/80 = 0.2 exactly: class II.
      {"TG 0.2", 4, 1, 0, "  80.00", "　　　　0.2≦T<sub>G</SUB>＜0.6 より Ⅱ種地盤"},
      {"TG 0.6", 12, 1, 0, "  80.00", "　　　　0.6≦T<sub>G</SUB> より Ⅲ種地盤"},
      {"TG below 0.2", 3.9, 1, 0, "  80.00", "　　　　T<sub>G</SUB>＜0.2 より Ⅰ種地盤"},
      // Sandy N 60 counts as 50: 80·50^(1/3) = 294.72.
      {"sandy N above 50", 1, 60, 0, " 294.72", "　　　　T<sub>G</SUB>＜0.2 より Ⅰ種地盤"},
      // Cohesive N 30 counts as 25: 100·25^(1/3) = 292.40.
      {"cohesive N above 25", 1, 30, 1, " 292.40", "　　　　T<sub>G</SUB>＜0.2 より Ⅰ種地盤"},
      // N 0 counts as 1: cohesive 100.
      {"cohesive N 0", 1, 0, 1, " 100.00", "　　　　T<sub>G</SUB>＜0.2 より Ⅰ種地盤"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenBlock();
    doc->SetnTokusei(1);
    doc->SetTokuseiT(0, x.t);
    doc->SetTokuseiN(0, x.n);
    doc->SetTokuseiS(0, x.kind);
    const auto l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *doc); });
    EXPECT_TRUE(Has(l, std::string("<TD SROW= 3, SCOL=4, HALIGN=CENTER>") + x.vs + "</TD>"));
    EXPECT_TRUE(Has(l, x.judge));
    EXPECT_TRUE(Has(l, x.kind == 0 ? "<TD SROW= 3, SCOL=3, HALIGN=CENTER>砂質土</TD>"
                                   : "<TD SROW= 3, SCOL=3, HALIGN=CENTER>粘性土</TD>"));
  }
  // No layers: no ground-type part.
  auto doc = test::GoldenBlock();
  doc->SetnTokusei(0);
  const auto l = Write([&](PrnFile& f) { PrnJyoukenSeismic(f, *doc); });
  EXPECT_FALSE(Has(l, "地盤種別"));
  EXPECT_TRUE(Has(l, "設計水平震度（く体）"));
}

// ---- Passive earth pressure -----------------------------------------------------------------

TEST_F(JyoukenLines, PassiveDerivationOnlyWhereItShowsTheResultantsUsed) {
  struct Row {
    const char* name;
    double beta, alpha, delta, kh, pp0, pp1;
    int16_t quake;
    bool derived;
  };
  // φ 30, γ 18, H 1: δ 15, α 0, β −5 give Pp 15.905, PEP (kh 0.2) 14.603.
  const std::vector<Row> rows{
      {"both agree", -5, 0, 15, 0.2, 15.91, 14.6, -1, true},
      {"normal differs", -5, 0, 15, 0.2, 15.9, 14.6, -1, false},
      {"seismic differs", -5, 0, 15, 0.2, 15.91, 14.5, -1, false},
      {"seismic not reported", -5, 0, 15, 0.2, 15.91, 0, 0, true},
      // sin(φ + β) < 0: no root.
      {"negative radicand", -40, 0, 15, 0.2, 15.91, 14.6, -1, false},
      // cos(α + δ) = 0.
      {"zero cosine", -5, 60, 30, 0.2, 15.91, 14.6, -1, false},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::GoldenMixed();
    doc->JyudoI = x.beta;
    doc->JyudoAlp = x.alpha;
    doc->JyudoDelt = x.delta;
    doc->JyudoKh = x.kh;
    doc->SetPp(0, x.pp0);
    doc->SetPp(1, x.pp1);
    doc->bQuake = x.quake;
    EXPECT_EQ(PassiveDerivationShown(*doc), x.derived);
    JyoukenState st;
    const auto l = Write([&](PrnFile& f) { PrnJyoukenPassive(f, *doc, st); });
    EXPECT_EQ(Has(l, "常　時"), x.derived);
    EXPECT_EQ(CountStarting(l, "　常　時 ："), x.derived ? 0u : 1u);
    EXPECT_EQ(Has(l, "地震時"), x.derived && x.quake != 0);
  }
}

TEST_F(JyoukenLines, PassiveWithoutSeismicCoefficientEqualsTheNormalState) {
  // kh 0: θ 0.00 and KEP = Kp (1.767), PEP = Pp.
  auto doc = test::GoldenMixed();
  doc->JyudoKh = 0;
  doc->SetPp(1, 15.91);
  const std::optional<PassiveDerivation> d = DerivePassive(*doc);
  ASSERT_TRUE(d);
  EXPECT_DOUBLE_EQ(d->thetaDeg, 0);
  EXPECT_NEAR(d->KEP, d->Kp, 1e-12);
  EXPECT_NEAR(d->Kp, 1.76723, 1e-5);  // cos²30° / (cos15° (1 − 0.337154)²)
  JyoukenState st;
  const auto l = Write([&](PrnFile& f) { PrnJyoukenPassive(f, *doc, st); });
  EXPECT_TRUE(Has(l,
                  "　<math>K_EP_=<box>cos^2^(30.00＋0.00－ 0.00)<over>cos 0.00×cos^2^0.00×"
                  "cos( 0.00＋15.00－ 0.00)×(1－ 0.3372)^2^</box>= 1.767</math>"));
}

}  // namespace
}  // namespace norva
