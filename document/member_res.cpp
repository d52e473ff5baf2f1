#include "document/member_res.h"

#include "document/subscript.h"

#include <stdexcept>
#include <string>

namespace norva {

namespace {


// Labels of the section-force table (the rest stay empty).
const char* const kAForceLabels[] = {
    "く体自重", "基礎自重", "浮　力",   "前面土",         "前面土(浮力)",
    "土　圧",   "前面水圧", "背面水圧", "揚圧力",         "壁面地盤反力",
    "自動車衝突荷重", "落石衝突荷重", "風荷重", "任意荷重", "上部擁壁",
};

}  // namespace

// ---- CWallRes ---------------------------------------------------------------

CWallRes::CWallRes() {
  for (int i = 0; i < 15; ++i) s_aforce_[static_cast<size_t>(i)] = kAForceLabels[i];
}

void CWallRes::SetNiniCnt(int16_t n) {
  nini_cnt_ = n;
  ResizeKeep(nini_nam_, n, std::string());
  ResizeKeep(nini_type_, n, int16_t{-1});
  ResizeKeep(nini_v_, n, 0.0);
  ResizeKeep(nini_h_, n, 0.0);
  ResizeKeep(nini_x_, n, 0.0);
  ResizeKeep(nini_y_, n, 0.0);
}

#define NORVA_THROWING(Class, Name, member, Type)                              \
  Type Class::Name(int i) const { return At(member, i, #Name); }               \
  void Class::Set##Name(int i, Type v) { At(member, i, #Name) = v; }

NORVA_THROWING(CWallRes, NiniType, nini_type_, int16_t)
NORVA_THROWING(CWallRes, NiniV, nini_v_, double)
NORVA_THROWING(CWallRes, NiniH, nini_h_, double)
NORVA_THROWING(CWallRes, NiniX, nini_x_, double)
NORVA_THROWING(CWallRes, NiniY, nini_y_, double)
NORVA_THROWING(CWallRes, AForceN, af_n_, double)
NORVA_THROWING(CWallRes, AForceS, af_s_, double)
NORVA_THROWING(CWallRes, AForceM, af_m_, double)
NORVA_THROWING(CWallRes, AForceX, af_x_, double)
NORVA_THROWING(CWallRes, AForceY, af_y_, double)
NORVA_THROWING(CWallRes, nAForce, n_aforce_, int16_t)
NORVA_THROWING(CFotRes, SoilwX, soilw_x_, double)
#undef NORVA_THROWING

std::string CWallRes::NiniNam(int i) const { return At(nini_nam_, i, "NiniNam"); }
void CWallRes::SetNiniNam(int i, const std::string& v) { At(nini_nam_, i, "NiniNam") = v; }
std::string CWallRes::sAForce(int i) const { return At(s_aforce_, i, "sAForce"); }

#define NORVA_GUARDED(Class, Name, member, Type)                               \
  Type Class::Name(int i) const { return GuardedGet(member, i); }              \
  void Class::Set##Name(int i, Type v) { GuardedSet(member, i, v); }

NORVA_GUARDED(CWallRes, Height, height_, double)
NORVA_GUARDED(CWallRes, Sgmc, sgmc_, double)
NORVA_GUARDED(CFotRes, Sgmc, sgmc_, double)
NORVA_GUARDED(CFotRes, NiniNo, nini_no_, int16_t)
NORVA_GUARDED(CFotRes, NiniLoad, nini_load_, double)
NORVA_GUARDED(CFotRes, NiniX, nini_x_, double)
#undef NORVA_GUARDED

// ---- CFotRes ----------------------------------------------------------------

std::shared_ptr<CWeight> CFotRes::SoilW(int i) const { return GuardedGet(soil_w_, i); }
void CFotRes::SetSoilW(int i, std::shared_ptr<CWeight> v) { GuardedSet(soil_w_, i, std::move(v)); }

void CFotRes::SetnNini(int16_t n) {
  n_nini_ = n;
  ResizeKeep(nini_no_, n, int16_t{0});
  ResizeKeep(nini_load_, n, 0.0);
  ResizeKeep(nini_x_, n, 0.0);
}

}  // namespace norva
