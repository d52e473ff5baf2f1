#include "screens/results/frm_suryou.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSaveFile>
#include <QVBoxLayout>

#include "calc/member/suryou.h"
#include "document/document.h"
#include "document/services.h"
#include "platform/controls/colors.h"
#include "screens/results/member_quantity.h"
#include "shell/document_forms.h"
#include "shell/report_renderer.h"
#include "shell/screen.h"
#include "text/cp932.h"

namespace norva {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string Field(const SuryouRec& r, int field) {
  const std::string* const fields[] = {&r.Koumoku, &r.Tani, &r.Suryou, &r.Bikou};
  return *fields[field];
}

void Tell(const std::string& text) {
  MessageSink().Show(kProgramTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

QString AskCsvFile(QWidget* owner) {
  QFileDialog dlg(owner);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setNameFilters(
      {QStringLiteral("CSVファイル (*.csv)"), QStringLiteral("すべてのファイル (*.*)")});
  dlg.setDefaultSuffix(QStringLiteral("csv"));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().front();
}

}  // namespace

frmSuryou::frmSuryou(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmSuryou"));
  setWindowTitle(QStringLiteral("数量表"));
  env_ = ShellReportEnv();
  chooseCsvFile = AskCsvFile;

  vasSuryou = new SpreadGrid(this);
  vasSuryou->setObjectName(QStringLiteral("vasSuryou"));
  vasSuryou->SetMaxCols(4);
  vasSuryou->SetMaxRows(1);
  vasSuryou->horizontalHeader()->hide();
  vasSuryou->verticalHeader()->hide();
  const int ch = QFontMetrics(vasSuryou->font()).horizontalAdvance(QLatin1Char('0'));
  int col = 1, total = 0;
  for (double w : {11.62, 4.25, 8.0, 13.5}) {
    const int px = static_cast<int>(w * ch * 1.4) + 8;
    vasSuryou->SetColWidthPixels(col++, px);
    total += px;
  }
  vasSuryou->setMinimumWidth(total + 24);
  const char* captions[] = {"項目", "単位", "数量", "備考"};
  for (int c = 1; c <= 4; ++c) {
    vasSuryou->SetText(c, 1, QString::fromUtf8(captions[c - 1]));
    vasSuryou->SetCellType(c, 1, SpreadGrid::kStaticText);
    vasSuryou->item(0, c - 1)->setTextAlignment(Qt::AlignCenter);
  }
  SetSpreadColors(vasSuryou);

  auto button = [this](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  cmdAdd = button("cmdAdd", "項目追加");
  cmdDel = button("cmdDel", "項目削除");
  cmdExport = button("cmdExport", "ｴｸｽﾎﾟｰﾄ");
  cmdPrn = button("cmdPrn", "印刷");
  cmdOption = button("cmdOption", "設定");
  cmdClose = button("cmdClose", "閉じる");
  auto* side = new QVBoxLayout;
  for (QPushButton* b : {cmdAdd, cmdDel, cmdExport, cmdPrn, cmdOption}) side->addWidget(b);
  side->addStretch(1);
  side->addWidget(cmdClose);
  auto* h = new QHBoxLayout(this);
  h->addWidget(vasSuryou, 1);
  h->addLayout(side);
  resize(total + 180, 420);

  auto click = [this](QPushButton* b, void (frmSuryou::*handler)()) {
    connect(b, &QPushButton::clicked, this,
            [this, handler] { GuardedCall([&] { (this->*handler)(); }); });
  };
  click(cmdAdd, &frmSuryou::cmdAdd_Click);
  click(cmdDel, &frmSuryou::cmdDel_Click);
  click(cmdExport, &frmSuryou::cmdExport_Click);
  click(cmdPrn, &frmSuryou::cmdPrn_Click);
  click(cmdOption, &frmSuryou::cmdOption_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
  connect(vasSuryou, &SpreadGrid::EditChange, this,
          [this](int c, int r) { GuardedCall([&] { vasSuryou_EditChange(c, r); }); });
}

void frmSuryou::SetDoc(CDocument* doc) {
  doc_ = doc;
  ShowSuryou();
}

void frmSuryou::SetRowCells(int row, bool added) {
  static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                             Qt::AlignLeft};
  for (int c = 1; c <= 4; ++c) {
    if (added) vasSuryou->SetText(c, row, QString());
    vasSuryou->SetCellType(c, row, SpreadGrid::kEdit);
    vasSuryou->item(row - 1, c - 1)->setTextAlignment(kAlign[c - 1] | Qt::AlignVCenter);
  }
}

void frmSuryou::ShowSuryou() {
  if (doc_ == nullptr) return;
  CalcSuryou(*doc_);
  const std::vector<SuryouRec> rows = QuantityRows();
  vasSuryou->SetMaxRows(static_cast<int>(rows.size()) + 1);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 2;
    for (int c = 1; c <= 4; ++c) vasSuryou->SetText(c, r, Q(Field(rows[i], c - 1)));
    SetRowCells(r, false);
  }
}

void frmSuryou::cmdAdd_Click() {
  if (!AddQuantityRow()) return;
  const int r = vasSuryou->MaxRows() + 1;
  vasSuryou->SetMaxRows(r);
  SetRowCells(r, true);
}

void frmSuryou::cmdDel_Click() {
  const int r = vasSuryou->ActiveRow();
  if (r <= 1 || r > vasSuryou->MaxRows()) return;
  if (!DeleteQuantityRow(r - 2)) return;
  vasSuryou->removeRow(r - 1);
}

void frmSuryou::vasSuryou_EditChange(int col, int row) {
  if (row < 2 || col < 1 || col > 4) return;
  const std::string text = vasSuryou->Text(col, row).toStdString();
  if (!CanEncodeCp932(text)) {
    // The files are CP932: a character they cannot hold would be lost.
    Tell("保存できない文字が含まれています。");
    const std::vector<SuryouRec> rows = QuantityRows();
    if (row - 2 < static_cast<int>(rows.size()))
      vasSuryou->SetText(col, row, Q(Field(rows[static_cast<size_t>(row - 2)], col - 1)));
    return;
  }
  SetQuantityField(row - 2, col - 1, text);
}

void frmSuryou::cmdExport_Click() {
  const QString path = chooseCsvFile ? chooseCsvFile(this) : QString();
  if (path.isEmpty()) return;
  const std::string bytes = QuantityCsvBytes();
  const QFileInfo info(path);
  const std::string name = path.toStdString();
  // A read-only file is not replaced behind its owner's back.
  if (info.exists() && !info.isWritable()) {
    Tell("CSVファイルに書き込めません。\n" + name);
    return;
  }
  // Written beside the target and renamed over it only when complete.
  QSaveFile file(path);
  const bool ok = file.open(QIODevice::WriteOnly) &&
                  file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                      static_cast<qint64>(bytes.size()) &&
                  file.commit();
  if (!ok) {
    file.cancelWriting();
    Tell("CSVファイルに書き込めません。\n" + name);
  }
}

void frmSuryou::cmdPrn_Click() { PreviewQuantityTable(env_); }

void frmSuryou::cmdOption_Click() {
  if (doc_ == nullptr) return;
  // Whatever button closed it, its changes are in the document already.
  if (Windows().sheetOptions) Windows().sheetOptions(*doc_, false, this);
  ShowSuryou();
}

}  // namespace norva
