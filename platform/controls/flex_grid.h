#pragma once
// Flex grid: a table whose cells are addressed (row, col) from 0, the fixed
// rows and columns included (row 0 and column 0 are the fixed ones by
// default; they are shaded and never edited).
//
// What the screens rely on:
// - TextMatrix, per-cell check boxes (kChecked / kUnchecked) or none
//   (kNoCheckbox), per-cell back colours, hidden rows and columns, column
//   widths and row heights in twips (15 twips per pixel), counts set by code.
// - BeforeEdit(row, col, &cancel) before a cell is edited or its box
//   toggled; the handler may set ComboList ("a|b|…") to edit that cell with
//   a drop-down list, or clear it for a text editor. AfterEdit(row, col)
//   after the new text or check state is stored.
// - AfterRowColChange(oldRow, oldCol, newRow, newCol) when the current cell
//   moves; Select(row, col) and ShowCell/SetTopRow scroll by code.
#include <QColor>
#include <QString>
#include <QTableWidget>

namespace norva {

class FlexGrid : public QTableWidget {
  Q_OBJECT

 public:
  enum Check { kNoCheckbox = 0, kChecked = 1, kUnchecked = 2 };

  explicit FlexGrid(QWidget* parent = nullptr);

  int Rows() const { return rowCount(); }
  int Cols() const { return columnCount(); }
  void SetRows(int n);
  void SetCols(int n);
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  void SetFixedRows(int n);
  void SetFixedCols(int n);
  bool IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);
  int CellChecked(int row, int col) const;
  void SetCellChecked(int row, int col, int state);
  QColor CellBackColor(int row, int col) const;
  void SetCellBackColor(int row, int col, const QColor& c);
  void SetCellCentered(int row, int col);

  void SetColWidthTwips(int col, int twips);
  void SetRowHeightTwips(int row, int twips);

  bool Editable() const { return editable_; }
  void SetEditable(bool on) { editable_ = on; }
  QString ComboList() const { return comboList_; }
  void SetComboList(const QString& list) { comboList_ = list; }

  int Row() const { return currentRow(); }
  int Col() const { return currentColumn(); }
  void Select(int row, int col);
  void SetTopRow(int row);

  // Used by the cell editor after it stored a text.
  void NotifyAfterEdit(int row, int col) { emit AfterEdit(row, col); }

 signals:
  void BeforeEdit(int row, int col, bool* cancel);
  void AfterEdit(int row, int col);
  void AfterRowColChange(int oldRow, int oldCol, int newRow, int newCol);

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QTableWidgetItem* Cell(int row, int col);
  const QTableWidgetItem* Cell(int row, int col) const;
  void ToggleCheck(int row, int col);
  void Restyle();

  int fixedRows_ = 1;
  int fixedCols_ = 1;
  bool editable_ = true;
  QString comboList_;
};

}  // namespace norva
