#pragma once
// List view in report mode: rows of texts under column headers, one row
// selected at a time (or none). Rows are counted from 0 in the order added.
#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace norva {

class ListView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ListView(QWidget* parent = nullptr);

  // The column headers; their number is the number of columns.
  void SetColumnHeaders(const QStringList& headers);
  // A row: its text, then the texts of the further columns.
  void AddRow(const QStringList& cells);
  int RowCount() const { return topLevelItemCount(); }
  QString CellText(int row, int col) const;
  // The selected row, -1 when none is.
  int SelectedRow() const;
  void SelectRow(int row);

 signals:
  // The selection changed (also to none).
  void SelectionChanged(int row);
};

}  // namespace norva
