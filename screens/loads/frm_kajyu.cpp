// What the controls of screen 3 do. How the screen is laid out is in
// frm_kajyu_layout.cpp.
#include "screens/loads/frm_kajyu.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>

#include "document/document.h"
#include "document/load_case.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/load_dialogs.h"
#include "screens/screen_foot.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

constexpr uint32_t kCaseColour = 0xC0FFFF;  // light yellow: what a case sets

QString Q(const std::string& s) { return QString::fromStdString(s); }

QWidget* Owner() { return MainWindow(); }

}  // namespace

// Qt would select the first item and run its Click handler; the fill selects
// the stored one.
void frmKajyu::FillList(QComboBox* list, const std::vector<std::string>& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& s : items) list->addItem(Q(s));
  list->setCurrentIndex(-1);
}

LoadDialogs& LoadsDialogs() {
  static LoadDialogs dialogs = [] {
    LoadDialogs d;
    d.jyousai = RunJyousai;
    d.gunsyu = RunGunsyu;
    d.autoCrash = RunAutoCrash;
    d.stoneCrash = RunStoneCrash;
    d.wind = RunWind;
    d.ninni = RunNinni;
    d.addCase = RunAddCase;
    return d;
  }();
  return dialogs;
}

// ---- Wiring -----------------------------------------------------------------

void frmKajyu::WireHandlers() {
  for (auto [opt, sw] : {std::pair{&optAutoMobil, &CDocumentInputs::nAutoMobile},
                         std::pair{&optGunsyu, &CDocumentInputs::nGunsyu},
                         std::pair{&optSnow, &CDocumentInputs::nSnow},
                         std::pair{&optTakuchi, &CDocumentInputs::nTakuchi},
                         std::pair{&optStoneCrash, &CDocumentInputs::nStone},
                         std::pair{&optWind, &CDocumentInputs::nWind}}) {
    connect(opt, &OptionArray::Click, this, [this, sw = sw](int i) { OptionClick(sw, i); });
  }
  for (auto [opt, n] : {std::pair{&optAutoCrash0, 0}, std::pair{&optAutoCrash1, 1}}) {
    connect(opt, &OptionArray::Click, this, [this, n = n](int i) {
      if (!m_cDoc) return;
      m_cDoc->SetnAutoCrash(n, static_cast<int16_t>(i));
      DataSet();
    });
  }
  connect(cmbAutoMobil, &QComboBox::currentIndexChanged, this, [this] { cmbAutoMobil_Click(); });
  connect(cmbSnow, &QComboBox::currentIndexChanged, this, [this] { cmbSnow_Click(); });
  connect(cmbAutoCrash, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (m_cDoc) m_cDoc->nAutoCrashBougo = static_cast<int16_t>(i);
  });

  // Number boxes: the hint on entering; on leaving, the field write-back.
  // The entries stay where they are once the screen is built.
  for (const Bound& b : bound_.Entries()) {
    NumberBox* box = b.box;
    connect(box, &NumberBox::GotFocus, this,
            [this, box] { ShowHint(imtHelp, box->Tag().toStdString()); });
    const int snow = imnSnow.IndexOf(box);
    if (snow >= 0) {
      connect(box, &NumberBox::LostFocus, this, [this, snow] { imnSnow_LostFocus(snow); });
      connect(box, &NumberBox::Validate, this, [this](bool*) { SnowState(); });
      continue;
    }
    const Bound* p = &b;
    connect(box, &NumberBox::LostFocus, this, [this, p] { BoxLostFocus(*p); });
  }

  connect(imtLoadName, &TextBox::Change, this, [this] {
    if (!gNavLock) SyncCaseName(true, nCurCase_);
  });
  connect(imtLoadName, &TextBox::GotFocus, this,
          [this] { ShowHint(imtHelp, imtLoadName->Tag().toStdString()); });
  connect(imtLoadName, &TextBox::LostFocus, this, [this] { ShowHint(imtHelp, ""); });
  // Lists and buttons have no focus signals of their own. A list's drop-down
  // and a message box are other windows: moving there is no LostFocus; the
  // hint goes when another control of this window takes the focus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    const bool hinted = now && (now == cmbAutoMobil || now == cmbSnow || now == cmbAutoCrash ||
                                now == cmdNini || now == cmdKajyuComb);
    if (hinted) {
      ShowHint(imtHelp, now->property("Tag").toString().toStdString());
      hintOwner_ = now;
    } else if (hintOwner_ && now && now->window() == hintOwner_->window()) {
      ShowHint(imtHelp, "");
      hintOwner_ = nullptr;
    }
  });

  connect(fgComb, &FlexGrid::BeforeEdit, this,
          [this](int r, int c, bool* cancel) { fgComb_BeforeEdit(r, c, cancel); });
  connect(fgComb, &FlexGrid::AfterEdit, this, [this](int r, int c) { fgComb_AfterEdit(r, c); });
  connect(fgComb, &FlexGrid::AfterRowColChange, this,
          [this](int, int, int, int newCol) { fgComb_AfterRowColChange(newCol); });

  auto click = [this](QPushButton* b, void (frmKajyu::*handler)()) {
    connect(b, &QPushButton::clicked, this,
            [this, handler] { GuardedCall([&] { (this->*handler)(); }); });
  };
  click(cmdKajyuComb, &frmKajyu::cmdKajyuComb_Click);
  click(cmdAntResult, &frmKajyu::cmdAntResult_Click);
  click(cmdQload, &frmKajyu::cmdQload_Click);
  click(cmdRefGunsyu, &frmKajyu::cmdRefGunsyu_Click);
  click(cmdRefAutoCrash, &frmKajyu::cmdRefAutoCrash_Click);
  click(cmdStoneCrash, &frmKajyu::cmdStoneCrash_Click);
  click(cmdWind, &frmKajyu::cmdWind_Click);
  click(cmdNini, &frmKajyu::cmdNini_Click);
  for (const auto& [i, b] : cmdCase)
    connect(b, &QPushButton::clicked, this,
            [this, i = i] { GuardedCall([&] { cmdCase_Click(i); }); });
  // The screen is replaced while its handler runs: nothing of it is used after.
  connect(cmdPrevious, &QPushButton::clicked, this, [this] {
    if (CDocument* d = m_cDoc) GuardedCall([d] { ShowForm(*d, 2); });
  });
  connect(cmdNext, &QPushButton::clicked, this, [this] {
    if (CDocument* d = m_cDoc) GuardedCall([d] { ShowForm(*d, 4); });
  });
}

