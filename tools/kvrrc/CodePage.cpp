#include "CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

#include "CompileError.h"

namespace kvr::rc {

namespace {

iconv_t handleOf(void* handle) { return static_cast<iconv_t>(handle); }

// "U+00FC ("ü")" for the UTF-8 character at the front of `text`.
std::string describeCharacter(const char* text, std::size_t left) {
  auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (length > left) length = left;
  std::uint32_t codePoint = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
  for (std::size_t i = 1; i < length; ++i)
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i]) & 0x3Fu);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(codePoint));
  return std::string(buffer) + " (\"" + std::string(text, length) + "\")";
}

}  // namespace

std::uint16_t codePageForLanguage(std::uint16_t languageId) {
  unsigned primary = languageId & 0x3FFu;
  unsigned sub = languageId >> 10;
  switch (primary) {
    case 0x11: return 932;                          // Japanese
    case 0x04: return sub == 1 || sub == 3 || sub == 5 ? 950 : 936;  // Chinese
    case 0x12: return 949;                          // Korean
    case 0x1E: return 874;                          // Thai
    case 0x05: case 0x0E: case 0x15: return 1250;   // Czech, Hungarian, Polish
    case 0x19: return 1251;                         // Russian
    case 0x08: return 1253;                         // Greek
    case 0x1F: return 1254;                         // Turkish
    default: return 1252;
  }
}

CodePageConverter::CodePageConverter(std::uint16_t codePage) : m_codePage(codePage) {
  std::string name = "CP" + std::to_string(codePage);
  iconv_t handle = iconv_open(name.c_str(), "UTF-8");
  if (handle == reinterpret_cast<iconv_t>(-1))
    throw CompileError(Location{"kvrrc", 0}, "the system's iconv cannot convert to " + name);
  m_handle = handle;
}

CodePageConverter::~CodePageConverter() { iconv_close(handleOf(m_handle)); }

std::string CodePageConverter::convert(const std::string& utf8, const Location& where) {
  iconv(handleOf(m_handle), nullptr, nullptr, nullptr, nullptr);
  std::string out;
  // A character is at most two bytes in every ANSI code page we write.
  out.resize(utf8.size() * 2 + 8);
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(handleOf(m_handle), &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
      break;
    if (errno == EILSEQ || errno == EINVAL)
      throw CompileError(where, "character " + describeCharacter(in, inLeft) +
                                    " does not exist in code page " + std::to_string(m_codePage));
    throw CompileError(where, "cannot convert the text to code page " + std::to_string(m_codePage));
  }
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace kvr::rc
