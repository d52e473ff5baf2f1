// The library's entries with recorders in place of the two file-writer
// families: which family a flag reaches, what the records hold, what is
// copied, the text bound and the message copy.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/sxf_common/sxf_records.h"
#include "sxf_writer/sorvel.h"

extern "C" {
int32_t SxfOpenWrite(int32_t, const char*, double, double, double, int32_t, int32_t, const char*,
                     const char*, const char*);
int32_t SxfClose(int32_t);
int32_t SxfGetPopMsg(int32_t, int32_t*, char*);
int32_t SxfSetLayear(int32_t, const char*, int32_t);
int32_t SxfSetColor(int32_t, const char*);
int32_t SxfSetUserColor(int32_t, int32_t, int32_t, int32_t);
int32_t SxfSetLineType(int32_t, const char*);
int32_t SxfSetUserLineType(int32_t, const char*, int32_t, const double*, int32_t);
int32_t SxfSetLineWidth(int32_t, double);
int32_t SxfSetFont(int32_t, const char*);
int32_t SxfSetSheet(int32_t, const char*, int32_t, int32_t, int32_t, int32_t);
int32_t SxfSetFukugo(int32_t, const char*, int32_t);
int32_t SxfSetCcurveOrg(int32_t, int32_t, int32_t, int32_t, int32_t);
int32_t SxfPointMarker(int32_t, int32_t, int32_t, double, double, int32_t, double, double);
int32_t SxfLine(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double);
int32_t SxfPolyLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                    const double*);
int32_t SxfCircle(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double);
int32_t SxfArc(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, int32_t, double,
               double);
int32_t SxfEllipse(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double,
                   double);
int32_t SxfEllipseArc(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double,
                      int32_t, double, double, double);
int32_t SxfText(int32_t, int32_t, int32_t, int32_t, const char*, double, double, double, double,
                double, double, double, int32_t, int32_t);
int32_t SxfSpline(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                  const double*);
int32_t SxfSfigLoc(int32_t, int32_t, const char*, double, double, double, double, double);
int32_t SxfLinearDim(int32_t, int32_t, int32_t, int32_t, int32_t,
                     const norva::sxf::SxfLinearDimRec*);
int32_t SxfAngularDim(int32_t, int32_t, int32_t, int32_t, int32_t, const void*);
}

