// Drawing the computed dimension sets through one dimension line.
#include <string>
#include <vector>

#include "drawing/base/cdraw.h"
#include "drawing/base/sunpousen.h"
#include "drawing/section/dimension_sets.h"
#include "drawing/section/section_colours.h"

namespace norva {

namespace {

void DrawSet(DimensionSet (*chains)(const DimensionContext&), const CDocument& doc, cDraw& canvas,
             const DrawFitState& fit, int16_t state, const KutaiPoints& outline, bool colour) {
  Sunpousen dim;  // 寸法線
  dim.SetDrawObject(canvas);
  dim.SetMsize("N");
  dim.SetKihonMojiH(170.1);
  dim.SetLineColor(colour ? kBlue : kBlack);
  dim.SetTextColor(colour ? kBlue : kBlack);
  const DimensionContext c{
      doc, outline, fit, ScaleOf(canvas), state, colour, static_cast<double>(dim.MojiH())};
  DimensionSet set = chains(c);
  for (DimChain& ch : set.chains) {
    int32_t ns = static_cast<int32_t>(ch.xs.size()) - 1;
    if (ns < 1) continue;
    switch (ch.kind) {
      case DimChainKind::Vertical:
        dim.VSunp(ns, ch.xs, ch.ys, ch.line, ch.code, ch.texts, false);
        break;
      case DimChainKind::Horizontal:
        dim.HSunp(ns, ch.xs, ch.ys, ch.line, ch.code, ch.texts, "N");
        break;
      case DimChainKind::Rotated:
        dim.RotSunp(ns, ch.xs, ch.ys, ch.refX, ch.refY, ch.angle, ch.code, ch.texts, 0);
        break;
    }
  }
  for (const DimLabel& l : set.labels) {
    canvas.SetTextAlign(1);
    dim.DrwMoji(l.h, l.x, l.y, l.text, l.angleDeg);
    canvas.SetTextAlign(0);
  }
}

}  // namespace

void DrawSunpouGrw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour) {
  DrawSet(SunpouGrwChains, doc, canvas, fit, state, outline, colour);
}

void DrawSunpouBlk(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour) {
  DrawSet(SunpouBlkChains, doc, canvas, fit, state, outline, colour);
}

void DrawSunpouMtw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour) {
  DrawSet(SunpouMtwChains, doc, canvas, fit, state, outline, colour);
}

void DrawSunpouMxw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour) {
  DrawSet(SunpouMxwChains, doc, canvas, fit, state, outline, colour);
}

}  // namespace norva
