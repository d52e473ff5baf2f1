// The document file: exact bytes of the writer, every reader rule on
// hand-written files of each version, and failures that must not lose data.
#include "document/document_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/services.h"
#include "file_bytes.h"
#include "text/cp932.h"

namespace norva {
namespace {

namespace fs = std::filesystem;

struct Shown {
  std::string title;
  std::string text;
  MsgIcon icon;
  MsgButtons buttons;
};

class RecordingSink : public IMessageSink {
 public:
  MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon,
                 MsgButtons buttons) override {
    shown.push_back({title, text, icon, buttons});
    return MsgAnswer::Ok;
  }
  std::vector<Shown> shown;
};

std::string Fixture(const std::string& name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/document/fixtures/" + name;
}

using test::ReadBytes;

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The lines of CP932 bytes, without their CR LF (UTF-8 for comparison).
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      out.push_back(Cp932ToUtf8(bytes.substr(start)));
      break;
    }
    out.push_back(Cp932ToUtf8(bytes.substr(start, end - start)));
    start = end + 2;
  }
  return out;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class DocFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink_);
    char tmpl[] = "/tmp/docfile_test_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    SetMessageSink(nullptr);
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  // Reads the file into a new document bound to it.
  bool Read(const std::string& path, CDocument& doc) {
    doc.FileName = path;
    return DataFileRead(doc);
  }
  // Checks the single message of a failed read or write.
  void ExpectOneMessage(const char* first, int err) {
    ASSERT_EQ(sink_.shown.size(), 1u);
    const Shown& m = sink_.shown[0];
    EXPECT_EQ(m.title, "NorvaV4");
    EXPECT_EQ(m.icon, MsgIcon::Warning);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    const std::string head = std::string(first) + "\r\n\r\nErr = " + std::to_string(err) + "\r\n( ";
    EXPECT_EQ(m.text.substr(0, head.size()), head) << m.text;
    EXPECT_EQ(m.text.substr(m.text.size() - 2), " )");
  }

  RecordingSink sink_;
  std::string dir_;
};

// ---- the writer ---------------------------------------------------------------

