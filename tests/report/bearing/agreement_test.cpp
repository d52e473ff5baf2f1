// The sections on calculated designs (each sample, and one design per
// guideline): every printed result is the stored one to its mask, and every
// printed fraction gives its printed result within the rounding of its
// printed operands. Also: every picture named exists for every guideline,
// wall type and nQa.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/stability/stability_status.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "report/bearing/bearing_test_support.h"
#include "report/bearing/prn_jiban.h"
#include "report/bearing/prn_jiban_bane.h"
#include "report/bearing/prn_jiban_motare.h"
#include "report/bearing/prn_slide.h"
#include "report/driver/prn_antei.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

// A number as a mask prints it.
std::string Fmt(double v, const char* mask) { return FillTemplate(mask, {v}).text; }

int Decimals(const std::string& s) {
  const size_t p = s.find('.');
  return p == std::string::npos ? 0 : static_cast<int>(s.size() - p - 1);
}

// f of the printed operands against the printed result: the operands are
// rounded to their decimals, so f may move by what half a unit of each moves
// it, and the result by half a unit of its own.
void ExpectFraction(const std::string& line, const std::vector<std::string>& operands,
                    const std::function<double(const std::vector<double>&)>& f, double printed,
                    int resultDecimals) {
  std::vector<double> x;
  for (const std::string& s : operands) x.push_back(std::stod(s));
  const double v = f(x);
  double tol = 0.5 * std::pow(10.0, -resultDecimals) + 1e-9;
  for (size_t i = 0; i < x.size(); ++i) {
    std::vector<double> y = x;
    y[i] += 0.5 * std::pow(10.0, -Decimals(operands[i]));
    tol += std::fabs(f(y) - v);
  }
  EXPECT_NEAR(v, printed, tol) << line;
}

// The decimal numbers of a line as printed, in order ("6×" and "2×" have no
// decimals and are left out, "-----" gives none). A "-" right after a number
// is the operator, not a sign.
std::vector<std::string> Printed(const std::string& line) {
  static const std::regex number(R"((^|[^0-9.])(-?\d+\.\d+))");
  std::vector<std::string> out;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), number);
       it != std::sregex_iterator(); ++it) {
    out.push_back((*it)[2].str());
  }
  return out;
}

// The first line of `text` at or after `from` that holds `marker`.
std::string LineWith(const std::string& text, const std::string& marker, size_t from = 0) {
  const size_t p = text.find(marker, from);
  if (p == std::string::npos) return "";
  const size_t s = text.rfind('\n', p);
  const size_t e = text.find('\r', p);
  return text.substr(s == std::string::npos ? 0 : s + 1, e - (s == std::string::npos ? 0 : s + 1));
}

// The block of load case i in a section's text.
std::string CaseBlock(const std::string& text, int32_t i) {
  const std::string head = "荷重ケース." + std::to_string(i + 1) + " － ";
  const size_t p = text.find(head);
  if (p == std::string::npos) return "";
  const size_t e = text.find("荷重ケース.", p + head.size());
  return text.substr(p, e == std::string::npos ? std::string::npos : e - p);
}

void CheckReaction(const CDocument& doc, const std::string& block, const CAntRes& r, double qa) {
  if (doc.Sisin == 3) return;
  if (r.Qmax >= kReactionOutside) {
    EXPECT_NE(block.find("計算不能"), std::string::npos);
    return;
  }
  ASSERT_TRUE(IsComputedResult(r.Qmax));
  const std::string Q = Fmt(r.Qmax, "##.##");
  EXPECT_NE(block.find(Q), std::string::npos) << "Qmax " << Q << "\n" << block;
  EXPECT_NE(block.find("q_a_=" + Fmt(qa, "#.##")), std::string::npos) << "qa\n" << block;
  const bool ok = ReactionOk(r.Qmax, r.Qmin, qa);
  EXPECT_NE(block.find(ok ? "→　OK" : "→　OUT"), std::string::npos) << block;
  const JibanForm form = JibanFormOf(doc, r);
  const std::string line = LineWith(block, "<math>q_max_") + LineWith(block, "<box>(<left>1±");
  const std::vector<std::string> n = Printed(line);
  switch (form) {
    case JibanForm::kTrapezoid: {
      const std::string second = LineWith(block, "<box>{<left>");
      const std::vector<std::string> m = Printed(second);
      ASSERT_GE(m.size(), 2u) << second;
      EXPECT_EQ(m[1], Fmt(r.Qmin, "#.##"));
      ExpectFraction(
          line, {n[0], n[1], n[2]},
          [](const std::vector<double>& x) {
            return x[0] / x[1] * (1 + 6 * std::fabs(x[2]) / x[1]);
          },
          std::stod(m[0]), 2);
      break;
    }
    case JibanForm::kToeTriangle:
    case JibanForm::kHeelTriangle:
      ExpectFraction(
          line, {n[0], n[1]}, [](const std::vector<double>& x) { return 2 * x[0] / (3 * x[1]); },
          std::stod(n[2]), 2);
      EXPECT_NE(block.find("q_min_&sp;=&sp;0.00"), std::string::npos);
      break;
    case JibanForm::kFourV:
    case JibanForm::kUniform:
      ExpectFraction(
          line, {n[0], n[1]},
          [form](const std::vector<double>& x) {
            return (form == JibanForm::kFourV ? 4 : 1) * x[0] / x[1];
          },
          std::stod(n[2]), 2);
      break;
    case JibanForm::kUniformRoad:
      ExpectFraction(
          line, {n[1], n[2]}, [](const std::vector<double>& x) { return 1.2 * x[0] / x[1]; },
          std::stod(n[3]), 2);
      break;
    default:
      break;
  }
}

