#pragma once
// Pieces shared by the tests of the ground-support and sliding sections.
#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva::test {

// A golden of tests/report/bearing/golden (CP932, CR LF, written by hand);
// "%WORK%" is the work folder.
inline std::string BearingGolden(const std::string& name, const std::string& work = "") {
  std::string g = ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/bearing/golden/" + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  const std::string w = Utf8ToCp932(work);
  for (size_t p = g.find("%WORK%"); p != std::string::npos; p = g.find("%WORK%", p + w.size())) {
    g.replace(p, 6, w);
  }
  return g;
}

// A document of the wall type and guideline with the named load cases (no
// earthquakes, no water, the passive pressure left out).
inline std::unique_ptr<CDocument> BearingDoc(int32_t wallType, int32_t sisin,
                                             std::initializer_list<const char*> names) {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(wallType);
  doc->Sisin = sisin;
  doc->bQuake = 0;
  doc->nWater = 0;
  doc->nJyudo = 0;
  doc->SetnCase(static_cast<int16_t>(names.size()));
  int i = 0;
  for (const char* n : names) {
    doc->pCase(i)->CaseName = n;
    doc->pCase(i)->nQuake = 0;
    doc->pCase(i)->Doat = 0;
    doc->pCase(i)->QaPremium = 1.0;
    ++i;
  }
  return doc;
}

// The resultant of a case: ΣV on base B at eccentricity e (d = B/2 − e).
inline void SetResultant(CAntRes& r, double V, double B, double e) {
  r.SgmV = V;
  r.Breadth = B;
  r.E = e;
  r.D = B / 2 - e;
}

}  // namespace norva::test
