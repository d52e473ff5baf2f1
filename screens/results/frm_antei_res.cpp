#include "screens/results/frm_antei_res.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "calc/run/recalc_case.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "drawing/backends/figure_view.h"
#include "drawing/base/cdraw.h"
#include "drawing/figures/kusabi_graph.h"
#include "drawing/figures/siryokusen_figure.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/frm_wlvl.h"
#include "screens/results/antei_res_pages.h"
#include "screens/results/antei_res_rules.h"
#include "screens/screen_foot.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"

namespace norva {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

AnteiResServices& AnteiResHooks() {
  static AnteiResServices s = [] {
    AnteiResServices d;
    d.calculate = CalculateWithProgress;
    d.recalcCase = ReCalcCase;
    d.kusabiGraph = DrawKusabiGraph;
    d.siryokusen = [](CDocument& doc, int16_t i, CAntRes& r, cDraw& canvas, bool colour,
                      const std::string& pointFile) {
      DrawSiryokusen(doc, i, r, canvas, colour, pointFile);
    };
    d.wlvlWindow = ShowWlvlWindow;
    return d;
  }();
  return s;
}

frmAnteiRes::frmAnteiRes() {
  setObjectName("frmAnteiRes");
  redraw_ = new FigureRedraw(this);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(6, 6, 6, 6);
  lay->setSpacing(4);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(BuildSummary());
  split->addWidget(BuildDetail());
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 5);
  split->setChildrenCollapsible(false);
  lay->addWidget(split, 1);

  imtHelp = MakeHelpBox(this, 40);
  cmdPrint = new QPushButton(QStringLiteral("印刷(&P)"), this);
  cmdPrint->setObjectName("cmdPrint");
  MakeStepButtons(this, cmdPrevious, cmdNext);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(imtHelp, 1);
  bottom->addWidget(cmdPrint);
  bottom->addSpacing(12);
  bottom->addWidget(cmdPrevious);
  bottom->addWidget(cmdNext);
  lay->addLayout(bottom);

  // Form_Load: the program chooses these pages; their tabs are not shown.
  for (IndexTab* t : {vstAntRes, vstKatsudou, vstDoatsu[0], vstDoatsu[1], vstSiji, vstWall})
    HideIndexTabs(t);
  WireHandlers();
}

frmAnteiRes::~frmAnteiRes() = default;

QSize frmAnteiRes::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 890), std::max(least.height(), 640)};
}

QWidget* frmAnteiRes::BuildSummary() {
  fraAntSummary = new QGroupBox(QStringLiteral("安定計算結果一覧"), this);
  fraAntSummary->setObjectName("fraAntSummary");
  auto* v = new QVBoxLayout(fraAntSummary);
  v->setContentsMargins(6, 4, 6, 4);
  auto* top = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(i == 0 ? QStringLiteral("上部擁壁") : QStringLiteral("下部擁壁"),
                               fraAntSummary);
    optAntei.Add(i, b);
    top->addWidget(b);
  }
  top->addStretch(1);
  cmdWlvl = new QPushButton(QStringLiteral("水位の自動計算結果"), fraAntSummary);
  cmdWlvl->setObjectName("cmdWlvl");
  top->addWidget(cmdWlvl);
  v->addLayout(top);

  vstAntRes = new IndexTab(fraAntSummary);
  vstAntRes->setObjectName("vstAntRes");
  for (int i = 0; i < 2; ++i) {
    auto* g = vsAntRes.Add(i, new SpreadGrid(vstAntRes));
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);  // results are not typed over
    g->horizontalHeader()->hide();
    // The heading row and three cases stay in sight however small the window.
    g->setMinimumHeight(g->fontMetrics().height() * 5 + 70);
    vstAntRes->addTab(g, i == 0 ? QStringLiteral("上部擁壁") : QStringLiteral("下部擁壁"));
  }
  v->addWidget(vstAntRes, 1);
  // Form_Load: the standard colours of the grids.
  SetSpreadColors(vsAntRes[0]);
  SetSpreadColors(vsAntRes[1]);
  return fraAntSummary;
}

