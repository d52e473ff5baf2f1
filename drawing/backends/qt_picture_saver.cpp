#include "drawing/backends/qt_picture_saver.h"

#include <QSaveFile>
#include <QSize>
#include <QString>
#include <cmath>

#include "platform/canvas/canvas_render.h"

namespace norva {

namespace {

// The view box is in quarter twips, so a size is rounded by at most 1/8 twip;
// at 4 x 1440 units an inch the stated size is the surface's exactly.
constexpr double kUnitsPerTwip = 4;
constexpr int kDpi = 1440 * 4;
// Keeps the view box within the integers the SVG writer takes.
constexpr double kLargestTwips = 1e8;

QString Q(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

std::shared_ptr<const ITextMetrics> QtPictureSaver::Metrics() const {
  return QtTextMetrics::Shared();
}

bool QtPictureSaver::SaveSvg(const Canvas& canvas, double widthTwips, double heightTwips,
                             const std::string& path, std::string& reason) {
  if (!(widthTwips > 0 && heightTwips > 0 && widthTwips < kLargestTwips &&
        heightTwips < kLargestTwips)) {
    reason = "the picture size is out of range";
    return false;
  }
  const QSize pixels(static_cast<int>(std::lround(widthTwips * kUnitsPerTwip)),
                     static_cast<int>(std::lround(heightTwips * kUnitsPerTwip)));
  QSaveFile file(Q(path));
  if (!file.open(QIODevice::WriteOnly)) {
    reason = "cannot write " + path + ": " + file.errorString().toStdString();
    return false;
  }
  if (!SaveCanvasSvg(canvas, file, pixels, kDpi)) {
    file.cancelWriting();
    reason = "cannot draw the picture into " + path;
    return false;
  }
  if (!file.commit()) {
    reason = "cannot write " + path + ": " + file.errorString().toStdString();
    return false;
  }
  return true;
}

void RegisterQtPictureSaver() { SetPictureSaver(std::make_shared<QtPictureSaver>()); }

}  // namespace norva
