#include "platform/controls/number_box.h"

#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <QValidator>

#include "platform/controls/colors.h"

namespace norva {
namespace {

// Accepts what can become a number of the box while it is typed: an optional
// minus sign (only when negatives are allowed), digits, one point and at most
// the box's decimals after it.
class NumberBoxValidator : public QValidator {
 public:
  explicit NumberBoxValidator(NumberBox* box) : QValidator(box), box_(box) {}
  State validate(QString& input, int& /*pos*/) const override {
    int i = 0;
    const int n = static_cast<int>(input.size());
    // A sign the box does not take stays in the text, so that leaving the
    // box refuses the entry instead of silently taking its absolute value.
    bool unwantedSign = false;
    if (i < n && input[i] == QLatin1Char('-')) {
      unwantedSign = box_->MinValue() >= 0;
      ++i;
    }
    int decimals = -1;  // -1: no point yet
    for (; i < n; ++i) {
      const QChar c = input[i];
      if (c == QLatin1Char('.')) {
        if (decimals >= 0 || box_->Decimals() == 0) return Invalid;
        decimals = 0;
      } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (decimals >= 0 && ++decimals > box_->Decimals()) return Invalid;
      } else {
        return Invalid;
      }
    }
    return unwantedSign ? Intermediate : Acceptable;  // the range is checked on leaving
  }

 private:
  NumberBox* box_;
};

bool ParseNumber(const QString& text, double* v) {
  bool ok = false;
  *v = QLocale::c().toDouble(text, &ok);
  return ok;
}

}  // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) { Init(); }

NumberBox::NumberBox(double minValue, double maxValue, const QString& mask, QWidget* parent)
    : QLineEdit(parent), min_(minValue), max_(maxValue) {
  Init();
  SetFormat(mask);
}

void NumberBox::Init() {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setValidator(new NumberBoxValidator(this));
  caption_ = new QLabel(this);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  caption_->hide();
  connect(this, &QLineEdit::textEdited, this, &NumberBox::OnTextEdited);
}

void NumberBox::SetFormat(const QString& mask) {
  mask_ = mask;
  const auto dot = mask.indexOf(QLatin1Char('.'));
  decimals_ = dot < 0 ? 0 : static_cast<int>(mask.size() - dot - 1);
  if (!editing_) ShowValue();
}

QString NumberBox::FormatValue(double v) const {
  QString s = QString::number(v, 'f', decimals_);
  // -0.001 with two decimals must not show as "-0.00".
  if (s.startsWith(QLatin1Char('-'))) {
    bool allZero = true;
    for (int i = 1; i < s.size(); ++i)
      if (s[i] != QLatin1Char('0') && s[i] != QLatin1Char('.')) allZero = false;
    if (allZero) s.remove(0, 1);
  }
  // A mask of zeros only ("000") pads a whole number to its width.
  if (decimals_ == 0 && !mask_.isEmpty() && mask_.count(QLatin1Char('0')) == mask_.size() &&
      !s.startsWith(QLatin1Char('-')))
    s = s.rightJustified(mask_.size(), QLatin1Char('0'));
  return s;
}

void NumberBox::SetValue(double v) {
  editing_ = false;
  held_ = !(v >= min_ && v <= max_);
  if (!held_)
    SetState(false, v);
  else
    SetState(true, 0.0);
  ShowValue();
}

void NumberBox::SetBlank() {
  editing_ = false;
  held_ = false;
  SetState(true, 0.0);
  ShowValue();
}

void NumberBox::SetBlankHeld() {
  SetBlank();
  held_ = true;
}

void NumberBox::SetState(bool blank, double v) {
  if (blank == blank_ && (blank || v == value_)) return;
  blank_ = blank;
  value_ = blank ? 0.0 : v;
  emit Change();
}

void NumberBox::ShowValue() { setText(blank_ ? QString() : FormatValue(value_)); }

void NumberBox::OnTextEdited(const QString& text) {
  held_ = false;
  if (!editing_) {
    editing_ = true;
    startBlank_ = blank_;
    startValue_ = value_;
  }
  if (text.isEmpty()) {
    SetState(true, 0.0);
    return;
  }
  double v = 0;
  if (ParseNumber(text, &v) && v >= min_ && v <= max_) SetState(false, v);
  // Anything else is incomplete or out of range: judged when the box is left.
}

