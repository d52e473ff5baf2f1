#pragma once
// Result of the stability calculation for one wall part and load case, and
// the points of the critical water-level search of one case.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/kusabi_res.h"

namespace norva {

class CAntRes {
 public:
  static constexpr int kSForceItems = 21;  // line-of-thrust table rows 0..20

  // Two distinct empty wedges, the line-of-thrust labels, all else 0.
  CAntRes();

  // Public result fields (kN/m, kN*m/m, m, kN/m^2; see each routine).
  double Pa = 0;
  double Pah = 0;
  double Pav = 0;
  double Pax = 0;
  double Pay = 0;
  double Ka = 0;
  double D1 = 0;
  double Qd = 0;
  double Qw = 0;
  double Pwf = 0;
  double Pwfy = 0;
  double Pwb = 0;
  double Pwby = 0;
  double FuryokuV = 0;
  double FuryokuH = 0;
  double FuryokuXc = 0;
  double FuryokuYc = 0;
  double YouatsuV = 0;
  double YouatsuV1 = 0;
  double YouatsuV2 = 0;
  double YouatsuXc = 0;
  double HorzLoadSgmH = 0;
  double HorzLoadSgmHY = 0;
  double HorzLoadSgmV = 0;
  double HorzLoadSgmVX = 0;
  double NiniSgmV = 0;
  double NiniSgmH = 0;
  double NiniSgmVX = 0;
  double NiniSgmHY = 0;
  double SgmV = 0;
  double SgmH = 0;
  double SgmMr = 0;
  double SgmMo = 0;
  double SgmVX = 0;
  double SgmHY = 0;
  double Breadth = 0;
  double Fm = 0;
  double Fma = 0;
  double Xh = 0;
  double Xd = 0;
  double Ha = 0;
  double D = 0;
  double E = 0;
  double Ea = 0;
  double Qmax = 0;
  double Qmin = 0;
  double Kv = 0;
  double Ks = 0;
  double Kt = 0;
  double Bd = 0;
  double Ld = 0;
  double dx = 0;
  double dy = 0;
  double l1 = 0;
  double l2 = 0;
  double thet = 0;
  double Qt = 0;
  double Qv = 0;
  double Qh = 0;
  double qtu = 0;
  double qtl = 0;
  double Fs = 0;
  double Fsa = 0;
  double Hu = 0;
  double Q1 = 0;
  double Q2 = 0;
  double Q3 = 0;
  double s1 = 0;
  double s2 = 0;
  double s3 = 0;
  double fB = 0;
  double Fba = 0;
  double Qu = 0;
  double Qa = 0;
  double Nc = 0;
  double Nq = 0;
  double Ng = 0;
  double Sc = 0;
  double Sq = 0;
  double Sg = 0;
  double Eta = 0;
  double SijiOmg = 0;
  double Alpha = 0;
  double Beta = 0;
  double Kappa = 0;
  double Q = 0;

  // Indexed members below throw std::out_of_range outside their range.
  double Ann(int row, int col) const;  // 0..2, 0..2
  void SetAnn(int row, int col, double v);
  // Shared: whoever assigned the wedge keeps the same object.
  std::shared_ptr<CKusabiRes> Kusabi(int i) const;  // 0..1
  void SetKusabi(int i, std::shared_ptr<CKusabiRes> v);

  double KutaiV(int i) const;  // 0..1
  void SetKutaiV(int i, double v);
  double KutaiH(int i) const;
  void SetKutaiH(int i, double v);
  double KutaiXc(int i) const;
  void SetKutaiXc(int i, double v);
  double KutaiYc(int i) const;
  void SetKutaiYc(int i, double v);
  double ZensaiV(int i) const;  // 0..1
  void SetZensaiV(int i, double v);
  double ZensaiH(int i) const;
  void SetZensaiH(int i, double v);
  double ZensaiXc(int i) const;
  void SetZensaiXc(int i, double v);
  double ZensaiYc(int i) const;
  void SetZensaiYc(int i, double v);

