#pragma once
// One-line text box.
//
// What the screens rely on:
// - MaxChars (characters) and MaxBytes (code-page-932 bytes, as the report
//   counts them); 0 means no limit. Typing or pasting beyond a limit is
//   refused, and so is any character code page 932 cannot hold, so nothing
//   typed is lost when the document is saved. Text set by the program is
//   kept whole (it comes from the document).
// - Change fires once for every real change of the text, by the program or
//   by the user (per keystroke); never for a set that changes nothing.
// - GotFocus / LostFocus as the number box (no LostFocus for a message box).
// - Tag: the hint text.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "platform/controls/focus_events.h"

namespace norva {

class TextBox : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE SetTag)

 public:
  explicit TextBox(QWidget* parent = nullptr);

  int MaxChars() const { return maxChars_; }
  void SetMaxChars(int n) { maxChars_ = n; }
  int MaxBytes() const { return maxBytes_; }
  void SetMaxBytes(int n) { maxBytes_ = n; }

  QString Text() const { return text(); }
  void SetText(const QString& t);

  // True when the text fits both limits and code page 932.
  bool Accepts(const QString& t) const;

  QString Tag() const { return tag_; }
  void SetTag(const QString& t) { tag_ = t; }

 signals:
  void Change();
  void GotFocus();
  void LostFocus();

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void OnTextChanged(const QString& t);
  int maxChars_ = 0;
  int maxBytes_ = 0;
  QString tag_;
  QString last_;
  FocusEvents focus_;
  bool inLostFocus_ = false;
};

// Multi-line text box (the hint box, the summaries of a catalogue entry).
// Lines are separated by CR LF in Text()/SetText, as the screens build them.
// Change fires once per real change of the text.
class TextArea : public QPlainTextEdit {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE SetTag)

 public:
  explicit TextArea(QWidget* parent = nullptr);
  QString Text() const;
  void SetText(const QString& t);
  QString Tag() const { return tag_; }
  void SetTag(const QString& t) { tag_ = t; }

 signals:
  void Change();

 private:
  QString tag_;
  QString last_;
};

// Number of characters (code points) of a text.
int CharCount(const QString& t);

}  // namespace norva
