#include "platform/controls/option_array.h"

namespace norva {

OptionArray::OptionArray(const QString& name, QObject* parent) : QObject(parent), name_(name) {}

void OptionArray::Add(int index, QRadioButton* button) {
  // Qt keeps siblings of one container exclusive, as the screens expect, and
  // a click on the selected member leaves it selected.
  button->setAutoExclusive(true);
  button->setObjectName(QStringLiteral("%1[%2]").arg(name_).arg(index));
  button->setProperty("Index", index);
  members_.emplace_back(index, button);
  connect(button, &QAbstractButton::toggled, this,
          [this, button](bool on) { OnToggled(button, on); });
}

QRadioButton* OptionArray::Item(int index) const {
  for (const auto& [i, b] : members_)
    if (i == index) return b;
  return nullptr;
}

int OptionArray::IndexOf(const QObject* button) const {
  for (const auto& [i, b] : members_)
    if (b == button) return i;
  return -1;
}

bool OptionArray::Value(int index) const {
  const QRadioButton* b = Item(index);
  return b != nullptr && b->isChecked();
}

namespace {
// An auto-exclusive button refuses to be cleared directly.
void Clear(QRadioButton* b) {
  if (!b->isChecked()) return;
  const bool was = b->blockSignals(true);
  b->setAutoExclusive(false);
  b->setChecked(false);
  b->setAutoExclusive(true);
  b->blockSignals(was);
}
}  // namespace

void OptionArray::SetValue(int index, bool on) {
  QRadioButton* b = Item(index);
  if (b == nullptr) return;
  if (on)
    b->setChecked(true);
  else
    Clear(b);
}

void OptionArray::OnToggled(QRadioButton* button, bool on) {
  // Qt has cleared the others already, so a Click handler sees one selection.
  if (on) emit Click(IndexOf(button));
}

int16_t GetOptionIndex(const OptionArray& arr) {
  for (const auto& [i, b] : arr.Members())
    if (b->isChecked()) return static_cast<int16_t>(i);
  return -1;
}

void SetOptionIndex(OptionArray& arr, int n) {
  for (const auto& [i, b] : arr.Members()) {
    if (i != n) {
      Clear(b);
    } else {
      b->setChecked(true);  // Click fires only when it was not selected
      return;
    }
  }
}

}  // namespace norva