  std::string HorzLoadNam(int i) const;  // 0..2
  void SetHorzLoadNam(int i, const std::string& v);
  double HorzLoadH(int i) const;
  void SetHorzLoadH(int i, double v);
  double HorzLoadY(int i) const;
  void SetHorzLoadY(int i, double v);
  double HorzLoadV(int i) const;
  void SetHorzLoadV(int i, double v);
  double HorzLoadX(int i) const;
  void SetHorzLoadX(int i, double v);

  // Setting resizes the six load arrays keeping surviving entries; new
  // entries get an empty name, type -1, zero values; below 1 empties them.
  int16_t NiniCnt() const { return niniCnt_; }
  void SetNiniCnt(int16_t n);
  std::string NiniNam(int i) const;  // 0..NiniCnt-1
  void SetNiniNam(int i, const std::string& v);
  int16_t NiniType(int i) const;
  void SetNiniType(int i, int16_t v);
  double NiniV(int i) const;
  void SetNiniV(int i, double v);
  double NiniH(int i) const;
  void SetNiniH(int i, double v);
  double NiniX(int i) const;
  void SetNiniX(int i, double v);
  double NiniY(int i) const;
  void SetNiniY(int i, double v);

  double SForceV(int i) const;  // 0..20
  void SetSForceV(int i, double v);
  double SForceH(int i) const;
  void SetSForceH(int i, double v);
  double SForceMr(int i) const;
  void SetSForceMr(int i, double v);
  double SForceMo(int i) const;
  void SetSForceMo(int i, double v);
  double SForceX(int i) const;
  void SetSForceX(int i, double v);
  double SForceY(int i) const;
  void SetSForceY(int i, double v);
  int16_t nSForce(int i) const;
  void SetnSForce(int i, int16_t v);
  std::string sSForce(int i) const;  // get only

  // |SgmH| / SgmV; throws std::domain_error when SgmV is 0.
  double tanTH() const;
  // Load inclination in degrees; throws std::domain_error when SgmV is 0.
  double Theata() const;
  double Kl(double x) const { return x + 0.2; }
  double Kd() const { return 0.56; }

 private:
  double ann_[3][3]{};
  std::array<std::shared_ptr<CKusabiRes>, 2> kusabi_;
  std::array<double, 2> kutaiV_{}, kutaiH_{}, kutaiXc_{}, kutaiYc_{};
  std::array<double, 2> zensaiV_{}, zensaiH_{}, zensaiXc_{}, zensaiYc_{};
  std::array<std::string, 3> horzNam_;
  std::array<double, 3> horzH_{}, horzY_{}, horzV_{}, horzX_{};
  int16_t niniCnt_ = 0;
  std::vector<std::string> niniNam_;
  std::vector<int16_t> niniType_;
  std::vector<double> niniV_, niniH_, niniX_, niniY_;
  std::array<double, kSForceItems> sfV_{}, sfH_{}, sfMr_{}, sfMo_{}, sfX_{}, sfY_{};
  std::array<int16_t, kSForceItems> nSforce_{};
  std::array<std::string, kSForceItems> sSforce_;
};

class CWlvlCalc {
 public:
  int32_t CaseNo = 0;
  int16_t bQuake = 0;  // -1 when the case is seismic

  // Setting resizes both lists keeping their points (new points 0); below 1
  // empties them.
  int32_t Count() const { return count_; }
  void SetCount(int32_t n);

  // An index at or above Count reads 0 and writes nothing; a negative one
  // throws std::out_of_range.
  double Wlvl(int32_t i) const;
  void SetWlvl(int32_t i, double v);
  double Fs(int32_t i) const;
  void SetFs(int32_t i, double v);

 private:
  int32_t count_ = 0;
  std::vector<double> wlvl_;
  std::vector<double> fs_;
};

}  // namespace norva
