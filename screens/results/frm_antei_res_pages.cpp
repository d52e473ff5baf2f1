// The detail pages of the stability results screen: their controls and how
// one case fills them.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/report_format.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/results/antei_res_pages.h"
#include "screens/results/antei_res_rules.h"
#include "screens/results/frm_antei_res.h"

namespace norva {
namespace {

constexpr int kBoxWidth = 80;

// A slip-angle box: Enter and the down arrow go on to the next control, the
// up arrow back, so a typed angle takes effect as the hint says.
class OmegaNumberBox : public NumberBox {
 public:
  OmegaNumberBox(double lo, double hi, const QString& mask, QWidget* parent)
      : NumberBox(lo, hi, mask, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    NumberBox::keyPressEvent(e);
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Down)
      focusNextChild();
    else if (k == Qt::Key_Up)
      focusPreviousChild();
  }
};

QLabel* Lbl(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setTextFormat(Qt::RichText);
  return l;
}
QLabel* Lbl(ControlArray<QLabel>& arr, int i, const QString& text, QWidget* parent) {
  return arr.Add(i, Lbl(text, parent));
}

// A box that only displays.
NumberBox* Box(QWidget* parent, const char* mask, double lo, double hi) {
  auto* b = new NumberBox(lo, hi, QString::fromLatin1(mask), parent);
  b->setFixedWidth(kBoxWidth);
  b->setAlignment(Qt::AlignRight);
  b->SetLocked(true);
  return b;
}
NumberBox* Box(ControlArray<NumberBox>& arr, int i, const char* mask, double lo, double hi,
               QWidget* parent) {
  return arr.Add(i, Box(parent, mask, lo, hi));
}
NumberBox* NamedBox(const char* name, const char* mask, double lo, double hi, QWidget* parent) {
  NumberBox* b = Box(parent, mask, lo, hi);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

TextBox* Text(ControlArray<TextBox>& arr, int i, int width, QWidget* parent,
              Qt::Alignment align = Qt::AlignCenter) {
  auto* t = arr.Add(i, new TextBox(parent));
  t->setReadOnly(true);
  t->setAlignment(align);
  t->setFixedWidth(width);
  return t;
}
TextBox* Mark(ControlArray<TextBox>& arr, int i, QWidget* parent) {
  return Text(arr, i, 28, parent);
}
TextBox* Verdict(ControlArray<TextBox>& arr, int i, QWidget* parent) {
  return Text(arr, i, 56, parent);
}

QFrame* Rule(QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setFrameShape(QFrame::HLine);
  f->setFrameShadow(QFrame::Plain);
  return f;
}

// A fraction of two widgets over a rule.
QWidget* Fraction(QWidget* top, QFrame* rule, QWidget* bottom, QWidget* parent) {
  auto* w = new QWidget(parent);
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  v->addWidget(top, 0, Qt::AlignHCenter);
  v->addWidget(rule);
  v->addWidget(bottom, 0, Qt::AlignHCenter);
  return w;
}

QLabel* Dots(QWidget* parent) { return Lbl(QStringLiteral("････"), parent); }

// A row of widgets, left-aligned.
QWidget* Row(std::initializer_list<QWidget*> ws, QWidget* parent) {
  auto* w = new QWidget(parent);
  auto* h = new QHBoxLayout(w);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(4);
  for (QWidget* x : ws) {
    x->setParent(w);
    h->addWidget(x);
  }
  h->addStretch(1);
  return w;
}

void SetBack(TextBox* t, uint32_t colour, bool white) {
  QPalette p = t->palette();
  const QColor back = VbColor(colour);
  for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::Base, back);
    p.setColor(g, QPalette::Text, white ? QColor(Qt::white) : VbColor(kSysWindowText));
  }
  t->setPalette(p);
}

// A page with a form grid: label, box, unit per row.
struct FormGrid {
  QWidget* page;
  QGridLayout* grid;
  int row = 0;
  void Add(QWidget* label, QWidget* box, const QString& unit = QString()) {
    if (label) grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    if (!unit.isEmpty()) grid->addWidget(Lbl(unit, page), row, 2);
    ++row;
  }
  void Full(QWidget* w) { grid->addWidget(w, row++, 0, 1, 4); }
};
FormGrid Form(QWidget* page) {
  auto* g = new QGridLayout(page);
  g->setContentsMargins(8, 6, 8, 6);
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(4);
  g->setColumnStretch(3, 1);
  return {page, g};
}

// Fills boxes from a list of values, with their ranges where given.
void Apply(const ControlArray<NumberBox>& boxes, const DoatsuBoxes& values) {
  for (const BoxValue& v : values.boxes) {
    NumberBox* b = boxes[v.index];
    if (!b) continue;
    if (v.ranged) b->SetRange(v.min, v.max);
    SetNumBox(b, v.value);
  }
}

