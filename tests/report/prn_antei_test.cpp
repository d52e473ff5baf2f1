// The stability chapter driver: which sections it writes for a wall part, in
// which order, for which cases. Every slot records its call; the built-in
// water sections are recognised by their headings.
#include "report/driver/prn_antei.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "report/water/water_writers.h"

namespace norva {
namespace {

void Rec(PrnFile& f, const std::string& call) { f.Line("@@", {"@", call}); }
std::string N(int v) { return std::to_string(v); }

// A per-case group writer: "name(i,flag)", then marks its heading written.
template <typename... Extra>
auto Group(const char* name) {
  return [name](PrnFile& f, const CDocument&, int32_t i, Extra... extra) {
    int16_t& flag = std::get<sizeof...(Extra) - 1>(std::tie(extra...));
    std::string args = N(i);
    if constexpr (sizeof...(Extra) == 2) args += ",p" + N(std::get<0>(std::tie(extra...)));
    Rec(f, std::string(name) + "(" + args + ",f" + N(flag) + ")");
    flag = 1;
  };
}

void RegisterRecorders() {
  ReportWriters& w = PrnWriters();
  w = ReportWriters{};
  RegisterWaterWriters();
  auto part = [](const char* name) {
    return [name](PrnFile& f, const CDocument&, const std::string&, int16_t p) {
      Rec(f, std::string(name) + "(p" + N(p) + ")");
    };
  };
  auto method = [](const char* name) {
    return [name](PrnFile& f, const CDocument&, const std::string&) { Rec(f, name); };
  };
  auto doc = [](const char* name) {
    return [name](PrnFile& f, const CDocument&) { Rec(f, name); };
  };
  auto perCase = [](const char* name) {
    return [name](PrnFile& f, const CDocument&, int32_t i) {
      Rec(f, std::string(name) + "(" + N(i) + ")");
    };
  };
  w.PrnKutai = part("Kutai");
  w.PrnDoatsu = part("Doatsu");
  w.PrnHorzLoad = Group<int16_t&>("HorzLoad");
  w.PrnNiniLoad = Group<int16_t, int16_t&>("NiniLoad");
  w.PrnForceSumSiryokusen = Group<int16_t, int16_t&>("ForceSumSiryokusen");
  w.PrnForceSum = Group<int16_t, int16_t&>("ForceSum");
  w.PrnTentou = part("Tentou");
  w.PrnTentouCase = [](PrnFile& f, const CDocument&, int32_t i, const std::string&, int16_t p) {
    Rec(f, "TentouCase(" + N(i) + ",p" + N(p) + ")");
  };
  w.PrnAnteiListUpper = doc("AnteiListUpper");
  w.PrnJibanHanryoku = method("JibanHanryoku");
  w.PrnJibanHanryokuCase = perCase("JibanHanryokuCase");
  w.PrnJibanHanryokuMotare = method("JibanHanryokuMotare");
  w.PrnJibanHanryokuMotareCase = perCase("JibanHanryokuMotareCase");
  w.PrnSijiQa = doc("SijiQa");
  w.PrnSijiQaCase = perCase("SijiQaCase");
  w.PrnSijiFs = doc("SijiFs");
  w.PrnSijiFsCase = perCase("SijiFsCase");
  w.PrnSlide = doc("Slide");
  w.PrnSlideCase = [](PrnFile& f, const CDocument&, int32_t i, const std::string&) {
    Rec(f, "SlideCase(" + N(i) + ")");
  };
  w.PrnWlvlAuto = [](PrnFile& f, const CDocument&, int32_t i, const std::string&, bool notFirst) {
    Rec(f, "WlvlAuto(" + N(i) + (notFirst ? ",later" : ",first") + ")");
  };
  w.PrnAnteiList = doc("AnteiList");
}

// The recorded calls, the water headings ("[水圧]", "[揚圧力]") and the case
// headings inside them ("[2]" for 荷重ケース.2), joined by blanks.
std::string Trace(const std::string& cp932) {
  std::string t;
  auto add = [&t](const std::string& s) { t += (t.empty() ? "" : " ") + s; };
  for (const std::string& l : test::Lines(cp932)) {
    if (l.rfind("@", 0) == 0) {
      add(l.substr(1));
    } else if (l.find("水　圧</H") != std::string::npos) {
      add("[水圧]");
    } else if (l.find("揚圧力</H") != std::string::npos) {
      add("[揚圧力]");
    } else if (auto p = l.find("荷重ケース."); p != std::string::npos) {
      add("[" + l.substr(p + std::string("荷重ケース.").size(), 1) + "]");
    }
  }
  return t;
}

std::unique_ptr<CDocument> Sample(const char* name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(
      *doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv"));
  return doc;
}

struct Codes {
  int32_t nWater = 0;
  int16_t nWlvlAuto = 0;
  int32_t Sisin = 2;
  int16_t nQa = 0;
  int16_t ChkSlide = 1;
  int32_t nTentou = 0;
  // Per case: does it consider water, is it ticked.
  std::vector<std::pair<int16_t, int16_t>> cases{{1, 1}, {1, 1}};
};

std::string Chapter(const char* sample, const Codes& s, int16_t part) {
  std::unique_ptr<CDocument> doc = Sample(sample);
  doc->nWater = s.nWater;
  doc->nWlvlAuto = s.nWlvlAuto;
  doc->Sisin = s.Sisin;
  doc->nQa = s.nQa;
  doc->ChkSlide = s.ChkSlide;
  doc->nTentou = s.nTentou;
  doc->bQuake = 0;
  doc->Gamw = 9.8;
  doc->SetWatFH(0, 1.0);
  doc->SetWatBH(0, 2.0);
  doc->SetnCase(static_cast<int16_t>(s.cases.size()));
  PrnSel().NewDocument(doc->nCase());
  for (size_t i = 0; i < s.cases.size(); ++i) {
    doc->pCase(static_cast<int>(i))->CaseName = "C" + N(static_cast<int>(i));
    doc->pCase(static_cast<int>(i))->nWater = s.cases[i].first;
    PrnSel().PrnAnteiCases.Set(static_cast<int32_t>(i), s.cases[i].second);
  }
  test::TempFolder work;
  return Trace(test::Markup([&](PrnFile& f) { PrnAntei(f, *doc, work.path(), part); }));
}

class PrnAnteiTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterRecorders(); }
  void TearDown() override {
    PrnWriters() = ReportWriters{};
    PrnSel() = ReportSelection{};
  }
};

TEST_F(PrnAnteiTest, MixedWallUpperPartEndsWithTheOverturningSummary) {
  Codes s;
  s.nWater = 2;
  s.nWlvlAuto = 1;
  EXPECT_EQ(Chapter("mixed", s, 0),
            "Kutai(p0) Doatsu(p0) [水圧] [1] [2] HorzLoad(0,f0) HorzLoad(1,f1) "
            "NiniLoad(0,p0,f0) NiniLoad(1,p0,f1) ForceSumSiryokusen(0,p0,f0) "
            "ForceSumSiryokusen(1,p0,f1) Tentou(p0) TentouCase(0,p0) TentouCase(1,p0) "
            "AnteiListUpper");
}

TEST_F(PrnAnteiTest, MixedWallLowerPartHasUpliftBearingAndSliding) {
  Codes s;
  s.nWater = 2;
  s.nWlvlAuto = 1;
  EXPECT_EQ(Chapter("mixed", s, 1),
            "Kutai(p1) Doatsu(p1) [水圧] [1] [2] [揚圧力] [1] [2] "
            "NiniLoad(0,p1,f0) NiniLoad(1,p1,f1) ForceSum(0,p1,f0) ForceSum(1,p1,f1) "
            "Tentou(p1) TentouCase(0,p1) TentouCase(1,p1) SijiQa SijiQaCase(0) SijiQaCase(1) "
            "Slide SlideCase(0) SlideCase(1) WlvlAuto(0,first) WlvlAuto(1,later) AnteiList");
  s.nWater = 0;
  s.nTentou = 3;  // line of thrust: its force sums come first
  EXPECT_EQ(Chapter("mixed", s, 1),
            "Kutai(p1) Doatsu(p1) NiniLoad(0,p1,f0) NiniLoad(1,p1,f1) "
            "ForceSumSiryokusen(0,p1,f0) ForceSumSiryokusen(1,p1,f1) ForceSum(0,p1,f0) "
            "ForceSum(1,p1,f1) Tentou(p1) TentouCase(0,p1) TentouCase(1,p1) SijiQa SijiQaCase(0) "
            "SijiQaCase(1) Slide SlideCase(0) SlideCase(1) AnteiList");
}

TEST_F(PrnAnteiTest, BearingSectionsByWallTypeGuidelineAndEnteredCapacity) {
  struct Row {
    const char* name;
    const char* sample;
    int32_t Sisin;
    int16_t nQa;
    const char* bearing;
  };
  const Row rows[] = {
      {"large-block guideline, computed capacity", "gravity", 3, 0,
       "JibanHanryoku JibanHanryokuCase(0) JibanHanryokuCase(1) SijiFs SijiFsCase(0) "
       "SijiFsCase(1)"},
      {"leaning wall, road guideline, entered capacity", "leaning", 2, 1,
       "JibanHanryokuMotare JibanHanryokuMotareCase(0) JibanHanryokuMotareCase(1)"},
      {"leaning wall, road guideline", "leaning", 2, 0, "SijiQa SijiQaCase(0) SijiQaCase(1)"},
      {"entered capacity, any other wall", "gravity", 3, 1,
       "JibanHanryoku JibanHanryokuCase(0) JibanHanryokuCase(1)"},
      {"road guideline", "gravity", 2, 0, "SijiQa SijiQaCase(0) SijiQaCase(1)"},
      {"residential land", "block_masonry", 4, 0,
       "JibanHanryoku JibanHanryokuCase(0) JibanHanryokuCase(1)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Codes s;
    s.Sisin = r.Sisin;
    s.nQa = r.nQa;
    EXPECT_EQ(Chapter(r.sample, s, 0),
              std::string("Kutai(p0) Doatsu(p0) HorzLoad(0,f0) HorzLoad(1,f1) NiniLoad(0,p0,f0) "
                          "NiniLoad(1,p0,f1) ForceSum(0,p0,f0) ForceSum(1,p0,f1) Tentou(p0) "
                          "TentouCase(0,p0) TentouCase(1,p0) ") +
                  r.bearing + " Slide SlideCase(0) SlideCase(1) AnteiList");
  }
}

TEST_F(PrnAnteiTest, NoSlidingCheckNoSlidingAndNoCriticalWaterLevel) {
  Codes s;
  s.nWater = 1;
  s.nWlvlAuto = 1;
  s.ChkSlide = 0;
  EXPECT_EQ(Chapter("gravity", s, 0),
            "Kutai(p0) Doatsu(p0) [水圧] [1] [2] HorzLoad(0,f0) HorzLoad(1,f1) "
            "NiniLoad(0,p0,f0) NiniLoad(1,p0,f1) ForceSum(0,p0,f0) ForceSum(1,p0,f1) Tentou(p0) "
            "TentouCase(0,p0) TentouCase(1,p0) SijiQa SijiQaCase(0) SijiQaCase(1) AnteiList");
}

TEST_F(PrnAnteiTest, UntickedWaterCaseKeepsItsCriticalWaterLevelSection) {
  Codes s;
  s.nWater = 1;
  s.nWlvlAuto = 1;
  // Case 1 water, not ticked; case 2 water, ticked; case 3 dry, ticked.
  s.cases = {{1, 0}, {1, 1}, {0, 1}};
  EXPECT_EQ(Chapter("gravity", s, 0),
            "Kutai(p0) Doatsu(p0) [水圧] [2] HorzLoad(1,f0) HorzLoad(2,f1) NiniLoad(1,p0,f0) "
            "NiniLoad(2,p0,f1) ForceSum(1,p0,f0) ForceSum(2,p0,f1) Tentou(p0) TentouCase(1,p0) "
            "TentouCase(2,p0) SijiQa SijiQaCase(1) SijiQaCase(2) Slide SlideCase(1) "
            "SlideCase(2) WlvlAuto(0,first) WlvlAuto(1,later) AnteiList");
}

TEST_F(PrnAnteiTest, NoTickedCaseWritesTheMethodSectionsOnly) {
  Codes s;
  s.nWater = 2;
  s.cases = {{1, 0}, {1, 0}};
  EXPECT_EQ(Chapter("gravity", s, 0),
            "Kutai(p0) Doatsu(p0) [水圧] [揚圧力] Tentou(p0) SijiQa Slide AnteiList");
  // Water in the document but in no case: no water-pressure section at all.
  s.cases = {{0, 1}, {0, 1}};
  EXPECT_EQ(Chapter("gravity", s, 0).rfind("Kutai(p0) Doatsu(p0) [揚圧力] HorzLoad", 0), 0u);
}

TEST_F(PrnAnteiTest, EmptySlotsWriteNothing) {
  PrnWriters() = ReportWriters{};
  Codes s;
  EXPECT_EQ(Chapter("gravity", s, 0), "");
}

}  // namespace
}  // namespace norva
