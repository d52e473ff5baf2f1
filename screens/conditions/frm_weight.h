#pragma once
// frmWeight, "材料の単位重量": the guideline lists of the unit weights of
// backfill, front soil, concrete and water. Apply writes the seven unit
// weights into the document and into the basic-data screen given by SetFrm.
// Nothing in the program opens it.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/controls/number_box.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmWeight : public QDialog {
  Q_OBJECT

 public:
  explicit frmWeight(QWidget* owner);
  void SetDoc(CDocument* doc);
  void SetFrm(QWidget* frm) { frm_ = frm; }

  QComboBox* cmbSisin = nullptr;
  IndexTab* vstWeight = nullptr;
  QWidget* picWeight[5] = {};
  SpreadGrid* vsTochi1 = nullptr;
  SpreadGrid* vsTochi2 = nullptr;
  SpreadGrid* vsDouro = nullptr;
  SpreadGrid* vsOogata = nullptr;
  SpreadGrid* vsTakuchi = nullptr;
  // Soil lists of each page: [page][0] backfill, [page][1] front soil, and
  // for pages 0 and 2 the ground-kind lists in kinds[page][0..1].
  QComboBox* soils[5][2] = {};
  QComboBox* kinds[5][2] = {};
  QComboBox* cmbSuiro = nullptr;
  NumberBox* imnWeight[7] = {};
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdApply_Click();

 private:
  void BuildPage(int page, const char* listName, SpreadGrid*& grid, const char* gridName);
  void cmbSisin_Click(int item);
  void FillSoils(int page, int side);
  void Soil_Click(int page, int side, int item);
  CDocument* doc_ = nullptr;
  QWidget* frm_ = nullptr;
};

}  // namespace norva
