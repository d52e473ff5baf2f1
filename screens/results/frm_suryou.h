#pragma once
// "数量表": the construction quantities of the document's wall. Opening the
// table (SetDoc) recalculates the rows; the user may add, edit and delete
// rows while it is open, export them as CSV and preview them through the
// report renderer. "設定" opens the drawing options with only the drain
// holes and the foundation editable, then recalculates.
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <functional>

#include "platform/controls/spread_grid.h"
#include "report/driver/report_renderer.h"

namespace norva {

class CDocument;

class frmSuryou : public QDialog {
  Q_OBJECT

 public:
  explicit frmSuryou(QWidget* owner = nullptr);

  // Keeps the document and fills the table (ShowSuryou).
  void SetDoc(CDocument* doc);
  // CalcSuryou, then one grid row per quantity row from row 2.
  void ShowSuryou();

  // Where the preview goes (the program's renderer and folders by default).
  void SetReportEnv(const ReportEnv& env) { env_ = env; }
  // The CSV file chosen by the user; an empty text when cancelled.
  std::function<QString(QWidget* owner)> chooseCsvFile;

  SpreadGrid* vasSuryou = nullptr;
  QPushButton* cmdAdd = nullptr;
  QPushButton* cmdDel = nullptr;
  QPushButton* cmdExport = nullptr;
  QPushButton* cmdPrn = nullptr;
  QPushButton* cmdOption = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdAdd_Click();
  // Deletes the row of the active cell (none for the caption row).
  void cmdDel_Click();
  // A file that cannot be written is named in a message; the file there
  // before (if any) is left as it was and no partial file is left behind.
  void cmdExport_Click();
  void cmdPrn_Click();
  void cmdOption_Click();
  void vasSuryou_EditChange(int col, int row);

 private:
  void SetRowCells(int row, bool added);

  CDocument* doc_ = nullptr;
  ReportEnv env_;
};

}  // namespace norva
