#include "shell/nav_bar.h"

#include <QFrame>

#include "document/document.h"
#include "document/document_collection.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

namespace norva {
namespace {
// Twips of the window's design, at 15 twips a pixel.
int Px(int twips) { return twips / 15; }
}  // namespace

frmNav::frmNav(QWidget* owner) : QWidget(owner, Qt::Tool) {
  setObjectName("frmNav");
  setWindowTitle(QStringLiteral("ﾅﾋﾞｹﾞｰｼｮﾝﾊﾞｰ"));
  static const char* const kCaptions[6] = {"基本条件", "形状寸法",     "安定計算条件",
                                           "荷重条件", "安定計算結果", "応力度計算結果"};
  static const int kTops[6] = {60, 435, 810, 1185, 1560, 1935};
  const int width = Px(1485) + 20;
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (int i = 0; i < 6; ++i) {
    optTab[i] = new QPushButton(QString::fromUtf8(kCaptions[i]), this);
    optTab[i]->setObjectName(QStringLiteral("optTab[%1]").arg(i));
    optTab[i]->setCheckable(true);
    optTab[i]->setGeometry(Px(60), Px(kTops[i]), width, Px(315) + 4);
    group_->addButton(optTab[i], i);
    connect(optTab[i], &QPushButton::clicked, this, [this, i] { optTab_Click(i); });
  }
  for (int k = 0; k < 2; ++k) {
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("lnSep[%1]").arg(k));
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(Px(60), Px(k == 0 ? 2340 : 3180), width, 3);
  }
  cmdPreview = new QPushButton(QStringLiteral("印刷実行"), this);
  cmdPreview->setObjectName("cmdPreview");
  cmdPreview->setGeometry(Px(60), Px(2415), width, Px(315) + 4);
  cmdTool = new QPushButton(QStringLiteral("寸　法　図"), this);
  cmdTool->setObjectName("cmdTool");
  cmdTool->setGeometry(Px(60), Px(2775), width, Px(315) + 4);
  connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPreview_Click(); });
  connect(cmdTool, &QPushButton::clicked, this, [this] { cmdTool_Click(); });
  setFixedSize(width + 2 * Px(60), Px(3180) + 4);
}

void frmNav::SelectTab(int i) {
  if (i < 0 || i > 5) return;
  optTab[i]->setChecked(true);
}

int frmNav::SelectedTab() const { return group_->checkedId(); }

void frmNav::optTab_Click(int index) {
  if (gNavLock) return;
  GuardedCall([&] {
    if (auto doc = ActiveDocument()) ShowForm(*doc, static_cast<int16_t>(index));
  });
}

void frmNav::cmdPreview_Click() {
  if (mdiMain* m = MainWindow()) m->mnuPrint_Click(0);
}

void frmNav::cmdTool_Click() {
  if (mdiMain* m = MainWindow()) m->mnuCommand_Click(7);
}

void frmNav::PlaceAtOwner() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  auto* m = qobject_cast<mdiMain*>(owner);
  QWidget* area = m && m->mdiArea ? m->mdiArea->viewport() : owner;
  const QPoint topRight = area->mapToGlobal(QPoint(area->width(), 0));
  move(topRight.x() - frameGeometry().width(), topRight.y());
  place_ = pos();
  placed_ = true;
}

}  // namespace norva
