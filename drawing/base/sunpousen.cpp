#include "drawing/base/sunpousen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "document/geometry.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "text/cp932.h"

namespace norva {

namespace {

// The constants of the chain geometry, as the drawings were laid out with.
constexpr double kPi = 3.14159265358979;
constexpr double kDegPerRad = 57.29577951308238;
// Twips per point of a page target, where its font sizes are points.
constexpr double kTwipsPerPoint = 20.0;

// Device height to the point size a page takes (56.7 twips per mm).
double PointsOfHeight(double height) { return height / 25.4 * 72 / kTwipsPerMm; }

bool Is(const std::string& typ, const char* a, const char* b) { return typ == a || typ == b; }

// The caller's arrays hold the indices 0 .. ns (texts 1 .. ns).
bool Holds(int32_t ns, size_t a, size_t b, size_t texts) {
  if (ns < 0) return true;
  const size_t need = static_cast<size_t>(ns) + 1;
  return a >= need && b >= need && texts >= need;
}

// The UTF-8 characters of a text.
std::vector<std::string> Characters(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (i + len > s.size()) len = s.size() - i;
    out.push_back(s.substr(i, len));
    i += len;
  }
  return out;
}

// Which texts of a chain leave their row: 0 stays, 1 one step, 2 two steps.
// A text stays when it keeps its distance from the last text left on the row
// (the base); otherwise it moves one step, unless it is also too close to the
// last text moved one step, when it moves two. Texts moved twice are not
// tested against each other. A text that `blocked` names (one that would lie
// on an arrow) leaves the row as a crowded one does; without such texts the
// first text always stays.
std::vector<int> CrowdSteps(int32_t ns, const std::function<bool(int, int)>& fitsBase,
                            const std::function<bool(int, int)>& fitsMoved,
                            const std::function<bool(int)>& blocked = nullptr) {
  std::vector<int> steps(static_cast<size_t>(ns) + 1, 0);
  int base = 0, moved = 0;
  for (int i = 1; i <= ns; ++i) {
    const bool free = !blocked || !blocked(i);
    if (free && (base == 0 || fitsBase(base, i))) {
      base = i;
    } else if (moved != 0) {
      if (fitsMoved(moved, i)) {
        steps[i] = 1;
        moved = i;
      } else {
        steps[i] = 2;
      }
    } else {
      steps[i] = 1;
      moved = i;
    }
  }
  return steps;
}

// True when a text that runs lo..hi along the line reaches into the arrows
// of its wide interval a..b, whose strokes run h in from either end. A text
// that ends where a stroke ends is clear of it.
bool OnOwnArrows(double a, double b, double lo, double hi, double h) {
  if (a > b) std::swap(a, b);
  if (lo > hi) std::swap(lo, hi);
  return lo < a + h || hi > b - h;
}

// Drops each point m too close to the point before it: the later entries
// move down one place (moveDown(i) copies entry i to i - 1) and ns shrinks.
// The next point is not tested against the same one, so of three coincident
// points in a row the third stays.
void DropClosePoints(int32_t& ns, const std::function<bool(int32_t)>& tooClose,
                     const std::function<void(int32_t)>& moveDown) {
  for (int32_t m = 1; m <= ns; ++m) {
    if (!tooClose(m)) continue;
    for (int32_t i = m + 1; i <= ns; ++i) moveDown(i);
    --ns;
  }
}

// The extension line of a point of a horizontal or vertical chain, across the
// chain: from 2q (0.8 h) off the point to q (0.4 h) beyond the dimension line.
// False when it would start on the line.
bool ExtensionLine(double line, double point, double q, double& from, double& to) {
  from = point;
  if (line < point) from = point - 2 * q;
  if (line > point) from = point + 2 * q;
  to = line > from ? line + q : line - q;
  return line != from;
}

}  // namespace

// The target as the class talks to it: a cDraw or a page canvas.
class Sunpousen::Target {
 public:
  Target(cDraw* draw, Canvas* page) : draw_(draw), page_(page) {}

  Canvas* canvas() const { return draw_ ? draw_->GetCanvas() : page_; }
  bool isDraw() const { return draw_ != nullptr; }

