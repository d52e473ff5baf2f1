// C entry points of the SXF writer library, loaded by name by the program.
// Every entry takes the file-type flag first (non-zero: the P21 form, 0: the
// SFC form) and runs its body through GuardedExport: an unexpected failure
// returns -1 with a message on the error output.
#include <cstdint>
#include <cstdio>
#include <string>

#include "exports/export_guard.h"
#include "sxf_writer/sorvel.h"

namespace {

using norva::sxf::SxfLinearDimRec;
namespace sv = norva::sorvel;

// The library has no window of its own: a failure goes to the error output.
void ReportFailure(const char* entry, const std::string& what) {
  std::fprintf(stderr, "Sorvel: %s failed%s%s\n", entry, what.empty() ? "" : ": ", what.c_str());
}

template <typename Body>
int32_t Guard(const char* entry, Body&& body) {
  return norva::GuardedExport(int32_t{-1}, body,
                              [entry](const std::string& what) { ReportFailure(entry, what); });
}

}  // namespace

#define SORVEL_EXPORT extern "C" __attribute__((visibility("default"))) int32_t

SORVEL_EXPORT SxfVersion() {
  return Guard("SxfVersion", [] { return int32_t{310}; });
}

SORVEL_EXPORT SxfOpenWrite(int32_t flag, const char* name, double r1, double r2, double r3,
                           int32_t i1, int32_t i2, const char* t1, const char* t2, const char* t3) {
  return Guard("SxfOpenWrite",
               [&] { return sv::OpenWrite(flag, name, r1, r2, r3, i1, i2, t1, t2, t3); });
}

SORVEL_EXPORT SxfClose(int32_t flag) {
  return Guard("SxfClose", [&] { return sv::Close(flag); });
}

SORVEL_EXPORT SxfGetPopMsg(int32_t flag, int32_t* number, char* buffer) {
  return Guard("SxfGetPopMsg", [&] { return sv::GetPopMsg(flag, number, buffer); });
}

// ---- tables and assemblies --------------------------------------------------------------

SORVEL_EXPORT SxfSetLayear(int32_t flag, const char* name, int32_t viewFlag) {
  return Guard("SxfSetLayear", [&] { return sv::SetLayer(flag, name, viewFlag); });
}

SORVEL_EXPORT SxfSetColor(int32_t flag, const char* name) {
  return Guard("SxfSetColor", [&] { return sv::SetNamed(flag, norva::sxf::kTableColor, name); });
}

SORVEL_EXPORT SxfSetUserColor(int32_t flag, int32_t red, int32_t green, int32_t blue) {
  return Guard("SxfSetUserColor", [&] { return sv::SetUserColor(flag, red, green, blue); });
}

SORVEL_EXPORT SxfSetLineType(int32_t flag, const char* name) {
  return Guard("SxfSetLineType",
               [&] { return sv::SetNamed(flag, norva::sxf::kTableLineType, name); });
}

SORVEL_EXPORT SxfSetUserLineType(int32_t flag, const char* name, int32_t segments,
                                 const double* pitch, int32_t count) {
  return Guard("SxfSetUserLineType",
               [&] { return sv::SetUserLineType(flag, name, segments, pitch, count); });
}

SORVEL_EXPORT SxfSetLineWidth(int32_t flag, double width) {
  return Guard("SxfSetLineWidth", [&] { return sv::SetLineWidth(flag, width); });
}

SORVEL_EXPORT SxfSetFont(int32_t flag, const char* name) {
  return Guard("SxfSetFont", [&] { return sv::SetNamed(flag, norva::sxf::kTableFont, name); });
}

SORVEL_EXPORT SxfSetSheet(int32_t flag, const char* name, int32_t type, int32_t orient, int32_t x,
                          int32_t y) {
  return Guard("SxfSetSheet", [&] { return sv::SetSheet(flag, name, type, orient, x, y); });
}

SORVEL_EXPORT SxfSetFukugo(int32_t flag, const char* name, int32_t kind) {
  return Guard("SxfSetFukugo", [&] { return sv::SetFukugo(flag, name, kind); });
}

SORVEL_EXPORT SxfSetCcurveOrg(int32_t flag, int32_t color, int32_t type, int32_t width,
                              int32_t visible) {
  return Guard("SxfSetCcurveOrg",
               [&] { return sv::SetCcurveOrg(flag, color, type, width, visible); });
}

// ---- features ----------------------------------------------------------------------------

SORVEL_EXPORT SxfPointMarker(int32_t flag, int32_t layer, int32_t color, double x, double y,
                             int32_t code, double angle, double scale) {
  return Guard("SxfPointMarker", [&] {
    const norva::sxf::PointMarkerRec r{layer, color, x, y, code, angle, scale};
    return sv::Feature(flag, "POINT_MARKER", &r);
  });
}

SORVEL_EXPORT SxfLine(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                      double sx, double sy, double ex, double ey) {
  return Guard("SxfLine", [&] {
    const norva::sxf::LineRec r{layer, color, type, width, sx, sy, ex, ey};
    return sv::Feature(flag, "LINE", &r);
  });
}

SORVEL_EXPORT SxfPolyLine(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                          int32_t count, const double* xs, const double* ys) {
  return Guard("SxfPolyLine", [&] {
    return sv::PolyList(flag, "POLYLINE", layer, color, type, width, 0, count, xs, ys);
  });
}