// ---- Protocol ---------------------------------------------------------------

void frmKajyu::SetDoc(CDocument* doc) {
  m_cDoc = doc;
  if (!doc) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc->Unit), this);
  bSoilF_ = FrontSoilFlags(*doc);
  FillList(cmbSnow, SnowKindList(doc->Sisin));
  snowListSisin_ = doc->Sisin;
}

void frmKajyu::DataSet() {
  if (!m_cDoc) return;
  // A change of guideline refills the shown screen without binding it anew:
  // the snow kinds must be those of the new guideline.
  if (snowListSisin_ != m_cDoc->Sisin) {
    FillList(cmbSnow, SnowKindList(m_cDoc->Sisin));
    snowListSisin_ = m_cDoc->Sisin;
  }
  if (m_cDoc->nCase() > 0) FillCaseTable();
  gNavLock = true;
  FillGroups();
  gNavLock = false;
  SetFormState();
}

// The options may run their Click handlers, which fill the screen again
// before this fill goes on; both fill from the same document.
void frmKajyu::FillGroups() {
  CDocument& d = *m_cDoc;
  auto boxes = [&d, this](const char* name) {
    bound_.Fill(d, [name](const KajyuField& f) { return RowNamed(f, name); });
  };
  SetOptionIndex(optAutoMobil, d.nAutoMobile);
  if (d.nAutoTload >= 0) SetListIndex(cmbAutoMobil, d.nAutoTload);
  boxes("imnAutoMobil");

  SetOptionIndex(optGunsyu, d.nGunsyu);
  boxes("imnGunsyu");

  SetOptionIndex(optSnow, d.nSnow);
  if (d.nSnowType >= 0) SetListIndex(cmbSnow, d.nSnowType);
  d.SetSnowLoad();  // the intensity always shows the current kind's value
  boxes("imnSnow");

  SetOptionIndex(optTakuchi, d.nTakuchi);
  boxes("imnTakuchi");

  SetOptionIndex(optAutoCrash0, d.nAutoCrash(0));
  SetOptionIndex(optAutoCrash1, d.nAutoCrash(1));
  cmbAutoCrash->setItemText(0, Q(FenceKindList(d.Sisin)[0]));
  SetListIndex(cmbAutoCrash, d.nAutoCrashBougo >= 0 ? d.nAutoCrashBougo : -1);
  boxes("imnAutoCrash");

  SetOptionIndex(optStoneCrash, d.nStone);
  boxes("imnStoneCrash");

  SetOptionIndex(optWind, d.nWind);
  boxes("imnWind");
}

