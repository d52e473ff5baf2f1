// CDocument: scalar and indexed inputs, derived values, snow load and the
// temporary-file registry. Owned records and Copy: document_records.cpp.
#include "document/document.h"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "document/ant_res.h"
#include "document/document_collection.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/outline.h"
#include "document/subscript.h"
#include "document/temp_files.h"
#include "document/weight.h"

namespace norva {

CDocument::CDocument() {
  antRes_[0].resize(1);
  antRes_[1].resize(1);
  wallRes_.Reset(1, 1);
  secCols_ = 1;
  wallSecY_.assign(2, 0.0);
  pFotRes_.resize(1);
  pTokRes_.resize(1);
  tempKeys_.resize(1);
  tempPaths_.resize(1);
}

CDocument::~CDocument() { DeleteRegisteredTempFiles(); }

// ---- Scalar accessors ----------------------------------------------------

void CDocument::SetWallType(int32_t v) {
  wallType_ = v;
  if (v == 0) Tokki = 0;
}

void CDocument::SetnUraNini(int16_t v) {
  const int32_t old = nUraNini_;
  nUraNini_ = v;
  if (v < 1) return;
  uraNiniX_.resize(static_cast<size_t>(v));
  uraNiniY_.resize(static_cast<size_t>(v));
  for (int32_t i = old < 0 ? 0 : old; i < v; ++i) {
    uraNiniX_[static_cast<size_t>(i)] = kNullDouble;
    uraNiniY_[static_cast<size_t>(i)] = kNullDouble;
  }
}

void CDocument::SetnTokusei(int16_t v) {
  nTokusei_ = v;
  if (v < 1) return;
  tokuseiT_.resize(static_cast<size_t>(v), 0.0);
  tokuseiN_.resize(static_cast<size_t>(v), 0);
  tokuseiS_.resize(static_cast<size_t>(v), 0);
}

// ---- Indexed inputs ----------------------------------------------------------

double CDocument::C(int i) const { return GuardedGet(c_, i); }
void CDocument::SetC(int i, double v) { GuardedSet(c_, i, v); }
double CDocument::delt(int i) const { return GuardedGet(delt_, i); }
void CDocument::Setdelt(int i, double v) { GuardedSet(delt_, i, v); }
double CDocument::Kh(int i) const { return GuardedGet(kh_, i); }
void CDocument::SetKh(int i, double v) { GuardedSet(kh_, i, v); }
double CDocument::SoilFH(int i) const { return GuardedGet(soilFH_, i); }
void CDocument::SetSoilFH(int i, double v) { GuardedSet(soilFH_, i, v); }
double CDocument::WatFH(int i) const { return GuardedGet(watFH_, i); }
void CDocument::SetWatFH(int i, double v) { GuardedSet(watFH_, i, v); }
double CDocument::WatBH(int i) const { return GuardedGet(watBH_, i); }
void CDocument::SetWatBH(int i, double v) { GuardedSet(watBH_, i, v); }

double CDocument::UraNiniX(int i) const { return CountedGet(uraNiniX_, nUraNini_, i); }
void CDocument::SetUraNiniX(int i, double v) { CountedSet(uraNiniX_, nUraNini_, i, v); }
double CDocument::UraNiniY(int i) const { return CountedGet(uraNiniY_, nUraNini_, i); }
void CDocument::SetUraNiniY(int i, double v) { CountedSet(uraNiniY_, nUraNini_, i, v); }

double CDocument::Pp(int i) const { return At(pp_, i, "Pp"); }
void CDocument::SetPp(int i, double v) { At(pp_, i, "Pp") = v; }
double CDocument::AE0(int i) const { return At(ae0_, i, "AE0"); }
void CDocument::SetAE0(int i, double v) { At(ae0_, i, "AE0") = v; }

int16_t CDocument::nAutoCrash(int i) const { return GuardedGet(nAutoCrash_, i); }
void CDocument::SetnAutoCrash(int i, int16_t v) {
  if (v != 0 && v != 1) return;
  GuardedSet(nAutoCrash_, i, v);
}

double CDocument::TokuseiT(int i) const { return CountedGet(tokuseiT_, nTokusei_, i); }
void CDocument::SetTokuseiT(int i, double v) { CountedSet(tokuseiT_, nTokusei_, i, v); }
int16_t CDocument::TokuseiN(int i) const { return CountedGet(tokuseiN_, nTokusei_, i); }
void CDocument::SetTokuseiN(int i, int16_t v) { CountedSet(tokuseiN_, nTokusei_, i, v); }
int16_t CDocument::TokuseiS(int i) const { return CountedGet(tokuseiS_, nTokusei_, i); }
void CDocument::SetTokuseiS(int i, int16_t v) { CountedSet(tokuseiS_, nTokusei_, i, v); }

double CDocument::MizuH1(int i) const { return At(mizuH1_, i, "MizuH1"); }
void CDocument::SetMizuH1(int i, double v) { At(mizuH1_, i, "MizuH1") = v; }
int16_t CDocument::Margin(int i) const { return GuardedGet(margin_, i); }
void CDocument::SetMargin(int i, int16_t v) { GuardedSet(margin_, i, v); }

int16_t CDocument::bInpSt(int i) const { return At(bInpSt_, i, "bInpSt"); }
void CDocument::SetbInpSt(int i, int16_t v) { At(bInpSt_, i, "bInpSt") = v; }

// ---- Derived values ----------------------------------------------------------

double CDocument::thet(double nULflg) const {
  double num = 0;
  double den = 0;
  switch (wallType_) {
    case 0:
      return std::atan(BlkN);
    case 1:
      num = GrwB - GrwB1 - GrwB2 - GrwB4;
      den = WallH - GrwH1;
      break;
    case 2: {
      // The back face leans over the heel: the negative of its gradient.
      const std::optional<double> n = LeaningBackGradient(*this);
      return n ? std::atan(-*n) : 0;
    }
    case 3:
      if (nULflg == 0.0) return std::atan(BlkN);
      num = GrwB - GrwB1 - GrwB2;
      den = MxwH2 - MxwH3;
      break;
    default:
      return 0;
  }
  // A section without height has no back-face inclination to speak of; an
  // infinite or undefined angle would poison every later step.
  if (den == 0) return 0;
  return std::atan(num / den);
}

double CDocument::rKiriDlt() const {
  if (KiriDlt >= 0) return std::atan(1.0) * KiriDlt / 45.0;
  return kNullDouble;
}

int16_t CDocument::bFotCalc() const {
  const bool toe =
      (wallType_ == 2 && MtwB1 > 0 && MtwH2 > 0) || (wallType_ == 1 && GrwB4 > 0 && GrwH1 > 0);
  return toe ? -1 : 0;
}

void CDocument::SetSnowLoad() {
  switch (Sisin) {
    case 2:
    case 5:
      if (nSnowType == 0) {
        // Either null (document or blank box) means no depth was entered:
        // the load stays unentered rather than a multiple of the null.
        SnowLoad = IsNullValue(SnowDepth) ? kNullDouble : 3.5 * SnowDepth;
      } else if (nSnowType == 1) {
        SnowLoad = 1.0;
      }
      break;
    case 0:
    case 1:
    case 3:
    case 4:
      switch (nSnowType) {
        case 0:
          SnowLoad = 1.5;
          break;
        case 1:
          SnowLoad = 3.0;
          break;
        case 2:
          SnowLoad = 7.0;
          break;
        case 3:
          SnowLoad = 1.0;
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

// ---- Temporary files -----------------------------------------------------

std::string CDocument::AddTempFile(const std::string& sTempFileKey) {
  int32_t n = -1;
  for (int32_t i = 0; i < tempCount_; ++i) {
    if (SameKey(tempKeys_[static_cast<size_t>(i)], sTempFileKey)) {
      n = i;
      break;
    }
  }
  // Throws before the registry changes when no file can be made.
  std::string path = CreateTempFile("Zuv");
  if (n == -1) {
    n = tempCount_;
    ++tempCount_;
  }
  if (tempKeys_.size() < static_cast<size_t>(n) + 1) {
    tempKeys_.resize(static_cast<size_t>(n) + 1);
    tempPaths_.resize(static_cast<size_t>(n) + 1);
  }
  tempKeys_[static_cast<size_t>(n)] = sTempFileKey;
  tempPaths_[static_cast<size_t>(n)] = path;
  return path;
}

std::string CDocument::TempFile(const std::string& sTempFileKey) const {
  for (int32_t i = 0; i < tempCount_; ++i) {
    const auto k = static_cast<size_t>(i);
    if (SameKey(tempKeys_[k], sTempFileKey) && PathExistsNoFollow(tempPaths_[k])) {
      return tempPaths_[k];
    }
  }
  return "";
}

bool CDocument::RemoveTempFile(const std::string& sTempFileKey) {
  for (int32_t i = 0; i < tempCount_; ++i) {
    const auto k = static_cast<size_t>(i);
    if (!SameKey(tempKeys_[k], sTempFileKey) || !PathExistsNoFollow(tempPaths_[k])) continue;
    DeleteFileQuietly(tempPaths_[k]);
    for (int32_t j = i; j + 1 < tempCount_; ++j) {
      tempKeys_[static_cast<size_t>(j)] = tempKeys_[static_cast<size_t>(j) + 1];
      tempPaths_[static_cast<size_t>(j)] = tempPaths_[static_cast<size_t>(j) + 1];
    }
    --tempCount_;
    return false;
  }
  return true;
}

void CDocument::DeleteRegisteredTempFiles() {
  for (int32_t i = 0; i < tempCount_; ++i) {
    const auto& path = tempPaths_[static_cast<size_t>(i)];
    if (PathExistsNoFollow(path)) DeleteFileQuietly(path);
  }
  tempCount_ = 0;
}

}  // namespace norva
