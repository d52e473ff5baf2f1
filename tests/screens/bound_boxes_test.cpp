// The one binding of number boxes to document members, walked over the box
// table of every input screen: each box fills from the member it writes, a
// box writes only its own member, a stored value the box cannot show
// survives leaving the box, and a cleared box stores the blank.
#include "screens/bound_boxes.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/nulls.h"
#include "screens/conditions/conditions_rules.h"
#include "screens/loads/kajyu_fields.h"
#include "screens/section/kutai_fields.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

// The rows of a table as plain BoxField rows (the screens derive theirs).
template <class Row>
std::vector<const BoxField*> Rows(std::span<const Row> table) {
  std::vector<const BoxField*> out;
  for (const Row& r : table) out.push_back(&r);
  return out;
}

std::string RowName(const BoxField& f) {
  return std::string(f.name) + "[" + std::to_string(f.index) + "]";
}

// Every other row's member as the document holds it; rows that share the
// member of `self` (the same getter) are left out.
std::vector<double> Others(const std::vector<const BoxField*>& rows, const BoxField& self,
                           const CDocument& d) {
  std::vector<double> out;
  for (const BoxField* r : rows)
    if (r->get != self.get) out.push_back(r->get(d));
  return out;
}

TEST(BoundBoxes, EveryScreenTableFillsAndWritesBackEachBoxThroughItsOwnMember) {
  test::App();
  struct Table {
    const char* name;
    std::vector<const BoxField*> rows;
    bool shared;  // pages of one wall type each: a member may have a box on each
  };
  const Table tables[] = {
      {"basic data", Rows(KihonFields()), false},
      {"stability conditions", Rows(AnteiFields()), false},
      {"wall section", Rows(KutaiFields()), true},
      {"loads", Rows(KajyuFields()), false},
  };
  for (const Table& t : tables) {
    SCOPED_TRACE(t.name);
    ASSERT_FALSE(t.rows.empty());
    for (const BoxField* row : t.rows) {
      SCOPED_TRACE(RowName(*row));
      if (!t.shared)
        for (const BoxField* other : t.rows)
          if (other != row) {
            EXPECT_NE(other->get, row->get) << "shares with " << RowName(*other);
          }
      if (row->set == nullptr) continue;  // a display box: covered below
      QWidget parent;
      BoundBoxes<> bound;
      NumberBox* box = bound.Bind(BoundBoxes<>::MakeBox(*row, &parent), *row);
      const auto& entry = bound.Entries().front();
      // A value inside the range that no default holds: 37 % of the way up.
      const double v = row->lo + 0.37 * (row->hi - row->lo);

      // Typed into the box and left: the member, and only it, takes it.
      CDocument d;
      const std::vector<double> before = Others(t.rows, *row, d);
      box->SetValue(v);
      EXPECT_TRUE(bound.WriteBack(entry, d));
      EXPECT_EQ(row->get(d), v);
      EXPECT_EQ(Others(t.rows, *row, d), before) << "wrote another member";

      // A fresh box fills from that member.
      box->SetBlank();
      bound.Fill(d);
      EXPECT_FALSE(box->IsBlank());
      EXPECT_EQ(GetNumBox(box), v);

      // A stored value above the range shows blank and survives leaving.
      const double stored = row->hi + 1;
      row->set(d, stored);
      bound.Fill(d);
      EXPECT_TRUE(box->IsBlankHeld());
      EXPECT_FALSE(bound.WriteBack(entry, d));
      EXPECT_EQ(row->get(d), stored);

      // Cleared by the user: the member takes the blank.
      box->SetBlank();
      EXPECT_TRUE(bound.WriteBack(entry, d));
      EXPECT_EQ(row->get(d), kNullBox);
    }
  }
}

// Two boxes on one member through a display row: the display row fills but
// never writes; a filter fills only the rows it names, in any table order.
TEST(BoundBoxes, DisplayRowsWriteNothingAndAFilterFillsOnlyItsRows) {
  test::App();
  static double (*const get)(const CDocument&) = [](const CDocument& d) { return d.WallH; };
  static void (*const set)(CDocument&, double) = [](CDocument& d, double v) { d.WallH = v; };
  const BoxField rows[] = {
      {"imnA", 0, 0, 99.999, "#0.000", get, set, "hint"},
      {"imnA", 1, 0, 99.999, "#0.000", get, nullptr, nullptr},
      {"imnB", -1, 0, 99.999, "#0.000", get, set, nullptr},
  };
  QWidget parent;
  BoundBoxes<> bound;
  for (const BoxField& r : rows) bound.Bind(BoundBoxes<>::MakeBox(r, &parent), r);
  NumberBox* a0 = bound.Box("imnA", 0);
  NumberBox* a1 = bound.Box("imnA", 1);
  NumberBox* b = bound.Box("imnB", -1);
  ASSERT_TRUE(a0 && a1 && b);
  EXPECT_EQ(bound.Box("imnA", 2), nullptr);
  EXPECT_EQ(bound.Box("imnB", 0), nullptr);
  EXPECT_EQ(a0->Tag(), QStringLiteral("hint"));
  EXPECT_TRUE(b->Tag().isEmpty());

  CDocument d;
  d.WallH = 4.5;
  bound.Fill(d, [](const BoxField& f) { return RowNamed(f, "imnA"); });
  EXPECT_EQ(GetNumBox(a0), 4.5);
  EXPECT_EQ(GetNumBox(a1), 4.5);
  EXPECT_TRUE(b->IsBlank());

  a1->SetValue(7.25);
  EXPECT_FALSE(bound.WriteBack(*bound.Of(a1), d));
  EXPECT_EQ(d.WallH, 4.5);
  b->SetValue(2.0);
  bound.WriteBackAll(d);  // a0 (4.5), then the display row, then b (2.0)
  EXPECT_EQ(d.WallH, 2.0);
}

}  // namespace
}  // namespace norva
