#include "platform/controls/flex_grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "platform/controls/colors.h"
#include "platform/controls/grid_text_fit.h"

namespace norva {
namespace {

constexpr int kCheckRole = Qt::UserRole + 10;

// Text or drop-down editor, chosen by the grid's ComboList at the time the
// editor opens (the BeforeEdit handler sets it).
class FlexDelegate : public QStyledItemDelegate {
 public:
  explicit FlexDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    if (grid_->ComboList().isEmpty())
      return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->addItems(grid_->ComboList().split(QLatin1Char('|')));
    return combo;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      combo->setCurrentIndex(combo->findText(index.data(Qt::DisplayRole).toString()));
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
      text = combo->currentText();
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
      text = line->text();
    else
      return;
    model->setData(index, text, Qt::EditRole);
    grid_->NotifyAfterEdit(index.row(), index.column());
  }

 private:
  FlexGrid* grid_;
};

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
  KeepGridTextsWhole(this);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setItemDelegate(new FlexDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  connect(this, &QTableWidget::currentCellChanged, this,
          [this](int row, int col, int prevRow, int prevCol) {
            if (row >= 0 && col >= 0) emit AfterRowColChange(prevRow, prevCol, row, col);
          });
}

void FlexGrid::SetRows(int n) {
  setRowCount(n < 0 ? 0 : n);
  Restyle();
}

void FlexGrid::SetCols(int n) {
  setColumnCount(n < 0 ? 0 : n);
  Restyle();
}

void FlexGrid::SetFixedRows(int n) {
  fixedRows_ = n < 0 ? 0 : n;
  Restyle();
}

void FlexGrid::SetFixedCols(int n) {
  fixedCols_ = n < 0 ? 0 : n;
  Restyle();
}

// Fixed cells: shaded and not editable; the others editable.
void FlexGrid::Restyle() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c) {
      QTableWidgetItem* it = Cell(r, c);
      if (IsFixed(r, c)) {
        it->setFlags(Qt::ItemIsEnabled);
        if (!it->data(Qt::BackgroundRole).isValid()) it->setBackground(VbColor(kSysButtonFace));
      } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
      }
    }
}

QTableWidgetItem* FlexGrid::Cell(int row, int col) {
  if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return nullptr;
  QTableWidgetItem* it = item(row, col);
  if (it == nullptr) {
    it = new QTableWidgetItem;
    it->setFlags(IsFixed(row, col) ? Qt::ItemIsEnabled
                                   : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(row, col, it);
  }
  return it;
}

const QTableWidgetItem* FlexGrid::Cell(int row, int col) const {
  if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return nullptr;
  return item(row, col);
}

QString FlexGrid::TextMatrix(int row, int col) const {
  const QTableWidgetItem* it = Cell(row, col);
  return it ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (QTableWidgetItem* it = Cell(row, col)) it->setText(text);
}

int FlexGrid::CellChecked(int row, int col) const {
  const QTableWidgetItem* it = Cell(row, col);
  return it ? it->data(kCheckRole).toInt() : kNoCheckbox;
}

void FlexGrid::SetCellChecked(int row, int col, int state) {
  QTableWidgetItem* it = Cell(row, col);
  if (it == nullptr) return;
  it->setData(kCheckRole, state);
  if (state == kChecked)
    it->setData(Qt::CheckStateRole, Qt::Checked);
  else if (state == kUnchecked)
    it->setData(Qt::CheckStateRole, Qt::Unchecked);
  else
    it->setData(Qt::CheckStateRole, QVariant());
  // The grid toggles the box itself, after BeforeEdit.
  it->setFlags(it->flags() & ~Qt::ItemIsUserCheckable);
}

QColor FlexGrid::CellBackColor(int row, int col) const {
  const QTableWidgetItem* it = Cell(row, col);
  const QVariant v = it ? it->data(Qt::BackgroundRole) : QVariant();
  return v.isValid() ? v.value<QBrush>().color() : VbColor(kSysWindow);
}

void FlexGrid::SetCellBackColor(int row, int col, const QColor& c) {
  if (QTableWidgetItem* it = Cell(row, col)) it->setBackground(c);
}

void FlexGrid::SetCellCentered(int row, int col) {
  if (QTableWidgetItem* it = Cell(row, col)) it->setTextAlignment(Qt::AlignCenter);
}

void FlexGrid::SetColWidthTwips(int col, int twips) {
  if (col >= 0 && col < columnCount()) setColumnWidth(col, (twips + 7) / 15);
}

void FlexGrid::SetRowHeightTwips(int row, int twips) {
  if (row >= 0 && row < rowCount()) setRowHeight(row, (twips + 7) / 15);
}

void FlexGrid::Select(int row, int col) {
  if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return;
  setCurrentCell(row, col);
}

void FlexGrid::SetTopRow(int row) {
  if (row >= 0 && row < rowCount())
    scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

bool FlexGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const bool starts = trigger == AllEditTriggers || (editTriggers() & trigger);
  if (!starts || !index.isValid()) return QTableWidget::edit(index, trigger, event);
  if (!editable_ || IsFixed(index.row(), index.column())) return false;
  if (CellChecked(index.row(), index.column()) != kNoCheckbox) return false;
  bool cancel = false;
  emit BeforeEdit(index.row(), index.column(), &cancel);
  if (cancel) return false;
  return QTableWidget::edit(index, trigger, event);
}

void FlexGrid::ToggleCheck(int row, int col) {
  if (!editable_ || IsFixed(row, col)) return;
  const int state = CellChecked(row, col);
  if (state == kNoCheckbox) return;
  bool cancel = false;
  emit BeforeEdit(row, col, &cancel);
  if (cancel) return;
  SetCellChecked(row, col, state == kChecked ? kUnchecked : kChecked);
  emit AfterEdit(row, col);
}

void FlexGrid::mousePressEvent(QMouseEvent* e) {
  QTableWidget::mousePressEvent(e);
  const QModelIndex index = indexAt(e->position().toPoint());
  if (index.isValid() && e->button() == Qt::LeftButton) ToggleCheck(index.row(), index.column());
}

void FlexGrid::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space && CellChecked(currentRow(), currentColumn()) != kNoCheckbox) {
    ToggleCheck(currentRow(), currentColumn());
    return;
  }
  QTableWidget::keyPressEvent(e);
}

}  // namespace norva
