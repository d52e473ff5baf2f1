#pragma once
// One QApplication for the drawing-sheet window tests, a message sink that
// keeps what it was asked to show, and input helpers.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/qt/input_events.h"
#include "report/report_test_support.h"

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

using test::RecordingSink;

// The user types into a box as key presses would, after it got the focus.
inline void TypeInto(QWidget* w, const QString& text) {
  test::FocusIn(w);
  QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
  QApplication::sendEvent(w, &all);
  if (text.isEmpty()) test::Key(w, Qt::Key_Backspace);
  test::Type(w, text);
}

// ... and moves on to another control of the window.
inline void Leave(QWidget* w) { test::FocusOut(w); }

}  // namespace norva::sheet_screens
