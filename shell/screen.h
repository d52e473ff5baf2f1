#pragma once
// The screen protocol of a document's six screens, and the windows of other
// parts of the program that the shell opens. The program's entry registers
// every window here (screens/register_windows.h); a screen not registered is
// not shown, and the command of a missing window stays disabled.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "document/ref_ini_data.h"

namespace norva {

class CDocument;

// A screen of the document wizard (0 basic data … 5 member stresses). The
// screen is a widget; the shell puts it into the document's child window.
class IScreen {
 public:
  virtual ~IScreen() = default;
  // The document the screen edits; set before DataSet.
  virtual void SetDoc(CDocument* doc) = 0;
  virtual int16_t No() const = 0;
  // Fills every control from the document.
  virtual void DataSet() = 0;
  // Enables and relabels the controls from the document's codes.
  virtual void SetFormState() = 0;
  virtual QWidget* Widget() = 0;
  // The program closes the screen's window (the document moves to another
  // screen): the screen may tidy the document before it goes.
  virtual void UnloadByCode() {}
};

struct ShellWindows {
  // Screen `no`: a new, parentless screen widget.
  std::function<IScreen*(int no)> makeScreen[6];
  // The initial-conditions dialog, modal; fields in and out; showOpen shows
  // its read-from-file button. Returns its EndState (0 cancelled).
  std::function<int16_t(CDocument& doc, IniDataFields& fields, bool showOpen, QWidget* owner)>
      iniData;
  // The report selection in mode 0 print, 1 preview, 2 word processor.
  std::function<void(CDocument& doc, int16_t mode, QWidget* owner)> reportDialog;
  // Drawing-sheet options; sheetChoices false for the quantity table.
  // Returns nEndState (1 accepted).
  std::function<int16_t(CDocument& doc, bool sheetChoices, QWidget* owner)> sheetOptions;
  std::function<void(CDocument& doc, QWidget* owner)> quantityTable;
  std::function<void(CDocument& doc, QWidget* owner)> sheetPreview;
  // The dimensioned view (modeless) and its repaint.
  std::function<void(QWidget* owner)> dimensionView;
  std::function<void()> refreshDimensionView;
  // The report-style dialog for the style file in docPath.
  std::function<void(const std::string& docPath, QWidget* owner)> printStyle;
};

// The registry; empty entries are windows not available.
ShellWindows& Windows();

// A new screen: the registered one; null when none is registered.
IScreen* CreateScreen(int no);

}  // namespace norva
