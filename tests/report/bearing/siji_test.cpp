// Bearing-capacity texts: hand goldens, the printed factor tables against the
// data the calculation interpolates in, and calculated designs of every
// guideline whose printed values are the stored ones and whose printed
// substitutions give their printed results.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/stability/bearing.h"
#include "calc/stability/bearing_factors.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "report/bearing/bearing_test_support.h"
#include "report/bearing/prn_jiban.h"
#include "report/bearing/prn_siji_qa.h"
#include "report/bearing/prn_siji_table.h"
#include "report/bearing/siji_blocks.h"
#include "report/driver/prn_file.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

std::string Fmt(double v, const char* mask) { return FillTemplate(mask, {v}).text; }
// As printed inside a line, without the mask's padding.
std::string Num(double v, const char* mask) {
  const std::string s = Fmt(v, mask);
  return s.substr(s.find_first_not_of(' '));
}

std::string Utf8(const std::function<void(PrnFile&)>& write) {
  return Cp932ToUtf8(test::Markup(write));
}

// The text of the cell at (row, col) of a markup, "" when it has no line.
std::string Cell(const std::string& text, const std::string& rowText, int col,
                 const std::string& attrs) {
  const std::string head = "<TD SROW=" + rowText + ", SCOL=" + std::to_string(col) + attrs + ">";
  const size_t p = text.find(head);
  if (p == std::string::npos) return "";
  const size_t s = p + head.size();
  return text.substr(s, text.find("</TD>", s) - s);
}

std::string Row2(int row) { return Fmt(row, "##"); }

void SetGround(CDocument& d) {
  d.SijiFai = 30;
  d.SijiC = 10;
  d.SijiGam1 = 18;
  d.SijiGam2 = 17;
  d.Df = 0.5;
  d.Dfd = 0.5;
}

// ---- Goldens -------------------------------------------------------------------

// Block masonry under canals: c 10, γ1 18, γ2 17, Df 0.5, φ 30, B 1.0:
// q = 8.5, Nc 30.1, Nq 18.4, Nγ 15.7, η = 1; in brackets
// 18×0.5×1.0×15.7 + 10×1.0×30.1 + 8.5×18.4 = 598.7: long 199.57, short 399.13.
TEST(SijiGolden, CanalBlockMasonryMethodText) {
  auto doc = test::BearingDoc(0, 5, {});
  SetGround(*doc);
  doc->WallB = 1.0;
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiCanal(f, *doc); }),
                         test::BearingGolden("siji_canal_block_method.prn"));
}

// Residential land, long term, L 1.0, B 3.0, e 0.2: Be 2.6, α 1.52,
// β = 0.5 − 0.52 = −0.02 (taken as 0); ΣH 40 over ΣV 100, θ 21.8° > φ 10°:
// ic = iq = (1 − 10/90)² = 0.790, iγ 0; Nc 8.3, Nq 2.5, Nγ 0.4;
// qu = 1.52×10×8.3×0.790 + 8.5×0.790×2.5 = 99.681 + 16.790 = 116.471, qa = 38.8.
TEST(SijiGolden, ResidentialCaseBeyondPhiWithNegativeBeta) {
  test::RecordingSink sink;
  auto doc = test::BearingDoc(1, 4, {"常時"});
  SetGround(*doc);
  doc->SijiFai = 10;
  doc->WallL = 1.0;
  doc->nQa = 0;
  doc->pCase(0)->QuPremium = 3;
  CAntRes& r = *doc->AntRes(0, 0);
  test::SetResultant(r, 100, 3.0, 0.2);
  r.SgmH = 40;
  r.Qmax = 50;
  r.Qmin = 20;
  ASSERT_TRUE(CalcSiji(*doc, 0, r, 0));
  EXPECT_NEAR(r.Qa, 116.4712 / 3, 1e-3);
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiCase(f, *doc, 0); }),
                         test::BearingGolden("siji_residential_case.prn"));
}

