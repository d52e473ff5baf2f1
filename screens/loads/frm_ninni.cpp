#include "screens/loads/frm_ninni.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/services.h"
#include "drawing/figures/nini_figure.h"
#include "platform/controls/control_helpers.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmNinni::frmNinni(QWidget* owner) : QDialog(owner) {
  setObjectName("frmNinni");
  setWindowTitle(QStringLiteral("任意荷重"));
  askName = RunAddNinni;
  auto* lay = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;

  auto* list = fraNini.Add(0, new QGroupBox(QStringLiteral("任意荷重"), this));
  auto* lh = new QHBoxLayout(list);
  lblNini = new QLabel(QStringLiteral("任意荷重No:"), list);
  lblNini->setObjectName("lblNini");
  cmbNiniNo = new QComboBox(list);
  cmbNiniNo->setObjectName("cmbNiniNo");
  cmbNiniNo->setMinimumWidth(70);
  lh->addWidget(lblNini);
  lh->addWidget(cmbNiniNo);
  lh->addStretch(1);
  lh->addWidget(cmdNini.Add(0, new QPushButton(QStringLiteral("追加"), list)));
  lh->addWidget(cmdNini.Add(1, new QPushButton(QStringLiteral("削除"), list)));
  left->addWidget(list);

  auto* fields = fraNini.Add(1, new QGroupBox(QString(), this));
  auto* fg = new QGridLayout(fields);
  lblNiniName = new QLabel(QStringLiteral("名　　称    :"), fields);
  imtNini = new TextBox(fields);
  imtNini->setObjectName("imtNini");
  lblNiniType = new QLabel(QStringLiteral("荷重種類    :"), fields);
  lblNiniType->setObjectName("lblNiniType");
  cmbNiniType = new QComboBox(fields);
  cmbNiniType->setObjectName("cmbNiniType");
  for (const char* s : {"鉛直集中荷重", "水平集中荷重", "鉛直分布荷重", "水平分布荷重"})
    cmbNiniType->addItem(QString::fromUtf8(s));
  {
    const QSignalBlocker quiet(cmbNiniType);
    cmbNiniType->setCurrentIndex(-1);
  }
  lblCalType = new QLabel(QStringLiteral("考慮する計算:"), fields);
  lblCalType->setObjectName("lblCalType");
  lsCalType = new QListWidget(fields);
  lsCalType->setObjectName("lsCalType");
  lsCalType->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const char* s : {"安定計算", "たて壁の設計", "つま先版の設計"})
    lsCalType->addItem(QString::fromUtf8(s));
  lsCalType->setFixedHeight(lsCalType->sizeHintForRow(0) * 3 + 6);

  vsNini = new SpreadGrid(fields);
  vsNini->setObjectName("vsNini");
  vsNini->verticalHeader()->hide();
  vsNini->SetMaxCols(kNiniCols);
  vsNini->SetMaxRows(1);
  for (int c = 1; c <= kNiniCols; ++c) {
    // Coordinates 0 to 99.999 m, intensities ±9999.999.
    if (c <= 4)
      vsNini->SetNumberCell(c, 1, 0, 99.999, 3);
    else
      vsNini->SetNumberCell(c, 1, -9999.999, 9999.999, 3);
    vsNini->SetColWidthPixels(c, 78);
  }
  const QFontMetrics fm(vsNini->font());
  vsNini->SetRowHeightPixels(0, static_cast<int>(std::lround(2.4 * fm.height())));
  vsNini->setFixedHeight(static_cast<int>(std::lround(2.4 * fm.height())) + vsNini->rowHeight(0) +
                         6);
  lblNotice.Add(
      0, new QLabel(QStringLiteral("座標値は擁壁前面下端からの値を入力してください。"), fields));
  lblNotice.Add(
      1, new QLabel(
             QStringLiteral("鉛直荷重は下向きを正、水平荷重は左向きを正として入力してください。"),
             fields));
  fg->addWidget(lblNiniName, 0, 0);
  fg->addWidget(imtNini, 0, 1);
  fg->addWidget(lblNiniType, 1, 0);
  fg->addWidget(cmbNiniType, 1, 1);
  fg->addWidget(lblCalType, 2, 0, Qt::AlignTop);
  fg->addWidget(lsCalType, 2, 1);
  fg->addWidget(vsNini, 3, 0, 1, 2);
  fg->addWidget(lblNotice[0], 4, 0, 1, 2);
  fg->addWidget(lblNotice[1], 5, 0, 1, 2);
  left->addWidget(fields);
  left->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdApply = new QPushButton(QStringLiteral("OK"), this);
  cmdApply->setObjectName("cmdApply");
  cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
  cmdCancel->setObjectName("cmdCancel");
  buttons->addWidget(cmdApply);
  buttons->addWidget(cmdCancel);
  left->addLayout(buttons);
  lay->addLayout(left);

  vsdNini = new FigureCanvas(
      [this](cDraw& d) {
        if (m_cDoc) DrawNiniLoad(*m_cDoc, d);
      },
      this);
  vsdNini->setObjectName("vsdNini");
  vsdNini->setMinimumSize(360, 360);
  lay->addWidget(vsdNini, 1);

  connect(cmbNiniNo, &QComboBox::currentIndexChanged, this, [this] { cmbNiniNo_Click(); });
  connect(cmbNiniType, &QComboBox::currentIndexChanged, this, [this] { cmbNiniType_Click(); });
  connect(lsCalType, &QListWidget::itemSelectionChanged, this,
          [this] { StoreNini(Field::kTargets); });
  connect(imtNini, &TextBox::Change, this, [this] { StoreNini(Field::kName); });
  connect(vsNini, &SpreadGrid::KeyPress, this, [this](int* key) {
    if (*key == 13) StoreNini(Field::kGrid);
  });
  connect(vsNini, &SpreadGrid::LeaveCell, this,
          [this](int, int, int, int, bool*) { StoreNini(Field::kGrid); });
  connect(vsNini, &SpreadGrid::LostFocus, this, [this] { StoreNini(Field::kGrid); });
  for (const auto& [i, b] : cmdNini)
    connect(b, &QPushButton::clicked, this, [this, i = i] { cmdNini_Click(i); });
  connect(cmdApply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

  // Form load: the point-load columns, the fields disabled until a load exists.
  gNavLock = true;
  SetListIndex(cmbNiniType, 0);
  gNavLock = false;
  SetNiniState(false);
}

