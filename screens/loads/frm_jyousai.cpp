#include "screens/loads/frm_jyousai.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <stdexcept>
#include <vector>

#include "document/document.h"
#include "drawing/figures/jyousai_figure.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/kajyu_fields.h"
#include "screens/loads/load_calculators.h"
#include "screens/loads/loads_rules.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

// The boxes of the loads screen's four surcharges with the dialog's own
// range and display and no hint.
const std::vector<BoxField>& SurchargeRows() {
  static const std::vector<BoxField> rows = [] {
    std::vector<BoxField> out;
    for (const KajyuField& f : KajyuFields())
      for (const char* name : {"imnAutoMobil", "imnGunsyu", "imnSnow", "imnTakuchi"})
        if (RowNamed(f, name))
          out.push_back({f.name, f.index, -99999, 99999, "##0.000", f.get, f.set, nullptr});
    return out;
  }();
  return rows;
}

const BoxField& SurchargeRow(const QString& name, int index) {
  for (const BoxField& r : SurchargeRows())
    if (r.index == index && name == QLatin1String(r.name)) return r;
  // Every box of the dialog has its row; a missing one is a fault of this file.
  throw std::logic_error("no surcharge row " + name.toStdString());
}

}  // namespace

// One tab: its frame, option pair, optional list, three boxes and button.
struct frmJyousai::Group {
  const char* caption;
  OptionArray* opt;
  int16_t CDocumentInputs::*sw;
  ControlArray<QLabel>* labels;
  QComboBox* list;
  const char* listCaption;
  ControlArray<NumberBox>* boxes;
  const char* boxCaptions[3];
  int firstUnit;
  QPushButton* button;
  void (frmJyousai::*state)();
};

