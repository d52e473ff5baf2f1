#pragma once
// Byte classes of the renderer's CP932 inputs (markup, style sheet, formulas).
// Names and keywords are ASCII, compared without case; the locale plays no part.
#include <cstddef>
#include <string_view>

namespace norva {

// Blank, tab, line feed, form feed, carriage return.
inline bool IsMarkupBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}
inline bool IsAsciiLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

inline bool StartsNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

// First and second byte of a CP932 double-byte character.
inline bool IsCp932Lead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
inline bool IsCp932Trail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

}  // namespace norva
