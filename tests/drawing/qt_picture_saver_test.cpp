// Report pictures saved by the program's saver: the SVG states the picture's
// size, its texts are as wide as the figures measured them, and the report
// renderer places a picture at 50 % as half the surface on the page.
#include "drawing/backends/qt_picture_saver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "drawing/base/cdraw.h"
#include "drawing/base/report_picture.h"
#include "drawing/base/sunpousen.h"
#include "platform/canvas/canvas_render.h"
#include "platform/qt/qt_test_support.h"
#include "renderer/external_tools.h"
#include "renderer/printer_settings.h"
#include "text/cp932.h"

namespace norva {
namespace {

constexpr double kMmPerTwip = 25.4 / 1440;
// The picture: 125 x 62.5 mm in the program's millimetres (56.7 twips each).
constexpr double kWidth = 125 * 56.7;    // 7087.5 twips
constexpr double kHeight = 62.5 * 56.7;  // 3543.75 twips
constexpr uint32_t kPale = 0xD0FFD0;     // &HBBGGRR: pale green background
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

class QtPictureSaverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    before_ = PictureSaver();
    RegisterQtPictureSaver();
    ASSERT_TRUE(dir_.isValid());
  }
  void TearDown() override {
    SetPictureSaver(before_);
    // The pictures stay for a look when the test failed.
    if (HasFailure()) dir_.setAutoRemove(false);
  }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

  QTemporaryDir dir_;
  std::shared_ptr<IPictureSaver> before_;
};

// A 2.0 x 0.8 m box at 2000 twips a metre, dimensioned above, below and on
// the right, on a pale background that covers the whole picture. The width
// text "2000" is red and the label "擁壁の断面" blue, so both can be found.
struct BoxTexts {
  std::string red = "2000", blue = "擁壁の断面";
  double redSize = 0, blueSize = 0;  // em heights, twips
};
BoxTexts DrawDimensionedBox(ReportPicture& pic) {
  cDraw& d = pic.Draw();
  const std::vector<double> bx{0, kWidth, kWidth, 0}, by{0, 0, kHeight, kHeight};
  d.SetPenStyle(5);
  d.SetBrushStyle(0);
  d.SetBrushColor(kPale);
  d.Polygon(4, bx, by, false);
  d.SetPenStyle(0);
  d.SetBrushStyle(1);
  d.SetPenWidth(0.25);
  d.MarginSet(3, 3, 3, 3);
  d.SetScX(2000);
  d.SetScY(2000);
  d.SetXoo(1500);
  d.SetYoo(2800);
  d.Polygon(4, std::vector<double>{0, 2, 2, 0}, std::vector<double>{0, 0, 0.8, 0.8}, true);
  d.SetPenWidth(0);

  Sunpousen s;
  s.SetDrawObject(d);
  s.SetKihonMojiH(170.1);
  s.SetLineColor(0);
  s.SetTextColor(kRed);
  int32_t ns = 1;
  std::vector<std::string> top{"", Sunpousen::SunpouMoji(2000)};
  s.HSunp(ns, std::vector<double>{d.GetX(0), d.GetX(2)},
          std::vector<double>{d.GetY(0.8), d.GetY(0.8)}, d.GetY(0.8) - 450, "UU", top);
  s.SetTextColor(0);
  ns = 2;
  std::vector<std::string> bottom{"", "500", "1500"};
  s.HSunp(ns, std::vector<double>{d.GetX(0), d.GetX(0.5), d.GetX(2)},
          std::vector<double>{d.GetY(0), d.GetY(0), d.GetY(0)}, d.GetY(0) + 450, "LL", bottom);
  ns = 1;
  std::vector<double> vx{d.GetX(2), d.GetX(2)}, vy{d.GetY(0), d.GetY(0.8)};
  std::vector<std::string> right{"", "800"};
  s.VSunp(ns, vx, vy, d.GetX(2) + 450, "RR", right);

  d.SetFontSize(200);
  d.SetTextColor(kBlue);
  d.DrawText(d.GetX(0.2), d.GetY(0.6), "擁壁の断面");
  BoxTexts t;
  t.redSize = s.MojiH();
  t.blueSize = 200;
  return t;
}