frmJyousai::frmJyousai(QWidget* owner) : QDialog(owner) {
  setObjectName("frmJyousai");
  setWindowTitle(QStringLiteral("上載荷重"));
  auto* lay = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  vstLoad = new QTabWidget(this);
  vstLoad->setObjectName("vstLoad");

  cmbAutoMobil = new QComboBox(this);
  cmbAutoMobil->setObjectName("cmbAutoMobil");
  FillListQuietly(cmbAutoMobil, TloadKindList());
  cmbSnow = new QComboBox(this);
  cmbSnow->setObjectName("cmbSnow");
  cmdRefGunsyu = new QPushButton(QStringLiteral("参照"), this);
  cmdRefGunsyu->setObjectName("cmdRefGunsyu");

  using D = CDocumentInputs;
  // One group per paragraph.
  // clang-format off
  const Group groups[] = {
      {"自動車荷重", &optAutoMobil, &D::nAutoMobile, &lblAutoMobil, cmbAutoMobil, "Ｔ荷重　：",
       &imnAutoMobil, {"載荷位置：", "載荷幅　：", "荷重強度："}, 0, nullptr,
       &frmJyousai::SetAutoMobilState},
      {"群集荷重", &optGunsyu, &D::nGunsyu, &lblGunsyu, nullptr, nullptr, &imnGunsyu,
       {"載荷位置：", "載荷幅　：", "荷重強度："}, 3, cmdRefGunsyu, &frmJyousai::SetGunsyuState},
      {"雪荷重", &optSnow, &D::nSnow, &lblSnow, cmbSnow, "雪の種類：", &imnSnow,
       {"載荷位置：", "積雪深さ：", "荷重強度："}, 6, nullptr, &frmJyousai::SetSnowState},
      {"宅地荷重", &optTakuchi, &D::nTakuchi, &lblTakuchi, nullptr, nullptr, &imnTakuchi,
       {"載荷位置：", "載荷幅　：", "荷重強度："}, 9, nullptr, &frmJyousai::SetTakuchiState}};
  // clang-format on
  const char* tabs[] = {"自動車", "群集", "雪", "宅地"};
  for (int i = 0; i < 4; ++i) vstLoad->addTab(BuildPage(i, groups[i]), QString::fromUtf8(tabs[i]));
  vstLoad->setCurrentIndex(0);
  left->addWidget(vstLoad);
  left->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdApply = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  cmdApply->setObjectName("cmdApply");
  buttons->addWidget(cmdApply);
  left->addLayout(buttons);
  lay->addLayout(left);

  vsdLoad = new FigureCanvas(
      [this](cDraw& d) {
        if (m_cDoc) DrawJyousai(*m_cDoc, d);
      },
      this);
  vsdLoad->setObjectName("vsdLoad");
  // Wide enough that the wall is fitted by its height, leaving room for the
  // surcharge names at its left.
  vsdLoad->setMinimumSize(540, 340);
  lay->addWidget(vsdLoad, 1);

  // Handlers. Every change goes into the document at once.
  for (const Group& g : groups) {
    connect(g.opt, &OptionArray::Click, this, [this, g](int i) {
      if (!m_cDoc) return;
      m_cDoc->*g.sw = static_cast<int16_t>(i);
      DrawLoadDiagram();
      (this->*g.state)();
    });
    for (int i = 0; i < 3; ++i) {
      NumberBox* box = (*g.boxes)[i];
      if (g.boxes == &imnSnow) {
        connect(box, &NumberBox::LostFocus, this, [this, i] { imnSnow_LostFocus(i); });
        continue;
      }
      connect(box, &NumberBox::LostFocus, this,
              [this, box, s = g.state] { BoxLostFocus(*bound_.Of(box), s); });
    }
  }
  connect(cmbAutoMobil, &QComboBox::currentIndexChanged, this, [this] { cmbAutoMobil_Click(); });
  connect(cmbSnow, &QComboBox::currentIndexChanged, this, [this] { cmbSnow_Click(); });
  connect(cmdRefGunsyu, &QPushButton::clicked, this, [this] { cmdRefGunsyu_Click(); });
  connect(cmdApply, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* frmJyousai::BuildPage(int page, const Group& g) {
  auto* pic = picCont.Add(page, new QWidget(vstLoad));
  auto* pv = new QVBoxLayout(pic);
  auto* fra = new QGroupBox(QString::fromUtf8(g.caption), pic);
  pv->addWidget(fra);
  pv->addStretch(1);
  auto* grid = new QGridLayout(fra);
  auto* opts = new QHBoxLayout;
  auto* on = new QRadioButton(QStringLiteral("考慮する"), fra);
  auto* off = new QRadioButton(QStringLiteral("考慮しない"), fra);
  g.opt->Add(0, on);
  g.opt->Add(1, off);
  opts->addWidget(on);
  opts->addWidget(off);
  opts->addStretch(1);
  grid->addLayout(opts, 0, 0, 1, 3);
  int row = 1;
  int label = 0;
  if (g.list) {
    grid->addWidget(g.labels->Add(label++, new QLabel(QString::fromUtf8(g.listCaption), fra)), row,
                    0);
    g.list->setParent(fra);
    grid->addWidget(g.list, row++, 1, 1, 2);
  }
  for (int i = 0; i < 3; ++i, ++row) {
    const BoxField& r = SurchargeRow(g.boxes->Name(), i);
    auto* box = g.boxes->Add(i, bound_.Bind(BoundBoxes<>::MakeBox(r, fra), r));
    box->setFixedWidth(90);
    const bool intensity = i == 2;
    auto* unit = lblUnit.Add(g.firstUnit + i,
                             new QLabel(intensity ? QStringLiteral("(kN/㎡)") : "(m)", fra));
    grid->addWidget(g.labels->Add(label++, new QLabel(QString::fromUtf8(g.boxCaptions[i]), fra)),
                    row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(unit, row, 2);
  }
  if (g.button) {
    g.button->setParent(fra);
    grid->addWidget(g.button, row, 1, 1, 2, Qt::AlignRight);
  }
  grid->setColumnStretch(3, 1);
  return pic;
}

void frmJyousai::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (!doc) return;
  CDocument& d = *doc;
  ApplyUnitCaptions(static_cast<int16_t>(d.Unit), this);

  SetOptionIndex(optAutoMobil, d.nAutoMobile);
  // The list's Click rewrites the standard intensity of kinds 0 to 3.
  if (d.nAutoTload >= 0) SetListIndex(cmbAutoMobil, d.nAutoTload);
  auto boxes = [&](const char* name) {
    bound_.Fill(d, [name](const BoxField& f) { return RowNamed(f, name); });
  };
  boxes("imnAutoMobil");

  SetOptionIndex(optGunsyu, d.nGunsyu);
  boxes("imnGunsyu");

  FillListQuietly(cmbSnow, SnowKindList(d.Sisin));
  SetOptionIndex(optSnow, d.nSnow);
  if (d.nSnowType >= 0) {
    gNavLock = true;  // the stored kind's load is not derived again
    SetListIndex(cmbSnow, d.nSnowType);
    gNavLock = false;
  }
  boxes("imnSnow");

  ApplyTakuchiDefault(d);
  SetOptionIndex(optTakuchi, d.nTakuchi);
  boxes("imnTakuchi");

  SetAutoMobilState();
  SetGunsyuState();
  SetSnowState();
  SetTakuchiState();
  DrawLoadDiagram();
}

void frmJyousai::DrawLoadDiagram() { vsdLoad->Redraw(); }

// ---- Enabling ----------------------------------------------------------------

void frmJyousai::SetAutoMobilState() {
  if (!m_cDoc) return;
  const LoadsState s = SurchargeFormState(*m_cDoc);
  for (QWidget* w : {static_cast<QWidget*>(lblAutoMobil[0]), static_cast<QWidget*>(cmbAutoMobil)})
    w->setEnabled(s.autoOn);
  const bool on[] = {s.autoOn, s.autoWidth, s.autoOn};
  for (int i = 0; i < 3; ++i) {
    lblAutoMobil[i + 1]->setEnabled(on[i]);
    SetFrameEnabled(imnAutoMobil[i], on[i]);
    lblUnit[i]->setEnabled(on[i]);
  }
  if (s.autoOn) imnAutoMobil[2]->SetLocked(!s.autoLoadEditable);
}

void frmJyousai::SetGunsyuState() {
  if (!m_cDoc) return;
  const LoadsState s = SurchargeFormState(*m_cDoc);
  const bool on[] = {s.gunsyuOn, s.gunsyuWidth, s.gunsyuOn};
  for (int i = 0; i < 3; ++i) {
    lblGunsyu[i]->setEnabled(on[i]);
    SetFrameEnabled(imnGunsyu[i], on[i]);
    lblUnit[3 + i]->setEnabled(on[i]);
  }
  cmdRefGunsyu->setEnabled(s.gunsyuOn);
}

void frmJyousai::SetSnowState() {
  if (!m_cDoc) return;
  const LoadsState s = SurchargeFormState(*m_cDoc);
  lblSnow[0]->setEnabled(s.snowOn);
  cmbSnow->setEnabled(s.snowOn);
  const bool on[] = {s.snowOn, s.snowDepth, s.snowLoad};
  for (int i = 0; i < 3; ++i) {
    lblSnow[i + 1]->setEnabled(on[i]);
    SetFrameEnabled(imnSnow[i], on[i]);
    lblUnit[6 + i]->setEnabled(on[i]);
  }
  if (s.snowLoad) imnSnow[2]->SetLocked(!s.snowLoadEditable);
}

void frmJyousai::SetTakuchiState() {
  if (!m_cDoc) return;
  const LoadsState s = SurchargeFormState(*m_cDoc);
  const bool on[] = {s.takuchiOn, s.takuchiWidth, s.takuchiOn};
  for (int i = 0; i < 3; ++i) {
    lblTakuchi[i]->setEnabled(on[i]);
    SetFrameEnabled(imnTakuchi[i], on[i]);
    lblUnit[9 + i]->setEnabled(on[i]);
  }
}

// ---- Handlers ----------------------------------------------------------------

void frmJyousai::BoxLostFocus(const BoundBoxes<>::Entry& b, void (frmJyousai::*state)()) {
  if (!m_cDoc) return;
  bound_.WriteBack(b, *m_cDoc);
  DrawLoadDiagram();
  (this->*state)();
}

void frmJyousai::imnSnow_LostFocus(int index) {
  if (gNavLock || !m_cDoc) return;
  NumberBox* box = imnSnow[index];
  // Only a new depth derives the load again.
  if (NumBoxWritesBack(box) && StoreSnowBox(*m_cDoc, index, GetNumBox(box)))
    SetNumBox(imnSnow[2], m_cDoc->SnowLoad);
  DrawLoadDiagram();
  SetSnowState();
}

void frmJyousai::cmbAutoMobil_Click() {
  if (!m_cDoc) return;
  ApplyTloadKind(*m_cDoc, cmbAutoMobil->currentIndex());
  SetNumBox(imnAutoMobil[2], m_cDoc->AutoLoad);
  SetAutoMobilState();
}

void frmJyousai::cmbSnow_Click() {
  if (gNavLock || !m_cDoc || cmbSnow->currentIndex() < 0) return;
  m_cDoc->nSnowType = static_cast<int16_t>(cmbSnow->currentIndex());
  m_cDoc->SetSnowLoad();
  SetNumBox(imnSnow[2], m_cDoc->SnowLoad);
  SetSnowState();
}

void frmJyousai::cmdRefGunsyu_Click() {
  if (!m_cDoc) return;
  RunGunsyu(*m_cDoc, imnGunsyu[2], this);
  DrawLoadDiagram();
  SetGunsyuState();
}

void RunJyousai(CDocument& doc, QWidget* owner) {
  frmJyousai dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

}  // namespace norva
