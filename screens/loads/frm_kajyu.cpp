#include "screens/loads/frm_kajyu.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
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

const char* const kWidthHintTail =
    "の載荷幅を入力します。試行くさびの場合のみ有効です。載荷幅を無限にする場合"
    "は\"99.999\""
    "と入力してください。";

QString Q(const std::string& s) { return QString::fromStdString(s); }

QWidget* Owner() { return MainWindow(); }

// A list with its items and no selection: Qt would select the first item
// and run its Click handler; the fill selects the stored one.
void FillList(QComboBox* list, const std::vector<std::string>& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& s : items) list->addItem(Q(s));
  list->setCurrentIndex(-1);
}

}  // namespace

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

// One number box of a load group: caption, member, display and range, hint,
// and its unit label.
struct frmKajyu::BoxDef {
  const char* caption;
  double CDocumentInputs::*member;
  const char* mask;
  double lo;
  double hi;
  std::string tag;
  int unit;  // Index of its lblUnit
  const char* unitText;
};

namespace {
constexpr const char* kM = "(m)";
constexpr const char* kKnM2 = "(kN/㎡)";
constexpr const char* kKn = "(kN)";
constexpr const char* kLen = "#0.000";
constexpr const char* kLoad = "###0.00";
constexpr const char* kForce = "####0.00";
}  // namespace

frmKajyu::frmKajyu() {
  setObjectName("frmKajyu");
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(6, 6, 6, 6);
  lay->setSpacing(4);
  BuildGroups();
  BuildCases();
  lay->addWidget(BuildFrame(), 1);
  WireHandlers();
}

NumberBox* frmKajyu::AddBox(ControlArray<NumberBox>& arr, int index, const BoxDef& def) {
  auto* box = arr.Add(index, new NumberBox(def.lo, def.hi, def.mask, this));
  boxMembers_.emplace_back(box, def.member);
  box->SetTag(Q(def.tag));
  box->setFixedWidth(66);
  auto* unit = lblUnit.Add(def.unit, new QLabel(def.unitText, this));
  unit->setProperty("Tag", def.unitText);
  return box;
}

