#include "screens/sheet/frm_sec_prn_options.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QScreen>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/services.h"
#include "drawing/sheet/sheet_run.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/member_access.h"

namespace norva {

namespace {

constexpr int kDrainRows = 5;  // the document keeps five drain-row heights
constexpr int kHeightDecimals = 3;

template <int I>
double MarginAt(const CDocument& d) {
  return d.Margin(I);
}
template <int I>
void SetMarginAt(CDocument& d, double v) {
  d.SetMargin(I, static_cast<int16_t>(std::lround(v)));
}
double Dan(const CDocument& d) { return d.MizuDan; }
void SetDan(CDocument& d, double v) { d.MizuDan = static_cast<int16_t>(std::lround(v)); }

}  // namespace

struct SecPrnField : BoxField {
  const char* what;
};

namespace {

#define NORVA_M(member) &GetMember<&CDocumentInputs::member>, &SetMember<&CDocumentInputs::member>
#define NORVA_MARGIN(i) \
  { {"imnMargin", i, 0, 200, "##0", &MarginAt<i>, &SetMarginAt<i>, nullptr}, "余白" }

// The margins, the foundation and the drain holes; none has a hint.
const SecPrnField kBoxes[] = {
    NORVA_MARGIN(0),
    NORVA_MARGIN(1),
    NORVA_MARGIN(2),
    NORVA_MARGIN(3),
    {{"imnKisozai", 0, 0, 9.999, "#0.000", NORVA_M(KisoH1), nullptr}, "均しｺﾝ厚"},
    {{"imnKisozai", 1, 0, 9.999, "#0.000", NORVA_M(KisoB), nullptr}, "張り出し幅"},
    {{"imnKisozai", 2, 0, 9.999, "#0.000", NORVA_M(KisoH2), nullptr}, "基礎材厚"},
    {{"imnKisozai", 4, 0.01, 999.99, "##0.00", NORVA_M(MizuN), nullptr}, "勾配 Ｎ"},
    {{"imnKisozai", 5, 0, 999, "##0", NORVA_M(MizuFai), nullptr}, "直径 φ"},
    {{"imnKisozai", 6, 0, kDrainRows, "0", &Dan, &SetDan, nullptr}, "段数"},
};

#undef NORVA_MARGIN
#undef NORVA_M

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int w = -1) {
  auto* l = new QLabel(text, parent);
  l->adjustSize();
  l->move(x, y);
  if (w > 0) l->resize(w, l->height());
  return l;
}

// A subscript placed over the blank after the last character of the caption
// that follows "ｈ" (captions such as "均しｺﾝ厚 ｈ :").
QLabel* Subscript(QLabel* caption, const QString& text) {
  auto* s = new QLabel(text, caption->parentWidget());
  QFont f = s->font();
  f.setPointSizeF(f.pointSizeF() * 0.75);
  s->setFont(f);
  s->adjustSize();
  const QString head = caption->text().left(caption->text().indexOf(QStringLiteral("ｈ")) + 1);
  const int x = caption->x() + QFontMetrics(caption->font()).horizontalAdvance(head);
  s->move(x, caption->y() + caption->height() - s->height() + 3);
  return s;
}

}  // namespace

