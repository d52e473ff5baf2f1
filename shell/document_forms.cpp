#include "shell/document_forms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollArea>
#include <QStyle>
#include <exception>

#include "document/data_state.h"
#include "document/document.h"
#include "document/document_collection.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/file_commands.h"
#include "shell/hint_line.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/program_icon.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {

ScreenWindow::ScreenWindow(const std::string& docKey, IScreen* screen)
    : key_(docKey), screen_(screen) {
  setObjectName("ScreenWindow");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(ProgramIcon());
  // A window smaller than the screen scrolls it rather than squeezing its
  // controls until grids and frames cut their texts off.
  auto* scroll = new QScrollArea;
  scroll->setObjectName("ScreenScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(screen->Widget());
  setWidget(scroll);
}

void ScreenWindow::CloseByCode() {
  byCode_ = true;
  close();
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
  if (byCode_) {
    if (screen_) GuardedCall([this] { screen_->UnloadByCode(); });
    QMdiSubWindow::closeEvent(e);
    return;
  }
  bool close = true;
  GuardedCall([&] {
    const int16_t pos = gDocuments.ItemIndex(key_);
    if (pos < 1) return;  // the document is gone already
    auto doc = gDocuments.Item(pos);
    if (!QuerySaveDocument(*doc)) {
      close = false;
      return;
    }
    CloseDocument(key_);
  });
  if (!close) {
    e->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(e);
}

std::shared_ptr<CDocument> ActiveDocument() {
  if (gActiveKey.empty() || gDocuments.ItemIndex(gActiveKey) < 1) return nullptr;
  return gDocuments.Item(gActiveKey);
}

ScreenWindow* WindowOf(const CDocument& doc) {
  mdiMain* m = MainWindow();
  if (!m || !doc.DataForm) return nullptr;
  for (QMdiSubWindow* w : m->mdiArea->subWindowList()) {
    auto* sw = qobject_cast<ScreenWindow*>(w);
    if (sw && sw->Screen() == doc.DataForm) return sw;
  }
  return nullptr;
}

void ShowForm(CDocument& doc, int16_t NewFormNo) {
  if (NewFormNo < 0 || NewFormNo > 5) return;
  mdiMain* m = MainWindow();
  ScreenWindow* old = WindowOf(doc);
  if (old && doc.DataForm->No() == NewFormNo) {
    if (m) m->mdiArea->setActiveSubWindow(old);
    old->raise();
    return;
  }
  IScreen* screen = CreateScreen(NewFormNo);
  if (!screen) return;
  screen->SetDoc(&doc);
  doc.DataForm = screen;
  auto* win = new ScreenWindow(doc.Key, screen);
  win->setWindowTitle(QString::fromStdString(doc.FileTitle));
  screen->DataSet();
  WireHintLine(screen->Widget());
  if (!m) return;
  m->mdiArea->addSubWindow(win);
  // Every window stands inside the visible document area, clear of the
  // navigation bar, so none needs the area's scroll bars.
  // The window's frame and title bar come on top of what the screen asks for.
  const QStyle* style = win->style();
  const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, win);
  const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, win);
  const QSize want =
      (screen->Widget()->sizeHint() + QSize(2 * frame, title + frame)).expandedTo(QSize(640, 480));
  if (!old) {
    // Cascaded: each window one step further than the last, from the top left
    // again; the first fills the area, so that no screen scrolls that need not.
    int others = 0;
    for (QMdiSubWindow* w : m->mdiArea->subWindowList())
      if (w != win && w->isVisible()) ++others;
    const int step = 24 * (others % 8);
    const QRect area = m->DocumentArea();
    const QRect place = m->PlaceDocumentWindow(area.topLeft() + QPoint(step, step),
                                               area.size() - QSize(step, step));
    win->show();
    win->setGeometry(place);
    m->mdiArea->setActiveSubWindow(win);
    return;
  }
  // The next screen takes the place of the last, and grows where it needs more.
  const Qt::WindowStates state = old->windowState();
  const QRect was =
      old->isMaximized() || old->isMinimized() ? old->normalGeometry() : old->geometry();
  old->hide();
  win->show();
  win->setGeometry(m->PlaceDocumentWindow(was.topLeft(), want.expandedTo(was.size())));
  win->setWindowState(state);
  m->mdiArea->setActiveSubWindow(win);
  old->CloseByCode();
  // Activation during the swap may have seen the old screen.
  FormActivate(doc);
}

void FormActivate(CDocument& doc) {
  if (!doc.DataForm) return;
  const int no = doc.DataForm->No();
  mdiMain* m = MainWindow();
  gNavLock = true;
  if (m && m->nav) m->nav->SelectTab(no);
  if (m) {
    for (int i = 0; i < 8; ++i)
      if (m->mnuCommand[i]) m->mnuCommand[i]->setChecked(false);
    if (no >= 0 && no <= 5) m->mnuCommand[no]->setChecked(true);
  }
  gNavLock = false;
  if (gActiveKey != doc.Key) gActiveKey = doc.Key;
  // Both panels show the active document: its results, or none when it has none.
  UpdateDataSummary(&doc);
  UpdateResultSummary(&doc);
  UpdateCommandState(&doc);
}

int16_t ShowIniForm(CDocument& doc, int16_t mode) {
  IniDataFields fields;
  fields.Title = doc.Title;
  fields.Sisin = doc.Sisin;
  fields.WallType = doc.WallType();
  fields.Doatsu = doc.Doatsu;
  QWidget* owner = MainWindow();
  int16_t state = 0;
  if (Windows().iniData) state = Windows().iniData(doc, fields, mode == 0, owner);
  if (state != 0) ApplyIniConditions(doc, fields);
  if (mode == 1 && state != 0) {
    UpdateDataSummary(&doc);
    DocDataState(doc, 0);
    if (doc.DataForm) {
      const int current = doc.DataForm->No();
      for (int i = 0; i <= 3; ++i) {
        if (doc.bInpSt(i) == 0 && current > i) {
          ShowForm(doc, static_cast<int16_t>(i));
          return state;
        }
      }
      if (current <= 4)
        doc.DataForm->DataSet();
      else
        ShowForm(doc, 4);
    }
  }
  return state;
}

int16_t DocDataState(CDocument& doc, int No) {
  // The input screens report here after every change they write back.
  if (No >= 0 && No <= 3) DropStaleResults(doc);
  return DataState(doc, No, &ShellHost());
}

namespace {
class Host final : public IScreenHost {
 public:
  void ShowForm(CDocument& doc, int no) override { norva::ShowForm(doc, static_cast<int16_t>(no)); }
  void UpdateCommandState() override {
    auto doc = ActiveDocument();
    norva::UpdateCommandState(doc.get());
  }
  void UpdateDataSummary() override {
    auto doc = ActiveDocument();
    norva::UpdateDataSummary(doc.get());
  }
};
}  // namespace

IScreenHost& ShellHost() {
  static Host host;
  return host;
}

bool GuardedCall(const std::function<void()>& handler, const char* failure) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    Ask(std::string(failure) + "\n(" + e.what() + ")", MsgIcon::Warning, MsgButtons::Ok);
  } catch (...) {
    Ask(failure, MsgIcon::Warning, MsgButtons::Ok);
  }
  return false;
}

}  // namespace norva
