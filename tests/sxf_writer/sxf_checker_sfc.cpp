// The SFC half of the test reader: frame, header, comment blocks, quoting,
// number forms, parameter counts, table codes defined before use, composite
// figures and the sheet, then the drawing in sheet coordinates.
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "sxf_writer/sxf_checker.h"
#include "sxf_writer/sxf_checker_support.h"

namespace sxfcheck {

namespace {

const char* const kColours[16] = {
    "black",    "red",   "green",  "blue",       "yellow",    "magenta",  "cyan",      "white",
    "deeppink", "brown", "orange", "lightgreen", "lightblue", "lavender", "lightgray", "darkgray"};
const char* const kFonts[15] = {"continuous",
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
const double kWidths[9] = {0.13, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};

// Parameter kinds: i integer, r real, t text, l list of reals.
const std::map<std::string, std::string> kRecords = {
    {"pre_defined_colour_feature", "t"},
    {"user_defined_colour_feature", "iii"},
    {"pre_defined_font_feature", "t"},
    {"user_defined_font_feature", "til"},
    {"width_feature", "r"},
    {"text_font_feature", "t"},
    {"layer_feature", "ti"},
    {"line_feature", "iiiirrrr"},
    {"polyline_feature", "iiiiill"},
    {"circle_feature", "iiiirrr"},
    {"arc_feature", "iiiirrrirr"},
    {"ellipse_feature", "iiiirrrrr"},
    {"ellipse_arc_feature", "iiiirrrrirrr"},
    {"point_marker_feature", "iirrirr"},
    {"spline_feature", "iiiiiill"},
    {"text_string_feature", "iiitrrrrrrrii"},
    {"sfig_org_feature", "ti"},
    {"sfig_locate_feature", "itrrrrr"},
    {"drawing_sheet_feature", "tiiii"},
    {"linear_dim_feature", "iiiirrrrirrrrrrirrrrrriirrriirrriitrrrrrrrii"},
};

struct Param {
  char kind = 0;  // 'n' quoted number text, 't' text
  std::string raw;
};

bool Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Splits the inside of a record's parentheses; false on a quoting error.
bool SplitParams(const std::string& s, std::vector<Param>& out, std::string& why) {
  size_t i = 0;
  while (i < s.size()) {
    Param p;
    if (s.compare(i, 2, "\\'") == 0) {
      p.kind = 't';
      i += 2;
      bool closed = false;
      while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (Lead(c)) {
          if (i + 1 >= s.size()) break;
          p.raw += s.substr(i, 2);
          i += 2;
          continue;
        }
        if (c == '\\' && i + 1 < s.size() && s[i + 1] == '\'') {
          i += 2;
          closed = true;
          break;
        }
        if (c == '\'' || c == '\\') {
          why = "unescaped quote or backslash in a text";
          return false;
        }
        p.raw += s[i++];
      }
      if (!closed) {
        why = "unterminated text";
        return false;
      }
    } else if (s[i] == '\'') {
      p.kind = 'n';
      const size_t e = s.find('\'', i + 1);
      if (e == std::string::npos) {
        why = "unterminated number";
        return false;
      }
      p.raw = s.substr(i + 1, e - i - 1);
      i = e + 1;
    } else {
      why = "unquoted parameter";
      return false;
    }
    out.push_back(p);
    if (i < s.size()) {
      if (s[i] != ',') {
        why = "missing comma";
        return false;
      }
      ++i;
      if (i == s.size()) {
        why = "trailing comma";
        return false;
      }
    }
  }
  return true;
}

const std::regex kInt("-?[0-9]+");
const std::regex kReal("-?[0-9]+\\.[0-9]+");

struct Figure {
  std::string name;
  int kind = 0;
  std::vector<Element> elements;
  std::vector<Placement> placements;
  int placed = 0;
};

}  // namespace

Drawing ReadSfc(const std::string& bytes) {
  Drawing d;
  auto err = [&](const std::string& e) { d.errors.push_back(e); };
  std::vector<std::string> lines;
  if (!SplitCrLf(bytes, lines)) err("line ends are not CR LF");
  size_t n = 0;
  auto expect = [&](const std::string& want) {
    if (n >= lines.size() || lines[n] != want)
      err("expected '" + want + "' at line " + std::to_string(n + 1));
    ++n;
  };
  expect("ISO-10303-21;");
  expect("HEADER;");
  expect("FILE_DESCRIPTION(('SCADEC level2 feature_mode'),'2;1');");
  if (n < lines.size() && CheckFileName(lines[n], false).empty()) {
    ++n;
  } else {
    err("bad FILE_NAME: " + (n < lines.size() ? CheckFileName(lines[n], false) : ""));
    ++n;
  }
  expect("FILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));");
  expect("ENDSEC;");
  expect("DATA;");

  std::set<long> ids;
  std::map<int, std::string> layers, colours, lineTypes, fonts;
  std::map<int, double> widths;
  int userColours = 0, userTypes = 0, userWidths = 0;
  std::vector<Figure> figures;
  Figure pending;  // members written since the last container
  bool sheetSeen = false;
  std::vector<Element> sheetElements;
  std::vector<Placement> sheetPlacements;

  const std::regex recordRe("#([0-9]+) = ([a-z_0-9]+)\\((.*)\\)");
  while (n < lines.size() && lines[n] != "ENDSEC;") {
    const std::string open = lines[n];
    std::string close;
    if (open == "/*SXF")
      close = "SXF*/";
    else if (open == "/*SXF3")
      close = "SXF3*/";
    else if (open == "/*SXF3.1")
      close = "SXF3.1*/";
    else {
      err("line " + std::to_string(n + 1) + " opens no record block");
      ++n;
      continue;
    }
    if (n + 2 >= lines.size() || lines[n + 2] != close) {
      err("record block at line " + std::to_string(n + 1) + " not closed");
      n += 1;
      continue;
    }
    const std::string rec = lines[n + 1];
    const std::string where = "line " + std::to_string(n + 2);
    n += 3;
    std::smatch m;
    if (!std::regex_match(rec, m, recordRe)) {
      err(where + ": malformed record");
      continue;
    }
    if (!ids.insert(std::stol(m[1])).second) err(where + ": duplicate id");
    const std::string name = m[2];
    auto form = kRecords.find(name);
    if (form == kRecords.end()) {
      err(where + ": unknown record " + name);
      continue;
    }
    if (close != "SXF*/") err(where + ": " + name + " in the wrong block form");
    std::vector<Param> ps;
    std::string why;
    if (!SplitParams(m[3], ps, why)) {
      err(where + ": " + why);
      continue;
    }
    if (ps.size() != form->second.size()) {
      err(where + ": " + name + " has " + std::to_string(ps.size()) + " parameters");
      continue;
    }
    std::vector<double> num(ps.size(), 0);
    std::vector<std::vector<double>> lists(ps.size());
    std::vector<std::string> text(ps.size());
    bool ok = true;
    for (size_t k = 0; k < ps.size(); ++k) {
      const char kind = form->second[k];
      const Param& p = ps[k];
      if (kind == 't') {
        if (p.kind != 't') ok = false;
        if (p.raw.size() > 256) err(where + ": text over 256 bytes");
        if (!Cp932ToUtf8(p.raw, text[k])) err(where + ": text is not CP932");
      } else if (p.kind != 'n') {
        ok = false;
      } else if (kind == 'i') {
        if (!std::regex_match(p.raw, kInt))
          ok = false;
        else
          num[k] = std::stod(p.raw);
      } else if (kind == 'r') {
        if (!std::regex_match(p.raw, kReal))
          ok = false;
        else
          num[k] = std::stod(p.raw);
      } else {
        if (p.raw.size() < 2 || p.raw.front() != '(' || p.raw.back() != ')') {
          ok = false;
        } else {
          std::string inner = p.raw.substr(1, p.raw.size() - 2);
          size_t s = 0;
          while (ok) {
            const size_t e = inner.find(',', s);
            const std::string v =
                inner.substr(s, e == std::string::npos ? std::string::npos : e - s);
            if (!std::regex_match(v, kReal))
              ok = false;
            else
              lists[k].push_back(std::stod(v));
            if (e == std::string::npos) break;
            s = e + 1;
          }
        }
      }
      if (std::fabs(num[k]) >= 1e15) err(where + ": number too large");
    }
    if (!ok) {
      err(where + ": a parameter of " + name + " has the wrong form");
      continue;
    }
    auto I = [&](size_t k) { return static_cast<int>(num[k]); };
    const bool isTable =
        name == "pre_defined_colour_feature" || name == "user_defined_colour_feature" ||
        name == "pre_defined_font_feature" || name == "user_defined_font_feature" ||
        name == "width_feature" || name == "text_font_feature" || name == "layer_feature";
    if (sheetSeen && !isTable) err(where + ": " + name + " after the sheet");

    // ---- tables ----
    if (name == "pre_defined_colour_feature" || name == "pre_defined_font_feature") {
      const bool colour = name[12] == 'c';
      int code = 0;
      for (int c = 0; c < (colour ? 16 : 15); ++c)
        if (text[0] == (colour ? kColours[c] : kFonts[c])) code = c + 1;
      if (!code) err(where + ": unknown predefined name " + text[0]);
      (colour ? colours : lineTypes)[code] = text[0];
      continue;
    }
    if (name == "user_defined_colour_feature") {
      for (int k = 0; k < 3; ++k)
        if (I(k) < 0 || I(k) > 255) err(where + ": colour component out of range");
      colours[17 + userColours++] =
          std::to_string(I(0)) + "," + std::to_string(I(1)) + "," + std::to_string(I(2));
      continue;
    }
    if (name == "user_defined_font_feature") {
      if (I(1) < 2 || I(1) > 8 || I(1) % 2 || static_cast<int>(lists[2].size()) != I(1))
        err(where + ": bad segment count");
      if (userTypes >= 32) err(where + ": more than 32 user line types");
      lineTypes[17 + userTypes++] = text[0];
      continue;
    }
    if (name == "width_feature") {
      int code = 0;
      for (int c = 0; c < 9; ++c)
        if (std::fabs(num[0] - kWidths[c]) < 1e-9) code = c + 1;
      if (!code) code = 11 + userWidths++;
      if (widths.size() >= 16) err(where + ": more than 16 widths");
      widths[code] = num[0];
      continue;
    }
    if (name == "text_font_feature") {
      if (fonts.size() >= 1024) err(where + ": more than 1024 text fonts");
      fonts[static_cast<int>(fonts.size()) + 1] = text[0];
      continue;
    }
    if (name == "layer_feature") {
      if (I(1) != 0 && I(1) != 1) err(where + ": bad visibility flag");
      if (layers.size() >= 256) err(where + ": more than 256 layers");
      for (auto& [c, l] : layers)
        if (l == text[0]) err(where + ": layer name twice");
      layers[static_cast<int>(layers.size()) + 1] = text[0];
      continue;
    }

    // ---- containers ----
    if (name == "sfig_org_feature") {
      if (text[0].empty()) err(where + ": empty figure name");
      for (const Figure& f : figures)
        if (f.name == text[0]) err(where + ": figure name twice");
      if (I(1) < 1 || I(1) > 4) err(where + ": bad figure kind");
      pending.name = text[0];
      pending.kind = I(1);
      for (const Placement& p : pending.placements) {
        for (Figure& f : figures)
          if (f.name == p.figure) {
            if ((f.kind == 1 || f.kind == 2)) err(where + ": partial drawing placed in a figure");
            if (f.kind == 3 && pending.kind == 4) err(where + ": group placed in a part");
          }
      }
      figures.push_back(pending);
      pending = Figure{};
      continue;
    }
    if (name == "drawing_sheet_feature") {
      if (sheetSeen) err(where + ": second sheet");
      sheetSeen = true;
      d.sheetName = text[0];
      const int type = I(1), orient = I(2);
      if (!((type >= 0 && type <= 4) || type == 9)) err(where + ": bad sheet type");
      if (orient != 0 && orient != 1) err(where + ": bad orientation");
      static const int kA[5][2] = {{1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
      if (type >= 0 && type <= 4) {
        const int x = kA[type][orient == 1 ? 0 : 1], y = kA[type][orient == 1 ? 1 : 0];
        if (I(3) != x || I(4) != y) err(where + ": sheet size does not match its type");
      } else if (I(3) <= 0 || I(4) <= 0) {
        err(where + ": bad free sheet size");
      }
      d.paperX = I(3);
      d.paperY = I(4);
      sheetElements = pending.elements;
      sheetPlacements = pending.placements;
      pending = Figure{};
      continue;
    }
    if (name == "sfig_locate_feature") {
      Placement p;
      p.figure = text[1];
      p.x = num[2];
      p.y = num[3];
      p.angle = num[4];
      p.rx = num[5];
      p.ry = num[6];
      if (I(0) != 0 && !layers.count(I(0))) err(where + ": undefined layer code");
      if (p.angle < 0 || p.angle >= 360) err(where + ": placement angle out of range");
      if (!(p.rx > 0) || !(p.ry > 0)) err(where + ": ratios must be positive");
      Figure* f = nullptr;
      for (Figure& g : figures)
        if (g.name == p.figure) f = &g;
      if (!f) {
        err(where + ": figure '" + p.figure + "' placed before its definition");
        continue;
      }
      if (f->kind != 4 && f->placed > 0) err(where + ": figure '" + p.figure + "' placed twice");
      if (f->kind == 3 && (p.x != 0 || p.y != 0 || p.angle != 0 || p.rx != 1 || p.ry != 1))
        err(where + ": drawing group '" + p.figure + "' not placed at the origin");
      ++f->placed;
      pending.placements.push_back(p);
      continue;
    }

    // ---- geometry and annotation ----
    Element e;
    auto style = [&](size_t layer, size_t colour, size_t type, size_t width) {
      if (!layers.count(I(layer)))
        err(where + ": undefined layer code " + std::to_string(I(layer)));
      else
        e.layer = layers[I(layer)];
      if (!colours.count(I(colour)))
        err(where + ": undefined colour code " + std::to_string(I(colour)));
      else
        e.colour = colours[I(colour)];
      if (type != SIZE_MAX) {
        if (!lineTypes.count(I(type)))
          err(where + ": undefined line type code " + std::to_string(I(type)));
        else
          e.lineType = lineTypes[I(type)];
      }
      if (width != SIZE_MAX) {
        if (!widths.count(I(width)))
          err(where + ": undefined width code " + std::to_string(I(width)));
        else
          e.width = widths[I(width)];
      }
    };
    auto textParams = [&](size_t font, size_t first) {
      if (!fonts.count(I(font)))
        err(where + ": undefined font code " + std::to_string(I(font)));
      else
        e.font = fonts[I(font)];
      e.height = num[first + 2];
      e.textWidth = num[first + 3];
      e.spacing = num[first + 4];
      e.angle = num[first + 5];
      e.slant = num[first + 6];
      e.basePoint = I(first + 7);
      e.direction = I(first + 8);
      if (e.angle < 0 || e.angle >= 360) err(where + ": text angle out of range");
      if (e.slant < -85 || e.slant > 85) err(where + ": slant out of range");
      if (e.basePoint < 1 || e.basePoint > 9) err(where + ": bad base point");
      if (e.direction != 1 && e.direction != 2) err(where + ": bad text direction");
      if (!(e.height > 0) || !(e.textWidth > 0)) err(where + ": text box not positive");
    };
    if (name == "line_feature") {
      e.kind = "line";
      style(0, 1, 2, 3);
      e.xs = {num[4], num[6]};
      e.ys = {num[5], num[7]};
    } else if (name == "polyline_feature") {
      e.kind = "polyline";
      style(0, 1, 2, 3);
      if (I(4) < 2 || static_cast<int>(lists[5].size()) != I(4) ||
          lists[6].size() != lists[5].size())
        err(where + ": polyline counts do not agree");
      e.xs = lists[5];
      e.ys = lists[6];
    } else if (name == "circle_feature" || name == "arc_feature") {
      e.kind = name == "circle_feature" ? "circle" : "arc";
      style(0, 1, 2, 3);
      e.xs = {num[4]};
      e.ys = {num[5]};
      e.radius = num[6];
      if (!(e.radius > 0)) err(where + ": radius not positive");
      if (e.kind == "arc") {
        e.direction = I(7);
        e.start = num[8];
        e.end = num[9];
      }
    } else if (name == "text_string_feature") {
      e.kind = "text";
      style(0, 1, SIZE_MAX, SIZE_MAX);
      if (!Cp932ToUtf8(ps[3].raw, e.text)) err(where + ": bad text");
      if (e.text.empty()) err(where + ": empty text");
      e.xs = {num[4]};
      e.ys = {num[5]};
      textParams(2, 4);
    } else if (name == "linear_dim_feature") {
      e.kind = "dim";
      style(0, 1, 2, 3);
      const double nan = std::nan("");
      e.xs = {num[4], num[6]};
      e.ys = {num[5], num[7]};
      for (size_t base : {8, 15}) {
        if (I(base) != 0 && I(base) != 1) err(where + ": bad projection flag");
        e.xs.push_back(I(base) ? num[base + 3] : nan);
        e.ys.push_back(I(base) ? num[base + 4] : nan);
        e.xs.push_back(I(base) ? num[base + 5] : nan);
        e.ys.push_back(I(base) ? num[base + 6] : nan);
      }
      for (size_t base : {22, 27}) {
        const int flag = I(base + 1);
        if (flag < 0 || flag > 2) err(where + ": bad arrow flag");
        if (flag != 0 && (I(base) < 1 || I(base) > 11)) err(where + ": bad arrow code");
        (base == 22 ? e.arrow1 : e.arrow2) = flag;
        e.xs.push_back(flag ? num[base + 2] : nan);
        e.ys.push_back(flag ? num[base + 3] : nan);
      }
      if (I(32) == 1) {
        if (!Cp932ToUtf8(ps[34].raw, e.text)) err(where + ": bad text");
        e.xs.push_back(num[35]);
        e.ys.push_back(num[36]);
        textParams(33, 35);
      } else if (I(32) != 0) {
        err(where + ": bad text flag");
      }
    } else {
      e.kind = name;  // read for the checks only
      style(0, 1, name == "point_marker_feature" ? SIZE_MAX : 2,
            name == "point_marker_feature" ? SIZE_MAX : 3);
    }
    pending.elements.push_back(e);
  }
  expect("ENDSEC;");
  expect("END-ISO-10303-21;");
  if (n != lines.size()) err("text after the end of the file");
  if (!sheetSeen) err("no sheet");
  if (!pending.elements.empty() || !pending.placements.empty()) err("records after the sheet");
  for (const Figure& f : figures)
    if (f.placed == 0) err("figure '" + f.name + "' never placed");

  std::map<std::string, FigureContent> content;
  for (const Figure& f : figures) content[f.name] = {f.elements, f.placements};
  Flatten(content, sheetElements, sheetPlacements, d.elements, d.errors);
  return d;
}

}  // namespace sxfcheck
