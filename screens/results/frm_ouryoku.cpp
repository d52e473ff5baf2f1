#include "screens/results/frm_ouryoku.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string>

#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/results/frm_add_sec_pos.h"
#include "screens/results/member_checks.h"
#include "screens/results/member_rebar.h"
#include "screens/results/member_run.h"
#include "screens/results/member_sections.h"
#include "screens/screen_foot.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

// Rows a grid shows without scrolling: the caption row and four cases.
constexpr int kVisibleRows = 5;
constexpr int kRowHeight = 20;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

OuryokuDialogs& MemberDialogs() {
  static OuryokuDialogs dialogs{[](CDocument& doc, int16_t part, QWidget* owner) {
    frmAddSecPos dlg(owner);
    dlg.SetDoc(&doc);
    dlg.SetnULflg(part);
    dlg.exec();
  }};
  return dialogs;
}

// ---- Building -----------------------------------------------------------------

frmOuryoku::frmOuryoku() {
  setObjectName(QStringLiteral("frmOuryoku"));
  auto* v = new QVBoxLayout(this);
  BuildWall();
  BuildFot();
  BuildTok();
  v->addWidget(fraWall);
  v->addWidget(fraFot);
  v->addWidget(fraTok);

  imtHelp = MakeHelpBox(this, 44);
  cmdPrint = new QPushButton(QStringLiteral("印刷(&P)"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdPrevious = new QPushButton(QStringLiteral("< 戻る(&B)"), this);
  cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
  cmdNext = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  cmdNext->setObjectName(QStringLiteral("cmdNext"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(imtHelp, 1);
  bottom->addWidget(cmdPrint);
  bottom->addSpacing(12);
  bottom->addWidget(cmdPrevious);
  bottom->addWidget(cmdNext);
  v->addLayout(bottom);

  // Form_Load: the timer waits for the screen to be shown.
  tmOuryoku = new QTimer(this);
  tmOuryoku->setObjectName(QStringLiteral("tmOuryoku"));
  tmOuryoku->setInterval(100);
  const QString sec0 = QStringLiteral("現在選択されている応力度照査位置の計算結果が表示されます。");
  const QString sec1 = QStringLiteral("応力度照査位置を切り替えます。");
  const QString sec2 =
      QStringLiteral("応力度照査を行う断面位置を追加するには、このボタンをクリックして下さい。");
  const QString sec3 =
      QStringLiteral("登録済みの応力度照査位置を削除するには、このボタンをクリックして下さい。");
  hints_ = {
      {vsWallRes[0], sec0},
      {cmbWallSecPos[0], sec1},
      {cmdWallSecPos[0], sec2},
      {cmdWallSecPos[1], sec3},
      {vsWallRes[1], sec0},
      {cmbWallSecPos[1], sec1},
      {cmdWallSecPos[2], sec2},
      {cmdWallSecPos[3], sec3},
      {vsFot, QStringLiteral("もたれ式擁壁の場合のみ、つま先版の応力度計算結果が表示されます。")},
      {cmbDia, QStringLiteral("突起部に配筋する鉄筋の径を選択します。")},
      {imnHon, QStringLiteral("突起部に配筋する鉄筋の1m当りの本数を入力します。")},
      {imnKab, QStringLiteral("突起部の鉄筋のかぶりを入力します。")},
      {imnAs, QStringLiteral("突起部の使用鉄筋量が表示されます。")},
      {vsTok, QStringLiteral("突起部の応力度計算結果を表示します。")},
  };
  for (int i : {0, 1}) SetSpreadColors(vsWallRes[i]);
  Wire();
}

SpreadGrid* frmOuryoku::MakeGrid(const QString& name, int index,
                                 std::initializer_list<double> widths, QWidget* parent) {
  auto* g = new SpreadGrid(parent);
  if (index < 0)
    g->setObjectName(name);
  else
    vsWallRes.Add(index, g);
  g->SetMaxCols(static_cast<int>(widths.size()) - 1);
  g->SetMaxRows(kVisibleRows);
  g->horizontalHeader()->hide();  // the column-header row is not shown
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  g->verticalHeader()->setDefaultSectionSize(kRowHeight);
  g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Designed widths are in characters of the grid's font.
  const int ch = QFontMetrics(g->font()).horizontalAdvance(QLatin1Char('0'));
  int col = 0, total = 0, names = 0;
  for (double w : widths) {
    // The case names are Japanese: their column gets room for them.
    const double scale = col == 1 ? 1.7 : 1.05;
    const int px = static_cast<int>(w * ch * scale) + 6;
    g->SetColWidthPixels(col, px);
    if (col++ == 1) names = px;
    total += px;
  }
  // The case names keep their width (widened to the longest name): a narrow
  // window scrolls the grid rather than cutting a name off.
  g->setRowHeight(0, 2 * QFontMetrics(g->font()).height() + 6);  // the two-line caption row
  g->setMinimumWidth(total - names + std::min(names, 8 * ch) + 24);
  g->setFixedHeight(g->rowHeight(0) + (kVisibleRows - 1) * kRowHeight + 4);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  g->SetFrameColor(2, Qt::black);
  SizeGrid(g);
  return g;
}

void frmOuryoku::BuildWall() {
  fraWall = new QGroupBox(QStringLiteral("たて壁 - 応力度計算結果"), this);
  fraWall->setObjectName(QStringLiteral("fraWall"));
  auto* v = new QVBoxLayout(fraWall);
  vstWall = new QTabWidget(fraWall);
  vstWall->setObjectName(QStringLiteral("vstWall"));
  v->addWidget(vstWall);
  for (int page : {0, 1}) {
    QWidget* pic = picWall.Add(page, new QWidget(vstWall));
    auto* pv = new QVBoxLayout(pic);
    auto* row = new QHBoxLayout;
    row->addWidget(
        lblWall.Add(page, new QLabel(QStringLiteral("照査位置(たて壁付け根からの距離) :"), pic)));
    QComboBox* list = cmbWallSecPos.Add(page, new QComboBox(pic));
    list->setMinimumWidth(90);
    row->addWidget(list);
    row->addWidget(lblUnit.Add(page == 0 ? 0 : 3, new QLabel(QStringLiteral("(m)"), pic)));
    row->addStretch(1);
    row->addWidget(
        cmdWallSecPos.Add(2 * page, new QPushButton(QStringLiteral("照査位置追加"), pic)));
    row->addWidget(
        cmdWallSecPos.Add(2 * page + 1, new QPushButton(QStringLiteral("照査位置削除"), pic)));
    pv->addLayout(row);
    pv->addWidget(MakeGrid(QStringLiteral("vsWallRes"), page,
                           {2.62, 10.75, 6.5, 6.5, 6.5, 6.25, 11, 11, 11, 4.12}, pic));
    vstWall->addTab(pic, page == 0 ? QStringLiteral("上部擁壁") : QStringLiteral("下部擁壁"));
    SpreadGrid* g = vsWallRes[page];
    g->SetText(1, 1, QStringLiteral("荷重ケース"));
    g->SetText(9, 1, QStringLiteral("判定"));
  }
}

void frmOuryoku::BuildFot() {
  fraFot = new QGroupBox(QStringLiteral("つま先版 - 応力度計算結果(付け根位置)"), this);
  fraFot->setObjectName(QStringLiteral("fraFot"));
  auto* v = new QVBoxLayout(fraFot);
  vsFot = MakeGrid(QStringLiteral("vsFot"), -1, {2.62, 10.75, 6.5, 6.5, 6.25, 11, 11, 11, 4.12},
                   fraFot);
  vsFot->SetText(1, 1, QStringLiteral("荷重ケース"));
  vsFot->SetText(8, 1, QStringLiteral("判定"));
  v->addWidget(vsFot);
}

void frmOuryoku::BuildTok() {
  fraTok = new QGroupBox(QStringLiteral("突起 - 応力度計算結果"), this);
  fraTok->setObjectName(QStringLiteral("fraTok"));
  auto* v = new QVBoxLayout(fraTok);
  auto* line = new QHBoxLayout;
  lblTok = new QLabel(QStringLiteral("主鉄筋　　D"), fraTok);
  lblTok->setObjectName(QStringLiteral("lblTok"));
  cmbDia = new QComboBox(fraTok);
  cmbDia->setObjectName(QStringLiteral("cmbDia"));
  for (int16_t d : kKeyBarDiameters) cmbDia->addItem(QString::number(d));
  cmbDia->setCurrentIndex(-1);
  auto box = [this](const char* name, double max, const char* mask) {
    auto* b = new NumberBox(0, max, QString::fromLatin1(mask), fraTok);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedWidth(80);
    return b;
  };
  imnPich = box("imnPich", 999.9, "##0.0");
  imnHon = box("imnHon", 999.9, "##0.0");
  imnKab = box("imnKab", 999.9, "##0.0");
  imnAs = box("imnAs", 99999999.99, "#####0.00");
  imnAs->SetLocked(true);
  imnAs->setFocusPolicy(Qt::NoFocus);
  auto part = [this](int i, const char* text) {
    return lblTokPart.Add(i, new QLabel(QString::fromUtf8(text), fraTok));
  };
  line->addWidget(lblTok);
  line->addWidget(cmbDia);
  line->addWidget(part(0, "- ctc"));
  line->addWidget(imnPich);
  line->addWidget(part(1, "　("));
  line->addWidget(imnHon);
  line->addWidget(part(2, "本)  鉄筋のかぶり"));
  line->addWidget(imnKab);
  auto* unit1 = lblUnit.Add(1, new QLabel(QStringLiteral("(mm)"), fraTok));
  unit1->setProperty("Tag", QStringLiteral("(mm)|(cm)"));
  line->addWidget(unit1);
  line->addWidget(part(3, "　使用鉄筋量　Ａs :"));
  line->addWidget(imnAs);
  auto* unit2 = lblUnit.Add(2, new QLabel(QStringLiteral("(mm2)"), fraTok));
  unit2->setProperty("Tag", QStringLiteral("(mm2)|(cm2)"));
  line->addWidget(unit2);
  line->addStretch(1);
  v->addLayout(line);
  vsTok = MakeGrid(QStringLiteral("vsTok"), -1, {2.62, 10.75, 6.5, 6.5, 6.25, 11, 11, 11, 8, 4.12},
                   fraTok);
  vsTok->SetText(1, 1, QStringLiteral("荷重ケース"));
  vsTok->SetText(9, 1, QStringLiteral("判定"));
  v->addWidget(vsTok);
}

void frmOuryoku::Wire() {
  auto guarded = [](const std::function<void()>& fn) { GuardedCall(fn); };
  for (int page : {0, 1}) {
    connect(cmbWallSecPos[page], &QComboBox::currentIndexChanged, this,
            [this, guarded, page] { guarded([this, page] { cmbWallSecPos_Click(page); }); });
  }
  for (const auto& [i, b] : cmdWallSecPos)
    connect(b, &QPushButton::clicked, this,
            [this, guarded, i = i] { guarded([this, i] { cmdWallSecPos_Click(i); }); });
  connect(cmbDia, &QComboBox::currentIndexChanged, this,
          [this, guarded] { guarded([this] { cmbDia_Click(); }); });
  for (auto [b, handler] : {std::pair{imnHon, &frmOuryoku::imnHon_LostFocus},
                            std::pair{imnPich, &frmOuryoku::imnPich_LostFocus},
                            std::pair{imnKab, &frmOuryoku::imnKab_LostFocus}}) {
    connect(b, &NumberBox::GotFocus, this, [this, b = b] { KeepFocusState(b); });
    connect(b, &NumberBox::LostFocus, this, [this, guarded, b = b, handler = handler] {
      // A box left as it was found acts on nothing.
      if (!Changed(b)) return;
      KeepFocusState(b);
      guarded([this, handler] { (this->*handler)(); });
    });
  }
  connect(tmOuryoku, &QTimer::timeout, this, [this] { tmOuryoku_Timer(); });
  connect(cmdPrint, &QPushButton::clicked, this,
          [this, guarded] { guarded([this] { cmdPrint_Click(); }); });
  // These two replace or close the screen: nothing of it is used after.
  connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
  connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
}

QSize frmOuryoku::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 860), std::max(least.height(), 700)};
}

void frmOuryoku::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  tmOuryoku->start();
}

