#include "drawing/base/canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/canvas/canvas_render.h"
#include "qt_test_support.h"

namespace norva {
namespace {

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

constexpr uint32_t kBlue = 0xFF0000;  // &HFF0000
constexpr uint32_t kRed = 0x0000FF;

QImage Render(const Canvas& c, int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  RenderCanvas(c, p, QRectF(0, 0, w, h));
  return img;
}

// A figure with a filled square, a line, a circle and a text.
void DrawFigure(Canvas& c) {
  c.SetScale(0, 0, 1000, 1000);
  c.SetBrushStyle(0);
  c.SetBrushColor(kBlue);
  c.Polygon({{250, 250}, {750, 250}, {750, 750}, {250, 750}});
  c.SetPenColor(kRed);
  c.SetPenWidth(10);
  c.DrawLine(0, 900, 1000, 900);
  c.SetBrushStyle(1);
  c.DrawCircle(100, 100, 50);
  c.SetFontName("ＭＳ ゴシック");
  c.SetFontSize(60);
  c.SetCurrentX(300);
  c.SetCurrentY(800);
  c.Text("擁壁 H=5.0m");
}

bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }
bool IsRed(QRgb c) { return qRed(c) > 200 && qBlue(c) < 60 && qGreen(c) < 60; }
bool IsWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

TEST_F(CanvasTest, LogicalSpaceMapsOntoTheDevice) {
  Canvas c;
  DrawFigure(c);
  const QImage img = Render(c, 200, 100);  // 0.2 px per unit across, 0.1 down
  // The square covers x 50..150 px and y 25..75 px.
  EXPECT_TRUE(IsBlue(img.pixel(100, 50)));
  EXPECT_TRUE(IsBlue(img.pixel(55, 30)));
  EXPECT_TRUE(IsWhite(img.pixel(45, 50)));
  EXPECT_TRUE(IsWhite(img.pixel(100, 20)));
  // The line at y 900 is at 90 px, 10 units = 2 px wide across.
  EXPECT_TRUE(IsRed(img.pixel(10, 90)));

  // y upwards: top 1000, height -1000; y = 900 lies 10 % from the top.
  Canvas up;
  up.SetScale(0, 1000, 1000, -1000);
  up.SetPenColor(kRed);
  up.SetPenWidth(20);
  up.DrawLine(0, 900, 1000, 900);
  const QImage img2 = Render(up, 100, 100);
  EXPECT_TRUE(IsRed(img2.pixel(50, 10)));
  EXPECT_TRUE(IsWhite(img2.pixel(50, 90)));
}

TEST_F(CanvasTest, RecordKeepsCurrentPointAndClearEmptiesIt) {
  Canvas c;
  c.DrawLine(0, 0, 10, 20);
  EXPECT_EQ(c.CurrentX(), 10);
  EXPECT_EQ(c.CurrentY(), 20);
  c.LineTo(30, 40);  // continues from (10, 20)
  ASSERT_EQ(c.Ops().size(), 2u);
  EXPECT_EQ(c.Ops()[1].points[0].x, 10);
  EXPECT_EQ(c.Ops()[1].points[0].y, 20);
  c.SetFontBold(true);
  c.Text("a");
  c.SetFontBold(false);
  EXPECT_EQ(c.CurrentX(), 30);  // text does not move the position
  EXPECT_TRUE(c.Ops()[2].style.font.bold);
  c.Text("");  // nothing recorded
  EXPECT_EQ(c.Ops().size(), 3u);
  c.Clear();
  EXPECT_TRUE(c.Ops().empty());
  EXPECT_EQ(c.CurrentX(), 0);
}

// A figure that could not compute a point draws nothing there: no output
// (screen, PDF, SVG) ever receives a NaN or an infinity.
TEST_F(CanvasTest, CallsWithAValueThatIsNotFiniteAreNotRecorded) {
  const double nan = std::nan("");
  const double inf = INFINITY;
  struct Case {
    const char* name;
    std::function<void(Canvas&)> draw;
  } cases[] = {
      {"line to NaN", [&](Canvas& c) { c.DrawLine(0, 0, nan, 1); }},
      {"line from infinity", [&](Canvas& c) { c.DrawLine(-inf, 0, 1, 1); }},
      {"polyline with one NaN point",
       [&](Canvas& c) {
         c.PolyLine({{0, 0}, {1, nan}, {2, 2}});
       }},
      {"polygon with an infinite point",
       [&](Canvas& c) {
         c.Polygon({{0, 0}, {inf, 1}, {2, 2}});
       }},
      {"rectangle", [&](Canvas& c) { c.DrawRectangle(0, nan, 1, 1); }},
      {"circle of infinite radius", [&](Canvas& c) { c.DrawCircle(1, 1, inf); }},
      {"arc to a NaN angle", [&](Canvas& c) { c.DrawArc(1, 1, 1, 0, nan); }},
      {"text at NaN", [&](Canvas& c) { c.DrawText(nan, 5, "a"); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Canvas c;
    k.draw(c);
    EXPECT_TRUE(c.Ops().empty());
    // What is finite around it is drawn as before.
    c.DrawLine(0, 0, 1e300, -1e300);
    c.DrawText(1, 2, "b");
    EXPECT_EQ(c.Ops().size(), 2u);
  }
}

TEST_F(CanvasTest, ACopyDoesNotNotifyTheOriginalsOwner) {
  Canvas c;
  int changes = 0;
  c.SetOnChange([&] { ++changes; });
  c.DrawLine(0, 0, 1, 1);
  EXPECT_EQ(changes, 1);
  Canvas copy = c;
  copy.DrawLine(0, 0, 2, 2);
  copy = c;
  copy.Clear();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(c.Ops().size(), 1u);
}

TEST_F(CanvasTest, SameFigureOnWidgetPngAndSvg) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  CanvasWidget widget;
  widget.resize(300, 300);
  DrawFigure(widget.canvas());
  EXPECT_EQ(widget.canvas().ExtentWidth(), 300);
  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);

  const QString png = dir.filePath("figure.png");
  const QString svg = dir.filePath("figure.svg");
  ASSERT_TRUE(SaveCanvasPng(widget.canvas(), png, QSize(300, 300)));
  ASSERT_TRUE(SaveCanvasSvg(widget.canvas(), svg, QSize(300, 300)));
  const QImage fromPng(png);
  ASSERT_EQ(fromPng.size(), QSize(300, 300));

  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  QImage fromSvg(300, 300, QImage::Format_ARGB32);
  fromSvg.fill(Qt::white);
  {
    QPainter p(&fromSvg);
    renderer.render(&p, QRectF(0, 0, 300, 300));
  }
  // Compare the three pictures pixel by pixel, allowing antialiasing.
  auto differing = [](const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                std::abs(qBlue(p) - qBlue(q)) >
            96)
          ++n;
      }
    return n;
  };
  EXPECT_LT(differing(shown, fromPng.convertToFormat(QImage::Format_ARGB32)), 300 * 300 / 200);
  EXPECT_LT(differing(fromPng.convertToFormat(QImage::Format_ARGB32), fromSvg), 300 * 300 / 50);
  EXPECT_TRUE(IsBlue(fromSvg.pixel(150, 150)));
  EXPECT_TRUE(IsWhite(fromSvg.pixel(40, 150)));

  // The SVG keeps the text as text (in runs of one script each).
  QFile f(svg);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString xml = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(xml.contains(QString::fromUtf8(">擁壁")));
  EXPECT_TRUE(xml.contains(QString::fromUtf8("H=5.0m</text>")));
}