QWidget* frmAnteiRes::BuildDetail() {
  fraAntDetail = new QGroupBox(QStringLiteral("安定計算結果詳細"), this);
  fraAntDetail->setObjectName("fraAntDetail");
  auto* h = new QHBoxLayout(fraAntDetail);
  h->setContentsMargins(6, 4, 6, 4);
  auto* left = new QVBoxLayout;
  lblAntDetail = new QLabel(QStringLiteral("荷重ケース :"), fraAntDetail);
  lblAntDetail->setObjectName("lblAntDetail");
  lsAntDetail = new QListWidget(fraAntDetail);
  lsAntDetail->setObjectName("lsAntDetail");
  lsAntDetail->setFixedWidth(150);
  left->addWidget(lblAntDetail);
  left->addWidget(lsAntDetail, 1);
  h->addLayout(left);

  vstWall = new IndexTab(fraAntDetail);
  vstWall->setObjectName("vstWall");
  for (int i = 0; i < 2; ++i) {
    auto* page = picWall.Add(i, new QWidget(vstWall));
    auto* pl = new QVBoxLayout(page);
    pl->setContentsMargins(0, 0, 0, 0);
    auto* tabs = vstAntDetail.Add(i, new IndexTab(page));
    pl->addWidget(tabs);
    vstWall->addTab(page, QString());
  }
  // Upper wall: earth pressure and line of thrust.
  vstAntDetail[0]->addTab(BuildDoatsuPages(0), QStringLiteral("土圧"));
  vstAntDetail[0]->addTab(BuildThrustPage(0), QStringLiteral("示力線"));
  // The wall or lower wall: all five.
  vstAntDetail[1]->addTab(BuildDoatsuPages(1), QStringLiteral("土圧"));
  vstAntDetail[1]->addTab(BuildThrustPage(10), QStringLiteral("示力線"));
  vstAntDetail[1]->addTab(BuildTentouPage(), QStringLiteral("転倒"));
  vstAntDetail[1]->addTab(BuildKatsudouPages(), QStringLiteral("滑動"));
  vstAntDetail[1]->addTab(BuildSijiPage(), QStringLiteral("支持力"));
  h->addWidget(vstWall, 1);
  return fraAntDetail;
}

void frmAnteiRes::WireHandlers() {
  connect(lsAntDetail, &QListWidget::currentRowChanged, this,
          [this](int) { GuardedCall([this] { lsAntDetail_Click(); }); });
  connect(&optAntei, &OptionArray::Click, this, [this](int i) { optAntei_Click(i); });
  auto click = [this](QPushButton* b, void (frmAnteiRes::*handler)()) {
    connect(b, &QPushButton::clicked, this,
            [this, handler] { GuardedCall([&] { (this->*handler)(); }); });
  };
  click(cmdWlvl, &frmAnteiRes::cmdWlvl_Click);
  click(cmdPrint, &frmAnteiRes::cmdPrint_Click);
  // The screen is replaced while these run: nothing of it is used after.
  connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
  connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });

  for (const OmegaBox& b : omegaBoxes_) {
    connect(b.box, &NumberBox::GotFocus, this, [this, b] { OmegaGotFocus(b); });
    connect(b.box, &NumberBox::LostFocus, this,
            [this, b] { GuardedCall([&] { OmegaLostFocus(b); }); });
  }
  // The bearing factors only display; their hint is the default one.
  for (NumberBox* box : {imnNc, imnNq, imnNg}) {
    connect(box, &NumberBox::GotFocus, this,
            [this, box] { ShowHint(imtHelp, box->Tag().toStdString()); });
    connect(box, &NumberBox::LostFocus, this, [this] { ShowHint(imtHelp, ""); });
  }
}

// ---- Protocol -------------------------------------------------------------------

void frmAnteiRes::SetDoc(CDocument* doc) { doc_ = doc; }

void frmAnteiRes::DataSet() {
  if (!doc_) return;
  CDocument& d = *doc_;
  calcFailed_ = false;
  // Coming back from the member-stress screen shows the results as they are,
  // unless inputs changed since they were computed.
  if ((d.ReAntCalc == 0 || d.bInpSt(4) == 0) && AnteiResHooks().calculate)
    calcFailed_ = !AnteiResHooks().calculate(d);
  d.ReAntCalc = 0;
  ApplyUnitCaptions(static_cast<int16_t>(d.Unit), this);

  if (d.WallType() == 3) SetupGrid(0);
  SetupGrid(1);
  for (int i = 0; i < d.nCase(); ++i) SetAntSummary(i);

  {
    const QSignalBlocker quiet(lsAntDetail);
    lsAntDetail->clear();
    for (int i = 0; i < d.nCase(); ++i) {
      const std::shared_ptr<CKajyuCase> k = d.pCase(i);
      lsAntDetail->addItem(Q(CaseListItem(i, k ? k->CaseName : std::string())));
    }
    lsAntDetail->setCurrentRow(-1);
  }
  if (d.nCase() > 0) lsAntDetail->setCurrentRow(0);  // shows the first case
  SetFormState();
}

