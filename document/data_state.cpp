// Completeness checks of the four input screens.
#include "document/data_state.h"

#include <cmath>
#include <initializer_list>
#include <memory>

#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "document/services.h"

namespace norva {

namespace {

bool Entered(double v) { return !IsNullValue(v); }

bool AllEntered(std::initializer_list<double> values) {
  for (double v : values) {
    if (!Entered(v)) return false;
  }
  return true;
}

template <typename T>
bool ZeroOrOne(T v) {
  return v == 0 || v == 1;
}

int16_t Flag(bool ok) { return ok ? int16_t{-1} : int16_t{0}; }

bool WallSectionOfType(const CDocument& d) {
  switch (d.WallType()) {
    case 0: {
      if (!AllEntered({d.WallH, d.BlkT, d.BlkN})) return false;
      if (d.Sisin != 3 && !AllEntered({d.BlkDeltT1, d.BlkDeltT2})) return false;
      if (d.Sisin == 3 && !Entered(d.BlkT2)) return false;
      if (!ZeroOrOne(d.nBlkSetup) || !ZeroOrOne(d.nBlkFound)) return false;
      if (d.nBlkFound == 0) {
        if (!AllEntered({d.BlkB, d.BlkB1, d.BlkH1})) return false;
        if (d.Sisin != 3 && d.nBlkSetup == 0 && !Entered(d.BlkH2)) return false;
      }
      return true;
    }
    case 1:
      if (!AllEntered({d.WallH, d.GrwB, d.GrwB1, d.GrwB2, d.GrwB4, d.GrwH1})) return false;
      // A toe slab has both its width and its height, or neither.
      return (d.GrwB4 > 0) == (d.GrwH1 > 0);
    case 2:
      return AllEntered({d.MtwH1, d.MtwH2, d.MtwH3, d.MtwB1, d.MtwB2, d.MtwB3, d.MtwB4, d.MtwN1});
    case 3:
      return AllEntered({d.MxwH1, d.BlkT, d.BlkDeltT1, d.BlkDeltT2, d.BlkN, d.MxwH2, d.MxwH3,
                         d.GrwB, d.GrwB1, d.GrwB2, d.GrwB3});
    default:
      return true;
  }
}

}  // namespace

int16_t CheckKihon(const CDocument& d) {
  const bool quake = d.bQuake != 0;
  if (quake && !AllEntered({d.Kh(0), d.Kh(1)})) return 0;
  if (!ZeroOrOne(d.BackType)) return 0;
  if (d.BackType == 1 && !ZeroOrOne(d.KiriDoatsu)) return 0;
  if (!AllEntered({d.Gamb, d.Gambd, d.Gamf, d.Gamfd, d.Gamcw})) return 0;
  // A gravity wall has footing concrete only in its toe slab, and the toe
  // slab's stress check weighs the slab with Gamcf.
  const bool needGamcf = d.WallType() != 1 || d.bFotCalc() != 0;
  if (needGamcf && !Entered(d.Gamcf)) return 0;
  if (!AllEntered({d.Gamw, d.Fai})) return 0;
  if (!AllEntered({d.C(0), d.delt(0)})) return 0;
  if (quake && !AllEntered({d.C(1), d.delt(1)})) return 0;
  if (d.BackType == 1 && d.Sisin != 3 && !AllEntered({d.Deltd, d.Cd})) return 0;
  if (!AllEntered({d.SgmCk, d.Sgmca, d.Sgmta, d.Taua, d.Sgmsa})) return 0;
  return -1;
}

int16_t CheckKutai(const CDocument& d) {
  if (!WallSectionOfType(d)) return 0;
  const int32_t type = d.WallType();

  const bool baseTested = (type == 0 && d.nBlkFound == 0) || (type != 0 && d.Tokki == 0);
  if (baseTested) {
    if (!ZeroOrOne(d.nKeisya)) return 0;
    if (d.nKeisya == 0 && !Entered(d.KeisyaH)) return 0;
  }
  // The key is also tested when a key is chosen on an inclined base: the
  // calculation then still takes the key's dimensions.
  const bool keyTested = type != 0 && (d.nKeisya != 0 || d.Tokki != 0);
  if (keyTested) {
    if (!ZeroOrOne(d.Tokki)) return 0;
    if (d.Tokki == 1 && !AllEntered({d.TokB, d.TokL, d.TokX})) return 0;
  }

  if (!AllEntered({d.WallL, d.SoilFH(0)})) return 0;
  if (d.bQuake != 0 && !Entered(d.SoilFH(1))) return 0;

  if (d.UragomeType < 0 || d.UragomeType > 3) return 0;
  if (d.Doatsu == 0 && d.UragomeType == 3) return 0;  // needs the trial wedge
  if (!Entered(d.UraHd)) return 0;
  switch (d.UragomeType) {
    case 1:
      // A slope of 1:0 is a vertical surface the outline cannot draw.
      if (!Entered(d.UraN) || d.UraN == 0) return 0;
      break;
    case 2:
      if (!AllEntered({d.UraX1, d.UraX2, d.UraH0})) return 0;
      break;
    case 3:
      if (d.nUraNini() <= 0) return 0;
      for (int i = 0; i < d.nUraNini(); ++i) {
        if (!AllEntered({d.UraNiniX(i), d.UraNiniY(i)})) return 0;
      }
      break;
    default:
      break;
  }

  if (d.BackType == 1 && !AllEntered({d.KiriD, d.KiriN, d.KiriDlt})) return 0;

  if (!ZeroOrOne(d.nWlvlAuto)) return 0;
  if (d.nWater < 0 || d.nWater > 2) return 0;
  if (d.nWater != 0 && d.nWlvlAuto == 0) {
    if (!AllEntered({d.WatFH(0), d.WatBH(0)})) return 0;
    if (d.bQuake != 0 && !AllEntered({d.WatFH(1), d.WatBH(1)})) return 0;
  }
  return -1;
}

int16_t CheckAntei(const CDocument& d) {
  if (d.ChkSlide == 1) {
    if (!ZeroOrOne(d.nJyudo)) return 0;
    if (d.nJyudo == 1) {
      if (!Entered(d.Pp(0))) return 0;
      if (d.bQuake != 0 && !Entered(d.Pp(1))) return 0;
    }
  }
  if (!AllEntered({d.Faib, d.Myu, d.cb})) return 0;
  if (!ZeroOrOne(d.nQa)) return 0;
  if (d.nQa == 1) {
    if (!Entered(d.Qa)) return 0;
    if (d.Tokki == 1 && !AllEntered({d.SijiFai, d.SijiC})) return 0;
  } else {
    // The ultimate bearing capacity takes its factors from SijiFai, with or
    // without a shear key.
    if (!AllEntered({d.SijiC, d.SijiGam1, d.Df, d.Dfd, d.SijiGam2, d.SijiFai})) return 0;
  }
  if (d.Sisin == 3 && !AllEntered({d.AE0(0), d.AE0(1)})) return 0;
  return -1;
}

int16_t CheckKajyu(CDocument& d) {
  bool ok = true;
  const bool wedge = d.Doatsu == 1;

  if (!ZeroOrOne(d.nAutoMobile)) {
    ok = false;
  } else if (d.nAutoMobile == 0) {
    ok = ok && d.nAutoTload >= 0 && d.nAutoTload <= 4 && AllEntered({d.AutoPos, d.AutoLoad}) &&
         (!wedge || Entered(d.AutoWidth));
  }

  if (!ZeroOrOne(d.nGunsyu)) {
    ok = false;
  } else if (d.nGunsyu == 0) {
    ok = ok && AllEntered({d.GunsyuPos, d.GunsyuLoad}) && (!wedge || Entered(d.GunsyuWidth));
  }

  if (!ZeroOrOne(d.nSnow)) {
    ok = false;
  } else if (d.nSnow == 0) {
    ok = ok && d.nSnowType >= 0 && AllEntered({d.SnowPos, d.SnowLoad}) &&
         (!(d.nSnowType == 0 && d.Sisin == 2) || Entered(d.SnowDepth));
  }

  if (!ZeroOrOne(d.nTakuchi)) {
    ok = false;
  } else if (d.nTakuchi == 0) {
    ok = ok && AllEntered({d.TakuchiPos, d.TakuchiLoad}) && (!wedge || Entered(d.TakuchiWidth));
  }

  if (!ZeroOrOne(d.nAutoCrash(0)) || !ZeroOrOne(d.nAutoCrash(1))) {
    ok = false;
  } else if (d.nAutoCrash(0) == 0 || d.nAutoCrash(1) == 0) {
    ok = ok && ZeroOrOne(d.nAutoCrashBougo) &&
         AllEntered({d.AutoCrashWidth, d.AutoCrashHigh, d.AutoCrashLoad});
  }
  // Whatever the switches: the collision speed is never negative.
  if (d.AutoCrashV < 0) d.AutoCrashV = 0;

  if (!ZeroOrOne(d.nStone)) {
    ok = false;
  } else if (d.nStone == 0) {
    ok = ok && AllEntered({d.StoneHight, d.StonePich, d.StoneLoad});
  }

  if (!ZeroOrOne(d.nWind)) {
    ok = false;
  } else if (d.nWind == 0) {
    ok = ok && AllEntered({d.WindPos, d.WindHight, d.WindLoad});
  }

  ok = ok && d.nCase() > 0;
  for (int32_t i = 0; ok && i < d.nCase(); ++i) ok = CaseFactorProblem(d, i).empty();
  return Flag(ok);
}

std::array<bool, 6> OpenScreens(const CDocument& doc) {
  std::array<bool, 6> open{};
  open[0] = true;
  for (int i = 1; i < 6; ++i) open[i] = open[i - 1] && doc.bInpSt(i - 1) != 0;
  return open;
}

bool UsableEaDivisor(double n) { return n == 0 || (IsReportNumber(n) && n >= kLeastEaDivisor); }

std::string CaseFactorProblem(const CDocument& d, int32_t i) {
  const std::shared_ptr<CKajyuCase> k = i >= 0 && i < d.nCase() ? d.pCase(i) : nullptr;
  if (!k) return "";
  const std::string head = "荷重ケース" + std::to_string(i + 1) + "「" + k->CaseName + "」の";
  auto usable = [](double v) { return std::isfinite(v) && !IsNullValue(v) && v > 0; };
  const bool eccentricity = d.nTentou == 0 || d.nTentou == 2;
  if (eccentricity && !(std::isfinite(k->Ea) && !IsNullValue(k->Ea) && k->Ea >= 0))
    return head + "許容偏心量 B/n の n が入力されていないか、負の値です。";
  const char* factor = nullptr;
  if (d.nTentou == 1 && !usable(k->FsTentou)) {
    factor = "転倒安全率";
  } else if (d.ChkSlide == 1 && !usable(k->FsKatsudou)) {
    factor = "滑動安全率";
  } else if (d.Sisin == 2 && d.nQa == 1 && !usable(k->QaPremium)) {
    factor = "許容支持力度割増";
  }
  if (factor == nullptr) return "";
  return head + factor + "が入力されていないか、0 以下です。";
}

int16_t DataState(CDocument& doc, int No, IScreenHost* host) {
  doc.SetbInpSt(0, CheckKihon(doc));
  doc.SetbInpSt(1, CheckKutai(doc));
  doc.SetbInpSt(2, CheckAntei(doc));
  doc.SetbInpSt(3, CheckKajyu(doc));
  if (host) host->UpdateCommandState();
  return doc.bInpSt(No);
}

}  // namespace norva
