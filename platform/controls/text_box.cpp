#include "platform/controls/text_box.h"

#include <QValidator>

#include "text/cp932.h"

namespace norva {
namespace {

class TextBoxValidator : public QValidator {
 public:
  explicit TextBoxValidator(TextBox* box) : QValidator(box), box_(box) {}
  State validate(QString& input, int& /*pos*/) const override {
    return box_->Accepts(input) ? Acceptable : Invalid;
  }

 private:
  TextBox* box_;
};

}  // namespace

int CharCount(const QString& t) {
  int n = 0;
  for (int i = 0; i < t.size(); ++i) {
    if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) ++i;
    ++n;
  }
  return n;
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TextBoxValidator(this));
  connect(this, &QLineEdit::textChanged, this, &TextBox::OnTextChanged);
}

bool TextBox::Accepts(const QString& t) const {
  if (maxChars_ > 0 && CharCount(t) > maxChars_) return false;
  const std::string utf8 = t.toStdString();
  if (!CanEncodeCp932(utf8)) return false;
  if (maxBytes_ > 0 && Cp932ByteCount(utf8) > static_cast<std::size_t>(maxBytes_)) return false;
  return true;
}

void TextBox::SetText(const QString& t) { setText(t); }

void TextBox::OnTextChanged(const QString& t) {
  if (t == last_) return;
  last_ = t;
  emit Change();
}

void TextBox::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (focus_.In(e)) emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  ReentryGuard guard(inLostFocus_);
  if (!guard.Entered()) return;
  if (focus_.Out(e)) emit LostFocus();
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    const QString now = toPlainText();
    if (now == last_) return;
    last_ = now;
    emit Change();
  });
}

QString TextArea::Text() const {
  return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TextArea::SetText(const QString& t) {
  QString plain = t;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (plain != toPlainText()) setPlainText(plain);
}

}  // namespace norva
