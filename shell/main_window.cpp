#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "document/document_collection.h"
#include "platform/controls/control_array.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/file_commands.h"
#include "shell/nav_bar.h"
#include "shell/screen.h"
#include "shell/shell_state.h"
#include "shell/small_windows.h"
#include "shell/startup.h"

namespace norva {
namespace {
mdiMain* gMain = nullptr;

QAction* Item(QMenu* menu, const char* name, int index, const char* caption) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setObjectName(ArrayMemberName(QString::fromLatin1(name), index));
  return a;
}

QAction* Separator(QMenu* menu, const char* name, int index) {
  QAction* a = menu->addSeparator();
  a->setObjectName(ArrayMemberName(QString::fromLatin1(name), index));
  return a;
}

// Sub-window of a document, or null.
std::shared_ptr<CDocument> DocumentOf(QMdiSubWindow* w) {
  auto* sw = qobject_cast<ScreenWindow*>(w);
  if (!sw || gDocuments.ItemIndex(sw->DocKey()) < 1) return nullptr;
  return gDocuments.Item(sw->DocKey());
}
}  // namespace

mdiMain* MainWindow() { return gMain; }
void SetMainWindow(mdiMain* w) { gMain = w; }

mdiMain::mdiMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("mdiMain");
  setWindowTitle(QStringLiteral("ノルヴァ - NorvaV4"));
  setAcceptDrops(true);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kMinimumWidth, kMinimumHeight);
  if (!gMain) gMain = this;
  BuildMenus();
  BuildToolbar();
  BuildPanels();

  connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    GuardedCall([&] {
      if (auto doc = DocumentOf(w)) {
        FormActivate(*doc);
        return;
      }
      if (w) return;
      // No window active: take the first one still shown, else no document.
      for (QMdiSubWindow* other : mdiArea->subWindowList()) {
        if (other->isVisible() && DocumentOf(other)) {
          mdiArea->setActiveSubWindow(other);
          return;
        }
      }
      if (gDocuments.Count() == 0) {
        gActiveKey.clear();
        UpdateCommandState(nullptr);
      }
    });
  });

  // Loading: the navigation bar, with the screen commands disabled until a
  // document is active.
  nav = new frmNav(this);
  cmdIniData->setEnabled(false);
  QFont f = cmdIniData->font();
  f.setBold(false);
  cmdIniData->setFont(f);
  for (int i = 0; i < 6; ++i) {
    nav->optTab[i]->setEnabled(false);
    mnuCommand[i]->setEnabled(false);
  }
  nav->cmdTool->setEnabled(false);
  mnuCommand[7]->setEnabled(false);
  UpdateCommandState(nullptr);
}

mdiMain::~mdiMain() {
  if (gMain == this) gMain = nullptr;
}

