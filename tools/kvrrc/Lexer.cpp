#include "Lexer.h"

#include <cstdio>
#include <utility>

#include "CompileError.h"

namespace kvr::rc {

namespace {

bool isIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isIdentifierChar(char c) { return isIdentifierStart(c) || (c >= '0' && c <= '9'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string describe(char c) {
  auto byte = static_cast<unsigned char>(c);
  char buffer[32];
  if (byte > 0x20 && byte < 0x7F)
    std::snprintf(buffer, sizeof buffer, "unexpected character '%c'", c);
  else
    std::snprintf(buffer, sizeof buffer, "unexpected byte 0x%02X", byte);
  return buffer;
}

}  // namespace

Lexer::Lexer(std::string file, std::string text) : m_file(std::move(file)), m_text(std::move(text)) {
  if (m_text.compare(0, 3, "\xEF\xBB\xBF") == 0) m_pos = 3;
}

void Lexer::fail(const std::string& message) const { throw CompileError(here(), message); }

void Lexer::failAt(int line, const std::string& message) const {
  throw CompileError({m_file, line}, message);
}

bool Lexer::skipSpaceAndComments(bool inDirective) {
  while (!atEnd()) {
    char c = peek();
    if (c == '\n') {
      if (inDirective) return true;
      ++m_pos;
      ++m_line;
      m_lineStart = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++m_pos;
    } else if (c == '/' && peek(1) == '/') {
      while (!atEnd() && peek() != '\n') ++m_pos;
    } else if (c == '/' && peek(1) == '*') {
      int startLine = m_line;
      m_pos += 2;
      for (;;) {
        if (atEnd()) failAt(startLine, "comment not closed: */ missing");
        if (peek() == '*' && peek(1) == '/') {
          m_pos += 2;
          break;
        }
        if (peek() == '\n') ++m_line;
        ++m_pos;
      }
    } else {
      return false;
    }
  }
  return false;
}

Token Lexer::next(bool inDirective) {
  bool lineEnd = skipSpaceAndComments(inDirective);
  Token token;
  token.where = here();
  if (lineEnd) {
    token.kind = TokenKind::Newline;
    return token;
  }
  if (atEnd()) {
    token.kind = inDirective ? TokenKind::Newline : TokenKind::End;
    return token;
  }
  bool lineStart = m_lineStart;
  m_lineStart = false;
  char c = peek();
  if (isIdentifierStart(c)) {
    if ((c == 'L' || c == 'l') && peek(1) == '"')
      fail("wide strings (L\"...\") are not supported; write a plain string in UTF-8");
    std::size_t start = m_pos;
    while (!atEnd() && isIdentifierChar(peek())) ++m_pos;
    token.kind = TokenKind::Identifier;
    token.text = m_text.substr(start, m_pos - start);
    return token;
  }
  if (isDigit(c)) return lexNumber();
  if (c == '"') return lexString();
  ++m_pos;
  switch (c) {
    case ',': token.kind = TokenKind::Comma; return token;
    case '|': token.kind = TokenKind::Pipe; return token;
    case '(': token.kind = TokenKind::LParen; return token;
    case ')': token.kind = TokenKind::RParen; return token;
    case '{': token.kind = TokenKind::LBrace; return token;
    case '}': token.kind = TokenKind::RBrace; return token;
    case '-': token.kind = TokenKind::Minus; return token;
    case '#':
      if (!lineStart || inDirective) fail("'#' must begin a line");
      token.kind = TokenKind::Hash;
      return token;
    default:
      --m_pos;
      fail(describe(c));
  }
}

Token Lexer::lexNumber() {
  Token token;
  token.kind = TokenKind::Number;
  token.where = here();
  std::size_t start = m_pos;
  while (!atEnd() && isIdentifierChar(peek())) ++m_pos;
  token.text = m_text.substr(start, m_pos - start);

  std::string digits = token.text;
  while (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l' || digits.back() == 'U' ||
                             digits.back() == 'u') &&
         token.text.size() - digits.size() < 2)
    digits.pop_back();
  int base = 10;
  std::size_t first = 0;
  if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    first = 2;
  }
  if (first == digits.size()) fail("malformed number '" + token.text + "'");
  std::uint64_t value = 0;
  for (std::size_t i = first; i < digits.size(); ++i) {
    int digit = base == 16 ? hexValue(digits[i]) : (isDigit(digits[i]) ? digits[i] - '0' : -1);
    if (digit < 0) fail("malformed number '" + token.text + "'");
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) fail("number '" + token.text + "' does not fit in 32 bits");
  }
  token.number = static_cast<std::uint32_t>(value);
  return token;
}