// Road earthworks, resultant behind the middle (e = −0.25 on B 2.0): B' = 2.0 −
// 2×0.25 = 1.5 as the calculation takes it; α = 1 + 0.3×1.5/10 = 1.045,
// β = 1 − 0.4×0.15 = 0.94, κ = 1 + 0.3×0.5/1.5 = 1.1; c* = 1 (c 10),
// q* = 1 (q 8.5), B* = 1.5: Sr = 1.5^(−1/3) = 0.8736; θ = atan(20/100) =
// 0.1974 rad; the judgment ΣV/B' = 100/1.5 = 66.67 is the stored Qmax.
TEST(SijiGolden, RoadEarthworksCaseWithTheResultantBehindTheMiddle) {
  auto doc = test::BearingDoc(1, 2, {"常"});
  SetGround(*doc);
  doc->WallL = 10;
  doc->pCase(0)->QuPremium = 3;
  CAntRes& r = *doc->AntRes(0, 0);
  test::SetResultant(r, 100, 2.0, -0.25);
  r.SgmH = 20;
  r.Nc = 20;
  r.Nq = 10;
  r.Ng = 5;
  r.Alpha = 1.045;
  r.Beta = 0.94;
  r.Kappa = 1.1;
  r.Sc = 1;
  r.Sq = 1;
  r.Sg = std::pow(1.5, -1.0 / 3.0);
  r.Q = 8.5;
  r.Qa = 150;
  r.Qmax = 100 / 1.5;
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiQaCase(f, *doc, 0); }),
                         test::BearingGolden("siji_road_case_heel.prn"));
}

// Large block: Qmax 80, Qmin 40 on B 2.0: eB = |40×(2/6)/120| = 0.111,
// B' = 1.778; Q_H = −Qh = 24 over Qv 120: θ = 0.1974 rad; ω 1 rad with
// φ 30° (0.5236): λ = 3π/4 + 0.2618 − 1 = 1.6180, ρ = 1.0472, Ψ = 2.0944,
// ε = π − 2.0472 = 1.0944, ζ = 0.5236; F = 500×1.778/120 = 7.41 ≧ 3.
TEST(SijiGolden, LargeBlockCase) {
  auto doc = test::BearingDoc(1, 3, {"常"});
  SetGround(*doc);
  doc->WallL = 10;
  CAntRes& r = *doc->AntRes(0, 0);
  const double Bd = 2.0 - 2 * (40.0 * (2.0 / 6) / 120);
  r.Breadth = 2.0;
  r.Qmax = 80;
  r.Qmin = 40;
  r.Qv = 120;
  r.Qh = -24;
  r.SijiOmg = 1.0;
  r.Nc = 30;
  r.Nq = 18;
  r.Ng = 15;
  r.Alpha = 1 + 0.3 * Bd / 10;
  r.Beta = 1 - 0.4 * Bd / 10;
  r.Kappa = 1 + 0.3 * 0.5 / Bd;
  r.Q = 8.5;
  r.Qu = 500;
  r.fB = 500 * Bd / 120;
  r.Fba = 3;
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiFsCase(f, *doc, 0); }),
                         test::BearingGolden("siji_large_block_case.prn"));
}

// Canal gravity wall, μ 0.5, B 2.0, φ 30:
//   1. wind only (safety factor 1.5, no special case): 2/3 with η = 1.0;
//      tanθ 0.2: θ = 11.31°, ic = (1 − 11.31/90)² = 0.764, iγ = (1 − 11.31/30)² = 0.388
//   2. earthquake, tanθ 0.6 > μ: θ = atan 0.5 = 26.57°, ic = 0.497,
//      iγ = (1 − 26.57/30)² = 0.013, η = 2^(−1/3) = 0.794
//   3. long term, vertical load: 1/3, θ = 0, every factor 1
TEST(SijiGolden, CanalGravityCases) {
  auto doc = test::BearingDoc(1, 5, {"風", "地震", "常"});
  SetGround(*doc);
  doc->Myu = 0.5;
  doc->ChkSlide = 1;
  struct Row {
    double H, premium, theta, qa;
    int16_t quake;
  } const rows[] = {
      {20, 1.5, std::atan(0.2), 250, 0}, {60, 1.5, std::atan(0.5), 180, 1}, {0, 3, 0, 100, 0}};
  for (int32_t i = 0; i < 3; ++i) {
    const Row& x = rows[i];
    doc->pCase(i)->QuPremium = x.premium;
    doc->pCase(i)->nQuake = x.quake;
    CAntRes& r = *doc->AntRes(0, i);
    test::SetResultant(r, 100, 2.0, 0.1);
    r.SgmH = x.H;
    const double deg = x.theta * 45 / std::atan(1.0);
    r.Sc = r.Sq = (1 - deg / 90) * (1 - deg / 90);
    r.Sg = (1 - deg / 30) * (1 - deg / 30);
    r.Eta = x.quake ? std::pow(2.0, -1.0 / 3.0) : 1.0;
    r.Nc = 30.1;
    r.Nq = 18.4;
    r.Ng = 15.7;
    r.Alpha = 1;
    r.Beta = 0.5;
    r.Q = 8.5;
    r.Qa = x.qa;
  }
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) {
                           for (int32_t i = 0; i < 3; ++i) PrnSijiCase(f, *doc, i);
                         }),
                         test::BearingGolden("siji_canal_cases.prn"));
}

