#include <algorithm>

#include "document/nulls.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_drawing.h"

namespace norva {

namespace {

// A level of the state that counts: present and above 0, else 0.
double LevelOrZero(double v) { return (!IsNullValue(v) && v > 0) ? v : 0.0; }

}  // namespace

SectionPlan PlanSection(const CDocument& d, const KutaiPoints& outline, int16_t state,
                        bool colour) {
  SectionPlan plan;
  const int type = d.WallType();
  plan.extent = GetKutaiExtent(d, outline);
  const bool hasState = state >= 0;
  if (hasState && d.nWater != 0) {
    plan.wf = LevelOrZero(d.WatFH(state));
    plan.wb = LevelOrZero(d.WatBH(state));
  }
  const double sf = hasState ? d.SoilFH(state) : kNullBox;
  const bool frontSoil = hasState && !IsNullValue(sf) && sf > 0;
  double dry = 0, wet = 0;
  if (frontSoil) {
    if (plan.wf > 0 && plan.wf < sf) {
      dry = sf - plan.wf;
      wet = plan.wf;
    } else if (plan.wf > 0) {
      wet = sf;
    } else {
      dry = sf;
    }
    plan.strip = 1.0;
  } else if (type == 0 && plan.wf > 0) {
    plan.strip = 0.5;
  }

  if (hasState) {
    plan.backGround = GetUragomeExtent(d, plan.backW, plan.backH);
    plan.backW = std::max(2.0, plan.backW);
  }
  if (!plan.backGround) plan.backW = plan.backH = 0;

  plan.rows = type == 0 ? SunpRows{4, 1, 3, 2} : SunpRows{4, 2, 3, 2};
  plan.world = {plan.extent.XMax + plan.strip + plan.backW, std::max(plan.extent.YMax, plan.backH)};
  plan.lastMoved = type == 1 ? 6 : type == 2 ? 9 : 10;
  plan.xR = plan.extent.XMax + plan.strip + plan.backW;

  if (frontSoil) {
    if (dry > 0) plan.bands.push_back({wet + dry, wet, kSoilColour, false, colour});
    if (dry > 0 && wet > 0 && colour) {
      plan.bands.push_back({wet, 0, kWetSoilColour, true, true});
    } else if (dry <= 0 && wet > 0) {
      plan.bands.push_back({wet, 0, kSoilColour, false, colour});
    }
  }
  if (hasState && plan.wf > 0) {
    // Water over blank or no front soil stands on the base.
    const double bottom = (!IsNullValue(sf) && sf > 0) ? sf : 0.0;
    if (plan.wf > bottom) plan.bands.push_back({plan.wf, bottom, kWaterColour, true, colour});
  }
  return plan;
}

std::vector<std::vector<DPoint>> WallPolygons(const CDocument& d, const KutaiPoints& p) {
  std::vector<std::vector<DPoint>> polys;
  const bool backing = d.BlkDeltT1 > 0 || d.BlkDeltT2 > 0;
  switch (d.WallType()) {
    case 0:
      if (d.nBlkFound == 0) polys.push_back(OutlinePoints(p, {0, 1, 2, 10, 4}));
      polys.push_back(OutlinePoints(p, {2, 5, 6, 7}));
      if (backing) polys.push_back(OutlinePoints(p, {7, 6, 8, 3}));
      if (d.nBlkSetup == 0) polys.push_back(OutlinePoints(p, {5, 9, 8}));
      break;
    case 1:
    case 2:
      polys.push_back(OutlinePoints(p, {0, 1, 2, 5, 6, 3, 4}));
      AppendKeyPoints(d, p, polys.back());
      break;
    case 3:
      polys.push_back(OutlinePoints(p, {0, 1, 2, 3, 4}));
      AppendKeyPoints(d, p, polys.back());
      polys.push_back(OutlinePoints(p, {2, 5, 6, 7}));
      if (backing) polys.push_back(OutlinePoints(p, {7, 6, 8, 10}));
      polys.push_back(OutlinePoints(p, {5, 9, 8}));
      break;
    default:
      break;
  }
  return polys;
}

}  // namespace norva