TEST_F(CanvasTest, PdfPageHasTheExtentAsItsSize) {
  QTemporaryDir dir;
  Canvas c;
  c.SetExtent(1440 * 4, 1440 * 3);  // 4 x 3 inches
  DrawFigure(c);
  const QString pdf = dir.filePath("figure.pdf");
  ASSERT_TRUE(SaveCanvasPdf(c, pdf));
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // 4 x 3 inches = 288 x 216 points.
  const QRegularExpression box(R"(/MediaBox \[0 0 288(\.0+)? 216(\.0+)?\])");
  EXPECT_TRUE(box.match(QString::fromLatin1(bytes)).hasMatch());

  // The same record on a printer (here one that prints to a file).
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("printed.pdf"));
  RenderCanvasTo(c, printer);
  QFile printed(dir.filePath("printed.pdf"));
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

// Leftmost column with dark ink at or right of `from`.
int FirstInkColumn(const QImage& img, int from) {
  for (int x = from; x < img.width(); ++x)
    for (int y = 0; y < img.height(); ++y)
      if (qGray(img.pixel(x, y)) < 128) return x;
  return -1;
}

TEST_F(CanvasTest, MeasuredTextWidthMatchesTheDrawnTextWithinAPixel) {
  struct Case {
    const char* font;
    const char* text;
    double size;
  } cases[] = {
      {"ＭＳ Ｐゴシック", "設計初期条件 Wall", 75},
      {"ＭＳ ゴシック", "土圧公式: Coulomb", 60},
      {"ＭＳ 明朝", "擁壁の種類", 90},
      {"ＭＳ Ｐ明朝", "ＳＩ単位 kN/m2", 45},
  };
  for (const Case& cs : cases) {
    // 1000 units over 600 px: 0.6 px per unit.
    Canvas c;
    c.SetMetrics(QtTextMetrics::Shared());
    c.SetScale(0, 0, 1000, 1000);
    c.SetExtent(600, 600);
    c.SetFontName(cs.font);
    c.SetFontSize(cs.size);
    const double w = c.TextWidth(cs.text);
    ASSERT_GT(w, 0) << cs.text;

    // The bar drawn right after the text starts where the bar drawn alone at
    // x + measured width starts, when the width is measured as drawn.
    Canvas a = c, b = c;
    a.DrawText(50, 400, std::string(cs.text) + "|");
    b.DrawText(50 + w, 400, "|");
    const QImage ia = Render(a, 600, 600), ib = Render(b, 600, 600);
    const int barAlone = FirstInkColumn(ib, 0);
    ASSERT_GT(barAlone, 0);
    // The bar after the text: the last ink run of the row band.
    int barAfter = -1;
    for (int x = ia.width() - 1; x >= 0; --x) {
      bool ink = false;
      for (int y = 0; y < ia.height() && !ink; ++y) ink = qGray(ia.pixel(x, y)) < 128;
      if (ink)
        barAfter = x;
      else if (barAfter >= 0)
        break;
    }
    EXPECT_LE(std::abs(barAfter - barAlone), 1) << cs.text;
  }
}

