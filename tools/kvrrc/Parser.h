#pragma once

#include <cstdint>
#include <string>

#include "FileSource.h"
#include "Preprocessor.h"
#include "Script.h"

namespace kvr::rc {

// Longest string-table entry, in characters, as the Windows string table allows.
inline constexpr std::size_t kMaxStringCharacters = 4096;
inline constexpr std::size_t kMaxControlsPerDialog = 65535;
// Deepest nesting of parentheses and signs in a value, so no script can exhaust the stack.
inline constexpr int kMaxValueNesting = 32;

// Reads the statements of a script: LANGUAGE, STRINGTABLE, DIALOGEX with its controls, BITMAP
// and ICON (whose files it loads where windres finds them: Preprocessor::pictureCandidates).
// Texts stay UTF-8.
class Parser {
 public:
  Parser(Preprocessor& tokens, FileSource& files) : m_tokens(tokens), m_files(files) {}

  Script parse();

 private:
  const Token& peek();
  Token take();
  bool peekIs(TokenKind kind);
  bool peekWord(const char* word);
  [[noreturn]] void unexpected(const Token& token, const std::string& expected);
  void expect(TokenKind kind, const std::string& what);
  void comma(const std::string& context);

  std::uint32_t value(const std::string& what);
  std::uint32_t orValue(const std::string& what);
  std::uint32_t styleExpression(std::uint32_t start, const std::string& what);
  std::uint32_t exStyleExpression(const std::string& what);
  std::uint32_t resourceId(const Token& at, std::uint32_t value, std::uint32_t lowest);
  std::int16_t coordinate(const std::string& what);
  Text text(const std::string& what);
  void skipMemoryFlags();
  bool blockStart();
  bool blockEnd();

  void language(const Token& keyword);
  void stringTable(const Token& keyword);
  void dialog(const Token& idToken, std::uint32_t id);
  void control(Dialog& dialog, const Token& keyword);
  void binary(const Token& idToken, std::uint32_t id, bool icon);

  Preprocessor& m_tokens;
  FileSource& m_files;
  Script m_script;
  Token m_peeked;
  bool m_havePeeked = false;
  int m_valueDepth = 0;
};

}  // namespace kvr::rc
