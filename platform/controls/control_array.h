#pragma once
// Control arrays: several controls of one name told apart by an Index, with
// one handler that receives the Index. Members get the objectName
// "name[index]" and the property "Index", so FindControl finds them.
#include <QObject>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <utility>
#include <vector>

namespace norva {

// The objectName of member `index` of the control array `name`: "name[index]";
// the name alone for index < 0 (a control that is no array member).
inline QString ArrayMemberName(const QString& name, int index) {
  return index < 0 ? name : QStringLiteral("%1[%2]").arg(name).arg(index);
}

template <typename T>
class ControlArray {
 public:
  explicit ControlArray(QString name) : name_(std::move(name)) {}

  T* Add(int index, T* control) {
    control->setObjectName(QStringLiteral("%1[%2]").arg(name_).arg(index));
    control->setProperty("Index", index);
    members_.emplace_back(index, control);
    return control;
  }
  // The member with that Index, or nullptr.
  T* operator[](int index) const {
    for (const auto& [i, c] : members_)
      if (i == index) return c;
    return nullptr;
  }
  // Index of a member (typically QObject::sender()), -1 when not a member.
  int IndexOf(const QObject* control) const {
    for (const auto& [i, c] : members_)
      if (c == control) return i;
    return -1;
  }
  int Count() const { return static_cast<int>(members_.size()); }
  const QString& Name() const { return name_; }
  auto begin() const { return members_.begin(); }
  auto end() const { return members_.end(); }

 private:
  QString name_;
  std::vector<std::pair<int, T*>> members_;
};

// The control named `name` with Index `index` on `form` (index < 0: a control
// that is no array member), or nullptr when there is none.
QWidget* FindControl(const QWidget* form, const QString& name, int index = -1);

}  // namespace norva
