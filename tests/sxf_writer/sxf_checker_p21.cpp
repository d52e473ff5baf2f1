// The P21 half of the test reader: Part 21 syntax, ASCII only, unique ids,
// every reference defined, complex records in alphabetical order, REALs with
// a point; then the entity graph read back into the drawing: the sheet, its
// layers, curve and text occurrences, linear-dimension callouts and placed
// subfigures.
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "sxf_writer/sxf_checker.h"
#include "sxf_writer/sxf_checker_support.h"

namespace sxfcheck {

namespace {

struct Value {
  enum Kind { kRef, kStr, kEnum, kReal, kInt, kUnset, kDerived, kList, kTyped } kind = kUnset;
  long ref = 0;
  std::string text;  // string (UTF-8), enum name, typed name
  double num = 0;
  std::vector<Value> items;  // list items or typed arguments
};

struct Record {
  std::string name;
  std::vector<Value> args;
};

struct Instance {
  std::vector<Record> records;  // one for a simple instance
  const Record* Part(const std::string& name) const {
    for (const Record& r : records)
      if (r.name == name) return &r;
    return nullptr;
  }
  bool Is(const std::string& name) const { return Part(name) != nullptr; }
};

class Parser {
 public:
  Parser(const std::string& s, std::vector<std::string>& errors) : s_(s), errors_(errors) {}

  bool Instance(long& id, sxfcheck::Instance& out) {
    if (!Eat('#')) return Fail("instance without #");
    id = Integer();
    if (id <= 0) return Fail("instance id not a positive integer");
    if (!Eat('=')) return Fail("missing =");
    if (Peek() == '(') {
      ++i_;
      while (Peek() != ')') {
        Record r;
        if (!RecordOf(r)) return false;
        out.records.push_back(r);
        if (i_ >= s_.size()) return Fail("unclosed complex instance");
      }
      ++i_;
      for (size_t k = 1; k < out.records.size(); ++k)
        if (!(out.records[k - 1].name < out.records[k].name))
          errors_.push_back("#" + std::to_string(id) + ": complex records out of order");
    } else {
      Record r;
      if (!RecordOf(r)) return false;
      out.records.push_back(r);
    }
    if (!Eat(';')) return Fail("missing ;");
    if (i_ != s_.size()) return Fail("text after ;");
    // Every number of this schema's drawing is a REAL, which needs its
    // decimal point; only the context's dimension count is an INTEGER.
    for (const Record& r : out.records)
      for (size_t k = 0; k < r.args.size(); ++k) {
        const bool dimension = r.name == "GEOMETRIC_REPRESENTATION_CONTEXT" && k == 0;
        if (!NumbersAre(r.args[k], dimension ? Value::kInt : Value::kReal))
          errors_.push_back(
              "#" + std::to_string(id) + ": " +
              (dimension ? "a real where an integer belongs" : "a real without its decimal point") +
              " in " + r.name);
      }
    return true;
  }

  std::set<long> refs;

