// Files written through the library's entries with our own writer: the small
// sheet against its hand-written twin, each file through the test reader,
// and the refusals that leave no file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "platform/sxf_common/sxf_common.h"
#include "platform/sxf_common/sxf_model.h"
#include "platform/sxf_common/sxf_records.h"
#include "sxf_writer/sxf_checker.h"
#include "sxf_writer/sxf_checker_support.h"
#include "temp_folder.h"

extern "C" {
int32_t SxfOpenWrite(int32_t, const char*, double, double, double, int32_t, int32_t, const char*,
                     const char*, const char*);
int32_t SxfClose(int32_t);
int32_t SxfGetPopMsg(int32_t, int32_t*, char*);
int32_t SxfSetLayear(int32_t, const char*, int32_t);
int32_t SxfSetColor(int32_t, const char*);
int32_t SxfSetLineType(int32_t, const char*);
int32_t SxfSetLineWidth(int32_t, double);
int32_t SxfSetFont(int32_t, const char*);
int32_t SxfSetSheet(int32_t, const char*, int32_t, int32_t, int32_t, int32_t);
int32_t SxfSetFukugo(int32_t, const char*, int32_t);
int32_t SxfLine(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double);
int32_t SxfPolyLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                    const double*);
int32_t SxfCircle(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double);
int32_t SxfArc(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, int32_t, double,
               double);
int32_t SxfText(int32_t, int32_t, int32_t, int32_t, const char*, double, double, double, double,
                double, double, double, int32_t, int32_t);
int32_t SxfSfigLoc(int32_t, int32_t, const char*, double, double, double, double, double);
int32_t SxfLinearDim(int32_t, int32_t, int32_t, int32_t, int32_t,
                     const norva::sxf::SxfLinearDimRec*);
}