void CheckSpring(const CDocument& doc, const std::string& block, const CAntRes& r, int32_t i) {
  const int16_t s = CaseState(doc, i);
  const double ae = (1 + s) * doc.AE0(1);
  EXPECT_NE(block.find("=   " + Fmt(ae, "#####.##")), std::string::npos) << block;
  for (const auto& [value, mask] : std::vector<std::pair<double, const char*>>{{r.Kv, "#.##"},
                                                                               {r.Ks, "#.##"},
                                                                               {r.Kt, "#.##"},
                                                                               {r.l1, "##.###"},
                                                                               {r.l2, "##.###"},
                                                                               {r.Qt, "####.##"},
                                                                               {r.Qv, "####.##"}}) {
    EXPECT_NE(block.find(Fmt(value, mask)), std::string::npos) << Fmt(value, mask);
  }
  // kv from the printed modulus and width.
  const std::string kv = LineWith(block, "=<box>1<over>0.3</box>×");
  const std::vector<std::string> n = Printed(kv.substr(kv.find("×")));
  ASSERT_GE(n.size(), 4u) << kv;
  ExpectFraction(
      kv, {n[0], n[1]},
      [](const std::vector<double>& x) { return x[0] / 0.3 * std::pow(x[1] / 0.3, -0.75); },
      std::stod(n[3]), 2);
  // The compatibility value from the printed displacements and angle.
  const std::string compat = LineWith(block, "×cos(");
  const std::vector<std::string> c = Printed(compat);
  const std::vector<std::string> value =
      Printed(LineWith(block, "<math>=", block.find(compat) + compat.size()));
  ASSERT_EQ(c.size(), 8u) << compat;
  ASSERT_FALSE(value.empty());
  ExpectFraction(
      compat, c,
      [](const std::vector<double>& x) {
        const double a = x[1] * 0.017453292519943278;
        return x[0] * std::cos(a) + (x[2] + x[3] * x[4]) * std::sin(a) + x[6] * x[7];
      },
      std::stod(value[0]), 3);
}

void CheckMotare(const std::string& block, const CAntRes& r, double qa) {
  if (r.Qmax >= kReactionOutside) {
    EXPECT_NE(block.find("計算不能"), std::string::npos);
    return;
  }
  EXPECT_NE(block.find(Fmt(r.Qmax, "#.##")), std::string::npos) << block;
  EXPECT_NE(block.find("q_a_=" + Fmt(qa, "#.##")), std::string::npos);
  if (MotareRegimeOf(r) != MotareRegime::kBackFace) return;
  for (const auto& [value, mask] : std::vector<std::pair<double, const char*>>{{r.Qt, "#.##"},
                                                                               {r.Qv, "#.##"},
                                                                               {r.Qh, "#.##"},
                                                                               {r.Qmin, "#.##"},
                                                                               {r.qtu, "#.##"},
                                                                               {r.l1, "#.###"},
                                                                               {r.l2, "#.###"}}) {
    EXPECT_NE(block.find(Fmt(value, mask)), std::string::npos) << Fmt(value, mask) << block;
  }
  const std::string qv = LineWith(block, "Q_v_&sp;=&sp; V_0_");
  const std::vector<std::string> n = Printed(qv);
  ASSERT_GE(n.size(), 4u) << qv;
  ExpectFraction(
      qv, {n[0], n[1], n[2]},
      [](const std::vector<double>& x) {
        return x[0] - x[1] * std::sin(x[2] * 0.017453292519943278);
      },
      std::stod(n[3]), 2);
}

