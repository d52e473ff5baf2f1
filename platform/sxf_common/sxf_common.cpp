#include "platform/sxf_common/sxf_common.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/sxf_common/sxf_model.h"

namespace norva::sxf {

const char* const kPreColours[16] = {
    "black",    "red",   "green",  "blue",       "yellow",    "magenta",  "cyan",      "white",
    "deeppink", "brown", "orange", "lightgreen", "lightblue", "lavender", "lightgray", "darkgray"};
const char* const kPreLineTypes[15] = {"continuous",
                                       "dashed",
                                       "dashed spaced",
                                       "long dashed dotted",
                                       "long dashed double-dotted",
                                       "long dashed triplicate-dotted",
                                       "dotted",
                                       "chain",
                                       "chain double dash",
                                       "dashed dotted",
                                       "double-dashed dotted",
                                       "dashed double-dotted",
                                       "double-dashed double-dotted",
                                       "dashed triplicate-dotted",
                                       "double-dashed triplicate-dotted"};
const double kPreWidths[9] = {0.13, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};

const TableEntry* Drawing::Layer(int32_t code) const {
  for (const TableEntry& t : tables)
    if (t.kind == TableEntry::kLayer && t.code == code) return &t;
  return nullptr;
}

const Figure* Drawing::FindFigure(const std::string& name) const {
  for (const Figure& f : figures)
    if (f.name == name) return &f;
  return nullptr;
}

namespace {

std::string g_stamp;

// A refusal: the message (UTF-8 here, CP932 for the caller) and -1.
struct Refusal : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Where the placement of a drawing group puts its members: p -> s R(a) p + t.
struct Similarity {
  double a = 0, s = 1, tx = 0, ty = 0;
  void Apply(double& x, double& y) const {
    const double r = a * M_PI / 180.0, c = std::cos(r), n = std::sin(r);
    const double px = s * x, py = s * y;
    x = c * px - n * py + tx;
    y = n * px + c * py + ty;
  }
  bool Identity() const { return a == 0 && s == 1 && tx == 0 && ty == 0; }
};

double NormalDegrees(double a) {
  a = std::fmod(a, 360.0);
  if (a < 0) a += 360.0;
  // What prints as 360 is 0.
  if (std::round(a * 1e6) >= 360e6) a = 0;
  return a;
}

struct Session {
  bool open = false;
  std::string target, temp;
  int fd = -1;
  Drawing d;
  // The assembly features go to: a figure's index, -1 the sheet, -2 none yet.
  int current = -2;
  std::string message;
  // A write was refused: the file would lack what it asked for.
  bool failed = false;
  bool p21 = false;  // the file is written in the P21 form
  // The container of each figure's placement: figure index, -1 sheet.
  std::vector<std::optional<int>> placedIn;
  std::vector<Similarity> placement;

  void Reset() {
    if (fd >= 0) ::close(fd);
    if (!temp.empty()) ::unlink(temp.c_str());
    *this = Session{};
  }
};

std::array<Session, 2> g_sessions;
Session& Of(Family f) { return g_sessions[f == Family::kSfc ? 0 : 1]; }

// ---- checks -------------------------------------------------------------------------------

std::string FieldText(const char* field, const char* what) {
  if (field == nullptr) throw Refusal(std::string(what) + "がありません。");
  const void* nul = std::memchr(field, 0, kTextField);
  if (nul == nullptr) throw Refusal(std::string(what) + "が256バイトを超えています。");
  return std::string(field, static_cast<const char*>(nul));
}

// Text of a name or a string parameter: CP932, no quote, backslash or control.
std::string CheckText(const std::string& s, const char* what, bool allowEmpty = false) {
  if (s.size() > 256) throw Refusal(std::string(what) + "が256バイトを超えています。");
  if (s.empty() && !allowEmpty) throw Refusal(std::string(what) + "が空です。");
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      ++i;  // the second byte of a double-byte character may be anything
      continue;
    }
    if (c < 0x20 || c == 0x7F) throw Refusal(std::string(what) + "に制御文字があります。");
    if (c == '\'') throw Refusal(std::string(what) + "にアポストロフィ(')は使えません。");
    if (c == '\\') throw Refusal(std::string(what) + "に\\は使えません。");
  }
  try {
    Cp932ToUtf16(s);
  } catch (const std::runtime_error&) {
    throw Refusal(std::string(what) + "がシフトJISの文字列ではありません。");
  }
  return s;
}

