#include "fuzz/document_pipeline.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <memory>
#include <stdexcept>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "calc/stability/finite_results.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/services.h"
#include "document/temp_files.h"
#include "document/weight.h"
#include "drawing/base/canvas.h"
#include "drawing/base/report_picture.h"
#include "drawing/sheet/printed_sheet.h"
#include "drawing/sheet/sheet_run.h"
#include "report/driver/prn_file.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva::pipeline {

namespace {

class QuietSink final : public IMessageSink {
 public:
  QuietSink() { SetMessageSink(this); }
  ~QuietSink() override { SetMessageSink(nullptr); }
  MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
    return MsgAnswer::Ok;
  }
};

bool Finite(double v) { return std::isfinite(v); }

// ---- the document ---------------------------------------------------------------

void CheckPolygon(const std::shared_ptr<CWeight>& w, const char* slot, Findings& out) {
  if (!w) return;
  bool ok = Finite(w->Kh()) && Finite(w->Gam());
  for (int32_t i = 0; ok && i < w->nPoint(); ++i) ok = Finite(w->X(i)) && Finite(w->Y(i));
  if (!ok) out.problems.push_back(std::string("non-finite weight polygon ") + slot);
}

void CheckDocument(const CDocument& doc, Findings& out) {
  for (int part = 0; part < 2; ++part) {
    for (int c = 0; c < doc.nCase(); ++c) {
      const std::shared_ptr<CAntRes> r = doc.AntRes(part, c);
      if (!r) continue;
      CAntRes copy = *r;
      const std::string member = ClearNonFinite(copy);
      if (!member.empty()) {
        out.problems.push_back("non-finite result " + member + " of part " + std::to_string(part) +
                               " case " + std::to_string(c + 1));
      }
    }
  }
  for (int i = 0; i < 2; ++i) {
    CheckPolygon(doc.KutaiW1(i), "KutaiW1", out);
    CheckPolygon(doc.KutaiW2(i), "KutaiW2", out);
    CheckPolygon(doc.Furyoku1(i), "Furyoku1", out);
    CheckPolygon(doc.Furyoku2(i), "Furyoku2", out);
    CheckPolygon(doc.FuryokuS(i), "FuryokuS", out);
    for (int j = 0; j < 2; ++j) {
      CheckPolygon(doc.SoilW1(i, j), "SoilW1", out);
      CheckPolygon(doc.SoilW2(i, j), "SoilW2", out);
      CheckPolygon(doc.SoilWS(i, j), "SoilWS", out);
    }
  }
}

// ---- the report -------------------------------------------------------------------

void SelectEverything(const CDocument& doc) {
  ReportSelection& s = PrnSel();
  s.NewDocument(doc.nCase());
  s.PrnSelJyouken = s.PrnSelAntei = s.PrnSelWall = s.PrnSelFot = s.PrnSelTokki = 1;
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    s.PrnAnteiCases.Set(i, 1);
    s.PrnWallCases.Set(i, 1);
    s.PrnFotCases.Set(i, 1);
    s.PrnTokkiCases.Set(i, 1);
  }
}

void RunReport(const CDocument& doc, const std::string& programDir, Findings& out) {
  RegisterReportWriters();
  SelectEverything(doc);
  PrnUnitWords = {"kN", "N/m"};
  auto saver = std::make_shared<RecordingPictureSaver>();
  SetPictureSaver(saver);
  VbTextWriter text;
  try {
    PrnFile f(text, programDir);
    PrnWriteChapters(f, doc, PrivateWorkFolder());
  } catch (const ReportError&) {
    // A report stopped with its message (a shipped figure that is missing).
  } catch (const std::exception& e) {
    out.problems.push_back(std::string("report failed: ") + e.what());
  }
  SetPictureSaver(nullptr);
  out.markupBytes = text.bytes().size();
  for (std::string& p : MarkupProblems(text.bytes())) out.problems.push_back(std::move(p));
  for (const RecordingPictureSaver::Saved& s : saver->saved) {
    for (const CanvasOp& op : s.ops) {
      bool ok = Finite(op.rx) && Finite(op.ry) && Finite(op.a1) && Finite(op.a2);
      for (const CanvasPoint& p : op.points) ok = ok && Finite(p.x) && Finite(p.y);
      if (!ok) out.problems.push_back("non-finite drawing call in picture " + s.path);
    }
  }
}

// ---- the sheet --------------------------------------------------------------------

