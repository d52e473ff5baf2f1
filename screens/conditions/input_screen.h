#pragma once
// What the basic-data and stability-conditions screens share: the document,
// the hint box, the previous/next buttons and the number boxes bound to the
// document through a field table (hint on entering a box; on leaving it the
// value goes back into its member, unless the box only shows a stored value
// it cannot hold, then the screen's derived values and form state).
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "platform/controls/number_box.h"
#include "platform/controls/text_box.h"
#include "screens/bound_boxes.h"
#include "screens/conditions/conditions_rules.h"
#include "shell/screen.h"

namespace norva {

class InputScreen : public QWidget, public IScreen {
  Q_OBJECT

 public:
  void SetDoc(CDocument* doc) override { doc_ = doc; }
  CDocument* Doc() const { return doc_; }
  int16_t No() const override { return no_; }
  QWidget* Widget() override { return this; }

  // The box of the table named `name` with that Index (-1: no array member).
  NumberBox* Box(const char* name, int index = -1) const;
  // Every bound box, in table order.
  std::vector<NumberBox*> Boxes() const;

  TextArea* imtHelp = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;

 protected:
  InputScreen(int16_t no, const char* objectName);

  // Creates the boxes of the table as children of `parent`.
  void AddFields(std::span<const NumField> fields, QWidget* parent);
  // SetNumBox of every box of the table named `name` (all boxes when null).
  void FillBoxes(const char* name = nullptr);
  // After a box was left and its value written: derived members. `typed`
  // tells whether the user typed into it since entering it.
  virtual void AfterLeave(const NumField& field, bool typed);
  // A row of a grid: label, the box named `box` with that Index, unit label.
  void PlaceRow(QGridLayout* grid, int row, QLabel* label, const char* box, int index,
                QLabel* unit);
  // The screen's layout: two columns side by side over the hint box and the
  // button strip; Tab runs down each column in turn.
  void LayOutColumns(QWidget* left, QWidget* right);
  // Runs fn on the document unless there is none; exceptions become messages.
  void Run(const std::function<void(CDocument&)>& fn);

  CDocument* doc_ = nullptr;

 private:
  void Leave(size_t i);
  int16_t no_;
  BoundBoxes<NumField> bound_;
  std::vector<bool> typed_;  // per bound box: typed into since entered
};

}  // namespace norva
