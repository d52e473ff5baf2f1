#include "shell/hint_line.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStringList>
#include <QTextDocumentFragment>
#include <string>

#include "platform/controls/number_box.h"
#include "shell/command_state.h"

namespace norva {
namespace {

QString Clean(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))  // ":" "："
    text.chop(1);
  return text.trimmed();
}

QLayout* LayoutHolding(QLayout* layout, const QWidget* w) {
  if (!layout) return nullptr;
  if (layout->indexOf(w) >= 0) return layout;
  for (int i = 0; i < layout->count(); ++i)
    if (QLayout* found = LayoutHolding(layout->itemAt(i)->layout(), w)) return found;
  return nullptr;
}

// A label's words, also of a rich-text label ("Ｈ<sub>1</sub>：" is "Ｈ1").
QString LabelWords(const QLabel* label) {
  const QString text = label->text();
  const bool rich = label->textFormat() == Qt::RichText ||
                    (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
  return Clean(rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text);
}

QString LabelText(QLayoutItem* item) {
  auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
  return label && !label->isHidden() ? LabelWords(label) : QString();
}

// The labels before the box in its row: "擁壁高 Ｈ", "内部摩擦角".
QString RowLabels(const QWidget* box) {
  const QWidget* parent = box->parentWidget();
  QLayout* layout = parent ? LayoutHolding(parent->layout(), box) : nullptr;
  if (!layout) return {};
  QStringList parts;
  const int index = layout->indexOf(box);
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    int row = 0, col = 0, rowSpan = 0, colSpan = 0;
    grid->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
    for (int c = 0; c < col; ++c) {
      const QString t = LabelText(grid->itemAtPosition(row, c));
      if (!t.isEmpty()) parts << t;
    }
  } else if (qobject_cast<QHBoxLayout*>(layout)) {
    for (int i = index - 1; i >= 0; --i) {
      if (qobject_cast<NumberBox*>(layout->itemAt(i)->widget())) break;  // another box's labels
      const QString t = LabelText(layout->itemAt(i));
      if (!t.isEmpty()) parts.prepend(t);
    }
  }
  return parts.join(QLatin1Char(' '));
}

class NextButtonWatch final : public QObject {
 public:
  NextButtonWatch(QWidget* screen, QWidget* help, QPushButton* next)
      : QObject(next), screen_(screen), help_(help), next_(next) {
    next->installEventFilter(this);
  }
  void Update() {
    std::string text;
    if (!next_->isEnabled()) {
      const NumberBox* box = FirstEmptyBox(screen_);
      const QString name = box ? BoxLabel(box) : QString();
      text = name.isEmpty()
                 ? std::string("未入力の項目があるため、次の画面へ進めません。")
                 : ("「" + name + "」が未入力のため、次の画面へ進めません。").toStdString();
    }
    SetIdleHint(help_, text);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == next_ && e->type() == QEvent::EnabledChange) Update();
    return false;
  }

 private:
  QWidget* screen_;
  QWidget* help_;
  QPushButton* next_;
};

}  // namespace

QString BoxLabel(const QWidget* box) {
  if (!box) return {};
  for (const QLabel* l : box->window()->findChildren<QLabel*>())
    if (l->buddy() == box && !LabelWords(l).isEmpty()) return LabelWords(l);
  if (QString row = RowLabels(box); !row.isEmpty()) return row;
  const auto* number = qobject_cast<const NumberBox*>(box);
  if (number && !Clean(number->Caption()).isEmpty()) return Clean(number->Caption());
  // "裏込め土の内部摩擦角を入力します。" asks for "裏込め土の内部摩擦角".
  const QString tag = number ? number->Tag() : QString();
  const auto asks = tag.indexOf(QStringLiteral("を入力"));
  return asks > 0 ? Clean(tag.left(asks)) : QString();
}

NumberBox* FirstEmptyBox(QWidget* screen) {
  if (!screen) return nullptr;
  QWidget* w = screen;
  while ((w = w->nextInFocusChain()) != nullptr && w != screen) {
    auto* box = qobject_cast<NumberBox*>(w);
    if (!box || !screen->isAncestorOf(box)) continue;
    if (box->isEnabled() && box->isVisibleTo(screen) && !box->IsLocked() && box->IsBlank())
      return box;
  }
  return nullptr;
}

void WireHintLine(QWidget* screen) {
  if (!screen) return;
  QWidget* help = screen->findChild<QWidget*>(QStringLiteral("imtHelp"));
  if (!help) return;
  auto* next = screen->findChild<QPushButton*>(QStringLiteral("cmdNext"));
  NextButtonWatch* watch = next ? new NextButtonWatch(screen, help, next) : nullptr;
  for (NumberBox* box : screen->findChildren<NumberBox*>()) {
    QObject::connect(box, &NumberBox::Refused, help, [help, box](const QString& why) {
      const QString name = BoxLabel(box);
      ShowNotice(help, (name.isEmpty() ? why : name + QStringLiteral(": ") + why).toStdString());
    });
    if (watch) QObject::connect(box, &NumberBox::Change, watch, [watch] { watch->Update(); });
  }
  if (watch) watch->Update();
}

}  // namespace norva
