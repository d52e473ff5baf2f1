#pragma once
// Shared bits of the load and result figure tests: a private temporary
// folder per test, and finders over the recorded calls of a canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/base/canvas.h"
#include "temp_folder.h"

namespace norva::figure_test {

inline constexpr double kMm = 56.7;

using test::TempFolder;

inline std::vector<const CanvasOp*> OpsOf(const Canvas& c, CanvasOpKind k) {
  std::vector<const CanvasOp*> v;
  for (const CanvasOp& op : c.Ops())
    if (op.kind == k) v.push_back(&op);
  return v;
}

inline std::vector<std::string> Texts(const Canvas& c) {
  std::vector<std::string> v;
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Text)) v.push_back(op->text);
  return v;
}

// The first text op with this text, or null.
inline const CanvasOp* TextOp(const Canvas& c, const std::string& s) {
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Text))
    if (op->text == s) return op;
  return nullptr;
}

inline bool Near(const CanvasPoint& p, double x, double y, double tol = 1e-6) {
  return std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol;
}

// Every point and radius of the record is finite and of a sane size.
inline void ExpectFinite(const Canvas& c) {
  for (const CanvasOp& op : c.Ops()) {
    for (const CanvasPoint& p : op.points) {
      ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << op.text;
      ASSERT_LT(std::fabs(p.x), 1e7) << op.text;
      ASSERT_LT(std::fabs(p.y), 1e7) << op.text;
    }
    ASSERT_TRUE(std::isfinite(op.rx) && std::isfinite(op.ry));
  }
}

}  // namespace norva::figure_test
