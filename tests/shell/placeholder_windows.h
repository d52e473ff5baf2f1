#pragma once
// Plain stand-ins for the document screens and the initial-conditions dialog,
// for tests of the shell that do without the real windows (shell/screen.h).
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "document/ref_ini_data.h"
#include "shell/screen.h"

namespace norva::test {

class PlaceholderScreen : public QWidget, public IScreen {
  Q_OBJECT
 public:
  explicit PlaceholderScreen(int no);
  void SetDoc(CDocument* doc) override { doc_ = doc; }
  int16_t No() const override { return no_; }
  void DataSet() override;
  void SetFormState() override;
  QWidget* Widget() override { return this; }

  QLabel* lblState = nullptr;
  QPushButton* cmdBack = nullptr;
  QPushButton* cmdNext = nullptr;

 private:
  int16_t no_;
  CDocument* doc_ = nullptr;
};

IScreen* MakePlaceholderScreen(int no);

// Caption of screen no (0..5) as the navigation shows it.
QString ScreenCaption(int no);

// A simple initial-conditions dialog: title, guideline, wall type and
// earth-pressure formula, and (for a new document) reading them from a file.
int16_t RunPlaceholderIniData(CDocument& doc, IniDataFields& fields, bool showOpen, QWidget* owner);

// Fills every empty window slot of the shell with the stand-ins above.
void RegisterPlaceholderWindows();

}  // namespace norva::test
