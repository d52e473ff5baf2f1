// The ISO 10303-21 form (AP202 associative draughting): the same tables,
// figures, sheet and features as entity instances. Codes become instances
// that the styles refer to; layers become layer assignments of the items on
// them; every angle is in radians; texts are ASCII with \X2\ runs.
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "platform/sxf_common/sxf_model.h"

namespace norva::sxf {

namespace {

constexpr double kDeg = M_PI / 180.0;

const char* const kIsoFonts[] = {"continuous", "dashed", "dotted", "chain", "chain double dash"};
const int kExtraRgb[8][3] = {{192, 0, 128}, {192, 128, 64}, {255, 128, 0},   {128, 192, 128},
                             {0, 128, 255}, {128, 64, 255}, {192, 192, 192}, {128, 128, 128}};
const char* const kArrows[11] = {
    "blanked arrow", "blanked box",  "blanked dot",   "dimension origin",
    "filled box",    "filled arrow", "filled dot",    "integral symbol",
    "open arrow",    "slash",        "unfilled arrow"};

std::string R(double v) { return FormatLength(v); }
std::string RF(double v) { return FormatFine(v); }

// A Part 21 string: printable ASCII as it is, a quote doubled, a backslash
// doubled, every other character in \X2\ runs of UTF-16 code units.
std::string Str(const std::string& cp932) {
  static const char* hex = "0123456789ABCDEF";
  std::string out = "'";
  bool inRun = false;
  for (char16_t c : Cp932ToUtf16(cp932)) {
    if (c >= 32 && c <= 126) {
      if (inRun) out += "\\X0\\";
      inRun = false;
      if (c == '\'')
        out += "''";
      else if (c == '\\')
        out += "\\\\";
      else
        out += static_cast<char>(c);
    } else {
      if (!inRun) out += "\\X2\\";
      inRun = true;
      for (int s = 12; s >= 0; s -= 4) out += hex[(c >> s) & 0xF];
    }
  }
  if (inRun) out += "\\X0\\";
  return out + "'";
}
std::string Label(const std::string& cp932) { return cp932.empty() ? "' '" : Str(cp932); }

std::string Ref(int id) { return "#" + std::to_string(id); }
std::string Refs(const std::vector<int>& ids) {
  std::string s = "(";
  for (size_t i = 0; i < ids.size(); ++i) s += (i ? "," : "") + Ref(ids[i]);
  return s + ")";
}

class P21 {
 public:
  explicit P21(const Drawing& d) : d_(d) {}

  std::string Write();

 private:
  int Add(const std::string& body) {
    const int id = next_++;
    out_ += "#" + std::to_string(id) + "=" + body + ";\r\n";
    return id;
  }
  int Point(double x, double y) { return Add("CARTESIAN_POINT(' ',(" + R(x) + "," + R(y) + "))"); }
  int Direction(double dx, double dy) {
    const double n = std::hypot(dx, dy);
    if (!(n > 0)) throw std::runtime_error("direction of no length");
    return Add("DIRECTION(' ',(" + RF(dx / n) + "," + RF(dy / n) + "))");
  }
  int Axis(int point, int dir) {
    return Add("AXIS2_PLACEMENT_2D(' '," + Ref(point) + "," + Ref(dir) + ")");
  }

  int Colour(int32_t code);
  int CurveFont(int32_t code);
  int Width(int32_t code);
  int Font(int32_t code);
  int CurveStyle(const Feature& f);
  int SymbolStyle(int32_t colour);
  int TextColour(int32_t colour);

  int Segment(double x1, double y1, double x2, double y2, double bx, double by);
  int CurveOccurrence(const Feature& f, int geometry, const std::string& extra,
                      const std::string& name);
  int Text(const Feature& f, size_t at, const std::string& name);
  int Dimension(const Feature& f);
  int Placement(const Feature& f);
  // The occurrence of one feature (what goes into the sheet's or figure's items).
  int Occurrence(const Feature& f);

  void AssignLayer(int32_t layer, int occurrence) {
    if (layer == 0)
      dummy_.push_back(occurrence);
    else
      layerItems_[layer].push_back(occurrence);
  }

