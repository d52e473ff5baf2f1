#pragma once
// Every number box of the wall-section screen, listed once: its name and
// Index, the document member it shows and writes, its range and display,
// its caption and hint, and what follows when the box is left.
#include <cstdint>
#include <span>

#include "screens/box_field.h"

namespace norva {

// What leaving the box does after writing its member.
enum class KutaiAfter {
  kNone,
  kBlockBase,  // block base-width rule (block page boxes)
  kFootingB,   // WallB := BlkB
  kBlkH2,      // refused above BlkH1
  kGravity,    // front-slope rule (GrwB1 >= 0)
  kGravityB,   // WallB := GrwB, then the front-slope rule
  kLeaning,    // leaning rules of the box's Index
  kMixed,      // mixed wall height
  kMixedB,     // WallB := GrwB, then the mixed wall height
  kKeisya,     // front-slope rule (GrwB1 > 0)
  kNori,       // slope angle shown
  kLength,     // no refresh and no highlight
  kDisplay,    // shows a derived value only: no hint, nothing on leaving
};

// A bound box of the screen with its caption and unit and what leaving it
// does. The constructor takes the table's column order.
struct KutaiField : BoxField {
  constexpr KutaiField(const char* name, int index, double (*get)(const CDocument&),
                       void (*set)(CDocument&, double), double lo, double hi, const char* mask,
                       const char* caption, const char* symbol, const char* subscript,
                       const char* unit, const char* tag, KutaiAfter after, int16_t page)
      : BoxField{name, index, lo, hi, mask, get, set, tag},
        caption(caption),
        symbol(symbol),
        subscript(subscript),
        unit(unit),
        after(after),
        page(page) {}

  // index -1: a single box; a display box has no setter (nothing is written
  // back).
  const char* caption;    // the label before the box
  const char* symbol;     // the letter of the dimension ("" none)
  const char* subscript;  // of the letter ("" none)
  const char* unit;       // "(m)", "(度)" or ""
  KutaiAfter after;
  int16_t page;  // wall-type page 0..3, or -1 a common box
};

std::span<const KutaiField> KutaiFields();

}  // namespace norva
