#include "platform/controls/control_helpers.h"

#include <QLabel>

#include "platform/controls/colors.h"
#include "platform/controls/control_array.h"

namespace norva {

double GetNumBox(const NumberBox* box, double nullResult) {
  if (IsNullValue(nullResult)) nullResult = kNullBox;
  return box->IsBlank() ? nullResult : box->Value();
}

namespace {
// Shows v when it lies in the box's range (false for NaN) and is not `null`;
// blanks the box outside the range.
template <typename T>
void SetInRange(NumberBox* box, T v, T null) {
  const double d = static_cast<double>(v);
  if (!(box->MinValue() <= d && d <= box->MaxValue()))
    box->SetBlankHeld();
  else if (v != null)
    box->SetValue(d);
}
}  // namespace

void SetNumBox(NumberBox* box, double v) { SetInRange(box, v, kNullBox); }

void SetNumBox(NumberBox* box, float v) { SetInRange(box, v, static_cast<float>(kNullDouble)); }

void SetNumBox(NumberBox* box, int16_t v) { SetInRange(box, v, kNullInt16); }

void SetNumBox(NumberBox* box, int32_t v) { SetInRange(box, v, kNullInt32); }

bool NumBoxWritesBack(const NumberBox* box) { return box != nullptr && !box->IsBlankHeld(); }

void SetFrameEnabled(NumberBox* box, bool on) {
  box->setEnabled(on);
  box->SetCaptionColor(VbColor(on ? kSysWindowText : kSysGrayText));
  box->SetBackColor(VbColor(on ? kSysWindow : kSysButtonFace));
}

void SetComboEnabled(NumberBox* box, bool on) { box->SetLocked(on); }

void ApplyUnitCaptions(int16_t unit, QWidget* form) {
  if (unit != 0 || form == nullptr) return;
  const auto labels = form->findChildren<QLabel*>();
  for (QLabel* label : labels) {
    const QString tag = label->property("Tag").toString();
    if (tag.contains(QLatin1Char('|'))) label->setText(tag.section(QLatin1Char('|'), 0, 0));
  }
}

int GetCheckValue(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

void SetCheckValue(QCheckBox* box, int value) { box->setChecked(value != 0); }

void SetListIndex(QComboBox* list, int index) { list->setCurrentIndex(index); }

int32_t GetListBits(const QListWidget* list) {
  uint32_t bits = 0;
  for (int i = 0; i < list->count() && i < 32; ++i)
    if (list->item(i)->isSelected()) bits |= 1u << i;
  return static_cast<int32_t>(bits);
}

void SetListBits(QListWidget* list, int32_t bits) {
  if (GetListBits(list) == bits) return;
  const bool was = list->blockSignals(true);
  for (int i = 0; i < list->count(); ++i)
    list->item(i)->setSelected(i < 32 && (static_cast<uint32_t>(bits) >> i) & 1u);
  list->blockSignals(was);
  emit list->itemSelectionChanged();
}

QWidget* FindControl(const QWidget* form, const QString& name, int index) {
  if (form == nullptr) return nullptr;
  return form->findChild<QWidget*>(ArrayMemberName(name, index));
}

bool SetNumBoxByName(const QWidget* form, const QString& name, int index, double v) {
  auto* box = qobject_cast<NumberBox*>(FindControl(form, name, index));
  if (box == nullptr) return false;
  SetNumBox(box, v);
  return true;
}

bool SetListIndexByName(const QWidget* form, const QString& name, int index, int listIndex) {
  auto* list = qobject_cast<QComboBox*>(FindControl(form, name, index));
  if (list == nullptr) return false;
  SetListIndex(list, listIndex);
  return true;
}

}  // namespace norva
