#include "drawing/figures/siryokusen_figure.h"

#include <cmath>
#include <string>
#include <vector>

#include "calc/run/line_of_thrust.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "text/vb_text_io.h"

namespace norva {

namespace {

constexpr double kMm = kTwipsPerMm;
constexpr int kLevels = 25;
constexpr int kMaxGridLines = 500;
constexpr uint32_t kGridGrey = Rgb(195, 195, 195);
constexpr uint32_t kCentreCyan = Rgb(0, 255, 255);
constexpr uint32_t kLimitRed = Rgb(255, 0, 0);
constexpr uint32_t kThrustBlue = Rgb(0, 0, 255);

bool Number(double v) { return std::isfinite(v) && !IsNullValue(v); }

void DrawGrid(cDraw& c, const SiryokusenPlan& plan, const SiryokusenLayout& L, bool colour,
              double digitMm) {
  const TwipBox& b = L.box;
  const double g = L.g;
  c.SetPenStyle(2);
  c.SetPenWidth(0);
  c.SetPenColor(colour ? kGridGrey : kBlack);
  c.SetTextColor(kBlack);
  c.SetTextAngle(0);
  c.SetFontSize(170.1);

  // Verticals from the crest centre: toward the front (left) first, the
  // centre line always; labels are the distance toward the front.
  c.SetTextAlign(1);
  auto vertical = [&](double x, int m) {
    const double gx = c.GetX(x);
    c.DrawLine(gx, b.top, gx, b.bottom, false);
    c.DrawText(gx, b.top - 170.1, FormatPattern(-m * g, "#0.00"));
  };
  int n = 0;
  double x = plan.centre;
  int m = 0;
  do {
    vertical(x, m);
    --m;
    x -= g;
  } while (c.GetX(x) > b.left && ++n < kMaxGridLines);
  n = 0;
  for (x = plan.centre + g, m = 1; c.GetX(x) < b.right && n < kMaxGridLines; ++n) {
    vertical(x, m);
    ++m;
    x += g;
  }

  // Horizontals from the crest level; labels are the depth below it.
  c.SetTextAlign(2);
  auto horizontal = [&](double y, int k) {
    const double gy = c.GetY(y);
    c.DrawLine(b.left, gy, b.right, gy, false);
    c.DrawText(b.left - digitMm * 0.25 * kMm, gy - 85.05, FormatPattern(-k * g, "#0.00"));
  };
  n = 0;
  double y = plan.crest;
  m = 0;
  do {
    horizontal(y, m);
    --m;
    y -= g;
  } while (c.GetY(y) < b.bottom && ++n < kMaxGridLines);
  n = 0;
  for (y = plan.crest + g, m = 1; c.GetY(y) > b.top && n < kMaxGridLines; ++n) {
    horizontal(y, m);
    ++m;
    y += g;
  }
}

void DrawFigure(cDraw& c, const SiryokusenPlan& plan, bool colour) {
  c.MarginSet(2, 2, 2, 2);
  TwipBox area;
  c.GetDrawAreaRect(area.left, area.top, area.right, area.bottom);
  c.SetFontSize(170.1);
  const double digitMm = c.TextWidth("0") / kMm;
  const SiryokusenLayout L = LayoutSiryokusen(area, digitMm, plan.wExt, plan.hExt, plan.thrust);
  c.SetScX(L.scale.ScX);
  c.SetScY(L.scale.ScY);
  c.SetXoo(L.scale.Xoo);
  c.SetYoo(L.scale.Yoo);
  c.Cls();
  c.SetPenWidth(0);
  DrawGrid(c, plan, L, colour, digitMm);

  const TwipBox& b = L.box;
  c.SetPenStyle(0);
  c.SetPenWidth(0);
  c.SetPenColor(kBlack);
  c.DrawLine(b.left, b.top, b.right, b.top, false);
  c.DrawLine(b.left, b.top, b.left, b.bottom, false);

  c.SetBrushStyle(1);
  DrawModelPolygon(c, plan.body);

  c.SetPenStyle(3);
  c.SetPenColor(colour ? kCentreCyan : kBlack);
  c.DrawLine(plan.footCentre.X, plan.footCentre.Y, plan.centre, plan.crest, true);

  if (plan.limit) {
    c.SetPenStyle(0);
    c.SetBrushStyle(0);
    c.SetPenColor(colour ? kLimitRed : kBlack);
    c.SetBrushColor(colour ? kLimitRed : kBlack);
    c.DrawCircle(plan.centre - plan.Xd, 0, 0.75, true);
  }

  c.SetPenStyle(0);
  c.SetPenWidth(0.5);
  c.SetPenColor(colour ? kThrustBlue : kBlack);
  for (size_t i = 1; i < plan.thrust.size(); ++i) {
    const DPoint& p = plan.thrust[i - 1];
    const DPoint& q = plan.thrust[i];
    c.DrawLine(p.X, p.Y, q.X, q.Y, true);
  }
  c.SetPenStyle(0);
  c.SetPenColor(kBlack);
}

void PrintLevels(VbTextWriter& w, const std::vector<SiryokuLevel>& levels) {
  for (const SiryokuLevel& l : levels) {
    for (double v : {l.X, l.y, l.V, l.Mr, l.Mo}) w.Print(v);
    w.EndLine();
  }
}

bool WritePointFile(const std::string& path, const std::vector<SiryokuLevel>& levels,
                    std::string* why) {
  try {
    VbTextWriter w = VbTextWriter::ToFile(path);
    PrintLevels(w, levels);
    w.Close();
    return true;
  } catch (const VbFileError& e) {
    if (why) *why = "示力線の座標ファイルを書き込めません: " + path + " (" + e.description() + ")";
    return false;
  }
}

}  // namespace

double SiryokusenGridStep(double W) {
  if (W >= 5) return 1.0;
  if (W >= 2) return 0.5;
  if (W >= 1) return 0.25;
  return 0.1;
}

SiryokusenPlan PlanSiryokusen(CDocument& doc, int16_t caseIndex, CAntRes& res) {
  SiryokusenPlan plan;
  const int32_t type = doc.WallType();
  if (type != 0 && type != 3) return plan;
  plan.defined = true;
  KutaiPoints p{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, p, crestFront, crestBack, 1);
  // The masonry's back foot: the backing's bottom corner; on a mixed wall
  // that is point 10, where the upper wall meets the joint.
  const DPoint& back = type == 3 ? p[10] : p[3];
  const DPoint& o = p[2];
  plan.wExt = type == 3 ? p[9].X - p[2].X : p[9].X - p[0].X;
  plan.hExt = type == 3 ? p[9].Y - p[10].Y : p[9].Y - p[4].Y;
  const double c = (p[5].X + p[9].X) / 2;
  plan.centre = c - o.X;
  plan.crest = p[5].Y - o.Y;
  for (const DPoint& q : {p[2], p[5], p[9], back}) plan.body.push_back({q.X - o.X, q.Y - o.Y});
  plan.footCentre = {(back.X + o.X) / 2 - o.X, 0};
  plan.Xd = res.Xd;
  plan.limit = Number(res.Xd);

  const double dh = (p[5].Y - p[2].Y) / kLevels;
  double y = 0;
  double V = 0, Mr = 0, Mo = 0;
  for (int k = 0; k < kLevels; ++k, y += dh) {
    const DPoint at = GetSiryokuPos(doc, caseIndex, res, y, V, Mr, Mo);
    const SiryokuLevel l{at.X, y, V, Mr, Mo};
    if (!Number(l.X) || !Number(l.V) || !Number(l.Mr) || !Number(l.Mo)) continue;
    plan.levels.push_back(l);
    plan.thrust.push_back({plan.centre - l.X, y});
  }
  const DPoint top = GetSiryokuPos(doc, caseIndex, res, y, V, Mr, Mo);
  if (Number(top.X) && std::fabs(Mr) <= 0.001 && std::fabs(Mo) <= 0.001)
    plan.thrust.push_back({plan.centre, y});
  return plan;
}

SiryokusenLayout LayoutSiryokusen(const TwipBox& area, double digitMm, double wExt, double hExt,
                                  const std::vector<DPoint>& thrust) {
  SiryokusenLayout L;
  L.xmax = -1e8;
  L.xmin = 1e8;
  for (const DPoint& t : thrust) {
    L.xmax = MaxOf(L.xmax, {t.X});
    L.xmin = MinOf(L.xmin, {t.X});
  }
  L.W = MaxOf(L.xmax, {wExt}) - MinOf(L.xmin, {0.0}) + 1;
  L.H = hExt + 1;
  DrawFitState& fit = L.fit;
  fit.DrwAreaBox = area;
  fit.DrwWorldSize = {L.W, L.H};
  fit.DrwInnerBox = {area.left + digitMm * 4.5 * kMm, area.top + 4.5 * kMm, area.right,
                     area.bottom};
  L.scale = ComputeDrawScale(fit);
  const double sc = L.scale.ScX;
  // Half a metre of room: the least point (or the foot) sits 0.5 m inside.
  L.scale.Xoo += (L.xmin < 0 ? 0.5 - L.xmin : 0.5) * sc;
  L.scale.Yoo -= 0.5 * sc;
  const TwipBox& in = fit.DrwInnerBox;
  L.box.left = (in.left + in.right) / 2 - L.W / 2 * sc;
  L.box.right = L.box.left + L.W * sc;
  L.box.top = (in.top + in.bottom) / 2 - L.H / 2 * sc;
  L.box.bottom = L.box.top + L.H * sc;
  L.g = SiryokusenGridStep(L.W);
  return L;
}

std::string SiryokusenPointText(const std::vector<SiryokuLevel>& levels) {
  VbTextWriter w;
  PrintLevels(w, levels);
  return w.bytes();
}

std::string SiryokusenFileBase(const std::string& folder, int32_t caseIndex) {
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  return base + "示力線00" + FormatPattern(caseIndex, "00");
}

bool DrawSiryokusen(CDocument& doc, int16_t caseIndex, CAntRes& res, cDraw& canvas, bool colour,
                    const std::string& pointFile, std::string* why) {
  const SiryokusenPlan plan = PlanSiryokusen(doc, caseIndex, res);
  if (!plan.defined) {
    if (canvas.GetCanvas() != nullptr) canvas.Cls();
    return true;
  }
  bool ok = true;
  if (!pointFile.empty()) ok = WritePointFile(pointFile, plan.levels, why);
  if (canvas.GetCanvas() != nullptr) DrawFigure(canvas, plan, colour);
  return ok;
}

}  // namespace norva
