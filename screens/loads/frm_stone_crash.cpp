#include "screens/loads/frm_stone_crash.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/hsteel_table.h"
#include "screens/loads/load_calculators.h"
#include "screens/loads/load_dialogs.h"
#include "shell/startup.h"

namespace norva {

frmStoneCrash::frmStoneCrash(QWidget* owner) : QDialog(owner) {
  setObjectName("frmStoneCrash");
  setWindowTitle(QStringLiteral("落石の衝突荷重"));
  hsteelPath_ = HSteelPath(ProgramFolder());
  auto* lay = new QVBoxLayout(this);

  // Each quantity: the input (Index 0) and its copy in the formula (Index 1).
  struct Input {
    ControlArray<NumberBox>* arr;
    const char* caption;
    const char* mask;
    double hi;
    const char* unit;
  };
  const Input inputs[] = {{&imnSgmy, "σy：", "######0.0", 9999999.9, "(kN/㎡)"},
                          {&imnZ, "Ｚ ：", "0.0000000", 9.9999999, "(m3)"},
                          {&imnHp, "hp：", "#0.000", 99.999, "(m)"}};
  auto* grid = new QGridLayout;
  int row = 0;
  int label = 0;
  auto text = [this, &label](const QString& t, QWidget* parent) {
    return lblStone.Add(label++, NewLabel(t, parent));
  };
  for (const Input& in : inputs) {
    for (int i = 0; i < 2; ++i) {
      auto* box = in.arr->Add(i, new NumberBox(0, in.hi, in.mask, this));
      box->setFixedWidth(100);
    }
    grid->addWidget(text(QString::fromUtf8(in.caption), this), row, 0);
    grid->addWidget((*in.arr)[0], row, 1);
    grid->addWidget(lblUnit.Add(row, NewLabel(QString::fromUtf8(in.unit), this)), row, 2);
    ++row;
  }
  cmdRef = new QPushButton(QStringLiteral("参照"), this);
  cmdRef->setObjectName("cmdRef");
  grid->addWidget(cmdRef, 1, 3);
  grid->setColumnStretch(4, 1);
  lay->addLayout(grid);

  fraPy = new QGroupBox(QString(), this);
  fraPy->setObjectName("fraPy");
  auto* fl = new QHBoxLayout(fraPy);
  fl->setSpacing(3);
  fl->addWidget(text(QStringLiteral("Py = "), fraPy));
  fl->addWidget(NewFraction({text(QStringLiteral("3σy･Z"), fraPy)},
                            {text(QStringLiteral("2hp"), fraPy)}, fraPy));
  fl->addWidget(text("=", fraPy));
  fl->addWidget(NewFraction(
      {text(QStringLiteral("3×"), fraPy), imnSgmy[1], text(QStringLiteral("×"), fraPy), imnZ[1]},
      {text(QStringLiteral("2×"), fraPy), imnHp[1]}, fraPy));
  fl->addWidget(text("=", fraPy));
  imnPy = new NumberBox(0, 9999999.99, "######0.00", fraPy);
  imnPy->setObjectName("imnPy");
  imnPy->setFixedWidth(100);
  fl->addWidget(imnPy);
  fl->addWidget(lblUnit.Add(3, NewLabel("(kN)", fraPy)));
  fl->addStretch(1);
  lay->addWidget(fraPy);
  // The copies and the result are display fields.
  for (auto* arr : {&imnSgmy, &imnZ, &imnHp}) (*arr)[1]->SetLocked(true);
  imnPy->SetLocked(true);

  lblHelp =
      NewLabel(QStringLiteral("【新・擁壁の設計法と計算例】のP.38に記載の簡易式です。"), this);
  lblHelp->setObjectName("lblHelp");
  lay->addWidget(lblHelp);

  lay->addLayout(ApplyCloseRow(this, QStringLiteral("適用(&A)"), &cmdApply, &cmdClose));

  for (auto* arr : {&imnSgmy, &imnZ, &imnHp})
    for (const auto& [i, box] : *arr)
      connect(box, &NumberBox::Change, this, [this, arr, i = i] { Input_Change(*arr, i); });
  connect(cmdRef, &QPushButton::clicked, this, [this] { cmdRef_Click(); });
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
}

void frmStoneCrash::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (!doc) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc->Unit), this);
  if (!(doc->StoneSgmy > 0)) doc->StoneSgmy = kDefaultStoneSgmy;
  const std::pair<ControlArray<NumberBox>*, double> values[] = {
      {&imnSgmy, doc->StoneSgmy}, {&imnZ, doc->StoneZ}, {&imnHp, doc->StoneHight}};
  for (const auto& [arr, v] : values) {
    SetNumBox((*arr)[0], v);
    SetNumBox((*arr)[1], v);
  }
  CalcStoneLoad();
}

void frmStoneCrash::Input_Change(ControlArray<NumberBox>& arr, int index) {
  if (index != 0) return;
  SetNumBox(arr[1], GetNumBox(arr[0]));
  CalcStoneLoad();
}

