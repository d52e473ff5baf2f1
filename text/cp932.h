#pragma once
// Code page 932 (the Windows mapping of Shift_JIS) at the file boundary.
// Text inside the program is UTF-8; files are CP932 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace norva {

// UTF-8 to CP932. A character CP932 cannot hold becomes '?', as the Windows
// converter does; a few map one way only (U+301C 〜 to the code of ～ U+FF5E,
// ¥ to '\'). *lossless (when given) tells whether the bytes read back as
// exactly the same text: false after a '?' or a one-way mapping.
std::string Utf8ToCp932(std::string_view utf8, bool* lossless = nullptr);
// CP932 to UTF-8. An invalid byte sequence becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);
// True when the UTF-8 text converts to CP932 and back unchanged.
bool CanEncodeCp932(std::string_view utf8);
// Width of the text in CP932 bytes (1 for ASCII and half-width katakana,
// 2 for other characters; an unencodable character counts 1, as its '?').
std::size_t Cp932ByteCount(std::string_view utf8);

}  // namespace norva
