#include "screens/conditions/frm_weight.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"

namespace norva {

namespace {

// The display table of a page from the same values the lists give.
std::vector<QStringList> DisplayRows(int page) {
  std::vector<QStringList> rows;
  if (page == 1) {
    rows.push_back({QStringLiteral("土質"), QStringLiteral("単位体積重量(kN/m3)")});
    for (const WeightChoice& c : WeightSoils(1, 0))
      rows.push_back({QString::fromUtf8(c.item), QString::number(c.gamma)});
    return rows;
  }
  const int refPage = page == 0 ? 0 : page == 2 ? 3 : page == 3 ? 2 : 4;
  const RefWeightPageData& data = RefWeightPageFor(refPage);
  QStringList header;
  for (const char* h : data.header) header << QString::fromUtf8(h);
  header << QStringLiteral("単位体積重量(kN/m3)");
  rows.push_back(header);
  for (const RefWeightRow& r : data.rows) {
    QStringList row;
    for (const char* c : r.cells) row << QString::fromUtf8(c);
    row << QString::number(r.gamma);
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

frmWeight::frmWeight(QWidget* owner) : QDialog(owner) {
  setObjectName("frmWeight");
  setWindowTitle(QStringLiteral("材料の単位重量"));
  auto* lay = new QVBoxLayout(this);
  cmbSisin = conditions::ListRow(lay, new QLabel(QStringLiteral("参照する基準書："), this),
                                 "cmbSisin", this);

  vstWeight = new IndexTab(this);
  vstWeight->setObjectName("vstWeight");
  BuildPage(0, "cmbTochi1", vsTochi1, "vsTochi1");
  BuildPage(1, "cmbTochi2", vsTochi2, "vsTochi2");
  BuildPage(2, "cmbDouro", vsDouro, "vsDouro");
  BuildPage(3, "cmbOogata", vsOogata, "vsOogata");
  BuildPage(4, "cmbTakuchi", vsTakuchi, "vsTakuchi");
  HideIndexTabs(vstWeight);
  lay->addWidget(vstWeight, 1);

  auto* boxes = new QGridLayout;
  const char* const kCaptions[7] = {
      "裏込め土 湿潤 :", "裏込め土 水中 :", "前面土砂 湿潤 :", "前面土砂 水中 :",
      "壁　部 :",        "基礎部 :",        "水       :"};
  for (int i = 0; i < 7; ++i) {
    imnWeight[i] = new NumberBox(0, 99.99, QStringLiteral("#0.00"), this);
    imnWeight[i]->setObjectName(QStringLiteral("imnWeight[%1]").arg(i));
    imnWeight[i]->setProperty("Index", i);
    imnWeight[i]->setMaximumWidth(90);
    boxes->addWidget(new QLabel(QString::fromUtf8(kCaptions[i]), this), i % 4, 3 * (i / 4));
    boxes->addWidget(imnWeight[i], i % 4, 3 * (i / 4) + 1);
    boxes->addWidget(new QLabel(QStringLiteral("(kN/m3)"), this), i % 4, 3 * (i / 4) + 2);
  }
  lay->addLayout(boxes);

  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);

  conditions::FillList(cmbSisin, WeightSisinItems(), conditions::Utf8);
  connect(cmbSisin, &QComboBox::currentIndexChanged, this, &frmWeight::cmbSisin_Click);
  connect(cmdApply, &QPushButton::clicked, this, &frmWeight::cmdApply_Click);
}

void frmWeight::BuildPage(int page, const char* listName, SpreadGrid*& grid, const char* gridName) {
  picWeight[page] = new QWidget;
  picWeight[page]->setObjectName(QStringLiteral("picWeight[%1]").arg(page));
  auto* lay = new QVBoxLayout(picWeight[page]);
  grid = new SpreadGrid(picWeight[page]);
  grid->setObjectName(gridName);
  conditions::FillDisplayGrid(grid, DisplayRows(page));
  lay->addWidget(grid, 1);
  lay->addWidget(new QLabel(
      QStringLiteral("水中重量は湿潤重量から 9kN/m3 を差し引いた値とします。"), picWeight[page]));
  auto* lists = new QFormLayout;
  const bool byKind = WeightPageHasGroundKind(page);
  const char* const kSides[2] = {"裏込め土 :", "前面土砂 :"};
  for (int side = 0; side < 2; ++side) {
    auto* row = new QHBoxLayout;
    const int base = byKind ? 2 * side : side;
    if (byKind) {
      QComboBox* kind = new QComboBox(picWeight[page]);
      kind->setObjectName(QStringLiteral("%1[%2]").arg(listName).arg(base));
      conditions::FillList(kind, WeightGroundKinds(), conditions::Utf8);
      kinds[page][side] = kind;
      row->addWidget(kind);
      connect(kind, &QComboBox::currentIndexChanged, this,
              [this, page, side] { FillSoils(page, side); });
    }
    QComboBox* soil = new QComboBox(picWeight[page]);
    soil->setObjectName(QStringLiteral("%1[%2]").arg(listName).arg(byKind ? base + 1 : base));
    soil->setMinimumWidth(180);
    soils[page][side] = soil;
    row->addWidget(soil, 1);
    lists->addRow(QString::fromUtf8(kSides[side]), row);
    connect(soil, &QComboBox::currentIndexChanged, this,
            [this, page, side](int item) { Soil_Click(page, side, item); });
    if (!byKind) FillSoils(page, side);
  }
  if (page == 0) {
    cmbSuiro = new QComboBox(picWeight[page]);
    cmbSuiro->setObjectName("cmbSuiro");
    conditions::FillList(cmbSuiro, WeightWallConcrete(),
                         [](const WeightChoice& c) { return conditions::Utf8(c.item); });
    lists->addRow(QStringLiteral("壁部コンクリート :"), cmbSuiro);
    connect(cmbSuiro, &QComboBox::currentIndexChanged, this, [this](int item) {
      const auto items = WeightWallConcrete();
      if (item >= 0 && item < static_cast<int>(items.size()))
        SetNumBox(imnWeight[4], items[item].gamma);
    });
  }
  lay->addLayout(lists);
  vstWeight->addTab(picWeight[page], QStringLiteral("-"));
}

void frmWeight::FillSoils(int page, int side) {
  QComboBox* soil = soils[page][side];
  const int kind = kinds[page][side] ? kinds[page][side]->currentIndex() : 0;
  conditions::FillList(soil, WeightSoils(page, kind),
                       [](const WeightChoice& c) { return conditions::Utf8(c.item); });
}

void frmWeight::Soil_Click(int page, int side, int item) {
  const int kind = kinds[page][side] ? kinds[page][side]->currentIndex() : 0;
  const auto choices = WeightSoils(page, kind);
  if (item < 0 || item >= static_cast<int>(choices.size())) return;
  const double gamma = choices[item].gamma;
  SetNumBox(imnWeight[2 * side], gamma);
  // The table gives no value for some soils: the moist box goes blank and the
  // submerged one keeps what it showed.
  if (!IsNullValue(gamma)) SetNumBox(imnWeight[2 * side + 1], SubmergedWeight(gamma));
}

void frmWeight::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  SetListIndex(cmbSisin, WeightSisinItem(doc_->Sisin));
  if (doc_->Sisin == 0 || doc_->Sisin == 5) SetListIndex(cmbSuiro, doc_->WallType() == 0 ? 1 : 0);
}

void frmWeight::cmbSisin_Click(int item) {
  if (item < 0) return;
  if (item <= 1) {
    vstWeight->SetCurrentTab(0);
    SetNumBox(imnWeight[5], 23.0);
    SetNumBox(imnWeight[6], 9.8);
    vsTochi1->SetText(
        3, 9,
        item == 0 ? QStringLiteral("粘　 　性 　　 土") : QStringLiteral("粘性土(但しＷL＜50%)"));
    return;
  }
  vstWeight->SetCurrentTab(WeightPage(item));
  SetNumBox(imnWeight[4], 23.0);
  SetNumBox(imnWeight[5], 23.0);
  SetNumBox(imnWeight[6], 9.8);
}

void frmWeight::cmdApply_Click() {
  if (doc_ == nullptr || !conditions::ConfirmApply()) return;
  double CDocumentInputs::*const kMembers[7] = {&CDocumentInputs::Gamb,  &CDocumentInputs::Gambd,
                                                &CDocumentInputs::Gamf,  &CDocumentInputs::Gamfd,
                                                &CDocumentInputs::Gamcw, &CDocumentInputs::Gamcf,
                                                &CDocumentInputs::Gamw};
  for (int i = 0; i < 7; ++i) {
    if (imnWeight[i]->IsBlank()) continue;
    doc_->*kMembers[i] = GetNumBox(imnWeight[i]);
    SetNumBoxByName(frm_, "imnUnitW", i, doc_->*kMembers[i]);
  }
  accept();
}

}  // namespace norva
