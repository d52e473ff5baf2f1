// What the controls of screen 1 do. How the screen is laid out is in
// frm_kutai_layout.cpp.
#include "screens/section/frm_kutai.h"

#include <cmath>

#include "document/document.h"
#include "document/document_collection.h"
#include "drawing/section/section_drawing.h"
#include "platform/controls/control_helpers.h"
#include "screens/screen_foot.h"
#include "screens/section/frm_kutai_sunp.h"
#include "screens/section/frm_size_inp.h"
#include "screens/section/kutai_rules.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"
#include "shell/small_windows.h"
#include "shell/startup.h"

namespace norva {
namespace {

std::string& GuideFolderOverride() {
  static std::string folder;
  return folder;
}

// Rows of the change-point grid beyond the last point, to type new ones.
constexpr int kSpareRows = 10;

}  // namespace

std::string GuidePictureFolder() {
  if (!GuideFolderOverride().empty()) return GuideFolderOverride();
  return ProgramFolder() + "/resource/";
}

void SetGuidePictureFolder(const std::string& folder) { GuideFolderOverride() = folder; }

// ---- Wiring ---------------------------------------------------------------------------

void frmKutai::WireHandlers() {
  // The entries stay where they are once the screen is built.
  for (const Bound& b : bound_.Entries()) {
    if (b.row->after == KutaiAfter::kDisplay) continue;
    const Bound* p = &b;
    connect(b.box, &NumberBox::GotFocus, this, [this, p] { BoxGotFocus(*p); });
    connect(b.box, &NumberBox::LostFocus, this, [this, p] { BoxLostFocus(*p); });
  }
  for (OptionArray* arr : {&optBlkSetti, &optBase, &optKeisya, &optTokki, &optWater}) {
    connect(arr, &OptionArray::Click, this, [this, arr](int i) { OptionClick(*arr, i); });
  }
  connect(&optBackStyle, &OptionArray::Click, this, [this](int i) { optBackStyle_Click(i); });
  connect(&optDrwCase, &OptionArray::Click, this, [this](int i) { optDrwCase_Click(i); });
  connect(chkSuiiAuto, &QCheckBox::toggled, this, [this] { chkSuiiAuto_Click(); });
  connect(chkDrawMode, &QCheckBox::toggled, this, [this] { chkDrawMode_Click(); });
  connect(vsUragome, &SpreadGrid::KeyPress, this, [this](int* key) { vsUragome_KeyPress(*key); });
  connect(vsdDrawSize, &CanvasWidget::GotFocus, this,
          [this] { ShowHint(imtHelp, vsdDrawSize->Tag().toStdString()); });
  connect(vsdDrawSize, &CanvasWidget::MouseDown, this,
          [this](int button, int shift, double, double) { vsdDrawSize_MouseDown(button, shift); });
  for (const auto& [i, b] : cmdUragome)
    connect(b, &QPushButton::clicked, this,
            [this, i = i] { GuardedCall([&] { cmdUragome_Click(i); }); });
  connect(cmdWatHelp, &QPushButton::clicked, this, [this] { cmdWatHelp_Click(); });
  // The screen is replaced while these run: nothing of it is used after.
  connect(cmdNext, &QPushButton::clicked, this,
          [this] { GuardedCall([this] { cmdNext_Click(); }); });
  connect(cmdPrevious, &QPushButton::clicked, this,
          [this] { GuardedCall([this] { cmdPrevious_Click(); }); });
}

NumberBox* frmKutai::Box(const char* name, int index) const { return bound_.Box(name, index); }

std::vector<NumberBox*> frmKutai::Boxes() const { return bound_.Boxes(); }

void frmKutai::SetBoxEnabled(NumberBox* box, bool on) {
  if (!box) return;
  SetFrameEnabled(box, on);
  if (const Bound* b = bound_.Of(box)) {
    const RowLabels& l = labels_[static_cast<size_t>(b - bound_.Entries().data())];
    l.caption->setEnabled(on);
    l.unit->setEnabled(on);
  }
}

// ---- Protocol -------------------------------------------------------------------------

void frmKutai::SetDoc(CDocument* doc) {
  doc_ = doc;
  isTracked_ = false;
  tracked_.reset();
  if (!doc) return;
  // An open document may be released while a box still holds the focus
  // (closing the main window): its handlers must not reach it then.
  for (const auto& d : gDocuments) {
    if (d.get() == doc) {
      tracked_ = d;
      isTracked_ = true;
    }
  }
}

CDocument* frmKutai::Doc() const {
  if (isTracked_ && tracked_.expired()) return nullptr;
  return doc_;
}

void frmKutai::FillBoxes(int page, const char* name) {
  // A display box shows a derived value of its own (ShowSlopeAngle).
  bound_.Fill(*Doc(), [page, name](const KutaiField& f) {
    return RowNamed(f, name) && (page < 0 || f.page == page) && f.after != KutaiAfter::kDisplay;
  });
}

void frmKutai::DataSet() {
  CDocument* doc = Doc();
  if (!doc) return;
  CDocument& d = *doc;
  gNavLock = true;
  ApplyUnitCaptions(static_cast<int16_t>(d.Unit), this);
  if (CheckKutaiData(d)) Ask(kCoulombArbitraryMessage, MsgIcon::Information, MsgButtons::Ok);
  DataSetNormalise(d);
  switch (d.WallType()) {
    case 0:
      FillBoxes(0, "imnBlockSize");
      SetOptionIndex(optBlkSetti, d.nBlkSetup);
      SetOptionIndex(optBase, d.nBlkFound);
      FillBoxes(0, "imnFoundSize");
      break;
    case 1:
      FillBoxes(1, "imnGrwSize");
      break;  // with GrwN derived above
    case 2:
      FillBoxes(2, "imnMtwSize");
      break;
    case 3:
      FillBoxes(3, "imnCongouSize");
      break;
    default:
      break;
  }
  FillBoxes(-1, "imnBlockLength");
  for (int i = 0; i < 8; i += 2) {
    optKeisya.SetValue(i, d.nKeisya == 0);
    optKeisya.SetValue(i + 1, d.nKeisya == 1);
  }
  FillBoxes(-1, "imnKeisya");
  for (int i = 0; i < 6; i += 2) {
    optTokki.SetValue(i, d.Tokki == 0);
    optTokki.SetValue(i + 1, d.Tokki == 1);
  }
  FillBoxes(-1, "imnTokkiSize");
  FillBoxes(-1, "imnSOILFH");
  for (const char* n : {"imnHD", "imnX1", "imnX2", "imnH0", "imnNoriN"}) FillBoxes(-1, n);
  ShowSlopeAngle();
  FillChangePoints();
  FillBoxes(-1, "imnKirido");
  SetOptionIndex(optWater, d.nWater);
  SetCheckValue(chkSuiiAuto, d.nWlvlAuto);
  FillBoxes(-1, "imnWatf");
  FillBoxes(-1, "imnWatb");
  FormState();
  gNavLock = false;
  SetOptionIndex(optBackStyle, d.UragomeType);
  LoadDrawSizePicture();
}

void frmKutai::ShowSlopeAngle() {
  if (const auto beta = SlopeAngle(Doc()->UraN)) SetNumBox(imnNoriBeta, *beta);
}

// Cells of coordinates not entered are neither written nor cleared.
void frmKutai::FillChangePoints() {
  const CDocument& d = *Doc();
  const int n = d.nUraNini();
  if (vsUragome->MaxRows() < n + kSpareRows) vsUragome->SetMaxRows(n + kSpareRows);
  for (int r = 1; r <= vsUragome->MaxRows(); ++r) {
    vsUragome->SetText(0, r, QString::number(r));
    for (int c = 1; c <= 2; ++c) vsUragome->SetNumberCell(c, r, 0, 99.999, 3);
  }
  for (int i = 0; i < n; ++i) {
    if (!IsNullValue(d.UraNiniX(i))) vsUragome->SetNumber(1, i + 1, d.UraNiniX(i));
    if (!IsNullValue(d.UraNiniY(i))) vsUragome->SetNumber(2, i + 1, d.UraNiniY(i));
  }
}

void frmKutai::RewriteChangePoints() {
  for (int r = 1; r <= vsUragome->MaxRows(); ++r) {
    vsUragome->SetCellEmpty(1, r);
    vsUragome->SetCellEmpty(2, r);
  }
  FillChangePoints();
}

bool frmKutai::FormState() {
  CDocument* doc = Doc();
  if (!doc) return false;
  CDocument& d = *doc;
  const bool r = DocDataState(d, 1) != 0;
  const KutaiEnabling s = KutaiFormState(d);
  if (s.page >= 0 && s.page <= 3) vstKeijyo->SetCurrentTab(s.page);

  SetBoxEnabled(imnBlockSize[2], s.blkDeltT);
  SetBoxEnabled(imnBlockSize[3], s.blkDeltT);
  SetBoxEnabled(imnBlockSize[5], s.blkT2);
  fraBlkSetti->setEnabled(s.blkSetti);

  fraKirido->setEnabled(s.kiri);
  SetBoxEnabled(imnKirido[0], s.kiri);
  SetBoxEnabled(imnKirido[1], s.kiri);
  SetBoxEnabled(imnKirido[2], s.kiriDlt);

  for (const auto& [i, f] : fraKeisya) f->setEnabled(s.keisyaFrames);
  for (const auto& [i, b] : imnKeisya) SetBoxEnabled(b, s.keisyaBoxes);
  for (const auto& [i, f] : fraTokki) f->setEnabled(s.tokkiFrames);
  for (const auto& [i, b] : imnTokkiSize) SetBoxEnabled(b, s.tokkiBoxes);
  if (s.leaningForced) {
    optKeisya.SetValue(5, true);
    fraKeisya[2]->setEnabled(false);
    fraTokki[1]->setEnabled(false);
  }

  SetBoxEnabled(imnSOILFH[1], s.soilSeismic);
  lblDrawMode->setEnabled(s.drawCase);
  for (const auto& [i, b] : optDrwCase.Members()) b->setEnabled(s.drawCase);
  optDrwCase.SetValue(0, true);

  optBackStyle.Item(3)->setEnabled(s.arbitrary);

  chkSuiiAuto->setEnabled(s.suiiAuto);
  SetBoxEnabled(imnWatf[0], s.waterNormal);
  SetBoxEnabled(imnWatb[0], s.waterNormal);
  SetBoxEnabled(imnWatf[1], s.waterSeismic);
  SetBoxEnabled(imnWatb[1], s.waterSeismic);

  for (int i = 0; i <= 2; ++i) SetBoxEnabled(imnFoundSize[i], s.found);
  SetBoxEnabled(imnFoundSize[3], s.foundBack);

  cmdNext->setEnabled(r);
  return r;
}

void frmKutai::UnloadByCode() {
  if (CDocument* d = Doc()) NormaliseOnLeave(*d);
}

// ---- Boxes -------------------------------------------------------------------------------

void frmKutai::BoxGotFocus(const Bound& b) {
  CDocument* doc = Doc();
  if (!doc) return;
  const KutaiField& f = *b.row;
  const QLatin1String name(f.name);
  if (name == QLatin1String("imnKirido") && f.index == 2) return;
  if (name != QLatin1String("imnWatf")) ShowHint(imtHelp, b.box->Tag().toStdString());
  // A block wall's back water cannot stand above the wall. Such a level is
  // a real blank, not a held one: leaving the box clears it, so the screen
  // never shows blank a level the calculation would still use.
  if (name == QLatin1String("imnWatb") && doc->WallType() == 0 && !IsNullValue(doc->WallH)) {
    b.box->SetMaxValue(doc->WallH);
    if (doc->WatBH(f.index) > doc->WallH) b.box->SetBlank();
  }
  if (chkDrawMode->isChecked()) return;
  const HanEntry e = HighlightEntry(f.name, f.index, doc->WallType());
  if (e.table == HanTable::kNone) return;
  const HanRect r = EntryRect(hanRects_, e);
  picDrawSize->SetOverlay(QRect(r.Left, r.Top, r.Width, r.Height));
  picDrawSize->SetOverlayVisible(true);
}

void frmKutai::BoxLostFocus(const Bound& b) {
  CDocument* doc = Doc();
  if (!doc) return;
  // A message box opened below must not start another round.
  ReentryGuard guard(inLostFocus_);
  if (!guard.Entered()) return;
  CDocument& d = *doc;
  const KutaiField& f = *b.row;
  const QLatin1String name(f.name);
  const bool water = name == QLatin1String("imnWatf") || name == QLatin1String("imnWatb");
  if (!water) ShowHint(imtHelp, "");
  if (f.after == KutaiAfter::kBlkH2) {
    const double v = GetNumBox(b.box);
    if (BlkH2Refused(v, d.BlkH1)) {
      Ask(kBlkH2Message, MsgIcon::Information, MsgButtons::Ok);
      SetNumBox(b.box, d.BlkH2);
      return;
    }
  }
  bound_.WriteBack(b, d);
  Derive(b);
  FormState();
  if (f.after != KutaiAfter::kLength) SectionRefresh();
}

void frmKutai::Derive(const Bound& b) {
  CDocument& d = *Doc();
  switch (b.row->after) {
    case KutaiAfter::kBlockBase:
      BlockBaseWidthRule(d);
      break;
    case KutaiAfter::kFootingB:
      d.WallB = d.BlkB;
      break;
    case KutaiAfter::kGravityB:
      d.WallB = d.GrwB;
      [[fallthrough]];
    case KutaiAfter::kGravity:
    case KutaiAfter::kKeisya:
      if (FrontSlopeRule(d, b.row->after == KutaiAfter::kKeisya)) SetNumBox(imnGrwSize[6], d.GrwN);
      break;
    case KutaiAfter::kLeaning: {
      const LeaningShown s = LeaningRules(d, b.row->index);
      if (s.n1) SetNumBox(imnMtwSize[7], d.MtwN1);
      if (s.b2) SetNumBox(imnMtwSize[4], d.MtwB2);
      if (s.n2) SetNumBox(imnMtwSize[8], d.MtwN2);
      break;
    }
    case KutaiAfter::kMixedB:
      d.WallB = d.GrwB;
      [[fallthrough]];
    case KutaiAfter::kMixed:
      MixedWallHeightRule(d);
      break;
    case KutaiAfter::kNori:
      ShowSlopeAngle();
      break;
    default:
      break;
  }
}

// ---- Options -------------------------------------------------------------------------------

void frmKutai::OptionClick(OptionArray& arr, int index) {
  if (gNavLock) return;
  CDocument* doc = Doc();
  if (!doc) return;
  CDocument& d = *doc;
  bool picture = false;
  if (&arr == &optWater) {
    d.nWater = index;
  } else if (&arr == &optBase) {
    d.nBlkFound = static_cast<int16_t>(index);
    DeriveBlockWallB(d);
  } else if (&arr == &optBlkSetti) {
    d.nBlkSetup = index;
    DeriveBlockWallB(d);
  } else if (&arr == &optKeisya) {
    d.nKeisya = static_cast<int16_t>(index % 2);
    if (FrontSlopeRule(d, true)) SetNumBox(imnGrwSize[6], d.GrwN);
    picture = true;
  } else if (&arr == &optTokki) {
    d.Tokki = index % 2;
    picture = true;
  }
  FormState();
  if (picture) LoadDrawSizePicture();
  RedrawWhenTicked();
}

void frmKutai::optBackStyle_Click(int index) {
  if (gNavLock) return;
  CDocument* doc = Doc();
  if (!doc) return;
  CDocument& d = *doc;
  d.UragomeType = index;
  FormState();
  vstUragome->SetCurrentTab(d.UragomeType == 3 ? 1 : 0);
  const bool trapezoid = d.UragomeType == 2;
  for (NumberBox* b : {imnX1, imnX2, imnH0}) SetBoxEnabled(b, trapezoid);
  const bool slope = d.UragomeType == 1;
  SetBoxEnabled(imnNoriN, slope);
  SetBoxEnabled(imnNoriBeta, slope);
  if (slope) ShowSlopeAngle();
  LoadDrawSizePicture();
  RedrawWhenTicked();
}

void frmKutai::chkSuiiAuto_Click() {
  CDocument* doc = Doc();
  if (!doc) return;
  doc->nWlvlAuto = static_cast<int16_t>(GetCheckValue(chkSuiiAuto));
  if (doc->nTentou == 3 && doc->nWlvlAuto == 1) doc->nTentou = 0;
  FormState();
}

// ---- Guide picture and live drawing ----------------------------------------------------------

void frmKutai::LoadDrawSizePicture() {
  const CDocument& d = *Doc();
  const std::string name =
      GuideFileName(d.WallType(), d.Sisin, GetOptionIndex(optBackStyle), d.BackType, d.Tokki);
  if (!name.empty()) picDrawSize->LoadPicture(QString::fromStdString(GuidePictureFolder() + name));
  SetHantenRect(hanRects_, d.WallType(), d.Tokki);
}

void frmKutai::SectionRefresh() {
  if (chkDrawMode->isChecked())
    DrawLive(drawCase_);
  else
    picDrawSize->SetOverlayVisible(false);
}

void frmKutai::RedrawWhenTicked() {
  if (chkDrawMode->isChecked()) DrawLive(drawCase_);
}

void frmKutai::DrawLive(int state) {
  CDocument* doc = Doc();
  if (!doc) return;
  Canvas& c = vsdDrawSize->canvas();
  live_.SetHeight(c.ScaleHeight());
  live_.SetWidth(c.ScaleWidth());
  DrawKutaiSunp(*doc, live_, static_cast<int16_t>(state), true);
}

void frmKutai::chkDrawMode_Click() {
  CDocument* doc = Doc();
  const bool live = chkDrawMode->isChecked();
  vsdDrawSize->setVisible(live);
  picDrawSize->setVisible(!live);
  if (doc && doc->bQuake != 0) {
    lblDrawMode->setEnabled(live);
    for (const auto& [i, b] : optDrwCase.Members()) b->setEnabled(live);
  }
  if (!live) return;
  if (GetOptionIndex(optDrwCase) >= 0) {
    vsdDrawSize->canvas().Clear();
    DrawLive(drawCase_);
  } else {
    optDrwCase.SetValue(0, true);
  }
}

void frmKutai::optDrwCase_Click(int index) {
  if (gNavLock) return;
  drawCase_ = index;
  vsdDrawSize->canvas().Clear();
  DrawLive(index);
}

void frmKutai::vsdDrawSize_MouseDown(int button, int shift) {
  if (!(button & 1)) return;
  if (shift & 1)
    vsdDrawSize->SetZoom(ZoomStep(vsdDrawSize->Zoom(), true, 10));
  else if (shift & 4)
    vsdDrawSize->SetZoom(ZoomStep(vsdDrawSize->Zoom(), false, 10));
}

// ---- Change points -----------------------------------------------------------------------------

void frmKutai::vsUragome_KeyPress(int keyAscii) {
  if (keyAscii != 13) return;
  CDocument* doc = Doc();
  if (!doc) return;
  const int c = vsUragome->ActiveCol();
  const int r = vsUragome->ActiveRow();
  auto cell = [this](int col, int row) -> std::optional<double> {
    double v = 0;
    if (row < 1 || row > vsUragome->MaxRows() || !vsUragome->CellNumber(col, row, &v))
      return std::nullopt;
    return v;
  };
  const ChangePointResult res =
      EnterChangePoint(*doc, c, r, cell(c, r), cell(c, r - 1), cell(c, r + 1));
  switch (res.entry) {
    case PointEntry::kIgnored:
      return;
    case PointEntry::kRefused:
      Ask(kChangePointMessage, MsgIcon::Information, MsgButtons::Ok);
      if (res.restore)
        vsUragome->SetNumber(c, r, *res.restore);
      else
        vsUragome->SetCellEmpty(c, r);
      FormState();
      return;
    case PointEntry::kStored:
      break;
  }
  if (c == 1) {
    vsUragome->SetActiveCell(2, r);
  } else {
    if (vsUragome->MaxRows() < r + 1) FillChangePoints();
    vsUragome->SetActiveCell(1, r + 1);
  }
  DrawLive(drawCase_);
  FormState();
}

void frmKutai::cmdUragome_Click(int index) {
  CDocument* doc = Doc();
  if (!doc) return;
  const int i = vsUragome->ActiveRow() - 1;
  if (index == 0) {
    if (!InsertChangePoint(*doc, i)) return;
    RewriteChangePoints();
    FormState();
    return;
  }
  if (!DeleteChangePoint(*doc, i)) return;
  RewriteChangePoints();
  DrawLive(drawCase_);
  FormState();
}

// ---- Commands
// ------------------------------------------------------------------------------------

void frmKutai::cmdNext_Click() {
  CDocument* doc = Doc();
  if (!doc) return;
  const FootingCheck c = CheckFootingWidth(*doc);
  if (!c.passes) {
    SetNumBox(imnFoundSize[0], doc->BlkB);
    Ask(c.message, MsgIcon::None, MsgButtons::Ok);
    return;
  }
  ShowForm(*doc, 2);
}

void frmKutai::cmdPrevious_Click() {
  if (CDocument* doc = Doc()) ShowForm(*doc, 0);
}

void frmKutai::cmdWatHelp_Click() { ShowHelpPage(QStringLiteral("/help/wlvl.htm")); }

void frmKutai::ShowSizeInp() {
  CDocument* doc = Doc();
  if (!doc) return;
  frmSizeInp dlg(MainWindow());
  dlg.SetDoc(doc);
  dlg.SetFormState();
  dlg.exec();
  DataSet();
}

void RegisterSectionWindows() {
  Windows().makeScreen[1] = [](int) -> IScreen* { return new frmKutai; };
  RegisterDimensionView();
}

}  // namespace norva