void mdiMain::BuildMenus() {
  QMenuBar* bar = menuBar();
  static const char* const kMain[6] = {"ﾌｧｲﾙ(&F)",   "表示(&V)",   "コマンド(&C)",
                                       "ツール(&T)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};
  for (int i = 0; i < 6; ++i) {
    mnuMain[i] = bar->addMenu(QString::fromUtf8(kMain[i]));
    mnuMain[i]->setObjectName(QStringLiteral("mnuMain[%1]").arg(i));
  }

  QMenu* file = mnuMain[0];
  static const char* const kFile[6] = {"新規作成(&N)",          "コピーして作成(&C)",
                                       "ファイルを開く(&O)...", "閉じる(&E)",
                                       "上書き保存(&S)",        "名前を付けて保存(&A)..."};
  for (int i = 0; i < 6; ++i) {
    mnuFile[i] = Item(file, "mnuFile", i, kFile[i]);
    connect(mnuFile[i], &QAction::triggered, this, [this, i] { mnuFile_Click(i); });
  }
  mnuFile[6] = Separator(file, "mnuFile", 6);
  static const char* const kPrint[3] = {"印刷プレビュー(&V)...", "印刷(&P)...",
                                        "プリンタ設定(&R)..."};
  for (int i = 0; i < 3; ++i) {
    mnuPrint[i] = Item(file, "mnuPrint", i, kPrint[i]);
    connect(mnuPrint[i], &QAction::triggered, this, [this, i] { mnuPrint_Click(i); });
  }
  mnuPrint[3] = Separator(file, "mnuPrint", 3);
  mnuWord[0] = Item(file, "mnuWord", 0, "Microsoft(R) Wordへ出力(&W)...");
  connect(mnuWord[0], &QAction::triggered, this, [this] { mnuPrint_Click(-1); });
  mnuWord[1] = Separator(file, "mnuWord", 1);
  for (int i = 0; i < 5; ++i) {
    mnuRecent[i] = Item(file, "mnuRecent", i, "");
    mnuRecent[i]->setVisible(false);
    connect(mnuRecent[i], &QAction::triggered, this, [this, i] { mnuRecent_Click(i); });
  }
  mnuRecent[5] = Separator(file, "mnuRecent", 5);
  mnuRecent[5]->setVisible(false);
  mnuExit = Item(file, "mnuExit", -1, "終了(&Q)");
  connect(mnuExit, &QAction::triggered, this, &QWidget::close);

  static const char* const kView[4] = {"タイトルバー", "ﾂｰﾙﾊﾞｰ", "ﾃﾞｰﾀ概要", "ﾅﾋﾞｹﾞｰｼｮﾝﾊﾞｰ"};
  for (int i = 0; i < 4; ++i) {
    mnuView[i] = Item(mnuMain[1], "mnuView", i, kView[i]);
    mnuView[i]->setCheckable(true);
    mnuView[i]->setChecked(true);
    // The check mark is set by the handler from the new visibility.
    connect(mnuView[i], &QAction::triggered, this, [this, i] { mnuView_Click(i); });
  }

  static const char* const kCommand[6] = {"基本条件", "形状寸法",     "安定計算条件",
                                          "荷重条件", "安定計算結果", "応力度計算結果"};
  for (int i = 0; i < 6; ++i) {
    mnuCommand[i] = Item(mnuMain[2], "mnuCommand", i, kCommand[i]);
    mnuCommand[i]->setCheckable(true);
    connect(mnuCommand[i], &QAction::triggered, this, [this, i] { mnuCommand_Click(i); });
  }
  mnuCommand[6] = Separator(mnuMain[2], "mnuCommand", 6);
  mnuCommand[7] = Item(mnuMain[2], "mnuCommand", 7, "く体寸法図");
  connect(mnuCommand[7], &QAction::triggered, this, [this] { mnuCommand_Click(7); });

  mnuExport[0] = Item(mnuMain[3], "mnuExport", 0, "数量表の作成(&K)...");
  mnuExport[1] = Item(mnuMain[3], "mnuExport", 1, "標準断面図出力(&L)...");
  for (int i = 0; i < 2; ++i)
    connect(mnuExport[i], &QAction::triggered, this, [this, i] { mnuExport_Click(i); });
  mnuToolSep = Separator(mnuMain[3], "mnuToolSep", -1);
  mnuPrnStyle = Item(mnuMain[3], "mnuPrnStyle", -1, "印刷書式の確認・変更");
  connect(mnuPrnStyle, &QAction::triggered, this, [this] {
    if (Windows().printStyle) GuardedCall([this] { Windows().printStyle(PrnStyleDir, this); });
  });
  mnuPrnStyle->setEnabled(static_cast<bool>(Windows().printStyle));

  static const char* const kWindow[5] = {"ｱｲｺﾝの整理(&A)", "重ねて表示(&C)", "上下に並べて表示(&H)",
                                         "左右に並べて表示(&T)", "全て最小化(&M)"};
  for (int i = 0; i < 5; ++i) {
    mnuWindow[i] = Item(mnuMain[4], "mnuWindow", i, kWindow[i]);
    connect(mnuWindow[i], &QAction::triggered, this, [this, i] { mnuWindow_Click(i); });
  }
  connect(mnuMain[4], &QMenu::aboutToShow, this, [this] { FillWindowMenu(); });

  mnuTaq[0] = Item(mnuMain[5], "mnuTaq", 0, "お問合せ(&Q)");
  mnuTaq[1] = Item(mnuMain[5], "mnuTaq", 1, "プログラム情報(&P)");
  // No contact or web address is published for this program yet.
  mnuTaq[0]->setEnabled(false);
  mnuTaq[1]->setEnabled(false);
  mnuTaq[2] = Separator(mnuMain[5], "mnuTaq", 2);
  mnuVersion = Item(mnuMain[5], "mnuVersion", -1, "ﾊﾞｰｼﾞｮﾝ情報(&A)");
  connect(mnuVersion, &QAction::triggered, this, [this] {
    frmAbout about(this);
    about.exec();
  });
}

void mdiMain::BuildToolbar() {
  tlbFile = addToolBar(QStringLiteral("ﾂｰﾙﾊﾞｰ"));
  tlbFile->setObjectName("tlbFile");
  tlbFile->setMovable(false);
  tlbFile->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct Button {
    const char* key;
    const char* text;
    QStyle::StandardPixmap icon;
    bool separatorBefore;
  };
  static const Button kButtons[] = {
      {"NEW", "新規作成", QStyle::SP_FileIcon, false},
      {"COPY", "コピーして開く", QStyle::SP_FileDialogNewFolder, false},
      {"OPEN", "ファイルを開く", QStyle::SP_DialogOpenButton, true},
      {"SAVE", "保存", QStyle::SP_DialogSaveButton, true},
      {"PRINT", "印刷", QStyle::SP_ComputerIcon, true},
      {"PREVIEW", "印刷プレビュー", QStyle::SP_FileDialogContentsView, false},
      {"WORD", "Microsoft Wordへ出力", QStyle::SP_FileDialogDetailedView, false},
      {"SXF", "標準断面図出力", QStyle::SP_DriveFDIcon, true},
  };
  for (const Button& b : kButtons) {
    if (b.separatorBefore) tlbFile->addSeparator();
    const QString key = QString::fromLatin1(b.key);
    QAction* a = new QAction(style()->standardIcon(b.icon), QString::fromUtf8(b.text), this);
    a->setObjectName(key);
    a->setToolTip(QString::fromUtf8(b.text));
    connect(a, &QAction::triggered, this, [this, key] { tlbFile_ButtonClick(key); });
    buttons.insert(key, a);
    if (key == "OPEN") {
      openButton = new QToolButton(tlbFile);
      openButton->setObjectName("tlbFile.OPEN");
      openButton->setDefaultAction(a);
      openButton->setPopupMode(QToolButton::MenuButtonPopup);
      openButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      openMenu = new QMenu(openButton);
      openMenu->setObjectName("OPEN.menu");
      openButton->setMenu(openMenu);
      connect(openMenu, &QMenu::triggered, this,
              [this](QAction* entry) { OpenMenuClick(entry->data().toInt()); });
      tlbFile->addWidget(openButton);
    } else {
      tlbFile->addAction(a);
    }
  }
}

void mdiMain::BuildPanels() {
  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  picTitle = new QWidget(central);
  picTitle->setObjectName("picTitle");
  picTitle->setFixedHeight(40);
  picTitle->setAutoFillBackground(true);
  QPalette pal = picTitle->palette();
  pal.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x6e));
  picTitle->setPalette(pal);
  auto* titleLay = new QHBoxLayout(picTitle);
  titleLay->setContentsMargins(12, 2, 12, 2);
  auto* imgTitle = new QLabel(QStringLiteral("ノルヴァ"), picTitle);
  imgTitle->setObjectName("imgTitle");
  imgTitle->setStyleSheet(QStringLiteral("color: white; font-size: 18pt; font-weight: bold;"));
  auto* sub = new QLabel(QStringLiteral("重力式擁壁の設計計算"), picTitle);
  sub->setStyleSheet(QStringLiteral("color: #dfe7f5; font-size: 10pt;"));
  titleLay->addWidget(imgTitle);
  titleLay->addSpacing(16);
  titleLay->addWidget(sub);
  titleLay->addStretch(1);
  outer->addWidget(picTitle);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  mdiArea = new QMdiArea(central);
  mdiArea->setObjectName("mdiArea");
  mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  body->addWidget(mdiArea, 1);

  picResAbout = new QWidget(central);
  picResAbout->setObjectName("picResAbout");
  picResAbout->setFixedWidth(270);
  auto* side = new QVBoxLayout(picResAbout);
  side->setContentsMargins(4, 4, 4, 4);

  auto* picIniData = new QWidget(picResAbout);
  picIniData->setObjectName("picIniData");
  auto* iniLay = new QVBoxLayout(picIniData);
  iniLay->setContentsMargins(0, 0, 0, 0);
  auto* lblIniData = new QLabel(QStringLiteral("設計初期条件"), picIniData);
  lblIniData->setObjectName("lblIniData");
  lblIniData->setStyleSheet(QStringLiteral("font-weight: bold;"));
  txtDataName = new QLineEdit(picIniData);
  txtDataName->setObjectName("txtDataName");
  txtDataName->setReadOnly(true);
  vsdIniData = new CanvasWidget(picIniData);
  vsdIniData->setObjectName("vsdIniData");
  vsdIniData->setFixedHeight(kIniDataHeight);
  vsdIniData->canvas().SetMetrics(QtTextMetrics::Shared());
  cmdIniData = new QPushButton(QStringLiteral("設計初期条件の変更"), picIniData);
  cmdIniData->setObjectName("cmdIniData");
  connect(cmdIniData, &QPushButton::clicked, this, [] {
    GuardedCall([] {
      if (auto doc = ActiveDocument()) ShowIniForm(*doc, 1);
    });
  });
  iniLay->addWidget(lblIniData);
  iniLay->addWidget(txtDataName);
  iniLay->addWidget(vsdIniData);
  iniLay->addWidget(cmdIniData);
  side->addWidget(picIniData);

  auto* picAntRes = new QWidget(picResAbout);
  picAntRes->setObjectName("picAntRes");
  auto* resLay = new QVBoxLayout(picAntRes);
  resLay->setContentsMargins(0, 8, 0, 0);
  auto* lblRes = new QLabel(QStringLiteral("安定計算結果概要"), picAntRes);
  lblRes->setObjectName("lblResAboutTitl");
  lblRes->setStyleSheet(QStringLiteral("font-weight: bold;"));
  vsvAntRes = new QScrollArea(picAntRes);
  vsvAntRes->setObjectName("vsvAntRes");
  vsvAntRes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  vsvAntRes->setWidgetResizable(false);
  vsdAntRes = new CanvasWidget;
  vsdAntRes->setObjectName("vsdAntRes");
  vsdAntRes->canvas().SetMetrics(QtTextMetrics::Shared());
  vsvAntRes->setWidget(vsdAntRes);
  vsvAntRes->setBackgroundRole(QPalette::Base);
  vsvAntRes->installEventFilter(this);
  cmdAntResApply = new QPushButton(QStringLiteral("安定計算結果更新"), picAntRes);
  cmdAntResApply->setObjectName("cmdAntResApply");
  connect(cmdAntResApply, &QPushButton::clicked, this, [] { cmdAntResApply_Click(); });
  resLay->addWidget(lblRes);
  resLay->addWidget(vsvAntRes, 1);
  resLay->addWidget(cmdAntResApply);
  side->addWidget(picAntRes, 1);

  body->addWidget(picResAbout);
  outer->addLayout(body, 1);
  setCentralWidget(central);
}

