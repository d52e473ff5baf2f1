#pragma once
// The ground-support section of the stability chapter ("地盤支持に対する検討"):
// the method text once (PrnJibanHanryoku) and the ground reaction of each
// reported load case (PrnJibanHanryokuCase), by guideline and wall type. The
// large-block guideline prints its ground spring model (prn_jiban_bane.h);
// the allowable bearing capacity is handed to the blocks of siji_blocks.h.
#include <cstdint>
#include <string>

namespace norva {

class CAntRes;
class CDocument;
class PrnFile;

// The form of a case's reaction lines, chosen by the same tests the stability
// calculation made (no tolerance):
//   kUniform        block masonry under farm roads and canals: ΣV/B
//   kUniformRoad    block masonry under road earthworks: 1.2ΣV/B
//   kSpring         large-block guideline: the spring model
//   kOutside        the stored Qmax is the 1e10 marker: the resultant is not
//                   inside the base (|e| >= B/2), nothing can be computed
//   kTrapezoid      |e| < B/6, or e not computed (the lines print "-----")
//   kFourV          residential land with |e| > B/3: 4ΣV/B
//   kToeTriangle    otherwise with e > 0: 2ΣV/3d
//   kHeelTriangle   otherwise (e <= 0): 2ΣV/3(B-d)
enum class JibanForm {
  kUniform,
  kUniformRoad,
  kSpring,
  kOutside,
  kTrapezoid,
  kFourV,
  kToeTriangle,
  kHeelTriangle
};
JibanForm JibanFormOf(const CDocument& doc, const CAntRes& r);

// "<RP>", the section and method headings (level 2 and 3, one deeper for a
// mixed wall) and the method of the ground reaction; then, under canals,
// residential land and farm roads with a computed allowable (nQa not 1), the
// method of the allowable bearing capacity. Under the large-block guideline
// the spring model's picture react.svg is copied into `folder` (ReportError
// when it is missing).
void PrnJibanHanryoku(PrnFile& f, const CDocument& doc, const std::string& folder);

// The ground reaction of load case i with its check against the allowable
// qa: the case's QaPremium times the entered Qa under road earthworks, the
// stored Qa otherwise. The check follows the result panel: equality passes,
// a value not computed prints "-----" and never passes. A resultant outside
// the base prints one line saying so and nothing else. Nothing is written for
// a case without a result.
void PrnJibanHanryokuCase(PrnFile& f, const CDocument& doc, int32_t i);

}  // namespace norva
