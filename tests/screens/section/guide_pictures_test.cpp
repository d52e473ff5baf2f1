// The shipped guide pictures: one for every name the file rule gives, each
// the generator's output, each marked label inside the rectangle the screen
// highlights. NORVA_WRITE_GUIDES=<folder> writes the pictures anew;
// NORVA_GUIDE_SHEET=<file.png> renders all of them with their rectangles
// into one contact sheet for a person to look at.
#include "screens/section/guide_pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "guide_picture_gen.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

const std::filesystem::path kDir = std::filesystem::path(NORVA_SOURCE_DIR) / "resources/resource";

using test::ReadBytes;

TEST(GuidePictures, EveryNameOfValidInputsIsShipped) {
  const auto names = AllGuideFileNames();
  EXPECT_EQ(names.size(), 64u);
  for (const std::string& n : names) EXPECT_TRUE(std::filesystem::exists(kDir / n)) << n;
}

TEST(GuidePictures, ShippedFilesAreTheGeneratorsOutput) {
  const char* out = std::getenv("NORVA_WRITE_GUIDES");
  for (const std::string& n : AllGuideFileNames()) {
    const std::string svg = guide::GuidePictureSvg(guide::VariantOf(n));
    if (out && *out) {
      std::ofstream(std::filesystem::path(out) / n, std::ios::binary) << svg;
      continue;
    }
    EXPECT_EQ(ReadBytes(kDir / n), svg) << n << " differs from the generator";
  }
}

// The text elements of the file: start, baseline and text.
struct TextAt {
  double x = 0;
  double y = 0;
  std::string text;
};
std::vector<TextAt> Texts(const std::string& svg) {
  static const std::regex re(R"re(<text x="([-0-9.]+)" y="([-0-9.]+)"[^>]*>([^<]*)</text>)re");
  std::vector<TextAt> out;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), re); it != std::sregex_iterator();
       ++it)
    out.push_back({std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
  return out;
}

TEST(GuidePictures, EachMarkedLabelLiesInsideItsRectangle) {
  for (const std::string& n : AllGuideFileNames()) {
    const std::vector<TextAt> texts = Texts(ReadBytes(kDir / n));
    for (const guide::Label& l : guide::MarkedLabels(guide::VariantOf(n))) {
      // Its start and baseline inside, and its body (a cap height above the
      // baseline) too.
      const std::string main = l.text.substr(0, l.text.find('_'));
      const HanRect& r = l.rect;
      bool inside = false;
      for (const TextAt& t : texts)
        inside = inside || (t.text == main && t.x >= r.Left && t.x <= r.Left + r.Width &&
                            t.y <= r.Top + r.Height && t.y - 120 >= r.Top);
      EXPECT_TRUE(inside) << n << ": " << l.text;
    }
  }
}

TEST(GuidePictures, ContactSheetWithEveryRectangle) {
  const char* sheet = std::getenv("NORVA_GUIDE_SHEET");
  if (!sheet || !*sheet) GTEST_SKIP() << "NORVA_GUIDE_SHEET not set";
  test::App();
  const auto names = AllGuideFileNames();
  const int cols = 8, w = 430, h = 500, caption = 18;
  const int rows = (static_cast<int>(names.size()) + cols - 1) / cols;
  QImage img(cols * w, rows * (h + caption), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  for (size_t i = 0; i < names.size(); ++i) {
    const int cx = static_cast<int>(i % cols) * w, cy = static_cast<int>(i / cols) * (h + caption);
    QSvgRenderer r(QString::fromStdString((kDir / names[i]).string()));
    r.render(&p, QRectF(cx, cy + caption, w, h));
    p.setPen(Qt::black);
    p.drawText(QRect(cx, cy, w, caption), Qt::AlignCenter, QString::fromStdString(names[i]));
    p.setPen(QPen(QColor(230, 0, 0), 1));
    for (const guide::Label& l : guide::MarkedLabels(guide::VariantOf(names[i])))
      p.drawRect(QRectF(cx + l.rect.Left / 15.0, cy + caption + l.rect.Top / 15.0,
                        l.rect.Width / 15.0, l.rect.Height / 15.0));
    p.setPen(QColor(160, 160, 160));
    p.drawRect(QRect(cx, cy + caption, w - 1, h - 1));
  }
  p.end();
  EXPECT_TRUE(img.save(QString::fromLocal8Bit(sheet)));
}

}  // namespace
}  // namespace norva
