#include "report/stability/prn_wlvl_auto.h"

#include <memory>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/wlvl_graph.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_writers.h"
#include "report/stability/stability_markup.h"

namespace norva {

WlvlLeast WlvlAutoLeast(const CDocument& doc, const CWlvlCalc& rec) {
  const int state = rec.bQuake != 0 ? 1 : 0;
  const double critical = doc.WatFH(state);
  WlvlLeast least{critical, kNullBox};
  bool found = false;
  for (int32_t j = 0; j < rec.Count(); ++j) {
    const double fs = rec.Fs(j);
    if (!IsWlvlCandidate(fs)) continue;
    if (!found || least.fs > fs) {
      least = {rec.Wlvl(j), fs};
      found = true;
    }
  }
  if (!found) return least;
  // The search keeps the first level it met among equal factors; the record
  // is sorted by level afterwards, so an equal factor may stand earlier.
  for (int32_t j = 0; j < rec.Count(); ++j) {
    if (rec.Fs(j) == least.fs && EqualTol(rec.Wlvl(j), critical)) {
      least.level = rec.Wlvl(j);
      break;
    }
  }
  return least;
}

void PrnWlvlAuto(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                 bool notFirst) {
  std::shared_ptr<CWlvlCalc> rec;
  for (int32_t j = 0; j < doc.nWlvlCase(); ++j) {
    const std::shared_ptr<CWlvlCalc> r = doc.WlvlRes(j);
    if (r && r->CaseNo == i) {
      rec = r;
      break;
    }
  }
  if (!rec) return;

  ReportPicture picture(kAnteiFigureWidth, kAnteiFigureHeight);
  DrawWlvlGraph(doc, picture.Draw(), *rec);
  const std::string path = PrnSaveFigure(picture, folder, "WlvlAuto" + FormatPattern(i, "000"));
  const WlvlLeast least = WlvlAutoLeast(doc, *rec);
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  // The level the search found belongs to the case's state in the calculation.
  const bool seismic = k && CaseState(doc, i) != 0;

  PrnPageBreak(f);
  PrnBlockOpen(f);
  if (!notFirst) {
    f.Empty();
    PrnHeading(f, doc, 2, "滑動安全率が最小となる水位");
    f.Line("滑動安全率が最小となる水位を繰返し計算により求める。");
    f.Line("但し、擁壁前後の水位は同じとする。");
  }
  f.Empty();
  PrnCaseHeading(f, doc, i, 3);
  if (doc.bQuake != 0) {
    f.Empty();
    f.Line("(@水位)", {seismic ? "地震時" : "常時"});
  }
  f.Empty();
  PrnImage(f, path, 50);
  f.Empty();
  f.Line("上図より、");
  f.Empty();
  f.Line("　　滑動安全率が最小となる水位　##.### (m)  (安全率 ##.###)", {least.level, least.fs});
  PrnBlockClose(f);
}

}  // namespace norva
