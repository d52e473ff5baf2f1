#include "drawing/sheet/section_builder.h"

#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/numeric.h"
#include "document/report_format.h"

namespace norva {

namespace {

constexpr double kDegPerRad = 57.29577951308238;
// Sheet length below which a segment of the outline or the layers is a point.
constexpr double kShortSegment = 0.0001;

size_t CharCount(const std::string& utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

double NonNull(double v) { return IsNullValue(v) ? 0.0 : v; }

}  // namespace

SectionBuilder::SectionBuilder(const CDocument& doc, SheetPoints& pts, double scale,
                               FoundationSlots slots)
    : doc_(doc), pts_(pts), k_(1000.0 * scale), slots_(slots) {}

DPoint& SectionBuilder::Slot(int n) {
  static const int FoundationSlots::*kMembers[12] = {
      &FoundationSlots::upperFrontBottom,    &FoundationSlots::upperFrontTop,
      &FoundationSlots::upperKeyFrontBottom, &FoundationSlots::upperKeyFrontTop,
      &FoundationSlots::upperKeyBackBottom,  &FoundationSlots::upperKeyBackTop,
      &FoundationSlots::upperBackBottom,     &FoundationSlots::upperBackTop,
      &FoundationSlots::lowerFront,          &FoundationSlots::lowerKeyFront,
      &FoundationSlots::lowerKeyBack,        &FoundationSlots::lowerBack};
  const int index = slots_.*kMembers[n - 10];
  // A wall type without key slots writes its key-slot values nowhere.
  if (index < 0) return scratch_;
  return pts_[static_cast<size_t>(index)];
}

const DPoint& SectionBuilder::F(int n) const { return const_cast<SectionBuilder*>(this)->Slot(n); }

double SectionBuilder::BaseY(double x) const {
  const DPoint& p0 = P(0);
  const DPoint& p4 = P(4);
  const double width = p4.X - p0.X;
  const double s = width != 0 ? (p0.Y - p4.Y) / width : 0.0;
  return p0.Y - s * (x - p0.X);
}

void SectionBuilder::FoundationPoints(bool keyed) {
  const CDocument& d = doc_;
  keyed_ = keyed && slots_.upperKeyFrontBottom >= 0;
  const DPoint p0 = P(0), p4 = P(4);
  const double b = NonNull(d.KisoB);
  const double h1 = d.KisoH1, h2 = d.KisoH2;
  // The key's faces and the openings it leaves in the layers hang from the
  // base line at the key's own position (a level base under every key of
  // the gravity and mixed walls; the leaning wall may have an inclined one).
  const double kx1 = keyed_ ? p0.X + d.TokX : 0.0;
  const double kx2 = keyed_ ? kx1 + d.TokB : 0.0;
  if (keyed_) {
    key_[3] = {kx1, BaseY(kx1)};
    key_[0] = {kx2, BaseY(kx2)};
    key_[1] = {kx2, key_[0].Y - d.TokL};
    key_[2] = {kx1, key_[3].Y - d.TokL};
  }
  auto lowered = [](const DPoint& p, double h) { return DPoint{p.X, p.Y - h}; };
  if (h1 > 0) {
    Slot(11) = {p0.X - b, BaseY(p0.X - b)};
    Slot(10) = lowered(Slot(11), h1);
    Slot(17) = {p4.X + b, BaseY(p4.X + b)};
    Slot(16) = lowered(Slot(17), h1);
    if (keyed_) {
      Slot(13) = {kx1, BaseY(kx1)};
      Slot(12) = lowered(Slot(13), h1);
      Slot(15) = {kx2, BaseY(kx2)};
      Slot(14) = lowered(Slot(15), h1);
    } else {
      Slot(12) = Slot(10);
      Slot(13) = Slot(11);
      Slot(14) = Slot(16);
      Slot(15) = Slot(17);
    }
  } else {
    Slot(10) = Slot(11) = Slot(12) = Slot(13) = p0;
    Slot(14) = Slot(15) = Slot(16) = Slot(17) = p4;
  }
  if (h2 > 0) {
    if (!(h1 > 0)) {
      Slot(10) = {p0.X - b, BaseY(p0.X - b)};
      Slot(16) = {p4.X + b, BaseY(p4.X + b)};
      Slot(12) = keyed_ ? DPoint{kx1, BaseY(kx1)} : Slot(10);
      Slot(14) = keyed_ ? DPoint{kx2, BaseY(kx2)} : Slot(16);
    }
    Slot(18) = lowered(Slot(10), h2);
    Slot(19) = lowered(Slot(12), h2);
    Slot(20) = lowered(Slot(14), h2);
    Slot(21) = lowered(Slot(16), h2);
  } else {
    Slot(18) = Slot(19) = Slot(10);
    Slot(20) = Slot(21) = Slot(16);
  }
}

void SectionBuilder::Extent(int last) {
  double minX = 1e8, minY = 1e8, maxX = -1e8, maxY = -1e8;
  for (int i = 0; i <= last; ++i) {
    const DPoint& p = P(i);
    minX = MinOf(minX, {p.X});
    maxX = MaxOf(maxX, {p.X});
    minY = MinOf(minY, {p.Y});
    maxY = MaxOf(maxY, {p.Y});
  }
  if (keyed_) minY -= doc_.TokL;
  fig.secW = (maxX - minX) * k_;
  fig.secH = (maxY - minY) * k_;
  fig.figW = fig.secW + 33 + 26;
  fig.figH = fig.secH + 19 + 26;
  fig.offX = 33 - minX * k_;
  fig.offY = 26 - minY * k_;
}

void SectionBuilder::Run(const std::vector<DPoint>& points, bool skipShort) {
  for (size_t i = 1; i < points.size(); ++i) {
    const SheetSegment s{X(points[i - 1].X), Y(points[i - 1].Y), X(points[i].X), Y(points[i].Y)};
    if (skipShort && std::hypot(s.x2 - s.x1, s.y2 - s.y1) <= kShortSegment) continue;
    fig.lines.push_back(s);
  }
}

void SectionBuilder::Ring(std::vector<DPoint> points) {
  if (keyed_) points.insert(points.end(), {K(1), K(2), K(3), K(4)});
  points.push_back(points.front());
  Run(points, true);
}

void SectionBuilder::FoundationLines(bool skipShort) {
  const bool upper = doc_.KisoH1 > 0, lower = doc_.KisoH2 > 0;
  const DPoint p0 = P(0), p4 = P(4);
  if (upper) {
    if (keyed_) {
      Run({p4, F(17), F(16), F(14)}, skipShort);
      Run({p0, F(11), F(10), F(12)}, skipShort);
    } else {
      Run({p4, F(17), F(16), F(10), F(11), p0}, skipShort);
    }
  }
  if (!lower) return;
  std::vector<DPoint> back, front;
  if (!upper) back.push_back(p4);
  if (keyed_) {
    back.insert(back.end(), {F(16), F(21), F(20)});
    if (!upper) front.push_back(p0);
    front.insert(front.end(), {F(10), F(18), F(19)});
    Run(back, skipShort);
    Run(front, skipShort);
    return;
  }
  back.insert(back.end(), {F(16), F(21), F(18), F(10)});
  if (!upper) back.push_back(p0);
  Run(back, skipShort);
}

void SectionBuilder::Drains(const DrainFaces& faces) {
  const CDocument& d = doc_;
  if (d.Mizunuki == 0) return;
  fig.drainStyle = true;
  if (!(d.MizuN > 0) || IsNullValue(d.MizuFai)) return;
  const double slope = std::tan(std::atan(d.MizuN));
  const double r = d.MizuFai * 0.5 / 1000;
  const DPoint p0 = P(0), p1 = P(1), p4 = P(4);
  const int rows = std::min<int>(d.MizuDan, 5);
  for (int i = 0; i < rows; ++i) {
    const double h = d.MizuH1(i);
    if (IsNullValue(h)) continue;
    std::function<double(double)> front;
    if (h < p0.Y) {
      front = [&](double y) { return InterpolateX(p0, p4, y); };
    } else if (h < p1.Y) {
      front = faces.toe;
    } else if (h < faces.top) {
      front = faces.face;
    }
    if (!front) continue;
    SheetSegment edges[2];
    bool ok = true;
    const double ys[2] = {h + r, h - r};
    for (int e = 0; e < 2 && ok; ++e) {
      const DPoint q1{front(ys[e]), ys[e]};
      const DPoint q2{10000, ys[e] + (10000 - q1.X) / slope};
      DPoint end;
      const int32_t c = CrossPoint(q1, q2, faces.firstA, faces.firstB, end);
      if (!((c & 0xF) != 0 && (c & 0x20) != 0)) {
        CrossPoint(q1, q2, faces.lineC, faces.lineD, end);
        // A pipe parallel to the back face has no end: the row is left out.
        if (end.X == kGeomNone && end.Y == kGeomNone) ok = false;
      }
      edges[e] = {X(q1.X), Y(q1.Y), X(end.X), Y(end.Y)};
    }
    if (!ok) continue;
    fig.drains.push_back(edges[0]);
    fig.drains.push_back(edges[1]);
  }
}

void SectionBuilder::HChain(const std::vector<ChainPoint>& points, double pos,
                            const std::string& typ) {
  SheetChain c;
  c.kind = SheetChain::Kind::kHorizontal;
  c.pos = pos;
  c.typ = typ;
  for (size_t i = 0; i < points.size(); ++i) {
    const DPoint& p = points[i].p;
    c.texts.push_back(i == 0 ? "" : FormatPattern((p.X - points[i - 1].p.X) * 1000, "####0"));
    c.xs.push_back(X(p.X));
    c.ys.push_back(Y(p.Y));
  }
  fig.chains.push_back(std::move(c));
}

void SectionBuilder::VChain(const std::vector<ChainPoint>& points, double pos) {
  SheetChain c;
  c.kind = SheetChain::Kind::kVertical;
  c.pos = pos;
  for (size_t i = 0; i < points.size(); ++i) {
    const DPoint& p = points[i].p;
    c.texts.push_back(i == 0 ? "" : FormatPattern((p.Y - points[i - 1].p.Y) * 1000, "####0"));
    c.xs.push_back(points[i].onLine ? pos : X(p.X));
    c.ys.push_back(Y(p.Y));
  }
  fig.chains.push_back(std::move(c));
}

double SectionBuilder::BottomY() const {
  double y = std::min(F(18).Y, F(21).Y);
  if (keyed_) y = std::min({y, K(2).Y, K(3).Y});
  return Y(y);
}

double SectionBuilder::FrontX() const { return std::min(X(F(11).X), X(F(18).X)); }

double SectionBuilder::BackX(const DPoint& top) const { return std::max(X(top.X), X(F(21).X)); }

void SectionBuilder::BottomChains() {
  const DPoint &f18 = F(18), &f21 = F(21);
  auto bottom = [&](double x) { return DPoint{x, InterpolateY(f18, f21, x)}; };
  const double low = BottomY();
  HChain({{f18}, {f21}}, low - 14 - 7);
  if (!(doc_.KisoB > 0 || keyed_)) return;
  std::vector<ChainPoint> c{{f18}, {bottom(P(0).X)}};
  if (keyed_) c.insert(c.end(), {{K(3)}, {K(2)}});
  c.insert(c.end(), {{bottom(P(4).X)}, {f21}});
  HChain(c, low - 14);
}

void SectionBuilder::KeyBackChain(double pos, const DPoint& top) {
  std::vector<ChainPoint> c;
  if (keyed_) c.push_back({K(2)});
  c.insert(c.end(), {{DPoint{F(17).X, P(4).Y}}, {P(3)}, {top}});
  VChain(c, pos);
}

std::vector<ChainPoint> SectionBuilder::LeftStart() const {
  const DPoint &p0 = P(0), &f10 = F(10), &f11 = F(11), &f18 = F(18);
  if (f11.Y != p0.Y) return {{p0}};
  std::vector<ChainPoint> c{{f18}};
  if (f10.Y - f18.Y > 0) c.push_back({f10});
  if (f11.Y - c.back().p.Y > 0) c.push_back({f11});
  return c;
}

void SectionBuilder::LayerChain(double pos) {
  if (F(11).Y != P(0).Y) VChain({{F(18)}, {F(10)}, {F(11)}}, pos);
}

void SectionBuilder::SideChains(double left, const DPoint& top) {
  std::vector<ChainPoint> overall = LeftStart();
  overall.push_back({top});
  VChain(overall, left);
  const DPoint &p0 = P(0), &p1 = P(1);
  if (p0.Y != p1.Y) {
    left += 7;
    VChain({{{0, p0.Y}, true}, {p1}, {{0, top.Y}, true}}, left);
  }
  LayerChain(left + 7);
}

void SectionBuilder::BackChains(double right, double footX, const DPoint& foot, const DPoint& top) {
  const DPoint& p4 = P(4);
  VChain({{DPoint{footX, p4.Y}}, {top}}, right);
  if (p4.Y != foot.Y) VChain({{{0, p4.Y}, true}, {foot}, {{0, top.Y}, true}}, right - 7);
}

void SectionBuilder::CrestChain(int backCrest) {
  const CDocument& d = doc_;
  const double a = std::atan(d.BlkN);
  const DPoint p5 = P(5), back = P(backCrest);
  SheetChain c;
  c.kind = SheetChain::Kind::kRotated;
  c.xs = {X(p5.X), X(p5.X + d.BlkT / std::cos(a))};
  c.ys = {Y(p5.Y), Y(p5.Y)};
  c.texts = {"", FormatPattern(d.BlkT * 1000, "###0")};
  if (d.BlkDeltT1 > 0) {
    c.xs.push_back(X(back.X));
    c.ys.push_back(Y(back.Y));
    c.texts.push_back(FormatPattern(d.BlkDeltT1 * 1000, "###0"));
  }
  if (d.nBlkSetup != 0) {
    // Level courses end in a level crest at the wall height: the chain
    // crosses the blocks below it, so nothing is drawn above the crest.
    c.refX = X(p5.X) - 14 * std::sin(a);
    c.refY = Y(p5.Y) - 14 * std::cos(a);
  } else {
    c.refX = X(back.X) + 14 * std::sin(a);
    c.refY = Y(back.Y) + 14 * std::cos(a);
  }
  c.angle = a;
  fig.chains.push_back(std::move(c));
}

void SectionBuilder::Label(double mx, double my, double v) {
  const double a = std::atan(v);
  SheetLabel l;
  l.text = "1:" + FormatPattern(v, "#0.00");
  // Estimated width: 2.5 mm a character.
  const double w = static_cast<double>(CharCount(l.text)) * 2.5;
  l.x = mx - w * 0.5 * std::sin(a) - 3 * std::cos(a);
  l.y = my - w * 0.5 * std::cos(a) + 3 * std::sin(a);
  l.angleDeg = 90 - a * kDegPerRad;
  fig.labels.push_back(std::move(l));
}

void SectionBuilder::LabelAtMiddle(const DPoint& a, const DPoint& b, double v) {
  Label(X((a.X + b.X) * 0.5), Y((a.Y + b.Y) * 0.5), v);
}

}  // namespace norva
