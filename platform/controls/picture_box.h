#pragma once
// Picture box showing an SVG picture scaled to its client area (aspect kept,
// centred), with one overlay rectangle that marks a part of the picture.
//
// The picture's own units are twips: an SVG whose view box is 6450 x 7500
// shows 430 x 500 pixels at 100 % (15 twips to a pixel) and scales with the
// box. The overlay is placed in the same twips, so it stays on the part of
// the picture it marks whatever the box's size. It inverts what lies under
// it, so the marked label stays readable.
//
// Loading a file that does not exist or cannot be read keeps the picture
// shown before and returns false.
#include <QRect>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace norva {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);
  ~PictureBox() override;

  bool LoadPicture(const QString& path);
  // The file shown ("" before the first picture).
  QString PicturePath() const { return path_; }
  // The picture's size in twips (its view box); empty without a picture.
  QRectF PictureTwips() const;

  // The overlay rectangle (`shpHanten`), twips of the picture.
  void SetOverlay(const QRect& twips);
  QRect Overlay() const { return overlay_; }
  void SetOverlayVisible(bool on);
  bool OverlayVisible() const { return overlayVisible_; }

  // Where a rectangle of the picture (twips) lies in the box, pixels.
  QRectF ToPixels(const QRectF& twips) const;

  // 430 x 500 pixels: the pictures at 100 %.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Scale (pixels per twip) and the picture's top-left corner in the box.
  double Scale() const;
  QPointF Origin() const;

  std::unique_ptr<QSvgRenderer> svg_;
  QString path_;
  QRect overlay_;
  bool overlayVisible_ = false;
};

}  // namespace norva
