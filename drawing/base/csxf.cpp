#include "drawing/base/csxf.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "document/geometry.h"
#include "document/paths.h"
#include "text/cp932.h"

namespace norva {

namespace {

constexpr double kTextH = 2.5;    // dimension text height and width of a character
constexpr double kGap = 1.0;      // point to projection line, overshoot, text to line
constexpr double kRowGap = 1.25;  // least clear gap between texts of one row
constexpr double kOutside = 3.0;  // chain end to a text placed outside it
constexpr double kNarrow = 6.0;   // widest narrow interval
constexpr double kMerge = 0.01;   // points closer than this are one
constexpr int32_t kArrowKind = 9;
constexpr double kArrowSize = 0.4;
constexpr double kPi = 3.14159265358979;

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// One piece of a chain before it becomes a record: its dimension line, the
// points whose projection lines it draws (-1: none), its arrows and text.
struct Piece {
  DPoint l0, l1;
  int proj1 = -1, proj2 = -1;
  bool arrow1 = false, arrow2 = false;
  int text = -1;  // index into the texts
  DPoint ref{};   // text reference
  double w = 0;
};

std::string TextOf(const std::vector<std::string>& texts, int j) {
  return j >= 0 && j < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(j)] : "";
}

// Drops point i and the text of the interval ending at it.
void DropPoint(std::vector<DPoint>& pts, std::vector<std::string>& texts, int i) {
  pts.erase(pts.begin() + i);
  if (i < static_cast<int>(texts.size())) texts.erase(texts.begin() + i);
}

// The pieces of a chain of ns intervals by the table of cases: wide, single
// narrow (two pieces), narrow first, narrow last, narrow inner. along(j) is
// the position of point j's foot on the line, outsideBefore(k) the point k
// before the first foot, outsideAfter(k) the point k beyond the last.
template <typename Foot, typename Before, typename After>
std::vector<Piece> Pieces(int ns, const std::vector<double>& d,
                          const std::vector<std::string>& texts, Foot foot, Before before,
                          After after) {
  std::vector<Piece> out;
  bool left = true;  // the projection line left of the next interval is still to be drawn
  const double n = CharCount(TextOf(texts, 1)), m = CharCount(TextOf(texts, ns));
  for (int j = 1; j <= ns; ++j) {
    Piece p;
    if (d[static_cast<size_t>(j)] > kNarrow) {
      p = {foot(j - 1), foot(j), left ? j - 1 : -1, j, true, true, j};
      left = false;
    } else if (ns == 1) {
      out.push_back({before(kOutside + kTextH * n), foot(0), -1, 0, false, true, 1});
      p = {foot(1), after(kOutside + kTextH * n), 1, -1, true, false, -1};
    } else if (j == 1) {
      p = {before(kOutside + kTextH * n), foot(0), -1, 0, false, true, 1};
      left = true;
    } else if (j == ns) {
      p = {foot(ns), after(kOutside + kTextH * m), ns, -1, true, false, ns};
    } else {
      p = {foot(j - 1), foot(j), left ? j - 1 : -1, j, false, false, j};
      left = false;
    }
    out.push_back(p);
  }
  return out;
}

}  // namespace