void mdiMain::mnuFile_Click(int index) {
  GuardedCall([&] {
    switch (index) {
      case 0:
        NewDocument();
        break;
      case 1:
        CopyNewDocument();
        break;
      case 2:
        OpenDocumentDialog();
        break;
      case 3:
        CloseActiveDocument();
        break;
      case 4:
        SaveDocument();
        break;
      case 5:
        if (auto doc = ActiveDocument()) SaveDocumentAs(*doc);
        break;
      default:
        break;
    }
  });
}

void mdiMain::mnuPrint_Click(int index) {
  GuardedCall([&] {
    if (index == 2) {
      PrinterSetup();
      return;
    }
    int16_t mode;
    switch (index) {
      case 0:
        mode = 1;
        break;
      case 1:
        mode = 0;
        break;
      case -1:
        mode = 2;
        break;
      default:
        return;
    }
    auto doc = ActiveDocument();
    if (doc && Windows().reportDialog) Windows().reportDialog(*doc, mode, this);
  });
}

void mdiMain::mnuRecent_Click(int index) {
  if (index < 0 || index > 4) return;  // the separator
  GuardedCall([&] { OpenRecentFile(static_cast<int16_t>(index)); });
}

void mdiMain::OpenMenuClick(int entry) { mnuRecent_Click(entry - 1); }