void frmKajyu::SetFormState() {
  if (!m_cDoc) return;
  ApplyGroupState();
  const bool b = DocDataState(*m_cDoc, 3) != 0;
  cmdNext->setEnabled(b);
  // A calculation needs every input screen complete, not only this one.
  bool all = b;
  for (int i = 0; i < 3; ++i) all = all && m_cDoc->bInpSt(i) != 0;
  cmdAntResult->setEnabled(all);
}

void frmKajyu::ApplyGroupState() {
  const LoadsState s = LoadsFormState(*m_cDoc);
  const LoadDialogs& dlg = LoadsDialogs();
  auto on = [](std::initializer_list<QWidget*> ws, bool enabled) {
    for (QWidget* w : ws) {
      if (auto* box = qobject_cast<NumberBox*>(w))
        SetFrameEnabled(box, enabled);
      else
        w->setEnabled(enabled);
    }
  };
  on({lblAutoMobil[0], cmbAutoMobil, lblAutoMobil[1], imnAutoMobil[0], lblUnit[0], lblAutoMobil[3],
      lblUnit[2], imnAutoMobil[2]},
     s.autoOn);
  on({lblAutoMobil[2], imnAutoMobil[1], lblUnit[1]}, s.autoWidth);
  if (s.autoOn) imnAutoMobil[2]->SetLocked(!s.autoLoadEditable);

  on({lblGunsyu[0], imnGunsyu[0], lblUnit[3], lblGunsyu[2], imnGunsyu[2], lblUnit[5]}, s.gunsyuOn);
  on({lblGunsyu[1], imnGunsyu[1], lblUnit[4]}, s.gunsyuWidth);
  cmdRefGunsyu->setEnabled(s.gunsyuOn && dlg.gunsyu);

  SnowState();

  on({lblTakuchi[0], imnTakuchi[0], lblUnit[9], lblTakuchi[2], imnTakuchi[2], lblUnit[11]},
     s.takuchiOn);
  on({lblTakuchi[1], imnTakuchi[1], lblUnit[10]}, s.takuchiWidth);

  on({lblAutoCrash[0], lblAutoCrash[1], lblAutoCrash[2], lblAutoCrash[3], lblAutoCrash[4],
      cmbAutoCrash, imnAutoCrash[0], imnAutoCrash[1], imnAutoCrash[2], imnAutoCrash[3], lblUnit[12],
      lblUnit[13], lblUnit[14], lblUnit[21]},
     s.crashOn);
  cmdRefAutoCrash->setEnabled(s.crashOn && dlg.autoCrash);

  on({lblStoneCrash[0], lblStoneCrash[1], lblStoneCrash[2], imnStoneCrash[0], imnStoneCrash[1],
      imnStoneCrash[2], lblUnit[15], lblUnit[16], lblUnit[17]},
     s.stoneOn);
  cmdStoneCrash->setEnabled(s.stoneOn && dlg.stoneCrash);

  on({lblWind[0], lblWind[1], lblWind[2], imnWind[0], imnWind[1], imnWind[2], lblUnit[18],
      lblUnit[19], lblUnit[20]},
     s.windOn);
  cmdWind->setEnabled(s.windOn && dlg.wind);

  cmdQload->setEnabled(static_cast<bool>(dlg.jyousai));
  cmdNini->setEnabled(static_cast<bool>(dlg.ninni));
}

