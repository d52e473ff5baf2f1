#include "screens/section/frm_size_inp.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/section/frm_kutai.h"
#include "shell/qt_message_sink.h"
#include "shell/startup.h"

namespace norva {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string& CatalogueFolderOverride() {
  static std::string folder;
  return folder;
}

constexpr const char* kFound = "検索された擁壁は以下の通りです。";
constexpr const char* kSoil = "裏込め土の種類を選択してください。";
constexpr const char* kRatio = "盛土高比(Ｈ /Ｈ)を選択してください。";
constexpr const char* kSlope = "前面勾配を選択してください。";
constexpr const char* kHeight = "擁壁高を選択してください。";

QFrame* Separator(QWidget* parent, const char* name, int index) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setObjectName(ArrayMemberName(QString::fromLatin1(name), index));
  return line;
}

}  // namespace

std::string CatalogueFolder() {
  if (!CatalogueFolderOverride().empty()) return CatalogueFolderOverride();
  return ProgramFolder() + "/resource/";
}

void SetCatalogueFolder(const std::string& folder) { CatalogueFolderOverride() = folder; }

frmSizeInp::frmSizeInp(QWidget* owner) : QDialog(owner) {
  setObjectName("frmSizeInp");
  setWindowTitle(QStringLiteral("図集検索"));
  auto named = [this](QComboBox*& c, const char* name) {
    c = new QComboBox(this);
    c->setObjectName(name);
    c->setMinimumWidth(200);
  };
  named(cmbBlkKozo, "cmbBlkKozo");
  named(cmbBlkDeltB, "cmbBlkDeltB");
  named(cmbBlkN, "cmbBlkN");
  named(cmbBlkUragome, "cmbBlkUragome");
  named(cmbBlkGam, "cmbBlkGam");
  named(cmbBlkQ, "cmbBlkQ");
  named(cmbMtwKiso, "cmbMtwKiso");
  named(cmbMtwUragome, "cmbMtwUragome");
  named(cmbMtwMorido, "cmbMtwMorido");
  named(cmbMtwN, "cmbMtwN");
  named(cmbMtwH, "cmbMtwH");
  named(cmbGrwUragome, "cmbGrwUragome");
  named(cmbGrwMorido, "cmbGrwMorido");
  named(cmbGrwN, "cmbGrwN");
  named(cmbGrwH, "cmbGrwH");
  lists_[0] = {cmbBlkKozo, cmbBlkDeltB, cmbBlkN, cmbBlkUragome, cmbBlkGam, cmbBlkQ};
  lists_[1] = {cmbGrwUragome, cmbGrwMorido, cmbGrwN, cmbGrwH};
  lists_[2] = {cmbMtwKiso, cmbMtwUragome, cmbMtwMorido, cmbMtwN, cmbMtwH};
  for (TextArea** box : {&imtBlock, &imtMtw, &imtGrw}) {
    *box = new TextArea(this);
    (*box)->setReadOnly(true);
  }
  imtBlock->setObjectName("imtBlock");
  imtMtw->setObjectName("imtMtw");
  imtGrw->setObjectName("imtGrw");

  vstSearch = new IndexTab(this);
  vstSearch->setObjectName("vstSearch");
  vstSearch->addTab(WizardPage(0, vstBlock, picBlock, lists_[0], imtBlock,
                               {{12, "構造を選択してください。"},
                                {13, "裏込めコンクリートの厚さを選択してください。"},
                                {0, kSlope},
                                {1, kSoil},
                                {2, "裏込め土の単位重量を選択してください。"},
                                {4, "上載(換算)荷重を選択してください。"},
                                {3, kFound}}),
                    QStringLiteral("-"));
  vstSearch->addTab(WizardPage(2, vstMtw, picMtw, lists_[2], imtMtw,
                               {{5, "基礎地盤の種類を選択してください。"},
                                {7, kSoil},
                                {6, kRatio},
                                {8, kSlope},
                                {9, kHeight},
                                {11, kFound}}),
                    QStringLiteral("-"));
  vstSearch->addTab(
      WizardPage(1, vstGrw, picGrw, lists_[1], imtGrw,
                 {{19, kSoil}, {18, kRatio}, {16, kSlope}, {15, kHeight}, {14, kFound}}),
      QStringLiteral("-"));
  vstSearch->addTab(MixedPage(), QStringLiteral("-"));
  vstBlock->setObjectName("vstBlock");
  vstMtw->setObjectName("vstMtw");
  vstGrw->setObjectName("vstGrw");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const char* captions[] = {"ｷｬﾝｾﾙ", "< 戻る(&B)", "次へ(&N) >", "完了(&F)"};
  for (int i = 1; i <= 4; ++i) {
    auto* b = cmdNav.Add(i, new QPushButton(QString::fromUtf8(captions[i - 1]), this));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    if (i == 1) buttons->addSpacing(16);
    connect(b, &QPushButton::clicked, this, [this, i] { cmdNav_Click(i); });
  }
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(vstSearch, 1);
  lay->addWidget(Separator(this, "lnSearch", 0));
  lay->addLayout(buttons);
  lay->addWidget(Separator(this, "lnSearch", 1));

  // Form_Load: the page containers are chosen by code.
  for (IndexTab* t : {vstSearch, vstBlock, vstMtw, vstGrw}) HideIndexTabs(t);
  // Typing never changes the block and leaning lists; picking does.
  for (int w : {0, 2})
    for (QComboBox* c : lists_[w]) c->installEventFilter(this);
  for (int w = 0; w < 3; ++w) {
    for (size_t k = 0; k < lists_[w].size(); ++k) {
      QComboBox* c = lists_[w][k];
      connect(c, &QComboBox::activated, this,
              [this, c, k](int i) { List_Click(static_cast<int>(k), c->itemText(i)); });
    }
  }
  connect(lvMxw, &ListView::SelectionChanged, this, [this](int) { Refresh(); });
  resize(600, 420);
}