void mdiMain::mnuView_Click(int index) {
  QWidget* target = nullptr;
  switch (index) {
    case 0:
      target = picTitle;
      break;
    case 1:
      target = tlbFile;
      break;
    case 2:
      target = picResAbout;
      break;
    case 3:
      target = nav;
      break;
    default:
      return;
  }
  target->setVisible(target->isHidden());
  mnuView[index]->setChecked(!target->isHidden());
}

void mdiMain::mnuCommand_Click(int index) {
  if (index >= 0 && index <= 5) {
    if (!nav) return;
    nav->SelectTab(index);
    nav->optTab_Click(index);
    // Choosing an item toggles its check; the mark belongs to the screen shown,
    // also when that screen was chosen again and nothing was activated.
    auto doc = ActiveDocument();
    const int shown = doc && doc->DataForm ? doc->DataForm->No() : -1;
    for (int i = 0; i <= 5; ++i) mnuCommand[i]->setChecked(i == shown);
    return;
  }
  if (index == 7 && Windows().dimensionView) GuardedCall([this] { Windows().dimensionView(this); });
}

void mdiMain::mnuExport_Click(int index) {
  GuardedCall([&] {
    auto doc = ActiveDocument();
    if (!doc || !Windows().sheetOptions) return;
    const bool sheet = index == 1;
    if (Windows().sheetOptions(*doc, sheet, this) != 1) return;
    if (index == 0 && Windows().quantityTable) Windows().quantityTable(*doc, this);
    if (index == 1 && Windows().sheetPreview) Windows().sheetPreview(*doc, this);
  });
}

