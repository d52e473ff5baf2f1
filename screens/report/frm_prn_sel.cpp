#include "screens/report/frm_prn_sel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <memory>

#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_writers.h"
#include "screens/report/f_print_style.h"
#include "screens/results/member_run.h"
#include "shell/calculation.h"
#include "shell/report_renderer.h"

namespace norva {

frmPrnSel::frmPrnSel(QWidget* owner) : QDialog(owner), env_(ShellReportEnv()) {
  setObjectName("frmPrnSel");
  setModal(true);
  stabilityRun = [](CDocument& d) { return CalculateWithProgress(d); };
  styleDialog = [](const std::string& dir, QWidget* o) { ShowPrintStyleForm(dir, o); };

  chkInpdata = new QCheckBox(QStringLiteral("設計条件"), this);
  chkInpdata->setObjectName("chkInpdata");
  connect(chkInpdata, &QCheckBox::toggled, this, [this](bool on) {
    PrnSel().PrnSelJyouken = on ? 1 : 0;
    SetSelState();
  });

  BuildChapter(kAnt, "fraAnt", "chkAnt", "lsAnt", "安定計算結果", cmdAntSel,
               &ReportSelection::PrnSelAntei, &ReportSelection::PrnAnteiCases);
  BuildChapter(kWall, "fraWall", "chkWall", "lsWall", "壁応力度計算結果", cmdWalSel,
               &ReportSelection::PrnSelWall, &ReportSelection::PrnWallCases);
  BuildChapter(kFoot, "fraFoot", "chkFoot", "lsFoot", "つま先版応力度計算結果", cmdFotSel,
               &ReportSelection::PrnSelFot, &ReportSelection::PrnFotCases);
  BuildChapter(kTokki, "fraTokki", "chkTokki", "lsTokki", "突起応力度計算結果", cmdTokSel,
               &ReportSelection::PrnSelTokki, &ReportSelection::PrnTokkiCases);

  auto button = [this](const QString& text) { return new QPushButton(text, this); };
  cmdAllSel.Add(0, button(QStringLiteral("全て選択")));
  cmdAllSel.Add(1, button(QStringLiteral("全て解除")));
  for (const auto& [i, b] : cmdAllSel) {
    connect(b, &QPushButton::clicked, this, [this, i = i] { cmdAllSel_Click(i); });
  }
  cmdPrnStyle = button(QStringLiteral("印刷書式の確認･変更"));
  cmdPrnStyle->setObjectName("cmdPrnStyle");
  cmdOK = button(QStringLiteral("出力実行"));
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  cmdCancel = button(QStringLiteral("キャンセル"));
  cmdCancel->setObjectName("cmdCancel");
  connect(cmdPrnStyle, &QPushButton::clicked, this, [this] { cmdPrnStyle_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

  auto* grid = new QGridLayout;
  for (int c = 0; c < 4; ++c) grid->addWidget(chapters[c].fra, c / 2, c % 2);
  auto* lower = new QHBoxLayout;
  lower->addWidget(cmdAllSel[0]);
  lower->addWidget(cmdAllSel[1]);
  lower->addWidget(cmdPrnStyle);
  lower->addStretch(1);
  lower->addWidget(cmdOK);
  lower->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chkInpdata);
  layout->addLayout(grid, 1);
  layout->addLayout(lower);
  resize(620, 480);
  SetMode(1);
  SetSelState();
}

void frmPrnSel::BuildChapter(int c, const char* fra, const char* chk, const char* ls,
                             const char* caption, ControlArray<QPushButton>& sel,
                             int16_t ReportSelection::*flag, CaseFlags ReportSelection::*cases) {
  Chapter& ch = chapters[static_cast<size_t>(c)];
  ch.fra = new QGroupBox(this);
  ch.fra->setObjectName(fra);
  ch.chk = new QCheckBox(QString::fromUtf8(caption), ch.fra);
  ch.chk->setObjectName(chk);
  ch.ls = new QListWidget(ch.fra);
  ch.ls->setObjectName(ls);
  ch.sel = &sel;
  ch.flag = flag;
  ch.cases = cases;
  sel.Add(0, new QPushButton(QStringLiteral("全選択"), ch.fra));
  sel.Add(1, new QPushButton(QStringLiteral("全解除"), ch.fra));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(sel[0]);
  buttons->addWidget(sel[1]);
  auto* box = new QVBoxLayout(ch.fra);
  box->addWidget(ch.chk);
  box->addWidget(ch.ls, 1);
  box->addLayout(buttons);

  connect(ch.chk, &QCheckBox::toggled, this, [this, c](bool on) {
    PrnSel().*(chapters[static_cast<size_t>(c)].flag) = on ? 1 : 0;
    SetSelState();
  });
  connect(ch.ls, &QListWidget::itemChanged, this, [this, c](QListWidgetItem* item) {
    const Chapter& h = chapters[static_cast<size_t>(c)];
    (PrnSel().*(h.cases)).Set(h.ls->row(item), item->checkState() == Qt::Checked ? 1 : 0);
    SetSelState();
  });
  for (const auto& [i, b] : sel) {
    connect(b, &QPushButton::clicked, this, [this, c, i = i] { ChapterSel_Click(c, i); });
  }
}

void frmPrnSel::SetMode(int16_t n) {
  mode_ = n;
  setWindowTitle(n == 0 || n == 1 ? QStringLiteral("出力選択") : QStringLiteral("Word出力選択"));
}

void frmPrnSel::FillCases(QListWidget* ls) {
  const QSignalBlocker quiet(ls);
  ls->clear();
  for (int32_t i = 0; i < doc_->nCase(); ++i) {
    const std::shared_ptr<CKajyuCase> k = doc_->pCase(i);
    const std::string text = FormatPattern(i + 1, "#0") + "." + (k ? k->CaseName : "");
    auto* item = new QListWidgetItem(QString::fromStdString(text), ls);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void frmPrnSel::SetDoc(CDocument& doc) {
  doc_ = &doc;
  PrnSel().NewDocument(doc.nCase());
  // A dialog given a second document starts from unticked boxes as well.
  for (QCheckBox* b :
       {chkInpdata, chapters[0].chk, chapters[1].chk, chapters[2].chk, chapters[3].chk}) {
    const QSignalBlocker quiet(b);
    b->setChecked(false);
  }
  const ReportWriters& w = PrnWriters();
  // Stale results of a run that could not finish are never reported.
  const bool stability = doc.bInpSt(4) != 0 && (!stabilityRun || stabilityRun(doc));
  // The member results follow the stability results just computed, whether
  // or not the member-stress screen was visited since; they are checked
  // again for every report, as that screen checks them.
  const bool results = doc.bInpSt(5) != 0 || stability;
  if (results) {
    RunMemberChecks(doc);
    doc.SetbInpSt(5, -1);
  }
  // A chapter the program has no writer for cannot be chosen.
  chkInpdata->setEnabled(static_cast<bool>(w.PrnJyouken));
  const bool can[4] = {
      stability,
      results && static_cast<bool>(w.PrnWall),
      results && doc.bFotCalc() != 0 && static_cast<bool>(w.PrnFot),
      results && doc.Tokki == 1 && doc.WallType() != 0 && static_cast<bool>(w.PrnTokki),
  };
  for (int c = 0; c < 4; ++c) {
    Chapter& ch = chapters[static_cast<size_t>(c)];
    const bool on = can[c];
    ch.fra->setEnabled(on);
    ch.chk->setEnabled(on);
    ch.ls->setEnabled(on);
    if (on) FillCases(ch.ls);
  }
  SetSelState();
  cmdAllSel_Click(0);
}

void frmPrnSel::ChapterSel_Click(int chapter, int index) {
  QListWidget* ls = chapters[static_cast<size_t>(chapter)].ls;
  const int current = ls->currentRow();
  for (int r = 0; r < ls->count(); ++r) {
    ls->item(r)->setCheckState(index == 0 ? Qt::Checked : Qt::Unchecked);
  }
  ls->setCurrentRow(current);
}

void frmPrnSel::cmdAllSel_Click(int index) {
  const bool on = index == 0;
  if (chkInpdata->isEnabled()) chkInpdata->setChecked(on);
  for (int c = 0; c < 4; ++c) {
    Chapter& ch = chapters[static_cast<size_t>(c)];
    if (!ch.chk->isEnabled()) continue;
    ch.chk->setChecked(on);
    ChapterSel_Click(c, index);
  }
}

void frmPrnSel::SetSelState() {
  const ReportSelection& s = PrnSel();
  for (Chapter& ch : chapters) {
    const bool on = s.*(ch.flag) != 0;
    ch.ls->setEnabled(on);
    for (const auto& [i, b] : *ch.sel) b->setEnabled(on);
  }
  cmdOK->setEnabled(s.AnyChapter());
}

void frmPrnSel::cmdOK_Click() {
  hide();
  if (doc_ && mode_ >= 0 && mode_ <= 2) PrnOutExec(*doc_, mode_, env_);
  accept();
}

void frmPrnSel::cmdCancel_Click() { reject(); }

void frmPrnSel::cmdPrnStyle_Click() {
  if (styleDialog) styleDialog(env_.styleDir, this);
}

void ShowReportDialog(CDocument& doc, int16_t mode, QWidget* owner) {
  frmPrnSel dialog(owner);
  dialog.SetDoc(doc);
  dialog.SetMode(mode);
  dialog.exec();
}

}  // namespace norva
