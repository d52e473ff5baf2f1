#include "screens/conditions/frm_pp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/form_parts.h"
#include "screens/member_access.h"
#include "shell/small_windows.h"

namespace norva {

namespace {

// An input with its caption and unit; it has no hint.
struct PpField : BoxField {
  NumberBox* frmPp::*box;
  const char* caption;
  const char* unit;
};

#define NORVA_M(member) &GetMember<&CDocumentInputs::member>, &SetMember<&CDocumentInputs::member>

const PpField kInputs[7] = {
    {{"imnH", -1, 0.001, 99.999, "#0.000", NORVA_M(JyudoH), nullptr},
     &frmPp::imnH,
     "土圧が作用する高さ  Ｈ:",
     "(m)"},
    {{"imnGam", -1, 0.01, 99.99, "#0.00", NORVA_M(JyudoGam), nullptr},
     &frmPp::imnGam,
     "土の単位体積重量    γ:",
     "(kN/m3)"},
    {{"imnFai", -1, 0, 60, "#0.00", NORVA_M(JyudoFai), nullptr},
     &frmPp::imnFai,
     "土の内部摩擦角　    φ:",
     "(度)"},
    {{"imnDelt", -1, -60, 60, "#0.00", NORVA_M(JyudoDelt), nullptr},
     &frmPp::imnDelt,
     "壁面摩擦角 (*1)     δ:",
     "(度)"},
    {{"imnAlpha", -1, -60, 60, "#0.00", NORVA_M(JyudoAlp), nullptr},
     &frmPp::imnAlpha,
     "壁面傾斜角 (*1)     α:",
     "(度)"},
    {{"imnI", -1, 0, 60, "#0.00", NORVA_M(JyudoI), nullptr},
     &frmPp::imnI,
     "地表面の傾斜角 (*1) ｉ:",
     "(度)"},
    {{"imnKh", -1, 0, 60, "#0.00", NORVA_M(JyudoKh), nullptr},
     &frmPp::imnKh,
     "設計水平震度      　kh:",
     ""},
};

#undef NORVA_M

NumberBox* CaptionBox(const QString& name, const QString& caption, double lo, double hi,
                      const QString& mask, QWidget* parent) {
  auto* b = new NumberBox(lo, hi, mask, parent);
  b->setObjectName(name);
  b->SetCaption(caption);
  b->setMinimumWidth(260);
  return b;
}

}  // namespace

frmPp::frmPp(QWidget* owner) : QDialog(owner) {
  setObjectName("frmPp");
  setWindowTitle(QStringLiteral("受働土圧の算出"));
  auto* lay = new QVBoxLayout(this);
  auto* inputs = new QGridLayout;
  int row = 0;
  for (const PpField& s : kInputs) {
    NumberBox* b = CaptionBox(s.name, QString::fromUtf8(s.caption), s.lo, s.hi,
                              QString::fromUtf8(s.mask), this);
    this->*s.box = inputs_.Bind(b, s);
    inputs->addWidget(b, row, 0);
    inputs->addWidget(new QLabel(QString::fromUtf8(s.unit), this), row, 1);
    ++row;
  }
  Command1 = conditions::PictureButton("Command1", kDeltaButtonPicture, this, 32);
  inputs->addWidget(Command1, 3, 2, 3, 1, Qt::AlignCenter);
  chkPrn = new QCheckBox(QStringLiteral("出力する"), this);
  chkPrn->setObjectName("chkPrn");
  inputs->addWidget(chkPrn, row, 0);
  lay->addLayout(inputs);
  Label1 = conditions::NamedLabel(
      "Label1", QStringLiteral("(*1):反時計回りの角度は負の値で入力してください。"), this);
  lay->addWidget(Label1);

  fraPp = new QGroupBox(QStringLiteral("受働土圧"), this);
  fraPp->setObjectName("fraPp[1]");
  fraPp->setProperty("Index", 1);
  auto* results = new QGridLayout(fraPp);
  for (int i = 0; i < 2; ++i) {
    imnKp[i] = CaptionBox(QStringLiteral("imnKp[%1]").arg(i),
                          i == 0 ? QStringLiteral("受働土圧係数 Kp 常　時:")
                                 : QStringLiteral("                 地震時:"),
                          0, 99.999, QStringLiteral("#0.000"), fraPp);
    imnPp[i] = CaptionBox(QStringLiteral("imnPp[%1]").arg(i),
                          i == 0 ? QStringLiteral("受働土圧     Pp 常　時:")
                                 : QStringLiteral("                 地震時:"),
                          0, 9999.99, QStringLiteral("###0.00"), fraPp);
    for (NumberBox* b : {imnKp[i], imnPp[i]}) {
      b->setProperty("Index", i);
      b->SetLocked(true);
      b->setFocusPolicy(Qt::NoFocus);
    }
    results->addWidget(imnKp[i], i, 0);
    results->addWidget(imnPp[i], 2 + i, 0);
    results->addWidget(new QLabel(QStringLiteral("(kN/m)"), fraPp), 2 + i, 1);
  }
  lay->addWidget(fraPp);

  conditions::ApplyCloseStrip(this, lay, cmdApply, cmdClose);
  cmdApply->setEnabled(false);

  for (NumberBox* b : inputs_.Boxes()) connect(b, &NumberBox::Change, this, &frmPp::CalcPp);
  connect(cmdApply, &QPushButton::clicked, this, &frmPp::cmdApply_Click);
  connect(Command1, &QPushButton::clicked, this, &frmPp::Command1_Click);
}

void frmPp::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  inputs_.Fill(*doc_);
  SetCheckValue(chkPrn, doc_->JyudoPrn);
}

void frmPp::CalcPp() {
  const PpInputs in{GetNumBox(imnH),     GetNumBox(imnGam), GetNumBox(imnFai), GetNumBox(imnDelt),
                    GetNumBox(imnAlpha), GetNumBox(imnI),   GetNumBox(imnKh)};
  result_ = norva::CalcPp(in);
  if (!result_) {
    for (int n = 0; n < 2; ++n) {
      imnKp[n]->SetBlank();
      imnPp[n]->SetBlank();
    }
    return;
  }
  cmdApply->setEnabled(true);
  for (int n = 0; n < 2; ++n) {
    SetNumBox(imnKp[n], result_->Kp[n]);
    SetNumBox(imnPp[n], result_->Pp[n]);
  }
}

void frmPp::cmdApply_Click() {
  if (doc_ == nullptr || !conditions::ConfirmApply()) return;
  // A box showing blank for a stored value it cannot hold keeps that value.
  inputs_.WriteBackAll(*doc_);
  doc_->JyudoPrn = static_cast<int16_t>(GetCheckValue(chkPrn));
  if (!result_) return;
  QWidget* form = conditions::DataFormWidget(*doc_);
  for (int n = 0; n < 2; ++n) {
    doc_->SetPp(n, result_->Pp[n]);
    SetNumBoxByName(form, "imnPp", n, doc_->Pp(n));
  }
}

void frmPp::Command1_Click() {
  frmDeltaHelp dlg(this);
  dlg.exec();
}

}  // namespace norva
