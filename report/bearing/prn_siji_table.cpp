#include "report/bearing/prn_siji_table.h"

#include "calc/stability/bearing_factors.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

constexpr int kThetaRows = 10;  // 0..45 degrees by 5
constexpr int kPhiCols = bearing_data::kFarmSteps;

// Last load-inclination row a curve of the chart reaches, per phi column:
// where the Nc curve ends, and where the Nq and Ngamma values end (their
// curves go on as dashes down to the Nc row).
constexpr int kLastRow[kPhiCols] = {0, 4, 5, 6, 6, 7, 8, 9, 9};
constexpr int kLastValueRow[kPhiCols] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
// The 45-degree row lies beyond the chart the calculation reads: Nc of
// phi 35 and 40 as the guideline's chart gives them.
constexpr double kNc45[kPhiCols] = {0, 0, 0, 0, 0, 0, 0, 3.3, 4.9};

const char* const kTitle[3] = {
    "<TD SROW= 0, SCOL=0, EROW= 0, ECOL=9, HALIGN=CENTER>支持力係数 N<sub>c</sub></TD>",
    "<TD SROW= 0, SCOL=0, EROW= 0, ECOL=9, HALIGN=CENTER>支持力係数 N<sub>q</sub></TD>",
    "<TD SROW= 0, SCOL=0, EROW= 0, ECOL=9, HALIGN=CENTER>支持力係数 N<sub>γ</sub></TD>",
};

void Chart(PrnFile& f, int16_t kind) {
  f.Line("<INDENT NO=2.5><TABLE ROW=13, COL=10>");
  f.Line("<COLWIDTH=10, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH= 6, SCOL=1, ECOL=9>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=1, SCOL=0, EROW= 2, ECOL= 0>");
  f.Line("<TL= 9, SROW=1, SCOL=1, EROW= 1, ECOL= 9>");
  f.Line("<TL=11, SROW=2, SCOL=1, EROW= 2, ECOL= 9>");
  f.Line("<TL=11, SROW=3, SCOL=0, EROW=12, ECOL= 9>");
  f.Line(kTitle[kind]);
  f.Line("<TD SROW= 1, SCOL=0, HALIGN=CENTER>荷重傾斜</TD>");
  f.Line("<TD SROW= 2, SCOL=0, HALIGN=CENTER>θ (度)</TD>");
  f.Line("<TD SROW= 1, SCOL=1, EROW= 1, ECOL=9, HALIGN=CENTER>せん断抵抗角　φ(度)</TD>");
  for (int col = 0; col < kPhiCols; ++col) {
    f.Line("<TD SROW= 2, SCOL=#, HALIGN=CENTER>#</TD>", {col + 1, col * 5});
  }
  for (int row = 0; row < kThetaRows; ++row) {
    f.Line("<TD SROW=##, SCOL=0, HALIGN=CENTER>##</TD>", {row + 3, row * 5});
    for (int col = 0; col < kPhiCols; ++col) {
      double v = 0;
      switch (SijiChartCell(kind, row, col, v)) {
        case SijiCell::kValue:
          f.Line("<TD SROW=##, SCOL=#, HALIGN=CENTER>##.#</TD>", {row + 3, col + 1, v});
          break;
        case SijiCell::kDash:
          f.Line("<TD SROW=##, SCOL=#, HALIGN=CENTER> ---</TD>", {row + 3, col + 1});
          break;
        case SijiCell::kEmpty:
          break;
      }
    }
  }
  f.Line("</HEADER></TABLE>");
}

}  // namespace

SijiCell SijiChartCell(int16_t kind, int thetaRow, int phiCol, double& value) {
  if (kind < 0 || kind > 2 || thetaRow < 0 || thetaRow >= kThetaRows || phiCol < 0 ||
      phiCol >= kPhiCols || thetaRow > kLastRow[phiCol])
    return SijiCell::kEmpty;
  if (kind != 0 && thetaRow > kLastValueRow[phiCol]) return SijiCell::kDash;
  value = thetaRow < kPhiCols ? bearing_data::kFarmChart[kind][phiCol][thetaRow] : kNc45[phiCol];
  return SijiCell::kValue;
}

void PrnSijiCoefTable(PrnFile& f) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line(
      "支持力係数は次表による。なお、φおよびθが表に示した値の間にある場合は、線形補間によって"
      "求めるものとする。");
  f.Empty();
  for (int16_t kind = 0; kind < 3; ++kind) {
    if (kind > 0) {
      PrnBlockOpen(f);
      f.Empty();
    }
    Chart(f, kind);
    PrnBlockClose(f);
  }
}

}  // namespace norva
