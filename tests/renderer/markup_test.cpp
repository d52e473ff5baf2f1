// The markup reader and the text flow on the page composer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "placed_text.h"
#include "renderer/markup_renderer.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

struct RtfRecorder : IRtfSink {
  std::vector<std::string> calls;
  void WriteText(int count, const char* buffer) override {
    calls.push_back("text:" + std::string(buffer, static_cast<size_t>(count)));
  }
  void SetStyle(const char* name) override {
    calls.push_back(std::string("style:") + (name ? name : "-"));
  }
  void PageBreak() override { calls.push_back("page"); }
  void SetSubscript(bool on) override { calls.push_back(on ? "sub+" : "sub-"); }
  void SetSuperscript(bool on) override { calls.push_back(on ? "sup+" : "sup-"); }
  void SetIndent(int twips) override { calls.push_back("indent:" + std::to_string(twips)); }
  void WritePicture(const std::string&, double nw, double nh, double w, double h) override {
    calls.push_back("pict:" + std::to_string(std::lround(nw)) + "x" +
                    std::to_string(std::lround(nh)) + ">" + std::to_string(std::lround(w)) + "x" +
                    std::to_string(std::lround(h)));
  }
  void WriteInlineSvg(const std::string&, double w, double h) override {
    calls.push_back("svg:" + std::to_string(std::lround(w)) + "x" + std::to_string(std::lround(h)));
  }
  void Close() override { calls.push_back("close"); }
  std::string FilePath() const override { return {}; }
};

class Flow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetRendererMessageHandler([this](const std::string& m) { messages.push_back(m); });
  }
  void TearDown() override { SetRendererMessageHandler(nullptr); }

  // Lays out UTF-8 markup (converted to CP932 as the report driver writes it).
  int Render(const std::string& utf8, const std::string& styleSheet = "") {
    run = RenderRun{};
    rtf = RtfRecorder{};
    messages.clear();
    ParseStyleSheet(Utf8ToCp932(styleSheet), run.sheet);
    composer = PageComposer{};
    ApplyPageSetup(composer, run.sheet);
    composer.StartDoc();
    markup = Utf8ToCp932(utf8);
    CMarkupRenderer r(progress, &composer, run);
    return r.Render(markup, &rtf);
  }

  std::vector<Placed> Items() const { return PlacedTexts(composer); }

  // The text of the pages, lines joined by "|" (a new line where y grows).
  std::string Lines() const {
    std::string s;
    double lastY = -1;
    int lastPage = 0;
    for (const Placed& p : Items()) {
      if (!s.empty() && (p.page != lastPage || p.y > lastY + 1))
        s += p.page != lastPage ? "#" : "|";
      s += p.text;
      lastY = p.y;
      lastPage = p.page;
    }
    return s;
  }

  static double Height(double points, const char* face = "ＭＳ 明朝") {
    ComposerFont f;
    f.name = QString::fromUtf8(face);
    f.size = points;
    return QFontMetricsF(MakeQFont(f)).height();
  }

  RenderRun run;
  PageComposer composer;
  std::string markup;
  RtfRecorder rtf;
  IRenderProgress* progress = nullptr;
  std::vector<std::string> messages;
};

// Token kind and the byte or code it carries, for every token of a text.
std::vector<std::pair<int, int>> Tokens(const std::string& text) {
  RenderRun run;
  PageComposer c;
  CMarkupRenderer r(nullptr, &c, run);
  r.SetText(text);
  std::vector<std::pair<int, int>> out;
  for (;;) {
    const int tok = r.NextToken();
    if (tok == kTokEnd) break;
    if (tok >= 0) {
      out.push_back({tok, r.Closing() ? 1 : 0});
      r.SkipTag();
    } else {
      out.push_back({tok, r.Ch()});
    }
  }
  return out;
}