namespace norva::sorvel {
namespace {

using namespace norva::sxf;

// What reached one family: the call, its code or feature name, and a copy of
// the record's bytes (and of the lists a record points to).
struct Call {
  int family;
  std::string what;
  int32_t code = 0;
  std::vector<unsigned char> record{};
  std::vector<double> xs{}, ys{};
  std::vector<const void*> pointers{};
  std::string text{};
};
std::vector<Call> g_calls;
int32_t g_result = 0;
std::string g_message;

template <typename R>
std::vector<unsigned char> Bytes(const void* p) {
  const auto* b = static_cast<const unsigned char*>(p);
  return std::vector<unsigned char>(b, b + sizeof(R));
}

template <int F>
CommonFamily Recorder() {
  return CommonFamily{
      [](const char* name, int32_t mode, double r1, double, double r3, int32_t i1, int32_t,
         const char*, const char*, const char* t3, const char* t4) {
        Call c{F, "open"};
        c.text = std::string(name) + "|" + std::to_string(mode) + "|" + std::to_string(r1) + "|" +
                 std::to_string(r3) + "|" + std::to_string(i1) + "|" + t3 + "|" +
                 (t4 ? "set" : "null");
        g_calls.push_back(c);
        return g_result;
      },
      [] {
        g_calls.push_back({F, "close"});
        return g_result;
      },
      [](int32_t* number, const char** text) {
        g_calls.push_back({F, "popmsg"});
        if (number) *number = 7;
        *text = g_message.c_str();
        return g_result;
      },
      [](int32_t code, const void* rec) {
        Call c{F, "table", code};
        if (code == kTableLayer) c.record = Bytes<LayerRec>(rec);
        if (code == kTableColor || code == kTableLineType || code == kTableFont)
          c.text = static_cast<const NameRec*>(rec)->name;
        if (code == kTableUserLineType) c.record = Bytes<UserLineTypeRec>(rec);
        if (code == kTableLineWidth) c.record = Bytes<LineWidthRec>(rec);
        if (code == kTableUserColor) c.record = Bytes<UserColorRec>(rec);
        g_calls.push_back(c);
        return g_result;
      },
      [](int32_t code, const void* rec) {
        Call c{F, "assembly", code};
        if (code == kAssemblySheet) c.record = Bytes<SheetRec>(rec);
        if (code == kAssemblyFigure) c.record = Bytes<FigureRec>(rec);
        if (code == kAssemblyCurve) c.record = Bytes<CurveOrgRec>(rec);
        g_calls.push_back(c);
        return g_result;
      },
      [](const char* name, const void* rec) {
        Call c{F, name};
        const std::string n = name;
        if (n == "LINE") c.record = Bytes<LineRec>(rec);
        if (n == "TEXT") c.record = Bytes<TextRec>(rec);
        if (n == "SFIG_LOCATE") c.record = Bytes<SfigLocateRec>(rec);
        if (n == "LINEAR_DIMENSION") c.record = Bytes<LinearDimRec>(rec);
        if (n == "POLYLINE") {
          const auto* r = static_cast<const PolyLineRec*>(rec);
          c.record = Bytes<PolyLineRec>(rec);
          c.xs.assign(r->xs.values, r->xs.values + r->xs.count);
          c.ys.assign(r->ys.values, r->ys.values + r->ys.count);
          c.pointers = {r->xs.values, r->ys.values};
        }
        g_calls.push_back(c);
        return g_result;
      },
  };
}

class SorvelExports : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_result = 0;
    g_message.clear();
    SetFamiliesForTesting(&sfc_, &p21_);
  }
  void TearDown() override { SetFamiliesForTesting(nullptr, nullptr); }
  template <typename R>
  static R Rec(const Call& c) {
    R r;
    EXPECT_EQ(c.record.size(), sizeof(R));
    std::memcpy(&r, c.record.data(), sizeof(R));
    return r;
  }

 private:
  CommonFamily sfc_ = Recorder<0>();
  CommonFamily p21_ = Recorder<1>();
};