struct InkBox {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
};
InkBox Ink(const QImage& img) {
  InkBox b;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 128) {
        b.minX = std::min(b.minX, x);
        b.maxX = std::max(b.maxX, x);
        b.minY = std::min(b.minY, y);
        b.maxY = std::max(b.maxY, y);
      }
  return b;
}

TEST_F(CanvasTest, TextAlignPlacesTheTextBoxAroundTheCurrentPoint) {
  // 1 unit = 1 pixel; anchor (200, 100); text 40 px high.
  auto draw = [](int align, int angle) {
    Canvas c;
    c.SetMetrics(QtTextMetrics::Shared());
    c.SetScale(0, 0, 400, 200);
    c.SetExtent(400, 200);
    c.SetFontSize(40);
    c.SetTextAlign(align);
    c.SetTextAngle(angle);
    c.DrawText(200, 100, "HHHH");
    return Ink(Render(c, 400, 200));
  };
  const int tol = 6;  // side bearings and the space above capitals
  {
    const InkBox b = draw(0, 0);  // top-left
    EXPECT_NEAR(b.minX, 200, tol);
    EXPECT_GT(b.minY, 100);
  }
  {
    const InkBox b = draw(2, 0);  // top-right
    EXPECT_NEAR(b.maxX, 200, tol);
  }
  {
    const InkBox b = draw(1, 0);  // top-centre
    EXPECT_NEAR((b.minX + b.maxX) / 2.0, 200, 2);
  }
  {
    const InkBox b = draw(3, 0);  // bottom-left: all above the point
    EXPECT_LT(b.maxY, 100);
  }
  {
    const InkBox b = draw(6, 0);  // middle-left: across the point
    EXPECT_LT(b.minY, 100);
    EXPECT_GT(b.maxY, 100);
  }
  {
    // Turned 90 degrees counter-clockwise: the text runs upwards from the
    // point and its top faces left, so the ink lies up and to the right.
    const InkBox b = draw(0, 900);
    EXPECT_LT(b.maxY, 100 + 2);
    EXPECT_LT(b.minY, 100 - 40);
    EXPECT_GE(b.minX, 200 - 1);
  }
}

TEST_F(CanvasTest, FontNamesMapOntoInstalledFonts) {
  EXPECT_EQ(MappedFontFamily("ＭＳ 明朝"), QString("IPAMincho"));
  EXPECT_EQ(MappedFontFamily("ＭＳ ゴシック"), QString("IPAGothic"));
  EXPECT_EQ(MappedFontFamily("ＭＳ Ｐ明朝"), QString("IPAPMincho"));
  EXPECT_EQ(MappedFontFamily("ＭＳ Ｐゴシック"), QString("IPAPGothic"));
  EXPECT_EQ(MappedFontFamily("Symbol"), QString("DejaVu Sans"));
  for (const char* name : {"ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"}) {
    const QFontInfo info(MappedFont(CanvasFont{name, 10, false, false}, 20));
    EXPECT_EQ(info.family(), MappedFontFamily(name)) << name << " is not installed";
  }
}

