#include "shell/qt_message_sink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "document/document.h"

namespace norva {

MsgAnswer QtMessageSink::Show(const std::string& title, const std::string& text, MsgIcon icon,
                              MsgButtons buttons) {
  QMessageBox box(owner_ ? owner_.data() : QApplication::activeWindow());
  box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(kProgramTitle) : title));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  // Captions of the buttons in the program's language.
  const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
      {QMessageBox::Ok, "OK"},
      {QMessageBox::Yes, "はい(&Y)"},
      {QMessageBox::No, "いいえ(&N)"},
      {QMessageBox::Cancel, "キャンセル"}};
  for (const auto& [button, caption] : captions)
    if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(caption));
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    default:
      return MsgAnswer::Cancel;
  }
}

QtMessageSink& QtSink() {
  static QtMessageSink sink;
  return sink;
}

MsgAnswer Ask(const std::string& text, MsgIcon icon, MsgButtons buttons) {
  return MessageSink().Show(kProgramTitle, text, icon, buttons);
}

}  // namespace norva