void NumberBox::Commit() {
  if (!editing_) return;
  editing_ = false;
  const QString t = text();
  double v = 0;
  if (t.isEmpty()) {
    SetState(true, 0.0);
  } else if (ParseNumber(t, &v) && v >= min_ && v <= max_) {
    SetState(false, v);
  } else {
    SetState(startBlank_, startValue_);  // refused
    ShowValue();
    emit Refused(RefusalText(t));
    return;
  }
  ShowValue();
}

QString NumberBox::RangeText() const {
  // The bounds as given, not rounded to the box's decimals (89.999 is not 90.00).
  return QStringLiteral("%1 ～ %2")
      .arg(QString::number(min_, 'g', 15), QString::number(max_, 'g', 15));
}

QString NumberBox::RefusalText(const QString& typed) const {
  double v = 0;
  const bool number = ParseNumber(typed, &v);
  QString why;
  if (number && v < 0 && min_ >= 0)
    why = QStringLiteral("負の値は入力できません");
  else if (number)
    why = QStringLiteral("「%1」は入力できる範囲の外です").arg(typed);
  else
    why = QStringLiteral("「%1」は数値ではありません").arg(typed);
  return why + QStringLiteral("（入力できる範囲: %1）。元の値に戻しました。").arg(RangeText());
}

void NumberBox::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (focus_.In(e)) emit GotFocus();
}

void NumberBox::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  const Qt::FocusReason r = e->reason();
  if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason) return;
  Commit();
  if (!focus_.HasFocus()) return;
  ReentryGuard guard(inLostFocus_);
  if (!guard.Entered()) return;
  bool cancel = false;
  emit Validate(&cancel);
  if (cancel) {
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    return;
  }
  if (focus_.Out(e)) emit LostFocus();
}

void NumberBox::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) Commit();
  QLineEdit::keyPressEvent(e);
}

QString NumberBox::Caption() const { return caption_->text(); }

void NumberBox::SetCaption(const QString& text) {
  caption_->setText(text);
  caption_->setVisible(!text.isEmpty());
  PlaceCaption();
}

QColor NumberBox::CaptionColor() const { return caption_->palette().color(QPalette::WindowText); }

void NumberBox::SetCaptionColor(const QColor& c) {
  QPalette p = caption_->palette();
  p.setColor(QPalette::Active, QPalette::WindowText, c);
  p.setColor(QPalette::Inactive, QPalette::WindowText, c);
  p.setColor(QPalette::Disabled, QPalette::WindowText, c);
  caption_->setPalette(p);
}

void NumberBox::SetBackColor(const QColor& c) {
  QPalette p = palette();
  p.setColor(QPalette::Active, QPalette::Base, c);
  p.setColor(QPalette::Inactive, QPalette::Base, c);
  p.setColor(QPalette::Disabled, QPalette::Base, c);
  setPalette(p);
}

QColor NumberBox::BackColor() const { return palette().color(QPalette::Active, QPalette::Base); }

void NumberBox::SetLocked(bool on) {
  setReadOnly(on);
  SetBackColor(VbColor(on ? kSysButtonFace : kSysWindow));
  SetCaptionColor(VbColor(kSysWindowText));
}

void NumberBox::changeEvent(QEvent* e) {
  QLineEdit::changeEvent(e);
  if (e->type() == QEvent::EnabledChange)
    SetCaptionColor(VbColor(isEnabled() ? kSysWindowText : kSysGrayText));
}

void NumberBox::resizeEvent(QResizeEvent* e) {
  QLineEdit::resizeEvent(e);
  PlaceCaption();
}

void NumberBox::PlaceCaption() {
  if (caption_->text().isEmpty()) {
    setTextMargins(0, 0, 0, 0);
    return;
  }
  const int w = caption_->sizeHint().width();
  caption_->setGeometry(4, 0, w, height());
  setTextMargins(w + 4, 0, 0, 0);
}

}  // namespace norva
