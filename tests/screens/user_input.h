#pragma once
// What a user does to the boxes of a screen, as the events Qt would send:
// entering and leaving a box, typing over its text, a key.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

#include "platform/qt/input_events.h"

namespace norva::test {

// Replaces a box's text as typing would (select all, then the keys).
inline void Retype(QLineEdit* w, const QString& text) {
  w->selectAll();
  Type(w, text);
}
// The user enters a box, replaces its text by typing (an empty text deletes
// it) and leaves it.
inline void Enter(QLineEdit* box, const QString& text) {
  FocusIn(box);
  box->selectAll();
  if (text.isEmpty()) Key(box, Qt::Key_Delete);
  Type(box, text);
  FocusOut(box);
}

}  // namespace norva::test