frmSecPrnOptions::frmSecPrnOptions(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmSecPrnOptions"));
  setWindowTitle(QStringLiteral("設定"));
  setFixedSize(600, 472);
  BuildDrawingOptions();
  BuildDrain();
  BuildFoundation();

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(390, 434, 95, 28);
  cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(497, 434, 95, 28);
  connect(cmdOK, &QPushButton::clicked, this, [this] {
    nEndState = 1;
    accept();
  });
  connect(cmdCancel, &QPushButton::clicked, this, [this] {
    nEndState = 0;
    reject();
  });

  // Centred on the screen.
  if (const QScreen* s = QApplication::primaryScreen()) {
    const QRect r = s->availableGeometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
}

void frmSecPrnOptions::BuildDrawingOptions() {
  fraDrwOpt = new QGroupBox(QStringLiteral("作図ｵﾌﾟｼｮﾝ"), this);
  fraDrwOpt->setObjectName(QStringLiteral("fraDrwOpt"));
  fraDrwOpt->setGeometry(8, 6, 284, 418);

  fraMargin = new QGroupBox(QStringLiteral("余白 (mm)"), fraDrwOpt);
  fraMargin->setObjectName(QStringLiteral("fraMargin"));
  fraMargin->setGeometry(10, 22, 264, 84);
  const char* sides[4] = {"左", "右", "上", "下"};
  for (int i = 0; i < 4; ++i) {
    const int x = 12 + (i % 2) * 128, y = 24 + (i / 2) * 28;
    Label(fraMargin, QString::fromUtf8(sides[i]), x, y + 4);
    imnMargin.Add(i, MakeBox("imnMargin", i, fraMargin))->setGeometry(x + 24, y, 70, 24);
  }

  fraSheet = new QGroupBox(QStringLiteral("図面サイズ"), fraDrwOpt);
  fraSheet->setObjectName(QStringLiteral("fraSheet"));
  fraSheet->setGeometry(10, 114, 150, 162);
  optSheet = new OptionArray(QStringLiteral("optSheet"), this);
  const char* sheets[5] = {"A0 (841×1189)", "A1 (594×841)", "A2 (420×594)", "A3 (297×420)",
                           "A4 (210×297)"};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(sheets[i]), fraSheet);
    b->setGeometry(10, 24 + 26 * i, 136, 22);
    optSheet->Add(i, b);
  }
  connect(optSheet, &OptionArray::Click, this, [this](int i) {
    if (doc_) doc_->Sheet = static_cast<int16_t>(i);
  });

  fraScale = new QGroupBox(QStringLiteral("縮尺"), fraDrwOpt);
  fraScale->setObjectName(QStringLiteral("fraScale"));
  fraScale->setGeometry(168, 114, 106, 214);
  optScale = new OptionArray(QStringLiteral("optScale"), this);
  const char* scales[7] = {"1:10", "1:20", "1:30", "1:40", "1:50", "1:100", "1:200"};
  for (int i = 0; i < 7; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(scales[i]), fraScale);
    b->setGeometry(12, 24 + 26 * i, 88, 22);
    optScale->Add(i, b);
  }
  connect(optScale, &OptionArray::Click, this, [this](int i) {
    if (doc_) doc_->DrwScale = static_cast<int16_t>(i);
  });

  fraSuryou = new QGroupBox(QStringLiteral("数量表"), fraDrwOpt);
  fraSuryou->setObjectName(QStringLiteral("fraSuryou"));
  fraSuryou->setGeometry(10, 284, 150, 76);
  optSuryou = new OptionArray(QStringLiteral("optSuryou"), this);
  auto* yes = new QRadioButton(QStringLiteral("作成する"), fraSuryou);
  yes->setGeometry(10, 22, 130, 22);
  auto* no = new QRadioButton(QStringLiteral("作成しない"), fraSuryou);
  no->setGeometry(10, 48, 130, 22);
  optSuryou->Add(0, yes);
  optSuryou->Add(1, no);
  connect(optSuryou, &OptionArray::Click, this, [this](int i) {
    if (doc_) doc_->Suryou = static_cast<int16_t>(i);
    SetDrainState();
  });
}

void frmSecPrnOptions::BuildDrain() {
  fraMizunuki = new QGroupBox(QStringLiteral("水抜き穴"), this);
  fraMizunuki->setObjectName(QStringLiteral("fraMizunuki"));
  fraMizunuki->setGeometry(300, 6, 292, 296);
  picMizunuki = new QWidget(fraMizunuki);
  picMizunuki->setObjectName(QStringLiteral("picMizunuki"));
  picMizunuki->setGeometry(4, 18, 284, 274);

  chkMizunuki = new QCheckBox(QStringLiteral("水抜穴を作図する"), picMizunuki);
  chkMizunuki->setObjectName(QStringLiteral("chkMizunuki"));
  chkMizunuki->setGeometry(6, 2, 200, 22);
  connect(chkMizunuki, &QCheckBox::toggled, this, [this] {
    if (doc_) doc_->Mizunuki = static_cast<int16_t>(GetCheckValue(chkMizunuki));
    SetDrainState();
  });

  lblCaption.Add(6, Label(picMizunuki, QStringLiteral("段数  n :"), 10, 34));
  lblCaption.Add(3, Label(picMizunuki, QStringLiteral("前面位置 ｈ (m):"), 10, 62));
  lblSub.Add(2, Subscript(lblCaption[3], QStringLiteral("1")));
  lblCaption.Add(4, Label(picMizunuki, QStringLiteral("勾配 Ｎ :"), 10, 214));
  lblCaption.Add(5, Label(picMizunuki, QStringLiteral("直径 φ :"), 10, 244));
  lblUnit.Add(5, Label(picMizunuki, QStringLiteral("(mm)"), 202, 244));

  vasH1 = new SpreadGrid(picMizunuki);
  vasH1->setObjectName(QStringLiteral("vasH1"));
  vasH1->SetMaxCols(1);
  vasH1->SetMaxRows(kDrainRows);
  vasH1->SetText(1, 0, QStringLiteral("ｈ (m)"));
  for (int r = 1; r <= kDrainRows; ++r) {
    vasH1->SetText(0, r, QString::number(r));
    vasH1->SetNumberCell(1, r, 0, 99.999, kHeightDecimals);
  }
  vasH1->SetColWidthPixels(1, 96);
  for (int r = 0; r <= kDrainRows; ++r) vasH1->SetRowHeightPixels(r, 22);
  vasH1->setGeometry(120, 60, 118, 140);
  SetSpreadColors(vasH1);
  connect(vasH1, &SpreadGrid::EditChange, this, &frmSecPrnOptions::vasH1_EditChange);
}