TEST_F(DocFileTest, NewDocumentWritesTheDefaultsIn579Lines) {
  CDocument doc;
  const std::string bytes = DocumentFileBytes(doc);
  // Every line ends CR LF, with no stray LF.
  std::size_t crlf = 0, lf = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++lf;
      if (i > 0 && bytes[i - 1] == '\r') ++crlf;
    }
  }
  EXPECT_EQ(lf, 579u);
  EXPECT_EQ(crlf, 579u);
  const auto L = Lines(bytes);
  ASSERT_EQ(L.size(), 579u);
  const std::string null = "-17000000000 ";
  struct Case {
    int line;  // 1-based
    std::string text;
  } cases[] = {
      {1, " 4 "},
      {2, " 0 "},
      {7, " 0 "},
      {8, ""},
      // Unit, Sisin, WallType, Doatsu: digits at columns 1, 15, 29, 43.
      {9, " 0 " + Blanks(11) + " 0 " + Blanks(11) + " 0 " + Blanks(11) + " 1 "},
      {10, " 0 " + Blanks(11) + null + " " + null},
      {12, null + " " + null + " " + null + " " + null + " " + null + " " + null + " " + null},
      {14, " 16 " + Blanks(10) + " 4 " + Blanks(11) + " .2 " + Blanks(10) + " .3 " + Blanks(10) +
               " 180 "},
      {16, null + " " + " 10 " + Blanks(10) + " 0 "},
      {25, " 1 " + Blanks(11) + null},
      {31, " 0 "},
      {33, "-32768 "},
      {34, " 1 "},
      {42, "-1 " + Blanks(11) + "-1 " + Blanks(11) + null + " " + null + " " + null},
      {51, " 0 "},
      {52, " 0 "},
      {53, " 1 " + Blanks(11) + " 1 "},
      {54, " 0 "},
      {55, " 0 "},
      {58, " .75 " + Blanks(9) + " 0 " + Blanks(11) + " 1 "},
      {74, " 50 " + Blanks(10) + " 40 "},
      {76, " 20 " + Blanks(10) + " 20 " + Blanks(10) + " 20 " + Blanks(10) + " 20 "},
      {78, " 0 "},
      {79, " 0 "},
      {80, " 0 "},
      {81, " 0 "},
      {579, " 0 "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(L[static_cast<std::size_t>(c.line - 1)], c.text) << "line " << c.line;
}

TEST_F(DocFileTest, CurrentFixtureReadsAndWritesBackByteForByte) {
  const std::string fixture = ReadBytes(Fixture("v4_gravity_full.nrv"));
  ASSERT_FALSE(fixture.empty());
  CDocument doc;
  ASSERT_TRUE(Read(Fixture("v4_gravity_full.nrv"), doc));
  EXPECT_TRUE(sink_.shown.empty());
  // The writer puts every item where the hand-written file has it.
  EXPECT_EQ(DocumentFileBytes(doc), fixture);
  // And through the file system, twice.
  ASSERT_TRUE(DataFileWrite(doc, Path("a.nrv")));
  ASSERT_TRUE(DataFileWrite(doc, Path("b.nrv")));
  EXPECT_EQ(ReadBytes(Path("a.nrv")), fixture);
  EXPECT_EQ(ReadBytes(Path("b.nrv")), fixture);
}

TEST_F(DocFileTest, CurrentFixtureFillsEveryField) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v4_gravity_full.nrv"), d));
  EXPECT_EQ(d.Title, "  擁壁Ａ, 試算 1");
  struct F {
    const char* name;
    double got;
    double want;
  } fields[] = {
      {"bInpSt0", double(d.bInpSt(0)), -1},
      {"bInpSt2", double(d.bInpSt(2)), -1},
      {"bInpSt3", double(d.bInpSt(3)), 0},
      {"Unit", double(d.Unit), 0},
      {"Sisin", double(d.Sisin), 4},
      {"WallType", double(d.WallType()), 1},
      {"Doatsu", double(d.Doatsu), 1},
      {"bQuake", double(d.bQuake), -1},
      {"Kh0", d.Kh(0), 0.15},
      {"Kh1", d.Kh(1), 0.2},
      {"BackType", double(d.BackType), 1},
      {"KiriDoatsu", double(d.KiriDoatsu), 0},
      {"Gamb", d.Gamb, 19},
      {"Gambd", d.Gambd, 10},
      {"Gamf", d.Gamf, 18},
      {"Gamfd", d.Gamfd, 9},
      {"Gamcw", d.Gamcw, 23},
      {"Gamcf", d.Gamcf, 24.5},
      {"Gamw", d.Gamw, 9.8},
      {"Fai", d.Fai, 30},
      {"C0", d.C(0), 2},
      {"C1", d.C(1), 5},
      {"delt0", d.delt(0), 20},
      {"delt1", d.delt(1), 15},
      {"Deltd", d.Deltd, 25.5},
      {"Cd", d.Cd, 3},
      {"SgmCk", d.SgmCk, 18},
      {"Sgmca", d.Sgmca, 4.5},
      {"Sgmta", d.Sgmta, 0.23},
      {"Taua", d.Taua, 0.35},
      {"Sgmsa", d.Sgmsa, 160},
      {"SecDoatsu", double(d.SecDoatsu), 1},
      {"WallH", d.WallH, 3.5},
      {"WallL", d.WallL, 12},
      {"WallB", d.WallB, 1.25},
      {"BlkT", d.BlkT, 0.35},
      {"BlkDeltT1", d.BlkDeltT1, 0.1},
      {"BlkN", d.BlkN, 0.5},
      {"nBlkSetup", double(d.nBlkSetup), 1},
      {"nBlkFound", double(d.nBlkFound), 1},
      {"BlkB", d.BlkB, 1.1},
      {"BlkH1", d.BlkH1, 0.6},
      {"BlkH2", d.BlkH2, 0.45},
      {"BlkB1", d.BlkB1, 0.15},
      {"BlkT2", d.BlkT2, 0.05},
      {"BlkDeltT2", d.BlkDeltT2, 0.2},
      {"GrwB", d.GrwB, 2.1},
      {"GrwB1", d.GrwB1, 0.7},
      {"GrwB2", d.GrwB2, 0.5},
      {"GrwN", d.GrwN, 0.3},
      {"MtwH1", d.MtwH1, 3},
      {"MtwH2", d.MtwH2, 0.5},
      {"MtwH3", d.MtwH3, 0.25},
      {"MtwB1", d.MtwB1, 0.4},
      {"MtwB2", d.MtwB2, 0.6},
      {"MtwB3", d.MtwB3, 0.45},
      {"MtwB4", d.MtwB4, 0.35},
      {"MtwN1", d.MtwN1, 0.2},
      {"MtwN2", d.MtwN2, kNullDouble},
      {"MxwH1", d.MxwH1, 1.5},
      {"MxwH2", d.MxwH2, 2},
      {"MxwH3", d.MxwH3, 0.1},
      {"GrwB3", d.GrwB3, 0.08},
      {"GrwB4", d.GrwB4, 0.4},
      {"GrwH1", d.GrwH1, 0.5},
      {"nKeisya", double(d.nKeisya), 0},
      {"KeisyaH", d.KeisyaH, 0.15},
      {"Tokki", double(d.Tokki), 1},
      {"TokX", d.TokX, 1.2},
      {"TokB", d.TokB, 0.5},
      {"TokL", d.TokL, 0.6},
      {"SoilFH0", d.SoilFH(0), 0.8},
      {"SoilFH1", d.SoilFH(1), 0.7},
      {"nWater", double(d.nWater), 2},
      {"nWlvlAuto", double(d.nWlvlAuto), 1},
      {"WatFH0", d.WatFH(0), 0.3},
      {"WatFH1", d.WatFH(1), 0.35},
      {"WatBH0", d.WatBH(0), 1.5},
      {"WatBH1", d.WatBH(1), 1.6},
      {"UragomeType", double(d.UragomeType), 3},
      {"UraHd", d.UraHd, 0.25},
      {"UraN", d.UraN, 1.5},
      {"UraX1", d.UraX1, 2.5},
      {"UraX2", d.UraX2, 4},
      {"UraH0", d.UraH0, 1.8},
      {"nUraNini", double(d.nUraNini()), 3},
      {"UraNiniX0", d.UraNiniX(0), 1},
      {"UraNiniY0", d.UraNiniY(0), 0.5},
      {"UraNiniX1", d.UraNiniX(1), 3.5},
      {"UraNiniY1", d.UraNiniY(1), 1.75},
      {"UraNiniX2", d.UraNiniX(2), 12.25},
      {"UraNiniY2", d.UraNiniY(2), -0.5},
      {"KiriD", d.KiriD, 2.5},
      {"KiriN", d.KiriN, 0.8},
      {"nTentou", double(d.nTentou), 1},
      {"ChkSlide", double(d.ChkSlide), 1},
      {"nJyudo", double(d.nJyudo), 1},
      {"Pp0", d.Pp(0), 12.5},
      {"Pp1", d.Pp(1), 10},
      {"nQa", double(d.nQa), 1},
      {"Qa", d.Qa, 300},
      {"Faib", d.Faib, 30},
      {"Myu", d.Myu, 0.6},
      {"cb", d.cb, 0},
      {"SijiFai", d.SijiFai, 35},
      {"SijiC", d.SijiC, 10},
      {"SijiGam1", d.SijiGam1, 19},
      {"Df", d.Df, 0.5},
      {"Dfd", d.Dfd, 0.8},
      {"SijiGam2", d.SijiGam2, 18},
      {"AE00", d.AE0(0), 5000},
      {"AE01", d.AE0(1), 28000},
      {"nAutoMobile", double(d.nAutoMobile), 0},
      {"nAutoTload", double(d.nAutoTload), 4},
      {"AutoPos", d.AutoPos, 0.5},
      {"AutoWidth", d.AutoWidth, 2.75},
      {"AutoLoad", d.AutoLoad, 10},
      {"nGunsyu", double(d.nGunsyu), 0},
      {"GunsyuPos", d.GunsyuPos, 1},
      {"GunsyuWidth", d.GunsyuWidth, 3},
      {"GunsyuLoad", d.GunsyuLoad, 5},
      {"nSnow", double(d.nSnow), 0},
      {"nSnowType", double(d.nSnowType), 2},
      {"SnowPos", d.SnowPos, 0.25},
      {"SnowDepth", d.SnowDepth, 1.5},
      {"SnowLoad", d.SnowLoad, 3.15},
      {"nTakuchi", double(d.nTakuchi), 0},
      {"TakuchiPos", d.TakuchiPos, 0},
      {"TakuchiWidth", d.TakuchiWidth, 5},
      {"TakuchiLoad", d.TakuchiLoad, 10},
      {"nAutoCrash0", double(d.nAutoCrash(0)), 0},
      {"nAutoCrash1", double(d.nAutoCrash(1)), 1},
      {"nAutoCrashBougo", double(d.nAutoCrashBougo), 1},
      {"nAutoCrashBougoClass", double(d.nAutoCrashBougoClass), 2},
      {"nAutoCrashBougoModel", double(d.nAutoCrashBougoModel), 3},
      {"AutoCrashWidth", d.AutoCrashWidth, 1.5},
      {"AutoCrashHigh", d.AutoCrashHigh, 0.6},
      {"AutoCrashLoad", d.AutoCrashLoad, 25},
      {"nStone", double(d.nStone), 0},
      {"StoneHight", d.StoneHight, 1.2},
      {"StonePich", d.StonePich, 2.5},
      {"StoneLoad", d.StoneLoad, 100},
      {"StoneSgmy", d.StoneSgmy, 235},
      {"StoneZ", d.StoneZ, 86.7},
      {"nWind", double(d.nWind), 0},
      {"WindPos", d.WindPos, 3.5},
      {"WindHight", d.WindHight, 1},
      {"WindLoad", d.WindLoad, 3},
      {"nNiniCount", double(d.nNiniCount()), 2},
      {"nCase", double(d.nCase()), 2},
      {"nWallSecCnt0", double(d.nWallSecCnt(0)), 2},
      {"nWallSecCnt1", double(d.nWallSecCnt(1)), 1},
      {"WallSecY00", d.WallSecY(0, 0), 1.5},
      {"WallSecY01", d.WallSecY(0, 1), 2.75},
      {"WallSecY10", d.WallSecY(1, 0), 0.5},
      {"TokDia", double(d.TokDia), 3},
      {"TokHon", d.TokHon, 4},
      {"TokKab", d.TokKab, 70},
      {"TokPich", d.TokPich, 250},
      {"Tiiki", double(d.Tiiki), 1},
      {"Jiban1", double(d.Jiban1), 2},
      {"Kouzou", double(d.Kouzou), 0},
      {"Delt3", d.Delt3, 0.8},
      {"Kibo", double(d.Kibo), 0},
      {"Jiban2", double(d.Jiban2), 2},
      {"Youto", d.Youto, 0.85},
      {"nTokusei", double(d.nTokusei()), 2},
      {"TokuseiT0", d.TokuseiT(0), 2.5},
      {"TokuseiN0", double(d.TokuseiN(0)), 5},
      {"TokuseiS0", double(d.TokuseiS(0)), 1},
      {"TokuseiT1", d.TokuseiT(1), 3},
      {"TokuseiN1", double(d.TokuseiN(1)), 12},
      {"TokuseiS1", double(d.TokuseiS(1)), 0},
      {"nTokuseiPrn", double(d.nTokuseiPrn), 0},
      {"JibanHa", d.JibanHa, 1.5},
      {"JibanHd", d.JibanHd, 2.5},
      {"nJibanPrn", double(d.nJibanPrn), 1},
      {"JyudoH", d.JyudoH, 1},
      {"JyudoGam", d.JyudoGam, 18},
      {"JyudoFai", d.JyudoFai, 30},
      {"JyudoDelt", d.JyudoDelt, 15},
      {"JyudoAlp", d.JyudoAlp, 0},
      {"JyudoI", d.JyudoI, 10},
      {"JyudoKh", d.JyudoKh, 0.15},
      {"JyudoPrn", double(d.JyudoPrn), 1},
      {"KisoH1", d.KisoH1, 0.15},
      {"KisoH2", d.KisoH2, 0.25},
      {"KisoB", d.KisoB, 0.2},
      {"Mizunuki", double(d.Mizunuki), 1},
      {"MizuDan", double(d.MizuDan), 2},
      {"MizuH10", d.MizuH1(0), 0.5},
      {"MizuH14", d.MizuH1(4), 2.5},
      {"MizuN", d.MizuN, 60},
      {"MizuFai", d.MizuFai, 50},
      {"DrwScale", double(d.DrwScale), 3},
      {"Sheet", double(d.Sheet), 2},
      {"Margin0", double(d.Margin(0)), 25},
      {"Margin3", double(d.Margin(3)), 10},
      {"Suryou", double(d.Suryou), 1},
      {"cZ", d.cZ, 0.85},
      {"KiriDlt", d.KiriDlt, 12.5},
      {"AutoCrashV", d.AutoCrashV, 40},
  };
  for (const auto& f : fields) EXPECT_EQ(f.got, f.want) << f.name;

  // Loads: names kept whole, blanks and commas included.
  auto n0 = d.pNini(0);
  auto n1 = d.pNini(1);
  ASSERT_TRUE(n0 && n1);
  EXPECT_EQ(n0->LoadName, " 荷重A, 仮設");
  EXPECT_EQ(n0->nType, 2);
  EXPECT_EQ(n0->nTarget, 7);
  EXPECT_EQ(n0->X2, 2.5);
  EXPECT_EQ(n0->Y2, kNullBox);
  EXPECT_EQ(n0->P2, 20);
  EXPECT_EQ(n1->LoadName, "H-load");
  EXPECT_EQ(n1->P1, -5);

  // Cases, with the bearing factor derived for Sisin 4, Kibo 0.
  auto c0 = d.pCase(0);
  auto c1 = d.pCase(1);
  ASSERT_TRUE(c0 && c1);
  EXPECT_EQ(c0->CaseName, "常時");
  EXPECT_EQ(c1->CaseName, "地震時, L1");
  EXPECT_EQ(c0->nWater, 1);
  EXPECT_EQ(c0->nSnow, 1);
  EXPECT_EQ(c1->nQuake, 1);
  EXPECT_EQ(c0->Doat, 0);
  EXPECT_EQ(c1->Doat, 1);
  EXPECT_EQ(c0->nNiniCount(), 2);
  EXPECT_EQ(c0->nNini(0), 1);
  EXPECT_EQ(c0->nNini(1), 0);
  EXPECT_EQ(c1->nNini(1), 1);
  EXPECT_EQ(c1->Ea, 3);
  EXPECT_EQ(c1->QaPremium, 1.5);
  EXPECT_EQ(c1->AllowPremium, 1.5);
  EXPECT_EQ(c0->QuPremium, 3);    // no occasional load
  EXPECT_EQ(c1->QuPremium, 1.5);  // seismic, residential land, Kibo 0

  // Result containers for 2 cases, 2 + 1 sections.
  for (int c = 0; c < 2; ++c) {
    EXPECT_NE(d.pWallRes(0, c, 0), nullptr);
    EXPECT_NE(d.pWallRes(0, c, 1), nullptr);
    EXPECT_NE(d.pWallRes(1, c, 0), nullptr);
    EXPECT_EQ(d.pWallRes(1, c, 1), nullptr);
    EXPECT_NE(d.pFotRes(c), nullptr);
    EXPECT_NE(d.pTokRes(c), nullptr);
  }
}

