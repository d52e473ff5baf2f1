#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace norva {

namespace {

// One conversion descriptor per direction and thread: iconv_t keeps shift
// state and is not safe to share between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  iconv_t get() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return cd_;
  }

 private:
  iconv_t cd_;
};

iconv_t ToCp932() {
  thread_local Converter c("CP932", "UTF-8");
  return c.get();
}

iconv_t FromCp932() {
  thread_local Converter c("UTF-8", "CP932");
  return c.get();
}

// Bytes of the UTF-8 character at p: the lead byte and the continuation bytes
// that follow it, so a broken sequence never swallows the next character.
std::size_t Utf8SeqLength(const char* p, std::size_t left) {
  const auto lead = static_cast<unsigned char>(p[0]);
  std::size_t want = 1;
  if ((lead & 0xE0) == 0xC0)
    want = 2;
  else if ((lead & 0xF0) == 0xE0)
    want = 3;
  else if ((lead & 0xF8) == 0xF0)
    want = 4;
  std::size_t n = 1;
  while (n < want && n < left && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
  return n;
}

// Runs iconv over the whole input; on a character it cannot convert it appends
// `replacement`, skips `skip(at, left)` input bytes and goes on.
template <typename Skip>
std::string Convert(iconv_t cd, std::string_view in, std::string_view replacement, Skip skip,
                    bool* lossless) {
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char buf[1024];
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  bool clean = true;
  while (left > 0) {
    char* dst = buf;
    std::size_t room = sizeof buf;
    std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<std::size_t>(dst - buf));
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a sequence cut off at the end): substitute and skip.
    clean = false;
    out.append(replacement);
    std::size_t n = skip(src, left);
    if (n > left) n = left;
    src += n;
    left -= n;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  // Flush any pending shift state (none for these encodings, but harmless).
  char* dst = buf;
  std::size_t room = sizeof buf;
  iconv(cd, nullptr, nullptr, &dst, &room);
  out.append(buf, static_cast<std::size_t>(dst - buf));
  if (lossless) *lossless = clean;
  return out;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8, bool* lossless) {
  bool clean = true;
  std::string out = Convert(ToCp932(), utf8, "?", Utf8SeqLength, &clean);
  // Some characters map one way only; reading back shows them.
  if (lossless) *lossless = clean && Cp932ToUtf8(out) == utf8;
  return out;
}

std::string Cp932ToUtf8(std::string_view bytes) {
  return Convert(
      FromCp932(), bytes, "\xEF\xBF\xBD", [](const char*, std::size_t) { return std::size_t{1}; },
      nullptr);
}

bool CanEncodeCp932(std::string_view utf8) {
  bool lossless = true;
  Utf8ToCp932(utf8, &lossless);
  return lossless;
}

std::size_t Cp932ByteCount(std::string_view utf8) { return Utf8ToCp932(utf8).size(); }

}  // namespace norva