// Counts every coordinate the sheet hands to its target that is not finite.
class CheckingTarget final : public ISheetTarget {
 public:
  explicit CheckingTarget(bool sxf) : sxf_(sxf) {}
  double UnitsPerMm() const override { return sxf_ ? 1.0 : kTwipsPerMm; }
  bool YDown() const override { return !sxf_; }
  double ChainMergeDistance(SheetChain::Kind) const override { return 0.01; }
  bool Open(SheetRun& run, const CDocument&) override {
    ++calls;
    run.SkzOrgX = 0;
    run.SkzOrgY = sxf_ ? 0 : run.SkzPaperH * kTwipsPerMm;
    return true;
  }
  void Finish(SheetRun&, const CDocument&) override { ++calls; }
  void SetCurrentX(double x) override { Check({x}); }
  void SetCurrentY(double y) override { Check({y}); }
  void Text(const std::string&) override { ++calls; }
  void DrawLine(double x1, double y1, double x2, double y2) override { Check({x1, y1, x2, y2}); }
  void DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) override {
    Check(xs);
    Check(ys);
  }
  void SetFontSizeMm(double mm) override { Check({mm}); }
  double TextWidth(const std::string& t) const override {
    return static_cast<double>(t.size()) * 2.0 * UnitsPerMm();
  }
  double TextHeight(const std::string&) const override { return 4.0 * UnitsPerMm(); }
  void SetTextAlign(int) override {}
  void SetTextAngle(double degrees) override { Check({degrees}); }
  void DrawChain(const SheetChain& c) override {
    Check(c.xs);
    Check(c.ys);
    Check({c.pos, c.refX, c.refY, c.angle});
  }

  int calls = 0;
  int nonFinite = 0;

 private:
  void Check(const std::vector<double>& values) {
    ++calls;
    for (double v : values) nonFinite += !std::isfinite(v);
  }
  bool sxf_;
};

void RunSheet(const CDocument& doc, Findings& out) {
  const std::string refusal = SheetInputError(doc);
  for (int16_t mode : {0, 1}) {
    CheckingTarget target(mode == 1);
    try {
      SkzOutput(mode, doc, target);
      out.sheetDrawn = true;
      if (!refusal.empty()) out.problems.push_back("sheet drawn although refused: " + refusal);
    } catch (const std::invalid_argument& e) {
      if (target.calls != 0) out.problems.push_back("sheet refused after drawing: " + refusal);
    }
    if (target.nonFinite != 0) {
      out.problems.push_back("sheet mode " + std::to_string(mode) + " drew " +
                             std::to_string(target.nonFinite) + " non-finite numbers");
    }
  }
  if (!out.sheetDrawn) return;
  out.sheetFits = SheetFigureFits(doc, doc.DrwScale);
  if (!out.sheetFits) return;
  // On paper, a figure that fits stays on it.
  Canvas page;
  PrintedSheet printed(page);
  SkzOutput(0, doc, printed);
  const double w = page.ScaleWidth(), h = page.ScaleHeight(), tol = 0.5 * kTwipsPerMm;
  for (const CanvasOp& op : page.Ops()) {
    for (const CanvasPoint& p : op.points) {
      if (p.x < -tol || p.x > w + tol || p.y < -tol || p.y > h + tol) {
        out.problems.push_back("sheet leaves the paper at (" + std::to_string(p.x / kTwipsPerMm) +
                               ", " + std::to_string(p.y / kTwipsPerMm) + ") mm");
        return;
      }
    }
  }
}

}  // namespace

std::vector<std::string> MarkupProblems(const std::string& cp932) {
  std::vector<std::string> problems;
  const std::string text = Cp932ToUtf8(cp932);
  int line = 1;
  auto problem = [&](const std::string& what, std::size_t at, std::size_t n) {
    if (problems.size() >= 20) return;
    const std::size_t from =
        text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
    const std::size_t to = std::min(text.find('\r', at), text.find('\n', at));
    problems.push_back("markup line " + std::to_string(line) + ": " + what + " \"" +
                       text.substr(at, n) + "\" in " + text.substr(from, to - from));
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      ++i;
      continue;
    }
    if (std::isalpha(c)) {
      std::size_t j = i;
      std::string word;
      while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j])))
        word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[j++])));
      if (word == "nan" || word == "inf" || word == "infinity" || word == "ind")
        problem("no number", i, j - i);
      i = j;
      continue;
    }
    if (std::isdigit(c)) {
      std::size_t j = i;
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
      const std::size_t intDigits = j - i;
      while (j < text.size() &&
             (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '.'))
        ++j;
      long exponent = 0;
      bool hasExponent = false;
      if (j + 1 < text.size() && (text[j] == 'E' || text[j] == 'e') &&
          (text[j + 1] == '+' || text[j + 1] == '-')) {
        std::size_t k = j + 2;
        while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]))) ++k;
        if (k > j + 2) {
          hasExponent = true;
          exponent = std::stol(text.substr(j + 1, k - j - 1));
          j = k;
        }
      }
      if (intDigits >= 10 || (hasExponent && (exponent > 8 || exponent < -99)))
        problem("absurd or sentinel number", i, j - i);
      i = j;
      continue;
    }
    ++i;
  }
  return problems;
}

