#pragma once
// The two summary drawings of the main window's right-hand panel: the design
// data of the active document and the stability results of a calculated one.
// Both draw on a Canvas, so they can be checked without a screen.
#include <string>

#include "drawing/base/canvas.h"

namespace norva {

class CDocument;

// Colours of the judgments (Windows colour numbers &HBBGGRR).
inline constexpr uint32_t kJudgeBlack = 0x000000;
inline constexpr uint32_t kJudgeRed = 0x0000FF;
inline constexpr uint32_t kJudgeBlue = 0xFF0000;

// Title, unit system, guideline, wall type and earth-pressure formula of the
// document on a space 1000 wide and `height` tall; a null document clears the
// surface. Returns the bottom of the last line (0 without a document). A
// surface shorter than that is made taller and drawn again with `height`
// grown in the same ratio, so the text keeps its size and its breaks.
double DrawDataSummary(Canvas& surface, const CDocument* doc, double height = 1000);

// Sizes that the result drawing needs from its window, in twips: the
// scrolling viewport, the dialog-frame widths and a vertical scroll bar.
struct ResultPanelFrame {
  double viewportWidth = 0;
  double viewportHeight = 0;
  double frameX = 0;
  double frameY = 0;
  double scrollBar = 0;
};

// Size (twips) the drawing takes; 0 x 0 when nothing is drawn.
struct ResultPanelSize {
  double width = 0;
  double height = 0;
};

// The checks of every load case of a calculated document (inputs complete
// and results present); otherwise the surface is cleared.
ResultPanelSize DrawResultSummary(Canvas& surface, const CDocument* doc,
                                  const ResultPanelFrame& frame);

// The judged text lines of one case, as the panel draws them (exposed for
// the tests of the signs and colours).
struct JudgedLine {
  std::string text;
  uint32_t color = kJudgeBlack;
};
JudgedLine ThrustLine(double Xd, double Xh);
JudgedLine SafetyLine(const char* name, double value, double allowed);
JudgedLine EccentricityLine(double E, double Ea, double caseEa, int wallType);
// caseEa: the case's divisor of the allowed eccentricity (Ea = B / caseEa).
JudgedLine LeaningLine(double D, double Breadth, double Ea, double caseEa);

}  // namespace norva
