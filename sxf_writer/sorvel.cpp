#include "sxf_writer/sorvel.h"

#include <array>
#include <cstring>
#include <vector>

#include "platform/sxf_common/sxf_common.h"
#include "platform/sxf_common/sxf_model.h"

namespace norva::sorvel {

namespace {

template <sxf::Family F>
const CommonFamily& Ours() {
  static const CommonFamily family{
      [](const char* name, int32_t mode, double r1, double r2, double r3, int32_t i1, int32_t i2,
         const char* t1, const char* t2, const char* t3,
         const char* t4) { return sxf::Open(F, name, mode, r1, r2, r3, i1, i2, t1, t2, t3, t4); },
      [] { return sxf::Close(F); },
      [](int32_t* number, const char** text) { return sxf::PopMsg(F, number, text); },
      [](int32_t code, const void* rec) { return sxf::WriteTable(F, code, rec); },
      [](int32_t code, const void* rec) { return sxf::WriteAssembly(F, code, rec); },
      [](const char* name, const void* rec) { return sxf::WriteFeature(F, name, rec); },
  };
  return family;
}

const CommonFamily* g_test[2] = {nullptr, nullptr};
// Refusals of this library, by family, taken before the writer's own message.
std::array<std::string, 2> g_refusal;

size_t Index(int32_t flag) { return flag != 0 ? 1 : 0; }

int32_t Refuse(int32_t flag, const std::string& utf8) {
  g_refusal[Index(flag)] = sxf::Utf8ToCp932(utf8);
  sxf::NoteRefusal(flag != 0 ? sxf::Family::kP21 : sxf::Family::kSfc);
  return -1;
}

// Copies a caller's text into a record field; false when it does not fit.
bool CopyText(const char* text, char (&field)[sxf::kTextField]) {
  if (text == nullptr) return false;
  const size_t n = ::strnlen(text, sxf::kTextField);
  if (n >= sxf::kTextField) return false;
  std::memcpy(field, text, n + 1);
  return true;
}

int32_t TextRefused(int32_t flag, const char* what) {
  return Refuse(flag, std::string(what) + "がないか、256バイトを超えています。");
}

}  // namespace

const CommonFamily& FamilyFor(int32_t flag) {
  if (g_test[Index(flag)]) return *g_test[Index(flag)];
  return flag != 0 ? Ours<sxf::Family::kP21>() : Ours<sxf::Family::kSfc>();
}

void SetFamiliesForTesting(const CommonFamily* sfc, const CommonFamily* p21) {
  g_test[0] = sfc;
  g_test[1] = p21;
  g_refusal = {};
}

int32_t OpenWrite(int32_t flag, const char* name, double r1, double r2, double r3, int32_t i1,
                  int32_t i2, const char* t1, const char* t2, const char* t3) {
  return FamilyFor(flag).open(name, 1, r1, r2, r3, i1, i2, t1, t2, t3, nullptr);
}

int32_t Close(int32_t flag) { return FamilyFor(flag).close(); }

int32_t GetPopMsg(int32_t flag, int32_t* number, char* buffer) {
  std::string& own = g_refusal[Index(flag)];
  const char* text = "";
  int32_t result = 0;
  if (!own.empty()) {
    text = own.c_str();
    if (number) *number = -1;
  } else {
    result = FamilyFor(flag).popMsg(number, &text);
    if (text == nullptr) text = "";
  }
  if (buffer) {
    size_t n = ::strnlen(text, sxf::kMessageBuffer - 1);
    // Never cut a double-byte character in two.
    if (n == sxf::kMessageBuffer - 1) {
      size_t i = 0;
      while (i < n) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t w = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
        if (i + w > n) break;
        i += w;
      }
      n = i;
    }
    std::memcpy(buffer, text, n);
    buffer[n] = 0;
  }
  own.clear();
  return result;
}

int32_t SetLayer(int32_t flag, const char* name, int32_t viewFlag) {
  sxf::LayerRec r{};
  if (!CopyText(name, r.name)) return TextRefused(flag, "レイヤ名");
  r.viewFlag = viewFlag;
  return FamilyFor(flag).writeTable(sxf::kTableLayer, &r);
}

int32_t SetNamed(int32_t flag, int32_t code, const char* name) {
  sxf::NameRec r{};
  if (!CopyText(name, r.name)) return TextRefused(flag, "名前");
  return FamilyFor(flag).writeTable(code, &r);
}

int32_t SetUserColor(int32_t flag, int32_t red, int32_t green, int32_t blue) {
  const sxf::UserColorRec r{red, green, blue};
  return FamilyFor(flag).writeTable(sxf::kTableUserColor, &r);
}

int32_t SetUserLineType(int32_t flag, const char* name, int32_t segments, const double* pitch,
                        int32_t count) {
  sxf::UserLineTypeRec r{};
  if (!CopyText(name, r.name)) return TextRefused(flag, "線種名");
  r.segments = segments;
  if (count > 8) return Refuse(flag, "線種のピッチは8つまでです。");
  if (count > 0 && pitch == nullptr) return Refuse(flag, "線種のピッチがありません。");
  for (int32_t i = 0; i < count; ++i) r.pitch[i] = pitch[i];
  return FamilyFor(flag).writeTable(sxf::kTableUserLineType, &r);
}

int32_t SetLineWidth(int32_t flag, double width) {
  const sxf::LineWidthRec r{width};
  return FamilyFor(flag).writeTable(sxf::kTableLineWidth, &r);
}

