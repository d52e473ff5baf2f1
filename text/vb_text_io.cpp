#include "text/vb_text_io.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <utility>

#include "text/cp932.h"

namespace norva {

namespace {

constexpr std::size_t kZoneWidth = 14;
constexpr std::size_t kFlushAt = 1 << 16;

const char* DescriptionOf(int number) {
  switch (number) {
    case VbFileError::kOverflow:
      return "数値が範囲を超えています。";
    case VbFileError::kTypeMismatch:
      return "数値として読めない値があります。";
    case VbFileError::kFileNotFound:
      return "ファイルが見つかりません。";
    case VbFileError::kDeviceIo:
      return "ファイルに書き込めませんでした。";
    case VbFileError::kInputPastEnd:
      return "ファイルの終わりを越えて読み込もうとしました。";
    case VbFileError::kPathAccess:
      return "ファイルを開けませんでした。";
    default:
      return "ファイルの入出力でエラーが発生しました。";
  }
}

// digits: the significant digits without trailing zeros; exp10: the decimal
// exponent of the first digit.
std::string GeneralText(bool negative, std::string digits, int exp10, int max_fixed_exp,
                        bool leading_zero) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = negative ? "-" : "";
  if (exp10 >= max_fixed_exp || exp10 < -4) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += exp10 < 0 ? '-' : '+';
    std::string e = std::to_string(exp10 < 0 ? -exp10 : exp10);
    if (e.size() < 2) e.insert(0, "0");
    out += e;
    return out;
  }
  if (exp10 < 0) {
    if (leading_zero) out += '0';
    out += '.';
    out.append(static_cast<std::size_t>(-exp10 - 1), '0');
    out += digits;
    return out;
  }
  const auto int_len = static_cast<std::size_t>(exp10) + 1;
  if (digits.size() <= int_len) {
    out += digits;
    out.append(int_len - digits.size(), '0');
  } else {
    out.append(digits, 0, int_len);
    out += '.';
    out.append(digits, int_len, std::string::npos);
  }
  return out;
}

std::string GeneralText(double v, int significant, int max_fixed_exp, bool leading_zero) {
  if (!std::isfinite(v))
    throw VbFileError(VbFileError::kOverflow, DescriptionOf(VbFileError::kOverflow));
  if (v == 0) return "0";  // also -0
  // "%.*e" rounds the exact binary value to the wanted number of digits.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(v));
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits += *p;
  }
  const int exp10 = std::atoi(p + 1);
  return GeneralText(v < 0, digits, exp10, max_fixed_exp, leading_zero);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Decimal exponent of the first non-zero digit of an unsigned number text
// "ddd.ddde[+-]ddd" (0 for a zero).
long DecimalMagnitude(const std::string& s) {
  const auto e = s.find('e');
  const std::string mant = s.substr(0, e);
  long exp10 = 0;
  if (e != std::string::npos) {
    std::size_t i = e + 1;
    const bool neg = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    for (; i < s.size(); ++i) exp10 = std::min(exp10 * 10 + (s[i] - '0'), 100000L);
    if (neg) exp10 = -exp10;
  }
  const auto point = std::min(mant.find('.'), mant.size());
  const auto first = mant.find_first_of("123456789");
  if (first == std::string::npos) return 0;
  const long pos =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  return pos + exp10;
}

// [+-]? (digits [. digits*] | . digits) ([EeDd] [+-]? digits)?
bool ParseNumber(std::string_view tok, double* out) {
  std::string s;
  std::size_t i = 0;
  bool negative = false;
  if (i < tok.size() && (tok[i] == '+' || tok[i] == '-')) negative = tok[i++] == '-';
  std::size_t int_digits = 0, frac_digits = 0;
  for (; i < tok.size() && tok[i] >= '0' && tok[i] <= '9'; ++i, ++int_digits) s += tok[i];
  if (i < tok.size() && tok[i] == '.') {
    s += '.';
    for (++i; i < tok.size() && tok[i] >= '0' && tok[i] <= '9'; ++i, ++frac_digits) s += tok[i];
  }
  if (int_digits + frac_digits == 0) return false;
  if (i < tok.size() && (tok[i] == 'E' || tok[i] == 'e' || tok[i] == 'D' || tok[i] == 'd')) {
    s += 'e';
    ++i;
    if (i < tok.size() && (tok[i] == '+' || tok[i] == '-')) s += tok[i++];
    std::size_t exp_digits = 0;
    for (; i < tok.size() && tok[i] >= '0' && tok[i] <= '9'; ++i, ++exp_digits) s += tok[i];
    if (exp_digits == 0) return false;
  }
  if (i != tok.size()) return false;
  double v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (end != s.data() + s.size()) return false;
  if (ec == std::errc::result_out_of_range) {
    // Out of range either way: a huge exponent overflows (an error for the
    // caller), a tiny one underflows to zero.
    if (DecimalMagnitude(s) > 0) {
      *out = std::numeric_limits<double>::infinity();
      return true;
    }
    v = 0;
  } else if (ec != std::errc()) {
    return false;
  }
  *out = negative ? -v : v;
  return true;
}

}  // namespace