  uint32_t PenColor() const { return canvas() ? canvas()->Style().penColor : 0; }
  void SetPenColor(uint32_t c) const {
    if (canvas()) canvas()->SetPenColor(c);
  }
  void SetBrush(int style, uint32_t colour) const {
    if (!canvas()) return;
    canvas()->SetBrushStyle(style);
    canvas()->SetBrushColor(colour);
  }
  // TextAlign 0, and on a cDraw BackStyle 0.
  void TextTopLeft(bool transparent) const {
    if (!canvas()) return;
    canvas()->SetTextAlign(0);
    if (transparent && draw_) canvas()->SetBackStyle(0);
  }
  // The font of a text of this height in device units: on a cDraw the height
  // itself (whole units), on a page the point size, set as 20 twips a point.
  void SetFontHeight(double height) const {
    if (draw_)
      draw_->SetFontSize(height);
    else if (page_)
      page_->SetFontSize(PointsOfHeight(height) * kTwipsPerPoint);
  }
  void SetTextAngle(double tenths) const {
    if (draw_)
      draw_->SetTextAngle(tenths);
    else if (page_)
      page_->SetTextAngle(RoundToInt32(tenths));
  }
  double TextWidth(const std::string& s) const { return canvas() ? canvas()->TextWidth(s) : 0.0; }
  void TextAt(double x, double y, const std::string& s) const {
    if (draw_) {
      draw_->SetX1(x);
      draw_->SetY1(y);
      draw_->Text(s);
    } else if (page_) {
      page_->SetCurrentX(x);
      page_->SetCurrentY(y);
      page_->Text(s);
    }
  }
  void Line(double x1, double y1, double x2, double y2) const {
    if (draw_)
      draw_->DrawLine(x1, y1, x2, y2, false);
    else if (page_)
      page_->DrawLine(x1, y1, x2, y2);
  }
  void Circle(double x, double y, double r) const {
    if (draw_)
      draw_->DrawCircle(x, y, r, false);
    else if (page_)
      page_->DrawCircle(x, y, r);
  }

 private:
  cDraw* draw_;
  Canvas* page_;
};

Sunpousen::Target Sunpousen::target() const { return Target(draw_, page_); }

// The target's pen has the chain's colour while the chain draws.
class Sunpousen::PenScope {
 public:
  PenScope(const Target& t, uint32_t colour) : t_(t), kept_(t.PenColor()) {
    t_.SetPenColor(colour);
    t_.TextTopLeft(false);
  }
  ~PenScope() { t_.SetPenColor(kept_); }
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;

 private:
  const Target& t_;
  uint32_t kept_;
};

// Every length of a chain is a multiple of the text height h: extension-line
// offset q = 0.4 h, arrow half-width r = 0.27 h, the least gap between texts
// g = half a digit, and the steps of crowded texts, one row k + h and two rows
// 2h + 2k with k = h / 3 rounded.
Sunpousen::ChainUnits Sunpousen::Units() {
  ChainUnits u;
  u.h = MojiH();
  u.q = 0.4 * u.h;
  u.g = 0.5 * MojiB("0");
  u.r = 0.27 * u.h;
  const double k = RoundToInt32(u.h / 3.0);
  u.one = k + u.h;
  u.two = 2.0 * u.h + 2.0 * k;
  return u;
}

void Sunpousen::SetDrawObject(cDraw& target) {
  draw_ = &target;
  page_ = nullptr;
}

void Sunpousen::SetDrawObject(Canvas& page) {
  page_ = &page;
  draw_ = nullptr;
}

void Sunpousen::ClearDrawObject() {
  draw_ = nullptr;
  page_ = nullptr;
}

void Sunpousen::SetMsize(const std::string& value) {
  const std::string s = value + "N";
  const std::string first = Characters(s).front();
  msize_ = first.size() == 1 && first[0] >= 'a' && first[0] <= 'z'
               ? std::string(1, static_cast<char>(first[0] - 'a' + 'A'))
               : first;
}

double Sunpousen::FactorOf() const {
  static const std::pair<const char*, double> kFactors[] = {
      {"T", 0.6}, {"S", 0.8}, {"N", 1.0}, {"L", 1.2}, {"H", 1.4}};
  for (const auto& f : kFactors)
    if (msize_ == f.first) return f.second;
  return 0;
}

