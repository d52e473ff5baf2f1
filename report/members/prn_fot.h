#pragma once
// The toe-slab chapter (つま先版の断面計算): the slab's weight, buoyancy, front
// soil and uplift once, then four per-case items over the cases ticked in
// PrnSel().PrnFotCases, each item over every case before the next starts,
// and the summary table.
//
// Lengths are the ones the toe-slab check used: the slab runs from the toe
// (outline point 0) to the section under the front face (point 2 less the
// record's SecX), the base from point 0 to point 4. Each case takes the
// state (normal or seismic) its check took (RunState).
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// The whole chapter. Figures go to <folder>/底版面積.svg, 底版浮力<state>.svg
// and 底版前面土<state 00><kind 00>.svg. Throws ReportError when a figure
// cannot be saved.
void PrnFot(PrnFile& f, const CDocument& doc, const std::string& folder);

// Per-case items. Each writes its heading while flag is 0 and then sets it;
// a case without a record (or, for the other loads, without loads on the
// slab) writes nothing.
void PrnFotHanryoku(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);
void PrnFotNiniLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);
void PrnFotForceSum(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);
void PrnFotStress(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);

// Puts PrnFot and PrnTokki into the report's writer registry.
void RegisterFotTokWriters();

}  // namespace norva
