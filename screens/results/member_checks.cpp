#include "screens/results/member_checks.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "calc/stability/printed_relation.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/report_format.h"

namespace norva {
namespace {

bool IsNull(double v) { return v == kNullBox || !std::isfinite(v); }

CheckCell NullCell() { return {kNullCellText, CheckColor::kBlack, CheckCell::kNull}; }
CheckCell NotMade() { return {kNotMadeText, CheckColor::kKeep, CheckCell::kNotMade}; }

// Decimals of a grid format ("#0.00" -> 2).
int Decimals(const char* format) {
  const std::string f(format);
  const size_t dot = f.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(f.size() - dot - 1);
}

// "value sign limit", blue when it passes and red when it does not. The sign
// is the relation of the two numbers as printed, whatever the verdict: a
// stress equal to its allowable reads "=", a negative shear "<" its limit.
CheckCell Made(double v, bool exceeded, double limit, const char* format) {
  const int n = Decimals(format);
  CheckCell c;
  c.text = FormatNum(v, format) + " " + RelationMark(ComparePrinted(v, limit, n), kAsciiMarks) +
           FormatNum(limit, format);
  c.color = exceeded ? CheckColor::kRed : CheckColor::kBlue;
  c.state = exceeded ? CheckCell::kOut : CheckCell::kOk;
  return c;
}

}  // namespace

CheckCell CompressionCheck(double sgmc0, double sgmc1, double sgmca) {
  if (IsNull(sgmc0) || IsNull(sgmc1)) return NullCell();
  const double v = std::max(sgmc0, sgmc1);
  if (v < 0) return NotMade();
  if (IsNull(sgmca)) return NullCell();
  const bool exceeded = v > sgmca;
  return Made(v, exceeded, sgmca, kStressFormat);
}

CheckCell TensionCheck(double sgmc0, double sgmc1, double sgmta) {
  if (IsNull(sgmc0) || IsNull(sgmc1)) return NullCell();
  const double v = std::min(sgmc0, sgmc1);
  if (v > 0) return NotMade();
  if (IsNull(sgmta)) return NullCell();
  const bool exceeded = v < -sgmta;
  return Made(v, exceeded, -sgmta, kStressFormat);
}

CheckCell AbsCheck(double v, double allowable, const char* format) {
  if (IsNull(v) || IsNull(allowable)) return NullCell();
  const bool exceeded = std::fabs(v) > allowable;
  return Made(v, exceeded, allowable, format);
}

Judgement RowJudgement(const std::vector<CheckCell>& checks) {
  Judgement j;
  for (const CheckCell& c : checks) {
    if (c.state == CheckCell::kNull) j.computable = false;
    if (c.state == CheckCell::kOut) j.ok = false;
  }
  if (!j.computable) {
    j.ok = false;
    j.text = kNullCellText;
  } else {
    j.text = j.ok ? "OK" : "OUT";
  }
  return j;
}

std::string NumberCell(double v, const char* format, double scale) {
  if (IsNull(v)) return kNullCellText;
  const std::string s = FormatNum(v * scale, format);
  return s.substr(std::min(s.find_first_not_of(' '), s.size()));
}

namespace {

MemberRow Row(std::vector<std::string> numbers, std::vector<CheckCell> checks) {
  MemberRow row{std::move(numbers), std::move(checks), {}};
  row.judgement = RowJudgement(row.checks);
  return row;
}

// Compression, tension and shear of a plain-concrete section.
std::vector<CheckCell> ConcreteChecks(double sgmc0, double sgmc1, double sgmca, double sgmta,
                                      double tauc, double taua) {
  return {CompressionCheck(sgmc0, sgmc1, sgmca), TensionCheck(sgmc0, sgmc1, sgmta),
          AbsCheck(tauc, taua)};
}

}  // namespace

MemberRow WallRow(const CWallRes& r) {
  return Row({NumberCell(r.ForceN, kStressFormat), NumberCell(r.ForceS, kStressFormat),
              NumberCell(r.ForceM, kStressFormat), NumberCell(r.Height(0), kDepthFormat, 1000)},
             ConcreteChecks(r.Sgmc(0), r.Sgmc(1), r.Sgmca, r.Sgmta, r.Tauc, r.Taua));
}

MemberRow FotRow(const CFotRes& r) {
  return Row({NumberCell(r.ForceS, kStressFormat), NumberCell(r.ForceM, kStressFormat),
              NumberCell(r.Height, kDepthFormat, 1000)},
             ConcreteChecks(r.Sgmc(0), r.Sgmc(1), r.Sgmca, r.Sgmta, r.Tauc, r.Taua));
}

MemberRow TokRow(const CTokRes& r) {
  return Row({NumberCell(r.ForceS, kStressFormat), NumberCell(r.ForceM, kStressFormat),
              NumberCell(r.D, kDepthFormat, 1000), NumberCell(r.fAs, kSteelFormat, 1e6)},
             {AbsCheck(r.Sgmc, r.Sgmca), AbsCheck(r.Sgms, r.Sgmsa, kSteelFormat),
              AbsCheck(r.Tauc, r.Taua)});
}

}  // namespace norva
