#pragma once

#include <cstdint>
#include <string>

#include "Script.h"

namespace kvr::rc {

// The ANSI code page of a Windows language id: 932 Japanese, 936/950 Chinese, 949 Korean,
// 874 Thai, 1250 Central European, 1251 Cyrillic, 1253 Greek, 1254 Turkish, else 1252.
std::uint16_t codePageForLanguage(std::uint16_t languageId);

// Converts UTF-8 text to an ANSI code page with the system's iconv.
class CodePageConverter {
 public:
  explicit CodePageConverter(std::uint16_t codePage);
  ~CodePageConverter();
  CodePageConverter(const CodePageConverter&) = delete;
  CodePageConverter& operator=(const CodePageConverter&) = delete;

  // The text in the code page; a character the code page lacks throws at `where`.
  std::string convert(const std::string& utf8, const Location& where);

 private:
  std::uint16_t m_codePage;
  void* m_handle;
};

}  // namespace kvr::rc
