#include "screens/conditions/frm_allow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"

namespace norva {

namespace {
const QString kUnit = QStringLiteral("(N/mm2)");
}

frmAllow::frmAllow(QWidget* owner) : QDialog(owner) {
  setObjectName("frmAllow");
  setWindowTitle(QStringLiteral("材料の許容応力度"));
  auto* lay = new QVBoxLayout(this);
  cmbSisin = conditions::ListRow(
      lay, conditions::AddLabel(lblCaption, 0, QStringLiteral("参照する基準書："), this),
      "cmbSisin", this);

  vstAllow = new IndexTab(this);
  vstAllow->setObjectName("vstAllow");
  cmbTochi = BuildPage(0, "Tochi", fraTochi, vsTochi);
  cmbDouro = BuildPage(1, "Douro", fraDouro, vsDouro);
  cmbTakuchi = BuildPage(2, "Takuchi", fraTakuchi, vsTakuchi);
  HideIndexTabs(vstAllow);
  lay->addWidget(vstAllow, 1);

  fraApply = new QGroupBox(QStringLiteral("適用される値"), this);
  fraApply->setObjectName("fraApply");
  auto* grid = new QGridLayout(fraApply);
  const char* const kTexts[4] = {
      "無筋コンクリートの設計基準強度", "無筋コンクリートの許容圧縮応力度",
      "無筋コンクリートの許容引張応力度", "無筋コンクリートの許容せん断応力度"};
  const char* const kSymbols[4] = {
      "σ<sub>ck</sub> :", "σ<sub>ca</sub> :", "σ<sub>ta</sub> :", "τ<sub>a</sub> :"};
  const char* const kBoxes[4] = {"imnSgmck", "imnSgmca", "imnSgmta", "imnTaua"};
  NumberBox** boxes[4] = {&imnSgmck, &imnSgmca, &imnSgmta, &imnTaua};
  for (int i = 0; i < 4; ++i) {
    grid->addWidget(conditions::AddLabel(lblAllow, 2 * i, QString::fromUtf8(kTexts[i]), fraApply),
                    i, 0);
    grid->addWidget(
        conditions::AddLabel(lblAllow, 2 * i + 1, QString::fromUtf8(kSymbols[i]), fraApply), i, 1);
    *boxes[i] = new NumberBox(
        0.01, 999.999, i == 0 ? QStringLiteral("##0.00") : QStringLiteral("##0.000"), fraApply);
    (*boxes[i])->setObjectName(kBoxes[i]);
    grid->addWidget(*boxes[i], i, 2);
  }
  grid->addWidget(conditions::AddLabel(lblUnit, 1, kUnit, fraApply), 0, 3, 4, 1);
  lay->addWidget(fraApply);

  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);

  conditions::FillList(cmbSisin, AllowSisinItems(), conditions::Utf8);
  connect(cmbSisin, &QComboBox::currentIndexChanged, this, &frmAllow::cmbSisin_Click);
  connect(cmdApply, &QPushButton::clicked, this, &frmAllow::cmdApply_Click);
}

QComboBox* frmAllow::BuildPage(int page, const QString& suffix, QGroupBox*& frame,
                               SpreadGrid*& grid) {
  picAllow[page] = new QWidget;
  picAllow[page]->setObjectName(QStringLiteral("picAllow[%1]").arg(page));
  auto* lay = new QVBoxLayout(picAllow[page]);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("コンクリートの設計基準強度:"), picAllow[page]);
  label->setObjectName(page == 1 ? QStringLiteral("lblDouro[0]") : "lbl" + suffix);
  auto* list = new QComboBox(picAllow[page]);
  list->setObjectName("cmb" + suffix);
  const int unitIndex[3] = {0, 2, 3};
  row->addWidget(label);
  row->addWidget(list);
  row->addWidget(conditions::AddLabel(lblUnit, unitIndex[page], kUnit, picAllow[page]));
  row->addStretch(1);
  lay->addLayout(row);
  frame = new QGroupBox(page == 1 ? QString() : QStringLiteral("基準書に記載されている内容"),
                        picAllow[page]);
  frame->setObjectName("fra" + suffix);
  auto* frameLay = new QVBoxLayout(frame);
  grid = new SpreadGrid(frame);
  grid->setObjectName("vs" + suffix);
  conditions::FillDisplayGrid(grid, AllowDisplayRows(page));
  frameLay->addWidget(grid);
  lay->addWidget(frame, 1);
  vstAllow->addTab(picAllow[page], QStringLiteral("-"));
  connect(list, &QComboBox::currentIndexChanged, this,
          [this, page, list] { Strength_Click(page, list); });
  return list;
}

void frmAllow::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  QComboBox* lists[3] = {cmbTochi, cmbDouro, cmbTakuchi};
  for (int page = 0; page < 3; ++page) {
    conditions::FillList(lists[page], AllowRows(page),
                         [](const AllowRow& r) { return conditions::Utf8(r.item); });
  }
  const AllowPreselect pre = AllowPreselectFor(doc_->SgmCk);
  SetListIndex(cmbTochi, pre.tochi);
  SetListIndex(cmbDouro, pre.douro);
  SetListIndex(cmbTakuchi, pre.takuchi);
  SetListIndex(cmbSisin, AllowSisinItem(doc_->Sisin));
  cmbSisin_Click(cmbSisin->currentIndex());
}

void frmAllow::cmbSisin_Click(int item) {
  if (item < 0) return;
  const int page = AllowPage(item);
  vstAllow->SetCurrentTab(page);
  Strength_Click(page, ShownList());
}

void frmAllow::Strength_Click(int page, QComboBox* list) {
  const int i = list->currentIndex();
  const std::vector<AllowRow> rows = AllowRows(page);
  if (i < 0 || i >= static_cast<int>(rows.size())) return;
  SetNumBox(imnSgmck, rows[i].Sgmck);
  SetNumBox(imnSgmca, rows[i].Sgmca);
  SetNumBox(imnSgmta, rows[i].Sgmta);
  SetNumBox(imnTaua, rows[i].Taua);
}

QComboBox* frmAllow::ShownList() const {
  switch (vstAllow->CurrTab()) {
    case 0:
      return cmbTochi;
    case 2:
      return cmbTakuchi;
    default:
      return cmbDouro;
  }
}

void frmAllow::cmdApply_Click() {
  if (doc_ == nullptr || !conditions::ConfirmApply()) return;
  QWidget* form = conditions::DataFormWidget(*doc_);
  QComboBox* list = ShownList();
  if (list->currentIndex() >= 0) {
    doc_->SgmCk = list->currentText().toDouble();
    SetNumBoxByName(form, "imnSgmck", -1, doc_->SgmCk);
  }
  const std::pair<NumberBox*, double CDocumentInputs::*> kWrites[3] = {
      {imnSgmca, &CDocumentInputs::Sgmca},
      {imnSgmta, &CDocumentInputs::Sgmta},
      {imnTaua, &CDocumentInputs::Taua}};
  for (const auto& [box, member] : kWrites) {
    if (box->IsBlank()) continue;
    doc_->*member = GetNumBox(box);
    SetNumBoxByName(form, box->objectName(), -1, doc_->*member);
  }
  accept();
}

}  // namespace norva
