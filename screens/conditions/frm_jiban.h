#pragma once
// frmJiban, "地盤定数": the guideline tables of the backfill's friction angle
// and of the cut face. Apply writes φ, δ (normal and seismic) and, for a cut
// back ground, δ' into the document and into the basic-data screen's boxes.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/controls/number_box.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmJiban : public QDialog {
  Q_OBJECT

 public:
  explicit frmJiban(QWidget* owner);
  // Stores the document and prepares the dialog for it.
  void SetDoc(CDocument* doc);

  // One page of the guideline tables: frames 0 backfill list, 1 cut-face
  // list, 2 tables, 3 backfill table, 4 cut-face table; lists and tables
  // 0 backfill, 1 cut face; labels 0, 1 the lists', 2 the note on δ.
  struct Page {
    QWidget* pic = nullptr;
    QGroupBox* fra[5] = {};
    QComboBox* cmb[2] = {};
    QLabel* lbl[4] = {};
    SpreadGrid* vs[2] = {};
  };

  QLabel* lblCaption = nullptr;
  QComboBox* cmbSisin = nullptr;
  IndexTab* vstJiban = nullptr;
  Page pages[3];
  QGroupBox* fraApply[3] = {};
  NumberBox* imnFai = nullptr;
  NumberBox* imnDelt[2] = {};
  NumberBox* imnKirido = nullptr;
  QLabel* lblUnit[2] = {};
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdApply_Click();

 private:
  void BuildPage(int page, const char* suffix);
  void cmbSisin_Click(int item);
  void Backfill_Click(int page, int item);
  void CutFace_Click(int item);
  CDocument* doc_ = nullptr;
};

}  // namespace norva
