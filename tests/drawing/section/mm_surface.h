#pragma once
// A recorded drawing surface of a given size in millimetres, one unit a twip
// (56.7 per mm), with a cDraw on it, as the screens and report pictures give
// the figures. Its extent equals its scale, so texts measure as drawn.
#include <memory>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"
#include "drawing/base/cdraw.h"

namespace norva::section_test {

struct MmSurface {
  Canvas canvas;
  cDraw d;
  MmSurface(double wMm, double hMm, std::shared_ptr<const ITextMetrics> metrics = nullptr) {
    canvas.SetScale(0, 0, wMm * 56.7, hMm * 56.7);
    canvas.SetExtent(wMm * 56.7, hMm * 56.7);
    if (metrics) canvas.SetMetrics(std::move(metrics));
    d.SetCanvas(&canvas);
  }
  std::vector<const CanvasOp*> Of(CanvasOpKind k) const {
    std::vector<const CanvasOp*> v;
    for (const CanvasOp& op : canvas.Ops())
      if (op.kind == k) v.push_back(&op);
    return v;
  }
  std::vector<const CanvasOp*> TextsOf(const std::string& s) const {
    std::vector<const CanvasOp*> v;
    for (const CanvasOp* op : Of(CanvasOpKind::Text))
      if (op->text == s) v.push_back(op);
    return v;
  }
};

}  // namespace norva::section_test
