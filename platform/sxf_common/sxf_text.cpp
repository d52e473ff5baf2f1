// Text and number forms shared by both file forms.
#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/sxf_common/sxf_model.h"

namespace norva::sxf {

namespace {

std::string Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv");
  std::string out(in.size() * 4 + 8, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) throw std::runtime_error("not convertible");
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::u16string Cp932ToUtf16(const std::string& cp932) {
  const std::string bytes = Convert("UTF-16LE", "CP932", cp932);
  std::u16string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return out;
}

std::string Utf8ToCp932(const std::string& utf8) {
  try {
    return Convert("CP932", "UTF-8", utf8);
  } catch (const std::runtime_error&) {
    return "?";
  }
}

std::string FormatLength(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", v);
  std::string s = buf;
  if (s == "-0.000000") s = "0.000000";
  return s;
}

std::string FormatFine(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14f", v);
  std::string s = buf;
  // Up to 14 decimals, at least 6 as the lengths have.
  while (s.back() == '0' && s.size() - s.find('.') > 7) s.pop_back();
  if (s == "-0.000000") s = "0.000000";
  return s;
}

}  // namespace norva::sxf
