#include "calc/member/suryou.h"

#include <cmath>

#include "document/document.h"
#include "document/report_format.h"

namespace norva {

int16_t SuryouCnt = 0;
std::vector<SuryouRec> SuryouList;

namespace {

constexpr int kMaxRows = 101;

class Rows {
 public:
  void Add(const char* item, const char* unit, double q) {
    if (static_cast<int>(rows_.size()) >= kMaxRows) return;
    // A quantity with no value, or beyond any wall (1e8), shows "-----".
    rows_.push_back({item, unit, ReportNumber(q, "##0.00"), ""});
  }
  std::vector<SuryouRec> rows_;
};

constexpr const char* kConcrete = "コンクリート量";
constexpr const char* kForm = "型　枠";
constexpr const char* kEndForm = "端型枠(断面)";
constexpr const char* kBlock = "ブロック積";
constexpr const char* kLevelling = "均しｺﾝｸﾘｰﾄ";
constexpr const char* kFoundation = "基 礎 材";

}  // namespace

void CalcSuryou(const CDocument& d) {
  Rows out;
  const double L = d.WallL;
  const double c = std::cos(std::atan(d.BlkN));
  const bool sloped = d.nKeisya == 0;
  const double key = d.Tokki == 1 ? d.TokB * d.TokL : 0.0;
  double W = 0;

  switch (d.WallType()) {
    case 0: {
      const double run = d.BlkB - d.BlkB1;
      if (d.nBlkFound == 0) {
        W = d.BlkB;
        double A = d.BlkB * d.BlkH1;
        if (d.nBlkSetup == 0) A -= d.BlkN * run * run / 2;
        if (sloped) A -= d.KeisyaH * d.BlkB / 2;
        double F = d.BlkH1;
        if (d.nBlkSetup == 0) F += d.BlkH1 - d.BlkN * run;
        if (sloped) F -= d.KeisyaH;
        out.Add(kConcrete, "m3", L * A);
        out.Add(kForm, "m2", L * F);
        out.Add(kEndForm, "m2", 2 * A);
      } else {
        W = d.nBlkSetup == 0 ? (d.BlkDeltT2 + d.BlkT) * c : (d.BlkDeltT2 + d.BlkT) / c;
      }
      double K = d.WallH;
      if (d.nBlkFound == 0) K -= d.BlkH1;
      if (d.nBlkSetup == 0) K += d.BlkN * run;
      K /= c;
      out.Add(kBlock, "m2", L * K);
      break;
    }
    case 1: {
      W = d.GrwB;
      const double h = sloped ? d.WallH - d.GrwH1 - d.KeisyaH : d.WallH - d.GrwH1;
      const double r = d.GrwB - d.GrwB1 - d.GrwB2 - d.GrwB4;
      double A = d.GrwB * d.WallH - h * (d.GrwB1 / 2 + d.GrwB4) - r * h / 2;
      if (sloped) A -= d.KeisyaH * d.GrwB / 2;
      A += key;
      double F = std::sqrt(d.GrwB1 * d.GrwB1 + h * h) + std::sqrt(r * r + h * h) + 2 * d.GrwH1;
      if (sloped) F += d.KeisyaH;
      out.Add(kConcrete, "m3", L * A);
      out.Add(kForm, "m2", L * F);
      out.Add(kEndForm, "m2", 2 * (A - key));
      break;
    }
    case 2: {
      W = d.MtwB1 + d.MtwB2 + d.MtwB3 - d.MtwB4;
      double A = (d.MtwB1 + d.MtwB2 + d.MtwB3) * (d.MtwH1 + d.MtwH2) - d.MtwH1 * d.MtwB1 -
                 d.MtwB2 * d.MtwH1 / 2 - (d.MtwH3 + d.MtwH1) * d.MtwB4 / 2 -
                 (d.MtwH2 - d.MtwH3) * d.MtwB4;
      if (sloped) A -= d.KeisyaH * W / 2;
      A += key;
      const double a = d.MtwH3 + d.MtwH1;
      double F = std::sqrt(d.MtwH1 * d.MtwH1 + d.MtwB2 * d.MtwB2) + d.MtwH2 +
                 std::sqrt(a * a + d.MtwB4 * d.MtwB4) + (d.MtwH2 - d.MtwH3);
      if (sloped) F -= d.KeisyaH;
      out.Add(kConcrete, "m3", L * A);
      out.Add(kForm, "m2", L * F);
      out.Add(kEndForm, "m2", 2 * (A - key));
      break;
    }
    case 3: {
      W = d.GrwB;
      const double r = d.GrwB - d.GrwB1 - d.GrwB2;
      const double v = d.MxwH2 - d.MxwH3;
      double A = d.GrwB * d.MxwH2 - d.GrwB1 * d.MxwH2 / 2 - (d.GrwB2 - d.GrwB3) * d.MxwH3 / 2 -
                 r * v / 2 - d.MxwH3 * r;
      if (sloped) A -= d.KeisyaH * d.GrwB / 2;
      A += key;
      const double hf = sloped ? d.MxwH2 - d.KeisyaH : d.MxwH2;
      const double F = std::sqrt(hf * hf + d.GrwB1 * d.GrwB1) + std::sqrt(v * v + r * r);
      out.Add(kConcrete, "m3", L * A);
      out.Add(kForm, "m2", L * F);
      out.Add(kEndForm, "m2", 2 * (A - key));
      const double K = ((d.BlkDeltT2 + d.BlkT) * d.BlkN + d.MxwH1) / c;
      out.Add(kBlock, "m2", L * K);
      break;
    }
    default:
      break;
  }
  if (d.KisoH1 > 0) out.Add(kLevelling, "m3", L * (2 * d.KisoB + W) * d.KisoH1);
  if (d.KisoH2 > 0) out.Add(kFoundation, "m3", L * (2 * d.KisoB + W) * d.KisoH2);

  SuryouCnt = static_cast<int16_t>(out.rows_.size());
  if (SuryouCnt >= 1) SuryouList = std::move(out.rows_);
}

}  // namespace norva
