#pragma once
// One QApplication for the drawing-sheet window tests, a message sink that
// keeps what it was asked to show, and input helpers.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/services.h"

namespace norva::sheet_screens {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_screens";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QTemporaryDir tmp;
  static const bool envSet = [] {
    ::setenv("XDG_CONFIG_HOME", (tmp.path() + "/config").toLocal8Bit().constData(), 1);
    return true;
  }();
  (void)envSet;
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class RecordingSink final : public IMessageSink {
 public:
  RecordingSink() { SetMessageSink(this); }
  ~RecordingSink() override { SetMessageSink(nullptr); }
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> shown;
};

// The user types into a box as key presses would, after it got the focus.
inline void TypeInto(QWidget* w, const QString& text) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w, &in);
  QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
  QApplication::sendEvent(w, &all);
  if (text.isEmpty()) {
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(w, &del);
  }
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

// ... and moves on to another control of the window.
inline void Leave(QWidget* w) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(w, &out);
}

}  // namespace norva::sheet_screens
