#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "drawing/base/sxf_library.h"
#include "text/cp932.h"

namespace norva {

namespace {

std::string ProgramFolder() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/'));
}

class Sorvel : public ISxfLibrary {
 public:
  template <typename Fn, typename... Args>
  int32_t Call(const char* name, Args... args) {
    void* sym = Symbol(name);
    if (!sym) return -1;
    return reinterpret_cast<Fn>(sym)(args...);
  }

  int32_t SxfOpenWrite(int32_t f, const char* n, double t1, double t2, double r3, int32_t i1,
                       int32_t i2, const char* a, const char* b, const char* c) override {
    using Fn = int32_t (*)(int32_t, const char*, double, double, double, int32_t, int32_t,
                           const char*, const char*, const char*);
    return Call<Fn>("SxfOpenWrite", f, n, t1, t2, r3, i1, i2, a, b, c);
  }
  int32_t SxfClose(int32_t f) override { return Call<int32_t (*)(int32_t)>("SxfClose", f); }
  int32_t SxfGetPopMsg(int32_t f, int32_t* number, char* buffer) override {
    if (!Symbol("SxfGetPopMsg")) {
      const std::string m = Utf8ToCp932(error_).substr(0, 511);
      std::memcpy(buffer, m.c_str(), m.size() + 1);
      return -1;
    }
    return Call<int32_t (*)(int32_t, int32_t*, char*)>("SxfGetPopMsg", f, number, buffer);
  }
  int32_t SxfSetLayear(int32_t f, const char* n, int32_t v) override {
    return Call<int32_t (*)(int32_t, const char*, int32_t)>("SxfSetLayear", f, n, v);
  }
  int32_t SxfSetColor(int32_t f, const char* n) override {
    return Call<int32_t (*)(int32_t, const char*)>("SxfSetColor", f, n);
  }
  int32_t SxfSetLineType(int32_t f, const char* n) override {
    return Call<int32_t (*)(int32_t, const char*)>("SxfSetLineType", f, n);
  }
  int32_t SxfSetLineWidth(int32_t f, double w) override {
    return Call<int32_t (*)(int32_t, double)>("SxfSetLineWidth", f, w);
  }
  int32_t SxfSetFont(int32_t f, const char* n) override {
    return Call<int32_t (*)(int32_t, const char*)>("SxfSetFont", f, n);
  }
  int32_t SxfSetSheet(int32_t f, const char* n, int32_t t, int32_t o, int32_t x,
                      int32_t y) override {
    using Fn = int32_t (*)(int32_t, const char*, int32_t, int32_t, int32_t, int32_t);
    return Call<Fn>("SxfSetSheet", f, n, t, o, x, y);
  }
  int32_t SxfSetFukugo(int32_t f, const char* n, int32_t k) override {
    return Call<int32_t (*)(int32_t, const char*, int32_t)>("SxfSetFukugo", f, n, k);
  }
  int32_t SxfSfigLoc(int32_t f, int32_t l, const char* n, double x, double y, double a, double rx,
                     double ry) override {
    using Fn = int32_t (*)(int32_t, int32_t, const char*, double, double, double, double, double);
    return Call<Fn>("SxfSfigLoc", f, l, n, x, y, a, rx, ry);
  }
  int32_t SxfLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, double sx, double sy,
                  double ex, double ey) override {
    using Fn =
        int32_t (*)(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double, double);
    return Call<Fn>("SxfLine", f, l, c, t, w, sx, sy, ex, ey);
  }
  int32_t SxfPolyLine(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w, int32_t n,
                      const double* xs, const double* ys) override {
    using Fn = int32_t (*)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                           const double*);
    return Call<Fn>("SxfPolyLine", f, l, c, t, w, n, xs, ys);
  }
  int32_t SxfText(int32_t f, int32_t l, int32_t c, int32_t font, const char* s, double x, double y,
                  double h, double w, double sp, double a, double sl, int32_t b,
                  int32_t d) override {
    using Fn = int32_t (*)(int32_t, int32_t, int32_t, int32_t, const char*, double, double, double,
                           double, double, double, double, int32_t, int32_t);
    return Call<Fn>("SxfText", f, l, c, font, s, x, y, h, w, sp, a, sl, b, d);
  }
  int32_t SxfLinearDim(int32_t f, int32_t l, int32_t c, int32_t t, int32_t w,
                       const sxf::SxfLinearDimRec* r) override {
    using Fn =
        int32_t (*)(int32_t, int32_t, int32_t, int32_t, int32_t, const sxf::SxfLinearDimRec*);
    return Call<Fn>("SxfLinearDim", f, l, c, t, w, r);
  }

 private:
  void* Symbol(const char* name) {
    if (!handle_ && error_.empty()) {
      const std::string path = ProgramFolder() + "/libSorvel.so";
      handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (!handle_) {
        const char* e = ::dlerror();
        error_ =
            "SXF出力ライブラリを読み込めません: " + path + (e ? std::string(" (") + e + ")" : "");
      }
    }
    if (!handle_) return nullptr;
    return ::dlsym(handle_, name);
  }

  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace

ISxfLibrary& SorvelLibrary() {
  static Sorvel library;
  return library;
}

}  // namespace norva
