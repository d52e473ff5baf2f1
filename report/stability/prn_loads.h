#pragma once
// Horizontal loads (vehicle collision, rock fall, wind) and other
// (user-defined) loads of the stability chapter: one table per reported case
// with each load's forces, positions and moments and the stored sums.
#include <cstdint>
#include <string>

#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/stability/stability_markup.h"

namespace norva {

class CDocument;

// Load case i, from the result of wall part 0. Nothing when the case's sum of
// horizontal forces is not positive. The first case written (flag 0) starts a
// page with the section heading and the method of every load kind that acts
// in a reported case (the document and the case both consider it), in the
// order collision, rock fall, wind; then sets the flag.
void PrnHorzLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);

// Load case i of wall part `part`: nothing without other loads. The first
// case written starts a page with the section heading and sets the flag.
// Names are cut to 15 CP932 bytes, whole characters only.
void PrnNiniLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag);

// The table of the other loads of a result record (the stability result or a
// stem section's): one row per load with its name cut to 15 CP932 bytes, V,
// X, V·X for a vertical load (types 0, 2), H, Y, H·Y for a horizontal one
// (types 1, 3), and the record's own sums. `momentMask` is the mask of the
// rows' moment cells. Nothing for a record without loads.
template <typename Res>
void PrnNiniTable(PrnFile& f, const Res& r, const char* momentMask) {
  const int n = r.NiniCnt();
  if (n <= 0) return;
  const std::string& kN = PrnUnitWords[0];
  f.Line("<TABLE ROW=##, COL=7>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH= 9, SCOL=1, ECOL=6>");
  f.Line("<HEADER>");
  for (int c = 0; c <= 6; ++c) f.Line("<TL= 9, SROW=0, SCOL=##, EROW=1, ECOL=##>", {c, c});
  f.Line("<TD SROW=0, SCOL=1>Ｖ</TD>");
  f.Line("<TD SROW=1, SCOL=1>(@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>Ｈ</TD>");
  f.Line("<TD SROW=1, SCOL=2>(@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=3>Ｘ</TD>");
  f.Line("<TD SROW=1, SCOL=3>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=4>Ｙ</TD>");
  f.Line("<TD SROW=1, SCOL=4>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=5>Ｖ･Ｘ</TD>");
  f.Line("<TD SROW=1, SCOL=5>(@･m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=6>Ｈ･Ｙ</TD>");
  f.Line("<TD SROW=1, SCOL=6>(@･m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=6>", {n + 1});
  const std::string moment5 = std::string("<TD SROW=##, SCOL=5>") + momentMask + "</TD>";
  const std::string moment6 = std::string("<TD SROW=##, SCOL=6>") + momentMask + "</TD>";
  for (int j = 0; j < n; ++j) {
    const int row = j + 2;
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {row, MidAnsiB(r.NiniNam(j), 1, 15)});
    const int16_t type = r.NiniType(j);
    if (type == 1 || type == 3) {
      f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {row, r.NiniH(j)});
      f.Line("<TD SROW=##, SCOL=4>##.###</TD>", {row, r.NiniY(j)});
      f.Line(moment6, {row, r.NiniY(j) * r.NiniH(j)});
    } else if (type == 0 || type == 2) {
      f.Line("<TD SROW=##, SCOL=1>###.##</TD>", {row, r.NiniV(j)});
      f.Line("<TD SROW=##, SCOL=3>##.###</TD>", {row, r.NiniX(j)});
      f.Line(moment5, {row, r.NiniX(j) * r.NiniV(j)});
    }
  }
  const int m = n + 2;
  PrnSumRowOpen(f, m);
  f.Line("<TD SROW=##, SCOL=1>###.##</TD>", {m, r.NiniSgmV});
  f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {m, r.NiniSgmH});
  f.Line("<TD SROW=##, SCOL=5>####.##</TD>", {m, r.NiniSgmVX});
  f.Line("<TD SROW=##, SCOL=6>####.##</TD>", {m, r.NiniSgmHY});
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
}

}  // namespace norva
