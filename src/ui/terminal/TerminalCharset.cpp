#include "ui/terminal/TerminalCharset.h"

#include <iconv.h>
#include <langinfo.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>

namespace kvr::ui {

namespace {

iconv_t toHandle(void* cd) { return static_cast<iconv_t>(cd); }

}  // namespace

TerminalCharset::TerminalCharset(unsigned codePage) : m_codePage(codePage) {
  std::string ansi = "CP" + std::to_string(codePage);
  const char* terminal = nl_langinfo(CODESET);
  std::string target = terminal && *terminal ? terminal : "ANSI_X3.4-1968";
  if (target == ansi) return;
  iconv_t out = iconv_open(target.c_str(), ansi.c_str());
  iconv_t in = iconv_open(ansi.c_str(), target.c_str());
  m_out = out == reinterpret_cast<iconv_t>(-1) ? nullptr : out;
  m_in = in == reinterpret_cast<iconv_t>(-1) ? nullptr : in;
}

TerminalCharset::~TerminalCharset() {
  if (m_out) iconv_close(toHandle(m_out));
  if (m_in) iconv_close(toHandle(m_in));
}

std::string TerminalCharset::convert(void* cd, std::string_view in) {
  // ASCII reads the same in every code page and terminal encoding: most texts, all blanks.
  bool ascii = std::all_of(in.begin(), in.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!cd || ascii) return std::string(in);
  std::string out;
  std::string input(in);
  char* src = input.data();
  std::size_t left = input.size();
  char buffer[256];
  iconv(toHandle(cd), nullptr, nullptr, nullptr, nullptr);
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    std::size_t done = iconv(toHandle(cd), &src, &left, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An unconvertible or cut sequence: one '?' for its first byte, then go on.
      out.push_back('?');
      ++src;
      --left;
    }
  }
  return out;
}

std::string TerminalCharset::toTerminal(std::string_view ansi) const { return convert(m_out, ansi); }

std::string TerminalCharset::fromTerminal(std::string_view typed) const { return convert(m_in, typed); }

}  // namespace kvr::ui