void frmSecPrnOptions::BuildFoundation() {
  fraKiso = new QGroupBox(QStringLiteral("基礎材寸法"), this);
  fraKiso->setObjectName(QStringLiteral("fraKiso"));
  fraKiso->setGeometry(300, 308, 292, 116);
  picKiso = new QWidget(fraKiso);
  picKiso->setObjectName(QStringLiteral("picKiso"));
  picKiso->setGeometry(4, 18, 284, 94);
  lblCaption.Add(0, Label(picKiso, QStringLiteral("均しｺﾝ厚 ｈ :"), 10, 6));
  lblSub.Add(0, Subscript(lblCaption[0], QStringLiteral("1")));
  lblCaption.Add(1, Label(picKiso, QStringLiteral("張り出し幅 b:"), 10, 36));
  lblCaption.Add(2, Label(picKiso, QStringLiteral("基礎材厚 ｈ :"), 10, 66));
  lblSub.Add(1, Subscript(lblCaption[2], QStringLiteral("2")));
  for (int i = 0; i < 3; ++i)
    lblUnit.Add(i, Label(picKiso, QStringLiteral("(m)"), 202, 6 + 30 * i));

  for (const SecPrnField& k : kBoxes) {
    if (!RowNamed(k, "imnKisozai")) continue;
    QWidget* parent = k.index <= 2 ? picKiso : picMizunuki;
    auto* box = imnKisozai.Add(k.index, MakeBox(k.name, k.index, parent));
    int y = 0;
    switch (k.index) {
      case 0:
      case 1:
      case 2:
        y = 2 + 30 * k.index;
        break;
      case 6:
        y = 30;
        break;
      case 4:
        y = 210;
        break;
      case 5:
        y = 240;
        break;
    }
    box->setGeometry(120, y, 76, 24);
  }
}

NumberBox* frmSecPrnOptions::MakeBox(const char* name, int index, QWidget* parent) {
  const SecPrnField* row =
      std::find_if(std::begin(kBoxes), std::end(kBoxes),
                   [&](const SecPrnField& k) { return RowNamed(k, name, index); });
  NumberBox* box = bound_.Bind(BoundBoxes<SecPrnField>::MakeBox(*row, parent), *row);
  connect(box, &QLineEdit::textEdited, box,
          [box](const QString& t) { box->setProperty("typedText", t); });
  connect(box, &NumberBox::LostFocus, this, [this, box] { BoxLostFocus(*bound_.Of(box)); });
  return box;
}

void frmSecPrnOptions::done(int r) {
  if (qobject_cast<NumberBox*>(focusWidget())) {
    QPushButton* b = r == QDialog::Accepted ? cmdOK : cmdCancel;
    b->setFocus(Qt::OtherFocusReason);
  }
  // The sheet preview follows OK: a figure larger than the paper at the
  // chosen scale is named here, with the largest scale that fits, and the
  // dialog stays open for another choice.
  if (r == QDialog::Accepted && drawingOptions_ && doc_) {
    const std::string problem = SheetFitProblem(*doc_);
    if (!problem.empty()) {
      nEndState = 0;
      MessageSink().Show(kProgramTitle, problem, MsgIcon::Warning, MsgButtons::Ok);
      return;
    }
  }
  QDialog::done(r);
}

void frmSecPrnOptions::SetDoc(CDocument* doc) {
  doc_ = doc;
  if (doc_) Fill();
}

void frmSecPrnOptions::Fill() {
  const CDocument& d = *doc_;
  filling_ = true;
  auto boxes = [&](const char* name, int first, int last) {
    bound_.Fill(d, [=](const SecPrnField& f) {
      return RowNamed(f, name) && f.index >= first && f.index <= last;
    });
  };
  boxes("imnKisozai", 0, 2);
  SetCheckValue(chkMizunuki, d.Mizunuki);
  boxes("imnKisozai", 6, 6);
  // Every stored height is shown; only the rows in use can be edited.
  for (int r = 1; r <= kDrainRows; ++r) ShowHeight(r);
  boxes("imnKisozai", 4, 5);
  SetOptionIndex(*optScale, d.DrwScale >= 0 && d.DrwScale < 7 ? d.DrwScale : -1);
  SetOptionIndex(*optSheet, d.Sheet >= 0 && d.Sheet <= optSheet->Count() - 1 ? d.Sheet : -1);
  boxes("imnMargin", 0, 3);
  SetOptionIndex(*optSuryou, d.Suryou == 0 || d.Suryou == 1 ? d.Suryou : -1);
  filling_ = false;
  SetDrainState();
}

