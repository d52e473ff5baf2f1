#include "drawing/base/report_picture.h"

#include <cmath>
#include <utility>

namespace norva {

namespace {

std::shared_ptr<IPictureSaver>& Registered() {
  static std::shared_ptr<IPictureSaver> saver;
  return saver;
}

bool PositiveSize(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

void SetPictureSaver(std::shared_ptr<IPictureSaver> saver) { Registered() = std::move(saver); }

std::shared_ptr<IPictureSaver> PictureSaver() { return Registered(); }

ReportPicture::ReportPicture(double widthTwips, double heightTwips)
    : width_(widthTwips), height_(heightTwips) {
  if (PositiveSize(width_) && PositiveSize(height_)) {
    canvas_.SetScale(0, 0, width_, height_);
    canvas_.SetExtent(width_, height_);
  }
  if (const auto saver = PictureSaver()) canvas_.SetMetrics(saver->Metrics());
  draw_.SetCanvas(&canvas_);
  draw_.SetWidth(width_);
  draw_.SetHeight(height_);
}

bool ReportPicture::SaveSvg(const std::string& path, std::string* reason) const {
  std::string why;
  const auto saver = PictureSaver();
  bool ok = false;
  if (!saver)
    why = "no picture saver is registered";
  else if (path.empty())
    why = "the picture has no file name";
  else if (!PositiveSize(width_) || !PositiveSize(height_))
    why = "the picture has no size";
  else
    ok = saver->SaveSvg(canvas_, width_, height_, path, why);
  if (!ok && why.empty()) why = "the picture could not be saved";
  if (reason) *reason = ok ? std::string() : why;
  return ok;
}

bool RecordingPictureSaver::SaveSvg(const Canvas& canvas, double widthTwips, double heightTwips,
                                    const std::string& path, std::string& reason) {
  if (!failWith.empty()) {
    reason = failWith;
    return false;
  }
  saved.push_back(
      {path, widthTwips, heightTwips, canvas.ScaleWidth(), canvas.ScaleHeight(), canvas.Ops()});
  return true;
}

}  // namespace norva