 private:
  char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  bool Eat(char c) {
    if (Peek() != c) return false;
    ++i_;
    return true;
  }
  bool Fail(const std::string& why) {
    errors_.push_back("syntax: " + why + " in: " + s_.substr(0, 80));
    return false;
  }
  static bool NumbersAre(const Value& v, Value::Kind kind) {
    if (v.kind == Value::kReal || v.kind == Value::kInt) return v.kind == kind;
    for (const Value& item : v.items)
      if (!NumbersAre(item, kind)) return false;
    return true;
  }
  long Integer() {
    const size_t start = i_;
    while (isdigit(static_cast<unsigned char>(Peek()))) ++i_;
    return start == i_ ? -1 : std::stol(s_.substr(start, i_ - start));
  }
  std::string Keyword() {
    const size_t start = i_;
    while (isupper(static_cast<unsigned char>(Peek())) ||
           isdigit(static_cast<unsigned char>(Peek())) || Peek() == '_')
      ++i_;
    return s_.substr(start, i_ - start);
  }
  bool RecordOf(Record& r) {
    r.name = Keyword();
    if (r.name.empty()) return Fail("missing entity name");
    if (!Eat('(')) return Fail("missing (");
    return Args(r.args, ')');
  }
  bool Args(std::vector<Value>& out, char close) {
    if (Eat(close)) return true;
    for (;;) {
      Value v;
      if (!ValueOf(v)) return false;
      out.push_back(v);
      if (Eat(close)) return true;
      if (!Eat(',')) return Fail("missing ,");
    }
  }
  bool ValueOf(Value& v) {
    const char c = Peek();
    if (c == '#') {
      ++i_;
      v.kind = Value::kRef;
      v.ref = Integer();
      refs.insert(v.ref);
      return v.ref > 0 || Fail("bad reference");
    }
    if (c == '$') return ++i_, v.kind = Value::kUnset, true;
    if (c == '*') return ++i_, v.kind = Value::kDerived, true;
    if (c == '(') {
      ++i_;
      v.kind = Value::kList;
      return Args(v.items, ')');
    }
    if (c == '.') {
      ++i_;
      v.kind = Value::kEnum;
      v.text = Keyword();
      return Eat('.') || Fail("bad enumeration");
    }
    if (c == '\'') return String(v);
    if (isupper(static_cast<unsigned char>(c))) {
      v.kind = Value::kTyped;
      v.text = Keyword();
      if (!Eat('(')) return Fail("typed value without (");
      return Args(v.items, ')');
    }
    const size_t start = i_;
    if (c == '-' || c == '+') ++i_;
    while (isdigit(static_cast<unsigned char>(Peek()))) ++i_;
    if (i_ == start) return Fail("unexpected character");
    if (Eat('.')) {
      while (isdigit(static_cast<unsigned char>(Peek()))) ++i_;
      if (Peek() == 'E') return Fail("exponent notation");
      v.kind = Value::kReal;
    } else {
      v.kind = Value::kInt;
    }
    v.num = std::stod(s_.substr(start, i_ - start));
    return true;
  }
  bool String(Value& v) {
    ++i_;
    v.kind = Value::kStr;
    std::u16string u;
    for (;;) {
      if (i_ >= s_.size()) return Fail("unterminated string");
      const char c = s_[i_];
      if (c == '\'') {
        if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
          u += u'\'';
          i_ += 2;
          continue;
        }
        ++i_;
        break;
      }
      if (c == '\\') {
        if (s_.compare(i_, 2, "\\\\") == 0) {
          u += u'\\';
          i_ += 2;
          continue;
        }
        if (s_.compare(i_, 4, "\\X2\\") != 0) return Fail("unknown string directive");
        i_ += 4;
        while (s_.compare(i_, 4, "\\X0\\") != 0) {
          if (i_ + 4 > s_.size()) return Fail("unterminated \\X2\\");
          const std::string hex = s_.substr(i_, 4);
          for (char h : hex)
            if (!isxdigit(static_cast<unsigned char>(h)) || islower(static_cast<unsigned char>(h)))
              return Fail("bad hex in \\X2\\");
          u += static_cast<char16_t>(std::stoul(hex, nullptr, 16));
          i_ += 4;
        }
        i_ += 4;
        continue;
      }
      u += static_cast<char16_t>(static_cast<unsigned char>(c));
      ++i_;
    }
    for (char16_t ch : u) {  // the BMP is enough here
      if (ch < 0x80) {
        v.text += static_cast<char>(ch);
      } else if (ch < 0x800) {
        v.text += static_cast<char>(0xC0 | (ch >> 6));
        v.text += static_cast<char>(0x80 | (ch & 0x3F));
      } else {
        v.text += static_cast<char>(0xE0 | (ch >> 12));
        v.text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        v.text += static_cast<char>(0x80 | (ch & 0x3F));
      }
    }
    return true;
  }