namespace norva {
namespace {

namespace fs = std::filesystem;

std::string Cp932(const std::string& utf8) {
  // The library takes texts in CP932, as the program hands them over.
  return sxf::Utf8ToCp932(utf8);
}

std::string Message(int32_t flag) {
  char buffer[512];
  int32_t number = 0;
  SxfGetPopMsg(flag, &number, buffer);
  std::string utf8;
  sxfcheck::Cp932ToUtf8(buffer, utf8);
  return utf8;
}

void Tables(int32_t flag) {
  ASSERT_EQ(SxfSetColor(flag, "white"), 0);
  ASSERT_EQ(SxfSetLineType(flag, "continuous"), 0);
  ASSERT_EQ(SxfSetLineWidth(flag, 0.25), 0);
  ASSERT_EQ(SxfSetFont(flag, Cp932("ＭＳ ゴシック").c_str()), 0);
  ASSERT_EQ(SxfSetLayear(flag, "D-BGD", 1), 0);
}

// A layer, a line and a text in a drawing group placed on an A4 sheet.
void SmallSheet(int32_t flag, const std::string& path) {
  ASSERT_EQ(SxfOpenWrite(flag, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "unknown", "unknown",
                         Cp932("ノルヴァ Ver.3.0").c_str()),
            0);
  Tables(flag);
  ASSERT_EQ(SxfSetFukugo(flag, "PART", 3), 0);
  ASSERT_EQ(SxfLine(flag, 1, 8, 1, 3, 0, 0, 100, 0), 0);
  ASSERT_EQ(SxfText(flag, 1, 8, 1, Cp932("数量表").c_str(), 10, 20, 5, 15, 0, 0, 0, 7, 1), 0);
  ASSERT_EQ(SxfSetSheet(flag, Cp932("A4 横").c_str(), 4, 1, 297, 210), 0);
  ASSERT_EQ(SxfSfigLoc(flag, 0, "PART", 20, 30, 0, 1, 1), 0);
  ASSERT_EQ(SxfClose(flag), 0) << Message(flag);
}

class SxfFiles : public ::testing::Test {
 protected:
  void SetUp() override { sxf::SetTimeStampForTesting("2026-12-11T09:00:00"); }
  void TearDown() override { sxf::SetTimeStampForTesting(""); }
  test::TempFolder dir_{"norva_sxf"};
};

TEST_F(SxfFiles, SmallSheetMatchesItsHandWrittenFile) {
  for (const char* ext : {"sfc", "p21"}) {
    SCOPED_TRACE(ext);
    const int32_t flag = std::string(ext) == "p21" ? 1 : 0;
    const std::string path = dir_ / (std::string("small.") + ext);
    SmallSheet(flag, path);
    const std::string golden =
        test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/golden/sxf/small_sheet." + ext);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(test::ReadBytes(path), golden);
    // The hand-written file itself passes the reader.
    const sxfcheck::Drawing d = flag ? sxfcheck::ReadP21(golden) : sxfcheck::ReadSfc(golden);
    EXPECT_TRUE(d.errors.empty()) << d.errors.front();
    ASSERT_EQ(d.elements.size(), 2u);
    // Where the group's placement put them on the sheet.
    const sxfcheck::Element& line = d.elements[0];
    EXPECT_EQ(line.kind, "line");
    EXPECT_EQ(line.xs, std::vector<double>({20, 120}));
    EXPECT_EQ(line.ys, std::vector<double>({30, 30}));
    EXPECT_EQ(line.layer, "D-BGD");
    EXPECT_EQ(line.colour, "white");
    EXPECT_DOUBLE_EQ(line.width, 0.25);
    EXPECT_EQ(d.elements[1].text, "数量表");
    EXPECT_EQ(d.elements[1].xs, std::vector<double>({30}));
    EXPECT_EQ(d.sheetName, "A4 横");
    // No temporary file is left beside it.
    for (const auto& e : fs::directory_iterator(dir_.path()))
      EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
  }
}

TEST_F(SxfFiles, GroupsAreWrittenAtTheOriginWithTheirMembersMoved) {
  // A group inside a group, each placed with an offset and the inner one
  // turned by 90 degrees and doubled: the reader finds the members where the
  // placements put them and the checker accepts every group at the origin.
  const std::string path = dir_ / "nested.sfc";
  ASSERT_EQ(SxfOpenWrite(0, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
  Tables(0);
  SxfSetFukugo(0, "INNER", 3);
  SxfLine(0, 1, 8, 1, 3, 1, 0, 2, 0);
  SxfCircle(0, 1, 8, 1, 3, 1, 0, 0.5);
  SxfSetFukugo(0, "OUTER", 3);
  ASSERT_EQ(SxfSfigLoc(0, 0, "INNER", 10, 0, 90, 2, 2), 0);
  SxfSetSheet(0, "S", 3, 1, 0, 0);
  ASSERT_EQ(SxfSfigLoc(0, 0, "OUTER", 100, 50, 0, 1, 1), 0);
  ASSERT_EQ(SxfClose(0), 0) << Message(0);
  const sxfcheck::Drawing d = sxfcheck::ReadSfc(test::ReadBytes(path));
  ASSERT_TRUE(d.errors.empty()) << d.errors.front();
  ASSERT_EQ(d.elements.size(), 2u);
  // (1,0) doubled is (2,0), turned is (0,2), moved by (10,0) then (100,50).
  EXPECT_NEAR(d.elements[0].xs[0], 110, 1e-9);
  EXPECT_NEAR(d.elements[0].ys[0], 52, 1e-9);
  EXPECT_NEAR(d.elements[0].xs[1], 110, 1e-9);
  EXPECT_NEAR(d.elements[0].ys[1], 54, 1e-9);
  EXPECT_NEAR(d.elements[1].radius, 1.0, 1e-9);
  EXPECT_EQ(d.paperX, 420);
  EXPECT_EQ(d.paperY, 297);
}

TEST_F(SxfFiles, RefusedCallsLeaveAMessageAndNoFile) {
  struct Case {
    const char* name;
    int32_t (*call)();
    const char* message;  // a part of the message
  };
  const Case cases[] = {
      {"unknown colour", [] { return SxfSetColor(0, "purple"); }, "purple"},
      {"undefined layer code", [] { return SxfLine(0, 7, 8, 1, 3, 0, 0, 1, 1); }, "レイヤコード7"},
      {"undefined colour code", [] { return SxfLine(0, 1, 2, 1, 3, 0, 0, 1, 1); }, "色コード2"},
      {"apostrophe", [] { return SxfText(0, 1, 8, 1, "it's", 0, 0, 5, 5, 0, 0, 0, 7, 1); },
       "アポストロフィ"},
      {"control character", [] { return SxfText(0, 1, 8, 1, "a\tb", 0, 0, 5, 5, 0, 0, 0, 7, 1); },
       "制御文字"},
      {"slant", [] { return SxfText(0, 1, 8, 1, "a", 0, 0, 5, 5, 0, 0, 86, 7, 1); }, "斜体角"},
      {"base point", [] { return SxfText(0, 1, 8, 1, "a", 0, 0, 5, 5, 0, 0, 0, 0, 1); },
       "文字配置基点"},
      {"not finite", [] { return SxfLine(0, 1, 8, 1, 3, 0, 0, 1.0 / 0.0, 1); }, "座標"},
      {"one point",
       [] {
         const double x[1] = {0};
         return SxfPolyLine(0, 1, 8, 1, 3, 1, x, x);
       },
       "2点以上"},
      {"placement of an undefined figure", [] { return SxfSfigLoc(0, 0, "NONE", 0, 0, 0, 1, 1); },
       "NONE"},
      {"radius", [] { return SxfCircle(0, 1, 8, 1, 3, 0, 0, 0); }, "半径"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir_ / "refused.sfc";
    ASSERT_EQ(SxfOpenWrite(0, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
    Tables(0);
    SxfSetFukugo(0, "G", 3);
    SxfLine(0, 1, 8, 1, 3, 0, 0, 1, 1);
    EXPECT_LT(c.call(), 0);
    EXPECT_NE(Message(0).find(c.message), std::string::npos) << Message(0);
    SxfSetSheet(0, "S", 3, 1, 0, 0);
    SxfSfigLoc(0, 0, "G", 0, 0, 0, 1, 1);
    // A file without what was asked for is not written at all.
    EXPECT_LT(SxfClose(0), 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(dir_.path()));
  }
}

TEST_F(SxfFiles, CallsOutsideAnOpenFileAreRefused) {
  EXPECT_LT(SxfSetColor(0, "white"), 0);
  EXPECT_NE(Message(0).find("開かれていません"), std::string::npos);
  EXPECT_LT(SxfClose(1), 0);
  EXPECT_NE(Message(1).find("開かれていません"), std::string::npos);
  // A feature before any figure or sheet.
  const std::string path = dir_ / "early.sfc";
  ASSERT_EQ(SxfOpenWrite(0, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
  Tables(0);
  EXPECT_LT(SxfLine(0, 1, 8, 1, 3, 0, 0, 1, 1), 0);
  EXPECT_LT(SxfClose(0), 0);
  // A figure never placed.
  ASSERT_EQ(SxfOpenWrite(0, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
  Tables(0);
  SxfSetFukugo(0, "LOST", 3);
  SxfLine(0, 1, 8, 1, 3, 0, 0, 1, 1);
  SxfSetSheet(0, "S", 3, 1, 0, 0);
  EXPECT_LT(SxfClose(0), 0);
  EXPECT_NE(Message(0).find("LOST"), std::string::npos);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(SxfFiles, AnUnwritableFolderIsRefusedAtOpenAndAnOlderFileSurvivesAFailure) {
  EXPECT_LT(SxfOpenWrite(0, (dir_ / "missing/a.sfc").c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"),
            0);
  EXPECT_NE(Message(0).find("作成できません"), std::string::npos);

  const std::string path = dir_ / "old.sfc";
  { std::ofstream(path) << "older"; }
  ASSERT_EQ(SxfOpenWrite(0, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
  Tables(0);
  SxfSetFukugo(0, "G", 3);
  SxfSetSheet(0, "S", 3, 1, 0, 0);
  EXPECT_LT(SxfClose(0), 0);  // G never placed
  EXPECT_EQ(test::ReadBytes(path), "older");
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir_.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);

  // A completed file replaces it.
  SmallSheet(0, path);
  EXPECT_EQ(test::ReadBytes(path).rfind("ISO-10303-21;", 0), 0u);
}

TEST_F(SxfFiles, AngleApostropheAndLongTextAtTheEdges) {
  for (int32_t flag : {0, 1}) {
    SCOPED_TRACE(flag ? "p21" : "sfc");
    const std::string path = dir_ / (flag ? "edges.p21" : "edges.sfc");
    // 128 double-byte characters are 256 bytes: accepted; one more is not;
    // an apostrophe is refused in both forms. Each refusal keeps the file
    // from being written.
    std::string longest;
    for (int i = 0; i < 128; ++i) longest += Cp932("擁");
    for (const std::string& refused : {longest + "a", std::string("it's")}) {
      ASSERT_EQ(SxfOpenWrite(flag, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
      Tables(flag);
      SxfSetSheet(flag, "S", 3, 1, 0, 0);
      ASSERT_EQ(SxfText(flag, 1, 8, 1, longest.c_str(), 0, 0, 5, 5, 0, 0, 0, 7, 1), 0);
      EXPECT_LT(SxfText(flag, 1, 8, 1, refused.c_str(), 0, 0, 5, 5, 0, 0, 0, 7, 1), 0);
      EXPECT_FALSE(Message(flag).empty());
      EXPECT_LT(SxfClose(flag), 0);
      EXPECT_FALSE(fs::exists(path));
    }

    ASSERT_EQ(SxfOpenWrite(flag, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
    Tables(flag);
    SxfSetSheet(flag, "S", 3, 1, 0, 0);
    // A negative angle is written within 0..360, and one that would round to 360 as 0.
    SxfText(flag, 1, 8, 1, "a", 0, 0, 5, 5, 0, -90, 0, 7, 1);
    SxfText(flag, 1, 8, 1, "b", 0, 0, 5, 5, 0, -1e-9, 0, 7, 1);
    SxfText(flag, 1, 8, 1, longest.c_str(), 0, 0, 5, 5, 0, 0, 0, 7, 1);
    ASSERT_EQ(SxfClose(flag), 0) << Message(flag);
    const std::string bytes = test::ReadBytes(path);
    const sxfcheck::Drawing d = flag ? sxfcheck::ReadP21(bytes) : sxfcheck::ReadSfc(bytes);
    ASSERT_TRUE(d.errors.empty()) << d.errors.front();
    ASSERT_EQ(d.elements.size(), 3u);
    EXPECT_NEAR(d.elements[0].angle, 270, 1e-9);
    EXPECT_DOUBLE_EQ(d.elements[1].angle, 0);
    EXPECT_EQ(d.elements[2].text.size(), 128u * 3);  // 擁 is three UTF-8 bytes
  }
}

TEST_F(SxfFiles, LinesOfNoPrintedLengthAreLeftOutAndDimensionsRefused) {
  // Coordinates are written to a millionth of a millimetre: a line shorter than
  // that would read back as a point, which has no direction in P21.
  for (int32_t flag : {0, 1}) {
    SCOPED_TRACE(flag ? "p21" : "sfc");
    const std::string path = dir_ / (flag ? "short.p21" : "short.sfc");
    // With a dimension line of no printed length the whole file is refused.
    for (bool withDimension : {true, false}) {
      ASSERT_EQ(SxfOpenWrite(flag, path.c_str(), 1e-4, 1e-4, 0, 2, 2, "a", "b", "c"), 0);
      Tables(flag);
      SxfSetSheet(flag, "S", 3, 1, 0, 0);
      ASSERT_EQ(SxfLine(flag, 1, 8, 1, 3, 10, 20, 10 + 4e-7, 20 - 4e-7), 0);
      ASSERT_EQ(SxfLine(flag, 1, 8, 1, 3, 10, 20, 10.000001, 20), 0);
      if (!withDimension) break;
      sxf::SxfLinearDimRec dim{};
      dim.sx = dim.sy = dim.ey = 5;
      dim.ex = 5 + 3e-7;
      EXPECT_LT(SxfLinearDim(flag, 1, 8, 1, 3, &dim), 0);
      EXPECT_FALSE(Message(flag).empty());
      EXPECT_LT(SxfClose(flag), 0);
      EXPECT_FALSE(fs::exists(path));
    }
    ASSERT_EQ(SxfClose(flag), 0) << Message(flag);
    const std::string bytes = test::ReadBytes(path);
    const sxfcheck::Drawing d = flag ? sxfcheck::ReadP21(bytes) : sxfcheck::ReadSfc(bytes);
    ASSERT_TRUE(d.errors.empty()) << d.errors.front();
    ASSERT_EQ(d.elements.size(), 1u);
    EXPECT_EQ(d.elements[0].xs, std::vector<double>({10, 10.000001}));
  }
}

}  // namespace
}  // namespace norva
