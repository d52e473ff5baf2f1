// Linker wrappers that count wedge trials. Trials made directly by the wedge
// drivers pass through WrapKusabiTrial; the trials inside a slip-angle search
// are counted by replaying the search's passes on a copy of its wedge before
// the real search runs.
#include "bench/wedge_counter.h"

#include <algorithm>
#include <cmath>

#include "calc/earth_pressure/ep_common.h"
#include "calc/earth_pressure/kusabi.h"

#define NORVA_KUSABI_TRIAL \
  "_ZN5norva11KusabiTrialERKNS_10KusabiSoilEiPKNS_6DPointERNS_10CKusabiResEPNS_11KusabiShapeE"
#define NORVA_SEARCH_OMEGA                                                                  \
  "_ZN5norva11SearchOmegaERKNS_10KusabiSoilEiPKNS_6DPointERNS_10CKusabiResERiRSt6vectorISt" \
  "10shared_ptrIS6_ESaISB_EERdSF_Pb"

namespace norva {

int16_t RealKusabiTrial(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        KusabiShape* shape) __asm__("__real_" NORVA_KUSABI_TRIAL);
int16_t WrapKusabiTrial(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        KusabiShape* shape) __asm__("__wrap_" NORVA_KUSABI_TRIAL);
int16_t RealSearchOmega(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        int32_t& count, KusabiTrials& trials, double& upper, double& lower,
                        bool* invalid) __asm__("__real_" NORVA_SEARCH_OMEGA);
int16_t WrapSearchOmega(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        int32_t& count, KusabiTrials& trials, double& upper, double& lower,
                        bool* invalid) __asm__("__wrap_" NORVA_SEARCH_OMEGA);

namespace bench {
namespace {
bool g_counting = false;
int64_t g_trials = 0;
int64_t g_mismatches = 0;

// The passes of the slip-angle search (1 degree, then a tenth of the bracket
// around the best angle until the step falls below 0.1 degree); returns the
// number of trials and the best angle.
int64_t ReplaySearch(const KusabiSoil& soil, int n, const DPoint* pts, const CKusabiRes& w0,
                     double upper, double lower, double& bestOmega) {
  CKusabiRes w;
  w.Copy(w0);
  w.TempFile.clear();  // the copy must not delete the wedge's file
  if (upper == -1000) upper = std::min(89.0, std::trunc(90 + w.fAlpha * kCalcRadToDeg));
  lower = std::max(w.fFai * kCalcRadToDeg, lower);
  double U = upper, L = lower;
  bestOmega = 0;
  if (U < L - 1e-5) return 0;
  int64_t trials = 0;
  double pmax = -1e8, s = 1;
  do {
    double om = U;
    do {
      w.fOmega = om * kCalcDegToRad;
      ++trials;
      if (RealKusabiTrial(soil, n, pts, w, nullptr) == kKusabiOk && w.fPa > pmax) {
        pmax = w.fPa;
        bestOmega = om;
      }
      om -= s;
    } while (om >= L - 1e-5);
    U = std::min(bestOmega + s, upper);
    L = std::max(bestOmega - s, lower);
    s = (U - L) / 10;
  } while (s >= 0.1 - 1e-5);
  return trials;
}

}  // namespace

void SetWedgeCounting(bool on) { g_counting = on; }
int64_t WedgeTrials() { return g_trials; }
int64_t WedgeCountMismatches() { return g_mismatches; }

}  // namespace bench

int16_t WrapKusabiTrial(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        KusabiShape* shape) {
  if (bench::g_counting) ++bench::g_trials;
  return RealKusabiTrial(soil, n, pts, w, shape);
}

int16_t WrapSearchOmega(const KusabiSoil& soil, int n, const DPoint* pts, CKusabiRes& w,
                        int32_t& count, KusabiTrials& trials, double& upper, double& lower,
                        bool* invalid) {
  if (!bench::g_counting) {
    return RealSearchOmega(soil, n, pts, w, count, trials, upper, lower, invalid);
  }
  double best = 0;
  bench::g_trials += bench::ReplaySearch(soil, n, pts, w, upper, lower, best);
  const int16_t r = RealSearchOmega(soil, n, pts, w, count, trials, upper, lower, invalid);
  if (r == 0 && std::fabs(w.fOmega - best * kCalcDegToRad) > 1e-9) ++bench::g_mismatches;
  return r;
}

}  // namespace norva
