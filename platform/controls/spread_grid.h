#pragma once
// Spreadsheet grid. Cells are addressed (col, row) from 1; row 0 is the
// column-header row and column 0 the row-header column (the "shadow" cells).
//
// What the screens rely on:
// - MaxCols/MaxRows; cell types: static text (not editable), edit (text),
//   float (number with range and decimals), integer. A number cell refuses a
//   typed value outside its range or not a number (the old text stays).
// - CellNumber(col, row, &v): false for an empty or non-numeric cell.
// - Colours per cell, for the whole grid and for the headers; SetSpreadColors
//   and SetSpreadEnabled give the standard looks.
// - Active cell set by code; LeaveCell(col, row, newCol, newRow, &cancel)
//   fires before the active cell moves (by the user or the program) and
//   cancel keeps it where it was. EditChange(col, row) fires when the user
//   committed a changed cell. KeyPress(13) fires for Enter after the edit in
//   progress has been committed. Row selection mode selects whole rows.
// - GotFocus / LostFocus for the grid as a whole (moving into a cell editor
//   is not leaving the grid; a message box is not either).
#include <QColor>
#include <QString>
#include <QTableWidget>

namespace norva {

class SpreadGrid : public QTableWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE SetTag)

 public:
  enum CellType { kDate = 0, kEdit = 1, kFloat = 2, kInteger = 3, kStaticText = 5 };

  explicit SpreadGrid(QWidget* parent = nullptr);
  ~SpreadGrid() override;

  int MaxCols() const { return columnCount(); }
  int MaxRows() const { return rowCount(); }
  void SetMaxCols(int n);
  void SetMaxRows(int n);

  // Text of a cell; (col, 0) and (0, row) are the header texts.
  QString Text(int col, int row) const;
  void SetText(int col, int row, const QString& text);
  void SetCellEmpty(int col, int row) { SetText(col, row, QString()); }
  bool CellNumber(int col, int row, double* v) const;
  // Shows the number with the cell's decimals (2 when not a number cell).
  void SetNumber(int col, int row, double v);

  int CellType(int col, int row) const;
  void SetCellType(int col, int row, int type);
  void SetNumberCell(int col, int row, double minValue, double maxValue, int decimals);
  double CellMin(int col, int row) const;
  double CellMax(int col, int row) const;
  int CellDecimals(int col, int row) const;

  QColor CellBackColor(int col, int row) const;
  void SetCellBackColor(int col, int row, const QColor& c);
  QColor CellForeColor(int col, int row) const;
  void SetCellForeColor(int col, int row, const QColor& c);
  // Every data cell at once.
  void SetAllColors(const QColor& back, const QColor& fore);
  QColor ShadowColor() const { return shadowColor_; }
  QColor ShadowText() const { return shadowText_; }
  void SetShadowColors(const QColor& back, const QColor& text);
  // The three frame colours of the grid (two faces and the shadow line).
  QColor FrameColor(int i) const { return frame_[i]; }
  void SetFrameColor(int i, const QColor& c);

  void SetColWidthPixels(int col, int px);
  void SetRowHeightPixels(int row, int px);
  void SetColHidden(int col, bool hidden);
  void SetRowSelectMode(bool on);

  int ActiveCol() const { return currentColumn() + 1; }
  int ActiveRow() const { return currentRow() + 1; }
  void SetActiveCell(int col, int row);

  QString Tag() const { return tag_; }
  void SetTag(const QString& t) { tag_ = t; }

  // Used by the cell editor: true when text may be stored in the cell.
  bool AcceptsCellText(int col, int row, const QString& text) const;
  void NotifyEdited(int col, int row) { emit EditChange(col, row); }
  void NotifyEnter() { EmitKeyPress(13); }

 signals:
  void LeaveCell(int col, int row, int newCol, int newRow, bool* cancel);
  void EditChange(int col, int row);
  void KeyPress(int* keyAscii);
  void GotFocus();
  void LostFocus();

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void OnCurrentChanged(int row, int col, int prevRow, int prevCol);
  void OnFocusChanged(QWidget* old, QWidget* now);
  void EmitKeyPress(int key);
  QTableWidgetItem* Item(int col, int row, bool create);
  // The item of a cell (1-based), null outside the table or for an empty cell;
  // CellData is its data of `role`, invalid when there is none.
  const QTableWidgetItem* CellItem(int col, int row) const;
  QVariant CellData(int col, int row, int role) const;

  QString tag_;
  QColor shadowColor_;
  QColor shadowText_;
  QColor frame_[3];
  bool moving_ = false;
  bool hasFocus_ = false;
};

// The standard colours: frame colours of the dialog face and every static
// text cell in the button-face colour (headers untouched).
void SetSpreadColors(SpreadGrid* grid);
// Enables or disables the grid and colours all of its cells to match.
void SetSpreadEnabled(SpreadGrid* grid, bool on);

}  // namespace norva
