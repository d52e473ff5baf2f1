#pragma once
// Results of the member-stress checks: the wall stem at one check section,
// the toe slab and the shear key, each for one load case.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace norva {

class CWeight;  // polygon weight, document/weight.h

class CWallRes {
 public:
  static constexpr int kAForceItems = 21;  // section-force table rows 0..20

  // Item labels of the section-force table; all else 0 or empty.
  CWallRes();

  double NiniSgmV = 0;
  double NiniSgmH = 0;
  double NiniSgmVX = 0;
  double NiniSgmHY = 0;

  // Resizes the six load arrays keeping surviving entries; new entries get an
  // empty name, type -1, zero values; below 1 empties them.
  int16_t NiniCnt() const { return niniCnt_; }
  void SetNiniCnt(int16_t n);
  // 0..NiniCnt-1; throw std::out_of_range otherwise.
  std::string NiniNam(int i) const;
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

  // 0..20; throw std::out_of_range otherwise.
  double AForceN(int i) const;
  void SetAForceN(int i, double v);
  double AForceS(int i) const;
  void SetAForceS(int i, double v);
  double AForceM(int i) const;
  void SetAForceM(int i, double v);
  double AForceX(int i) const;
  void SetAForceX(int i, double v);
  double AForceY(int i) const;
  void SetAForceY(int i, double v);
  int16_t nAForce(int i) const;
  void SetnAForce(int i, int16_t v);
  std::string sAForce(int i) const;  // get only

  double lz = 0;
  double Qtz = 0;
  double Alpz = 0;
  double ForceN = 0;
  double ForceS = 0;
  double ForceM = 0;

  // i 0 or 1 only: any other index reads 0 and writes nothing.
  double Height(int i) const;
  void SetHeight(int i, double v);
  double Sgmc(int i) const;
  void SetSgmc(int i, double v);

  double Sgmca = 0;
  double Sgmta = 0;
  double Tauc = 0;
  double Taua = 0;

 private:
  int16_t niniCnt_ = 0;
  std::vector<std::string> niniNam_;
  std::vector<int16_t> niniType_;
  std::vector<double> niniV_, niniH_, niniX_, niniY_;
  std::array<double, kAForceItems> afN_{}, afS_{}, afM_{}, afX_{}, afY_{};
  std::array<int16_t, kAForceItems> nAforce_{};
  std::array<std::string, kAForceItems> sAforce_;
  std::array<double, 2> height_{};
  std::array<double, 2> sgmc_{};
};

class CFotRes {
 public:
  double SecX = 0;
  std::shared_ptr<CWeight> FotW;  // set by reference
  double FotwX = 0;
  std::shared_ptr<CWeight> Furyoku;
  double FuryokuX = 0;

  // i 0 or 1 only: any other index reads an empty reference and writes nothing.
  std::shared_ptr<CWeight> SoilW(int i) const;
  void SetSoilW(int i, std::shared_ptr<CWeight> v);
  // 0..1; throws std::out_of_range otherwise.
  double SoilwX(int i) const;
  void SetSoilwX(int i, double v);

  double Youatsu1 = 0;
  double Youatsu2 = 0;
  double Youatsu = 0;
  double YouatsuX = 0;
  double FotQ1 = 0;
  double FotQ2 = 0;
  double FotQ = 0;
  double FotQX = 0;

  // n > 0 resizes the three load arrays keeping their values (new entries 0);
  // n <= 0 empties them.
  int16_t nNini() const { return nNini_; }
  void SetnNini(int16_t n);
  // 0..nNini-1 only: other indexes read 0 and write nothing.
  int16_t NiniNo(int i) const;
  void SetNiniNo(int i, int16_t v);
  double NiniLoad(int i) const;
  void SetNiniLoad(int i, double v);
  double NiniX(int i) const;
  void SetNiniX(int i, double v);

  double Height = 0;
  // i 0 or 1 only: any other index reads 0 and writes nothing.
  double Sgmc(int i) const;
  void SetSgmc(int i, double v);
  double Sgmca = 0;
  double Sgmta = 0;
  double Tauc = 0;
  double Taua = 0;
  double ForceS = 0;
  double ForceM = 0;

 private:
  std::array<std::shared_ptr<CWeight>, 2> soilW_;
  std::array<double, 2> soilwX_{};
  int16_t nNini_ = 0;
  std::vector<int16_t> niniNo_;
  std::vector<double> niniLoad_;
  std::vector<double> niniX_;
  std::array<double, 2> sgmc_{};
};

class CTokRes {
 public:
  double Ht = 0;
  double ForceS = 0;
  double ForceM = 0;
  double D = 0;
  double fAsX = 0;
  double fAs = 0;
  double fX = 0;
  double Sgmc = 0;  // kNullBox when no steel is in use
  double Sgms = 0;
  double Tauc = 0;
  double Sgmca = 0;
  double Sgmsa = 0;
  double Taua = 0;
};

}  // namespace norva
