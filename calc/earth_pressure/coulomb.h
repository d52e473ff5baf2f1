#pragma once
// Coulomb active and passive earth pressure (with the seismic angle), the
// pressure distribution over a back face, and the process-wide state that lets
// the line-of-thrust runs hold Ka and the converted surcharges fixed.
#include <optional>

#include "calc/earth_pressure/ep_common.h"

namespace norva {

// All angles in radians: phi internal friction, delta wall friction, alpha back
// face from the vertical (positive leaning towards the front going up), beta
// backfill slope, theta seismic angle atan(kh).
double CoulombKa(double phi, double delta, double alpha, double beta, double theta);
double CoulombKp(double phi, double delta, double alpha, double beta, double theta);

// The same, but empty where the formula has no value (a negative radicand or a
// zero divisor) instead of CoulombKa's 0.
std::optional<double> TryCoulombKa(double phi, double delta, double alpha, double beta,
                                   double theta);
std::optional<double> TryCoulombKp(double phi, double delta, double alpha, double beta,
                                   double theta);

// ---- Process-wide state -----------------------------------------------------
// True: the Coulomb routines work out Qd, Qw and Ka themselves. False: they take
// FixKa, FixQd, FixQw (the line-of-thrust runs). Starts True: the program sets it
// at start-up before any document exists, and tests rely on that.
extern bool bJyousaiCalc;
extern double FixKa;
extern double FixQd;
extern double FixQw;

// Holds Ka, Qd and Qw fixed for its lifetime and puts the earlier state back
// when it ends, also when an exception leaves the held run.
class JyousaiHold {
 public:
  JyousaiHold(double ka, double qd, double qw);
  ~JyousaiHold();
  JyousaiHold(const JyousaiHold&) = delete;
  JyousaiHold& operator=(const JyousaiHold&) = delete;

 private:
  bool saved_calc_;
  double saved_ka_, saved_qd_, saved_qw_;
};

// ---- Pressure distribution with explicit inputs -------------------------------
struct CoulombLoad {
  double H = 0;   // height of the back face (m)
  double hw = 0;  // submerged height above the bottom of the face (m)
  double Qd = 0;  // converted surcharge (kN/m2)
  double Qw = 0;  // converted embankment load (kN/m2)
  double Ka = 0;
  double gam = 0;   // wet unit weight of the backfill
  double gamd = 0;  // submerged unit weight
  double x0 = 0;    // bottom point of the back face
  double y0 = 0;
  double alpha = 0;  // back-face angle of the top segment (rad)
};

struct CoulombForce {
  double Pa = 0;
  double x = 0;
  double y = 0;
};

// Whole back face of a block, gravity or leaning wall: linear pressure with the
// submerged unit weight below the water, resultant at the centroid.
CoulombForce CoulombPressure(const CoulombLoad& in);

// Upper wall of a mixed wall: same total; x is taken at a third of the height.
CoulombForce CoulombPressureMxw(const CoulombLoad& in);

// Back-face angle of the segment from (x1, y1) up to (x2, y2):
// -atan(dx/dy). Empty when the segment has no height.
std::optional<double> BackFaceAngle(double x1, double y1, double x2, double y2);

}  // namespace norva
