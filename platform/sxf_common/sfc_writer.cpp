// The feature-comment form: a Part 21 frame whose data section holds one
// comment block per record, tables first, each figure's members before its
// sfig_org record, the sheet's members before the sheet record.
#include <string>
#include <vector>

#include "platform/sxf_common/sxf_model.h"

namespace norva::sxf {

namespace {

std::string Q(const std::string& v) { return "'" + v + "'"; }
std::string N(double v) { return Q(FormatLength(v)); }
std::string F(double v) { return Q(FormatFine(v)); }
std::string I(int32_t v) { return Q(std::to_string(v)); }
std::string T(const std::string& text) { return "\\'" + text + "\\'"; }

std::string NumList(const std::vector<double>& v) {
  std::string s = "'(";
  for (size_t i = 0; i < v.size(); ++i) s += (i ? "," : "") + FormatLength(v[i]);
  return s + ")'";
}

std::string Join(const std::vector<std::string>& params) {
  std::string s;
  for (size_t i = 0; i < params.size(); ++i) s += (i ? "," : "") + params[i];
  return s;
}

class Sfc {
 public:
  std::string out;

  void Record(const std::string& name, const std::vector<std::string>& params) {
    const char* open = "/*SXF";
    const char* close = "SXF*/";
    out += std::string(open) + "\r\n#" + std::to_string(id_) + " = " + name + "(" + Join(params) +
           ")\r\n" + close + "\r\n";
    id_ += 10;
  }

  void Table(const TableEntry& t) {
    switch (t.kind) {
      case TableEntry::kColour:
        Record("pre_defined_colour_feature", {T(t.name)});
        break;
      case TableEntry::kUserColour:
        Record("user_defined_colour_feature", {I(t.ints[0]), I(t.ints[1]), I(t.ints[2])});
        break;
      case TableEntry::kLineType:
        Record("pre_defined_font_feature", {T(t.name)});
        break;
      case TableEntry::kUserLineType:
        Record("user_defined_font_feature",
               {T(t.name), I(static_cast<int32_t>(t.pitch.size())), NumList(t.pitch)});
        break;
      case TableEntry::kWidth:
        Record("width_feature", {N(t.width)});
        break;
      case TableEntry::kFont:
        Record("text_font_feature", {T(t.name)});
        break;
      case TableEntry::kLayer:
        Record("layer_feature", {T(t.name), I(t.ints[0])});
        break;
    }
  }

  void Feat(const Feature& f) {
    const std::vector<std::string> attr = {I(f.layer), I(f.color), I(f.type), I(f.width)};
    auto with = [&](std::vector<std::string> rest) {
      std::vector<std::string> p = attr;
      p.insert(p.end(), rest.begin(), rest.end());
      return p;
    };
    switch (f.kind) {
      case Feature::kLine:
        Record("line_feature", with({N(f.xs[0]), N(f.ys[0]), N(f.xs[1]), N(f.ys[1])}));
        break;
      case Feature::kPolyline:
        Record("polyline_feature",
               with({I(static_cast<int32_t>(f.xs.size())), NumList(f.xs), NumList(f.ys)}));
        break;
      case Feature::kSpline:
        Record("spline_feature", with({I(f.closed), I(static_cast<int32_t>(f.xs.size())),
                                       NumList(f.xs), NumList(f.ys)}));
        break;
      case Feature::kCircle:
        Record("circle_feature", with({N(f.xs[0]), N(f.ys[0]), N(f.r)}));
        break;
      case Feature::kArc:
        Record("arc_feature",
               with({N(f.xs[0]), N(f.ys[0]), N(f.r), I(f.direction), F(f.start), F(f.end)}));
        break;
      case Feature::kEllipse:
        Record("ellipse_feature", with({N(f.xs[0]), N(f.ys[0]), N(f.rx), N(f.ry), F(f.rotation)}));
        break;
      case Feature::kEllipseArc:
        Record("ellipse_arc_feature", with({N(f.xs[0]), N(f.ys[0]), N(f.rx), N(f.ry),
                                            I(f.direction), F(f.rotation), F(f.start), F(f.end)}));
        break;
      case Feature::kPointMarker:
        Record("point_marker_feature",
               {I(f.layer), I(f.color), N(f.xs[0]), N(f.ys[0]), I(f.code), F(f.angle), F(f.scale)});
        break;
      case Feature::kText:
        Record("text_string_feature", {I(f.layer), I(f.color), I(f.font), T(f.text), N(f.xs[0]),
                                       N(f.ys[0]), N(f.height), N(f.textWidth), N(f.spacing),
                                       F(f.angle), F(f.slant), I(f.basePoint), I(f.textDirection)});
        break;
      case Feature::kLocate:
        Record("sfig_locate_feature", {I(f.layer), T(f.figure), N(f.xs[0]), N(f.ys[0]), F(f.angle),
                                       F(f.ratioX), F(f.ratioY)});
        break;
      case Feature::kLinearDim: {
        std::vector<std::string> p = attr;
        auto pt = [&](size_t i) {
          p.push_back(N(f.xs[i]));
          p.push_back(N(f.ys[i]));
        };
        pt(0);
        pt(1);
        p.push_back(I(f.proj1));
        pt(2), pt(3), pt(4);
        p.push_back(I(f.proj2));
        pt(5), pt(6), pt(7);
        p.push_back(I(f.arr1Code));
        p.push_back(I(f.arr1Flag));
        pt(8);
        p.push_back(F(f.arr1Scale));
        p.push_back(I(f.arr2Code));
        p.push_back(I(f.arr2Flag));
        pt(9);
        p.push_back(F(f.arr2Scale));
        p.push_back(I(f.textFlag));
        p.push_back(I(f.font));
        p.push_back(T(f.text));
        pt(10);
        for (double v : {f.height, f.textWidth, f.spacing}) p.push_back(N(v));
        p.push_back(F(f.angle));
        p.push_back(F(f.slant));
        p.push_back(I(f.basePoint));
        p.push_back(I(f.textDirection));
        Record("linear_dim_feature", p);
        break;
      }
    }
  }

 private:
  int id_ = 10;
};

}  // namespace

std::string WriteSfc(const Drawing& d) {
  Sfc w;
  w.out =
      "ISO-10303-21;\r\nHEADER;\r\n"
      "FILE_DESCRIPTION(('SCADEC level2 feature_mode'),'2;1');\r\n"
      "FILE_NAME('" +
      d.fileName + "','" + d.timeStamp + "',('" + d.author + "'),('" + d.organization + "'),'" +
      d.translator + "$$3.1','" + d.translator + "','');\r\n" +
      "FILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\r\nENDSEC;\r\nDATA;\r\n";
  for (TableEntry::Kind kind :
       {TableEntry::kColour, TableEntry::kUserColour, TableEntry::kLineType,
        TableEntry::kUserLineType, TableEntry::kWidth, TableEntry::kFont, TableEntry::kLayer})
    for (const TableEntry& t : d.tables)
      if (t.kind == kind) w.Table(t);
  for (const Figure& fig : d.figures) {
    for (const Feature& f : fig.members) w.Feat(f);
    w.Record("sfig_org_feature", {T(fig.name), I(fig.kind)});
  }
  for (const Feature& f : d.sheetMembers) w.Feat(f);
  w.Record("drawing_sheet_feature",
           {T(d.sheetName), I(d.sheetType), I(d.sheetOrient), I(d.sheetX), I(d.sheetY)});
  w.out += "ENDSEC;\r\nEND-ISO-10303-21;\r\n";
  return w.out;
}

}  // namespace norva::sxf
