// How screen 1 is laid out: its pages, frames and box rows. What the
// controls do is in frm_kutai.cpp.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "screens/screen_foot.h"
#include "screens/section/frm_kutai.h"

namespace norva {
namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

// Rows of the change-point grid before any point is entered.
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

// ---- Layout ------------------------------------------------------------------------

frmKutai::frmKutai() {
  setObjectName("frmKutai");
  bound_.Reserve(KutaiFields().size());
  labels_.reserve(KutaiFields().size());

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
  NumberBox* box = bound_.Bind(BoundBoxes<KutaiField>::MakeBox(f, parent), f);
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
  labels_.push_back({caption, unit});
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

}  // namespace norva