// The SVG rendered as the report's reader would, at 10 pixels a millimetre.
QImage RenderSvg(const QString& path) {
  QSvgRenderer svg(path);
  QImage img(1250, 625, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  svg.render(&p, QRectF(0, 0, img.width(), img.height()));
  return img;
}

QRect InkOf(const QImage& img, const std::function<bool(QRgb)>& is) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (is(img.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// Ink width of a text in twips: its advance less the bearings of its ends.
double InkWidthTwips(const std::string& text, double emTwips) {
  CanvasFont font{"ＭＳ ゴシック", emTwips, false, false};
  const QFontMetricsF fm(MappedFont(font, 100));
  const QString q = QString::fromStdString(text);
  const double k = emTwips / 100;
  return QtTextMetrics().TextWidth(font, text) - fm.leftBearing(q.front()) * k -
         fm.rightBearing(q.back()) * k;
}

TEST_F(QtPictureSaverTest, SvgStatesThePictureSizeInMillimetres) {
  ReportPicture pic(kWidth, kHeight);
  DrawDimensionedBox(pic);
  std::string why;
  const std::string path = Path("box.svg");
  ASSERT_TRUE(pic.SaveSvg(path, &why)) << why;
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString head = QString::fromUtf8(f.read(400));
  const QRegularExpression size(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""));
  const auto m = size.match(head);
  ASSERT_TRUE(m.hasMatch()) << head.toStdString();
  EXPECT_NEAR(m.captured(1).toDouble(), 125.015625, 1e-3);  // 7087.5 * 25.4 / 1440
  EXPECT_NEAR(m.captured(2).toDouble(), 62.5078125, 1e-3);  // 3543.75 * 25.4 / 1440
  EXPECT_TRUE(head.contains(QStringLiteral("viewBox=\"0 0 28350 14175\""))) << head.toStdString();
  // Nothing but the picture in the folder.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("box.svg")});
}

TEST_F(QtPictureSaverTest, FailedSaveLeavesNothingBehind) {
  ReportPicture pic(1000, 1000);
  std::string why;
  const std::string missing = Path("no/such/folder/a.svg");
  EXPECT_FALSE(pic.SaveSvg(missing, &why));
  EXPECT_NE(why.find(missing), std::string::npos) << why;
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));

  // A folder where the file should go stays a folder, with nothing beside it.
  const std::string taken = Path("taken.svg");
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(taken)));
  EXPECT_FALSE(pic.SaveSvg(taken, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(QFileInfo(QString::fromStdString(taken)).isDir());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("taken.svg")});

  // A picture saved over an earlier one replaces it whole.
  const std::string again = Path("again.svg");
  std::ofstream(again) << "old";
  ASSERT_TRUE(pic.SaveSvg(again, &why)) << why;
  QFile f(QString::fromStdString(again));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith("<?xml"));
}

TEST_F(QtPictureSaverTest, TextsAreAsWideAsTheFiguresMeasuredThem) {
  ReportPicture pic(kWidth, kHeight);
  const BoxTexts t = DrawDimensionedBox(pic);
  // The figures measure with the real fonts: the red text is 4 half-width digits.
  pic.Draw().SetFontSize(t.redSize);
  const double measured = pic.Draw().TextWidth(t.red);
  EXPECT_NEAR(measured, 2 * t.redSize, 1);

  const QString svg = QString::fromStdString(Path("box.svg"));
  ASSERT_TRUE(pic.SaveSvg(svg.toStdString()));
  const QImage img = RenderSvg(svg);
  img.save(QString::fromStdString(Path("box.png")));

  const double pxPerTwip = 10 * kMmPerTwip;
  // Half-covered edge pixels count: the tint of the text outweighs the green.
  const QRect red = InkOf(img, [](QRgb c) { return qRed(c) - qGreen(c) > 20; });
  const QRect blue = InkOf(img, [](QRgb c) { return qBlue(c) - qGreen(c) > 20; });
  ASSERT_FALSE(red.isEmpty());
  ASSERT_FALSE(blue.isEmpty());
  EXPECT_NEAR(red.width(), InkWidthTwips(t.red, t.redSize) * pxPerTwip, 1);
  EXPECT_NEAR(blue.width(), InkWidthTwips(t.blue, t.blueSize) * pxPerTwip, 1);
}

using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                const void*);

TEST_F(QtPictureSaverTest, RendererPlacesAPictureAtFiftyPercentAsHalfItsSize) {
  ReportPicture pic(kWidth, kHeight);
  DrawDimensionedBox(pic);
  const std::string svg = Path("box.svg");
  ASSERT_TRUE(pic.SaveSvg(svg));

  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
  const auto doPreview = reinterpret_cast<DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);
  const std::string style = Path("style.dat");
  std::ofstream(style, std::ios::binary) << Utf8ToCp932(
      "$page\r\n{\r\n    marginTop:20mm;\r\n    marginBottom:20mm;\r\n    marginLeft:20mm;\r\n"
      "    marginRight:20mm;\r\n    fontName:ＭＳ 明朝;\r\n    fontSize:10.5;\r\n"
      "    lineSpacing:120;\r\n}\r\n");
  const std::string markup = Utf8ToCp932("<html><body>\r\n図-1<br>\r\n<img src=\"" + svg +
                                         "\" width=50% height=50%>\r\n</body></html>\r\n");
  const std::string pdf = Path("report.pdf");
  PrinterSettingsRec printer{};
  printer.DeviceName = pdf.c_str();
  printer.Orientation = 1;
  doPreview(0, 0, markup.c_str(), style.c_str(), dir_.path().toStdString().c_str(), &printer);
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));

  // The upper half of the first page at 600 dpi.
  const QString prefix = dir_.filePath(QStringLiteral("page"));
  const QStringList args{"-r",  "600", "-f", "1",    "-l",   "1",
                         "-y",  "0",   "-H", "3500", "-png", QString::fromStdString(pdf),
                         prefix};
  RunTool(QStringLiteral("pdftoppm"), args);
  const QImage page(prefix + QStringLiteral("-1.png"));
  ASSERT_FALSE(page.isNull());
  const QRect placed = InkOf(page, [](QRgb c) {
    return qGreen(c) > 235 && qRed(c) < 232 && qBlue(c) < 232;  // the pale background
  });
  const double mmPerPx = 25.4 / 600;
  EXPECT_NEAR(placed.width() * mmPerPx, 62.5, 0.1);
  EXPECT_NEAR(placed.height() * mmPerPx, 31.25, 0.1);
}

}  // namespace
}  // namespace norva
