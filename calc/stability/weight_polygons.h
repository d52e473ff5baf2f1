#pragma once
// Weight polygons of the wall section: the concrete of the body, the front
// soil resting on the wall and the submerged volume (buoyancy), each a closed
// CWeight cut at the lower level L (no cut when L <= 0).
//
// Every builder writes its slots (nullptr = no polygon). The body builders
// return false; the soil and buoyancy builders return true when they built
// nothing.
#include <cstdint>
#include <memory>

#include "document/outline.h"

namespace norva {

class CDocument;
class CWeight;

using WeightPtr = std::shared_ptr<CWeight>;

// Body: w0 the wall (whole body), w1 the footing / base (nullptr when none).
bool MakeKutaiBlk(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1);
bool MakeKutaiGrw(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1);
bool MakeKutaiMtw(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1);
// Mixed wall: part 0 the upper (block) wall, part 1 the lower wall; w1 nullptr.
bool MakeKutaiMxw(const CDocument& doc, const KutaiPoints& p, double L, int16_t part, WeightPtr& w0,
                  WeightPtr& w1);

// Front soil between L and the ground height H with unit weight gam.
bool MakeSoilBlk(const CDocument& doc, const KutaiPoints& p, double H, double L, double gam,
                 WeightPtr& w);
bool MakeSoil(const CDocument& doc, const KutaiPoints& p, double H, double L, double gam,
              WeightPtr& w);
bool MakeSoilMxw(const CDocument& doc, const KutaiPoints& p, double H, int16_t part, double L,
                 double gam, WeightPtr& w);

// Submerged part of the section below the water level hw (unit weight -Gamw).
bool MakeFuryokuBlk(const CDocument& doc, const KutaiPoints& p, double hw, double L, WeightPtr& w);
bool MakeFuryoku(const CDocument& doc, const KutaiPoints& p, double hw, double L, WeightPtr& w);
bool MakeFuryokuMxw(const CDocument& doc, const KutaiPoints& p, double hw, int16_t part, double L,
                    WeightPtr& w);

}  // namespace norva
