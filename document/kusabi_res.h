#pragma once
// One trial wedge of the trial-wedge earth-pressure search, and the wedge
// trial file: fixed 500-byte records, one trial each, ascending slip angle.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace norva {

class CKusabiRes {
 public:
  static constexpr int kMaxLoads = 10;  // strip loads usable on a wedge
  static constexpr int16_t kRecordLength = 500;
  static constexpr int kPackedBytes = 452;  // bytes of a record any reader uses

  CKusabiRes() = default;
  // Ending a record deletes its trial file (an adopted wedge owns one).
  ~CKusabiRes();
  // A plain C++ copy would silently give a second owner of TempFile; use Copy.
  CKusabiRes(const CKusabiRes&) = delete;
  CKusabiRes& operator=(const CKusabiRes&) = delete;
  // Moving hands the file over: the moved-from record deletes nothing.
  CKusabiRes(CKusabiRes&& other) noexcept;
  CKusabiRes& operator=(CKusabiRes&&) = delete;

  // Every field and TempFile; Nq capped at 10, strip loads below it copied,
  // the ones above keep their old values.
  void Copy(const CKusabiRes& source);

  // Plain fields (radians unless noted).
  double fKh = 0;
  double fWlvl = 0;
  double fAlpha = 0;
  double fFai = 0;
  double fFaid = 0;
  double fDelta = 0;
  double fC = 0;
  double fCd = 0;
  double fOmega = 0;
  double fDist = 0;
  double fTheta = 0;

  // Number of strip loads; a set stores min(value, 10). -1 until set.
  int16_t Nq() const { return nq_; }
  void SetNq(int16_t v);

  // Strip loads: only 0 <= i < Nq is served; others read 0 and ignore writes.
  double fQxs(int i) const;
  void SetfQxs(int i, double v);
  double fQxe(int i) const;
  void SetfQxe(int i, double v);
  double fQload(int i) const;
  void SetfQload(int i, double v);

  double fZc = 0;

  // Indexes outside 0..1 read 0 and ignore writes.
  double fW(int i, int j) const;
  void SetfW(int i, int j, double v);
  double fWQ(int i) const;
  void SetfWQ(int i, double v);
  double fL(int i) const;
  void SetfL(int i, double v);

  double fPa = 0;
  double fCrossX = 0;  // -1000: slip line not computed yet
  double fCrossY = 0;
  int16_t nMix = 0;
  double fAlphaU = 0;
  double fPaU = 0;

  // mode 0 reads record recNo (1-based) of the open binary stream, mode 1
  // writes it; any other mode does nothing. 0 on success (or nothing done),
  // 1 when the file operation failed; errors never leave this call.
  int16_t Serialize(int16_t mode, std::iostream& file, int16_t recNo);

  std::string TempFile;  // full path of the trial file; empty: owns none
  int16_t bChgOmg = 0;   // -1 when the user fixed the slip angle
  double fChgOmg = 0;    // degrees
  double fMinOmg = 0;    // degrees
  double fMaxOmg = 0;    // degrees

  int16_t GetRecordLength() const { return kRecordLength; }

  // The packed little-endian image of the record (bytes 0..451).
  std::array<unsigned char, kPackedBytes> Pack() const;
  void Unpack(const unsigned char* bytes);

 private:
  int16_t nq_ = -1;
  std::array<double, kMaxLoads + 1> qxs_{};
  std::array<double, kMaxLoads + 1> qxe_{};
  std::array<double, kMaxLoads + 1> qload_{};
  double w_[2][2]{};
  std::array<double, 2> wq_{};
  std::array<double, 2> l_{};
};

// Exchange sort by fOmega ascending over entries 0..count-1, exchanging the
// records' values (the list keeps its objects); equal angles stay in order.
void SortKusabiTrials(std::vector<std::shared_ptr<CKusabiRes>>& trials, int count);

// Writes entries 0..count-1 as records 1..count of a new file at path
// (replacing any old one). No file is made when count < 1. False when the file
// cannot be written.
bool WriteKusabiFile(const std::string& path,
                     const std::vector<std::shared_ptr<CKusabiRes>>& trials, int count);

// Number of records in a trial file: its length / 500 rounded to the nearest
// whole number, so a short last record counts. 0 when the file is missing.
int32_t KusabiRecordCount(const std::string& path);

// All records of a trial file, in file order (empty TempFile each). Empty when
// the file is missing or unreadable.
std::vector<CKusabiRes> ReadKusabiFile(const std::string& path);

}  // namespace norva
