#include "screens/loads/load_dialogs.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "document/document.h"
#include "document/services.h"
#include "drawing/base/cdraw.h"
#include "platform/controls/control_helpers.h"
#include "shell/qt_message_sink.h"
#include "shell/screen.h"

namespace norva {

bool AskApply() {
  return Ask(kApplyQuestion, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes;
}

QWidget* DataFormWidget(const CDocument& doc) {
  return doc.DataForm ? doc.DataForm->Widget() : nullptr;
}

void SetScreenBox(const CDocument& doc, const char* name, int index, double v) {
  SetNumBoxByName(DataFormWidget(doc), QString::fromUtf8(name), index, v);
}

QHBoxLayout* ApplyCloseRow(QDialog* dlg, const QString& applyCaption, QPushButton** apply,
                           QPushButton** close) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  *apply = new QPushButton(applyCaption, dlg);
  (*apply)->setObjectName("cmdApply");
  *close = new QPushButton(QStringLiteral("閉じる(&C)"), dlg);
  (*close)->setObjectName("cmdClose");
  row->addWidget(*apply);
  row->addWidget(*close);
  QObject::connect(*close, &QPushButton::clicked, dlg, &QDialog::reject);
  return row;
}

void FillListQuietly(QComboBox* list, const std::vector<std::string>& items) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& s : items) list->addItem(QString::fromStdString(s));
  list->setCurrentIndex(-1);
}

void SetHeadingRow(SpreadGrid* grid, int row, const QStringList& headings) {
  for (int c = 1; c <= headings.size(); ++c) {
    grid->SetText(c, row, headings[c - 1]);
    grid->SetCellType(c, row, SpreadGrid::kStaticText);
    QTableWidgetItem* it = grid->item(row - 1, c - 1);
    it->setTextAlignment(Qt::AlignCenter);
    it->setFlags(Qt::NoItemFlags);
    it->setForeground(grid->palette().color(QPalette::WindowText));
  }
}

QLabel* NewLabel(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setTextFormat(Qt::AutoText);
  return l;
}

QWidget* NewFraction(const QList<QWidget*>& numerator, const QList<QWidget*>& denominator,
                     QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  auto row = [box](const QList<QWidget*>& parts) {
    auto* h = new QHBoxLayout;
    h->setSpacing(2);
    h->addStretch(1);
    for (QWidget* w : parts) {
      w->setParent(box);
      h->addWidget(w);
    }
    h->addStretch(1);
    return h;
  };
  v->addLayout(row(numerator));
  auto* rule = new QFrame(box);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Plain);
  v->addWidget(rule);
  v->addLayout(row(denominator));
  return box;
}

FigureCanvas::FigureCanvas(std::function<void(cDraw&)> draw, QWidget* parent)
    : CanvasWidget(parent), draw_(std::move(draw)) {}

void FigureCanvas::Redraw() {
  Canvas& c = canvas();
  const double twipsPerPixel = 1440.0 / logicalDpiX();
  c.SetScale(0, 0, width() * twipsPerPixel, height() * twipsPerPixel);
  c.Clear();
  cDraw d;
  d.SetCanvas(&c);
  d.SetWidth(c.ScaleWidth());
  d.SetHeight(c.ScaleHeight());
  if (draw_) draw_(d);
  update();
}

void FigureCanvas::resizeEvent(QResizeEvent* e) {
  CanvasWidget::resizeEvent(e);
  Redraw();
}

}  // namespace norva