// Every kind of statement, built in memory: loads, cases with switches,
// check sections of both parts, ground rows and back-ground points.
void FillEveryKind(CDocument& d) {
  d.Title = "round trip, 試験";
  d.Sisin = 5;
  d.SetWallType(0);
  d.Doatsu = 1;
  d.bQuake = -1;
  d.SetKh(0, 0.12);
  d.SetKh(1, 0.18);
  d.Gamb = 18.5;
  d.Fai = 32.5;
  d.SetC(1, 1.25);
  d.Setdelt(0, 21.6666666666667);
  d.MtwH1 = 2.875;
  d.MtwB4 = 0.3125;
  d.MtwN2 = 1e15;  // exponent form
  d.KeisyaH = 1.0 / 3.0;
  d.nKeisya = 0;
  d.SetSoilFH(1, 0.45);
  d.SetWatBH(1, -0.35);
  d.UragomeType = 3;
  d.SetnUraNini(2);
  d.SetUraNiniX(0, 0.75);
  d.SetUraNiniY(0, 2.5);
  d.SetUraNiniX(1, 20);
  d.SetUraNiniY(1, 2.5);
  // Line of thrust on a block wall: the reader keeps ChkSlide 0 with it.
  d.nTentou = 3;
  d.ChkSlide = 0;
  d.nQa = 1;
  d.SetPp(1, 7.5);
  d.SetAE0(1, 12345.678);
  d.nSnow = 0;
  d.nSnowType = 1;
  d.SnowLoad = 4.2;
  d.SetnAutoCrash(1, 0);
  d.AutoCrashV = 35;
  d.StoneZ = 0.0625;
  d.SetnNiniCount(3);
  d.pNini(0)->LoadName = "  leading, comma";
  d.pNini(0)->nType = 3;
  d.pNini(0)->Y2 = 1.5;
  d.pNini(2)->LoadName = "";
  d.pNini(2)->P1 = -12.5;
  d.SetnCase(2);
  for (int c = 0; c < 2; ++c) {
    auto k = d.pCase(c);
    k->CaseName = c == 0 ? "ケース1" : "case, 2";
    k->nQuake = static_cast<int16_t>(c);
    k->nWind = 1;
    k->Doat = c;
    k->SetnNiniCount(3);
    k->SetnNini(c, 1);
    k->Ea = 6 - 3 * c;
    k->FsTentou = 1.5;
    k->FsKatsudou = 1.2;
    k->QaPremium = 1.25;
    k->AllowPremium = 1.5;
  }
  d.SetnWallSecCnt(0, 3);
  d.SetnWallSecCnt(1, 2);
  d.SetWallSecY(0, 0, 0.5);
  d.SetWallSecY(0, 1, 1.0);
  d.SetWallSecY(0, 2, 1.5);
  d.SetWallSecY(1, 0, 0.25);
  d.SetWallSecY(1, 1, 0.75);
  d.TokDia = 2;
  d.TokPich = 125;
  d.SetnTokusei(3);
  for (int i = 0; i < 3; ++i) {
    d.SetTokuseiT(i, 1.5 * (i + 1));
    d.SetTokuseiN(i, static_cast<int16_t>(4 * i + 2));
    d.SetTokuseiS(i, static_cast<int16_t>(i % 2));
  }
  d.nTokuseiPrn = 1;
  d.SetMizuH1(2, 1.75);
  d.SetMargin(2, 7);
  d.cZ = 0.7;
  d.KiriDlt = 15;
}

TEST_F(DocFileTest, EveryKindOfStatementSurvivesWriteReadWrite) {
  CDocument a;
  FillEveryKind(a);
  ASSERT_TRUE(DataFileWrite(a, Path("one.nrv")));
  CDocument b;
  ASSERT_TRUE(Read(Path("one.nrv"), b));
  ASSERT_TRUE(DataFileWrite(b, Path("two.nrv")));
  const std::string one = ReadBytes(Path("one.nrv"));
  EXPECT_EQ(ReadBytes(Path("two.nrv")), one);
  // 577 + 2 points + 3 * 3 load lines + 2 * (18 + 3) case lines + 3 + 2
  // section lines + 3 ground rows.
  EXPECT_EQ(Lines(one).size(), 577u + 2 + 9 + 42 + 5 + 3);

  EXPECT_EQ(b.Title, a.Title);
  EXPECT_EQ(b.MtwN2, 1e15);
  EXPECT_EQ(b.KeisyaH, 0.333333333333333);  // 15 significant digits
  EXPECT_EQ(b.pNini(0)->LoadName, "  leading, comma");
  EXPECT_EQ(b.pNini(2)->LoadName, "");
  EXPECT_EQ(b.pCase(1)->CaseName, "case, 2");
  EXPECT_EQ(b.pCase(1)->nNini(1), 1);
  EXPECT_EQ(b.pCase(0)->nNini(1), 0);
  // Heights stay with their part.
  EXPECT_EQ(b.WallSecY(0, 2), 1.5);
  EXPECT_EQ(b.WallSecY(1, 0), 0.25);
  EXPECT_EQ(b.WallSecY(1, 1), 0.75);
  EXPECT_EQ(b.TokuseiN(2), 10);
  EXPECT_EQ(b.UraNiniX(1), 20);
  // Bearing factor of a canal design with an entered allowable: 2 for an
  // occasional (wind) case.
  EXPECT_EQ(b.pCase(0)->QuPremium, 2);
}

TEST_F(DocFileTest, EmptyDocumentListsReadBackEmpty) {
  CDocument a;
  a.SetnWallSecCnt(0, 0);
  a.SetnWallSecCnt(1, 0);
  const auto L = Lines(DocumentFileBytes(a));
  ASSERT_EQ(L.size(), 577u);
  EXPECT_EQ(L[50], " 0 ");                       // nNiniCount
  EXPECT_EQ(L[51], " 0 ");                       // nCase
  EXPECT_EQ(L[52], " 0 " + Blanks(11) + " 0 ");  // section counts
  ASSERT_TRUE(DataFileWrite(a, Path("e.nrv")));
  CDocument b;
  ASSERT_TRUE(Read(Path("e.nrv"), b));
  EXPECT_EQ(b.nNiniCount(), 0);
  EXPECT_EQ(b.nCase(), 0);
  EXPECT_EQ(b.nWallSecCnt(0), 0);
  EXPECT_EQ(b.nWallSecCnt(1), 0);
  EXPECT_EQ(b.pNini(0), nullptr);
  EXPECT_EQ(b.pCase(0), nullptr);
  EXPECT_EQ(b.pWallRes(0, 0, 0), nullptr);
  EXPECT_EQ(b.pFotRes(0), nullptr);
}

// ---- older versions ---------------------------------------------------------

