// The stem chapter on the sample designs and a large-block design: every
// printed section force, arm, moment, stress and water resultant is the one
// the stem check stored, each printed product reproduces its printed result,
// and every figure the chapter names exists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/wall_force.h"
#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/wall_section.h"
#include "report/report_test_support.h"
#include "report/stability/stability_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

// Runs the stability calculation and the stem check of every case and part,
// ticks every case for the stem chapter, and writes the chapter of each part.
std::string Chapter(CDocument& doc, const std::string& folder) {
  if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
  test::RecordingSink sink;
  CalcAntei(doc, 0, 0);
  const int parts = doc.WallType() == 3 ? 2 : 1;
  for (int i = 0; i < doc.nCase(); ++i) {
    for (int part = 0; part < parts; ++part) CalcWallStress(doc, i, static_cast<int16_t>(part));
  }
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc.nCase());
  for (int i = 0; i < doc.nCase(); ++i) PrnSel().PrnWallCases.Set(i, 1);
  return test::Markup([&](PrnFile& f) {
    for (int part = 0; part < parts; ++part) PrnWall(f, doc, folder, static_cast<int16_t>(part));
  });
}

// The lines of one item of one case of one check section.
struct Block {
  int16_t part = 0;
  int section = -1;
  int32_t k = -1;
  std::string item;
  std::vector<std::string> lines;
};

bool Has(const std::string& s, const char* what) { return s.find(what) != std::string::npos; }

// Splits the chapter (UTF-8 lines) into blocks by section, item and case.
std::vector<Block> Blocks(const std::vector<std::string>& lines, bool mixed) {
  std::vector<Block> out;
  Block cur;
  bool inList = false;
  auto flush = [&] {
    if (cur.k >= 0 && !cur.item.empty()) out.push_back(cur);
    cur.lines.clear();
    cur.k = -1;
  };
  for (const std::string& l : lines) {
    if (Has(l, "上部擁壁の断面計算") || Has(l, "下部擁壁の断面計算")) {
      flush();
      const int16_t part = Has(l, "下部") ? 1 : 0;
      if (part != cur.part) cur.section = -1;
      cur.part = part;
      inList = false;
      continue;
    }
    if (Has(l, "たて壁の応力度一覧")) {
      flush();
      inList = true;
      if (!mixed) cur.part = static_cast<int16_t>(cur.part + 1);
      continue;
    }
    if (inList) continue;
    if (Has(l, "断面 (照査位置:") || Has(l, "断面)の断面計算 (照査位置:")) {
      flush();
      ++cur.section;
      cur.item.clear();
      continue;
    }
    const size_t kPos = l.find("荷重ケース.");
    if (kPos != std::string::npos) {
      flush();
      cur.k = std::atoi(l.c_str() + kPos + std::string("荷重ケース.").size()) - 1;
      continue;
    }
    if ((l.rfind("<H2>", 0) == 0 || l.rfind("<H3>", 0) == 0) &&
        l.find("</H") != std::string::npos) {
      flush();
      cur.item = l.substr(4, l.find("</H") - 4);
      continue;
    }
    cur.lines.push_back(l);
  }
  flush();
  return out;
}

// The numbers of a line, in order.
std::vector<double> Numbers(const std::string& l) {
  std::vector<double> v;
  const char* p = l.c_str();
  while (*p) {
    if ((*p == '-' && std::isdigit(static_cast<unsigned char>(p[1]))) ||
        std::isdigit(static_cast<unsigned char>(*p))) {
      char* end = nullptr;
      v.push_back(std::strtod(p, &end));
      p = end;
    } else {
      ++p;
    }
  }
  return v;
}

// The value of a table cell "<TD SROW=r, SCOL=c>value</TD>".
bool CellValue(const std::string& l, int& row, int& col, double& v) {
  if (l.rfind("<TD SROW=", 0) != 0 || Has(l, "HALIGN")) return false;
  const std::vector<double> n = Numbers(l);
  if (n.size() != 3) return false;
  row = static_cast<int>(n[0]);
  col = static_cast<int>(n[1]);
  v = n[2];
  return true;
}

struct Checked {
  int forceRows = 0, stressCases = 0, waterCases = 0, reactionCases = 0;
};

