#pragma once
// An array of option buttons addressed by their Index, which need not be
// contiguous (0, 1, 3 or, top to bottom, 0, 5, 2, 3, 4). Members are kept in
// the order they were added: that is the enumeration order GetOptionIndex
// and SetOptionIndex walk.
//
// The members are exclusive as option buttons of one container are; the
// program can also clear them all (SetOptionIndex with no match).
// Click(index) fires once whenever a member becomes selected, by the user or
// by the program; never when an already selected member is selected again,
// and not for the member that is cleared.
#include <QObject>
#include <QRadioButton>
#include <QString>
#include <vector>

namespace norva {

class OptionArray : public QObject {
  Q_OBJECT

 public:
  // name: the array's name; members get the objectName "name[index]".
  explicit OptionArray(const QString& name, QObject* parent = nullptr);

  void Add(int index, QRadioButton* button);
  int Count() const { return static_cast<int>(members_.size()); }
  // The member with that Index, or nullptr.
  QRadioButton* Item(int index) const;
  // Index of a member (e.g. the sender of a signal), -1 when not a member.
  int IndexOf(const QObject* button) const;
  // Members in enumeration order.
  const std::vector<std::pair<int, QRadioButton*>>& Members() const { return members_; }

  bool Value(int index) const;
  void SetValue(int index, bool on);
  QString Name() const { return name_; }

 signals:
  void Click(int index);

 private:
  void OnToggled(QRadioButton* b, bool on);
  QString name_;
  std::vector<std::pair<int, QRadioButton*>> members_;
};

// Index of the first selected member, -1 when none is selected.
int16_t GetOptionIndex(const OptionArray& arr);
// Clears members in enumeration order until the one with Index n, selects it
// and stops; with no such member every member ends up cleared.
void SetOptionIndex(OptionArray& arr, int n);

}  // namespace norva
