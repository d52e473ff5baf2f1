// CDocument: the records it owns, the count setters that manage them, and Copy.
#include <algorithm>
#include <stdexcept>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/subscript.h"
#include "document/weight.h"

namespace norva {

namespace {

// Count setter of a plain record list: release dropped slots, keep the rest,
// fill new slots with new records. keepEmpty: a count of 0 keeps the array's
// (empty) slots instead of discarding it.
template <typename T>
void ResizeRecords(std::vector<std::shared_ptr<T>>& v, int old, int n, bool keepEmpty) {
  old = std::max(old, 0);
  for (int i = n; i < old && static_cast<size_t>(i) < v.size(); ++i)
    v[static_cast<size_t>(i)].reset();
  if (n < 1) {
    if (!keepEmpty) v.clear();
    return;
  }
  v.resize(static_cast<size_t>(n));
  for (int i = old; i < n; ++i) v[static_cast<size_t>(i)] = std::make_shared<T>();
}

// Two-by-two weight tables stored flat; both indexes 0 or 1.
template <typename A>
auto& QuadSlot(A& a, int q, int w, const char* what) {
  if (q < 0 || q > 1) ThrowSubscript(what, q);
  if (w < 0 || w > 1) ThrowSubscript(what, w);
  return a[static_cast<size_t>(q * 2 + w)];
}

}  // namespace

void CDocument::WallResGrid::Reset(int c, int s) {
  cases = std::max(c, 0);
  sections = std::max(s, 0);
  cells.assign(static_cast<size_t>(2) * cases * sections, nullptr);
}

void CDocument::ResizeWallSecY(int sections) {
  sections = std::max(sections, 0);
  std::vector<double> next(static_cast<size_t>(2) * sections, 0.0);
  const int keep = std::min(sections, secCols_);
  for (int part = 0; part < 2; ++part) {
    for (int k = 0; k < keep; ++k) {
      next[static_cast<size_t>(part * sections + k)] =
          wallSecY_[static_cast<size_t>(part * secCols_ + k)];
    }
  }
  wallSecY_ = std::move(next);
  secCols_ = sections;
}

// ---- Count setters ----------------------------------------------------------

void CDocument::SetnNiniCount(int16_t v) {
  if (v < 0) return;
  const int old = nNiniCount_;
  nNiniCount_ = v;
  ResizeRecords(pNini_, old, v, true);
}

void CDocument::SetnWlvlCase(int32_t v) {
  const int old = nWlvlCase_;
  nWlvlCase_ = v;
  ResizeRecords(wlvlRes_, old, v, false);
}

void CDocument::SetnCase(int16_t v) {
  if (v < 0) return;
  const int n = v;
  const int old = nCase_;
  const int S = std::max(nWallSecCnt_[0], nWallSecCnt_[1]);
  nCase_ = v;

  if (n < old) {
    for (int i = n; i < old; ++i) {
      if (static_cast<size_t>(i) < pCase_.size()) pCase_[static_cast<size_t>(i)].reset();
      for (int j = 0; j < 2; ++j) {
        for (int k = 0; k < nWallSecCnt_[static_cast<size_t>(j)]; ++k) {
          if (wallRes_.Has(j, i, k)) wallRes_.At(j, i, k).reset();
        }
      }
      if (static_cast<size_t>(i) < pFotRes_.size()) pFotRes_[static_cast<size_t>(i)].reset();
      if (static_cast<size_t>(i) < pTokRes_.size()) pTokRes_[static_cast<size_t>(i)].reset();
    }
  }
  if (n > 0) {
    pCase_.resize(static_cast<size_t>(n));
    for (int i = old; i < n; ++i) pCase_[static_cast<size_t>(i)] = std::make_shared<CKajyuCase>();
  }
  if (S > 0 && n > 0) {
    WallResGrid next;
    next.Reset(n, S);
    for (int j = 0; j < 2; ++j) {
      const int cnt = nWallSecCnt_[static_cast<size_t>(j)];
      for (int i = 0; i < std::min(n, old); ++i) {
        for (int k = 0; k < cnt; ++k) {
          if (wallRes_.Has(j, i, k) && next.Has(j, i, k)) next.At(j, i, k) = wallRes_.At(j, i, k);
        }
      }
      for (int i = old; i < n; ++i) {
        for (int k = 0; k < cnt && k < S; ++k) next.At(j, i, k) = std::make_shared<CWallRes>();
      }
    }
    wallRes_ = std::move(next);
  }
  if (n < 1) return;
  pFotRes_.resize(static_cast<size_t>(n));
  pTokRes_.resize(static_cast<size_t>(n));
  for (int i = old; i < n; ++i) {
    pFotRes_[static_cast<size_t>(i)] = std::make_shared<CFotRes>();
    pTokRes_[static_cast<size_t>(i)] = std::make_shared<CTokRes>();
  }
}

int16_t CDocument::nWallSecCnt(int nUL) const {
  if (nUL < 0 || nUL > 1) ThrowSubscript("nWallSecCnt", nUL);
  return nWallSecCnt_[static_cast<size_t>(nUL)];
}

void CDocument::SetnWallSecCnt(int nUL, int16_t v) {
  if (nUL < 0 || nUL > 1 || v < 0) return;
  const int n = v;
  const int old = nWallSecCnt_[static_cast<size_t>(nUL)];
  const int p = 1 - nUL;
  nWallSecCnt_[static_cast<size_t>(nUL)] = v;
  const int S = std::max(nWallSecCnt_[0], nWallSecCnt_[1]);
  const int cases = nCase_;

  if (n < old) {
    for (int k = n; k < old && k < secCols_; ++k)
      wallSecY_[static_cast<size_t>(nUL * secCols_ + k)] = 0;
    for (int c = 0; c < cases; ++c) {
      for (int k = n; k < old; ++k) {
        if (wallRes_.Has(nUL, c, k)) wallRes_.At(nUL, c, k).reset();
      }
    }
  }
  if (n > 0) {
    ResizeWallSecY(S);
    for (int k = old; k < n; ++k) wallSecY_[static_cast<size_t>(nUL * secCols_ + k)] = 0;
  }
  if (n < 1 || cases < 1) return;

  WallResGrid next;
  next.Reset(cases, S);
  const int otherCnt = nWallSecCnt_[static_cast<size_t>(p)];
  for (int c = 0; c < cases; ++c) {
    for (int k = 0; k < std::min(old, n); ++k) {
      if (wallRes_.Has(nUL, c, k)) next.At(nUL, c, k) = wallRes_.At(nUL, c, k);
    }
    for (int k = old; k < n; ++k) next.At(nUL, c, k) = std::make_shared<CWallRes>();
    for (int k = 0; k < otherCnt && k < S; ++k) {
      if (wallRes_.Has(p, c, k)) next.At(p, c, k) = wallRes_.At(p, c, k);
    }
  }
  wallRes_ = std::move(next);
}

void CDocument::RebuildOwnedRecords(int16_t niniCount, int16_t caseCount, int16_t s0, int16_t s1) {
  nNiniCount_ = niniCount;
  pNini_.clear();
  if (niniCount >= 1) {
    pNini_.resize(static_cast<size_t>(niniCount));
    for (auto& rec : pNini_) rec = std::make_shared<CNini>();
  }
  nCase_ = caseCount;
  pCase_.clear();
  if (caseCount >= 1) {
    pCase_.resize(static_cast<size_t>(caseCount));
    for (auto& rec : pCase_) rec = std::make_shared<CKajyuCase>();
  }
  nWallSecCnt_ = {s0, s1};
  const int S = std::max<int>(std::max<int>(s0, s1), 0);
  if (s0 >= 1 || s1 >= 1) {
    secCols_ = S;
    wallSecY_.assign(static_cast<size_t>(2) * S, 0.0);
  }
  if ((s0 >= 1 || s1 >= 1) && caseCount >= 1) {
    wallRes_.Reset(caseCount, S);
    for (int c = 0; c < caseCount; ++c) {
      for (int k = 0; k < s0; ++k) wallRes_.At(0, c, k) = std::make_shared<CWallRes>();
      for (int k = 0; k < s1; ++k) wallRes_.At(1, c, k) = std::make_shared<CWallRes>();
    }
  }
  if (caseCount >= 1) {
    pFotRes_.assign(static_cast<size_t>(caseCount), nullptr);
    pTokRes_.assign(static_cast<size_t>(caseCount), nullptr);
    for (int c = 0; c < caseCount; ++c) {
      pFotRes_[static_cast<size_t>(c)] = std::make_shared<CFotRes>();
      pTokRes_[static_cast<size_t>(c)] = std::make_shared<CTokRes>();
    }
  }
}

// ---- Record accessors -----------------------------------------------------

std::shared_ptr<CNini> CDocument::pNini(int i) const { return CountedGet(pNini_, nNiniCount_, i); }
void CDocument::SetpNini(int i, std::shared_ptr<CNini> rec) {
  CountedSet(pNini_, nNiniCount_, i, std::move(rec));
}
std::shared_ptr<CKajyuCase> CDocument::pCase(int i) const { return CountedGet(pCase_, nCase_, i); }
void CDocument::SetpCase(int i, std::shared_ptr<CKajyuCase> rec) {
  CountedSet(pCase_, nCase_, i, std::move(rec));
}
std::shared_ptr<CFotRes> CDocument::pFotRes(int nCas) const {
  return CountedGet(pFotRes_, nCase_, nCas);
}
void CDocument::SetpFotRes(int nCas, std::shared_ptr<CFotRes> rec) {
  CountedSet(pFotRes_, nCase_, nCas, std::move(rec));
}
std::shared_ptr<CTokRes> CDocument::pTokRes(int nCas) const {
  return CountedGet(pTokRes_, nCase_, nCas);
}
void CDocument::SetpTokRes(int nCas, std::shared_ptr<CTokRes> rec) {
  CountedSet(pTokRes_, nCase_, nCas, std::move(rec));
}

std::shared_ptr<CWallRes> CDocument::pWallRes(int nUL, int nCas, int Index) const {
  if (nUL < 0 || nUL > 1 || nCas < 0 || nCas >= nCase_ || Index < 0 ||
      Index >= nWallSecCnt_[static_cast<size_t>(nUL)] || !wallRes_.Has(nUL, nCas, Index)) {
    return nullptr;
  }
  return wallRes_.At(nUL, nCas, Index);
}

void CDocument::SetpWallRes(int nUL, int nCas, int Index, std::shared_ptr<CWallRes> rec) {
  if (nUL < 0 || nUL > 1 || nCas < 0 || nCas >= nCase_ || Index < 0 ||
      Index >= nWallSecCnt_[static_cast<size_t>(nUL)] || !wallRes_.Has(nUL, nCas, Index)) {
    return;
  }
  wallRes_.At(nUL, nCas, Index) = std::move(rec);
}

std::shared_ptr<CWlvlCalc> CDocument::WlvlRes(int32_t i) const {
  if (i < 0) ThrowSubscript("WlvlRes", i);
  return CountedGet(wlvlRes_, nWlvlCase_, i);
}

void CDocument::SetWlvlRes(int32_t i, std::shared_ptr<CWlvlCalc> rec) {
  if (i < 0) ThrowSubscript("WlvlRes", i);
  CountedSet(wlvlRes_, nWlvlCase_, i, std::move(rec));
}

std::shared_ptr<CAntRes> CDocument::AntRes(int Index, int nCas) const {
  if (Index < 0 || Index > 1 || nCas < 0) return nullptr;
  auto& list = antRes_[static_cast<size_t>(Index)];
  if (list.size() < static_cast<size_t>(nCas) + 1) list.resize(static_cast<size_t>(nCas) + 1);
  auto& slot = list[static_cast<size_t>(nCas)];
  if (!slot) slot = std::make_shared<CAntRes>();
  return slot;
}

void CDocument::SetAntRes(int Index, int nCas, std::shared_ptr<CAntRes> rec) {
  if (Index < 0 || Index > 1 || nCas < 0) return;
  auto& list = antRes_[static_cast<size_t>(Index)];
  if (list.size() < static_cast<size_t>(nCas) + 1) list.resize(static_cast<size_t>(nCas) + 1);
  list[static_cast<size_t>(nCas)] = std::move(rec);
}

double CDocument::WallSecY(int nUL, int Index) const {
  if (nUL < 0 || nUL > 1) ThrowSubscript("WallSecY", nUL);
  if (Index < 0 || Index >= nWallSecCnt_[static_cast<size_t>(nUL)] || Index >= secCols_) return 0;
  return wallSecY_[static_cast<size_t>(nUL * secCols_ + Index)];
}

void CDocument::SetWallSecY(int nUL, int Index, double v) {
  if (nUL < 0 || nUL > 1) ThrowSubscript("WallSecY", nUL);
  if (Index < 0 || Index >= nWallSecCnt_[static_cast<size_t>(nUL)] || Index >= secCols_) return;
  wallSecY_[static_cast<size_t>(nUL * secCols_ + Index)] = v;
}

// ---- Polygon weights --------------------------------------------------------

std::shared_ptr<CWeight> CDocument::KutaiW1(int i) const { return At(kutaiW1_, i, "KutaiW1"); }
void CDocument::SetKutaiW1(int i, std::shared_ptr<CWeight> w) {
  At(kutaiW1_, i, "KutaiW1") = std::move(w);
}
std::shared_ptr<CWeight> CDocument::Furyoku1(int i) const { return At(furyoku1_, i, "Furyoku1"); }
void CDocument::SetFuryoku1(int i, std::shared_ptr<CWeight> w) {
  At(furyoku1_, i, "Furyoku1") = std::move(w);
}
std::shared_ptr<CWeight> CDocument::KutaiW2(int i) const { return At(kutaiW2_, i, "KutaiW2"); }
void CDocument::SetKutaiW2(int i, std::shared_ptr<CWeight> w) {
  At(kutaiW2_, i, "KutaiW2") = std::move(w);
}
std::shared_ptr<CWeight> CDocument::Furyoku2(int i) const { return At(furyoku2_, i, "Furyoku2"); }
void CDocument::SetFuryoku2(int i, std::shared_ptr<CWeight> w) {
  At(furyoku2_, i, "Furyoku2") = std::move(w);
}
std::shared_ptr<CWeight> CDocument::FuryokuS(int i) const { return At(furyokuS_, i, "FuryokuS"); }
void CDocument::SetFuryokuS(int i, std::shared_ptr<CWeight> w) {
  At(furyokuS_, i, "FuryokuS") = std::move(w);
}

std::shared_ptr<CWeight> CDocument::SoilW1(int q, int w) const {
  return QuadSlot(soilW1_, q, w, "SoilW1");
}
void CDocument::SetSoilW1(int q, int w, std::shared_ptr<CWeight> p) {
  QuadSlot(soilW1_, q, w, "SoilW1") = std::move(p);
}
std::shared_ptr<CWeight> CDocument::SoilW2(int q, int w) const {
  return QuadSlot(soilW2_, q, w, "SoilW2");
}
void CDocument::SetSoilW2(int q, int w, std::shared_ptr<CWeight> p) {
  QuadSlot(soilW2_, q, w, "SoilW2") = std::move(p);
}
std::shared_ptr<CWeight> CDocument::SoilWS(int q, int w) const {
  return QuadSlot(soilWS_, q, w, "SoilWS");
}
void CDocument::SetSoilWS(int q, int w, std::shared_ptr<CWeight> p) {
  QuadSlot(soilWS_, q, w, "SoilWS") = std::move(p);
}

// ---- Copy ------------------------------------------------------------------

void CDocument::Copy(const CDocument& src) {
  if (&src == this) return;
  // What the copy keeps of its own initial values.
  const int32_t unit = Unit;
  const int16_t tokDia = TokDia;
  const double tokHon = TokHon;
  const double tokKab = TokKab;
  const double tokPich = TokPich;
  const double tokAs = TokAs;

  static_cast<CDocumentInputs&>(*this) = static_cast<const CDocumentInputs&>(src);
  Unit = unit;
  TokDia = tokDia;
  TokHon = tokHon;
  TokKab = tokKab;
  TokPich = tokPich;
  TokAs = tokAs;

  for (int i = 0; i < 4; ++i) bInpSt_[static_cast<size_t>(i)] = src.bInpSt_[static_cast<size_t>(i)];
  Title = src.Title;
  // Taken as stored: going through the setter could clear Tokki.
  wallType_ = src.wallType_;
  c_ = src.c_;
  delt_ = src.delt_;
  kh_ = src.kh_;
  soilFH_ = src.soilFH_;
  watFH_ = src.watFH_;
  watBH_ = src.watBH_;
  pp_ = src.pp_;
  ae0_ = src.ae0_;
  nAutoCrash_ = src.nAutoCrash_;
  mizuH1_ = src.mizuH1_;
  margin_ = src.margin_;

  nUraNini_ = src.nUraNini_;
  if (nUraNini_ >= 1) {
    uraNiniX_.assign(static_cast<size_t>(nUraNini_), 0.0);
    uraNiniY_.assign(static_cast<size_t>(nUraNini_), 0.0);
    for (int i = 0; i < nUraNini_; ++i) {
      uraNiniX_[static_cast<size_t>(i)] = src.UraNiniX(i);
      uraNiniY_[static_cast<size_t>(i)] = src.UraNiniY(i);
    }
  }
  nTokusei_ = src.nTokusei_;
  if (nTokusei_ >= 1) {
    tokuseiT_.assign(static_cast<size_t>(nTokusei_), 0.0);
    tokuseiN_.assign(static_cast<size_t>(nTokusei_), 0);
    tokuseiS_.assign(static_cast<size_t>(nTokusei_), 0);
    for (int i = 0; i < nTokusei_; ++i) {
      tokuseiT_[static_cast<size_t>(i)] = src.TokuseiT(i);
      tokuseiN_[static_cast<size_t>(i)] = src.TokuseiN(i);
      tokuseiS_[static_cast<size_t>(i)] = src.TokuseiS(i);
    }
  }

  const int16_t s0 = src.nWallSecCnt_[0];
  const int16_t s1 = src.nWallSecCnt_[1];
  RebuildOwnedRecords(src.nNiniCount_, src.nCase_, s0, s1);
  for (int i = 0; i < nNiniCount_; ++i) {
    const auto from = src.pNini(i);
    if (from) pNini_[static_cast<size_t>(i)]->Copy(*from);
  }
  for (int i = 0; i < nCase_; ++i) {
    const auto from = src.pCase(i);
    if (from) pCase_[static_cast<size_t>(i)]->Copy(*from);
  }
  for (int k = 0; k < s0; ++k) SetWallSecY(0, k, src.WallSecY(0, k));
  for (int k = 0; k < s1; ++k) SetWallSecY(1, k, src.WallSecY(1, k));
}

}  // namespace norva
