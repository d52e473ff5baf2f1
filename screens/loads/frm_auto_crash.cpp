#include "screens/loads/frm_auto_crash.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/load_calculators.h"
#include "screens/loads/load_dialogs.h"
#include "screens/loads/loads_rules.h"

namespace norva {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A read-only table of texts: every cell static, no header bars.
void FillStaticTable(SpreadGrid* g, const std::vector<std::vector<QString>>& rows) {
  g->SetMaxRows(static_cast<int>(rows.size()));
  g->SetMaxCols(static_cast<int>(rows.front().size()));
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setFocusPolicy(Qt::NoFocus);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c) {
      g->SetText(c + 1, r + 1, rows[static_cast<size_t>(r)][static_cast<size_t>(c)]);
      g->SetCellType(c + 1, r + 1, SpreadGrid::kStaticText);
      g->item(r, c)->setTextAlignment(Qt::AlignCenter);
    }
  g->resizeColumnsToContents();
  g->resizeRowsToContents();
}

}  // namespace

frmAutoCrash::frmAutoCrash(QWidget* owner) : QDialog(owner) {
  setObjectName("frmAutoCrash");
  setWindowTitle(QStringLiteral("自動車衝突荷重"));
  auto* lay = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;

  fraType = new QGroupBox(QStringLiteral("防護柵の種類"), this);
  fraType->setObjectName("fraType");
  auto* tv = new QVBoxLayout(fraType);
  const std::vector<std::string> kinds = FenceKindList(0);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(Q(kinds[static_cast<size_t>(i)]), fraType);
    optBougosaku.Add(i, b);
    tv->addWidget(b);
  }
  left->addWidget(fraType);

  fraClassModel = new QGroupBox(QStringLiteral("防護柵の種別、型"), this);
  fraClassModel->setObjectName("fraClassModel");
  auto* cg = new QGridLayout(fraClassModel);
  lblClass = NewLabel(QStringLiteral("防護柵の種別:"), fraClassModel);
  lblClass->setObjectName("lblClass");
  cmbClass = new QComboBox(fraClassModel);
  cmbClass->setObjectName("cmbClass");
  lblModel = NewLabel(QStringLiteral("防護柵の型:"), fraClassModel);
  lblModel->setObjectName("lblModel");
  cmbModel = new QComboBox(fraClassModel);
  cmbModel->setObjectName("cmbModel");
  cg->addWidget(lblClass, 0, 0);
  cg->addWidget(cmbClass, 0, 1);
  cg->addWidget(lblModel, 1, 0);
  cg->addWidget(cmbModel, 1, 1);
  left->addWidget(fraClassModel);

  fraApply = new QGroupBox(QStringLiteral("適用される値"), this);
  fraApply->setObjectName("fraApply");
  auto* ag = new QGridLayout(fraApply);
  imtType = new TextBox(fraApply);
  imtType->setObjectName("imtType");
  imtType->setReadOnly(true);
  imnH = new NumberBox(0, 99.999, "#0.000", fraApply);
  imnH->setObjectName("imnH");
  imnP = new NumberBox(0, 99999.99, "####0.00", fraApply);
  imnP->setObjectName("imnP");
  ag->addWidget(imtType, 0, 0, 1, 3);
  ag->addWidget(NewLabel(QStringLiteral("作用高さ ｈ："), fraApply), 1, 0);
  ag->addWidget(imnH, 1, 1);
  ag->addWidget(NewLabel("(m)", fraApply), 1, 2);
  ag->addWidget(NewLabel(QStringLiteral("衝突荷重 Ｐ："), fraApply), 2, 0);
  ag->addWidget(imnP, 2, 1);
  ag->addWidget(NewLabel("(kN)", fraApply), 2, 2);
  left->addWidget(fraApply);
  left->addStretch(1);

  left->addLayout(ApplyCloseRow(this, QStringLiteral("適用(&A)"), &cmdApply, &cmdClose));
  lay->addLayout(left);

  BuildReference();

  connect(&optBougosaku, &OptionArray::Click, this, [this](int i) { optBougosaku_Click(i); });
  connect(cmbClass, &QComboBox::currentIndexChanged, this, [this] { SetCrashValues(); });
  connect(cmbModel, &QComboBox::currentIndexChanged, this, [this] { SetCrashValues(); });
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
}