double Num(double v, const char* what) {
  if (!std::isfinite(v) || std::fabs(v) >= 1e15)
    throw Refusal(std::string(what) + "の値が不正です。");
  return v;
}

void Range(int32_t v, int32_t lo, int32_t hi, const char* what) {
  if (v < lo || v > hi) throw Refusal(std::string(what) + "の値が範囲外です。");
}

bool HasEntry(const Drawing& d, TableEntry::Kind kind, int32_t code) {
  for (const TableEntry& t : d.tables)
    if (t.kind == kind && t.code == code) return true;
  return false;
}

void CheckLayer(const Drawing& d, int32_t layer, bool zeroOk) {
  if (zeroOk && layer == 0) return;
  if (!d.Layer(layer))
    throw Refusal("レイヤコード" + std::to_string(layer) + "は定義されていません。");
}
void CheckColour(const Drawing& d, int32_t c) {
  const bool ok = c >= 1 && c <= 16 ? HasEntry(d, TableEntry::kColour, c)
                                    : HasEntry(d, TableEntry::kUserColour, c);
  if (!ok) throw Refusal("色コード" + std::to_string(c) + "は定義されていません。");
}
void CheckLineType(const Drawing& d, int32_t t) {
  const bool ok = t >= 1 && t <= 15 ? HasEntry(d, TableEntry::kLineType, t)
                                    : HasEntry(d, TableEntry::kUserLineType, t);
  if (!ok) throw Refusal("線種コード" + std::to_string(t) + "は定義されていません。");
}
void CheckWidth(const Drawing& d, int32_t w) {
  if (!HasEntry(d, TableEntry::kWidth, w))
    throw Refusal("線幅コード" + std::to_string(w) + "は定義されていません。");
}
void CheckFont(const Drawing& d, int32_t f) {
  if (!HasEntry(d, TableEntry::kFont, f))
    throw Refusal("文字フォントコード" + std::to_string(f) + "は定義されていません。");
}
void CheckCurve(const Drawing& d, const Feature& f) {
  CheckLayer(d, f.layer, false);
  CheckColour(d, f.color);
  CheckLineType(d, f.type);
  CheckWidth(d, f.width);
}

void CheckTextParams(const Drawing& d, const Feature& f) {
  CheckFont(d, f.font);
  CheckText(f.text, "文字列");
  if (!(f.height > 0) || !(f.textWidth > 0)) throw Refusal("文字の高さと幅は正の値です。");
  Num(f.height, "文字高");
  Num(f.textWidth, "文字幅");
  Num(f.spacing, "文字間隔");
  if (!(std::fabs(Num(f.slant, "斜体角")) <= 85)) throw Refusal("斜体角は-85～85度です。");
  Range(f.basePoint, 1, 9, "文字配置基点");
  Range(f.textDirection, 1, 2, "文字の書き方向");
}

void CheckPoints(const Feature& f) {
  for (size_t i = 0; i < f.xs.size(); ++i) {
    Num(f.xs[i], "座標");
    Num(f.ys[i], "座標");
  }
}

// Two points are the same when they print the same: a reader sees only the
// written coordinates, and a line between them would have no direction.
bool SamePoint(const Feature& f, size_t i, size_t j) {
  return FormatLength(f.xs[i]) == FormatLength(f.xs[j]) &&
         FormatLength(f.ys[i]) == FormatLength(f.ys[j]);
}

// ---- tables ---------------------------------------------------------------------------------

int32_t CountOf(const Drawing& d, TableEntry::Kind kind) {
  int32_t n = 0;
  for (const TableEntry& t : d.tables) n += t.kind == kind;
  return n;
}