// Farm roads, ΣH −10 over ΣV 100: tanθ −0.10, θ = −5.7° (signed); then a
// block masonry wall with θ = 0; both with the safety factor 3.
TEST(SijiGolden, FarmRoadGravityAndBlockMasonry) {
  std::string all;
  for (int32_t wallType : {1, 0}) {
    auto doc = test::BearingDoc(wallType, 0, {"常"});
    SetGround(*doc);
    doc->pCase(0)->QuPremium = 3;
    CAntRes& r = *doc->AntRes(0, 0);
    test::SetResultant(r, 100, 2.0, 0.1);
    r.SgmH = -10;
    r.Nc = 30.1;
    r.Nq = 18.4;
    r.Ng = 15.3;
    r.Qa = 123.456;
    all += test::Markup([&](PrnFile& f) { PrnSijiCase(f, *doc, 0); });
  }
  test::ExpectSameMarkup(all, test::BearingGolden("siji_farm_cases.prn"));
}

// Method texts: road earthworks for a gravity wall (the effective width in
// one form for either sign of e, no velocity field: the factors come from
// the charts), and the large-block text of a mixed wall one level deeper,
// with the closed forms of the ω search; block masonry checks 1.2ΣV/B.
TEST(SijiGolden, MethodTexts) {
  auto road = test::BearingDoc(1, 2, {});
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiQa(f, *road); }),
                         test::BearingGolden("siji_road_method.prn"));
  auto big = test::BearingDoc(3, 3, {});
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) { PrnSijiFs(f, *big); }),
                         test::BearingGolden("siji_large_block_method_mixed.prn"));
  auto block = test::BearingDoc(0, 2, {});
  const std::string text = Utf8([&](PrnFile& f) { PrnSijiQa(f, *block); });
  EXPECT_NE(text.find("\r\n　<math><box>1.2ΣV<over>B</box> &sp;≦&sp; q_a_</math>\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("<box>ΣV<over>B'</box>"), std::string::npos);
}

// Degenerate cases print blanks instead of dividing by zero: ΣV = 0 and
// L = 0 (residential, canal, farm road, road), qmax + qmin = 0 and Qv = 0
// (large block), and a missing safety factor.
TEST(SijiEdges, NothingDividesByZero) {
  struct Row {
    const char* name;
    int32_t sisin;
    const char* blank;  // a line that must print its value as "-----"
  } const rows[] = {
      {"residential", 4, "tanθ = ΣH/ΣV = 10.00/0.00 = -----"},
      {"canal", 5, "tanθ = H/V = 10.00/0.00 = -----"},
      {"farm road", 0, "tanθ=ΣH/ΣV=10.00/0.00=-----"},
      {"road earthworks", 2, "tan^-1^(10.00/ 0.00)=  -----"},
      {"large block", 3, "tan^-1^(-----/ 0.00)=  -----"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::BearingDoc(1, x.sisin, {"常"});
    SetGround(*doc);
    doc->WallL = 0;
    doc->pCase(0)->QuPremium = 0;
    CAntRes& r = *doc->AntRes(0, 0);
    test::SetResultant(r, 0, 2.0, 0.1);
    r.SgmH = 10;
    r.Qh = kNullBox;
    std::string text;
    EXPECT_NO_THROW(text = Utf8([&](PrnFile& f) {
                      PrnSijiCase(f, *doc, 0);
                      PrnSijiQaCase(f, *doc, 0);
                      PrnSijiFsCase(f, *doc, 0);
                    }));
    EXPECT_NE(text.find(x.blank), std::string::npos) << text;
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
  }
  // Residential land with φ = 0: θ' = 0, ic = iq = 1, no iγ formula; the
  // factor of a small design (safety factor 1) reads 3/3.
  auto doc = test::BearingDoc(1, 4, {"常"});
  SetGround(*doc);
  doc->SijiFai = 0;
  doc->pCase(0)->QuPremium = 1;
  CAntRes& r = *doc->AntRes(0, 0);
  test::SetResultant(r, 100, 2.0, 0.1);
  r.SgmH = 10;
  r.Sc = r.Sq = 1;
  const std::string text = Utf8([&](PrnFile& f) { PrnSijiCase(f, *doc, 0); });
  EXPECT_NE(text.find("<box>3<over>3</box>･(i_c_"), std::string::npos) << text;
  EXPECT_NE(text.find("= (1.0-0.0/90)<sup>2</sup> = 1.00\r\n　　　　i<sub>r</sub> = 0.00\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("＞　φ=0.0　→　θ = 0.0とする。"), std::string::npos);
}

// ---- Factor tables ---------------------------------------------------------------

// Every cell of the three farm-road charts is the chart's, blanks and dashes
// where the curves end; the θ 45° row lies beyond the chart.
TEST(SijiTables, FarmRoadChartsArePrintedFromTheChart) {
  const std::string text = Utf8([](PrnFile& f) { PrnSijiCoefTable(f); });
  const std::string titles[3] = {"支持力係数 N<sub>c</sub>", "支持力係数 N<sub>q</sub>",
                                 "支持力係数 N<sub>γ</sub>"};
  for (int16_t kind = 0; kind < 3; ++kind) {
    SCOPED_TRACE(kind);
    const size_t start = text.find(titles[kind]);
    ASSERT_NE(start, std::string::npos);
    const std::string table = text.substr(start, text.find("</TABLE>", start) - start);
    // The φ heads read as written, with no blanks: "0", "5", ..., "40".
    for (int col = 0; col < 9; ++col) {
      EXPECT_EQ(Cell(table, " 2", col + 1, ", HALIGN=CENTER"), std::to_string(col * 5)) << col;
    }
    for (int row = 0; row < 10; ++row) {
      EXPECT_EQ(Cell(table, Row2(row + 3), 0, ", HALIGN=CENTER"), Fmt(row * 5, "##"));
      for (int col = 0; col < 9; ++col) {
        double v = 0;
        const SijiCell kind0 = SijiChartCell(kind, row, col, v);
        const std::string cell = Cell(table, Row2(row + 3), col + 1, ", HALIGN=CENTER");
        if (kind0 == SijiCell::kEmpty) {
          EXPECT_EQ(cell, "") << row << "," << col;
        } else if (kind0 == SijiCell::kDash) {
          EXPECT_EQ(cell, " ---") << row << "," << col;
        } else {
          if (row < 9) {
            EXPECT_EQ(v, bearing_data::kFarmChart[kind][col][row]);
          }
          EXPECT_EQ(cell, Fmt(v, "##.#")) << row << "," << col;
        }
      }
    }
  }
  // Named cells, read off the guideline's charts by hand.
  struct Named {
    const char* name;
    int16_t kind;
    int theta, phi;
    const char* text;
  } const named[] = {
      {"Nc θ0 φ0", 0, 0, 0, " 5.1"},
      {"Nc θ5 φ0 blank", 0, 5, 0, ""},
      {"Nc θ15 φ30 (chart)", 0, 15, 30, "17.4"},
      {"Nc θ45 φ35", 0, 45, 35, " 3.3"},
      {"Nc θ45 φ40", 0, 45, 40, " 4.9"},
      {"Nc θ25 φ5 blank", 0, 25, 5, ""},
      {"Nq θ15 φ15 (chart)", 1, 15, 15, " 1.5"},
      {"Nq θ10 φ5 dash", 1, 10, 5, " ---"},
      {"Nq θ25 φ5 blank", 1, 25, 5, ""},
      {"Nq θ45 φ40 dash", 1, 45, 40, " ---"},
      {"Nγ θ40 φ40", 2, 40, 40, " 0.5"},
      {"Nγ θ30 φ20 dash", 2, 30, 20, " ---"},
  };
  for (const Named& n : named) {
    SCOPED_TRACE(n.name);
    const size_t start = text.find(titles[n.kind]);
    const std::string table = text.substr(start, text.find("</TABLE>", start) - start);
    EXPECT_EQ(Cell(table, Row2(n.theta / 5 + 3), n.phi / 5 + 1, ", HALIGN=CENTER"), n.text);
  }
  // Three blocks, each closed.
  size_t opened = 0;
  for (size_t p = text.find("<PROTECT><PRE>"); p != std::string::npos;
       p = text.find("<PROTECT><PRE>", p + 1))
    ++opened;
  EXPECT_EQ(opened, 3u);
  EXPECT_EQ(text.rfind("</HEADER></TABLE>\r\n</PRE></PROTECT>\r\n"), text.size() - 37);
}

// The residential and canal tables are the ones the interpolation reads.
TEST(SijiTables, ResidentialAndCanalTablesAreTheInterpolationTables) {
  auto res = test::BearingDoc(1, 4, {});
  SetGround(*res);
  const std::string r = Utf8([&](PrnFile& f) { PrnSijiTakuchiNoudou(f, *res); });
  const std::span<const double> rp = GetTablePhis(4);
  ASSERT_EQ(rp.size(), 10u);
  for (size_t k = 0; k < rp.size(); ++k) {
    SCOPED_TRACE(rp[k]);
    const int row = static_cast<int>(k % 5) + 1, base = k < 5 ? 0 : 5;
    const std::string rs = std::to_string(row);
    EXPECT_EQ(Cell(r, rs, base, ", HALIGN=CENTER"),
              Fmt(rp[k], "##") + (k + 1 == rp.size() ? "以上" : ""));
    EXPECT_EQ(Cell(r, rs, base + 1, ", HALIGN=CENTER"), Fmt(GetNcTable(4, rp[k]), "###.#"));
    EXPECT_EQ(Cell(r, rs, base + 2, ", HALIGN=CENTER"), Fmt(GetNgTable(4, rp[k]), "###.#"));
    EXPECT_EQ(Cell(r, rs, base + 3, ", HALIGN=CENTER"), Fmt(GetNqTable(4, rp[k]), "###.#"));
  }
  EXPECT_EQ(Cell(r, "3", 6, ", HALIGN=CENTER"), " 35.5");  // φ 32
  EXPECT_EQ(Cell(r, "5", 5, ", HALIGN=CENTER"), "40以上");
  // The heading row alone is the header.
  EXPECT_NE(r.find("N<sub>q</sub></TD>\r\n</HEADER>\r\n<LOOP>\r\n<TD SROW=1, SCOL=0"),
            std::string::npos);
  // φ 31: three quarters from 28 to 32.
  res->SijiFai = 31;
  EXPECT_NE(Utf8([&](PrnFile& f) { PrnSijiTakuchiNoudou(f, *res); })
                .find("φ=31.0°より、支持力係数 N<sub>c</sub>=33.1, N<sub>q</sub>=21.1, "
                      "N<sub>r</sub>=19.3"),
            std::string::npos);

  auto canal = test::BearingDoc(1, 5, {});
  SetGround(*canal);
  canal->SijiFai = 31;
  const std::string c = Utf8([&](PrnFile& f) { PrnSijiCanal(f, *canal); });
  const std::span<const double> cp = GetTablePhis(5);
  ASSERT_EQ(cp.size(), 13u);
  for (size_t k = 0; k < cp.size(); ++k) {
    const std::string rs = Row2(static_cast<int>(k) + 1);
    EXPECT_EQ(Cell(c, rs, 1, ""), Fmt(GetNcTable(5, cp[k]), "#.#"));
    EXPECT_EQ(Cell(c, rs, 2, ""), Fmt(GetNgTable(5, cp[k]), "#.#"));
    EXPECT_EQ(Cell(c, rs, 3, ""), Fmt(GetNqTable(5, cp[k]), "#.#"));
  }
  EXPECT_EQ(Cell(c, " 8", 0, ""), "30°");
  EXPECT_EQ(Cell(c, "13", 0, ""), "40°以上");
  EXPECT_EQ(Cell(c, "13", 2, ""), "93.7");
  // φ 31 halfway between 30 and 32; a gravity wall keeps its factors as
  // symbols and prints no result line.
  EXPECT_NE(c.find("N<sub>c</sub>=32.80 , N<sub>q</sub>=20.80 , N<sub>r</sub>=18.85"),
            std::string::npos);
  EXPECT_NE(c.find("×(i_c_×1.00×10.00×32.80 + i_γ_×"), std::string::npos) << c;
  EXPECT_EQ(c.find("=&sp; "), std::string::npos);
  EXPECT_NE(c.find("（ただし、θ＞φならi<sub>γ</sub>=0）"), std::string::npos);
}

// ---- Calculated designs ------------------------------------------------------------

std::vector<std::string> Printed(const std::string& line) {
  static const std::regex number(R"((^|[^0-9.])(-?\d+\.\d+))");
  std::vector<std::string> out;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
       it != std::sregex_iterator(); ++it)
    out.push_back((*it)[2].str());
  return out;
}

std::string LineWith(const std::string& text, const std::string& marker, size_t from = 0) {
  const size_t p = text.find(marker, from);
  if (p == std::string::npos) return "";
  const size_t s = text.rfind('\n', p);
  const size_t b = s == std::string::npos ? 0 : s + 1;
  return text.substr(b, text.find('\r', p) - b);
}

int Decimals(const std::string& s) {
  const size_t p = s.find('.');
  return p == std::string::npos ? 0 : static_cast<int>(s.size() - p - 1);
}

// f of the printed operands gives the printed result within the rounding of
// the operands and of the result.
void ExpectFraction(const std::string& where, const std::vector<std::string>& operands,
                    const std::function<double(const std::vector<double>&)>& f,
                    const std::string& printed) {
  std::vector<double> x;
  for (const std::string& s : operands) x.push_back(std::stod(s));
  const double v = f(x);
  double tol = 0.5 * std::pow(10.0, -Decimals(printed)) + 1e-9;
  for (size_t i = 0; i < x.size(); ++i) {
    std::vector<double> y = x;
    y[i] += 0.5 * std::pow(10.0, -Decimals(operands[i]));
    tol += std::fabs(f(y) - v);
  }
  EXPECT_NEAR(v, std::stod(printed), tol) << where;
}

std::string CaseBlock(const std::string& text, int32_t i) {
  const std::string head = "荷重ケース." + std::to_string(i + 1) + " － ";
  const size_t p = text.find(head);
  if (p == std::string::npos) return "";
  const size_t e = text.find("荷重ケース.", p + head.size());
  return text.substr(p, e == std::string::npos ? std::string::npos : e - p);
}

void CheckResidential(const CDocument& doc, const std::string& b, const CAntRes& r,
                      const CKajyuCase& k) {
  const std::string head = LineWith(b, "<math>q_a_ &sp;=&sp; <box>");
  EXPECT_NE(head.find("<box>" + Num(3 / k.QuPremium, "#") + "<over>3</box>"), std::string::npos)
      << head;
  const std::vector<std::string> a = Printed(LineWith(b, "<over>3</box>×("));
  const std::vector<std::string> c = Printed(LineWith(b, "<math>　　　+ "));
  const std::vector<std::string> q = Printed(LineWith(b, " &sp; (kN/m^2^)</math>"));
  ASSERT_EQ(a.size(), 4u);
  ASSERT_EQ(c.size(), 9u);
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0], Num(r.Qa, "#.#"));
  EXPECT_EQ(a[0], Num(r.Sc, "#.##"));
  EXPECT_EQ(a[1], Num(r.Alpha, "#.##"));
  EXPECT_EQ(a[3], Num(r.Nc, "#.##"));
  EXPECT_EQ(c[0], Num(r.Sg, "#.##"));
  EXPECT_EQ(c[1], Num(r.Beta, "#.##"));
  EXPECT_EQ(c[3], Num(r.Breadth, "#.###"));
  std::vector<std::string> ops = a;
  ops.insert(ops.end(), c.begin(), c.end());
  const double f3 = (3 / k.QuPremium) / 3;
  ExpectFraction(
      "residential qa", ops,
      [f3](const std::vector<double>& x) {
        return f3 * (x[0] * x[1] * x[2] * x[3] + x[4] * x[5] * x[6] * x[7] * x[8] +
                     x[9] * x[10] * x[11] * x[12]);
      },
      q[0]);
  const std::vector<std::string> th = Printed(LineWith(b, "tanθ = ΣH/ΣV"));
  ASSERT_EQ(th.size(), 4u);
  EXPECT_EQ(th[2], Num(r.tanTH(), "#.##"));
  EXPECT_EQ(th[3], Num(r.Theata(), "#.#"));
  (void)doc;
}

void CheckFarm(const CDocument& doc, const std::string& b, const CAntRes& r, const CKajyuCase& k) {
  EXPECT_NE(b.find("<box>1<over>" + Num(k.QuPremium, "#") + "</box>･(1.0×"), std::string::npos)
      << b;
  std::vector<std::string> a = Printed(LineWith(b, "･(1.0×"));
  const std::vector<std::string> c = Printed(LineWith(b, "×0.5×"));
  const std::vector<std::string> q = Printed(LineWith(b, " &sp; (kN/m^2^)</math>"));
  ASSERT_EQ(a.size(), 3u);
  ASSERT_EQ(c.size(), 7u);
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0], Num(r.Qa, "#.##"));
  EXPECT_EQ(c[2], Num(r.Breadth, "#.###"));
  a.insert(a.end(), c.begin() + 1, c.end());  // c[0] is the constant 0.5
  const double m = k.QuPremium;
  ExpectFraction(
      "farm qa", a,
      [m](const std::vector<double>& x) {
        return (x[0] * x[1] * x[2] + 0.5 * 0.5 * x[3] * x[4] * x[5] + x[6] * x[7] * x[8]) / m;
      },
      q[0]);
  if (doc.WallType() != 0) {
    const std::vector<std::string> t = Printed(LineWith(b, "tanθ=ΣH/ΣV="));
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], Num(r.SgmH, "#.##"));
  }
}

