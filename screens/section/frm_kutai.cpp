#include "screens/section/frm_kutai.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <tuple>

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

QString Q(const char* s) { return QString::fromUtf8(s); }

std::string& GuideFolderOverride() {
  static std::string folder;
  return folder;
}

// Rows of the change-point grid beyond the last point, to type new ones.
constexpr int kSpareRows = 10;
constexpr int kLeastRows = 30;

// A caption with the dimension's letter and its subscript.
QString CaptionHtml(const KutaiField& f) {
  QString s = Q(f.caption);
  if (*f.symbol) {
    if (!s.isEmpty()) s += QStringLiteral("　");
    s += Q(f.symbol);
    if (*f.subscript) s += QStringLiteral("<sub>%1</sub>").arg(Q(f.subscript));
    s += QStringLiteral("：");
  }
  return s;
}

QLabel* TitleBar(const char* text, QWidget* parent) {
  auto* l = new QLabel(Q(text), parent);
  l->setStyleSheet(
      QStringLiteral("background: #1f3f7f; color: white; font-weight: bold; padding: 2px 6px;"));
  return l;
}

}  // namespace

std::string GuidePictureFolder() {
  if (!GuideFolderOverride().empty()) return GuideFolderOverride();
  return ProgramFolder() + "/resource/";
}

void SetGuidePictureFolder(const std::string& folder) { GuideFolderOverride() = folder; }

// ---- Layout ------------------------------------------------------------------------

frmKutai::frmKutai() {
  setObjectName("frmKutai");
  bound_.reserve(KutaiFields().size());

  vstKutai = new IndexTab(this);
  vstKutai->setObjectName("vstKutai");
  auto* shape = new QWidget;
  auto* shapeLay = new QVBoxLayout(shape);
  shapeLay->setContentsMargins(2, 2, 2, 2);
  shapeLay->setSpacing(2);
  shapeLay->addWidget(TitleBar("形状", shape));
  vstKeijyo = new IndexTab(shape);
  vstKeijyo->setObjectName("vstKeijyo");
  shapeLay->addWidget(vstKeijyo, 1);
  BuildShapePages();
  vstKutai->addTab(shape, QStringLiteral("躯体"));
  vstKutai->addTab(BuildSoilPage(), QStringLiteral("土砂"));
  vstKutai->addTab(BuildWaterPage(), QStringLiteral("水位"));

  imtHelp = MakeHelpBox(this, 40);
  MakeStepButtons(this, cmdPrevious, cmdNext);

  auto* top = new QHBoxLayout;
  top->addWidget(vstKutai, 0);
  top->addWidget(BuildRight(), 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(imtHelp, 1);
  bottom->addSpacing(12);
  bottom->addWidget(cmdPrevious);
  bottom->addWidget(cmdNext);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(4, 4, 4, 4);
  lay->addLayout(top, 1);
  lay->addLayout(bottom);

  // Form_Load: pages chosen by code, the first page, the guide picture.
  HideIndexTabs(vstKeijyo);
  HideIndexTabs(vstUragome);
  vstKutai->SetCurrentTab(0);
  chkDrawMode->setChecked(false);
  vsdDrawSize->hide();
  lblDrawMode->setEnabled(false);
  for (const auto& [i, b] : optDrwCase.Members()) b->setEnabled(false);
  live_.SetCanvas(&vsdDrawSize->canvas());
  WireHandlers();
}

frmKutai::~frmKutai() = default;

void frmKutai::AddRow(QGridLayout* grid, int row, const KutaiField& f) {
  QWidget* parent = grid->parentWidget();
  auto* box = new NumberBox(f.lo, f.hi, Q(f.mask), parent);
  box->SetTag(Q(f.tag));
  box->setFixedSize(72, 20);
  auto* caption = new QLabel(CaptionHtml(f), parent);
  caption->setTextFormat(Qt::RichText);
  auto* unit = new QLabel(Q(f.unit), parent);
  grid->addWidget(caption, row, 0);
  grid->addWidget(box, row, 1);
  grid->addWidget(unit, row, 2);
  const QString name = Q(f.name);
  if (f.index >= 0) {
    ControlArray<NumberBox>* arrays[] = {
        &imnBlockSize, &imnFoundSize,   &imnGrwSize, &imnMtwSize, &imnCongouSize, &imnKeisya,
        &imnTokkiSize, &imnBlockLength, &imnSOILFH,  &imnKirido,  &imnWatf,       &imnWatb};
    for (auto* arr : arrays)
      if (arr->Name() == name) arr->Add(f.index, box);
  } else {
    box->setObjectName(name);
    NumberBox** singles[] = {&imnHD, &imnX1, &imnX2, &imnH0, &imnNoriN, &imnNoriBeta};
    const char* names[] = {"imnHD", "imnX1", "imnX2", "imnH0", "imnNoriN", "imnNoriBeta"};
    for (size_t i = 0; i < std::size(names); ++i)
      if (name == QLatin1String(names[i])) *singles[i] = box;
  }
  if (f.after == KutaiAfter::kDisplay) box->SetLocked(true);
  bound_.push_back({box, &f, caption, unit});
}

QGroupBox* frmKutai::BoxFrame(const char* title, const char* name, int first, int last) {
  auto* fra = new QGroupBox(Q(title));
  auto* grid = new QGridLayout(fra);
  grid->setContentsMargins(6, 0, 6, 2);
  grid->setVerticalSpacing(1);
  grid->setColumnStretch(0, 1);
  int row = 0;
  for (const KutaiField& f : KutaiFields())
    if (QLatin1String(f.name) == QLatin1String(name) && f.index >= first && f.index <= last)
      AddRow(grid, row++, f);
  return fra;
}

QGroupBox* frmKutai::OptionFrame(const char* title, OptionArray& arr, int first,
                                 const std::vector<const char*>& captions) {
  auto* fra = new QGroupBox(Q(title));
  auto* v = new QVBoxLayout(fra);
  v->setContentsMargins(6, 0, 6, 2);
  v->setSpacing(1);
  auto* row = new QHBoxLayout;
  v->addLayout(row);
  for (size_t i = 0; i < captions.size(); ++i) {
    auto* b = new QRadioButton(Q(captions[i]), fra);
    arr.Add(first + static_cast<int>(i), b);
    row->addWidget(b);
  }
  row->addStretch(1);
  return fra;
}

QGridLayout* frmKutai::FrameGrid(QGroupBox* fra) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(0, 1);
  grid->setVerticalSpacing(1);
  static_cast<QVBoxLayout*>(fra->layout())->addLayout(grid);
  return grid;
}