TEST_F(DocFileTest, Version01DerivesHeelHeightAndLacksLaterItems) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v01_block.nrv"), d));
  // Flags: any non-zero is true; 4 and 5 are always cleared.
  EXPECT_EQ(d.bInpSt(0), -1);
  EXPECT_EQ(d.bInpSt(1), 0);
  EXPECT_EQ(d.bInpSt(2), -1);
  EXPECT_EQ(d.bInpSt(4), 0);
  EXPECT_EQ(d.bInpSt(5), 0);
  EXPECT_EQ(d.Unit, 0);   // stored 1
  EXPECT_EQ(d.Sisin, 4);  // stored 6
  EXPECT_EQ(d.bQuake, -1);
  // Seven items on line 17; BlkH2 = BlkH1 + KeisyaH - (BlkB - BlkB1) * BlkN
  // = 0.5 + 0.1 - (1.2 - 0.2) * 0.3 = 0.3.
  EXPECT_NEAR(d.BlkH2, 0.3, 1e-12);
  EXPECT_EQ(d.BlkB1, 0.2);
  EXPECT_EQ(d.BlkDeltT2, 0.1);  // = BlkDeltT1
  EXPECT_EQ(d.GrwB4, 0);
  EXPECT_EQ(d.GrwH1, 0);
  EXPECT_EQ(d.nKeisya, 0);
  EXPECT_EQ(d.KeisyaH, 0.1);
  // nTentou 2 reads 0; stored ChkSlide 0 clears nJyudo, then becomes 1.
  EXPECT_EQ(d.nTentou, 0);
  EXPECT_EQ(d.ChkSlide, 1);
  EXPECT_EQ(d.nJyudo, 0);
  EXPECT_EQ(d.Pp(0), 10);
  // No Doat before 2.01: from nQuake.
  ASSERT_EQ(d.nCase(), 2);
  EXPECT_EQ(d.pCase(0)->Doat, 0);
  EXPECT_EQ(d.pCase(1)->Doat, 1);
  EXPECT_EQ(d.pCase(0)->QuPremium, 3);
  EXPECT_EQ(d.pCase(1)->QuPremium, 1.5);
  EXPECT_EQ(d.pCase(1)->AllowPremium, 1.5);
  EXPECT_EQ(d.WallSecY(0, 0), 0.5);
  // The TokDia line has three items: TokPich keeps its initial null and the
  // next line is read in its place.
  EXPECT_EQ(d.TokDia, -1);
  EXPECT_EQ(d.TokPich, kNullDouble);
  EXPECT_EQ(d.Jiban1, 1);
  EXPECT_EQ(d.Delt3, 0.75);
  EXPECT_EQ(d.Kibo, 0);  // stored 1
  EXPECT_EQ(d.MizuN, 50);
  EXPECT_EQ(d.Margin(3), 20);
  // The file ends after Suryou.
  EXPECT_EQ(d.cZ, 0);
  EXPECT_EQ(d.KiriDlt, kNullDouble);
  EXPECT_EQ(d.AutoCrashV, 0);
  EXPECT_TRUE(sink_.shown.empty());
}

// The heel height of old block-wall files, for each of its conditions, on
// the 0.1 file with one line changed. BlkH1 0.5, KeisyaH 0.1, BlkB 1.2,
// BlkB1 0.2, BlkN 0.3.
TEST_F(DocFileTest, OldHeelHeightIsDerivedOnlyForFoundationsWithNormalCourses) {
  const std::string base = ReadBytes(Fixture("v01_block.nrv"));
  const std::string line17 = " .35           .1            .3            0             0";
  const std::string keisya = "\r\n 0             .1 \r\n";
  const std::string blkb1 = "\r\n .2            0 \r\n";
  ASSERT_NE(base.find(line17), std::string::npos);
  ASSERT_NE(base.find(keisya), std::string::npos);
  ASSERT_NE(base.find(blkb1), std::string::npos);
  const auto with = [&](const std::string& from, const std::string& to) {
    std::string s = base;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  const std::string setup1 = " .35           .1            .3            1             0";
  const std::string found1 = " .35           .1            .3            0             1";
  const std::string flatN = " .35           .1            0             0             0";
  const struct {
    const char* what;
    std::string bytes;
    double blkH2;
  } cases[] = {
      {"inclined base", base, 0.3},                                     // 0.5 + 0.1 - 1.0 * 0.3
      {"level base", with(keisya, "\r\n 1             .1 \r\n"), 0.2},  // 0.5 - 1.0 * 0.3
      {"horizontal courses", with(line17, setup1), kNullDouble},
      {"no foundation", with(line17, found1), kNullDouble},
      {"vertical face", with(line17, flatN), kNullDouble},
      {"negative BlkB1", with(blkb1, "\r\n-.2            0 \r\n"), kNullDouble},
  };
  for (const auto& c : cases) {
    WriteAll(Path("old.nrv"), c.bytes);
    CDocument d;
    ASSERT_TRUE(Read(Path("old.nrv"), d)) << c.what;
    EXPECT_NEAR(d.BlkH2, c.blkH2, 1e-12) << c.what;
  }
}

TEST_F(DocFileTest, Version03ReadsToeSlabAndTokPich) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v03_gravity.nrv"), d));
  EXPECT_EQ(d.Sisin, 5);  // stored 1
  EXPECT_EQ(d.WallType(), 1);
  EXPECT_EQ(d.BlkH2, kNullDouble);      // not in the file, no block wall
  EXPECT_EQ(d.BlkDeltT2, kNullDouble);  // = BlkDeltT1, null here
  EXPECT_EQ(d.GrwB, 2);
  EXPECT_EQ(d.GrwB4, 0);  // stored -0.2
  EXPECT_EQ(d.GrwH1, 0.4);
  // nTentou 4 reads 3, and 3 is only for block walls.
  EXPECT_EQ(d.nTentou, 0);
  EXPECT_EQ(d.ChkSlide, 1);
  EXPECT_EQ(d.nQa, 1);
  EXPECT_EQ(d.Qa, 250);
  ASSERT_EQ(d.nCase(), 1);
  EXPECT_EQ(d.pCase(0)->CaseName, "雪");
  EXPECT_EQ(d.pCase(0)->nWind, 1);
  EXPECT_EQ(d.pCase(0)->AllowPremium, 1.15);
  EXPECT_EQ(d.pCase(0)->QuPremium, 2);  // canals with nQa 1, occasional case
  EXPECT_EQ(d.WallSecY(0, 0), 1);
  EXPECT_EQ(d.TokPich, 300);
  EXPECT_EQ(d.Tiiki, 0);
  EXPECT_EQ(d.cZ, 0.7);
  EXPECT_EQ(d.KiriDlt, kNullDouble);
  EXPECT_EQ(d.AutoCrashV, 0);
}

TEST_F(DocFileTest, Version04ReadsHeelHeightAndLineOfThrustRules) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v04_block.nrv"), d));
  EXPECT_EQ(d.BlkH2, 0.2);  // read, not derived
  EXPECT_EQ(d.BlkB1, 0.1);
  EXPECT_EQ(d.BlkDeltT2, 0.1);  // = BlkDeltT1 before 0.5
  EXPECT_EQ(d.GrwB4, 0.3);
  EXPECT_EQ(d.GrwH1, 0.35);
  // Road earthworks: a block wall takes the entered allowable.
  EXPECT_EQ(d.nQa, 1);
  // nTentou 3 survives for a block wall without the automatic water level:
  // no shear key, no automatic level, ChkSlide as stored (0) and nJyudo
  // cleared with it.
  EXPECT_EQ(d.nTentou, 3);
  EXPECT_EQ(d.Tokki, 0);
  EXPECT_EQ(d.nWlvlAuto, 0);
  EXPECT_EQ(d.ChkSlide, 0);
  EXPECT_EQ(d.nJyudo, 0);
  EXPECT_EQ(d.nWater, 1);
  EXPECT_EQ(d.pCase(0)->Doat, 1);
  EXPECT_EQ(d.pCase(0)->QuPremium, 2);
  EXPECT_EQ(d.cZ, 0.5);
  EXPECT_EQ(d.KiriDlt, 10);
  EXPECT_EQ(d.AutoCrashV, 30);
}

TEST_F(DocFileTest, Version05ReadsBackfillThicknessAndResetsSettings) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v05_leaning.nrv"), d));
  EXPECT_EQ(d.WallType(), 2);
  EXPECT_EQ(d.BlkDeltT1, 0.1);
  EXPECT_EQ(d.BlkDeltT2, 0.15);
  EXPECT_EQ(d.MtwB4, 0.25);
  EXPECT_EQ(d.MtwN2, 0.1);
  // Road earthworks: walls other than block walls take the ultimate value.
  EXPECT_EQ(d.nQa, 0);
  // nTentou 3 with the automatic water level reads 0.
  EXPECT_EQ(d.nTentou, 0);
  EXPECT_EQ(d.nWlvlAuto, 1);
  EXPECT_EQ(d.ChkSlide, 1);
  EXPECT_EQ(d.nJyudo, 0);
  EXPECT_EQ(d.pCase(0)->nQuake, 2);
  EXPECT_EQ(d.pCase(0)->Doat, 0);
  EXPECT_EQ(d.pCase(0)->QuPremium, 3);
}

