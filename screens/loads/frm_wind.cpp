#include "screens/loads/frm_wind.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/load_dialogs.h"

namespace norva {

frmWind::frmWind(QWidget* owner) : QDialog(owner) {
  setObjectName("frmWind");
  setWindowTitle(QStringLiteral("風荷重"));
  auto* lay = new QVBoxLayout(this);

  auto* options = fraWind.Add(0, new QGroupBox(QStringLiteral("風荷重"), this));
  auto* ov = new QVBoxLayout(options);
  const char* captions[] = {"風上側　ｐ = 2 kN/m2", "風下側　ｐ = 1 kN/m2", "その他"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(captions[i]), options);
    optWind.Add(i, b);
    ov->addWidget(b);
  }
  lay->addWidget(options);

  auto* formula = fraWind.Add(1, new QGroupBox(QString(), this));
  auto* fv = new QVBoxLayout(formula);
  int label = 0;
  auto text = [this, formula, &label](const QString& t) {
    return lblWind.Add(label++, NewLabel(t, formula));
  };
  // The symbolic formula.
  auto* line1 = new QHBoxLayout;
  line1->addWidget(text(QStringLiteral("ｐ = ")));
  line1->addWidget(NewFraction({text("1")}, {text("2")}, formula));
  line1->addWidget(text(QStringLiteral("ρ･Ｕd<sup>2</sup>･Ｃd･Ｇ･α")));
  line1->addStretch(1);
  fv->addLayout(line1);

  // The factors: the editable box (Index 0) and its copy in the second line
  // (Index 1), display fields.
  struct Factor {
    ControlArray<NumberBox>* arr;
    const char* symbol;
    const char* mask;
    double hi;
    double value;
    int unit;  // lblUnit Index, -1 none
    const char* unitText;
  };
  const WindFactors defaults;
  const Factor factors[] = {{&imnRou, "ρ", "#0.000", 99.999, defaults.rho, 0, "(kg/m3)"},
                            {&imnUd, "Ｕd", "##0.00", 999.99, defaults.Ud, 1, "(m/s)"},
                            {&imnCd, "Ｃd", "#0.00", 99.99, defaults.Cd, -1, nullptr},
                            {&imnG, "Ｇ", "#0.00", 99.99, defaults.G, -1, nullptr},
                            {&imnAlp, "α", "#0.00", 99.99, defaults.alpha, -1, nullptr}};
  auto* inputs = new QGridLayout;
  int row = 0;
  for (const Factor& f : factors) {
    for (int i = 0; i < 2; ++i) {
      auto* box = f.arr->Add(i, new NumberBox(0, f.hi, f.mask, formula));
      box->setFixedWidth(70);
    }
    inputs->addWidget(text(QString::fromUtf8(f.symbol)), row, 0);
    inputs->addWidget((*f.arr)[0], row, 1);
    if (f.unit >= 0) inputs->addWidget(lblUnit.Add(f.unit, NewLabel(f.unitText, formula)), row, 2);
    ++row;
  }
  inputs->setColumnStretch(3, 1);
  fv->addLayout(inputs);

  auto* line2 = new QHBoxLayout;
  line2->setSpacing(3);
  line2->addWidget(text("="));
  line2->addWidget(NewFraction({text("1")}, {text("2")}, formula));
  line2->addWidget(text(QStringLiteral("×")));
  line2->addWidget(imnRou[1]);
  line2->addWidget(text(QStringLiteral("×")));
  line2->addWidget(imnUd[1]);
  line2->addWidget(text(QStringLiteral("<sup>2</sup> ×")));
  line2->addWidget(imnCd[1]);
  line2->addWidget(text(QStringLiteral("×")));
  line2->addWidget(imnG[1]);
  line2->addWidget(text(QStringLiteral("×")));
  line2->addWidget(imnAlp[1]);
  line2->addWidget(text(QStringLiteral("/ 1000 =")));
  imnP = new NumberBox(0, 9999999.999, "######0.000", formula);
  imnP->setObjectName("imnP");
  imnP->setFixedWidth(90);
  line2->addWidget(imnP);
  line2->addWidget(lblUnit.Add(3, NewLabel("(kN/m2)", formula)));
  line2->addStretch(1);
  fv->addLayout(line2);
  lay->addWidget(formula);

  lblHelp = NewLabel(QStringLiteral("【道路土工 擁壁工指針】のP.60に記載の式です。"), this);
  lblHelp->setObjectName("lblHelp");
  lay->addWidget(lblHelp);

  lay->addLayout(ApplyCloseRow(this, QStringLiteral("適用(&A)"), &cmdApply, &cmdClose));

  connect(&optWind, &OptionArray::Click, this, [this](int i) { optWind_Click(i); });
  for (const Factor& f : factors)
    for (const auto& [i, box] : *f.arr)
      connect(box, &NumberBox::Change, this,
              [this, arr = f.arr, i = i] { Factor_Change(*arr, i); });
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });

  // Form load: the defaults into the inputs, then into their copies.
  for (const Factor& f : factors) SetNumBox((*f.arr)[0], f.value);
  for (const Factor& f : factors) SetNumBox((*f.arr)[1], f.value);
  SetWindState();
  // Nothing to apply until an option is chosen.
  cmdApply->setEnabled(false);
}

void frmWind::Factor_Change(ControlArray<NumberBox>& factor, int index) {
  if (index != 0) return;
  SetNumBox(factor[1], GetNumBox(factor[0]));
  CalcWindLoad();
}

void frmWind::CalcWindLoad() {
  const WindFactors f{GetNumBox(imnRou[0]), GetNumBox(imnUd[0]), GetNumBox(imnCd[0]),
                      GetNumBox(imnG[0]), GetNumBox(imnAlp[0])};
  p_ = WindPressure(f);
  if (p_)
    SetNumBox(imnP, *p_);
  else
    imnP->SetBlank();  // a blank factor gives no result
}

void frmWind::SetWindState() {
  const bool v = GetOptionIndex(optWind) == 2;
  for (auto* arr : {&imnRou, &imnUd, &imnCd, &imnG, &imnAlp})
    for (const auto& [i, box] : *arr) SetFrameEnabled(box, v);
  SetFrameEnabled(imnP, v);
  if (v) {
    // The copies and the result look like display fields while enabled.
    for (auto* arr : {&imnRou, &imnUd, &imnCd, &imnG, &imnAlp}) (*arr)[1]->SetLocked(true);
    imnP->SetLocked(true);
  }
  fraWind[1]->setEnabled(v);
  for (const auto& [i, l] : lblWind) l->setEnabled(v);
  for (int i : {0, 1, 3}) lblUnit[i]->setEnabled(v);
}

void frmWind::optWind_Click(int index) {
  switch (index) {
    case 0:
      p_ = 2.0;
      break;
    case 1:
      p_ = 1.0;
      break;
    case 2:
      CalcWindLoad();
      break;
    default:
      break;
  }
  SetWindState();
  cmdApply->setEnabled(GetOptionIndex(optWind) >= 0);
}

void frmWind::cmdApply_Click() {
  // "その他" with a blank factor: there is no pressure to write.
  if (!m_cDoc || GetOptionIndex(optWind) < 0 || !p_) return;
  if (!AskApply()) return;
  m_cDoc->WindLoad = *p_;
  SetScreenBox(*m_cDoc, "imnWind", 2, *p_);
}

void RunWind(CDocument& doc, QWidget* owner) {
  frmWind dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

}  // namespace norva