void frmKajyu::BuildGroups() {
  // Each group: the option pair, at most one list, its boxes with captions
  // and units, and at most one button.
  auto group = [this](const char* caption, OptionArray& opt, ControlArray<QLabel>& labels,
                      ControlArray<NumberBox>& boxes, int firstBoxLabel,
                      const std::vector<BoxDef>& defs, QComboBox* list, const char* listCaption,
                      QPushButton* button) {
    auto* fra = new QGroupBox(QString::fromUtf8(caption), this);
    auto* grid = new QGridLayout(fra);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(2);
    auto* opts = new QHBoxLayout;
    auto* on = new QRadioButton(QStringLiteral("考慮する"), fra);
    auto* off = new QRadioButton(QStringLiteral("考慮しない"), fra);
    opt.Add(0, on);
    opt.Add(1, off);
    opts->addWidget(on);
    opts->addWidget(off);
    opts->addStretch(1);
    grid->addLayout(opts, 0, 0, 1, 3);
    int row = 1;
    if (list) {
      auto* lbl = labels.Add(0, new QLabel(QString::fromUtf8(listCaption), fra));
      grid->addWidget(lbl, row, 0);
      grid->addWidget(list, row, 1, 1, 2);
      ++row;
    }
    for (size_t i = 0; i < defs.size(); ++i, ++row) {
      auto* lbl = labels.Add(firstBoxLabel + static_cast<int>(i),
                             new QLabel(QString::fromUtf8(defs[i].caption), fra));
      NumberBox* box = AddBox(boxes, static_cast<int>(i), defs[i]);
      grid->addWidget(lbl, row, 0);
      grid->addWidget(box, row, 1);
      grid->addWidget(lblUnit[defs[i].unit], row, 2);
    }
    if (button) grid->addWidget(button, row, 1, 1, 2, Qt::AlignRight);
    grid->setRowStretch(row + 1, 1);
    return fra;
  };
  using Member = double CDocumentInputs::*;
  // Position, width and intensity of a surcharge on the back ground; their
  // units are lblUnit(unit) to (unit + 2).
  auto surcharge = [](const std::string& load, Member pos, Member width, Member intensity,
                      int unit) {
    return std::vector<BoxDef>{
        {"載荷位置：", pos, kLen, 0, 99.999,
         "法肩から" + load + "の載荷開始位置までの距離を入力します。", unit, kM},
        {"載荷幅　：", width, kLen, 0, 99.999, load + kWidthHintTail, unit + 1, kM},
        {"荷重強度：", intensity, kLoad, 0, 9999.99,
         load + "の単位面積当りの荷重強度を入力します。", unit + 2, kKnM2}};
  };

  cmbAutoMobil = new QComboBox(this);
  cmbAutoMobil->setObjectName("cmbAutoMobil");
  FillList(cmbAutoMobil, TloadKindList());
  cmbAutoMobil->setProperty("Tag", QStringLiteral("Ｔ荷重の種類を選択します。"));
  std::vector<BoxDef> vehicle =
      surcharge("自動車荷重", &CDocumentInputs::AutoPos, &CDocumentInputs::AutoWidth,
                &CDocumentInputs::AutoLoad, 0);
  vehicle[2].tag += "T荷重を任意とした場合のみ有効です。";
  fraAutoMobil = group("自動車荷重", optAutoMobil, lblAutoMobil, imnAutoMobil, 1, vehicle,
                       cmbAutoMobil, "Ｔ荷重　：", nullptr);
  fraAutoMobil->setObjectName("fraAutoMobil");

  cmdRefGunsyu = new QPushButton(QStringLiteral("参照"), this);
  cmdRefGunsyu->setObjectName("cmdRefGunsyu");
  fraGunsyu = group("群集荷重", optGunsyu, lblGunsyu, imnGunsyu, 0,
                    surcharge("群集荷重", &CDocumentInputs::GunsyuPos,
                              &CDocumentInputs::GunsyuWidth, &CDocumentInputs::GunsyuLoad, 3),
                    nullptr, nullptr, cmdRefGunsyu);
  fraGunsyu->setObjectName("fraGunsyu");

  cmbSnow = new QComboBox(this);
  cmbSnow->setObjectName("cmbSnow");
  cmbSnow->setProperty("Tag", QStringLiteral("雪荷重の種類を選択します。雪だけが荷重としてかかる"
                                             "場合の雪の単位重量はP=3.5kN/m2とします。"));
  fraSnow = group("雪荷重", optSnow, lblSnow, imnSnow, 1,
                  {{"載荷位置：", &CDocumentInputs::SnowPos, kLen, 0, 99.999,
                    "法肩から雪荷重の載荷開始位置までの距離を入力します。", 6, kM},
                   {"積雪深さ：", &CDocumentInputs::SnowDepth, kLen, 0, 99.999,
                    "積雪深×3.5kN/m2とし雪荷重を計算します。", 7, kM},
                   {"荷重強度：", &CDocumentInputs::SnowLoad, kLoad, 0, 9999.99,
                    "雪荷重の単位面積当りの荷重強度を入力します。", 8, kKnM2}},
                  cmbSnow, "雪の種類：", nullptr);
  fraSnow->setObjectName("fraSnow");

  fraTakuchi = group("宅地荷重", optTakuchi, lblTakuchi, imnTakuchi, 0,
                     surcharge("宅地荷重", &CDocumentInputs::TakuchiPos,
                               &CDocumentInputs::TakuchiWidth, &CDocumentInputs::TakuchiLoad, 9),
                     nullptr, nullptr, nullptr);
  fraTakuchi->setObjectName("fraTakuchi");

  // The collision has two switches, each in a frame of its own, and four boxes.
  cmbAutoCrash = new QComboBox(this);
  cmbAutoCrash->setObjectName("cmbAutoCrash");
  FillList(cmbAutoCrash, FenceKindList(0));
  cmbAutoCrash->setProperty("Tag", QStringLiteral("防護柵の種類を選択します。"));
  cmdRefAutoCrash = new QPushButton(QStringLiteral("計算"), this);
  cmdRefAutoCrash->setObjectName("cmdRefAutoCrash");
  {
    auto* fra = fraAutoCrash.Add(0, new QGroupBox(QStringLiteral("自動車の衝突荷重"), this));
    auto* grid = new QGridLayout(fra);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(3);
    auto* opts = new QHBoxLayout;
    int sub = 1;
    for (auto [title, opt] :
         {std::pair{"安定計算", &optAutoCrash0}, std::pair{"たて壁の設計", &optAutoCrash1}}) {
      auto* box = fraAutoCrash.Add(sub++, new QGroupBox(QString::fromUtf8(title), fra));
      auto* v = new QHBoxLayout(box);
      v->setContentsMargins(4, 0, 4, 0);
      auto* on = new QRadioButton(QStringLiteral("考慮する"), box);
      auto* off = new QRadioButton(QStringLiteral("考慮しない"), box);
      opt->Add(0, on);
      opt->Add(1, off);
      v->addWidget(on);
      v->addWidget(off);
      opts->addWidget(box);
    }
    grid->addLayout(opts, 0, 0, 1, 6);
    grid->addWidget(lblAutoCrash.Add(0, new QLabel(QStringLiteral("防護柵  ："), fra)), 1, 0);
    grid->addWidget(cmbAutoCrash, 1, 1, 1, 2);
    grid->addWidget(cmdRefAutoCrash, 1, 4, 1, 2, Qt::AlignRight);
    const std::string load = "擁壁1ブロックに作用する自動車衝突荷重を入力します。";
    const std::vector<BoxDef> defs = {
        {"載荷幅  ：", &CDocumentInputs::AutoCrashWidth, kLen, 0, 99.999,
         "壁の断面計算時の自動車衝突荷重の載荷幅を入力します。", 12, kM},
        {"作用高さ：", &CDocumentInputs::AutoCrashHigh, kLen, 0, 99.999,
         "自動車衝突荷重の路面からの作用高さを入力します。", 13, kM},
        {"衝突荷重：", &CDocumentInputs::AutoCrashLoad, kForce, 0, 99999.99, load, 14, kKn},
        {"鉛直荷重：", &CDocumentInputs::AutoCrashV, kForce, 0, 99999.99, load, 21, kKn}};
    for (int i = 0; i < 4; ++i) {
      const int row = 2 + i % 2;
      const int col = (i / 2) * 3;
      grid->addWidget(lblAutoCrash.Add(i + 1, new QLabel(QString::fromUtf8(defs[i].caption), fra)),
                      row, col);
      grid->addWidget(AddBox(imnAutoCrash, i, defs[i]), row, col + 1);
      grid->addWidget(lblUnit[defs[i].unit], row, col + 2);
    }
    grid->setRowStretch(4, 1);
  }

  cmdStoneCrash = new QPushButton(QStringLiteral("計算"), this);
  cmdStoneCrash->setObjectName("cmdStoneCrash");
  fraStoneCrash = group("落石の衝突荷重", optStoneCrash, lblStoneCrash, imnStoneCrash, 0,
                        {{"柵の高さ：", &CDocumentInputs::StoneHight, kLen, 0, 99.999,
                          "落石防止柵の高さを入力します。", 15, kM},
                         {"支柱間隔：", &CDocumentInputs::StonePich, kLen, 0, 99.999,
                          "落石防止柵の支柱間隔を入力します。", 16, kM},
                         {"衝突荷重：", &CDocumentInputs::StoneLoad, kForce, 0, 99999.99,
                          "落石防止柵の支柱一本当たりの曲げ降伏荷重を入力します。", 17, kKn}},
                        nullptr, nullptr, cmdStoneCrash);
  fraStoneCrash->setObjectName("fraStoneCrash");

  cmdWind = new QPushButton(QStringLiteral("計算"), this);
  cmdWind->setObjectName("cmdWind");
  fraWind = group("風荷重", optWind, lblWind, imnWind, 0,
                  {{"作用位置：", &CDocumentInputs::WindPos, kLen, 0, 99.999,
                    "擁壁天端から風荷重の合力作用までの高さを入力します。", 18, kM},
                   {"作用高  ：", &CDocumentInputs::WindHight, kLen, 0, 99.999,
                    "風荷重が作用する遮音壁等の高さを入力します。", 19, kM},
                   {"風荷重  ：", &CDocumentInputs::WindLoad, kLoad, 0, 9999.99,
                    "単位面積当たりの風荷重を入力します。", 20, kKnM2}},
                  nullptr, nullptr, cmdWind);
  fraWind->setObjectName("fraWind");

  cmdQload = new QPushButton(QStringLiteral("図表入力"), this);
  cmdQload->setObjectName("cmdQload");
}

