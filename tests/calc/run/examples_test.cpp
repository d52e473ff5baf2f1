// The shipped sample documents are what a new user sees first: each must read,
// calculate every load case, and give finite results.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/nulls.h"
#include "document/services.h"

namespace norva {
namespace {

class RecordingSink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    messages.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> messages;
};

TEST(SampleDocuments, EachCalculatesEveryCaseToFiniteResults) {
  for (const char* name : {"block_masonry", "gravity", "leaning", "mixed",
                           "gravity_canal_water_level", "gravity_cut_shear_key", "large_block"}) {
    SCOPED_TRACE(name);
    RecordingSink sink;
    SetMessageSink(&sink);
    CDocument doc;
    doc.FileName = std::string(NORVA_SOURCE_DIR) + "/examples/" + name + ".nrv";
    ASSERT_TRUE(DataFileRead(doc));
    ASSERT_GT(doc.nCase(), 0);
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
    std::vector<CaseFailure> failures;
    CalcAntei(doc, 0, 0, nullptr, &failures);
    SetMessageSink(nullptr);
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front();
    const int parts = doc.WallType() == 3 ? 2 : 1;
    for (int part = 0; part < parts; ++part) {
      for (int c = 0; c < doc.nCase(); ++c) {
        const auto r = doc.AntRes(part, c);
        ASSERT_NE(r, nullptr);
        for (double v : {r->SgmV, r->SgmH, r->E, r->Qmax, r->Qmin, r->Fs}) {
          EXPECT_TRUE(std::isfinite(v));
          EXPECT_FALSE(IsNullValue(v)) << "part " << part << " case " << c;
        }
        EXPECT_GT(r->SgmV, 0.0);
        // The line of thrust (always for the upper part of a mixed wall, and
        // for a single wall checked by it) lies within a few metres of the
        // section, never at a never-entered value.
        const bool thrust =
            (doc.WallType() == 3 && part == 0) || (doc.WallType() != 3 && doc.nTentou == 3);
        for (double v : {r->Xh, r->Xd}) {
          if (thrust) {
            EXPECT_FALSE(IsNullValue(v)) << "part " << part << " case " << c;
          }
          if (!IsNullValue(v)) {
            EXPECT_LT(std::fabs(v), 100.0) << "part " << part << " case " << c;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace norva