VbFileError::VbFileError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

std::string VbNumberText(double v, bool leading_zero) {
  return GeneralText(v, 15, 15, leading_zero);
}

std::string VbNumberText(float v, bool leading_zero) {
  return GeneralText(static_cast<double>(v), 7, 7, leading_zero);
}

// ---- writer ---------------------------------------------------------------

VbTextWriter::VbTextWriter() = default;

VbTextWriter VbTextWriter::ToFile(const std::string& path) {
  VbTextWriter w;
  w.file_ = std::fopen(path.c_str(), "wb");
  if (!w.file_) {
    throw VbFileError(VbFileError::kPathAccess, DescriptionOf(VbFileError::kPathAccess));
  }
  w.to_file_ = true;
  return w;
}

VbTextWriter::VbTextWriter(VbTextWriter&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      to_file_(other.to_file_),
      closed_(other.closed_),
      buffer_(std::move(other.buffer_)),
      column_(other.column_),
      lossy_(other.lossy_) {}

VbTextWriter& VbTextWriter::operator=(VbTextWriter&& other) noexcept {
  if (this != &other) {
    if (file_) std::fclose(file_);
    file_ = std::exchange(other.file_, nullptr);
    to_file_ = other.to_file_;
    closed_ = other.closed_;
    buffer_ = std::move(other.buffer_);
    column_ = other.column_;
    lossy_ = other.lossy_;
  }
  return *this;
}

VbTextWriter::~VbTextWriter() {
  if (file_) {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    std::fclose(file_);
  }
}

void VbTextWriter::Append(std::string_view bytes) {
  if (closed_) throw VbFileError(VbFileError::kDeviceIo, DescriptionOf(VbFileError::kDeviceIo));
  buffer_.append(bytes);
  const auto last = bytes.find_last_of("\r\n");
  if (last == std::string_view::npos) {
    column_ += bytes.size();
  } else {
    column_ = bytes.size() - last - 1;
  }
  if (to_file_ && buffer_.size() >= kFlushAt) Flush(false);
}

void VbTextWriter::Flush(bool final_flush) {
  if (!file_) return;
  bool ok =
      buffer_.empty() || std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
  buffer_.clear();
  if (final_flush) {
    ok = (std::fflush(file_) == 0) && ok;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
  }
  if (!ok) {
    if (file_) {
      std::fclose(file_);
      file_ = nullptr;
    }
    closed_ = true;
    throw VbFileError(VbFileError::kDeviceIo, DescriptionOf(VbFileError::kDeviceIo));
  }
}

void VbTextWriter::Print(double v) {
  std::string s = VbNumberText(v, false);
  if (s[0] != '-') s.insert(0, " ");
  s += ' ';
  Append(s);
}

void VbTextWriter::Print(float v) {
  std::string s = VbNumberText(v, false);
  if (s[0] != '-') s.insert(0, " ");
  s += ' ';
  Append(s);
}

void VbTextWriter::Print(int16_t v) { Print(static_cast<int32_t>(v)); }

void VbTextWriter::Print(int32_t v) {
  std::string s = std::to_string(v);
  if (v >= 0) s.insert(0, " ");
  s += ' ';
  Append(s);
}

void VbTextWriter::Print(std::string_view text) {
  bool lossless = true;
  const std::string bytes = Utf8ToCp932(text, &lossless);
  if (!lossless) ++lossy_;
  Append(bytes);
}

void VbTextWriter::WriteText(std::string_view text) {
  if (text.find_first_of("\r\n") == std::string_view::npos) {
    Print(text);
  } else {
    std::string one_line;
    one_line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' || text[i] == '\n') {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        one_line += ' ';
      } else {
        one_line += text[i];
      }
    }
    Print(std::string_view(one_line));
  }
  EndLine();
}

void VbTextWriter::Zone() {
  const std::size_t next = (column_ / kZoneWidth + 1) * kZoneWidth;
  Append(std::string(next - column_, ' '));
}

void VbTextWriter::EndLine() { Append("\r\n"); }

void VbTextWriter::Close() {
  if (closed_) return;
  Flush(true);
  closed_ = true;
}

// ---- reader ---------------------------------------------------------------

