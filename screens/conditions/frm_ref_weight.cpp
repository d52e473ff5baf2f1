#include "screens/conditions/frm_ref_weight.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"

namespace norva {

namespace {
constexpr int kGridHeight = 240;  // pixels; the short tables share it out equally
}

int frmRefWeight::HiddenCol(int page) {
  return static_cast<int>(RefWeightPageFor(page).header.size()) + 1;
}

frmRefWeight::frmRefWeight(QWidget* owner) : QDialog(owner) {
  setObjectName("frmRefWeight");
  setWindowTitle(QStringLiteral("土の単位体積重量"));
  auto* lay = new QVBoxLayout(this);
  vstWeight = new IndexTab(this);
  vstWeight->setObjectName("vstWeight");
  for (int page = 0; page < 5; ++page) BuildPage(page);
  HideIndexTabs(vstWeight);
  lay->addWidget(vstWeight, 1);
  lay->addWidget(conditions::AddLabel(
      lblTochi3, 0, QStringLiteral("・土の飽和水中重量は、水中重量に 10kN/m3 を加えた値とする。"),
      this));
  lay->addWidget(conditions::AddLabel(
      lblTochi3, 2, QStringLiteral("・土の水中重量は、湿潤重量から 9kN/m3 を差し引いた値とする。"),
      this));
  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);
  connect(cmdApply, &QPushButton::clicked, this, &frmRefWeight::cmdApply_Click);
}

void frmRefWeight::BuildPage(int page) {
  const RefWeightPageData& data = RefWeightPageFor(page);
  picWeight[page] = new QWidget;
  picWeight[page]->setObjectName(QStringLiteral("picWeight[%1]").arg(page));
  auto* lay = new QVBoxLayout(picWeight[page]);
  FlexGrid* g = new FlexGrid(picWeight[page]);
  fgRef[page] = g;
  g->setObjectName(QStringLiteral("fgRef[%1]").arg(page));
  g->setProperty("Index", page);
  const int desc = static_cast<int>(data.header.size());
  const int hidden = HiddenCol(page);
  g->SetFixedCols(0);
  g->SetRows(static_cast<int>(data.rows.size()) + 1);
  g->SetCols(hidden + 3);
  for (int c = 0; c < desc; ++c) g->SetTextMatrix(0, c, QString::fromUtf8(data.header[c]));
  if (desc == 3) g->setSpan(0, 1, 1, 2);
  g->SetTextMatrix(0, desc, QStringLiteral("単位体積重量\n(kN/m3)"));
  g->SetTextMatrix(0, BackfillCol(page), QStringLiteral("裏込め土"));
  g->SetTextMatrix(0, FrontCol(page), QStringLiteral("前載土"));
  for (int r = 0; r < static_cast<int>(data.rows.size()); ++r) {
    const RefWeightRow& row = data.rows[r];
    for (int c = 0; c < desc; ++c) g->SetTextMatrix(r + 1, c, QString::fromUtf8(row.cells[c]));
    const QString gamma = QString::number(row.gamma);
    g->SetTextMatrix(r + 1, desc, gamma);
    g->SetCellCentered(r + 1, desc);
    g->SetTextMatrix(r + 1, hidden, gamma);
  }
  // Every opening starts with no row ticked.
  for (int r = 1; r < g->Rows(); ++r)
    for (int c : {BackfillCol(page), FrontCol(page)}) {
      g->SetCellChecked(r, c, FlexGrid::kUnchecked);
      g->SetCellCentered(r, c);
    }
  g->setColumnHidden(hidden, true);
  g->resizeColumnsToContents();
  g->setColumnWidth(desc, g->fontMetrics().horizontalAdvance(QStringLiteral("単位体積重量")) + 12);
  g->setRowHeight(0, 2 * g->fontMetrics().height() + 6);
  g->setMinimumHeight(kGridHeight);
  g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (page >= 2) {
    const int h = kGridHeight / g->Rows();
    for (int r = 0; r < g->Rows(); ++r) g->setRowHeight(r, h);
  }
  connect(g, &FlexGrid::BeforeEdit, this, [page](int, int col, bool* cancel) {
    *cancel = col != BackfillCol(page) && col != FrontCol(page);
  });
  connect(g, &FlexGrid::AfterEdit, this,
          [this, page](int row, int col) { fgRef_AfterEdit(page, row, col); });
  lay->addWidget(g);
  vstWeight->addTab(picWeight[page], QStringLiteral("-"));
}

bool frmRefWeight::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Form_Activate();
  return QDialog::event(e);
}

void frmRefWeight::Form_Activate() {
  if (doc_ == nullptr) return;
  const int page = RefWeightPage(doc_->Sisin);
  if (page >= 0) vstWeight->SetCurrentTab(page);
}

void frmRefWeight::fgRef_AfterEdit(int page, int row, int col) {
  FlexGrid* g = fgRef[page];
  if (g->CellChecked(row, col) != FlexGrid::kChecked) return;
  for (int r = 1; r < g->Rows(); ++r)
    if (r != row) g->SetCellChecked(r, col, FlexGrid::kUnchecked);
}

void frmRefWeight::cmdApply_Click() {
  const int page = vstWeight->CurrTab();
  FlexGrid* g = fgRef[page];
  struct Target {
    int col;
    double CDocumentInputs::*moist;
    double CDocumentInputs::*submerged;
    int box;
  };
  const Target kTargets[2] = {
      {BackfillCol(page), &CDocumentInputs::Gamb, &CDocumentInputs::Gambd, 0},
      {FrontCol(page), &CDocumentInputs::Gamf, &CDocumentInputs::Gamfd, 2}};
  for (const Target& t : kTargets) {
    for (int r = 1; r < g->Rows(); ++r) {
      if (g->CellChecked(r, t.col) != FlexGrid::kChecked) continue;
      if (doc_ != nullptr) {
        const double gamma = g->TextMatrix(r, HiddenCol(page)).trimmed().toDouble();
        doc_->*t.moist = gamma;
        doc_->*t.submerged = SubmergedWeight(gamma);
        SetNumBoxByName(frm_, "imnUnitW", t.box, doc_->*t.moist);
        SetNumBoxByName(frm_, "imnUnitW", t.box + 1, doc_->*t.submerged);
      }
      break;
    }
  }
  accept();
}

}  // namespace norva