void frmKutai::BuildShapePages() {
  // The base and key frames: the option pair over its boxes.
  auto keisya = [this](int page) {
    auto* fra = fraKeisya.Add(
        page, OptionFrame("基礎底面の傾斜", optKeisya, 2 * page, {"傾斜有り", "傾斜無し"}));
    QGridLayout* grid = FrameGrid(fra);
    for (const KutaiField& f : KutaiFields())
      if (QLatin1String(f.name) == QLatin1String("imnKeisya") && f.index == page)
        AddRow(grid, 0, f);
    return fra;
  };
  auto tokki = [this](int frame, int firstBox) {
    auto* fra =
        fraTokki.Add(frame, OptionFrame("突起寸法", optTokki, 2 * frame, {"突起なし", "突起あり"}));
    QGridLayout* grid = FrameGrid(fra);
    int row = 0;
    for (const KutaiField& f : KutaiFields())
      if (QLatin1String(f.name) == QLatin1String("imnTokkiSize") && f.index >= firstBox &&
          f.index < firstBox + 3)
        AddRow(grid, row++, f);
    return fra;
  };
  auto page = [this](int i) {
    auto* w = picKeijyo.Add(i, new QWidget);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(2, 0, 2, 0);
    v->setSpacing(0);
    vstKeijyo->addTab(w, QStringLiteral("-"));
    return v;
  };

  QVBoxLayout* block = page(0);
  block->addWidget(BoxFrame("壁体寸法", "imnBlockSize", 0, 5));
  auto* opts = new QHBoxLayout;
  fraBlkSetti = OptionFrame("ブロックの設置方法", optBlkSetti, 0, {"壁面に直角", "水　　平"});
  fraBlkSetti->setObjectName("fraBlkSetti");
  opts->addWidget(fraBlkSetti);
  opts->addWidget(OptionFrame("基礎コンクリートの有無", optBase, 0, {"有り", "無し"}));
  block->addLayout(opts);
  block->addWidget(BoxFrame("基礎寸法", "imnFoundSize", 0, 3));
  block->addWidget(keisya(0));
  block->addWidget(BoxFrame("延長方向", "imnBlockLength", 0, 0));
  block->addStretch(1);

  // Gravity and leaning walls: their section, base, key and length.
  for (const auto& [i, boxes, last] : {std::tuple{1, "imnGrwSize", 6}, {2, "imnMtwSize", 8}}) {
    QVBoxLayout* v = page(i);
    v->addWidget(BoxFrame("断面寸法", boxes, 0, last));
    v->addWidget(keisya(i));
    v->addWidget(tokki(i - 1, 3 * (i - 1)));
    v->addWidget(BoxFrame("延長方向", "imnBlockLength", i, i));
    v->addStretch(1);
  }

  QVBoxLayout* mixed = page(3);
  mixed->addWidget(BoxFrame("上部擁壁", "imnCongouSize", 0, 4));
  mixed->addWidget(BoxFrame("下部擁壁", "imnCongouSize", 5, 10));
  mixed->addWidget(keisya(3));
  mixed->addWidget(tokki(2, 6));
  mixed->addWidget(BoxFrame("延長方向", "imnBlockLength", 3, 3));
  mixed->addStretch(1);
}