TEST_F(DocFileTest, Version20MixedWallTakesDoatFromQuake) {
  CDocument d;
  ASSERT_TRUE(Read(Fixture("v20_mixed.nrv"), d));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(d.bInpSt(i), -1) << i;
  EXPECT_EQ(d.bInpSt(4), 0);
  EXPECT_EQ(d.bInpSt(5), 0);
  EXPECT_EQ(d.WallType(), 3);
  EXPECT_EQ(d.GrwB4, 0);  // stored 0.3; a mixed wall has no toe slab
  EXPECT_EQ(d.GrwH1, 0);
  EXPECT_EQ(d.MxwH1, 1.5);
  EXPECT_EQ(d.GrwB3, 0.2);
  ASSERT_EQ(d.nNiniCount(), 1);
  EXPECT_EQ(d.pNini(0)->LoadName, "  P, 1");
  EXPECT_EQ(d.pNini(0)->nTarget, 3);
  EXPECT_EQ(d.pNini(0)->Y1, 4);
  ASSERT_EQ(d.nCase(), 2);
  EXPECT_EQ(d.pCase(0)->Doat, 1);
  EXPECT_EQ(d.pCase(1)->Doat, 0);
  EXPECT_EQ(d.pCase(0)->nNini(0), 1);
  EXPECT_EQ(d.pCase(1)->nNiniCount(), 1);
  EXPECT_EQ(d.pCase(0)->QuPremium, 2);  // farm roads, seismic
  EXPECT_EQ(d.pCase(1)->QuPremium, 3);
  EXPECT_EQ(d.nWallSecCnt(0), 2);
  EXPECT_EQ(d.nWallSecCnt(1), 3);
  EXPECT_EQ(d.WallSecY(0, 0), 1.2);
  EXPECT_EQ(d.WallSecY(0, 1), 2.4);
  EXPECT_EQ(d.WallSecY(1, 0), 0.3);
  EXPECT_EQ(d.WallSecY(1, 2), 0.9);
  EXPECT_NE(d.pWallRes(0, 1, 1), nullptr);
  EXPECT_EQ(d.pWallRes(0, 1, 2), nullptr);
  EXPECT_NE(d.pWallRes(1, 1, 2), nullptr);
  ASSERT_EQ(d.nTokusei(), 1);
  EXPECT_EQ(d.TokuseiT(0), 4.5);
  EXPECT_EQ(d.TokuseiN(0), 10);
  EXPECT_EQ(d.TokuseiS(0), 2);
  EXPECT_EQ(d.nTokuseiPrn, -1);
}

// ---- failures -------------------------------------------------------------------

// A document that is not new: a failed read must leave all of this alone.
void Mark(CDocument& d) {
  d.Title = "keep me";
  d.WallH = 4.25;
  d.SetnCase(1);
  d.pCase(0)->CaseName = "mine";
  d.SetbInpSt(4, -1);
}

void ExpectMarked(const CDocument& d) {
  EXPECT_EQ(d.Title, "keep me");
  EXPECT_EQ(d.WallH, 4.25);
  ASSERT_EQ(d.nCase(), 1);
  EXPECT_EQ(d.pCase(0)->CaseName, "mine");
  EXPECT_EQ(d.bInpSt(4), -1);
  EXPECT_EQ(d.nNiniCount(), 0);
}

TEST_F(DocFileTest, BrokenFilesReportTheErrorAndLeaveTheDocument) {
  const std::string good = ReadBytes(Fixture("v4_gravity_full.nrv"));
  const auto at = [&](const std::string& marker) { return good.find(marker); };
  const std::size_t sections = good.find(" 2             1 \r\n", at(Utf8ToCp932("地震時")));
  ASSERT_NE(sections, std::string::npos);
  ASSERT_NE(at("H-load"), std::string::npos);
  struct Case {
    const char* what;
    std::string bytes;
    int err;
  } cases[] = {
      {"empty file", "", 62},
      {"only the version", " 4 \r\n", 62},
      {"cut in the header", good.substr(0, at(" 19 ") + 4), 62},
      {"cut inside a load", good.substr(0, at("H-load") + 8), 62},
      {"cut inside a case", good.substr(0, at(Utf8ToCp932("地震時")) + 12), 62},
      // A record that traps its own error otherwise: number 0, no text.
      {"word inside a case",
       good.substr(0, at(Utf8ToCp932("地震時")) + 12) + " x " +
           good.substr(at(Utf8ToCp932("地震時")) + 15),
       0},
      {"cut before the sections", good.substr(0, sections), 62},
      {"word for a number", good.substr(0, at(" 24.5 ")) + " abc  " + good.substr(at(" 24.5 ") + 6),
       13},
      {"count beyond 16 bits",
       good.substr(0, at(" 2 \r\n" + Utf8ToCp932(" 荷重"))) + " 40000 \r\n" +
           good.substr(at(Utf8ToCp932(" 荷重"))),
       6},
      // Negative counts never come from the program: a damaged file.
      {"negative case count",
       good.substr(0, at(" 2 \r\n" + Utf8ToCp932("常時"))) + "-1 \r\n" +
           good.substr(at(Utf8ToCp932("常時"))),
       321},
      {"negative section count", good.substr(0, sections) + "-2 " + good.substr(sections + 3), 321},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sink_.shown.clear();
    WriteAll(Path("bad.nrv"), c.bytes);
    CDocument d;
    Mark(d);
    d.FileName = Path("bad.nrv");
    EXPECT_FALSE(DataFileRead(d));
    ExpectOneMessage("ファイル読込み時にエラーが発生しました。", c.err);
    if (c.err == 0 && !sink_.shown.empty()) {
      EXPECT_EQ(sink_.shown[0].text.substr(sink_.shown[0].text.size() - 4), "(  )");
    }
    ExpectMarked(d);
    EXPECT_EQ(d.FileName, Path("bad.nrv"));
  }
}

TEST_F(DocFileTest, MissingFileOrNameReadsNothingSilently) {
  for (const std::string& name : {std::string(), Path("none.nrv"), dir_}) {
    CDocument d;
    Mark(d);
    d.FileName = name;
    EXPECT_FALSE(DataFileRead(d)) << name;
    ExpectMarked(d);
  }
  EXPECT_TRUE(sink_.shown.empty());
}

TEST_F(DocFileTest, UnreadableFileReportsTheError) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
  fs::copy_file(Fixture("v4_gravity_full.nrv"), Path("locked.nrv"));
  fs::permissions(Path("locked.nrv"), fs::perms::none);
  CDocument d;
  Mark(d);
  d.FileName = Path("locked.nrv");
  EXPECT_FALSE(DataFileRead(d));
  ExpectOneMessage("ファイル読込み時にエラーが発生しました。", 75);
  ExpectMarked(d);
}

// A fifo would block the read until some writer came, a device might never
// end: what is no file is refused at once with the message.
TEST_F(DocFileTest, ReadingWhatIsNoFileIsRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(Path("pipe.nrv").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", Path("zero.nrv"));
  for (const std::string& name : {Path("pipe.nrv"), Path("zero.nrv")}) {
    SCOPED_TRACE(name);
    sink_.shown.clear();
    CDocument d;
    Mark(d);
    d.FileName = name;
    EXPECT_FALSE(DataFileRead(d));
    ExpectOneMessage("ファイル読込み時にエラーが発生しました。", 75);
    ExpectMarked(d);
  }
}

// The reader on bytes in memory is the file reader: a written document reads
// back the same, a cut one is refused and leaves the document as it was.
TEST_F(DocFileTest, ReaderOnBytesInMemory) {
  CDocument a;
  FillEveryKind(a);
  const std::string bytes = DocumentFileBytes(a);
  CDocument b;
  ASSERT_TRUE(DataFileReadBytes(b, bytes));
  EXPECT_EQ(DocumentFileBytes(b), bytes);
  CDocument c;
  Mark(c);
  EXPECT_FALSE(DataFileReadBytes(c, bytes.substr(0, bytes.size() / 2)));
  ExpectOneMessage("ファイル読込み時にエラーが発生しました。", 62);
  ExpectMarked(c);
}

TEST_F(DocFileTest, WriteTargetsFileNameOrNothing) {
  CDocument d;
  EXPECT_FALSE(DataFileWrite(d, ""));  // no path at all
  EXPECT_TRUE(sink_.shown.empty());
  d.FileName = Path("own.nrv");
  ASSERT_TRUE(DataFileWrite(d, ""));
  EXPECT_EQ(ReadBytes(Path("own.nrv")), DocumentFileBytes(d));
  // A path of its own does not rebind the document.
  ASSERT_TRUE(DataFileWrite(d, Path("other.nrv")));
  EXPECT_EQ(d.FileName, Path("own.nrv"));
  // Nothing but the two documents in the folder: no temporary left behind.
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir_)) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 2);
}

