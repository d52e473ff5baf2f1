#include "document/member_res.h"

#include <stdexcept>
#include <string>

#include "document/subscript.h"

namespace norva {

namespace {

// Labels of the section-force table (the rest stay empty).
const char* const kAForceLabels[] = {
    "く体自重",       "基礎自重",     "浮　力",   "前面土",   "前面土(浮力)",
    "土　圧",         "前面水圧",     "背面水圧", "揚圧力",   "壁面地盤反力",
    "自動車衝突荷重", "落石衝突荷重", "風荷重",   "任意荷重", "上部擁壁",
};

}  // namespace

// ---- CWallRes ---------------------------------------------------------------

CWallRes::CWallRes() {
  for (int i = 0; i < 15; ++i) sAforce_[static_cast<size_t>(i)] = kAForceLabels[i];
}

void CWallRes::SetNiniCnt(int16_t n) {
  niniCnt_ = n;
  ResizeKeep(niniNam_, n, std::string());
  ResizeKeep(niniType_, n, int16_t{-1});
  ResizeKeep(niniV_, n, 0.0);
  ResizeKeep(niniH_, n, 0.0);
  ResizeKeep(niniX_, n, 0.0);
  ResizeKeep(niniY_, n, 0.0);
}

#define NORVA_THROWING(Class, Name, member, Type)                \
  Type Class::Name(int i) const { return At(member, i, #Name); } \
  void Class::Set##Name(int i, Type v) { At(member, i, #Name) = v; }

NORVA_THROWING(CWallRes, NiniType, niniType_, int16_t)
NORVA_THROWING(CWallRes, NiniV, niniV_, double)
NORVA_THROWING(CWallRes, NiniH, niniH_, double)
NORVA_THROWING(CWallRes, NiniX, niniX_, double)
NORVA_THROWING(CWallRes, NiniY, niniY_, double)
NORVA_THROWING(CWallRes, AForceN, afN_, double)
NORVA_THROWING(CWallRes, AForceS, afS_, double)
NORVA_THROWING(CWallRes, AForceM, afM_, double)
NORVA_THROWING(CWallRes, AForceX, afX_, double)
NORVA_THROWING(CWallRes, AForceY, afY_, double)
NORVA_THROWING(CWallRes, nAForce, nAforce_, int16_t)
NORVA_THROWING(CFotRes, SoilwX, soilwX_, double)
#undef NORVA_THROWING

std::string CWallRes::NiniNam(int i) const { return At(niniNam_, i, "NiniNam"); }
void CWallRes::SetNiniNam(int i, const std::string& v) { At(niniNam_, i, "NiniNam") = v; }
std::string CWallRes::sAForce(int i) const { return At(sAforce_, i, "sAForce"); }

#define NORVA_GUARDED(Class, Name, member, Type)                  \
  Type Class::Name(int i) const { return GuardedGet(member, i); } \
  void Class::Set##Name(int i, Type v) { GuardedSet(member, i, v); }

NORVA_GUARDED(CWallRes, Height, height_, double)
NORVA_GUARDED(CWallRes, Sgmc, sgmc_, double)
NORVA_GUARDED(CFotRes, Sgmc, sgmc_, double)
NORVA_GUARDED(CFotRes, NiniNo, niniNo_, int16_t)
NORVA_GUARDED(CFotRes, NiniLoad, niniLoad_, double)
NORVA_GUARDED(CFotRes, NiniX, niniX_, double)
#undef NORVA_GUARDED

// ---- CFotRes ----------------------------------------------------------------

std::shared_ptr<CWeight> CFotRes::SoilW(int i) const { return GuardedGet(soilW_, i); }
void CFotRes::SetSoilW(int i, std::shared_ptr<CWeight> v) { GuardedSet(soilW_, i, std::move(v)); }

void CFotRes::SetnNini(int16_t n) {
  nNini_ = n;
  ResizeKeep(niniNo_, n, int16_t{0});
  ResizeKeep(niniLoad_, n, 0.0);
  ResizeKeep(niniX_, n, 0.0);
}

}  // namespace norva
