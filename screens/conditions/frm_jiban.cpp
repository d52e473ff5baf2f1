#include "screens/conditions/frm_jiban.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"

namespace norva {

namespace {

template <typename T>
T* Named(T* w, const QString& name) {
  w->setObjectName(name);
  return w;
}

QString Member(const char* base, const char* suffix, int i) {
  return QStringLiteral("%1%2[%3]").arg(QString::fromUtf8(base), QString::fromUtf8(suffix)).arg(i);
}

}  // namespace

frmJiban::frmJiban(QWidget* owner) : QDialog(owner) {
  setObjectName("frmJiban");
  setWindowTitle(QStringLiteral("地盤定数"));
  auto* lay = new QVBoxLayout(this);

  lblCaption = Named(new QLabel(QStringLiteral("参照する基準書："), this), "lblCaption");
  cmbSisin = conditions::ListRow(lay, lblCaption, "cmbSisin", this);

  vstJiban = Named(new IndexTab(this), "vstJiban");
  BuildPage(0, "Tochi1");
  BuildPage(1, "Tochi2");
  BuildPage(2, "Oogata");
  HideIndexTabs(vstJiban);
  lay->addWidget(vstJiban, 1);

  fraApply[0] = Named(new QGroupBox(QStringLiteral("適用される値"), this), "fraApply[0]");
  auto* apply = new QHBoxLayout(fraApply[0]);
  fraApply[1] = Named(new QGroupBox(QStringLiteral("裏込め土"), fraApply[0]), "fraApply[1]");
  fraApply[2] = Named(new QGroupBox(QStringLiteral("切土面"), fraApply[0]), "fraApply[2]");
  auto makeBox = [](const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new NumberBox(-99999, 99999, QStringLiteral("#0.000"), parent);
    b->setObjectName(name);
    b->SetCaption(caption);
    b->setMinimumWidth(200);
    return b;
  };
  auto* back = new QGridLayout(fraApply[1]);
  imnFai = makeBox("imnFai", QStringLiteral("内部摩擦角 :"), fraApply[1]);
  imnDelt[0] = makeBox("imnDelt[0]", QStringLiteral("壁面摩擦角 常　時:"), fraApply[1]);
  imnDelt[1] = makeBox("imnDelt[1]", QStringLiteral("           地震時:"), fraApply[1]);
  imnDelt[0]->setProperty("Index", 0);
  imnDelt[1]->setProperty("Index", 1);
  lblUnit[0] = Named(new QLabel(QStringLiteral("(度)"), fraApply[1]), "lblUnit[0]");
  back->addWidget(imnFai, 0, 0);
  back->addWidget(imnDelt[0], 1, 0);
  back->addWidget(imnDelt[1], 2, 0);
  back->addWidget(lblUnit[0], 0, 1, 3, 1);
  auto* cut = new QGridLayout(fraApply[2]);
  imnKirido = makeBox("imnKirido", QStringLiteral("摩 擦 角 :"), fraApply[2]);
  lblUnit[1] = Named(new QLabel(QStringLiteral("(度)"), fraApply[2]), "lblUnit[1]");
  cut->addWidget(imnKirido, 0, 0);
  cut->addWidget(lblUnit[1], 0, 1);
  cut->setRowStretch(1, 1);
  apply->addWidget(fraApply[1]);
  apply->addWidget(fraApply[2]);
  lay->addWidget(fraApply[0]);

  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);

  conditions::FillList(cmbSisin, JibanSisinItems(), conditions::Utf8);
  connect(cmbSisin, &QComboBox::currentIndexChanged, this, &frmJiban::cmbSisin_Click);
  connect(cmdApply, &QPushButton::clicked, this, &frmJiban::cmdApply_Click);
}