int32_t CharCount(const std::string& utf8) {
  int32_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

// ---- file, tables, sheet ---------------------------------------------------------------

int32_t CSxf::SxfFileOpen(const std::string& fileName, double tolerance, double tolerance2) {
  return lib_.SxfOpenWrite(FileType, Utf8ToCp932(fileName).c_str(), tolerance, tolerance2, 0.0, 2,
                           2, "unknown", "unknown", Utf8ToCp932("ノルヴァ Ver.3.0").c_str());
}

int32_t CSxf::FileClose() { return lib_.SxfClose(FileType); }

int32_t CSxf::GetMsg(int32_t& number, std::string& message) {
  char buffer[sxf::kMessageBuffer] = {};
  const int32_t r = lib_.SxfGetPopMsg(FileType, &number, buffer);
  buffer[sxf::kMessageBuffer - 1] = 0;
  message = TrimNulls(Cp932ToUtf8(buffer));
  return r;
}

int32_t CSxf::SetLayer(const std::string& sLayerName, int32_t nViewFlag) {
  return lib_.SxfSetLayear(FileType, Utf8ToCp932(sLayerName).c_str(), nViewFlag);
}
int32_t CSxf::SetColor(const std::string& sColorName) {
  return lib_.SxfSetColor(FileType, Utf8ToCp932(sColorName).c_str());
}
int32_t CSxf::SetLineType(const std::string& sLineTypeName) {
  return lib_.SxfSetLineType(FileType, Utf8ToCp932(sLineTypeName).c_str());
}
int32_t CSxf::SetLineWidth(double width) { return lib_.SxfSetLineWidth(FileType, width); }
int32_t CSxf::SetFont(const std::string& sFontName) {
  return lib_.SxfSetFont(FileType, Utf8ToCp932(sFontName).c_str());
}

int32_t CSxf::SetSheet(const std::string& SheetName, int32_t nType, int32_t nOrient, int32_t x,
                       int32_t y) {
  static const int32_t kPaper[5][2] = {{841, 1189}, {594, 841}, {420, 594}, {297, 420}, {210, 297}};
  if (nType >= 0 && nType <= 4) {
    paperWidth_ = kPaper[nType][0];
    paperHeight_ = kPaper[nType][1];
  } else if (nType == 9) {
    paperWidth_ = std::min(x, y);
    paperHeight_ = std::max(x, y);
  }
  return lib_.SxfSetSheet(FileType, Utf8ToCp932(SheetName).c_str(), nType, nOrient, paperHeight_,
                          paperWidth_);
}

int32_t CSxf::SetFukugo(const std::string& newName, int32_t nFlag) {
  lib_.SxfSetFukugo(FileType, Utf8ToCp932(newName).c_str(), nFlag);
  int32_t number = 0;
  std::string dropped;
  GetMsg(number, dropped);
  return 0;
}

int32_t CSxf::SetFukugoLocate(int32_t nLayer, const std::string& sName, double x, double y,
                              double Angle, double ratio_x, double ratio_y) {
  return lib_.SxfSfigLoc(FileType, nLayer, Utf8ToCp932(sName).c_str(), x, y, Angle, ratio_x,
                         ratio_y);
}

// ---- attributes and drawing ------------------------------------------------------------------

int32_t CSxf::SetCurLineAttrib(int32_t nLayer, int32_t nColor, int32_t nType, int32_t nWidth) {
  lineLayer_ = nLayer;
  lineColor_ = nColor;
  lineType_ = nType;
  lineWidth_ = nWidth;
  return 0;
}

void CSxf::SetCurFontAttrib(int32_t nLayer, int32_t nColor, int32_t nFont, double fSpc,
                            double fSlant, int32_t nDirect) {
  textLayer_ = nLayer;
  textColor_ = nColor;
  font_ = nFont;
  fSpc_ = fSpc;
  fSlant_ = fSlant;
  nDirect_ = nDirect;
}

namespace {
constexpr int32_t kBaseOfAlign[9] = {7, 8, 9, 1, 2, 3, 4, 5, 6};
}

void CSxf::SetTextAlign(int32_t align) {
  if (align >= 0 && align <= 8) basePoint_ = kBaseOfAlign[align];
}

int32_t CSxf::TextAlign() const {
  for (int32_t i = 0; i < 9; ++i)
    if (kBaseOfAlign[i] == basePoint_) return i;
  return 0;
}

int32_t CSxf::DrawLine(double start_x, double start_y, double end_x, double end_y) {
  return lib_.SxfLine(FileType, lineLayer_, lineColor_, lineType_, lineWidth_, start_x, start_y,
                      end_x, end_y);
}

int32_t CSxf::DrawPolyLine(int32_t count, const std::vector<double>& x,
                           const std::vector<double>& y) {
  const auto n = static_cast<int32_t>(
      std::min<size_t>({static_cast<size_t>(std::max(count, 0)), x.size(), y.size()}));
  return lib_.SxfPolyLine(FileType, lineLayer_, lineColor_, lineType_, lineWidth_, n, x.data(),
                          y.data());
}

double CSxf::TextWidth(const std::string& utf8) const {
  const int32_t n = CharCount(utf8);
  return nDirect_ == 1 ? n * FontSize + (n - 1) * fSpc_ : FontSize;
}

double CSxf::TextHeight(const std::string& utf8) const {
  const int32_t n = CharCount(utf8);
  return nDirect_ == 1 ? FontSize : n * FontSize + (n - 1) * fSpc_;
}

void CSxf::Text(const std::string& utf8) {
  if (CharCount(utf8) == 0) return;
  lib_.SxfText(FileType, textLayer_, textColor_, font_, Utf8ToCp932(utf8).c_str(), CurrentX,
               CurrentY, TextHeight(utf8), TextWidth(utf8), fSpc_, TextAngle, fSlant_, basePoint_,
               nDirect_);
}

// ---- serial dimensions ------------------------------------------------------------------------

int32_t CSxf::WriteDims(const std::vector<sxf::SxfLinearDimRec>& recs,
                        const std::vector<std::string>& texts) {
  int32_t result = 0;
  for (size_t i = 0; i < recs.size(); ++i) {
    sxf::SxfLinearDimRec r = recs[i];
    const std::string text = Utf8ToCp932(texts[i]);
    r.text = text.c_str();
    result = lib_.SxfLinearDim(FileType, lineLayer_, lineColor_, lineType_, lineWidth_, &r);
    if (result < 0) break;
  }
  return result;
}

namespace {

// Fills a record from its piece; proj(k, base, start, end) gives point k's
// projection line when it has one.
template <typename Proj>
sxf::SxfLinearDimRec Record(const Piece& p, const std::string& text, int32_t font, double angle,
                            Proj proj) {
  sxf::SxfLinearDimRec r{};
  r.sx = p.l0.X, r.sy = p.l0.Y, r.ex = p.l1.X, r.ey = p.l1.Y;
  DPoint b, s, e;
  if (p.proj1 >= 0 && proj(p.proj1, b, s, e)) {
    r.proj1 = 1;
    r.p1x0 = b.X, r.p1y0 = b.Y, r.p1x1 = s.X, r.p1y1 = s.Y, r.p1x2 = e.X, r.p1y2 = e.Y;
  }
  if (p.proj2 >= 0 && proj(p.proj2, b, s, e)) {
    r.proj2 = 1;
    r.p2x0 = b.X, r.p2y0 = b.Y, r.p2x1 = s.X, r.p2y1 = s.Y, r.p2x2 = e.X, r.p2y2 = e.Y;
  }
  r.arr1Code = r.arr2Code = kArrowKind;
  if (p.arrow1) r.arr1Flag = 1, r.arr1x = p.l0.X, r.arr1y = p.l0.Y, r.arr1Scale = kArrowSize;
  if (p.arrow2) r.arr2Flag = 1, r.arr2x = p.l1.X, r.arr2y = p.l1.Y, r.arr2Scale = kArrowSize;
  if (!text.empty()) {
    r.textFlag = 1;
    r.font = font;
    r.textX = p.ref.X, r.textY = p.ref.Y;
    r.height = kTextH;
    r.width = p.w;
    r.angle = angle;
    r.basePoint = 7;
    r.direction = 1;
  }
  return r;
}

}  // namespace

int32_t CSxf::Chain(bool vertical, int32_t& ns, const std::vector<double>& xs,
                    const std::vector<double>& ys, double pos, const std::string& typ,
                    std::vector<std::string>& Sunp) {
  if (ns < 1) return 0;
  if (static_cast<size_t>(ns) >= std::min(xs.size(), ys.size())) return 0;
  // Along and across the line.
  std::vector<DPoint> p;
  for (int j = 0; j <= ns; ++j)
    p.push_back(vertical ? DPoint{ys[static_cast<size_t>(j)], xs[static_cast<size_t>(j)]}
                         : DPoint{xs[static_cast<size_t>(j)], ys[static_cast<size_t>(j)]});
  for (int i = 1; i <= ns; ++i) {
    if (std::fabs(p[static_cast<size_t>(i - 1)].X - p[static_cast<size_t>(i)].X) < kMerge) {
      DropPoint(p, Sunp, i);
      --ns;
    }
  }
  if (ns < 1) return 0;

  std::vector<double> d(static_cast<size_t>(ns) + 1, 0);
  for (int j = 1; j <= ns; ++j)
    d[static_cast<size_t>(j)] = p[static_cast<size_t>(j)].X - p[static_cast<size_t>(j - 1)].X;
  auto foot = [&](int j) { return DPoint{p[static_cast<size_t>(j)].X, pos}; };
  std::vector<Piece> pieces = Pieces(
      ns, d, Sunp, foot,
      [&](double k) {
        return DPoint{p[0].X - k, pos};
      },
      [&](double k) {
        return DPoint{p[static_cast<size_t>(ns)].X + k, pos};
      });

  const std::string code = Upper(typ);
  double across, shift;
  if (vertical) {
    const bool right = code == "RR" || code == "RL";
    across = right ? pos + kGap : pos - (kGap + kTextH);
    shift = right ? kGap + kTextH : -(kGap + kTextH);
  } else {
    const bool below = code == "LL" || code == "LU";
    across = below ? pos - kGap : pos + kGap + kTextH;
    shift = code == "LU" || code == "UU" ? kGap + kTextH : -(kGap + kTextH);
  }

  // Texts: centred on their line, outside the chain's ends for the outside pieces.
  std::vector<double> left(pieces.size(), 0);
  for (size_t i = 0; i < pieces.size(); ++i) {
    Piece& pc = pieces[i];
    const std::string t = TextOf(Sunp, pc.text);
    if (t.empty()) continue;
    pc.w = kTextH * CharCount(t);
    left[i] = (pc.l0.X + pc.l1.X) * 0.5 - pc.w * 0.5;
  }
  auto hasText = [&](size_t i) { return !TextOf(Sunp, pieces[i].text).empty(); };
  if (hasText(0) && pieces[0].l0.X < p[0].X) left[0] = p[0].X - kOutside - pieces[0].w;
  const size_t last = pieces.size() - 1;
  if (hasText(last) && pieces[last].l1.X > p[static_cast<size_t>(ns)].X)
    left[last] = p[static_cast<size_t>(ns)].X + kOutside;

  // Rows: a text too close to the last of the first row goes to the second,
  // then to the third, which takes any number.
  bool first = true, secondUsed = false;
  double row1End = 0, row2End = 0;
  std::vector<sxf::SxfLinearDimRec> recs;
  std::vector<std::string> texts;
  for (size_t i = 0; i < pieces.size(); ++i) {
    Piece& pc = pieces[i];
    double c = across;
    if (hasText(i)) {
      const double l = left[i], r = l + pc.w;
      if (first || l - row1End >= kRowGap) {
        row1End = r;
        first = false;
      } else if (!secondUsed || l - row2End > kRowGap) {
        c += shift;
        row2End = r;
        secondUsed = true;
      } else {
        c += 2 * shift;
      }
      pc.ref = vertical ? DPoint{c, l} : DPoint{l, c};
    }
    // Back from along/across to the sheet.
    if (vertical) {
      pc.l0 = {pc.l0.Y, pc.l0.X};
      pc.l1 = {pc.l1.Y, pc.l1.X};
    }
    auto proj = [&](int k, DPoint& b, DPoint& s, DPoint& e) {
      const DPoint q = p[static_cast<size_t>(k)];
      const double start = q.Y > pos ? q.Y - kGap : q.Y < pos ? q.Y + kGap : q.Y;
      if (start == pos) return false;
      const double end = pos > start ? pos + kGap : pos - kGap;
      b = q;
      s = {q.X, start};
      e = {q.X, end};
      if (vertical) {
        b = {b.Y, b.X};
        s = {s.Y, s.X};
        e = {e.Y, e.X};
      }
      return true;
    };
    const std::string t = TextOf(Sunp, pc.text);
    recs.push_back(Record(pc, t, font_, vertical ? 90 : 0, proj));
    texts.push_back(t);
  }
  return WriteDims(recs, texts);
}

int32_t CSxf::HSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                    double Ysnp, const std::string& typ, std::vector<std::string>& Sunp) {
  return Chain(false, ns, xs, ys, Ysnp, typ, Sunp);
}

