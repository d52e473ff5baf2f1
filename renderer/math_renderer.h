#pragma once
// Formula typesetter for the report markup's <math> elements: a scanner that
// turns the formula into measured tokens, a recursive-descent parser that lays
// the formula out into a box tree while it reads, and the drawing of the tree
// as one picture on the page and in the RTF file.
#include <deque>
#include <string_view>
#include <utility>

#include "renderer/markup_renderer.h"
#include "renderer/math_metrics.h"

class QPainter;

namespace norva {

// Positions in the style sheet's table of math styles.
enum MathStyleIndex : int {
  kMathNormalJapan = 0,
  kMathSmallJapan = 1,
  kMathNormal = 2,
  kMathSmall = 3,
  kMathItalic = 4,
  kMathBold = 5,
  kMathItalicBold = 6,
  kMathNormalSymbol = 7,
  kMathSmallSymbol = 8
};

enum class MathTok { kEnd, kBlank, kRun, kSymbol, kOperator, kBracket, kGlyph, kKeyword, kNothing };

enum class MathKw {
  kNone,
  kSub,
  kSup,
  kBox,
  kOver,
  kAtop,
  kLeft,
  kRight,
  kMath,
  kRoot,
  kSqrt,
  kOf,
  kAbove,
  kBelow,
  kT,
  kBt,
  kB,
  kVec,
  kBar,
  kDot,
  kDdot,
  kHat,
  kTilde
};

// Symbol codes of symbol tokens and boxes.
enum MathSymbol : int {
  kSymDots = 1,
  kSymIntegral = 2,
  kSymSum = 3,
  kSymProduct = 4,
  kSymLimit = 5
};

// How a keyword token was written (its `code`).
inline constexpr int kKwOpening = 0;
inline constexpr int kKwClosing = 1;
inline constexpr int kKwShorthand = 2;

struct MathToken {
  MathTok kind = MathTok::kNothing;
  MathKw keyword = MathKw::kNone;
  int code = 0;
  std::string_view text;  // bytes of a run, inside the formula
  int style = kMathNormal;
  double width = 0;
  double ascent = 0, descent = 0;  // of the last text measured by the scanner
  int bracketChar = 0;
  int scriptMode = 2;               // 2 scripts to the right, 1 limits above and below
  MathKw textMode = MathKw::kNone;  // kNone, kT, kBt or kB
};

enum class MathRole {
  kNone,
  kSuperscript,
  kSubscript,
  kLeftDelims,
  kNumerator,
  kDenominator,
  kRightDelims
};
enum class MathBoxKind {
  kRun,
  kSymbol,
  kOperator,
  kBracket,
  kGlyph,
  kGroup,
  kBar,
  kBarless,
  kRadical
};
enum MathDecoration : unsigned {
  kDecoNone = 0,
  kDecoOverline = 1,
  kDecoBar = 2,
  kDecoVector = 4,
  kDecoDot = 8,
  kDecoDdot = 16,
  kDecoHat = 32,
  kDecoTilde = 64
};

struct MathBox {
  MathRole role = MathRole::kNone;
  MathBoxKind kind = MathBoxKind::kRun;
  MathBox* prev = nullptr;      // item before this one on its line
  MathBox* content = nullptr;   // of a group: last item of the enclosed line
  MathBox* attached = nullptr;  // scripts, fraction parts, delimiters
  int style = kMathNormal;
  std::string_view text;
  int pieces = 0;
  int code = 0;
  int bracketChar = 0;
  double x = 0, y = 0;  // y: baseline offset, positive above
  double width = 0, ascent = 0, descent = 0;
  unsigned decoration = kDecoNone;
};

// Where a laid-out formula is drawn: device pixels, y growing downward.
class IMathCanvas {
 public:
  virtual ~IMathCanvas() = default;
  // Text with its character cell's top-left corner at (x, top).
  virtual void DrawString(int style, std::string_view bytes, double x, double top) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
};

// A canvas over a painter whose unit is one layout pixel.
class PainterMathCanvas : public IMathCanvas {
 public:
  PainterMathCanvas(QPainter& painter, QtMathMetrics& metrics)
      : painter_(painter), metrics_(metrics) {}
  void DrawString(int style, std::string_view bytes, double x, double top) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;