QWidget* frmKutai::BuildSoilPage() {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(4, 4, 4, 4);
  v->addWidget(TitleBar("土砂", w));
  v->addWidget(BoxFrame("前面土砂", "imnSOILFH", 0, 1));

  auto* back = new QGroupBox(QStringLiteral("背面土砂 (m)"), w);
  auto* bv = new QVBoxLayout(back);
  bv->setContentsMargins(6, 2, 6, 2);
  auto* shapes = new QHBoxLayout;
  bv->addLayout(shapes);
  for (int i = 0; i < 4; ++i) {
    static const char* const kShapes[] = {"水平", "法面", "台形", "任意"};
    auto* b = new QRadioButton(Q(kShapes[i]), back);
    optBackStyle.Add(i, b);
    shapes->addWidget(b);
  }
  shapes->addStretch(1);
  auto* hd = new QGridLayout;
  hd->setColumnStretch(0, 1);
  bv->addLayout(hd);
  vstUragome = new IndexTab(back);
  vstUragome->setObjectName("vstUragome");
  bv->addWidget(vstUragome);
  auto* params = new QWidget;
  auto* pg = new QGridLayout(params);
  pg->setContentsMargins(0, 2, 0, 2);
  pg->setColumnStretch(0, 1);
  int row = 0;
  for (const KutaiField& f : KutaiFields()) {
    const QLatin1String n(f.name);
    if (n == QLatin1String("imnHD")) AddRow(hd, 0, f);
    if (n == QLatin1String("imnX1") || n == QLatin1String("imnX2") || n == QLatin1String("imnH0") ||
        n == QLatin1String("imnNoriN") || n == QLatin1String("imnNoriBeta"))
      AddRow(pg, row++, f);
  }
  pg->setRowStretch(row, 1);
  vstUragome->addTab(params, QStringLiteral("-"));
  auto* points = new QWidget;
  auto* pv = new QVBoxLayout(points);
  pv->setContentsMargins(0, 2, 0, 2);
  pv->addWidget(new QLabel(QStringLiteral("変化点座標(原点からの絶対座標)："), points));
  vsUragome = new SpreadGrid(points);
  vsUragome->setObjectName("vsUragome");
  vsUragome->SetMaxCols(2);
  vsUragome->SetMaxRows(kLeastRows);
  vsUragome->SetText(0, 0, QStringLiteral("No"));
  vsUragome->SetText(1, 0, QStringLiteral("X座標"));
  vsUragome->SetText(2, 0, QStringLiteral("Y座標"));
  vsUragome->setMinimumHeight(150);
  pv->addWidget(vsUragome, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (int i = 0; i < 2; ++i) {
    auto* b = cmdUragome.Add(
        i, new QPushButton(i == 0 ? QStringLiteral("挿入") : QStringLiteral("削除"), points));
    buttons->addWidget(b);
  }
  pv->addLayout(buttons);
  vstUragome->addTab(points, QStringLiteral("-"));
  v->addWidget(back);

  fraKirido = BoxFrame("切土形状", "imnKirido", 0, 2);
  fraKirido->setObjectName("fraKirido");
  fraKirido->setParent(w);
  v->addWidget(fraKirido);
  v->addStretch(1);
  return w;
}

QWidget* frmKutai::BuildWaterPage() {
  auto* w = new QWidget;
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(4, 4, 4, 4);
  auto* head = new QHBoxLayout;
  head->setSpacing(0);
  head->addWidget(TitleBar("水位", w), 1);
  cmdWatHelp = new QPushButton(QStringLiteral("?"), w);
  cmdWatHelp->setObjectName("cmdWatHelp");
  cmdWatHelp->setToolTip(QStringLiteral("ヘルプ"));
  cmdWatHelp->setFixedWidth(28);
  head->addWidget(cmdWatHelp);
  v->addLayout(head);
  auto* water = OptionFrame("水の影響", optWater, 0, {"無視", "浮力", "揚圧力"});
  chkSuiiAuto = new QCheckBox(QStringLiteral("水位の自動計算"), water);
  chkSuiiAuto->setObjectName("chkSuiiAuto");
  static_cast<QVBoxLayout*>(water->layout())->addWidget(chkSuiiAuto);
  v->addWidget(water);
  auto* levels = new QGroupBox(QStringLiteral("水位"), w);
  auto* grid = new QGridLayout(levels);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setColumnStretch(0, 1);
  grid->addWidget(new QLabel(QStringLiteral("底面からの高さを入力してください"), levels), 0, 0, 1,
                  3);
  int row = 1;
  for (const KutaiField& f : KutaiFields())
    if (QLatin1String(f.name) == QLatin1String("imnWatf") ||
        QLatin1String(f.name) == QLatin1String("imnWatb"))
      AddRow(grid, row++, f);
  v->addWidget(levels);
  v->addStretch(1);
  return w;
}

QWidget* frmKutai::BuildRight() {
  auto* w = new QWidget(this);
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  auto* head = new QHBoxLayout;
  chkDrawMode = new QCheckBox(QStringLiteral("入力値で作図"), w);
  chkDrawMode->setObjectName("chkDrawMode");
  lblDrawMode = new QLabel(QStringLiteral("作図対称:"), w);
  lblDrawMode->setObjectName("lblDrawMode");
  head->addWidget(chkDrawMode);
  head->addSpacing(16);
  head->addWidget(lblDrawMode);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QRadioButton(i == 0 ? QStringLiteral("常　時") : QStringLiteral("地震時"), w);
    optDrwCase.Add(i, b);
    head->addWidget(b);
  }
  head->addStretch(1);
  v->addLayout(head);
  auto* stack = new QWidget(w);
  auto* place = new QStackedLayout(stack);
  place->setStackingMode(QStackedLayout::StackAll);
  picDrawSize = new PictureBox(stack);
  picDrawSize->setObjectName("picDrawSize");
  vsdDrawSize = new CanvasWidget(stack);
  vsdDrawSize->setObjectName("vsdDrawSize");
  vsdDrawSize->SetTag(QStringLiteral("左ボタン+Shiftで拡大、左ボタン+Altで縮小します。"));
  place->addWidget(picDrawSize);
  place->addWidget(vsdDrawSize);
  stack->setMinimumSize(430, 500);
  v->addWidget(stack, 1);
  return w;
}

