#include "calc/member/wall_force.h"
#include "document/document.h"
#include "document/numeric.h"
#include "report/driver/prn_file.h"
#include "report/members/member_lists.h"
#include "report/members/wall_hooks.h"
#include "report/members/wall_section.h"

namespace norva {

WallCheckSection MakeWallCheckSection(const CDocument& doc, int16_t part, int index) {
  WallCheckSection s;
  s.part = part;
  s.index = index;
  DPoint crest1, crest2;
  MakeKutaiOutline(doc, s.outline, crest1, crest2, 0);
  s.y = WallCheckHeight(doc, s.outline, part, index);
  s.ref = {WallSectionRefX(doc, s.outline, part, s.y, WallForceUse::kStem), s.y};
  return s;
}

void PrnWall(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  for (int i = 0; i < doc.nWallSecCnt(part); ++i) {
    const WallCheckSection s = MakeWallCheckSection(doc, part, i);
    if (i > 0) PrnPageBreak(f);
    PrnWallKutai(f, doc, s, folder);
    PrnWallFuryoku(f, doc, s, folder);
    PrnWallFrontSoil(f, doc, s, folder);
    PrnWallSection(f, doc, s, folder);
  }
  PrnWallList(f, doc, part);
}

}  // namespace norva
