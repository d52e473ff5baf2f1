#include "report/earth_pressure/prn_doatsu.h"

#include <array>
#include <memory>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"

namespace norva {

DoatsuSection DoatsuSectionOf(const CDocument& doc, int16_t part) {
  if (doc.WallType() == 3 && part != 0) {
    return doc.BackType == 0 ? DoatsuSection::kMixedLowerEmbankment : DoatsuSection::kMixedLowerCut;
  }
  if (doc.Doatsu == 0) return DoatsuSection::kCoulomb;
  if (doc.BackType == 0) return DoatsuSection::kWedgeEmbankment;
  if (doc.Sisin == 2) return DoatsuSection::kWedgeCutRoad;
  if (doc.Sisin == 3) return DoatsuSection::kWedgeLargeBlock;
  return DoatsuSection::kWedgeCut;
}

DoatsuSectionWriters& DoatsuWriters(DoatsuSection kind) {
  static std::array<DoatsuSectionWriters, kDoatsuSectionCount> writers;
  return writers[static_cast<size_t>(kind)];
}

namespace {

struct ActingLoad {
  const char* name;
  double pos;
  double width;
  double load;
  bool snow;
};

// The surcharges acting in case i, in the order vehicle, residential land,
// crowd, snow.
std::vector<ActingLoad> ActingLoads(const CDocument& doc, int32_t i) {
  std::vector<ActingLoad> loads;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  if (!k) return loads;
  auto add = [&](int16_t docSwitch, int16_t caseSwitch, ActingLoad l) {
    if (docSwitch == 0 && caseSwitch == 1) loads.push_back(l);
  };
  add(doc.nAutoMobile, k->nAutoMobil,
      {"自動車荷重", doc.AutoPos, doc.AutoWidth, doc.AutoLoad, false});
  add(doc.nTakuchi, k->nTakuchi,
      {"宅地荷重", doc.TakuchiPos, doc.TakuchiWidth, doc.TakuchiLoad, false});
  add(doc.nGunsyu, k->nGunsyu, {"群集荷重", doc.GunsyuPos, doc.GunsyuWidth, doc.GunsyuLoad, false});
  add(doc.nSnow, k->nSnow, {"雪荷重", doc.SnowPos, 0.0, doc.SnowLoad, true});
  return loads;
}

}  // namespace

void PrnJyousai(PrnFile& f, const CDocument& doc, int32_t i, bool& headingWritten) {
  const std::vector<ActingLoad> loads = ActingLoads(doc, i);
  if (loads.empty()) return;
  const int16_t n = static_cast<int16_t>(loads.size());
  const std::string& unit = PrnUnitWords[0];
  PrnBlockOpen(f);
  if (!headingWritten) {
    f.Empty();
    PrnHeading(f, doc, 2, "上載荷重");
    headingWritten = true;
  }
  PrnCaseHeading(f, doc, i, 3);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  const bool coulomb = doc.Doatsu == 0;
  if (coulomb) {
    f.Line("<TABLE ROW=##, COL=3>", {static_cast<int16_t>(n + 1)});
    f.Line("<COLWIDTH=14, SCOL=0, ECOL=0>");
    f.Line("<COLWIDTH=18, SCOL=1, ECOL=2>");
    f.Line("<HEADER>");
    f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=2>");
    f.Line("<TD SROW=0, SCOL=0>名　　称</TD>");
    f.Line("<TD SROW=0, SCOL=1>載荷位置 (m)</TD>");
    f.Line("<TD SROW=0, SCOL=2>荷重強度 (@/m<sup>2</sup>)</TD>", {unit});
    f.Line("</HEADER>");
    f.Line("<LOOP>");
    f.Line("<TL=11, SROW=1, SCOL=0, EROW=##, ECOL=2>", {n});
  } else {
    f.Line("<TABLE ROW=##, COL=4>", {static_cast<int16_t>(n + 1)});
    f.Line("<COLWIDTH=14, SCOL=0, ECOL=2>");
    f.Line("<COLWIDTH=17, SCOL=3, ECOL=3>");
    f.Line("<HEADER>");
    f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=3>");
    f.Line("<TD SROW=0, SCOL=0>名　　称</TD>");
    f.Line("<TD SROW=0, SCOL=1>載荷位置 (m)</TD>");
    f.Line("<TD SROW=0, SCOL=2>載 荷 幅 (m)</TD>");
    f.Line("<TD SROW=0, SCOL=3>荷重強度 (@/m<sup>2</sup>)</TD>", {unit});
    f.Line("</HEADER>");
    f.Line("<LOOP>");
    f.Line("<TL=11, SROW=1, SCOL=0, EROW=##, ECOL=3>", {n});
  }
  for (int16_t r = 1; r <= n; ++r) {
    const ActingLoad& l = loads[static_cast<size_t>(r - 1)];
    f.Line(std::string("<TD SROW=##, SCOL=0, HALIGN=LEFT> ") + l.name + "</TD>", {r});
    if (coulomb) {
      f.Line(l.snow ? "<TD SROW=##, SCOL=1>###.##</TD>" : "<TD SROW=##, SCOL=1>##.###</TD>",
             {r, l.pos});
      f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {r, l.load});
    } else {
      f.Line("<TD SROW=##, SCOL=1>##.###</TD>", {r, l.pos});
      if (l.snow) {
        f.Line("<TD SROW=##, SCOL=2>－</TD>", {r});
      } else {
        f.Line("<TD SROW=##, SCOL=2>##.###</TD>", {r, l.width});
      }
      f.Line("<TD SROW=##, SCOL=3>###.##</TD>", {r, l.load});
    }
  }
  f.Line("</LOOP>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void PrnDoatsu(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  const std::vector<int32_t> cases = PrnReportedCases(doc, PrnSel().PrnAnteiCases);
  bool headingWritten = false;
  for (int32_t i : cases) PrnJyousai(f, doc, i, headingWritten);
  const DoatsuSectionWriters& w = DoatsuWriters(DoatsuSectionOf(doc, part));
  if (w.method) w.method(f, doc, folder);
  if (!w.perCase) return;
  for (int32_t i : cases) w.perCase(f, doc, i, folder);
}

}  // namespace norva
