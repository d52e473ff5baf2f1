#include "document/document.h"
#include "shell/summary_panels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "calc/stability/printed_relation.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/load_case.h"
#include "document/names.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "shell/display_number.h"

namespace norva {
namespace {

// The lines of a wrapped text, split at the "\n" that WrapLabelText puts in.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == '\n')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

// A number as the run time's Str writes it, without the leading blank.
std::string PlainNumber(double v) {
  if (!IsDisplayable(v)) return kNotComputableText;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

std::string Fixed3(double v) { return DisplayNumber(v, "0.000"); }
std::string Fixed2(double v) { return DisplayNumber(v, "0.00"); }

// The mark between two numbers as the line shows them, with a blank each
// side: their true relation whatever the verdict; one blank when either is
// not a number.
std::string Between(PrintedRelation relation) {
  const std::string mark = RelationMark(relation, kAsciiMarks);
  return mark.empty() ? " " : " " + mark + " ";
}

// A check with a value that could not be computed has not been passed.
bool Shown(double a, double b) { return IsDisplayable(a) && IsDisplayable(b); }

// Draws the lines of a wrapped text one below the other, pitch apart.
void DrawLines(Canvas& s, double x, double y, double pitch, const std::vector<std::string>& lines) {
  for (size_t k = 0; k < lines.size(); ++k) s.DrawText(x, y + pitch * static_cast<double>(k), lines[k]);
}

}  // namespace

JudgedLine ThrustLine(double Xd, double Xh) {
  const bool ok = ThrustOk(Xh, Xd);
  return {"X'=" + Fixed3(Xd) + Between(ComparePrinted(Xd, Xh, 3)) + "Xh=" + Fixed3(Xh),
          ok ? kJudgeBlack : kJudgeRed};
}

JudgedLine SafetyLine(const char* name, double value, double allowed) {
  const bool ok = PassesLowerBound(value, allowed);
  return {std::string(name) + "=" + Fixed2(value) + Between(ComparePrinted(value, allowed, 2)) +
              Fixed2(allowed),
          ok ? kJudgeBlack : kJudgeRed};
}

JudgedLine EccentricityLine(double E, double Ea, double caseEa, int wallType) {
  // e is shown with its sign; a heel-side resultant of a block wall passes.
  const bool ok = EccentricityOk(E, Ea, wallType);
  return {"e=" + Fixed3(E) + Between(ComparePrinted(E, Ea, 3)) + "B/" + PlainNumber(caseEa) + "=" +
              Fixed3(Ea),
          ok ? kJudgeBlue : kJudgeRed};
}

JudgedLine LeaningLine(double D, double Breadth, double Ea, double caseEa) {
  const double l = ResultantDistanceLimit(Breadth, Ea);
  const bool ok = ResultantDistanceOk(D, Breadth, Ea);
  // The divisor that states l: B/2 without Ea, B/3 for B/6, B/3.33 for B/5.
  const BreadthDivisor n = DistanceDivisor(caseEa);
  const std::string k = !n.valid ? "-" : n.whole ? PlainNumber(n.n) : Fixed2(n.n);
  return {"d=" + Fixed3(D) + Between(ComparePrinted(D, l, 3)) + "B/" + k + "=" + Fixed3(l),
          ok ? kJudgeBlue : kJudgeRed};
}

void DrawDataSummary(Canvas& s, const CDocument* doc) {
  s.Clear();
  if (!doc) return;
  s.SetScale(0, 0, 1000, 1000);
  s.SetFontName("ＭＳ Ｐゴシック");
  s.SetFontSize(75);
  s.SetFontBold(false);
  s.SetLineSpacing(90);
  const double h = s.TextHeight("0");
  const double g = 90 - h;
  s.SetCurrentX(10);
  s.SetCurrentY(10);

  struct Block {
    const char* label;
    std::string value;
    bool wrap;
  };
  const Block blocks[] = {
      {"タイトル:", doc->Title, true},
      {"単位系:", "SI単位", false},
      {"適用基準:", SisinName(doc->Sisin), true},
      {"擁壁の種類:", WallTypeName(doc->WallType()), false},
      {"土圧公式:", DoatsuName(doc->Doatsu), false},
  };
  for (const Block& b : blocks) {
    s.SetFontBold(true);
    s.Text(b.label);
    s.SetFontBold(false);
    s.SetCurrentX(s.CurrentX() + s.TextWidth("00"));
    s.SetCurrentY(s.CurrentY() + h);
    std::vector<std::string> lines{b.value};
    if (b.wrap) {
      int32_t n = 0;
      lines = SplitLines(WrapLabelText(s, b.value, n, ""));
    }
    const double x = s.CurrentX();
    const double y = s.CurrentY();
    DrawLines(s, x, y, h, lines);
    s.SetCurrentX(10);
    s.SetCurrentY(y + static_cast<double>(lines.size()) * h + g);
  }
}

ResultPanelSize DrawResultSummary(Canvas& s, const CDocument* doc, const ResultPanelFrame& f) {
  s.Clear();
  if (!doc) return {};
  for (int i = 0; i <= 4; ++i)
    if (doc->bInpSt(i) == 0) return {};

  const bool mixed = doc->WallType() == 3;
  const int cases = std::max<int>(0, doc->nCase());
  double W = f.viewportWidth - 2 * f.frameX;
  double H = f.viewportHeight - 2 * f.frameY;
  s.SetFontName("ＭＳ ゴシック");
  s.SetFontSize(180);
  s.SetFontBold(false);
  s.SetLineSpacing(120);
  const double h = s.TextHeight("0");
  double p = s.LineSpacing() / 100 * h;

  auto setSpace = [&](double width, double height) {
    const double capped = std::min(height, 32767.0);
    s.SetScale(0, 0, width, capped);
    s.SetExtent(width, capped);
  };
  auto caseLabel = [&](int j, int32_t& lines) {
    std::string name;
    if (auto c = doc->pCase(j)) name = c->CaseName;
    s.SetFontBold(true);
    std::string text = WrapLabelText(s, name, lines, FormatPattern(j + 1, "#0") + ".");
    s.SetFontBold(false);
    return text;
  };

  double a = 10;
  for (int pass = 0; pass < 2; ++pass) {
    setSpace(W, H);
    a = mixed ? s.TextWidth("0") + 10 : 10;
    double N = mixed ? 2 : 0;
    for (int j = 0; j < cases; ++j) {
      s.SetCurrentX(a);
      int32_t L = 0;
      caseLabel(j, L);
      N += L;
      if (mixed) N += L + 1;
      if (doc->Sisin == 2 || doc->Sisin == 3) N += 2;
      N += 7;
    }
    H = p * N + 10;
    if (H > 32767) {
      s.SetLineSpacing(100);
      p = s.LineSpacing() / 100 * h;
      H = std::min(p * N + 10, 32767.0);
    }
    if (pass == 0 && f.viewportHeight - 2 * f.frameY < H)
      W -= f.scrollBar;
    else
      break;
  }

  setSpace(W, H);
  s.SetTextColor(kJudgeBlack);
  const double w = s.TextWidth("00");
  double n = 0;
  auto lineY = [&](double line) { return p * line + 10; };
  auto plain = [&](double x, const std::string& text) { s.DrawText(x, lineY(n), text); };
  auto bold = [&](double x, const std::string& text) {
    s.SetFontBold(true);
    plain(x, text);
    s.SetFontBold(false);
  };
  auto judged = [&](double x, double line, const JudgedLine& jl) {
    s.SetTextColor(jl.color);
    s.DrawText(x, lineY(line), jl.text);
    s.SetTextColor(kJudgeBlack);
  };
  auto drawLabel = [&](int j) {
    s.SetCurrentX(a);
    int32_t L = 0;
    const std::string text = caseLabel(j, L);
    s.SetFontBold(true);
    DrawLines(s, a, lineY(n), p, SplitLines(text));
    s.SetFontBold(false);
    n += L;
  };

  if (mixed) {
    bold(10, "上部擁壁");
    n = 1;
    for (int j = 0; j < cases; ++j) {
      drawLabel(j);
      auto r0 = doc->AntRes(0, j);
      judged(a + w, n, ThrustLine(r0->Xd, r0->Xh));
      n += 1;
    }
    bold(10, "下部擁壁");
    n += 1;
  }

  for (int j = 0; j < cases; ++j) {
    auto r = doc->AntRes(mixed ? 1 : 0, j);
    auto kc = doc->pCase(j);
    const double caseEa = kc ? kc->Ea : 0;
    drawLabel(j);

    plain(a + w, "転　倒");
    n += 1;
    switch (doc->nTentou) {
      case 0:
        if (doc->WallType() == 2 && doc->Sisin == 2)
          judged(a + 2 * w, n, LeaningLine(r->D, r->Breadth, r->Ea, caseEa));
        else
          judged(a + 2 * w, n, EccentricityLine(r->E, r->Ea, caseEa, doc->WallType()));
        break;
      case 1:
        judged(a + 2 * w, n, SafetyLine("Fm", r->Fm, r->Fma));
        break;
      case 2:
      case 3:
        judged(a + 2 * w, n, ThrustLine(r->Xd, r->Xh));
        break;
      default:
        break;
    }
    n += 1;

    if (doc->ChkSlide == 1) {
      plain(a + w, "滑　動");
      n += 1;
      if (r->SgmH > 0 && JudgeSlide(r->Fs, r->Fsa) != SlideVerdict::kNoForce)
        judged(a + 2 * w, n, SafetyLine("Fs", r->Fs, r->Fsa));
      else
        judged(a + 2 * w, n, {"検討省略", kJudgeBlack});
      n += 1;
    }

    plain(a + w, "地盤反力度");
    n += 1;
    // Both or neither: one value out of range makes the pair meaningless.
    const bool reaction = Shown(r->Qmax, r->Qmin);
    std::string v1 = kNotComputableText, v2 = kNotComputableText;
    if (reaction) {
      v1 = DisplayNumberAligned(r->Qmax, "#0.00");
      v2 = DisplayNumberAligned(r->Qmin, "#0.00");
    }
    const size_t len = std::max(v1.size(), v2.size());
    v1.insert(0, len - v1.size(), ' ');
    v2.insert(0, len - v2.size(), ' ');
    const std::string q1 = "q1=" + v1;
    const std::string q2 = "q2=" + v2;
    if (doc->Sisin == 3) {
      judged(a + 2 * w, n, {q1, kJudgeBlack});
      judged(a + 2 * w, n + 1, {q2, kJudgeBlack});
      n += 2;
      plain(a + w, "支持力");
      n += 1;
      judged(a + 2 * w, n, SafetyLine("Fb", r->fB, r->Fba));
      n += 1;
    } else {
      const double qa = AllowableReaction(*doc, kc.get(), r->Qa);
      const bool ok = ReactionOk(r->Qmax, r->Qmin, qa);
      const uint32_t color = ok ? kJudgeBlack : kJudgeRed;
      judged(a + 2 * w, n, {q1, color});
      judged(a + 2 * w, n + 1, {q2, color});
      n += 2;
      s.SetTextColor(color);
      // The larger reaction against qa; outside the base (1e10) reads ">".
      const PrintedRelation relation =
          IsMissingResult(r->Qmax) || IsMissingResult(r->Qmin)
              ? PrintedRelation::kNone
              : ComparePrinted(std::max(r->Qmax, r->Qmin), qa, 2);
      const std::string mark = RelationMark(relation, kAsciiMarks);
      s.DrawText(a + 2 * w + s.TextWidth(q1 + " "), p * (n - 1.5) + 10,
                 (mark.empty() ? "" : mark + " ") + "qa=" + DisplayNumber(qa, "##0.00"));
      s.SetTextColor(kJudgeBlack);
    }
  }
  return {W, std::min(H, 32767.0)};
}

}  // namespace norva