void CheckForceSum(const Block& b, const CWallRes& w, Checked& c) {
  std::vector<std::vector<double>> rows;  // N, S, X, Y, M per printed row
  std::vector<double> total(6, 0.0);
  bool footer = false;
  for (const std::string& l : b.lines) {
    if (l == "<FOTTER>") footer = true;
    int r = 0, col = 0;
    double v = 0;
    if (!CellValue(l, r, col, v)) continue;
    if (footer) {
      total[static_cast<size_t>(col)] = v;
      continue;
    }
    const size_t i = static_cast<size_t>(r - 2);
    if (rows.size() <= i) rows.resize(i + 1, std::vector<double>(6, 0.0));
    rows[i][static_cast<size_t>(col)] = v;
  }
  size_t i = 0;
  for (int item = 0; item < CWallRes::kAForceItems; ++item) {
    if (w.nAForce(item) == 0) continue;
    ASSERT_LT(i, rows.size()) << w.sAForce(item);
    const std::vector<double>& r = rows[i++];
    SCOPED_TRACE(w.sAForce(item));
    EXPECT_NEAR(r[1], w.AForceN(item), 0.0051);
    EXPECT_NEAR(r[2], w.AForceS(item), 0.0051);
    EXPECT_NEAR(r[3], w.AForceX(item), 0.00051);
    EXPECT_NEAR(r[4], w.AForceY(item), 0.00051);
    // The printed moment from the printed row, within the rounding of its
    // four numbers.
    const double bound = 0.0051 + 0.00051 * (std::fabs(r[1]) + std::fabs(r[2])) +
                         0.0051 * (std::fabs(r[3]) + std::fabs(r[4])) + 1e-6;
    EXPECT_NEAR(r[5], r[4] * r[2] - r[3] * r[1], bound);
    ++c.forceRows;
  }
  EXPECT_EQ(i, rows.size());
  EXPECT_NEAR(total[1], w.ForceN, 0.0051);
  EXPECT_NEAR(total[2], w.ForceS, 0.0051);
  EXPECT_NEAR(total[5], w.ForceM, 0.0051);
}

void CheckStress(const Block& b, const CWallRes& w, Checked& c) {
  // The result lines carry σ (kN/m²) = σ (N/mm²) pairs; the first pair is
  // the larger (or first) edge stress.
  std::vector<double> sigma, tau, formula;
  for (const std::string& l : b.lines) {
    const size_t f = l.find("</box> = <box>");
    if (f != std::string::npos && Has(l, "±")) formula = Numbers(l.substr(f));
    if (Has(l, "σ_ca_ = ")) sigma = Numbers(l);
    if (Has(l, "τ_a_ = ")) tau = Numbers(l);
  }
  ASSERT_FALSE(sigma.empty());
  ASSERT_FALSE(tau.empty());
  const bool compression = w.Sgmc(0) >= 0 && w.Sgmc(1) >= 0;
  const double first = compression ? w.Sgmc(0) : std::max(w.Sgmc(0), w.Sgmc(1));
  const double second = compression ? w.Sgmc(1) : std::min(w.Sgmc(0), w.Sgmc(1));
  // Numbers: σ1 kN, 2 (of m^2^), σ1, 2, σ2 kN, 2, σ2, 2, … (the "2" of each
  // unit's exponent sits between them).
  EXPECT_NEAR(sigma[0], first * 1000, 0.0051);
  EXPECT_NEAR(sigma[2], first, 0.0051);
  const double s2kN = compression ? sigma[4] : sigma[6];
  const double s2 = compression ? sigma[6] : sigma[8];
  EXPECT_NEAR(s2kN, second * 1000, 0.0051);
  EXPECT_NEAR(s2, second, 0.0051);
  // The printed edge stresses from the printed N, M and h (b = 1):
  // N/h ± 6M/h², within the rounding of the printed numbers.
  if (formula.size() >= 7) {
    const double N = formula[0], h = formula[2], M = formula[4];
    const double hi = N / h + 6 * M / (h * h), lo = N / h - 6 * M / (h * h);
    const double bound = 0.0051 + 0.005 / h + 0.03 / (h * h) + std::fabs(N) * 0.0005 / (h * h) +
                         12 * std::fabs(M) * 0.0005 / (h * h * h);
    EXPECT_NEAR(sigma[0], compression ? hi : std::max(hi, lo), bound);
    EXPECT_NEAR(s2kN, compression ? lo : std::min(hi, lo), bound);
  }
  EXPECT_NEAR(tau[0], w.Tauc * 1000, 0.0051);
  EXPECT_NEAR(tau[2], w.Tauc, 0.0051);
  ++c.stressCases;
}

