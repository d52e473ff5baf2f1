#pragma once
// The design-conditions chapter (設計条件): the design's inputs restated
// section by section, with the dimensioned section figure, the seismic
// coefficient and passive earth pressure derived where the inputs allow, the
// load combinations of every case and the guideline with the reference books.
//
// Inputs print as the document holds them: a value never entered prints its
// null value through the mask (written whole), an empty text as one blank.
// Only the figure can fail: PrnJyouken throws ReportError (prn_file.h) naming
// the file when KutaiSunp.svg cannot be saved, before any line is written.
#include <cstdint>
#include <optional>
#include <string>

namespace norva {

class CDocument;
class PrnFile;
struct ReportSelection;

// Size of the section figure (twips): 125 mm wide and 1.1 times as high.
inline constexpr double kJyoukenFigureWidth = 7087.5;
inline constexpr double kJyoukenFigureHeight = kJyoukenFigureWidth * 1.1;

// State the sections share during one call of PrnJyouken.
struct JyoukenState {
  // The allowable stresses are reported (JyoukenAllowableFlag).
  bool allowable = false;
  // "<H2>荷　重</H2>" is written; the first load section that is written
  // writes it and sets this.
  bool loadsHeading = false;
};

// True when a member-stress chapter (wall, toe slab or shear key) is
// selected, or the stability chapter is not.
bool JyoukenAllowableFlag(const ReportSelection& s);

// The whole chapter: draws folder/KutaiSunp.svg, then writes every section
// in order. The registered design-conditions writer.
void PrnJyouken(PrnFile& f, const CDocument& doc, const std::string& folder);

// Fills the design-conditions slot of the report writers.
void RegisterConditionsWriters();

// ---- Sections, in the order PrnJyouken writes them ---------------------------
// Each writes nothing when its condition does not hold.

// Title, structure type, dimensions and the figure (its full path).
void PrnJyoukenTitle(PrnFile& f, const CDocument& doc, const std::string& figurePath);
// Table of the back-ground surface points (UragomeType 3 only), in two
// column groups side by side.
void PrnJyoukenUraNini(PrnFile& f, const CDocument& doc);
// Front soil, treatment of water and water levels.
void PrnJyoukenWater(PrnFile& f, const CDocument& doc);
// Unit weights.
void PrnJyoukenUnitWeights(PrnFile& f, const CDocument& doc);
// Constants of the backfill and of the foundation ground.
void PrnJyoukenGround(PrnFile& f, const CDocument& doc);
// Allowable stresses (only with st.allowable).
void PrnJyoukenAllowable(PrnFile& f, const CDocument& doc, const JyoukenState& st);
// Design horizontal seismic coefficient (only with bQuake).
void PrnJyoukenSeismic(PrnFile& f, const CDocument& doc);
// Stability-check settings.
void PrnJyoukenStability(PrnFile& f, const CDocument& doc);
// Clears st.loadsHeading, then the loads heading with the earth pressure at
// the check sections (trial wedge) and the passive resultant (nJyudo).
void PrnJyoukenPassive(PrnFile& f, const CDocument& doc, JyoukenState& st);
// Surcharge loads (vehicle, crowd, residential land, snow).
void PrnJyoukenSurcharge(PrnFile& f, const CDocument& doc, JyoukenState& st);
// Horizontal loads (vehicle collision, rock fall, wind).
void PrnJyoukenHorizontal(PrnFile& f, const CDocument& doc, JyoukenState& st);
// Arbitrary loads, one keep-together block each.
void PrnJyoukenNini(PrnFile& f, const CDocument& doc, JyoukenState& st);
// Load-combination tables, three cases to a table (one table without cases).
void PrnJyoukenCombination(PrnFile& f, const CDocument& doc, const JyoukenState& st);
// Guideline and reference books; ends the chapter.
void PrnJyoukenReferences(PrnFile& f, const CDocument& doc);

// ---- What the sections decide, for their tests --------------------------------

// The seismic section shows the derivation (else the two entered values):
// Kh(0) equals the standard value GetKh(…) to two decimals, the guideline has
// a formula (Sisin 0, 2, 3, 4, 5) and, where the formula prints GetCz(Tiiki)
// (all but Sisin 4), the entered cZ equals it to two decimals, and the
// product of the printed factors gives Kh(0) to two decimals (not so where
// the standard value was raised to 0.10), so the printed formula holds.
bool SeismicDerivationShown(const CDocument& doc);

// The passive earth pressure worked out from the calculator's inputs (φ, δ,
// α, β in degrees, γ, H, kh), as the derivation prints it.
struct PassiveDerivation {
  double thetaDeg = 0;              // atan(kh) in degrees
  double A = 0, Kp = 0, Pp = 0;     // normal state
  double A2 = 0, KEP = 0, PEP = 0;  // seismic state
  bool seismic = false;             // the seismic values could be computed
};
// Empty when the normal state cannot be computed (a negative radicand or a
// zero cosine in A, or no Coulomb coefficient); `seismic` false when the
// seismic state cannot.
std::optional<PassiveDerivation> DerivePassive(const CDocument& doc);
// The derivation is printed: it can be computed and its P_P (and P_EP under
// bQuake) equal the document's Pp(0) (and Pp(1)) to two decimals, the values
// the sliding check uses. Otherwise the entered values are printed.
bool PassiveDerivationShown(const CDocument& doc);

// The kind of snow by guideline and code ("" for a code without a text).
std::string SnowKindText(int32_t Sisin, int16_t nSnowType);
// The calculations that take an arbitrary load, from the bits of nTarget:
// "安定計算", "たて壁の設計", "つま先版の設計" joined by "、"; "" for none.
std::string NiniTargetText(int16_t nTarget);
// Rows of every load-combination table: 13 standard rows (with the header),
// the arbitrary loads, and the allowables written (overturning for nTentou 0,
// 1 or 2, sliding for ChkSlide 1, bearing always, stresses with `allowable`).
int32_t CombinationRowCount(const CDocument& doc, bool allowable);

}  // namespace norva
