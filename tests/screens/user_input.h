#pragma once
// What a user does to the boxes of a screen, as the events Qt would send:
// entering and leaving a box, typing over its text, a key.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace norva::test {

inline void FocusIn(QWidget* w) {
  QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w, &e);
}
inline void FocusOut(QWidget* w) {
  QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(w, &e);
}
// Replaces a box's text as typing would (select all, then the keys).
inline void Type(QLineEdit* w, const QString& text) {
  w->selectAll();
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}
inline void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}
// The user enters a box, replaces its text by typing (an empty text deletes
// it) and leaves it.
inline void Enter(QLineEdit* box, const QString& text) {
  FocusIn(box);
  box->selectAll();
  if (text.isEmpty()) Key(box, Qt::Key_Delete);
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
  }
  FocusOut(box);
}

}  // namespace norva::test