TEST_F(DocFileTest, SaveIntoMissingFolderFailsWithMessage) {
  CDocument d;
  EXPECT_FALSE(DataFileWrite(d, Path("no/such/folder.nrv")));
  ExpectOneMessage("ファイル書き込み時にエラーが発生しました。", 76);
}

TEST_F(DocFileTest, SaveIntoReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  fs::create_directory(Path("ro"));
  WriteAll(Path("ro/doc.nrv"), "old content\r\n");
  fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
  CDocument d;
  EXPECT_FALSE(DataFileWrite(d, Path("ro/doc.nrv")));
  ExpectOneMessage("ファイル書き込み時にエラーが発生しました。", 70);
  EXPECT_EQ(ReadBytes(Path("ro/doc.nrv")), "old content\r\n");
}

// Saving replaces the file by a rename, which the folder alone would allow:
// a file marked read-only must still refuse the save and keep its content.
TEST_F(DocFileTest, SaveOverAReadOnlyFileKeepsItUnchanged) {
  WriteAll(Path("ro.nrv"), "old content\r\n");
  ::chmod(Path("ro.nrv").c_str(), 0444);
  CDocument d;
  EXPECT_FALSE(DataFileWrite(d, Path("ro.nrv")));
  ExpectOneMessage("ファイル書き込み時にエラーが発生しました。", 70);
  EXPECT_EQ(ReadBytes(Path("ro.nrv")), "old content\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(Path("ro.nrv").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  // No temporary file is left beside it.
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir_)) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
  // Writable again, the same save goes through.
  ::chmod(Path("ro.nrv").c_str(), 0644);
  sink_.shown.clear();
  EXPECT_TRUE(DataFileWrite(d, Path("ro.nrv")));
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(ReadBytes(Path("ro.nrv")), DocumentFileBytes(d));
}

