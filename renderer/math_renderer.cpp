#include "renderer/math_renderer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "renderer/markup_chars.h"

namespace norva {

namespace {

// Nesting deeper than any report formula; beyond it further constructs are
// read but not opened, so hostile markup cannot exhaust the stack.
constexpr int kMaxDepth = 64;

bool IsAlnum(unsigned char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
bool IsKana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }
bool IsLetterClass(unsigned char c) {
  return IsAsciiLetter(c) || c == '\'' || c == '*' || c == '%' || c == ';' || c == '.';
}

struct KeywordName {
  const char* name;
  MathKw kw;
};
constexpr KeywordName kKeywords[] = {
    {"sub", MathKw::kSub},     {"sup", MathKw::kSup},   {"box", MathKw::kBox},
    {"over", MathKw::kOver},   {"atop", MathKw::kAtop}, {"left", MathKw::kLeft},
    {"right", MathKw::kRight}, {"math", MathKw::kMath}, {"root", MathKw::kRoot},
    {"sqrt", MathKw::kSqrt},   {"of", MathKw::kOf},     {"above", MathKw::kAbove},
    {"below", MathKw::kBelow}, {"t", MathKw::kT},       {"bt", MathKw::kBt},
    {"b", MathKw::kB},         {"vec", MathKw::kVec},   {"bar", MathKw::kBar},
    {"dot", MathKw::kDot},     {"ddot", MathKw::kDdot}, {"hat", MathKw::kHat},
    {"tilde", MathKw::kTilde}};

bool IsSeparator(MathKw kw) {
  return kw == MathKw::kOver || kw == MathKw::kAtop || kw == MathKw::kLeft ||
         kw == MathKw::kRight || kw == MathKw::kOf;
}

// Symbol-font bytes used by the layout.
constexpr std::string_view kRadicalChar = "\xD6";
constexpr std::string_view kIntegralChar = "\xF2";
constexpr std::string_view kProductChar = "\xD5";

}  // namespace

CMathRenderer::CMathRenderer(PageComposer* composer, RenderRun& run, std::string_view text,
                             size_t cursor, IMathMetrics& metrics, IRtfSink* rtf)
    : CMarkupRenderer(nullptr, composer, run), metrics_(metrics), rtfSink_(rtf) {
  SetText(text);
  SetCursor(cursor);
}

MathBox* CMathRenderer::NewBox(int style, MathBoxKind kind) {
  boxes_.emplace_back();
  MathBox* b = &boxes_.back();
  b->style = style;
  b->kind = kind;
  return b;
}

// ---------------------------------------------------------------------------
// Measurement

double CMathRenderer::MeasureText(int style, std::string_view bytes, bool fromScanner) {
  const double w = metrics_.TextWidth(style, bytes);
  if (fromScanner) {
    tok_.ascent = metrics_.Ascent(style);
    tok_.descent = metrics_.Descent(style);
  }
  return w;
}

std::pair<double, double> CMathRenderer::FontMetrics(int style) {
  return {metrics_.Ascent(style), metrics_.Descent(style)};
}

double CMathRenderer::BlankWidth(int style) {
  // Remembered per typesetter, so a new style sheet never sees an old width.
  if (style != blankStyle_) {
    blankWidth_ = metrics_.TextWidth(style, " ");
    blankStyle_ = style;
  }
  return blankWidth_;
}

double CMathRenderer::AxisHeight(int style) { return std::trunc(metrics_.Ascent(style) / 2.0); }

int CMathRenderer::SelectStyle(int small, MathKw textMode) const {
  if (small) return kMathSmall;
  if (textMode == MathKw::kBt) return kMathBold;
  if (textMode == MathKw::kB) return kMathItalicBold;
  return kMathNormal;
}

// ---------------------------------------------------------------------------
// Scanner

MathTok CMathRenderer::ScanToken(int small) {
  tok_.scriptMode = 2;
  tok_.code = 0;
  tok_.bracketChar = 0;
  tok_.keyword = MathKw::kNone;
  tok_.text = {};
  tok_.width = 0;
  tok_.style = SelectStyle(small, tok_.textMode);
  for (;;) {
    size_t c = Cursor();
    while (IsMarkupBlank(ByteAt(c))) ++c;
    SetCursor(c);
    const unsigned char ch = ByteAt(c);
    if (ch == 0) {
      tok_.kind = MathTok::kEnd;
      return tok_.kind;
    }
    if (ch == '&') {
      if (ScanEntity(small)) return tok_.kind;
      SetCursor(c + 1);  // an "&" that starts no entity is dropped
      continue;
    }
    if (ch == '^' || ch == '_') {
      SetCursor(c + 1);
      tok_.kind = MathTok::kKeyword;
      tok_.keyword = ch == '^' ? MathKw::kSup : MathKw::kSub;
      tok_.code = kKwShorthand;
      return tok_.kind;
    }
    if (ch == '<') {
      const unsigned char next = ByteAt(c + 1);
      if (IsAsciiLetter(next) || (next == '/' && IsAsciiLetter(ByteAt(c + 2)))) {
        ScanKeyword();
        return tok_.kind;
      }
    }
    // A bracket or an operator: one byte in the symbol style.
    auto singleByte = [&](MathTok kind, bool halfBlank) {
      const int style = SymbolStyle(small);
      tok_.kind = kind;
      tok_.style = style;
      tok_.text = Text().substr(c, 1);
      tok_.width = MeasureText(style, tok_.text, true);
      if (halfBlank) tok_.width += BlankWidth(style) / 2;
      SetCursor(c + 1);
    };
    if (std::string_view("()[]{|}").find(static_cast<char>(ch)) != std::string_view::npos) {
      singleByte(MathTok::kBracket, ch == ')' || ch == ']' || ch == '|');
      switch (ch) {
        case '(':
          tok_.code = 231;
          break;
        case ')':
          tok_.code = 247;
          break;
        case '[':
          tok_.code = 234;
          break;
        case ']':
          tok_.code = 250;
          break;
        case '{':
          tok_.code = 237;
          break;
        case '|':
          tok_.code = 239;
          break;
        default:
          tok_.code = 253;
          break;
      }
      tok_.bracketChar = ch;
      return tok_.kind;
    }
    if (std::string_view("!+,-./:<=>").find(static_cast<char>(ch)) != std::string_view::npos) {
      singleByte(MathTok::kOperator, ch != '.');
      tok_.code = ch;
      return tok_.kind;
    }
    ScanRun(small);
    return tok_.kind;
  }
}

void CMathRenderer::ScanRun(int small) {
  const size_t start = Cursor();
  const unsigned char ch = ByteAt(start);
  size_t p = start;
  int style = SelectStyle(small, tok_.textMode);
  bool halfBlank = true;
  if (IsLetterClass(ch)) {
    while (IsLetterClass(ByteAt(p))) ++p;
  } else if (IsAsciiDigit(ch)) {
    while (IsAsciiDigit(ByteAt(p))) ++p;
  } else if (IsCp932Lead(ch) && IsCp932Trail(ByteAt(start + 1))) {
    while (IsCp932Lead(ByteAt(p)) && IsCp932Trail(ByteAt(p + 1))) p += 2;
    style = JapaneseStyle(small);
    halfBlank = false;
  } else if (IsKana(ch)) {
    while (IsKana(ByteAt(p))) ++p;
    style = JapaneseStyle(small);
    halfBlank = false;
  } else {
    // A byte of no class ("#", "$", "?", a control byte) shows nothing; it is
    // passed over so that the rest of the formula is still read.
    tok_.kind = MathTok::kNothing;
    SetCursor(start + 1);
    return;
  }
  tok_.kind = MathTok::kRun;
  tok_.style = style;
  tok_.text = Text().substr(start, p - start);
  tok_.width = MeasureText(style, tok_.text, true);
  if (halfBlank) tok_.width += BlankWidth(style) / 2;
  SetCursor(p);
}

bool CMathRenderer::ScanEntity(int small) {
  const size_t amp = Cursor();
  const size_t n = amp + 1;
  const std::string_view rest = Text().substr(std::min(n, Text().size()));
  auto starts = [&rest](std::string_view name) { return StartsNoCase(rest, name); };
  const int letter = SelectStyle(small, tok_.textMode);
  const int symbol = SymbolStyle(small);
  auto symbolToken = [&](int code, int style, std::string_view bytes, size_t nameLength) {
    tok_.kind = MathTok::kSymbol;
    tok_.code = code;
    tok_.style = style;
    tok_.text = bytes;
    tok_.width = MeasureText(style, bytes, true);
    tok_.scriptMode = 1;
    SetCursor(n + nameLength);
  };
  if (starts("sp;") || starts("thinsp;")) {
    const bool thin = !starts("sp;");
    tok_.kind = MathTok::kBlank;
    tok_.style = letter;
    tok_.width = BlankWidth(letter) * (thin ? 0.5 : 1.0);
    SetCursor(n + (thin ? 7 : 3));
    return true;
  }
  if (starts("dots;")) {
    symbolToken(kSymDots, symbol, "... ", 5);
    return true;
  }
  if (starts("int;")) {
    symbolToken(kSymIntegral, symbol, kIntegralChar, 4);
    tok_.ascent = 2 * tok_.ascent + tok_.descent;
    return true;
  }
  if (starts("sum;")) {
    symbolToken(kSymSum, symbol, "S", 4);
    return true;
  }
  if (starts("prod;")) {
    symbolToken(kSymProduct, symbol, kProductChar, 5);
    return true;
  }
  if (starts("lim;")) {
    symbolToken(kSymLimit, SelectStyle(small, MathKw::kT), "lim", 4);
    return true;
  }
  size_t length = 0;
  const int code = LookupEntity(n, &length);
  if (code != 0) {
    const std::string glyph(1, static_cast<char>(code));
    tok_.kind = MathTok::kGlyph;
    tok_.code = code;
    tok_.style = symbol;
    tok_.width = MeasureText(symbol, glyph, true) + BlankWidth(symbol);
    SetCursor(n + length + 1);
    return true;
  }
  if (!IsAlnum(ByteAt(n))) return false;
  size_t p = n;
  while (IsAlnum(ByteAt(p))) ++p;
  const int style = SelectStyle(small, MathKw::kT);
  tok_.kind = MathTok::kRun;
  tok_.style = style;
  tok_.text = Text().substr(n, p - n);
  tok_.width = MeasureText(style, tok_.text, true) + BlankWidth(style) / 2;
  // The name and the one character after it (normally its ";").
  SetCursor(ByteAt(p) != 0 ? p + 1 : p);
  return true;
}

void CMathRenderer::ScanKeyword() {
  size_t p = Cursor() + 1;
  bool closing = false;
  if (ByteAt(p) == '/') {
    closing = true;
    ++p;
  }
  const size_t start = p;
  while (IsAlnum(ByteAt(p))) ++p;
  const std::string_view name = Text().substr(start, p - start);
  while (IsMarkupBlank(ByteAt(p))) ++p;
  SetCursor(p);
  for (const KeywordName& k : kKeywords) {
    if (EqualNoCase(name, k.name)) {
      tok_.kind = MathTok::kKeyword;
      tok_.keyword = k.kw;
      tok_.code = closing ? kKwClosing : kKwOpening;
      return;
    }
  }
  tok_.kind = MathTok::kNothing;
}

void CMathRenderer::SkipGreater() {
  if (ByteAt(Cursor()) == '>') SetCursor(Cursor() + 1);
}

// ---------------------------------------------------------------------------
// Parser and layout

MathBox* CMathRenderer::Layout() {
  tok_.textMode = MathKw::kNone;
  boxes_.clear();
  depth_ = 0;
  return ParseExpr(0, MathKw::kMath).first;
}

namespace {

// Hangs b on `on` (scripts, delimiters, fraction parts), in front of what
// hangs there already.
void Hang(MathBox* on, MathBox* b) {
  b->prev = on->attached;
  on->attached = b;
}

}  // namespace

void CMathRenderer::StartItem(ExprLine& ln) {
  ln.x0 = ln.pen;
  ln.m = tok_.scriptMode;
  ln.R = ln.L = ln.U = ln.V = 0;
}

void CMathRenderer::Append(ExprLine& ln, MathBox* b) {
  b->prev = ln.last;
  ln.last = b;
}

std::pair<MathBox*, MathKw> CMathRenderer::ParseExpr(int small, MathKw stop) {
  struct DepthGuard {
    int& d;
    explicit DepthGuard(int& depth) : d(depth) { ++d; }
    ~DepthGuard() { --d; }
  } guard(depth_);

  ExprLine ln;
  ln.small = small;
  MathKw ended = MathKw::kNone;
  for (;;) {
    const MathTok kind = ScanToken(small);
    if (kind == MathTok::kEnd) break;
    if (kind != MathTok::kKeyword) {
      AddTokenBox(ln, kind);
      continue;
    }
    const MathKw kw = tok_.keyword;
    const int form = tok_.code;
    if (kw == stop && form != kKwOpening) {
      // A shorthand has no ">" of its own; only a tag's is passed over.
      if (form == kKwClosing) SkipGreater();
      ended = stop;
      break;
    }
    if (IsSeparator(kw)) {
      SkipTag();
      ended = kw;
      break;
    }
    if (form == kKwClosing) {
      SkipTag();
      continue;
    }
    if (depth_ >= kMaxDepth) {
      if (form == kKwOpening) SkipTag();
      continue;
    }
    ParseKeyword(ln, kw, form);
  }
  return FinishLine(ln, ended);
}

void CMathRenderer::ParseKeyword(ExprLine& ln, MathKw kw, int form) {
  switch (kw) {
    case MathKw::kBox:
      ParseBoxItem(ln);
      break;
    case MathKw::kSup:
    case MathKw::kSub:
      ParseScript(ln, kw, form);
      break;
    case MathKw::kSqrt:
    case MathKw::kRoot:
      ParseRadical(ln, kw);
      break;
    case MathKw::kT:
    case MathKw::kBt:
    case MathKw::kB:
      ParseTextGroup(ln, kw);
      break;
    case MathKw::kVec:
    case MathKw::kBar:
    case MathKw::kDot:
    case MathKw::kDdot:
    case MathKw::kHat:
    case MathKw::kTilde:
    case MathKw::kAbove:
    case MathKw::kBelow:
      ParseAccent(ln, kw);
      break;
    default:  // "math" inside a formula
      SkipTag();
      break;
  }
}

// A box: its content, with left and right delimiters grown to it, or a
// fraction ("over", "atop") of two such contents.
void CMathRenderer::ParseBoxItem(ExprLine& ln) {
  StartItem(ln);
  SkipGreater();
  auto [p, e] = ParseExpr(ln.small, MathKw::kBox);
  MathBox* leftDelims = nullptr;
  if (e == MathKw::kLeft) {
    leftDelims = p;
    if (leftDelims) leftDelims->role = MathRole::kLeftDelims;
    std::tie(p, e) = ParseExpr(ln.small, MathKw::kBox);
  }
  double Ha = 0, Hd = 0;
  if (e == MathKw::kOver || e == MathKw::kAtop) {
    const bool over = e == MathKw::kOver;
    MathBox* num = p ? p : NewBox(SelectStyle(ln.small, tok_.textMode));
    auto [q, e2] = ParseExpr(ln.small, MathKw::kBox);
    e = e2;
    MathBox* den = q ? q : NewBox(SelectStyle(ln.small, tok_.textMode));
    num->role = MathRole::kNumerator;
    den->role = MathRole::kDenominator;
    const int sym = SymbolStyle(ln.small);
    MathBox* bar = NewBox(sym, over ? MathBoxKind::kBar : MathBoxKind::kBarless);
    bar->ascent = 1;
    bar->descent = 2;
    bar->y = AxisHeight(sym);
    const double W = std::max(num->width, den->width);
    if (den->width >= num->width) {
      den->x = 2;
      num->x = 2 + W / 2 - num->width / 2;
    } else {
      num->x = 2;
      den->x = 2 + W / 2 - den->width / 2;
    }
    num->y = bar->y + 1 + num->descent;
    den->y = bar->y - (2 + den->ascent);
    bar->width = W + 3;
    Hang(bar, den);
    Hang(bar, num);
    Ha = num->ascent + num->descent + 1;
    Hd = den->ascent + den->descent + 2;
    ln.A = std::max(ln.A, Ha + bar->y);
    ln.D = std::max(ln.D, Hd - bar->y);
    p = bar;
  } else {
    if (!p) p = NewBox(SelectStyle(ln.small, tok_.textMode));
    Ha = p->ascent;
    Hd = p->descent;
    ln.A = std::max(ln.A, Ha);
    ln.D = std::max(ln.D, Hd);
  }
  p->x = ln.pen;
  Append(ln, p);
  // Delimiters stand on the content's own baseline (the bar's axis
  // for a fraction), so they enclose what they grew to.
  if (leftDelims) {
    const auto [a2, d2] = Grow(leftDelims, Ha, Hd);
    ln.A = std::max(ln.A, a2 + p->y);
    ln.D = std::max(ln.D, d2 - p->y);
    leftDelims->x = -leftDelims->width;
    leftDelims->y = p->y;
    Hang(p, leftDelims);
    p->x += leftDelims->width;
  }
  ln.pen = p->x + p->width + BlankWidth(SelectStyle(ln.small, tok_.textMode)) / 2;
  if (e == MathKw::kRight) {
    auto [r, e3] = ParseExpr(ln.small, MathKw::kBox);
    (void)e3;
    if (r) {
      r->role = MathRole::kRightDelims;
      const auto [a2, d2] = Grow(r, Ha, Hd);
      ln.A = std::max(ln.A, a2 + p->y);
      ln.D = std::max(ln.D, d2 - p->y);
      r->x = p->width;
      r->y = p->y;
      Hang(p, r);
      ln.pen += r->width;
    }
  }
}

// A superscript or subscript on the last item: beside it, or as limits
// above and below an item set in limit mode.
void CMathRenderer::ParseScript(ExprLine& ln, MathKw kw, int form) {
  const bool isSup = kw == MathKw::kSup;
  if (form == kKwOpening) SkipGreater();
  MathBox* s = ParseExpr(1, kw).first;
  if (!s) s = NewBox(kMathSmall);  // an empty script takes no room
  s->role = isSup ? MathRole::kSuperscript : MathRole::kSubscript;
  if (!ln.last) {
    MathBox* empty = NewBox(SelectStyle(ln.small, tok_.textMode));
    empty->x = ln.pen;
    Append(ln, empty);
    ln.x0 = ln.pen;
    ln.m = 2;
    ln.R = ln.L = ln.U = ln.V = 0;
  }
  MathBox* b = ln.last;
  Hang(b, s);
  const double k = BlankWidth(kMathSmall);
  if (ln.m == 2) {
    ln.R = std::max(ln.R, s->width);
    s->x = b->width - k / 2;
    if (isSup) {
      s->y = 0.65 * b->ascent;
      ln.U = std::max(ln.U, s->ascent);
      ln.A = std::max(ln.A, 0.65 * b->ascent + ln.U);
    } else {
      s->y = -b->descent;
      ln.V = std::max(ln.V, s->descent);
    }
  } else {
    // Limits: centred on the base; the base moves right when a limit
    // reaches further left, and the pen clears base and limits.
    s->x = (b->width - b->width / 2) - (s->width - s->width / 2);
    if (-s->x > ln.L) {
      ln.L = -s->x;
      b->x = ln.x0 + ln.L;
    }
    ln.R = std::max(ln.R, s->x + s->width - b->width);
    if (isSup) {
      s->y = b->y + b->ascent + s->descent;
      ln.U = std::max(ln.U, s->ascent + s->descent);
      ln.A = std::max(ln.A, b->y + b->ascent + ln.U);
    } else {
      s->y = b->y - (b->descent + s->ascent);
      ln.V = std::max(ln.V, s->ascent + s->descent);
    }
  }
  ln.pen = ln.x0 + ln.L + b->width + ln.R;
  if (!isSup) ln.D = std::max(ln.D, ln.V + b->descent - b->y);
}

// A square root, or a root with its index: the sign, the radicand with
// its overline.
void CMathRenderer::ParseRadical(ExprLine& ln, MathKw kw) {
  StartItem(ln);
  SkipTag();
  const int sym = SymbolStyle(ln.small);
  MathBox* sign = NewBox(sym, MathBoxKind::kRadical);
  sign->width = MeasureText(sym, kRadicalChar) + 2;
  std::tie(sign->ascent, sign->descent) = FontMetrics(sym);
  sign->x = ln.pen;
  Append(ln, sign);
  ln.pen += sign->width;
  MathBox* index = nullptr;
  MathBox* radicand = nullptr;
  if (kw == MathKw::kRoot) {
    auto [i, e] = ParseExpr(1, MathKw::kRoot);
    if (e == MathKw::kOf) {
      if (i) {
        index = i;
        i->x = sign->x + sign->width - i->width;
        i->ascent = tok_.ascent;
        i->descent = tok_.descent;
        Append(ln, i);
        ln.A = std::max(ln.A, i->ascent);
        ln.D = std::max(ln.D, i->descent);
      }
      radicand = ParseExpr(ln.small, MathKw::kRoot).first;
    } else {
      radicand = i;
    }
  } else {
    radicand = ParseExpr(ln.small, MathKw::kSqrt).first;
  }
  if (radicand) {
    radicand->x = ln.pen;
    radicand->y = 0;
    ln.pen += radicand->width;
    radicand->ascent += 2;
    sign->ascent = radicand->ascent;
    sign->descent = radicand->descent;
    Append(ln, radicand);
    MathBox* line = NewBox(SelectStyle(ln.small, tok_.textMode), MathBoxKind::kGroup);
    line->decoration = kDecoOverline;
    line->x = radicand->x;
    line->width = ln.pen - radicand->x;
    line->ascent = radicand->ascent;
    line->descent = radicand->descent;
    Append(ln, line);
    ln.A = std::max(ln.A, line->ascent);
    ln.D = std::max(ln.D, line->descent);
    if (index) {
      index->y = radicand->ascent - FontMetrics(index->style).first + 2;
      ln.A = std::max(ln.A, index->y + index->ascent);  // the raised index stays inside
    }
  } else {
    ln.A = std::max(ln.A, sign->ascent);
    ln.D = std::max(ln.D, sign->descent);
  }
}

// Text in upright, bold-upright or bold letters.
void CMathRenderer::ParseTextGroup(ExprLine& ln, MathKw kw) {
  StartItem(ln);
  SkipTag();
  tok_.textMode = kw;
  MathBox* g = ParseExpr(ln.small, kw).first;
  tok_.textMode = MathKw::kNone;
  if (g) {
    g->x = ln.pen;
    g->y = 0;
    Append(ln, g);
    ln.A = std::max(ln.A, g->ascent);
    ln.D = std::max(ln.D, g->descent);
    ln.pen += g->width + 2;
  }
}

// An accent or a line over or under its content.
void CMathRenderer::ParseAccent(ExprLine& ln, MathKw kw) {
  StartItem(ln);
  SkipTag();
  MathBox* c = ParseExpr(ln.small, kw).first;
  if (c) {
    // The mark sits on the text cell, not over any scripts.
    const double fullA = c->ascent, fullD = c->descent;
    c->x = ln.pen;
    c->y = 0;
    c->ascent = tok_.ascent;
    c->descent = tok_.descent;
    Append(ln, c);
    ln.pen += c->width;
    MathBox* g = NewBox(SelectStyle(ln.small, tok_.textMode), MathBoxKind::kGroup);
    switch (kw) {
      case MathKw::kVec:
        g->decoration = kDecoVector;
        break;
      case MathKw::kDot:
        g->decoration = kDecoDot;
        break;
      case MathKw::kDdot:
        g->decoration = kDecoDdot;
        break;
      case MathKw::kHat:
        g->decoration = kDecoHat;
        break;
      case MathKw::kTilde:
        g->decoration = kDecoTilde;
        break;
      default:
        g->decoration = kDecoBar;
        break;
    }
    g->x = ln.x0;
    g->width = ln.pen - ln.x0;
    g->ascent = c->ascent;
    g->descent = c->descent;
    Append(ln, g);
    ln.A = std::max({ln.A, g->ascent, fullA});
    ln.D = std::max({ln.D, g->descent, fullD});
  }
}

// A token that is not a keyword: a blank, a run of letters, a bracket, a
// glyph, a symbol or an operator.
void CMathRenderer::AddTokenBox(ExprLine& ln, MathTok kind) {
  switch (kind) {
    case MathTok::kBlank:
      ln.x0 = ln.pen;
      ln.R = ln.L = ln.U = ln.V = 0;
      ln.pen += tok_.width;
      break;
    case MathTok::kRun:
    case MathTok::kBracket:
    case MathTok::kGlyph: {
      StartItem(ln);
      MathBox* b = NewBox(tok_.style, kind == MathTok::kRun       ? MathBoxKind::kRun
                                      : kind == MathTok::kBracket ? MathBoxKind::kBracket
                                                                  : MathBoxKind::kGlyph);
      b->text = tok_.text;
      b->code = tok_.code;
      b->bracketChar = tok_.bracketChar;
      b->x = ln.pen;
      b->width = tok_.width;
      b->ascent = tok_.ascent;
      b->descent = tok_.descent;
      Append(ln, b);
      ln.pen += b->width;
      ln.A = std::max(ln.A, b->ascent);
      ln.D = std::max(ln.D, b->descent);
      break;
    }
    case MathTok::kSymbol: {
      StartItem(ln);
      MathBox* b = NewBox(tok_.style, MathBoxKind::kSymbol);
      b->text = tok_.text;
      b->code = tok_.code;
      b->x = ln.pen;
      b->y = tok_.code == kSymLimit ? AxisHeight(tok_.style) : 0;
      b->width = tok_.width;
      b->ascent = tok_.ascent;
      b->descent = tok_.descent;
      Append(ln, b);
      ln.pen += b->width;
      ln.A = std::max(ln.A, b->ascent + b->y);
      ln.D = std::max(ln.D, b->descent - b->y);
      break;
    }
    case MathTok::kOperator: {
      tok_.scriptMode = tok_.code == '=' ? 1 : 2;
      StartItem(ln);
      if (tok_.code == '.') ln.pen -= BlankWidth(tok_.style) / 2;
      MathBox* b = NewBox(tok_.style, MathBoxKind::kOperator);
      b->text = tok_.text;
      b->code = tok_.code;
      b->x = ln.pen;
      b->width = tok_.width;
      b->ascent = tok_.ascent;
      b->descent = tok_.descent;
      Append(ln, b);
      ln.pen += b->width + 2;
      ln.A = std::max(ln.A, b->ascent);
      ln.D = std::max(ln.D, b->descent);
      break;
    }
    default:  // nothing
      break;
  }
}

std::pair<MathBox*, MathKw> CMathRenderer::FinishLine(ExprLine& ln, MathKw ended) {
  if (!ln.last) return {nullptr, ended};
  MathBox* line = ln.last;
  // A lone item becomes the line itself only when it sits at the line's
  // origin; otherwise its offset would be lost when the line is placed.
  if (ln.last->prev || ln.last->attached || ln.last->x != 0 || ln.last->y != 0) {
    line = NewBox(SelectStyle(ln.small, tok_.textMode), MathBoxKind::kGroup);
    line->content = ln.last;
  }
  line->width = ln.pen;
  line->ascent = ln.A;
  line->descent = ln.D;
  return {line, ended};
}

void CMathRenderer::Stretch(MathBox* b) {
  const auto [fa, fd] = FontMetrics(b->style);
  const double g = fa + fd;
  const double c = b->ascent + b->descent;
  b->pieces = 0;
  if (g <= 0 || c <= g) return;
  const int n = std::max(1, static_cast<int>(std::trunc((c + g - 1) / g - 2)));
  const double drawn = g * (n + 2);
  b->pieces = n;
  b->ascent += (drawn - c) / 2;
  b->descent = drawn - b->ascent;
}

std::pair<double, double> CMathRenderer::Grow(MathBox* delims, double a, double d) {
  MathBox* visited = nullptr;
  double visitedDepth = 0;
  std::function<void(MathBox*)> walk = [&](MathBox* chain) {
    for (MathBox* b = chain; b; b = b->prev) {
      if (b->kind == MathBoxKind::kGroup) {
        walk(b->content);
        continue;
      }
      if (b->kind == MathBoxKind::kBracket) {
        b->ascent = a;
        b->descent = d;
        Stretch(b);
        visitedDepth = b->descent;
      } else if (b->kind == MathBoxKind::kSymbol && b->code == kSymIntegral) {
        b->ascent = std::max(b->ascent, a);
        b->descent = std::max(b->descent, d);
        Stretch(b);
        visitedDepth = b->descent;
        for (MathBox* s = b->attached; s; s = s->prev) {
          if (s->role == MathRole::kSuperscript) {
            s->y = b->ascent + s->descent;
          } else if (s->role == MathRole::kSubscript) {
            s->y = -(b->descent + s->ascent);
            visitedDepth = std::max(visitedDepth, b->descent + s->ascent + s->descent);
          }
        }
      } else {
        visitedDepth = b->descent;
      }
      visited = b;
    }
  };
  walk(delims);
  if (!visited) return {a, d};
  return {std::max(a, visited->ascent), std::max(d, visitedDepth)};
}

}  // namespace norva