// Three frames side by side on an earth-pressure page.
std::array<FormGrid, 3> Frames(QWidget* page, ControlArray<QGroupBox>& frames,
                               const std::array<const char*, 3>& titles) {
  return {Form(frames.Add(0, new QGroupBox(QString::fromUtf8(titles[0]), page))),
          Form(frames.Add(1, new QGroupBox(QString::fromUtf8(titles[1]), page))),
          Form(frames.Add(2, new QGroupBox(QString::fromUtf8(titles[2]), page)))};
}
void PlaceFrames(QHBoxLayout* h, std::array<FormGrid, 3>& f) {
  for (FormGrid& g : f) {
    g.grid->setRowStretch(g.row, 1);
    h->addWidget(g.page);
  }
  h->addStretch(1);
}

// The adopted earth pressure: P_A, K_A in boxes first, first + 1 of f; P_AV,
// P_AH in first + 2, first + 3 of g (which may be f).
void AddAdopted(FormGrid& f, FormGrid& g, ControlArray<NumberBox>& boxes, int first) {
  QWidget* p = f.page;
  QWidget* q = g.page;
  const QString kn = QStringLiteral("(kN/m)");
  f.Add(Lbl(QStringLiteral("P<sub>A</sub> ="), p),
        Box(boxes, first, "####0.000", -99999.999, 99999.999, p), kn);
  f.Add(Lbl(QStringLiteral("K<sub>A</sub> ="), p),
        Box(boxes, first + 1, "#0.000", -99.999, 99.999, p));
  g.Add(Lbl(QStringLiteral("P<sub>AV</sub> ="), q),
        Box(boxes, first + 2, "###0.000", -9999.999, 9999.999, q), kn);
  g.Add(Lbl(QStringLiteral("P<sub>AH</sub> ="), q),
        Box(boxes, first + 3, "###0.000", -9999.999, 9999.999, q), kn);
}

}  // namespace

// ---- Earth pressure ---------------------------------------------------------------

QWidget* frmAnteiRes::BuildDoatsuPages(int pageSet) {
  auto* stack = vstDoatsu.Add(pageSet, new IndexTab(this));
  stack->addTab(BuildEmbankmentPage(pageSet), QString());
  stack->addTab(BuildCutPage(pageSet), QString());
  if (pageSet != 0) stack->addTab(BuildLargeBlockPage(), QString());
  return stack;
}

QWidget* frmAnteiRes::BuildEmbankmentPage(int pageSet) {
  auto* page = picDoatsu.Add(pageSet == 0 ? 0 : 2, new QWidget(this));
  // The trials and their graph side by side, the adopted pressure below both:
  // beside the graph its boxes would be squeezed under their units.
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(4, 4, 4, 4);
  auto* h = new QHBoxLayout;
  v->addLayout(h, 1);

  auto* table = new SpreadGrid(page);
  table->setObjectName(pageSet == 0 ? "vsDoatsu1" : "vsDoatsu3");
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->SetMaxCols(4);
  table->SetMaxRows(1);
  const QString caps[] = {QStringLiteral("ω\n(度)"), QStringLiteral("Ｌ\n(m)"),
                          QStringLiteral("Ｗ\n(kN/m)"), QStringLiteral("Ｐa\n(kN/m)")};
  for (int c = 1; c <= 4; ++c) {
    table->SetText(c, 1, caps[c - 1]);
    table->SetCellType(c, 1, SpreadGrid::kStaticText);
    table->SetCellBackColor(c, 1, VbColor(kSysButtonFace));
    table->item(0, c - 1)->setTextAlignment(Qt::AlignCenter);
    table->SetColWidthPixels(c, 62);
  }
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->SetRowHeightPixels(1, table->fontMetrics().height() * 2 + 6);
  table->setFixedWidth(4 * 62 + 22);
  h->addWidget(table);

  // The graph takes the room beside the table.
  auto* graph = new CanvasWidget(page);
  graph->setObjectName(pageSet == 0 ? "vsdDoatsu1" : "vsdDoatsu3");
  graph->setMinimumSize(240, 150);
  h->addWidget(graph, 1);

  auto* fra = new QGroupBox(QStringLiteral("決定した土圧"), page);
  fra->setObjectName(pageSet == 0 ? "fraDoatsu1" : "fraDoatsu3");
  ControlArray<NumberBox>& boxes = pageSet == 0 ? imnDoatsu1 : imnDoatsu3;
  auto* fh = new QHBoxLayout(fra);
  fh->setContentsMargins(0, 0, 0, 0);
  FormGrid a = Form(new QWidget(fra));
  FormGrid b = Form(new QWidget(fra));
  auto* omega = boxes.Add(0, new OmegaNumberBox(0, 90, "#0.00", a.page));
  omega->setFixedWidth(kBoxWidth);
  omega->setAlignment(Qt::AlignRight);
  if (pageSet != 0) omega->SetTag(QString::fromUtf8(kOmegaChangeHint));
  omegaBoxes_.push_back({omega, pageSet, 0});
  a.Add(Lbl(QStringLiteral("ω ="), a.page), omega, QStringLiteral("(度)"));
  // P_AV and P_AH beside ω, P_A and K_A.
  AddAdopted(a, b, boxes, 1);
  b.grid->setRowStretch(b.row, 1);
  fh->addWidget(a.page);
  fh->addWidget(b.page);
  fh->addStretch(1);
  v->addWidget(fra);

  if (pageSet == 0) {
    fraDoatsu1 = fra;
    vsDoatsu1 = table;
    vsdDoatsu1 = graph;
  } else {
    fraDoatsu3 = fra;
    vsDoatsu3 = table;
    vsdDoatsu3 = graph;
  }
  return page;
}

