#pragma once
// The ground-support section of a leaning wall under road earthworks with an
// entered allowable bearing capacity: the method (with the picture
// motreact.svg) and the ground reaction of each reported load case in one of
// three regimes.
#include <cstdint>
#include <string>

namespace norva {

class CAntRes;
class CDocument;
class PrnFile;

// The regime of a case, by the tests the calculation made on the stored
// eccentricity e = B/2 − d: kBackFace (the spring model with the reaction on
// the back face) when e < 0, i.e. d > B/2; kTrapezoid when 0 <= e < B/6, i.e.
// B/3 < d <= B/2; kTriangle otherwise (d <= B/3). kOutside when the stored
// Qmax is the 1e10 marker of a resultant not inside the base.
enum class MotareRegime { kTriangle, kTrapezoid, kBackFace, kOutside };
MotareRegime MotareRegimeOf(const CAntRes& r);

// "<RP>", the headings and the method of the three regimes; copies
// motreact.svg into `folder` (ReportError when it is missing).
void PrnJibanHanryokuMotare(PrnFile& f, const CDocument& doc, const std::string& folder);

// The ground reaction of load case i against qa = QaPremium × Qa; equality
// passes, a value not computed prints "-----". A resultant outside the base
// prints one line saying so.
void PrnJibanHanryokuMotareCase(PrnFile& f, const CDocument& doc, int32_t i);

}  // namespace norva