int32_t Sunpousen::MojiH() const {
  if (!HasDrawObject()) return 0;
  // The base height is a single-precision value.
  const float base = draw_ ? static_cast<float>(kihonMojiH_ * draw_->Zoom() / 100)
                           : static_cast<float>(kihonMojiH_ * 25.4 / 72 * kTwipsPerMm);
  return RoundToInt32(static_cast<double>(base) * FactorOf());
}

int32_t Sunpousen::MojiB(const std::string& moji) {
  if (!HasDrawObject()) return 0;
  const Target t = target();
  Canvas* c = t.canvas();
  const double keptSize = c ? c->Style().font.size : 0;
  const std::string keptMsize = msize_;
  msize_ = "N";
  const int32_t height = MojiH();
  msize_ = keptMsize;
  t.SetFontHeight(height);
  const float w = static_cast<float>(t.TextWidth(moji));
  if (c) c->SetFontSize(keptSize);
  return RoundToInt32(static_cast<double>(w) * FactorOf());
}

void Sunpousen::DrwMoji(double siz, double x, double y, const std::string& moji, double rad) {
  const Target t = target();
  Canvas* c = t.canvas();
  if (!c) return;
  const CanvasStyle kept = c->Style();
  t.SetFontHeight(siz);
  t.SetTextAngle(rad * 10);
  c->SetTextColor(textColor_);
  t.TextAt(x, y, moji);
  c->SetTextColor(kept.textColor);
  c->SetTextAngle(kept.textAngle);
  c->SetFontSize(kept.font.size);
}

std::string Sunpousen::SunpouMoji(double fSunp) {
  return FormatPattern(std::trunc(fSunp + 0.5), "####0");
}

Sunpousen::TextWH Sunpousen::GetTextWH(const std::string& text, float siz) {
  TextWH r;
  for (const std::string& ch : Characters(text)) {
    const double per = Cp932ByteCount(ch) == 2 ? 0.925 : 0.675;
    r.width = RoundToInt32(per * siz + r.width);
  }
  r.height = RoundToInt32(1.3 * siz);
  return r;
}

// ---- horizontal chain --------------------------------------------------------------