void frmSecPrnOptions::SetDrawingOptionsEnabled(bool on) {
  drawingOptions_ = on;
  fraDrwOpt->setEnabled(on);
  fraMargin->setEnabled(on);
  for (const auto& [i, box] : imnMargin) SetFrameEnabled(box, on);
  fraSheet->setEnabled(on);
  for (const auto& [i, b] : optSheet->Members()) b->setEnabled(on);
  fraScale->setEnabled(on);
  for (const auto& [i, b] : optScale->Members()) b->setEnabled(on);
  fraSuryou->setEnabled(on);
  for (const auto& [i, b] : optSuryou->Members()) b->setEnabled(on);
}

void frmSecPrnOptions::SetRowLocked(int row, bool locked) {
  if (locked) {
    vasH1->SetCellType(1, row, SpreadGrid::kStaticText);
    vasH1->SetCellBackColor(1, row, VbColor(kSysButtonFace));
  } else {
    vasH1->SetNumberCell(1, row, 0, 99.999, kHeightDecimals);
    vasH1->SetCellBackColor(1, row, VbColor(kSysWindow));
  }
}

void frmSecPrnOptions::SetDrainState() {
  const bool f = chkMizunuki->isChecked();
  lblCaption[6]->setEnabled(f);
  SetFrameEnabled(imnKisozai[6], f);
  lblCaption[3]->setEnabled(f);
  lblSub[2]->setEnabled(f);
  SetSpreadEnabled(vasH1, f);
  lblCaption[4]->setEnabled(f);
  SetFrameEnabled(imnKisozai[4], f);
  lblCaption[5]->setEnabled(f);
  SetFrameEnabled(imnKisozai[5], f);
  lblUnit[5]->setEnabled(f);
  if (!f || !doc_) return;
  const int dan = doc_->MizuDan;
  for (int r = 1; r <= kDrainRows; ++r) SetRowLocked(r, !(dan > 0 && r <= dan));
}

bool frmSecPrnOptions::Accepted(NumberBox* box, const QString& name, double docValue) {
  const QVariant typed = box->property("typedText");
  box->setProperty("typedText", QVariant());
  if (!typed.isValid()) return false;  // passed through: nothing new
  const QString text = typed.toString();
  bool ok = false;
  const double v = text.toDouble(&ok);
  QString message;
  if (text.isEmpty()) {
    message = name + QStringLiteral("を入力してください。元の値に戻します。");
  } else if (!ok || v < box->MinValue() || v > box->MaxValue()) {
    message = name + QStringLiteral("は ") + box->FormatValue(box->MinValue()) +
              QStringLiteral(" ～ ") + box->FormatValue(box->MaxValue()) +
              QStringLiteral(" の範囲で入力してください。元の値に戻します。");
  } else {
    return true;
  }
  SetNumBox(box, docValue);
  MessageSink().Show(kProgramTitle, message.toStdString(), MsgIcon::Warning, MsgButtons::Ok);
  return false;
}

void frmSecPrnOptions::BoxLostFocus(const Bound& b) {
  if (!doc_) return;
  if (Accepted(b.box, QString::fromUtf8(b.row->what), b.row->get(*doc_)))
    bound_.WriteBack(b, *doc_);
  SetDrainState();
}

void frmSecPrnOptions::vasH1_EditChange(int col, int row) {
  if (!doc_ || row < 1 || row > kDrainRows) return;
  double v = 0;
  if (row <= doc_->MizuDan && vasH1->CellNumber(col, row, &v)) {
    doc_->SetMizuH1(row - 1, v);
    return;
  }
  // Nothing usable: the cell shows the stored height again.
  ShowHeight(row);
}

void frmSecPrnOptions::ShowHeight(int row) {
  // The grid's decimals also in a locked row, whose cell takes no number
  // format: the row shows what the drawing uses when it is unlocked later.
  const double h = doc_->MizuH1(row - 1);
  if (IsNullValue(h))
    vasH1->SetCellEmpty(1, row);
  else
    vasH1->SetText(1, row, QString::number(h, 'f', kHeightDecimals));
}

}  // namespace norva