int32_t CSxf::VSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                    double Xsnp, const std::string& typ, std::vector<std::string>& Sunp) {
  return Chain(true, ns, xs, ys, Xsnp, typ, Sunp);
}

int32_t CSxf::RotSunp(int32_t& ns, const std::vector<double>& xs, const std::vector<double>& ys,
                      double Xsnp, double Ysnp, double a, const std::string& typ,
                      std::vector<std::string>& Sunp) {
  if (ns < 1) return 0;
  if (static_cast<size_t>(ns) >= std::min(xs.size(), ys.size())) return 0;
  const DPoint P{Xsnp, Ysnp};
  const DPoint Q{Xsnp + 1000 * std::cos(a), Ysnp - 1000 * std::sin(a)};
  std::vector<DPoint> pts;
  for (int j = 0; j <= ns; ++j)
    pts.push_back({xs[static_cast<size_t>(j)], ys[static_cast<size_t>(j)]});
  std::vector<DPoint> F(pts.size());
  std::vector<double> h(pts.size(), 0);
  for (size_t j = 0; j < pts.size(); ++j) PerpFoot(P, Q, pts[j], F[j], h[j]);
  // The separation of points j-1 and j along the line.
  auto sep = [&](int j) {
    const auto k = static_cast<size_t>(j);
    DPoint f;
    double dist = 0;
    if (h[k] != 0) {
      PerpFoot(pts[k], F[k], pts[k - 1], f, dist);
      return dist;
    }
    if (h[k - 1] != 0) {
      PerpFoot(pts[k - 1], F[k - 1], pts[k], f, dist);
      return dist;
    }
    return PointDistance(F[k - 1], F[k]);
  };
  for (int i = 1; i <= ns; ++i) {
    if (sep(i) < kMerge) {
      F.erase(F.begin() + i);
      h.erase(h.begin() + i);
      DropPoint(pts, Sunp, i);
      --ns;
    }
  }
  if (ns < 1) return 0;
  std::vector<double> d(static_cast<size_t>(ns) + 1, 0);
  for (int j = 1; j <= ns; ++j) d[static_cast<size_t>(j)] = sep(j);
  const auto last = static_cast<size_t>(ns);
  std::vector<Piece> pieces = Pieces(
      ns, d, Sunp, [&](int j) { return F[static_cast<size_t>(j)]; },
      [&](double k) { return PointAlong(F[0], F[1], -k); },
      [&](double k) {
        return PointAlong(F[last - 1], F[last], k + PointDistance(F[last - 1], F[last]));
      });

  const std::string code = Upper(typ);
  const double offset = code == "LL" || code == "LU" ? -kGap : kGap + kTextH;
  const double shift = code == "LU" || code == "UU" ? kGap + kTextH : -(kGap + kTextH);
  const double angle = 360 - a * 57.29577951308238;
  double lineDir = std::fmod(-a, 2 * kPi);
  if (lineDir < 0) lineDir += 2 * kPi;

  int placed = 0;
  bool secondUsed = false;
  DPoint row1End, row2End;
  std::vector<sxf::SxfLinearDimRec> recs;
  std::vector<std::string> texts;
  for (Piece& pc : pieces) {
    const std::string t = TextOf(Sunp, pc.text);
    if (!t.empty()) {
      pc.w = kTextH * CharCount(t);
      const double L = PointDistance(pc.l0, pc.l1);
      const DPoint t0 = PointAlong(pc.l0, pc.l1, L / 2 - pc.w / 2);
      const DPoint t1 = PointAlong(pc.l0, pc.l1, L / 2 + pc.w / 2);
      auto along = [&](const DPoint& from) {
        return std::fabs(LineAngle(from, t0) - lineDir) <= 0.001;
      };
      double s = 0;
      if (placed == 0) {
        row1End = t1;
      } else if (placed == 1 ? PointDistance(t0, row1End) >= kRowGap
                             : along(row1End) && PointDistance(t0, row1End) >= kRowGap) {
        row1End = t1;
      } else if (!secondUsed || (std::fabs(LineAngle(row2End, t0) - lineDir) < 0.001 &&
                                 PointDistance(t0, row2End) > kRowGap)) {
        s = shift;
        row2End = t1;
        secondUsed = true;
      } else {
        s = 2 * shift;
      }
      ++placed;
      pc.ref = PolarPoint(t0, kPi / 2 - a, offset + s);
    }
    auto proj = [&](int k, DPoint& b, DPoint& st, DPoint& e) {
      const auto i = static_cast<size_t>(k);
      if (h[i] == 0) return false;
      b = pts[i];
      st = PointAlong(pts[i], F[i], kGap);
      e = PointAlong(pts[i], F[i], h[i] + kGap);
      return true;
    };
    recs.push_back(Record(pc, t, font_, angle, proj));
    texts.push_back(t);
  }
  return WriteDims(recs, texts);
}

}  // namespace norva
