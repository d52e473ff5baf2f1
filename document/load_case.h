#pragma once
// Arbitrary loads and load cases of a design document.
#include <cstdint>
#include <string>
#include <vector>

#include "document/nulls.h"

namespace norva {

class VbTextReader;
class VbTextWriter;

// One arbitrary (user-defined) point or distributed load.
class CNini {
 public:
  std::string LoadName;
  // 0 vertical point, 1 horizontal point, 2 vertical distributed,
  // 3 horizontal distributed, -1 no kind chosen yet.
  int16_t nType = -1;
  int16_t nTarget = 0;  // bits: 1 stability, 2 wall stem, 4 toe slab
  double X1 = kNullBox;
  double X2 = kNullBox;
  double Y1 = kNullBox;
  double Y2 = kNullBox;
  double P1 = kNullBox;
  double P2 = kNullBox;

  void Copy(const CNini& source);

  // Three lines: the name; nType, nTarget; X1, X2, Y1, Y2, P1, P2.
  // True on success. A null stream gives False without touching anything; on
  // an error the members read (or lines written) so far stay as they are.
  bool DataRead(VbTextReader* in);
  bool DataWrite(VbTextWriter* out);
};

// One load case: which loads act, seismic or not, the required factors.
class CKajyuCase {
 public:
  std::string CaseName;
  int16_t nQuake = 0;
  int16_t nWater = 0;
  int16_t nSoilF = 0;
  int16_t nAutoMobil = 0;
  int16_t nGunsyu = 0;
  int16_t nSnow = 0;
  int16_t nTakuchi = 0;
  int16_t nAutoCrash = 0;
  int16_t nStoneCrash = 0;
  int16_t nWind = 0;
  int32_t Doat = 0;  // 0 normal, 1 seismic earth pressure
  double Ea = 0;
  double FsTentou = 0;
  double FsKatsudou = 0;
  double QuPremium = 0;  // not kept in the document file
  double QaPremium = 0;
  double AllowPremium = 0;

  // One switch per arbitrary load of the document. Growing keeps the switches
  // below the old count and zeroes the new ones; a count below 1 leaves the
  // array as it is but unreachable.
  int16_t nNiniCount() const { return nNiniCount_; }
  void SetnNiniCount(int16_t n);
  // 1 when load i acts in this case. Indexes outside 0..count-1 read 0 and
  // ignore writes.
  int16_t nNini(int i) const;
  void SetnNini(int i, int16_t v);

  // Everything including QuPremium (which the file record leaves out).
  void Copy(const CKajyuCase& source);

  // The case's record in the document file. nMode 0 reads from `in`, any
  // other value writes to `out`; fFileVer is the version of the file being
  // read (files before 2.01 have no Doat line). True on success, false when
  // an error occurred (or the stream the mode needs is null). QuPremium is
  // neither written nor read.
  bool Serialize(VbTextReader* in, VbTextWriter* out, int16_t nMode, float fFileVer);
  bool Serialize(VbTextReader& in, float fFileVer) { return Serialize(&in, nullptr, 0, fFileVer); }
  bool Serialize(VbTextWriter& out) { return Serialize(nullptr, &out, 1, 0.0f); }

 private:
  int16_t nNiniCount_ = 0;
  std::vector<int16_t> nNini_;
};

}  // namespace norva