void frmKajyu::BuildCases() {
  fgComb = new FlexGrid(this);
  fgComb->setObjectName("fgComb");
  fgComb->verticalHeader()->setDefaultSectionSize(20);
  fgComb->setMinimumHeight(180);
  fgComb->SetCols(1);
  fgComb->SetRows(kRowNini);
  fgComb->SetColWidthTwips(0, 1605);
  CDocument blank;
  const CaseTableLayout design = MakeCaseTableLayout(blank);
  for (int r = 0; r < kRowNini; ++r) fgComb->SetTextMatrix(r, 0, Q(design.labels[r]));
  fgComb->setRowHidden(kRowDoat, true);

  imtLoadName = new TextBox(this);
  imtLoadName->setObjectName("imtLoadName");
  imtLoadName->SetMaxChars(30);
  imtLoadName->SetTag(QStringLiteral("荷重ケース名を30文字以内で入力します。"));
  cmdCase.Add(0, new QPushButton(QStringLiteral("荷重ｹｰｽ追加"), this));
  cmdCase.Add(1, new QPushButton(QStringLiteral("荷重ｹｰｽ削除"), this));
  cmdKajyuComb = new QPushButton(QStringLiteral("荷重ｹｰｽ初期化"), this);
  cmdKajyuComb->setObjectName("cmdKajyuComb");
  cmdKajyuComb->setProperty(
      "Tag", QStringLiteral("荷重ケースを他の入力項目の入力状況より自動で決定します。"));
  cmdNini = new QPushButton(QStringLiteral("任意荷重"), this);
  cmdNini->setObjectName("cmdNini");
  cmdNini->setProperty("Tag", QStringLiteral("任意荷重を考慮する場合はクリックして下さい。"));
  Label1 = new QLabel(QStringLiteral("※注意"), this);
  Label1->setObjectName("Label1");
  Label2.Add(0, new QLabel(QStringLiteral("各種安全率の数値は荷重条件を変更すると自動的に"), this));
  Label2.Add(1, new QLabel(QStringLiteral("標準値が設定されます。"), this));
}

