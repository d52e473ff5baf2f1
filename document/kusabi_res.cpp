#include "document/kusabi_res.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>

#include "document/subscript.h"
#include "document/temp_files.h"

namespace norva {

namespace {

void PutDouble(unsigned char* p, double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (int b = 0; b < 8; ++b) p[b] = static_cast<unsigned char>(bits >> (8 * b));
}

void PutInt16(unsigned char* p, int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  p[0] = static_cast<unsigned char>(u & 0xFF);
  p[1] = static_cast<unsigned char>(u >> 8);
}

double GetDouble(const unsigned char* p) {
  uint64_t bits = 0;
  for (int b = 0; b < 8; ++b) bits |= static_cast<uint64_t>(p[b]) << (8 * b);
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

int16_t GetInt16(const unsigned char* p) {
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

bool InPair(int i) { return i >= 0 && i <= 1; }

}  // namespace

CKusabiRes::~CKusabiRes() {
  if (TempFile.empty()) return;
  try {
    DeleteFileQuietly(TempFile);  // a file held elsewhere must not end the record badly
  } catch (...) {
  }
}

CKusabiRes::CKusabiRes(CKusabiRes&& other) noexcept
    : fKh(other.fKh),
      fWlvl(other.fWlvl),
      fAlpha(other.fAlpha),
      fFai(other.fFai),
      fFaid(other.fFaid),
      fDelta(other.fDelta),
      fC(other.fC),
      fCd(other.fCd),
      fOmega(other.fOmega),
      fDist(other.fDist),
      fTheta(other.fTheta),
      fZc(other.fZc),
      fPa(other.fPa),
      fCrossX(other.fCrossX),
      fCrossY(other.fCrossY),
      nMix(other.nMix),
      fAlphaU(other.fAlphaU),
      fPaU(other.fPaU),
      TempFile(std::move(other.TempFile)),
      bChgOmg(other.bChgOmg),
      fChgOmg(other.fChgOmg),
      fMinOmg(other.fMinOmg),
      fMaxOmg(other.fMaxOmg),
      nq_(other.nq_),
      qxs_(other.qxs_),
      qxe_(other.qxe_),
      qload_(other.qload_),
      wq_(other.wq_),
      l_(other.l_) {
  std::memcpy(w_, other.w_, sizeof w_);
  other.TempFile.clear();
}

void CKusabiRes::Copy(const CKusabiRes& source) {
  if (&source == this) return;
  fKh = source.fKh;
  fWlvl = source.fWlvl;
  fAlpha = source.fAlpha;
  fFai = source.fFai;
  fFaid = source.fFaid;
  fDelta = source.fDelta;
  fC = source.fC;
  fCd = source.fCd;
  fOmega = source.fOmega;
  fDist = source.fDist;
  fTheta = source.fTheta;
  SetNq(source.Nq());
  for (int i = 0; i < nq_; ++i) {
    qxs_[i] = source.qxs_[i];
    qxe_[i] = source.qxe_[i];
    qload_[i] = source.qload_[i];
  }
  fZc = source.fZc;
  std::memcpy(w_, source.w_, sizeof w_);
  wq_ = source.wq_;
  l_ = source.l_;
  fPa = source.fPa;
  fCrossX = source.fCrossX;
  fCrossY = source.fCrossY;
  nMix = source.nMix;
  fAlphaU = source.fAlphaU;
  fPaU = source.fPaU;
  TempFile = source.TempFile;
  bChgOmg = source.bChgOmg;
  fChgOmg = source.fChgOmg;
  fMinOmg = source.fMinOmg;
  fMaxOmg = source.fMaxOmg;
}

void CKusabiRes::SetNq(int16_t v) { nq_ = std::min<int16_t>(v, kMaxLoads); }

double CKusabiRes::fQxs(int i) const { return CountedGet(qxs_, nq_, i); }
void CKusabiRes::SetfQxs(int i, double v) { CountedSet(qxs_, nq_, i, v); }
double CKusabiRes::fQxe(int i) const { return CountedGet(qxe_, nq_, i); }
void CKusabiRes::SetfQxe(int i, double v) { CountedSet(qxe_, nq_, i, v); }
double CKusabiRes::fQload(int i) const { return CountedGet(qload_, nq_, i); }
void CKusabiRes::SetfQload(int i, double v) { CountedSet(qload_, nq_, i, v); }

double CKusabiRes::fW(int i, int j) const { return (InPair(i) && InPair(j)) ? w_[i][j] : 0.0; }
void CKusabiRes::SetfW(int i, int j, double v) {
  if (InPair(i) && InPair(j)) w_[i][j] = v;
}
double CKusabiRes::fWQ(int i) const { return GuardedGet(wq_, i); }
void CKusabiRes::SetfWQ(int i, double v) { GuardedSet(wq_, i, v); }
double CKusabiRes::fL(int i) const { return GuardedGet(l_, i); }
void CKusabiRes::SetfL(int i, double v) { GuardedSet(l_, i, v); }

std::array<unsigned char, CKusabiRes::kPackedBytes> CKusabiRes::Pack() const {
  std::array<unsigned char, kPackedBytes> b{};
  const double head[] = {fKh, fWlvl, fAlpha, fFai, fFaid, fDelta, fC, fCd, fOmega, fDist, fTheta};
  for (int k = 0; k < 11; ++k) PutDouble(&b[8 * k], head[k]);
  PutInt16(&b[88], nq_);
  for (int k = 0; k <= kMaxLoads; ++k) {
    PutDouble(&b[90 + 8 * k], qxs_[k]);
    PutDouble(&b[178 + 8 * k], qxe_[k]);
    PutDouble(&b[266 + 8 * k], qload_[k]);
  }
  PutDouble(&b[354], fZc);
  // First index varies fastest: (0,0), (1,0), (0,1), (1,1).
  PutDouble(&b[362], w_[0][0]);
  PutDouble(&b[370], w_[1][0]);
  PutDouble(&b[378], w_[0][1]);
  PutDouble(&b[386], w_[1][1]);
  PutDouble(&b[394], wq_[0]);
  PutDouble(&b[402], wq_[1]);
  PutDouble(&b[410], l_[0]);
  PutDouble(&b[418], l_[1]);
  PutDouble(&b[426], fPa);
  PutDouble(&b[434], fCrossX);
  PutDouble(&b[442], fCrossY);
  PutInt16(&b[450], nMix);
  return b;
}

void CKusabiRes::Unpack(const unsigned char* b) {
  double* head[] = {&fKh, &fWlvl, &fAlpha, &fFai,  &fFaid, &fDelta,
                    &fC,  &fCd,   &fOmega, &fDist, &fTheta};
  for (int k = 0; k < 11; ++k) *head[k] = GetDouble(&b[8 * k]);
  nq_ = GetInt16(&b[88]);
  for (int k = 0; k <= kMaxLoads; ++k) {
    qxs_[k] = GetDouble(&b[90 + 8 * k]);
    qxe_[k] = GetDouble(&b[178 + 8 * k]);
    qload_[k] = GetDouble(&b[266 + 8 * k]);
  }
  fZc = GetDouble(&b[354]);
  w_[0][0] = GetDouble(&b[362]);
  w_[1][0] = GetDouble(&b[370]);
  w_[0][1] = GetDouble(&b[378]);
  w_[1][1] = GetDouble(&b[386]);
  wq_[0] = GetDouble(&b[394]);
  wq_[1] = GetDouble(&b[402]);
  l_[0] = GetDouble(&b[410]);
  l_[1] = GetDouble(&b[418]);
  fPa = GetDouble(&b[426]);
  fCrossX = GetDouble(&b[434]);
  fCrossY = GetDouble(&b[442]);
  nMix = GetInt16(&b[450]);
}

int16_t CKusabiRes::Serialize(int16_t mode, std::iostream& file, int16_t recNo) {
  if (mode != 0 && mode != 1) return 0;
  try {
    if (recNo < 1 || !file.good()) {
      file.clear();
      return 1;
    }
    const std::streamoff pos = static_cast<std::streamoff>(kRecordLength) * (recNo - 1);
    if (mode == 1) {
      // The whole slot is written so the tail is defined (zeros).
      std::array<unsigned char, kRecordLength> slot{};
      const auto packed = Pack();
      std::copy(packed.begin(), packed.end(), slot.begin());
      file.seekp(pos);
      file.write(reinterpret_cast<const char*>(slot.data()), slot.size());
      if (!file.good()) {
        file.clear();
        return 1;
      }
      return 0;
    }
    std::array<unsigned char, kPackedBytes> buf{};
    file.seekg(pos);
    file.read(reinterpret_cast<char*>(buf.data()), buf.size());
    if (file.gcount() != static_cast<std::streamsize>(buf.size())) {
      file.clear();
      return 1;
    }
    Unpack(buf.data());
    return 0;
  } catch (...) {
    file.clear();
    return 1;
  }
}

void SortKusabiTrials(std::vector<std::shared_ptr<CKusabiRes>>& trials, int count) {
  const int n = std::min<int>(count, static_cast<int>(trials.size()));
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (!trials[i] || !trials[j]) continue;
      if (trials[i]->fOmega > trials[j]->fOmega) {
        // Exchange values through a scratch record; the list keeps its objects.
        CKusabiRes scratch;
        scratch.Copy(*trials[i]);
        trials[i]->Copy(*trials[j]);
        trials[j]->Copy(scratch);
        scratch.TempFile.clear();  // the scratch owns no file
      }
    }
  }
}

bool WriteKusabiFile(const std::string& path,
                     const std::vector<std::shared_ptr<CKusabiRes>>& trials, int count) {
  const int n = std::min<int>(count, static_cast<int>(trials.size()));
  if (n < 1) return true;
  if (path.empty()) return false;
  bool ok = true;
  const int last = std::min(n, 32767);  // record numbers are 16-bit
  if (last < n) ok = false;
  // The records in one buffer and one write: whole 500-byte slots, the tail of
  // each slot zero; a missing entry leaves its slot zero.
  std::vector<unsigned char> buf(static_cast<size_t>(last) * CKusabiRes::kRecordLength, 0);
  for (int k = 0; k < last; ++k) {
    if (!trials[k]) {
      ok = false;
      continue;
    }
    const auto packed = trials[k]->Pack();
    std::copy(packed.begin(), packed.end(),
              buf.begin() + static_cast<std::ptrdiff_t>(k) * CKusabiRes::kRecordLength);
  }
  // The file is replaced; a symlink put in its place is not followed.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  const unsigned char* p = buf.data();
  size_t left = buf.size();
  while (left > 0) {
    const ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  if (::close(fd) != 0) ok = false;
  return ok;
}

int32_t KusabiRecordCount(const std::string& path) {
  if (path.empty()) return 0;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return 0;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return 0;
  // Nearest whole number, ties to even as the run time rounds.
  return static_cast<int32_t>(
      std::nearbyint(static_cast<double>(size) / CKusabiRes::kRecordLength));
}

std::vector<CKusabiRes> ReadKusabiFile(const std::string& path) {
  std::vector<CKusabiRes> out;
  const int32_t n = std::min<int32_t>(KusabiRecordCount(path), 32767);
  if (n < 1) return out;
  std::fstream f(path, std::ios::in | std::ios::binary);
  if (!f.is_open()) return out;
  out.reserve(n);
  for (int32_t k = 1; k <= n; ++k) {
    CKusabiRes r;
    if (r.Serialize(0, f, static_cast<int16_t>(k)) != 0) break;
    out.push_back(std::move(r));
  }
  return out;
}

}  // namespace norva
