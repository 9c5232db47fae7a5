#pragma once

#include <cstddef>
#include <string_view>

namespace kvr {

// Texts are bytes in an ANSI code page. In the double-byte code pages (932, 936, 949, 950) a
// lead byte and its trail byte are one character; UTF-8 is walked the same way, a lead byte and
// its continuation bytes making one character. Such characters are "wide": never blank, never a
// digit, "|" or "\", always counted as letters.
inline constexpr int kUtf8CodePage = 65001;

// The code page the program's texts are in: the active language module's (chosen from the
// user's locale, or by the "lang" option), else that of the program's own resources.
int currentCodePage();

bool isDoubleByteCodePage(int codePage);

// One character of `text` starting at byte `pos`: its length in bytes (at least 1, never past
// the end, so a lead byte cut off at the end is a character of its own) and whether it is wide.
struct TextChar {
  std::size_t length;
  bool wide;
};
TextChar charAt(std::string_view text, std::size_t pos, int codePage);

// 1 when the text is empty or all white space; -1 otherwise, and whenever a wide character
// occurs.
int isBlank(std::string_view text, int codePage);
// -1 for blank text; else the byte position of the first single-byte "|" or "\", or -1.
int findPipeOrBackslash(std::string_view text, int codePage);
// -1 for blank text; else 1 + the byte position of the first single-byte digit, or -1.
int findDigit(std::string_view text, int codePage);
// False for blank text; true when a letter or a wide character occurs.
bool containsLetter(std::string_view text, int codePage);
// True for blank text, or when it has an "@" and a "." and no blank.
bool isEmailShaped(std::string_view text, int codePage);

// The same in the code page of the program's texts.
inline int isBlank(std::string_view text) { return isBlank(text, currentCodePage()); }
inline int findPipeOrBackslash(std::string_view text) {
  return findPipeOrBackslash(text, currentCodePage());
}
inline int findDigit(std::string_view text) { return findDigit(text, currentCodePage()); }
inline bool containsLetter(std::string_view text) {
  return containsLetter(text, currentCodePage());
}
inline bool isEmailShaped(std::string_view text) { return isEmailShaped(text, currentCodePage()); }

// Single-byte classes by code page: white space (ASCII only), digit (ASCII only), letter
// (ASCII and the code page's own letters).
bool isSpaceByte(unsigned char byte);
bool isDigitByte(unsigned char byte);
bool isLetterByte(unsigned char byte, int codePage);

}  // namespace kvr
