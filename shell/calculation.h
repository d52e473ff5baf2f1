#pragma once
// The calculation run of the main window: the stability results of one
// document, with the progress window, while the main window and the
// navigation bar are disabled.
namespace norva {

class CDocument;

// The two calculation steps. Each returns false when it could not run; the
// user has been told why.
bool RunWaterLevelSearch(CDocument& doc);
bool RunStabilityCalculation(CDocument& doc);

// Steps of the run shared by the screens that calculate: progress window,
// disabled commands, the water-level search when the design asks for it,
// the stability calculation. True when both steps ran.
bool CalculateWithProgress(CDocument& doc);

// CalculateWithProgress, then the results are marked present and the result
// summary is redrawn. True when the results were computed.
bool RecalculateDocument(CDocument& doc);

// The button "安定計算結果更新": RecalculateDocument on the active document.
void cmdAntResApply_Click();

// True while a run is in progress.
bool CalculationRunning();

}  // namespace norva
