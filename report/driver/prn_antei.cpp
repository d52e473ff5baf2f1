#include "report/driver/prn_antei.h"

#include <memory>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"

namespace norva {

namespace {

bool AnyCaseWithWater(const CDocument& doc) {
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (k && k->nWater != 0) return true;
  }
  return false;
}

// Ground reaction and bearing capacity: the method text(s) by wall type,
// guideline and nQa, each followed by its per-case sections.
void PrnBearing(PrnFile& f, const CDocument& doc, const std::string& folder,
                const std::vector<int32_t>& cases) {
  const ReportWriters& w = PrnWriters();
  auto group = [&](auto&& method, const CaseWriter& perCase) {
    method();
    if (!perCase) return;
    for (int32_t i : cases) perCase(f, doc, i);
  };
  auto reaction = [&] {
    group(
        [&] {
          if (w.PrnJibanHanryoku) w.PrnJibanHanryoku(f, doc, folder);
        },
        w.PrnJibanHanryokuCase);
  };
  auto allowable = [&] {
    group(
        [&] {
          if (w.PrnSijiQa) w.PrnSijiQa(f, doc);
        },
        w.PrnSijiQaCase);
  };
  if (doc.WallType() == 2 && doc.Sisin == 2) {
    if (doc.nQa == 1) {
      group(
          [&] {
            if (w.PrnJibanHanryokuMotare) w.PrnJibanHanryokuMotare(f, doc, folder);
          },
          w.PrnJibanHanryokuMotareCase);
    } else {
      allowable();
    }
  } else if (doc.nQa == 1) {
    reaction();
  } else if (doc.Sisin == 2) {
    allowable();
  } else if (doc.Sisin == 3) {
    reaction();
    group(
        [&] {
          if (w.PrnSijiFs) w.PrnSijiFs(f, doc);
        },
        w.PrnSijiFsCase);
  } else {
    reaction();
  }
}

// Sliding and, after it, the water level of least sliding safety of every
// case with water (reported or not).
void PrnSliding(PrnFile& f, const CDocument& doc, const std::string& folder,
                const std::vector<int32_t>& cases) {
  const ReportWriters& w = PrnWriters();
  if (w.PrnSlide) w.PrnSlide(f, doc);
  if (w.PrnSlideCase) {
    for (int32_t i : cases) w.PrnSlideCase(f, doc, i, folder);
  }
  if (doc.nWater == 0 || doc.nWlvlAuto == 0 || !AnyCaseWithWater(doc) || !w.PrnWlvlAuto) return;
  bool notFirst = false;
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (!k || k->nWater == 0) continue;
    w.PrnWlvlAuto(f, doc, i, folder, notFirst);
    notFirst = true;
  }
}

}  // namespace

void PrnAntei(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  const ReportWriters& w = PrnWriters();
  const std::vector<int32_t> cases = PrnReportedCases(doc, PrnSel().PrnAnteiCases);
  const bool mixed = doc.WallType() == 3;
  const bool upper = mixed && part == 0;
  int16_t flag = 0;

  if (w.PrnKutai) w.PrnKutai(f, doc, folder, part);
  if (w.PrnDoatsu) w.PrnDoatsu(f, doc, folder, part);
  if (doc.nWater != 0 && w.PrnSuiatsu) w.PrnSuiatsu(f, doc, folder, part);
  if (doc.nWater == 2 && !upper && w.PrnYouatsu) w.PrnYouatsu(f, doc, folder);

  if ((!mixed || part == 0) && w.PrnHorzLoad) {
    flag = 0;
    for (int32_t i : cases) w.PrnHorzLoad(f, doc, i, flag);
  }
  if (w.PrnNiniLoad) {
    flag = 0;
    for (int32_t i : cases) w.PrnNiniLoad(f, doc, i, part, flag);
  }
  if ((upper || doc.nTentou == 3) && w.PrnForceSumSiryokusen) {
    flag = 0;
    for (int32_t i : cases) w.PrnForceSumSiryokusen(f, doc, i, part, flag);
  }
  if ((!mixed || part == 1) && w.PrnForceSum) {
    flag = 0;
    for (int32_t i : cases) w.PrnForceSum(f, doc, i, part, flag);
  }
  if (w.PrnTentou) w.PrnTentou(f, doc, folder, part);
  if (w.PrnTentouCase) {
    for (int32_t i : cases) w.PrnTentouCase(f, doc, i, folder, part);
  }
  if (upper) {
    if (w.PrnAnteiListUpper) w.PrnAnteiListUpper(f, doc);
    return;
  }
  PrnBearing(f, doc, folder, cases);
  if (doc.ChkSlide == 1) PrnSliding(f, doc, folder, cases);
  if (w.PrnAnteiList) w.PrnAnteiList(f, doc);
}

}  // namespace norva