TEST_F(SorvelExports, EveryEntryReachesTheFamilyOfItsFlag) {
  // Non-zero selects the P21 family, so -1 goes where 1 goes.
  const double xs[2] = {0, 1}, ys[2] = {0, 1};
  SxfLinearDimRec dim{};
  dim.text = "";
  struct Entry {
    const char* name;
    std::string what;
    int32_t (*call)(int32_t flag, const double* xs, const double* ys, const SxfLinearDimRec* d);
  };
  const Entry entries[] = {
      {"open", "open",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfOpenWrite(f, "a.sfc", 1e-4, 1e-4, 0, 2, 2, "unknown", "unknown", "x");
       }},
      {"close", "close",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) { return SxfClose(f); }},
      {"layer", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetLayear(f, "L", 1);
       }},
      {"colour", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetColor(f, "red");
       }},
      {"user colour", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetUserColor(f, 1, 2, 3);
       }},
      {"line type", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetLineType(f, "chain");
       }},
      {"user line type", "table",
       [](int32_t f, const double* x, const double*, const SxfLinearDimRec*) {
         return SxfSetUserLineType(f, "U", 2, x, 2);
       }},
      {"width", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetLineWidth(f, 0.25);
       }},
      {"font", "table",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetFont(f, "F");
       }},
      {"sheet", "assembly",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetSheet(f, "S", 3, 1, 420, 297);
       }},
      {"figure", "assembly",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetFukugo(f, "G", 3);
       }},
      {"curve", "assembly",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSetCcurveOrg(f, 1, 1, 1, 1);
       }},
      {"marker", "POINT_MARKER",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfPointMarker(f, 1, 1, 0, 0, 1, 0, 1);
       }},
      {"line", "LINE",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfLine(f, 1, 1, 1, 1, 0, 0, 1, 1);
       }},
      {"polyline", "POLYLINE",
       [](int32_t f, const double* x, const double* y, const SxfLinearDimRec*) {
         return SxfPolyLine(f, 1, 1, 1, 1, 2, x, y);
       }},
      {"circle", "CIRCLE",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfCircle(f, 1, 1, 1, 1, 0, 0, 1);
       }},
      {"arc", "ARC",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfArc(f, 1, 1, 1, 1, 0, 0, 1, 0, 0, 90);
       }},
      {"ellipse", "ELLIPSE",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfEllipse(f, 1, 1, 1, 1, 0, 0, 2, 1, 0);
       }},
      {"ellipse arc", "ELLIPSE_ARC",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfEllipseArc(f, 1, 1, 1, 1, 0, 0, 2, 1, 0, 0, 0, 90);
       }},
      {"text", "TEXT",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfText(f, 1, 1, 1, "t", 0, 0, 5, 5, 0, 0, 0, 7, 1);
       }},
      {"spline", "SPLINE",
       [](int32_t f, const double* x, const double* y, const SxfLinearDimRec*) {
         return SxfSpline(f, 1, 1, 1, 1, 0, 2, x, y);
       }},
      {"placement", "SFIG_LOCATE",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec*) {
         return SxfSfigLoc(f, 0, "G", 0, 0, 0, 1, 1);
       }},
      {"dimension", "LINEAR_DIMENSION",
       [](int32_t f, const double*, const double*, const SxfLinearDimRec* d) {
         return SxfLinearDim(f, 1, 1, 1, 1, d);
       }},
  };
  for (const Entry& e : entries) {
    for (int32_t flag : {0, 1, -1}) {
      SCOPED_TRACE(std::string(e.name) + " flag " + std::to_string(flag));
      g_calls.clear();
      g_result = flag == 0 ? 3 : -5;
      EXPECT_EQ(e.call(flag, xs, ys, &dim), g_result);  // the family's result, unchanged
      ASSERT_EQ(g_calls.size(), 1u);
      EXPECT_EQ(g_calls[0].family, flag == 0 ? 0 : 1);
      EXPECT_EQ(g_calls[0].what, e.what);
    }
  }
}

TEST_F(SorvelExports, OpenPassesWriteModeAndNoFourthText) {
  SxfOpenWrite(1, "/tmp/D0SS0010.p21", 1e-4, 1e-4, 0.0, 2, 2, "unknown", "unknown", "ノルヴァ");
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].text, "/tmp/D0SS0010.p21|1|0.000100|0.000000|2|ノルヴァ|null");
}

