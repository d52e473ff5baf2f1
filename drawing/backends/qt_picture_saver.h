#pragma once
// The program's saver of report pictures (drawing/base/report_picture.h):
// SVG files through the canvas renderer, texts measured with the real fonts.
#include <memory>
#include <string>

#include "drawing/base/report_picture.h"

namespace norva {

class QtPictureSaver : public IPictureSaver {
 public:
  std::shared_ptr<const ITextMetrics> Metrics() const override;
  // The file is written beside its final name and renamed over it only when
  // complete, so a failure leaves whatever was at path before. The view box
  // is in quarter twips; the size states the picture in mm exactly.
  bool SaveSvg(const Canvas& canvas, double widthTwips, double heightTwips, const std::string& path,
               std::string& reason) override;
};

// Registers a QtPictureSaver as the program's picture saver (at start-up).
void RegisterQtPictureSaver();

}  // namespace norva