frmSizeInp::~frmSizeInp() = default;

QWidget* frmSizeInp::StepPage(IndexTab* stack, ControlArray<PictureBox>& pics, int wallType,
                              int step, int captionIndex, const char* prompt, QWidget* input) {
  auto* page = new QWidget;
  auto* h = new QHBoxLayout(page);
  auto* pic = pics.Add(step, new PictureBox(page));
  pic->setFixedSize(260, 300);
  pic->LoadPicture(
      QString::fromStdString(GuidePictureFolder() + SizeInpPictureName(wallType, step)));
  h->addWidget(pic);
  auto* v = new QVBoxLayout;
  QString text = QString::fromUtf8(prompt);
  // The height ratio H0/H: the 0 as the first H's subscript.
  text.replace(QStringLiteral("Ｈ /Ｈ"), QStringLiteral("Ｈ<sub>0</sub>/Ｈ"));
  auto* label = lblCaption.Add(captionIndex, new QLabel(text, page));
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  v->addSpacing(20);
  v->addWidget(label);
  v->addSpacing(8);
  input->setParent(page);
  v->addWidget(input, qobject_cast<TextArea*>(input) ? 1 : 0);
  v->addStretch(1);
  h->addLayout(v, 1);
  stack->addTab(page, QStringLiteral("-"));
  return page;
}

QWidget* frmSizeInp::WizardPage(int wallType, IndexTab*& stack, ControlArray<PictureBox>& pics,
                                const std::vector<QComboBox*>& lists, TextArea* summary,
                                const std::vector<std::pair<int, const char*>>& prompts) {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(0, 0, 0, 0);
  stack = new IndexTab(page);
  v->addWidget(stack);
  for (size_t k = 0; k < prompts.size(); ++k) {
    QWidget* input = k < lists.size() ? static_cast<QWidget*>(lists[k]) : summary;
    StepPage(stack, pics, wallType, static_cast<int>(k), prompts[k].first, prompts[k].second,
             input);
  }
  return page;
}

QWidget* frmSizeInp::MixedPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  lblMxw = new QLabel(QStringLiteral("下のリストより選択してください。"), page);
  lblMxw->setObjectName("lblMxw");
  lvMxw = new ListView(page);
  lvMxw->setObjectName("lvMxw");
  lvMxw->SetColumnHeaders({QStringLiteral("擁壁高 H"), QStringLiteral("底幅 B"),
                           QStringLiteral("重力擁壁高 H1"), QStringLiteral("盛土高 H2")});
  v->addWidget(lblMxw);
  v->addWidget(lvMxw, 1);
  return page;
}

bool frmSizeInp::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(e)->text().isEmpty()) return true;
  return QDialog::eventFilter(watched, e);
}

const std::vector<QComboBox*>& frmSizeInp::Lists() const {
  static const std::vector<QComboBox*> none;
  return type_ >= 0 && type_ <= 2 ? lists_[type_] : none;
}

IndexTab* frmSizeInp::Steps() const {
  switch (type_) {
    case 0:
      return vstBlock;
    case 1:
      return vstGrw;
    case 2:
      return vstMtw;
    default:
      return nullptr;
  }
}

TextArea* frmSizeInp::SummaryBox() const {
  switch (type_) {
    case 0:
      return imtBlock;
    case 1:
      return imtGrw;
    case 2:
      return imtMtw;
    default:
      return nullptr;
  }
}

void frmSizeInp::SetFormState() {
  if (!doc_) return;
  ApplyUnitCaptions(static_cast<int16_t>(doc_->Unit), this);
  type_ = doc_->WallType();
  static const int kPage[] = {0, 2, 1, 3};
  if (type_ < 0 || type_ > 3) return;
  vstSearch->SetCurrentTab(kPage[type_]);
  data_ = ReadCatalogue(type_, CatalogueFolder() + CatalogueFileName(type_));
  if (type_ == 3) {
    lvMxw->clear();
    for (const auto& row : MixedRows(data_)) {
      QStringList cells;
      for (const std::string& c : row) cells << Q(c);
      lvMxw->AddRow(cells);
    }
  } else {
    wizard_ = std::make_unique<CatalogueWizard>(type_, data_);
    Steps()->SetCurrentTab(0);
  }
  Refresh();
}

