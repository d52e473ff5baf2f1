#include "platform/controls/grid_text_fit.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace norva {
namespace {

struct TextSize {
  int width = 0;
  int height = 0;
};

// Explicit line breaks only: a text is never wrapped inside a cell.
TextSize SizeOf(const QString& text, const QFont& font) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QStringList lines = t.split(QLatin1Char('\n'));
  const QFontMetrics fm(font);
  TextSize s;
  for (const QString& l : lines) s.width = std::max(s.width, fm.horizontalAdvance(l));
  s.height = static_cast<int>(lines.size()) * fm.height();
  return s;
}

int SpannedWidth(const QTableWidget* g, int row, int col, int* last) {
  int w = 0;
  for (int k = 0; k < g->columnSpan(row, col); ++k) {
    if (g->isColumnHidden(col + k)) continue;
    w += g->columnWidth(col + k);
    *last = col + k;
  }
  return w;
}

void FitCells(QTableWidget* g) {
  // Item views keep PM_FocusFrameHMargin + 1 pixels free on either side of a text.
  const int margin = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1);
  struct Merged {
    int row, col, width;
  };
  std::vector<Merged> merged;
  for (int r = 0; r < g->rowCount(); ++r) {
    int rowNeed = 0;
    for (int c = 0; c < g->columnCount(); ++c) {
      const QTableWidgetItem* it = g->item(r, c);
      if (!it || it->text().isEmpty()) continue;
      const TextSize s = SizeOf(it->text(), it->font());
      if (g->columnSpan(r, c) > 1) {
        merged.push_back({r, c, s.width + margin});
      } else if (!g->isColumnHidden(c) && g->columnWidth(c) < s.width + margin) {
        g->setColumnWidth(c, s.width + margin);
      }
      if (g->rowSpan(r, c) == 1) rowNeed = std::max(rowNeed, s.height);
    }
    if (!g->isRowHidden(r) && g->rowHeight(r) < rowNeed) g->setRowHeight(r, rowNeed);
  }
  // A merged cell too narrow widens the last of its columns.
  for (const Merged& m : merged) {
    int last = -1;
    const int w = SpannedWidth(g, m.row, m.col, &last);
    if (last >= 0 && w < m.width) g->setColumnWidth(last, g->columnWidth(last) + m.width - w);
  }
}

void FitHeaders(QTableWidget* g) {
  QHeaderView* top = g->horizontalHeader();
  if (!top->isHidden()) {
    const int margin = 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, top);
    int height = 0;
    for (int c = 0; c < g->columnCount(); ++c) {
      const QTableWidgetItem* it = g->horizontalHeaderItem(c);
      if (!it || it->text().isEmpty() || g->isColumnHidden(c)) continue;
      const TextSize s = SizeOf(it->text(), top->font());
      if (g->columnWidth(c) < s.width + margin) g->setColumnWidth(c, s.width + margin);
      height = std::max(height, s.height);
    }
    if (height > 0 && top->height() < height + margin) top->setFixedHeight(height + margin);
  }
  QHeaderView* side = g->verticalHeader();
  if (!side->isHidden()) {
    const int margin = 2 * g->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, side);
    int width = 0;
    for (int r = 0; r < g->rowCount(); ++r) {
      const QTableWidgetItem* it = g->verticalHeaderItem(r);
      if (!it || it->text().isEmpty() || g->isRowHidden(r)) continue;
      const TextSize s = SizeOf(it->text(), side->font());
      if (g->rowHeight(r) < s.height) g->setRowHeight(r, s.height);
      width = std::max(width, s.width + margin);
    }
    if (side->width() < width) side->setFixedWidth(width);
  }
}

}  // namespace

void FitGridToTexts(QTableWidget* grid) {
  if (!grid) return;
  FitCells(grid);
  FitHeaders(grid);
}

void KeepGridTextsWhole(QTableWidget* grid) {
  if (!grid) return;
  // One fit after a burst of changes, once the program has filled the grid.
  auto* timer = new QTimer(grid);
  timer->setSingleShot(true);
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, grid, [grid] { FitGridToTexts(grid); });
  auto schedule = [timer] { timer->start(); };
  QAbstractItemModel* model = grid->model();
  QObject::connect(model, &QAbstractItemModel::dataChanged, timer, schedule);
  QObject::connect(model, &QAbstractItemModel::headerDataChanged, timer, schedule);
  QObject::connect(model, &QAbstractItemModel::rowsInserted, timer, schedule);
  QObject::connect(model, &QAbstractItemModel::columnsInserted, timer, schedule);
  QObject::connect(model, &QAbstractItemModel::layoutChanged, timer, schedule);
  QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionResized, timer, schedule);
  QObject::connect(grid->verticalHeader(), &QHeaderView::sectionResized, timer, schedule);
  QObject::connect(grid->horizontalHeader(), &QHeaderView::geometriesChanged, timer, schedule);
}

}  // namespace norva
