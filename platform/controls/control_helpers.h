#pragma once
// Moving values between number boxes and memory with the null values, and
// the small helpers the screens call on their controls.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "document/nulls.h"
#include "platform/controls/number_box.h"

namespace norva {

// The box's value, or `nullResult` when the box is blank (a null nullResult
// means the blank-box null).
double GetNumBox(const NumberBox* box, double nullResult = kNullBox);

// Shows v when MinValue <= v <= MaxValue; the null of v's own kind inside the
// range leaves the box unchanged; any v outside the range blanks the box, so
// every document null blanks a box whose MinValue lies above it.
void SetNumBox(NumberBox* box, double v);
void SetNumBox(NumberBox* box, float v);
void SetNumBox(NumberBox* box, int16_t v);
void SetNumBox(NumberBox* box, int32_t v);

// Whether leaving the box may write its value back into the document. False
// while the box is blank only because the program showed a stored value
// outside its range (a null included) and the user has not typed since:
// tabbing through such a box must leave the stored value as it is. Derived
// values and form state still follow on leaving; only the write is skipped.
bool NumBoxWritesBack(const NumberBox* box);

// Enables or disables the box with the matching caption and back colours.
void SetFrameEnabled(NumberBox* box, bool on);
// Locks the box for a computed value (button-face background) or unlocks it.
void SetComboEnabled(NumberBox* box, bool on);

// Every QLabel of `form` whose "Tag" property holds "a|b|…" gets the caption
// before the first "|" (unit system 0, the only one in use).
void ApplyUnitCaptions(int16_t unit, QWidget* form);

// Check box value 0/1 and list index; Qt fires toggled / currentIndexChanged
// only on a real change, which is what the screens' Click handlers need.
int GetCheckValue(const QCheckBox* box);
void SetCheckValue(QCheckBox* box, int value);
void SetListIndex(QComboBox* list, int index);

// Multi-select list: entry i selected <-> bit 2^i of the value (entries
// beyond 31 are ignored). Setting the bits fires itemSelectionChanged only
// when the selection really changes.
int32_t GetListBits(const QListWidget* list);
void SetListBits(QListWidget* list, int32_t bits);

// Writes into the control named `name` with Index `index` of `form`, as the
// dialogs do into the screen that is shown; a missing control is a no-op.
// Returns whether the control was found.
bool SetNumBoxByName(const QWidget* form, const QString& name, int index, double v);
bool SetListIndexByName(const QWidget* form, const QString& name, int index, int listIndex);

}  // namespace norva
