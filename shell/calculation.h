#pragma once
// The calculation run of the main window: the stability results of one
// document, with the progress window, while the main window and the
// navigation bar are disabled.
#include <string>

namespace norva {

class CDocument;

// The two calculation steps. Each returns false when it could not run; the
// user has been told why.
bool RunWaterLevelSearch(CDocument& doc);
bool RunStabilityCalculation(CDocument& doc);

// What stops or spoils a run, checked before it: a screen of screens 0 to 3
// left incomplete (the input flags are recomputed) stops it; a section
// without height or base width is named, and the run goes on to tell each
// case's reason. An empty message: nothing to say.
struct RunInputCheck {
  std::string message;
  bool stops = false;
};
RunInputCheck InputProblemBeforeRun(CDocument& doc);

// Steps of the run shared by the screens that calculate: the input check above
// (its message first; an incomplete screen ends the run there), progress window,
// disabled commands, the water-level search when the design asks for it,
// the stability calculation. True when both steps ran.
bool CalculateWithProgress(CDocument& doc);

// CalculateWithProgress, then the results are marked present, the result
// summary is redrawn and the screen on show is filled again. True when the
// results were computed.
bool RecalculateDocument(CDocument& doc);

// The button "安定計算結果更新": RecalculateDocument on the active document.
void cmdAntResApply_Click();

// True while a run is in progress.
bool CalculationRunning();

// Results on show must belong to the inputs on show. MarkResultsCurrent marks
// the stability results present (bInpSt(4)) and remembers the inputs they
// were computed from (the document's file bytes). DropStaleResults, when the
// inputs differ from those, marks the stability and member results absent
// and clears the result panel of the active document; true when it dropped
// them. A document never marked current has nothing to drop.
void MarkResultsCurrent(CDocument& doc);
bool DropStaleResults(CDocument& doc);

}  // namespace norva
