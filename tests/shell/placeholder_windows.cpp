#include "shell/placeholder_windows.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "document/document.h"
#include "document/names.h"
#include "screens/conditions/frm_ini_data.h"
#include "shell/document_forms.h"
#include "shell/file_commands.h"
#include "shell/screen.h"

namespace norva::test {

QString ScreenCaption(int no) {
  static const char* const kCaptions[6] = {"基本条件", "形状寸法",     "安定計算条件",
                                           "荷重条件", "安定計算結果", "応力度計算結果"};
  return no >= 0 && no <= 5 ? QString::fromUtf8(kCaptions[no]) : QString();
}

PlaceholderScreen::PlaceholderScreen(int no) : no_(static_cast<int16_t>(no)) {
  setObjectName(QStringLiteral("placeholder%1").arg(no));
  auto* lay = new QVBoxLayout(this);
  auto* title = new QLabel(ScreenCaption(no), this);
  title->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
  lay->addWidget(title);
  auto* note = new QLabel(QStringLiteral("この画面は準備中です。"), this);
  lay->addWidget(note);
  lblState = new QLabel(this);
  lblState->setObjectName("lblState");
  lay->addWidget(lblState);
  lay->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdBack = new QPushButton(QStringLiteral("<< 戻る"), this);
  cmdBack->setObjectName("cmdBack");
  cmdNext = new QPushButton(QStringLiteral("次へ >>"), this);
  cmdNext->setObjectName("cmdNext");
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdNext);
  lay->addLayout(buttons);
  cmdBack->setEnabled(no > 0);
  connect(cmdBack, &QPushButton::clicked, this, [this] {
    CDocument* d = doc_;
    const int16_t to = static_cast<int16_t>(no_ - 1);
    GuardedCall([d, to] { ShowForm(*d, to); });
  });
  connect(cmdNext, &QPushButton::clicked, this, [this] {
    CDocument* d = doc_;
    const int16_t to = static_cast<int16_t>(no_ + 1);
    GuardedCall([d, to] { ShowForm(*d, to); });
  });
}

void PlaceholderScreen::DataSet() { SetFormState(); }

void PlaceholderScreen::SetFormState() {
  if (!doc_) return;
  const bool complete = DocDataState(*doc_, no_) != 0;
  if (no_ <= 3) {
    lblState->setText(complete ? QStringLiteral("この画面の入力は完了しています。")
                               : QStringLiteral("この画面には未入力の項目があります。"));
    cmdNext->setEnabled(complete);
  } else {
    lblState->setText(complete ? QStringLiteral("計算結果があります。")
                               : QStringLiteral("計算結果はまだありません。"));
    cmdNext->setEnabled(no_ == 4 && complete);
  }
  if (no_ == 5) cmdNext->setEnabled(false);
}

IScreen* MakePlaceholderScreen(int no) { return new PlaceholderScreen(no); }

int16_t RunPlaceholderIniData(CDocument& doc, IniDataFields& fields, bool showOpen,
                              QWidget* owner) {
  QDialog dlg(owner);
  dlg.setObjectName("frmIniData");
  dlg.setWindowTitle(QStringLiteral("設計初期条件"));
  auto* lay = new QVBoxLayout(&dlg);
  auto* form = new QFormLayout;
  auto* imtTitle = new QLineEdit(QString::fromStdString(fields.Title), &dlg);
  imtTitle->setObjectName("imtTitle");
  imtTitle->setMinimumWidth(360);
  auto* cmbSisin = new QComboBox(&dlg);
  cmbSisin->setObjectName("cmbSisin");
  for (int code : {0, 2, 3, 4, 5}) cmbSisin->addItem(QString::fromStdString(SisinName(code)), code);
  auto* cmbWall = new QComboBox(&dlg);
  cmbWall->setObjectName("cmbWallType");
  for (int code = 0; code <= 3; ++code)
    cmbWall->addItem(QString::fromStdString(WallTypeName(code)), code);
  auto* cmbDoatsu = new QComboBox(&dlg);
  cmbDoatsu->setObjectName("cmbDoatsu");
  for (int code = 0; code <= 1; ++code)
    cmbDoatsu->addItem(QString::fromStdString(DoatsuName(code)), code);
  auto select = [&](const IniDataFields& f) {
    imtTitle->setText(QString::fromStdString(f.Title));
    cmbSisin->setCurrentIndex(std::max(0, cmbSisin->findData(f.Sisin)));
    cmbWall->setCurrentIndex(std::max(0, cmbWall->findData(f.WallType)));
    cmbDoatsu->setCurrentIndex(std::max(0, cmbDoatsu->findData(f.Doatsu)));
  };
  select(fields);
  form->addRow(QStringLiteral("タイトル"), imtTitle);
  form->addRow(QStringLiteral("適用基準"), cmbSisin);
  form->addRow(QStringLiteral("擁壁の種類"), cmbWall);
  form->addRow(QStringLiteral("土圧公式"), cmbDoatsu);
  lay->addLayout(form);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
  box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  auto* cmdOpen =
      box->addButton(QStringLiteral("\u3000  ﾌｧｲﾙを開く(&O)"), QDialogButtonBox::ActionRole);
  cmdOpen->setObjectName("cmdOpen");
  cmdOpen->setVisible(showOpen);
  lay->addWidget(box);
  bool fromRecent = false;
  QObject::connect(cmdOpen, &QPushButton::clicked, &dlg, [&] {
    IniDataFields read;
    dlg.setEnabled(false);
    const int16_t r = ReadIniTemplate(doc, read);
    dlg.setEnabled(true);
    if (r != 0) {
      fromRecent = r >= 2;
      select(read);
    }
  });
  QObject::connect(box, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
  if (dlg.exec() != QDialog::Accepted) return 0;
  fields.Title = imtTitle->text().toStdString();
  fields.Sisin = cmbSisin->currentData().toInt();
  fields.WallType = cmbWall->currentData().toInt();
  fields.Doatsu = cmbDoatsu->currentData().toInt();
  return fromRecent ? 2 : 1;
}

void RegisterPlaceholderWindows() {
  ShellWindows& w = Windows();
  for (auto& make : w.makeScreen)
    if (!make) make = MakePlaceholderScreen;
  if (!w.iniData) w.iniData = RunPlaceholderIniData;
}

}  // namespace norva::test
