#include "document/report_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "document/nulls.h"
#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva {

namespace {

// No digits exist for these: the blank-box null, NaN and infinity.
bool IsMissingNumber(double v) { return v == kNullBox || !std::isfinite(v); }

// Characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string PadLeft(std::string s, std::size_t width) {
  const std::size_t n = CharCount(s);
  if (n < width) s.insert(0, width - n, ' ');
  return s;
}

// Bytes of the UTF-8 character that starts at s[i].
std::size_t CharBytes(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t want = 1;
  if ((lead & 0xE0) == 0xC0)
    want = 2;
  else if ((lead & 0xF0) == 0xE0)
    want = 3;
  else if ((lead & 0xF8) == 0xF0)
    want = 4;
  std::size_t n = 1;
  while (n < want && i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
  return n;
}

// The text split into characters with their CP932 byte widths.
struct Piece {
  std::size_t offset;
  std::size_t size;
  std::size_t width;
};
std::vector<Piece> Pieces(std::string_view s) {
  std::vector<Piece> out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = CharBytes(s, i);
    out.push_back({i, n, Cp932ByteCount(s.substr(i, n))});
    i += n;
  }
  return out;
}

// |v| rounded half away from zero to `decimals` places, working on its
// decimal form at 15 significant digits. Returns the digits of the rounded
// value times 10^decimals (no leading zeros, "0" for zero).
std::string RoundedDigits(double v, int decimals) {
  if (v == 0 || !std::isfinite(v)) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits += *p;
  }
  const long exp10 = std::strtol(p + 1, nullptr, 10);
  const long keep = exp10 + 1 + decimals;  // digits left of the rounding point
  std::string out;
  int next = 0;
  if (keep <= 0) {
    out = "0";
    next = keep == 0 ? digits[0] - '0' : 0;
  } else {
    const auto k = static_cast<std::size_t>(keep);
    if (k < digits.size()) {
      out = digits.substr(0, k);
      next = digits[k] - '0';
    } else {
      out = digits + std::string(k - digits.size(), '0');
    }
  }
  if (next >= 5) {
    int i = static_cast<int>(out.size()) - 1;
    for (; i >= 0 && out[static_cast<std::size_t>(i)] == '9'; --i)
      out[static_cast<std::size_t>(i)] = '0';
    if (i < 0) {
      out.insert(0, "1");
    } else {
      ++out[static_cast<std::size_t>(i)];
    }
  }
  const auto nz = out.find_first_not_of('0');
  return nz == std::string::npos ? "0" : out.substr(nz);
}

// The number with at least min_int integer digits, `decimals` decimals of which
// the last (decimals - min_dec) are dropped when they are zeros.
std::string FormatFixed(double v, int min_int, int decimals, int min_dec, bool point_always) {
  std::string digits = RoundedDigits(v, decimals);
  const bool zero = digits == "0";
  if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  std::string int_part = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  std::string frac = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
  int_part.erase(0, std::min(int_part.find_first_not_of('0'), int_part.size()));
  if (int_part.size() < static_cast<std::size_t>(min_int)) {
    int_part.insert(0, static_cast<std::size_t>(min_int) - int_part.size(), '0');
  }
  while (frac.size() > static_cast<std::size_t>(min_dec) && frac.back() == '0') frac.pop_back();
  std::string out = (v < 0 && !zero) ? "-" : "";
  out += int_part;
  if (!frac.empty() || point_always) out += '.';
  out += frac;
  return out;
}

// Default null text of FormatNum: up to four dashes, right-aligned with one
// trailing blank inside the format's length.
std::string DefaultNullText(std::size_t format_len) {
  const std::size_t d = std::min<std::size_t>(4, format_len);
  std::string s(d, '-');
  if (d < format_len) {
    s.insert(0, format_len - d - 1, ' ');
    s += ' ';
  }
  return s;
}

std::string NullText(std::string_view format, std::string_view null_text) {
  const std::size_t len = CharCount(format);
  std::string t = null_text.empty() ? DefaultNullText(len) : std::string(null_text);
  return PadLeft(std::move(t), len);
}

bool IsMaskChar(std::string_view s, std::size_t i) {
  return s[i] == '#' || (s[i] == '.' && i + 1 < s.size() && s[i + 1] == '#');
}

std::string NumberField(const ReportValue& value, std::string_view mask) {
  if (!value.IsNumber()) return PadLeft(value.text(), mask.size());
  const double v = value.number();
  if (!IsReportNumber(v)) return PadLeft(kReportNullText, mask.size());
  const auto point = mask.find('.');
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);
  return PadLeft(FormatFixed(v, 1, decimals, decimals, decimals > 0), mask.size());
}

std::string TextField(const ReportValue& value) {
  switch (value.kind()) {
    case ReportValue::Kind::Text:
      return value.text().empty() ? std::string(" ") : value.text();
    case ReportValue::Kind::Single:
      if (!IsReportNumber(value.number())) return kReportNullText;
      return VbNumberText(static_cast<float>(value.number()), true);
    case ReportValue::Kind::Number:
      if (!IsReportNumber(value.number())) return kReportNullText;
      return VbNumberText(value.number(), true);
  }
  return {};
}

}  // namespace

bool IsReportNumber(double v) {
  return std::isfinite(v) && !IsNullValue(v) && std::fabs(v) <= kLargestReportNumber;
}

std::string ReportNumber(double v, std::string_view pattern) {
  return IsReportNumber(v) ? FormatPattern(v, pattern) : std::string(kReportNullText);
}

