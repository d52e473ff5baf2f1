#pragma once
// Earth pressure by the Coulomb formula: the method section and the section of
// one load case (surcharge and embankment conversion, coefficient, pressures,
// resultants, components and point of action).
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// The values of one load case the section rests on, taken as the stability
// calculation took them, so the printed formulas give the stored results.
struct CoulombCaseValues {
  bool valid = false;  // false: the back-ground outline has no pressure face
  double H = 0;        // height of the pressure face (m)
  double y0 = 0;       // level of its lower end (m)
  double alpha = 0;    // back face from the vertical (rad)
  double qd = 0;       // converted surcharge (kN/m2)
  double qw = 0;       // converted embankment load (kN/m2)
  double iDeg = 0;     // backfill slope (degrees)
  double X = 0;        // virtual distance of a trapezoidal embankment (m)
  int16_t state = 0;   // earth-pressure state of the case (CaseState)
  int16_t s = 0;       // 1: the seismic formulas (state not 0)
  double theta = 0;    // seismic angle (rad); 0 for the upper wall of a mixed wall
  double delta = 0;    // wall friction angle of the state (degrees)
  double deltaKa = 0;  // the angle the coefficient took: phi when i > phi (degrees)
  double hw = 0;       // submerged height of the face (m)
};

CoulombCaseValues CoulombCaseValuesOf(const CDocument& doc, int32_t i);

// The worked-out quantities of the case section.
struct CoulombPressures {
  double A = 0;
  bool zeroA = false;  // phi - i (- theta) < 0: sin taken as 0
  double P1 = 0, P2 = 0, P3 = 0, PA1 = 0, PA2 = 0, MP1 = 0, MP2 = 0;
  double Yp = 0;         // printed point of action above the face's lower end
  double B = 0;          // base-width term of X_P, from the stored point
  bool differs = false;  // a printed stored value differs from the formula's
};

CoulombPressures CoulombPressuresOf(const CDocument& doc, int32_t i, const CoulombCaseValues& v);

void PrnDoatsuCoulomb(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuCoulombCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder);
void PrnDoatsuCoulombPressure(PrnFile& f, const CDocument& doc, int32_t i,
                              const CoulombCaseValues& v);

}  // namespace norva
