// Sweep of a case's results for NaN and infinity.
#include "calc/stability/finite_results.h"

#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "document/ant_res.h"
#include "document/kusabi_res.h"
#include "document/nulls.h"

namespace norva {

namespace {

// Remembers the first member replaced.
class Sweep {
 public:
  // Names of wedge members start with their record's.
  void SetPrefix(std::string prefix) { prefix_ = std::move(prefix); }
  void Value(const std::string& name, double& v) {
    if (std::isfinite(v)) return;
    v = kNullBox;
    if (first_.empty()) first_ = prefix_ + name;
  }
  // An indexed member read and written through its accessors.
  template <class Obj, class Get, class Set, class... Index>
  void Indexed(const char* name, Obj& o, Get get, Set set, Index... i) {
    double v = (o.*get)(i...);
    if (std::isfinite(v)) return;
    Value(Label(name, i...), v);
    (o.*set)(i..., v);
  }
  const std::string& First() const { return first_; }

 private:
  template <class... Index>
  static std::string Label(const char* name, Index... i) {
    std::string s = name;
    ((s += "(" + std::to_string(i) + ")"), ...);
    return s;
  }
  std::string prefix_;
  std::string first_;
};

#define NORVA_PLAIN(m) \
  { #m, &CAntRes::m }
const struct {
  const char* name;
  double CAntRes::*member;
} kPlain[] = {
    NORVA_PLAIN(Pa),
    NORVA_PLAIN(Pah),
    NORVA_PLAIN(Pav),
    NORVA_PLAIN(Pax),
    NORVA_PLAIN(Pay),
    NORVA_PLAIN(Ka),
    NORVA_PLAIN(D1),
    NORVA_PLAIN(Qd),
    NORVA_PLAIN(Qw),
    NORVA_PLAIN(Pwf),
    NORVA_PLAIN(Pwfy),
    NORVA_PLAIN(Pwb),
    NORVA_PLAIN(Pwby),
    NORVA_PLAIN(FuryokuV),
    NORVA_PLAIN(FuryokuH),
    NORVA_PLAIN(FuryokuXc),
    NORVA_PLAIN(FuryokuYc),
    NORVA_PLAIN(YouatsuV),
    NORVA_PLAIN(YouatsuV1),
    NORVA_PLAIN(YouatsuV2),
    NORVA_PLAIN(YouatsuXc),
    NORVA_PLAIN(HorzLoadSgmH),
    NORVA_PLAIN(HorzLoadSgmHY),
    NORVA_PLAIN(HorzLoadSgmV),
    NORVA_PLAIN(HorzLoadSgmVX),
    NORVA_PLAIN(NiniSgmV),
    NORVA_PLAIN(NiniSgmH),
    NORVA_PLAIN(NiniSgmVX),
    NORVA_PLAIN(NiniSgmHY),
    NORVA_PLAIN(SgmV),
    NORVA_PLAIN(SgmH),
    NORVA_PLAIN(SgmMr),
    NORVA_PLAIN(SgmMo),
    NORVA_PLAIN(SgmVX),
    NORVA_PLAIN(SgmHY),
    NORVA_PLAIN(Breadth),
    NORVA_PLAIN(Fm),
    NORVA_PLAIN(Fma),
    NORVA_PLAIN(Xh),
    NORVA_PLAIN(Xd),
    NORVA_PLAIN(Ha),
    NORVA_PLAIN(D),
    NORVA_PLAIN(E),
    NORVA_PLAIN(Ea),
    NORVA_PLAIN(Qmax),
    NORVA_PLAIN(Qmin),
    NORVA_PLAIN(Kv),
    NORVA_PLAIN(Ks),
    NORVA_PLAIN(Kt),
    NORVA_PLAIN(Bd),
    NORVA_PLAIN(Ld),
    NORVA_PLAIN(dx),
    NORVA_PLAIN(dy),
    NORVA_PLAIN(l1),
    NORVA_PLAIN(l2),
    NORVA_PLAIN(thet),
    NORVA_PLAIN(Qt),
    NORVA_PLAIN(Qv),
    NORVA_PLAIN(Qh),
    NORVA_PLAIN(qtu),
    NORVA_PLAIN(qtl),
    NORVA_PLAIN(Fs),
    NORVA_PLAIN(Fsa),
    NORVA_PLAIN(Hu),
    NORVA_PLAIN(Q1),
    NORVA_PLAIN(Q2),
    NORVA_PLAIN(Q3),
    NORVA_PLAIN(s1),
    NORVA_PLAIN(s2),
    NORVA_PLAIN(s3),
    NORVA_PLAIN(fB),
    NORVA_PLAIN(Fba),
    NORVA_PLAIN(Qu),
    NORVA_PLAIN(Qa),
    NORVA_PLAIN(Nc),
    NORVA_PLAIN(Nq),
    NORVA_PLAIN(Ng),
    NORVA_PLAIN(Sc),
    NORVA_PLAIN(Sq),
    NORVA_PLAIN(Sg),
    NORVA_PLAIN(Eta),
    NORVA_PLAIN(SijiOmg),
    NORVA_PLAIN(Alpha),
    NORVA_PLAIN(Beta),
    NORVA_PLAIN(Kappa),
    NORVA_PLAIN(Q),
};
#undef NORVA_PLAIN

#define NORVA_WEDGE(m) \
  { #m, &CKusabiRes::m }
const struct {
  const char* name;
  double CKusabiRes::*member;
} kWedgePlain[] = {
    NORVA_WEDGE(fKh),    NORVA_WEDGE(fWlvl),   NORVA_WEDGE(fAlpha),  NORVA_WEDGE(fFai),
    NORVA_WEDGE(fFaid),  NORVA_WEDGE(fDelta),  NORVA_WEDGE(fC),      NORVA_WEDGE(fCd),
    NORVA_WEDGE(fOmega), NORVA_WEDGE(fDist),   NORVA_WEDGE(fTheta),  NORVA_WEDGE(fZc),
    NORVA_WEDGE(fPa),    NORVA_WEDGE(fCrossX), NORVA_WEDGE(fCrossY), NORVA_WEDGE(fAlphaU),
    NORVA_WEDGE(fPaU),   NORVA_WEDGE(fChgOmg), NORVA_WEDGE(fMinOmg), NORVA_WEDGE(fMaxOmg),
};
#undef NORVA_WEDGE

void SweepWedge(CKusabiRes& w, Sweep& s) {
  for (const auto& f : kWedgePlain) s.Value(f.name, w.*f.member);
  for (int i = 0; i < w.Nq(); ++i) {
    s.Indexed("fQxs", w, &CKusabiRes::fQxs, &CKusabiRes::SetfQxs, i);
    s.Indexed("fQxe", w, &CKusabiRes::fQxe, &CKusabiRes::SetfQxe, i);
    s.Indexed("fQload", w, &CKusabiRes::fQload, &CKusabiRes::SetfQload, i);
  }
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) s.Indexed("fW", w, &CKusabiRes::fW, &CKusabiRes::SetfW, i, j);
    s.Indexed("fWQ", w, &CKusabiRes::fWQ, &CKusabiRes::SetfWQ, i);
    s.Indexed("fL", w, &CKusabiRes::fL, &CKusabiRes::SetfL, i);
  }
}

}  // namespace

std::string ClearNonFinite(CAntRes& r) {
  Sweep s;
  for (const auto& f : kPlain) s.Value(f.name, r.*f.member);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) s.Indexed("Ann", r, &CAntRes::Ann, &CAntRes::SetAnn, i, j);
  }
  for (int i = 0; i < 2; ++i) {
    s.Indexed("KutaiV", r, &CAntRes::KutaiV, &CAntRes::SetKutaiV, i);
    s.Indexed("KutaiH", r, &CAntRes::KutaiH, &CAntRes::SetKutaiH, i);
    s.Indexed("KutaiXc", r, &CAntRes::KutaiXc, &CAntRes::SetKutaiXc, i);
    s.Indexed("KutaiYc", r, &CAntRes::KutaiYc, &CAntRes::SetKutaiYc, i);
    s.Indexed("ZensaiV", r, &CAntRes::ZensaiV, &CAntRes::SetZensaiV, i);
    s.Indexed("ZensaiH", r, &CAntRes::ZensaiH, &CAntRes::SetZensaiH, i);
    s.Indexed("ZensaiXc", r, &CAntRes::ZensaiXc, &CAntRes::SetZensaiXc, i);
    s.Indexed("ZensaiYc", r, &CAntRes::ZensaiYc, &CAntRes::SetZensaiYc, i);
  }
  for (int i = 0; i < 3; ++i) {
    s.Indexed("HorzLoadH", r, &CAntRes::HorzLoadH, &CAntRes::SetHorzLoadH, i);
    s.Indexed("HorzLoadY", r, &CAntRes::HorzLoadY, &CAntRes::SetHorzLoadY, i);
    s.Indexed("HorzLoadV", r, &CAntRes::HorzLoadV, &CAntRes::SetHorzLoadV, i);
    s.Indexed("HorzLoadX", r, &CAntRes::HorzLoadX, &CAntRes::SetHorzLoadX, i);
  }
  for (int i = 0; i < r.NiniCnt(); ++i) {
    s.Indexed("NiniV", r, &CAntRes::NiniV, &CAntRes::SetNiniV, i);
    s.Indexed("NiniH", r, &CAntRes::NiniH, &CAntRes::SetNiniH, i);
    s.Indexed("NiniX", r, &CAntRes::NiniX, &CAntRes::SetNiniX, i);
    s.Indexed("NiniY", r, &CAntRes::NiniY, &CAntRes::SetNiniY, i);
  }
  for (int i = 0; i < CAntRes::kSForceItems; ++i) {
    s.Indexed("SForceV", r, &CAntRes::SForceV, &CAntRes::SetSForceV, i);
    s.Indexed("SForceH", r, &CAntRes::SForceH, &CAntRes::SetSForceH, i);
    s.Indexed("SForceMr", r, &CAntRes::SForceMr, &CAntRes::SetSForceMr, i);
    s.Indexed("SForceMo", r, &CAntRes::SForceMo, &CAntRes::SetSForceMo, i);
    s.Indexed("SForceX", r, &CAntRes::SForceX, &CAntRes::SetSForceX, i);
    s.Indexed("SForceY", r, &CAntRes::SForceY, &CAntRes::SetSForceY, i);
  }
  for (int k = 0; k < 2; ++k) {
    if (const std::shared_ptr<CKusabiRes> w = r.Kusabi(k)) {
      s.SetPrefix("Kusabi(" + std::to_string(k) + ").");
      SweepWedge(*w, s);
    }
  }
  return s.First();
}

}  // namespace norva