QSize frmKutai::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 860), std::max(least.height(), 620)};
}

void frmKutai::WireHandlers() {
  for (const Bound& b : bound_) {
    if (b.field->after == KutaiAfter::kDisplay) continue;
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

const frmKutai::Bound* frmKutai::BoundOf(const QObject* box) const {
  for (const Bound& b : bound_)
    if (b.box == box) return &b;
  return nullptr;
}

NumberBox* frmKutai::Box(const char* name, int index) const {
  for (const Bound& b : bound_)
    if (QLatin1String(b.field->name) == QLatin1String(name) && b.field->index == index)
      return b.box;
  return nullptr;
}

std::vector<NumberBox*> frmKutai::Boxes() const {
  std::vector<NumberBox*> out;
  for (const Bound& b : bound_) out.push_back(b.box);
  return out;
}

void frmKutai::SetBoxEnabled(NumberBox* box, bool on) {
  if (!box) return;
  SetFrameEnabled(box, on);
  if (const Bound* b = BoundOf(box)) {
    b->caption->setEnabled(on);
    b->unit->setEnabled(on);
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
  CDocument& d = *Doc();
  for (const Bound& b : bound_) {
    const KutaiField& f = *b.field;
    if (QLatin1String(f.name) != QLatin1String(name)) continue;
    if (page >= 0 && f.page != page) continue;
    if (f.after == KutaiAfter::kDisplay) continue;
    SetNumBox(b.box, f.get(d));
  }
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
  const KutaiField& f = *b.field;
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
  const KutaiField& f = *b.field;
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
  if (f.set && NumBoxWritesBack(b.box)) f.set(d, GetNumBox(b.box));
  Derive(b);
  FormState();
  if (f.after != KutaiAfter::kLength) SectionRefresh();
}

void frmKutai::Derive(const Bound& b) {
  CDocument& d = *Doc();
  switch (b.field->after) {
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
      if (FrontSlopeRule(d, b.field->after == KutaiAfter::kKeisya))
        SetNumBox(imnGrwSize[6], d.GrwN);
      break;
    case KutaiAfter::kLeaning: {
      const LeaningShown s = LeaningRules(d, b.field->index);
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
