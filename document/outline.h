#pragma once
// Characteristic points of the wall section and of the ground behind it.
//
// Frame: metres, origin at the level of the bottom of the heel on the vertical
// through the front end of the base, x towards the backfill, y up. Every
// calculation, drawing and report addresses the section by these point
// indices, so they never change:
//   gravity, leaning (0..6): 0 toe bottom, 1 toe top, 2 foot of the front face,
//     3 lower end of the back face, 4 heel bottom, 5 crest front, 6 crest back;
//   block (0..10): 0, 1, 2, 10, 4 the foundation (with one), 2, 5, 9, 3, 7 the
//     blocks with their backfill concrete, 6 top and 7 foot of the back of the
//     blocks, 8 top of the back of the backfill concrete, 5-9 the crest;
//   mixed (0..10): 0, 1, 2, 3, 4 the lower wall, 2, 5, 9, 10 the block part,
//     6, 7, 8 as for the block wall.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/geometry.h"

namespace norva {

class CDocument;

inline constexpr int kKutaiPointCount = 21;
using KutaiPoints = std::array<DPoint, kKutaiPointCount>;

// Fills Pts by the document's WallType (0 block, 1 gravity, 2 leaning,
// 3 mixed) and returns the front and back end of the crest. Entries the wall
// type does not use keep what they held; any other WallType writes nothing.
// SectionMode 0 gives the full section; non-zero the simplified one of the
// line-of-thrust check (block wall without foundation standing on y = 0,
// mixed wall with a horizontal joint between its parts).
void MakeKutaiOutline(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront, DPoint& CrestBack,
                      int16_t SectionMode);
void MakeKutaiOutlineBlk(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack, int16_t SectionMode);
void MakeKutaiOutlineGrw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack);
void MakeKutaiOutlineMtw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack);
void MakeKutaiOutlineMxw(const CDocument& Doc, KutaiPoints& Pts, DPoint& CrestFront,
                         DPoint& CrestBack, int16_t SectionMode);

// Gradient n (1:n) of a leaning wall's back face, the straight line from the
// foot of the back (point 3) up to the back end of the crest (point 6): it
// runs MtwB4 across over MtwH1 + MtwH3, so the drop MtwH3 of its foot belongs
// to it. A missing MtwH3 (negative null) counts as 0. Empty while MtwB4 is
// missing or MtwH1 is not positive. The section screen stores it as MtwN2; the
// sheet labels the face with it.
std::optional<double> LeaningBackGradient(const CDocument& Doc);

// True when the base is inclined; H receives its rise (0 when there is none).
bool GetKeisyaHeight(const CDocument& Doc, double& H);

// The ground the wall retains: from the back of the wall at FromY up to the
// start of the back ground G (UraHd below the back end of the crest), then
// along the back-ground surface to a point 100000 m behind the last one.
// Ura[0..WallEnd] lie on the back of the wall, Ura[WallEnd..UraCount-1] on the
// surface. Ura grows when it is too short for the points; entries behind
// UraCount keep what they held. WallPart is read for the mixed wall only:
// 0 the back of the upper (block) part, non-zero the back of the whole wall.
// Throws std::invalid_argument for a WallType outside 0..3 or a sloped
// surface (UragomeType 1) with UraN = 0, before writing anything.
void MakeUraOutline(const CDocument& Doc, double FromY, const KutaiPoints& Pts, int16_t& UraCount,
                    std::vector<DPoint>& Ura, int16_t& WallEnd, int16_t WallPart);

}  // namespace norva
