#pragma once
// GotFocus / LostFocus as the screens expect them: they fire when focus moves
// between controls of the program (a click on a push button included), never
// because the window was deactivated, a message box opened or a popup showed.
#include <QFocusEvent>

namespace norva {

class FocusEvents {
 public:
  // True when GotFocus should fire for this focus-in event.
  bool In(const QFocusEvent* e) {
    (void)e;
    if (has_) return false;  // back from a message box or another window
    has_ = true;
    return true;
  }
  // True when LostFocus should fire for this focus-out event.
  bool Out(const QFocusEvent* e) {
    if (!has_) return false;
    const Qt::FocusReason r = e->reason();
    if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason) return false;
    has_ = false;
    return true;
  }
  bool HasFocus() const { return has_; }

 private:
  bool has_ = false;
};

// Blocks a second LostFocus while a handler of the first (which may open a
// message box) is still running.
class ReentryGuard {
 public:
  explicit ReentryGuard(bool& flag) : flag_(flag), entered_(!flag) { flag_ = true; }
  ~ReentryGuard() {
    if (entered_) flag_ = false;
  }
  bool Entered() const { return entered_; }
  ReentryGuard(const ReentryGuard&) = delete;
  ReentryGuard& operator=(const ReentryGuard&) = delete;

 private:
  bool& flag_;
  bool entered_;
};

}  // namespace norva
