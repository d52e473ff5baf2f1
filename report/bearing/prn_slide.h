#pragma once
// The sliding section of the stability chapter ("滑動に対する検討"): the
// method once (PrnSlide) and the check of each reported load case
// (PrnSlideCase). The formula depends on the shear key, the inclined base and
// the guideline; half the passive earth pressure joins the resistance when
// nJyudo is 1, the calculation's own test.
#include <cstdint>
#include <string>

namespace norva {

class CAntRes;
class CDocument;
class PrnFile;

// In the order they are tested: a key under road earthworks (the loads v1..v3
// on the parts of the effective width), a key under another guideline (the
// reaction intensities q1..q3), an inclined base (forces resolved along the
// base), road earthworks (adhesion over B' = B − 2|e|), any other (over B).
enum class SlideVariant { kRoadKey, kKey, kInclined, kRoad, kPlain };
SlideVariant SlideVariantOf(const CDocument& doc);

// The forces of an inclined base: θ = atan(h/B) with h the rise of the base,
// B' = B/cos θ, V = ΣV cos θ + ΣH sin θ along the normal and
// H = ΣH cos θ − ΣV sin θ along the base.
struct InclinedBase {
  double theta = 0, thetaDeg = 0, Bd = 0, V = 0, H = 0;
};
InclinedBase InclinedBaseOf(const CDocument& doc, const CAntRes& r);

// "<RP>", the headings (level 2 and 3, one deeper for a mixed wall), the
// formula of the variant and its legend.
void PrnSlide(PrnFile& f, const CDocument& doc);

// The check of load case i: the substituted formula and the stored Fs against
// Fsa (equality passes; a value not computed prints "-----"). When the
// calculation found no horizontal force to resist (its sentinel −1) the check
// is omitted: "ΣH≦0なので、検討を省略する。", or for an inclined base the force
// lines followed by the two sentences that the wall is stable. The passive
// pressure is that of the earthquake state the calculation used (CaseState).
// `folder` is not used.
void PrnSlideCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder);

}  // namespace norva
