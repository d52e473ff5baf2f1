#include "platform/controls/list_view.h"

#include <QHeaderView>

namespace norva {

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  header()->setStretchLastSection(true);
  connect(this, &QTreeWidget::itemSelectionChanged, this,
          [this] { emit SelectionChanged(SelectedRow()); });
}

void ListView::SetColumnHeaders(const QStringList& headers) {
  setColumnCount(static_cast<int>(headers.size()));
  setHeaderLabels(headers);
}

void ListView::AddRow(const QStringList& cells) {
  auto* item = new QTreeWidgetItem(this, cells);
  for (int c = 1; c < cells.size(); ++c)
    item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

QString ListView::CellText(int row, int col) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(col) : QString();
}

int ListView::SelectedRow() const {
  const QList<QTreeWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void ListView::SelectRow(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) {
    setCurrentItem(item);
    item->setSelected(true);
  } else {
    clearSelection();
  }
}

}  // namespace norva
