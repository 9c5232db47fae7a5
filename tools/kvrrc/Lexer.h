#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Script.h"

namespace kvr::rc {

enum class TokenKind {
  End,
  Newline,  // only inside a directive line
  Identifier,
  Number,
  String,
  Comma,
  Pipe,
  LParen,
  RParen,
  LBrace,
  RBrace,
  Minus,
  Hash,  // first thing on a line: a directive follows
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // identifier or number as written; a string's value, escapes resolved
  std::uint32_t number = 0;
  bool nonAscii = false;  // a string holding UTF-8 beyond ASCII
  Location where;
  // A string put in by a text macro: where its text was written (the #define); otherwise empty.
  Location textWhere;
  std::string macro;
};

// Splits one file into tokens: comments skipped, strings unescaped and checked to be UTF-8.
class Lexer {
 public:
  Lexer(std::string file, std::string text);

  const std::string& file() const { return m_file; }
  int line() const { return m_line; }

  // The next token; inside a directive the end of the line is a Newline token.
  Token next(bool inDirective);

  // Skips whole lines until one that starts with '#', and returns true with that '#' as the
  // next token; false at the end of the file. Used in conditional groups being left out.
  bool skipToDirective();

  // Skips the rest of the current line.
  void skipLine();

  // The raw text up to the end of the current line, which is left for the next token.
  std::string restOfLine();

 private:
  [[noreturn]] void fail(const std::string& message) const;
  [[noreturn]] void failAt(int line, const std::string& message) const;
  bool atEnd() const { return m_pos >= m_text.size(); }
  char peek(std::size_t ahead = 0) const {
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
  }
  bool skipSpaceAndComments(bool inDirective);  // true when it stopped at a line end in a directive
  Token lexNumber();
  Token lexString();
  void readEscape(std::string& out);
  void readUtf8(std::string& out);
  Location here() const { return {m_file, m_line}; }

  std::string m_file;
  std::string m_text;
  std::size_t m_pos = 0;
  int m_line = 1;
  bool m_lineStart = true;  // nothing but blanks since the last line end
};

}  // namespace kvr::rc
