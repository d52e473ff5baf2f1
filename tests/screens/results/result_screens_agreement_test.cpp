// The result screens as an engineer reads them, against the stored results:
// screen 4 under the overturning checks and guidelines the samples do not
// use, the main window's result panel after a fixed slip angle, and every
// check section of screen 5 with its compression, tension and shear cells.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/member/fot_stress.h"
#include "calc/member/wall_stress.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "platform/controls/colors.h"
#include "report/bearing/prn_jiban.h"
#include "report/report_test_support.h"
#include "report/stability/prn_antei_list.h"
#include "screens/results/frm_antei_res.h"
#include "screens/results/frm_ouryoku.h"
#include "screens/results/member_windows.h"
#include "shell/calculation.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/shell_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

constexpr double kDeg = 57.29577951308238;
const QColor kBlueText = VbColor(0xFF0000);  // &HBBGGRR
const QColor kRedText = VbColor(0x0000FF);

bool Finite(double v) { return std::isfinite(v) && v != kNullBox && std::fabs(v) <= 1e8; }
std::string Pattern(int decimals) {
  return decimals == 0 ? "0" : "0." + std::string(static_cast<size_t>(decimals), '0');
}
// A grid cell: the value with its decimals, "-----" when not computed.
std::string Value(double v, int decimals) {
  return Finite(v) ? FormatPattern(v, Pattern(decimals)) : "-----";
}
// The mark between two shown numbers: their relation as shown ("=" when they
// read the same), whatever the verdict.
std::string ShownMark(double a, double b, int decimals) {
  auto shown = [decimals](double v) { return Finite(v) ? std::stod(Value(v, decimals)) : v; };
  const double x = shown(a), y = shown(b);
  return x < y ? "<" : x > y ? ">" : "=";
}
// A number box: the value by its format, blank outside its range.
std::string BoxText(const NumberBox* b, double v) {
  if (!(v >= b->MinValue() && v <= b->MaxValue())) return "";
  return FormatPattern(v, Pattern(b->Decimals()));
}
#define EXPECT_BOX(box, v) EXPECT_EQ((box)->text().toStdString(), BoxText((box), (v))) << #box
std::string Cell(const SpreadGrid* g, int col, int row) { return g->Text(col, row).toStdString(); }
// A number of the stress grids: "#0.00" without leading blanks.
std::string Shown(double v) {
  if (v == kNullBox) return "-----";
  const std::string t = FormatNum(v, "#0.00");
  return t.substr(t.find_first_not_of(' '));
}
std::string Txt(const TextBox* t) { return t->Text().toStdString(); }

class ResultScreensAgreement : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    savedWindows_ = Windows();
    savedHooks_ = AnteiResHooks();
    RegisterStabilityResultWindows();
    RegisterMemberResultWindows();
    main_->show();
  }
  void TearDown() override {
    AnteiResHooks() = savedHooks_;
    Windows() = savedWindows_;
    ShellFixture::TearDown();
  }
  frmAnteiRes* Screen4(CDocument& doc) {
    ShowForm(doc, 4);
    QApplication::processEvents();
    return dynamic_cast<frmAnteiRes*>(doc.DataForm);
  }
  frmOuryoku* Screen5(CDocument& doc) {
    ShowForm(doc, 5);
    QApplication::processEvents();
    return dynamic_cast<frmOuryoku*>(doc.DataForm);
  }
  ShellWindows savedWindows_;
  AnteiResServices savedHooks_;
};

// ---- Screen 4: overturning by safety factor, line of thrust, resultant
// position; the large-block bearing columns ------------------------------------

struct Variant {
  const char* sample;
  int nTentou;
  int sisin;     // -1 keeps the sample's
  int nQa = -1;  // -1 keeps the sample's
};