void Sunpousen::HSunp(int32_t& ns, std::span<const double> xsp, std::span<const double> ysp,
                      double ysnp, const std::string& typ, std::span<std::string> sunp,
                      const std::string& /*msize*/) {
  if (!HasDrawObject() || !Holds(ns, xsp.size(), ysp.size(), sunp.size())) return;
  const Target t = target();
  const PenScope pen(t, lineColor_);
  const ChainUnits u = Units();
  const int32_t h = u.h;
  const double ys = ysnp, q = u.q, g = u.g, r = u.r;

  const size_t n = ns < 0 ? 0 : static_cast<size_t>(ns) + 1;
  std::vector<double> X(xsp.begin(), xsp.begin() + n), Y(ysp.begin(), ysp.begin() + n);
  DropClosePoints(
      ns, [&](int32_t m) { return std::fabs(X[m - 1] - X[m]) < 0.01; },
      [&](int32_t i) {
        X[i - 1] = X[i];
        Y[i - 1] = Y[i];
        sunp[i - 1] = sunp[i];
      });
  if (ns < 1) return;

  auto extension = [&](int32_t i) {
    double from = 0, to = 0;
    if (ExtensionLine(ys, Y[i], q, from, to)) t.Line(X[i], from, X[i], to);
  };

  extension(0);
  for (int32_t i = 1; i <= ns; ++i) {
    const double a = X[i - 1], b = X[i], d = b - a;
    if (d > 2 * h) {
      t.Line(a, ys, a + h, ys - r);
      t.Line(a, ys, a + h, ys + r);
      t.Line(a, ys, b, ys);
      t.Line(b - h, ys - r, b, ys);
      t.Line(b - h, ys + r, b, ys);
    } else {
      // Narrow: arrows outside pointing in, the end texts outside.
      if (i == 1) {
        const double w = MojiB(sunp[1]);
        t.Line(X[0] - h - w, ys, X[0], ys);
        t.Line(X[0], ys, X[0] - h, ys + r);
        t.Line(X[0], ys, X[0] - h, ys - r);
      }
      if (i == ns) {
        const double w = MojiB(sunp[ns]);
        t.Line(X[ns] + h + w, ys, X[ns], ys);
        t.Line(X[ns], ys, X[ns] + h, ys + r);
        t.Line(X[ns], ys, X[ns] + h, ys - r);
      }
      if (d > h && i != 1 && i != ns) {
        t.Line(a, ys, a + h / 2.0, ys + 2 * r);
        t.Line(a, ys, b, ys);
        t.Line(b, ys, b - h / 2.0, ys - 2 * r);
      }
      if (i == ns && i >= 2 && X[i - 1] - X[i - 2] < 2 * h) {
        t.SetBrush(0, lineColor_);
        t.Circle(X[i - 1], ys, 0.4 * h / 2.5);
      }
    }
    extension(i);
  }

  // Texts: centred on their interval, those of narrow end intervals outside.
  std::vector<double> L(n), R(n), T(n);
  for (int32_t i = 1; i <= ns; ++i) {
    const double w = MojiB(sunp[i]);
    L[i] = (X[i - 1] + X[i]) / 2 - w / 2;
    R[i] = L[i] + w;
    T[i] = Is(typ, "LL", "LU") ? ys : ys - h;
  }
  if (X[1] - X[0] <= 2 * h) {
    R[1] = X[0] - h;
    L[1] = R[1] - MojiB(sunp[1]);
  }
  if (X[ns] - X[ns - 1] <= 2 * h) {
    L[ns] = X[ns] + h;
    R[ns] = L[ns] + MojiB(sunp[ns]);
  }
  const double sign = Is(typ, "UU", "LU") ? -1 : 1;
  const std::vector<int> steps = CrowdSteps(
      ns, [&](int j, int i) { return L[i] - R[j] >= g; },
      [&](int j, int i) { return L[i] - R[j] > g; }, Blocked([&](int i) {
        return X[i] - X[i - 1] > 2 * h && OnOwnArrows(X[i - 1], X[i], L[i], R[i], h);
      }));
  t.TextTopLeft(true);
  for (int32_t i = 1; i <= ns; ++i) {
    if (steps[i] == 1) T[i] += sign * u.one;
    if (steps[i] == 2) T[i] += sign * u.two;
    DrwMoji(h, L[i], T[i], sunp[i], 0);
  }
}

// ---- vertical chain ------------------------------------------------------------------

