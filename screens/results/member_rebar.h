#pragma once
// The shear key's main bars as the member-stress screen edits them: bar
// spacing (mm) and bars per metre kept reciprocal, and the steel area in use.
#include <cstdint>
#include <optional>
#include <string>

namespace norva {

class CDocument;

// The bar diameters offered, in list order.
inline constexpr int16_t kKeyBarDiameters[] = {6, 10, 13, 16, 19, 22, 25, 29, 32, 35, 38, 41, 51};

// One of spacing (mm) and bars per metre changed from oldValue to newValue:
// the other one, 1000 / newValue, or nothing when newValue is not positive
// or did not change (the other box is then left alone).
std::optional<double> PairedRebarValue(double oldValue, double newValue);

// Steel area in use (m2 per metre): the area of one bar of TokDia times the
// larger of 0 and TokHon; 0 without a listed diameter or a positive count.
double KeySteelArea(const CDocument& doc);

// The diameter chosen from the list: the entry's text read as an integer,
// 0 when nothing (or no number) is chosen.
int16_t DiameterFromText(const std::string& text);

}  // namespace norva