int32_t SetSheet(int32_t flag, const char* name, int32_t type, int32_t orient, int32_t x,
                 int32_t y) {
  sxf::SheetRec r{};
  if (!CopyText(name, r.name)) return TextRefused(flag, "用紙名");
  r.type = type;
  r.orient = orient;
  r.x = x;
  r.y = y;
  return FamilyFor(flag).writeAssembly(sxf::kAssemblySheet, &r);
}

int32_t SetFukugo(int32_t flag, const char* name, int32_t kind) {
  sxf::FigureRec r{};
  if (!CopyText(name, r.name)) return TextRefused(flag, "複合図形名");
  r.kind = kind;
  return FamilyFor(flag).writeAssembly(sxf::kAssemblyFigure, &r);
}

int32_t SetCcurveOrg(int32_t flag, int32_t color, int32_t type, int32_t width, int32_t visible) {
  const sxf::CurveOrgRec r{color, type, width, visible};
  return FamilyFor(flag).writeAssembly(sxf::kAssemblyCurve, &r);
}

int32_t Feature(int32_t flag, const char* featureName, const void* record) {
  return FamilyFor(flag).writeFeature(featureName, record);
}

int32_t PolyList(int32_t flag, const char* featureName, int32_t layer, int32_t color, int32_t type,
                 int32_t width, int32_t closed, int32_t count, const double* xs, const double* ys) {
  if (count > 0 && (xs == nullptr || ys == nullptr)) return Refuse(flag, "点列がありません。");
  // The library's own copies of the caller's values.
  std::vector<double> x, y;
  if (count > 0) {
    x.assign(xs, xs + count);
    y.assign(ys, ys + count);
  }
  const sxf::RealList lx{x.data(), count > 0 ? count : 0};
  const sxf::RealList ly{y.data(), count > 0 ? count : 0};
  if (std::strcmp(featureName, "SPLINE") == 0) {
    const sxf::SplineRec r{layer, color, type, width, closed, count, lx, ly};
    return FamilyFor(flag).writeFeature(featureName, &r);
  }
  const sxf::PolyLineRec r{layer, color, type, width, count, lx, ly};
  return FamilyFor(flag).writeFeature(featureName, &r);
}

int32_t Text(int32_t flag, int32_t layer, int32_t color, int32_t font, const char* text, double x,
             double y, double height, double width, double spacing, double angle, double slant,
             int32_t basePoint, int32_t direction) {
  sxf::TextRec r{};
  r.layer = layer;
  r.color = color;
  r.font = font;
  if (!CopyText(text, r.text)) return TextRefused(flag, "文字列");
  r.x = x;
  r.y = y;
  r.height = height;
  r.width = width;
  r.spacing = spacing;
  r.angle = angle;
  r.slant = slant;
  r.basePoint = basePoint;
  r.direction = direction;
  return FamilyFor(flag).writeFeature("TEXT", &r);
}

int32_t SfigLoc(int32_t flag, int32_t layer, const char* name, double x, double y, double angle,
                double ratioX, double ratioY) {
  sxf::SfigLocateRec r{};
  r.layer = layer;
  if (!CopyText(name, r.name)) return TextRefused(flag, "複合図形名");
  r.x = x;
  r.y = y;
  r.angle = angle;
  r.ratioX = ratioX;
  r.ratioY = ratioY;
  return FamilyFor(flag).writeFeature("SFIG_LOCATE", &r);
}

int32_t LinearDim(int32_t flag, int32_t layer, int32_t color, int32_t type, int32_t width,
                  const sxf::SxfLinearDimRec* c) {
  if (c == nullptr) return Refuse(flag, "寸法のレコードがありません。");
  sxf::LinearDimRec r{};
  r.layer = layer;
  r.color = color;
  r.type = type;
  r.width = width;
  r.sx = c->sx, r.sy = c->sy, r.ex = c->ex, r.ey = c->ey;
  r.proj1 = c->proj1;
  r.p1x0 = c->p1x0, r.p1y0 = c->p1y0, r.p1x1 = c->p1x1, r.p1y1 = c->p1y1;
  r.p1x2 = c->p1x2, r.p1y2 = c->p1y2;
  r.proj2 = c->proj2;
  r.p2x0 = c->p2x0, r.p2y0 = c->p2y0, r.p2x1 = c->p2x1, r.p2y1 = c->p2y1;
  r.p2x2 = c->p2x2, r.p2y2 = c->p2y2;
  r.arr1Code = c->arr1Code, r.arr1Flag = c->arr1Flag;
  r.arr1x = c->arr1x, r.arr1y = c->arr1y, r.arr1Scale = c->arr1Scale;
  r.arr2Code = c->arr2Code, r.arr2Flag = c->arr2Flag;
  r.arr2x = c->arr2x, r.arr2y = c->arr2y, r.arr2Scale = c->arr2Scale;
  r.textFlag = c->textFlag;
  r.font = c->font;
  if (!CopyText(c->text ? c->text : "", r.text)) return TextRefused(flag, "寸法値");
  r.textX = c->textX, r.textY = c->textY, r.height = c->height, r.textWidth = c->width;
  r.spacing = c->spacing, r.angle = c->angle, r.slant = c->slant;
  r.basePoint = c->basePoint;
  r.direction = c->direction;
  return FamilyFor(flag).writeFeature("LINEAR_DIMENSION", &r);
}

int32_t NotWritten(int32_t flag, const char* featureName) {
  return Refuse(flag,
                std::string("図形要素「") + featureName + "」はこのライブラリでは書き込めません。");
}

}  // namespace norva::sorvel
