#pragma once
// The foot of the document screens: the read-only help box and the
// "< 戻る(&B)" / "次へ(&N) >" buttons. Made where the screen's layout wants
// them, so that the tab order stays the order of creation.
#include <QPushButton>
#include <QWidget>

#include "platform/controls/text_box.h"

namespace norva {

// The help box `height` pixels tall, never focused, showing the default hint.
TextArea* MakeHelpBox(QWidget* parent, int height);
// The buttons to the previous and to the next screen.
void MakeStepButtons(QWidget* parent, QPushButton*& previous, QPushButton*& next);

}  // namespace norva
