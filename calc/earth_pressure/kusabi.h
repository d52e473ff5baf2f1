#pragma once
// One trial of the trial-wedge method (wedge geometry, weights, strip loads,
// force polygon), the slip-angle search, and the wedge trial file.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "document/kusabi_res.h"

namespace norva {

// Results of one trial.
inline constexpr int16_t kKusabiOk = 0;       // a wedge; fPa holds its force
inline constexpr int16_t kKusabiNone = 1;     // no wedge at this slip angle
inline constexpr int16_t kKusabiInvalid = 2;  // the two-part wedge needs an unset friction angle

// Soil values a trial reads from the document.
struct KusabiSoil {
  double Gamb = 0;      // wet unit weight of the backfill
  double Gambd = 0;     // submerged unit weight
  double rKiriDlt = 0;  // friction between the two wedge parts (rad); < 0: not entered
};

// The wedge shape of one trial, kept for tests and figures.
struct KusabiShape {
  int kA = 0;  // 2 or 3 corners
  DPoint A[3];
  std::vector<DPoint> outline;  // the working outline after cutting
  std::vector<DPoint> P0, P1;   // part polygons (P1 empty when kA = 2)
  double phi0 = 0, c0 = 0, phi1 = 0, c1 = 0;
};

// One trial at w.fOmega on the back-ground outline pts[0..n-1]. Writes fZc,
// fL, fCrossX/Y, fW, fWQ and fPa of w. shape, when given, receives the wedge.
int16_t KusabiTrial(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                    KusabiShape* shape = nullptr);

// Signed area, positive for a clockwise polygon with y up (closing edge included).
double KusabiPolygonArea(const std::vector<DPoint>& p);

// Weight of polygon p cut at the water level (wlvl <= 0: no water): the dry
// part at gam and the submerged part at gamd.
void KusabiPolygonWeight(const std::vector<DPoint>& p, double wlvl, double gam, double gamd,
                         double& dry, double& submerged);

using KusabiTrials = std::vector<std::shared_ptr<CKusabiRes>>;

// Slip-angle search between lower and upper (degrees, -1000: not given; both
// are written back as used). 0 with w = the wedge of the largest Pa and
// trials/count = the last pass; 1 when no trial of the last pass had a wedge.
// *invalid (when given) is set when a trial reported kKusabiInvalid.
int16_t SearchOmega(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w, int32_t& count,
                    KusabiTrials& trials, double& upper, double& lower, bool* invalid = nullptr);

// Sorts trials 0..count-1 by slip angle and writes them to path (nothing when
// count is 0). With release the list is emptied. False when writing failed.
bool SaveKusabiFile(const std::string& path, int32_t& count, KusabiTrials& trials, bool release);

}  // namespace norva