QWidget* frmAnteiRes::BuildCutPage(int pageSet) {
  auto* page = picDoatsu.Add(pageSet == 0 ? 1 : 3, new QWidget(this));
  auto* h = new QHBoxLayout(page);
  h->setContentsMargins(4, 4, 4, 4);
  ControlArray<QGroupBox>& frames = pageSet == 0 ? fraDoatsu2 : fraDoatsu4;
  ControlArray<NumberBox>& boxes = pageSet == 0 ? imnDoatsu2 : imnDoatsu4;
  const char* weight = pageSet == 0 ? "##0.000" : "###0.000";
  const double wMax = pageSet == 0 ? 999.999 : 9999.999;
  const QString tag = pageSet != 0 ? QString::fromUtf8(kOmegaChangeHint) : QString();
  const QString deg = QStringLiteral("(度)"), kn = QStringLiteral("(kN/m)"),
                m = QStringLiteral("(m)");
  auto omegaBox = [&](QWidget* parent, int index, int wedge) {
    auto* b = boxes.Add(index, new OmegaNumberBox(0, 90, "#0.00", parent));
    b->setFixedWidth(kBoxWidth);
    b->setAlignment(Qt::AlignRight);
    b->SetTag(tag);
    omegaBoxes_.push_back({b, pageSet, wedge});
    return b;
  };
  std::array<FormGrid, 3> f =
      Frames(page, frames, {"境界面での土圧", "裏込め土内部のすべり面での土圧", "決定した土圧"});
  QWidget* p0 = f[0].page;
  f[0].Add(Lbl(pageSet == 0 ? QStringLiteral("θ =") : QStringLiteral("ε ="), p0),
           Box(boxes, 0, "#0.00", -99.99, 99.99, p0), deg);
  f[0].Add(Lbl(QStringLiteral("ω ="), p0), omegaBox(p0, 1, 0), deg);
  f[0].Add(Lbl(QStringLiteral("W<sub>1</sub> ="), p0), Box(boxes, 2, weight, -wMax, wMax, p0), kn);
  f[0].Add(Lbl(QStringLiteral("W<sub>2</sub> ="), p0), Box(boxes, 3, weight, -wMax, wMax, p0), kn);
  f[0].Add(Lbl(QStringLiteral("l ="), p0), Box(boxes, 4, "#0.000", -99.999, 99.999, p0), m);
  f[0].Add(Lbl(QStringLiteral("l' ="), p0), Box(boxes, 5, "#0.000", -99.999, 99.999, p0), m);
  f[0].Add(Lbl(QStringLiteral("P<sub>A</sub> ="), p0),
           Box(boxes, 6, "####0.000", -99999.999, 99999.999, p0), kn);
  QWidget* p1 = f[1].page;
  f[1].Add(Lbl(QStringLiteral("ω ="), p1), omegaBox(p1, 7, 1), deg);
  f[1].Add(Lbl(QStringLiteral("W<sub>1</sub> ="), p1), Box(boxes, 8, weight, -wMax, wMax, p1), kn);
  f[1].Add(Lbl(QStringLiteral("l ="), p1), Box(boxes, 9, "#0.000", -99.999, 99.999, p1), m);
  f[1].Add(Lbl(QStringLiteral("P<sub>A</sub> ="), p1),
           Box(boxes, 10, "###0.000", -9999.999, 9999.999, p1), kn);
  AddAdopted(f[2], f[2], boxes, 11);
  PlaceFrames(h, f);
  return page;
}

QWidget* frmAnteiRes::BuildLargeBlockPage() {
  auto* page = picDoatsu.Add(4, new QWidget(this));
  auto* h = new QHBoxLayout(page);
  h->setContentsMargins(4, 4, 4, 4);
  const QString deg = QStringLiteral("(度)"), kn = QStringLiteral("(kN/m)"),
                m = QStringLiteral("(m)");
  std::array<FormGrid, 3> f = Frames(
      page, fraDoatsu5, {"d=0とした場合の土圧", "盛土部擁壁とみなした場合の土圧", "決定した土圧"});
  const char* angle[] = {"ε =", "ω ="};
  const char* pa[] = {"P<sub>A0</sub> =", "P<sub>A1</sub> ="};
  for (int k = 0; k < 2; ++k) {
    QWidget* p = f[k].page;
    const int b = 4 * k;
    f[k].Add(Lbl(QString::fromUtf8(angle[k]), p), Box(imnDoatsu5, b, "#0.00", -99.99, 99.99, p),
             deg);
    f[k].Add(Lbl(QStringLiteral("W ="), p),
             Box(imnDoatsu5, b + 1, "###0.000", -9999.999, 9999.999, p), kn);
    f[k].Add(Lbl(QStringLiteral("L ="), p), Box(imnDoatsu5, b + 2, "#0.000", -99.999, 99.999, p),
             m);
    f[k].Add(Lbl(QString::fromUtf8(pa[k]), p),
             Box(imnDoatsu5, b + 3, "####0.000", -99999.999, 99999.999, p), kn);
  }
  AddAdopted(f[2], f[2], imnDoatsu5, 8);
  PlaceFrames(h, f);
  return page;
}