void CheckWater(const Block& b, const CWallRes& w, Checked& c) {
  std::vector<double> P, Y;
  bool cancelled = false;
  for (const std::string& l : b.lines) {
    if (Has(l, "(kN/m)</math>")) P.push_back(Numbers(l).back());
    if (Has(l, " (m)</math>")) Y.push_back(Numbers(l).back());
    if (Has(l, "相殺")) cancelled = true;
  }
  ASSERT_EQ(P.size(), 2u);
  ASSERT_EQ(Y.size(), 2u);
  // The check stores the front water as a negative horizontal force (item
  // 6) and the back water as a positive one (item 7); equal levels cancel.
  if (cancelled) {
    EXPECT_EQ(w.nAForce(6), 0);
    EXPECT_EQ(w.nAForce(7), 0);
  } else {
    EXPECT_NEAR(P[0], w.nAForce(6) ? -w.AForceS(6) : 0.0, 0.0051);
    EXPECT_NEAR(P[1], w.nAForce(7) ? w.AForceS(7) : 0.0, 0.0051);
    if (w.nAForce(6)) {
      EXPECT_NEAR(Y[0], w.AForceY(6), 0.00051);
    }
    if (w.nAForce(7)) {
      EXPECT_NEAR(Y[1], w.AForceY(7), 0.00051);
    }
  }
  ++c.waterCases;
}

void CheckReaction(const Block& b, const CWallRes& w, Checked& c) {
  std::vector<double> N, x, y;
  for (const std::string& l : b.lines) {
    if (Has(l, "N<sub>QZ</sub> = -Q")) N = Numbers(l);
    if (Has(l, "　x = b<sub>z</sub>")) x = Numbers(l);
    if (Has(l, "　y = a<sub>z</sub>")) y = Numbers(l);
  }
  ASSERT_FALSE(N.empty());
  ASSERT_FALSE(x.empty());
  ASSERT_FALSE(y.empty());
  EXPECT_NEAR(N.back(), w.AForceN(9), 0.0051);
  EXPECT_NEAR(x.back(), w.AForceX(9), 0.00051);
  EXPECT_NEAR(y.back(), w.AForceY(9), 0.00051);
  ++c.reactionCases;
}

struct AgreementCase {
  const char* name;
  const char* sample;
  void (*setUp)(CDocument&);
};

// The samples as shipped, the gravity wall with water in a normal and a
// seismic case (one of them keeping the normal earth pressure), and the block
// wall under the large-block guideline.
const AgreementCase kAgreement[] = {
    {"block_masonry", "block_masonry", [](CDocument&) {}},
    {"gravity", "gravity", [](CDocument&) {}},
    {"leaning", "leaning", [](CDocument&) {}},
    {"mixed", "mixed", [](CDocument&) {}},
    {"gravity_water", "gravity",
     [](CDocument& d) {
       d.nWater = 1;
       d.nWlvlAuto = 0;
       d.bQuake = -1;
       d.Gamw = 9.8;
       d.SetWatFH(0, 0.8);
       d.SetWatBH(0, 1.6);
       d.SetWatFH(1, 0.6);
       d.SetWatBH(1, 1.3);
       for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
       d.SetnWallSecCnt(0, 2);
       d.SetWallSecY(0, 1, 0.5);
     }},
    {"mixed_water", "mixed",
     [](CDocument& d) {
       d.nWater = 1;
       d.nWlvlAuto = 0;
       d.Gamw = 9.8;
       d.SetWatFH(0, 2.4);
       d.SetWatBH(0, 1.5);
       d.SetWatFH(1, 2.4);
       d.SetWatBH(1, 1.5);
       for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
     }},
    {"large_block", "block_masonry",
     [](CDocument& d) {
       d.Sisin = 3;
       d.Doatsu = 1;
       d.SecDoatsu = 1;
       if (!(d.AE0(0) > 0)) d.SetAE0(0, 10000);
       if (!(d.AE0(1) > 0)) d.SetAE0(1, 20000);
     }},
};

class WallAgreement : public ::testing::TestWithParam<AgreementCase> {
 protected:
  void TearDown() override { PrnSel() = ReportSelection{}; }
};

TEST_P(WallAgreement, PrintedForcesStressesAndWaterAreTheStoredOnes) {
  const AgreementCase& a = GetParam();
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample(a.sample);
  a.setUp(*doc);
  const std::string bytes = Chapter(*doc, work.path());
  const std::vector<Block> blocks = Blocks(test::Lines(bytes), doc->WallType() == 3);
  Checked c;
  for (const Block& b : blocks) {
    SCOPED_TRACE(testing::Message() << "part " << b.part << " section " << b.section << " case "
                                    << b.k << " " << b.item);
    const std::shared_ptr<CWallRes> w = doc->pWallRes(b.part, b.k, b.section);
    ASSERT_NE(w, nullptr);
    if (b.item == "断面力の集計") CheckForceSum(b, *w, c);
    if (b.item == "応力度計算" && !IsNullValue(w->Sgmc(0))) CheckStress(b, *w, c);
    if (b.item == "水　圧") CheckWater(b, *w, c);
    if (b.item == "壁面地盤反力による断面力" && doc->Sisin == 3) CheckReaction(b, *w, c);
  }
  // Every case of every section of every part wrote its force summary and
  // stresses.
  int expected = 0;
  for (int part = 0; part < (doc->WallType() == 3 ? 2 : 1); ++part) {
    expected += doc->nWallSecCnt(part) * doc->nCase();
  }
  EXPECT_EQ(c.stressCases, expected);
  EXPECT_GT(c.forceRows, 0);
  if (doc->nWater == 1) {
    EXPECT_GT(c.waterCases, 0);
  }
  if (doc->Sisin == 3) {
    EXPECT_GT(c.reactionCases, 0);
  }
  if (doc->nWater == 1) {
    EXPECT_FALSE(test::ImagePaths(bytes).empty());
  }
  // Every picture the chapter names was saved.
  for (const std::string& path : test::ImagePaths(bytes)) {
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
  }
}

