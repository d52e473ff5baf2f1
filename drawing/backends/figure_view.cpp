#include "drawing/backends/figure_view.h"

#include <QEvent>
#include <algorithm>

namespace norva {

void PaintFigure(CanvasWidget* pic, const std::function<void(cDraw&)>& draw) {
  Canvas& c = pic->canvas();
  const double twips = 1440.0 / pic->logicalDpiX();
  const double w = std::max(1, pic->width()) * twips;
  const double h = std::max(1, pic->height()) * twips;
  c.SetScale(0, 0, w, h);
  c.Clear();
  cDraw canvas;
  canvas.SetCanvas(&c);
  canvas.SetWidth(w);
  canvas.SetHeight(h);
  draw(canvas);
  pic->update();
}

void FigureRedraw::Set(CanvasWidget* pic, std::function<void()> draw) {
  Entry& e = entries_[pic];
  if (!e.timer) {
    pic->installEventFilter(this);
    e.timer = new QTimer(this);
    e.timer->setSingleShot(true);
    e.timer->setInterval(120);
    connect(e.timer, &QTimer::timeout, this, [this, pic] { Draw(pic); });
  }
  e.draw = std::move(draw);
  e.drawn = false;
  if (pic->isVisible()) Draw(pic);
}

bool FigureRedraw::eventFilter(QObject* o, QEvent* e) {
  auto it = entries_.find(static_cast<CanvasWidget*>(o));
  if (it == entries_.end()) return false;
  auto* pic = static_cast<CanvasWidget*>(o);
  if (e->type() == QEvent::Show && (!it->second.drawn || it->second.size != pic->size()))
    Draw(pic);
  else if (e->type() == QEvent::Resize && pic->isVisible())
    it->second.timer->start();
  return false;
}

void FigureRedraw::Draw(CanvasWidget* pic) {
  Entry& e = entries_[pic];
  e.timer->stop();
  if (e.drawn && e.size == pic->size()) return;
  e.drawn = true;
  e.size = pic->size();
  if (e.draw) e.draw();
}

}  // namespace norva
