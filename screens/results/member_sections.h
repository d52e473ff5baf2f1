#pragma once
// The stem check sections of a wall part as the member-stress screen edits
// them: heights in metres above the root of the wall front, ascending, entry
// 0 the root itself. Sections are added through the add dialog and deleted
// one at a time; after every change that touched the list the stem stresses
// of the part are recalculated for every load case.
//
// Tolerances: a height within 0.00001 of 0 is the root (never deleted); two
// heights within 0.001 are the same section.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace norva {

class CDocument;
class IMessageSink;

// The wall part shown on tab page `page`: 1 only for page 1 of a mixed wall
// (its lower wall); a wall that is not mixed lives on page 1 as part 0.
int16_t PagePart(int32_t wallType, int page);

// Height of the wall front of the part, from its root to its top (m): the
// lower wall of a mixed wall from outline point 0 to 1, otherwise from
// point 2 to point 5.
double FrontHeight(const CDocument& doc, int16_t part);

// A height as the section list shows it ("##0.000", no leading blanks).
std::string SectionText(double y);
std::vector<std::string> SectionTexts(const CDocument& doc, int16_t part);

// The add dialog's button: appends y to the part (unsorted) unless it lies at
// or above the top of the wall front or within 0.001 of a section there is.
// The message to show (information icon) says which.
struct AddOutcome {
  bool added = false;
  std::string message;
};
AddOutcome AddCheckSection(CDocument& doc, int16_t part, double y);

// Sorts the heights of the part ascending.
void SortCheckSections(CDocument& doc, int16_t part);

// The list entry to select for a height: the last section within 0.001 of
// it, or 0 when there is none.
int SectionToSelect(const CDocument& doc, int16_t part, double height);

// What a section button needs around it.
struct SectionActions {
  // The add dialog for the part, modal; returns when the user closed it.
  std::function<void(int16_t part)> addDialog;
  // Recalculates the stem stresses of one load case of the part.
  std::function<void(int32_t caseNo, int16_t part)> recalc;
};

// The list after a button: whether the sections changed (the part was then
// recalculated for every case), and the entry to select.
struct SectionClick {
  bool changed = false;
  int16_t part = 0;
  int select = 0;
};

// cmdWallSecPos(index): index 0, 1 on page 0 and 2, 3 on page 1; even adds,
// odd deletes. `selected` is the list's selected entry (-1 none).
//   Delete: the root is refused with a message; any other section is
//   deleted after the question (OK / Cancel) and the section below it is
//   selected. Nothing selected: nothing happens.
//   Add: runs the dialog; when sections were added they are sorted and the
//   one added last is selected.
SectionClick SectionButton(CDocument& doc, int index, int selected, const SectionActions& actions,
                           IMessageSink& sink);

}  // namespace norva
