// How screen 3 is laid out: the load groups, the case table and the frame.
// What the controls do is in frm_kajyu.cpp.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "screens/loads/frm_kajyu.h"
#include "screens/screen_foot.h"

namespace norva {

frmKajyu::frmKajyu() {
  setObjectName("frmKajyu");
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(6, 6, 6, 6);
  lay->setSpacing(4);
  BuildGroups();
  BuildCases();
  lay->addWidget(BuildFrame(), 1);
  WireHandlers();
}

QSize frmKajyu::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 880), std::max(least.height(), 690)};
}

NumberBox* frmKajyu::AddBox(ControlArray<NumberBox>& arr, const KajyuField& row) {
  NumberBox* box = arr.Add(row.index, bound_.Bind(BoundBoxes<KajyuField>::MakeBox(row, this), row));
  box->setFixedWidth(66);
  auto* unit = lblUnit.Add(row.unit, new QLabel(row.unitText, this));
  unit->setProperty("Tag", row.unitText);
  return box;
}

QGroupBox* frmKajyu::BuildGroup(const char* caption, OptionArray& opt, ControlArray<QLabel>& labels,
                                ControlArray<NumberBox>& boxes, int firstBoxLabel, QComboBox* list,
                                const char* listCaption, QPushButton* button) {
  auto* fra = new QGroupBox(QString::fromUtf8(caption), this);
  auto* grid = new QGridLayout(fra);
  // Tight across, so that the four groups of a row fit beside each other in a
  // document window on a 1280 pixel wide desktop.
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  auto* opts = new QHBoxLayout;
  auto* on = new QRadioButton(QStringLiteral("考慮する"), fra);
  auto* off = new QRadioButton(QStringLiteral("考慮しない"), fra);
  opt.Add(0, on);
  opt.Add(1, off);
  opts->addWidget(on);
  opts->addWidget(off);
  opts->addStretch(1);
  grid->addLayout(opts, 0, 0, 1, 3);
  int row = 1;
  if (list) {
    auto* lbl = labels.Add(0, new QLabel(QString::fromUtf8(listCaption), fra));
    grid->addWidget(lbl, row, 0);
    grid->addWidget(list, row, 1, 1, 2);
    ++row;
  }
  for (const KajyuField& f : KajyuFields()) {
    if (!RowNamed(f, boxes.Name().toUtf8().constData())) continue;
    auto* lbl = labels.Add(firstBoxLabel + f.index, new QLabel(QString::fromUtf8(f.caption), fra));
    NumberBox* box = AddBox(boxes, f);
    grid->addWidget(lbl, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(lblUnit[f.unit], row, 2);
    ++row;
  }
  if (button) grid->addWidget(button, row, 1, 1, 2, Qt::AlignRight);
  grid->setRowStretch(row + 1, 1);
  return fra;
}

// The collision has two switches, each in a frame of its own, and four boxes
// in two columns.
QGroupBox* frmKajyu::BuildCrashGroup() {
  auto* fra = fraAutoCrash.Add(0, new QGroupBox(QStringLiteral("自動車の衝突荷重"), this));
  auto* grid = new QGridLayout(fra);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setVerticalSpacing(3);
  auto* opts = new QHBoxLayout;
  int sub = 1;
  for (auto [title, opt] :
       {std::pair{"安定計算", &optAutoCrash0}, std::pair{"たて壁の設計", &optAutoCrash1}}) {
    auto* box = fraAutoCrash.Add(sub++, new QGroupBox(QString::fromUtf8(title), fra));
    auto* v = new QHBoxLayout(box);
    v->setContentsMargins(4, 0, 4, 0);
    auto* on = new QRadioButton(QStringLiteral("考慮する"), box);
    auto* off = new QRadioButton(QStringLiteral("考慮しない"), box);
    opt->Add(0, on);
    opt->Add(1, off);
    v->addWidget(on);
    v->addWidget(off);
    opts->addWidget(box);
  }
  grid->addLayout(opts, 0, 0, 1, 6);
  grid->addWidget(lblAutoCrash.Add(0, new QLabel(QStringLiteral("防護柵  ："), fra)), 1, 0);
  grid->addWidget(cmbAutoCrash, 1, 1, 1, 2);
  grid->addWidget(cmdRefAutoCrash, 1, 4, 1, 2, Qt::AlignRight);
  for (const KajyuField& f : KajyuFields()) {
    if (!RowNamed(f, "imnAutoCrash")) continue;
    const int row = 2 + f.index % 2;
    const int col = (f.index / 2) * 3;
    grid->addWidget(lblAutoCrash.Add(f.index + 1, new QLabel(QString::fromUtf8(f.caption), fra)),
                    row, col);
    grid->addWidget(AddBox(imnAutoCrash, f), row, col + 1);
    grid->addWidget(lblUnit[f.unit], row, col + 2);
  }
  grid->setRowStretch(4, 1);
  return fra;
}

void frmKajyu::BuildGroups() {
  cmbAutoMobil = new QComboBox(this);
  cmbAutoMobil->setObjectName("cmbAutoMobil");
  FillList(cmbAutoMobil, TloadKindList());
  cmbAutoMobil->setProperty("Tag", QStringLiteral("Ｔ荷重の種類を選択します。"));
  fraAutoMobil = BuildGroup("自動車荷重", optAutoMobil, lblAutoMobil, imnAutoMobil, 1, cmbAutoMobil,
                            "Ｔ荷重　：", nullptr);
  fraAutoMobil->setObjectName("fraAutoMobil");

  cmdRefGunsyu = new QPushButton(QStringLiteral("参照"), this);
  cmdRefGunsyu->setObjectName("cmdRefGunsyu");
  fraGunsyu =
      BuildGroup("群集荷重", optGunsyu, lblGunsyu, imnGunsyu, 0, nullptr, nullptr, cmdRefGunsyu);
  fraGunsyu->setObjectName("fraGunsyu");

  cmbSnow = new QComboBox(this);
  cmbSnow->setObjectName("cmbSnow");
  cmbSnow->setProperty("Tag", QStringLiteral("雪荷重の種類を選択します。雪だけが荷重としてかかる"
                                             "場合の雪の単位重量はP=3.5kN/m2とします。"));
  fraSnow = BuildGroup("雪荷重", optSnow, lblSnow, imnSnow, 1, cmbSnow, "雪の種類：", nullptr);
  fraSnow->setObjectName("fraSnow");

  fraTakuchi =
      BuildGroup("宅地荷重", optTakuchi, lblTakuchi, imnTakuchi, 0, nullptr, nullptr, nullptr);
  fraTakuchi->setObjectName("fraTakuchi");

  cmbAutoCrash = new QComboBox(this);
  cmbAutoCrash->setObjectName("cmbAutoCrash");
  FillList(cmbAutoCrash, FenceKindList(0));
  cmbAutoCrash->setProperty("Tag", QStringLiteral("防護柵の種類を選択します。"));
  cmdRefAutoCrash = new QPushButton(QStringLiteral("計算"), this);
  cmdRefAutoCrash->setObjectName("cmdRefAutoCrash");
  BuildCrashGroup();

  cmdStoneCrash = new QPushButton(QStringLiteral("計算"), this);
  cmdStoneCrash->setObjectName("cmdStoneCrash");
  fraStoneCrash = BuildGroup("落石の衝突荷重", optStoneCrash, lblStoneCrash, imnStoneCrash, 0,
                             nullptr, nullptr, cmdStoneCrash);
  fraStoneCrash->setObjectName("fraStoneCrash");

  cmdWind = new QPushButton(QStringLiteral("計算"), this);
  cmdWind->setObjectName("cmdWind");
  fraWind = BuildGroup("風荷重", optWind, lblWind, imnWind, 0, nullptr, nullptr, cmdWind);
  fraWind->setObjectName("fraWind");

  cmdQload = new QPushButton(QStringLiteral("図表入力"), this);
  cmdQload->setObjectName("cmdQload");
}

void frmKajyu::BuildCases() {
  fgComb = new FlexGrid(this);
  fgComb->setObjectName("fgComb");
  fgComb->verticalHeader()->setDefaultSectionSize(20);
  fgComb->setMinimumHeight(180);
  fgComb->SetCols(1);
  fgComb->SetRows(kRowNini);
  fgComb->SetColWidthTwips(0, 1605);
  CDocument blank;
  const CaseTableLayout design = MakeCaseTableLayout(blank);
  for (int r = 0; r < kRowNini; ++r)
    fgComb->SetTextMatrix(r, 0, QString::fromStdString(design.labels[r]));
  fgComb->setRowHidden(kRowDoat, true);

  imtLoadName = new TextBox(this);
  imtLoadName->setObjectName("imtLoadName");
  imtLoadName->SetMaxChars(30);
  imtLoadName->SetTag(QStringLiteral("荷重ケース名を30文字以内で入力します。"));
  cmdCase.Add(0, new QPushButton(QStringLiteral("荷重ｹｰｽ追加"), this));
  cmdCase.Add(1, new QPushButton(QStringLiteral("荷重ｹｰｽ削除"), this));
  cmdKajyuComb = new QPushButton(QStringLiteral("荷重ｹｰｽ初期化"), this);
  cmdKajyuComb->setObjectName("cmdKajyuComb");
  cmdKajyuComb->setProperty(
      "Tag", QStringLiteral("荷重ケースを他の入力項目の入力状況より自動で決定します。"));
  cmdNini = new QPushButton(QStringLiteral("任意荷重"), this);
  cmdNini->setObjectName("cmdNini");
  cmdNini->setProperty("Tag", QStringLiteral("任意荷重を考慮する場合はクリックして下さい。"));
  Label1 = new QLabel(QStringLiteral("※注意"), this);
  Label1->setObjectName("Label1");
  Label2.Add(0, new QLabel(QStringLiteral("各種安全率の数値は荷重条件を変更すると自動的に"), this));
  Label2.Add(1, new QLabel(QStringLiteral("標準値が設定されます。"), this));
}

QWidget* frmKajyu::BuildFrame() {
  auto* body = new QWidget(this);
  auto* v = new QVBoxLayout(body);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);
  auto section = [this](const char* title) {
    auto* l = new QLabel(QString::fromUtf8(title), this);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
  };

  auto* head1 = new QHBoxLayout;
  head1->addWidget(section("上載荷重"));
  head1->addStretch(1);
  head1->addWidget(cmdQload);
  v->addLayout(head1);
  auto* row1 = new QHBoxLayout;
  for (QGroupBox* f : {fraAutoMobil, fraGunsyu, fraSnow, fraTakuchi}) row1->addWidget(f, 1);
  v->addLayout(row1);
  v->addWidget(section("水平荷重"));
  auto* row2 = new QHBoxLayout;
  row2->addWidget(fraAutoCrash[0], 2);
  row2->addWidget(fraStoneCrash, 1);
  row2->addWidget(fraWind, 1);
  v->addLayout(row2);

  v->addWidget(section("荷重の組合せ"));
  auto* cases = new QHBoxLayout;
  cases->addWidget(fgComb, 1);
  auto* sidePanel = new QWidget(this);
  sidePanel->setFixedWidth(230);
  auto* side = new QVBoxLayout(sidePanel);
  side->setContentsMargins(0, 0, 0, 0);
  side->addWidget(new QLabel(QStringLiteral("荷重ケース名："), this));
  side->addWidget(imtLoadName);
  auto* addDel = new QHBoxLayout;
  addDel->addWidget(cmdCase[0]);
  addDel->addWidget(cmdCase[1]);
  side->addLayout(addDel);
  side->addWidget(cmdKajyuComb);
  side->addWidget(cmdNini);
  side->addSpacing(8);
  side->addWidget(Label1);
  side->addWidget(Label2[0]);
  side->addWidget(Label2[1]);
  side->addStretch(1);
  cases->addWidget(sidePanel);
  v->addLayout(cases, 1);

  imtHelp = MakeHelpBox(this, 44);
  cmdAntResult = new QPushButton(QStringLiteral("安定計算結果更新"), this);
  cmdAntResult->setObjectName("cmdAntResult");
  MakeStepButtons(this, cmdPrevious, cmdNext);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(imtHelp, 1);
  bottom->addWidget(cmdAntResult);
  bottom->addSpacing(12);
  bottom->addWidget(cmdPrevious);
  bottom->addWidget(cmdNext);
  v->addLayout(bottom);
  return body;
}

}  // namespace norva