INSTANTIATE_TEST_SUITE_P(Designs, WallAgreement, ::testing::ValuesIn(kAgreement),
                         [](const ::testing::TestParamInfo<AgreementCase>& i) {
                           return std::string(i.param.name);
                         });

// Over wall type, part, water and section count: each section after the
// first opens a new page, the buoyancy figures are named by part and section
// ("…1002" for the third section of the lower wall) and exist, and the
// eleventh section is labelled "11".
TEST(WallChapter, SectionsPagesFiguresAndNumerals) {
  struct Row {
    const char* name;
    const char* sample;
    int16_t sections;
    bool water;
  };
  const Row rows[] = {
      {"gravity, one section, dry", "gravity", 1, false},
      {"gravity, eleven sections, water", "gravity", 11, true},
      {"block, three sections, water", "block_masonry", 3, true},
      {"mixed, three sections a part, water", "mixed", 3, true},
      {"leaning, two sections, water", "leaning", 2, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample(r.sample);
    const int parts = doc->WallType() == 3 ? 2 : 1;
    for (int part = 0; part < parts; ++part) {
      doc->SetnWallSecCnt(part, r.sections);
      for (int i = 0; i < r.sections; ++i) doc->SetWallSecY(part, i, 0.1 * i);
    }
    if (r.water) {
      doc->nWater = 1;
      doc->nWlvlAuto = 0;
      doc->bQuake = -1;
      doc->Gamw = 9.8;
      doc->SetWatFH(0, 1.0);
      doc->SetWatBH(0, 3.0);
      doc->SetWatFH(1, 1.0);
      doc->SetWatBH(1, 2.5);
      for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
    }
    const std::string bytes = Chapter(*doc, work.path());
    const std::vector<std::string> lines = test::Lines(bytes);
    // Page breaks: one before every section but the first of each part, one
    // before each part's summary, one per item group that starts a page
    // (water pressure and force summary).
    int headings = 0, breaksBeforeHeading = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
      const bool heading =
          Has(lines[i], "断面)の断面計算 (照査位置:") ||
          (Has(lines[i], "<H2>") && Has(lines[i], "断面 (照査位置:") && !Has(lines[i], "<BR>"));
      if (!heading) continue;
      ++headings;
      // "<RP>", "<PROTECT><PRE>", an empty line, and on a mixed wall the
      // part heading and another empty line.
      const size_t open = doc->WallType() == 3 ? i - 4 : i - 2;
      if (open >= 1 && lines[open - 1] == "<RP>") ++breaksBeforeHeading;
    }
    EXPECT_EQ(headings, parts * r.sections);
    EXPECT_EQ(breaksBeforeHeading, parts * (r.sections - 1));
    const std::vector<std::string> images = test::ImagePaths(bytes);
    // Every section shows its body; buoyancy figures only with water.
    EXPECT_FALSE(images.empty());
    bool buoyancy = false;
    for (const std::string& path : images) buoyancy = buoyancy || Has(path, "壁断面浮力");
    EXPECT_EQ(buoyancy, r.water);
    for (const std::string& path : images) EXPECT_TRUE(std::filesystem::exists(path)) << path;
    if (r.sections >= 11) {
      const std::string text = Cp932ToUtf8(bytes);
      EXPECT_TRUE(Has(text, "たて壁(11－11断面)の断面計算 (照査位置:1.000)")) << r.name;
      EXPECT_TRUE(Has(text, "<H2>11－11断面 (照査位置:1.000)</H2><BR>"));
      EXPECT_TRUE(Has(text, "壁断面浮力常時0010.svg"));
    }
    if (doc->WallType() == 3) {
      EXPECT_TRUE(Has(Cp932ToUtf8(bytes), "壁断面浮力常時1002.svg"));
      EXPECT_TRUE(Has(Cp932ToUtf8(bytes), "<H1>下部擁壁の断面計算</H1>"));
    }
  }
}

}  // namespace
}  // namespace norva