void frmAnteiRes::ShowDoatsuDetail(int pageSet, const CAntRes& r) {
  const bool largeBlock = pageSet != 0 && doc_->Sisin == 3;
  const ControlArray<NumberBox>& boxes =
      pageSet == 0 ? imnDoatsu2 : (largeBlock ? imnDoatsu5 : imnDoatsu4);
  const DoatsuBoxes values = CutBoxes(*doc_, r);
  Apply(boxes, values);
  if (largeBlock) return;
  NumberBox* backfill = boxes[7];
  SetFrameEnabled(backfill, values.backfillEnabled);
  (pageSet == 0 ? fraDoatsu2 : fraDoatsu4)[1]->setEnabled(values.backfillEnabled);
}

void frmAnteiRes::SetKusabiTable(int pageSet, const std::string& path, const CAntRes& r) {
  SpreadGrid* g = pageSet != 0 ? vsDoatsu3 : vsDoatsu1;
  const std::vector<TrialRow> rows = ReadTrialTable(path);
  // Fewer than two trials: the caption row alone, never another case's trials.
  g->SetMaxRows(static_cast<int>(rows.size()) + 1);
  for (size_t k = 0; k < rows.size(); ++k) {
    const int row = static_cast<int>(k) + 2;
    const double values[] = {rows[k].omegaDeg, rows[k].L, rows[k].W, rows[k].Pa};
    for (int c = 1; c <= 4; ++c) {
      const int dec = c == 1 ? 1 : 3;
      g->SetNumberCell(c, row, -1e7, 1e7, dec);
      g->SetText(c, row, QString::fromStdString(ResultCellText(values[c - 1], dec)));
    }
  }
  Apply(pageSet != 0 ? imnDoatsu3 : imnDoatsu1, EmbankmentBoxes(r));
}

// ---- Line of thrust -------------------------------------------------------------------

QWidget* frmAnteiRes::BuildThrustPage(int first) {
  auto* page = picAntDetail.Add(first == 0 ? 1 : 7, new QWidget(this));
  auto* h = new QHBoxLayout(page);
  h->setContentsMargins(4, 4, 4, 4);
  auto* pic = vsdSiryoku.Add(first == 0 ? 0 : 1, new CanvasWidget(page));
  pic->setMinimumSize(260, 200);
  h->addWidget(pic, 1);
  auto* right = new QWidget(page);
  FormGrid f = Form(right);
  const int l = first == 0 ? 0 : 12;
  const QString m = QStringLiteral("(m)");
  f.Full(Lbl(lblSiryoku, l, QStringLiteral("主働土圧係数:"), right));
  f.Add(Lbl(lblSiryoku, l + 1, QStringLiteral("　Ｋ<sub>A</sub>　＝"), right),
        Box(imnSiryoku, first, "#0.000", -99.999, 99.999, right));
  f.Full(Lbl(lblSiryoku, l + 2, QStringLiteral("ブロック積み底部の示力線位置:"), right));
  f.Add(Lbl(lblSiryoku, l + 3, QStringLiteral("　Ｘ<sub>h</sub>　＝"), right),
        Box(imnSiryoku, first + 1, "##0.000", -999.999, 999.999, right), m);
  f.Full(Lbl(lblSiryoku, l + 4, QStringLiteral("ミドルサード位置:"), right));
  f.Add(Lbl(lblSiryoku, l + 5, QStringLiteral("　Ｘ'　＝"), right),
        Box(imnSiryoku, first + 2, "##0.000", -999.999, 999.999, right), m);
  f.Full(Lbl(lblSiryoku, l + 6, QStringLiteral("判定:"), right));
  f.Full(Row({Box(imnSiryoku, first + 3, "##0.000", -999.999, 999.999, right),
              Mark(imtSiryoku, first, right),
              Box(imnSiryoku, first + 4, "##0.000", -999.999, 999.999, right), Dots(right),
              Verdict(imtSiryoku, first + 1, right)},
             right));
  f.Full(Lbl(lblSiryoku, l + 7, QStringLiteral("ブロック積みの限界高さ:"), right));
  f.Add(Lbl(lblSiryoku, l + 8, QStringLiteral("　ｈ<sub>a</sub>　＝"), right),
        Box(imnSiryoku, first + 5, "##0.000", -999.999, 999.999, right), m);
  f.grid->setRowStretch(f.row, 1);
  h->addWidget(right);
  return page;
}

