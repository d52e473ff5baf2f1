#pragma once
// What the load dialogs share: the apply question, writing into the screen
// the document shows, number boxes with their captions, a fraction of two
// lines for the formulas, a figure canvas, and the runners the loads screen
// calls (each shows its dialog modal and returns when it is closed).
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas/canvas_render.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;
class cDraw;
class NumberBox;

inline constexpr const char* kApplyQuestion = "入力値を変更してもよろしいですか？";

// Asks the apply question (Yes / No); true for Yes.
bool AskApply();

// The screen the document shows (its DataForm), or null.
QWidget* DataFormWidget(const CDocument& doc);
// Writes into the number box `name` with Index `index` of that screen (no
// screen or no such box: nothing happens).
void SetScreenBox(const CDocument& doc, const char* name, int index, double v);

// The buttons at the foot of a calculator: `apply` with its caption and
// cmdClose "閉じる(&C)", which closes the dialog without writing.
QHBoxLayout* ApplyCloseRow(QDialog* dlg, const QString& applyCaption, QPushButton** apply,
                           QPushButton** close);

// A list's items with no item selected, without running its Click handler.
void FillListQuietly(QComboBox* list, const std::vector<std::string>& items);

// Row `row` of a table as its heading row: centred static texts that can
// never become the active cell.
void SetHeadingRow(SpreadGrid* grid, int row, const QStringList& headings);

// A label whose text may hold rich text (superscripts in formulas).
QLabel* NewLabel(const QString& text, QWidget* parent);
// Two rows over each other with a rule between them: a fraction whose parts
// may hold labels and boxes.
QWidget* NewFraction(const QList<QWidget*>& numerator, const QList<QWidget*>& denominator,
                     QWidget* parent);

// A figure canvas: Redraw clears it, gives it the widget's size in twips as
// its coordinate extent (origin 0, 0) and calls `draw` with a cDraw of that
// width and height. A change of size draws again.
class FigureCanvas : public CanvasWidget {
  Q_OBJECT

 public:
  FigureCanvas(std::function<void(cDraw&)> draw, QWidget* parent);
  void Redraw();

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  std::function<void(cDraw&)> draw_;
};

// The runners of the loads screen's buttons (the screen refreshes itself
// after each one returns).
void RunJyousai(CDocument& doc, QWidget* owner);
void RunGunsyu(CDocument& doc, NumberBox* imnLoad, QWidget* owner);
void RunWind(CDocument& doc, QWidget* owner);
void RunAutoCrash(CDocument& doc, QWidget* owner);
void RunStoneCrash(CDocument& doc, QWidget* owner);
void RunNinni(CDocument& doc, QWidget* owner);

}  // namespace norva
