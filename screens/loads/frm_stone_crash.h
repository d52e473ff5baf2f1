#pragma once
// The rock-fall impact load "落石の衝突荷重": Py = 3·σy·Z / (2·hp), applied
// into the document and the loads screen; it stays open after applying. Its
// "参照" button opens the steel-post table "参照 - H形鋼" (frmHSteel), read
// from "resource/HSteel.csv", which puts a section's Zx into Z.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmStoneCrash : public QDialog {
  Q_OBJECT

 public:
  explicit frmStoneCrash(QWidget* owner = nullptr);
  // Gives a σy not above 0 the default at once, fills the boxes and
  // computes Py.
  void SetDoc(CDocument* doc);
  CDocument* Doc() const { return m_cDoc; }
  // The steel table this dialog's "参照" reads (the program's by default).
  void SetHSteelPath(const std::string& path) { hsteelPath_ = path; }

  ControlArray<NumberBox> imnSgmy{"imnSgmy"};
  ControlArray<NumberBox> imnZ{"imnZ"};
  ControlArray<NumberBox> imnHp{"imnHp"};
  NumberBox* imnPy = nullptr;
  QGroupBox* fraPy = nullptr;
  ControlArray<QLabel> lblStone{"lblStone"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QLabel* lblHelp = nullptr;
  QPushButton* cmdRef = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void CalcStoneLoad();
  void cmdRef_Click();
  void cmdApply_Click();

 private:
  void Input_Change(ControlArray<NumberBox>& arr, int index);

  CDocument* m_cDoc = nullptr;
  std::string hsteelPath_;
};

// The steel-post table. Reads the file when made; Apply writes the chosen
// section's Zx (as m3) into the document's StoneZ and both Z boxes of the
// rock-fall dialog that opened it.
class frmHSteel : public QDialog {
  Q_OBJECT

 public:
  frmHSteel(frmStoneCrash* stone, const std::string& csvPath, QWidget* owner = nullptr);
  // Stores the document and makes the first section the active cell.
  void SetDoc(CDocument* doc);

  SpreadGrid* vsHSteel = nullptr;
  QLabel* lblHSteel = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdApply_Click();

 private:
  frmStoneCrash* stone_;
  CDocument* m_cDoc = nullptr;
};

}  // namespace norva