void CheckCanal(const CDocument& doc, const std::string& b, const CAntRes& r, const CKajyuCase& k) {
  const bool special = k.nQuake != 0 || k.nAutoCrash != 0 || k.nStoneCrash != 0;
  const std::string frac = k.QuPremium == 3 ? "<box>1<over>3</box>" : "<box>2<over>3</box>";
  // The substitution runs over two lines, the third term on the second.
  const std::string sub = LineWith(b, "<math>&sp; &sp; =" + frac + "×(") + " " +
                          LineWith(b, "<math>&sp; &sp; &sp; &sp; + ");
  ASSERT_FALSE(sub.empty()) << b;
  const std::vector<std::string> x = Printed(sub);
  const std::vector<std::string> q = Printed(LineWith(b, "&sp; (kN/m<sup>2</sup>)"));
  ASSERT_EQ(x.size(), 13u);
  ASSERT_EQ(q.size(), 1u);
  EXPECT_EQ(q[0], Num(r.Qa, "#.##"));
  EXPECT_EQ(x[0], Num(r.Sc, "#.###"));
  EXPECT_EQ(x[4], Num(r.Sg, "#.###"));
  EXPECT_EQ(x[7], Num(r.Breadth, "#.###"));
  EXPECT_EQ(x[8], Num(r.Eta, "#.###"));
  EXPECT_EQ(x[11], Num(r.Q, "##.##"));
  const double share = 1 / k.QuPremium;
  ExpectFraction(
      "canal qa", x,
      [share](const std::vector<double>& v) {
        return share * (v[0] * v[1] * v[2] * v[3] + v[4] * v[5] * v[6] * v[7] * v[8] * v[9] +
                        v[10] * v[11] * v[12]);
      },
      q[0]);
  EXPECT_EQ(b.find("η=(B/B<sub>0</sub>)") != std::string::npos, special);
  const std::vector<std::string> th = Printed(LineWith(b, "よって、θ = "));
  const std::vector<std::string> ic = Printed(LineWith(b, "(1-θ/90)<sup>2</sup> = "));
  ASSERT_EQ(th.size(), 1u);
  ASSERT_EQ(ic.size(), 2u);
  EXPECT_EQ(ic[0], th[0]);
  ExpectFraction(
      "ic", {th[0]}, [](const std::vector<double>& v) { return (1 - v[0] / 90) * (1 - v[0] / 90); },
      ic[1]);
  (void)doc;
}

