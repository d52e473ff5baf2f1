#include "screens/section/kutai_rules.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/run/recalc_case.h"
#include "document/document.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"

namespace norva {
namespace {

// Block walls only: the members a guideline does not use.
void ClearUnusedBlockMembers(CDocument& d) {
  if (d.WallType() != 0) return;
  if (d.Sisin == 3) {
    d.BlkDeltT1 = 0;
    d.BlkDeltT2 = 0;
  } else {
    d.BlkT2 = 0;
  }
}

}  // namespace

bool CheckKutaiData(CDocument& d) {
  bool told = false;
  if (d.Doatsu == 0 && d.UragomeType == 3) {
    d.UragomeType = 0;
    told = true;
  }
  ClearUnusedBlockMembers(d);
  if (d.WallType() == 0 && d.Sisin == 3) d.nBlkSetup = 1;
  return told;
}

void NormaliseOnLeave(CDocument& d) { ClearUnusedBlockMembers(d); }

void DataSetNormalise(CDocument& d) {
  switch (d.WallType()) {
    case 0:
      DeriveBlockWallB(d);
      break;
    case 1:
      FrontSlopeRule(d, true);
      d.WallB = d.GrwB;
      break;
    case 2:
      LeaningRules(d, -1);
      break;
    case 3:
      d.WallB = d.GrwB;
      MixedWallHeightRule(d);
      break;
    default:
      break;
  }
  if (d.Sisin != 2) d.KiriDlt = 0;
}

// ---- Least footing width --------------------------------------------------------

std::optional<double> LeastFootingWidth(const CDocument& d, double B) {
  const double theta = std::atan(d.BlkN);
  const double thick = d.BlkDeltT2 + d.BlkT;
  double bmin = 0;
  if (d.nBlkSetup == 1) {
    bmin = thick / std::cos(theta) + d.BlkB1;
  } else {
    if (B - d.BlkB1 == 0) return std::nullopt;
    const double alpha = std::atan((d.BlkH1 - d.BlkH2) / (B - d.BlkB1));
    const double c = std::cos(alpha - theta);
    if (std::fabs(c) < 1e-12) return std::nullopt;
    bmin = RoundUp(std::cos(alpha) * thick / c + d.BlkB1, 3);
  }
  if (!std::isfinite(bmin)) return std::nullopt;
  return bmin;
}

FootingCheck CheckFootingWidth(CDocument& d) {
  FootingCheck r;
  if (d.WallType() != 0 || d.nBlkFound != 0) return r;
  std::optional<double> bmin = LeastFootingWidth(d, d.BlkB);
  if (!bmin || !(d.BlkB < *bmin)) return r;
  // Laid square to the face, the least width grows with the width itself:
  // ask once for the width that passes its own check. The widths only grow
  // and are bounded, so the search ends; the cap only guards odd inputs.
  double width = *bmin;
  for (int step = 0; step < 10000; ++step) {
    const std::optional<double> next = LeastFootingWidth(d, width);
    if (!next || !(width < *next)) break;
    width = *next;
  }
  r.passes = false;
  r.width = width;
  r.message = "底面幅は" + FormatPattern(width, "#0.000") + "以上としてください。";
  d.BlkB = width;
  d.WallB = width;
  return r;
}

// ---- Derived values ---------------------------------------------------------------

bool BlockBaseWidthRule(CDocument& d) {
  if (d.nBlkFound != 1 || !(d.BlkT >= 0) || !(d.BlkDeltT2 >= 0) || d.BlkN == kNullBox) return false;
  const double theta = std::atan(d.BlkN);
  const double thick = d.BlkT + d.BlkDeltT2;
  d.WallB = d.nBlkSetup == 1 ? thick / std::cos(theta) : thick * std::cos(theta);
  return true;
}

void DeriveBlockWallB(CDocument& d) {
  if (d.WallType() != 0) return;
  if (d.nBlkFound == 1)
    BlockBaseWidthRule(d);
  else if (d.nBlkFound == 0)
    d.WallB = d.BlkB;
}

bool FrontSlopeRule(CDocument& d, bool strict) {
  if (!(d.WallH > 0)) return false;
  if (strict ? !(d.GrwB1 > 0) : !(d.GrwB1 >= 0)) return false;
  const double divisor =
      (d.KeisyaH > 0 && d.nKeisya == 0) ? d.WallH - d.KeisyaH - d.GrwH1 : d.WallH - d.GrwH1;
  if (divisor == 0) return false;
  const double n = d.GrwB1 / divisor;
  if (!std::isfinite(n)) return false;
  d.GrwN = n;
  return true;
}

LeaningShown LeaningRules(CDocument& d, int index) {
  LeaningShown shown;
  if ((index == 0 || index == 4) && d.MtwB2 > 0 && d.MtwH1 > 0) {
    d.MtwN1 = d.MtwB2 / d.MtwH1;
    shown.n1 = true;
  }
  if (index == 7 && d.MtwN1 > 0 && d.MtwH1 > 0) {
    d.MtwB2 = d.MtwH1 * d.MtwN1;
    shown.b2 = true;
  }
  d.WallH = std::max(d.MtwH1, 0.0) + std::max(d.MtwH2, 0.0);
  // The gradient of the back face as the outline draws it, B4 / (H1 + H3):
  // the stability calculation reads N2, so a vertical back (B4 = 0) stores 0
  // rather than keep the gradient of a former back width.
  if (const std::optional<double> n2 = LeaningBackGradient(d)) {
    d.MtwN2 = *n2;
    shown.n2 = true;
  }
  if (d.MtwB1 >= 0 && d.MtwB2 >= 0 && d.MtwB3 >= 0 && d.MtwB4 >= 0)
    d.WallB = d.MtwB1 + d.MtwB2 + d.MtwB3 - d.MtwB4;
  return shown;
}

void MixedWallHeightRule(CDocument& d) {
  d.WallH = std::max(d.MxwH1, 0.0) + std::max(d.MxwH2, 0.0);
}

std::optional<double> SlopeAngle(double UraN) {
  if (!(UraN > 0)) return std::nullopt;
  return std::atan(1.0 / UraN) * 180.0 / (4.0 * std::atan(1.0));
}

bool BlkH2Refused(double v, double BlkH1) { return v >= 0 && v > BlkH1; }

// ---- Enabling ----------------------------------------------------------------------

KutaiEnabling KutaiFormState(CDocument& d) {
  KutaiEnabling s;
  const int32_t type = d.WallType();
  s.page = type;
  s.blkDeltT = d.Sisin != 3;
  s.blkT2 = d.Sisin == 3;
  s.blkSetti = d.Sisin != 3;
  s.kiri = d.BackType == 1;
  s.kiriDlt = d.BackType == 1 && d.Sisin == 2;
  if (type == 2 && !(d.MtwH2 > 0)) {
    d.nKeisya = 1;
    d.Tokki = 0;
    s.leaningForced = true;
  }
  const bool e = (d.Tokki == 0 && type != 0) || (type == 0 && d.nBlkFound == 0);
  s.keisyaFrames = e;
  s.keisyaBoxes = e && d.nKeisya == 0;
  s.tokkiFrames = d.nKeisya != 0;
  s.tokkiBoxes = d.Tokki == 1 && d.nKeisya != 0;
  const bool quake = d.bQuake != 0;
  s.soilSeismic = quake;
  s.drawCase = quake;
  s.arbitrary = d.Doatsu != 0;
  s.suiiAuto = d.nWater != 0;
  s.waterNormal = d.nWater != 0 && d.nWlvlAuto == 0;
  s.waterSeismic = s.waterNormal && quake;
  s.found = d.nBlkFound == 0;
  s.foundBack = d.Sisin != 3 && d.nBlkFound == 0 && d.nBlkSetup == 0;
  return s;
}

// ---- Change points -------------------------------------------------------------------

bool InsertChangePoint(CDocument& d, int i) {
  const int n = d.nUraNini();
  if (i < 0 || i >= n) return false;
  d.SetnUraNini(static_cast<int16_t>(n + 1));
  for (int k = n; k >= i + 1; --k) {
    d.SetUraNiniX(k, d.UraNiniX(k - 1));
    d.SetUraNiniY(k, d.UraNiniY(k - 1));
  }
  d.SetUraNiniX(i, kNullBox);
  d.SetUraNiniY(i, kNullBox);
  return true;
}

bool DeleteChangePoint(CDocument& d, int i) {
  const int n = d.nUraNini();
  if (i < 0 || i > n - 1) return false;
  for (int k = i; k <= n - 2; ++k) {
    d.SetUraNiniX(k, d.UraNiniX(k + 1));
    d.SetUraNiniY(k, d.UraNiniY(k + 1));
  }
  d.SetnUraNini(static_cast<int16_t>(n - 1));
  return true;
}

ChangePointResult EnterChangePoint(CDocument& d, int col, int row, std::optional<double> v,
                                   std::optional<double> above, std::optional<double> below) {
  ChangePointResult r;
  if (!v || *v < 0 || *v > 99.999 || row < 1) return r;
  const double p = (row > 1 && above) ? *above : 0.0;
  if (GreaterTol(p, *v) || (below && GreaterTol(*v, *below))) {
    r.entry = PointEntry::kRefused;
    const int i = row - 1;
    if (i < d.nUraNini()) {
      const double stored = col == 1 ? d.UraNiniX(i) : d.UraNiniY(i);
      if (!IsNullValue(stored)) r.restore = stored;
    }
    return r;
  }
  if (d.nUraNini() < row) d.SetnUraNini(static_cast<int16_t>(row));
  if (col == 1)
    d.SetUraNiniX(row - 1, *v);
  else
    d.SetUraNiniY(row - 1, *v);
  r.entry = PointEntry::kStored;
  return r;
}

double ZoomStep(double zoom, bool up, double step) {
  return up ? MinOf(zoom + step, {500.0}) : MaxOf(zoom - step, {100.0});
}

}  // namespace norva
