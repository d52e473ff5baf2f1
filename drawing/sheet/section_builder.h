#pragma once
// Shared work of the four standard sections: foundation points, key corners,
// extent and placement in the figure, line runs, drain holes, chains and
// gradient labels. Internal to the drawing sheet.
#include <functional>
#include <string>
#include <vector>

#include "drawing/sheet/sheet_sections.h"

namespace norva {

// Where a wall type keeps its foundation points; -1: no such slot.
struct FoundationSlots {
  int upperFrontBottom, upperFrontTop;                     // P10, P11 of the gravity wall
  int upperKeyFrontBottom, upperKeyFrontTop;               // P12, P13
  int upperKeyBackBottom, upperKeyBackTop;                 // P14, P15
  int upperBackBottom, upperBackTop;                       // P16, P17
  int lowerFront, lowerKeyFront, lowerKeyBack, lowerBack;  // P18..P21
};
inline constexpr FoundationSlots kGrwSlots{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
inline constexpr FoundationSlots kMxwSlots{15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
inline constexpr FoundationSlots kBlkSlots{20, 21, -1, -1, -1, -1, 23, 22, 24, -1, -1, 25};

// A chain point: a model point, or (onLine) a point whose x (vertical chain)
// is the dimension line's own and only its y is a model value.
struct ChainPoint {
  DPoint p;
  bool onLine = false;
};

// The front faces of the wall for the drain holes, by the height band of a
// row's centre h: below P0.Y the base line P0-P4; P0.Y <= h < P1.Y toe(y);
// P1.Y <= h < top face(y); at or above top none. A missing function (a face
// whose gradient cannot be formed) leaves its rows out.
struct DrainFaces {
  std::function<double(double)> toe;
  std::function<double(double)> face;
  double top = 0;
  DPoint firstA, firstB;  // the back face tried first (segment)
  DPoint lineC, lineD;    // the back-face line used otherwise
};

class SectionBuilder {
 public:
  SectionBuilder(const CDocument& doc, SheetPoints& pts, double scale, FoundationSlots slots);

  const CDocument& doc() const { return doc_; }
  const DPoint& P(int i) const { return pts_[static_cast<size_t>(i)]; }
  // Foundation slot by its gravity-wall number (10..21).
  const DPoint& F(int n) const;
  bool keyed() const { return keyed_; }
  // The key corners: K1 back top, K2 back bottom, K3 front bottom, K4 front top.
  const DPoint& K(int i) const { return key_[static_cast<size_t>(i - 1)]; }
  // y of the base line P0-P4 (extended) at x.
  double BaseY(double x) const;

  // Fills the foundation slots (and the key corners when keyed).
  void FoundationPoints(bool keyed);
  // Extent over pts[0..last] (lowered by TokL when keyed), sizes, offsets.
  void Extent(int last);

  double X(double x) const { return x * k_ + fig.offX; }
  double Y(double y) const { return y * k_ + fig.offY; }

  // Consecutive segments of the points; with skipShort the ones no longer
  // than 0.0001 mm on the sheet are left out.
  void Run(const std::vector<DPoint>& points, bool skipShort);
  // The outline ring of a wall with a base P0-P4: ring points, then the key
  // corners when keyed, closed at the first point.
  void Ring(std::vector<DPoint> points);
  // The foundation layers' lines (upper, then lower).
  void FoundationLines(bool skipShort);
  // Drain holes, when the document asks for them.
  void Drains(const DrainFaces& faces);

  // Horizontal and vertical chains: texts from the model x (y) differences.
  void HChain(const std::vector<ChainPoint>& points, double pos, const std::string& typ = "UU");
  void VChain(const std::vector<ChainPoint>& points, double pos);
  // The sheet y of the lowest point drawn at the bottom of the section: the
  // bottom corners of the foundation and, with a key, the key's bottom. On an
  // inclined base the heel's corner lies below the toe's, and a key may hang
  // below the layers; the bottom chains run 21 and 14 mm below this point.
  double BottomY() const;
  // The sheet x before which the left chains stand: the front of the
  // foundation (the base material projects past the toe also without
  // levelling concrete).
  double FrontX() const;
  // The sheet x beyond which the right chains stand: the wall's back top
  // corner `top`, or the back end of the foundation where that reaches
  // further (a heel that projects past the crest).
  double BackX(const DPoint& top) const;
  // Below the gravity and mixed walls: the width of the lowest layer, and
  // (with a projection or a key) the projections, the key and the base.
  void BottomChains();
  // Right of the gravity and mixed walls: the key's depth (with a key), the
  // heel up to the back face's foot P3, then on to `top`.
  void KeyBackChain(double pos, const DPoint& top);
  // The first points of the left chain: the toe alone where the layers hang
  // below an inclined base, else the bottom of the layers and each layer top
  // above it.
  std::vector<ChainPoint> LeftStart() const;
  // The layer thicknesses at the toe, where the left chain does not show them.
  void LayerChain(double pos);
  // The left chains of the leaning and block walls: overall to the crest
  // point `top`, the toe's height on its own line, then the layers, each
  // 7 mm right of the one before it that was drawn.
  void SideChains(double left, const DPoint& top);
  // The right chains of the leaning and block walls: from the heel (at the
  // back of the layers, x footX) to `top`, and, when the back face's foot
  // `foot` lies above the heel, heel, foot and top on a line 7 mm inside.
  void BackChains(double right, double footX, const DPoint& foot, const DPoint& top);
  // The rotated chain along the crest of block walls: P5, the blocks' back at
  // the crest and (with back concrete at the crest) the back crest point.
  void CrestChain(int backCrest);
  // A gradient label "1:v" along a face of direction a from the vertical,
  // centred on the sheet point (mx, my) and 3 mm in front of the face.
  void Label(double mx, double my, double v);
  // The same on the middle of the face a-b.
  void LabelAtMiddle(const DPoint& a, const DPoint& b, double v);

  SectionFigure fig;

 private:
  DPoint& Slot(int n);

  const CDocument& doc_;
  SheetPoints& pts_;
  double k_;  // sheet mm per model metre
  FoundationSlots slots_;
  bool keyed_ = false;
  DPoint key_[4];
  DPoint scratch_;
};

}  // namespace norva