SORVEL_EXPORT SxfCircle(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                        double cx, double cy, double r) {
  return Guard("SxfCircle", [&] {
    const norva::sxf::CircleRec rec{layer, color, type, width, cx, cy, r};
    return sv::Feature(flag, "CIRCLE", &rec);
  });
}

SORVEL_EXPORT SxfArc(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                     double cx, double cy, double r, int32_t direction, double start, double end) {
  return Guard("SxfArc", [&] {
    const norva::sxf::ArcRec rec{layer, color, type, width, cx, cy, r, direction, start, end};
    return sv::Feature(flag, "ARC", &rec);
  });
}

SORVEL_EXPORT SxfEllipse(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                         double cx, double cy, double rx, double ry, double rotation) {
  return Guard("SxfEllipse", [&] {
    const norva::sxf::EllipseRec rec{layer, color, type, width, cx, cy, rx, ry, rotation};
    return sv::Feature(flag, "ELLIPSE", &rec);
  });
}

SORVEL_EXPORT SxfEllipseArc(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                            double cx, double cy, double rx, double ry, int32_t direction,
                            double rotation, double start, double end) {
  return Guard("SxfEllipseArc", [&] {
    const norva::sxf::EllipseArcRec rec{layer, color, type,      width,    cx,    cy,
                                        rx,    ry,    direction, rotation, start, end};
    return sv::Feature(flag, "ELLIPSE_ARC", &rec);
  });
}

SORVEL_EXPORT SxfText(int32_t flag, int32_t layer, int32_t color, int32_t font, const char* text,
                      double x, double y, double height, double width, double spacing, double angle,
                      double slant, int32_t basePoint, int32_t direction) {
  return Guard("SxfText", [&] {
    return sv::Text(flag, layer, color, font, text, x, y, height, width, spacing, angle, slant,
                    basePoint, direction);
  });
}

SORVEL_EXPORT SxfSpline(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                        int32_t closed, int32_t count, const double* xs, const double* ys) {
  return Guard("SxfSpline", [&] {
    return sv::PolyList(flag, "SPLINE", layer, color, type, width, closed, count, xs, ys);
  });
}

SORVEL_EXPORT SxfSfigLoc(int32_t flag, int32_t layer, const char* name, double x, double y,
                         double angle, double ratioX, double ratioY) {
  return Guard("SxfSfigLoc",
               [&] { return sv::SfigLoc(flag, layer, name, x, y, angle, ratioX, ratioY); });
}

SORVEL_EXPORT SxfLinearDim(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                           const SxfLinearDimRec* record) {
  return Guard("SxfLinearDim",
               [&] { return sv::LinearDim(flag, layer, color, type, width, record); });
}

// ---- features this library does not write (refused with a message) ---------------------------

SORVEL_EXPORT SxfExSymbol(int32_t flag, int32_t, int32_t, int32_t, const char*, double, double,
                          double, double) {
  return Guard("SxfExSymbol", [&] { return sv::NotWritten(flag, "EXTERNALLY_DEFINED_SYMBOL"); });
}
SORVEL_EXPORT SxfAngularDim(int32_t flag, int32_t, int32_t, int32_t, int32_t, const void*) {
  return Guard("SxfAngularDim", [&] { return sv::NotWritten(flag, "ANGULAR_DIMENSION"); });
}
SORVEL_EXPORT SxfRadiusDim(int32_t flag, int32_t, int32_t, int32_t, int32_t, const void*) {
  return Guard("SxfRadiusDim", [&] { return sv::NotWritten(flag, "RADIUS_DIMENSION"); });
}
SORVEL_EXPORT SxfDiameterDim(int32_t flag, int32_t, int32_t, int32_t, int32_t, const void*) {
  return Guard("SxfDiameterDim", [&] { return sv::NotWritten(flag, "DIAMETER_DIMENSION"); });
}
SORVEL_EXPORT SxfLabel(int32_t flag, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                       const double*, const void*) {
  return Guard("SxfLabel", [&] { return sv::NotWritten(flag, "LABEL"); });
}
SORVEL_EXPORT SxfBalloon(int32_t flag, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                         const double*, const void*) {
  return Guard("SxfBalloon", [&] { return sv::NotWritten(flag, "BALLOON"); });
}
SORVEL_EXPORT SxfExtDefHatch(int32_t flag, int32_t, const char*, int32_t, int32_t, const int32_t*) {
  return Guard("SxfExtDefHatch", [&] { return sv::NotWritten(flag, "EXTERNALLY_DEFINED_HATCH"); });
}
SORVEL_EXPORT SxfFillColor(int32_t flag, int32_t, int32_t, int32_t, int32_t, const int32_t*) {
  return Guard("SxfFillColor", [&] { return sv::NotWritten(flag, "FILL_AREA_STYLE_COLOUR"); });
}
SORVEL_EXPORT SxfFillHatch(int32_t flag, int32_t, int32_t, const int32_t*, const int32_t*,
                           const int32_t*, const int32_t*, const int32_t*, const int32_t*,
                           const int32_t*, int32_t, int32_t, const int32_t*) {
  return Guard("SxfFillHatch", [&] { return sv::NotWritten(flag, "FILL_AREA_STYLE_HATCHING"); });
}
SORVEL_EXPORT SxfFillTiles(int32_t flag, int32_t, const char*, const int32_t*, int32_t,
                           const int32_t*) {
  return Guard("SxfFillTiles", [&] { return sv::NotWritten(flag, "FILL_AREA_STYLE_TILES"); });
}
