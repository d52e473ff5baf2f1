#pragma once
// Message boxes of the program, shown with QMessageBox.
#include <QPointer>
#include <QWidget>

#include "document/services.h"

namespace norva {

class QtMessageSink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon,
                 MsgButtons buttons) override;
  // The window the boxes belong to (the main window once it exists).
  void SetOwner(QWidget* owner) { owner_ = owner; }

 private:
  QPointer<QWidget> owner_;
};

// The program's sink (installed by start-up).
QtMessageSink& QtSink();

// Shorthand for the program's own message boxes, titled with the program title.
MsgAnswer Ask(const std::string& text, MsgIcon icon, MsgButtons buttons);

}  // namespace norva
