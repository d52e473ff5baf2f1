#pragma once
// The ground spring model of the large-block guideline in the ground-support
// section: its method (with the picture react.svg) and its results for one
// load case. No check is printed here: the bearing check of that guideline
// follows in its own section.
#include <cstdint>
#include <string>

namespace norva {

class CAntRes;
class CDocument;
class PrnFile;

// The method of the model, written inside the section's open block: it closes
// that block after the reaction coefficients and opens the next one (left
// open for the caller to close). Copies react.svg into `folder` (ReportError
// when the shipped picture is missing).
void PrnJibanBane(PrnFile& f, const std::string& folder);

// The values printed for load case result r in earthquake state s (the state
// the calculation used, CaseState): α is the inclination of the face the
// calculation took, l = WallH / cos α its length, αE0 the deformation moduli
// of the base and back ground times (1 + s). e′ = (B/6)(qv1 − qv2)/(qv1 + qv2)
// is "not computed" (kNullBox) when qv1 + qv2 is 0 or either was not computed.
struct BaneValues {
  double alpha = 0;     // radians
  double alphaDeg = 0;  // α × 57.29577951308238
  double l = 0;
  double ae0b = 0, ae0w = 0;
  double thetaDeg = 0;
  double qH = 0;      // u0 × ks
  double compat = 0;  // u0 cos α + (v0 + B θ) sin α + l1 θ
  double eDash = 0;
};
BaneValues BaneValuesOf(const CDocument& doc, const CAntRes& r, int16_t s);

// The results of one case, continuing the case's open block, which it closes
// first; every block it opens it closes.
void PrnJibanBaneCase(PrnFile& f, const CDocument& doc, const CAntRes& r, int16_t s);

}  // namespace norva
