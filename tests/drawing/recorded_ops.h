#pragma once
// The recorded drawing calls of a canvas in a form a test can hold against a
// hand-worked list: the kind, the numbers (points, then radii and angles) and
// the text with the state that matters for it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"

namespace norva::test {

struct Op {
  CanvasOpKind kind = CanvasOpKind::Line;
  // line: x1 y1 x2 y2; circle: cx cy r; arc: cx cy r a1 a2;
  // text: x y, its angle (tenths of a degree) and font size (em height)
  std::vector<double> v;
  std::string text;  // texts only
};

inline Op L(double x1, double y1, double x2, double y2) {
  return {CanvasOpKind::Line, {x1, y1, x2, y2}, {}};
}
inline Op Circle(double cx, double cy, double r) {
  return {CanvasOpKind::Ellipse, {cx, cy, r}, {}};
}
inline Op T(double x, double y, const std::string& s, double angle, double size) {
  return {CanvasOpKind::Text, {x, y, angle, size}, s};
}

inline std::vector<Op> Recorded(const Canvas& c) {
  std::vector<Op> out;
  for (const CanvasOp& op : c.Ops()) {
    Op o;
    o.kind = op.kind;
    for (const CanvasPoint& p : op.points) {
      o.v.push_back(p.x);
      o.v.push_back(p.y);
    }
    if (op.kind == CanvasOpKind::Ellipse) o.v.push_back(op.rx);
    if (op.kind == CanvasOpKind::Arc) {
      o.v.push_back(op.rx);
      o.v.push_back(op.a1);
      o.v.push_back(op.a2);
    }
    if (op.kind == CanvasOpKind::Text) {
      o.v.push_back(op.style.textAngle);
      o.v.push_back(op.style.font.size);
    }
    o.text = op.text;
    out.push_back(o);
  }
  return out;
}

inline std::string Show(const Op& o) {
  std::ostringstream s;
  const char* names[] = {"Line", "PolyLine", "Polygon", "Circle", "Arc", "Rectangle", "Text"};
  s << names[static_cast<int>(o.kind)];
  for (double d : o.v) s << ' ' << d;
  if (!o.text.empty()) s << " \"" << o.text << '"';
  return s.str();
}

inline std::string Show(const std::vector<Op>& ops) {
  std::string s;
  for (const Op& o : ops) s += "  " + Show(o) + "\n";
  return s;
}

// The same calls in the same order, numbers within tol.
inline ::testing::AssertionResult SameOps(const std::vector<Op>& got, const std::vector<Op>& want,
                                          double tol = 1e-6) {
  bool same = got.size() == want.size();
  for (size_t i = 0; same && i < got.size(); ++i) {
    same = got[i].kind == want[i].kind && got[i].v.size() == want[i].v.size() &&
           got[i].text == want[i].text;
    for (size_t k = 0; same && k < got[i].v.size(); ++k)
      same = std::fabs(got[i].v[k] - want[i].v[k]) <= tol;
  }
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got\n" << Show(got) << "want\n" << Show(want);
}

}  // namespace norva::test
