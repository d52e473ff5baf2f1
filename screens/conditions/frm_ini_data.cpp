#include "screens/conditions/frm_ini_data.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/qt/app_core.h"
#include "platform/qt/recent_file_list.h"
#include "screens/conditions/conditions_rules.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/form_parts.h"
#include "shell/file_commands.h"

namespace norva {

namespace {
constexpr QSize kWallPictureSize(104, 88);
}

int16_t ReadIniTemplate(CDocument& doc, IniDataFields& read) {
  QStringList recent;
  auto core = GetAppCore();
  CRecentFileList* list = core ? core->m_pRecentFileList.get() : nullptr;
  if (list)
    for (int16_t i = 0; i < list->nRecentFileCnt(); ++i) recent << list->Item(i);
  RefIniChoice choice;
  QString path;
  int index = -1;
  if (Dialogs().open && Dialogs().open(recent, path, index)) {
    choice.chosen = true;
    choice.path = path.toStdString();
    choice.recentIndex = static_cast<int16_t>(index);
  }
  return RefIniData(doc, choice, &read, [list](int16_t i) {
    if (list && i >= 0 && i < list->nRecentFileCnt()) list->Remove(i);
  });
}

PictureOption::PictureOption(const QString& caption, const QString& picture, QWidget* parent)
    : QRadioButton(caption, parent), picture_(conditions::SvgPixmap(picture, kWallPictureSize)) {}

QSize PictureOption::sizeHint() const {
  const QFontMetrics fm(font());
  return QSize(kWallPictureSize.width() + 16, kWallPictureSize.height() + fm.height() + 18);
}

bool PictureOption::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void PictureOption::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton opt;
  opt.initFrom(this);
  opt.state |= isChecked() ? QStyle::State_Sunken | QStyle::State_On : QStyle::State_Raised;
  if (isDown()) opt.state |= QStyle::State_Sunken;
  p.drawPrimitive(QStyle::PE_PanelButtonCommand, opt);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(4, 4, -4, -4);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
  const int shift = isChecked() ? 1 : 0;
  const QRect pic(QPoint((width() - kWallPictureSize.width()) / 2 + shift, 6 + shift),
                  kWallPictureSize);
  if (!picture_.isNull()) {
    if (isEnabled())
      p.drawPixmap(pic.topLeft(), picture_);
    else
      p.drawPixmap(pic.topLeft(), style()->generatedIconPixmap(QIcon::Disabled, picture_, &opt));
  }
  const QRect caption(0, pic.bottom() + 4 + shift, width(), height() - pic.bottom() - 8);
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, text());
}

frmIniData::frmIniData(QWidget* owner) : QDialog(owner) {
  setObjectName("frmIniData");
  setWindowTitle(QStringLiteral("設計初期条件"));
  auto* lay = new QVBoxLayout(this);

  fraKijyun = new QGroupBox(QStringLiteral("適用基準"), this);
  fraKijyun->setObjectName("fraKijyun");
  auto* kijyunLay = new QVBoxLayout(fraKijyun);
  optKijyun = new OptionArray("optKijyun", this);
  const std::pair<int, const char*> kGuidelines[] = {
      {0, "土地改良事業計画設計基準・設計「農道」"},
      {5, "土地改良事業計画設計基準・設計「水路工」"},
      {2, "道路土工　擁壁工指針"},
      {3, "大型ﾌﾞﾛｯｸ積み擁壁設計・施工マニュアル"},
      {4, "宅地防災マニュアル"}};
  for (const auto& [code, caption] : kGuidelines) {
    auto* b = new QRadioButton(QString::fromUtf8(caption), fraKijyun);
    optKijyun->Add(code, b);
    kijyunLay->addWidget(b);
  }
  lay->addWidget(fraKijyun);

  fraTitle = new QGroupBox(QStringLiteral("タイトル"), this);
  fraTitle->setObjectName("fraTitle");
  auto* titleLay = new QVBoxLayout(fraTitle);
  imtTitle = new TextBox(fraTitle);
  imtTitle->setObjectName("imtTitle");
  titleLay->addWidget(imtTitle);
  lay->addWidget(fraTitle);

  fraDotsu = new QGroupBox(QStringLiteral("土圧公式"), this);
  fraDotsu->setObjectName("fraDotsu");
  auto* dotsuLay = new QHBoxLayout(fraDotsu);
  optDoatsu = new OptionArray("optDoatsu", this);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(
        i == 0 ? QStringLiteral("クーロン公式") : QStringLiteral("試行くさび法"), fraDotsu);
    optDoatsu->Add(i, b);
    dotsuLay->addWidget(b);
  }
  dotsuLay->addStretch(1);
  lay->addWidget(fraDotsu);

  fraWallType = new QGroupBox(QStringLiteral("擁壁の種類"), this);
  fraWallType->setObjectName("fraWallType");
  auto* wallLay = new QHBoxLayout(fraWallType);
  optWallType = new OptionArray("optWallType", this);
  const char* const kWallCaptions[4] = {"ブロック式", "重力式", "もたれ式", "混合"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new PictureOption(QString::fromUtf8(kWallCaptions[i]),
                                conditions::ResourcePicture(IniWallPicture(i)), fraWallType);
    optWallType->Add(i, b);
    wallLay->addWidget(b);
  }
  lay->addWidget(fraWallType);

  for (int i = 0; i < 2; ++i) {
    lnSep[i] = new QFrame(this);
    lnSep[i]->setObjectName(QStringLiteral("lnSep[%1]").arg(i));
    lnSep[i]->setFrameShape(QFrame::HLine);
    lnSep[i]->setFrameShadow(QFrame::Sunken);
  }
  lay->addWidget(lnSep[0]);
  auto* strip = new QHBoxLayout;
  picOpen = new QWidget(this);
  picOpen->setObjectName("picOpen");
  auto* openLay = new QHBoxLayout(picOpen);
  openLay->setContentsMargins(0, 0, 0, 0);
  cmdOpen = new QPushButton(QStringLiteral("\u3000  ﾌｧｲﾙを開く(&O)"), picOpen);
  cmdOpen->setObjectName("cmdOpen");
  openLay->addWidget(cmdOpen);
  strip->addWidget(picOpen);
  strip->addStretch(1);
  cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName("cmdOk");
  cmdOk->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cmdCancel->setObjectName("cmdCancel");
  strip->addWidget(cmdOk);
  strip->addWidget(cmdCancel);
  lay->addLayout(strip);
  lay->addWidget(lnSep[1]);

  connect(optKijyun, &OptionArray::Click, this, &frmIniData::optKijyun_Click);
  connect(cmdOpen, &QPushButton::clicked, this, &frmIniData::cmdOpen_Click);
  connect(cmdOk, &QPushButton::clicked, this, &frmIniData::cmdOk_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmIniData::cmdCancel_Click);
}