void CheckSlide(const CDocument& doc, const std::string& block, const CAntRes& r, int32_t i) {
  if (r.Fs == kSlideNoForce) {
    EXPECT_TRUE(block.find("ΣH≦0なので") != std::string::npos ||
                block.find("H≦0なので、前面側") != std::string::npos)
        << block;
    EXPECT_EQ(block.find("-1.00"), std::string::npos);
    return;
  }
  ASSERT_TRUE(IsComputedResult(r.Fs)) << block;
  const std::string judged = LineWith(block, "F_a_=");
  const std::vector<std::string> j = Printed(judged);
  ASSERT_EQ(j.size(), 2u) << judged;
  EXPECT_EQ(j[0], Fmt(r.Fs, "#.##"));
  EXPECT_EQ(j[1], Fmt(r.Fsa, "#.##"));
  const SlideVariant v = SlideVariantOf(doc);
  const bool pp = doc.nJyudo == 1;
  const double Pp = doc.Pp(CaseState(doc, i) != 0 ? 1 : 0);
  const std::string line = LineWith(block, "<math>F_s_=<box>");
  // The numbers after the symbols ("0.5P_P_" is a symbol).
  std::vector<std::string> n = Printed(line.substr(line.rfind("=<box>")));
  if (v == SlideVariant::kPlain || v == SlideVariant::kRoad) {
    // V, μ, cb, (B | B, |e|), [0.5, Pp], H
    const bool road = v == SlideVariant::kRoad && line.find("×0.000") == std::string::npos;
    EXPECT_EQ(n[1], Fmt(doc.Myu, "#.###"));
    if (pp) {
      EXPECT_EQ(n[n.size() - 2], Fmt(Pp, "#.##"));
    }
    ExpectFraction(
        line, n,
        [road, pp](const std::vector<double>& x) {
          const double w = road ? x[3] - 2 * x[4] : x[3];
          return (x[0] * x[1] + x[2] * std::max(0.0, w) + (pp ? 0.5 * x[x.size() - 2] : 0.0)) /
                 x.back();
        },
        std::stod(j[0]), 2);
  } else if (v == SlideVariant::kInclined) {
    ExpectFraction(
        line, n,
        [pp](const std::vector<double>& x) {
          return (x[0] * x[1] + x[2] * x[3] + (pp ? 0.5 * x[5] : 0.0)) / x.back();
        },
        std::stod(j[0]), 2);
  } else {
    ASSERT_EQ(n.size(), 2u) << line;
    // The numerator is the stored resistance (with 0.5 Pp when it counts).
    EXPECT_EQ(n[0], Fmt(r.Hu, "#.##"));
    // H_k from its printed terms (angles in degrees).
    const std::string hk = LineWith(block, "&nbsp;(kN)</math>");
    const double printedHk = std::stod(Printed(hk).at(0));
    EXPECT_NEAR(printedHk + (pp ? 0.5 * Pp : 0.0), r.Hu, 0.006) << hk;
    const double rad = 0.017453292519943278;
    if (v == SlideVariant::kRoadKey) {
      const std::string terms = LineWith(block, "　<math>=");
      ExpectFraction(
          terms, Printed(terms),
          [rad](const std::vector<double>& x) {
            return x[0] * std::tan(x[1] * rad) + (x[2] + x[3]) * std::tan(x[4] * rad) + x[5] * x[6];
          },
          printedHk, 2);
    } else {
      const std::string first = LineWith(block, "　<math>=<box>");
      const std::string second = LineWith(block, "<math>＋<box>");
      std::vector<std::string> t = Printed(first);
      for (const std::string& x : Printed(second)) t.push_back(x);
      ExpectFraction(
          first + second, t,
          [rad](const std::vector<double>& x) {
            return (x[0] + x[1]) / 2 * x[2] * std::tan(x[3] * rad) +
                   (x[4] + x[5]) / 2 * x[6] * std::tan(x[7] * rad) + x[8] * x[9];
          },
          printedHk, 2);
    }
    ExpectFraction(
        line, n, [](const std::vector<double>& x) { return x[0] / x[1]; }, std::stod(j[0]), 2);
  }
}

