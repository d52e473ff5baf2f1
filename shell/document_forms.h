#pragma once
// A document's screens in the main window: the child window that shows the
// current screen, switching screens, activation, and the initial-conditions
// dialog.
#include <QMdiSubWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/services.h"
#include "shell/screen.h"

namespace norva {

// The child window of one document: hosts its current screen. Closed by the
// user (or the main window), it asks the save question; closed by the program
// (a change of screen, File > Close) it asks nothing.
class ScreenWindow : public QMdiSubWindow {
  Q_OBJECT

 public:
  ScreenWindow(const std::string& docKey, IScreen* screen);

  const std::string& DocKey() const { return key_; }
  IScreen* Screen() const { return screen_; }
  // Closes without the save question.
  void CloseByCode();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  std::string key_;
  IScreen* screen_;
  bool byCode_ = false;
};

// The active document (gDocuments under gActiveKey), or null.
std::shared_ptr<CDocument> ActiveDocument();
// The window showing the document's current screen, or null.
ScreenWindow* WindowOf(const CDocument& doc);

// Replaces the document's child window by screen NewFormNo (0..5).
void ShowForm(CDocument& doc, int16_t NewFormNo);
// Called when a document's window becomes the active one.
void FormActivate(CDocument& doc);
// The initial-conditions dialog: mode 0 for a new document, 1 for a change
// from the main window. Returns the dialog's EndState (0 cancelled).
int16_t ShowIniForm(CDocument& doc, int16_t mode);
// DataState of the document followed by the command state for it.
int16_t DocDataState(CDocument& doc, int No);

// The shell's side of the document services (command state, data summary,
// screens) for code outside the shell.
IScreenHost& ShellHost();

// Runs an event handler; an exception becomes a message (`failure`, then the
// exception's text in brackets) instead of ending the program. False when the
// handler threw.
bool GuardedCall(const std::function<void()>& handler,
                 const char* failure = "処理中にエラーが発生しました。");

}  // namespace norva
