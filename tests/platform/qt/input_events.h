#pragma once
// Input as Qt would deliver it to a widget: keys, typing, focus in and out.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace norva::test {

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
