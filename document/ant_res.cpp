#include "document/ant_res.h"

#include "document/numeric.h"
#include "document/subscript.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace norva {

namespace {

// Labels of the line-of-thrust force table (the rest stay empty).
const char* const kSForceLabels[] = {
    "く体自重", "浮　力", "前面土", "前面土(浮力)", "土　圧",
    "前面水圧", "背面水圧", "揚圧力", "水平荷重", "その他の荷重",
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
  for (int i = 0; i < 10; ++i) s_sforce_[static_cast<size_t>(i)] = kSForceLabels[i];
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
void CAntRes::SetKusabi(int i, std::shared_ptr<CKusabiRes> v) { At(kusabi_, i, "Kusabi") = std::move(v); }

#define NORVA_FIXED(Name, member, Type)                                          \
  Type CAntRes::Name(int i) const { return At(member, i, #Name); }               \
  void CAntRes::Set##Name(int i, Type v) { At(member, i, #Name) = v; }

NORVA_FIXED(KutaiV, kutai_v_, double)
NORVA_FIXED(KutaiH, kutai_h_, double)
NORVA_FIXED(KutaiXc, kutai_xc_, double)
NORVA_FIXED(KutaiYc, kutai_yc_, double)
NORVA_FIXED(ZensaiV, zensai_v_, double)
NORVA_FIXED(ZensaiH, zensai_h_, double)
NORVA_FIXED(ZensaiXc, zensai_xc_, double)
NORVA_FIXED(ZensaiYc, zensai_yc_, double)
NORVA_FIXED(HorzLoadH, horz_h_, double)
NORVA_FIXED(HorzLoadY, horz_y_, double)
NORVA_FIXED(HorzLoadV, horz_v_, double)
NORVA_FIXED(HorzLoadX, horz_x_, double)
NORVA_FIXED(NiniType, nini_type_, int16_t)
NORVA_FIXED(NiniV, nini_v_, double)
NORVA_FIXED(NiniH, nini_h_, double)
NORVA_FIXED(NiniX, nini_x_, double)
NORVA_FIXED(NiniY, nini_y_, double)
NORVA_FIXED(SForceV, sf_v_, double)
NORVA_FIXED(SForceH, sf_h_, double)
NORVA_FIXED(SForceMr, sf_mr_, double)
NORVA_FIXED(SForceMo, sf_mo_, double)
NORVA_FIXED(SForceX, sf_x_, double)
NORVA_FIXED(SForceY, sf_y_, double)
NORVA_FIXED(nSForce, n_sforce_, int16_t)
#undef NORVA_FIXED

std::string CAntRes::HorzLoadNam(int i) const { return At(horz_nam_, i, "HorzLoadNam"); }
void CAntRes::SetHorzLoadNam(int i, const std::string& v) { At(horz_nam_, i, "HorzLoadNam") = v; }
std::string CAntRes::NiniNam(int i) const { return At(nini_nam_, i, "NiniNam"); }
void CAntRes::SetNiniNam(int i, const std::string& v) { At(nini_nam_, i, "NiniNam") = v; }
std::string CAntRes::sSForce(int i) const { return At(s_sforce_, i, "sSForce"); }

void CAntRes::SetNiniCnt(int16_t n) {
  nini_cnt_ = n;
  ResizeKeep(nini_nam_, n, std::string());
  ResizeKeep(nini_type_, n, int16_t{-1});
  ResizeKeep(nini_v_, n, 0.0);
  ResizeKeep(nini_h_, n, 0.0);
  ResizeKeep(nini_x_, n, 0.0);
  ResizeKeep(nini_y_, n, 0.0);
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
