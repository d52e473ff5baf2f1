#include "screens/conditions/frm_qa.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"

namespace norva {

namespace {
const QString kQaCaption = QStringLiteral("許容支持力度　ｑa ：");
const QString kQdCaption = QStringLiteral("極限支持力度　ｑd ：");
}  // namespace

frmQa::frmQa(QWidget* owner) : QDialog(owner) {
  setObjectName("frmQa");
  setWindowTitle(QStringLiteral("許容支持力度"));
  auto* lay = new QVBoxLayout(this);
  cmbJiban = conditions::ListRow(
      lay, conditions::AddLabel(lblCaption, 1, QStringLiteral("支持地盤の種類："), this),
      "cmbJiban", this);

  vstQa = new IndexTab(this);
  vstQa->setObjectName("vstQa");
  for (int page = 0; page < 6; ++page) {
    picQa[page] = new QWidget;
    picQa[page]->setObjectName(QStringLiteral("picQa[%1]").arg(page));
    new QVBoxLayout(picQa[page]);
    vstQa->addTab(picQa[page], QStringLiteral("-"));
  }
  vsTochi1 = BuildTable(0, "vsTochi1");
  vsTochi3 = BuildTable(5, "vsTochi3");
  vsDouro = BuildTable(2, "vsDouro");
  vsTakuchi = BuildTable(4, "vsTakuchi");
  vsOogata = BuildTable(3, "vsOogata");
  HideIndexTabs(vstQa);
  lay->addWidget(vstQa, 1);

  fraApply = new QGroupBox(QStringLiteral("適用される値"), this);
  fraApply->setObjectName("fraApply");
  auto* apply = new QHBoxLayout(fraApply);
  apply->addWidget(conditions::AddLabel(lblQa, 0, kQaCaption, fraApply));
  imnQa = new NumberBox(-99999, 99999, QStringLiteral("###0.00"), fraApply);
  imnQa->setObjectName("imnQa");
  imnQa->setMaximumWidth(110);
  apply->addWidget(imnQa);
  lblUnit = conditions::NamedLabel("lblUnit", QStringLiteral("(kN/㎡)"), fraApply);
  apply->addWidget(lblUnit);
  apply->addStretch(1);
  lay->addWidget(fraApply);

  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);

  connect(cmbJiban, &QComboBox::currentIndexChanged, this, &frmQa::cmbJiban_Click);
  connect(cmdApply, &QPushButton::clicked, this, &frmQa::cmdApply_Click);
}

// Row 1 is the heading, the ground types start at row 2, the value is in the
// last column; the kind of ground stands once over its group of rows.
SpreadGrid* frmQa::BuildTable(int32_t sisin, const char* name) {
  const int page = QaPage(sisin);
  const auto rows = QaRows(sisin);
  const bool two = QaTwoColumns(sisin);
  const int valueCol = two ? 2 : 3;
  auto* g = new SpreadGrid(picQa[page]);
  g->setObjectName(name);
  g->SetMaxCols(valueCol);
  g->SetMaxRows(static_cast<int>(rows.size()) + 1);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->SetText(1, 1,
             two ? QStringLiteral("　支　持　地　盤　の　種　類")
                 : QStringLiteral("　　　　支　持　地　盤　の　種　類"));
  if (!two) g->setSpan(0, 0, 1, 2);
  g->SetText(valueCol, 1,
             sisin == 3 ? QStringLiteral("極限支持力度\nｑd\n(kN/㎡)")
                        : QStringLiteral("許容支持力度\nｑa\n(kN/㎡)"));
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const QaRow& r = rows[i];
    const int row = i + 2;
    g->SetText(1, row, QString::fromUtf8(r.group));
    if (r.state != nullptr)
      g->SetText(2, row, QString::fromUtf8(r.state));
    else if (!two)
      g->setSpan(row - 1, 0, 1, 2);
    g->SetText(valueCol, row, QString::number(r.value));
  }
  for (int row = 1; row <= g->MaxRows(); ++row)
    for (int col = 1; col <= valueCol; ++col) g->SetCellType(col, row, SpreadGrid::kStaticText);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setWordWrap(false);
  g->resizeColumnsToContents();
  if (!two) {
    // The heading spans the two name columns: widen the second to hold it.
    const int need = g->fontMetrics().horizontalAdvance(g->Text(1, 1)) + 12;
    const int have = g->columnWidth(0) + g->columnWidth(1);
    if (need > have) g->setColumnWidth(1, g->columnWidth(1) + need - have);
  }
  g->resizeRowsToContents();
  g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  if (sisin != 3) {
    SetSpreadColors(g);
    g->SetActiveCell(valueCol, 2);
    // The heading row cannot become the active row.
    connect(g, &SpreadGrid::LeaveCell, this,
            [](int, int, int, int newRow, bool* cancel) { *cancel = newRow <= 1; });
  }
  picQa[page]->layout()->addWidget(g);
  return g;
}

SpreadGrid* frmQa::TableOf(int32_t sisin) const {
  switch (sisin) {
    case 0:
      return vsTochi1;
    case 5:
      return vsTochi3;
    case 2:
      return vsDouro;
    case 4:
      return vsTakuchi;
    case 3:
      return vsOogata;
    default:
      return nullptr;
  }
}

void frmQa::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  const int page = QaPage(doc_->Sisin);
  if (page >= 0) vstQa->SetCurrentTab(page);
  if (doc_->Sisin == 3) lblQa[0]->setText(kQdCaption);
  conditions::FillList(cmbJiban, QaRows(doc_->Sisin),
                       [](const QaRow& r) { return conditions::Utf8(r.item); });
  SetListIndex(cmbJiban, cmbJiban->count() > 0 ? 0 : -1);
}

void frmQa::cmbJiban_Click(int item) {
  if (doc_ == nullptr || item < 0) return;
  const SpreadGrid* g = TableOf(doc_->Sisin);
  if (g == nullptr) return;
  double v = 0;
  if (g->CellNumber(g->MaxCols(), item + 2, &v)) SetNumBox(imnQa, v);
}

void frmQa::cmdApply_Click() {
  if (doc_ == nullptr || !conditions::ConfirmApply()) return;
  if (!imnQa->IsBlank()) {
    doc_->Qa = GetNumBox(imnQa);
    SetNumBoxByName(conditions::DataFormWidget(*doc_), "imnQa", -1, doc_->Qa);
  }
  accept();
}

}  // namespace norva
