#pragma once
// Wall outlines drawn by hand for the stability tests.
#include "document/outline.h"

namespace norva::testing_calc {

// Mixed wall: lower wall 0 (0,0), 1 (0.4,2), 2 (0.5,2), 3 (2.5,2), 4 (2.5,0);
// upper wall 2, 5 (1.1,4), 9 (1.6,4), 10 (1.0,2), batter 0.3.
inline KutaiPoints HandMixedOutline() {
  KutaiPoints p{};
  p[0] = {0, 0};
  p[1] = {0.4, 2};
  p[2] = {0.5, 2};
  p[3] = {2.5, 2};
  p[4] = {2.5, 0};
  p[5] = {1.1, 4};
  p[9] = {1.6, 4};
  p[10] = {1.0, 2};
  return p;
}

}  // namespace norva::testing_calc
