#pragma once
// A document taken the whole way a user takes it: the calculation (the water
// level search first when the document asks for it), every registered
// report chapter with every load case, and the drawing sheet on paper and
// in SXF units. What is checked on the way:
// - no NaN or infinity is left anywhere in the document's results or weight
//   polygons;
// - the report markup holds no "nan" or "inf", no sentinel (-1.7E+10,
//   -1.79769313486231E+308, the reaction 1E+10) and no number of ten or more
//   integer digits or with an exponent beyond 8 or below -99;
// - the report's pictures record nothing that is not finite;
// - the sheet either refuses the document before anything is drawn, or
//   draws nothing that is not finite; and a figure that fits its paper at
//   the chosen scale leaves nothing off the paper.
// Shared by the fuzz target and the sweep test; plain C++, no Qt.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace norva {

class CDocument;

namespace pipeline {

struct Findings {
  std::vector<std::string> problems;  // empty: every check held
  bool sheetDrawn = false;            // false: the sheet refused the document
  bool sheetFits = false;             // the figure fits the paper at its scale
  std::size_t markupBytes = 0;
};

// Takes doc through the calculation, the report and the sheet. programDir
// holds the shipped figures in resource/. Messages to the user are
// swallowed; the report's pictures are recorded, not saved.
Findings RunDocument(CDocument& doc, const std::string& programDir);

// The problems of CP932 report markup (see above), each naming the line.
std::vector<std::string> MarkupProblems(const std::string& cp932);

// Replaces the texts a user types (title, load-case names, names of the
// other loads) by fixed texts without digits: they are printed as typed, so
// a digit string in them is no number the report formatted.
void PlainTexts(CDocument& doc);

// Makes doc (one of the sample designs, already read) a random wall of its
// type: its lengths scaled together and each jittered, its gradients, water,
// seismic and check options, scale, paper and margins drawn at random within
// what the input screens allow.
void RandomizeWall(CDocument& doc, std::mt19937& rng);

}  // namespace pipeline
}  // namespace norva
