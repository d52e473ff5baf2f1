#pragma once
// The number boxes of a screen or dialog bound to the document through the
// rows of its field table (BoxField or a row derived from it): one fill and
// one write-back for every screen.
//
// Fill shows each member with SetNumBox: a member outside the box's range
// (a null among them) leaves the box blank and held, and a held box writes
// nothing back, so a stored value the box cannot show survives leaving it.
// WriteBack stores the box's value (kNullBox when it is blank) through the
// row's setter; a row without a setter writes nothing.
#include <QObject>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/controls/control_helpers.h"
#include "platform/controls/number_box.h"
#include "screens/box_field.h"

namespace norva {

template <class Row = BoxField>
class BoundBoxes {
 public:
  struct Entry {
    NumberBox* box;
    const Row* row;
  };

  // A box with the row's range, display mask and hint (no name: the caller
  // names it, as a single control or through its control array).
  static NumberBox* MakeBox(const Row& row, QWidget* parent) {
    auto* box = new NumberBox(row.lo, row.hi, QString::fromUtf8(row.mask), parent);
    if (row.tag != nullptr) box->SetTag(QString::fromUtf8(row.tag));
    return box;
  }

  // Binds `box` to `row`, which must outlive the binding; returns the box.
  NumberBox* Bind(NumberBox* box, const Row& row) {
    entries_.push_back({box, &row});
    return box;
  }

  // Shows the member of every bound box the filter accepts (all without one),
  // in the order they were bound.
  void Fill(const CDocument& doc, const std::function<bool(const Row&)>& which = {}) const {
    for (const Entry& e : entries_)
      if (!which || which(*e.row)) SetNumBox(e.box, e.row->get(doc));
  }

  // The box's value into its member unless the row has no setter or the box
  // holds a stored value it cannot show. True when written.
  static bool WriteBack(const Entry& e, CDocument& doc) {
    if (e.row->set == nullptr || !NumBoxWritesBack(e.box)) return false;
    e.row->set(doc, GetNumBox(e.box));
    return true;
  }

  // WriteBack of every bound box, in the order they were bound (a dialog's
  // apply).
  void WriteBackAll(CDocument& doc) const {
    for (const Entry& e : entries_) WriteBack(e, doc);
  }

  // The entry of the box, or of the row named `name` with that Index; null
  // when there is none.
  const Entry* Of(const QObject* box) const {
    for (const Entry& e : entries_)
      if (e.box == box) return &e;
    return nullptr;
  }
  const Entry* Find(const char* name, int index) const {
    for (const Entry& e : entries_)
      if (e.row->index == index && std::strcmp(name, e.row->name) == 0) return &e;
    return nullptr;
  }
  NumberBox* Box(const char* name, int index) const {
    const Entry* e = Find(name, index);
    return e ? e->box : nullptr;
  }

  const std::vector<Entry>& Entries() const { return entries_; }
  std::vector<NumberBox*> Boxes() const {
    std::vector<NumberBox*> out;
    for (const Entry& e : entries_) out.push_back(e.box);
    return out;
  }
  void Reserve(size_t n) { entries_.reserve(n); }

 private:
  std::vector<Entry> entries_;
};

// True when the row is named `name` (and, for index >= 0, has that Index).
inline bool RowNamed(const BoxField& row, const char* name, int index = -1) {
  return std::strcmp(row.name, name) == 0 && (index < 0 || row.index == index);
}

}  // namespace norva