void frmStoneCrash::CalcStoneLoad() {
  // Zero or blank inputs leave the load shown as it is.
  if (const auto py = RockFallLoad(GetNumBox(imnSgmy[0]), GetNumBox(imnZ[0]), GetNumBox(imnHp[0])))
    SetNumBox(imnPy, *py);
}

void frmStoneCrash::cmdRef_Click() {
  frmHSteel table(this, hsteelPath_, this);
  table.SetDoc(m_cDoc);
  table.exec();
  CalcStoneLoad();
}

void frmStoneCrash::cmdApply_Click() {
  if (!m_cDoc) return;
  if (!AskApply()) return;
  CDocument& d = *m_cDoc;
  const double py = GetNumBox(imnPy);
  // A box blank because the stored value did not fit keeps that value.
  if (NumBoxWritesBack(imnSgmy[0])) d.StoneSgmy = GetNumBox(imnSgmy[0]);
  if (NumBoxWritesBack(imnZ[0])) d.StoneZ = GetNumBox(imnZ[0]);
  if (!imnHp[0]->IsBlank()) {
    d.StoneHight = GetNumBox(imnHp[0]);
    SetScreenBox(d, "imnStoneCrash", 0, d.StoneHight);
  }
  if (!imnPy->IsBlank()) {
    d.StoneLoad = py;
    SetScreenBox(d, "imnStoneCrash", 2, d.StoneLoad);
  }
}

// ---- Steel-post table
// ---------------------------------------------------------

frmHSteel::frmHSteel(frmStoneCrash* stone, const std::string& csvPath, QWidget* owner)
    : QDialog(owner), stone_(stone) {
  setObjectName("frmHSteel");
  setWindowTitle(QStringLiteral("参照 - H形鋼"));
  auto* lay = new QVBoxLayout(this);
  vsHSteel = new SpreadGrid(this);
  vsHSteel->setObjectName("vsHSteel");
  vsHSteel->horizontalHeader()->hide();
  vsHSteel->verticalHeader()->hide();
  vsHSteel->SetRowSelectMode(true);
  vsHSteel->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const std::vector<HSteelRow> rows = ReadHSteelFile(csvPath);
  vsHSteel->SetMaxCols(5);
  vsHSteel->SetMaxRows(static_cast<int>(rows.size()) + 1);
  // Row 1 holds the headings; the sections follow from row 2.
  SetHeadingRow(
      vsHSteel, 1,
      {QStringLiteral("呼称"), QStringLiteral("ｳｪﾌﾞ厚\n(mm)"), QStringLiteral("ﾌﾗﾝｼﾞ厚\n(mm)"),
       QStringLiteral("断面積\n(cm2)"), QStringLiteral("断面係数 Zx\n(cm3)")});
  const int decimals[] = {0, 1, 1, 2, 1};
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const HSteelRow& s = rows[static_cast<size_t>(r)];
    const int row = r + 2;
    vsHSteel->SetText(1, row, QString::fromStdString(s.name));
    vsHSteel->SetCellType(1, row, SpreadGrid::kStaticText);
    const double values[] = {0, s.web, s.flange, s.area, s.zx};
    for (int c = 2; c <= 5; ++c) {
      vsHSteel->SetNumberCell(c, row, -1e300, 1e300, decimals[c - 1]);
      vsHSteel->SetNumber(c, row, values[c - 1]);
      vsHSteel->item(row - 1, c - 1)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
  }
  SetSpreadColors(vsHSteel);
  vsHSteel->resizeColumnsToContents();
  vsHSteel->resizeRowsToContents();
  vsHSteel->setMinimumWidth(vsHSteel->horizontalHeader()->length() + 24);
  vsHSteel->setMinimumHeight(320);
  lay->addWidget(vsHSteel, 1);

  lblHSteel = NewLabel(QStringLiteral("参照するH形鋼を選択し更新(A)をクリックして下さい。"), this);
  lblHSteel->setObjectName("lblHSteel");
  lay->addWidget(lblHSteel);
  lay->addLayout(ApplyCloseRow(this, QStringLiteral("更新(&A)"), &cmdApply, &cmdClose));

  // The selection stays on the sections.
  connect(vsHSteel, &SpreadGrid::LeaveCell, this,
          [](int, int, int, int newRow, bool* cancel) { *cancel = newRow <= 1; });
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
}

void frmHSteel::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  vsHSteel->SetActiveCell(1, 2);
}

void frmHSteel::cmdApply_Click() {
  const int row = vsHSteel->ActiveRow();
  double zx = 0;
  if (row <= 1 || !vsHSteel->CellNumber(5, row, &zx)) return;
  if (!AskApply()) return;
  const double z = SectionModulusM3(zx);
  if (m_cDoc) m_cDoc->StoneZ = z;
  if (stone_) {
    SetNumBox(stone_->imnZ[0], z);
    SetNumBox(stone_->imnZ[1], z);
  }
}

void RunStoneCrash(CDocument& doc, QWidget* owner) {
  frmStoneCrash dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

}  // namespace norva