void AddTable(Session& s, int32_t code, const void* rec) {
  Drawing& d = s.d;
  TableEntry e{};
  switch (code) {
    case kTableLayer: {
      const auto* r = static_cast<const LayerRec*>(rec);
      e.kind = TableEntry::kLayer;
      e.name = CheckText(FieldText(r->name, "レイヤ名"), "レイヤ名");
      Range(r->viewFlag, 0, 1, "表示/非表示フラグ");
      if (CountOf(d, TableEntry::kLayer) >= 256) throw Refusal("レイヤは256までです。");
      for (const TableEntry& t : d.tables)
        if (t.kind == TableEntry::kLayer && t.name == e.name)
          throw Refusal("レイヤ名「" + e.name + "」は定義済みです。");
      e.ints[0] = r->viewFlag;
      e.code = CountOf(d, TableEntry::kLayer) + 1;
      break;
    }
    case kTableColor:
    case kTableLineType: {
      const bool colour = code == kTableColor;
      const auto* r = static_cast<const NameRec*>(rec);
      const std::string name = FieldText(r->name, colour ? "既定義色名" : "既定義線種名");
      const char* const* names = colour ? kPreColours : kPreLineTypes;
      const int n = colour ? 16 : 15;
      int found = 0;
      for (int i = 0; i < n; ++i)
        if (name == names[i]) found = i + 1;
      if (!found)
        throw Refusal((colour ? "既定義色「" : "既定義線種「") + name + "」はありません。");
      // ISO 10303-46 names only five line types; the P21 form keeps to them.
      if (!colour && s.p21 && found != 1 && found != 2 && found != 7 && found != 8 && found != 9)
        throw Refusal("線種「" + name + "」はP21形式では書き込めません。");
      e.kind = colour ? TableEntry::kColour : TableEntry::kLineType;
      e.name = name;
      e.code = found;
      if (HasEntry(d, e.kind, found)) return;  // once is enough
      break;
    }
    case kTableUserColor: {
      const auto* r = static_cast<const UserColorRec*>(rec);
      for (int32_t v : {r->red, r->green, r->blue}) Range(v, 0, 255, "色の成分");
      if (CountOf(d, TableEntry::kUserColour) >= 240) throw Refusal("ユーザ定義色は240までです。");
      e.kind = TableEntry::kUserColour;
      e.ints[0] = r->red;
      e.ints[1] = r->green;
      e.ints[2] = r->blue;
      e.code = 17 + CountOf(d, TableEntry::kUserColour);
      break;
    }
    case kTableUserLineType: {
      const auto* r = static_cast<const UserLineTypeRec*>(rec);
      e.kind = TableEntry::kUserLineType;
      e.name = CheckText(FieldText(r->name, "線種名"), "線種名");
      if (r->segments < 2 || r->segments > 8 || r->segments % 2)
        throw Refusal("線種のピッチ数は2～8の偶数です。");
      for (int i = 0; i < r->segments; ++i) {
        if (!(Num(r->pitch[i], "ピッチ") > 0)) throw Refusal("線種のピッチは正の値です。");
        e.pitch.push_back(r->pitch[i]);
      }
      if (CountOf(d, TableEntry::kUserLineType) >= 32)
        throw Refusal("ユーザ定義線種は32までです。");
      e.code = 17 + CountOf(d, TableEntry::kUserLineType);
      break;
    }
    case kTableLineWidth: {
      const auto* r = static_cast<const LineWidthRec*>(rec);
      const double w = Num(r->width, "線幅");
      if (!(w > 0)) throw Refusal("線幅は正の値です。");
      e.kind = TableEntry::kWidth;
      e.width = w;
      for (int i = 0; i < 9; ++i)
        if (std::fabs(w - kPreWidths[i]) < 1e-9) e.code = i + 1;
      if (e.code && HasEntry(d, e.kind, e.code)) return;
      if (!e.code) {
        int users = 0;
        for (const TableEntry& t : d.tables) users += t.kind == TableEntry::kWidth && t.code > 10;
        if (CountOf(d, TableEntry::kWidth) >= 16) throw Refusal("線幅は16までです。");
        e.code = 11 + users;
      }
      break;
    }
    case kTableFont: {
      const auto* r = static_cast<const NameRec*>(rec);
      e.kind = TableEntry::kFont;
      e.name = CheckText(FieldText(r->name, "文字フォント名"), "文字フォント名");
      if (CountOf(d, TableEntry::kFont) >= 1024) throw Refusal("文字フォントは1024までです。");
      e.code = CountOf(d, TableEntry::kFont) + 1;
      break;
    }
    default:
      throw Refusal("定義テーブルのコード" + std::to_string(code) + "はありません。");
  }
  d.tables.push_back(std::move(e));
}

// ---- assemblies -----------------------------------------------------------------------------

