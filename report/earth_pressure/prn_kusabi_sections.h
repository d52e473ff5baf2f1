#pragma once
// Earth pressure by the trial wedge: the embankment back ground (block,
// gravity and leaning walls, and the upper wall of a mixed wall) and the cut
// back ground under the large-block masonry guideline. Each has a method
// section and a section per load case, which print the stored results of the
// case and the trials of its wedges.
#include <cstdint>
#include <string>

namespace norva {

class CAntRes;
class CDocument;
class CKusabiRes;
class PrnFile;

void PrnDoatsuKusabiMori(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiMoriCase(PrnFile& f, const CDocument& doc, int32_t i,
                             const std::string& folder);

void PrnDoatsuKusabiOogata(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiOogataCase(PrnFile& f, const CDocument& doc, int32_t i,
                               const std::string& folder);

// Trial wedge with a cut back ground (every guideline but large-block
// masonry; the road-earthworks guideline has a method of its own). Which
// slip the method and each case describe follows one test: whether the
// stored cut-face wedge lies apart from the heel (the document's KiriD and
// wall type only when no wedge is stored), and whether both slips are
// compared (KiriDoatsu 0). Method and cases thus never describe different
// slips.
enum class KiriVariant {
  kApartCutFaceOnly,  // broken slip from the heel to the cut face, then along it
  kApartCompare,      // a slip inside the backfill against the broken slip
  kHeelCutFaceOnly,   // the cut face itself through the heel, closed formula
  kHeelCompare,       // a slip inside the backfill against the cut face
};
KiriVariant KiriMethodVariantOf(const CDocument& doc);
KiriVariant KiriCaseVariantOf(const CDocument& doc, int32_t i);

void PrnDoatsuKusabiKiri(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiKiriDoro(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiKiriCase(PrnFile& f, const CDocument& doc, int32_t i,
                             const std::string& folder);

// The lower wall of a mixed wall with an embankment back ground: its own
// wedge loaded by the upper wall's thrust.
void PrnDoatsuKongoMori(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKongoMoriCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder);

// The lower wall's components of pa and its point of action, as one block;
// α2 and δ from the wedge record k, the rest from the stored result r.
void PrnKongoComponentsBlock(PrnFile& f, const CDocument& doc, double pa, const CKusabiRes& k,
                             const CAntRes& r);

// The lower wall of a mixed wall with a cut back ground, by the same one
// test on its own stored cut-face wedge.
KiriVariant KiriLowerMethodVariantOf(const CDocument& doc);
KiriVariant KiriLowerCaseVariantOf(const CDocument& doc, int32_t i);
void PrnDoatsuKongoKiri(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKongoKiriCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder);

// The path as an unquoted "SRC=" value takes it: quoted when it holds a
// blank, which would end an unquoted value.
std::string PrnImgSrc(const std::string& path);

}  // namespace norva