TEST_F(SorvelExports, RecordsHoldTheArgumentsInOrder) {
  SxfSetSheet(0, "A3 横", 3, 1, 420, 297);
  SxfSetLayear(0, "D-BGD", 1);
  SxfLine(0, 5, 8, 1, 3, 1.5, 2.5, 3.5, 4.5);
  SxfText(0, 4, 8, 1, "工事名", 10, 20, 5, 15, 0.5, 30, 15, 7, 2);
  SxfSfigLoc(0, 0, "TITLE", 1, 2, 45, 2, 3);
  ASSERT_EQ(g_calls.size(), 5u);

  const auto sheet = Rec<SheetRec>(g_calls[0]);
  EXPECT_STREQ(sheet.name, "A3 横");
  EXPECT_EQ(sheet.type, 3);
  EXPECT_EQ(sheet.orient, 1);
  EXPECT_EQ(sheet.x, 420);
  EXPECT_EQ(sheet.y, 297);
  EXPECT_EQ(g_calls[0].code, kAssemblySheet);

  const auto layer = Rec<LayerRec>(g_calls[1]);
  EXPECT_STREQ(layer.name, "D-BGD");
  EXPECT_EQ(layer.viewFlag, 1);
  EXPECT_EQ(g_calls[1].code, kTableLayer);

  const auto line = Rec<LineRec>(g_calls[2]);
  EXPECT_EQ(std::vector<int32_t>({line.layer, line.color, line.type, line.width}),
            std::vector<int32_t>({5, 8, 1, 3}));
  EXPECT_EQ(std::vector<double>({line.sx, line.sy, line.ex, line.ey}),
            std::vector<double>({1.5, 2.5, 3.5, 4.5}));

  const auto text = Rec<TextRec>(g_calls[3]);
  EXPECT_STREQ(text.text, "工事名");
  EXPECT_EQ(std::vector<double>(
                {text.x, text.y, text.height, text.width, text.spacing, text.angle, text.slant}),
            std::vector<double>({10, 20, 5, 15, 0.5, 30, 15}));
  EXPECT_EQ(text.basePoint, 7);
  EXPECT_EQ(text.direction, 2);

  const auto loc = Rec<SfigLocateRec>(g_calls[4]);
  EXPECT_STREQ(loc.name, "TITLE");
  EXPECT_EQ(std::vector<double>({loc.x, loc.y, loc.angle, loc.ratioX, loc.ratioY}),
            std::vector<double>({1, 2, 45, 2, 3}));
}

TEST_F(SorvelExports, PolylineListsAreTheLibrarysOwnCopies) {
  const double xs[4] = {1, 2, 3, 99}, ys[4] = {4, 5, 6, 99};
  SxfPolyLine(0, 1, 2, 3, 4, 3, xs, ys);
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].xs, std::vector<double>({1, 2, 3}));
  EXPECT_EQ(g_calls[0].ys, std::vector<double>({4, 5, 6}));
  EXPECT_NE(g_calls[0].pointers[0], static_cast<const void*>(xs));
  EXPECT_NE(g_calls[0].pointers[1], static_cast<const void*>(ys));

  g_calls.clear();
  SxfPolyLine(0, 1, 2, 3, 4, 0, nullptr, nullptr);
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_TRUE(g_calls[0].xs.empty());
  EXPECT_EQ(Rec<PolyLineRec>(g_calls[0]).count, 0);
}

TEST_F(SorvelExports, DimensionRecordGetsTheLineAttributesAndTheTextCopied) {
  SxfLinearDimRec d{};
  d.sx = 1, d.sy = 2, d.ex = 11, d.ey = 2;
  d.proj1 = 1, d.p1x0 = 1, d.p1y0 = 0, d.p1x1 = 1, d.p1y1 = 1, d.p1x2 = 1, d.p1y2 = 3;
  d.arr1Code = 9, d.arr1Flag = 1, d.arr1x = 1, d.arr1y = 2, d.arr1Scale = 0.4;
  d.arr2Code = 9, d.arr2Flag = 0;
  d.textFlag = 1, d.font = 1;
  std::string text = "1500";
  d.text = text.c_str();
  d.textX = 3.5, d.textY = 5.5, d.height = 2.5, d.width = 10, d.basePoint = 7, d.direction = 1;
  SxfLinearDim(1, 6, 8, 1, 1, &d);
  text = "xxxx";  // the library kept no pointer into the caller's text
  ASSERT_EQ(g_calls.size(), 1u);
  const auto r = Rec<LinearDimRec>(g_calls[0]);
  EXPECT_EQ(std::vector<int32_t>({r.layer, r.color, r.type, r.width}),
            std::vector<int32_t>({6, 8, 1, 1}));
  EXPECT_STREQ(r.text, "1500");
  EXPECT_EQ(std::vector<double>({r.sx, r.sy, r.ex, r.ey, r.p1x2, r.p1y2}),
            std::vector<double>({1, 2, 11, 2, 1, 3}));
  EXPECT_EQ(std::vector<int32_t>(
                {r.arr1Code, r.arr1Flag, r.arr2Code, r.arr2Flag, r.textFlag, r.basePoint}),
            std::vector<int32_t>({9, 1, 9, 0, 1, 7}));
  EXPECT_EQ(std::vector<double>({r.textX, r.textY, r.height, r.textWidth}),
            std::vector<double>({3.5, 5.5, 2.5, 10}));
}