void Lexer::readEscape(std::string& out) {
  ++m_pos;  // the backslash
  char c = peek();
  unsigned value = 0;
  switch (c) {
    case 'n': out += '\n'; ++m_pos; return;
    case 't': out += '\t'; ++m_pos; return;
    case 'r': out += '\r'; ++m_pos; return;
    case '\\': out += '\\'; ++m_pos; return;
    case '"': out += '"'; ++m_pos; return;
    case 'x':
    case 'X': {
      ++m_pos;
      int digits = 0;
      while (digits < 2 && hexValue(peek()) >= 0) {
        value = value * 16 + static_cast<unsigned>(hexValue(peek()));
        ++m_pos;
        ++digits;
      }
      if (digits == 0) fail("\\x without hexadecimal digits in a string");
      break;
    }
    default:
      if (c >= '0' && c <= '7') {
        int digits = 0;
        while (digits < 3 && peek() >= '0' && peek() <= '7') {
          value = value * 8 + static_cast<unsigned>(peek() - '0');
          ++m_pos;
          ++digits;
        }
        break;
      }
      if (c == '\n' || c == '\r' || atEnd()) fail("string not closed before the end of the line");
      if (static_cast<unsigned char>(c) < 0x80)
        fail(std::string("unknown escape \\") + c + " in a string");
      fail("unknown escape in a string: a backslash before a non-ASCII character");
  }
  // Escapes stand for ASCII only, which every code page shares; other characters are
  // written as themselves so that both resource compilers read them the same way.
  if (value > 0x7F) fail("escape for a byte above 0x7F; write the character itself");
  out += static_cast<char>(value);
}

void Lexer::readUtf8(std::string& out) {
  auto lead = static_cast<unsigned char>(peek());
  int trail = 0;
  std::uint32_t codePoint = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail = 1;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail = 2;
    codePoint = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail = 3;
    codePoint = lead & 0x07u;
  } else {
    fail("the script is not valid UTF-8");
  }
  for (int i = 1; i <= trail; ++i) {
    auto byte = static_cast<unsigned char>(peek(static_cast<std::size_t>(i)));
    if ((byte & 0xC0) != 0x80) fail("the script is not valid UTF-8");
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  bool overlong = (trail == 2 && codePoint < 0x800) || (trail == 3 && codePoint < 0x10000);
  if (overlong || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    fail("the script is not valid UTF-8");
  out.append(m_text, m_pos, static_cast<std::size_t>(trail) + 1);
  m_pos += static_cast<std::size_t>(trail) + 1;
}

Token Lexer::lexString() {
  Token token;
  token.kind = TokenKind::String;
  token.where = here();
  ++m_pos;
  for (;;) {
    if (atEnd() || peek() == '\n' || (peek() == '\r' && peek(1) == '\n'))
      fail("string not closed before the end of the line");
    char c = peek();
    if (c == '"') {
      if (peek(1) == '"') {
        token.text += '"';
        m_pos += 2;
        continue;
      }
      ++m_pos;
      return token;
    }
    if (c == '\\') {
      readEscape(token.text);
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      token.nonAscii = true;
      readUtf8(token.text);
    } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      fail("control character in a string; write it as an escape");
    } else {
      token.text += c;
      ++m_pos;
    }
  }
}

bool Lexer::skipToDirective() {
  for (;;) {
    if (skipSpaceAndComments(true)) {
      ++m_pos;
      ++m_line;
      m_lineStart = true;
      continue;
    }
    if (atEnd()) return false;
    if (m_lineStart && peek() == '#') return true;
    skipLine();
  }
}

std::string Lexer::restOfLine() {
  std::size_t start = m_pos;
  while (!atEnd() && peek() != '\n') ++m_pos;
  return m_text.substr(start, m_pos - start);
}

void Lexer::skipLine() {
  while (!atEnd()) {
    if (peek() == '/' && peek(1) == '*') {
      // A comment opened here may run past the line end; it hides what it spans.
      skipSpaceAndComments(true);
      continue;
    }
    if (peek() == '\n') {
      ++m_pos;
      ++m_line;
      m_lineStart = true;
      return;
    }
    ++m_pos;
  }
}

}  // namespace kvr::rc
