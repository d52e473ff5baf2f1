#pragma once
// frmWlvl, "水位の自動計算結果": the back water levels of least sliding safety
// of the last critical water-level search and, per load case, the graph of
// the safety factor against the level. It only displays.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/canvas/canvas_render.h"
#include "platform/controls/number_box.h"
#include "screens/conditions/conditions_tables.h"

namespace norva {

class CDocument;
class FigureRedraw;

class frmWlvl : public QDialog {
  Q_OBJECT

 public:
  explicit frmWlvl(QWidget* owner);
  void SetDoc(CDocument* doc);

  QLabel* Label1 = nullptr;
  QLabel* lblWlvl[2] = {};
  NumberBox* imnWlvl[2] = {};
  QLabel* lblUnit[2] = {};
  QGroupBox* fraGrap = nullptr;
  QLabel* lblCase = nullptr;
  QComboBox* cmbCase = nullptr;
  CanvasWidget* vsdGraph = nullptr;
  QPushButton* Command1 = nullptr;

  // The search record shown by each list item.
  const std::vector<WlvlEntry>& Entries() const { return entries_; }
  // The record drawn last (-1 none).
  int32_t DrawnRecord() const { return drawn_; }

 private:
  void cmbCase_Click(int item);
  void DrawGraph(int32_t record);
  CDocument* doc_ = nullptr;
  std::vector<WlvlEntry> entries_;
  int32_t drawn_ = -1;
  FigureRedraw* redraw_ = nullptr;
};

// The results screen's button: the window modal over owner for the document.
void ShowWlvlWindow(CDocument& doc, QWidget* owner);

}  // namespace norva