void frmAnteiRes::SetFormState() {
  if (!doc_) return;
  CDocument& d = *doc_;
  // Results that could not be computed are not marked present.
  if (!calcFailed_) MarkResultsCurrent(d);
  DocDataState(d, 4);
  UpdateResultSummary(&d);

  const AnteiResState s = AnteiResFormState(d);
  SetOptionIndex(optAntei, s.optAntei);
  for (const auto& [i, b] : optAntei.Members()) b->setEnabled(s.optAnteiEnabled);
  vstAntRes->setTabEnabled(0, s.upperPageAvailable);
  vstAntRes->SetCurrentTab(s.wallPage);
  vstWall->setTabEnabled(0, s.upperPageAvailable);
  vstWall->SetCurrentTab(s.wallPage);
  cmdWlvl->setEnabled(s.cmdWlvlEnabled);

  if (s.mixed) {
    vstAntDetail[0]->setTabVisible(0, s.upperDoatsuTab);
    if (!s.upperDoatsuTab && vstAntDetail[0]->CurrTab() == 0) vstAntDetail[0]->SetCurrentTab(1);
    if (s.upperDoatsuTab) vstAntDetail[0]->SetCurrentTab(0);
    vstDoatsu[0]->SetCurrentTab(s.upperDoatsuPage);
  }
  IndexTab* tabs = vstAntDetail[1];
  for (int t = 0; t < 5; ++t) tabs->setTabVisible(t, s.tabs[t]);
  vstDoatsu[1]->SetCurrentTab(s.doatsuPage);
  vstKatsudou->SetCurrentTab(s.katsudouPage);
  rowTentouFm->setVisible(s.rowSafety);
  rowTentouD->setVisible(s.rowPosition);
  rowTentouE->setVisible(s.rowEccentricity);
  vstSiji->SetCurrentTab(s.sijiPage);
  tabs->SetCurrentTab(s.firstTab);
}

// ---- Events ---------------------------------------------------------------------

void frmAnteiRes::lsAntDetail_Click() {
  const int i = lsAntDetail->currentRow();
  if (i >= 0) ShowAntDetail(i);
}

void frmAnteiRes::optAntei_Click(int index) {
  vstAntRes->SetCurrentTab(index);
  vstWall->SetCurrentTab(vstAntRes->CurrTab());
}

void frmAnteiRes::cmdNext_Click() {
  if (CDocument* d = doc_) GuardedCall([d] { ShowForm(*d, 5); });
}

void frmAnteiRes::cmdPrevious_Click() {
  if (CDocument* d = doc_) GuardedCall([d] { ShowForm(*d, 3); });
}

void frmAnteiRes::cmdPrint_Click() {
  if (!doc_ || !Windows().reportDialog) return;
  Windows().reportDialog(*doc_, 1, MainWindow());
  // The report calculates afresh (a fixed slip angle is searched again): the
  // screen shows what the report printed.
  for (int i = 0; i < doc_->nCase(); ++i) SetAntSummary(i);
  ShowAntDetail(lsAntDetail->currentRow());
}

void frmAnteiRes::cmdWlvl_Click() {
  if (doc_ && AnteiResHooks().wlvlWindow) AnteiResHooks().wlvlWindow(*doc_, MainWindow());
}

// ---- Summary grids ----------------------------------------------------------------

