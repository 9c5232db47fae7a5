#pragma once

#include <cstddef>
#include <string_view>

namespace kvr::platform {

// Texts are bytes in an ANSI code page. In the double-byte code pages (932, 936, 949, 950) a
// lead byte and its trail byte are one character; UTF-8 is walked the same way, a lead byte and
// its continuation bytes making one character. Such characters are "wide".
inline constexpr int kUtf8CodePage = 65001;
inline constexpr int kShiftJis = 932;
inline constexpr int kGbk = 936;
inline constexpr int kKorean = 949;
inline constexpr int kBig5 = 950;

bool isDoubleByteCodePage(int codePage);

// One character of `text` starting at byte `pos`: its length in bytes (at least 1, never past
// the end, so a lead byte cut off at the end is a character of its own) and whether it is wide.
struct TextChar {
  std::size_t length;
  bool wide;
};
TextChar charAt(std::string_view text, std::size_t pos, int codePage);

// The length of the longest start of `text` that is whole characters and at most `limit` bytes.
std::size_t wholeCharsWithin(std::string_view text, std::size_t limit, int codePage);
// The first character boundary of `text` at or after byte `pos` (text.size() past the end).
std::size_t charStartFrom(std::string_view text, std::size_t pos, int codePage);

}  // namespace kvr::platform