TEST_F(ResultScreensAgreement, SummaryAndDetailAgreeUnderEveryOverturningCheck) {
  const Variant variants[] = {
      {"gravity.nrv", 1, -1},        // safety factor Fm against Fma
      {"gravity.nrv", 2, -1},        // safety factor and eccentricity
      {"block_masonry.nrv", 3, -1},  // line of thrust Xh against Xd
      {"leaning.nrv", 0, 2},         // road earthworks: d against B/2 - Ea
      {"block_masonry.nrv", 0, 3},   // large block: bearing safety factor
      {"gravity.nrv", 0, -1, 1},     // road earthworks, bearing capacity entered
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(std::string(v.sample) + " nTentou " + std::to_string(v.nTentou) + " Sisin " +
                 std::to_string(v.sisin));
    auto doc = OpenSample(v.sample);
    ASSERT_NE(doc, nullptr);
    CDocument& d = *doc;
    d.nTentou = v.nTentou;
    if (v.sisin >= 0) d.Sisin = v.sisin;
    if (v.nQa >= 0) d.nQa = v.nQa;
    frmAnteiRes* s = Screen4(d);
    ASSERT_NE(s, nullptr);
    const SpreadGrid* g = s->vsAntRes[1];
    ASSERT_EQ(g->MaxCols(), (d.Sisin == 2 || d.Sisin == 3) ? 17 : 14);
    const char* heading = v.nTentou == 3   ? " 転倒に対する検討(示力線)"
                          : v.nTentou != 0 ? " 転倒に対する検討(安全率)"
                          : v.sisin == 2   ? " 　　　転倒に対する検討"
                                           : " 転倒に対する検討(偏心量)";
    EXPECT_EQ(Cell(g, 6, 1), heading);
    for (int i = 0; i < d.nCase(); ++i) {
      SCOPED_TRACE("case " + std::to_string(i + 1));
      const int row = i + 2;
      const CAntRes& r = *d.AntRes(0, i);
      s->lsAntDetail->setCurrentRow(i);
      if (v.nTentou == 1 || v.nTentou == 2) {
        // Safety factor: blue when Fm >= Fma, ">" only above it.
        const bool ok = Finite(r.Fm) && Finite(r.Fma) && r.Fm >= r.Fma;
        EXPECT_EQ(Cell(g, 6, row), Value(r.Fm, 2));
        EXPECT_EQ(Cell(g, 7, row), ShownMark(r.Fm, r.Fma, 2));
        EXPECT_EQ(Cell(g, 8, row), Value(r.Fma, 2));
        EXPECT_EQ(g->CellForeColor(6, row), ok ? kBlueText : kRedText);
        EXPECT_BOX(s->imnFm[0], r.Fm);
        EXPECT_BOX(s->imnFm[1], r.Fma);
        EXPECT_EQ(Txt(s->imtFm[0]), ShownMark(r.Fm, r.Fma, 2));
        EXPECT_EQ(Txt(s->imtFm[1]), ok ? "OK" : "OUT");
        EXPECT_FALSE(s->imnFm[0]->isHidden());
      } else if (v.nTentou == 3) {
        // Line of thrust: Xh must not pass Xd.
        const bool ok = Finite(r.Xh) && Finite(r.Xd) && r.Xh <= r.Xd;
        EXPECT_EQ(Cell(g, 6, row), Value(r.Xh, 3));
        EXPECT_EQ(Cell(g, 7, row), ShownMark(r.Xh, r.Xd, 3));
        EXPECT_EQ(Cell(g, 8, row), Value(r.Xd, 3));
        EXPECT_EQ(g->CellForeColor(6, row), ok ? kBlueText : kRedText);
        EXPECT_BOX(s->imnSiryoku[10], r.Ka);
        EXPECT_BOX(s->imnSiryoku[11], r.Xh);
        EXPECT_BOX(s->imnSiryoku[12], r.Xd);
        EXPECT_BOX(s->imnSiryoku[13], r.Xh);
        EXPECT_BOX(s->imnSiryoku[14], r.Xd);
        EXPECT_BOX(s->imnSiryoku[15], r.Ha);
        EXPECT_EQ(Txt(s->imtSiryoku[10]), ShownMark(r.Xh, r.Xd, 3));
        EXPECT_EQ(Txt(s->imtSiryoku[11]), ok ? "OK" : "OUT");
      } else if (v.sisin == 2) {
        // Leaning wall under road earthworks: d >= L = B/2 - Ea.
        const double L = r.Breadth / 2 - r.Ea;
        const bool ok = Finite(r.D) && r.D >= L;
        EXPECT_EQ(Cell(g, 6, row), Value(r.D, 3));
        EXPECT_EQ(Cell(g, 7, row), ShownMark(r.D, L, 3));
        EXPECT_EQ(Cell(g, 8, row), Value(L, 3));
        EXPECT_EQ(g->CellForeColor(6, row), ok ? kBlueText : kRedText);
        EXPECT_BOX(s->imnD[0], r.D);
        EXPECT_BOX(s->imnD[1], L);
        EXPECT_EQ(Txt(s->imtFm[4]), ShownMark(r.D, L, 3));
        EXPECT_EQ(Txt(s->imtFm[5]), ok ? "OK" : "OUT");
      }
      if (d.Sisin == 2 && d.nQa == 1) {
        // The allowable is the entered capacity times the case's premium.
        const double qa = d.pCase(i)->QaPremium * d.Qa;
        ASSERT_TRUE(Finite(qa)) << "the sample has a capacity to enter";
        const double q = std::max(r.Qmax, r.Qmin);
        const bool ok = Finite(q) && q <= qa;
        EXPECT_EQ(Cell(g, 12, row), Value(q, 2));
        EXPECT_EQ(Cell(g, 13, row), ShownMark(q, qa, 2));
        EXPECT_EQ(Cell(g, 14, row), Value(qa, 2));
        EXPECT_EQ(g->CellForeColor(12, row), ok ? kBlueText : kRedText);
        EXPECT_TRUE(g->isColumnHidden(14));  // columns 15 to 17
        EXPECT_BOX(s->imnQa[1], qa);
        EXPECT_EQ(Txt(s->imtFb[0]), ShownMark(q, qa, 2));
        EXPECT_EQ(Txt(s->imtFb[1]), ok ? "OK" : "OUT");
        EXPECT_FALSE(s->imnNc->isEnabled());
      }
      if (d.Sisin == 3) {
        // The reaction in black; the bearing factor judged in 15 to 17.
        const double q = std::max(r.Qmax, r.Qmin);
        const bool ok = Finite(r.fB) && Finite(r.Fba) && r.fB >= r.Fba;
        EXPECT_EQ(Cell(g, 12, row), Value(q, 2));
        EXPECT_EQ(g->CellForeColor(12, row), QColor(Qt::black));
        EXPECT_FALSE(g->isColumnHidden(14));
        EXPECT_EQ(Cell(g, 15, row), Value(r.fB, 2));
        EXPECT_EQ(Cell(g, 16, row), ShownMark(r.fB, r.Fba, 2));
        EXPECT_EQ(Cell(g, 17, row), Value(r.Fba, 2));
        EXPECT_EQ(g->CellForeColor(15, row), ok ? kBlueText : kRedText);
        // B' = B - 2e', e' = |(qmax - qmin) (B/6) / (qmin + qmax)|; Qv = (qmin + qmax) B / 2.
        const double sum = r.Qmax + r.Qmin;
        const double e = std::fabs((r.Qmax - r.Qmin) * (r.Breadth / 6) / sum);
        EXPECT_BOX(s->imnQa[2], r.Qu);
        EXPECT_BOX(s->imnQa[3], r.Breadth - 2 * e);
        EXPECT_BOX(s->imnQa[4], sum * r.Breadth / 2);
        EXPECT_EQ(s->imnQmax[1]->Text().toStdString(), Value(r.Qmax, 2));
        EXPECT_EQ(s->imnQmin[1]->Text().toStdString(), Value(r.Qmin, 2));
        EXPECT_BOX(s->imnFb[2], r.fB);
        EXPECT_BOX(s->imnFb[3], r.Fba);
        EXPECT_EQ(Txt(s->imtFb[3]), ok ? "OK" : "OUT");
      }
    }
    CloseDocument(d.Key);
  }
}

