#include "screens/conditions/form_parts.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionGroupBox>
#include <QSvgRenderer>

#include "document/document.h"
#include "document/services.h"
#include "platform/controls/colors.h"
#include "screens/bound_boxes.h"
#include "shell/command_state.h"
#include "shell/main_window.h"
#include "shell/qt_message_sink.h"
#include "shell/screen.h"

namespace norva::conditions {

QString ResourcePicture(const char* name) {
  return QApplication::applicationDirPath() + "/resource/" + QString::fromUtf8(name);
}

QPixmap SvgPixmap(const QString& path, const QSize& size) {
  QSvgRenderer svg(path);
  if (!svg.isValid()) return QPixmap();
  QSizeF fit = svg.defaultSize();
  fit.scale(QSizeF(size), Qt::KeepAspectRatio);
  QPixmap pix(size);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  svg.render(
      &p,
      QRectF(QPointF((size.width() - fit.width()) / 2, (size.height() - fit.height()) / 2), fit));
  return pix;
}

QPushButton* PictureButton(const QString& objectName, const char* picture, QWidget* parent,
                           int icon) {
  auto* b = new QPushButton(parent);
  b->setObjectName(objectName);
  const QSize size(icon, icon);
  b->setIcon(QIcon(SvgPixmap(ResourcePicture(picture), size)));
  b->setIconSize(size);
  b->setFixedSize(icon + 8, icon + 6);
  return b;
}

void TabOrderByColumns(QWidget* form, std::initializer_list<QWidget*> columns) {
  if (form->layout()) form->layout()->activate();
  QWidget* prev = nullptr;
  for (QWidget* col : columns) {
    std::vector<QWidget*> members;
    for (QWidget* w : col->findChildren<QWidget*>())
      if (w->focusPolicy() & Qt::TabFocus) members.push_back(w);
    auto at = [col](const QWidget* w) { return w->mapTo(col, QPoint(0, 0)); };
    std::stable_sort(members.begin(), members.end(), [&](QWidget* a, QWidget* b) {
      const QPoint pa = at(a), pb = at(b);
      if (std::abs(pa.y() - pb.y()) > 4) return pa.y() < pb.y();
      return pa.x() < pb.x();
    });
    for (QWidget* w : members) {
      if (prev) QWidget::setTabOrder(prev, w);
      prev = w;
    }
  }
}

NumberBox* MakeNumBox(const NumField& f, QWidget* parent) {
  NumberBox* box = BoundBoxes<>::MakeBox(f, parent);
  box->setObjectName(ArrayMemberName(QString::fromUtf8(f.name), f.index));
  if (f.index >= 0) box->setProperty("Index", f.index);
  box->setMaximumWidth(110);
  return box;
}

QLabel* AddLabel(ControlArray<QLabel>& arr, int index, const QString& text, QWidget* parent) {
  return arr.Add(index, new QLabel(text, parent));
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

namespace {

// Keeps a subscript label beside its character when the base label (or the
// title of a frame) moves or changes size.
class SubscriptPlacer : public QObject {
 public:
  SubscriptPlacer(QWidget* base, QLabel* sub, QString prefix)
      : QObject(base), base_(base), sub_(sub), prefix_(std::move(prefix)) {
    base->installEventFilter(this);
    Place();
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Resize || e->type() == QEvent::Show) Place();
    return QObject::eventFilter(o, e);
  }

 private:
  // Where the base's text runs.
  QRect TextRect() const {
    auto* frame = qobject_cast<QGroupBox*>(base_);
    if (frame == nullptr) return base_->contentsRect();
    QStyleOptionGroupBox opt;
    opt.initFrom(frame);
    opt.text = frame->title();
    opt.subControls = QStyle::SC_GroupBoxLabel;
    opt.textAlignment = frame->alignment();
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel,
                                          frame);
  }
  void Place() {
    const QFontMetrics fm(base_->font());
    const QRect r = TextRect();
    const int baseline = r.top() + (r.height() + fm.ascent() - fm.descent()) / 2;
    sub_->adjustSize();
    sub_->move(r.left() + fm.horizontalAdvance(prefix_), baseline - sub_->height() / 2);
    sub_->raise();
  }
  QWidget* base_;
  QLabel* sub_;
  QString prefix_;
};

}  // namespace

void AttachSubscript(QWidget* base, QLabel* sub, const QString& prefix) {
  sub->setParent(base);
  QFont f = base->font();
  f.setPointSizeF(f.pointSizeF() * 0.7);
  sub->setFont(f);
  new SubscriptPlacer(base, sub, prefix);
  sub->show();
}