void frmAnteiRes::SetJudge(NumberBox* value, TextBox* mark, NumberBox* limit, TextBox* verdict,
                           const JudgeRow& row) {
  if (value) SetNumBox(value, row.value);
  if (limit) SetNumBox(limit, row.limit);
  mark->SetText(QString::fromStdString(row.mark));
  verdict->SetText(QString::fromStdString(row.verdict));
  SetBack(verdict, row.ok ? kJudgeBoxBlue : kJudgeBoxRed, true);
}

void frmAnteiRes::ShowThrust(int first, const CAntRes& r) {
  const ThrustPage p = ThrustPageModel(r);
  SetNumBox(imnSiryoku[first], p.Ka);
  SetNumBox(imnSiryoku[first + 1], p.Xh);
  SetNumBox(imnSiryoku[first + 2], p.Xd);
  SetJudge(imnSiryoku[first + 3], imtSiryoku[first], imnSiryoku[first + 4], imtSiryoku[first + 1],
           p.row);
  SetNumBox(imnSiryoku[first + 5], p.Ha);
}

// ---- Overturning ---------------------------------------------------------------------

QWidget* frmAnteiRes::BuildTentouPage() {
  auto* page = picAntDetail.Add(6, new QWidget(this));
  FormGrid f = Form(page);
  const QString knm = QStringLiteral("(kN･m)");
  imnMr = NamedBox("imnMr", "####0.00", -99999.99, 99999.99, page);
  imnMo = NamedBox("imnMo", "####0.00", -99999.99, 99999.99, page);
  f.Add(Lbl(lblTentou, 0, QStringLiteral("抵抗モーメント　ΣＭ<sub>r</sub> :"), page), imnMr, knm);
  f.Add(Lbl(lblTentou, 2, QStringLiteral("転倒モーメント　ΣＭ<sub>o</sub> :"), page), imnMo, knm);
  f.Add(Lbl(lblTentou, 4, QStringLiteral("全鉛直力　　　　ΣＶ :"), page),
        Box(imnV, 0, "####0.00", -99999.99, 99999.99, page), QStringLiteral("(kN)"));

  // Safety factor: Fm = ΣMr / ΣMo = value, mark, allowable, verdict.
  rowTentouFm = new QWidget(page);
  rowTentouFm->setObjectName("rowTentouFm");
  {
    auto* hl = new QHBoxLayout(rowTentouFm);
    hl->setContentsMargins(0, 0, 0, 0);
    hl->addWidget(
        Lbl(lblTentou, 5, QStringLiteral("転倒に対する安全率  Ｆ<sub>m</sub> ＝"), rowTentouFm));
    hl->addWidget(Fraction(Lbl(lblTentou, 6, QStringLiteral("ΣＭ<sub>r</sub>"), rowTentouFm),
                           Line1.Add(3, Rule(rowTentouFm)),
                           Lbl(lblTentou, 8, QStringLiteral("ΣＭ<sub>o</sub>"), rowTentouFm),
                           rowTentouFm));
    hl->addWidget(Lbl(QStringLiteral("＝"), rowTentouFm));
    hl->addWidget(Box(imnFm, 0, "##0.00", -99999, 99999, rowTentouFm));
    hl->addWidget(Mark(imtFm, 0, rowTentouFm));
    hl->addWidget(Box(imnFm, 1, "##0.00", -99999, 99999, rowTentouFm));
    hl->addWidget(Dots(rowTentouFm));
    hl->addWidget(Verdict(imtFm, 1, rowTentouFm));
    hl->addStretch(1);
  }
  f.Full(rowTentouFm);

  auto* dFrac =
      Fraction(Lbl(lblTentou, 11, QStringLiteral("ΣＭ<sub>r</sub> －ΣＭ<sub>o</sub>"), page),
               Line1.Add(5, Rule(page)), Lbl(lblTentou, 13, QStringLiteral("ΣＶ"), page), page);
  f.Full(Row({Lbl(lblTentou, 10, QStringLiteral("合力の作用位置　    ｄ ＝"), page), dFrac,
              Lbl(QStringLiteral("＝"), page), Box(imnD, 0, "###0.000", -99999, 99999, page),
              Lbl(QStringLiteral("(m)"), page)},
             page));
  rowTentouD = Row({Lbl(QStringLiteral("　"), page), Mark(imtFm, 4, page),
                    Box(imnD, 1, "###0.000", -99999, 99999, page),
                    Lbl(lblTentou, 19, QStringLiteral("･････"), page), Verdict(imtFm, 5, page)},
                   page);
  rowTentouD->setObjectName("rowTentouD");
  f.Full(rowTentouD);

  auto* eFrac = Fraction(Lbl(lblTentou, 16, QStringLiteral("Ｂ"), page), Line1.Add(4, Rule(page)),
                         Lbl(lblTentou, 17, QStringLiteral("2"), page), page);
  f.Full(Row({Lbl(lblTentou, 15, QStringLiteral("合力の偏心量　　    ｅ ＝"), page), eFrac,
              Lbl(QStringLiteral("－ ｄ    ＝"), page),
              Box(imnE, 0, "###0.000", -99999, 99999, page), Lbl(QStringLiteral("(m)"), page)},
             page));
  rowTentouE = Row({Lbl(QStringLiteral("　"), page), Mark(imtFm, 2, page),
                    Box(imnE, 1, "###0.000", -99999, 99999, page),
                    Lbl(lblTentou, 18, QStringLiteral("･････"), page), Verdict(imtFm, 3, page)},
                   page);
  rowTentouE->setObjectName("rowTentouE");
  f.Full(rowTentouE);
  f.grid->setRowStretch(f.row, 1);
  return page;
}