VbTextReader VbTextReader::FromFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int n = (errno == ENOENT || errno == ENOTDIR) ? VbFileError::kFileNotFound
                                                        : VbFileError::kPathAccess;
    throw VbFileError(n, DescriptionOf(n));
  }
  std::ifstream in(path, std::ios::binary);
  if (!in || S_ISDIR(st.st_mode)) {
    throw VbFileError(VbFileError::kPathAccess, DescriptionOf(VbFileError::kPathAccess));
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) {
    throw VbFileError(VbFileError::kPathAccess, DescriptionOf(VbFileError::kPathAccess));
  }
  return VbTextReader(ss.str());
}

VbTextReader VbTextReader::FromBytes(std::string cp932) { return VbTextReader(std::move(cp932)); }

void VbTextReader::Fail(int number) const { throw VbFileError(number, DescriptionOf(number)); }

bool VbTextReader::AtLineEnd() const { return pos_ < data_.size() && IsLineEnd(data_[pos_]); }

void VbTextReader::SkipLineEnd() {
  // CR LF, or a lone CR or LF from a file edited elsewhere.
  if (pos_ < data_.size() && data_[pos_] == '\r') {
    ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  } else if (pos_ < data_.size() && data_[pos_] == '\n') {
    ++pos_;
  }
}

void VbTextReader::EndItem() {
  while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
  if (pos_ < data_.size() && data_[pos_] == ',') {
    ++pos_;
  } else {
    SkipLineEnd();
  }
}

std::string_view VbTextReader::NumberToken() {
  while (pos_ < data_.size() && (IsBlank(data_[pos_]) || IsLineEnd(data_[pos_]))) ++pos_;
  if (pos_ >= data_.size()) Fail(VbFileError::kInputPastEnd);
  const std::size_t start = pos_;
  while (pos_ < data_.size() && !IsBlank(data_[pos_]) && !IsLineEnd(data_[pos_]) &&
         data_[pos_] != ',') {
    ++pos_;
  }
  std::string_view tok(data_.data() + start, pos_ - start);
  EndItem();
  return tok;
}

double VbTextReader::InputDouble() {
  const std::size_t at = pos_;
  std::string_view tok = NumberToken();
  if (tok.empty()) return 0;  // an empty field between commas
  double v = 0;
  if (!ParseNumber(tok, &v)) {
    pos_ = at;
    Fail(VbFileError::kTypeMismatch);
  }
  if (!std::isfinite(v)) {
    pos_ = at;
    Fail(VbFileError::kOverflow);
  }
  return v;
}

float VbTextReader::InputSingle() {
  const std::size_t at = pos_;
  const double v = InputDouble();
  if (std::fabs(v) > std::numeric_limits<float>::max()) {
    pos_ = at;
    Fail(VbFileError::kOverflow);
  }
  return static_cast<float>(v);
}

int32_t VbTextReader::InputInt32() {
  const std::size_t at = pos_;
  const double v = std::nearbyint(InputDouble());  // half to even
  if (v < -2147483648.0 || v > 2147483647.0) {
    pos_ = at;
    Fail(VbFileError::kOverflow);
  }
  return static_cast<int32_t>(v);
}

int16_t VbTextReader::InputInt16() {
  const std::size_t at = pos_;
  const double v = std::nearbyint(InputDouble());
  if (v < -32768.0 || v > 32767.0) {
    pos_ = at;
    Fail(VbFileError::kOverflow);
  }
  return static_cast<int16_t>(v);
}

std::string VbTextReader::InputString() {
  while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
  if (pos_ >= data_.size()) Fail(VbFileError::kInputPastEnd);
  std::string bytes;
  if (data_[pos_] == '"') {
    const std::size_t close = data_.find('"', pos_ + 1);
    const std::size_t end = close == std::string::npos ? data_.size() : close;
    bytes = data_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = close == std::string::npos ? data_.size() : close + 1;
    // Anything between the closing quote and the separator is dropped.
    while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && IsBlank(data_[end - 1])) --end;
    bytes = data_.substr(start, end - start);
  }
  EndItem();
  return Cp932ToUtf8(bytes);
}

std::string VbTextReader::LineInput() {
  if (pos_ >= data_.size()) Fail(VbFileError::kInputPastEnd);
  const std::size_t start = pos_;
  while (pos_ < data_.size() && !IsLineEnd(data_[pos_])) ++pos_;
  std::string bytes = data_.substr(start, pos_ - start);
  SkipLineEnd();
  return Cp932ToUtf8(bytes);
}

std::size_t VbTextReader::line() const {
  std::size_t n = 1;
  for (std::size_t i = 0; i < pos_ && i < data_.size(); ++i) {
    if (data_[i] == '\n' || (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n')))
      ++n;
  }
  return n;
}

}  // namespace norva