// The snow group's enabling alone (also before its boxes are left). True
// when the group is considered.
bool frmKajyu::SnowState() {
  if (!m_cDoc) return false;
  const LoadsState s = LoadsFormState(*m_cDoc);
  for (QWidget* w : std::initializer_list<QWidget*>{lblSnow[0], cmbSnow, lblSnow[1], lblUnit[6]})
    w->setEnabled(s.snowOn);
  SetFrameEnabled(imnSnow[0], s.snowOn);
  lblSnow[2]->setEnabled(s.snowDepth);
  lblUnit[7]->setEnabled(s.snowDepth);
  SetFrameEnabled(imnSnow[1], s.snowDepth);
  lblSnow[3]->setEnabled(s.snowLoad);
  lblUnit[8]->setEnabled(s.snowLoad);
  SetFrameEnabled(imnSnow[2], s.snowLoad);
  if (s.snowLoad) imnSnow[2]->SetLocked(!s.snowLoadEditable);
  return s.snowOn;
}

// ---- Load groups
// --------------------------------------------------------------

void frmKajyu::OptionClick(int16_t CDocumentInputs::*sw, int index) {
  if (!m_cDoc) return;
  m_cDoc->*sw = static_cast<int16_t>(index);
  DataSet();  // the case table follows: its rows show the load or "-"
}

void frmKajyu::BoxLostFocus(const Bound& b) {
  ShowHint(imtHelp, "");
  if (!m_cDoc) return;
  bound_.WriteBack(b, *m_cDoc);
  SetFormState();
}

void frmKajyu::imnSnow_LostFocus(int index) {
  if (gNavLock || !m_cDoc) return;
  ShowHint(imtHelp, "");
  NumberBox* box = imnSnow[index];
  if (NumBoxWritesBack(box) && StoreSnowBox(*m_cDoc, index, GetNumBox(box)))
    SetNumBox(imnSnow[2], m_cDoc->SnowLoad);
  SetFormState();
}

void frmKajyu::cmbAutoMobil_Click() {
  if (!m_cDoc) return;
  ApplyTloadKind(*m_cDoc, cmbAutoMobil->currentIndex());
  SetNumBox(imnAutoMobil[2], m_cDoc->AutoLoad);
  SetFormState();
}

void frmKajyu::cmbSnow_Click() {
  if (gNavLock || !m_cDoc) return;
  if (!ApplySnowKind(*m_cDoc, cmbSnow->currentIndex())) return;
  SetNumBox(imnSnow[2], m_cDoc->SnowLoad);
  SetFormState();
}

// ---- Load-case table
// ------------------------------------------------------------

void frmKajyu::FillCaseTable() {
  CDocument& d = *m_cDoc;
  layout_ = MakeCaseTableLayout(d);
  fgComb->SetRows(layout_.rows);
  fgComb->SetCols(d.nCase() + 1);
  fgComb->setRowHidden(kRowDoat, !layout_.doatVisible);
  fgComb->SetColWidthTwips(0, 1605);
  for (int r = 0; r < layout_.rows; ++r) fgComb->SetTextMatrix(r, 0, Q(layout_.labels[r]));
  for (int i = 0; i < d.nCase(); ++i) {
    SetCaseColumnCells(i + 1, *d.pCase(i));
    PaintCaseColumn(i);
  }
  SyncCaseName(false, nCurCase_);
}

void frmKajyu::SetCaseColumnCells(int k, CKajyuCase& kase) {
  gNavLock = true;
  fgComb->SetColWidthTwips(k, 1200);
  const std::vector<CaseCell> cells = SetCaseColumn(*m_cDoc, bSoilF_, layout_, k, kase);
  for (int r = 0; r < static_cast<int>(cells.size()); ++r) {
    const CaseCell& c = cells[static_cast<size_t>(r)];
    if (r == kRowDoat && !layout_.doatVisible) continue;  // not written outside residential land
    fgComb->SetCellCentered(r, k);
    fgComb->SetTextMatrix(r, k, Q(c.text));
    fgComb->SetCellChecked(r, k,
                           c.kind != CaseCell::kCheck ? FlexGrid::kNoCheckbox
                           : c.checked                ? FlexGrid::kChecked
                                                      : FlexGrid::kUnchecked);
  }
  gNavLock = false;
}

