// Stem check sections: adding through the dialog, deleting, sorting and the
// entry selected afterwards, with a recording stand-in for the dialog and the
// recalculation (one recalculation per load case, only when the list
// changed).
#include "screens/results/member_sections.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/services.h"

namespace norva {
namespace {

class Sink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    shown.push_back(text);
    if (answers.empty()) return MsgAnswer::Ok;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<MsgAnswer> answers;
  std::vector<std::string> shown;
};

// A gravity wall whose front is 3.000 m high (crest at WallH = 3.0, front
// foot at GrwH1 = 0, level base), with two load cases.
void Gravity(CDocument& d) {
  d.SetWallType(1);
  d.WallH = 3.0;
  d.GrwH1 = 0;
  d.GrwB = 2.0;
  d.GrwB1 = 0.3;
  d.GrwB2 = 0.5;
  d.GrwB4 = 0;
  d.nKeisya = 1;
  d.SetnCase(2);
}

// A mixed wall: lower wall front MxwH2 = 2.0, blocks MxwH1 = 1.5 above it.
void Mixed(CDocument& d) {
  d.SetWallType(3);
  d.MxwH1 = 1.5;
  d.MxwH2 = 2.0;
  d.MxwH3 = 0.5;
  d.GrwB = 2.0;
  d.GrwB1 = 0.3;
  d.GrwB2 = 1.0;
  d.GrwB3 = 0.4;
  d.BlkN = 0.5;
  d.BlkT = 0.35;
  d.BlkDeltT2 = 0.1;
  d.nKeisya = 1;
  d.SetnCase(2);
}

void SetSections(CDocument& d, int16_t part, const std::vector<double>& ys) {
  d.SetnWallSecCnt(part, static_cast<int16_t>(ys.size()));
  for (size_t i = 0; i < ys.size(); ++i) d.SetWallSecY(part, static_cast<int>(i), ys[i]);
}

std::vector<double> Sections(const CDocument& d, int16_t part) {
  std::vector<double> ys;
  for (int i = 0; i < d.nWallSecCnt(part); ++i) ys.push_back(d.WallSecY(part, i));
  return ys;
}

struct Case {
  const char* name;
  void (*wall)(CDocument&);
  std::vector<double> before;
  int button;                         // cmdWallSecPos index
  int selected;                       // list entry selected when pressed
  std::vector<double> typed;          // heights added in the dialog, in order
  std::deque<MsgAnswer> answers;      // to the delete question
  std::vector<double> after;          // sections of the part afterwards
  int select;                         // entry selected afterwards
  std::vector<std::string> messages;  // shown, in order
};

TEST(MemberSections, AddAndDeleteAsTheUserDoes) {
  const std::vector<Case> cases = {
      {"the root is not deleted",
       Gravity,
       {0, 1.0},
       1,
       0,
       {},
       {},
       {0, 1.0},
       0,
       {"付け根位置は削除できません。"}},
      {"nor when it is the only section",
       Gravity,
       {0},
       1,
       0,
       {},
       {},
       {0},
       0,
       {"付け根位置は削除できません。"}},
      {"deleting index 2 of four lands on index 1",
       Gravity,
       {0, 0.5, 1.0, 2.0},
       1,
       2,
       {},
       {MsgAnswer::Ok},
       {0, 0.5, 2.0},
       1,
       {"1.000 (m)の位置を削除してもよろしいですか？"}},
      {"deleting index 1 lands on the root",
       Gravity,
       {0, 0.5, 1.0},
       1,
       1,
       {},
       {MsgAnswer::Ok},
       {0, 1.0},
       0,
       {"0.500 (m)の位置を削除してもよろしいですか？"}},
      {"a cancelled delete changes nothing",
       Gravity,
       {0, 0.5},
       1,
       1,
       {},
       {MsgAnswer::Cancel},
       {0, 0.5},
       1,
       {"0.500 (m)の位置を削除してもよろしいですか？"}},
      {"delete with nothing selected", Gravity, {0, 0.5}, 1, -1, {}, {}, {0, 0.5}, -1, {}},
      {"1.500 on a 3.000 front",
       Gravity,
       {0},
       0,
       0,
       {1.5},
       {},
       {0, 1.5},
       1,
       {"1.500 (m)の位置を追加しました。"}},
      {"the top of the front is above the wall",
       Gravity,
       {0},
       0,
       0,
       {3.0, 2.999995},
       {},
       {0},
       0,
       {"入力した断面位置は壁の高さを超えています。",
        "入力した断面位置は壁の高さを超えています。"}},
      {"0.001 apart is the same section, 0.002 is not",
       Gravity,
       {0, 1.5},
       0,
       1,
       {1.501, 1.502},
       {},
       {0, 1.5, 1.502},
       2,
       {"既に同じ位置の断面が入力されています。", "1.502 (m)の位置を追加しました。"}},
      {"two adds sorted, the last selected",
       Gravity,
       {0},
       0,
       0,
       {2.0, 1.0},
       {},
       {0, 1.0, 2.0},
       1,
       {"2.000 (m)の位置を追加しました。", "1.000 (m)の位置を追加しました。"}},
      {"closing the dialog without adding", Gravity, {0, 1.0}, 0, 1, {}, {}, {0, 1.0}, 1, {}},
      {"page 1 of a mixed wall is its lower wall",
       Mixed,
       {0},
       2,
       0,
       {1.5, 2.0},
       {},
       {0, 1.5},
       1,
       {"1.500 (m)の位置を追加しました。", "入力した断面位置は壁の高さを超えています。"}},
      {"page 0 of a mixed wall is its upper wall (1.5 high)",
       Mixed,
       {0},
       0,
       0,
       {1.4, 1.5},
       {},
       {0, 1.4},
       1,
       {"1.400 (m)の位置を追加しました。", "入力した断面位置は壁の高さを超えています。"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDocument d;
    c.wall(d);
    const int16_t part = c.wall == Mixed && c.button >= 2 ? 1 : 0;
    SetSections(d, part, c.before);
    SetSections(d, static_cast<int16_t>(1 - part), {0, 0.25});
    Sink sink;
    sink.answers = c.answers;
    std::vector<std::pair<int32_t, int16_t>> recalcs;
    int dialogs = 0;
    SectionActions actions;
    actions.addDialog = [&](int16_t p) {
      ++dialogs;
      EXPECT_EQ(p, part);
      for (double y : c.typed)
        sink.Show(kProgramTitle, AddCheckSection(d, p, y).message, MsgIcon::Information,
                  MsgButtons::Ok);
    };
    actions.recalc = [&](int32_t caseNo, int16_t p) { recalcs.emplace_back(caseNo, p); };

    const SectionClick click = SectionButton(d, c.button, c.selected, actions, sink);

    EXPECT_EQ(Sections(d, part), c.after);
    EXPECT_EQ(Sections(d, static_cast<int16_t>(1 - part)), (std::vector<double>{0, 0.25}));
    EXPECT_EQ(click.part, part);
    EXPECT_EQ(click.select, c.select);
    EXPECT_EQ(sink.shown, c.messages);
    EXPECT_EQ(dialogs, c.button % 2 == 0 ? 1 : 0);
    const bool changed = c.after != c.before;
    EXPECT_EQ(click.changed, changed);
    const std::vector<std::pair<int32_t, int16_t>> once = {{0, part}, {1, part}};
    EXPECT_EQ(recalcs, changed ? once : decltype(once){});
  }
}

TEST(MemberSections, ListTextsAndWallParts) {
  CDocument d;
  Gravity(d);
  SetSections(d, 0, {0, 0.5, 12.25});
  EXPECT_EQ(SectionTexts(d, 0), (std::vector<std::string>{"0.000", "0.500", "12.250"}));
  EXPECT_DOUBLE_EQ(FrontHeight(d, 0), 3.0);
  EXPECT_EQ(PagePart(1, 1), 0);
  EXPECT_EQ(PagePart(3, 1), 1);
  EXPECT_EQ(PagePart(3, 0), 0);
  // The last section within 0.001 of the height, or the first entry.
  SetSections(d, 0, {0, 1.0, 1.0005});
  EXPECT_EQ(SectionToSelect(d, 0, 1.0), 2);
  EXPECT_EQ(SectionToSelect(d, 0, 2.5), 0);
}

}  // namespace
}  // namespace norva
