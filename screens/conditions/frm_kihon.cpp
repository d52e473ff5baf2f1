#include "screens/conditions/frm_kihon.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cstdlib>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/form_parts.h"
#include "screens/conditions/frm_allow.h"
#include "screens/conditions/frm_jiban.h"
#include "screens/conditions/frm_ref_weight.h"
#include "shell/document_forms.h"
#include "shell/small_windows.h"

namespace norva {

using conditions::AddLabel;
using conditions::AttachSubscript;
using conditions::TitleBar;

using conditions::Frame;

namespace {

void AddOptions(OptionArray* arr, QWidget* frame, QBoxLayout* lay,
                std::initializer_list<const char*> captions) {
  int i = 0;
  for (const char* c : captions) {
    auto* b = new QRadioButton(QString::fromUtf8(c), frame);
    arr->Add(i++, b);
    lay->addWidget(b);
  }
}

const QString kDegree = QStringLiteral("(度)");
const QString kStress = QStringLiteral("(kN/㎡)");
const QString kWeight = QStringLiteral("(kN/m3)");
const QString kNmm2 = QStringLiteral("(N/mm2)");

}  // namespace

frmKihon::frmKihon() : InputScreen(0, "frmKihon") {
  AddFields(KihonFields(), this);
  QWidget* left = BuildLeft();
  QWidget* right = BuildRight();
  LayOutColumns(left, right);
  cmdPrevious->setEnabled(false);

  conditions::HintOnFocus(chkKh, imtHelp, "地震時を考慮する場合はチェック状態にして下さい。");
  for (const auto& [i, b] : optKirido->Members())
    conditions::HintOnFocus(b, imtHelp, "盛土部擁壁か切土部擁壁かを選択します。");
  for (const auto& [i, b] : optDoatsu2->Members())
    conditions::HintOnFocus(b, imtHelp, "切土部擁壁時の土圧の算出方法を選択します。");

  connect(chkKh, &QCheckBox::toggled, this, [this](bool on) {
    Run([&](CDocument& d) { d.bQuake = on ? -1 : 0; });
    SetFormState();
  });
  connect(optKirido, &OptionArray::Click, this, [this](int i) {
    Run([i](CDocument& d) { d.BackType = i; });
    SetFormState();
  });
  connect(optDoatsu2, &OptionArray::Click, this, [this](int i) {
    Run([i](CDocument& d) { d.KiriDoatsu = i; });
    SetFormState();
  });
  connect(optSecDoatsu, &OptionArray::Click, this, [this](int i) {
    Run([i](CDocument& d) { d.SecDoatsu = static_cast<int16_t>(i); });
    SetFormState();
  });
  connect(cmdJibanRef, &QPushButton::clicked, this, &frmKihon::cmdJibanRef_Click);
  connect(cmdUnitWRef, &QPushButton::clicked, this, &frmKihon::cmdUnitWRef_Click);
  connect(cmdAllowRef, &QPushButton::clicked, this, &frmKihon::cmdAllowRef_Click);
  connect(cmdPaHelp, &QPushButton::clicked, this,
          [] { ShowHelpPage(QStringLiteral("/help/SecDoatsu.htm")); });
}

QWidget* frmKihon::BuildLeft() {
  auto* col = new QWidget(this);
  auto* lay = new QVBoxLayout(col);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(3);

  lay->addWidget(new TitleBar(QStringLiteral("設計水平震度"), col));
  fraKh = Frame("fraKh", QStringLiteral("設計水平震度"), col);
  auto* kh = new QGridLayout(fraKh);
  conditions::Tight(kh);
  chkKh = new QCheckBox(QStringLiteral("地震時を考慮する"), fraKh);
  chkKh->setObjectName("chkKh");
  kh->addWidget(chkKh, 0, 0, 1, 3);
  QLabel* k0 = AddLabel(lblKh, 0, QStringLiteral("ｋ　 く　体  :"), fraKh);
  AttachSubscript(k0, AddLabel(lblKh, 1, QStringLiteral("H"), fraKh), QStringLiteral("ｋ"));
  PlaceRow(kh, 1, k0, "imnKh", 0, nullptr);
  PlaceRow(kh, 2, AddLabel(lblKh, 2, QStringLiteral("  　 裏込め土:"), fraKh), "imnKh", 1, nullptr);
  kh->setColumnStretch(3, 1);
  conditions::UnderTitleBar(fraKh);
  lay->addWidget(fraKh);

  lay->addWidget(new TitleBar(QStringLiteral("背後地盤"), col));
  fraSoilType = Frame("fraSoilType", QStringLiteral("背後地盤"), col);
  auto* soilType = new QVBoxLayout(fraSoilType);
  conditions::Tight(soilType);
  auto* kirido = new QHBoxLayout;
  optKirido = new OptionArray("optKirido", this);
  AddOptions(optKirido, fraSoilType, kirido, {"盛土部擁壁", "切土部擁壁"});
  kirido->addStretch(1);
  soilType->addLayout(kirido);
  fraDoatsu2 = Frame("fraDoatsu2", QStringLiteral("切土部擁壁時の土圧"), fraSoilType);
  auto* doatsu2 = new QVBoxLayout(fraDoatsu2);
  conditions::Tight(doatsu2);
  optDoatsu2 = new OptionArray("optDoatsu2", this);
  AddOptions(optDoatsu2, fraDoatsu2, doatsu2,
             {"裏込め土内部のすべり面と境界面の土圧を比較して大きいほうを採用する",
              "境界面での土圧を採用する"});
  soilType->addWidget(fraDoatsu2);
  fraKirido = Frame("fraKirido", QStringLiteral("切土面"), fraSoilType);
  auto* cut = new QGridLayout(fraKirido);
  conditions::Tight(cut);
  PlaceRow(cut, 0,
           AddLabel(lblKirido, 0, QStringLiteral("切土面の摩擦角       　　   :"), fraKirido),
           "imnKirido", -1, AddLabel(lblUnit, 6, kDegree, fraKirido));
  PlaceRow(cut, 1,
           AddLabel(lblKirido, 1, QStringLiteral("切土面と裏込め土の間の粘着力:"), fraKirido),
           "imnCd", -1, AddLabel(lblUnit, 7, kStress, fraKirido));
  cut->setColumnStretch(3, 1);
  soilType->addWidget(fraKirido);
  conditions::UnderTitleBar(fraSoilType);
  lay->addWidget(fraSoilType);

  auto* pressure = new TitleBar(QStringLiteral("土圧"), col);
  cmdPaHelp = conditions::PictureButton("cmdPaHelp", kHelpButtonPicture, pressure);
  pressure->AddButton(cmdPaHelp);
  lay->addWidget(pressure);
  fraSecDoatsu = Frame("fraSecDoatsu", QStringLiteral("任意位置の土圧算出方法"), col);
  auto* sec = new QVBoxLayout(fraSecDoatsu);
  conditions::Tight(sec);
  optSecDoatsu = new OptionArray("optSecDoatsu", this);
  AddOptions(
      optSecDoatsu, fraSecDoatsu, sec,
      {"逆算した土圧係数(Ka)を用いて算出する", "各断面毎に試行くさび法により最大土圧を算出する"});
  lay->addWidget(fraSecDoatsu);
  auto* allow = new TitleBar(QStringLiteral("許容応力度"), col);
  cmdAllowRef = new QPushButton(QStringLiteral("参照"), allow);
  cmdAllowRef->setObjectName("cmdAllowRef");
  allow->AddButton(cmdAllowRef);
  lay->addWidget(allow);
  fraAllow = Frame("fraAllow", QStringLiteral("許容応力度 "), col);
  auto* agrid = new QGridLayout(fraAllow);
  conditions::Tight(agrid);
  struct AllowLine {
    const char* text;
    const char* symbolPrefix;
    const char* sub;
    const char* box;
  };
  const AllowLine kAllow[5] = {
      {"設計基準強度　　　　　σ　　:", "設計基準強度　　　　　σ", "ck", "imnSgmck"},
      {"許容圧縮応力度　　　　σ　　:", "許容圧縮応力度　　　　σ", "ca", "imnSgmca"},
      {"許容引張応力度　　　　σ　　:", "許容引張応力度　　　　σ", "ta", "imnSgmta"},
      {"許容せん断応力度　　　τ　　:", "許容せん断応力度　　　τ", "a", "imnTaua"},
      {"鉄筋の許容引張応力度　σ　　:", "鉄筋の許容引張応力度　σ", "sa", "imnSgmsa"}};
  for (int i = 0; i < 5; ++i) {
    QLabel* base = AddLabel(lblAllow, 2 * i, QString::fromUtf8(kAllow[i].text), fraAllow);
    AttachSubscript(base, AddLabel(lblAllow, 2 * i + 1, QString::fromUtf8(kAllow[i].sub), fraAllow),
                    QString::fromUtf8(kAllow[i].symbolPrefix));
    PlaceRow(agrid, i, base, kAllow[i].box, -1, AddLabel(lblUnit, 15 + i, kNmm2, fraAllow));
  }
  agrid->setColumnStretch(3, 1);
  conditions::UnderTitleBar(fraAllow);
  lay->addWidget(fraAllow);
  lay->addStretch(1);
  return col;
}

QWidget* frmKihon::BuildRight() {
  auto* col = new QWidget(this);
  auto* lay = new QVBoxLayout(col);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(3);

  auto* ground = new TitleBar(QStringLiteral("地盤定数"), col);
  cmdJibanRef = new QPushButton(QStringLiteral("参照"), ground);
  cmdJibanRef->setObjectName("cmdJibanRef");
  ground->AddButton(cmdJibanRef);
  lay->addWidget(ground);
  fraSoil = Frame("fraSoil", QStringLiteral("裏込め土"), col);
  auto* soil = new QGridLayout(fraSoil);
  conditions::Tight(soil);
  PlaceRow(soil, 0, AddLabel(lblSoil, 0, QStringLiteral("内部摩擦角  φ              :"), fraSoil),
           "imnFai", -1, AddLabel(lblUnit, 1, kDegree, fraSoil));
  PlaceRow(soil, 1, AddLabel(lblSoil, 1, QStringLiteral("粘着力      ｃ    　 常　時 :"), fraSoil),
           "imnC", 0, AddLabel(lblUnit, 2, kStress, fraSoil));
  PlaceRow(soil, 2, AddLabel(lblSoil, 2, QStringLiteral("　　　　　　　　　　 地震時 :"), fraSoil),
           "imnC", 1, AddLabel(lblUnit, 3, kStress, fraSoil));
  soil->addWidget(AddLabel(lblSoil, 3, QStringLiteral("壁面摩擦角  δ"), fraSoil), 3, 0);
  auto* d0 = AddLabel(lblSoil, 4, QStringLiteral("常　時 :"), fraSoil);
  auto* d1 = AddLabel(lblSoil, 5, QStringLiteral("地震時 :"), fraSoil);
  d0->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  d1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PlaceRow(soil, 4, d0, "imnDelt", 0, AddLabel(lblUnit, 4, kDegree, fraSoil));
  PlaceRow(soil, 5, d1, "imnDelt", 1, AddLabel(lblUnit, 5, kDegree, fraSoil));
  soil->setColumnStretch(3, 1);
  lay->addWidget(fraSoil);

  auto* weights = new TitleBar(QStringLiteral("単位重量"), col);
  cmdUnitWRef = new QPushButton(QStringLiteral("参照"), weights);
  cmdUnitWRef->setObjectName("cmdUnitWRef");
  weights->AddButton(cmdUnitWRef);
  lay->addWidget(weights);
  fraWeight[0] = Frame("fraWeight[0]", QStringLiteral("単位重量           "), col);
  auto* wgrid = new QGridLayout(fraWeight[0]);
  conditions::Tight(wgrid);
  const char* const kGroups[4] = {"裏込め土", "前面土砂", "コンクリート", "その他"};
  const char* const kRows[7] = {"湿潤重量 :", "水中重量 :", "湿潤重量 :", "水中重量 :",
                                "壁部     :", "基礎部   :", "水       :"};
  const int kFirst[5] = {0, 2, 4, 6, 7};
  for (int g = 0; g < 4; ++g) {
    QGroupBox* f = Frame(QStringLiteral("fraWeight[%1]").arg(g + 1), QString::fromUtf8(kGroups[g]),
                         fraWeight[0]);
    fraWeight[g + 1] = f;
    auto* grid = new QGridLayout(f);
    conditions::Tight(grid);
    for (int i = kFirst[g]; i < kFirst[g + 1]; ++i)
      PlaceRow(grid, i - kFirst[g], AddLabel(lblWeight, i, QString::fromUtf8(kRows[i]), f),
               "imnUnitW", i, AddLabel(lblUnit, 8 + i, kWeight, f));
    wgrid->addWidget(f, g, 0);
  }
  conditions::UnderTitleBar(fraWeight[0]);
  lay->addWidget(fraWeight[0]);

  lay->addStretch(1);
  return col;
}

void frmKihon::DataSet() {
  if (doc_ == nullptr) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  SetKihonDefault(*doc_);
  SetCheckValue(chkKh, std::abs(doc_->bQuake));
  FillBoxes("imnKh");
  SetOptionIndex(*optKirido, doc_->BackType);
  SetOptionIndex(*optDoatsu2, doc_->KiriDoatsu);
  for (const char* name : {"imnUnitW", "imnFai", "imnC", "imnDelt", "imnKirido", "imnCd",
                           "imnSgmck", "imnSgmca", "imnSgmta", "imnTaua", "imnSgmsa"})
    FillBoxes(name);
  SetOptionIndex(*optSecDoatsu, doc_->SecDoatsu);
  SetFormState();
}

void frmKihon::SetFormState() {
  if (doc_ == nullptr) return;
  const bool complete = DocDataState(*doc_, 0) != 0;
  const KihonState s = KihonFormState(*doc_);

  for (int i = 0; i <= 2; ++i) lblKh[i]->setEnabled(s.quake);
  SetFrameEnabled(Box("imnKh", 0), s.quake);
  SetFrameEnabled(Box("imnKh", 1), s.quake);
  lblSoil[5]->setEnabled(s.quake);
  SetFrameEnabled(Box("imnDelt", 1), s.quake);
  lblUnit[5]->setEnabled(s.quake);

  for (const auto& [i, b] : optKirido->Members()) b->setEnabled(s.wedge);
  lblSoil[1]->setEnabled(s.wedge);
  SetFrameEnabled(Box("imnC", 0), s.wedge);
  lblUnit[2]->setEnabled(s.wedge);
  fraSecDoatsu->setEnabled(s.wedge);
  for (const auto& [i, b] : optSecDoatsu->Members()) b->setEnabled(s.wedge);

  lblSoil[2]->setEnabled(s.wedgeQuake);
  SetFrameEnabled(Box("imnC", 1), s.wedgeQuake);
  lblUnit[3]->setEnabled(s.wedgeQuake);

  fraDoatsu2->setEnabled(s.cutFace);
  for (const auto& [i, b] : optDoatsu2->Members()) b->setEnabled(s.cutFace);
  fraKirido->setEnabled(s.cutFace);
  for (int i : {0, 1}) lblKirido[i]->setEnabled(s.cutFace);
  for (int i : {6, 7}) lblUnit[i]->setEnabled(s.cutFace);
  SetFrameEnabled(Box("imnKirido"), s.cutFace);
  SetFrameEnabled(Box("imnCd"), s.cutFace);

  lblWeight[5]->setEnabled(s.footing);
  SetFrameEnabled(Box("imnUnitW", 5), s.footing);

  cmdNext->setEnabled(complete);
}

void frmKihon::cmdAllowRef_Click() {
  if (doc_ == nullptr) return;
  frmAllow dlg(conditions::DialogOwner(this));
  dlg.SetDoc(doc_);
  dlg.exec();
  SetFormState();
}

void frmKihon::cmdJibanRef_Click() {
  if (doc_ == nullptr) return;
  frmJiban dlg(conditions::DialogOwner(this));
  dlg.SetDoc(doc_);
  dlg.exec();
  SetFormState();
}

void frmKihon::cmdUnitWRef_Click() {
  if (doc_ == nullptr) return;
  frmRefWeight dlg(conditions::DialogOwner(this));
  dlg.SetDoc(doc_);
  dlg.SetFrm(this);
  dlg.exec();
  SetFormState();
}

IScreen* MakeKihonScreen(int) { return new frmKihon; }

}  // namespace norva