void frmAnteiRes::SetupGrid(int grid) {
  SpreadGrid* g = vsAntRes[grid];
  const CDocument& d = *doc_;
  const SummaryLayout l = SummaryGridLayout(d, grid);
  g->clearSpans();
  g->SetMaxCols(0);
  g->SetMaxRows(d.nCase() + 1);
  g->SetMaxCols(l.cols);
  const int rows = g->MaxRows();
  const int ch = g->fontMetrics().averageCharWidth();
  const QColor face = VbColor(kSysButtonFace);

  // The heading row: "No", the case name and the four sums, then the groups.
  g->SetText(0, 1, QStringLiteral("No"));
  const QString headings[] = {QStringLiteral("荷重ケース"), QStringLiteral("ΣＶ\n(kN)"),
                              QStringLiteral("ΣＨ\n(kN)"), QStringLiteral("ΣＭr\n(kN･m/m)"),
                              QStringLiteral("ΣＭo\n(kN･m/m)")};
  for (int c = 1; c <= 5; ++c) {
    g->SetText(c, 1, headings[c - 1]);
    g->SetCellType(c, 1, SpreadGrid::kStaticText);
  }
  g->SetColWidthPixels(1, ch * 22);
  for (int c = 2; c <= 5; ++c) g->SetColWidthPixels(c, ch * 11);
  for (int r = 2; r <= rows; ++r) {
    g->SetText(0, r, QString::number(r - 1));
    g->SetCellType(1, r, SpreadGrid::kStaticText);
    for (int c = 2; c <= 5; ++c) g->SetNumberCell(c, r, -99999999.99, 99999999.99, 2);
  }
  for (const SummaryGroup& grp : l.groups) {
    const int c = grp.firstCol;
    g->SetText(c, 1, Q(grp.heading));
    for (int k = 0; k < 3; ++k) g->SetCellType(c + k, 1, SpreadGrid::kStaticText);
    g->setSpan(0, c - 1, 1, 3);
    g->SetColWidthPixels(c, ch * 9);
    g->SetColWidthPixels(c + 1, ch * 3);
    g->SetColWidthPixels(c + 2, ch * 9);
    const double lim = grp.decimals == 3 ? 9999999.999 : 9999999.99;
    for (int r = 2; r <= rows; ++r) {
      g->SetNumberCell(c, r, -lim, lim, grp.decimals);
      g->SetNumberCell(c + 2, r, -lim, lim, grp.decimals);
      g->SetCellType(c + 1, r, SpreadGrid::kStaticText);
    }
  }
  for (int c = 1; c <= l.cols; ++c) {
    g->SetCellBackColor(c, 1, face);
    g->SetColHidden(c, false);
  }
  for (int c : l.hiddenCols) g->SetColHidden(c, true);
  g->SetRowHeightPixels(1, g->fontMetrics().height() * 2 + 6);
  // Every cell a user reads is centred, numbers right-aligned.
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= l.cols; ++c) {
      if (QTableWidgetItem* it = g->item(r - 1, c - 1)) {
        const int type = g->CellType(c, r);
        it->setTextAlignment(
            r == 1 || type == SpreadGrid::kStaticText
                ? (c == 1 && r > 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter)
                : Qt::AlignRight | Qt::AlignVCenter);
      }
    }
  }
  SetSpreadColors(g);
}

