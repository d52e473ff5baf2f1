#pragma once
// "照査位置追加": adds stem check sections to one wall part, one height at a
// time; the dialog stays open until closed. Refusals and each addition are
// told in a message box (program title, information icon). The caller sorts
// the heights and recalculates after the dialog closed.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <cstdint>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"

namespace norva {

class CDocument;

class frmAddSecPos : public QDialog {
  Q_OBJECT

 public:
  explicit frmAddSecPos(QWidget* owner = nullptr);

  void SetDoc(CDocument* doc) { doc_ = doc; }
  // The wall part that receives the sections (1 the lower wall of a mixed
  // wall, else 0).
  void SetnULflg(int16_t part) { nULflg_ = part; }

  ControlArray<QLabel> lblSecPos{"lblSecPos"};
  NumberBox* imnSecY = nullptr;
  QLabel* lblUnit = nullptr;
  QPushButton* cmdAdd = nullptr;
  QPushButton* cmdCancel = nullptr;

  // A blank box adds nothing.
  void cmdAdd_Click();

 private:
  CDocument* doc_ = nullptr;
  int16_t nULflg_ = 0;
};

}  // namespace norva
