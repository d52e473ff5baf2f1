#include "platform/controls/spread_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QStyledItemDelegate>

#include "platform/controls/colors.h"
#include "platform/controls/grid_text_fit.h"

namespace norva {
namespace {

constexpr int kTypeRole = Qt::UserRole + 1;
constexpr int kMinRole = Qt::UserRole + 2;
constexpr int kMaxRole = Qt::UserRole + 3;
constexpr int kDecRole = Qt::UserRole + 4;

bool ParseNumber(const QString& text, double* v) {
  bool ok = false;
  *v = QLocale::c().toDouble(text.trimmed(), &ok);
  return ok;
}

bool IsInside(const QWidget* outer, const QWidget* w) {
  return w != nullptr && (w == outer || outer->isAncestorOf(w));
}

// Text editor of a cell: refuses what the cell cannot hold and reports
// Enter after the edit has been committed.
class SpreadDelegate : public QStyledItemDelegate {
 public:
  explicit SpreadDelegate(SpreadGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr) return;
    const int col = index.column() + 1, row = index.row() + 1;
    const QString old = model->data(index, Qt::DisplayRole).toString();
    QString text = line->text();
    if (!grid_->AcceptsCellText(col, row, text)) return;  // refused: old text stays
    const int type = grid_->CellType(col, row);
    double v = 0;
    if ((type == SpreadGrid::kFloat || type == SpreadGrid::kInteger) && ParseNumber(text, &v))
      text =
          QString::number(v, 'f', type == SpreadGrid::kInteger ? 0 : grid_->CellDecimals(col, row));
    if (text == old) return;
    model->setData(index, text, Qt::EditRole);
    grid_->NotifyEdited(col, row);
  }

 protected:
  bool eventFilter(QObject* editor, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The commit is queued by the base class; queue Enter behind it.
        const bool handled = QStyledItemDelegate::eventFilter(editor, e);
        QPointer<SpreadGrid> grid(grid_);
        QMetaObject::invokeMethod(
            grid_,
            [grid] {
              if (grid) grid->NotifyEnter();
            },
            Qt::QueuedConnection);
        return handled;
      }
    }
    return QStyledItemDelegate::eventFilter(editor, e);
  }

 private:
  SpreadGrid* grid_;
};

}  // namespace

