#pragma once
// The recorded calls of a section figure as short tokens a test can list by
// hand, in model metres. The test canvas maps 1 m to 1000 twips with the model
// origin at device (1000, 9000), so every model segment of the tests is far
// longer than the strokes of the symbols:
//   "fill RRGGBB x,y x,y ..."  a filled polygon (its brush colour as RGB)
//   "poly x,y ..."             an open polyline
//   "line RRGGBB x,y x,y"      a line (its pen colour as RGB)
//   "G x,y"                    a ground symbol: its nine short black strokes,
//                              at the point the symbol was put
//   "W x,y"                    a water-level symbol (its triangle and three
//                              bars), at its apex; "W/" the outline form
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_symbols.h"

namespace norva::section_test {

struct TestFigure {
  Canvas canvas;
  cDraw d;
  TestFigure() {
    d.SetCanvas(&canvas);
    d.SetScX(1000);
    d.SetScY(1000);
    d.SetXoo(1000);
    d.SetYoo(9000);
  }
};

inline double ModelX(double x) { return (x - 1000) / 1000; }
inline double ModelY(double y) { return (9000 - y) / 1000; }

inline std::string Num(double v) {
  if (std::fabs(v) < 5e-7) v = 0;
  char b[32];
  std::snprintf(b, sizeof b, "%.6g", v);
  return b;
}

inline std::string Pt(double x, double y) { return Num(ModelX(x)) + "," + Num(ModelY(y)); }

inline std::string Rgb(uint32_t bgr) {
  char b[8];
  std::snprintf(b, sizeof b, "%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  return b;
}

// Where a ground symbol was put, from its first stroke: unturned that stroke
// runs from (x − 1.5 d, y) with d = 283.5 / 7; a symbol of angle a starts it at
// (x − 1.5 d cos a, y + 1.5 d sin a). The angle comes from the stroke's slope.
inline std::string GroundAt(const CanvasOp& first) {
  const double d = 283.5 / 7;
  const double dx = first.points[1].x - first.points[0].x;
  const double dy = first.points[1].y - first.points[0].y;
  // Unturned the stroke runs along (−d, 1.75 d); turning the symbol by a
  // (counter-clockwise on the page, y down) turns the stroke's direction by −a.
  const double a = std::atan2(1.75, -1.0) - std::atan2(dy, dx);
  const double x = first.points[0].x + 1.5 * d * std::cos(a);
  const double y = first.points[0].y - 1.5 * d * std::sin(a);
  return "G " + Pt(x, y);
}

inline std::vector<std::string> Tokens(const Canvas& c) {
  std::vector<std::string> out;
  const auto& ops = c.Ops();
  auto len = [](const CanvasOp& op) {
    return std::hypot(op.points[1].x - op.points[0].x, op.points[1].y - op.points[0].y);
  };
  for (size_t i = 0; i < ops.size(); ++i) {
    const CanvasOp& op = ops[i];
    const auto& p = op.points;
    const bool triangle = (op.kind == CanvasOpKind::Polygon || op.kind == CanvasOpKind::PolyLine) &&
                          p.size() == 4 && p[0].x == p[3].x && p[0].y == p[3].y &&
                          std::fabs(p[1].x - p[0].x) < 100;
    if (triangle) {
      out.push_back(std::string(op.kind == CanvasOpKind::Polygon ? "W " : "W/ ") +
                    Pt(p[2].x, p[2].y));
      i += 3;  // the bars
      continue;
    }
    switch (op.kind) {
      case CanvasOpKind::Polygon:
      case CanvasOpKind::PolyLine: {
        std::string t = op.kind == CanvasOpKind::Polygon ? "fill " + Rgb(op.style.brushColor)
                                                         : std::string("poly");
        for (const CanvasPoint& q : p) t += " " + Pt(q.x, q.y);
        out.push_back(t);
        break;
      }
      case CanvasOpKind::Line:
        if (len(op) < 150 && op.style.penColor == 0) {
          out.push_back(GroundAt(op));
          i += 8;
        } else {
          out.push_back("line " + Rgb(op.style.penColor) + " " + Pt(p[0].x, p[0].y) + " " +
                        Pt(p[1].x, p[1].y));
        }
        break;
      default:
        out.push_back("other");
        break;
    }
  }
  return out;
}

inline std::string Join(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& t : v) s += "  " + t + "\n";
  return s;
}

}  // namespace norva::section_test
