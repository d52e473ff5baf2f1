#pragma once
// frmQa, "許容支持力度": the guideline tables of the bearing capacity (the
// ultimate value under the large-block guideline). Apply writes the value
// into the document's Qa and the stability-conditions screen's box.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmQa : public QDialog {
  Q_OBJECT

 public:
  explicit frmQa(QWidget* owner);
  void SetDoc(CDocument* doc);

  QGroupBox* fraApply = nullptr;
  ControlArray<QLabel> lblQa{"lblQa"};
  NumberBox* imnQa = nullptr;
  QLabel* lblUnit = nullptr;
  ControlArray<QLabel> lblCaption{"lblCaption"};
  QComboBox* cmbJiban = nullptr;
  IndexTab* vstQa = nullptr;
  QWidget* picQa[6] = {};
  SpreadGrid* vsTochi1 = nullptr;
  SpreadGrid* vsTochi3 = nullptr;
  SpreadGrid* vsDouro = nullptr;
  SpreadGrid* vsTakuchi = nullptr;
  SpreadGrid* vsOogata = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  // The table of a guideline, or null.
  SpreadGrid* TableOf(int32_t sisin) const;
  void cmdApply_Click();

 private:
  SpreadGrid* BuildTable(int32_t sisin, const char* name);
  void cmbJiban_Click(int item);
  CDocument* doc_ = nullptr;
};

}  // namespace norva