void Sunpousen::VSunp(int32_t& ns, std::span<double> xsp, std::span<double> ysp, double xsnp,
                      const std::string& typ, std::span<std::string> sp, bool /*sflg*/) {
  if (!HasDrawObject() || !Holds(ns, xsp.size(), ysp.size(), sp.size())) return;
  for (int32_t i = 0; i < ns; ++i) {
    for (int32_t j = i + 1; j <= ns; ++j) {
      if (ysp[i] <= ysp[j]) {
        std::swap(xsp[i], xsp[j]);
        std::swap(ysp[i], ysp[j]);
        std::swap(sp[i + 1], sp[j]);
      }
    }
  }
  const Target t = target();
  const PenScope pen(t, lineColor_);
  const ChainUnits u = Units();
  const int32_t h = u.h;
  const double xs = xsnp, q = u.q, g = u.g, r = u.r;

  // Own copies, top to bottom.
  const size_t n = ns < 0 ? 0 : static_cast<size_t>(ns) + 1;
  std::vector<double> X(n), Y(n);
  std::vector<std::string> text(n);
  for (int32_t j = 0; j <= ns; ++j) {
    X[j] = xsp[ns - j];
    Y[j] = ysp[ns - j];
    if (j >= 1) text[j] = sp[ns - j + 1];
  }
  DropClosePoints(
      ns, [&](int32_t m) { return std::fabs(Y[m - 1] - Y[m]) < 1; },
      [&](int32_t i) {
        X[i - 1] = X[i];
        Y[i - 1] = Y[i];
        text[i - 1] = text[i];
      });
  if (ns < 1) return;

  auto extension = [&](int32_t i) {
    double from = 0, to = 0;
    if (ExtensionLine(xs, X[i], q, from, to)) t.Line(from, Y[i], to, Y[i]);
  };

  extension(0);
  for (int32_t i = 1; i <= ns; ++i) {
    const double a = Y[i - 1], b = Y[i], d = b - a;
    if (d > 2 * h) {
      t.Line(xs, b, xs - r, b - h);
      t.Line(xs, b, xs + r, b - h);
      t.Line(xs, b, xs, a);
      t.Line(xs, a, xs - r, a + h);
      t.Line(xs, a, xs + r, a + h);
    } else {
      if (i == ns) {
        const double w = MojiB(text[ns]);
        t.Line(xs, b + h + w, xs, b);
        t.Line(xs, b, xs - r, b + h);
        t.Line(xs, b, xs + r, b + h);
      }
      if (i == 1) {
        const double w = MojiB(text[1]);
        t.Line(xs, Y[0] - h - w, xs, Y[0]);
        t.Line(xs, Y[0], xs - r, Y[0] - h);
        t.Line(xs, Y[0], xs + r, Y[0] - h);
      }
      if (d > h && i != 1 && i != ns) {
        t.Line(xs, a, xs - r, a + h / 2.0);
        t.Line(xs, b, xs, a);
        t.Line(xs, b, xs + r, b - h / 2.0);
      }
      if (i == ns && i >= 2 && Y[i - 1] - Y[i - 2] < 2 * h) {
        t.SetBrush(0, lineColor_);
        t.Circle(xs, Y[i - 1], 0.4 * h / 2.5);
      }
    }
    extension(i);
  }

  // Texts read upward: B is the bottom end (where the text starts), U the top.
  std::vector<double> B(n), U(n), tx(n);
  for (int32_t i = 1; i <= ns; ++i) {
    const double w = MojiB(text[i]);
    B[i] = (Y[i - 1] + Y[i]) / 2 + w / 2;
    U[i] = B[i] - w;
    tx[i] = Is(typ, "RR", "RL") ? xs : xs - h;
  }
  if (Y[1] - Y[0] <= 2 * h) {
    B[1] = Y[0] - h;
    U[1] = B[1] - MojiB(text[1]);
  }
  if (Y[ns] - Y[ns - 1] <= 2 * h) {
    B[ns] = Y[ns] + h + MojiB(text[ns]);
    U[ns] = Y[ns] + h;
  }
  const double sign = Is(typ, "LL", "RL") ? -1 : 1;
  const std::vector<int> steps = CrowdSteps(
      ns, [&](int j, int i) { return U[i] - B[j] >= g; },
      [&](int j, int i) { return U[i] - B[j] > g; }, Blocked([&](int i) {
        return Y[i] - Y[i - 1] > 2 * h && OnOwnArrows(Y[i - 1], Y[i], U[i], B[i], h);
      }));
  t.TextTopLeft(true);
  for (int32_t i = 1; i <= ns; ++i) {
    if (steps[i] == 1) tx[i] += sign * u.one;
    if (steps[i] == 2) tx[i] += sign * u.two;
    DrwMoji(h, tx[i], B[i], text[i], 90);
  }
}

// ---- rotated chain -----------------------------------------------------------------

