#pragma once

#include <cstddef>
#include <string_view>

#include "platform/CodePageText.h"

namespace kvr {

// Texts are walked by character as platform/CodePageText.h says. Wide characters are never
// blank, never a digit, "|" or "\", always counted as letters.
using platform::charAt;
using platform::isDoubleByteCodePage;
using platform::kUtf8CodePage;
using platform::TextChar;

// The code page the program's texts are in: the active language module's (chosen from the
// user's locale, or by the "lang" option), else that of the program's own resources.
int currentCodePage();

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