// A disk that fills up in the middle of the save: the previous file must
// come through whole and no partial file may be left.
TEST_F(DocFileTest, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
  WriteAll(Path("doc.nrv"), "old content\r\n");
  ::chmod(Path("doc.nrv").c_str(), 0640);
  CDocument d;
  FillEveryKind(d);

  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  struct sigaction ignore {
  }, previous{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &previous);
  struct rlimit small = old;
  small.rlim_cur = 1000;  // far less than a document
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok = DataFileWrite(d, Path("doc.nrv"));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::sigaction(SIGXFSZ, &previous, nullptr);

  EXPECT_FALSE(ok);
  ExpectOneMessage("ファイル書き込み時にエラーが発生しました。", 61);
  EXPECT_EQ(ReadBytes(Path("doc.nrv")), "old content\r\n");
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir_)) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);

  // With room again the save replaces the file and keeps its permissions.
  sink_.shown.clear();
  ASSERT_TRUE(DataFileWrite(d, Path("doc.nrv")));
  EXPECT_EQ(ReadBytes(Path("doc.nrv")), DocumentFileBytes(d));
  struct stat st {};
  ASSERT_EQ(::stat(Path("doc.nrv").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(DocFileTest, SaveThroughALinkUpdatesTheLinkedFile) {
  fs::create_directory(Path("real"));
  WriteAll(Path("real/doc.nrv"), "old\r\n");
  fs::create_symlink(Path("real/doc.nrv"), Path("link.nrv"));
  CDocument d;
  ASSERT_TRUE(DataFileWrite(d, Path("link.nrv")));
  EXPECT_TRUE(fs::is_symlink(Path("link.nrv")));
  EXPECT_EQ(ReadBytes(Path("real/doc.nrv")), DocumentFileBytes(d));
}

// Every entry below dir with its kind, link target or content, so that a
// refused save can be shown to have changed nothing.
std::string Snapshot(const std::string& dir) {
  std::vector<std::string> rows;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    const fs::file_status st = fs::symlink_status(e.path());
    std::string row = e.path().string() + " ";
    if (fs::is_symlink(st)) {
      row += "link->" + fs::read_symlink(e.path()).string();
    } else if (fs::is_regular_file(st)) {
      row += "file:" + ReadBytes(e.path().string());
    } else if (fs::is_directory(st)) {
      row += "folder";
    } else {
      row += "other:" + std::to_string(static_cast<int>(st.type()));
    }
    rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  std::string out;
  for (const std::string& r : rows) out += r + "\n";
  return out;
}

TEST_F(DocFileTest, SaveThroughADanglingLinkCreatesTheFileItNames) {
  fs::create_directory(Path("real"));
  fs::create_symlink("real/new.nrv", Path("link.nrv"));
  CDocument d;
  d.Title = "新しい文書";
  ASSERT_TRUE(DataFileWrite(d, Path("link.nrv")));
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_TRUE(fs::is_symlink(Path("link.nrv")));
  EXPECT_EQ(fs::read_symlink(Path("link.nrv")), "real/new.nrv");
  EXPECT_EQ(ReadBytes(Path("real/new.nrv")), DocumentFileBytes(d));
  EXPECT_EQ(fs::status(Path("real/new.nrv")).type(), fs::file_type::regular);
}

// Relative links are read from the folder of the link that holds them, link by
// link: here.nrv -> sub/a.nrv, sub/a.nrv -> ../other/b.nrv, other/b.nrv -> c.nrv.
TEST_F(DocFileTest, SaveThroughARelativeLinkChainWritesTheLastFile) {
  fs::create_directory(Path("sub"));
  fs::create_directory(Path("other"));
  WriteAll(Path("other/c.nrv"), "old\r\n");
  fs::create_symlink("c.nrv", Path("other/b.nrv"));
  fs::create_symlink("../other/b.nrv", Path("sub/a.nrv"));
  fs::create_symlink("sub/a.nrv", Path("here.nrv"));
  CDocument d;
  ASSERT_TRUE(DataFileWrite(d, Path("here.nrv")));
  EXPECT_EQ(ReadBytes(Path("other/c.nrv")), DocumentFileBytes(d));
  EXPECT_EQ(fs::read_symlink(Path("here.nrv")), "sub/a.nrv");
  EXPECT_EQ(fs::read_symlink(Path("sub/a.nrv")), "../other/b.nrv");
  EXPECT_EQ(fs::read_symlink(Path("other/b.nrv")), "c.nrv");
  // The temporary file was made beside the file written, and is gone.
  int entries = 0;
  for (const auto& e : fs::directory_iterator(Path("other"))) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 2);
}

// Targets no document can be saved over: each save is refused with its
// message, and the folder stays exactly as it was.
TEST_F(DocFileTest, SaveOverWhatIsNoFileIsRefusedAndChangesNothing) {
  struct Case {
    const char* name;
    std::function<bool(const std::string&)> make;  // false: cannot be made here
    const char* why;
  };
  const std::vector<Case> cases = {
      {"a loop of two links",
       [this](const std::string& p) {
         fs::create_symlink("b.nrv", p);
         fs::create_symlink("target.nrv", Path("b.nrv"));
         return true;
       },
       "シンボリックリンクが循環しているため、保存先が決まりません。"},
      {"a link to itself",
       [](const std::string& p) {
         fs::create_symlink("target.nrv", p);
         return true;
       },
       "シンボリックリンクが循環しているため、保存先が決まりません。"},
      {"a fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
       "保存先が通常のファイルではありません。"},
      {"a link to a fifo",
       [this](const std::string& p) {
         fs::create_symlink("pipe", p);
         return ::mkfifo(Path("pipe").c_str(), 0644) == 0;
       },
       "保存先が通常のファイルではありません。"},
      {"a folder",
       [](const std::string& p) {
         fs::create_directory(p);
         WriteAll(p + "/inside.nrv", "kept\r\n");
         return true;
       },
       "保存先がフォルダです。"},
      {"a device",
       [](const std::string& p) {
         // The null device's numbers; only root may make a device node.
         return ::mknod(p.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
       },
       "保存先が通常のファイルではありません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& e : fs::directory_iterator(dir_)) fs::remove_all(e.path());
    sink_.shown.clear();
    WriteAll(Path("beside.nrv"), "untouched\r\n");
    if (!c.make(Path("target.nrv"))) {
      EXPECT_NE(::geteuid(), 0u) << "only a device node may be beyond a user";
      continue;
    }
    const std::string before = Snapshot(dir_);
    CDocument d;
    EXPECT_FALSE(DataFileWrite(d, Path("target.nrv")));
    ExpectOneMessage("ファイル書き込み時にエラーが発生しました。", 75);
    ASSERT_FALSE(sink_.shown.empty());
    EXPECT_NE(sink_.shown[0].text.find(c.why), std::string::npos) << sink_.shown[0].text;
    EXPECT_EQ(Snapshot(dir_), before);
  }
}

// A save killed before its rename leaves its temporary file; the next save
// into that folder removes it, but never one another save is writing (it
// holds a lock on it), one of another name, or a link that only looks like one.
TEST_F(DocFileTest, NextSaveRemovesTemporaryFilesLeftByAKilledSave) {
  WriteAll(Path(".norva-abcd1234.tmp"), "left by a killed save");
  WriteAll(Path(".norva-zz99zz99.tmp"), "another one");
  WriteAll(Path(".norva-busy0000.tmp"), "being written");
  WriteAll(Path(".norva-abc.tmp"), "not our naming");
  WriteAll(Path("norva-abcd1234.tmp"), "not hidden: not ours");
  WriteAll(Path("kept.nrv"), "pointed to");
  fs::create_symlink("kept.nrv", Path(".norva-link0000.tmp"));
  const int busy = ::open(Path(".norva-busy0000.tmp").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(busy, 0);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);

  CDocument d;
  ASSERT_TRUE(DataFileWrite(d, Path("doc.nrv")));
  ::close(busy);

  EXPECT_FALSE(fs::exists(Path(".norva-abcd1234.tmp")));
  EXPECT_FALSE(fs::exists(Path(".norva-zz99zz99.tmp")));
  EXPECT_EQ(ReadBytes(Path(".norva-busy0000.tmp")), "being written");
  EXPECT_EQ(ReadBytes(Path(".norva-abc.tmp")), "not our naming");
  EXPECT_EQ(ReadBytes(Path("norva-abcd1234.tmp")), "not hidden: not ours");
  EXPECT_TRUE(fs::is_symlink(Path(".norva-link0000.tmp")));
  EXPECT_EQ(ReadBytes(Path("kept.nrv")), "pointed to");
  EXPECT_EQ(ReadBytes(Path("doc.nrv")), DocumentFileBytes(d));
}

// ---- texts and counts the reader must be able to take back ------------------

TEST_F(DocFileTest, LineBreaksInTextsDoNotShiftTheItemsAfterThem) {
  CDocument a;
  a.Title = "上段\r\n下段";
  a.WallH = 3.5;
  a.SetnNiniCount(1);
  a.pNini(0)->LoadName = "a\nb";
  a.pNini(0)->nType = 2;
  a.pNini(0)->P2 = 7.25;
  a.SetnCase(1);
  a.pCase(0)->CaseName = "c\rd\n";
  a.pCase(0)->Ea = 6;
  a.pCase(0)->AllowPremium = 1.5;
  a.SetWallSecY(0, 0, 2.25);
  ASSERT_TRUE(DataFileWrite(a, Path("t.nrv")));
  // 577 + 3 load lines + 18 case lines + one section of each part: every text
  // stayed on its own line.
  EXPECT_EQ(Lines(ReadBytes(Path("t.nrv"))).size(), 577u + 3 + 18 + 2);
  CDocument b;
  ASSERT_TRUE(Read(Path("t.nrv"), b));
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(b.Title, "上段 下段");
  EXPECT_EQ(b.WallH, 3.5);
  ASSERT_EQ(b.nNiniCount(), 1);
  EXPECT_EQ(b.pNini(0)->LoadName, "a b");
  EXPECT_EQ(b.pNini(0)->nType, 2);
  EXPECT_EQ(b.pNini(0)->P2, 7.25);
  ASSERT_EQ(b.nCase(), 1);
  EXPECT_EQ(b.pCase(0)->CaseName, "c d ");
  EXPECT_EQ(b.pCase(0)->Ea, 6);
  EXPECT_EQ(b.pCase(0)->AllowPremium, 1.5);
  EXPECT_EQ(b.WallSecY(0, 0), 2.25);
}

TEST_F(DocFileTest, ListCountsBelowOneReadBackAsNoElements) {
  // The point and ground-row setters take a count below 1 as "none"; the
  // writer stores the count as it is, so the reader must take it back.
  struct Case {
    int16_t points;
    int16_t rows;
  } cases[] = {{0, 0}, {-1, 0}, {0, -2}, {-3, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.points) + " points, " + std::to_string(c.rows) + " rows");
    CDocument a;
    a.SetnUraNini(c.points);
    a.SetnTokusei(c.rows);
    a.KiriD = 4.5;       // the item after the points
    a.nTokuseiPrn = 1;   // the item after the rows
    a.AutoCrashV = 2.5;  // the last item
    const std::string path = Path("counts.nrv");
    ASSERT_TRUE(DataFileWrite(a, path));
    EXPECT_EQ(Lines(ReadBytes(path)).size(), 579u);
    CDocument b;
    ASSERT_TRUE(Read(path, b));
    EXPECT_TRUE(sink_.shown.empty());
    EXPECT_EQ(b.nUraNini(), c.points);
    EXPECT_EQ(b.nTokusei(), c.rows);
    EXPECT_EQ(b.UraNiniX(0), 0);
    EXPECT_EQ(b.TokuseiT(0), 0);
    EXPECT_EQ(b.KiriD, 4.5);
    EXPECT_EQ(b.nTokuseiPrn, 1);
    EXPECT_EQ(b.AutoCrashV, 2.5);
  }
}

// Every item gets a value of its own, so two items that changed places (in the
// writer or in the reader) cannot go unnoticed. The expected lines are the
// file table worked through by hand for 2 back-ground points, 1 load, 1 case
// with 2 switches, check sections (2, 1) and 2 ground rows.
void FillDistinct(CDocument& d) {
  const int16_t inp[] = {-1, -1, 0, -1, 0, 0};
  for (int i = 0; i < 6; ++i) d.SetbInpSt(i, inp[i]);
  d.Title = "T";
  d.Unit = 0;
  d.Sisin = 3;
  d.SetWallType(2);
  d.Doatsu = 1;
  d.bQuake = -1;
  d.SetKh(0, 0.11);
  d.SetKh(1, 0.12);
  d.BackType = 1;
  d.KiriDoatsu = 0;
  double v = 101.5;  // the doubles of lines 12 to 43 and 50 to 52, in file order
  for (double* f : {&d.Gamb, &d.Gambd, &d.Gamf, &d.Gamfd, &d.Gamcw, &d.Gamcf, &d.Gamw, &d.Fai})
    *f = v++;
  d.SetC(0, v++);
  d.SetC(1, v++);
  d.Setdelt(0, v++);
  d.Setdelt(1, v++);
  for (double* f : {&d.Deltd, &d.Cd, &d.SgmCk, &d.Sgmca, &d.Sgmta, &d.Taua, &d.Sgmsa}) *f = v++;
  d.SecDoatsu = 1;
  for (double* f : {&d.WallH, &d.WallL, &d.WallB, &d.BlkT, &d.BlkDeltT1, &d.BlkN}) *f = v++;
  d.nBlkSetup = 1;
  d.nBlkFound = 0;
  for (double* f : {&d.BlkB,  &d.BlkH1, &d.BlkH2, &d.BlkB1, &d.BlkT2, &d.BlkDeltT2, &d.GrwB,
                    &d.GrwB1, &d.GrwB2, &d.GrwN,  &d.MtwH1, &d.MtwH2, &d.MtwH3,     &d.MtwB1,
                    &d.MtwB2, &d.MtwB3, &d.MtwB4, &d.MtwN1, &d.MtwN2, &d.MxwH1,     &d.MxwH2,
                    &d.MxwH3, &d.GrwB3, &d.GrwB4, &d.GrwH1}) {
    *f = v++;
  }
  d.nKeisya = 0;
  d.KeisyaH = v++;
  d.Tokki = 1;
  for (double* f : {&d.TokX, &d.TokB, &d.TokL}) *f = v++;
  d.SetSoilFH(0, v++);
  d.SetSoilFH(1, v++);
  d.nWater = 2;
  d.nWlvlAuto = 0;
  d.SetWatFH(0, v++);
  d.SetWatFH(1, v++);
  d.SetWatBH(0, v++);
  d.SetWatBH(1, v++);
  d.UragomeType = 3;
  for (double* f : {&d.UraHd, &d.UraN, &d.UraX1, &d.UraX2, &d.UraH0}) *f = v++;
  d.SetnUraNini(2);
  for (int i = 0; i < 2; ++i) {
    d.SetUraNiniX(i, v++);
    d.SetUraNiniY(i, v++);
  }
  d.KiriD = v++;
  d.KiriN = v++;
  d.nTentou = 1;
  d.ChkSlide = 1;
  d.nJyudo = 1;
  d.SetPp(0, v++);
  d.SetPp(1, v++);
  d.nQa = 1;
  for (double* f : {&d.Qa, &d.Faib, &d.Myu, &d.cb, &d.SijiFai, &d.SijiC, &d.SijiGam1, &d.Df, &d.Dfd,
                    &d.SijiGam2}) {
    *f = v++;
  }
  d.SetAE0(0, v++);
  d.SetAE0(1, v++);
  d.nAutoMobile = 0;
  d.nAutoTload = 4;
  for (double* f : {&d.AutoPos, &d.AutoWidth, &d.AutoLoad}) *f = v++;
  d.nGunsyu = 0;
  for (double* f : {&d.GunsyuPos, &d.GunsyuWidth, &d.GunsyuLoad}) *f = v++;
  d.nSnow = 0;
  d.nSnowType = 2;
  for (double* f : {&d.SnowPos, &d.SnowDepth, &d.SnowLoad}) *f = v++;
  d.nTakuchi = 0;
  for (double* f : {&d.TakuchiPos, &d.TakuchiWidth, &d.TakuchiLoad}) *f = v++;
  d.SetnAutoCrash(0, 1);
  d.SetnAutoCrash(1, 0);
  d.nAutoCrashBougo = -1;
  d.nAutoCrashBougoClass = 2;
  d.nAutoCrashBougoModel = 4;
  for (double* f : {&d.AutoCrashWidth, &d.AutoCrashHigh, &d.AutoCrashLoad}) *f = v++;
  d.nStone = 0;
  for (double* f : {&d.StoneHight, &d.StonePich, &d.StoneLoad, &d.StoneSgmy, &d.StoneZ}) *f = v++;
  d.nWind = 1;
  for (double* f : {&d.WindPos, &d.WindHight, &d.WindLoad}) *f = v++;

  d.SetnNiniCount(1);
  CNini& n = *d.pNini(0);
  n.LoadName = "L, one";
  n.nType = 3;
  n.nTarget = 6;
  for (double* f : {&n.X1, &n.X2, &n.Y1, &n.Y2, &n.P1, &n.P2}) *f = v++;

  d.SetnCase(1);
  CKajyuCase& c = *d.pCase(0);
  c.CaseName = "C, one";
  int16_t sw = 11;
  for (int16_t* f : {&c.nQuake, &c.nWater, &c.nSoilF, &c.nAutoMobil, &c.nGunsyu, &c.nSnow,
                     &c.nTakuchi, &c.nAutoCrash, &c.nStoneCrash, &c.nWind}) {
    *f = sw++;
  }
  c.Doat = 21;
  c.SetnNiniCount(2);
  c.SetnNini(0, 22);
  c.SetnNini(1, 23);
  c.Ea = 24.5;
  c.FsTentou = 25.5;
  c.FsKatsudou = 26.5;
  c.QaPremium = 27.5;
  c.AllowPremium = 28.5;
  c.QuPremium = 99;  // never written

  d.SetnWallSecCnt(0, 2);
  d.SetWallSecY(0, 0, 29.5);
  d.SetWallSecY(0, 1, 30.5);
  d.SetWallSecY(1, 0, 31.5);
  d.TokDia = 32;
  d.TokHon = 33.5;
  d.TokKab = 34.5;
  d.TokPich = 35.5;
  d.Tiiki = 2;
  d.Jiban1 = 0;
  d.Kouzou = 3;
  d.Delt3 = 36.5;
  d.Kibo = 0;
  d.Jiban2 = 2;
  d.Youto = 37.5;
  d.SetnTokusei(2);
  d.SetTokuseiT(0, 38.5);
  d.SetTokuseiN(0, 39);
  d.SetTokuseiS(0, 40);
  d.SetTokuseiT(1, 41.5);
  d.SetTokuseiN(1, 42);
  d.SetTokuseiS(1, 43);
  d.nTokuseiPrn = 1;
  d.JibanHa = 44.5;
  d.JibanHd = 45.5;
  d.nJibanPrn = 1;
  d.JyudoH = 46.5;
  d.JyudoGam = 47.5;
  d.JyudoFai = 48.5;
  d.JyudoDelt = 49.5;
  d.JyudoAlp = 50.5;
  d.JyudoI = 51.5;
  d.JyudoKh = 52.5;
  d.JyudoPrn = 1;
  d.KisoH1 = 53.5;
  d.KisoH2 = 54.5;
  d.KisoB = 55.5;
  d.Mizunuki = 1;
  d.MizuDan = 3;
  for (int i = 0; i < 5; ++i) d.SetMizuH1(i, 56.5 + i);
  d.MizuN = 61.5;
  d.MizuFai = 62.5;
  d.DrwScale = 5;
  d.Sheet = 2;
  for (int i = 0; i < 4; ++i) d.SetMargin(i, static_cast<int16_t>(11 + i));
  d.Suryou = 1;
  d.cZ = 63.5;
  d.KiriDlt = 64.5;
  d.AutoCrashV = 65.5;
}

// The items of a line, separated by single blanks.
std::string Items(const std::string& line) {
  std::istringstream in(line);
  std::string out, item;
  while (in >> item) out += (out.empty() ? "" : " ") + item;
  return out;
}

TEST_F(DocFileTest, EveryItemHasItsOwnPlaceInTheFile) {
  CDocument a;
  FillDistinct(a);
  const std::string bytes = DocumentFileBytes(a);
  const auto L = Lines(bytes);
  ASSERT_EQ(L.size(), 577u + 2 + 3 + 20 + 3 + 2);
  const char* expected[] = {
      /* 1 */ "4",
      "-1",
      "-1",
      "0",
      "-1",
      "0",
      "0",
      "T",
      /* 9 */ "0 3 2 1",
      "-1 .11 .12",
      "1 0",
      /* 12 */ "101.5 102.5 103.5 104.5 105.5 106.5 107.5",
      /* 13 */ "108.5 109.5 110.5 111.5 112.5 113.5 114.5",
      /* 14 */ "115.5 116.5 117.5 118.5 119.5",
      "1",
      "120.5 121.5 122.5",
      /* 17 */ "123.5 124.5 125.5 1 0 126.5 127.5 128.5",
      "129.5 130.5 131.5",
      /* 19 */ "132.5 133.5 134.5 135.5",
      "136.5 137.5 138.5 139.5 140.5 141.5 142.5",
      /* 21 */ "143.5 144.5",
      "145.5 146.5",
      "147.5 148.5",
      "149.5 150.5",
      "0 151.5",
      /* 26 */ "1 152.5 153.5 154.5",
      "155.5 156.5",
      "2 0",
      "157.5 158.5 159.5 160.5",
      /* 30 */ "3 161.5 162.5 163.5 164.5 165.5",
      "2",
      "166.5 167.5",
      "168.5 169.5",
      /* 34 */ "170.5 171.5",
      "1",
      "1",
      "1 172.5 173.5",
      "0",
      "1 174.5",
      /* 40 */ "175.5 176.5 177.5",
      "178.5 179.5 180.5",
      "181.5 182.5 183.5",
      "184.5 185.5",
      /* 44 */ "0 4 186.5 187.5 188.5",
      "0 189.5 190.5 191.5",
      "0 2 192.5 193.5 194.5",
      /* 47 */ "0 195.5 196.5 197.5",
      "1 0 -1",
      "2 4",
      "198.5 199.5 200.5",
      /* 51 */ "0 201.5 202.5 203.5 204.5 205.5",
      "1 206.5 207.5 208.5",
      /* 53 */ "1",
      "L, one",
      "3 6",
      "209.5 210.5 211.5 212.5 213.5 214.5",
      /* 57 */ "1",
      "C, one",
      "11",
      "12",
      "13",
      "14",
      "15",
      "16",
      "17",
      "18",
      "19",
      "20",
      /* 69 */ "21",
      "2",
      "22",
      "23",
      "24.5",
      "25.5",
      "26.5",
      "27.5",
      "28.5",
      /* 78 */ "2 1",
      "29.5",
      "30.5",
      "31.5",
      "32 33.5 34.5 35.5",
      "2 0 3",
      "36.5 0 2",
      "37.5",
      /* 86 */ "2",
      "38.5 39 40",
      "41.5 42 43",
      "1",
      "44.5 45.5",
      "1",
      /* 92 */ "46.5 47.5 48.5",
      "49.5 50.5 51.5",
      "52.5 1",
      "53.5 54.5 55.5",
      "1 3",
      /* 97 */ "56.5",
      "57.5",
      "58.5",
      "59.5",
      "60.5",
      "61.5 62.5",
      "5 2",
      "11 12 13 14",
      "1",
      /* 106 */ "63.5",
      "64.5",
      "65.5",
  };
  const std::size_t n = sizeof expected / sizeof expected[0];
  ASSERT_EQ(n, 108u);
  for (std::size_t i = 0; i < n; ++i) {
    const bool text = i == 7 || i == 53 || i == 57;
    EXPECT_EQ(text ? L[i] : Items(L[i]), expected[i]) << "line " << i + 1;
  }
  for (std::size_t i = n; i < L.size(); ++i) EXPECT_EQ(L[i], " 0 ") << "line " << i + 1;

  // The reader puts every item back where it came from: a second write gives
  // the same bytes (none of these values is changed by a reader rule).
  ASSERT_TRUE(DataFileWrite(a, Path("distinct.nrv")));
  CDocument b;
  ASSERT_TRUE(Read(Path("distinct.nrv"), b));
  EXPECT_EQ(DocumentFileBytes(b), bytes);
  EXPECT_EQ(b.pCase(0)->QuPremium, 3);  // derived, not read
}

}  // namespace
}  // namespace norva
