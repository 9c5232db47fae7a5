#pragma once

#include <string>
#include <string_view>

namespace kvr::ui {

// Converts between the resources' ANSI code page and the terminal's encoding (from the
// locale). Bytes that have no counterpart become '?'; with the same encoding on both sides
// texts pass unchanged.
class TerminalCharset {
 public:
  // `codePage`: a Windows code page number (1252, 932, ...).
  explicit TerminalCharset(unsigned codePage);
  ~TerminalCharset();
  TerminalCharset(const TerminalCharset&) = delete;
  TerminalCharset& operator=(const TerminalCharset&) = delete;

  unsigned codePage() const { return m_codePage; }
  std::string toTerminal(std::string_view ansi) const;
  std::string fromTerminal(std::string_view typed) const;

 private:
  static std::string convert(void* cd, std::string_view in);

  unsigned m_codePage;
  void* m_out = nullptr;  // iconv_t, ANSI to terminal
  void* m_in = nullptr;   // iconv_t, terminal to ANSI
};

}  // namespace kvr::ui
