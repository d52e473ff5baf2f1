// Formula scanner, layout and drawing with fixed fake font metrics, so that
// every position can be worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "renderer/math_renderer.h"
#include "text/cp932.h"

namespace norva {
namespace {

// ascent, descent, width of every byte but " ", width of " ".
struct FakeStyle {
  double asc, desc, perByte, blank;
};
constexpr FakeStyle kFake[kMathStyleCount] = {
    {10, 3, 6, 4},  // normal Japanese
    {5, 2, 3, 2},   // small Japanese
    {10, 3, 6, 4},  // normal
    {6, 2, 4, 2},   // small
    {10, 3, 6, 4},  // italic
    {10, 3, 7, 4},  // bold
    {10, 3, 8, 4},  // italic bold
    {11, 3, 7, 4},  // normal symbol
    {6, 2, 4, 2},   // small symbol
};

class FakeMetrics : public IMathMetrics {
 public:
  explicit FakeMetrics(double blankScale = 1) : blankScale_(blankScale) {}
  double TextWidth(int style, std::string_view bytes) override {
    double w = 0;
    for (char c : bytes) w += c == ' ' ? kFake[style].blank * blankScale_ : kFake[style].perByte;
    return w;
  }
  double Ascent(int style) override { return kFake[style].asc; }
  double Descent(int style) override { return kFake[style].desc; }

 private:
  double blankScale_;
};

struct Typeset {
  RenderRun run;
  FakeMetrics metrics;
  std::string text;
  std::unique_ptr<CMathRenderer> math;
  MathBox* root = nullptr;