 private:
  QPainter& painter_;
  QtMathMetrics& metrics_;
};

class CMathRenderer : public CMarkupRenderer {
 public:
  // text is the whole markup and cursor stands on the "<" of "<math>";
  // composer and rtf may be null when only the layout is wanted.
  CMathRenderer(PageComposer* composer, RenderRun& run, std::string_view text, size_t cursor,
                IMathMetrics& metrics, IRtfSink* rtf);

  struct Result {
    bool drawn = false;  // false for an empty formula
    double ascent = 0;   // pixels
    double height = 0;   // twips
    double width = 0;    // twips
  };
  // Lays the formula out, draws it at the composer's current position (and,
  // with an RTF writer, into the RTF file) and leaves the cursor after it.
  // Needs QtMathMetrics.
  Result Render();

  // The whole formula's box tree (none when empty); the cursor ends after "</math>".
  MathBox* Layout();
  std::pair<MathBox*, MathKw> ParseExpr(int small, MathKw stop);

  MathTok ScanToken(int small);
  const MathToken& Token() const { return tok_; }
  MathKw TextMode() const { return tok_.textMode; }

  int SelectStyle(int small, MathKw textMode) const;
  static int SymbolStyle(int small) { return small ? kMathSmallSymbol : kMathNormalSymbol; }
  static int JapaneseStyle(int small) { return small ? kMathSmallJapan : kMathNormalJapan; }

  double MeasureText(int style, std::string_view bytes, bool fromScanner = false);
  std::pair<double, double> FontMetrics(int style);
  double BlankWidth(int style);
  double AxisHeight(int style);

  // Draws a tree whose baseline lies at device y = root ascent.
  void DrawTree(const MathBox* root, IMathCanvas& canvas);

  // Metafile frame of a laid-out formula in hundredths of a millimetre of
  // the reference device, and the picture's natural size in twips.
  static std::pair<int, int> FrameHundredthsMm(const MathBox& root);
  static std::pair<double, double> NaturalTwips(const MathBox& root);

 private:
  MathBox* NewBox(int style, MathBoxKind kind = MathBoxKind::kRun);
  bool ScanEntity(int small);
  void ScanKeyword();
  void ScanRun(int small);
  void SkipGreater();

  // The line ParseExpr lays out: the pen, the line's ascent A and descent D,
  // its last item, and the current item's start x0 with the room its scripts
  // take right (R), left (L), above (U) and below (V); m is the item's script
  // mode (2 beside, otherwise limits).
  struct ExprLine {
    int small = 0;
    double pen = 0, A = 0, D = 0;
    MathBox* last = nullptr;
    double x0 = 0, R = 0, L = 0, U = 0, V = 0;
    int m = 2;
  };
  void StartItem(ExprLine& ln);
  void Append(ExprLine& ln, MathBox* b);
  void ParseKeyword(ExprLine& ln, MathKw kw, int form);
  void ParseBoxItem(ExprLine& ln);
  void ParseScript(ExprLine& ln, MathKw kw, int form);
  void ParseRadical(ExprLine& ln, MathKw kw);
  void ParseTextGroup(ExprLine& ln, MathKw kw);
  void ParseAccent(ExprLine& ln, MathKw kw);
  void AddTokenBox(ExprLine& ln, MathTok kind);
  std::pair<MathBox*, MathKw> FinishLine(ExprLine& ln, MathKw ended);
  std::pair<double, double> Grow(MathBox* delims, double a, double d);
  void Stretch(MathBox* b);
  void DrawBox(const MathBox* b, double px, double py, IMathCanvas& canvas);
  void DrawOne(const MathBox* b, double bx, double by, IMathCanvas& canvas);
  void DrawStacked(const MathBox* b, double x, double top, int topPiece, int midPiece,
                   int bottomPiece, IMathCanvas& canvas);
  void DrawString(IMathCanvas& canvas, int style, std::string_view bytes, double x, double top);
  void DrawStroke(IMathCanvas& canvas, double x1, double y1, double x2, double y2);
  void DrawHLine(IMathCanvas& canvas, double x, double width, double y);

  IMathMetrics& metrics_;
  IRtfSink* rtfSink_;
  MathToken tok_;
  std::deque<MathBox> boxes_;
  int depth_ = 0;
  int blankStyle_ = -1;
  double blankWidth_ = 0;
  double baseline_ = 0;
  double originX_ = 0;
};

}  // namespace norva