void frmOuryoku::hideEvent(QHideEvent* e) {
  tmOuryoku->stop();
  QWidget::hideEvent(e);
}

// ---- Filling ----------------------------------------------------------------------

void frmOuryoku::DataSet() {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  ApplyUnitCaptions(d.Unit, this);
  d.TokAs = 0;
  RunStemAndToeChecks(d, [this](int32_t i, const StabStatus& s) { Note(i, s); });
  if (d.WallType() == 3) {
    FillSectionList(0, 0, 0);
    FillSectionList(1, 1, 0);
  } else {
    FillSectionList(1, 0, 0);
  }
  if (d.bFotCalc()) ShowFotRes();
  if (d.Tokki == 1 && d.WallType() != 0) {
    if (d.TokB > 0) imnKab->SetMaxValue(1000 * d.TokB - 1);
    ShowTokRes();
    gNavLock = true;
    int select = -1;
    for (int k = 0; k < cmbDia->count(); ++k)
      if (DiameterFromText(cmbDia->itemText(k).toStdString()) == d.TokDia) {
        select = k;
        break;
      }
    cmbDia->setCurrentIndex(select);
    SetNumBox(imnPich, d.TokPich);
    SetNumBox(imnHon, d.TokHon);
    SetNumBox(imnKab, d.TokKab);
    gNavLock = false;
  }
  SetFormState();
  ReportFailures();
}