// The large-block sample's spring reactions wherever they are shown. The
// spring model stores the toe's reaction in Qmax and the heel's in Qmin;
// hand values: toe Kv dy = 39.344, heel Kv (dy + B thet) = 42.488, Qv 40.916,
// e' = (42.488 - 39.344) / 81.832 / 6 = 0.0064, B' = 0.9872,
// Fb = 300 x 0.9872 / 40.916 = 7.238. A label "q1"/"q2" (and "qv1"/"qv2")
// names an end of the base: toe, then heel. A label "qmax"/"qmin", or the
// grid's single reaction, names the larger and the smaller.
TEST_F(ResultScreensAgreement, LargeBlockReactionsReadTheSameOnEveryOutput) {
  const QString copy = Path("large_block.nrv");
  ASSERT_TRUE(QFile::copy(QStringLiteral(NORVA_SOURCE_DIR "/examples/large_block.nrv"), copy));
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  OpenDocumentFile(copy.toStdString());
  QApplication::processEvents();
  auto doc = ActiveDocument();
  ASSERT_NE(doc, nullptr);
  CDocument& d = *doc;
  frmAnteiRes* s = Screen4(d);
  ASSERT_NE(s, nullptr);
  ASSERT_EQ(d.Sisin, 3);
  ASSERT_EQ(d.nCase(), 1);
  // Screen 4: the grid shows the larger reaction, the page each end.
  const SpreadGrid* g = s->vsAntRes[1];
  EXPECT_EQ(Cell(g, 12, 2), "42.49");
  EXPECT_EQ(Cell(g, 15, 2), "7.24");
  EXPECT_EQ(Cell(g, 16, 2), ">");
  EXPECT_EQ(Cell(g, 17, 2), "3.00");
  s->lsAntDetail->setCurrentRow(0);
  EXPECT_EQ(Txt(s->imnQmax[1]), "39.34");
  EXPECT_EQ(Txt(s->imnQmin[1]), "42.49");
  EXPECT_EQ(s->imnQa[2]->text().toStdString(), "300.00");
  EXPECT_EQ(s->imnQa[3]->text().toStdString(), "0.987");
  EXPECT_EQ(s->imnQa[4]->text().toStdString(), "40.92");
  EXPECT_EQ(s->imnFb[2]->text().toStdString(), "7.24");
  // The main window's panel: q1 and q2 in black, then the bearing line.
  std::vector<std::string> panel;
  for (const CanvasOp& op : main_->vsdAntRes->canvas().Ops())
    if (op.kind == CanvasOpKind::Text) panel.push_back(op.text);
  for (const char* want : {"q1=39.34", "q2=42.49", "Fb=7.24 > 3.00"}) {
    EXPECT_NE(std::find(panel.begin(), panel.end(), want), panel.end()) << want;
  }
  // The report: the ground-reaction chapter by end, the summary table by size.
  const std::string chapter =
      Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnJibanHanryokuCase(f, d, 0); }));
  for (const char* want : {"前端　q<sub>v1</sub> =   39.34 (", "後端　q<sub>v2</sub> =   42.49 (",
                           "Q<sub>v</sub> =   40.92 (kN/m)"}) {
    EXPECT_NE(chapter.find(want), std::string::npos) << want;
  }
  const std::string list = Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnAnteiList(f, d); }));
  for (const char* want : {">qmax=  42.49</TD>", ">qmin=  39.34</TD>", ">Fb= 7.238</TD>"}) {
    EXPECT_NE(list.find(want), std::string::npos) << want;
  }
  CloseDocument(d.Key);
}