void frmNinni::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (!doc) return;
  kept_ = TakeNiniSnapshot(*doc);
  FillNumberList();
  if (doc->nNiniCount() > 0) {
    SetNiniState(true);
    SetListIndex(cmbNiniNo, 0);
  }
  DrawNiniDiagram();
}

void frmNinni::FillNumberList() {
  const QSignalBlocker quiet(cmbNiniNo);
  cmbNiniNo->clear();
  const int n = m_cDoc ? m_cDoc->nNiniCount() : 0;
  for (int i = 1; i <= n; ++i) cmbNiniNo->addItem(QString::number(i));
  cmbNiniNo->setCurrentIndex(-1);
}

void frmNinni::SetNiniState(bool on) {
  fraNini[1]->setEnabled(on);
  imtNini->setEnabled(on);
  lblNiniName->setEnabled(on);
  for (QWidget* w : {static_cast<QWidget*>(lblNiniType), static_cast<QWidget*>(cmbNiniType),
                     static_cast<QWidget*>(lblCalType), static_cast<QWidget*>(lsCalType),
                     static_cast<QWidget*>(lblNotice[0]), static_cast<QWidget*>(lblNotice[1])})
    w->setEnabled(on);
  SetSpreadEnabled(vsNini, on);
}

void frmNinni::ShowKindColumns(int kind) {
  const auto cols = NiniColumns(kind);
  for (int c = 1; c <= kNiniCols; ++c) {
    const NiniColumn& col = cols[static_cast<size_t>(c)];
    vsNini->SetColHidden(c, !col.shown);
    if (col.shown) vsNini->SetText(c, 0, Q(col.line1) + "\n" + Q(col.line2));
  }
  // The two intensities of a distributed load as wide as column 1.
  if (kind == 2 || kind == 3) {
    const int w = vsNini->columnWidth(0);
    vsNini->SetColWidthPixels(5, w);
    vsNini->SetColWidthPixels(6, w);
  }
}

void frmNinni::cmbNiniNo_Click() {
  if (!m_cDoc) return;
  const auto load = m_cDoc->pNini(cmbNiniNo->currentIndex());
  if (!load) return;
  gNavLock = true;
  imtNini->SetText(Q(load->LoadName));
  if (load->nType >= 0) {
    SetListIndex(cmbNiniType, load->nType);
  } else {
    const QSignalBlocker quiet(cmbNiniType);  // nothing chosen: the columns stay
    cmbNiniType->setCurrentIndex(-1);
  }
  SetListBits(lsCalType, load->nTarget & 7);
  const NiniCells cells = NiniGridValues(*load);
  for (int c = 1; c <= kNiniCols; ++c) {
    vsNini->SetCellEmpty(c, 1);
    if (const auto& v = cells[static_cast<size_t>(c)]) vsNini->SetNumber(c, 1, *v);
  }
  gNavLock = false;
}