void frmKajyu::PaintCaseColumn(int i) {
  if (i < 0 || !m_cDoc) return;
  const int col = i + 1;
  const QColor light = VbColor(kSys3DLight);
  for (int r = 1; r < fgComb->Rows(); ++r) fgComb->SetCellBackColor(r, col, light);
  for (int r = 1; r < fgComb->Rows(); ++r) {
    const bool factor =
        r == layout_.rowFsTentou || r == layout_.rowFsKatsudou || r == layout_.rowQPremium;
    if (factor && r == layout_.rowQPremium && layout_.bearingFixed) continue;  // read-only
    if (factor)
      fgComb->SetCellBackColor(r, col, VbColor(kSysWindow));
    else if (fgComb->TextMatrix(r, col) != QLatin1String("-"))
      fgComb->SetCellBackColor(r, col, VbColor(kCaseColour));
  }
}

void frmKajyu::SyncCaseName(bool bSave, int i) {
  if (!m_cDoc || i < 0 || i >= m_cDoc->nCase()) return;
  auto kase = m_cDoc->pCase(i);
  if (!bSave) {
    gNavLock = true;
    imtLoadName->SetText(Q(kase->CaseName));
    gNavLock = false;
    return;
  }
  kase->CaseName = imtLoadName->Text().toStdString();
  fgComb->SetTextMatrix(kRowName, i + 1, imtLoadName->Text());
}

void frmKajyu::AddCase(const std::shared_ptr<CKajyuCase>& kase) {
  CDocument& d = *m_cDoc;
  AppendCase(d, kase);
  layout_ = MakeCaseTableLayout(d);
  fgComb->SetRows(layout_.rows);
  fgComb->SetCols(d.nCase() + 1);
  SetCaseColumnCells(d.nCase(), *kase);
  PaintCaseColumn(d.nCase() - 1);
  nCurCase_ = d.nCase() - 1;
  SyncCaseName(false, nCurCase_);
  fgComb->Select(kRowName, d.nCase());
}

void frmKajyu::fgComb_BeforeEdit(int row, int col, bool* cancel) {
  fgComb->SetComboList(row == kRowDoat ? QString::fromUtf8(kDoatList) : QString());
  // Only the cells that reach a case take typing: the earth pressure, the
  // factors (not the fixed bearing row) and the check boxes.
  const bool factor = row == layout_.rowFsTentou || row == layout_.rowFsKatsudou ||
                      (row == layout_.rowQPremium && !layout_.bearingFixed);
  const bool check = fgComb->CellChecked(row, col) != FlexGrid::kNoCheckbox;
  if (row > 0 && (check || factor || (row == kRowDoat && layout_.doatVisible))) return;
  *cancel = true;
}

void frmKajyu::fgComb_AfterEdit(int row, int col) {
  if (gNavLock || !m_cDoc) return;
  const int i = col - 1;
  if (i < 0 || i > m_cDoc->nCase() - 1) return;
  auto kase = m_cDoc->pCase(i);
  const CaseEdit r = WriteBackCaseCell(*m_cDoc, layout_, *kase, row,
                                       fgComb->CellChecked(row, col) == FlexGrid::kChecked,
                                       fgComb->TextMatrix(row, col).toStdString());
  if (!r.text.empty()) fgComb->SetTextMatrix(row, col, Q(r.text));
  if (r.factorsReset) SetCaseColumnCells(col, *kase);
  // After the cell editor has closed: a message box opened while it commits
  // would commit it again.
  if (r.refused) {
    QMetaObject::invokeMethod(
        this, [] { Ask(kFactorRefused, MsgIcon::Information, MsgButtons::Ok); },
        Qt::QueuedConnection);
  }
}

void frmKajyu::fgComb_AfterRowColChange(int newCol) {
  if (newCol < 1) return;  // the label column is no case
  nCurCase_ = newCol - 1;
  PaintCaseColumn(nCurCase_);
  SyncCaseName(false, nCurCase_);
}

