#pragma once
// The load calculators of the loads screen's dialogs, without a window: the
// wind pressure, the vehicle-collision table, the rock-fall impact load, the
// crowd-load table and the enabling of the surcharge dialog.
#include <optional>
#include <string>
#include <vector>

#include "screens/loads/loads_rules.h"

namespace norva {

class CDocument;

// ---- Wind ------------------------------------------------------------------

// The five factors of the wind formula: density ρ (kg/m3), wind speed Ud
// (m/s), coefficients Cd, G and α.
struct WindFactors {
  double rho = 1.23;
  double Ud = 40;
  double Cd = 1.2;
  double G = 1.9;
  double alpha = 0.8;
};

// p = Ud² × (ρ × 0.5) × Cd × G × α / 1000 in kN/m2, not rounded. No result
// when any factor is blank or null (either null value), or when the product
// is not a finite number.
std::optional<double> WindPressure(const WindFactors& f);

// The pressure of the chosen option: 0 windward 2 kN/m2, 1 leeward 1 kN/m2,
// 2 "その他" the formula. No result for any other option (none chosen).
std::optional<double> WindOptionPressure(int option, const WindFactors& f);

// ---- Vehicle collision -------------------------------------------------------

// The guard-fence kind of the options: 1 rigid, every other value the
// post-type (flexible) fence, 0.
int CollisionKind(int kind);
// Items of the class and model lists of the kind.
std::vector<std::string> CollisionClassList(int kind);
std::vector<std::string> CollisionModelList(int kind);

// Height of action h (m) and collision load P (kN) of a class and model.
// A class outside the kind's list gives neither; a model outside its list
// gives h alone.
struct CollisionValues {
  std::optional<double> h;
  std::optional<double> P;
};
CollisionValues CollisionTable(int kind, int cls, int model);

// ---- Rock fall ---------------------------------------------------------------

// The stress σy (kN/m2) a document gets when its own is not above 0.
inline constexpr double kDefaultStoneSgmy = 235000;

// Py = 3·σy·Z / (2·hp) in kN (σy kN/m2, Z m3, hp m). No result unless all
// three are above 0 (a blank box or a null is not).
std::optional<double> RockFallLoad(double sgmy, double Z, double hp);

// A section modulus of the steel table, cm3, in m3.
inline double SectionModulusM3(double zxCm3) { return zxCm3 / 1000000.0; }

// ---- Crowd load --------------------------------------------------------------

struct CrowdLoadRow {
  const char* no;
  double intensity;  // kN/m2
  const char* source;
  const char* remark;
};
// The three standard crowd-load intensities with their sources.
const std::vector<CrowdLoadRow>& CrowdLoadTable();

// ---- Surcharge dialog ----------------------------------------------------------

// Enabling of the surcharge dialog's four groups. As on the loads screen,
// except for the snow intensity: in the dialog it is enabled and editable
// whenever the snow load is considered (the depth box as on the screen).
LoadsState SurchargeFormState(const CDocument& doc);

// When the dialog opens: a residential-land load left blank (the blank-box
// null) becomes 9.8 kN/m2; one never entered (the document null) stays so.
void ApplyTakuchiDefault(CDocument& doc);

}  // namespace norva