  const Drawing& d_;
  std::string out_;
  int next_ = 1;
  std::map<int32_t, int> colours_, fonts_, widths_, textFonts_, symbolStyles_, textColours_;
  std::map<std::tuple<int32_t, int32_t, int32_t>, int> curveStyles_;
  std::map<int32_t, int> arrows_;
  std::map<std::string, int> maps_;  // figure name -> its representation map
  std::map<int32_t, std::vector<int>> layerItems_;
  std::vector<int> dummy_;
};

const TableEntry& Entry(const Drawing& d, TableEntry::Kind kind, int32_t code) {
  for (const TableEntry& t : d.tables)
    if (t.kind == kind && t.code == code) return t;
  throw std::runtime_error("table code without its entry");
}

int P21::Colour(int32_t code) {
  auto it = colours_.find(code);
  if (it != colours_.end()) return it->second;
  int id;
  if (code >= 1 && code <= 8) {
    id = Add("DRAUGHTING_PRE_DEFINED_COLOUR('" + std::string(kPreColours[code - 1]) + "')");
  } else if (code >= 9 && code <= 16) {
    const int* rgb = kExtraRgb[code - 9];
    id = Add("COLOUR_RGB('$$SXF_" + std::string(kPreColours[code - 1]) + "'," + RF(rgb[0] / 255.0) +
             "," + RF(rgb[1] / 255.0) + "," + RF(rgb[2] / 255.0) + ")");
  } else {
    const TableEntry& e = Entry(d_, TableEntry::kUserColour, code);
    id = Add("COLOUR_RGB(' '," + RF(e.ints[0] / 255.0) + "," + RF(e.ints[1] / 255.0) + "," +
             RF(e.ints[2] / 255.0) + ")");
  }
  return colours_[code] = id;
}

int P21::CurveFont(int32_t code) {
  auto it = fonts_.find(code);
  if (it != fonts_.end()) return it->second;
  int id;
  if (code >= 1 && code <= 15) {
    id = Add("DRAUGHTING_PRE_DEFINED_CURVE_FONT('" + std::string(kPreLineTypes[code - 1]) + "')");
  } else {
    const TableEntry& e = Entry(d_, TableEntry::kUserLineType, code);
    std::vector<int> patterns;
    for (size_t i = 0; i + 1 < e.pitch.size(); i += 2)
      patterns.push_back(
          Add("CURVE_STYLE_FONT_PATTERN(" + R(e.pitch[i]) + "," + R(e.pitch[i + 1]) + ")"));
    id = Add("CURVE_STYLE_FONT(" + Str("$$SXF_" + e.name) + "," + Refs(patterns) + ")");
  }
  return fonts_[code] = id;
}

int P21::Width(int32_t code) {
  auto it = widths_.find(code);
  if (it != widths_.end()) return it->second;
  const TableEntry& e = Entry(d_, TableEntry::kWidth, code);
  return widths_[code] =
             Add("LENGTH_MEASURE_WITH_UNIT(POSITIVE_LENGTH_MEASURE(" + R(e.width) + "),#1)");
}

int P21::Font(int32_t code) {
  auto it = textFonts_.find(code);
  if (it != textFonts_.end()) return it->second;
  const TableEntry& e = Entry(d_, TableEntry::kFont, code);
  return textFonts_[code] = Add("EXTERNALLY_DEFINED_TEXT_FONT(IDENTIFIER(" + Str(e.name) + "),#4)");
}

int P21::CurveStyle(const Feature& f) {
  const auto key = std::make_tuple(f.type, f.width, f.color);
  auto it = curveStyles_.find(key);
  if (it != curveStyles_.end()) return it->second;
  const int font = CurveFont(f.type), width = Width(f.width), colour = Colour(f.color);
  const int style =
      Add("CURVE_STYLE(' '," + Ref(font) + "," + Ref(width) + "," + Ref(colour) + ")");
  return curveStyles_[key] = Add("PRESENTATION_STYLE_ASSIGNMENT((" + Ref(style) + "))");
}

int P21::SymbolStyle(int32_t colour) {
  auto it = symbolStyles_.find(colour);
  if (it != symbolStyles_.end()) return it->second;
  const int c = Add("SYMBOL_COLOUR(" + Ref(Colour(colour)) + ")");
  const int s = Add("SYMBOL_STYLE(' '," + Ref(c) + ")");
  return symbolStyles_[colour] = Add("PRESENTATION_STYLE_ASSIGNMENT((" + Ref(s) + "))");
}

int P21::TextColour(int32_t colour) {
  auto it = textColours_.find(colour);
  if (it != textColours_.end()) return it->second;
  return textColours_[colour] = Add("TEXT_STYLE_FOR_DEFINED_FONT(" + Ref(Colour(colour)) + ")");
}

// A trimmed line from (x1, y1) to (x2, y2) whose line passes through (bx, by).
int P21::Segment(double x1, double y1, double x2, double y2, double bx, double by) {
  const int p1 = Point(x1, y1), p2 = Point(x2, y2);
  const int base = (bx == x1 && by == y1) ? p1 : Point(bx, by);
  const int dir = Direction(x2 - x1, y2 - y1);
  const int vec = Add("VECTOR(' '," + Ref(dir) + ",1.)");
  const int line = Add("LINE(' '," + Ref(base) + "," + Ref(vec) + ")");
  return Add("TRIMMED_CURVE(' '," + Ref(line) + ",(" + Ref(p1) + "),(" + Ref(p2) +
             "),.T.,.CARTESIAN.)");
}

int P21::CurveOccurrence(const Feature& f, int geometry, const std::string& extra,
                         const std::string& name) {
  const int style = CurveStyle(f);
  std::string body = "(ANNOTATION_CURVE_OCCURRENCE()ANNOTATION_OCCURRENCE()";
  if (extra == "DIMENSION_CURVE") body += "DIMENSION_CURVE()";
  body += "DRAUGHTING_ANNOTATION_OCCURRENCE()GEOMETRIC_REPRESENTATION_ITEM()";
  if (extra == "PROJECTION_CURVE") body += "PROJECTION_CURVE()";
  body +=
      "REPRESENTATION_ITEM(" + name + ")STYLED_ITEM((" + Ref(style) + ")," + Ref(geometry) + "))";
  return Add(body);
}

int P21::Text(const Feature& f, size_t at, const std::string& name) {
  static const char* const kRows[3] = {"baseline", "middleline", "topline"};
  static const char* const kCols[3] = {"left", "centre", "right"};
  static const double kLift[3] = {0.5, -0.5, -1.0};
  const int row = (f.basePoint - 1) / 3, col = (f.basePoint - 1) % 3;
  const double a = f.angle * kDeg, k = kLift[row] * f.height;
  const int point = Point(f.xs[at] - k * std::sin(a), f.ys[at] + k * std::cos(a));
  const int axis = Axis(point, Direction(std::cos(a), std::sin(a)));
  const int extent = Add("PLANAR_EXTENT(' '," + R(f.textWidth) + "," + R(f.height) + ")");
  const std::string where = std::string(kRows[row]) + " " + kCols[col];
  const int literal =
      Add("TEXT_LITERAL_WITH_EXTENT('$$SXF_" + where + "'," + Str(f.text) + "," + Ref(axis) +
          ",'baseline " + kCols[col] + "'," + (f.textDirection == 1 ? ".RIGHT." : ".DOWN.") + "," +
          Ref(Font(f.font)) + "," + Ref(extent) + ")");
  const int style = Add("(TEXT_STYLE(' '," + Ref(TextColour(f.color)) +
                        ")TEXT_STYLE_WITH_BOX_CHARACTERISTICS((BOX_HEIGHT(" + R(f.height) +
                        "),BOX_WIDTH(" + R(f.textWidth) + "),BOX_SLANT_ANGLE(" +
                        RF(f.slant * kDeg) + "),BOX_ROTATE_ANGLE(0.)))TEXT_STYLE_WITH_SPACING(" +
                        "LENGTH_MEASURE(" + R(f.spacing) + ")))");
  const int psa = Add("PRESENTATION_STYLE_ASSIGNMENT((" + Ref(style) + "))");
  return Add(
      "(ANNOTATION_OCCURRENCE()ANNOTATION_TEXT_OCCURRENCE()DRAUGHTING_ANNOTATION_OCCURRENCE()"
      "GEOMETRIC_REPRESENTATION_ITEM()REPRESENTATION_ITEM(" +
      name + ")STYLED_ITEM((" + Ref(psa) + ")," + Ref(literal) + "))");
}

int P21::Dimension(const Feature& f) {
  std::vector<int> contents;
  const int line = Segment(f.xs[0], f.ys[0], f.xs[1], f.ys[1], f.xs[0], f.ys[0]);
  const int curve = CurveOccurrence(f, line, "DIMENSION_CURVE", "' '");
  contents.push_back(curve);
  if (f.proj1)
    contents.push_back(
        CurveOccurrence(f, Segment(f.xs[3], f.ys[3], f.xs[4], f.ys[4], f.xs[2], f.ys[2]),
                        "PROJECTION_CURVE", "'$$SXF_prj_1'"));
  if (f.proj2)
    contents.push_back(
        CurveOccurrence(f, Segment(f.xs[6], f.ys[6], f.xs[7], f.ys[7], f.xs[5], f.ys[5]),
                        "PROJECTION_CURVE", "'$$SXF_prj_2'"));
  if (f.textFlag) contents.push_back(Text(f, 10, "'dimension value'"));
  for (int k = 0; k < 2; ++k) {
    const int32_t code = k == 0 ? f.arr1Code : f.arr2Code;
    const int32_t flag = k == 0 ? f.arr1Flag : f.arr2Flag;
    if (flag == 0 || code == 0) continue;
    const size_t at = k == 0 ? 8 : 9, far = k == 0 ? 1 : 0, near = k == 0 ? 0 : 1;
    // Outward arrows point from the far end of the line toward their point.
    double dx = f.xs[near] - f.xs[far], dy = f.ys[near] - f.ys[far];
    if (flag == 2) dx = -dx, dy = -dy;
    auto it = arrows_.find(code);
    const int symbol = it != arrows_.end()
                           ? it->second
                           : (arrows_[code] = Add("PRE_DEFINED_TERMINATOR_SYMBOL('" +
                                                  std::string(kArrows[code - 1]) + "')"));
    const int point = Point(f.xs[at], f.ys[at]);
    const int axis = Axis(point, Direction(dx, dy));
    const double scale = k == 0 ? f.arr1Scale : f.arr2Scale;
    const int target =
        Add("SYMBOL_TARGET(' '," + Ref(axis) + "," + RF(scale) + "," + RF(scale) + ")");
    const int defined = Add("DEFINED_SYMBOL(' '," + Ref(symbol) + "," + Ref(target) + ")");
    contents.push_back(Add(
        std::string(
            "(ANNOTATION_OCCURRENCE()ANNOTATION_SYMBOL_OCCURRENCE()DIMENSION_CURVE_TERMINATOR(") +
        (k == 0 ? ".ORIGIN." : ".TARGET.") +
        ")DRAUGHTING_ANNOTATION_OCCURRENCE()GEOMETRIC_REPRESENTATION_ITEM()REPRESENTATION_ITEM('$$"
        "SXF_arw_" +
        std::to_string(k + 1) + "')STYLED_ITEM((" + Ref(SymbolStyle(f.color)) + ")," +
        Ref(defined) + ")TERMINATOR_SYMBOL(" + Ref(curve) + "))"));
  }
  return Add("(DIMENSION_CURVE_DIRECTED_CALLOUT()DRAUGHTING_CALLOUT(" + Refs(contents) +
             ")DRAUGHTING_ELEMENTS()GEOMETRIC_REPRESENTATION_ITEM()LINEAR_DIMENSION()"
             "REPRESENTATION_ITEM(' '))");
}

std::string Prefixed(const Drawing& d, const std::string& name) {
  static const char* const kPrefix[5] = {"", "$$SXF_FM_", "$$SXF_FG_", "$$SXF_G_", "$$SXF_P_"};
  const Figure* f = d.FindFigure(name);
  return std::string(kPrefix[f ? f->kind : 0]) + name;
}

int P21::Placement(const Feature& f) {
  const double a = f.angle * kDeg;
  const int point = Point(f.xs[0], f.ys[0]);
  const int axis = Axis(point, Direction(std::cos(a), std::sin(a)));
  const int target =
      Add("SYMBOL_TARGET(' '," + Ref(axis) + "," + RF(f.ratioX) + "," + RF(f.ratioY) + ")");
  const int mapped =
      Add("(ANNOTATION_SYMBOL()GEOMETRIC_REPRESENTATION_ITEM()MAPPED_ITEM(" +
          Ref(maps_.at(f.figure)) + "," + Ref(target) + ")REPRESENTATION_ITEM(' '))");
  return Add(
      "(ANNOTATION_OCCURRENCE()ANNOTATION_SUBFIGURE_OCCURRENCE()ANNOTATION_SYMBOL_OCCURRENCE()"
      "DRAUGHTING_ANNOTATION_OCCURRENCE()GEOMETRIC_REPRESENTATION_ITEM()REPRESENTATION_ITEM(" +
      Str(Prefixed(d_, f.figure)) + ")STYLED_ITEM((#5)," + Ref(mapped) + "))");
}

int P21::Occurrence(const Feature& f) {
  int occ = 0;
  switch (f.kind) {
    case Feature::kLine:
      occ = CurveOccurrence(f, Segment(f.xs[0], f.ys[0], f.xs[1], f.ys[1], f.xs[0], f.ys[0]), "",
                            "' '");
      break;
    case Feature::kPolyline: {
      std::vector<int> pts;
      for (size_t i = 0; i < f.xs.size(); ++i) pts.push_back(Point(f.xs[i], f.ys[i]));
      occ = CurveOccurrence(f, Add("POLYLINE(' '," + Refs(pts) + ")"), "", "' '");
      break;
    }
    case Feature::kCircle:
    case Feature::kArc: {
      const int axis = Axis(Point(f.xs[0], f.ys[0]), 7);
      int g = Add("CIRCLE(' '," + Ref(axis) + "," + R(f.r) + ")");
      if (f.kind == Feature::kArc)
        g = Add("TRIMMED_CURVE(' '," + Ref(g) + ",(PARAMETER_VALUE(" + RF(f.start * kDeg) +
                ")),(PARAMETER_VALUE(" + RF(f.end * kDeg) + "))," +
                (f.direction == 0 ? ".T." : ".F.") + ",.PARAMETER.)");
      occ = CurveOccurrence(f, g, "", "' '");
      break;
    }
    case Feature::kEllipse:
    case Feature::kEllipseArc: {
      const double r = f.rotation * kDeg;
      const int point = Point(f.xs[0], f.ys[0]);
      const int axis = Axis(point, Direction(std::cos(r), std::sin(r)));
      int g = Add("ELLIPSE(' '," + Ref(axis) + "," + R(f.rx) + "," + R(f.ry) + ")");
      if (f.kind == Feature::kEllipseArc)
        g = Add("TRIMMED_CURVE(' '," + Ref(g) + ",(PARAMETER_VALUE(" + RF(f.start * kDeg) +
                ")),(PARAMETER_VALUE(" + RF(f.end * kDeg) + "))," +
                (f.direction == 0 ? ".T." : ".F.") + ",.PARAMETER.)");
      occ = CurveOccurrence(f, g, "", "' '");
      break;
    }
    case Feature::kText:
      occ = Text(f, 0, "' '");
      break;
    case Feature::kLinearDim:
      occ = Dimension(f);
      break;
    case Feature::kLocate:
      occ = Placement(f);
      break;
    case Feature::kPointMarker:
    case Feature::kSpline:
      throw std::runtime_error("点マーカとスプラインはP21形式では書き込めません。");
  }
  AssignLayer(f.layer, occ);
  return occ;
}

std::string P21::Write() {
  std::string head =
      "ISO-10303-21;\r\nHEADER;\r\n"
      "FILE_DESCRIPTION(('SCADEC level2 AP202_mode'),'2;1');\r\n"
      "FILE_NAME(" +
      Str(d_.fileName) + ",'" + d_.timeStamp + "',(" + Str(d_.author) + "),(" +
      Str(d_.organization) + ")," + Str(d_.translator + "$$3.1") + "," + Str(d_.translator) +
      ",'');\r\nFILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\r\nENDSEC;\r\nDATA;\r\n";
  Add("(LENGTH_UNIT()NAMED_UNIT(*)SI_UNIT(.MILLI.,.METRE.))");
  Add("(NAMED_UNIT(*)PLANE_ANGLE_UNIT()SI_UNIT($,.RADIAN.))");
  Add("(GEOMETRIC_REPRESENTATION_CONTEXT(2)GLOBAL_UNIT_ASSIGNED_CONTEXT((#2,#1))"
      "REPRESENTATION_CONTEXT('ID1','2D'))");
  Add("EXTERNAL_SOURCE(IDENTIFIER('SCADEC'))");
  Add("PRESENTATION_STYLE_ASSIGNMENT((NULL_STYLE(.NULL.)))");
  Add("CARTESIAN_POINT(' ',(0.,0.))");
  Add("DIRECTION(' ',(1.,0.))");
  Add("AXIS2_PLACEMENT_2D(' ',#6,#7)");

  for (const TableEntry& t : d_.tables)
    if (t.kind == TableEntry::kLineType) {
      bool iso = false;
      for (const char* n : kIsoFonts) iso |= t.name == n;
      if (!iso) throw std::runtime_error("線種「" + t.name + "」はP21形式では書き込めません。");
    }

  for (const Figure& fig : d_.figures) {
    std::vector<int> items;
    for (const Feature& f : fig.members) items.push_back(Occurrence(f));
    const int origin = Add("AXIS2_PLACEMENT_2D(' ',#6,#7)");
    items.push_back(origin);
    const int rep = Add("DRAUGHTING_SUBFIGURE_REPRESENTATION(" + Str(Prefixed(d_, fig.name)) + "," +
                        Refs(items) + ",#3)");
    maps_[fig.name] = Add("SYMBOL_REPRESENTATION_MAP(" + Ref(origin) + "," + Ref(rep) + ")");
  }
  std::vector<int> items;
  for (const Feature& f : d_.sheetMembers) items.push_back(Occurrence(f));
  const int box = Add("PLANAR_BOX(' '," + R(d_.sheetX) + "," + R(d_.sheetY) + ",#8)");
  items.push_back(box);
  const int def = Add("DRAWING_DEFINITION('01',$)");
  const int rev = Add("DRAUGHTING_DRAWING_REVISION('01'," + Ref(def) + ",$)");
  Add("DRAUGHTING_TITLE((" + Ref(rev) + "),'JAPANESE'," + Label(d_.sheetName) + ")");
  const std::string paper = d_.sheetType == 9
                                ? "FREE"
                                : "A" + std::to_string(d_.sheetType) +
                                      (d_.sheetOrient == 1 ? "_horizontal" : "_vertical");
  const int sheet = Add("DRAWING_SHEET_REVISION('" + paper + "'," + Refs(items) + ",#3,'01')");
  Add("DRAWING_SHEET_REVISION_USAGE(" + Ref(sheet) + "," + Ref(rev) + ",'01')");
  Add("PRESENTATION_SIZE(" + Ref(sheet) + "," + Ref(box) + ")");
  // Layers in code order; one with nothing on it is left out.
  std::vector<int> hidden;
  for (const TableEntry& t : d_.tables) {
    if (t.kind != TableEntry::kLayer) continue;
    auto it = layerItems_.find(t.code);
    if (it == layerItems_.end()) continue;
    const int a =
        Add("PRESENTATION_LAYER_ASSIGNMENT(" + Str(t.name) + ",' '," + Refs(it->second) + ")");
    Add("PRESENTATION_LAYER_USAGE(" + Ref(a) + "," + Ref(sheet) + ")");
    if (t.ints[0] == 0) hidden.push_back(a);
  }
  if (!dummy_.empty()) {
    const int a = Add("PRESENTATION_LAYER_ASSIGNMENT('$$SXF_dummy_layer_for_subfigure',' '," +
                      Refs(dummy_) + ")");
    Add("PRESENTATION_LAYER_USAGE(" + Ref(a) + "," + Ref(sheet) + ")");
  }
  if (!hidden.empty()) Add("INVISIBILITY(" + Refs(hidden) + ")");
  return head + out_ + "ENDSEC;\r\nEND-ISO-10303-21;\r\n";
}

}  // namespace

std::string WriteP21(const Drawing& d) { return P21(d).Write(); }

}  // namespace norva::sxf
