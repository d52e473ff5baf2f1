#include "platform/controls/picture_box.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace norva {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

PictureBox::~PictureBox() = default;

bool PictureBox::LoadPicture(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  auto svg = std::make_unique<QSvgRenderer>(path);
  if (!svg->isValid()) return false;
  svg_ = std::move(svg);
  path_ = path;
  update();
  return true;
}

QRectF PictureBox::PictureTwips() const { return svg_ ? svg_->viewBoxF() : QRectF(); }

void PictureBox::SetOverlay(const QRect& twips) {
  overlay_ = twips;
  if (overlayVisible_) update();
}

void PictureBox::SetOverlayVisible(bool on) {
  if (overlayVisible_ == on) return;
  overlayVisible_ = on;
  update();
}

double PictureBox::Scale() const {
  const QRectF box = PictureTwips();
  if (box.width() <= 0 || box.height() <= 0) return 1.0 / 15.0;
  return std::min(width() / box.width(), height() / box.height());
}

QPointF PictureBox::Origin() const {
  const QRectF box = PictureTwips();
  const double s = Scale();
  return {(width() - box.width() * s) / 2, (height() - box.height() * s) / 2};
}

QRectF PictureBox::ToPixels(const QRectF& twips) const {
  const double s = Scale();
  const QPointF o = Origin();
  return {o.x() + twips.left() * s, o.y() + twips.top() * s, twips.width() * s, twips.height() * s};
}

QSize PictureBox::sizeHint() const { return {430, 500}; }

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (svg_) svg_->render(&p, ToPixels(PictureTwips()));
  if (!overlayVisible_ || overlay_.isEmpty()) return;
  // White in difference mode inverts the picture under the rectangle.
  p.setCompositionMode(QPainter::CompositionMode_Difference);
  p.fillRect(ToPixels(overlay_), Qt::white);
}

}  // namespace norva
