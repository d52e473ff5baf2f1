// The fixed tables of the report markup: every tag name with its id, every
// entity with its symbol-font code, and the glyph that code shows in the
// symbol face. A wrong row here prints a wrong letter in a signed report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "renderer/markup_renderer.h"

namespace norva {
namespace {

struct Token {
  int kind;
  int ch;
  bool closing;
};

Token FirstToken(const std::string& text) {
  RenderRun run;
  PageComposer composer;
  CMarkupRenderer r(nullptr, &composer, run);
  r.SetText(text);
  const int kind = r.NextToken();
  return {kind, r.Ch(), r.Closing()};
}

TEST(MarkupTables, EveryTagNameGivesItsId) {
  const struct {
    const char* name;
    int id;
  } tags[] = {{"br", 24},     {"body", 21},  {"html", 65},     {"font", 79},    {"img", 13},
              {"indent", 69}, {"math", 50},  {"pre", 26},      {"protect", 68}, {"rp", 70},
              {"port", 901},  {"land", 902}, {"sub", 57},      {"sup", 56},     {"table", 43},
              {"td", 46},     {"tl", 77},    {"colwidth", 71}, {"toh", 72},     {"tof", 73},
              {"header", 74}, {"loop", 75},  {"fotter", 76},   {"ctable", 78}};
  for (const auto& t : tags) {
    const std::string lower = t.name;
    std::string upper = lower;
    for (char& c : upper) c = static_cast<char>(c - 'a' + 'A');
    std::string mixed = lower;
    mixed[0] = upper[0];
    for (const std::string& name : {lower, upper, mixed}) {
      SCOPED_TRACE(name);
      const Token open = FirstToken("<" + name + " a=1>");
      EXPECT_EQ(open.kind, t.id);
      EXPECT_FALSE(open.closing);
      const Token close = FirstToken("</" + name + ">");
      EXPECT_EQ(close.kind, t.id);
      EXPECT_TRUE(close.closing);
    }
    // Names compare on their full length: one letter more or less is a style tag.
    SCOPED_TRACE(lower);
    EXPECT_EQ(FirstToken("<" + lower + "x>").kind, 0);
    if (lower.size() > 1) {
      EXPECT_EQ(FirstToken("<" + lower.substr(0, lower.size() - 1) + ">").kind, 0);
    }
  }
  // The misspelt footer block is the tag; the usual spelling is not.
  EXPECT_EQ(FirstToken("<FOOTER>").kind, 0);
  EXPECT_EQ(FirstToken("<HEAD>").kind, 0);
}

TEST(MarkupTables, EveryEntityGivesItsCode) {
  const struct {
    const char* name;
    int code;
  } entities[] = {{"nbsp", 32},       {"sp", 32},         {"quot", 34},       {"shp", 35},
                  {"amp", 38},        {"squo", 39},       {"sbquo", 44},      {"lt", 60},
                  {"eq", 61},         {"gt", 62},         {"alpha", 97},      {"beta", 98},
                  {"gamma", 103},     {"Gamma", 71},      {"delta", 100},     {"Delta", 68},
                  {"epsi", 101},      {"zeta", 122},      {"eta", 104},       {"Theta", 81},
                  {"thetav", 74},     {"theta", 113},     {"thetas", 113},    {"iota", 105},
                  {"kappa", 107},     {"lambda", 108},    {"Lambda", 76},     {"mu", 109},
                  {"nu", 110},        {"xi", 120},        {"Xi", 88},         {"pi", 112},
                  {"piv", 118},       {"Pi", 80},         {"Psi", 121},       {"rho", 114},
                  {"sigma", 115},     {"Sigma", 83},      {"sigmav", 86},     {"tau", 116},
                  {"upsi", 117},      {"Upsi", 85},       {"phi", 102},       {"phis", 102},
                  {"Phi", 70},        {"phiv", 106},      {"chi", 99},        {"psi", 121},
                  {"omega", 119},     {"Omega", 87},      {"bracket1t", 236}, {"bracket1m", 237},
                  {"bracket1b", 238}, {"bracket2t", 252}, {"bracket2m", 253}, {"bracket2b", 254}};
  ASSERT_EQ(std::size(entities), 56u);
  for (const auto& e : entities) {
    SCOPED_TRACE(e.name);
    const Token t = FirstToken(std::string("&") + e.name + ";x");
    EXPECT_EQ(t.kind, kTokText);
    EXPECT_EQ(t.ch, e.code);
    // Names match with their case: an all-capitals spelling differs from
    // every row unless it is the row itself, and then it stays text.
    std::string caps = e.name;
    for (char& c : caps) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (caps != e.name) {
      EXPECT_EQ(FirstToken("&" + caps + ";").ch, '&');
    }
  }
}

TEST(MarkupTables, EntitiesShowTheirLettersInTheSymbolFace) {
  // The symbol face's codes as Unicode: Latin letters stand for Greek ones.
  const struct {
    const char* entity;
    char16_t glyph;
  } cases[] = {{"alpha", u'α'},
               {"beta", u'β'},
               {"gamma", u'γ'},
               {"Gamma", u'Γ'},
               {"delta", u'δ'},
               {"Delta", u'Δ'},
               {"epsi", u'ε'},
               {"zeta", u'ζ'},
               {"eta", u'η'},
               {"Theta", u'Θ'},
               {"thetav", u'ϑ'},
               {"theta", u'θ'},
               {"thetas", u'θ'},
               {"iota", u'ι'},
               {"kappa", u'κ'},
               {"lambda", u'λ'},
               {"Lambda", u'Λ'},
               {"mu", u'μ'},
               {"nu", u'ν'},
               {"xi", u'ξ'},
               {"Xi", u'Ξ'},
               {"pi", u'π'},
               {"piv", u'ϖ'},
               {"Pi", u'Π'},
               {"rho", u'ρ'},
               {"sigma", u'σ'},
               {"Sigma", u'Σ'},
               {"sigmav", u'ς'},
               {"tau", u'τ'},
               {"upsi", u'υ'},
               {"Upsi", u'Υ'},
               {"phi", u'φ'},
               {"phis", u'φ'},
               {"Phi", u'Φ'},
               {"phiv", u'ϕ'},
               {"chi", u'χ'},
               {"psi", u'ψ'},
               {"omega", u'ω'},
               {"Omega", u'Ω'},
               // brace pieces: left top, middle, bottom; right top, middle, bottom
               {"bracket1t", u'\u23A7'},
               {"bracket1m", u'\u23A8'},
               {"bracket1b", u'\u23A9'},
               {"bracket2t", u'\u23AB'},
               {"bracket2m", u'\u23AC'},
               {"bracket2b", u'\u23AD'},
               {"sp", u' '},
               {"nbsp", u' '},
               {"amp", u'&'},
               {"lt", u'<'},
               {"gt", u'>'},
               {"eq", u'='},
               {"sbquo", u','},
               {"shp", u'#'}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entity);
    const Token t = FirstToken(std::string("&") + c.entity + ";");
    const std::string byte(1, static_cast<char>(t.ch));
    EXPECT_EQ(DecodeRun(byte, QStringLiteral("Symbol")), QString(QChar(c.glyph)));
  }
  // Outside the symbol face the same code is the plain letter of the text font.
  EXPECT_EQ(DecodeRun(std::string(1, static_cast<char>(FirstToken("&Omega;").ch)),
                      QStringLiteral("ＭＳ 明朝")),
            QStringLiteral("W"));
}

}  // namespace
}  // namespace norva