void AddAssembly(Session& s, int32_t code, const void* rec) {
  Drawing& d = s.d;
  if (d.hasSheet) throw Refusal("用紙の後に図面要素を書くことはできません。");
  if (code == kAssemblySheet) {
    const auto* r = static_cast<const SheetRec*>(rec);
    const std::string name = CheckText(FieldText(r->name, "用紙名"), "用紙名", true);
    if (!((r->type >= 0 && r->type <= 4) || r->type == 9))
      throw Refusal("用紙サイズの種別が不正です。");
    Range(r->orient, 0, 1, "用紙の縦横区分");
    static const int32_t kSizes[5][2] = {
        {1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
    int32_t x = r->x, y = r->y;
    if (r->type != 9) {
      x = kSizes[r->type][r->orient == 1 ? 0 : 1];
      y = kSizes[r->type][r->orient == 1 ? 1 : 0];
    } else if (x <= 0 || y <= 0) {
      throw Refusal("自由用紙の大きさは正の値です。");
    }
    d.hasSheet = true;
    d.sheetName = name;
    d.sheetType = r->type;
    d.sheetOrient = r->orient;
    d.sheetX = x;
    d.sheetY = y;
    s.current = -1;
    return;
  }
  if (code == kAssemblyFigure) {
    const auto* r = static_cast<const FigureRec*>(rec);
    Figure f;
    f.name = CheckText(FieldText(r->name, "複合図形名"), "複合図形名");
    Range(r->kind, 1, 4, "複合図形種別");
    if (d.FindFigure(f.name)) throw Refusal("複合図形名「" + f.name + "」は定義済みです。");
    f.kind = r->kind;
    d.figures.push_back(std::move(f));
    s.placedIn.emplace_back();
    s.placement.emplace_back();
    s.current = static_cast<int>(d.figures.size()) - 1;
    return;
  }
  if (code == kAssemblyCurve) throw Refusal("複合曲線はこのライブラリでは書き込めません。");
  throw Refusal("アセンブリのコード" + std::to_string(code) + "はありません。");
}

// ---- features -------------------------------------------------------------------------------

Feature Curve(Feature::Kind kind, int32_t layer, int32_t color, int32_t type, int32_t width) {
  Feature f;
  f.kind = kind;
  f.layer = layer;
  f.color = color;
  f.type = type;
  f.width = width;
  return f;
}

void List(const RealList& l, int32_t count, std::vector<double>& out) {
  if (l.count != count || (count > 0 && l.values == nullptr))
    throw Refusal("点列の数が一致しません。");
  out.assign(l.values, l.values + count);
}

Feature BuildLine(const Drawing& d, const std::string& /*name*/, const void* rec) {
  Feature f;
  const auto* r = static_cast<const LineRec*>(rec);
  f = Curve(Feature::kLine, r->layer, r->color, r->type, r->width);
  f.xs = {r->sx, r->ex};
  f.ys = {r->sy, r->ey};
  CheckCurve(d, f);
  return f;
}

Feature BuildPolyline(const Drawing& d, const std::string& name, const void* rec) {
  Feature f;
  const bool spline = name == "SPLINE";
  int32_t count = 0;
  if (spline) {
    const auto* r = static_cast<const SplineRec*>(rec);
    f = Curve(Feature::kSpline, r->layer, r->color, r->type, r->width);
    Range(r->closed, 0, 1, "開閉区分");
    f.closed = r->closed;
    count = r->count;
    List(r->xs, count, f.xs);
    List(r->ys, count, f.ys);
  } else {
    const auto* r = static_cast<const PolyLineRec*>(rec);
    f = Curve(Feature::kPolyline, r->layer, r->color, r->type, r->width);
    count = r->count;
    List(r->xs, count, f.xs);
    List(r->ys, count, f.ys);
  }
  if (count < 2) throw Refusal("折線の頂点は2点以上です。");
  CheckCurve(d, f);
  return f;
}

Feature BuildCircle(const Drawing& d, const std::string& name, const void* rec) {
  Feature f;
  if (name == "CIRCLE") {
    const auto* r = static_cast<const CircleRec*>(rec);
    f = Curve(Feature::kCircle, r->layer, r->color, r->type, r->width);
    f.xs = {r->cx};
    f.ys = {r->cy};
    f.r = r->r;
  } else {
    const auto* r = static_cast<const ArcRec*>(rec);
    f = Curve(Feature::kArc, r->layer, r->color, r->type, r->width);
    f.xs = {r->cx};
    f.ys = {r->cy};
    f.r = r->r;
    Range(r->direction, 0, 1, "円弧の向き");
    f.direction = r->direction;
    f.start = NormalDegrees(Num(r->start, "始角"));
    f.end = NormalDegrees(Num(r->end, "終角"));
  }
  if (!(Num(f.r, "半径") > 0)) throw Refusal("半径は正の値です。");
  CheckCurve(d, f);
  return f;
}

Feature BuildEllipse(const Drawing& d, const std::string& name, const void* rec) {
  Feature f;
  if (name == "ELLIPSE") {
    const auto* r = static_cast<const EllipseRec*>(rec);
    f = Curve(Feature::kEllipse, r->layer, r->color, r->type, r->width);
    f.xs = {r->cx};
    f.ys = {r->cy};
    f.rx = r->rx;
    f.ry = r->ry;
    f.rotation = NormalDegrees(Num(r->rotation, "回転角"));
  } else {
    const auto* r = static_cast<const EllipseArcRec*>(rec);
    f = Curve(Feature::kEllipseArc, r->layer, r->color, r->type, r->width);
    f.xs = {r->cx};
    f.ys = {r->cy};
    f.rx = r->rx;
    f.ry = r->ry;
    Range(r->direction, 0, 1, "円弧の向き");
    f.direction = r->direction;
    f.rotation = NormalDegrees(Num(r->rotation, "回転角"));
    f.start = NormalDegrees(Num(r->start, "始角"));
    f.end = NormalDegrees(Num(r->end, "終角"));
  }
  if (!(Num(f.rx, "半径") > 0) || !(Num(f.ry, "半径") > 0)) throw Refusal("半径は正の値です。");
  CheckCurve(d, f);
  return f;
}

Feature BuildPointMarker(const Drawing& d, const std::string& /*name*/, const void* rec) {
  Feature f;
  const auto* r = static_cast<const PointMarkerRec*>(rec);
  f.kind = Feature::kPointMarker;
  f.layer = r->layer;
  f.color = r->color;
  f.xs = {r->x};
  f.ys = {r->y};
  Range(r->code, 1, 7, "点マーカコード");
  f.code = r->code;
  f.angle = NormalDegrees(Num(r->angle, "回転角"));
  f.scale = Num(r->scale, "倍率");
  if (!(f.scale > 0)) throw Refusal("倍率は正の値です。");
  CheckLayer(d, f.layer, false);
  CheckColour(d, f.color);
  return f;
}

Feature BuildText(const Drawing& d, const std::string& /*name*/, const void* rec) {
  Feature f;
  const auto* r = static_cast<const TextRec*>(rec);
  f.kind = Feature::kText;
  f.layer = r->layer;
  f.color = r->color;
  f.font = r->font;
  f.text = FieldText(r->text, "文字列");
  f.xs = {r->x};
  f.ys = {r->y};
  f.height = r->height;
  f.textWidth = r->width;
  f.spacing = r->spacing;
  f.angle = NormalDegrees(Num(r->angle, "文字の角度"));
  f.slant = r->slant;
  f.basePoint = r->basePoint;
  f.textDirection = r->direction;
  CheckLayer(d, f.layer, false);
  CheckColour(d, f.color);
  CheckTextParams(d, f);
  return f;
}

Feature BuildLocate(const Drawing& d, const std::string& /*name*/, const void* rec) {
  Feature f;
  const auto* r = static_cast<const SfigLocateRec*>(rec);
  f.kind = Feature::kLocate;
  f.layer = r->layer;
  f.figure = FieldText(r->name, "複合図形名");
  f.xs = {r->x};
  f.ys = {r->y};
  f.angle = NormalDegrees(Num(r->angle, "配置角"));
  f.ratioX = Num(r->ratioX, "倍率");
  f.ratioY = Num(r->ratioY, "倍率");
  if (!(f.ratioX > 0) || !(f.ratioY > 0)) throw Refusal("配置倍率は正の値です。");
  CheckLayer(d, f.layer, true);
  return f;
}

Feature BuildLinearDim(const Drawing& d, const std::string& /*name*/, const void* rec) {
  Feature f;
  const auto* r = static_cast<const LinearDimRec*>(rec);
  f = Curve(Feature::kLinearDim, r->layer, r->color, r->type, r->width);
  f.xs = {r->sx,   r->ex,   r->p1x0,  r->p1x1,  r->p1x2, r->p2x0,
          r->p2x1, r->p2x2, r->arr1x, r->arr2x, r->textX};
  f.ys = {r->sy,   r->ey,   r->p1y0,  r->p1y1,  r->p1y2, r->p2y0,
          r->p2y1, r->p2y2, r->arr1y, r->arr2y, r->textY};
  CheckCurve(d, f);
  Range(r->proj1, 0, 1, "補助線フラグ");
  Range(r->proj2, 0, 1, "補助線フラグ");
  Range(r->arr1Flag, 0, 2, "矢印内外フラグ");
  Range(r->arr2Flag, 0, 2, "矢印内外フラグ");
  if (r->arr1Flag) Range(r->arr1Code, 1, 11, "矢印コード");
  if (r->arr2Flag) Range(r->arr2Code, 1, 11, "矢印コード");
  Range(r->textFlag, 0, 1, "寸法値フラグ");
  f.proj1 = r->proj1;
  f.proj2 = r->proj2;
  f.arr1Code = r->arr1Code;
  f.arr1Flag = r->arr1Flag;
  f.arr1Scale = Num(r->arr1Scale, "矢印倍率");
  f.arr2Code = r->arr2Code;
  f.arr2Flag = r->arr2Flag;
  f.arr2Scale = Num(r->arr2Scale, "矢印倍率");
  if ((f.arr1Flag && !(f.arr1Scale > 0)) || (f.arr2Flag && !(f.arr2Scale > 0)))
    throw Refusal("矢印の倍率は正の値です。");
  f.textFlag = r->textFlag;
  f.font = r->font;
  f.text = FieldText(r->text, "寸法値");
  f.height = r->height;
  f.textWidth = r->textWidth;
  f.spacing = r->spacing;
  f.angle = NormalDegrees(Num(r->angle, "文字の角度"));
  f.slant = r->slant;
  f.basePoint = r->basePoint;
  f.textDirection = r->direction;
  if (f.textFlag) CheckTextParams(d, f);
  if (SamePoint(f, 0, 1)) throw Refusal("寸法線の長さが0です。");
  if ((f.proj1 && SamePoint(f, 3, 4)) || (f.proj2 && SamePoint(f, 6, 7)))
    throw Refusal("寸法補助線の長さが0です。");
  return f;
}

// One builder per feature kind; each checks its record and refuses what the
// file cannot hold.
Feature Build(Session& s, const std::string& name, const void* rec) {
  using Builder = Feature (*)(const Drawing&, const std::string&, const void*);
  static const std::pair<const char*, Builder> kBuilders[] = {
      {"LINE", BuildLine},
      {"POLYLINE", BuildPolyline},
      {"SPLINE", BuildPolyline},
      {"CIRCLE", BuildCircle},
      {"ARC", BuildCircle},
      {"ELLIPSE", BuildEllipse},
      {"ELLIPSE_ARC", BuildEllipse},
      {"POINT_MARKER", BuildPointMarker},
      {"TEXT", BuildText},
      {"SFIG_LOCATE", BuildLocate},
      {"LINEAR_DIMENSION", BuildLinearDim},
  };
  for (const auto& [kind, build] : kBuilders) {
    if (name != kind) continue;
    Feature f = build(s.d, name, rec);
    CheckPoints(f);
    return f;
  }
  throw Refusal("図形要素「" + name + "」はこのライブラリでは書き込めません。");
}

void AddFeature(Session& s, const std::string& name, const void* rec) {
  Drawing& d = s.d;
  if (s.current == -2) throw Refusal("複合図形または用紙が開かれていません。");
  Feature f = Build(s, name, rec);
  if (s.p21 && (f.kind == Feature::kPointMarker || f.kind == Feature::kSpline))
    throw Refusal("図形要素「" + name + "」はP21形式では書き込めません。");
  // A line of no length draws nothing and has no direction to write.
  if (f.kind == Feature::kLine && SamePoint(f, 0, 1)) return;
  if (f.kind == Feature::kLocate) {
    Figure* fig = nullptr;
    int index = -1;
    for (size_t i = 0; i < d.figures.size(); ++i)
      if (d.figures[i].name == f.figure) {
        fig = &d.figures[i];
        index = static_cast<int>(i);
      }
    if (!fig || index == s.current)
      throw Refusal("複合図形「" + f.figure + "」は定義されていません。");
    const int hostKind = s.current >= 0 ? d.figures[static_cast<size_t>(s.current)].kind : 0;
    if ((fig->kind == 1 || fig->kind == 2) && hostKind != 0)
      throw Refusal("部分図は用紙にだけ配置できます。");
    if (fig->kind == 3 && hostKind == 4) throw Refusal("作図グループは作図部品に配置できません。");
    if (fig->kind != 4 && fig->placements > 0)
      throw Refusal("複合図形「" + f.figure + "」は配置済みです。");
    if (fig->kind == 3 && f.ratioX != f.ratioY)
      throw Refusal("作図グループは縦横同じ倍率で配置します。");
    ++fig->placements;
    if (fig->kind == 3) {
      s.placedIn[static_cast<size_t>(index)] = s.current;
      s.placement[static_cast<size_t>(index)] = {f.angle, f.ratioX, f.xs[0], f.ys[0]};
    }
  }
  if (s.current == -1)
    d.sheetMembers.push_back(std::move(f));
  else
    d.figures[static_cast<size_t>(s.current)].members.push_back(std::move(f));
}

// ---- drawing groups at their place
// ---------------------------------------------------------------

void Move(Feature& f, const Similarity& t) {
  for (size_t i = 0; i < f.xs.size(); ++i) t.Apply(f.xs[i], f.ys[i]);
  f.r *= t.s;
  f.rx *= t.s;
  f.ry *= t.s;
  f.height *= t.s;
  f.textWidth *= t.s;
  f.spacing *= t.s;
  f.arr1Scale *= t.s;
  f.arr2Scale *= t.s;
  if (t.a != 0) {
    f.rotation = NormalDegrees(f.rotation + t.a);
    f.start = NormalDegrees(f.start + t.a);
    f.end = NormalDegrees(f.end + t.a);
    f.angle = NormalDegrees(f.angle + t.a);
  }
  if (f.kind == Feature::kPointMarker) f.scale *= t.s;
  if (f.kind == Feature::kLocate) {
    f.ratioX *= t.s;
    f.ratioY *= t.s;
  }
}

// The whole placement of figure i: its own, then that of the group it sits in.
Similarity Total(const Session& s, size_t i) {
  Similarity t = s.placement[i];
  const std::optional<int>& host = s.placedIn[i];
  if (host && *host >= 0 && s.d.figures[static_cast<size_t>(*host)].kind == 3) {
    const Similarity outer = Total(s, static_cast<size_t>(*host));
    double x = t.tx, y = t.ty;
    outer.Apply(x, y);
    t = {NormalDegrees(t.a + outer.a), t.s * outer.s, x, y};
  }
  return t;
}

Drawing Resolve(const Session& s) {
  Drawing d = s.d;
  for (size_t i = 0; i < d.figures.size(); ++i) {
    Figure& fig = d.figures[i];
    if (fig.placements == 0) throw Refusal("複合図形「" + fig.name + "」が配置されていません。");
    if (fig.kind != 3) continue;
    const Similarity t = Total(s, i);
    if (!t.Identity())
      for (Feature& f : fig.members) Move(f, t);
  }
  auto origin = [&](std::vector<Feature>& members) {
    for (Feature& f : members) {
      if (f.kind != Feature::kLocate) continue;
      const Figure* g = d.FindFigure(f.figure);
      if (g && g->kind == 3) {
        f.xs = {0};
        f.ys = {0};
        f.angle = 0;
        f.ratioX = f.ratioY = 1;
      }
    }
  };
  for (Figure& fig : d.figures) origin(fig.members);
  origin(d.sheetMembers);
  return d;
}

std::string Now() {
  if (!g_stamp.empty()) return g_stamp;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
  return buf;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw Refusal(std::string("ファイルに書き込めません: ") + std::strerror(errno));
    done += static_cast<size_t>(n);
  }
}

template <typename Body>
int32_t Run(Family f, bool needOpen, Body&& body) {
  Session& s = Of(f);
  try {
    if (needOpen && !s.open) throw Refusal("SXFファイルが開かれていません。");
    return body(s);
  } catch (const Refusal& e) {
    s.message = Utf8ToCp932(e.what());
  } catch (const std::exception& e) {
    s.message = Utf8ToCp932(std::string("SXFファイルを書き込めません: ") + e.what());
  }
  if (s.open) s.failed = true;
  return -1;
}

}  // namespace

