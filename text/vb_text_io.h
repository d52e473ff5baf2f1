#pragma once
// Sequential text records in the style of the Windows BASIC run time
// (Print #, Input #, Line Input, EOF), so document files stay byte-compatible
// with those written on Windows. Files are code page 932 with CR LF line ends;
// this API takes and gives UTF-8.
//
// Writer, one statement = one line:
//   numbers  " 0 ", "-1 ", " .5 ", "-.25 ", " 1E+15 ", "-17000000000 "...
//            (sign blank or "-", at most 15 significant digits for a double,
//            7 for a single, then one blank)
//   texts    as they stand, no quotes
//   Zone()   the "," separator: blanks up to the next print zone (columns
//            0, 14, 28, ... counted in bytes); always at least one column on
//   items printed one after another without Zone() are the ";" separator
// Reader:
//   InputDouble/Single/Int16/Int32  a number token: blanks and line ends before
//            it are skipped; it ends at a blank, a comma or a line end; then
//            the blanks after it and one comma or one line end are consumed.
//            Integers take the token rounded half to even, as the run time.
//   InputString  a quoted text ("..." without the quotes) or an unquoted one
//            up to the next comma or line end (leading and trailing blanks
//            dropped); then as above.
//   LineInput    the rest of the current line without its line end.
//   A line ends at CR LF, or at a lone CR or LF (files edited elsewhere).
//   Eof          nothing left to read.
// Every failure throws VbFileError with the run time's error number.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace norva {

// A failure of a text-file operation. number() is the run time's error number
// (see the constants), for the "Err = " line of the file error message.
class VbFileError : public std::runtime_error {
 public:
  static constexpr int kOverflow = 6;       // number out of the variable's range
  static constexpr int kTypeMismatch = 13;  // a token that is not a number
  static constexpr int kFileNotFound = 53;
  static constexpr int kDeviceIo = 57;      // write or close failed
  static constexpr int kInputPastEnd = 62;  // read beyond the end of the file
  static constexpr int kPathAccess = 75;    // cannot open the path

  VbFileError(int number, const std::string& description);
  int number() const { return number_; }
  // The description alone (UTF-8), without the number.
  std::string description() const { return what(); }

 private:
  int number_;
};

// The run time's general number text: at most 15 significant digits, no
// trailing zeros, exponent form ("1E+15", "1.5E-05") from 1E+15 up and below
// 1E-04. With leading_zero false a magnitude below 1 has no "0" before the
// point (".5", "-.25"), as in files; with true it has one ("0.5"), as in texts
// converted from numbers. No sign blank. NaN and infinity have no text:
// VbFileError(kOverflow).
std::string VbNumberText(double v, bool leading_zero);
// The same for a single-precision number (7 significant digits, exponent form
// from 1E+07 up).
std::string VbNumberText(float v, bool leading_zero);

class VbTextWriter {
 public:
  // Writes into memory; bytes() holds what was written.
  VbTextWriter();
  // Creates or replaces the file. Throws VbFileError(kPathAccess) when the
  // file cannot be created.
  static VbTextWriter ToFile(const std::string& path);

  VbTextWriter(VbTextWriter&& other) noexcept;
  VbTextWriter& operator=(VbTextWriter&& other) noexcept;
  VbTextWriter(const VbTextWriter&) = delete;
  VbTextWriter& operator=(const VbTextWriter&) = delete;
  // Closes the file; errors at this point are lost, so call Close() first.
  ~VbTextWriter();

  // One item, at the current position.
  void Print(double v);
  void Print(float v);
  void Print(int16_t v);
  void Print(int32_t v);
  void Print(std::string_view text);
  void Print(const char* text) { Print(std::string_view(text)); }
  void Print(const std::string& text) { Print(std::string_view(text)); }
  void Print(bool) = delete;  // a flag is stored as an int16_t 0 / -1

  // The "," separator: moves to the start of the next print zone.
  void Zone();
  // CR LF.
  void EndLine();

  // Print #f, a, b, c : the items separated by print zones, then CR LF.
  template <typename... Items>
  void WriteLine(const Items&... items) {
    bool first = true;
    ((first ? void(first = false) : Zone(), Print(items)), ...);
    EndLine();
  }
  // Print #f, text : a text line of its own. A line break inside the text
  // (CR LF, CR or LF) becomes one blank: the reader takes the text back as one
  // whole line, and a break would shift every item after it.
  void WriteText(std::string_view text);

  // Writes what is buffered and closes the file. Throws VbFileError(kDeviceIo)
  // when the data could not be written completely. Further writes are refused.
  void Close();

  // Byte column of the current line (0 at the start of a line).
  std::size_t column() const { return column_; }
  // Memory mode: everything written, as CP932 bytes. In file mode, what is
  // still waiting to be written.
  const std::string& bytes() const { return buffer_; }
  // Text items that would not read back unchanged (a character CP932 cannot
  // hold was written as '?', or one that maps one way only).
  std::size_t lossy_items() const { return lossy_; }

 private:
  void Append(std::string_view bytes);
  void Flush(bool final_flush);

  std::FILE* file_ = nullptr;
  bool to_file_ = false;
  bool closed_ = false;
  std::string buffer_;
  std::size_t column_ = 0;
  std::size_t lossy_ = 0;
};

class VbTextReader {
 public:
  // Reads the whole file. Throws VbFileError(kFileNotFound) when it does not
  // exist and VbFileError(kPathAccess) when it cannot be read.
  static VbTextReader FromFile(const std::string& path);
  // Reads from CP932 bytes in memory.
  static VbTextReader FromBytes(std::string cp932);

  double InputDouble();
  float InputSingle();
  int16_t InputInt16();
  int32_t InputInt32();
  std::string InputString();
  std::string LineInput();
  bool Eof() const { return pos_ >= data_.size(); }

  // 1-based line of the read position, for error messages.
  std::size_t line() const;

 private:
  explicit VbTextReader(std::string data) : data_(std::move(data)) {}
  std::string_view NumberToken();
  void EndItem();
  bool AtLineEnd() const;
  void SkipLineEnd();
  [[noreturn]] void Fail(int number) const;

  std::string data_;
  std::size_t pos_ = 0;
};

}  // namespace norva