TEST(MarkupTokens, TagsEntitiesAndText) {
  using V = std::vector<std::pair<int, int>>;
  const struct {
    const char* text;
    V want;
  } cases[] = {
      {"<br>", {{kTagBr, 0}}},
      {"<BR >", {{kTagBr, 0}}},
      {"</Font>", {{kTagFont, 1}}},
      {"<fonts>", {{0, 0}}},  // exact length: a style tag
      {"<h1>", {{0, 0}}},
      {"<FOTTER>", {{kTagFotter, 0}}},
      {"<port><land>", {{kTagPort, 0}, {kTagLand, 0}}},
      {"<1", {{kTokText, '<'}, {kTokText, '1'}}},  // "<" and a digit: text
      {"< b", {{kTokText, '<'}, {kTokWhite, ' '}, {kTokText, 'b'}}},
      {"<!-- c -->x", {{0, 0}, {kTokText, 'x'}}},
      {"&gamma;", {{kTokText, 103}}},
      {"&Gamma;", {{kTokText, 71}}},
      {"&sp;&nbsp;&lt;", {{kTokText, 32}, {kTokText, 32}, {kTokText, 60}}},
      {"&bracket2b;", {{kTokText, 254}}},
      {"&GAMMA;",
       {{kTokText, '&'},
        {kTokText, 'G'},
        {kTokText, 'A'},
        {kTokText, 'M'},
        {kTokText, 'M'},
        {kTokText, 'A'},
        {kTokText, ';'}}},
      {"&the;",
       {{kTokText, '&'}, {kTokText, 't'}, {kTokText, 'h'}, {kTokText, 'e'}, {kTokText, ';'}}},
      {"&amp", {{kTokText, '&'}, {kTokText, 'a'}, {kTokText, 'm'}, {kTokText, 'p'}}},
      {"&1;", {{kTokText, '&'}, {kTokText, '1'}, {kTokText, ';'}}},
      {"\t\r\n", {{kTokWhite, '\t'}, {kTokWhite, '\r'}, {kTokWhite, '\n'}}},
      {"\x88\xa0", {{kTokText, 0x88}, {kTokText, 0xa0}}},  // both bytes of a double-byte character
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Tokens(c.text), c.want);
  }
}

