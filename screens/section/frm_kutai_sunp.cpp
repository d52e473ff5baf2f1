#include "screens/section/frm_kutai_sunp.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

#include "document/document.h"
#include "drawing/section/section_drawing.h"
#include "screens/section/kutai_rules.h"
#include "shell/document_forms.h"
#include "shell/screen.h"
#include "shell/shell_state.h"
#include "shell/startup.h"

namespace norva {
namespace {

QPointer<frmKutaiSunp>& View() {
  static QPointer<frmKutaiSunp> view;
  return view;
}

// The view's own button picture, or its caption when the picture is missing.
QAction* ZoomAction(QToolBar* bar, const char* key, const char* tip, const char* picture,
                    const char* fallback) {
  const QString path = QString::fromStdString(ProgramFolder()) + "/resource/" + picture;
  QAction* a = QFileInfo::exists(path) ? bar->addAction(QIcon(path), QString::fromUtf8(tip))
                                       : bar->addAction(QString::fromUtf8(fallback));
  a->setObjectName(key);
  a->setData(QString::fromLatin1(key));
  a->setToolTip(QString::fromUtf8(tip));
  return a;
}

}  // namespace

frmKutaiSunp::frmKutaiSunp(QWidget* owner) : QWidget(owner, Qt::Tool) {
  setObjectName("frmKutaiSunp");
  setWindowTitle(QStringLiteral("寸法図"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  tlbZoom = new QToolBar(this);
  tlbZoom->setObjectName("tlbZoom");
  tlbZoom->setFixedHeight(31);  // 465 twips
  ZOOMUP = ZoomAction(tlbZoom, "ZOOMUP", "拡大", "ZoomUp.svg", "＋");
  ZOOMDOWN = ZoomAction(tlbZoom, "ZOOMDOWN", "縮小", "ZoomDown.svg", "－");
  connect(tlbZoom, &QToolBar::actionTriggered, this,
          [this](QAction* a) { tlbZoom_ButtonClick(a->data().toString()); });
  lay->addWidget(tlbZoom);
  vseCanvas = new QScrollArea(this);
  vseCanvas->setObjectName("vseCanvas");
  vseCanvas->setWidgetResizable(true);
  vseCanvas->setFrameShape(QFrame::NoFrame);
  vsdCanvas = new CanvasWidget;
  vsdCanvas->setObjectName("vsdCanvas");
  vseCanvas->setWidget(vsdCanvas);
  vsdCanvas->installEventFilter(this);
  lay->addWidget(vseCanvas, 1);
  setMinimumSize(LeastSize());
  resize(296, 370 + 31);  // client 4440 x 5550 twips under the toolbar
  gKutaiSunpOpen = true;
}

frmKutaiSunp::~frmKutaiSunp() { gKutaiSunpOpen = false; }

QSize frmKutaiSunp::LeastSize() { return {304 - 8, 396 - 30}; }

void frmKutaiSunp::PlaceAtOwner() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  const QRect o = owner->frameGeometry();
  move(o.x() + o.width() - frameGeometry().width(), o.y());
}

void frmKutaiSunp::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  DrawSunpou();
}

void frmKutaiSunp::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) DrawSunpou();
}

void frmKutaiSunp::closeEvent(QCloseEvent* e) {
  gKutaiSunpOpen = false;
  QWidget::closeEvent(e);
}

bool frmKutaiSunp::eventFilter(QObject* watched, QEvent* e) {
  if (watched == vsdCanvas && e->type() == QEvent::Resize && isVisible()) DrawSunpou();
  return QWidget::eventFilter(watched, e);
}

void frmKutaiSunp::DrawSunpou() {
  Canvas& c = vsdCanvas->canvas();
  const auto doc = ActiveDocument();
  const std::string key = doc ? doc->Key : std::string();
  // Another document's section must not stay on view when this one cannot
  // be drawn yet.
  if (key != drawnKey_) {
    c.Clear();
    drawnKey_ = key;
  }
  if (!doc) return;
  cDraw d;
  d.SetCanvas(&c);
  d.SetHeight(c.ScaleHeight());
  d.SetWidth(c.ScaleWidth());
  DrawKutaiSunp(*doc, d, 0, true);
}

void frmKutaiSunp::tlbZoom_ButtonClick(const QString& key) {
  ApplyZoom(ZoomStep(vsdCanvas->Zoom(), key == QLatin1String("ZOOMUP"), 20));
}

// At 100 % the surface fills the view and follows its size; zoomed, it keeps
// the extent it had and grows inside the scrolling area.
void frmKutaiSunp::ApplyZoom(double percent) {
  const Canvas& c = vsdCanvas->canvas();
  const QSize base(static_cast<int>(c.ExtentWidth()), static_cast<int>(c.ExtentHeight()));
  vsdCanvas->SetZoom(percent);
  if (percent == 100) {
    vseCanvas->setWidgetResizable(true);
    return;
  }
  vseCanvas->setWidgetResizable(false);
  vsdCanvas->resize(base * (percent / 100.0));
}

frmKutaiSunp* ShowDimensionView(QWidget* owner) {
  QPointer<frmKutaiSunp>& view = View();
  if (!view) {
    view = new frmKutaiSunp(owner);
    view->show();
    view->PlaceAtOwner();
  }
  view->show();
  view->raise();
  return view.data();
}

frmKutaiSunp* DimensionView() { return View().data(); }

void RefreshDimensionView() {
  if (frmKutaiSunp* v = View().data()) v->Refresh();
}

void RegisterDimensionView() {
  Windows().dimensionView = [](QWidget* owner) { ShowDimensionView(owner); };
  Windows().refreshDimensionView = [] { RefreshDimensionView(); };
}

}  // namespace norva
