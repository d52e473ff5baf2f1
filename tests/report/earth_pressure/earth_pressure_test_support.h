#pragma once
// Pieces shared by the earth-pressure section's tests: the sample designs,
// calculated, with every load case reported.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/document_file.h"
#include "drawing/base/report_picture.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/report_test_support.h"

namespace norva::test {

// A design by name: a bare name is one of the fixed designs the hand goldens
// were worked out on (tests/fixtures/designs/); a name with a folder, such as
// "examples/gravity", is read from that folder of the source tree.
inline std::unique_ptr<CDocument> EpSample(const std::string& name) {
  auto doc = std::make_unique<CDocument>();
  const std::string rel =
      name.find('/') == std::string::npos ? "tests/fixtures/designs/" + name : name;
  EXPECT_TRUE(DataFileReadFrom(*doc, std::string(NORVA_SOURCE_DIR) + "/" + rel + ".nrv"));
  return doc;
}

// Every load case of the document is reported in the stability chapter.
inline void ReportEveryCase(const CDocument& doc) {
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc.nCase());
  PrnSel().PrnSelAntei = 1;
  for (int i = 0; i < doc.nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);
}

// A hand golden of tests/report/earth_pressure/golden (CP932, CR LF) with
// "%WORK%" for the work folder and "%PROG%" for the program folder.
inline std::string EpGolden(const std::string& name, const std::string& work,
                            const std::string& prog = ShippedFolder()) {
  std::string g =
      ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/earth_pressure/golden/" + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  for (const auto& [key, value] : {std::pair<std::string, std::string>{"%WORK%", work},
                                   std::pair<std::string, std::string>{"%PROG%", prog}}) {
    const std::string v = Utf8ToCp932(value);
    for (size_t p = g.find(key); p != std::string::npos; p = g.find(key, p + v.size())) {
      g.replace(p, key.size(), v);
    }
  }
  return g;
}

}  // namespace norva::test
