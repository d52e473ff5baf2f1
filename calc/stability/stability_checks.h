#pragma once
// Checks of one load case and wall part from its force sums: overturning,
// ground reaction (with the ground spring model of the large-block guideline)
// and sliding. Each writes into the case's CAntRes and returns a StabStatus;
// a member it cannot form is stored as kNullBox.
#include <cstdint>

#include "calc/stability/stability_status.h"

namespace norva {

class CDocument;
class CAntRes;

// Position D of the resultant from the toe, eccentricity E (towards the toe
// positive), allowable eccentricity Ea, safety factor Fm and its required
// value Fma.
StabStatus CalcTentou(const CDocument& doc, int32_t caseIndex, CAntRes& res);

// Qmax and Qmin by guideline, wall type, nQa and E; the leaning-wall method
// writes the back-face reaction (thet, Ld, l1, l2, Qt, Qv, Qh, qtu, qtl), the
// spring model (Sisin 3) its own members. Members of the other branch are set
// to 0, so nothing of an earlier, different calculation survives. Under road
// earthworks the effective width is B - 2|E|; a resultant outside the base
// gives Qmax = Qmin = 1e10.
StabStatus CalcJibanHanryoku(const CDocument& doc, CAntRes& res, int16_t state);

// True when CalcJibanHanryoku finds the ground reaction of the result by the
// leaning-wall back-face method: a leaning wall (WallType 2) under road
// earthworks (Sisin 2) with an entered allowable bearing capacity (nQa not 0)
// whose resultant lies on the heel side (E < 0, not null).
bool LeaningBackFaceMethod(const CDocument& doc, const CAntRes& res);

// Ground reaction at x from the toe, from the stored results. A result that
// has no value there (kNullBox, the 1e10 sentinel) is returned as it stands.
double GetJibanHanryokuX(const CDocument& doc, const CAntRes& res, double x);

// Inclination from the vertical (radians) of the back face that the spring
// model's back-ground springs act on: atan(BlkN) for block masonry and the
// mixed wall, the wall's own back face 3-6 for a gravity or leaning wall (0
// for a face without height).
double SpringFaceAngle(const CDocument& doc);

// Spring model: displacements dx, dy, rotation th and the contact lengths l1,
// l2 of the back face, with the stiffness matrix K of that solution. Returns
// false when the model has no solution (a singular matrix).
bool CalcJibanHenni(const CDocument& doc, const CAntRes& res, double K[3][3], double& dx,
                    double& dy, double& th, double& l1, double& l2);

// Sliding: Hu (with half the passive pressure when nJyudo = 1), Fs = Hu / H
// (-1 when H <= 0.001) and Fsa; Q1..Q3 and s1..s3 for a shear key. With
// ChkSlide = 0 nothing is checked and every sliding member is kNullBox.
StabStatus CalcSlide(const CDocument& doc, int32_t caseIndex, int16_t state, CAntRes& res);

}  // namespace norva