void frmKajyu::cmdCase_Click(int index) {
  if (!m_cDoc) return;
  CDocument& d = *m_cDoc;
  if (index == 0) {
    std::string name;
    const LoadDialogs& dlg = LoadsDialogs();
    const int16_t end = dlg.addCase ? dlg.addCase(Owner(), &name) : 0;
    if (end != 0) AddCase(NewCase(d, name));
    DataSet();
    return;
  }
  if (d.nCase() == 0 || nCurCase_ < 0 || nCurCase_ >= d.nCase()) return;
  if (Ask(DeleteCaseQuestion(nCurCase_, d.pCase(nCurCase_)->CaseName), MsgIcon::Question,
          MsgButtons::OkCancel) != MsgAnswer::Ok)
    return;
  DeleteCase(d, nCurCase_);
  nCurCase_ = std::min(nCurCase_, d.nCase() - 1);
  PaintCaseColumn(nCurCase_);
  SyncCaseName(false, nCurCase_);
  fgComb->SetCols(d.nCase() + 1);
  DataSet();
}

void frmKajyu::cmdKajyuComb_Click() {
  if (!m_cDoc) return;
  MakeStdCases(*m_cDoc, bSoilF_);
  DataSet();
  fgComb->SetTopRow(0);
  fgComb->Select(kRowName, 1);
  PaintCaseColumn(0);
  nCurCase_ = 0;
  SyncCaseName(false, 0);
}

void frmKajyu::cmdAntResult_Click() {
  if (!m_cDoc) return;
  // The main window's run; this screen stays as it is, the results are
  // reached through cmdNext or the navigation bar.
  RecalculateDocument(*m_cDoc);
}

// ---- Load dialogs
// ---------------------------------------------------------------

void frmKajyu::cmdQload_Click() {
  if (!m_cDoc || !LoadsDialogs().jyousai) return;
  LoadsDialogs().jyousai(*m_cDoc, Owner());
  DataSet();
}

void frmKajyu::cmdRefGunsyu_Click() {
  if (!m_cDoc || !LoadsDialogs().gunsyu) return;
  LoadsDialogs().gunsyu(*m_cDoc, imnGunsyu[2], Owner());
  SetFormState();
}

void frmKajyu::cmdRefAutoCrash_Click() {
  if (!m_cDoc || !LoadsDialogs().autoCrash) return;
  LoadsDialogs().autoCrash(*m_cDoc, Owner());
  DataSet();
}

void frmKajyu::cmdStoneCrash_Click() {
  if (!m_cDoc || !LoadsDialogs().stoneCrash) return;
  LoadsDialogs().stoneCrash(*m_cDoc, Owner());
  SetFormState();  // the dialog may have completed the rock-fall inputs
}

void frmKajyu::cmdWind_Click() {
  if (!m_cDoc || !LoadsDialogs().wind) return;
  LoadsDialogs().wind(*m_cDoc, Owner());
  SetFormState();
}

void frmKajyu::cmdNini_Click() {
  if (!m_cDoc || !LoadsDialogs().ninni) return;
  LoadsDialogs().ninni(*m_cDoc, Owner());
  SyncCaseNiniCounts(*m_cDoc);
  fgComb->SetRows(m_cDoc->nNiniCount() + kRowNini);
  DataSet();
}

// ---- New case name
// --------------------------------------------------------------

frmAddCase::frmAddCase(QWidget* owner)
    : NameDialog(owner, "frmAddCase", QStringLiteral("荷重ケース追加"),
                 QStringLiteral("荷重ケース名:"), 260) {
  imCaseName->SetMaxChars(30);
}

void frmAddCase::cmdAdd_Click() {
  const QString name = imCaseName->Text().trimmed();
  if (name.isEmpty()) {
    // A case without a name cannot be told apart in the table or the report.
    Ask("荷重ケース名を入力してください。", MsgIcon::Information, MsgButtons::Ok);
    imCaseName->setFocus();
    return;
  }
  Accept(name);
}

int16_t RunAddCase(QWidget* owner, std::string* name) {
  frmAddCase dlg(owner);
  dlg.exec();
  if (dlg.nEndState() != 0 && name) *name = dlg.CaseName();
  return dlg.nEndState();
}

void RegisterLoadsWindows() {
  Windows().makeScreen[3] = [](int) -> IScreen* { return new frmKajyu; };
}

}  // namespace norva
