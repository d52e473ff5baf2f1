#pragma once
// A small writer of SVG pictures in twips for the tools that draw the
// shipped pictures of the screens: polygons, lines, dimensions with arrows,
// and labels (a subscript after "_") centred on a point or in a rectangle.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "screens/section/guide_pictures.h"

namespace norva::guide {

struct P {
  double x;
  double y;
};

constexpr const char* kInk = "#000000";
constexpr const char* kDimInk = "#1f3f9f";
constexpr const char* kConcrete = "#d6d6d6";
constexpr const char* kBlock = "#bdbdbd";
constexpr const char* kBackfillConcrete = "#e8e8e8";
constexpr const char* kSoil = "#f3e0b0";
constexpr const char* kRock = "#e2c58e";
constexpr const char* kBearing = "#f6eedb";
constexpr const char* kWater = "#2f6fe0";
constexpr double kFont = 170;
constexpr double kSubFont = 115;

inline std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.0f", std::round(v));
  return buf;
}

inline P Centre(const HanRect& r) { return {r.Left + r.Width / 2.0, r.Top + r.Height / 2.0}; }

// Width of a text in twips at a font size: ASCII half an em and a bit,
// anything else a full em.
inline double TextWidth(const std::string& s, double size) {
  double w = 0;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      w += 0.6 * size;
      ++i;
    } else {
      w += size;
      i += c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    }
  }
  return w;
}

class Svg {
 public:
  // A picture of w x h twips, shown at 15 twips to a pixel.
  Svg(int w, int h) : w_(w), h_(h) {}
  void Poly(const std::vector<P>& pts, const char* fill, const char* stroke = kInk,
            double width = 10) {
    body_ += "<polygon points=\"" + Points(pts) + "\" fill=\"" + fill + "\" stroke=\"" + stroke +
             "\" stroke-width=\"" + Num(width) + "\"/>\n";
  }
  void Lines(const std::vector<P>& pts, const char* stroke = kInk, double width = 10,
             bool dashed = false) {
    body_ += "<polyline points=\"" + Points(pts) + "\" fill=\"none\" stroke=\"" + stroke +
             "\" stroke-width=\"" + Num(width) + "\"" +
             (dashed ? " stroke-dasharray=\"60,40\"" : "") + "/>\n";
  }
  void Line(P a, P b, const char* stroke = kInk, double width = 10, bool dashed = false) {
    Lines({a, b}, stroke, width, dashed);
  }
  void Dot(P c, double r) {
    body_ += "<circle cx=\"" + Num(c.x) + "\" cy=\"" + Num(c.y) + "\" r=\"" + Num(r) +
             "\" fill=\"" + kInk + "\"/>\n";
  }
  // An arrow head at `tip` pointing away from `from`.
  void Arrow(P tip, P from) {
    const double dx = tip.x - from.x, dy = tip.y - from.y;
    const double len = std::hypot(dx, dy);
    if (len <= 0) return;
    const double ux = dx / len, uy = dy / len;
    const P base{tip.x - 90 * ux, tip.y - 90 * uy};
    Poly({tip, {base.x - 28 * uy, base.y + 28 * ux}, {base.x + 28 * uy, base.y - 28 * ux}}, kDimInk,
         kDimInk, 2);
  }
  // A dimension between a and b with its arrows, and extension lines from
  // the measured points ea, eb up to it.
  void Dim(P a, P b, P ea, P eb) {
    Line(ea, a, kDimInk, 5);
    Line(eb, b, kDimInk, 5);
    Line(a, b, kDimInk, 7);
    Arrow(a, b);
    Arrow(b, a);
  }
  void DimH(double x1, double x2, double y, double from1, double from2) {
    Dim({x1, y}, {x2, y}, {x1, from1}, {x2, from2});
  }
  void DimV(double y1, double y2, double x, double from1, double from2) {
    Dim({x, y1}, {x, y2}, {from1, y1}, {from2, y2});
  }
  // A text centred on c, a subscript after "_".
  void Text(P c, const std::string& label) {
    const size_t cut = label.find('_');
    const std::string main = label.substr(0, cut);
    const std::string sub = cut == std::string::npos ? "" : label.substr(cut + 1);
    const double w = TextWidth(main, kFont) + TextWidth(sub, kSubFont);
    const double x = c.x - w / 2;
    const double base = c.y + 0.36 * kFont;
    body_ += "<text x=\"" + Num(x) + "\" y=\"" + Num(base) +
             "\" font-family=\"IPAGothic\" font-size=\"" + Num(kFont) + "\" fill=\"" + kInk +
             "\">" + main + "</text>\n";
    if (!sub.empty())
      body_ += "<text x=\"" + Num(x + TextWidth(main, kFont)) + "\" y=\"" + Num(base + 45) +
               "\" font-family=\"IPAGothic\" font-size=\"" + Num(kSubFont) + "\" fill=\"" + kInk +
               "\">" + sub + "</text>\n";
  }
  // The label in its rectangle, and a thin leader to `to` when the label
  // does not sit beside what it names.
  void Label(const HanRect& r, const std::string& text, P to) {
    const P c = Centre(r);
    Text(c, text);
    const double gapX = std::max(0.0, std::fabs(to.x - c.x) - r.Width / 2.0);
    const double gapY = std::max(0.0, std::fabs(to.y - c.y) - r.Height / 2.0);
    if (gapX + gapY < 110) return;
    const P edge{
        std::clamp(to.x, static_cast<double>(r.Left), static_cast<double>(r.Left + r.Width)),
        std::clamp(to.y, static_cast<double>(r.Top), static_cast<double>(r.Top + r.Height))};
    Line(edge, to, kDimInk, 4);
  }
  // A free label without a rectangle (a value the screen does not mark).
  void Note(P c, const std::string& text) { Text(c, text); }
  // The slope mark of a face: a small triangle with "1" up and the run.
  void Slope(P at, double run) {
    Lines({at, {at.x, at.y - 300}, {at.x + run * 300, at.y - 300}}, kInk, 6);
  }
  // A water level: the line and its triangle.
  void Water(double x1, double x2, double y) {
    Line({x1, y}, {x2, y}, kWater, 12);
    const double cx = x1 + (x2 - x1) * 0.5;
    Poly({{cx - 70, y - 110}, {cx + 70, y - 110}, {cx, y - 10}}, "none", kWater, 10);
  }

  std::string Text() const {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(w_ / 15.0) + "\" height=\"" +
           Num(h_ / 15.0) + "\" viewBox=\"0 0 " + Num(w_) + " " + Num(h_) +
           "\">\n<rect x=\"0\" y=\"0\" width=\"" + Num(w_) + "\" height=\"" + Num(h_) +
           "\" fill=\"#ffffff\"/>\n" + body_ + "</svg>\n";
  }

 private:
  static std::string Points(const std::vector<P>& pts) {
    std::string s;
    for (const P& p : pts) {
      if (!s.empty()) s += ' ';
      s += Num(p.x) + "," + Num(p.y);
    }
    return s;
  }
  int w_;
  int h_;
  std::string body_;
};

}  // namespace norva::guide
