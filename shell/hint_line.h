#pragma once
// The help line of a document screen beyond the hint of the box in use: why
// a typed entry was refused, and which box keeps the next screen closed.
#include <QString>

class QWidget;

namespace norva {

class NumberBox;

// Connects the number boxes of a screen to its help box "imtHelp": a refused
// entry is told there with the box's name, its reason and the allowed range;
// while the screen's "次へ" button is disabled, the help line's resting text
// names the first box still empty. A screen without a help box is left alone.
void WireHintLine(QWidget* screen);

// The name a user knows a box by: its buddy label, else the labels before it
// in its layout row, else its caption, else what its hint says it asks for;
// empty when none of these says anything.
QString BoxLabel(const QWidget* box);

// The first number box of the screen in tab order that is enabled, shown
// (on its page), editable and blank; null when there is none.
NumberBox* FirstEmptyBox(QWidget* screen);

}  // namespace norva
