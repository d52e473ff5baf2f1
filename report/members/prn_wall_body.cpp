// The opening of a stem check section: its headings and the body weight above
// it, then the front soil against the front face above it. The polygons are
// those the stem check builds at the section's height, so the area tables
// total what its body and front-soil rows hold.
#include <memory>
#include <string>

#include "calc/member/wall_force.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/members/member_lists.h"
#include "report/members/wall_hooks.h"
#include "report/members/wall_section.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

bool Counts(const WeightPtr& w) { return w && w->w() != 0; }

// Figure and table of one polygon; `base` names the figure before the part
// digit and what follows it.
void PolygonEntry(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                  const std::string& folder, const std::string& name, const CWeight& w) {
  const std::string path = PrnAreaFigure(doc, folder, name, &w, DPoint{0, 0});
  PrnImage(f, path, 50);
  PrnAreaTable(f, doc, &w, s.ref.X, s.ref.Y, false);
}

std::string Index000(const WallCheckSection& s) { return FormatPattern(s.index, "000"); }

}  // namespace

void PrnWallKutai(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                  const std::string& folder) {
  WeightPtr wall, footing;
  WallSectionBody(doc, s.outline, s.part, s.y, wall, footing);
  const std::string n = WallSectionNumeral(s.index);
  const double at = doc.WallSecY(s.part, s.index);
  PrnBlockOpen(f);
  f.Empty();
  if (doc.WallType() == 3) {
    f.Line(s.part == 0 ? "<H1>上部擁壁の断面計算</H1>" : "<H1>下部擁壁の断面計算</H1>");
    f.Empty();
    f.Line("<H2>@－@断面 (照査位置:#.###)</H2>", {n, n, at});
  } else {
    f.Line("<H1>たて壁(@－@断面)の断面計算 (照査位置:#.###)</H1>", {n, n, at});
  }
  f.Empty();
  PrnHeading(f, doc, 2, "く体重量");
  const bool withFooting = Counts(footing);
  if (withFooting) {
    f.Empty();
    PrnHeading(f, doc, 3, "壁部");
  }
  const std::string part = std::to_string(s.part);
  // The builders return the wall part for every height within the wall.
  if (wall) PolygonEntry(f, doc, s, folder, "壁断面く体壁部" + part + Index000(s), *wall);
  PrnBlockClose(f);
  if (!withFooting) return;
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 3, "基礎部");
  PolygonEntry(f, doc, s, folder, "壁断面く体基礎部" + part + Index000(s), *footing);
  PrnBlockClose(f);
}

namespace {

// The front soil of state st above the section as the stem check takes it
// for its cases of that state: dry the soil up to the state's front-soil
// height, wet the change below the front water level (only where a case of
// the state takes water); `taken` when some case of the state has front soil.
struct StateSoil {
  WeightPtr dry, wet;
  bool taken = false;
};

StateSoil SoilOfState(const CDocument& doc, const WallCheckSection& s, int16_t st) {
  StateSoil r;
  for (int32_t k = 0; k < doc.nCase(); ++k) {
    const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
    if (!c || c->nSoilF == 0 || WallForceState(doc, k).st != st) continue;
    r.taken = true;
    WeightPtr s0, s1;
    const WallWaterLevels w = WallForceWaterLevels(doc, *c, st);
    const int n = WallSectionFrontSoil(doc, *c, s.outline, s.part, s.y, st, w.front, s0, s1);
    if (n >= 1 && !r.dry) r.dry = s0;
    if (n >= 2 && !r.wet) r.wet = s1;
  }
  return r;
}

}  // namespace

void PrnWallFrontSoil(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                      const std::string& folder) {
  bool headed = false;
  const std::string part = std::to_string(s.part);
  for (int16_t st = 0; st <= 1; ++st) {
    const StateSoil soil = SoilOfState(doc, s, st);
    const bool dry = Counts(soil.dry), wet = Counts(soil.wet);
    if (!soil.taken || (!dry && !wet)) continue;
    const std::string digits = part + std::to_string(st) + Index000(s);
    PrnBlockOpen(f);
    f.Empty();
    if (!headed) {
      PrnHeading(f, doc, 2, "前面土砂");
      f.Empty();
      headed = true;
    }
    if (dry) {
      PrnHeading(f, doc, 3, st == 0 ? "常時　水位無視" : "地震時　水位無視");
      PolygonEntry(f, doc, s, folder, "壁断面前面土水無" + digits, *soil.dry);
      PrnBlockClose(f);
    }
    if (wet) {
      if (dry) {
        PrnBlockOpen(f);
        f.Empty();
      }
      PrnHeading(f, doc, 3, st == 0 ? "常時　水位考慮" : "地震時　水位考慮");
      // Both states' files carry 常時; the state digit keeps them apart.
      PolygonEntry(f, doc, s, folder, "壁断面前面土常時水有" + digits, *soil.wet);
      PrnBlockClose(f);
    }
  }
}

}  // namespace norva
