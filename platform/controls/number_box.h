#pragma once
// Number box: a numeric input that is either blank or holds a value inside
// [MinValue, MaxValue].
//
// What the screens rely on:
// - Value()/IsBlank(); SetValue(v) shows v with the box's decimals but keeps v
//   in full until the user edits the text, so tabbing through a box never
//   rounds a stored value. SetValue outside the range blanks the box.
// - Typing: digits, one decimal point, at most Decimals() decimals, a minus
//   sign. A typed value outside the range (a negative one where MinValue >= 0
//   among them) is refused on leaving the box or on Enter: the value from
//   before the edit comes back and Refused says why, with the allowed range.
// - Change fires once for every real change of state (blank or value), by the
//   program or by the user; never for a set that changes nothing.
// - GotFocus / LostFocus follow FocusEvents (no LostFocus for a message box);
//   Validate(&cancel) fires just before LostFocus; cancel keeps the focus.
// - Caption: a text shown inside the left part of the box; its colour follows
//   enabling. Tag: the hint text. Locked: the enabled, read-only look.
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "platform/controls/focus_events.h"

namespace norva {

class NumberBox : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
  Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
  Q_PROPERTY(QString Tag READ Tag WRITE SetTag)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  explicit NumberBox(QWidget* parent = nullptr);
  NumberBox(double minValue, double maxValue, const QString& mask, QWidget* parent = nullptr);

  double MinValue() const { return min_; }
  double MaxValue() const { return max_; }
  void SetMinValue(double v) { min_ = v; }
  void SetMaxValue(double v) { max_ = v; }
  void SetRange(double lo, double hi) {
    min_ = lo;
    max_ = hi;
  }

  // Display mask such as "#0.000" or "###0.00": the digits after the point
  // fix the decimals shown and typed.
  void SetFormat(const QString& mask);
  QString Format() const { return mask_; }
  int Decimals() const { return decimals_; }

  bool IsBlank() const { return blank_; }
  // The value; 0 when blank.
  double Value() const { return blank_ ? 0.0 : value_; }
  // Shows v; blanks the box when v lies outside [MinValue, MaxValue].
  void SetValue(double v);
  void SetBlank();
  // Blank because the program was given a value outside the range (a stored
  // value the box cannot show). Such a box holds no answer of the user's:
  // until the user types into it, leaving it must not write the blank back
  // over the stored value (see NumBoxWritesBack).
  void SetBlankHeld();
  bool IsBlankHeld() const { return held_; }

  QString Caption() const;
  void SetCaption(const QString& text);
  QColor CaptionColor() const;
  void SetCaptionColor(const QColor& c);
  void SetBackColor(const QColor& c);
  QColor BackColor() const;

  // Enabled but not editable, with the button-face background.
  void SetLocked(bool on);
  bool IsLocked() const { return isReadOnly(); }

  QString Tag() const { return tag_; }
  void SetTag(const QString& t) { tag_ = t; }

  // The text the box shows for a value (decimals of the mask).
  QString FormatValue(double v) const;
  // "min ～ max" with the bounds as set.
  QString RangeText() const;

 signals:
  void Change();
  void GotFocus();
  void LostFocus();
  void Validate(bool* cancel);
  // A typed entry was refused and the old value is back; `why` names the
  // entry and the allowed range.
  void Refused(const QString& why);

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Init();
  void OnTextEdited(const QString& text);
  void Commit();
  void SetState(bool blank, double v);
  void ShowValue();
  void PlaceCaption();
  QString RefusalText(const QString& typed) const;

  double min_ = 0.0;
  double max_ = 99999.0;
  QString mask_ = "#0.00";
  int decimals_ = 2;
  bool blank_ = true;
  double value_ = 0.0;
  bool held_ = false;
  bool editing_ = false;  // the user has typed since the last commit
  bool startBlank_ = true;
  double startValue_ = 0.0;
  QString tag_;
  QLabel* caption_ = nullptr;
  FocusEvents focus_;
  bool inLostFocus_ = false;
};

}  // namespace norva