void frmAnteiRes::ShowTentou(const CAntRes& r) {
  const OverturningPage p = OverturningPageModel(*doc_, r);
  SetNumBox(imnMr, p.Mr);
  SetNumBox(imnMo, p.Mo);
  SetNumBox(imnV[0], p.V);
  SetJudge(imnFm[0], imtFm[0], imnFm[1], imtFm[1], p.factor);
  SetNumBox(imnD[0], p.D);
  SetJudge(nullptr, imtFm[4], imnD[1], imtFm[5], p.position);
  SetNumBox(imnE[0], p.E);
  SetJudge(nullptr, imtFm[2], imnE[1], imtFm[3], p.eccentricity);
}

// ---- Sliding --------------------------------------------------------------------------

QWidget* frmAnteiRes::BuildKatsudouPages() {
  vstKatsudou = new IndexTab(this);
  vstKatsudou->setObjectName("vstKatsudou");
  const QString kn = QStringLiteral("(kN)");
  const QString kn2 = QStringLiteral("(kN/m2)");

  // Plain base.
  auto* plain = picKatsudou.Add(0, new QWidget(vstKatsudou));
  FormGrid f = Form(plain);
  f.Add(Lbl(lblKatsu, 0, QStringLiteral("全鉛直荷重  　  ΣＶ :"), plain),
        Box(imnV, 1, "####0.00", -99999, 99999, plain), kn);
  f.Add(Lbl(lblKatsu, 1, QStringLiteral("全水平荷重  　  ΣＨ :"), plain),
        Box(imnH, 0, "####0.00", -99999, 99999, plain), kn);
  auto* forces =
      Fraction(Box(imnH1, 0, "####0.00", -99999, 99999, plain), Line5.Add(1, Rule(plain)),
               Box(imnH1, 1, "####0.00", -99999, 99999, plain), plain);
  forces->setObjectName("fraKatsuForces");
  f.Full(Row({Lbl(lblKatsu, 2, QStringLiteral("滑動に対する安全率  Ｆ<sub>s</sub> ＝"), plain),
              Fraction(Lbl(lblKatsu, 3, QStringLiteral("滑動抵抗力"), plain), Rule(plain),
                       Lbl(lblKatsu, 4, QStringLiteral("滑動力"), plain), plain),
              Lbl(lblKatsu, 6, QStringLiteral("＝"), plain), forces},
             plain));
  auto* dots0 = Dots(plain);
  dots0->setObjectName("lblKatsuDots0");
  f.Full(Row({Lbl(QStringLiteral("　　　　　　　　　"), plain),
              Lbl(lblKatsu, 5, QStringLiteral("＝"), plain),
              Box(imnFs, 0, "##0.00", -99999, 99999, plain), Mark(imtFs, 0, plain),
              Box(imnFs, 1, "##0.00", -99999, 99999, plain), dots0, Verdict(imtFs, 1, plain)},
             plain));
  f.grid->setRowStretch(f.row, 1);
  vstKatsudou->addTab(plain, QString());

  // Shear key.
  auto* key = picKatsudou.Add(1, new QWidget(vstKatsudou));
  FormGrid k = Form(key);
  k.Add(Lbl(lblKatsu, 10, QStringLiteral("つま先位置での地盤反力   ｑ<sub>1</sub> :"), key),
        Box(imnQ, 0, "####0.00", -99999, 99999, key), kn2);
  k.Add(Lbl(lblKatsu, 12, QStringLiteral("かかと位置での地盤反力   ｑ<sub>2</sub> :"), key),
        Box(imnQ, 1, "####0.00", -99999, 99999, key), kn2);
  k.Add(Lbl(lblKatsu, 14, QStringLiteral("突起前面位置での地盤反力 ｑ<sub>3</sub> :"), key),
        Box(imnQ, 2, "####0.00", -99999, 99999, key), kn2);
  k.Add(Lbl(lblKatsu, 16, QStringLiteral("全水平荷重         　  ΣＨ :"), key),
        Box(imnH, 1, "####0.00", -99999, 99999, key), kn);
  Line4 = Rule(key);
  k.Full(Row({Lbl(lblKatsu, 17, QStringLiteral("滑動に対する安全率  Ｆ<sub>s</sub> ＝"), key),
              Fraction(Lbl(lblKatsu, 18, QStringLiteral("滑動抵抗力"), key), Line4,
                       Lbl(lblKatsu, 19, QStringLiteral("滑動力"), key), key)},
             key));
  auto* dots1 = Dots(key);
  dots1->setObjectName("lblKatsuDots1");
  k.Full(Row(
      {Lbl(QStringLiteral("　　　　　　　　　"), key), Lbl(lblKatsu, 20, QStringLiteral("＝"), key),
       Box(imnFs, 2, "##0.00", -99999, 99999, key), Mark(imtFs, 2, key),
       Box(imnFs, 3, "##0.00", -99999, 99999, key), dots1, Verdict(imtFs, 3, key)},
      key));
  k.grid->setRowStretch(k.row, 1);
  vstKatsudou->addTab(key, QString());
  return vstKatsudou;
}