void frmJiban::BuildPage(int page, const char* suffix) {
  Page& p = pages[page];
  const JibanPageData& data = JibanPageFor(page);
  p.pic = Named(new QWidget, QStringLiteral("picJiban[%1]").arg(page));
  auto* lay = new QGridLayout(p.pic);
  const char* const kFrames[5] = {"裏込め土", "切土面", "基準書に記載の内容", "裏込め土", "切土面"};
  for (int i = 0; i < 5; ++i)
    p.fra[i] = Named(new QGroupBox(QString::fromUtf8(kFrames[i]), p.pic), Member("fra", suffix, i));
  const char* const kListLabels[2] = {"裏込め土の種類：", "地山の地質や表面の状態："};
  for (int i = 0; i < 2; ++i) {
    auto* row = new QHBoxLayout(p.fra[i]);
    p.lbl[i] =
        Named(new QLabel(QString::fromUtf8(kListLabels[i]), p.fra[i]), Member("lbl", suffix, i));
    p.cmb[i] = Named(new QComboBox(p.fra[i]), Member("cmb", suffix, i));
    p.cmb[i]->setProperty("Index", i);
    row->addWidget(p.lbl[i]);
    row->addWidget(p.cmb[i], 1);
    lay->addWidget(p.fra[i], 0, i);
  }
  conditions::FillList(p.cmb[0], data.backfill, conditions::Utf8);
  conditions::FillList(p.cmb[1], JibanCutFaceItems(), conditions::Utf8);

  auto* tables = new QVBoxLayout(p.fra[2]);
  auto* grids = new QHBoxLayout;
  std::vector<TableRow> backRows{data.backfillHeader};
  backRows.insert(backRows.end(), data.backfillRows.begin(), data.backfillRows.end());
  std::vector<TableRow> cutRows{JibanCutFaceHeader()};
  cutRows.insert(cutRows.end(), JibanCutFaceRows().begin(), JibanCutFaceRows().end());
  for (int i = 0; i < 2; ++i) {
    auto* frameLay = new QVBoxLayout(p.fra[3 + i]);
    p.vs[i] = Named(new SpreadGrid(p.fra[3 + i]), Member("vs", suffix, i));
    conditions::FillDisplayGrid(p.vs[i], std::span<const TableRow>(i == 0 ? backRows : cutRows));
    p.vs[i]->setWordWrap(true);
    p.vs[i]->resizeRowsToContents();
    frameLay->addWidget(p.vs[i]);
    grids->addWidget(p.fra[3 + i]);
  }
  // The two clay classes of the standard drawings share one name cell.
  if (page == 1) p.vs[0]->setSpan(2, 0, 2, 1);
  tables->addLayout(grids);
  p.lbl[2] =
      Named(new QLabel(QStringLiteral("壁面摩擦角δは常時δ=2/3φ、地震時δ=1/2φとします。"), p.fra[2]),
            Member("lbl", suffix, 2));
  tables->addWidget(p.lbl[2]);
  if (page > 0) {
    p.lbl[3] = Named(
        new QLabel(
            page == 1 ? QStringLiteral("基準書に記載が無いため土地改良事業計画設計基準の内容です。")
                      : QStringLiteral("基準書に記載が無いため道路土工の内容です。"),
            p.fra[2]),
        Member("lbl", suffix, 3));
    tables->addWidget(p.lbl[3]);
  }
  lay->addWidget(p.fra[2], 1, 0, 1, 2);
  vstJiban->addTab(p.pic, QStringLiteral("-"));

  connect(p.cmb[0], &QComboBox::currentIndexChanged, this,
          [this, page](int item) { Backfill_Click(page, item); });
  connect(p.cmb[1], &QComboBox::currentIndexChanged, this, &frmJiban::CutFace_Click);
}

void frmJiban::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  if (doc_->BackType == 0) {
    for (Page& p : pages) {
      p.fra[1]->setEnabled(false);
      p.lbl[1]->setEnabled(false);
      p.cmb[1]->setEnabled(false);
    }
    fraApply[2]->setEnabled(false);
    lblUnit[1]->setEnabled(false);
    SetFrameEnabled(imnKirido, false);
  }
  SetListIndex(cmbSisin, JibanSisinItem(doc_->Sisin));
}

void frmJiban::cmbSisin_Click(int item) {
  if (item < 0) return;
  vstJiban->SetCurrentTab(JibanPage(item));
}

void frmJiban::Backfill_Click(int page, int item) {
  const JibanPageData& data = JibanPageFor(page);
  if (item < 0 || item >= static_cast<int>(data.phi.size())) return;
  const double phi = data.phi[item];
  const WallFriction d = WallFrictionFromPhi(phi);
  SetNumBox(imnFai, phi);
  SetNumBox(imnDelt[0], d.normal);
  SetNumBox(imnDelt[1], d.seismic);
  const int cut = pages[page].cmb[1]->currentIndex();
  if (cut >= 0) SetNumBox(imnKirido, CutFaceAngle(phi, cut));
}

void frmJiban::CutFace_Click(int item) {
  if (item < 0 || imnFai->IsBlank()) return;
  SetNumBox(imnKirido, CutFaceAngle(GetNumBox(imnFai), item));
}

void frmJiban::cmdApply_Click() {
  if (doc_ == nullptr || !conditions::ConfirmApply()) return;
  QWidget* form = conditions::DataFormWidget(*doc_);
  if (!imnFai->IsBlank()) {
    doc_->Fai = GetNumBox(imnFai);
    SetNumBoxByName(form, "imnFai", -1, doc_->Fai);
  }
  for (int i = 0; i < 2; ++i) {
    if (imnDelt[i]->IsBlank()) continue;
    doc_->Setdelt(i, GetNumBox(imnDelt[i]));
    SetNumBoxByName(form, "imnDelt", i, doc_->delt(i));
  }
  if (doc_->BackType == 1 && !imnKirido->IsBlank()) {
    doc_->Deltd = GetNumBox(imnKirido);
    SetNumBoxByName(form, "imnKirido", -1, doc_->Deltd);
  }
  accept();
}

}  // namespace norva
