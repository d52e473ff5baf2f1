#pragma once
// The small dialog that asks a name ("追加" / "ｷｬﾝｾﾙ"), shared by the new
// load case and the new arbitrary load. It only hides on its buttons and on
// the close box; the caller reads nEndState and the name.
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <string>

#include "platform/controls/text_box.h"

namespace norva {

class NameDialog : public QDialog {
  Q_OBJECT

 public:
  // 1 when left with "追加", else 0.
  int16_t nEndState() const { return endState_; }

  TextBox* imCaseName = nullptr;
  QPushButton* cmdAdd = nullptr;
  QPushButton* cmdCancel = nullptr;

  virtual void cmdAdd_Click() = 0;
  void reject() override;  // "ｷｬﾝｾﾙ", Escape and the close box

 protected:
  // `label` stands before the name box of width `boxWidth`.
  NameDialog(QWidget* owner, const char* objectName, const QString& title, const QString& label,
             int boxWidth);
  // Keeps the name and hides with nEndState 1.
  void Accept(const QString& name);

  std::string name_;  // the entered name, trimmed; "" until "追加" is pressed

 private:
  int16_t endState_ = 0;
};

}  // namespace norva