int32_t Open(Family f, const char* fileName, int32_t mode, double /*tolerance1*/,
             double /*tolerance2*/, double /*real3*/, int32_t /*int1*/, int32_t /*int2*/,
             const char* author, const char* organization, const char* translator,
             const char* /*reserved*/) {
  return Run(f, false, [&](Session& s) {
    if (s.open) throw Refusal("SXFファイルは既に開かれています。");
    if (mode != 1) throw Refusal("書き込み以外のモードには対応していません。");
    if (fileName == nullptr || *fileName == 0) throw Refusal("ファイル名がありません。");
    Session fresh;
    fresh.target = fileName;
    fresh.d.fileName = BaseName(fresh.target);
    if (fresh.d.fileName.empty()) throw Refusal("ファイル名がありません。");
    fresh.d.author = author ? author : "";
    fresh.d.organization = organization ? organization : "";
    fresh.d.translator = translator ? translator : "";
    for (const std::string* t :
         {&fresh.d.fileName, &fresh.d.author, &fresh.d.organization, &fresh.d.translator})
      CheckText(*t, "ヘッダの文字列", true);
    // The temporary file lives beside the target so that the rename at
    // close stays within one file system.
    std::string temp = fresh.target.substr(0, fresh.target.size() - fresh.d.fileName.size()) + "." +
                       fresh.d.fileName + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
      throw Refusal("ファイル " + fresh.target + " を作成できません: " + std::strerror(errno));
    fresh.fd = fd;
    fresh.temp = temp;
    fresh.open = true;
    fresh.p21 = f == Family::kP21;
    s.Reset();
    s = std::move(fresh);
    return 0;
  });
}

