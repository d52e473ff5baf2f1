// A stored document as the template of a new design.
#include "document/ref_ini_data.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/services.h"

namespace norva {
namespace {

namespace fs = std::filesystem;

class CountingSink : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    texts.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> texts;
};

std::string Fixture(const std::string& name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/document/fixtures/" + name;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class RefIniDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink_);
    char tmpl[] = "/tmp/refini_test_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    SetMessageSink(nullptr);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  // Runs RefIniData on a new document and records the removed recent entries.
  int16_t Run(CDocument& doc, const RefIniChoice& choice, IniDataFields* fields) {
    return RefIniData(doc, choice, fields, [this](int16_t i) { removed_.push_back(i); });
  }

  CountingSink sink_;
  std::string dir_;
  std::vector<int16_t> removed_;
};

TEST_F(RefIniDataTest, CancelledDialogReadsNothing) {
  CDocument doc;
  doc.Title = "unchanged";
  IniDataFields fields;
  fields.Title = "dialog";
  EXPECT_EQ(Run(doc, RefIniChoice{}, &fields), 0);
  EXPECT_EQ(doc.Title, "unchanged");
  EXPECT_EQ(fields.Title, "dialog");
  EXPECT_TRUE(removed_.empty());
  EXPECT_TRUE(sink_.texts.empty());
}

TEST_F(RefIniDataTest, ResultTellsBrowsedFromRecentEntry) {
  const struct {
    int16_t recentIndex;
    int16_t result;
  } cases[] = {{-1, 1}, {0, 2}, {2, 4}};
  for (const auto& c : cases) {
    CDocument doc;
    IniDataFields fields;
    RefIniChoice choice{true, Fixture("v4_gravity_full.nrv"), c.recentIndex};
    EXPECT_EQ(Run(doc, choice, &fields), c.result) << c.recentIndex;
    // The whole template is in the document and the dialog shows its four
    // conditions.
    EXPECT_EQ(doc.nCase(), 2);
    EXPECT_EQ(doc.pCase(1)->CaseName, "地震時, L1");
    EXPECT_EQ(fields.Title, "  擁壁Ａ, 試算 1");
    EXPECT_EQ(fields.Sisin, 4);
    EXPECT_EQ(fields.WallType, 1);
    EXPECT_EQ(fields.Doatsu, 1);
  }
  EXPECT_TRUE(removed_.empty());
  EXPECT_TRUE(sink_.texts.empty());
}

// A design started from a template is a new design: saving it must not
// overwrite the template.
TEST_F(RefIniDataTest, TemplateDoesNotBecomeTheDocumentsFile) {
  const std::string tmpl = dir_ + "/template.nrv";
  fs::copy_file(Fixture("v4_gravity_full.nrv"), tmpl);
  const std::string before = ReadAll(tmpl);
  CDocument doc;
  ASSERT_EQ(Run(doc, RefIniChoice{true, tmpl, -1}, nullptr), 1);
  EXPECT_EQ(doc.FileName, "");
  EXPECT_EQ(doc.FilePath, "");
  EXPECT_EQ(doc.FileTitle, "");
  EXPECT_EQ(doc.FileExt, "");
  doc.Title = "new design";
  EXPECT_FALSE(DataFileWrite(doc, ""));  // no file yet: a save asks for a name
  EXPECT_EQ(ReadAll(tmpl), before);
}

TEST_F(RefIniDataTest, UnreadableRecentFileLeavesTheListAndTheDocument) {
  const std::string broken = dir_ + "/broken.nrv";
  {
    std::ofstream out(broken, std::ios::binary);
    out << " 4 \r\n 0 \r\n";
  }
  const struct {
    std::string path;
    int16_t recentIndex;
    size_t messages;
    std::vector<int16_t> removed;
  } cases[] = {
      {broken, 1, 1, {1}},              // the reader's message, entry dropped
      {dir_ + "/gone.nrv", 3, 0, {3}},  // vanished: no message, entry dropped
      {broken, -1, 1, {}},              // browsed: the list is not touched
  };
  for (const auto& c : cases) {
    sink_.texts.clear();
    removed_.clear();
    CDocument doc;
    doc.Title = "mine";
    IniDataFields fields;
    fields.Title = "dialog";
    EXPECT_EQ(Run(doc, RefIniChoice{true, c.path, c.recentIndex}, &fields), 0) << c.path;
    EXPECT_EQ(sink_.texts.size(), c.messages);
    EXPECT_EQ(removed_, c.removed);
    EXPECT_EQ(doc.Title, "mine");
    EXPECT_EQ(doc.nCase(), 0);
    EXPECT_EQ(fields.Title, "dialog");
  }
}

TEST_F(RefIniDataTest, PathIsTrimmedOfPadding) {
  CDocument doc;
  // A fixed-size buffer from the dialog, padded with NULs.
  std::string padded = Fixture("v4_gravity_full.nrv");
  padded.append(8, '\0');
  EXPECT_EQ(Run(doc, RefIniChoice{true, padded, -1}, nullptr), 1);
  EXPECT_EQ(doc.WallType(), 1);
}

// The accepted initial conditions: the setter's key rule, the mixed wall's
// toe step and the large-block guideline's horizontal courses, nothing else.
TEST(ApplyIniConditionsTest, ClearsByWallTypeAndGuideline) {
  struct Row {
    const char* name;
    int32_t wallType, sisin;
    int32_t tokki;     // shear key after (1 before)
    double b4, h1;     // GrwB4, GrwH1 after (0.5, 0.3 before)
    int32_t blkSetup;  // nBlkSetup after (0 before)
  };
  const Row rows[] = {
      {"block wall, road earthworks: the key goes", 0, 2, 0, 0.5, 0.3, 0},
      {"block wall, large-block guideline: courses horizontal", 0, 3, 0, 0.5, 0.3, 1},
      {"gravity wall, large-block guideline: courses untouched", 1, 3, 1, 0.5, 0.3, 0},
      {"leaning wall, residential land: nothing cleared", 2, 4, 1, 0.5, 0.3, 0},
      {"mixed wall: no toe step", 3, 0, 1, 0.0, 0.0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.SetWallType(1);
    doc.Tokki = 1;
    doc.GrwB4 = 0.5;
    doc.GrwH1 = 0.3;
    doc.nBlkSetup = 0;
    doc.WallH = 4;
    ApplyIniConditions(doc, IniDataFields{"擁壁A", r.sisin, r.wallType, 0});
    EXPECT_EQ(doc.Title, "擁壁A");
    EXPECT_EQ(doc.Sisin, r.sisin);
    EXPECT_EQ(doc.WallType(), r.wallType);
    EXPECT_EQ(doc.Doatsu, 0);
    EXPECT_EQ(doc.Tokki, r.tokki);
    EXPECT_EQ(doc.GrwB4, r.b4);
    EXPECT_EQ(doc.GrwH1, r.h1);
    EXPECT_EQ(doc.nBlkSetup, r.blkSetup);
    EXPECT_EQ(doc.WallH, 4);
  }
}

}  // namespace
}  // namespace norva
