#pragma once
// Draws the guide pictures of the wall-section screen as SVG text: a sketch
// of the wall type with its back ground, water and front soil, every
// dimension labelled, each label centred in the rectangle the screen marks
// for its box. The shipped files resources/resource/<name>.svg are this
// tool's output; a test holds them to it.
//
// The picture is 6450 x 7500 twips (its view box; 430 x 500 pixels).
#include <string>
#include <vector>

#include "screens/section/guide_pictures.h"

namespace norva::guide {

inline constexpr int kPictureWidth = 6450;
inline constexpr int kPictureHeight = 7500;

// One label of a picture: its text (a subscript after "_") and the
// rectangle it is centred in.
struct Label {
  std::string text;
  HanRect rect;
};

// What the generator needs to know of one picture.
struct GuideVariant {
  int32_t wallType = 0;  // 0 block, 1 gravity, 2 leaning, 3 mixed
  bool largeBlocks = false;
  int shape = 0;  // 0 horizontal, 1 slope, 2 trapezoid, 3 change points
  bool cut = false;
  bool key = false;
};

// The variant a file name stands for (as GuideFileName builds it).
GuideVariant VariantOf(const std::string& fileName);

// The labels of a variant that mark a box (those with a rectangle).
std::vector<Label> MarkedLabels(const GuideVariant& v);

// The whole SVG file text.
std::string GuidePictureSvg(const GuideVariant& v);

}  // namespace norva::guide
