#pragma once
// An SXF writer library that records what CSxf hands it.
#include <cstring>
#include <string>
#include <vector>

#include "drawing/base/sxf_library.h"
#include "text/cp932.h"

namespace norva::test {

struct SxfCall {
  std::string name;
  int32_t flag = 0;
  std::vector<int32_t> ints{};
  std::vector<double> reals{};
  std::string text{};  // UTF-8
  sxf::SxfLinearDimRec dim{};
};

class SxfRecorder : public ISxfLibrary {
 public:
  std::vector<SxfCall> calls;
  int32_t result = 0;
  std::string message;  // UTF-8, handed out by SxfGetPopMsg

  std::vector<SxfCall> Named(const std::string& name) const {
    std::vector<SxfCall> out;
    for (const SxfCall& c : calls)
      if (c.name == name) out.push_back(c);
    return out;
  }

  int32_t SxfOpenWrite(int32_t f, const char* n, double t1, double t2, double r3, int32_t i1,
                       int32_t i2, const char* a, const char* b, const char* c) override {
    return Add(
        {"open",
         f,
         {i1, i2},
         {t1, t2, r3},
         Cp932ToUtf8(n) + "|" + Cp932ToUtf8(a) + "|" + Cp932ToUtf8(b) + "|" + Cp932ToUtf8(c)});
  }
  int32_t SxfClose(int32_t f) override { return Add({"close", f}); }
  int32_t SxfGetPopMsg(int32_t f, int32_t* number, char* buffer) override {
    const std::string m = Utf8ToCp932(message);
    std::memcpy(buffer, m.c_str(), m.size() + 1);
    if (number) *number = 1;
    return Add({"popmsg", f});
  }
  int32_t SxfSetLayear(int32_t f, const char* n, int32_t v) override {
    return Add({"layer", f, {v}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSetColor(int32_t f, const char* n) override {
    return Add({"colour", f, {}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSetLineType(int32_t f, const char* n) override {
    return Add({"linetype", f, {}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSetLineWidth(int32_t f, double w) override { return Add({"width", f, {}, {w}}); }
  int32_t SxfSetFont(int32_t f, const char* n) override {
    return Add({"font", f, {}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSetSheet(int32_t f, const char* n, int32_t t, int32_t o, int32_t x,
                      int32_t y) override {
    return Add({"sheet", f, {t, o, x, y}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSetFukugo(int32_t f, const char* n, int32_t k) override {
    return Add({"fukugo", f, {k}, {}, Cp932ToUtf8(n)});
  }
  int32_t SxfSfigLoc(int32_t f, int32_t l, const char* n, double x, double y, double a, double rx,
                     double ry) override {
    return Add({"locate", f, {l}, {x, y, a, rx, ry}, Cp932ToUtf8(n)});
  }
  int32_t SxfLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, double sx, double sy,
                  double ex, double ey) override {
    return Add({"line", f, {l, c, t, w}, {sx, sy, ex, ey}});
  }
  int32_t SxfPolyLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, int32_t n,
                      const double* xs, const double* ys) override {
    SxfCall call{"polyline", f, {l, c, t, w, n}};
    for (int32_t i = 0; i < n; ++i) call.reals.push_back(xs[i]);
    for (int32_t i = 0; i < n; ++i) call.reals.push_back(ys[i]);
    return Add(call);
  }
  int32_t SxfText(int32_t f, int32_t l, int32_t c, int32_t font, const char* s, double x, double y,
                  double h, double w, double sp, double a, double sl, int32_t b,
                  int32_t d) override {
    return Add({"text", f, {l, c, font, b, d}, {x, y, h, w, sp, a, sl}, Cp932ToUtf8(s)});
  }
  int32_t SxfLinearDim(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w,
                       const sxf::SxfLinearDimRec* r) override {
    SxfCall call{"dim", f, {l, c, t, w}, {}, Cp932ToUtf8(r->text ? r->text : "")};
    call.dim = *r;
    call.dim.text = nullptr;
    return Add(call);
  }

 private:
  int32_t Add(const SxfCall& c) {
    calls.push_back(c);
    return result;
  }
};

}  // namespace norva::test