  explicit Typeset(const std::string& utf8, double blankScale = 1) : metrics(blankScale) {
    text = Utf8ToCp932(utf8);
    math = std::make_unique<CMathRenderer>(nullptr, run, text, 0, metrics, nullptr);
    root = math->Layout();
  }
};

// Items of a line, first to last.
std::vector<MathBox*> Items(MathBox* line) {
  std::vector<MathBox*> out;
  MathBox* last = line && line->kind == MathBoxKind::kGroup && line->decoration == kDecoNone
                      ? line->content
                      : line;
  for (MathBox* b = last; b; b = b->prev) out.insert(out.begin(), b);
  return out;
}

MathBox* Attached(MathBox* b, MathRole role) {
  for (MathBox* a = b->attached; a; a = a->prev) {
    if (a->role == role) return a;
  }
  return nullptr;
}

std::string Bytes(const MathBox* b) { return std::string(b->text); }

struct Recorder : IMathCanvas {
  std::multiset<std::string> out;
  void DrawString(int style, std::string_view bytes, double x, double top) override {
    std::string shown;
    for (unsigned char c : bytes)
      shown += c < 128 ? std::string(1, static_cast<char>(c)) : "#" + std::to_string(c);
    out.insert("T" + std::to_string(style) + " " + shown + " @" +
               std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(top)));
  }
  void DrawLine(double x1, double y1, double x2, double y2) override {
    out.insert("L " + std::to_string(static_cast<int>(x1)) + "," +
               std::to_string(static_cast<int>(y1)) + "-" + std::to_string(static_cast<int>(x2)) +
               "," + std::to_string(static_cast<int>(y2)));
  }
};

// ---------------------------------------------------------------------------

struct TokenCase {
  const char* text;  // UTF-8
  int small;
  std::vector<std::tuple<MathTok, int, double, int>> tokens;  // kind, style, width, code
};

TEST(MathScanner, TokensAndWidths) {
  using T = MathTok;
  const std::vector<TokenCase> cases = {
      // Decimal number: digit runs carry half a blank, the "." none.
      {"1.5", 0, {{T::kRun, 2, 8, 0}, {T::kOperator, 7, 7, '.'}, {T::kRun, 2, 8, 0}}},
      {"x+y", 0, {{T::kRun, 2, 8, 0}, {T::kOperator, 7, 9, '+'}, {T::kRun, 2, 8, 0}}},
      {"x", 1, {{T::kRun, 3, 5, 0}}},
      // A tag that is not a keyword gives nothing; its ">" is an operator.
      {"<br>a", 0, {{T::kNothing, 2, 0, 0}, {T::kOperator, 7, 9, '>'}, {T::kRun, 2, 8, 0}}},
      {"< 3", 0, {{T::kOperator, 7, 9, '<'}, {T::kRun, 2, 8, 0}}},
      {"&SP;&thinsp;", 0, {{T::kBlank, 2, 4, 0}, {T::kBlank, 2, 2, 0}}},
      // "&nbsp;" is the blank (4 here) plus one symbol blank.
      {"&nbsp;&alpha;", 0, {{T::kGlyph, 7, 8, 32}, {T::kGlyph, 7, 11, 97}}},
      {"&foo;x", 0, {{T::kRun, 2, 20, 0}, {T::kRun, 2, 8, 0}}},
      {"&sum;&prod;&lim;&dots;&int;",
       0,
       {{T::kSymbol, 7, 7, kSymSum},
        {T::kSymbol, 7, 7, kSymProduct},
        {T::kSymbol, 2, 18, kSymLimit},
        {T::kSymbol, 7, 25, kSymDots},
        {T::kSymbol, 7, 7, kSymIntegral}}},
      // Bytes of no class are passed over one by one.
      {"a#$?b",
       0,
       {{T::kRun, 2, 8, 0},
        {T::kNothing, 2, 0, 0},
        {T::kNothing, 2, 0, 0},
        {T::kNothing, 2, 0, 0},
        {T::kRun, 2, 8, 0}}},
      {"& x", 0, {{T::kRun, 2, 8, 0}}},
      {"(x)|",
       0,
       {{T::kBracket, 7, 7, 231},
        {T::kRun, 2, 8, 0},
        {T::kBracket, 7, 9, 247},
        {T::kBracket, 7, 9, 239}}},
      {"[]{}",
       1,
       {{T::kBracket, 8, 4, 234},
        {T::kBracket, 8, 5, 250},
        {T::kBracket, 8, 4, 237},
        {T::kBracket, 8, 4, 253}}},
      // A full-width space is a Japanese run and keeps its width; so is half-width kana.
      {"　ｱ", 0, {{T::kRun, 0, 12, 0}, {T::kRun, 0, 6, 0}}},
      {"it's", 0, {{T::kRun, 2, 26, 0}}},
      {" \t\r\n\fq", 0, {{T::kRun, 2, 8, 0}}},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(c.text);
    RenderRun run;
    FakeMetrics metrics;
    const std::string text = Utf8ToCp932(c.text);
    CMathRenderer math(nullptr, run, text, 0, metrics, nullptr);
    for (const auto& [kind, style, width, code] : c.tokens) {
      ASSERT_EQ(math.ScanToken(c.small), kind);
      EXPECT_EQ(math.Token().style, style);
      EXPECT_DOUBLE_EQ(math.Token().width, width);
      if (kind != T::kRun && kind != T::kBlank && kind != T::kNothing) {
        EXPECT_EQ(math.Token().code, code);
      }
    }
    EXPECT_EQ(math.ScanToken(c.small), T::kEnd);
    EXPECT_EQ(math.Cursor(), text.size());
  }
}

TEST(MathScanner, KeywordsAndScriptModes) {
  RenderRun run;
  FakeMetrics metrics;
  const std::string text = "<BOX></sup >^_<font>&int;=";
  CMathRenderer math(nullptr, run, text, 0, metrics, nullptr);
  ASSERT_EQ(math.ScanToken(0), MathTok::kKeyword);
  EXPECT_EQ(math.Token().keyword, MathKw::kBox);
  EXPECT_EQ(math.Token().code, kKwOpening);
  EXPECT_EQ(math.Cursor(), 4u);  // on the ">"
  math.SetCursor(5);
  ASSERT_EQ(math.ScanToken(0), MathTok::kKeyword);
  EXPECT_EQ(math.Token().keyword, MathKw::kSup);
  EXPECT_EQ(math.Token().code, kKwClosing);
  EXPECT_EQ(math.Cursor(), 11u);  // blanks after the name are passed over
  EXPECT_EQ(math.ScanToken(0), MathTok::kOperator);
  ASSERT_EQ(math.ScanToken(0), MathTok::kKeyword);
  EXPECT_EQ(math.Token().keyword, MathKw::kSup);
  EXPECT_EQ(math.Token().code, kKwShorthand);
  ASSERT_EQ(math.ScanToken(0), MathTok::kKeyword);
  EXPECT_EQ(math.Token().keyword, MathKw::kSub);
  EXPECT_EQ(math.ScanToken(0), MathTok::kNothing);   // <font
  EXPECT_EQ(math.ScanToken(0), MathTok::kOperator);  // its ">"
  ASSERT_EQ(math.ScanToken(0), MathTok::kSymbol);
  EXPECT_EQ(math.Token().scriptMode, 1);
  EXPECT_DOUBLE_EQ(math.Token().ascent, 2 * 11 + 3);  // a double-height integral
  ASSERT_EQ(math.ScanToken(0), MathTok::kOperator);
  EXPECT_EQ(math.Token().scriptMode, 2);  // "=" takes limits only in the layout
}

TEST(MathStyles, TextModesAndSmallLines) {
  struct Case {
    const char* formula;
    std::vector<std::pair<std::string, int>> runs;  // run text, style
  };
  const std::vector<Case> cases = {
      {"<math><bt>x</bt><b>y</b><t>z</t>w</math>",
       {{"x", kMathBold}, {"y", kMathItalicBold}, {"z", kMathNormal}, {"w", kMathNormal}}},
      // Modes do not nest: after the inner closing tag the outer mode is gone.
      {"<math><bt>a<t>b</t>c</bt></math>",
       {{"a", kMathBold}, {"b", kMathNormal}, {"c", kMathNormal}}},
      {"<math><t>a<bt>b</bt>c</t></math>",
       {{"a", kMathNormal}, {"b", kMathBold}, {"c", kMathNormal}}},
      {"<math><bt>x_i_</bt></math>", {{"x", kMathBold}, {"i", kMathSmall}}},
      {"<math>あ^い^</math>", {{"\x82\xa0", kMathNormalJapan}, {"\x82\xa2", kMathSmallJapan}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula);
    Typeset t(c.formula);
    std::vector<std::pair<std::string, int>> runs;
    std::vector<MathBox*> stack = {t.root};
    while (!stack.empty()) {
      MathBox* b = stack.back();
      stack.pop_back();
      if (!b) continue;
      if (b->kind == MathBoxKind::kRun && !b->text.empty()) runs.emplace_back(Bytes(b), b->style);
      stack.push_back(b->prev);
      stack.push_back(b->content);
      stack.push_back(b->attached);
    }
    std::sort(runs.begin(), runs.end());
    auto expected = c.runs;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(runs, expected);
  }
}

// ---------------------------------------------------------------------------
// Layout, worked out by hand from the fake metrics.

TEST(MathLayout, Fraction) {
  Typeset t("<math><box>ab<over>c</box></math>");
  ASSERT_NE(t.root, nullptr);
  EXPECT_EQ(t.math->Cursor(), t.text.size());
  // "ab" 12 + 2, "c" 6 + 2; the bar at the symbol font's axis trunc(11 / 2).
  EXPECT_DOUBLE_EQ(t.root->width, 19);    // bar 14 + 3, half a blank
  EXPECT_DOUBLE_EQ(t.root->ascent, 19);   // 10 + 3 + 1 above the bar at 5
  EXPECT_DOUBLE_EQ(t.root->descent, 10);  // 10 + 3 + 2 below it
  const auto items = Items(t.root);
  ASSERT_EQ(items.size(), 1u);
  MathBox* bar = items[0];
  EXPECT_EQ(bar->kind, MathBoxKind::kBar);
  EXPECT_DOUBLE_EQ(bar->y, 5);
  EXPECT_DOUBLE_EQ(bar->width, 17);
  MathBox* num = Attached(bar, MathRole::kNumerator);
  MathBox* den = Attached(bar, MathRole::kDenominator);
  ASSERT_TRUE(num && den);
  EXPECT_EQ(Bytes(num), "ab");
  EXPECT_DOUBLE_EQ(num->x, 2);
  EXPECT_DOUBLE_EQ(num->y, 9);
  EXPECT_DOUBLE_EQ(den->x, 5);  // centred: 2 + 14/2 - 8/2
  EXPECT_DOUBLE_EQ(den->y, -7);

  const auto frame = CMathRenderer::FrameHundredthsMm(*t.root);
  EXPECT_EQ(frame.first, 502);   // 19 px at 96 dpi = 502.6 hundredths of a mm
  EXPECT_EQ(frame.second, 767);  // 29 px = 767.3
  const auto twips = CMathRenderer::NaturalTwips(*t.root);
  EXPECT_NEAR(twips.first, 284.598, 0.001);
  EXPECT_NEAR(twips.second, 434.835, 0.001);

  Recorder rec;
  t.math->DrawTree(t.root, rec);
  EXPECT_EQ(rec.out, (std::multiset<std::string>{"T2 ab @2,0", "T2 c @5,16", "L 0,14-17,14"}));
}

TEST(MathLayout, EqualPartsStartTogether) {
  Typeset t("<math><box>a<over>b</box></math>");
  MathBox* bar = Items(t.root)[0];
  EXPECT_DOUBLE_EQ(Attached(bar, MathRole::kNumerator)->x, 2);
  EXPECT_DOUBLE_EQ(Attached(bar, MathRole::kDenominator)->x, 2);
  EXPECT_DOUBLE_EQ(bar->width, 11);
}

TEST(MathLayout, NestedFractionWithSubscript) {
  Typeset t("<math><box>P_A_<over><box>1<over>2</box></box></math>");
  ASSERT_NE(t.root, nullptr);
  EXPECT_DOUBLE_EQ(t.root->width, 18);
  EXPECT_DOUBLE_EQ(t.root->ascent, 21);   // numerator 10 + 5 + 1 above the bar at 5
  EXPECT_DOUBLE_EQ(t.root->descent, 26);  // inner fraction 19 + 10 + 2 below it
  MathBox* bar = Items(t.root)[0];
  MathBox* num = Attached(bar, MathRole::kNumerator);
  MathBox* den = Attached(bar, MathRole::kDenominator);
  ASSERT_TRUE(num && den);
  EXPECT_DOUBLE_EQ(num->width, 13);   // P 8 + subscript A 5
  EXPECT_DOUBLE_EQ(num->descent, 5);  // subscript depth 2 below P's 3
  EXPECT_DOUBLE_EQ(num->y, 11);
  EXPECT_DOUBLE_EQ(den->y, -16);
  EXPECT_DOUBLE_EQ(den->x, 2);
  EXPECT_DOUBLE_EQ(num->x, 2);
  MathBox* p = Items(num)[0];
  MathBox* sub = Attached(p, MathRole::kSubscript);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->style, kMathSmall);
  EXPECT_DOUBLE_EQ(sub->x, 7);  // P's width less half a small blank
  EXPECT_DOUBLE_EQ(sub->y, -3);
  MathBox* inner = Items(den)[0];
  EXPECT_EQ(inner->kind, MathBoxKind::kBar);
  EXPECT_DOUBLE_EQ(inner->width, 11);
}

TEST(MathLayout, BracketsGrowAroundAFraction) {
  Typeset t("<math><box>(<left><box>1<over>2</box><right>)</box></math>");
  ASSERT_NE(t.root, nullptr);
  // Content 19 above and 10 below: 29 > 14 of the symbol font, one extension
  // piece, 42 drawn, centred: 19 + 6.5 above, 16.5 below.
  EXPECT_DOUBLE_EQ(t.root->ascent, 25.5);
  EXPECT_DOUBLE_EQ(t.root->descent, 16.5);
  EXPECT_DOUBLE_EQ(t.root->width, 31);  // "(" 7 + 13 + ")" 9 + 2
  MathBox* content = Items(t.root)[0];
  MathBox* left = Attached(content, MathRole::kLeftDelims);
  MathBox* right = Attached(content, MathRole::kRightDelims);
  ASSERT_TRUE(left && right);
  EXPECT_EQ(left->pieces, 1);
  EXPECT_EQ(right->pieces, 1);
  EXPECT_DOUBLE_EQ(left->ascent, 25.5);
  EXPECT_DOUBLE_EQ(right->descent, 16.5);
  EXPECT_DOUBLE_EQ(content->x, 7);
  EXPECT_DOUBLE_EQ(left->x, -7);
  EXPECT_DOUBLE_EQ(right->x, 13);

  Recorder rec;
  t.math->DrawTree(t.root, rec);
  // Pieces every 0.85 x 14 from the top edge; fraction bar at 25.5 - 5.
  EXPECT_EQ(rec.out,
            (std::multiset<std::string>{"T7 #230 @0,0", "T7 #231 @0,11", "T7 #232 @0,23",
                                        "T7 #246 @20,0", "T7 #247 @20,11", "T7 #248 @20,23",
                                        "T2 1 @9,6", "T2 2 @9,22", "L 7,20-18,20"}));
}

TEST(MathLayout, BracketsAroundABareFractionStayCentredOnIt) {
  Typeset t("<math><box>(<left>1<over>2<right>)</box></math>");
  ASSERT_NE(t.root, nullptr);
  MathBox* bar = Items(t.root)[0];
  ASSERT_EQ(bar->kind, MathBoxKind::kBar);
  MathBox* left = Attached(bar, MathRole::kLeftDelims);
  ASSERT_NE(left, nullptr);
  // Fraction: 14 above and 15 below the bar at 5, so from 19 down to -10.
  const double fracMid = (19 + -10) / 2.0;
  const double bracketMid = (left->y + left->ascent + left->y - left->descent) / 2;
  EXPECT_DOUBLE_EQ(bracketMid, fracMid);
  EXPECT_DOUBLE_EQ(t.root->ascent, 25.5);   // 5 + 14 + 6.5
  EXPECT_DOUBLE_EQ(t.root->descent, 16.5);  // 15 + 6.5 - 5
}

TEST(MathLayout, BraceGetsItsMiddlePieceOnce) {
  Typeset t("<math><box>{<left><box>P_A_<over><box>1<over>2</box></box></box></math>");
  ASSERT_NE(t.root, nullptr);
  MathBox* left = Attached(Items(t.root)[0], MathRole::kLeftDelims);
  ASSERT_NE(left, nullptr);
  // 21 + 26 = 47: trunc((47 + 13) / 14 - 2) = 2 pieces, 56 drawn.
  EXPECT_EQ(left->pieces, 2);
  EXPECT_DOUBLE_EQ(left->ascent, 25.5);
  EXPECT_DOUBLE_EQ(left->descent, 30.5);
  Recorder rec;
  t.math->DrawTree(t.root, rec);
  for (const char* piece : {"T7 #236 @0,0", "T7 #237 @0,11", "T7 #239 @0,23", "T7 #238 @0,35"}) {
    EXPECT_EQ(rec.out.count(piece), 1u) << piece;
  }
}

TEST(MathLayout, RunsBlanksOperatorsAndScripts) {
  struct Case {
    const char* formula;
    double width, ascent, descent;
    std::vector<double> itemX;
  };
  const std::vector<Case> cases = {
      // One blank of math_normal on top of the half blank the run carries.
      {"<math>a&sp;b</math>", 20, 10, 3, {0, 12}},
      // The "." pulled back by half a symbol blank and followed by 2 pixels.
      {"<math>1.5</math>", 23, 11, 3, {0, 6, 15}},
      // Both scripts at the letter's width less half a small blank; the pen
      // moves on by the letter and the wider script.
      {"<math>x^2^_i_</math>", 13, 12.5, 5, {0}},
      {"<math>x^22^_i_y</math>", 25, 12.5, 5, {0, 17}},
      {"<math>x<sup>2</sup>=y</math>", 32, 12.5, 3, {0, 13, 24}},
      // sqrt: sign 7 + 2, radicand raised by 2 under the overline.
      {"<math><sqrt>x</sqrt></math>", 17, 12, 3, {0, 9, 9}},
      // root without "of": the radicand is set small.
      {"<math><root>x</root></math>", 14, 8, 2, {0, 9, 9}},
      // root with an index: right edge on the sign's, raised to 12 - 6 + 2.
      {"<math><root>3<of>x</root></math>", 17, 14, 3, {0, 4, 9, 9}},
      {"<math><t>ab</t>c</math>", 24, 10, 3, {0, 16}},
      // "lim" sits on the axis (5); a limit above it clears its raised top.
      {"<math>&lim;^x^</math>", 18, 23, 0, {0}},
      // A bar over a fraction: the line is set on the text cell, but the
      // formula still holds the whole fraction.
      {"<math><bar><box>a<over>b</box></bar></math>", 13, 19, 10, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula);
    Typeset t(c.formula);
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(t.math->Cursor(), t.text.size());
    EXPECT_DOUBLE_EQ(t.root->width, c.width);
    EXPECT_DOUBLE_EQ(t.root->ascent, c.ascent);
    EXPECT_DOUBLE_EQ(t.root->descent, c.descent);
    std::vector<double> xs;
    for (MathBox* b : Items(t.root)) xs.push_back(b->x);
    EXPECT_EQ(xs, c.itemX);
  }
}

TEST(MathLayout, LeadingBlankOfAPartIsKept) {
  Typeset t("<math><box>&sp;x<over>y</box></math>");
  MathBox* bar = Items(t.root)[0];
  EXPECT_DOUBLE_EQ(Attached(bar, MathRole::kNumerator)->width, 12);
  Recorder rec;
  t.math->DrawTree(t.root, rec);
  // Numerator at 2, its "x" one blank (4) further.
  EXPECT_EQ(rec.out.count("T2 x @6,0"), 1u);
}

TEST(MathLayout, ScriptPositions) {
  Typeset t("<math>x^2^_i_</math>");
  MathBox* x = Items(t.root)[0];
  MathBox* sup = Attached(x, MathRole::kSuperscript);
  MathBox* sub = Attached(x, MathRole::kSubscript);
  ASSERT_TRUE(sup && sub);
  EXPECT_DOUBLE_EQ(sup->x, 7);
  EXPECT_DOUBLE_EQ(sup->y, 6.5);  // 0.65 of the letter's ascent
  EXPECT_DOUBLE_EQ(sub->x, 7);
  EXPECT_DOUBLE_EQ(sub->y, -3);

  Typeset r("<math><root>3<of>x</root></math>");
  MathBox* index = Items(r.root)[1];
  EXPECT_DOUBLE_EQ(index->y, 8);
  EXPECT_EQ(index->style, kMathSmall);
}

TEST(MathLayout, LimitsClearBaseAndNeighbours) {
  Typeset t("<math><box>&sum;^n^_i=1_</box><box>a<over>b</box></math>");
  ASSERT_NE(t.root, nullptr);
  MathBox* first = Items(t.root)[0];
  // Sum 7 wide; "n" 5 centred above at x 1; "i=1" 17 centred below at -5, so
  // the sum moves 5 right and the pen clears the lower limit at 17.
  EXPECT_DOUBLE_EQ(first->width, 17);
  EXPECT_DOUBLE_EQ(first->ascent, 19);   // top of "n": 11 + 2 + 6
  EXPECT_DOUBLE_EQ(first->descent, 11);  // bottom of "i=1": 3 + 6 + 2
  MathBox* sum = Items(first)[0];
  EXPECT_DOUBLE_EQ(sum->x, 5);
  MathBox* upper = Attached(sum, MathRole::kSuperscript);
  MathBox* lower = Attached(sum, MathRole::kSubscript);
  ASSERT_TRUE(upper && lower);
  EXPECT_DOUBLE_EQ(upper->x, 1);
  EXPECT_DOUBLE_EQ(upper->y, 13);
  EXPECT_DOUBLE_EQ(lower->x, -5);
  EXPECT_DOUBLE_EQ(lower->y, -9);
  MathBox* second = Items(t.root)[1];
  EXPECT_DOUBLE_EQ(second->x, 19);  // after 17 and half a blank
  EXPECT_DOUBLE_EQ(t.root->ascent, 19);
}

TEST(MathLayout, EdgesOfTheFormula) {
  {
    SCOPED_TRACE("empty");
    Typeset t("<math></math>rest");
    EXPECT_EQ(t.root, nullptr);
    EXPECT_EQ(t.math->Cursor(), 13u);
  }
  {
    SCOPED_TRACE("separator at the top level ends the formula");
    Typeset t("<math>a<over>b</math>");
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(Bytes(t.root), "a");
    EXPECT_EQ(t.math->Cursor(), 13u);
  }
  {
    SCOPED_TRACE("missing closing tag runs to the end");
    Typeset t("<math>a+<box>b");
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(t.math->Cursor(), t.text.size());
  }
  {
    SCOPED_TRACE("a leading superscript hangs on an empty item");
    Typeset t("<math>^2^x</math>");
    const auto items = Items(t.root);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_DOUBLE_EQ(items[0]->width, 0);
    ASSERT_NE(Attached(items[0], MathRole::kSuperscript), nullptr);
    EXPECT_DOUBLE_EQ(items[1]->x, 5);
  }
  {
    SCOPED_TRACE("a shorthand script keeps a following \">\"");
    Typeset t("<math>a^2^>b</math>");
    const auto items = Items(t.root);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1]->code, '>');
  }
  {
    SCOPED_TRACE("below draws a line over its content");
    Typeset t("<math><below>x</below></math>");
    const auto items = Items(t.root);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->decoration, kDecoBar);
    Recorder rec;
    t.math->DrawTree(t.root, rec);
    EXPECT_EQ(rec.out.count("L 0,1-8,1"), 1u);
  }
  {
    SCOPED_TRACE("empty parts of a fraction");
    Typeset t("<math><box><over></box>x</math>");
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(t.math->Cursor(), t.text.size());
  }
}

TEST(MathLayout, BlankWidthFollowsEachTypesetter) {
  // Two typesetters with different fonts: neither reuses the other's blank.
  Typeset a("<math>a&sp;b</math>");
  Typeset b("<math>a&sp;b</math>", 2.5);
  EXPECT_DOUBLE_EQ(a.root->width, 20);
  EXPECT_DOUBLE_EQ(b.root->width, 32);  // 6 + 5, blank 10, 6 + 5
}

TEST(MathLayout, HostileInputEnds) {
  std::string all = "<math>";
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  all += "</math>";
  std::string deep = "<math>";
  for (int i = 0; i < 5000; ++i) deep += "<box>(<left><sup>";
  deep += "x</math>";
  for (const std::string& text : {all, deep, std::string("<math>&"), std::string("<math><"),
                                  std::string("<math>&abc"), std::string("<math></")}) {
    RenderRun run;
    FakeMetrics metrics;
    CMathRenderer math(nullptr, run, text, 0, metrics, nullptr);
    math.Layout();
    EXPECT_EQ(math.Cursor(), text.size());
  }
}

}  // namespace
}  // namespace norva