struct Design {
  const char* name;
  const char* sample;
  std::function<void(CDocument&)> setUp;
};

// Each sample as it is (an allowable that another section derives is
// entered instead), and one design per guideline and wall form.
std::vector<Design> Designs() {
  auto entered = [](CDocument& d) {
    if (d.Sisin == 2) d.nQa = 1;
  };
  auto guideline = [](int32_t sisin, int16_t nQa) {
    return [sisin, nQa](CDocument& d) {
      d.Sisin = sisin;
      d.nQa = nQa;
      d.SetAE0(0, 8000);
      d.SetAE0(1, 12000);
      d.nJyudo = 1;
      d.SetPp(0, 12);
      d.SetPp(1, 6);
    };
  };
  return {
      {"block masonry sample", "block_masonry", entered},
      {"gravity sample", "gravity", entered},
      {"leaning sample", "leaning", entered},
      {"mixed sample", "mixed", entered},
      {"farm roads", "gravity", guideline(0, 1)},
      {"road earthworks, entered", "gravity", guideline(2, 1)},
      {"large block", "gravity", guideline(3, 0)},
      {"large block masonry", "block_masonry", guideline(3, 0)},
      {"residential land", "gravity", guideline(4, 1)},
      {"canals", "gravity", guideline(5, 1)},
      {"canal block masonry", "block_masonry", guideline(5, 1)},
      {"leaning wall, road earthworks", "leaning", guideline(2, 1)},
      {"road earthworks with a key", "gravity",
       [guideline](CDocument& d) {
         guideline(2, 1)(d);
         d.Tokki = 1;
         d.TokX = 0.6;
         d.TokB = 0.4;
         d.TokL = 0.5;
         d.SijiFai = 30;
         d.Faib = 25;
         d.SijiC = 5;
       }},
      {"farm roads with a key", "gravity",
       [guideline](CDocument& d) {
         guideline(0, 1)(d);
         d.Tokki = 1;
         d.TokX = 0.6;
         d.TokB = 0.4;
         d.TokL = 0.5;
         d.SijiFai = 30;
         d.Faib = 25;
         d.SijiC = 5;
       }},
      // A wider base puts the resultant behind its middle: the back face
      // carries a reaction.
      {"leaning wall, wide base", "leaning",
       [guideline](CDocument& d) {
         guideline(2, 1)(d);
         d.MtwB2 = 2.0;
         d.MtwB3 = 1.5;
       }},
  };
}

TEST(BearingAgreement, PrintedValuesAreTheStoredOnes) {
  test::RecordingSink sink;
  int cases = 0, backFace = 0, springs = 0, keys = 0;
  for (const Design& design : Designs()) {
    SCOPED_TRACE(design.name);
    auto doc = test::Sample(design.sample);
    design.setUp(*doc);
    CalcAntei(*doc, 0, 0);
    test::TempFolder work;
    const bool motare = doc->WallType() == 2 && doc->Sisin == 2 && doc->nQa == 1;
    const std::string reaction = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
      if (motare) {
        PrnJibanHanryokuMotare(f, *doc, work.path());
        for (int32_t i = 0; i < doc->nCase(); ++i) PrnJibanHanryokuMotareCase(f, *doc, i);
      } else {
        PrnJibanHanryoku(f, *doc, work.path());
        for (int32_t i = 0; i < doc->nCase(); ++i) PrnJibanHanryokuCase(f, *doc, i);
      }
    }));
    const std::string slide = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
      PrnSlide(f, *doc);
      for (int32_t i = 0; i < doc->nCase(); ++i) PrnSlideCase(f, *doc, i, "");
    }));
    for (int32_t i = 0; i < doc->nCase(); ++i) {
      SCOPED_TRACE("case " + std::to_string(i + 1));
      const CAntRes& r = *doc->AntRes(doc->WallType() == 3 ? 1 : 0, i);
      const double qa = AllowableReaction(*doc, doc->pCase(i).get(), r.Qa);
      const std::string block = CaseBlock(reaction, i);
      ASSERT_FALSE(block.empty());
      if (motare) {
        CheckMotare(block, r, qa);
        backFace += MotareRegimeOf(r) == MotareRegime::kBackFace;
      } else if (doc->Sisin == 3) {
        CheckSpring(*doc, block, r, i);
        ++springs;
      } else {
        CheckReaction(*doc, block, r, qa);
      }
      CheckSlide(*doc, CaseBlock(slide, i), r, i);
      keys += doc->Tokki != 0 && IsComputedResult(r.Fs);
      ++cases;
    }
  }
  EXPECT_GE(cases, 15);
  EXPECT_GE(backFace, 1);  // the back-face regime was among them
  EXPECT_GE(springs, 2);
  EXPECT_GE(keys, 2);
}