void mdiMain::ArrangeIcons() {
  const int h = 32, w = 180;
  int x = 0;
  const int y = mdiArea->viewport()->height() - h;
  for (QMdiSubWindow* s : mdiArea->subWindowList()) {
    if (!s->isMinimized()) continue;
    s->move(x, y);
    x += w;
  }
}

void mdiMain::Tile(bool sideBySide) {
  QList<QMdiSubWindow*> list;
  for (QMdiSubWindow* s : mdiArea->subWindowList())
    if (s->isVisible() && !s->isMinimized()) list << s;
  if (list.isEmpty()) return;
  const QSize area = mdiArea->viewport()->size();
  const int n = static_cast<int>(list.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* s = list[i];
    s->showNormal();
    if (sideBySide)
      s->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    else
      s->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
  }
}

void mdiMain::mnuWindow_Click(int index) {
  switch (index) {
    case 0:
      ArrangeIcons();
      break;
    case 1:
      mdiArea->cascadeSubWindows();
      break;
    // The captions say how the windows end up: 上下 one above the other,
    // 左右 side by side.
    case 2:
      Tile(false);
      break;
    case 3:
      Tile(true);
      break;
    case 4:
      for (QMdiSubWindow* s : mdiArea->subWindowList()) s->showMinimized();
      if (nav) nav->showMinimized();
      // Every other open window of the program too: the help window, the
      // dimensioned view and any other tool window.
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || w == nav || !w->isVisible() || qobject_cast<QMenu*>(w)) continue;
        if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
        w->showMinimized();
      }
      ArrangeIcons();
      break;
    default:
      break;
  }
}

void mdiMain::FillWindowMenu() {
  for (QAction* a : windowListActions_) {
    mnuMain[4]->removeAction(a);
    a->deleteLater();
  }
  windowListActions_.clear();
  const auto list = mdiArea->subWindowList();
  if (list.isEmpty()) return;
  windowListActions_ << mnuMain[4]->addSeparator();
  int n = 1;
  for (QMdiSubWindow* s : list) {
    QAction* a = mnuMain[4]->addAction(QStringLiteral("&%1 %2").arg(n++).arg(s->windowTitle()));
    a->setCheckable(true);
    a->setChecked(s == mdiArea->activeSubWindow());
    connect(a, &QAction::triggered, this, [this, s] { mdiArea->setActiveSubWindow(s); });
    windowListActions_ << a;
  }
}

void mdiMain::tlbFile_ButtonClick(const QString& keyIn) {
  const QString key = keyIn.toUpper();
  if (key == "NEW")
    mnuFile_Click(0);
  else if (key == "COPY")
    mnuFile_Click(1);
  else if (key == "OPEN")
    mnuFile_Click(2);
  else if (key == "SAVE")
    mnuFile_Click(4);
  else if (key == "PRINT")
    mnuPrint_Click(1);
  else if (key == "PREVIEW")
    mnuPrint_Click(0);
  else if (key == "WORD")
    mnuPrint_Click(-1);
  else if (key == "SXF")
    mnuExport_Click(1);
}

QRect mdiMain::DocumentArea() const {
  const QWidget* view = mdiArea->viewport();
  QRect area(QPoint(0, 0), view->size());
  if (nav && nav->isVisible() && !nav->isMinimized()) {
    const QRect frame = nav->frameGeometry();
    const QRect bar(view->mapFromGlobal(frame.topLeft()), frame.size());
    if (bar.intersects(area) && bar.left() > area.left()) area.setRight(bar.left() - 1);
  }
  return area;
}