void Sunpousen::RotSunp(int32_t& ns, std::span<const double> xsp, std::span<const double> ysp,
                        double xsnp, double ysnp, double ang, const std::string& typ,
                        std::span<std::string> sunp, int32_t /*sflg*/) {
  if (!HasDrawObject() || !Holds(ns, xsp.size(), ysp.size(), sunp.size())) return;
  const Target t = target();
  const PenScope pen(t, lineColor_);
  const ChainUnits u = Units();
  const int32_t h = u.h;
  const double g = u.g;
  auto line = [&](const DPoint& a, const DPoint& b) {
    t.Line(RoundHalfEven(a.X), RoundHalfEven(a.Y), RoundHalfEven(b.X), RoundHalfEven(b.Y));
  };

  const DPoint b0{xsnp, ysnp};
  const DPoint b1 = PolarPoint(b0, ang, 1000);
  const size_t n = ns < 0 ? 0 : static_cast<size_t>(ns) + 1;
  std::vector<DPoint> P(n), F(n);
  for (size_t i = 0; i < n; ++i) {
    P[i] = {xsp[i], ysp[i]};
    double dist = 0;
    PerpFoot(b0, b1, P[i], F[i], dist);
  }
  auto offLine = [&](int32_t i) { return GreaterTol(PointDistance(P[i], F[i]), 0); };
  // The distance between the extension lines of points i - 1 and i.
  auto interval = [&](int32_t i) {
    DPoint foot;
    double dist = 0;
    if (offLine(i)) {
      PerpFoot(P[i], F[i], P[i - 1], foot, dist);
      return dist;
    }
    if (offLine(i - 1)) {
      PerpFoot(P[i - 1], F[i - 1], P[i], foot, dist);
      return dist;
    }
    return PointDistance(F[i - 1], F[i]);
  };
  DropClosePoints(
      ns, [&](int32_t m) { return interval(m) < 0.01; },
      [&](int32_t i) {
        P[i - 1] = P[i];
        F[i - 1] = F[i];
        sunp[i - 1] = sunp[i];
      });
  if (ns < 1) return;

  auto extension = [&](int32_t i) {
    const double c = PointDistance(P[i], F[i]);
    if (!GreaterTol(c, 0)) return;
    line(PointAlong(P[i], F[i], c + 0.3 * h), PointAlong(P[i], F[i], 0.3 * h));
  };
  const double a10 = kPi / 18, a20 = kPi / 9;
  // Distance along the line from the first foot.
  auto along = [&](const DPoint& p) {
    return (p.X - F[0].X) * std::cos(ang) + (p.Y - F[0].Y) * std::sin(ang);
  };
  std::vector<char> wide(n, 0);
  std::vector<DPoint> L(n), R(n);
  std::vector<double> O(n);
  extension(0);
  for (int32_t i = 1; i <= ns; ++i) {
    extension(i);
    const double e = interval(i);
    const double w = MojiB(sunp[i]);
    const DPoint mid{(F[i - 1].X + F[i].X) / 2, (F[i - 1].Y + F[i].Y) / 2};
    L[i] = PolarPoint(mid, ang - kPi, w / 2);
    R[i] = PolarPoint(mid, ang, w / 2);
    O[i] = Is(typ, "LL", "LU") ? 0 : h;
    if (GreaterTol(RoundHalfEven(e), 2.0 * h)) {
      wide[i] = 1;
      line(F[i - 1], F[i]);
      line(F[i - 1], PolarPoint(F[i - 1], ang + a10, h));
      line(F[i - 1], PolarPoint(F[i - 1], ang - a10, h));
      line(F[i], PolarPoint(F[i], ang + kPi + a10, h));
      line(F[i], PolarPoint(F[i], ang + kPi - a10, h));
      continue;
    }
    if (i == 1) {
      const DPoint q = PolarPoint(F[0], ang - kPi, w + h);
      line(F[0], q);
      L[1] = q;
      R[1] = PolarPoint(q, ang, w);
      line(F[0], PolarPoint(F[0], ang + kPi + a10, h));
      line(F[0], PolarPoint(F[0], ang + kPi - a10, h));
    }
    if (i == ns) {
      const DPoint q = PolarPoint(F[i], ang, h + w);
      line(F[i], q);
      R[i] = q;
      L[i] = PolarPoint(q, ang - kPi, w);
      line(F[i], PolarPoint(F[i], ang + a10, h));
      line(F[i], PolarPoint(F[i], ang - a10, h));
    }
    if (RoundHalfEven(e) > h && i != 1 && i != ns) {
      line(F[i - 1], F[i]);
      line(F[i - 1], PolarPoint(F[i - 1], ang + a20, h / 2.0));
      line(F[i], PolarPoint(F[i], ang + kPi + a20, h / 2.0));
    }
  }

  // Text i lies forward of text j when the step from j's end to i's start
  // runs along the line's direction. The direction is compared modulo a full
  // turn, so a negative ang (a face leaning the other way) tests the same as
  // its positive equivalent.
  auto forward = [&](int j, int i, bool inclusive) {
    const double la = LineAngle(R[j], L[i]);
    if (la == kGeomNone) return false;
    const double diff = std::fabs(std::remainder(la - ang, 2 * kPi));
    return inclusive ? diff <= 0.001 : diff < 0.001;
  };
  const std::vector<int> steps = CrowdSteps(
      ns,
      [&](int j, int i) {
        return (i == 2 || forward(j, i, true)) && PointDistance(L[i], R[j]) >= g;
      },
      [&](int j, int i) { return PointDistance(L[i], R[j]) > g && forward(j, i, false); },
      Blocked([&](int i) {
        return wide[i] && OnOwnArrows(along(F[i - 1]), along(F[i]), along(L[i]), along(R[i]), h);
      }));
  const double sign = Is(typ, "UU", "LU") ? 1 : -1;
  const double angle = RoundToInt32(-ang * kDegPerRad);
  t.TextTopLeft(true);
  for (int32_t i = 1; i <= ns; ++i) {
    if (steps[i] == 1) O[i] += sign * u.one;
    if (steps[i] == 2) O[i] += sign * u.two;
    const DPoint at = PolarPoint(L[i], ang - kPi / 2, O[i]);
    DrwMoji(h, RoundHalfEven(at.X), RoundHalfEven(at.Y), sunp[i], angle);
  }
}