// Fixing a slip angle recalculates the case: the main window's result panel
// must not keep the numbers of the search.
TEST_F(ResultScreensAgreement, AFixedSlipAngleRefreshesTheMainWindowPanel) {
  auto doc = OpenSample("leaning.nrv");  // trial wedge, eccentricity check
  ASSERT_NE(doc, nullptr);
  frmAnteiRes* s = Screen4(*doc);
  ASSERT_NE(s, nullptr);
  auto panelHas = [&](const std::string& text) {
    for (const CanvasOp& op : main_->vsdAntRes->canvas().Ops())
      if (op.text == text) return true;
    return false;
  };
  auto eLine = [&] { return "e=" + FormatPattern(doc->AntRes(0, 0)->E, "0.000"); };
  auto hasELine = [&] {
    for (const CanvasOp& op : main_->vsdAntRes->canvas().Ops())
      if (op.text.rfind(eLine() + " ", 0) == 0) return true;
    return false;
  };
  ASSERT_TRUE(hasELine());
  const std::string before = eLine();

  NumberBox* box = s->imnDoatsu3[0];
  const double searched = doc->AntRes(0, 0)->Kusabi(0)->fOmega * kDeg;
  // A steeper slip plane than the critical one: less earth pressure, another
  // e. What the box's focus handler does with a typed angle.
  const double fixed = std::min(std::round(searched) + 8, box->MaxValue());
  s->SetUserOmega(fixed, 0, 0);
  ASSERT_NE(doc->AntRes(0, 0)->Kusabi(0)->bChgOmg, 0);
  ASSERT_NE(eLine(), before) << "the fixed angle must move the resultant";
  EXPECT_TRUE(hasELine()) << "panel still shows " << before;
  EXPECT_FALSE(panelHas(before));
}