// A seismic case calculated with the normal earth pressure (Doat 0): the
// spring constants and the passive pressure of the page are the normal ones,
// as in the calculation.
TEST(BearingAgreement, SeismicCaseWithNormalEarthPressureUsesTheNormalState) {
  test::RecordingSink sink;
  auto doc = test::Sample("gravity");
  doc->Sisin = 3;
  doc->nQa = 0;
  doc->SetAE0(0, 8000);
  doc->SetAE0(1, 12000);
  doc->nJyudo = 1;
  doc->SetPp(0, 12);
  doc->SetPp(1, 6);
  ASSERT_NE(doc->bQuake, 0);
  int32_t seismic = -1;
  for (int32_t i = 0; i < doc->nCase(); ++i) {
    if (doc->pCase(i)->nQuake != 0) seismic = i;
  }
  ASSERT_GE(seismic, 0);
  doc->pCase(seismic)->Doat = 0;
  CalcAntei(*doc, 0, 0);
  ASSERT_EQ(CaseState(*doc, seismic), 0);
  test::TempFolder work;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    PrnJibanHanryokuCase(f, *doc, seismic);
    PrnSlideCase(f, *doc, seismic, "");
  }));
  const CAntRes& r = *doc->AntRes(0, seismic);
  EXPECT_NE(text.find("(地震の影響を考慮する)"), std::string::npos);
  EXPECT_NE(text.find("=   12000.00 (kN/m<sup>2</sup>)"), std::string::npos) << text;
  EXPECT_EQ(text.find("24000.00"), std::string::npos);
  CheckSpring(*doc, CaseBlock(text, seismic), r, seismic);
  if (r.Fs != kSlideNoForce) {
    EXPECT_NE(text.find("＋0.5× 12.00<over>"), std::string::npos) << text;
  }
}

// Every guideline, wall type and nQa through the chapter driver: every
// picture an "<IMG …>" line names is in the work folder.
TEST(BearingFigures, EveryNamedPictureExists) {
  test::RecordingSink sink;
  test::SaverScope saver;
  // The chapter driver with only these sections in it.
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  const ReportWriters all = PrnWriters();
  PrnWriters() = ReportWriters{};
  ReportWriters& w = PrnWriters();
  w.PrnJibanHanryoku = all.PrnJibanHanryoku;
  w.PrnJibanHanryokuCase = all.PrnJibanHanryokuCase;
  w.PrnJibanHanryokuMotare = all.PrnJibanHanryokuMotare;
  w.PrnJibanHanryokuMotareCase = all.PrnJibanHanryokuMotareCase;
  w.PrnSlide = all.PrnSlide;
  w.PrnSlideCase = all.PrnSlideCase;
  int pictures = 0;
  for (int32_t wallType = 0; wallType <= 3; ++wallType) {
    for (int32_t sisin : {0, 2, 3, 4, 5}) {
      for (int16_t nQa : {0, 1}) {
        SCOPED_TRACE(std::to_string(wallType) + "/" + std::to_string(sisin) + "/" +
                     std::to_string(nQa));
        auto doc = test::BearingDoc(wallType, sisin, {"一"});
        doc->nQa = nQa;
        doc->ChkSlide = 1;
        test::TempFolder work;
        PrnSel() = ReportSelection{};
        PrnSel().NewDocument(doc->nCase());
        PrnSel().PrnAnteiCases.Set(0, 1);
        std::string bytes;
        ASSERT_NO_THROW(bytes = test::Markup([&](PrnFile& f) {
                          PrnAntei(f, *doc, work.path(), wallType == 3 ? 1 : 0);
                        }));
        for (const std::string& path : test::ImagePaths(bytes)) {
          EXPECT_TRUE(std::filesystem::is_regular_file(Cp932ToUtf8(path))) << path;
          ++pictures;
        }
        const bool spring = sisin == 3;
        const bool leaning = wallType == 2 && sisin == 2 && nQa == 1;
        EXPECT_EQ(std::filesystem::exists(work.path() + "/react.svg"), spring);
        EXPECT_EQ(std::filesystem::exists(work.path() + "/motreact.svg"), leaning);
      }
    }
  }
  EXPECT_GT(pictures, 0);
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
}

}  // namespace
}  // namespace norva
