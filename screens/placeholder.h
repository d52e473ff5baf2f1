#pragma once
// Plain stand-ins for the document screens and the initial-conditions dialog
// until the real ones are registered with the shell (shell/screen.h).
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "document/ref_ini_data.h"
#include "shell/screen.h"

namespace norva {

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

// The read-from-file button of the initial-conditions dialog: the open-file
// dialog with the recent files, then the template read into doc. Returns
// RefIniData's result (0 nothing read, 1 browsed, 2 + i recent entry i) and,
// on success, the four conditions read.
int16_t ReadIniTemplate(CDocument& doc, IniDataFields& read);

// A simple initial-conditions dialog: title, guideline, wall type and
// earth-pressure formula, and (for a new document) reading them from a file.
int16_t RunPlaceholderIniData(CDocument& doc, IniDataFields& fields, bool showOpen,
                              QWidget* owner);

}  // namespace norva