// ---- Screen 5: every check section of every sample ----------------------------

// "value sign limit" as the grids write it, with the sign and colour of the
// check worked out here: the sign compares the two numbers as printed, the
// colour follows the unrounded verdict.
struct Expect {
  std::string text;
  int state;  // 0 not made, 1 ok, 2 out, 3 not computable
};
std::string Num(double v, const char* f = "#0.00") { return FormatNum(v, f); }
bool Null(double v) { return v == kNullBox || !std::isfinite(v); }
const Expect kNull{"-----", 3};
std::string Between(double v, double limit) {
  const double a = std::stod(Num(v)), b = std::stod(Num(limit));
  return a < b ? " <" : a > b ? " >" : " =";
}
Expect Compression(double s0, double s1, double sca) {
  if (Null(s0) || Null(s1)) return kNull;
  const double v = std::max(s0, s1);
  if (v < 0) return {"－", 0};
  const bool out = v > sca;
  return {Num(v) + Between(v, sca) + Num(sca), out ? 2 : 1};
}
Expect Tension(double s0, double s1, double sta) {
  if (Null(s0) || Null(s1)) return kNull;
  const double v = std::min(s0, s1);
  if (v > 0) return {"－", 0};
  const bool out = v < -sta;
  return {Num(v) + Between(v, -sta) + Num(-sta), out ? 2 : 1};
}
Expect Shear(double t, double ta) {
  if (Null(t) || Null(ta)) return kNull;
  const bool out = std::fabs(t) > ta;
  return {Num(t) + Between(t, ta) + Num(ta), out ? 2 : 1};
}

// Columns first..first+2 and the judgement after them against the stresses.
void CheckRow(SpreadGrid* g, int row, int first, const Expect (&e)[3]) {
  bool out = false, null = false;
  const QColor colours[] = {QColor(), QColor(0, 0, 255), QColor(255, 0, 0), QColor(Qt::black)};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Cell(g, first + k, row), e[k].text) << "column " << first + k;
    if (e[k].state != 0) {
      EXPECT_EQ(g->CellForeColor(first + k, row), colours[e[k].state]) << "column " << first + k;
    }
    out = out || e[k].state == 2;
    null = null || e[k].state == 3;
  }
  // Not computable is never OK.
  EXPECT_EQ(Cell(g, first + 3, row), null ? "-----" : out ? "OUT" : "OK");
  if (!null) {
    EXPECT_EQ(g->CellBackColor(first + 3, row), out ? QColor(255, 0, 0) : QColor(0, 0, 255));
  }
}