void frmOuryoku::Note(int32_t caseNo, const StabStatus& s) {
  if (s.ok) return;
  std::vector<std::string>& reasons = failures_[caseNo];
  if (std::find(reasons.begin(), reasons.end(), s.reason) == reasons.end())
    reasons.push_back(s.reason);
}

void frmOuryoku::ReportFailures() {
  const auto failures = std::move(failures_);
  failures_.clear();
  if (doc_ == nullptr) return;
  for (const auto& [caseNo, reasons] : failures) ReportCaseFailure(*doc_, {caseNo, reasons});
}

void frmOuryoku::FillSectionList(int page, int16_t part, int select) {
  QComboBox* list = cmbWallSecPos[page];
  {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& t : SectionTexts(*doc_, part)) list->addItem(Q(t));
    list->setCurrentIndex(list->count() > 0 ? select : -1);
  }
  if (list->count() > 0) cmbWallSecPos_Click(page);
}

void frmOuryoku::CaptionRow(SpreadGrid* grid,
                            const std::vector<std::pair<const char*, const char*>>& cols) {
  int c = 2;
  for (const auto& [name, unit] : cols)
    grid->SetText(c++, 1,
                  QString::fromUtf8(name) + QStringLiteral("\r\n") + QString::fromUtf8(unit));
  for (int col = 1; col <= grid->MaxCols(); ++col)
    if (QTableWidgetItem* it = grid->item(0, col - 1)) it->setTextAlignment(Qt::AlignCenter);
}