SpreadGrid::SpreadGrid(QWidget* parent) : QTableWidget(parent) {
  KeepGridTextsWhole(this);
  setItemDelegate(new SpreadDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  connect(this, &QTableWidget::currentCellChanged, this, &SpreadGrid::OnCurrentChanged);
  connect(qApp, &QApplication::focusChanged, this, &SpreadGrid::OnFocusChanged);
  shadowColor_ = VbColor(kSysButtonFace);
  shadowText_ = VbColor(kSysButtonText);
  for (QColor& c : frame_) c = VbColor(kSysButtonFace);
}

// Focus moves while the children go: stop listening first.
SpreadGrid::~SpreadGrid() { disconnect(qApp, nullptr, this, nullptr); }

void SpreadGrid::SetMaxCols(int n) { setColumnCount(n < 0 ? 0 : n); }
void SpreadGrid::SetMaxRows(int n) { setRowCount(n < 0 ? 0 : n); }

QTableWidgetItem* SpreadGrid::Item(int col, int row, bool create) {
  if (col < 1 || row < 1 || col > columnCount() || row > rowCount()) return nullptr;
  QTableWidgetItem* it = item(row - 1, col - 1);
  if (it == nullptr && create) {
    it = new QTableWidgetItem;
    it->setData(kTypeRole, kEdit);
    setItem(row - 1, col - 1, it);
  }
  return it;
}

const QTableWidgetItem* SpreadGrid::CellItem(int col, int row) const {
  return (col >= 1 && row >= 1) ? item(row - 1, col - 1) : nullptr;
}

QVariant SpreadGrid::CellData(int col, int row, int role) const {
  const QTableWidgetItem* it = CellItem(col, row);
  return it ? it->data(role) : QVariant();
}

QString SpreadGrid::Text(int col, int row) const {
  if (row == 0 && col >= 1 && col <= columnCount()) {
    const QTableWidgetItem* h = horizontalHeaderItem(col - 1);
    return h ? h->text() : QString();
  }
  if (col == 0 && row >= 1 && row <= rowCount()) {
    const QTableWidgetItem* h = verticalHeaderItem(row - 1);
    return h ? h->text() : QString();
  }
  const QTableWidgetItem* it = CellItem(col, row);
  return it ? it->text() : QString();
}

void SpreadGrid::SetText(int col, int row, const QString& text) {
  if (row == 0 && col >= 1 && col <= columnCount()) {
    setHorizontalHeaderItem(col - 1, new QTableWidgetItem(text));
    return;
  }
  if (col == 0 && row >= 1 && row <= rowCount()) {
    setVerticalHeaderItem(row - 1, new QTableWidgetItem(text));
    return;
  }
  if (QTableWidgetItem* it = Item(col, row, true)) it->setText(text);
}

bool SpreadGrid::CellNumber(int col, int row, double* v) const {
  const QString t = Text(col, row);
  if (t.trimmed().isEmpty()) return false;
  return ParseNumber(t, v);
}

void SpreadGrid::SetNumber(int col, int row, double v) {
  const int type = CellType(col, row);
  const int dec = type == kInteger ? 0 : (type == kFloat ? CellDecimals(col, row) : 2);
  SetText(col, row, QString::number(v, 'f', dec));
}

int SpreadGrid::CellType(int col, int row) const {
  const QTableWidgetItem* it = CellItem(col, row);
  return it ? it->data(kTypeRole).toInt() : kEdit;
}

void SpreadGrid::SetCellType(int col, int row, int type) {
  QTableWidgetItem* it = Item(col, row, true);
  if (it == nullptr) return;
  it->setData(kTypeRole, type);
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (type != kStaticText) f |= Qt::ItemIsEditable;
  it->setFlags(f);
}

void SpreadGrid::SetNumberCell(int col, int row, double minValue, double maxValue, int decimals) {
  SetCellType(col, row, decimals > 0 ? kFloat : kInteger);
  if (QTableWidgetItem* it = Item(col, row, false)) {
    it->setData(kMinRole, minValue);
    it->setData(kMaxRole, maxValue);
    it->setData(kDecRole, decimals);
    it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
}

double SpreadGrid::CellMin(int col, int row) const {
  const QVariant v = CellData(col, row, kMinRole);
  return v.isValid() ? v.toDouble() : -1e308;
}

double SpreadGrid::CellMax(int col, int row) const {
  const QVariant v = CellData(col, row, kMaxRole);
  return v.isValid() ? v.toDouble() : 1e308;
}

int SpreadGrid::CellDecimals(int col, int row) const {
  const QVariant v = CellData(col, row, kDecRole);
  return v.isValid() ? v.toInt() : 2;
}

bool SpreadGrid::AcceptsCellText(int col, int row, const QString& text) const {
  const int type = CellType(col, row);
  if (type == kStaticText) return false;
  if (type != kFloat && type != kInteger) return true;
  if (text.trimmed().isEmpty()) return true;  // a number cell may be emptied
  double v = 0;
  if (!ParseNumber(text, &v)) return false;
  if (type == kInteger && v != static_cast<double>(static_cast<long long>(v))) return false;
  return v >= CellMin(col, row) && v <= CellMax(col, row);
}

QColor SpreadGrid::CellBackColor(int col, int row) const {
  const QVariant v = CellData(col, row, Qt::BackgroundRole);
  return v.isValid() ? v.value<QBrush>().color() : VbColor(kSysWindow);
}

void SpreadGrid::SetCellBackColor(int col, int row, const QColor& c) {
  if (QTableWidgetItem* it = Item(col, row, true)) it->setBackground(c);
}

QColor SpreadGrid::CellForeColor(int col, int row) const {
  const QVariant v = CellData(col, row, Qt::ForegroundRole);
  return v.isValid() ? v.value<QBrush>().color() : VbColor(kSysWindowText);
}

void SpreadGrid::SetCellForeColor(int col, int row, const QColor& c) {
  if (QTableWidgetItem* it = Item(col, row, true)) it->setForeground(c);
}

void SpreadGrid::SetAllColors(const QColor& back, const QColor& fore) {
  for (int r = 1; r <= rowCount(); ++r)
    for (int c = 1; c <= columnCount(); ++c) {
      QTableWidgetItem* it = Item(c, r, true);
      it->setBackground(back);
      it->setForeground(fore);
    }
}

void SpreadGrid::SetShadowColors(const QColor& back, const QColor& text) {
  shadowColor_ = back;
  shadowText_ = text;
  const QString css = QStringLiteral("QHeaderView::section { background-color: %1; color: %2; }")
                          .arg(back.name(), text.name());
  horizontalHeader()->setStyleSheet(css);
  verticalHeader()->setStyleSheet(css);
}

void SpreadGrid::SetFrameColor(int i, const QColor& c) {
  if (i < 0 || i > 2) return;
  frame_[i] = c;
  if (i == 2) setStyleSheet(QStringLiteral("QTableWidget { gridline-color: %1; }").arg(c.name()));
}

void SpreadGrid::SetColWidthPixels(int col, int px) {
  if (col == 0)
    verticalHeader()->setFixedWidth(px);
  else if (col >= 1 && col <= columnCount())
    setColumnWidth(col - 1, px);
}

void SpreadGrid::SetRowHeightPixels(int row, int px) {
  if (row == 0)
    horizontalHeader()->setFixedHeight(px);
  else if (row >= 1 && row <= rowCount())
    setRowHeight(row - 1, px);
}

void SpreadGrid::SetColHidden(int col, bool hidden) {
  if (col >= 1 && col <= columnCount()) setColumnHidden(col - 1, hidden);
}

void SpreadGrid::SetRowSelectMode(bool on) {
  setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void SpreadGrid::SetActiveCell(int col, int row) {
  if (col < 1 || row < 1 || col > columnCount() || row > rowCount()) return;
  setCurrentCell(row - 1, col - 1);
}

void SpreadGrid::OnCurrentChanged(int row, int col, int prevRow, int prevCol) {
  if (moving_ || prevRow < 0 || prevCol < 0 || row < 0 || col < 0) return;
  bool cancel = false;
  emit LeaveCell(prevCol + 1, prevRow + 1, col + 1, row + 1, &cancel);
  if (cancel) {
    moving_ = true;
    setCurrentCell(prevRow, prevCol);
    moving_ = false;
  }
}

void SpreadGrid::EmitKeyPress(int key) {
  int k = key;
  emit KeyPress(&k);
}

void SpreadGrid::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
    EmitKeyPress(13);
    return;
  }
  QTableWidget::keyPressEvent(e);
}

void SpreadGrid::OnFocusChanged(QWidget* old, QWidget* now) {
  (void)old;
  const bool isIn = IsInside(this, now);
  if (isIn && !hasFocus_) {
    hasFocus_ = true;
    emit GotFocus();
  } else if (hasFocus_ && !isIn && now != nullptr && now->window() == window()) {
    // Only a move to another control of the same window leaves the grid.
    hasFocus_ = false;
    emit LostFocus();
  }
}

void SetSpreadColors(SpreadGrid* grid) {
  grid->SetFrameColor(0, VbColor(kSysButtonFace));
  grid->SetFrameColor(1, VbColor(kSysButtonFace));
  grid->SetFrameColor(2, VbColor(kSysButtonShadow));
  for (int c = 1; c <= grid->MaxCols(); ++c)
    for (int r = 1; r <= grid->MaxRows(); ++r)
      if (grid->CellType(c, r) == SpreadGrid::kStaticText)
        grid->SetCellBackColor(c, r, VbColor(kSysButtonFace));
}

void SetSpreadEnabled(SpreadGrid* grid, bool on) {
  grid->setEnabled(on);
  grid->SetAllColors(VbColor(on ? kSysWindow : kSysButtonFace),
                     VbColor(on ? kSysWindowText : kSysGrayText));
  grid->SetShadowColors(VbColor(kSysButtonFace), VbColor(on ? kSysButtonText : kSysGrayText));
}

}  // namespace norva