TEST(MarkupTokens, Attributes) {
  const struct {
    const char* text;
    std::string src, width, height;
  } cases[] = {
      {"<img src=a.svg width=50% height=3cm>", "a.svg", "50%", "3cm"},
      {"<img SRC=\"a b.svg\" WIDTH='10mm' , HEIGHT=20>", "a b.svg", "10mm", "20"},
      {"<img src=a,width=5, height=6>", "a", "5", "6"},
      {"<img src = x.svg width>", "x.svg", "", ""},
      {"<img src='open>", "", "", ""},
      {"<img width=1,height=2>", "", "1", "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RenderRun run;
    PageComposer composer;
    CMarkupRenderer r(nullptr, &composer, run);
    r.SetText(c.text);
    ASSERT_EQ(r.NextToken(), kTagImg);
    std::string src, w, h;
    r.ReadImgAttrs(&src, &w, &h);
    EXPECT_EQ(src, c.src);
    EXPECT_EQ(w, c.width);
    EXPECT_EQ(h, c.height);
  }
}

TEST(MarkupTokens, ImageLengths) {
  const struct {
    const char* text;
    double natural, want;
  } cases[] = {
      {"50%", 3000, 1500},
      {"10mm", 0, 10 * 100 * 1440.0 / 2540},  // 566.929...
      {"1cm", 0, 1000 * 1440.0 / 2540},
      {"10cm", 0, 5669.2913385826771},
      {"300", 9999, 300},
      {"", 9999, 0},
      {"150%", 200, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_NEAR(ImageLength(c.text, c.natural), c.want, 1e-9);
  }
  EXPECT_NEAR(ImageLength("10mm", 0), 566.929, 0.001);
}

TEST_F(Flow, RunningText) {
  const struct {
    const char* markup;
    int result;
    const char* lines;
  } cases[] = {
      {"", -1, ""},
      {"Hello World", -1, "HelloWorld"},  // literal blanks vanish
      {"Hello&sp;World", -1, "Hello World"},
      {"Hello\r\n  World", -1, "HelloWorld"},
      {"a&lt;b&amp;c&gt;", -1, "a<b&c>"},
      {"A<br>B<br>", -1, "A|B"},
      {"x<td a=1 b=2>y", -1, "x<a=1b=2>y"},  // table-only tag: "<" and the rest as text
      {"<!-- note -->A", -1, "A"},
      {"<html><body>A</body></html>B", -1, "A"},  // a closing html ends the pass
      {"日本語&sp;テキスト", -1, "日本語 テキスト"},
      {"A&alpha;", -1, "Aa"},  // a code of the current (non-symbol) font
      // a table goes to its renderer whole (its cell drawn on a line of its
      // own); the text goes on below it
      {"A<br><table row=1 col=1><td srow=0 scol=0>cell</td></table>B", -1, "A|cell|B"},
      {"A<table row=1>never closed", -1, "A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    EXPECT_EQ(Render(c.markup), c.result);
    EXPECT_EQ(Lines(), c.lines);
  }
}

TEST_F(Flow, FormulaKeepsTheLineSpacing) {
  Render("<math>x</math>A", "$page{lineSpacing:130;}");
  EXPECT_DOUBLE_EQ(composer.LineSpacing(), 130);
  EXPECT_EQ(Lines(), "A");  // the formula's bytes are not running text
}

TEST_F(Flow, SymbolFontGivesGreek) {
  Render("<font face=Symbol>&alpha;&Gamma;</font>");
  EXPECT_EQ(Lines(), "αΓ");
}

TEST_F(Flow, LongRunIsNotTruncated) {
  const std::string text(6000, 'x');
  Render("<pre>" + text + "</pre>");
  size_t printed = 0;
  for (const Placed& p : Items()) printed += p.text.size();
  EXPECT_EQ(printed, 6000u);
  // A double-byte character across the run boundary stays whole.
  std::string mixed(5118, 'y');
  mixed += "亜";
  Render(mixed);
  std::string all;
  for (const Placed& p : Items()) all += p.text;
  EXPECT_EQ(all, mixed);
}

const char* kHeadingSheet =
    "$page{secno:true;}\r\n$h1{fontSize:16;}\r\n$h2{fontSize:14;}\r\n$h3{fontSize:12;}\r\n";

TEST_F(Flow, HeadingNumbers) {
  Render("<h1>A</h1><h2>B</h2><h3>C</h3><h1>D</h1><h2>E</h2>X", kHeadingSheet);
  EXPECT_EQ(Lines(), "1. A|1.1 B|1.1.1 C|2. D|2.1 E|X");
  const auto items = Items();
  EXPECT_DOUBLE_EQ(items.front().size, 16.0);
  EXPECT_DOUBLE_EQ(items.back().size, 10.5);  // back to "Normal"
  Render("<h2>B</h2>", kHeadingSheet);
  EXPECT_EQ(Lines(), "0.1 B");
  // Comments and empty tags select no style and count no heading.
  Render("<!-- c -->A<>B</><h1>C</h1>", kHeadingSheet);
  EXPECT_EQ(Lines(), "AB1. C");
  EXPECT_DOUBLE_EQ(Items().front().size, 10.5);
  // Without secno, or without styles, headings only end their line.
  Render("<h1>A</h1>B", "$h1{fontSize:16;}");
  EXPECT_EQ(Lines(), "A|B");
  Render("<h1>A</h1>B");
  EXPECT_EQ(Lines(), "A|B");
  EXPECT_DOUBLE_EQ(Items().front().size, 10.5);
}

TEST_F(Flow, HeadingStyleChoiceAndRtfCalls) {
  Render("<H1>T</H1>", "$page{secno:1;}$h10{fontSize:20;}$h1{fontSize:16;}");
  // h10 comes first and begins with "h1": it is chosen, and numbered at
  // level 10; the nine counters before it were never raised.
  EXPECT_EQ(Lines(), "0.0.0.0.0.0.0.0.0.1 T");
  EXPECT_DOUBLE_EQ(Items().front().size, 20.0);
  EXPECT_EQ(rtf.calls, (std::vector<std::string>{"text:", "style:h10", "text:0.0.0.0.0.0.0.0.0.1 T",
                                                 "text:\r\n", "style:-", "text:"}));
  Render("<h11>T</h11>", "$page{secno:1;}$h11{fontSize:9;}");
  EXPECT_EQ(Lines(), "T");  // a level beyond ten counters has no number
}

TEST_F(Flow, DuplicateStyleNamesUseTheFirstRecord) {
  Render("<h1>T</h1>", "$h1{fontSize:16;}$h1{fontSize:30;}");
  EXPECT_DOUBLE_EQ(Items().front().size, 16.0);
}

TEST_F(Flow, Fonts) {
  Render("<font size=3>A</font>B<font face=\"ＭＳ ゴシック\">C</font>");
  auto items = Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_DOUBLE_EQ(items[0].size, 12.0);  // 3 x 3 + 3
  EXPECT_DOUBLE_EQ(items[1].size, 10.5);
  EXPECT_DOUBLE_EQ(items[2].size, 10.5);
  EXPECT_EQ(composer.Pages()[0].items[2].font.name, QStringLiteral("ＭＳ ゴシック"));
  // One saved font per pass: the outer closing tag brings back the inner save.
  Render("<font size=1>A<font size=5>B</font>C</font>D");
  items = Items();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_DOUBLE_EQ(items[0].size, 6.0);
  EXPECT_DOUBLE_EQ(items[1].size, 18.0);
  EXPECT_DOUBLE_EQ(items[2].size, 6.0);
  EXPECT_DOUBLE_EQ(items[3].size, 6.0);
}

TEST_F(Flow, SubscriptAndSuperscript) {
  const double small = 10.5 / 1.8;
  const struct {
    const char* markup;
    double shiftFactor;
    const char* on;
    const char* off;
  } cases[] = {
      {"A<sub>2</sub>B", 0.8, "sub+", "sub-"},
      {"A<sup>2</sup>B", -0.1, "sup+", "sup-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Render(c.markup);
    const auto items = Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_NEAR(items[1].size, small, 1e-9);
    EXPECT_NEAR(items[1].y - items[0].y, c.shiftFactor * Height(small), 1e-6);
    EXPECT_NEAR(items[2].y, items[0].y, 1e-6);  // back on the same line
    EXPECT_NEAR(items[2].size, 10.5, 1e-9);
    EXPECT_GT(items[1].x, items[0].x);
    EXPECT_GT(items[2].x, items[1].x);
    EXPECT_NE(std::find(rtf.calls.begin(), rtf.calls.end(), c.on), rtf.calls.end());
    EXPECT_NE(std::find(rtf.calls.begin(), rtf.calls.end(), c.off), rtf.calls.end());
  }
}

TEST_F(Flow, Indent) {
  // The indent unit is four blanks of the 10.5-point Mincho face: IPAMincho
  // blanks are half an em, 105 twips, so a unit is 420 twips.
  const struct {
    const char* markup;
    double x;
    const char* call;
  } cases[] = {
      {"<indent no=2>X", 1440 + 840, "indent:840"},
      {"<indent no=0.5>X", 1440 + 210, "indent:210"},
      {"<indent no=2>Y<br></indent>X", 1440, "indent:0"},
      {"<indent>X", 1440, "indent:0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Render(c.markup);
    EXPECT_NEAR(run.indentUnit, 420.0, 1e-6);
    EXPECT_NEAR(Items().back().x, c.x, 1e-6);
    EXPECT_EQ(rtf.calls.back() == c.call ||
                  std::find(rtf.calls.begin(), rtf.calls.end(), c.call) != rtf.calls.end(),
              true);
  }
  // A wrapped line of an indented paragraph starts at the indent too.
  Render("<indent no=2>" + std::string(200, 'w'));
  const auto items = Items();
  ASSERT_GE(items.size(), 2u);
  EXPECT_NEAR(items[1].x, 1440 + 840, 1e-6);
}

TEST_F(Flow, Preformatted) {
  Render("<pre>\r\n a  b\r\n\tc\r\n</pre>D", "$page{lineSpacing:150;}");
  EXPECT_EQ(Lines(), " a  b|\tc|D");
  EXPECT_TRUE(messages.empty());
  // A closing tag without an opening one leaves the settings alone.
  Render("</pre>A<br>B", "$page{lineSpacing:150;}");
  EXPECT_EQ(Lines(), "A|B");
  EXPECT_DOUBLE_EQ(composer.LineSpacing(), 150);
  EXPECT_TRUE(messages.empty());
  Render("<pre><pre>x</pre></pre>");
  EXPECT_EQ(messages, std::vector<std::string>{"PRE TAG ERROR!"});
}

TEST_F(Flow, PageBreaksAndOrientation) {
  Render("A<rp>B");
  EXPECT_EQ(Lines(), "A#B");
  EXPECT_EQ(composer.TotalPages(), 2);
  EXPECT_EQ(std::count(rtf.calls.begin(), rtf.calls.end(), "page"), 1);

  // Orientation applies to the pages started after it; it starts none itself.
  Render("<land>A<rp>B<port><rp>C");
  ASSERT_EQ(composer.TotalPages(), 3);
  EXPECT_EQ(composer.Pages()[0].orientation, 0);
  EXPECT_EQ(composer.Pages()[1].orientation, 1);
  EXPECT_DOUBLE_EQ(composer.Pages()[1].width, 16838);
  EXPECT_DOUBLE_EQ(composer.Pages()[1].height, 11906);
  EXPECT_EQ(composer.Pages()[2].orientation, 0);
  EXPECT_EQ(std::count(rtf.calls.begin(), rtf.calls.end(), "page"), 4);
}

TEST_F(Flow, TextFlowsOntoNextPage) {
  // Text area 16838 - 2 x 1440 = 13958 twips; lines advance by the font height.
  std::string markup;
  for (int i = 0; i < 120; ++i) markup += "L" + std::to_string(i) + "<br>";
  Render(markup);
  const double advance = Height(10.5);
  const int perPage = static_cast<int>(std::floor((13958.0 - Height(10.5)) / advance)) + 1;
  const auto items = Items();
  ASSERT_EQ(items.size(), 120u);
  EXPECT_EQ(items[static_cast<size_t>(perPage - 1)].page, 1);
  EXPECT_EQ(items[static_cast<size_t>(perPage)].page, 2);
  EXPECT_DOUBLE_EQ(items[static_cast<size_t>(perPage)].y, 1440);
  for (const Placed& p : items) EXPECT_LE(p.y + Height(10.5), 16838 - 1440 + 0.01);
}

class Cancel : public IRenderProgress {
 public:
  explicit Cancel(int at) : at_(at) {}
  bool CheckCancel() override { return ++checks == at_; }
  void SetPercent(int p) override { percents.push_back(p); }
  int checks = 0;
  std::vector<int> percents;

 private:
  int at_;
};

TEST_F(Flow, ProgressAndCancel) {
  Cancel never(-1);
  progress = &never;
  EXPECT_EQ(Render("ab<br>cd"), -1);
  // Before the tokens at bytes 0, 1, 2, 6 and 7 of 8: cursor x 100 / 8, truncated.
  EXPECT_EQ(never.percents, (std::vector<int>{0, 12, 25, 75, 87}));
  Cancel third(3);
  progress = &third;
  EXPECT_EQ(Render("ab<br>cd"), 0);
  EXPECT_TRUE(Items().empty());  // the pending run is dropped
}

// ---- keep-together blocks -------------------------------------------------

std::string LinesOf(const char* prefix, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += std::string(prefix) + std::to_string(i) + "<br>";
  return s;
}

TEST_F(Flow, KeepTogetherBlocks) {
  const double advance = Height(10.5);
  const int perPage = static_cast<int>(std::floor((13958.0 - Height(10.5)) / advance)) + 1;
  const struct {
    const char* what;
    int before, block;
    int blockFirstPage, blockLastPage, pages;
  } cases[] = {
      {"fits in the rest of the page", 10, 5, 1, 1, 1},
      {"fills the rest of the page", perPage - 5, 5, 1, 1, 2},
      {"one line too many moves whole", perPage - 4, 5, 2, 2, 2},
      {"taller than a page at the top", 0, perPage + 10, 2, 3, 3},
      {"taller than a page after text", 3, perPage + 10, 2, 3, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Render(LinesOf("a", c.before) + "<protect>\r\n" + LinesOf("b", c.block) + "</protect>after");
    int first = 0, last = 0;
    for (const Placed& p : Items()) {
      if (p.text[0] != 'b') continue;
      if (!first) first = p.page;
      last = p.page;
    }
    EXPECT_EQ(first, c.blockFirstPage);
    EXPECT_EQ(last, c.blockLastPage);
    EXPECT_EQ(composer.TotalPages(), c.pages);
    const bool moved = c.blockFirstPage > 1;
    EXPECT_EQ(std::count(rtf.calls.begin(), rtf.calls.end(), "page"), moved ? 1 : 0);
    EXPECT_TRUE(messages.empty());
  }
}

TEST_F(Flow, KeepTogetherExactlyAsHighAsTheRoomStays) {
  // A bottom margin that leaves room for exactly 60 lines (the line height is
  // a binary fraction of a twip, so the sums are exact).
  const double h = Height(10.5);
  const double bottom = 16838 - 1440 - 60 * h;
  const std::string sheet = "$page{lineSpacing:100;marginBottom:" + std::to_string(bottom) + ";}";
  ASSERT_DOUBLE_EQ(LengthToTwips(QString::fromStdString(std::to_string(bottom))), bottom);
  const struct {
    int block;
    int blockPage;
  } cases[] = {{10, 1}, {11, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    Render(LinesOf("a", 50) + "<protect>" + LinesOf("b", c.block) + "</protect>", sheet);
    const auto items = Items();
    ASSERT_EQ(items.size(), static_cast<size_t>(50 + c.block));
    EXPECT_EQ(items[50].page, c.blockPage);
    EXPECT_EQ(items.back().page, c.blockPage);
  }
}

TEST_F(Flow, KeepTogetherHeadingNumberedOnce) {
  Render("<protect><h1>A</h1>x<br></protect><h1>B</h1>", kHeadingSheet);
  EXPECT_EQ(Lines(), "1. A|x|2. B");
}

TEST_F(Flow, NestedKeepTogetherShowsMessage) {
  Render("<protect>a<protect>b</protect>c</protect>d");
  EXPECT_EQ(messages, std::vector<std::string>{"PROTECT TAG ERROR!"});
  EXPECT_EQ(Lines(), "abcd");
}

// ---- pictures ---------------------------------------------------------------

class Pictures : public Flow {
 protected:
  void SetUp() override {
    Flow::SetUp();
    ASSERT_TRUE(folder.Valid());
    dir = folder.Path() + "/";
    // 100 mm x 50 mm: 5669.29 x 2834.65 twips.
    Write(dir + "fig.svg");
    Write(dir + "UP.SVG");
    Write(dir + "legacy.svg");
  }
  static void Write(const std::string& path) {
    std::ofstream out(path);
    out << "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='50mm' viewBox='0 0 100 "
           "50'>"
           "<rect x='1' y='1' width='98' height='48' fill='none' stroke='black'/></svg>";
  }
  TestFolder folder;
  std::string dir;
};

TEST_F(Pictures, PlacedCentredAtTheRequestedSize) {
  const double nw = 100 * 1440 / 25.4, nh = 50 * 1440 / 25.4;
  const struct {
    std::string src, width, height;
    double w, h;
  } cases[] = {
      {"fig.svg", "50%", "50%", nw / 2, nh / 2},
      {"UP.SVG", "10mm", "1cm", 566.9291338582677, 566.9291338582677},
      {"legacy.wmf", "2000", "1000", 2000, 1000},  // a metafile name finds its SVG
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.src);
    Render("A<br><img src=\"" + dir + c.src + "\" width=" + c.width + " height=" + c.height +
           ">\r\nB");
    const auto& items = composer.Pages()[0].items;
    ASSERT_EQ(items.size(), 3u);
    const PageItem& pic = items[1];
    ASSERT_EQ(pic.kind, PageItem::Picture);
    EXPECT_NEAR(pic.w, c.w, 1e-6);
    EXPECT_NEAR(pic.h, c.h, 1e-6);
    EXPECT_NEAR(pic.x, 11906 / 2.0 - c.w / 2, 1e-6);  // centred on the page, not the column
    EXPECT_NEAR(pic.y, 1440 + Height(10.5), 1e-6);
    EXPECT_NEAR(items[2].y, pic.y + c.h, 1e-6);  // next text one picture lower
    EXPECT_NEAR(items[2].x, 1440, 1e-6);
    ASSERT_GE(rtf.calls.size(), 4u);
    EXPECT_EQ(rtf.calls[2].substr(0, 5), "pict:");
    EXPECT_EQ(rtf.calls[3], "style:-");
  }
  EXPECT_EQ(rtf.calls[2], "pict:5669x2835>2000x1000");  // 100 mm x 50 mm natural
}

TEST_F(Pictures, MissingOrUnknownFilesPlaceNothing) {
  for (const std::string src : {"none.svg", "fig.txt", "none.wmf"}) {
    SCOPED_TRACE(src);
    Render("<img src=\"" + dir + src + "\" width=100 height=100>B");
    ASSERT_EQ(composer.Pages()[0].items.size(), 1u);
    EXPECT_NEAR(Items()[0].y, 1440, 1e-6);
  }
}

}  // namespace
}  // namespace norva
