#pragma once
// Bearing-capacity check of one load case and wall part: the ultimate bearing
// capacity by the design guideline, the allowable capacity and the ratio the
// displays compare.
#include <cstdint>
#include <functional>
#include <string>

namespace norva {

class CDocument;
class CAntRes;

// Everything the ultimate bearing capacity depends on, taken from the
// document, the load case and the case's result record.
struct BearingInputs {
  int32_t Sisin = 0;     // 0 farm roads, 2 road earthworks, 3 large-block, 4 residential, 5 canals
  int32_t WallType = 1;  // 0 block masonry
  double SijiFai = 0;    // phi of the bearing ground, degrees
  double SijiC = 0;
  double SijiGam1 = 0;
  double SijiGam2 = 0;
  double Df = 0;
  double Dfd = 0;
  double WallL = 10;
  int16_t ChkSlide = 1;
  double Myu = 0;
  bool SpecialCase = false;  // seismic, vehicle-collision or rock-fall case
  // From the force sums, overturning and ground reaction of the case.
  double Breadth = 0;
  double E = 0;
  double SgmV = 0;
  double SgmH = 0;
  double Qv = 0;
  double Qh = 0;
  double qmax = 0;
  double qmin = 0;
  // Factors as they stand in the record (used in given-factors mode).
  double Nc = 0;
  double Nq = 0;
  double Ng = 0;
};

// The members of CAntRes that the ultimate bearing capacity writes. A value
// that could not be formed is kNullBox.
struct BearingFactors {
  double Q = 0;
  double Alpha = 0;
  double Beta = 0;
  double Kappa = 0;
  double Sc = 1;
  double Sq = 1;
  double Sg = 1;
  double Nc = 0;
  double Nq = 0;
  double Ng = 0;
  double Eta = 0;
  double SijiOmg = 0;
  double Bdash = 0;  // effective width B'
};

struct BearingCapacity {
  double Qu = 0;  // kNullBox when not computable
  BearingFactors f;
  bool writesFactors = false;  // Nc, Nq, Ng
  bool writesEta = false;
  bool writesOmega = false;
  std::string failure;  // why Qu could not be formed; empty when it was
  bool ok() const { return failure.empty(); }
};

// Ultimate bearing capacity with its factors, by the guideline of `in`.
// givenFactors: take in.Nc, in.Nq, in.Ng as they stand.
BearingCapacity ComputeUltimateBearing(const BearingInputs& in, bool givenFactors);

// Least-capacity search over the velocity-field angle in [0, omegaMax]: passes
// of 11 angles from the top of the bracket down, the bracket shrinking about
// the best angle, until the step falls to 2e-5. Only capacities above 0.01
// count; with none the result is 0. evaluations, when given, receives the
// number of calls of quAt.
double SearchSijiOmega(double omegaMax, const std::function<double(double)>& quAt,
                       int* evaluations = nullptr);

// Ultimate bearing capacity of case caseIndex into res (factors and terms);
// returns Qu, or kNullBox with the reason in *failure when it cannot be formed.
// givenFactors non-zero: the factors typed on the results screen are used.
double CalcSijiQu(CDocument& doc, int32_t caseIndex, CAntRes& res, double qmax, double qmin,
                  int16_t givenFactors, std::string* failure = nullptr);

// Bearing check of case caseIndex into res: Qu, and by guideline Qa, fB, Fba.
// userFactors non-zero after the user typed a factor on the results screen.
// A value that cannot be formed is stored as kNullBox and the user is told
// which case and why; returns false then.
bool CalcSiji(CDocument& doc, int32_t caseIndex, CAntRes& res, int16_t userFactors);

}  // namespace norva
