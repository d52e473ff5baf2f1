// The derived values stored in each shipped sample are the ones the section
// screen's rules give from its inputs, and the greyed foundation heel height
// of a block wall is the one its outline draws: screen, report and sheet then
// show one wall.
#include <gtest/gtest.h>

#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/outline.h"
#include "screens/section/kutai_rules.h"

namespace norva {
namespace {

const std::string kExamples = std::string(NORVA_SOURCE_DIR) + "/examples/";

void ReadSample(const std::string& file, CDocument& doc) {
  doc.FileName = kExamples + file;
  EXPECT_TRUE(DataFileRead(doc));
}

// What the section screen derives from the sample's inputs: the fill's rules,
// and for a leaning wall the front slope its width and height give.
void Derive(CDocument& d) {
  DataSetNormalise(d);
  if (d.WallType() == 2) LeaningRules(d, 0);
}

TEST(SampleDerivedValues, EverySampleHoldsWhatTheSectionRulesDerive) {
  const char* samples[] = {"gravity.nrv",
                           "leaning.nrv",
                           "block_masonry.nrv",
                           "mixed.nrv",
                           "gravity_canal_water_level.nrv",
                           "gravity_cut_shear_key.nrv",
                           "large_block.nrv",
                           "gravity_fails_seismic_sliding.nrv"};
  for (const char* file : samples) {
    SCOPED_TRACE(file);
    CDocument doc, d;
    ReadSample(file, doc);
    ReadSample(file, d);
    Derive(d);
    EXPECT_NEAR(doc.WallB, d.WallB, 5e-4);
    EXPECT_NEAR(doc.WallH, d.WallH, 5e-4);
    if (doc.WallType() == 1) {
      EXPECT_NEAR(doc.GrwN, d.GrwN, 5e-4);
    }
    if (doc.WallType() == 2) {
      EXPECT_NEAR(doc.MtwN1, d.MtwN1, 5e-4);
      EXPECT_NEAR(doc.MtwN2, d.MtwN2, 5e-4);
    }
    if (doc.WallType() == 0 && doc.nBlkFound == 0) {
      KutaiPoints p{};
      DPoint front, back;
      MakeKutaiOutline(doc, p, front, back, 0);
      EXPECT_NEAR(doc.BlkH2, p[10].Y, 5e-4) << "heel height of the foundation";
    }
  }
}

// Hand-worked: leaning wall B2 1.8 over H1 3.0 gives the front 1:0.60; the back
// face, whose foot lies H3 0.3 below the toe's top, runs B4 0.9 over 3.0 + 0.3:
// 1:0.27 (3/11). The large-block foundation with horizontal courses
// is a 1.0 x 0.35 rectangle, so its heel stands 0.35 high like its front.
TEST(SampleDerivedValues, HandWorkedValuesOfTheLeaningAndLargeBlockSamples) {
  CDocument leaning;
  ReadSample("leaning.nrv", leaning);
  EXPECT_NEAR(leaning.MtwB2, 1.8, 1e-9);
  EXPECT_NEAR(leaning.MtwH1, 3.0, 1e-9);
  EXPECT_NEAR(leaning.MtwN1, 0.6, 1e-9);
  EXPECT_NEAR(leaning.MtwH3, 0.3, 1e-9);
  EXPECT_NEAR(leaning.MtwB4, 0.9, 1e-9);
  EXPECT_NEAR(leaning.MtwN2, 3.0 / 11.0, 1e-9);  // 0.2727

  CDocument block;
  ReadSample("large_block.nrv", block);
  ASSERT_EQ(block.nBlkSetup, 1);
  EXPECT_NEAR(block.BlkB, 1.0, 1e-9);
  EXPECT_NEAR(block.BlkH1, 0.35, 1e-9);
  EXPECT_NEAR(block.BlkH2, 0.35, 1e-9);
}

}  // namespace
}  // namespace norva
