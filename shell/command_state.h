#pragma once
// Small services of the shell used from many places: command enabling, the
// help line of the screens, calculation progress, the two summary panels,
// printer setup and the operating-system text of the version window.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>
#include <cstdint>
#include <string>

#include "document/services.h"

namespace norva {

class CDocument;

// Enables the commands of the main window and of the navigation bar from the
// number of open documents and, when doc is given, from its input state.
// Commands whose window does not exist yet stay disabled.
void UpdateCommandState(const CDocument* doc);

// Puts text (or, when empty, the default hint) into the help box `target`
// (a QLineEdit, QLabel, QTextEdit or a widget with a "text" property).
// An empty text shows the box's resting text (SetIdleHint), else the default
// hint. A notice (ShowNotice) comes first on the line until a non-empty hint
// has been shown with it.
void ShowHint(QWidget* target, const std::string& text);
inline constexpr const char* kDefaultHint = "ここに説明が表示されます。";
// Puts a notice (why an entry was refused) on the help box: it stays through
// the box left and the hint of the box entered next, then goes.
void ShowNotice(QWidget* target, const std::string& notice);
// The resting text of the help box instead of the default hint (empty: the
// default again); shown at once when the box shows its resting text.
void SetIdleHint(QWidget* target, const std::string& text);

// The progress window of a calculation run.
class frmProg : public QWidget {
  Q_OBJECT
 public:
  explicit frmProg(QWidget* owner);
  QProgressBar* prgCalc = nullptr;
  QLabel* lblMesCalc = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;  // the run cannot be cancelled
};

// The progress window while it exists (created on demand by ShowCalcProgress).
frmProg* ProgressWindow();
frmProg* LoadProgressWindow();
// Loads the window and shows it centred on the main window (on the screen
// when there is none).
frmProg* ShowProgressWindow();
void UnloadProgressWindow();

// Writes the message (also an empty one) and, for percent >= 0, the bar value
// percent * (gProgressTo - gProgressFrom) / 100 + gProgressFrom rounded half
// to even; then lets the window repaint.
void ShowCalcProgress(int32_t percent, const std::string& message);
// The bar value ShowCalcProgress sets for percent (>= 0).
int32_t ProgressBarValue(int32_t percent, int32_t from, int32_t to);
// ShowCalcProgress as the calculation's progress interface.
IProgress& ShellProgress();

// Redraw the design-data and stability-result panels for doc (or clear them).
void UpdateDataSummary(const CDocument* doc);
void UpdateResultSummary(const CDocument* doc);
// Draws the result panel again for the document it showed last (after the
// panel changed its size); an empty panel when that document is gone.
void RedrawResultSummary();

// The printer-setup dialog on gPrinterSettings.
void PrinterSetup();

// Name and version of the running operating system.
std::string GetWindowsVersionText();

}  // namespace norva
