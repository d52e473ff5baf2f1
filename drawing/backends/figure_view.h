#pragma once
// Figures on a screen's canvas widget: drawn afresh on the whole widget, one
// drawing unit a twip, when the widget is shown and again once a resize has
// settled. The figures fit themselves into the size they are given, so a
// canvas scaled in pixels would draw their texts many times too large.
#include <QObject>
#include <QSize>
#include <QTimer>
#include <functional>
#include <map>

#include "drawing/base/cdraw.h"
#include "platform/canvas/canvas_render.h"

namespace norva {

// Clears the widget's canvas, scales it to the widget's size in twips and
// hands a cDraw of that size to `draw`; then repaints the widget.
void PaintFigure(CanvasWidget* pic, const std::function<void(cDraw&)>& draw);

// Keeps figures drawn: Set() remembers how to draw a widget's figure and
// draws it at once when the widget is visible, else when it is first shown.
// A resize redraws once it has settled; a widget nobody sees is not drawn.
class FigureRedraw : public QObject {
 public:
  explicit FigureRedraw(QObject* parent) : QObject(parent) {}
  void Set(CanvasWidget* pic, std::function<void()> draw);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  struct Entry {
    std::function<void()> draw;
    QTimer* timer = nullptr;
    bool drawn = false;
    QSize size;
  };
  void Draw(CanvasWidget* pic);
  std::map<CanvasWidget*, Entry> entries_;
};

}  // namespace norva
