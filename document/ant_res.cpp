#include "document/ant_res.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "document/numeric.h"
#include "document/subscript.h"

namespace norva {

namespace {

// Labels of the line-of-thrust force table (the rest stay empty).
const char* const kSForceLabels[] = {
    "く体自重", "浮　力",   "前面土", "前面土(浮力)", "土　圧",
    "前面水圧", "背面水圧", "揚圧力", "水平荷重",     "その他の荷重",
};

void CheckAnnIndex(int row, int col) {
  if (row < 0 || row > 2) ThrowSubscript("Ann", row);
  if (col < 0 || col > 2) ThrowSubscript("Ann", col);
}

// Water-level lists: a negative index throws like any subscript; one at or
// past Count reads 0 and writes nothing.
bool InList(const std::vector<double>& v, int32_t i, const char* what) {
  if (i < 0) ThrowSubscript(what, i);
  return ValidIndex(v, i);
}

}  // namespace

CAntRes::CAntRes() {
  kusabi_[0] = std::make_shared<CKusabiRes>();
  kusabi_[1] = std::make_shared<CKusabiRes>();
  for (int i = 0; i < 10; ++i) sSforce_[static_cast<size_t>(i)] = kSForceLabels[i];
}

double CAntRes::Ann(int row, int col) const {
  CheckAnnIndex(row, col);
  return ann_[row][col];
}
void CAntRes::SetAnn(int row, int col, double v) {
  CheckAnnIndex(row, col);
  ann_[row][col] = v;
}

std::shared_ptr<CKusabiRes> CAntRes::Kusabi(int i) const { return At(kusabi_, i, "Kusabi"); }
void CAntRes::SetKusabi(int i, std::shared_ptr<CKusabiRes> v) {
  At(kusabi_, i, "Kusabi") = std::move(v);
}

#define NORVA_FIXED(Name, member, Type)                            \
  Type CAntRes::Name(int i) const { return At(member, i, #Name); } \
  void CAntRes::Set##Name(int i, Type v) { At(member, i, #Name) = v; }

NORVA_FIXED(KutaiV, kutaiV_, double)
NORVA_FIXED(KutaiH, kutaiH_, double)
NORVA_FIXED(KutaiXc, kutaiXc_, double)
NORVA_FIXED(KutaiYc, kutaiYc_, double)
NORVA_FIXED(ZensaiV, zensaiV_, double)
NORVA_FIXED(ZensaiH, zensaiH_, double)
NORVA_FIXED(ZensaiXc, zensaiXc_, double)
NORVA_FIXED(ZensaiYc, zensaiYc_, double)
NORVA_FIXED(HorzLoadH, horzH_, double)
NORVA_FIXED(HorzLoadY, horzY_, double)
NORVA_FIXED(HorzLoadV, horzV_, double)
NORVA_FIXED(HorzLoadX, horzX_, double)
NORVA_FIXED(NiniType, niniType_, int16_t)
NORVA_FIXED(NiniV, niniV_, double)
NORVA_FIXED(NiniH, niniH_, double)
NORVA_FIXED(NiniX, niniX_, double)
NORVA_FIXED(NiniY, niniY_, double)
NORVA_FIXED(SForceV, sfV_, double)
NORVA_FIXED(SForceH, sfH_, double)
NORVA_FIXED(SForceMr, sfMr_, double)
NORVA_FIXED(SForceMo, sfMo_, double)
NORVA_FIXED(SForceX, sfX_, double)
NORVA_FIXED(SForceY, sfY_, double)
NORVA_FIXED(nSForce, nSforce_, int16_t)
#undef NORVA_FIXED

std::string CAntRes::HorzLoadNam(int i) const { return At(horzNam_, i, "HorzLoadNam"); }
void CAntRes::SetHorzLoadNam(int i, const std::string& v) { At(horzNam_, i, "HorzLoadNam") = v; }
std::string CAntRes::NiniNam(int i) const { return At(niniNam_, i, "NiniNam"); }
void CAntRes::SetNiniNam(int i, const std::string& v) { At(niniNam_, i, "NiniNam") = v; }
std::string CAntRes::sSForce(int i) const { return At(sSforce_, i, "sSForce"); }

void CAntRes::SetNiniCnt(int16_t n) {
  niniCnt_ = n;
  ResizeKeep(niniNam_, n, std::string());
  ResizeKeep(niniType_, n, int16_t{-1});
  ResizeKeep(niniV_, n, 0.0);
  ResizeKeep(niniH_, n, 0.0);
  ResizeKeep(niniX_, n, 0.0);
  ResizeKeep(niniY_, n, 0.0);
}

double CAntRes::tanTH() const {
  if (SgmV == 0) throw std::domain_error("tanTH: division by zero (SgmV = 0)");
  return std::fabs(SgmH) / SgmV;
}

double CAntRes::Theata() const {
  if (SgmV == 0) throw std::domain_error("Theata: division by zero (SgmV = 0)");
  return RadToDeg(std::atan(std::fabs(SgmH) / SgmV));
}

void CWlvlCalc::SetCount(int32_t n) {
  count_ = n;
  ResizeKeep(wlvl_, n, 0.0);
  ResizeKeep(fs_, n, 0.0);
}

double CWlvlCalc::Wlvl(int32_t i) const {
  return InList(wlvl_, i, "Wlvl") ? wlvl_[static_cast<size_t>(i)] : 0.0;
}
void CWlvlCalc::SetWlvl(int32_t i, double v) {
  if (InList(wlvl_, i, "Wlvl")) wlvl_[static_cast<size_t>(i)] = v;
}
double CWlvlCalc::Fs(int32_t i) const {
  return InList(fs_, i, "Fs") ? fs_[static_cast<size_t>(i)] : 0.0;
}
void CWlvlCalc::SetFs(int32_t i, double v) {
  if (InList(fs_, i, "Fs")) fs_[static_cast<size_t>(i)] = v;
}

}  // namespace norva
