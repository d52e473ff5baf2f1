#pragma once
// Rules of the design-conditions windows that read or change the document,
// kept apart from the windows (no Qt here): the initial conditions, the
// defaults, enabling and click rules of the basic-data and stability-
// conditions screens, and the number-box tables of both screens.
#include <cstdint>
#include <span>

#include "document/ref_ini_data.h"
#include "screens/box_field.h"

namespace norva {

class CDocument;

// ---- Initial design conditions ----------------------------------------------

// Number of snow kinds the loads screen lists for the guideline: three for
// road earthworks (2) and canals (5), five for every other code. The last
// kind is always the free entry "任意荷重".
int16_t SnowKindCount(int32_t sisin);

// Allowable stresses of road-earthworks concrete for a design strength:
// σca = min(σck/4, 5.5), σta = min(σck/80, 0.3), both unrounded, and
// τa = σck/100 + 0.15 rounded half up to two decimals.
struct ConcreteAllowables {
  double Sgmca = 0;
  double Sgmta = 0;
  double Taua = 0;
};
ConcreteAllowables RoadAllowables(double sgmck);

// Accepting the initial-conditions dialog. `fields` holds what the dialog was
// opened with and receives the chosen values; `chosen` is what the engineer
// selected. Writes the guideline's defaults into the document and its cases:
// the allowables (only on a change of guideline or an unset σck), nTentou
// (on a change of wall type or guideline, or when unset), the cases' Doat
// and the surcharge switches, nTakuchi (by the chosen guideline), nQa under
// road earthworks and the snow kind: a free-entry kind stays the free entry
// of the new guideline's list, any other is clamped to that list.
// The four conditions themselves are copied into the document by the caller.
void ApplyIniData(CDocument& doc, IniDataFields& fields, const IniDataFields& chosen);

// Under the large-block guideline (3) the wall type is block masonry and the
// formula the trial wedge, and neither can be changed.
struct IniDataLocks {
  bool otherWallTypes = true;  // wall types 1 to 3 selectable
  bool formulas = true;        // both earth-pressure formulas selectable
  bool forceBlockWedge = false;
};
IniDataLocks IniDataLocksFor(int32_t sisin);

// ---- Basic-data screen (screen 0) --------------------------------------------

// Fills unset defaults: the embankment back ground under Coulomb, concrete
// 23 and water 9.8 kN/m3 when not entered, and, only when σck is not entered,
// σck 18 with the guideline's allowables (an entered σck leaves all four
// allowables alone, even unset ones).
void SetKihonDefault(CDocument& doc);

struct KihonState {
  bool quake = false;       // seismic coefficients and the seismic δ row
  bool wedge = false;       // back-ground options, normal cohesion, check-section rule
  bool wedgeQuake = false;  // seismic cohesion row
  bool cutFace = false;     // cut-wall earth-pressure rule and cut-face constants
  bool footing = false;     // footing-concrete unit weight
};
KihonState KihonFormState(const CDocument& doc);

// ---- Stability-conditions screen (screen 2) ------------------------------------

struct AnteiState {
  bool thrustOption = false;  // optTentou(3), the line-of-thrust method
  bool slideOptions = false;  // optSlide(0), optSlide(1)
  bool passiveCheck = false;  // chkPp
  bool passive = false;       // cmdJyudo and the normal passive pressure
  bool passiveQuake = false;  // the seismic passive pressure
  bool qaGroup = false;       // the given bearing capacity
  bool bearingPhiC = false;   // φ and c of the bearing ground
  bool bearingRest = false;   // γ1, Df', Df, γ2
  bool largeBlock = false;    // deformation moduli; "qd" captions
};
// qaTicked: the state of the check box "入力値を用いる".
AnteiState AnteiFormState(const CDocument& doc, bool qaTicked);

// The click rules of the overturning and sliding options; the screen's fill
// runs them too, so they change saved documents.
// Tentou: nTentou := index; 3 also clears Tokki and nWlvlAuto, any other sets
// ChkSlide to 1.
void AnteiTentouClick(CDocument& doc, int index);
// Slide: ChkSlide := index; 0 also clears nJyudo. True when the screen must
// untick its passive-pressure box.
bool AnteiSlideClick(CDocument& doc, int index);

// μ = tan φB rounded half away from zero at three decimals, for φB >= 0;
// a negative φB (blank or not entered) gives `myu` back unchanged.
double MyuFromFaib(double faib, double myu);

// ---- Number boxes of the two screens ---------------------------------------------

// One number box bound to a document member.
using NumField = BoxField;

// In the order the screen fills them.
std::span<const NumField> KihonFields();
std::span<const NumField> AnteiFields();

}  // namespace norva
