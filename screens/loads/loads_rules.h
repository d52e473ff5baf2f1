#pragma once
// Rules of the loads screen's seven load groups, without a window: which
// controls are enabled, the lists by guideline, and the loads derived from a
// chosen kind (vehicle T-load, snow).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace norva {

class CDocument;

// Front soil acting on the wall: [0] in the normal state, [1] in the seismic
// state. Only when the front soil has a unit weight (Gamf or Gamfd above 0)
// and a height above 0 in that state; the seismic state also needs bQuake.
using FrontSoil = std::array<bool, 2>;
FrontSoil FrontSoilFlags(const CDocument& doc);

// List items, index = the stored code.
std::vector<std::string> TloadKindList();
// Snow kinds of the guideline; the last item is always the free entry.
std::vector<std::string> SnowKindList(int32_t Sisin);
// Guard-fence kinds; item 0 reads "たわみ性防護柵" under road earthworks.
std::vector<std::string> FenceKindList(int32_t Sisin);

// Intensity (kN/m2) of T-load kind 0..3: 10, 10, 7, 5. Kind 4 (free entry)
// and any other value keep `current`.
double StandardVehicleIntensity(int kind, double current);
// A T-load kind chosen in the list: nAutoTload := kind (values outside 0..4
// are not stored) and AutoLoad := the standard intensity of the kind.
void ApplyTloadKind(CDocument& doc, int kind);
// A snow kind chosen in the list. Only a kind other than the stored one
// changes anything: nSnowType := kind and SnowLoad derived from it. True
// when it changed.
bool ApplySnowKind(CDocument& doc, int kind);
// The snow depth left in its box. Only a depth other than the stored one
// changes anything: SnowDepth := depth and SnowLoad derived again (a blank
// depth gives the null load). True when it changed.
bool ApplySnowDepth(CDocument& doc, double depth);
// Snow box `index` (0 position, 1 depth, 2 load) left with v: writes its
// member, a depth through ApplySnowDepth. True when the load was derived
// again (its box must show it).
bool StoreSnowBox(CDocument& doc, int index, double v);

// Which controls of the load groups are enabled. `…On`: the group is
// considered (its caption, list, position and intensity); `…Width`: the
// loading width counts (trial wedge only); `…Editable`: the intensity box
// takes typing (otherwise it shows a derived value, read-only).
struct LoadsState {
  bool autoOn = false;
  bool autoWidth = false;
  bool autoLoadEditable = false;
  bool gunsyuOn = false;
  bool gunsyuWidth = false;
  bool snowOn = false;
  bool snowDepth = false;  // road earthworks or canals with the first snow kind
  bool snowLoad = false;   // the intensity box (when the depth does not give it)
  bool snowLoadEditable = false;
  bool takuchiOn = false;
  bool takuchiWidth = false;
  bool crashOn = false;  // either collision switch
  bool stoneOn = false;
  bool windOn = false;
};
LoadsState LoadsFormState(const CDocument& doc);

}  // namespace norva