void frmIniData::SetOpenVisible(bool on) {
  picOpen->setVisible(on);
  cmdOpen->setVisible(on);
}

void frmIniData::InitDataSet() {
  imtTitle->SetText(QString::fromStdString(Title));
  SetOptionIndex(*optKijyun, Sisin);
  SetOptionIndex(*optWallType, WallType);
  SetOptionIndex(*optDoatsu, Doatsu);
}

void frmIniData::optKijyun_Click(int index) {
  const IniDataLocks locks = IniDataLocksFor(index);
  if (locks.forceBlockWedge) {
    SetOptionIndex(*optWallType, 0);
    SetOptionIndex(*optDoatsu, 1);
  }
  fraWallType->setEnabled(true);
  optWallType->Item(0)->setEnabled(true);
  for (int i = 1; i <= 3; ++i) optWallType->Item(i)->setEnabled(locks.otherWallTypes);
  fraDotsu->setEnabled(locks.formulas);
  for (int i = 0; i <= 1; ++i) optDoatsu->Item(i)->setEnabled(locks.formulas);
}

void frmIniData::cmdOpen_Click() {
  if (Doc == nullptr) return;
  setEnabled(false);
  IniDataFields read;
  const int16_t r = ReadIniTemplate(*Doc, read);
  setEnabled(true);
  fromRecent_ = r >= 2;
  if (r == 0) return;
  Title = read.Title;
  Sisin = read.Sisin;
  WallType = read.WallType;
  Doatsu = read.Doatsu;
  InitDataSet();
}

void frmIniData::cmdOk_Click() {
  if (Doc != nullptr) {
    IniDataFields fields{Title, Sisin, WallType, Doatsu};
    const IniDataFields chosen{imtTitle->Text().toStdString(), GetOptionIndex(*optKijyun),
                               GetOptionIndex(*optWallType), GetOptionIndex(*optDoatsu)};
    ApplyIniData(*Doc, fields, chosen);
    Title = fields.Title;
    Sisin = fields.Sisin;
    WallType = fields.WallType;
    Doatsu = fields.Doatsu;
  }
  EndState = fromRecent_ ? 2 : 1;
  QDialog::accept();
}

void frmIniData::cmdCancel_Click() { reject(); }

void frmIniData::reject() {
  EndState = 0;
  QDialog::reject();
}

void frmIniData::closeEvent(QCloseEvent* e) {
  // The close box cancels; the dialog is hidden, not unloaded.
  e->ignore();
  reject();
}

int16_t RunIniData(CDocument& doc, IniDataFields& fields, bool showOpen, QWidget* owner) {
  frmIniData dlg(owner);
  dlg.Title = fields.Title;
  dlg.Sisin = fields.Sisin;
  dlg.WallType = fields.WallType;
  dlg.Doatsu = fields.Doatsu;
  dlg.SetOpenVisible(showOpen);
  dlg.Doc = &doc;
  dlg.InitDataSet();
  dlg.exec();
  if (dlg.EndState != 0) {
    fields.Title = dlg.Title;
    fields.Sisin = dlg.Sisin;
    fields.WallType = dlg.WallType;
    fields.Doatsu = dlg.Doatsu;
  }
  return dlg.EndState;
}

}  // namespace norva
