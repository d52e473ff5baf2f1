#include "report/stability/prn_loads.h"

#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

// The load kinds that act in some reported case, as the stability
// calculation takes them.
struct HorzKinds {
  bool crash = false, stone = false, wind = false;
};

HorzKinds ReportedHorzKinds(const CDocument& doc) {
  HorzKinds h;
  for (int32_t i : PrnReportedCases(doc, PrnSel().PrnAnteiCases)) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (!k) continue;
    h.crash = h.crash || (doc.nAutoCrash(0) == 0 && k->nAutoCrash == 1);
    h.stone = h.stone || (doc.nStone == 0 && k->nStoneCrash == 1);
    h.wind = h.wind || (doc.nWind == 0 && k->nWind == 1);
  }
  return h;
}

void HorzMethod(PrnFile& f, const HorzKinds& h) {
  const std::string& kN = PrnUnitWords[0];
  if (h.crash) {
    f.Empty();
    f.Line("自動車衝突荷重");
    f.Empty();
    f.Line("　　<math>V=<box>P_v_<over>L</box></math>");
    f.Line("　　<math>H=<box>P_h_<over>L</box></math>");
    f.Line("　　<math>Y=H_P_+h</math>");
    f.Empty();
    f.Line("　　ここに、P<sub>v</sub>：衝突時に擁壁天端に作用する鉛直荷重 (@)", {kN});
    f.Line("　　　　　　P<sub>h</sub>：自動車の衝突荷重 (@)", {kN});
    f.Line("　　　　　　L<sub> </sub>：擁壁の１ブロックの長さ (m)");
    f.Line("　　　　　　H<sub>P</sub>：擁壁の高さ (m)");
    f.Line("　　　　　　h<sub> </sub>：擁壁天端からの自動車荷重の作用高さ (m)");
  }
  if (h.stone) {
    f.Empty();
    f.Line("落石衝突荷重");
    f.Empty();
    f.Line("　　<math>H=<box>2･P_y_<over>L</box></math>");
    f.Line("　　<math>Y=H_P_+2･h_p_/3</math>");
    f.Empty();
    f.Line("　　ここに、P<sub>y</sub>：落石の衝突荷重 (@)", {kN});
    f.Line("　　　　　　L<sub> </sub>：擁壁の１ブロックの長さ (m)");
    f.Line("　　　　　　H<sub>P</sub>：擁壁の高さ (m)");
    f.Line("　　　　　　h<sub>p</sub>：落石防止柵の高さ (m)");
  }
  if (h.wind) {
    f.Empty();
    f.Line("風荷重");
    f.Empty();
    f.Line("　　<math>H=p･h</math>");
    f.Line("　　<math>Y=H_P_+y_p_/3</math>");
    f.Empty();
    f.Line("　　ここに、p<sub> </sub>：単位面積当りの風荷重 (@/m<sup>2</sup>)", {kN});
    f.Line("　　　　　　h<sub> </sub>：風荷重の作用面の高さ (m)");
    f.Line("　　　　　　H<sub>P</sub>：擁壁の高さ (m)");
    f.Line("　　　　　　y<sub>p</sub>：擁壁天端から風荷重の作用位置までの高さ (m)");
  }
}

// The case's own block: its heading and remark.
void CaseOpening(PrnFile& f, const CDocument& doc, int32_t i) {
  f.Empty();
  PrnCaseHeading(f, doc, i, 3);
  PrnQuakeNote(f, doc, i);
  f.Empty();
}

}  // namespace

void PrnHorzLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(0, i);
  if (!rp || !(rp->HorzLoadSgmH > 0)) return;
  const CAntRes& r = *rp;
  int k = 0;
  for (int j = 0; j < 3; ++j) {
    if (r.HorzLoadH(j) != 0) ++k;
  }
  if (PrnSeriesOpen(f, doc, "水平荷重", flag)) {
    PrnHeading(f, doc, 3, "計算方法");
    HorzMethod(f, ReportedHorzKinds(doc));
  }
  CaseOpening(f, doc, i);

  const std::string& kN = PrnUnitWords[0];
  f.Line("<TABLE ROW=##, COL=7>", {k + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=12, SCOL=1, ECOL=6>");
  f.Line("<HEADER>");
  for (int c = 0; c <= 6; ++c) {
    f.Line("<TL= 9, SROW=0, SCOL=" + std::to_string(c) + ", EROW=1, ECOL=" + std::to_string(c) +
           ">");
  }
  f.Line("<TD SROW=0, SCOL=1>鉛直力 V</TD>");
  f.Line("<TD SROW=1, SCOL=1>(@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>作用位置 X</TD>");
  f.Line("<TD SROW=1, SCOL=2>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=3>V･X</TD>");
  f.Line("<TD SROW=1, SCOL=3>(@･m/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=4>水平力 H</TD>");
  f.Line("<TD SROW=1, SCOL=4>(@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=5>作用位置 Y</TD>");
  f.Line("<TD SROW=1, SCOL=5>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=6>H･Y</TD>");
  f.Line("<TD SROW=1, SCOL=6>(@･m/m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=6>", {k + 1});
  int n = 2;
  for (int j = 0; j < 3; ++j) {
    if (r.HorzLoadH(j) == 0) continue;
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {n, r.HorzLoadNam(j)});
    f.Line("<TD SROW=##, SCOL=1>###.##</TD>", {n, r.HorzLoadV(j)});
    f.Line("<TD SROW=##, SCOL=2>##.###</TD>", {n, r.HorzLoadX(j)});
    f.Line("<TD SROW=##, SCOL=3>####.##</TD>", {n, r.HorzLoadX(j) * r.HorzLoadV(j)});
    f.Line("<TD SROW=##, SCOL=4>###.##</TD>", {n, r.HorzLoadH(j)});
    f.Line("<TD SROW=##, SCOL=5>##.###</TD>", {n, r.HorzLoadY(j)});
    f.Line("<TD SROW=##, SCOL=6>####.##</TD>", {n, r.HorzLoadY(j) * r.HorzLoadH(j)});
    ++n;
  }
  const int m = k + 2;
  PrnSumRowOpen(f, m);
  f.Line("<TD SROW=##, SCOL=1>###.##</TD>", {m, r.HorzLoadSgmV});
  f.Line("<TD SROW=##, SCOL=3>####.##</TD>", {m, r.HorzLoadSgmVX});
  f.Line("<TD SROW=##, SCOL=4>###.##</TD>", {m, r.HorzLoadSgmH});
  f.Line("<TD SROW=##, SCOL=6>####.##</TD>", {m, r.HorzLoadSgmHY});
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void PrnNiniLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(part, i);
  if (!rp || rp->NiniCnt() <= 0) return;
  const CAntRes& r = *rp;
  PrnSeriesOpen(f, doc, "その他の荷重", flag);
  CaseOpening(f, doc, i);

  PrnNiniTable(f, r, "####.##");
  PrnBlockClose(f);
}

}  // namespace norva