void frmNinni::cmbNiniType_Click() {
  const int kind = cmbNiniType->currentIndex();
  if (kind < 0) return;
  StoreNini(Field::kKind);
  ShowKindColumns(kind);
}

void frmNinni::StoreNini(Field field) {
  if (gNavLock || !m_cDoc) return;
  const auto load = m_cDoc->pNini(cmbNiniNo->currentIndex());
  if (!load) return;
  switch (field) {
    case Field::kName:
      load->LoadName = imtNini->Text().trimmed().toStdString();
      break;
    case Field::kKind:
      load->nType = static_cast<int16_t>(cmbNiniType->currentIndex());
      break;
    case Field::kTargets: {
      const int bits = GetListBits(lsCalType);
      load->nTarget = NiniTargetBits(bits & 1, bits & 2, bits & 4);
      break;
    }
    case Field::kGrid: {
      NiniCells cells;
      for (int c = 1; c <= kNiniCols; ++c) {
        double v = 0;
        if (vsNini->CellNumber(c, 1, &v)) cells[static_cast<size_t>(c)] = v;
      }
      StoreNiniGrid(*load, cells);
      break;
    }
  }
  DrawNiniDiagram();
}

void frmNinni::cmdNini_Click(int index) {
  if (!m_cDoc) return;
  CDocument& d = *m_cDoc;
  if (index == 0) {
    std::string name;
    if (askName && askName(this, &name) != 0) {
      AddNini(d, name);
      if (d.nNiniCount() == 1) SetNiniState(true);
      {
        // The first item would select itself quietly: the selection below
        // must fill the fields.
        const QSignalBlocker quiet(cmbNiniNo);
        cmbNiniNo->addItem(QString::number(d.nNiniCount()));
        cmbNiniNo->setCurrentIndex(-1);
      }
      SetListIndex(cmbNiniNo, d.nNiniCount() - 1);
    }
    DrawNiniDiagram();
    return;
  }
  if (d.nNiniCount() > 0) {
    const int i = cmbNiniNo->currentIndex();
    const auto load = d.pNini(i);
    if (!load) return;
    if (Ask(DeleteNiniQuestion(load->LoadName), MsgIcon::Question, MsgButtons::OkCancel) ==
        MsgAnswer::Ok) {
      DeleteNini(d, i);
      FillNumberList();
      if (d.nNiniCount() == 0)
        SetNiniState(false);
      else
        SetListIndex(cmbNiniNo, std::min(i, d.nNiniCount() - 1));
    }
  }
  if (d.nNiniCount() == 0) {
    gNavLock = true;
    imtNini->SetText(QString());
    {
      const QSignalBlocker quiet(cmbNiniType);
      cmbNiniType->setCurrentIndex(-1);
    }
    SetListBits(lsCalType, 0);
    for (int c = 1; c <= kNiniCols; ++c) vsNini->SetCellEmpty(c, 1);
    gNavLock = false;
  }
  DrawNiniDiagram();
}

void frmNinni::cmdCancel_Click() {
  if (m_cDoc) RestoreNiniSnapshot(*m_cDoc, kept_);
  QDialog::done(QDialog::Rejected);
}

void frmNinni::reject() { QDialog::done(QDialog::Accepted); }

void frmNinni::DrawNiniDiagram() { vsdNini->Redraw(); }

void RunNinni(CDocument& doc, QWidget* owner) {
  frmNinni dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

// ---- Name of a new load
// -------------------------------------------------------

frmAddNinni::frmAddNinni(QWidget* owner)
    : NameDialog(owner, "frmAddNinni", QStringLiteral("任意荷重の追加"),
                 QStringLiteral("任意荷重名:"), 240) {
  cmdAdd->setEnabled(false);
  connect(imCaseName, &TextBox::Change, this,
          [this] { cmdAdd->setEnabled(!imCaseName->Text().trimmed().isEmpty()); });
}

void frmAddNinni::cmdAdd_Click() {
  const QString name = imCaseName->Text().trimmed();
  if (!name.isEmpty()) Accept(name);
}

int RunAddNinni(QWidget* owner, std::string* name) {
  frmAddNinni dlg(owner);
  dlg.exec();
  if (dlg.nEndState() != 0 && name) *name = dlg.NinniName();
  return dlg.nEndState();
}

}  // namespace norva