void frmAnteiRes::SetAntSummary(int caseIndex) {
  if (!doc_) return;
  const int r = caseIndex + 2;
  const bool mixed = doc_->WallType() == 3;
  for (int grid = mixed ? 0 : 1; grid <= 1; ++grid) {
    SpreadGrid* g = vsAntRes[grid];
    if (r > g->MaxRows()) continue;
    const SummaryLayout l = SummaryGridLayout(*doc_, grid);
    const SummaryRow row = SummaryRowCells(*doc_, grid, caseIndex);
    g->SetText(1, r, Q(row.name));
    for (int c = 2; c <= 5; ++c) g->SetText(c, r, Q(row.sums[c - 2]));
    for (size_t k = 0; k < l.groups.size() && k < row.groups.size(); ++k) {
      const int c = l.groups[k].firstCol;
      const SummaryGroupCells& cells = row.groups[k];
      const SummaryCell* parts[] = {&cells.value, &cells.mark, &cells.limit};
      for (int j = 0; j < 3; ++j) {
        g->SetText(c + j, r, Q(parts[j]->text));
        g->SetCellForeColor(
            c + j, r, parts[j]->coloured ? VbColor(parts[j]->colour) : VbColor(kSysWindowText));
        if (QTableWidgetItem* it = g->item(r - 1, c + j - 1))
          it->setTextAlignment(j == 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      }
    }
  }
}

// ---- Detail pages ------------------------------------------------------------------

void frmAnteiRes::ShowAntDetail(int caseIndex) {
  if (!doc_ || caseIndex < 0 || caseIndex >= doc_->nCase()) return;
  const CDocument& d = *doc_;
  const bool mixed = d.WallType() == 3;
  const bool cut = d.BackType != 0;
  int part = 0;
  // The earth-pressure page of a page set: the cut page, or the trial table
  // with its graph.
  auto doatsu = [&](int pageSet, const std::shared_ptr<CAntRes>& r) {
    if (cut) {
      ShowDoatsuDetail(pageSet, *r);
      return;
    }
    const std::shared_ptr<CKusabiRes> k0 = r->Kusabi(0);
    const std::string f = k0 ? k0->TempFile : std::string();
    DrawKusabiGraphPic(pageSet == 0 ? vsdDoatsu1 : vsdDoatsu3, f, k0);
    SetKusabiTable(pageSet, f, *r);
  };

  const std::shared_ptr<CAntRes> r0 = d.AntRes(0, caseIndex);
  if (mixed) {
    if (d.Doatsu == 1) doatsu(0, r0);
    DrawSiryokusenPic(vsdSiryoku[0], caseIndex, r0);
    doatsu(1, d.AntRes(1, caseIndex));
    part = 1;
  } else if (d.Doatsu == 1) {
    doatsu(1, r0);
  }
  if (d.nTentou == 3) DrawSiryokusenPic(vsdSiryoku[1], caseIndex, r0);
  if (mixed) ShowThrust(0, *r0);
  const std::shared_ptr<CAntRes> r = d.AntRes(part, caseIndex);
  if (d.nTentou == 3)
    ShowThrust(10, *r);
  else
    ShowTentou(*r);
  if (d.ChkSlide != 0) ShowKatsudou(*r);
  ShowSijiFactors(*r);
  ShowSijiDetail(part, caseIndex);
}

void frmAnteiRes::DrawKusabiGraphPic(CanvasWidget* pic, const std::string& path,
                                     const std::shared_ptr<CKusabiRes>& wedge) {
  if (!pic || !doc_) return;
  const CDocument* d = doc_;
  redraw_->Set(pic, [pic, d, path, wedge] {
    PaintFigure(pic, [&](cDraw& canvas) {
      // A missing file or fewer than two trials leave the graph empty.
      if (wedge && AnteiResHooks().kusabiGraph)
        GuardedCall([&] { AnteiResHooks().kusabiGraph(*d, canvas, path, *wedge); },
                    "図を描画できませんでした。");
    });
  });
}

void frmAnteiRes::DrawSiryokusenPic(CanvasWidget* pic, int caseIndex,
                                    const std::shared_ptr<CAntRes>& r) {
  if (!pic || !doc_ || !r) return;
  CDocument* d = doc_;
  redraw_->Set(pic, [pic, d, caseIndex, r] {
    PaintFigure(pic, [&](cDraw& canvas) {
      // A figure that cannot be drawn stays empty; the user is told why.
      if (AnteiResHooks().siryokusen)
        GuardedCall(
            [&] {
              AnteiResHooks().siryokusen(*d, static_cast<int16_t>(caseIndex), *r, canvas, true, "");
            },
            "図を描画できませんでした。");
    });
  });
}

// ---- The user's slip angle ------------------------------------------------------------

void frmAnteiRes::OmegaGotFocus(const OmegaBox& b) {
  ShowHint(imtHelp,
           SlipAngleHint(b.box->Tag().toStdString(), b.box->MinValue(), b.box->MaxValue()));
  omegaOnFocus_ = GetNumBox(b.box);
  omegaTextOnFocus_ = b.box->text();
}

void frmAnteiRes::OmegaLostFocus(const OmegaBox& b) {
  ShowHint(imtHelp, "");
  const double v = GetNumBox(b.box);
  if (v == omegaOnFocus_) return;
  if (b.box->text() == omegaTextOnFocus_) {
    // The angle shown typed again: the wedge keeps its own, unrounded.
    SetNumBox(b.box, omegaOnFocus_);
    return;
  }
  if (b.box->IsBlank()) {
    // An emptied box fixes nothing: it shows the case's angle again.
    ShowAntDetail(lsAntDetail->currentRow());
    return;
  }
  const int part = (b.pageSet != 0 && doc_ && doc_->WallType() == 3) ? 1 : 0;
  SetUserOmega(v, b.wedge, part);
}

void frmAnteiRes::SetUserOmega(double angle, int wedge, int part) {
  if (!doc_) return;
  const int i = lsAntDetail->currentRow();
  if (i < 0) return;
  if (!ApplyUserOmega(*doc_, i, part, wedge, angle, AnteiResHooks().recalcCase)) return;
  SetAntSummary(i);
  ShowAntDetail(i);
  // The main window's result panel shows this case too: not the old numbers.
  UpdateResultSummary(doc_);
}

void RegisterStabilityResultWindows() {
  Windows().makeScreen[4] = [](int) -> IScreen* { return new frmAnteiRes; };
}

}  // namespace norva