FilledLine FillTemplate(std::string_view templ, const std::vector<ReportValue>& values) {
  FilledLine line;
  std::string& out = line.text;
  std::size_t field = 0;
  auto next_value = [&]() -> const ReportValue& {
    if (field >= values.size()) {
      throw std::out_of_range("report template has more fields than values: " + std::string(templ));
    }
    return values[field++];
  };
  for (std::size_t i = 0; i < templ.size();) {
    if (templ[i] == '#') {
      std::size_t j = i + 1;
      while (j < templ.size() && IsMaskChar(templ, j)) ++j;
      out += NumberField(next_value(), templ.substr(i, j - i));
      i = j;
    } else if (templ[i] == '@') {
      out += TextField(next_value());
      ++i;
    } else {
      out += templ[i];
      ++i;
    }
  }
  if (!templ.empty() && templ.back() == ';') {
    line.lineEnd = false;
    out.pop_back();
  }
  return line;
}

void PrintUsing(VbTextWriter& out, std::string_view templ, const std::vector<ReportValue>& values) {
  const FilledLine line = FillTemplate(templ, values);
  if (!line.text.empty()) out.Print(std::string_view(line.text));
  if (line.lineEnd) out.EndLine();
}

std::string ReportVerdict(bool ok, std::initializer_list<double> compared, std::string_view okText,
                          std::string_view outText) {
  for (double v : compared) {
    if (!std::isfinite(v) || IsNullValue(v)) return kReportNullText;
  }
  return std::string(ok ? okText : outText);
}

std::string LeftAnsiB(std::string_view text, int16_t n) {
  std::size_t total = 0;
  std::size_t end = 0;
  for (const Piece& p : Pieces(text)) {
    if (n < 0 || total + p.width > static_cast<std::size_t>(n)) break;
    total += p.width;
    end = p.offset + p.size;
  }
  return std::string(text.substr(0, end));
}

std::string MidAnsiB(std::string_view text, int16_t start, int16_t length) {
  const std::vector<Piece> pieces = Pieces(text);
  std::size_t total = 0;
  for (const Piece& p : pieces) total += p.width;
  if (static_cast<long>(total) < start) return "";
  // The first character whose last byte reaches `start`.
  std::size_t first = 0;
  std::size_t before = 0;
  if (start > 1) {
    while (first < pieces.size() && static_cast<long>(before + pieces[first].width) < start) {
      before += pieces[first].width;
      ++first;
    }
  }
  if (first >= pieces.size()) return "";
  const std::size_t from = pieces[first].offset;
  if (length > 0 && total - before > static_cast<std::size_t>(length)) {
    std::size_t taken = 0;
    std::size_t end = from;
    for (std::size_t k = first; k < pieces.size(); ++k) {
      if (taken + pieces[k].width > static_cast<std::size_t>(length)) break;
      taken += pieces[k].width;
      end = pieces[k].offset + pieces[k].size;
    }
    return std::string(text.substr(from, end - from));
  }
  return std::string(text.substr(from));
}

std::string FormatPattern(double v, std::string_view pattern) {
  const auto first = pattern.find_first_of("#0.");
  if (first == std::string_view::npos) return std::string(pattern);
  const auto last = pattern.find_last_of("#0.");
  // Digits are worked out from the value's decimal text: a value that has
  // none never gets that far.
  if (IsMissingNumber(v)) {
    return std::string(pattern.substr(0, first)) + kReportNullText +
           std::string(pattern.substr(last + 1));
  }
  const std::string_view core = pattern.substr(first, last - first + 1);
  const auto point = core.find('.');
  const std::string_view int_pat = core.substr(0, point);
  const std::string_view frac_pat =
      point == std::string_view::npos ? std::string_view() : core.substr(point + 1);
  const int min_int = static_cast<int>(std::count(int_pat.begin(), int_pat.end(), '0'));
  const int decimals = static_cast<int>(
      std::count_if(frac_pat.begin(), frac_pat.end(), [](char c) { return c == '0' || c == '#'; }));
  // "0" places after the point are always shown; "#" places only when needed.
  int min_dec = 0;
  for (char c : frac_pat) {
    if (c == '0')
      ++min_dec;
    else if (c == '#')
      break;
  }
  std::string out(pattern.substr(0, first));
  out += FormatFixed(v, min_int, decimals, min_dec, point != std::string_view::npos);
  out += pattern.substr(last + 1);
  return out;
}

std::string FormatNum(int16_t v, std::string_view format, std::string_view null_text) {
  if (v == kNullInt16) return NullText(format, null_text);
  return PadLeft(FormatPattern(v, format), CharCount(format));
}

std::string FormatNum(int32_t v, std::string_view format, std::string_view null_text) {
  if (v == kNullInt32) return NullText(format, null_text);
  return PadLeft(FormatPattern(v, format), CharCount(format));
}

std::string FormatNum(double v, std::string_view format, std::string_view null_text) {
  // A value with no decimal form is shown as a blank result, never as "nan".
  if (IsMissingNumber(v)) return NullText(format, null_text);
  return PadLeft(FormatPattern(v, format), CharCount(format));
}

std::string FormatNum(float, std::string_view format, std::string_view) {
  return std::string(CharCount(format), ' ');
}

std::string FormatNum(std::string_view, std::string_view format, std::string_view) {
  return std::string(CharCount(format), ' ');
}

}  // namespace norva