void frmAnteiRes::ShowKatsudou(const CAntRes& r) {
  const SlidePage p = SlidePageModel(*doc_, r);
  const QString omitted = QString::fromUtf8(kSlideOmittedText);
  if (p.keyPage) {
    SetNumBox(imnQ[0], p.q1);
    SetNumBox(imnQ[1], p.q2);
    SetNumBox(imnQ[2], p.q3);
    SetNumBox(imnH[1], p.H);
    for (QWidget* w : std::initializer_list<QWidget*>{imnFs[2], imtFs[2], imnFs[3], imtFs[3],
                                                      findChild<QLabel*>("lblKatsuDots1")})
      w->setVisible(!p.omitted);
    lblKatsu[20]->setText(p.omitted ? omitted : QStringLiteral("＝"));
    if (!p.omitted) SetJudge(imnFs[2], imtFs[2], imnFs[3], imtFs[3], p.fs);
    return;
  }
  lblKatsu[0]->setText(QStringLiteral("全鉛直荷重  　  ΣＶ :"));
  lblKatsu[1]->setText(QStringLiteral("全水平荷重  　  ΣＨ :"));
  SetNumBox(imnV[1], p.V);
  SetNumBox(imnH[0], p.H);
  SetNumBox(imnH1[0], p.Hu);
  SetNumBox(imnH1[1], p.force);
  for (QWidget* w : std::initializer_list<QWidget*>{imnFs[0], imtFs[0], imnFs[1], lblKatsu[6],
                                                    imtFs[1], imnH1[0], imnH1[1], Line5[1],
                                                    findChild<QLabel*>("lblKatsuDots0")})
    w->setVisible(!p.omitted);
  lblKatsu[5]->setText(p.omitted ? omitted : QStringLiteral("＝"));
  if (!p.omitted) SetJudge(imnFs[0], imtFs[0], imnFs[1], imtFs[1], p.fs);
}

// ---- Bearing --------------------------------------------------------------------------

