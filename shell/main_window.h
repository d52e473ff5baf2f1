#pragma once
// The main window: the frame around the documents' windows, with menus,
// toolbar, title panel, the summary panel on the right and the file drop.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "platform/canvas/canvas_render.h"

namespace norva {

class frmNav;
class CDocument;

class mdiMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit mdiMain(QWidget* parent = nullptr);
  ~mdiMain() override;

  // Menu items, by the index of their control arrays.
  QMenu* mnuMain[6] = {};
  QAction* mnuFile[7] = {};
  QAction* mnuPrint[4] = {};
  QAction* mnuWord[2] = {};
  QAction* mnuRecent[6] = {};
  QAction* mnuExit = nullptr;
  QAction* mnuView[4] = {};
  QAction* mnuCommand[8] = {};
  QAction* mnuExport[2] = {};
  QAction* mnuToolSep = nullptr;
  QAction* mnuPrnStyle = nullptr;
  QAction* mnuWindow[5] = {};
  QAction* mnuTaq[3] = {};
  QAction* mnuVersion = nullptr;

  // Toolbar and its buttons by key ("NEW", "COPY", "OPEN", …).
  QToolBar* tlbFile = nullptr;
  QMap<QString, QAction*> buttons;
  QToolButton* openButton = nullptr;
  QMenu* openMenu = nullptr;  // the recent files under "OPEN"

  QWidget* picTitle = nullptr;
  QMdiArea* mdiArea = nullptr;
  QWidget* picResAbout = nullptr;
  QLineEdit* txtDataName = nullptr;
  CanvasWidget* vsdIniData = nullptr;
  QPushButton* cmdIniData = nullptr;
  QScrollArea* vsvAntRes = nullptr;
  CanvasWidget* vsdAntRes = nullptr;
  QPushButton* cmdAntResApply = nullptr;

  frmNav* nav = nullptr;

  // Runs what the menu item / toolbar key does (also for the tests).
  void mnuFile_Click(int index);
  void mnuPrint_Click(int index);
  void mnuRecent_Click(int index);
  void mnuView_Click(int index);
  void mnuCommand_Click(int index);
  void mnuExport_Click(int index);
  void mnuWindow_Click(int index);
  void tlbFile_ButtonClick(const QString& key);
  void OpenMenuClick(int entry);  // drop-down entry, counted from 1

  // True when the extension after the last dot of the file name is exactly
  // "nrv" (letter case counts).
  static bool IsDocumentFile(const QString& path);

  // The part of the document area that a document's window may take, in the
  // area's viewport coordinates: the viewport left of the navigation bar
  // where the bar stands over it.
  QRect DocumentArea() const;
  // A window of size `want` placed in DocumentArea(): as large as fits, at
  // `at` when it fits there, else moved (and if need be shrunk) to fit.
  QRect PlaceDocumentWindow(QPoint at, QSize want) const;

  // The smallest size the window can be given.
  static constexpr int kMinimumWidth = 960;
  static constexpr int kMinimumHeight = 640;

  // The usual height of the design-data drawing, which holds its 1000 units.
  static constexpr int kIniDataHeight = 190;

  // Where the window opens on a desktop whose free area (without panels and
  // task bars) is `available`: all of it when it holds the least size, else
  // the least size at its top left.
  static QRect StartGeometry(const QRect& available, const QSize& least);
  // Shows the window the first time over the free area of its screen,
  // maximized where a window manager does that.
  void ShowAtStart();

  // Set true once shut-down has run (the close was not cancelled).
  bool shutDown() const { return shutDown_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildPanels();
  void FillWindowMenu();
  void ArrangeIcons();
  void Tile(bool sideBySide);

  QList<QAction*> windowListActions_;
  bool shutDown_ = false;
};

// The main window once start-up (or a test) has created it; null otherwise.
mdiMain* MainWindow();
void SetMainWindow(mdiMain* w);

}  // namespace norva