// ---- arc dimension ---------------------------------------------------------------------

void Sunpousen::RSunp(double xs, double ys, double hankei, double th, double tr,
                      const std::string& moji, const std::string& lr, int32_t /*pflg*/,
                      bool reverseText) {
  Canvas* c = draw_ ? draw_->GetCanvas() : nullptr;
  if (!c) return;
  const Target t = target();
  const CanvasStyle kept = c->Style();
  const int32_t h = MojiH();
  c->SetPenColor(lineColor_);
  c->SetPenWidth(0);
  c->SetPenStyle(0);

  draw_->DrawCircle(xs, ys, hankei, th, th + tr, false);
  auto arcPoint = [&](double a, double radius) {
    return DPoint{xs + radius * std::cos(a), ys - radius * std::sin(a)};
  };
  const DPoint p1 = arcPoint(th, hankei);
  for (double a : {th - kPi / 18, th + kPi / 9})
    draw_->DrawLine(p1.X, p1.Y, p1.X - h * std::sin(a), p1.Y - h * std::cos(a), false);
  const DPoint p2 = arcPoint(th + tr, hankei);
  for (double a : {th + tr + kPi / 18, th + tr - kPi / 9})
    draw_->DrawLine(p2.X, p2.Y, p2.X + h * std::sin(a), p2.Y + h * std::cos(a), false);

  // Reading direction, from where the middle of the arc lies; the bounds are
  // compared in single precision as the layout was made.
  const int64_t half = static_cast<int64_t>(RoundHalfEven(tr / 2));
  const float m = static_cast<float>(th + static_cast<double>(half % 6));
  double d = 1;
  if (m > static_cast<float>(-3 * kPi / 4) && m <= static_cast<float>(kPi / 4))
    d = 1;
  else if (m > static_cast<float>(kPi / 4) && m <= static_cast<float>(5 * kPi / 4))
    d = -1;
  if (reverseText) d = -d;

  const bool outside = lr == "R" || lr == "r";
  double radius = 0;
  if (outside)
    radius = d <= 0 ? hankei + 1.7 * h : hankei + 0.2 * h;
  else
    radius = d <= 0 ? hankei - 0.2 * h : hankei - 1.7 * h;

  // A text radius of 0 has no place for the text.
  if (radius != 0) {
    const std::vector<std::string> chars = Characters(moji);
    const double s = MojiB(" ");
    const double count = static_cast<double>(chars.size());
    double a = (th + tr / 2) - (0.3 * s * (count - 1) + s * count) * d / 2 / radius;
    t.TextTopLeft(false);
    for (const std::string& ch : chars) {
      const DPoint at = arcPoint(a, radius);
      DrwMoji(h, at.X, at.Y, ch, (d * kPi / 2 + a) * kDegPerRad);
      a += d * 1.3 * MojiB(ch) / radius;
    }
  }
  c->SetPenColor(kept.penColor);
  c->SetPenStyle(kept.penStyle);
  c->SetPenWidth(kept.penWidth);
}

}  // namespace norva