TEST_F(SorvelExports, TextsAreBoundTo256Bytes) {
  // 256 bytes fill the field with its NUL in the last byte; 257 are refused
  // before the writer sees them, with a message.
  struct Case {
    const char* name;
    size_t bytes;
    bool accepted;
  };
  for (const Case& c : {Case{"255", 255, true}, Case{"256", 256, true}, Case{"257", 257, false},
                        Case{"1000", 1000, false}}) {
    SCOPED_TRACE(c.name);
    g_calls.clear();
    const std::string text(c.bytes, 'a');
    const int32_t r = SxfText(0, 1, 1, 1, text.c_str(), 0, 0, 5, 5, 0, 0, 0, 7, 1);
    EXPECT_EQ(r >= 0, c.accepted);
    if (c.accepted) {
      ASSERT_EQ(g_calls.size(), 1u);
      EXPECT_EQ(std::string(Rec<TextRec>(g_calls[0]).text), text);
    } else {
      EXPECT_TRUE(g_calls.empty());
      char buffer[512];
      int32_t number = 0;
      SxfGetPopMsg(0, &number, buffer);
      EXPECT_NE(std::string(buffer).find("256"), std::string::npos);
    }
  }
  for (auto call : {+[] { return SxfSetLayear(1, std::string(300, 'L').c_str(), 1); },
                    +[] { return SxfSetFukugo(1, std::string(300, 'G').c_str(), 3); },
                    +[] { return SxfSfigLoc(1, 0, std::string(300, 'G').c_str(), 0, 0, 0, 1, 1); },
                    +[] { return SxfSetLayear(1, nullptr, 1); }})
    EXPECT_LT(call(), 0);
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(SorvelExports, MessageCopyStaysInTheCallersBuffer) {
  struct Case {
    const char* name;
    std::string message;
    std::string copied;
  };
  const std::string dbcs = "\x83\x5c";  // one double-byte character (ソ)
  const Case cases[] = {
      {"none", "", ""},
      {"short", "cannot create", "cannot create"},
      {"511 bytes", std::string(511, 'm'), std::string(511, 'm')},
      {"600 bytes", std::string(600, 'm'), std::string(511, 'm')},
      // 510 single bytes and then a double-byte character: not cut in two.
      {"split character", std::string(510, 'm') + dbcs + "x", std::string(510, 'm')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_message = c.message;
    char buffer[600];
    std::memset(buffer, 'Z', sizeof buffer);
    int32_t number = 0;
    EXPECT_EQ(SxfGetPopMsg(0, &number, buffer), 0);
    EXPECT_EQ(std::string(buffer), c.copied);
    EXPECT_EQ(buffer[512], 'Z');
    EXPECT_EQ(number, 7);  // the family wrote the number through the caller's pointer
  }
}

TEST_F(SorvelExports, FeaturesTheLibraryDoesNotWriteAreRefusedWithAMessage) {
  EXPECT_LT(SxfAngularDim(1, 1, 1, 1, 1, nullptr), 0);
  EXPECT_TRUE(g_calls.empty());
  char buffer[512];
  int32_t number = 0;
  SxfGetPopMsg(1, &number, buffer);
  EXPECT_NE(std::string(buffer).find("ANGULAR_DIMENSION"), std::string::npos);
  // Taken once: the next call asks the writer again.
  SxfGetPopMsg(1, &number, buffer);
  EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace norva::sorvel
