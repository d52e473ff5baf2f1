#include "document/load_case.h"

#include <exception>

#include "document/subscript.h"
#include "text/vb_text_io.h"

namespace norva {

void CNini::Copy(const CNini& source) {
  LoadName = source.LoadName;
  nType = source.nType;
  nTarget = source.nTarget;
  X1 = source.X1;
  X2 = source.X2;
  Y1 = source.Y1;
  Y2 = source.Y2;
  P1 = source.P1;
  P2 = source.P2;
}

bool CNini::DataRead(VbTextReader* in) {
  if (in == nullptr) return false;
  try {
    LoadName = in->LineInput();
    nType = in->InputInt16();
    nTarget = in->InputInt16();
    X1 = in->InputDouble();
    X2 = in->InputDouble();
    Y1 = in->InputDouble();
    Y2 = in->InputDouble();
    P1 = in->InputDouble();
    P2 = in->InputDouble();
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

bool CNini::DataWrite(VbTextWriter* out) {
  if (out == nullptr) return false;
  try {
    out->WriteText(LoadName);
    out->WriteLine(nType, nTarget);
    out->WriteLine(X1, X2, Y1, Y2, P1, P2);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

void CKajyuCase::SetnNiniCount(int16_t n) {
  const int16_t old = nNiniCount_;
  nNiniCount_ = n;
  if (n < 1) return;  // the old switches stay, unreachable
  nNini_.resize(static_cast<size_t>(n), 0);
  // After a count of 0 the surviving entries were unreachable: they restart at 0.
  for (int i = old < 0 ? 0 : old; i < n; ++i) nNini_[static_cast<size_t>(i)] = 0;
}

int16_t CKajyuCase::nNini(int i) const { return CountedGet(nNini_, nNiniCount_, i); }

void CKajyuCase::SetnNini(int i, int16_t v) { CountedSet(nNini_, nNiniCount_, i, v); }

void CKajyuCase::Copy(const CKajyuCase& source) {
  if (&source == this) return;
  CaseName = source.CaseName;
  nQuake = source.nQuake;
  nWater = source.nWater;
  nSoilF = source.nSoilF;
  nAutoMobil = source.nAutoMobil;
  nGunsyu = source.nGunsyu;
  nSnow = source.nSnow;
  nTakuchi = source.nTakuchi;
  nAutoCrash = source.nAutoCrash;
  nStoneCrash = source.nStoneCrash;
  nWind = source.nWind;
  Doat = source.Doat;
  nNiniCount_ = source.nNiniCount_;
  if (nNiniCount_ >= 1) {
    nNini_.assign(static_cast<size_t>(nNiniCount_), 0);
    for (int i = 0; i < nNiniCount_; ++i) nNini_[static_cast<size_t>(i)] = source.nNini(i);
  }
  Ea = source.Ea;
  FsTentou = source.FsTentou;
  FsKatsudou = source.FsKatsudou;
  QaPremium = source.QaPremium;
  QuPremium = source.QuPremium;
  AllowPremium = source.AllowPremium;
}

bool CKajyuCase::Serialize(VbTextReader* in, VbTextWriter* out, int16_t nMode, float fFileVer) {
  try {
    if (nMode != 0) {
      if (out == nullptr) return false;
      out->WriteText(CaseName);
      for (int16_t v : {nQuake, nWater, nSoilF, nAutoMobil, nGunsyu, nSnow, nTakuchi, nAutoCrash,
                        nStoneCrash, nWind}) {
        out->WriteLine(v);
      }
      out->WriteLine(Doat);
      out->WriteLine(nNiniCount_);
      for (int i = 0; i < nNiniCount_; ++i) out->WriteLine(nNini(i));
      // QaPremium before AllowPremium; QuPremium is derived on reading.
      for (double v : {Ea, FsTentou, FsKatsudou, QaPremium, AllowPremium}) out->WriteLine(v);
      return true;
    }
    if (in == nullptr) return false;
    CaseName = in->LineInput();
    for (int16_t* v : {&nQuake, &nWater, &nSoilF, &nAutoMobil, &nGunsyu, &nSnow, &nTakuchi,
                       &nAutoCrash, &nStoneCrash, &nWind}) {
      *v = in->InputInt16();
    }
    if (fFileVer < 2.01f) {
      Doat = (nQuake == 1) ? 1 : 0;  // older files derive it from the seismic switch
    } else {
      Doat = in->InputInt32();
    }
    nNiniCount_ = in->InputInt16();
    if (nNiniCount_ >= 1) {
      nNini_.assign(static_cast<size_t>(nNiniCount_), 0);
      for (int i = 0; i < nNiniCount_; ++i) nNini_[static_cast<size_t>(i)] = in->InputInt16();
    }
    for (double* v : {&Ea, &FsTentou, &FsKatsudou, &QaPremium, &AllowPremium})
      *v = in->InputDouble();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace norva