QGroupBox* Frame(const QString& name, const QString& caption, QWidget* parent) {
  auto* f = new QGroupBox(caption, parent);
  f->setObjectName(name);
  return f;
}

void UnderTitleBar(QGroupBox* frame) {
  frame->setAccessibleName(frame->title());
  frame->setTitle(QString());
}

void Tight(QLayout* lay) {
  lay->setContentsMargins(6, 2, 6, 4);
  lay->setSpacing(3);
}

TitleBar::TitleBar(const QString& caption, QWidget* parent) : QFrame(parent) {
  setObjectName("imcTitle");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, VbColor(kSysButtonShadow));
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(6, 1, 2, 1);
  auto* label = new QLabel(caption, this);
  label->setObjectName("lblTitle_Style");
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  lay->addWidget(label);
  lay->addStretch(1);
}

void TitleBar::AddButton(QPushButton* b) {
  b->setParent(this);
  static_cast<QHBoxLayout*>(layout())->addWidget(b);
}

namespace {

// Shows and clears the hint for an option button or check box.
class HintFilter : public QObject {
 public:
  HintFilter(QWidget* control, QWidget* hintBox, QString tag)
      : QObject(control), hintBox_(hintBox), tag_(std::move(tag)) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::FocusIn) {
      ShowHint(hintBox_, tag_.toStdString());
    } else if (e->type() == QEvent::FocusOut) {
      const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
      if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
        ShowHint(hintBox_, std::string());
    }
    return QObject::eventFilter(o, e);
  }

 private:
  QWidget* hintBox_;
  QString tag_;
};

}  // namespace

void HintOnFocus(QWidget* control, QWidget* hintBox, const QString& tag) {
  control->setProperty("Tag", tag);
  control->installEventFilter(new HintFilter(control, hintBox, tag));
}

void ApplyCloseStrip(QDialog* dlg, QBoxLayout* lay, QPushButton*& apply, QPushButton*& close) {
  auto* strip = new QHBoxLayout;
  strip->addStretch(1);
  apply = new QPushButton(QStringLiteral("適用(&A)"), dlg);
  apply->setObjectName("cmdApply");
  close = new QPushButton(QStringLiteral("閉じる(&C)"), dlg);
  close->setObjectName("cmdClose");
  strip->addWidget(apply);
  strip->addWidget(close);
  lay->addLayout(strip);
  QObject::connect(close, &QPushButton::clicked, dlg, &QDialog::reject);
}

QComboBox* ListRow(QBoxLayout* lay, QLabel* caption, const QString& listName, QWidget* parent) {
  auto* row = new QHBoxLayout;
  auto* list = new QComboBox(parent);
  list->setObjectName(listName);
  row->addWidget(caption);
  row->addWidget(list, 1);
  lay->addLayout(row);
  return list;
}

void FillList(QComboBox* list, const QStringList& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  list->addItems(items);
  list->setCurrentIndex(-1);
}

bool ConfirmApply() {
  return Ask("入力値を変更してもよろしいですか？", MsgIcon::Question, MsgButtons::YesNo) ==
         MsgAnswer::Yes;
}

QWidget* DataFormWidget(const CDocument& doc) {
  return doc.DataForm ? doc.DataForm->Widget() : nullptr;
}

QWidget* DialogOwner(QWidget* screen) {
  if (QWidget* m = MainWindow()) return m;
  return screen ? screen->window() : nullptr;
}

void FillDisplayGrid(SpreadGrid* grid, const std::vector<QStringList>& rows) {
  qsizetype cols = 0;
  for (const QStringList& r : rows) cols = std::max(cols, r.size());
  grid->SetMaxCols(static_cast<int>(cols));
  grid->SetMaxRows(rows.empty() ? 0 : static_cast<int>(rows.size() - 1));
  for (size_t r = 0; r < rows.size(); ++r)
    for (qsizetype c = 0; c < rows[r].size(); ++c) {
      const int col = static_cast<int>(c + 1), row = static_cast<int>(r);
      grid->SetText(col, row, rows[r][c]);
      if (row > 0) grid->SetCellType(col, row, SpreadGrid::kStaticText);
    }
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  SetSpreadColors(grid);
  grid->resizeColumnsToContents();
  grid->resizeRowsToContents();
  grid->horizontalHeader()->setStretchLastSection(true);
  // The whole table is always in view: the dialog takes its size from it.
  grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FillDisplayGrid(SpreadGrid* grid, std::span<const TableRow> rows) {
  std::vector<QStringList> texts;
  for (const TableRow& r : rows) {
    QStringList row;
    for (const char* c : r) row << QString::fromUtf8(c);
    texts.push_back(row);
  }
  FillDisplayGrid(grid, texts);
}

}  // namespace norva::conditions