TEST_F(ResultScreensAgreement, StressGridsAgreeWithTheStoredStressesOnEverySection) {
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    auto doc = OpenSample(sample);
    ASSERT_NE(doc, nullptr);
    CDocument& d = *doc;
    ASSERT_TRUE(RecalculateDocument(d));
    frmOuryoku* s = Screen5(d);
    ASSERT_NE(s, nullptr);
    const bool mixed = d.WallType() == 3;
    for (int page : {0, 1}) {
      if (page == 0 && !mixed) continue;
      const int16_t part = (mixed && page == 1) ? 1 : 0;
      QComboBox* list = s->cmbWallSecPos[page];
      ASSERT_EQ(list->count(), d.nWallSecCnt(part));
      // Last section first, then back to the root: no cell keeps another
      // section's text.
      for (int sec = list->count() - 1; sec >= 0; --sec) {
        list->setCurrentIndex(sec);
        SCOPED_TRACE("page " + std::to_string(page) + " section " + std::to_string(sec));
        for (int i = 0; i < d.nCase(); ++i) {
          const CWallRes& r = *d.pWallRes(part, i, sec);
          const int row = i + 2;
          EXPECT_EQ(Cell(s->vsWallRes[page], 5, row), FormatPattern(1000 * r.Height(0), "0.0"));
          const Expect e[3] = {Compression(r.Sgmc(0), r.Sgmc(1), r.Sgmca),
                               Tension(r.Sgmc(0), r.Sgmc(1), r.Sgmta), Shear(r.Tauc, r.Taua)};
          CheckRow(s->vsWallRes[page], row, 6, e);
        }
      }
    }
    if (d.bFotCalc()) {
      for (int i = 0; i < d.nCase(); ++i) {
        const CFotRes& r = *d.pFotRes(i);
        const Expect e[3] = {Compression(r.Sgmc(0), r.Sgmc(1), r.Sgmca),
                             Tension(r.Sgmc(0), r.Sgmc(1), r.Sgmta), Shear(r.Tauc, r.Taua)};
        CheckRow(s->vsFot, i + 2, 5, e);
      }
    }
    CloseDocument(d.Key);
  }
}

// The adopted earth pressure must be readable in the window the program
// opens at its first size: no unit label drawn over its boxes.
TEST_F(ResultScreensAgreement, AdoptedEarthPressureBoxesStayClearOfTheirLabels) {
  auto doc = OpenSample("leaning.nrv");  // trial wedge, embankment
  ASSERT_NE(doc, nullptr);
  frmAnteiRes* s = Screen4(*doc);
  ASSERT_NE(s, nullptr);
  // The document area beside the navigation bar and the summary panels of
  // the program's first window leaves the screen about 780 pixels.
  ScreenWindow* w = WindowOf(*doc);
  ASSERT_NE(w, nullptr);
  w->resize(780, w->height());
  s->vstAntDetail[1]->SetCurrentTab(0);
  // Every box of a frame clear of every label of it.
  auto clear = [&](QWidget* frame, const ControlArray<NumberBox>& boxes) {
    QApplication::processEvents();
    ASSERT_TRUE(frame->isVisible());
    for (const auto& [i, box] : boxes) {
      if (!frame->isAncestorOf(box)) continue;
      const QRect r(box->mapTo(frame, QPoint(0, 0)), box->size());
      EXPECT_TRUE(frame->rect().contains(r)) << "box " << i;
      for (QLabel* l : frame->findChildren<QLabel*>()) {
        if (!l->isVisible()) continue;
        const QRect lr(l->mapTo(frame, QPoint(0, 0)), l->size());
        EXPECT_FALSE(r.intersects(lr)) << "box " << i << " under " << l->text().toStdString();
      }
    }
  };
  clear(s->fraDoatsu3, s->imnDoatsu3);
  // The cut pages, whatever they hold.
  s->vstDoatsu[1]->SetCurrentTab(1);
  for (int f = 0; f < 3; ++f) clear(s->fraDoatsu4[f], s->imnDoatsu4);
  s->vstDoatsu[1]->SetCurrentTab(2);
  for (int f = 0; f < 3; ++f) clear(s->fraDoatsu5[f], s->imnDoatsu5);
}