QRect mdiMain::PlaceDocumentWindow(QPoint at, QSize want) const {
  const QRect area = DocumentArea();
  const QSize size = want.boundedTo(area.size());
  QRect r(at, size);
  if (!area.contains(r)) {
    // Pushed back inside from the right and the bottom, never past the top left.
    r.moveRight(std::min(r.right(), area.right()));
    r.moveBottom(std::min(r.bottom(), area.bottom()));
    r.moveLeft(std::max(r.left(), area.left()));
    r.moveTop(std::max(r.top(), area.top()));
  }
  return r;
}

QRect mdiMain::StartGeometry(const QRect& available, const QSize& least) {
  if (available.width() >= least.width() && available.height() >= least.height()) return available;
  return {available.topLeft(), least};
}

void mdiMain::ShowAtStart() {
  // The screens are laid out for a window that takes the desktop: any less
  // and the larger ones scroll.
  if (const QScreen* s = screen())
    setGeometry(StartGeometry(s->availableGeometry(), minimumSize()));
  showMaximized();
}

bool mdiMain::IsDocumentFile(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const int dot = name.lastIndexOf('.');
  return dot >= 0 && name.mid(dot + 1) == QLatin1String("nrv");
}

namespace {
bool HasDocumentFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return false;
  for (const QUrl& u : data->urls())
    if (u.isLocalFile() && mdiMain::IsDocumentFile(u.toLocalFile())) return true;
  return false;
}

// Entering and moving over the window: a copy when a document file is among
// the dragged files.
void AcceptDocumentDrag(QDragMoveEvent* e) {
  if (HasDocumentFile(e->mimeData())) {
    e->setDropAction(Qt::CopyAction);
    e->accept();
  } else {
    e->ignore();
  }
}
}  // namespace

void mdiMain::dragEnterEvent(QDragEnterEvent* e) { AcceptDocumentDrag(e); }

void mdiMain::dragMoveEvent(QDragMoveEvent* e) { AcceptDocumentDrag(e); }

void mdiMain::dropEvent(QDropEvent* e) {
  if (!e->mimeData() || !e->mimeData()->hasUrls()) return;
  const QList<QUrl> urls = e->mimeData()->urls();
  e->setDropAction(Qt::CopyAction);
  e->accept();
  for (const QUrl& u : urls) {
    if (!u.isLocalFile() || !IsDocumentFile(u.toLocalFile())) continue;
    const std::string path = u.toLocalFile().toStdString();
    GuardedCall([&] { OpenDocumentFile(path); });
  }
}

void mdiMain::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // A bar the user has not moved keeps to the corner of the document area, so
  // a smaller window does not bring the summary panel under it.
  if (nav && nav->isVisible() && nav->AtPlace()) nav->PlaceAtOwner();
  // The result drawing follows the width of its viewport.
  RedrawResultSummary();
}

bool mdiMain::eventFilter(QObject* watched, QEvent* e) {
  // The design-data drawing above grows and shrinks with its document; the
  // result drawing follows the room that leaves it.
  if (watched == vsvAntRes && e->type() == QEvent::Resize) RedrawResultSummary();
  return QMainWindow::eventFilter(watched, e);
}

void mdiMain::closeEvent(QCloseEvent* e) {
  if (CalculationRunning()) {
    e->ignore();
    return;
  }
  // Every document is asked first; a cancel keeps all of them open.
  bool go = true;
  GuardedCall([&] {
    for (QMdiSubWindow* w : mdiArea->subWindowList()) {
      auto doc = DocumentOf(w);
      if (!doc) continue;
      mdiArea->setActiveSubWindow(w);
      if (!QuerySaveDocument(*doc)) {
        go = false;
        return;
      }
    }
  });
  if (!go) {
    e->ignore();
    return;
  }
  for (QMdiSubWindow* w : mdiArea->subWindowList()) {
    auto* sw = qobject_cast<ScreenWindow*>(w);
    if (!sw) continue;
    CloseDocument(sw->DocKey());
    sw->CloseByCode();
  }
  AppShutdown();
  shutDown_ = true;
  e->accept();
  ReleaseAllDocuments();
}

}  // namespace norva
