#pragma once
// Report pictures: a figure of a report chapter is drawn on a surface of its
// own and saved as an SVG file in the work folder, which an "img" line of the
// report markup then names.
//
//   ReportPicture pic(4252.5, 4252.5 * 1.1);     // size in twips
//   cDraw& d = pic.Draw();                       // Width/Height already stated
//   d.MarginSet(3, 3, 3, 3);  ...draw...
//   std::string why;
//   if (!pic.SaveSvg(workFolder + "/figure1.svg", &why)) { ...tell the user why... }
//
// The surface: logical units are twips (1 unit = 1 twip), origin at the top
// left, y down, ScaleWidth x ScaleHeight = the picture's size, zoom 100.
// Every picture starts empty, so nothing an earlier picture drew can show.
// Texts are measured with the metrics of the registered saver (the real
// fonts in the program), so what the figures measure is what the file shows.
//
// The file: the SVG's width and height state the picture's size in
// millimetres, twips x 25.4 / 1440, and its drawing fills them. The report
// renderer takes that as the picture's natural size, so a picture placed at
// 50 % is half the surface on the page (125 x 62.5 mm becomes 62.5 x 31.25).
//
// Saving goes through the IPictureSaver that the program registers at
// start-up (the Qt one, drawing/backends/qt_picture_saver.h); core tests
// register a RecordingPictureSaver. The core never writes the file itself.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"
#include "drawing/base/cdraw.h"

namespace norva {

class IPictureSaver {
 public:
  virtual ~IPictureSaver() = default;
  // The metrics the pictures' texts are measured with.
  virtual std::shared_ptr<const ITextMetrics> Metrics() const = 0;
  // Writes the canvas (its whole logical space) as an SVG file at path, whose
  // width and height are widthTwips and heightTwips in mm (x 25.4 / 1440).
  // True when the complete file is in place. False with a reason when not;
  // then nothing at path has changed (an earlier file there stays) and no
  // partial file is left behind.
  virtual bool SaveSvg(const Canvas& canvas, double widthTwips, double heightTwips,
                       const std::string& path, std::string& reason) = 0;
};

// The saver of the program; null until one is registered. Registering
// replaces the previous one; null unregisters.
void SetPictureSaver(std::shared_ptr<IPictureSaver> saver);
std::shared_ptr<IPictureSaver> PictureSaver();

class ReportPicture {
 public:
  // A fresh, empty surface of widthTwips x heightTwips with a cDraw on it
  // (Width and Height stated, margins 0, mapping 0). A size that is not a
  // positive finite number gives a picture that cannot be saved.
  ReportPicture(double widthTwips, double heightTwips);
  ReportPicture(const ReportPicture&) = delete;
  ReportPicture& operator=(const ReportPicture&) = delete;

  cDraw& Draw() { return draw_; }
  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  double WidthTwips() const { return width_; }
  double HeightTwips() const { return height_; }

  // Saves the picture as SVG at path (a full path, in the work folder). True
  // when written. False, with the reason in *reason when given, when no saver
  // is registered, the path is empty, the size is not positive, or the saver
  // fails; nothing at path changes then.
  bool SaveSvg(const std::string& path, std::string* reason = nullptr) const;

 private:
  double width_;
  double height_;
  Canvas canvas_;
  cDraw draw_;
};

// A saver for tests: keeps what each save was given instead of writing a
// file. With failWith set every save fails with that reason and keeps nothing.
class RecordingPictureSaver : public IPictureSaver {
 public:
  struct Saved {
    std::string path;
    double widthTwips = 0;
    double heightTwips = 0;
    double scaleWidth = 0;
    double scaleHeight = 0;
    std::vector<CanvasOp> ops;
  };

  std::shared_ptr<const ITextMetrics> Metrics() const override { return metrics; }
  bool SaveSvg(const Canvas& canvas, double widthTwips, double heightTwips, const std::string& path,
               std::string& reason) override;

  std::vector<Saved> saved;
  std::string failWith;
  std::shared_ptr<const ITextMetrics> metrics = std::make_shared<FixedTextMetrics>();
};

}  // namespace norva
