// The report-picture surface with a recording saver: a fresh surface of the
// picture's own size in twips, and saves that succeed or fail with a reason.
#include "drawing/base/report_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace norva {
namespace {

// Registers a recorder for the length of a test and takes it away after.
struct WithRecorder {
  std::shared_ptr<RecordingPictureSaver> saver = std::make_shared<RecordingPictureSaver>();
  std::shared_ptr<IPictureSaver> before = PictureSaver();
  WithRecorder() { SetPictureSaver(saver); }
  ~WithRecorder() { SetPictureSaver(before); }
};

TEST(ReportPicture, EachPictureStartsOnAFreshSurfaceOfItsOwnSize) {
  WithRecorder rec;
  ReportPicture first(4252.5, 4677.75);  // 75 mm wide, 1.1 times as high
  EXPECT_EQ(first.canvas().ScaleWidth(), 4252.5);
  EXPECT_EQ(first.canvas().ScaleHeight(), 4677.75);
  EXPECT_EQ(first.canvas().ScaleLeft(), 0);
  EXPECT_EQ(first.canvas().ScaleTop(), 0);
  EXPECT_EQ(first.canvas().Zoom(), 100);
  EXPECT_EQ(first.Draw().GetCanvas(), &first.canvas());
  EXPECT_EQ(first.Draw().Width(), 4252);  // stated, half to even
  EXPECT_EQ(first.Draw().Height(), 4678);
  double l = -1, t = -1, r = -1, b = -1;
  first.Draw().GetDrawAreaRect(l, t, r, b);
  EXPECT_EQ(r, 4252.5);
  EXPECT_EQ(b, 4677.75);
  // Measured with the saver's metrics, one logical unit a twip both ways.
  first.Draw().SetFontSize(170);
  EXPECT_DOUBLE_EQ(first.Draw().TextWidth("250"), 255);
  first.Draw().SetPenColor(0xFF0000);
  first.Draw().DrawLine(0, 0, 100, 100, false);

  ReportPicture second(2000, 1000);
  EXPECT_TRUE(second.canvas().Ops().empty());
  EXPECT_EQ(second.canvas().Style().penColor, 0u);
  EXPECT_EQ(second.canvas().ScaleWidth(), 2000);
  EXPECT_EQ(second.canvas().ScaleHeight(), 1000);
}

TEST(ReportPicture, SaveHandsTheWholePictureToTheSaver) {
  WithRecorder rec;
  ReportPicture pic(7087.5, 3543.75);
  pic.Draw().DrawLine(10, 20, 30, 40, false);
  pic.Draw().DrawText(50, 60, "2000");
  std::string why = "stale";
  ASSERT_TRUE(pic.SaveSvg("/work/fig1.svg", &why));
  EXPECT_EQ(why, "");
  ASSERT_EQ(rec.saver->saved.size(), 1u);
  const RecordingPictureSaver::Saved& s = rec.saver->saved[0];
  EXPECT_EQ(s.path, "/work/fig1.svg");
  EXPECT_EQ(s.widthTwips, 7087.5);
  EXPECT_EQ(s.heightTwips, 3543.75);
  EXPECT_EQ(s.scaleWidth, 7087.5);
  EXPECT_EQ(s.scaleHeight, 3543.75);
  ASSERT_EQ(s.ops.size(), 2u);
  EXPECT_EQ(s.ops[1].text, "2000");
}

TEST(ReportPicture, FailedSavesSayWhy) {
  std::string why;
  {
    SCOPED_TRACE("no saver registered");
    const auto before = PictureSaver();
    SetPictureSaver(nullptr);
    ReportPicture pic(1000, 1000);
    EXPECT_FALSE(pic.SaveSvg("/work/a.svg", &why));
    EXPECT_EQ(why, "no picture saver is registered");
    SetPictureSaver(before);
  }
  WithRecorder rec;
  const struct {
    const char* name;
    double w, h;
    const char* path;
    const char* failWith;
    const char* reason;
  } rows[] = {
      {"no file name", 1000, 1000, "", "", "the picture has no file name"},
      {"no width", 0, 1000, "/work/a.svg", "", "the picture has no size"},
      {"negative height", 1000, -5, "/work/a.svg", "", "the picture has no size"},
      {"not a number", 1000, std::nan(""), "/work/a.svg", "", "the picture has no size"},
      {"the saver fails", 1000, 1000, "/work/a.svg", "disk full", "disk full"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    rec.saver->failWith = r.failWith;
    ReportPicture pic(r.w, r.h);
    EXPECT_FALSE(pic.SaveSvg(r.path, &why));
    EXPECT_EQ(why, r.reason);
    EXPECT_FALSE(pic.SaveSvg(r.path));  // the reason is optional
  }
  EXPECT_TRUE(rec.saver->saved.empty());
}

}  // namespace
}  // namespace norva
