#pragma once
// The crowd-load table "群集荷重": three standard intensities with their
// sources; Apply puts the chosen one into the document's GunsyuLoad and into
// the number box of the form that opened it (ImnLoad). It stays open.
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "platform/controls/number_box.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmGunsyu : public QDialog {
  Q_OBJECT

 public:
  explicit frmGunsyu(QWidget* owner = nullptr);
  void SetDoc(CDocument* doc);
  // The box that receives the chosen intensity (may be null).
  void SetImnLoad(NumberBox* box) { imnLoad_ = box; }

  SpreadGrid* vsGunsyu = nullptr;
  QLabel* lblHelp = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdApply_Click();

 private:
  CDocument* m_cDoc = nullptr;
  QPointer<NumberBox> imnLoad_;
};

}  // namespace norva
