#include "screens/loads/frm_gunsyu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/load_calculators.h"
#include "screens/loads/load_dialogs.h"

namespace norva {

frmGunsyu::frmGunsyu(QWidget* owner) : QDialog(owner) {
  setObjectName("frmGunsyu");
  setWindowTitle(QStringLiteral("群集荷重"));
  auto* lay = new QVBoxLayout(this);
  vsGunsyu = new SpreadGrid(this);
  vsGunsyu->setObjectName("vsGunsyu");
  vsGunsyu->horizontalHeader()->hide();
  vsGunsyu->SetRowSelectMode(true);
  vsGunsyu->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const std::vector<CrowdLoadRow>& table = CrowdLoadTable();
  vsGunsyu->SetMaxCols(3);
  vsGunsyu->SetMaxRows(static_cast<int>(table.size()) + 1);
  // Column 0 numbers the rows; row 1 holds the headings.
  vsGunsyu->SetText(0, 1, " ");
  SetHeadingRow(
      vsGunsyu, 1,
      {QStringLiteral("群集荷重強度\n(kN/m2)"), QStringLiteral("出典"), QStringLiteral("備考")});
  for (int r = 0; r < static_cast<int>(table.size()); ++r) {
    const CrowdLoadRow& x = table[static_cast<size_t>(r)];
    const int row = r + 2;
    vsGunsyu->SetText(0, row, QString::fromUtf8(x.no));
    vsGunsyu->SetText(1, row, QString::number(x.intensity, 'f', 1));
    vsGunsyu->SetText(2, row, QString::fromUtf8(x.source));
    vsGunsyu->SetText(3, row, QString::fromUtf8(x.remark));
    for (int c = 1; c <= 3; ++c) {
      vsGunsyu->SetCellType(c, row, SpreadGrid::kStaticText);
      vsGunsyu->item(row - 1, c - 1)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    vsGunsyu->item(row - 1, 0)->setTextAlignment(Qt::AlignCenter);
  }
  vsGunsyu->resizeColumnsToContents();
  vsGunsyu->resizeRowsToContents();
  vsGunsyu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vsGunsyu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vsGunsyu->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  vsGunsyu->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  lay->addWidget(vsGunsyu);

  lblHelp =
      NewLabel(QStringLiteral("適用する値の行を選択して「適用」をクリックして下さい。"), this);
  lblHelp->setObjectName("lblHelp");
  lay->addWidget(lblHelp);
  lay->addLayout(ApplyCloseRow(this, QStringLiteral("適用(&A)"), &cmdApply, &cmdClose));

  connect(vsGunsyu, &SpreadGrid::LeaveCell, this,
          [](int, int, int, int newRow, bool* cancel) { *cancel = newRow <= 1; });
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
}

void frmGunsyu::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (doc) ApplyUnitCaptions(static_cast<int16_t>(doc->Unit), this);
}

void frmGunsyu::cmdApply_Click() {
  const int row = vsGunsyu->ActiveRow();
  double v = 0;
  if (row <= 1 || !vsGunsyu->CellNumber(1, row, &v)) return;
  if (!AskApply()) return;
  if (m_cDoc) m_cDoc->GunsyuLoad = v;
  if (imnLoad_) SetNumBox(imnLoad_, v);
}

void RunGunsyu(CDocument& doc, NumberBox* imnLoad, QWidget* owner) {
  frmGunsyu dlg(owner);
  dlg.SetDoc(&doc);
  dlg.SetImnLoad(imnLoad);
  dlg.exec();
}

}  // namespace norva