QWidget* frmAnteiRes::BuildSijiPage() {
  auto* page = picAntDetail.Add(4, new QWidget(this));
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(4, 4, 4, 4);
  auto* factors = new QWidget(page);
  FormGrid ff = Form(factors);
  imnNc = NamedBox("imnNc", "##0.00", 0, 999.99, factors);
  imnNq = NamedBox("imnNq", "##0.00", 0, 999.99, factors);
  imnNg = NamedBox("imnNg", "##0.00", 0, 999.99, factors);
  ff.Add(Lbl(lblSiji, 0, QStringLiteral("支持力係数　　　Ｎ<sub>c</sub> :"), factors), imnNc);
  ff.Add(Lbl(lblSiji, 2, QStringLiteral("　　　　　　　　Ｎ<sub>q</sub> :"), factors), imnNq);
  ff.Add(Lbl(lblSiji, 4, QStringLiteral("　　　　　　　　Ｎ<sub>γ</sub> :"), factors), imnNg);
  v->addWidget(factors);

  vstSiji = new IndexTab(page);
  vstSiji->setObjectName("vstSiji");
  const QString kn = QStringLiteral("(kN)"), kn2 = QStringLiteral("(kN/m2)");
  // "地盤反力": q1 against qa with its mark and verdict, then q2. `labels`:
  // the lblSiji of the heading, q1, qa, the dots and q2; `at`: the Index of
  // the q1 and q2 boxes; `qa`: of the qa box; `fb`: of the mark, the verdict
  // following it.
  auto reactions = [&](FormGrid& f, QWidget* p, std::array<int, 5> labels, int at, int qa, int fb) {
    f.Full(Row({Lbl(lblSiji, labels[0], QStringLiteral("地盤反力"), p), Lbl(kn2, p)}, p));
    f.Full(Row({Lbl(lblSiji, labels[1], QStringLiteral("ｑ<sub>1</sub> ="), p),
                Text(imnQmax, at, kBoxWidth, p, Qt::AlignRight), Mark(imtFb, fb, p),
                Lbl(lblSiji, labels[2], QStringLiteral("ｑ<sub>a</sub> ="), p),
                Box(imnQa, qa, "####0.00", -99999, 99999, p),
                Lbl(lblSiji, labels[3], QStringLiteral("････"), p), Verdict(imtFb, fb + 1, p)},
               p));
    f.Full(Row({Lbl(lblSiji, labels[4], QStringLiteral("ｑ<sub>2</sub> ="), p),
                Text(imnQmin, at, kBoxWidth, p, Qt::AlignRight)},
               p));
  };

  // Page 0: ground reactions against the allowable.
  auto* p0 = picSiji.Add(0, new QWidget(vstSiji));
  FormGrid f = Form(p0);
  auto* panel = vsEShiji.Add(0, new QWidget(p0));
  {
    FormGrid pf = Form(panel);
    pf.grid->setContentsMargins(0, 0, 0, 0);
    pf.Add(Lbl(lblSiji, 8, QStringLiteral("全鉛直荷重  　         ΣＶ :"), panel),
           Box(imnV, 2, "####0.00", -99999, 99999, panel), kn);
    pf.Add(Lbl(lblSiji, 9, QStringLiteral("合力の偏心量　           ｅ :"), panel),
           Box(imnE, 3, "##0.000", -99999, 99999, panel), QStringLiteral("(m)"));
  }
  f.Full(panel);
  reactions(f, p0, {10, 11, 15, 17, 13}, 0, 1, 0);
  f.grid->setRowStretch(f.row, 1);
  vstSiji->addTab(p0, QString());

  // Page 1: the large-block guideline.
  auto* p1 = picSiji.Add(1, new QWidget(vstSiji));
  FormGrid g = Form(p1);
  g.Add(Lbl(lblSiji, 18, QStringLiteral("地盤の極限支持力度       ｑ<sub>d</sub> :"), p1),
        Box(imnQa, 2, "####0.00", 0, 99999, p1), kn2);
  g.Add(Lbl(lblSiji, 20, QStringLiteral("底面の有効幅　　　       Ｂ':"), p1),
        Box(imnQa, 3, "#0.000", 0, 99999, p1), QStringLiteral("(m)"));
  g.Add(Lbl(lblSiji, 21, QStringLiteral("鉛直地盤反力       　　　Ｑ<sub>V</sub> :"), p1),
        Box(imnQa, 4, "####0.00", 0, 99999, p1), QStringLiteral("(kN/m)"));
  reactions(g, p1, {30, 34, 29, 6, 32}, 1, 0, 4);
  Line2 = Rule(p1);
  g.Full(Row({Lbl(lblSiji, 25, QStringLiteral("支持力に対する安全率  Ｆ ＝"), p1),
              Fraction(Lbl(lblSiji, 26, QStringLiteral("ｑ<sub>d</sub> ･Ｂ'"), p1), Line2,
                       Lbl(lblSiji, 27, QStringLiteral("Ｑ<sub>V</sub>"), p1), p1)},
             p1));
  g.Full(Row(
      {Lbl(QStringLiteral("　　　　　　　　　"), p1), Lbl(lblSiji, 28, QStringLiteral("＝"), p1),
       Box(imnFb, 2, "##0.00", -99999, 99999, p1), Mark(imtFb, 2, p1),
       Box(imnFb, 3, "##0.00", -99999, 99999, p1), Dots(p1), Verdict(imtFb, 3, p1)},
      p1));
  g.grid->setRowStretch(g.row, 1);
  vstSiji->addTab(p1, QString());
  v->addWidget(vstSiji, 1);
  return page;
}

void frmAnteiRes::ShowSijiFactors(const CAntRes& r) {
  const BearingFactorBoxes b = BearingFactorModel(*doc_, r);
  for (int i : {0, 2, 4})
    if (QLabel* l = lblSiji[i]) l->setEnabled(b.enabled);
  for (NumberBox* box : {imnNc, imnNq, imnNg}) {
    SetFrameEnabled(box, b.enabled);
    if (b.enabled) box->SetLocked(true);  // shown, never typed over
  }
  if (!b.enabled) return;  // given capacity: the factors keep what they showed
  SetNumBox(imnNc, b.Nc);
  SetNumBox(imnNq, b.Nq);
  SetNumBox(imnNg, b.Ng);
}

void frmAnteiRes::ShowSijiDetail(int part, int caseIndex) {
  const std::shared_ptr<CAntRes> r = doc_->AntRes(part, caseIndex);
  if (!r) return;
  const BearingPage p = BearingPageModel(*doc_, caseIndex, *r);
  if (p.page == 1) {
    imnQmax[1]->SetText(QString::fromStdString(p.q1));
    imnQmin[1]->SetText(QString::fromStdString(p.q2));
    for (QWidget* w :
         std::initializer_list<QWidget*>{imnQa[0], imnQa[1], imtFb[0], imtFb[1], imtFb[4], imtFb[5],
                                         lblSiji[6], lblSiji[15], lblSiji[17], lblSiji[29]})
      w->setVisible(false);
    SetNumBox(imnQa[2], p.Qu);
    SetNumBox(imnQa[3], p.Bdash);
    SetNumBox(imnQa[4], p.QV);
    SetJudge(imnFb[2], imtFb[2], imnFb[3], imtFb[3], p.factor);
    return;
  }
  vsEShiji[0]->setVisible(p.panelVisible);
  SetNumBox(imnV[2], p.V);
  SetNumBox(imnE[3], p.E);
  imnQmax[0]->SetText(QString::fromStdString(p.q1));
  imnQmin[0]->SetText(QString::fromStdString(p.q2));
  SetJudge(nullptr, imtFb[0], imnQa[1], imtFb[1], p.reaction);
}

}  // namespace norva