Findings RunDocument(CDocument& doc, const std::string& programDir) {
  Findings out;
  QuietSink sink;
  try {
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
    CalcAntei(doc, 0, 0);
  } catch (const std::exception& e) {
    out.problems.push_back(std::string("calculation failed: ") + e.what());
  }
  CheckDocument(doc, out);
  RunReport(doc, programDir, out);
  RunSheet(doc, out);
  return out;
}

void PlainTexts(CDocument& doc) {
  doc.Title = "表題";
  for (int32_t i = 0; i < doc.nCase(); ++i)
    if (const std::shared_ptr<CKajyuCase> k = doc.pCase(i)) k->CaseName = "ケース";
  for (int32_t i = 0; i < doc.nNiniCount(); ++i)
    if (const auto load = doc.pNini(i)) load->LoadName = "荷重";
}

// ---- random walls ---------------------------------------------------------------

void RandomizeWall(CDocument& d, std::mt19937& rng) {
  auto uniform = [&rng](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  // Lengths scale together, each jittered, rounded to the millimetre as a box holds them.
  const double s = uniform(0.4, 2.5);
  auto len = [&](double& v) {
    if (v > 0) v = std::round(v * s * uniform(0.8, 1.25) * 1000) / 1000;
  };
  for (double* v : {&d.WallH, &d.WallL, &d.BlkT,  &d.BlkDeltT1, &d.BlkDeltT2, &d.BlkB,   &d.BlkB1,
                    &d.BlkH1, &d.BlkH2, &d.GrwB,  &d.GrwB1,     &d.GrwB2,     &d.GrwB3,  &d.GrwB4,
                    &d.GrwH1, &d.MtwH1, &d.MtwH2, &d.MtwH3,     &d.MtwB1,     &d.MtwB2,  &d.MtwB3,
                    &d.MtwB4, &d.MxwH1, &d.MxwH2, &d.MxwH3,     &d.KisoB,     &d.KisoH1, &d.KisoH2})
    len(*v);
  switch (d.WallType()) {
    case 0:
      d.BlkN = std::round(uniform(0.2, 1.0) * 100) / 100;
      break;
    case 1:
      // The back runs out no further than the base.
      d.GrwB = std::max(d.GrwB, d.GrwB1 + d.GrwB2 + d.GrwB4);
      break;
    case 3:
      d.BlkN = std::round(uniform(0.2, 0.8) * 100) / 100;
      d.GrwB = std::max(d.GrwB, d.GrwB1 + d.GrwB2);
      d.GrwB3 = std::min(d.GrwB3, d.GrwB2);
      d.WallH = d.MxwH1 + d.MxwH2;
      break;
    default:
      break;
  }
  d.SetSoilFH(0, std::round(uniform(0, 1.0) * 100) / 100);
  d.SetSoilFH(1, d.SoilFH(0));
  if (pick(0, 2) == 0) {
    d.nWater = pick(1, 2);
    d.nWlvlAuto = 0;
    const double top = d.WallType() == 2 ? d.MtwH1 + d.MtwH2 : d.WallH;
    for (int st = 0; st < 2; ++st) {
      d.SetWatFH(st, std::round(uniform(0, 0.5) * top * 100) / 100);
      d.SetWatBH(st, std::round(uniform(0, 0.8) * top * 100) / 100);
    }
    for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = static_cast<int16_t>(pick(0, 1));
  }
  d.nTentou = pick(0, 2);
  d.ChkSlide = static_cast<int16_t>(pick(0, 1));
  d.Sheet = static_cast<int16_t>(pick(0, 4));
  d.DrwScale = static_cast<int16_t>(pick(0, 6));
  d.Suryou = static_cast<int16_t>(pick(0, 1));
  for (int i = 0; i < 4; ++i) d.SetMargin(i, static_cast<int16_t>(pick(10, 30)));
}

}  // namespace norva::pipeline