void frmSizeInp::Refresh() {
  if (type_ == 3) {
    setWindowTitle(QStringLiteral("図集検索"));
    cmdNav[2]->setEnabled(false);
    cmdNav[3]->setEnabled(false);
    cmdNav[4]->setEnabled(lvMxw->SelectedRow() >= 0);
    return;
  }
  if (!wizard_) return;
  const std::vector<QComboBox*>& lists = Lists();
  for (size_t k = 0; k < lists.size(); ++k) {
    QStringList want;
    for (const std::string& s : wizard_->List(static_cast<int>(k))) want << Q(s);
    QStringList have;
    for (int i = 0; i < lists[k]->count(); ++i) have << lists[k]->itemText(i);
    if (want == have) continue;
    // A list built anew shows no choice until the user makes one.
    const QSignalBlocker quiet(lists[k]);
    lists[k]->clear();
    lists[k]->addItems(want);
    lists[k]->setCurrentIndex(-1);
  }
  QString summary = Q(wizard_->Summary());
  summary.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (summary.endsWith(QLatin1Char('\n'))) summary.chop(1);
  SummaryBox()->SetText(summary);
  Steps()->SetCurrentTab(wizard_->Step());
  cmdNav[2]->setEnabled(wizard_->BackEnabled());
  cmdNav[3]->setEnabled(wizard_->NextEnabled());
  cmdNav[4]->setEnabled(wizard_->FinishEnabled());
  setWindowTitle(Q(wizard_->Caption()));
}

void frmSizeInp::List_Click(int k, const QString& entry) {
  if (!wizard_) return;
  wizard_->Choose(k, entry.toStdString());
  Refresh();
}

void frmSizeInp::cmdNav_Click(int index) {
  switch (index) {
    case 1:
      reject();
      return;
    case 2:
    case 3:
      if (!wizard_) return;
      wizard_->Move(index - 2);
      Refresh();
      return;
    case 4:
      break;
    default:
      return;
  }
  if (!doc_) return;
  if (type_ == 3) {
    const int row = lvMxw->SelectedRow();
    if (row < 0 || row >= static_cast<int>(data_.size())) return;
    const std::string refused = ApplyMxwSize(*doc_, data_[static_cast<size_t>(row)]);
    if (!refused.empty()) {
      Ask(refused, MsgIcon::Information, MsgButtons::Ok);
      return;
    }
    accept();
    return;
  }
  if (!wizard_ || !wizard_->FinishEnabled()) return;
  switch (type_) {
    case 0:
      ApplyBlkSize(*doc_, wizard_->Selection());
      break;
    case 1:
      ApplyGrwSize(*doc_, wizard_->Selection());
      break;
    default:
      ApplyMtwSize(*doc_, wizard_->Selection());
      break;
  }
  accept();
}

// ---- Footing guide table -----------------------------------------------------------

frmKisoSize::frmKisoSize(QWidget* owner) : QDialog(owner) {
  setObjectName("frmKisoSize");
  setWindowTitle(QStringLiteral("基礎コンクリートの目安"));
  vaSpread1 = new SpreadGrid(this);
  vaSpread1->setObjectName("vaSpread1");
  vaSpread1->SetMaxCols(7);
  vaSpread1->SetMaxRows(5);
  vaSpread1->horizontalHeader()->hide();
  vaSpread1->verticalHeader()->hide();
  const auto table = KisoSizeTable();
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 7; ++c) {
      vaSpread1->SetCellType(c, r, SpreadGrid::kStaticText);
      vaSpread1->SetText(c, r, Q(table[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)]));
    }
  }
  vaSpread1->setSpan(0, 3, 1, 4);  // the width header over the four width columns
  const int widths[] = {90, 80, 80, 70, 70, 70, 70};
  int width = 0;
  for (int c = 1; c <= 7; ++c) {
    vaSpread1->SetColWidthPixels(c, widths[c - 1]);
    width += widths[c - 1];
  }
  for (int r = 1; r <= 5; ++r) vaSpread1->SetRowHeightPixels(r, 24);
  SetSpreadColors(vaSpread1);
  // The whole table in view, as a picture of fixed texts.
  vaSpread1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vaSpread1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vaSpread1->setFocusPolicy(Qt::NoFocus);
  vaSpread1->setCurrentCell(-1, -1);
  const int frame = 2 * vaSpread1->frameWidth();
  vaSpread1->setFixedSize(width + frame, 5 * 24 + frame);
  lblHelp = new QLabel(QStringLiteral("適用する値を選択して「適用」をクリックして下さい。"), this);
  lblHelp->setObjectName("lblHelp");
  cmdApply = new QPushButton(QStringLiteral("適用(&A)"), this);
  cmdApply->setObjectName("cmdApply");
  cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  cmdClose->setObjectName("cmdClose");
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdApply);
  buttons->addWidget(cmdClose);
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(vaSpread1);
  lay->addWidget(Separator(this, "lnSep", 0));
  lay->addWidget(lblHelp);
  lay->addWidget(Separator(this, "lnSep", 1));
  lay->addLayout(buttons);
}

}  // namespace norva