void frmOuryoku::SizeGrid(SpreadGrid* grid) {
  const int rows = std::max<int>(kVisibleRows, doc_ ? doc_->nCase() + 1 : 0);
  if (grid->MaxRows() != rows) grid->SetMaxRows(rows);
  grid->SetText(0, 1, QStringLiteral("No"));
  for (int r = 2; r <= rows; ++r) {
    grid->setRowHeight(r - 1, kRowHeight);
    grid->SetText(0, r, QString::number(r - 1));  // the case number
  }
}

void frmOuryoku::SetFormState() {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  d.SetbInpSt(5, -1);
  // This screen's own inputs (check sections) leave the stability results valid.
  if (d.bInpSt(4) != 0) MarkResultsCurrent(d);
  DocDataState(d, 5);
  const bool mixed = d.WallType() == 3;
  vstWall->setTabEnabled(0, mixed);
  vstWall->setTabEnabled(1, true);
  vstWall->setCurrentIndex(mixed ? 0 : 1);
  if (!mixed) SetSpreadEnabled(vsWallRes[0], false);

  const std::vector<std::pair<const char*, const char*>> wallCols = {
      {"Ｎ", "(kN)"},    {"Ｓ", "(kN)"},    {"Ｍ", "(kN･m)"}, {"部材高", "(mm)"},
      {"σc", "(N/mm2)"}, {"σt", "(N/mm2)"}, {"τc", "(N/mm2)"}};
  std::vector<SpreadGrid*> captioned = {vsWallRes[1], vsFot, vsTok};
  CaptionRow(vsWallRes[1], wallCols);
  if (mixed) {
    CaptionRow(vsWallRes[0], wallCols);
    captioned.push_back(vsWallRes[0]);
  }
  CaptionRow(vsFot, {{"Ｓ", "(kN)"},
                     {"Ｍ", "(kN･m)"},
                     {"部材高", "(mm)"},
                     {"σc", "(N/mm2)"},
                     {"σt", "(N/mm2)"},
                     {"τc", "(N/mm2)"}});
  CaptionRow(vsTok, {{"Ｓ", "(kN)"},
                     {"Ｍ", "(kN･m)"},
                     {"有効高", "(mm)"},
                     {"σc", "(N/mm2)"},
                     {"σs", "(N/mm2)"},
                     {"τc", "(N/mm2)"},
                     {"必要鉄筋量", "(mm2)"}});
  for (SpreadGrid* g : captioned) SizeGrid(g);

  if (!d.bFotCalc()) {
    fraFot->setEnabled(false);
    SetSpreadEnabled(vsFot, false);
  }
  if (d.Tokki == 0 || d.WallType() == 0) {
    fraTok->setEnabled(false);
    lblTok->setEnabled(false);
    for (const auto& [i, l] : lblTokPart) l->setEnabled(false);
    lblUnit[1]->setEnabled(false);
    lblUnit[2]->setEnabled(false);
    SetSpreadEnabled(vsTok, false);
    cmbDia->setEnabled(false);
    for (NumberBox* b : {imnPich, imnHon, imnKab, imnAs}) SetFrameEnabled(b, false);
  }
  cmdPrint->setEnabled(static_cast<bool>(Windows().reportDialog));
}

