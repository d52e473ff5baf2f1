#include "screens/conditions/frm_antei.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/form_parts.h"
#include "screens/conditions/frm_pp.h"
#include "screens/conditions/frm_qa.h"
#include "shell/document_forms.h"
#include "shell/small_windows.h"

namespace norva {

using conditions::AddLabel;
using conditions::AttachSubscript;
using conditions::NamedLabel;
using conditions::TitleBar;

using conditions::Frame;

namespace {

// A symbol label with its subscript, e.g. "φ" and "B".
QLabel* Symbol(ControlArray<QLabel>& arr, const QString& text, const QString& prefix,
               const QString& sub, QWidget* parent) {
  QLabel* base = AddLabel(arr, 0, text, parent);
  AttachSubscript(base, AddLabel(arr, 1, sub, parent), prefix);
  return base;
}

const QString kDegree = QStringLiteral("(度)");
const QString kStress = QStringLiteral("(kN/㎡)");
const QString kWeight = QStringLiteral("(kN/m3)");
const QString kMetre = QStringLiteral("(m)");

}  // namespace

frmAntei::frmAntei() : InputScreen(2, "frmAntei") {
  AddFields(AnteiFields(), this);
  QWidget* left = BuildStability();
  QWidget* right = BuildGround();
  LayOutColumns(left, right);

  conditions::HintOnFocus(chkPp, imtHelp, QString());
  for (const auto& [i, b] : optTentou->Members()) conditions::HintOnFocus(b, imtHelp, QString());

  connect(optTentou, &OptionArray::Click, this, [this](int i) {
    Run([i](CDocument& d) { AnteiTentouClick(d, i); });
    SetFormState();
  });
  connect(optSlide, &OptionArray::Click, this, [this](int i) {
    bool untick = false;
    Run([&](CDocument& d) { untick = AnteiSlideClick(d, i); });
    if (untick) SetCheckValue(chkPp, 0);
    SetFormState();
  });
  connect(chkPp, &QCheckBox::toggled, this, [this](bool on) {
    Run([on](CDocument& d) { d.nJyudo = on ? 1 : 0; });
    SetFormState();
  });
  connect(chkQa, &QCheckBox::toggled, this, [this](bool on) {
    Run([on](CDocument& d) { d.nQa = on ? 1 : 0; });
    SetFormState();
  });
  connect(cmdJyudo, &QPushButton::clicked, this, &frmAntei::cmdJyudo_Click);
  connect(cmdSijiRef, &QPushButton::clicked, this, &frmAntei::cmdSijiRef_Click);
  connect(cmdAntHelp, &QPushButton::clicked, this,
          [] { ShowHelpPage(QStringLiteral("/help/antei.htm")); });
}

QWidget* frmAntei::BuildStability() {
  auto* col = new QWidget(this);
  auto* lay = new QVBoxLayout(col);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(3);
  auto* title = new TitleBar(QStringLiteral("安定計算"), col);
  cmdAntHelp = conditions::PictureButton("cmdAntHelp", kHelpButtonPicture, title);
  title->AddButton(cmdAntHelp);
  lay->addWidget(title);

  fraTentou = Frame("fraTentou", QStringLiteral("転倒に対する検討"), col);
  auto* tentou = new QVBoxLayout(fraTentou);
  conditions::Tight(tentou);
  optTentou = new OptionArray("optTentou", this);
  for (const auto& [i, text] : {std::pair{0, "偏心量で照査"}, std::pair{1, "安全率で照査"},
                                std::pair{3, "示力線法により照査"}}) {
    auto* b = new QRadioButton(QString::fromUtf8(text), fraTentou);
    optTentou->Add(i, b);
    tentou->addWidget(b);
  }
  lay->addWidget(fraTentou);

  fraKatsudou = Frame("fraKatsudou", QStringLiteral("滑動に対する検討"), col);
  auto* slide = new QGridLayout(fraKatsudou);
  conditions::Tight(slide);
  optSlide = new OptionArray("optSlide", this);
  auto* options = new QHBoxLayout;
  for (const auto& [i, text] : {std::pair{1, "検討する"}, std::pair{0, "検討しない"}}) {
    auto* b = new QRadioButton(QString::fromUtf8(text), fraKatsudou);
    optSlide->Add(i, b);
    options->addWidget(b);
  }
  options->addStretch(1);
  slide->addLayout(options, 0, 0, 1, 4);
  chkPp = new QCheckBox(QStringLiteral("前面受働土圧を考慮する"), fraKatsudou);
  chkPp->setObjectName("chkPp");
  cmdJyudo = new QPushButton(QStringLiteral("計算"), fraKatsudou);
  cmdJyudo->setObjectName("cmdJyudo");
  slide->addWidget(chkPp, 1, 0, 1, 2);
  slide->addWidget(cmdJyudo, 1, 2);
  auto* pp1 = AddLabel(lblPp, 1, QStringLiteral("地震時："), fraKatsudou);
  pp1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* rows = new QGridLayout;
  PlaceRow(rows, 0, AddLabel(lblPp, 0, QStringLiteral("受働土圧合力 常　時："), fraKatsudou),
           "imnPp", 0, AddLabel(lblUnit, 0, QStringLiteral("(kN/m)"), fraKatsudou));
  PlaceRow(rows, 1, pp1, "imnPp", 1, AddLabel(lblUnit, 1, QStringLiteral("(kN/m)"), fraKatsudou));
  rows->setColumnStretch(3, 1);
  slide->addLayout(rows, 2, 0, 1, 4);
  lay->addWidget(fraKatsudou);
  lay->addStretch(1);
  return col;
}

QWidget* frmAntei::BuildGround() {
  auto* col = new QWidget(this);
  auto* lay = new QVBoxLayout(col);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(3);
  lay->addWidget(new TitleBar(QStringLiteral("基礎地盤"), col));

  fraSiji = Frame("fraSiji[0]", QStringLiteral("支持地盤の支持力に対する検討"), col);
  fraSiji->setProperty("Index", 0);
  auto* siji = new QGridLayout(fraSiji);
  conditions::Tight(siji);
  chkQa = new QCheckBox(QStringLiteral("入力値を用いる"), fraSiji);
  chkQa->setObjectName("chkQa");
  cmdSijiRef = new QPushButton(QStringLiteral("参照"), fraSiji);
  cmdSijiRef->setObjectName("cmdSijiRef");
  siji->addWidget(chkQa, 0, 0, 1, 2);
  siji->addWidget(cmdSijiRef, 0, 2);
  siji->addWidget(AddLabel(lblQa, 1, QStringLiteral("許容支持力度"), fraSiji), 1, 0);
  auto* qa = new QGridLayout;
  PlaceRow(qa, 0, AddLabel(lblQa, 0, QStringLiteral("ｑa  :"), fraSiji), "imnQa", -1,
           AddLabel(lblUnit, 3, kStress, fraSiji));
  qa->setColumnStretch(3, 1);
  siji->addLayout(qa, 2, 0, 1, 3);
  siji->addWidget(
      AddLabel(lblQa, 2, QStringLiteral("常時(長期)の許容支持力度を入力してください。"), fraSiji),
      3, 0, 1, 3);
  lay->addWidget(fraSiji);

  fraBetween = Frame("fraBetween", QStringLiteral("底面と地盤の間の定数"), col);
  auto* between = new QGridLayout(fraBetween);
  conditions::Tight(between);
  PlaceRow(between, 0,
           Symbol(lblFaib, QStringLiteral("摩擦角　　φ　 :"), QStringLiteral("摩擦角　　φ"),
                  QStringLiteral("B"), fraBetween),
           "imnFaib", -1, AddLabel(lblUnit, 4, kDegree, fraBetween));
  lblMyu = NamedLabel("lblMyu", QStringLiteral("摩擦係数　μ　 :"), fraBetween);
  PlaceRow(between, 1, lblMyu, "imnMyu", -1, nullptr);
  PlaceRow(between, 2,
           Symbol(lblCb, QStringLiteral("付着力　　ｃ　 :"), QStringLiteral("付着力　　ｃ"),
                  QStringLiteral("B"), fraBetween),
           "imnCb", -1, AddLabel(lblUnit, 6, kStress, fraBetween));
  between->setColumnStretch(3, 1);
  lay->addWidget(fraBetween);

  fraSijiJiban = Frame("fraSijiJiban", QStringLiteral("支持地盤の定数"), col);
  auto* bearing = new QGridLayout(fraSijiJiban);
  conditions::Tight(bearing);
  lblSijiFai = NamedLabel("lblSijiFai", QStringLiteral("せん断抵抗角 φ :"), fraSijiJiban);
  PlaceRow(bearing, 0, lblSijiFai, "imnSijiFai", -1, AddLabel(lblUnit, 7, kDegree, fraSijiJiban));
  lblSijiC = NamedLabel("lblSijiC", QStringLiteral("粘着力　　　 ｃ :"), fraSijiJiban);
  PlaceRow(bearing, 1, lblSijiC, "imnSijiC", -1, AddLabel(lblUnit, 8, kStress, fraSijiJiban));
  PlaceRow(bearing, 2,
           Symbol(lblSijiGam1, QStringLiteral("単位重量　　 γ :"), QStringLiteral("単位重量　　 γ"),
                  QStringLiteral("1"), fraSijiJiban),
           "imnSijiGam1", -1, AddLabel(lblUnit, 9, kWeight, fraSijiJiban));
  PlaceRow(bearing, 3,
           Symbol(lblDfd, QStringLiteral("根入れ深さ　 Ｄ ′:"), QStringLiteral("根入れ深さ　 Ｄ"),
                  QStringLiteral("f"), fraSijiJiban),
           "imnDfd", -1, AddLabel(lblUnit, 11, kMetre, fraSijiJiban));
  bearing->setColumnStretch(3, 1);
  lay->addWidget(fraSijiJiban);

  fraNeireJiban = Frame("fraNeireJiban", QStringLiteral("根入れ地盤の定数"), col);
  auto* embed = new QGridLayout(fraNeireJiban);
  conditions::Tight(embed);
  PlaceRow(embed, 0,
           Symbol(lblDf, QStringLiteral("根入れ深さ　 Ｄ  :"), QStringLiteral("根入れ深さ　 Ｄ"),
                  QStringLiteral("f"), fraNeireJiban),
           "imnDf", -1, AddLabel(lblUnit, 10, kMetre, fraNeireJiban));
  PlaceRow(embed, 1,
           Symbol(lblSijiGam2, QStringLiteral("単位重量　　 γ :"), QStringLiteral("単位重量　　 γ"),
                  QStringLiteral("2"), fraNeireJiban),
           "imnSijiGam2", -1, AddLabel(lblUnit, 12, kWeight, fraNeireJiban));
  embed->setColumnStretch(3, 1);
  lay->addWidget(fraNeireJiban);

  fraAE0 = Frame("fraAE0", QStringLiteral("変形係数 αＥ "), col);
  auto* ae0 = new QGridLayout(fraAE0);
  conditions::Tight(ae0);
  AttachSubscript(fraAE0, AddLabel(lblAE0, 2, QStringLiteral("0"), fraAE0),
                  QStringLiteral("変形係数 αＥ"));
  PlaceRow(ae0, 1, AddLabel(lblAE0, 0, QStringLiteral("背面地盤 :"), fraAE0), "imnAE0", 0,
           AddLabel(lblUnit, 13, kStress, fraAE0));
  PlaceRow(ae0, 2, AddLabel(lblAE0, 1, QStringLiteral("支持地盤 :"), fraAE0), "imnAE0", 1,
           AddLabel(lblUnit, 14, kStress, fraAE0));
  ae0->setColumnStretch(3, 1);
  lay->addWidget(fraAE0);
  lay->addStretch(1);
  return col;
}

void frmAntei::DataSet() {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  ApplyUnitCaptions(static_cast<int16_t>(d.Unit), this);
  if (d.nTentou == 3 && d.WallType() != 0) d.nTentou = 0;
  SetOptionIndex(*optTentou, d.nTentou);
  if (d.nWater != 0 && d.nWlvlAuto != 0) optTentou->Item(3)->setEnabled(false);
  SetOptionIndex(*optSlide, d.ChkSlide);
  if (d.nJyudo != 1) d.nJyudo = 0;
  SetCheckValue(chkPp, d.nJyudo);
  FillBoxes("imnPp");
  if (d.nQa == 1 || d.nQa == 0) SetCheckValue(chkQa, d.nQa);
  for (const char* name : {"imnQa", "imnFaib", "imnMyu", "imnCb", "imnSijiFai", "imnSijiC",
                           "imnSijiGam1", "imnDf", "imnDfd", "imnSijiGam2", "imnAE0"})
    FillBoxes(name);
  SetFormState();
}

void frmAntei::SetFormState() {
  if (doc_ == nullptr) return;
  const bool complete = DocDataState(*doc_, 2) != 0;
  const AnteiState s = AnteiFormState(*doc_, chkQa->isChecked());

  optTentou->Item(3)->setEnabled(s.thrustOption);
  for (const auto& [i, b] : optSlide->Members()) b->setEnabled(s.slideOptions);
  chkPp->setEnabled(s.passiveCheck);

  cmdJyudo->setEnabled(s.passive);
  lblPp[0]->setEnabled(s.passive);
  SetFrameEnabled(Box("imnPp", 0), s.passive);
  lblUnit[0]->setEnabled(s.passive);
  lblPp[1]->setEnabled(s.passiveQuake);
  SetFrameEnabled(Box("imnPp", 1), s.passiveQuake);
  lblUnit[1]->setEnabled(s.passiveQuake);

  for (int i = 0; i <= 2; ++i) lblQa[i]->setEnabled(s.qaGroup);
  SetFrameEnabled(Box("imnQa"), s.qaGroup);
  lblUnit[3]->setEnabled(s.qaGroup);
  cmdSijiRef->setEnabled(s.qaGroup);

  fraSijiJiban->setEnabled(s.bearingPhiC);
  lblSijiFai->setEnabled(s.bearingPhiC);
  SetFrameEnabled(Box("imnSijiFai"), s.bearingPhiC);
  lblUnit[7]->setEnabled(s.bearingPhiC);
  lblSijiC->setEnabled(s.bearingPhiC);
  SetFrameEnabled(Box("imnSijiC"), s.bearingPhiC);
  lblUnit[8]->setEnabled(s.bearingPhiC);

  for (ControlArray<QLabel>* arr : {&lblSijiGam1, &lblDfd, &lblDf, &lblSijiGam2})
    for (const auto& [i, l] : *arr) l->setEnabled(s.bearingRest);
  for (const char* box : {"imnSijiGam1", "imnDfd", "imnDf", "imnSijiGam2"})
    SetFrameEnabled(Box(box), s.bearingRest);
  for (int i : {9, 10, 11, 12}) lblUnit[i]->setEnabled(s.bearingRest);
  fraNeireJiban->setEnabled(s.bearingRest);

  fraAE0->setEnabled(s.largeBlock);
  for (const auto& [i, l] : lblAE0) l->setEnabled(s.largeBlock);
  SetFrameEnabled(Box("imnAE0", 0), s.largeBlock);
  SetFrameEnabled(Box("imnAE0", 1), s.largeBlock);
  lblUnit[13]->setEnabled(s.largeBlock);
  lblUnit[14]->setEnabled(s.largeBlock);

  lblQa[0]->setText(s.largeBlock ? QStringLiteral("ｑd  :") : QStringLiteral("ｑa  :"));
  lblQa[1]->setText(s.largeBlock ? QStringLiteral("極限支持力度") : QStringLiteral("許容支持力度"));
  lblQa[2]->setVisible(!s.largeBlock);

  cmdNext->setEnabled(complete);
}

void frmAntei::AfterLeave(const NumField& field, bool typed) {
  if (std::string_view(field.name) != "imnFaib") return;
  // μ follows φB when the engineer enters φB; passing through the box keeps
  // a μ that was entered on its own.
  if (typed) doc_->Myu = MyuFromFaib(doc_->Faib, doc_->Myu);
  SetNumBox(Box("imnMyu"), doc_->Myu);
}

bool frmAntei::event(QEvent* e) {
  // The screen's window becoming the active one refreshes the form state.
  if (e->type() == QEvent::ParentChange)
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
      connect(sub, &QMdiSubWindow::windowStateChanged, this, &frmAntei::SubWindowState,
              Qt::UniqueConnection);
  return InputScreen::event(e);
}

void frmAntei::SubWindowState(Qt::WindowStates before, Qt::WindowStates now) {
  if (!(before & Qt::WindowActive) && (now & Qt::WindowActive)) SetFormState();
}

void frmAntei::cmdJyudo_Click() {
  if (doc_ == nullptr) return;
  frmPp dlg(conditions::DialogOwner(this));
  dlg.SetDoc(doc_);
  dlg.exec();
  SetFormState();
}

void frmAntei::cmdSijiRef_Click() {
  if (doc_ == nullptr) return;
  frmQa dlg(conditions::DialogOwner(this));
  dlg.SetDoc(doc_);
  dlg.exec();
  SetFormState();
}

IScreen* MakeAnteiScreen(int) { return new frmAntei; }

}  // namespace norva
