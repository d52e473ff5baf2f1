#include "screens/screen_foot.h"

#include <string>

#include "shell/command_state.h"

namespace norva {

TextArea* MakeHelpBox(QWidget* parent, int height) {
  auto* help = new TextArea(parent);
  help->setObjectName("imtHelp");
  help->setReadOnly(true);
  help->setFocusPolicy(Qt::NoFocus);
  help->setFixedHeight(height);
  ShowHint(help, std::string());
  return help;
}

void MakeStepButtons(QWidget* parent, QPushButton*& previous, QPushButton*& next) {
  previous = new QPushButton(QStringLiteral("< 戻る(&B)"), parent);
  previous->setObjectName("cmdPrevious");
  next = new QPushButton(QStringLiteral("次へ(&N) >"), parent);
  next->setObjectName("cmdNext");
}

}  // namespace norva
