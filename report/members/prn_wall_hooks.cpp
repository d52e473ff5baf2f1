// The dispatcher of the per-case items of a stem check section.
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
#include "report/members/wall_hooks.h"
#include "report/members/wall_section.h"

namespace norva {

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
