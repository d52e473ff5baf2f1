#include "drawing/section/section_checks.h"

#include <initializer_list>

#include "document/nulls.h"

namespace norva {

namespace {

bool AllPresent(std::initializer_list<double> values) {
  for (double v : values)
    if (IsNullValue(v)) return false;
  return true;
}

// KeisyaH for an inclined base without a key; the key's sizes with a key.
bool BaseInputsPresent(const CDocument& d) {
  bool ok = true;
  if (d.Tokki == 0 && d.nKeisya == 0) ok = ok && AllPresent({d.KeisyaH});
  if (d.Tokki == 1) ok = ok && AllPresent({d.TokX, d.TokB, d.TokL});
  return ok;
}

}  // namespace

bool CheckShapeBlk(const CDocument& d) {
  if (!AllPresent({d.WallH, d.BlkN, d.BlkT, d.BlkDeltT1, d.BlkDeltT2})) return false;
  if (d.nBlkSetup != 0 && d.nBlkSetup != 1) return false;
  if (d.nBlkFound != 0 && d.nBlkFound != 1) return false;
  if (d.nBlkFound != 0) return true;
  if (!AllPresent({d.BlkB1, d.BlkH1, d.BlkB})) return false;
  if (d.nBlkSetup == 0 && d.Sisin != 3 && !AllPresent({d.BlkH2})) return false;
  if (d.Tokki == 0 && d.nKeisya == 0 && !AllPresent({d.KeisyaH})) return false;
  return true;
}

bool CheckShapeGrw(const CDocument& d) {
  return AllPresent({d.WallH, d.GrwB, d.GrwB1, d.GrwB2, d.GrwB4, d.GrwH1}) && BaseInputsPresent(d);
}

bool CheckShapeMtw(const CDocument& d) {
  return AllPresent({d.MtwH1, d.MtwH2, d.MtwH3, d.MtwB1, d.MtwB2, d.MtwB3, d.MtwB4, d.MtwN1}) &&
         BaseInputsPresent(d);
}

bool CheckShapeMxw(const CDocument& d) {
  return AllPresent({d.MxwH1, d.MxwH2, d.MxwH3, d.BlkN, d.BlkT, d.BlkDeltT1, d.BlkDeltT2, d.GrwB,
                     d.GrwB1, d.GrwB2, d.GrwB3}) &&
         BaseInputsPresent(d);
}

bool CanDrawSection(const CDocument& d) {
  bool ok = false;
  switch (d.WallType()) {
    case 0:
      ok = CheckShapeBlk(d);
      break;
    case 1:
      ok = CheckShapeGrw(d);
      break;
    case 2:
      ok = CheckShapeMtw(d);
      break;
    case 3:
      ok = CheckShapeMxw(d);
      break;
    default:
      return false;
  }
  ok = ok && !IsNullValue(d.UraHd);
  if (d.UragomeType == 1) {
    ok = ok && !IsNullValue(d.UraN);
  } else if (d.UragomeType == 2) {
    ok = ok && AllPresent({d.UraX1, d.UraX2, d.UraH0});
  }
  return ok;
}

}  // namespace norva