  const std::string& s_;
  std::vector<std::string>& errors_;
  size_t i_ = 0;
};

class Graph {
 public:
  std::map<long, Instance> inst;
  std::vector<std::string>* errors = nullptr;

  const Instance& At(long id) const {
    static const Instance none;
    auto it = inst.find(id);
    return it == inst.end() ? none : it->second;
  }
  const Record* Simple(long id, const std::string& name) const {
    const Instance& i = At(id);
    if (i.records.size() != 1 || i.records[0].name != name) {
      errors->push_back("#" + std::to_string(id) + " is not " + name);
      return nullptr;
    }
    return &i.records[0];
  }
  void Point(long id, double& x, double& y) const {
    const Record* r = Simple(id, "CARTESIAN_POINT");
    if (!r || r->args.size() != 2 || r->args[1].items.size() != 2) return;
    x = r->args[1].items[0].num;
    y = r->args[1].items[1].num;
  }
  // Location and angle (degrees) of an AXIS2_PLACEMENT_2D.
  void Axis(long id, double& x, double& y, double& deg) const {
    const Record* r = Simple(id, "AXIS2_PLACEMENT_2D");
    if (!r || r->args.size() != 3) return;
    Point(r->args[1].ref, x, y);
    deg = 0;
    if (r->args[2].kind == Value::kRef) {
      const Record* d = Simple(r->args[2].ref, "DIRECTION");
      if (d && d->args.size() == 2 && d->args[1].items.size() == 2) {
        deg = std::atan2(d->args[1].items[1].num, d->args[1].items[0].num) * 180 / M_PI;
        if (deg < 0) deg += 360;
        if (deg >= 359.9999995) deg = 0;
      }
    }
  }
  std::string Colour(long id) const {
    const Instance& i = At(id);
    if (const Record* r = i.Part("DRAUGHTING_PRE_DEFINED_COLOUR")) return r->args.at(0).text;
    if (const Record* r = i.Part("COLOUR_RGB")) {
      const std::string& n = r->args.at(0).text;
      if (n.rfind("$$SXF_", 0) == 0) return n.substr(6);
      auto c = [&](size_t k) {
        return std::to_string(static_cast<int>(std::lround(r->args.at(k).num * 255)));
      };
      return c(1) + "," + c(2) + "," + c(3);
    }
    errors->push_back("#" + std::to_string(id) + " is no colour");
    return "";
  }
  void CurveStyle(long styledId, Element& e) const {
    const Record* s = At(styledId).Part("STYLED_ITEM");
    if (!s || s->args.at(0).items.empty()) return;
    const Record* psa = Simple(s->args[0].items[0].ref, "PRESENTATION_STYLE_ASSIGNMENT");
    if (!psa) return;
    const Record* cs = Simple(psa->args.at(0).items.at(0).ref, "CURVE_STYLE");
    if (!cs || cs->args.size() != 4) return;
    const Instance& font = At(cs->args[1].ref);
    if (const Record* f = font.Part("DRAUGHTING_PRE_DEFINED_CURVE_FONT"))
      e.lineType = f->args.at(0).text;
    else if (const Record* f2 = font.Part("CURVE_STYLE_FONT")) {
      e.lineType = f2->args.at(0).text;
      if (e.lineType.rfind("$$SXF_", 0) == 0) e.lineType = e.lineType.substr(6);
    }
    if (const Record* w = Simple(cs->args[2].ref, "LENGTH_MEASURE_WITH_UNIT"))
      e.width = w->args.at(0).items.at(0).num;
    e.colour = Colour(cs->args[3].ref);
  }
  // The trimmed line of a curve occurrence: start and end.
  void Geometry(long styledId, Element& e) const {
    const Record* s = At(styledId).Part("STYLED_ITEM");
    if (!s) return;
    const Instance& g = At(s->args.at(1).ref);
    if (const Record* p = g.Part("POLYLINE")) {
      e.kind = "polyline";
      for (const Value& v : p->args.at(1).items) {
        double x = 0, y = 0;
        Point(v.ref, x, y);
        e.xs.push_back(x);
        e.ys.push_back(y);
      }
      if (e.xs.size() < 2) errors->push_back("polyline of fewer than two points");
    } else if (const Record* c = g.Part("CIRCLE")) {
      e.kind = "circle";
      double a = 0, x = 0, y = 0;
      Axis(c->args.at(1).ref, x, y, a);
      e.xs = {x};
      e.ys = {y};
      e.radius = c->args.at(2).num;
    } else if (const Record* t = g.Part("TRIMMED_CURVE")) {
      const Value& sense = t->args.at(4);
      if (sense.kind != Value::kEnum || (sense.text != "T" && sense.text != "F"))
        errors->push_back("trimmed curve sense is not .T. or .F.");
      const Instance& basis = At(t->args.at(1).ref);
      if (basis.Is("LINE")) {
        e.kind = "line";
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Point(t->args.at(2).items.at(0).ref, x1, y1);
        Point(t->args.at(3).items.at(0).ref, x2, y2);
        if (x1 == x2 && y1 == y2) errors->push_back("line of no length");
        e.xs = {x1, x2};
        e.ys = {y1, y2};
      } else if (const Record* c2 = basis.Part("CIRCLE")) {
        e.kind = "arc";
        double a = 0, x = 0, y = 0;
        Axis(c2->args.at(1).ref, x, y, a);
        e.xs = {x};
        e.ys = {y};
        e.radius = c2->args.at(2).num;
        e.start = t->args.at(2).items.at(0).items.at(0).num * 180 / M_PI;
        e.end = t->args.at(3).items.at(0).items.at(0).num * 180 / M_PI;
        e.direction = t->args.at(4).text == "T" ? 0 : 1;
      } else {
        errors->push_back("trimmed curve over an unread basis");
      }
    } else {
      errors->push_back("unread curve geometry");
    }
  }
  void Text(long occId, Element& e) const {
    const Record* s = At(occId).Part("STYLED_ITEM");
    if (!s) return;
    const Record* lit = Simple(s->args.at(1).ref, "TEXT_LITERAL_WITH_EXTENT");
    if (!lit || lit->args.size() != 7) return;
    static const std::map<std::string, int> kRows = {
        {"baseline", 0}, {"middleline", 1}, {"topline", 2}};
    static const std::map<std::string, int> kCols = {{"left", 1}, {"centre", 2}, {"right", 3}};
    const std::string& name = lit->args[0].text;
    const size_t sp = name.find(' ');
    if (name.rfind("$$SXF_", 0) != 0 || sp == std::string::npos ||
        !kRows.count(name.substr(6, sp - 6)) || !kCols.count(name.substr(sp + 1))) {
      errors->push_back("text name '" + name + "' gives no base point");
      return;
    }
    const int row = kRows.at(name.substr(6, sp - 6));
    e.basePoint = row * 3 + kCols.at(name.substr(sp + 1));
    e.text = lit->args[1].text;
    double px = 0, py = 0;
    Axis(lit->args[2].ref, px, py, e.angle);
    e.direction = lit->args[4].text == "RIGHT" ? 1 : lit->args[4].text == "DOWN" ? 2 : 0;
    if (!e.direction) errors->push_back("bad text path");
    if (const Record* f = Simple(lit->args[5].ref, "EXTERNALLY_DEFINED_TEXT_FONT"))
      e.font = f->args.at(0).items.at(0).text;
    if (const Record* x = Simple(lit->args[6].ref, "PLANAR_EXTENT")) {
      e.textWidth = x->args.at(1).num;
      e.height = x->args.at(2).num;
      if (!(e.textWidth > 0) || !(e.height > 0)) errors->push_back("text extent not positive");
    }
    static const double kLift[3] = {0.5, -0.5, -1.0};
    const double k = kLift[row] * e.height, a = e.angle * M_PI / 180;
    e.xs.push_back(px + k * std::sin(a));
    e.ys.push_back(py - k * std::cos(a));
    const Record* psa = Simple(s->args.at(0).items.at(0).ref, "PRESENTATION_STYLE_ASSIGNMENT");
    if (!psa) return;
    const Instance& ts = At(psa->args.at(0).items.at(0).ref);
    if (const Record* t = ts.Part("TEXT_STYLE")) {
      if (const Record* c = Simple(t->args.at(1).ref, "TEXT_STYLE_FOR_DEFINED_FONT"))
        e.colour = Colour(c->args.at(0).ref);
    }
    if (const Record* b = ts.Part("TEXT_STYLE_WITH_BOX_CHARACTERISTICS"))
      for (const Value& v : b->args.at(0).items)
        if (v.text == "BOX_SLANT_ANGLE") e.slant = v.items.at(0).num * 180 / M_PI;
    if (const Record* sp2 = ts.Part("TEXT_STYLE_WITH_SPACING"))
      e.spacing = sp2->args.at(0).items.at(0).num;
    if (e.angle < 0 || e.angle >= 360) errors->push_back("text angle out of range");
    if (e.slant < -85 || e.slant > 85) errors->push_back("slant out of range");
  }
};

}  // namespace