QWidget* frmKajyu::BuildFrame() {
  auto* body = new QWidget(this);
  auto* v = new QVBoxLayout(body);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);
  auto section = [this](const char* title) {
    auto* l = new QLabel(QString::fromUtf8(title), this);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
  };

  auto* head1 = new QHBoxLayout;
  head1->addWidget(section("上載荷重"));
  head1->addStretch(1);
  head1->addWidget(cmdQload);
  v->addLayout(head1);
  auto* row1 = new QHBoxLayout;
  for (QGroupBox* f : {fraAutoMobil, fraGunsyu, fraSnow, fraTakuchi}) row1->addWidget(f, 1);
  v->addLayout(row1);
  v->addWidget(section("水平荷重"));
  auto* row2 = new QHBoxLayout;
  row2->addWidget(fraAutoCrash[0], 2);
  row2->addWidget(fraStoneCrash, 1);
  row2->addWidget(fraWind, 1);
  v->addLayout(row2);

  v->addWidget(section("荷重の組合せ"));
  auto* cases = new QHBoxLayout;
  cases->addWidget(fgComb, 1);
  auto* sidePanel = new QWidget(this);
  sidePanel->setFixedWidth(230);
  auto* side = new QVBoxLayout(sidePanel);
  side->setContentsMargins(0, 0, 0, 0);
  side->addWidget(new QLabel(QStringLiteral("荷重ケース名："), this));
  side->addWidget(imtLoadName);
  auto* addDel = new QHBoxLayout;
  addDel->addWidget(cmdCase[0]);
  addDel->addWidget(cmdCase[1]);
  side->addLayout(addDel);
  side->addWidget(cmdKajyuComb);
  side->addWidget(cmdNini);
  side->addSpacing(8);
  side->addWidget(Label1);
  side->addWidget(Label2[0]);
  side->addWidget(Label2[1]);
  side->addStretch(1);
  cases->addWidget(sidePanel);
  v->addLayout(cases, 1);

  imtHelp = MakeHelpBox(this, 44);
  cmdAntResult = new QPushButton(QStringLiteral("安定計算結果更新"), this);
  cmdAntResult->setObjectName("cmdAntResult");
  MakeStepButtons(this, cmdPrevious, cmdNext);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(imtHelp, 1);
  bottom->addWidget(cmdAntResult);
  bottom->addSpacing(12);
  bottom->addWidget(cmdPrevious);
  bottom->addWidget(cmdNext);
  v->addLayout(bottom);
  return body;
}

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
  for (const auto& [box, member] : boxMembers_) {
    connect(box, &NumberBox::GotFocus, this,
            [this, box = box] { ShowHint(imtHelp, box->Tag().toStdString()); });
    const int snow = imnSnow.IndexOf(box);
    if (snow >= 0) {
      connect(box, &NumberBox::LostFocus, this, [this, snow] { imnSnow_LostFocus(snow); });
      connect(box, &NumberBox::Validate, this, [this](bool*) { SnowState(); });
      continue;
    }
    connect(box, &NumberBox::LostFocus, this, [this, box = box, member = member] {
      BoxLostFocus(box, m_cDoc ? &(m_cDoc->*member) : nullptr);
    });
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

QSize frmKajyu::sizeHint() const {
  const QSize least = minimumSizeHint();
  return {std::max(least.width(), 880), std::max(least.height(), 690)};
}

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
  auto boxes = [&d, this](const ControlArray<NumberBox>& arr) {
    for (const auto& [box, member] : boxMembers_)
      if (arr.IndexOf(box) >= 0) SetNumBox(box, d.*member);
  };
  SetOptionIndex(optAutoMobil, d.nAutoMobile);
  if (d.nAutoTload >= 0) SetListIndex(cmbAutoMobil, d.nAutoTload);
  boxes(imnAutoMobil);

  SetOptionIndex(optGunsyu, d.nGunsyu);
  boxes(imnGunsyu);

  SetOptionIndex(optSnow, d.nSnow);
  if (d.nSnowType >= 0) SetListIndex(cmbSnow, d.nSnowType);
  d.SetSnowLoad();  // the intensity always shows the current kind's value
  boxes(imnSnow);

  SetOptionIndex(optTakuchi, d.nTakuchi);
  boxes(imnTakuchi);

  SetOptionIndex(optAutoCrash0, d.nAutoCrash(0));
  SetOptionIndex(optAutoCrash1, d.nAutoCrash(1));
  cmbAutoCrash->setItemText(0, Q(FenceKindList(d.Sisin)[0]));
  SetListIndex(cmbAutoCrash, d.nAutoCrashBougo >= 0 ? d.nAutoCrashBougo : -1);
  boxes(imnAutoCrash);

  SetOptionIndex(optStoneCrash, d.nStone);
  boxes(imnStoneCrash);

  SetOptionIndex(optWind, d.nWind);
  boxes(imnWind);
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

void frmKajyu::BoxLostFocus(NumberBox* box, double* member) {
  ShowHint(imtHelp, "");
  if (!member) return;
  if (NumBoxWritesBack(box)) *member = GetNumBox(box);
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
