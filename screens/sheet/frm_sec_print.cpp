#include "screens/sheet/frm_sec_print.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "document/document.h"
#include "document/numeric.h"
#include "document/services.h"
#include "drawing/sheet/sheet_run.h"
#include "platform/canvas/canvas_render.h"
#include "screens/sheet/frm_sec_prn_options.h"

namespace norva {

namespace {
constexpr double kMinZoom = 10, kMaxZoom = 500;
}  // namespace

std::function<void(CDocument& doc, QWidget* owner)>& SheetSxfCommand() {
  static std::function<void(CDocument&, QWidget*)> command;
  return command;
}

// ---- the page ----------------------------------------------------------------------------

SheetPageView::SheetPageView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("vspSecDraw"));
  page_.SetMetrics(QtTextMetrics::Shared());
  page_.SetOnChange([this] { update(); });
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  Relayout();
}

void SheetPageView::SetZoom(double percent) {
  zoom_ = std::clamp(percent, kMinZoom, kMaxZoom);
  Relayout();
}

void SheetPageView::Relayout() {
  const double k = zoom_ / 100.0 / 25.4;
  const int w =
      std::max(1, static_cast<int>(std::lround(target_.PageWidthMm() * k * logicalDpiX())));
  const int h =
      std::max(1, static_cast<int>(std::lround(target_.PageHeightMm() * k * logicalDpiY())));
  setFixedSize(w, h);
  update();
}

double SheetPageView::FitZoom(const QSize& size) const {
  if (target_.PageWidthMm() <= 0 || target_.PageHeightMm() <= 0) return 100;
  const double zx = size.width() / (target_.PageWidthMm() / 25.4 * logicalDpiX()) * 100;
  const double zy = size.height() / (target_.PageHeightMm() / 25.4 * logicalDpiY()) * 100;
  return std::clamp(std::floor(std::min(zx, zy)), kMinZoom, kMaxZoom);
}

void SheetPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  RenderCanvas(page_, painter, QRectF(0, 0, width(), height()));
}

void SheetPageView::SetUpPrinter(QPrinter& printer) const {
  QPageSize size;
  switch (target_.PaperSize()) {
    case 66:
      size = QPageSize(QPageSize::A2);
      break;
    case 8:
      size = QPageSize(QPageSize::A3);
      break;
    case 9:
      size = QPageSize(QPageSize::A4);
      break;
    default: {
      // A paper of its own size, given portrait.
      const QSizeF mm(target_.PaperWidth() / kTwipsPerMm, target_.PaperHeight() / kTwipsPerMm);
      size = QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
      break;
    }
  }
  printer.setFullPage(true);
  printer.setPageLayout(QPageLayout(size, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
}

bool SheetPageView::PrintTo(QPrinter& printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  RenderCanvas(page_, painter, QRectF(painter.viewport()));
  return painter.end();
}

// ---- the window --------------------------------------------------------------------------

frmSecPrint::frmSecPrint(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmSecPrint"));
  setWindowTitle(QStringLiteral("標準断面図出力"));
  resize(1100, 780);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  picSecPrint = new QWidget(this);
  picSecPrint->setObjectName(QStringLiteral("picSecPrint"));
  auto* buttons = new QHBoxLayout(picSecPrint);
  buttons->setContentsMargins(6, 4, 6, 4);
  auto button = [&](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), picSecPrint);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setMinimumWidth(90);
    buttons->addWidget(b);
    return b;
  };
  cmdPrint = button("cmdPrint", "印刷");
  cmdSetup = button("cmdSetup", "設定");
  cmdSxf = button("cmdSxf", "SXFﾌｧｲﾙ出力");
  cmdZoom.Add(0, button("", "拡大"));
  cmdZoom.Add(1, button("", "縮小"));
  buttons->addStretch(1);
  cmdClose = button("cmdClose", "閉じる");
  layout->addWidget(picSecPrint);

  vseSecPrint = new QScrollArea(this);
  vseSecPrint->setObjectName(QStringLiteral("vseSecPrint"));
  vseSecPrint->setAlignment(Qt::AlignCenter);
  vseSecPrint->setBackgroundRole(QPalette::Dark);
  vspSecDraw = new SheetPageView;
  vseSecPrint->setWidget(vspSecDraw);
  layout->addWidget(vseSecPrint, 1);

  connect(cmdPrint, &QPushButton::clicked, this, &frmSecPrint::cmdPrint_Click);
  connect(cmdSetup, &QPushButton::clicked, this, &frmSecPrint::cmdSetup_Click);
  connect(cmdSxf, &QPushButton::clicked, this, [this] {
    if (doc_ && SheetSxfCommand()) SheetSxfCommand()(*doc_, this);
  });
  for (int i = 0; i < 2; ++i)
    connect(cmdZoom[i], &QPushButton::clicked, this, [this, i] { cmdZoom_Click(i); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
  cmdSxf->setEnabled(static_cast<bool>(SheetSxfCommand()));
}

void frmSecPrint::SetDoc(CDocument* doc) {
  doc_ = doc;
  Redraw();
}

bool frmSecPrint::Redraw() {
  if (!doc_) return false;
  try {
    SkzOutput(0, *doc_, vspSecDraw->target());
  } catch (const std::exception& e) {
    MessageSink().Show(kProgramTitle, e.what(), MsgIcon::Warning, MsgButtons::Ok);
    return false;
  }
  vspSecDraw->Relayout();
  return true;
}

void frmSecPrint::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (fitted_) return;
  fitted_ = true;
  vspSecDraw->SetZoom(vspSecDraw->FitZoom(vseSecPrint->viewport()->size() - QSize(8, 8)));
}

void frmSecPrint::cmdPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  vspSecDraw->SetUpPrinter(printer);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!vspSecDraw->PrintTo(printer))
    MessageSink().Show(kProgramTitle, "印刷できませんでした。", MsgIcon::Warning, MsgButtons::Ok);
}

void frmSecPrint::cmdSetup_Click() {
  if (!doc_) return;
  {
    frmSecPrnOptions options(this);
    options.SetDoc(doc_);
    options.exec();
  }
  Redraw();
}

void frmSecPrint::cmdZoom_Click(int index) {
  const double z = vspSecDraw->Zoom();
  // The point of the page in the middle of the view stays there.
  QScrollBar* h = vseSecPrint->horizontalScrollBar();
  QScrollBar* v = vseSecPrint->verticalScrollBar();
  const QSize view = vseSecPrint->viewport()->size();
  const double fx = (h->value() + view.width() / 2.0) / vspSecDraw->width();
  const double fy = (v->value() + view.height() / 2.0) / vspSecDraw->height();
  vspSecDraw->SetZoom(index == 0 ? MinOf(kMaxZoom, {z + 10}) : MaxOf(kMinZoom, {z - 10}));
  vseSecPrint->widget()->adjustSize();
  QApplication::sendPostedEvents(vseSecPrint, QEvent::LayoutRequest);
  h->setValue(static_cast<int>(std::lround(fx * vspSecDraw->width() - view.width() / 2.0)));
  v->setValue(static_cast<int>(std::lround(fy * vspSecDraw->height() - view.height() / 2.0)));
}

}  // namespace norva