void frmOuryoku::WriteRow(SpreadGrid* grid, int caseNo, const MemberRow& row, int checkCol,
                          int areaCol) {
  const int r = caseNo + 2;
  const std::shared_ptr<CKajyuCase> k = doc_->pCase(caseNo);
  grid->SetText(1, r, k ? Q(k->CaseName) : QString());
  size_t n = 0;
  for (; n < row.numbers.size() && 2 + static_cast<int>(n) < checkCol; ++n) {
    grid->SetText(2 + static_cast<int>(n), r, Q(row.numbers[n]));
    grid->item(r - 1, 1 + static_cast<int>(n))->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (areaCol > 0 && n < row.numbers.size()) {
    grid->SetText(areaCol, r, Q(row.numbers[n]));
    grid->item(r - 1, areaCol - 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  int c = checkCol;
  for (const CheckCell& cell : row.checks) {
    grid->SetText(c, r, Q(cell.text));
    grid->item(r - 1, c - 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (cell.color == CheckColor::kRed) grid->SetCellForeColor(c, r, kRed);
    if (cell.color == CheckColor::kBlue) grid->SetCellForeColor(c, r, kBlue);
    if (cell.color == CheckColor::kBlack) grid->SetCellForeColor(c, r, Qt::black);
    ++c;
  }
  if (areaCol == c) ++c;
  const Judgement& j = row.judgement;
  if (!j.computable) {
    grid->SetCellBackColor(c, r, VbColor(kSysWindow));
    grid->SetCellForeColor(c, r, Qt::black);
  } else {
    grid->SetCellBackColor(c, r, j.ok ? kBlue : kRed);
    grid->SetCellForeColor(c, r, kWhite);
  }
  grid->SetText(c, r, Q(j.text));
  grid->item(r - 1, c - 1)->setTextAlignment(Qt::AlignCenter);
}

void frmOuryoku::ShowWallRes(int page, int section) {
  if (doc_ == nullptr) return;
  const int16_t part = PagePart(doc_->WallType(), page);
  SpreadGrid* g = vsWallRes[page];
  SizeGrid(g);
  for (int i = 0; i < doc_->nCase(); ++i) {
    const std::shared_ptr<CWallRes> res = doc_->pWallRes(part, i, section);
    if (res) WriteRow(g, i, WallRow(*res), 6, 0);
  }
}

void frmOuryoku::ShowFotRes() {
  if (doc_ == nullptr) return;
  SizeGrid(vsFot);
  for (int i = 0; i < doc_->nCase(); ++i) {
    const std::shared_ptr<CFotRes> res = doc_->pFotRes(i);
    if (res) WriteRow(vsFot, i, FotRow(*res), 5, 0);
  }
}

void frmOuryoku::ShowTokRes() {
  if (doc_ == nullptr || !HasKey(*doc_)) return;
  CDocument& d = *doc_;
  RunKeyChecks(d, [this](int32_t i, const StabStatus& s) { Note(i, s); });
  if (d.TokAs > 0)
    SetNumBox(imnAs, 1000000 * d.TokAs);
  else
    imnAs->SetBlank();
  SizeGrid(vsTok);
  for (int i = 0; i < d.nCase(); ++i) {
    const std::shared_ptr<CTokRes> res = d.pTokRes(i);
    if (res) WriteRow(vsTok, i, TokRow(*res), 5, 8);
  }
}

// ---- Handlers --------------------------------------------------------------------

void frmOuryoku::cmbWallSecPos_Click(int index) {
  const int s = cmbWallSecPos[index]->currentIndex();
  if (s >= 0) ShowWallRes(index, s);
}

void frmOuryoku::cmbDia_Click() {
  if (gNavLock || doc_ == nullptr) return;
  const int i = cmbDia->currentIndex();
  doc_->TokDia = i < 0 ? 0 : DiameterFromText(cmbDia->itemText(i).toStdString());
  ShowTokRes();
  failures_.clear();  // told when the screen was filled
}

void frmOuryoku::KeepFocusState(NumberBox* box) {
  focusBox_ = box;
  focusBlank_ = box->IsBlank();
  focusValue_ = box->Value();
}

bool frmOuryoku::Changed(NumberBox* box) const {
  if (box != focusBox_) return true;
  return box->IsBlank() != focusBlank_ || (!box->IsBlank() && box->Value() != focusValue_);
}

void frmOuryoku::imnHon_LostFocus() {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  const double before = d.TokHon;
  d.TokHon = GetNumBox(imnHon);
  if (const auto pich = PairedRebarValue(before, d.TokHon)) {
    d.TokPich = *pich;
    SetNumBox(imnPich, *pich);
  }
  ShowTokRes();
  failures_.clear();  // told when the screen was filled
}

void frmOuryoku::imnPich_LostFocus() {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  const double before = d.TokPich;
  d.TokPich = GetNumBox(imnPich);
  if (const auto hon = PairedRebarValue(before, d.TokPich)) {
    SetNumBox(imnHon, *hon);
    d.TokHon = GetNumBox(imnHon);
  }
  ShowTokRes();
  failures_.clear();  // told when the screen was filled
}

void frmOuryoku::imnKab_LostFocus() {
  if (doc_ == nullptr) return;
  doc_->TokKab = GetNumBox(imnKab);
  ShowTokRes();
  failures_.clear();  // told when the screen was filled
}

void frmOuryoku::cmdWallSecPos_Click(int index) {
  if (doc_ == nullptr) return;
  CDocument& d = *doc_;
  const int page = index / 2;
  SectionActions actions;
  actions.addDialog = [this, &d](int16_t part) {
    if (MemberDialogs().addSecPos) MemberDialogs().addSecPos(d, part, DialogOwner());
  };
  actions.recalc = [this, &d](int32_t caseNo, int16_t part) {
    Note(caseNo, CalcWallStress(d, caseNo, part));
  };
  const SectionClick click =
      SectionButton(d, index, cmbWallSecPos[page]->currentIndex(), actions, MessageSink());
  if (!click.changed) return;
  FillSectionList(page, click.part, click.select);
  ReportFailures();
}

void frmOuryoku::cmdPrevious_Click() {
  CDocument* d = doc_;
  if (d == nullptr) return;
  GuardedCall([d] {
    d->ReAntCalc = -1;
    ShowForm(*d, 4);
  });
}

void frmOuryoku::cmdPrint_Click() {
  if (!doc_ || !Windows().reportDialog) return;
  Windows().reportDialog(*doc_, 1, DialogOwner());
  // The report calculates afresh (a fixed slip angle is searched again): the
  // grids show what the report printed.
  for (int page : {0, 1}) cmbWallSecPos_Click(page);
  if (doc_->bFotCalc()) ShowFotRes();
  ShowTokRes();
  failures_.clear();  // told when the screen was filled
}

void frmOuryoku::cmdNext_Click() {
  // As the window's close box: the save question, then the document closes.
  if (doc_ == nullptr) return;
  if (ScreenWindow* w = WindowOf(*doc_)) w->close();
}

QWidget* frmOuryoku::DialogOwner() {
  if (QWidget* m = MainWindow()) return m;
  return window();
}

void frmOuryoku::tmOuryoku_Timer() {
  // Only while the screen's window is the active one: a dialog over it, or
  // another document's window, keeps the hint as it is.
  if (QApplication::activeModalWidget() != nullptr || !window()->isActiveWindow()) return;
  for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
    auto* sub = qobject_cast<QMdiSubWindow*>(w);
    if (sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() != sub) return;
  }
  const QPoint at = QCursor::pos();
  QString text;
  for (const auto& [w, hint] : hints_) {
    if (!w->isVisible()) continue;
    const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (r.adjusted(0, 0, 1, 1).contains(at)) {
      text = hint;
      break;
    }
  }
  if (hintShown_ && text == lastHint_) return;
  hintShown_ = true;
  lastHint_ = text;
  ShowHint(imtHelp, text.toStdString());
}

}  // namespace norva
