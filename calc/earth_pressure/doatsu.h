#pragma once
// Earth pressure of a document's load cases and check sections: the Coulomb
// routines and the trial-wedge drivers over the document, its load cases and
// its result records.
//
// Every routine returns an EpStatus. A failed status means the load case (or
// section) has no earth pressure: the outputs are then 0 and must not be used
// as a result; the caller marks the case and tells the user the reason.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "calc/earth_pressure/ep_common.h"
#include "calc/earth_pressure/kusabi.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CAntRes;

using KusabiPair = std::array<std::shared_ptr<CKusabiRes>, 2>;

// ---- Converted surcharges ------------------------------------------------------
double CalcJyousaiQd(const CDocument& doc, int16_t cas, double H);
// Qw of a trapezoidal backfill; beta (degrees) of a sloped one.
double CalcUragomeQw(const CDocument& doc, int16_t cas, double H, double& betaDeg, double& xw);

// ---- Coulomb ----------------------------------------------------------------------
// Back-face points pts[0..n] (n the top of the back face); wall and count are
// passed through by the callers and not read.
EpStatus CalcCoulomb(const CDocument& doc, int32_t cas, int16_t state, double wl, double base,
                     const KutaiPoints& wall, int16_t count, const std::vector<DPoint>& pts,
                     int16_t n, double& Qd, double& Qw, double& Ka, double& Pa, double& x,
                     double& y, double& alpha);
// Upper wall of the mixed wall: the last segment n-1..n; alpha is an input.
EpStatus CalcCoulombMxw(const CDocument& doc, int32_t cas, int16_t state, double wl, double base,
                        const KutaiPoints& wall, int16_t count, const std::vector<DPoint>& pts,
                        int16_t n, double& Qd, double& Qw, double& Ka, double& Pa, double& x,
                        double& y, double alpha);

// ---- Trial wedge ------------------------------------------------------------------
KusabiSoil SoilOf(const CDocument& doc);
int16_t CalcKusabiPa(const CDocument& doc, int16_t n, const std::vector<DPoint>& pts,
                     CKusabiRes& w);

// Strip loads of the case behind x0 (vehicle, crowd, snow, residential).
void GetKusabiLoads(const CDocument& doc, int16_t cas, double x0, int16_t& count,
                    std::array<double, 11>& load, std::array<double, 11>& xs,
                    std::array<double, 11>& xe);

// Trial file key: "KUSABI" + mode + suffix + case.
std::string KusabiKey(int16_t mode, const std::string& suffix, int32_t cas);

// While one lives (on this thread), the wedge drivers keep no trial files:
// the wedges they store own no file (empty TempFile) and nothing is written.
// For runs whose wedges are replaced before anyone can read their trials,
// such as the quiet runs of the water-level search. Scopes nest.
class NoTrialFilesScope {
 public:
  NoTrialFilesScope();
  ~NoTrialFilesScope();
  NoTrialFilesScope(const NoTrialFilesScope&) = delete;
  NoTrialFilesScope& operator=(const NoTrialFilesScope&) = delete;
};
// False inside a NoTrialFilesScope.
bool TrialFilesWanted();

// Embankment back ground (block, gravity, leaning wall).
EpStatus CalcKusabiMori(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                        double base, const KutaiPoints& wall, int16_t n,
                        const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                        double& Py, std::shared_ptr<CKusabiRes>& holder);
// Cut back ground outside the large-block guideline.
EpStatus CalcKusabiKiri(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                        double base, const KutaiPoints& wall, int16_t n,
                        const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                        double& Py, KusabiPair& K);
// Cut back ground under the large-block guideline: the blend of two wedges.
EpStatus CalcKusabiOogata(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                          double base, const KutaiPoints& wall, int16_t n,
                          const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                          double& Py, double& d1, KusabiPair& K);
// Horizontal distance d from the heel p0 (the back ground's first point) to
// the cut face at p0's level; the cut face's foot is KiriD beyond the wall's
// reference x (the line 3-9 at y = 0 for the block wall, point 4 otherwise).
// Below 0.001 m, and on the wall's side of the face, d is 0.
double CutFaceDistance(const CDocument& doc, const KutaiPoints& wall, const DPoint& p0);
// The blend itself: Pa0 at d = 0 rising to Pa1 at d = d1 and beyond.
double OogataBlend(double Pa0, double Pa1, double d, double d1);

// Mixed wall: upper wall (last segment of pts) and lower wall with the upper
// wall's thrust.
EpStatus CalcKusabiMxwUpper(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                            double base, const KutaiPoints& wall, int16_t count,
                            const std::vector<DPoint>& pts, int16_t n, double& Pa, double& x,
                            double& y, KusabiPair& K);
EpStatus CalcKusabiMxwLower(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                            double base, const KutaiPoints& wall, int16_t count,
                            const std::vector<DPoint>& pts, int16_t n, double alphaU, double PaU,
                            double& Pa, double& x, double& y, KusabiPair& K);

// ---- Load case and check section ------------------------------------------------
EpStatus CalcDoatsuCase(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                        double wl, CAntRes& r);
EpStatus CalcDoatsuCaseMxw(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                           double wl, int16_t part, double& alphaU, double& PaU, CAntRes& r);

EpStatus CalcSecDoatsu(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                       double wl, const double& y, const int16_t& thrust, double& PV, double& PH,
                       double& MV, double& MH);
EpStatus CalcSecDoatsuMxw(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                          double wl, int16_t part, const double& alphaU, const double& PaU,
                          const double& y, const int16_t& thrust, double& PV, double& PH,
                          double& MV, double& MH);

}  // namespace norva
