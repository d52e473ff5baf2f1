#pragma once
// One QApplication for all widget tests, and small input helpers.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace norva::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Types text into the focused-or-not widget as key presses would.
inline void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

inline void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

inline void FocusIn(QWidget* w, Qt::FocusReason r = Qt::TabFocusReason) {
  QFocusEvent e(QEvent::FocusIn, r);
  QApplication::sendEvent(w, &e);
}

inline void FocusOut(QWidget* w, Qt::FocusReason r = Qt::TabFocusReason) {
  QFocusEvent e(QEvent::FocusOut, r);
  QApplication::sendEvent(w, &e);
}

}  // namespace norva::test