// Each row's judgement is what the engineer reads first: at the window's
// first size it must be in sight, not cut off at the frame's edge.
TEST_F(ResultScreensAgreement, JudgementColumnsStayInSightInTheFirstWindowSize) {
  auto doc = OpenSample("mixed.nrv");
  ASSERT_NE(doc, nullptr);
  ASSERT_TRUE(RecalculateDocument(*doc));
  frmOuryoku* s = Screen5(*doc);
  ASSERT_NE(s, nullptr);
  ScreenWindow* w = WindowOf(*doc);
  ASSERT_NE(w, nullptr);
  w->resize(780, w->height());  // as the first window beside the panels
  for (int page : {0, 1}) {
    s->vstWall->setCurrentIndex(page);
    QApplication::processEvents();
    const struct {
      SpreadGrid* grid;
      int verdictCol;
    } grids[] = {{s->vsWallRes[page], 9}, {s->vsFot, 8}, {s->vsTok, 9}};
    for (const auto& [g, col] : grids) {
      SCOPED_TRACE(g->objectName().toStdString() + " page " + std::to_string(page));
      const int x = g->columnViewportPosition(col - 1);
      ASSERT_GE(x, 0);
      const QRect cell(g->viewport()->mapTo(s, QPoint(x, 0)), QSize(g->columnWidth(col - 1), 1));
      EXPECT_LE(x + g->columnWidth(col - 1), g->viewport()->width());
      EXPECT_TRUE(s->rect().contains(cell))
          << "cell at " << cell.x() << ".." << cell.right() << ", screen " << s->width();
      QRect clip = cell;
      for (QWidget* p = g; p != s; p = p->parentWidget())
        clip &= QRect(p->mapTo(s, QPoint(0, 0)), p->size());
      EXPECT_EQ(clip.width(), cell.width()) << "cut off by the frame";
    }
  }
}

// A report run calculates the document afresh and drops a fixed slip angle;
// screen 5 must then show the stresses the report printed, not those of the
// fixed angle.
TEST_F(ResultScreensAgreement, PrintingFromScreen5LeavesTheGridsOnTheReportedResults) {
  auto doc = OpenSample("leaning.nrv");
  ASSERT_NE(doc, nullptr);
  CDocument& d = *doc;
  frmAnteiRes* s4 = Screen4(d);
  ASSERT_NE(s4, nullptr);
  const double searched = d.AntRes(0, 0)->Kusabi(0)->fOmega * kDeg;
  s4->SetUserOmega(std::min(std::round(searched) + 8, s4->imnDoatsu3[0]->MaxValue()), 0, 0);
  ASSERT_NE(d.AntRes(0, 0)->Kusabi(0)->bChgOmg, 0);
  // What the report selection does before it prints.
  Windows().reportDialog = [](CDocument& doc, int16_t, QWidget*) {
    ASSERT_TRUE(CalculateWithProgress(doc));
    for (int32_t i = 0; i < doc.nCase(); ++i) {
      CalcWallStress(doc, i, 0);
      if (doc.bFotCalc()) CalcFotStress(doc, i);
    }
  };
  frmOuryoku* s = Screen5(d);
  ASSERT_NE(s, nullptr);
  const std::string fixedM = Cell(s->vsWallRes[1], 4, 2);
  ASSERT_EQ(fixedM, Shown(d.pWallRes(0, 0, 0)->ForceM));

  s->cmdPrint->click();
  ASSERT_EQ(d.AntRes(0, 0)->Kusabi(0)->bChgOmg, 0);
  const std::string reported = Shown(d.pWallRes(0, 0, 0)->ForceM);
  ASSERT_NE(reported, fixedM) << "the fixed angle must change the stem moment";
  EXPECT_EQ(Cell(s->vsWallRes[1], 4, 2), reported);
  for (int i = 0; i < d.nCase(); ++i) {
    const CWallRes& r = *d.pWallRes(0, i, 0);
    EXPECT_EQ(Cell(s->vsWallRes[1], 3, i + 2), Shown(r.ForceS));
    const Expect e[3] = {Compression(r.Sgmc(0), r.Sgmc(1), r.Sgmca),
                         Tension(r.Sgmc(0), r.Sgmc(1), r.Sgmta), Shear(r.Tauc, r.Taua)};
    CheckRow(s->vsWallRes[1], i + 2, 6, e);
  }
  for (int i = 0; i < d.nCase() && d.bFotCalc(); ++i)
    EXPECT_EQ(Cell(s->vsFot, 3, i + 2), Shown(d.pFotRes(i)->ForceM));
}

}  // namespace
}  // namespace norva
