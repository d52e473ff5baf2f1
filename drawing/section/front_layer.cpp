#include "drawing/section/front_layer.h"

#include "document/numeric.h"

namespace norva {

std::vector<DPoint> FrontLayerPolygon(const KutaiPoints& o, double top, double bottom,
                                      double& xTop) {
  if (LessTol(top, o[0].Y)) {
    xTop = InterpolateX(o[0], o[4], top);
  } else if (LessEqTol(top, o[1].Y)) {
    xTop = InterpolateX(o[0], o[1], top);
  } else {
    xTop = InterpolateX(o[2], o[5], top);
  }
  std::vector<DPoint> pts{{xTop, top}};
  for (int i : {2, 1, 0})
    if (bottom < o[i].Y && o[i].Y < top) pts.push_back(o[i]);
  double xBottom;
  if (LessTol(bottom, o[0].Y)) {
    xBottom = InterpolateX(o[0], o[4], bottom);
  } else if (LessTol(bottom, o[1].Y)) {
    xBottom = InterpolateX(o[0], o[1], bottom);
  } else {
    xBottom = InterpolateX(o[2], o[5], bottom);
  }
  pts.push_back({xBottom, bottom});
  pts.push_back({0, bottom});
  pts.push_back({0, top});
  return pts;
}

}  // namespace norva