Drawing ReadP21(const std::string& bytes) {
  Drawing d;
  auto err = [&](const std::string& e) { d.errors.push_back(e); };
  for (unsigned char c : bytes)
    if (!(c == '\r' || c == '\n' || (c >= 32 && c <= 126))) {
      err("a byte outside printable ASCII");
      break;
    }
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
  expect("FILE_DESCRIPTION(('SCADEC level2 AP202_mode'),'2;1');");
  if (n >= lines.size() || !CheckFileName(lines[n], true).empty()) err("bad FILE_NAME");
  ++n;
  expect("FILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));");
  expect("ENDSEC;");
  expect("DATA;");
  Graph g;
  g.errors = &d.errors;
  std::set<long> refs;
  while (n < lines.size() && lines[n] != "ENDSEC;") {
    Parser p(lines[n], d.errors);
    long id = 0;
    Instance inst;
    if (p.Instance(id, inst)) {
      if (g.inst.count(id)) err("duplicate id #" + std::to_string(id));
      g.inst[id] = inst;
      refs.insert(p.refs.begin(), p.refs.end());
    }
    ++n;
  }
  expect("ENDSEC;");
  expect("END-ISO-10303-21;");
  if (n != lines.size()) err("text after the end");
  for (long r : refs)
    if (!g.inst.count(r)) err("reference to undefined #" + std::to_string(r));
  if (!d.errors.empty()) return d;

  // Layers of the items.
  std::map<long, std::string> layerOf;
  for (const auto& [id, i] : g.inst)
    if (const Record* a = i.Part("PRESENTATION_LAYER_ASSIGNMENT")) {
      if (a->args.at(2).items.empty()) err("layer without items");
      for (const Value& v : a->args.at(2).items)
        if (a->args[0].text != "$$SXF_dummy_layer_for_subfigure") layerOf[v.ref] = a->args[0].text;
    }

  // One occurrence into elements or placements.
  std::map<std::string, FigureContent> figures;
  std::map<std::string, int> placed;
  std::map<std::string, std::string> kindOf;
  std::vector<std::pair<bool, double>> terminators;
  auto read = [&](long id, FigureContent& into) {
    const Instance& i = g.At(id);
    Element e;
    e.layer = layerOf.count(id) ? layerOf[id] : "";
    if (i.Is("ANNOTATION_SUBFIGURE_OCCURRENCE")) {
      const Record* s = i.Part("STYLED_ITEM");
      const Instance& mapped = g.At(s->args.at(1).ref);
      const Record* m = mapped.Part("MAPPED_ITEM");
      if (!m) return err("placement without mapped item");
      const Record* map = g.Simple(m->args.at(0).ref, "SYMBOL_REPRESENTATION_MAP");
      const Record* tgt = g.Simple(m->args.at(1).ref, "SYMBOL_TARGET");
      if (!map || !tgt) return;
      const Record* rep = g.Simple(map->args.at(1).ref, "DRAUGHTING_SUBFIGURE_REPRESENTATION");
      if (!rep) return;
      Placement p;
      p.figure = rep->args.at(0).text;
      g.Axis(tgt->args.at(1).ref, p.x, p.y, p.angle);
      p.rx = tgt->args.at(2).num;
      p.ry = tgt->args.at(3).num;
      if (p.figure.rfind("$$SXF_G_", 0) == 0 && (std::fabs(p.x) > 1e-9 || std::fabs(p.y) > 1e-9 ||
                                                 p.angle != 0 || p.rx != 1 || p.ry != 1))
        err("drawing group " + p.figure + " not placed at the origin");
      ++placed[p.figure];
      // Subfigure names without their kind prefix, as in SFC.
      for (const char* pre : {"$$SXF_FM_", "$$SXF_FG_", "$$SXF_G_", "$$SXF_P_"})
        if (p.figure.rfind(pre, 0) == 0) {
          kindOf[p.figure.substr(std::string(pre).size())] = pre;
          p.figure = p.figure.substr(std::string(pre).size());
        }
      into.placements.push_back(p);
      return;
    }
    if (i.Is("ANNOTATION_TEXT_OCCURRENCE")) {
      e.kind = "text";
      g.Text(id, e);
    } else if (i.Is("ANNOTATION_CURVE_OCCURRENCE")) {
      g.CurveStyle(id, e);
      g.Geometry(id, e);
    } else if (const Record* c = i.Part("DRAUGHTING_CALLOUT")) {
      if (!i.Is("LINEAR_DIMENSION")) return err("unread callout");
      e.kind = "dim";
      const double nan = std::nan("");
      e.xs.assign(8, nan);
      e.ys.assign(8, nan);
      for (const Value& v : c->args.at(0).items) {
        const Instance& m = g.At(v.ref);
        Element part;
        const Record* item = m.Part("REPRESENTATION_ITEM");
        const std::string name = item ? item->args.at(0).text : "";
        if (m.Is("DIMENSION_CURVE")) {
          g.CurveStyle(v.ref, e);
          g.Geometry(v.ref, part);
          e.xs[0] = part.xs.at(0), e.ys[0] = part.ys.at(0), e.xs[1] = part.xs.at(1),
          e.ys[1] = part.ys.at(1);
        } else if (m.Is("PROJECTION_CURVE")) {
          g.Geometry(v.ref, part);
          const size_t at = name == "$$SXF_prj_1" ? 2 : 4;
          e.xs[at] = part.xs.at(0), e.ys[at] = part.ys.at(0), e.xs[at + 1] = part.xs.at(1),
          e.ys[at + 1] = part.ys.at(1);
        } else if (m.Is("ANNOTATION_TEXT_OCCURRENCE")) {
          g.Text(v.ref, part);
          e.text = part.text, e.font = part.font, e.height = part.height,
          e.textWidth = part.textWidth;
          e.angle = part.angle, e.slant = part.slant, e.spacing = part.spacing;
          e.basePoint = part.basePoint, e.direction = part.direction;
          e.xs.push_back(part.xs.at(0));
          e.ys.push_back(part.ys.at(0));
        } else if (const Record* t = m.Part("DIMENSION_CURVE_TERMINATOR")) {
          const bool origin = t->args.at(0).text == "ORIGIN";
          const Record* ds = g.Simple(m.Part("STYLED_ITEM")->args.at(1).ref, "DEFINED_SYMBOL");
          if (!ds) continue;
          const Record* st = g.Simple(ds->args.at(2).ref, "SYMBOL_TARGET");
          if (!st) continue;
          double x = 0, y = 0, a = 0;
          g.Axis(st->args.at(1).ref, x, y, a);
          e.xs[origin ? 6 : 7] = x;
          e.ys[origin ? 6 : 7] = y;
          (origin ? e.arrow1 : e.arrow2) = -1;  // settled below from its direction
          terminators.push_back({origin, a});
        }
      }
      for (const auto& [origin, a] : terminators) {
        // Outward when it points from the far end of the line toward its point.
        const double fx = e.xs[origin ? 1 : 0], fy = e.ys[origin ? 1 : 0];
        const double px = e.xs[origin ? 6 : 7], py = e.ys[origin ? 6 : 7];
        const double r = a * M_PI / 180;
        const double dot = (px - fx) * std::cos(r) + (py - fy) * std::sin(r);
        (origin ? e.arrow1 : e.arrow2) = dot > 0 ? 1 : 2;
      }
      terminators.clear();
      if (std::isnan(e.xs[0])) err("callout without its dimension curve");
    } else {
      return err("unread occurrence #" + std::to_string(id));
    }
    into.elements.push_back(e);
  };

  long sheetId = -1;
  int sheets = 0;
  for (const auto& [id, i] : g.inst)
    if (i.Is("DRAWING_SHEET_REVISION")) sheetId = id, ++sheets;
  if (sheets != 1) {
    err("not exactly one sheet");
    return d;
  }
  for (const auto& [id, i] : g.inst) {
    const Record* rep = i.Part("DRAUGHTING_SUBFIGURE_REPRESENTATION");
    if (!rep) continue;
    std::string name = rep->args.at(0).text;
    for (const char* pre : {"$$SXF_FM_", "$$SXF_FG_", "$$SXF_G_", "$$SXF_P_"})
      if (name.rfind(pre, 0) == 0) name = name.substr(std::string(pre).size());
    FigureContent content;
    bool origin = false;
    for (const Value& v : rep->args.at(1).items) {
      if (g.At(v.ref).Is("AXIS2_PLACEMENT_2D")) {
        origin = true;
        continue;
      }
      read(v.ref, content);
    }
    if (!origin) err("subfigure " + name + " without its origin among its items");
    figures[name] = content;
  }
  const Record* sheet = g.At(sheetId).Part("DRAWING_SHEET_REVISION");
  FigureContent top;
  for (const Value& v : sheet->args.at(1).items) {
    if (const Record* box = g.At(v.ref).Part("PLANAR_BOX")) {
      d.paperX = static_cast<int>(std::lround(box->args.at(1).num));
      d.paperY = static_cast<int>(std::lround(box->args.at(2).num));
      continue;
    }
    read(v.ref, top);
  }
  for (const auto& [id, i] : g.inst)
    if (const Record* t = i.Part("DRAUGHTING_TITLE"))
      d.sheetName = t->args.at(2).text == " " ? "" : t->args.at(2).text;
  const std::string paper = sheet->args.at(0).text;
  static const int kA[5][2] = {{1189, 841}, {841, 594}, {594, 420}, {420, 297}, {297, 210}};
  if (paper != "FREE") {
    bool ok = paper.size() > 3 && paper[0] == 'A' && paper[1] >= '0' && paper[1] <= '4';
    if (ok) {
      const int t = paper[1] - '0';
      const bool land = paper.substr(2) == "_horizontal";
      ok = (land || paper.substr(2) == "_vertical") && d.paperX == kA[t][land ? 0 : 1] &&
           d.paperY == kA[t][land ? 1 : 0];
    }
    if (!ok) err("sheet name " + paper + " does not match its box");
  }
  for (const auto& [name, content] : figures) {
    const int times = placed[kindOf.count(name) ? kindOf[name] + name : name];
    if (times == 0) err("subfigure " + name + " never placed");
  }
  Flatten(figures, top.elements, top.placements, d.elements, d.errors);
  return d;
}

}  // namespace sxfcheck
