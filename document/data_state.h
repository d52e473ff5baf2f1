#pragma once
// Input state of a document: which of the four input screens are complete.
// The flags live in CDocument::bInpSt (0..5, 0 / -1); flags 4 and 5 belong to
// the result screens and are never touched here.
#include <array>
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class IScreenHost;

// Each returns -1 when the inputs of its screen are complete, else 0. They
// only read the document, except CheckKajyu, which also sets a negative (or
// null) AutoCrashV to 0.
int16_t CheckKihon(const CDocument& doc);  // screen 0, basic data
int16_t CheckKutai(const CDocument& doc);  // screen 1, wall section
int16_t CheckAntei(const CDocument& doc);  // screen 2, stability conditions
int16_t CheckKajyu(CDocument& doc);        // screen 3, loads and load cases

// Why load case i cannot be judged with its own factors, naming the case and
// the factor ("" when it can, or when there is no such case): a factor the
// case uses that is blank, null, not finite or not positive. Used are the
// divisor n of the allowed eccentricity B/n with the eccentricity check
// (nTentou 0 or 2; n may also be 0, for no eccentricity), the overturning factor
// with the safety-factor check (nTentou 1), the sliding factor with the
// sliding check, and the premium of the allowable bearing capacity where the
// capacity is entered under road earthworks (Sisin 2, nQa 1).
// The loads screen is incomplete while any case has one; the calculation
// refuses that case with this text.
std::string CaseFactorProblem(const CDocument& doc, int32_t i);
// A divisor n of a case's allowed eccentricity B/n that has a text in the
// report: 0, or from 0.01 to 1e8 (a smaller one, an eccentricity beyond a
// hundred base widths, is no entry anyone made).
inline constexpr double kLeastEaDivisor = 0.01;
bool UsableEaDivisor(double n);

// Recomputes bInpSt(0..3) from the four checks, refreshes the command state
// through host (when given) and returns bInpSt(No). No outside 0..5 throws
// std::out_of_range after the flags were recomputed.
int16_t DataState(CDocument& doc, int No, IScreenHost* host = nullptr);

// Which of the six screens the document may open, from the stored flags
// (bInpSt, not recomputed): screen 0 always, screen i once every screen before
// it is complete. Screen 4 open also means the calculation may run.
std::array<bool, 6> OpenScreens(const CDocument& doc);

}  // namespace norva
