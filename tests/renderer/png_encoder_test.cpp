// The RTF copy's PNG writer: what a reader decodes is the picture painted,
// pixel for pixel, grey pictures as greyscale and others in colour, with the
// resolution stored.
#include "renderer/png_encoder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace norva {
namespace {

QImage Painted(int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  return image;
}

// PNG colour type: the byte after the bit depth in IHDR.
int ColourType(const QByteArray& png) { return png.size() > 25 ? png[25] : -1; }

TEST(OpaquePng, DecodesToThePaintedPixels) {
  struct Row {
    const char* name;
    QImage image;
    int colourType;  // 0 grey, 2 RGB
  };
  const Row rows[] = {
      {"antialiased black drawing",
       Painted(301, 157,
               [](QPainter& p) {
                 p.setPen(QPen(Qt::black, 2.5));
                 p.drawEllipse(QRectF(10.3, 7.7, 250.1, 120.9));
                 p.drawLine(QPointF(0, 156), QPointF(300, 0.5));
               }),
       0},
      {"grey fill",
       Painted(40, 30, [](QPainter& p) { p.fillRect(5, 5, 20, 10, QColor(128, 128, 128)); }), 0},
      {"one blue pixel",
       Painted(17, 9, [](QPainter& p) { p.fillRect(16, 8, 1, 1, QColor(0, 0, 255)); }), 2},
      {"colour gradient",
       Painted(64, 48,
               [](QPainter& p) {
                 QLinearGradient g(0, 0, 64, 48);
                 g.setColorAt(0, Qt::red);
                 g.setColorAt(1, Qt::darkGreen);
                 p.fillRect(0, 0, 64, 48, g);
               }),
       2},
      {"single white pixel", Painted(1, 1, [](QPainter&) {}), 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QByteArray png = EncodeOpaquePng(row.image, 11811);
    EXPECT_EQ(ColourType(png), row.colourType);
    QImage back;
    ASSERT_TRUE(back.loadFromData(png, "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), row.image);
    EXPECT_EQ(back.dotsPerMeterX(), 11811);  // 300 dpi
    EXPECT_EQ(back.dotsPerMeterY(), 11811);
  }
}

TEST(OpaquePng, NullPictureGivesNoBytes) {
  EXPECT_TRUE(EncodeOpaquePng(QImage(), 11811).isEmpty());
}

}  // namespace
}  // namespace norva
