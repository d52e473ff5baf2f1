// Minimal bodies of the section items another report area supplies (see
// wall_hooks.h): the section heading alone, and the dispatcher of the
// per-case items.
#include "report/members/wall_hooks.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "calc/member/wall_force.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/member_lists.h"
#include "report/members/wall_section.h"

namespace norva {

void PrnWallKutai(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                  const std::string& /*folder*/) {
  const std::string n = WallSectionNumeral(s.index);
  const double at = doc.WallSecY(s.part, s.index);
  PrnBlockOpen(f);
  if (doc.WallType() == 3) {
    f.Empty();
    f.Line(s.part == 0 ? "<H1>上部擁壁の断面計算</H1>" : "<H1>下部擁壁の断面計算</H1>");
    f.Line("<H2>@－@断面 (照査位置:#.###)</H2>", {n, n, at});
  } else {
    f.Line("<H1>たて壁(@－@断面)の断面計算 (照査位置:#.###)</H1>", {n, n, at});
  }
  PrnBlockClose(f);
}

void PrnWallFrontSoil(PrnFile& /*f*/, const CDocument& /*doc*/, const WallCheckSection& /*s*/,
                      const std::string& /*folder*/) {}

void PrnWallDoatsu(PrnFile& /*f*/, const CDocument& /*doc*/, const WallCheckSection& /*s*/,
                   int32_t /*k*/, const std::string& /*folder*/, int16_t& /*flag*/) {}

void PrnWallSection(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                    const std::string& folder) {
  const std::vector<int32_t> cases = PrnReportedCases(doc, PrnSel().PrnWallCases);
  auto run = [&](const std::function<void(int32_t, int16_t&)>& item) {
    int16_t flag = 0;
    for (int32_t k : cases) item(k, flag);
  };
  run([&](int32_t k, int16_t& flag) { PrnWallDoatsu(f, doc, s, k, folder, flag); });
  if (doc.nWater != 0) {
    run([&](int32_t k, int16_t& flag) {
      const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
      if (c && c->nWater != 0) PrnWallSuiatsu(f, doc, s, k, flag);
    });
  }
  if (WallTakesFaceReaction(doc)) {
    run([&](int32_t k, int16_t& flag) { PrnWallHanryoku(f, doc, s, k, flag); });
  }
  if (!(doc.WallType() == 3 && s.part != 0)) {
    run([&](int32_t k, int16_t& flag) { PrnHorzLoadWall(f, doc, s, k, flag); });
  }
  run([&](int32_t k, int16_t& flag) { PrnNiniLoadWall(f, doc, s, k, flag); });
  run([&](int32_t k, int16_t& flag) { PrnWallForceSum(f, doc, s, k, flag); });
  run([&](int32_t k, int16_t& flag) { PrnWallStress(f, doc, s, k, flag); });
}

}  // namespace norva