TEST_F(CanvasTest, TextWidthOnAnUnevenScaleIsInHorizontalUnits) {
  Canvas c;  // fixed metrics: half an em per ASCII character
  c.SetScale(0, 0, 1000, 1000);
  c.SetExtent(2000, 1000);  // a unit across is twice a unit down
  c.SetFontSize(100);
  EXPECT_DOUBLE_EQ(c.TextWidth("ab"), 50);  // 100 device-square units = 50 across
  EXPECT_DOUBLE_EQ(c.TextWidth("擁壁"), 100);
  EXPECT_DOUBLE_EQ(c.TextHeight("0"), 120);
  c.SetExtent(1000, 1000);
  EXPECT_DOUBLE_EQ(c.TextWidth("ab"), 100);
}

TEST_F(CanvasTest, WrapLabelTextBreaksToTheWidthLeft) {
  Canvas c;  // fixed metrics, square units
  c.SetScale(0, 0, 1000, 1000);
  c.SetExtent(1000, 1000);
  c.SetFontSize(100);  // 50 per ASCII character, 100 per full-width one
  struct Case {
    double x;
    std::string text, prefix, want;
    int lines;
  } cases[] = {
      {0, "short", "", "short", 1},
      {0, "", "", "", 1},
      {0, "abcdefghijklmnopqrstuvwxyz", "", "abcdefghijklmnopqrst\nuvwxyz", 2},
      {500, "abcdefghijklmno", "", "abcdefghij\nklmno", 2},
      {0, std::string(40, 'a'), "1. ",
       "1. " + std::string(17, 'a') + "\n   " + std::string(17, 'a') + "\n   " +
           std::string(6, 'a'),
       3},
      {0, "擁壁擁壁擁壁擁壁擁壁擁壁", "", "擁壁擁壁擁壁擁壁擁壁\n擁壁", 2},
  };
  for (const Case& cs : cases) {
    c.SetCurrentX(cs.x);
    int32_t lines = 0;
    EXPECT_EQ(WrapLabelText(c, cs.text, lines, cs.prefix), cs.want) << cs.text;
    EXPECT_EQ(lines, cs.lines) << cs.text;
  }
}

TEST_F(CanvasTest, WidgetScaleIsInTwipsUntilTheScreenSetsOne) {
  CanvasWidget w;
  w.resize(200, 100);
  const double twips = 1440.0 / w.logicalDpiX();  // 15 at 96 dpi
  EXPECT_DOUBLE_EQ(w.canvas().ScaleWidth(), 200 * twips);
  EXPECT_DOUBLE_EQ(w.canvas().ScaleHeight(), 100 * twips);
  w.canvas().SetScale(0, 0, 1000, 1000);
  w.resize(300, 300);
  EXPECT_EQ(w.canvas().ScaleWidth(), 1000);
  EXPECT_EQ(w.canvas().ExtentWidth(), 300);
}

TEST_F(CanvasTest, WidgetReportsMouseInLogicalUnitsAndZooms) {
  CanvasWidget w;
  w.resize(200, 100);
  w.canvas().SetScale(0, 0, 1000, 1000);
  double gotX = -1, gotY = -1;
  int gotButton = 0, gotShift = 0;
  QObject::connect(&w, &CanvasWidget::MouseDown, [&](int b, int s, double x, double y) {
    gotButton = b;
    gotShift = s;
    gotX = x;
    gotY = y;
  });
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 25), QPointF(50, 25), Qt::RightButton,
                    Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
  QApplication::sendEvent(&w, &press);
  EXPECT_EQ(gotButton, 2);
  EXPECT_EQ(gotShift, 5);
  EXPECT_DOUBLE_EQ(gotX, 250);
  EXPECT_DOUBLE_EQ(gotY, 250);

  w.SetZoom(200);  // the drawing doubles; the same point is now nearer the origin
  QApplication::sendEvent(&w, &press);
  EXPECT_DOUBLE_EQ(gotX, 125);
  EXPECT_DOUBLE_EQ(gotY, 125);
  EXPECT_EQ(w.canvas().ExtentWidth(), 200);
}

}  // namespace
}  // namespace norva