// The two reference tables repeat the values of the collision table.
void frmAutoCrash::BuildReference() {
  fraRef = new QGroupBox(QStringLiteral("基準書に記載の内容"), this);
  fraRef->setObjectName("fraRef");
  auto* rv = new QVBoxLayout(fraRef);
  auto num = [](double v, int dec) { return QString::number(v, 'f', dec); };
  for (int kind = 0; kind < 2; ++kind) {
    auto* fra = fraAutoCrash.Add(kind, new QGroupBox(Q(FenceKindList(0)[kind]), fraRef));
    auto* fl = new QVBoxLayout(fra);
    auto* g = vsAutoCrash.Add(kind, new SpreadGrid(fra));
    fl->addWidget(g);
    rv->addWidget(fra);
    const std::vector<std::string> classes = CollisionClassList(kind);
    const std::vector<std::string> models = CollisionModelList(kind);
    const int nm = static_cast<int>(models.size());
    std::vector<std::vector<QString>> rows;
    if (kind == 0) {
      rows.push_back({QStringLiteral("防護柵\nの種別"), QStringLiteral("衝突荷重\nＰ （ｋN）"),
                      QString(), QStringLiteral("作用高さ\nｈ （ｍ）")});
      rows.push_back(
          {QString(), QStringLiteral("砂詰め固定"), QStringLiteral("モルタル固定"), QString()});
    } else {
      rows.push_back({QString(), QStringLiteral("衝 突 荷 重　Ｐ (kN )"), QString(), QString(),
                      QStringLiteral("作用高さ ｈ\n(m)")});
      rows.push_back({QString(), QStringLiteral("単スロープ型"), QStringLiteral("Ｆ型"),
                      QStringLiteral("直壁型"), QString()});
    }
    for (int c = 0; c < 4; ++c) {
      // The reference sheet writes the classes with full-width commas.
      QString name = Q(classes[static_cast<size_t>(c)]).replace(QStringLiteral(", "), "，");
      std::vector<QString> row{name};
      for (int m = 0; m < nm; ++m) row.push_back(num(*CollisionTable(kind, c, m).P, 0));
      row.push_back(num(*CollisionTable(kind, c, 0).h, kind == 0 ? 3 : 1));
      rows.push_back(row);
    }
    FillStaticTable(g, rows);
    g->setSpan(0, 0, 2, 1);
    g->setSpan(0, 1, 1, nm);
    g->setSpan(0, nm + 1, 2, 1);
    g->resizeRowsToContents();
    SetSpreadColors(g);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    g->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  }
  rv->addStretch(1);
  layout()->addWidget(fraRef);
}

void frmAutoCrash::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (!doc) return;
  const QString kind0 = Q(FenceKindList(doc->Sisin)[0]);
  optBougosaku.Item(0)->setText(kind0);
  fraAutoCrash[0]->setTitle(kind0);
  // Open on the stored choice, so that an Apply without a new choice
  // writes the load that is stored.
  SetOptionIndex(optBougosaku, CollisionKind(doc->nAutoCrashBougo));
  const int cls = doc->nAutoCrashBougoClass;
  const int model = doc->nAutoCrashBougoModel;
  if (cls >= 0 && cls < cmbClass->count()) SetListIndex(cmbClass, cls);
  if (model >= 0 && model < cmbModel->count()) SetListIndex(cmbModel, model);
  SetCrashValues();
}

void frmAutoCrash::FillClassModel() {
  const int kind = GetOptionIndex(optBougosaku) == 0 ? 0 : 1;
  FillListQuietly(cmbClass, CollisionClassList(kind));
  FillListQuietly(cmbModel, CollisionModelList(kind));
}

void frmAutoCrash::SetCrashValues() {
  lblModel->setEnabled(true);
  cmbModel->setEnabled(true);
  const int kind = GetOptionIndex(optBougosaku);
  if (QRadioButton* b = optBougosaku.Item(kind)) imtType->SetText(b->text());
  const CollisionValues v =
      CollisionTable(kind == 0 ? 0 : 1, cmbClass->currentIndex(), cmbModel->currentIndex());
  if (v.h) SetNumBox(imnH, *v.h);
  if (v.P) SetNumBox(imnP, *v.P);
}

void frmAutoCrash::optBougosaku_Click(int) {
  FillClassModel();
  SetListIndex(cmbClass, 0);
  SetListIndex(cmbModel, 0);
  SetCrashValues();
}

void frmAutoCrash::cmdApply_Click() {
  if (!m_cDoc) return;
  if (!AskApply()) return;
  CDocument& d = *m_cDoc;
  const int kind = GetOptionIndex(optBougosaku);
  if (kind >= 0) {
    d.nAutoCrashBougo = static_cast<int16_t>(kind);
    SetListIndexByName(DataFormWidget(d), "cmbAutoCrash", -1, kind);
  }
  if (!imnH->IsBlank()) {
    d.AutoCrashHigh = GetNumBox(imnH);
    SetScreenBox(d, "imnAutoCrash", 1, d.AutoCrashHigh);
  }
  if (!imnP->IsBlank()) {
    d.AutoCrashLoad = GetNumBox(imnP);
    SetScreenBox(d, "imnAutoCrash", 2, d.AutoCrashLoad);
  }
  if (cmbClass->currentIndex() >= 0)
    d.nAutoCrashBougoClass = static_cast<int16_t>(cmbClass->currentIndex());
  if (cmbModel->currentIndex() >= 0)
    d.nAutoCrashBougoModel = static_cast<int16_t>(cmbModel->currentIndex());
}

void RunAutoCrash(CDocument& doc, QWidget* owner) {
  frmAutoCrash dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

}  // namespace norva