int32_t Close(Family f) {
  return Run(f, true, [&](Session& s) {
    struct Cleanup {
      Session& s;
      ~Cleanup() {
        const std::string message = s.message;
        s.Reset();
        s.message = message;
      }
    } cleanup{s};
    if (s.failed) throw Refusal("書き込めなかった要素があるため、ファイルを作成しません。");
    if (!s.d.hasSheet) throw Refusal("用紙が定義されていません。");
    Drawing d = Resolve(s);
    d.timeStamp = Now();
    const std::string text = f == Family::kSfc ? WriteSfc(d) : WriteP21(d);
    WriteAll(s.fd, text);
    if (::fsync(s.fd) != 0 || ::close(s.fd) != 0) {
      s.fd = -1;
      throw Refusal(std::string("ファイルに書き込めません: ") + std::strerror(errno));
    }
    s.fd = -1;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(s.temp.c_str(), 0666 & ~mask);
    if (::rename(s.temp.c_str(), s.target.c_str()) != 0)
      throw Refusal("ファイル " + s.target + " を書き込めません: " + std::strerror(errno));
    s.temp.clear();
    return 0;
  });
}

int32_t PopMsg(Family f, int32_t* number, const char** text) {
  static std::array<std::string, 2> taken;
  Session& s = Of(f);
  std::string& out = taken[f == Family::kSfc ? 0 : 1];
  out = s.message;
  s.message.clear();
  if (number) *number = out.empty() ? 0 : -1;
  if (text) *text = out.c_str();
  return 0;
}

int32_t WriteTable(Family f, int32_t code, const void* record) {
  return Run(f, true, [&](Session& s) {
    if (!record) throw Refusal("レコードがありません。");
    AddTable(s, code, record);
    return 0;
  });
}

int32_t WriteAssembly(Family f, int32_t code, const void* record) {
  return Run(f, true, [&](Session& s) {
    if (!record) throw Refusal("レコードがありません。");
    AddAssembly(s, code, record);
    return 0;
  });
}

int32_t WriteFeature(Family f, const char* name, const void* record) {
  return Run(f, true, [&](Session& s) {
    if (!record || !name) throw Refusal("レコードがありません。");
    AddFeature(s, name, record);
    return 0;
  });
}

void NoteRefusal(Family f) {
  Session& s = Of(f);
  if (s.open) s.failed = true;
}

void SetTimeStampForTesting(const std::string& stamp) { g_stamp = stamp; }

}  // namespace norva::sxf