void CheckRoad(const CDocument& doc, const std::string& b, const CAntRes& r, const CKajyuCase& k) {
  const double Bd = r.Breadth - 2 * std::fabs(r.E);
  const std::vector<std::string> w = Printed(LineWith(b, "<math>B'=B-2e="));
  ASSERT_EQ(w.size(), 3u);
  EXPECT_EQ(w[2], Num(Bd, "#.###"));
  ExpectFraction(
      "B'", {w[0], w[1]}, [](const std::vector<double>& v) { return v[0] - 2 * v[1]; }, w[2]);
  EXPECT_NE(LineWith(b, "<math>α=1+0.3").find("=" + Fmt(r.Alpha, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(LineWith(b, "<math>β=1-0.4").find("=" + Fmt(r.Beta, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(LineWith(b, "<math>κ=1+0.3").find("=" + Fmt(r.Kappa, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(LineWith(b, "<math>Sc=").find("=" + Fmt(r.Sc, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(LineWith(b, "<math>Sq=").find("=" + Fmt(r.Sq, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(LineWith(b, "<math>Sr=").find("=" + Fmt(r.Sg, "#.####") + "</math>"),
            std::string::npos);
  EXPECT_NE(b.find("<box>1<over>" + Num(k.QuPremium, "#") + "</box>×("), std::string::npos);
  const std::string judge = LineWith(b, "&nbsp; (kN/m^2^)");
  std::vector<std::string> j = Printed(judge);
  if (doc.WallType() == 0 && j.size() == 6u) j.erase(j.begin() + 1, j.begin() + 3);  // "1.2"s
  ASSERT_EQ(j.size(), 4u) << judge;
  EXPECT_EQ(j[0], Num(r.Qa, "###.##"));
  EXPECT_EQ(j[3], Num(r.Qmax, "#.##"));
  const double factor = doc.WallType() == 0 ? 1.2 : 1.0;
  ExpectFraction(
      judge, {j[1], j[2]}, [factor](const std::vector<double>& v) { return factor * v[0] / v[1]; },
      j[3]);
  EXPECT_NE(judge.find(r.Qa >= r.Qmax ? "→　OK" : "→　OUT"), std::string::npos);
  // The factors come from the charts: no velocity field is shown.
  EXPECT_EQ(b.find("速度場の角度"), std::string::npos);
}

void CheckLargeBlock(const std::string& b, const CAntRes& r) {
  const std::string F = LineWith(b, "<math>F=<box>q_d_");
  const std::vector<std::string> x = Printed(F);
  ASSERT_EQ(x.size(), 5u) << F;
  EXPECT_EQ(x[0], Num(r.Qu, "##.##"));
  EXPECT_EQ(x[3], Num(r.fB, "##.##"));
  EXPECT_EQ(x[4], Num(r.Fba, "##.##"));
  ExpectFraction(
      F, {x[0], x[1], x[2]}, [](const std::vector<double>& v) { return v[0] * v[1] / v[2]; }, x[3]);
  EXPECT_NE(F.find(r.fB >= r.Fba ? "→　OK" : "→　OUT"), std::string::npos);
  EXPECT_NE(LineWith(b, "<math>ω=").find("ω=" + Fmt(r.SijiOmg, "##.####")), std::string::npos);
  EXPECT_NE(b.find("<math>=" + Fmt(r.Qu, "###.##") + "&nbsp;(kN/m^2^)"), std::string::npos);
}

struct Design {
  const char* name;
  const char* sample;
  int32_t sisin;
  int16_t kibo;
};

TEST(SijiAgreement, PrintedValuesAreTheStoredOnes) {
  test::RecordingSink sink;
  const Design designs[] = {
      {"farm roads", "gravity", 0, 0},
      {"farm roads, block masonry", "block_masonry", 0, 0},
      {"road earthworks", "gravity", 2, 0},
      {"road earthworks, block", "block_masonry", 2, 0},
      {"road earthworks, mixed", "mixed", 2, 0},
      {"large block", "gravity", 3, 0},
      {"residential land", "gravity", 4, 0},
      {"residential land, Kibo 1", "gravity", 4, 1},
      {"canals", "gravity", 5, 0},
  };
  int checked = 0;
  for (const Design& d : designs) {
    SCOPED_TRACE(d.name);
    auto doc = test::Sample(d.sample);
    doc->Sisin = d.sisin;
    doc->nQa = 0;
    doc->Kibo = d.kibo;
    SetGround(*doc);
    doc->nJyudo = 1;
    doc->SetAE0(0, 8000);
    doc->SetAE0(1, 12000);
    CalcAntei(*doc, 0, 0);
    const std::string text = Utf8([&](PrnFile& f) {
      if (d.sisin == 2) {
        PrnSijiQa(f, *doc);
        for (int32_t i = 0; i < doc->nCase(); ++i) PrnSijiQaCase(f, *doc, i);
      } else if (d.sisin == 3) {
        PrnSijiFs(f, *doc);
        for (int32_t i = 0; i < doc->nCase(); ++i) PrnSijiFsCase(f, *doc, i);
      } else {
        test::TempFolder work;
        PrnJibanHanryoku(f, *doc, work.path());
        for (int32_t i = 0; i < doc->nCase(); ++i) PrnJibanHanryokuCase(f, *doc, i);
      }
    });
    for (int32_t i = 0; i < doc->nCase(); ++i) {
      SCOPED_TRACE("case " + std::to_string(i + 1));
      const CAntRes& r = *doc->AntRes(doc->WallType() == 3 ? 1 : 0, i);
      const CKajyuCase& k = *doc->pCase(i);
      if (!IsComputedResult(r.Qu)) continue;
      const std::string b = CaseBlock(text, i);
      ASSERT_FALSE(b.empty()) << text;
      switch (d.sisin) {
        case 0:
          CheckFarm(*doc, b, r, k);
          break;
        case 2:
          CheckRoad(*doc, b, r, k);
          break;
        case 3:
          CheckLargeBlock(b, r);
          break;
        case 4:
          CheckResidential(*doc, b, r, k);
          break;
        case 5:
          CheckCanal(*doc, b, r, k);
          break;
      }
      ++checked;
    }
    // Every block opened is closed.
    size_t opened = 0, closed = 0;
    for (size_t p = text.find("<PROTECT>"); p != std::string::npos;
         p = text.find("<PROTECT>", p + 1))
      ++opened;
    for (size_t p = text.find("</PROTECT>"); p != std::string::npos;
         p = text.find("</PROTECT>", p + 1))
      ++closed;
    EXPECT_EQ(opened, closed);
  }
  EXPECT_GE(checked, 15);
}

}  // namespace
}  // namespace norva
