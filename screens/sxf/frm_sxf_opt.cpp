#include "screens/sxf/frm_sxf_opt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <stdexcept>

#include "document/document.h"
#include "document/paths.h"
#include "document/services.h"
#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sxf_sheet.h"
#include "platform/qt/browse_folder.h"
#include "screens/sheet/frm_sec_print.h"

namespace norva {

namespace {

QStringList Characters36() {
  QStringList items;
  for (char c = '0'; c <= '9'; ++c) items << QString(QChar(c));
  for (char c = 'A'; c <= 'Z'; ++c) items << QString(QChar(c));
  return items;
}

}  // namespace

frmSxfOpt::frmSxfOpt(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmSxfOpt"));
  setWindowTitle(QStringLiteral("SXF出力選択"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  fraFileType = new QGroupBox(QStringLiteral("出力ファイル形式"), this);
  fraFileType->setObjectName(QStringLiteral("fraFileType"));
  auto* typeRow = new QHBoxLayout(fraFileType);
  optFileType.Add(0, new QRadioButton(QStringLiteral("p21ファイル形式"), fraFileType));
  optFileType.Add(1, new QRadioButton(QStringLiteral("sfcファイル形式"), fraFileType));
  typeRow->addWidget(optFileType[0]);
  typeRow->addWidget(optFileType[1]);
  typeRow->addStretch(1);
  layout->addWidget(fraFileType);

  fraFileName = new QGroupBox(QStringLiteral("出力ファイル名"), this);
  fraFileName->setObjectName(QStringLiteral("fraFileName"));
  auto* grid = new QGridLayout(fraFileName);
  cmbFileName.Add(0, new QComboBox(fraFileName))->addItems({"S", "D", "C", "M"});
  cmbFileName.Add(1, new QComboBox(fraFileName))->addItems(Characters36());
  imtFileName.Add(0, new QLineEdit(QStringLiteral("SS"), fraFileName));
  imtFileName[0]->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[A-Za-z]*")), imtFileName[0]));
  imtFileName[0]->setMaximumWidth(50);
  imnFileName = new NumberBox(fraFileName);
  imnFileName->setObjectName(QStringLiteral("imnFileName"));
  imnFileName->SetRange(1, 999);
  imnFileName->SetFormat(QStringLiteral("000"));
  imnFileName->SetValue(1);
  imnFileName->setMaximumWidth(60);
  cmbFileName.Add(2, new QComboBox(fraFileName))->addItems(Characters36());
  lblFileName.Add(5, new QLabel(QStringLiteral("."), fraFileName));
  imtFileExt = new QLineEdit(fraFileName);
  imtFileExt->setObjectName(QStringLiteral("imtFileExt"));
  imtFileExt->setMaximumWidth(50);
  QWidget* row[7] = {cmbFileName[0], cmbFileName[1], imtFileName[0], imnFileName,
                     cmbFileName[2], lblFileName[5], imtFileExt};
  for (int i = 0; i < 7; ++i) grid->addWidget(row[i], 0, i);
  const char* const kLabels[5] = {"ﾗｲﾌｻｲｸﾙ(S-測量、D-設計、C-施行、M-維持管理)",
                                  "整理番号(0～9,A～Z)", "図面種類(ex.平面図:PL)",
                                  "図面番号(001～999)", "改訂履歴(0～9、A～Y、最終はZ)"};
  // Each label below the row, under its field (column i).
  const int kColumn[5] = {0, 1, 2, 3, 4};
  for (int i = 0; i < 5; ++i) {
    auto* l = lblFileName.Add(
        i, new QLabel(QString::fromUtf8("└ ") + QString::fromUtf8(kLabels[i]), fraFileName));
    grid->addWidget(l, 1 + i, kColumn[i], 1, 7 - kColumn[i]);
  }
  layout->addWidget(fraFileName);

  fraFolder = new QGroupBox(QStringLiteral("出力先フォルダ"), this);
  fraFolder->setObjectName(QStringLiteral("fraFolder"));
  auto* folderRow = new QHBoxLayout(fraFolder);
  imtFolder = new QLineEdit(fraFolder);
  imtFolder->setObjectName(QStringLiteral("imtFolder"));
  imtFolder->setMinimumWidth(380);
  cmdFolder = new QPushButton(QStringLiteral("参照"), fraFolder);
  cmdFolder->setObjectName(QStringLiteral("cmdFolder"));
  cmdFolder->setAutoDefault(false);
  folderRow->addWidget(imtFolder, 1);
  folderRow->addWidget(cmdFolder);
  layout->addWidget(fraFolder);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdOk->setAutoDefault(false);
  cmdCancel->setAutoDefault(false);
  buttons->addWidget(cmdOk);
  buttons->addWidget(cmdCancel);
  layout->addLayout(buttons);

  QWidget* order[] = {optFileType[0], optFileType[1], cmbFileName[0], cmbFileName[1],
                      imtFileName[0], imnFileName,    cmbFileName[2], imtFileExt,
                      imtFolder,      cmdFolder,      cmdOk,          cmdCancel};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  for (int i = 0; i < 2; ++i)
    connect(optFileType[i], &QRadioButton::clicked, this, [this, i] { optFileType_Click(i); });
  connect(cmdFolder, &QPushButton::clicked, this, &frmSxfOpt::cmdFolder_Click);
  connect(cmdOk, &QPushButton::clicked, this, [this] {
    imnFileName->clearFocus();  // a number being typed is taken first
    hide();
    done(QDialog::Accepted);
  });
  connect(cmdCancel, &QPushButton::clicked, this, &frmSxfOpt::reject);
  browseFolder = [](QWidget* w) { return BrowseForFolder(w, 0, QString()); };

  // Form_Load; the p21 option takes the focus when the dialog opens and so
  // becomes the chosen form.
  nEndState = 0;
  cmbFileName[0]->setCurrentIndex(1);
  cmbFileName[1]->setCurrentIndex(0);
  cmbFileName[2]->setCurrentIndex(0);
  optFileType[0]->setChecked(true);
  optFileType_Click(0);
  optFileType[0]->setFocus();
}

QString frmSxfOpt::FileName() const {
  const int number = static_cast<int>(imnFileName->Value());
  return cmbFileName[0]->currentText() + cmbFileName[1]->currentText() + imtFileName[0]->text() +
         QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')) + cmbFileName[2]->currentText() +
         QStringLiteral(".") + imtFileExt->text();
}

QString frmSxfOpt::FilePath() const { return imtFolder->text(); }
void frmSxfOpt::SetFilePath(const QString& folder) { imtFolder->setText(folder); }
int16_t frmSxfOpt::FileType() const { return optFileType[0]->isChecked() ? 1 : 0; }

void frmSxfOpt::optFileType_Click(int index) {
  imtFileExt->setText(index != 0 ? QStringLiteral("sfc") : QStringLiteral("p21"));
}

void frmSxfOpt::cmdFolder_Click() {
  const QString picked = QString::fromStdString(TrimNulls(browseFolder(this).toStdString()));
  if (!picked.isEmpty()) imtFolder->setText(picked);
}

void frmSxfOpt::reject() {
  nEndState = 1;
  QDialog::reject();
}

void RegisterSxfOutput(ISxfLibrary& library) {
  SheetSxfCommand() = [&library](CDocument& doc, QWidget* owner) {
    SxfSheet target(
        [owner](SxfFileChoice& c) {
          frmSxfOpt dialog(owner);
          dialog.SetFilePath(QString::fromStdString(c.folder));
          dialog.exec();
          if (dialog.nEndState != 0) return false;
          c.folder = dialog.FilePath().toStdString();
          c.fileName = dialog.FileName().toStdString();
          c.fileType = dialog.FileType();
          return true;
        },
        library);
    try {
      SkzOutput(1, doc, target);
    } catch (const std::invalid_argument& e) {
      MessageSink().Show(kProgramTitle, e.what(), MsgIcon::Warning, MsgButtons::Ok);
      return;
    }
    // The user is told which file now holds the sheet; a cancelled or failed
    // output has said what it had to say already.
    if (target.Written())
      MessageSink().Show(kProgramTitle, "SXFﾌｧｲﾙを出力しました。\n" + target.Path(),
                         MsgIcon::Information, MsgButtons::Ok);
  };
}

}  // namespace norva
