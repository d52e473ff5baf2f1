#pragma once
// Report lines from templates, fixed-width number texts and texts cut to a
// width in CP932 bytes. Every report writer formats its numbers here, so all
// of them round the same way: half away from zero on the value's decimal form
// at 15 significant digits (2.675 with two places is 2.68), never on the raw
// binary value.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace norva {

class VbTextWriter;

// One value of a template field: a number or a text.
class ReportValue {
 public:
  enum class Kind { Number, Single, Text };

  template <typename T,
            std::enable_if_t<std::is_arithmetic_v<T> && !std::is_same_v<T, bool>, int> = 0>
  ReportValue(T v)  // NOLINT(google-explicit-constructor): values are listed inline
      : kind_(std::is_same_v<T, float> ? Kind::Single : Kind::Number),
        number_(static_cast<double>(v)) {}
  ReportValue(bool) = delete;
  ReportValue(const char* text) : kind_(Kind::Text), text_(text) {}             // NOLINT
  ReportValue(std::string text) : kind_(Kind::Text), text_(std::move(text)) {}  // NOLINT
  ReportValue(std::string_view text) : kind_(Kind::Text), text_(text) {}        // NOLINT

  Kind kind() const { return kind_; }
  bool IsNumber() const { return kind_ != Kind::Text; }
  double number() const { return number_; }
  const std::string& text() const { return text_; }

 private:
  Kind kind_;
  double number_ = 0;
  std::string text_;
};

// The filled template and whether a line end follows it (false for a template
// ending in ";", whose ";" is dropped). Throws std::out_of_range, before
// anything is produced, when the template has more fields than values.
struct FilledLine {
  std::string text;
  bool lineEnd = true;
};
FilledLine FillTemplate(std::string_view templ, const std::vector<ReportValue>& values);

// Writes the filled template as one line, or as the start of one when the
// template ends in ";". Runs of "#" (with "." inside when a "#" follows) are
// right-aligned numbers with the run's decimals; "@" is a text; the rest is
// copied.
void PrintUsing(VbTextWriter& out, std::string_view templ, const std::vector<ReportValue>& values);

// What a report prints for a result that was not computed (kNullBox): in a
// "#" mask "-----" right-aligned to the mask's width (whole when the mask is
// shorter), in an "@" slot "-----".
inline constexpr const char* kReportNullText = "-----";

// The one rule for a number in a report: a document null (kNullDouble), a
// result null (kNullBox), NaN, infinity and anything beyond 1e8 in size (the
// ground reaction 1e10 of a resultant outside the base, a value read from a
// file that no input box allows) print kReportNullText. Every "#" mask, "@"
// slot and ReportNumber keeps to it.
inline constexpr double kLargestReportNumber = 1e8;
bool IsReportNumber(double v);
// FormatPattern of a number that passes IsReportNumber, else "-----".
std::string ReportNumber(double v, std::string_view pattern);

// The verdict of a check in a report: "-----" when any value it compares is
// not computed (kNullBox or not finite), else okText or outText.
std::string ReportVerdict(bool ok, std::initializer_list<double> compared,
                          std::string_view okText = "OK", std::string_view outText = "OUT");

// The longest leading part of the text that holds at most n CP932 bytes,
// whole characters only.
std::string LeftAnsiB(std::string_view text, int16_t n);
// The part from the character that holds byte `start` (1-based) on, at most
// `length` bytes of whole characters; length <= 0 takes the rest.
std::string MidAnsiB(std::string_view text, int16_t start, int16_t length);

// A number formatted with a pattern of "#", "0" and "." ("#0.00", "######0"):
// "0" digits always shown, "#" digits only when significant, "-" for a
// negative value. A value that rounds to zero has no "-". Characters before
// and after the pattern are kept. The blank-box null, NaN and infinity take
// "-----" in place of the digits.
std::string FormatPattern(double v, std::string_view pattern);

// A number right-aligned to the length of the format; the null value of its
// kind (int16 -32768, int32 -2147483648, double -1.79769313486231E+308) gives
// the null text, by default up to four dashes padded to the format's length.
// A single or a text gives blanks only.
std::string FormatNum(int16_t v, std::string_view format, std::string_view null_text = "");
std::string FormatNum(int32_t v, std::string_view format, std::string_view null_text = "");
std::string FormatNum(double v, std::string_view format, std::string_view null_text = "");
std::string FormatNum(float v, std::string_view format, std::string_view null_text = "");
std::string FormatNum(std::string_view text, std::string_view format,
                      std::string_view null_text = "");
inline std::string FormatNum(const char* text, std::string_view format,
                             std::string_view null_text = "") {
  return FormatNum(std::string_view(text), format, null_text);
}

}  // namespace norva
