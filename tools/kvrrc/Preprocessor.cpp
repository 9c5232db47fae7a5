#include "Preprocessor.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "CompileError.h"

namespace kvr::rc {

namespace {

std::string trimmed(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// An #include line's text without its comments; nullopt when a comment runs past the line.
std::optional<std::string> withoutComments(const std::string& text) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '/' && i + 1 < text.size() && text[i + 1] == '/') break;
    if (!quoted && c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      auto close = text.find("*/", i + 2);
      if (close == std::string::npos) return std::nullopt;
      i = close + 1;
      out += ' ';
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace

Preprocessor::Preprocessor(FileSource& files, const std::string& script,
                           std::vector<std::string> includeDirs)
    : m_files(files), m_script(script), m_includeDirs(std::move(includeDirs)) {
  m_defines["RC_INVOKED"] = Define{1u, std::nullopt, false, Location{"<built-in>", 0}};
  std::string bytes;
  std::string error;
  if (!m_files.read(script, bytes, error))
    throw CompileError(Location{script, 0}, "cannot read the script: " + error);
  m_filesRead.push_back(script);
  m_frames.push_back(Frame{Lexer(script, std::move(bytes)), {}});
  m_last = Location{script, 1};
}

std::string Preprocessor::directoryOf(const std::string& file) {
  return std::filesystem::path(file).parent_path().string();
}

namespace {

std::string joined(const std::string& directory, const std::string& name) {
  return (std::filesystem::path(directory) / name).lexically_normal().string();
}

}  // namespace

std::vector<std::string> Preprocessor::pictureCandidates(const std::string& name) const {
  if (std::filesystem::path(name).is_absolute()) return {name};
  std::vector<std::string> candidates;
  for (const auto& directory : m_includeDirs) candidates.push_back(joined(directory, name));
  candidates.push_back(joined(directoryOf(m_script), name));
  return candidates;
}

void Preprocessor::pushFile(const std::vector<std::string>& candidates, const Location& from) {
  std::string path;
  std::string bytes;
  std::string error;
  if (!readFirst(m_files, candidates, path, bytes, error)) throw CompileError(from, error);
  if (m_onceFiles.count(path) != 0) return;
  if (static_cast<int>(m_frames.size()) >= kMaxIncludeDepth)
    throw CompileError(from, "#include nested more than " + std::to_string(kMaxIncludeDepth) +
                                 " deep (does a file include itself?)");
  if (++m_includeCount > kMaxIncludes)
    throw CompileError(from, "more than " + std::to_string(kMaxIncludes) + " #include lines");
  if (std::find(m_filesRead.begin(), m_filesRead.end(), path) == m_filesRead.end())
    m_filesRead.push_back(path);
  m_frames.push_back(Frame{Lexer(path, std::move(bytes)), {}});
}

void Preprocessor::endOfFile() {
  Frame& frame = m_frames.back();
  if (!frame.conditions.empty())
    throw CompileError(frame.conditions.back().where, "#ifdef or #ifndef without #endif");
  m_last = Location{frame.lexer.file(), frame.lexer.line()};
  m_frames.pop_back();
}

Token Preprocessor::next() {
  for (;;) {
    if (m_frames.empty()) {
      Token end;
      end.where = m_last;
      return end;
    }
    Frame& frame = m_frames.back();
    if (!reading(frame) && !frame.lexer.skipToDirective()) {
      endOfFile();
      continue;
    }
    Token token = frame.lexer.next(false);
    if (token.kind == TokenKind::End) {
      endOfFile();
      continue;
    }
    if (token.kind == TokenKind::Hash) {
      directive(frame);
      continue;
    }
    if (token.kind == TokenKind::Identifier) {
      auto found = m_defines.find(token.text);
      if (found != m_defines.end() && found->second.text) token = expand(token, found->second);
    }
    if (token.kind == TokenKind::String && token.nonAscii && !m_utf8)
      throw CompileError(token.where,
                       "text beyond ASCII before #pragma code_page(65001); scripts are UTF-8" +
                           (token.macro.empty() ? std::string()
                                                : " (in " + token.macro + ", defined at " +
                                                      token.textWhere.file + ":" +
                                                      std::to_string(token.textWhere.line) + ")"));
    m_last = token.where;
    return token;
  }
}

Token Preprocessor::expand(const Token& name, const Define& definition) const {
  Token text;
  text.kind = TokenKind::String;
  text.text = *definition.text;
  text.nonAscii = definition.nonAscii;
  text.where = name.where;
  text.textWhere = definition.where;
  text.macro = name.text;
  return text;
}

std::string Preprocessor::expectName(Frame& frame, const std::string& directive) {
  Token name = frame.lexer.next(true);
  if (name.kind != TokenKind::Identifier)
    throw CompileError(name.where, "#" + directive + " needs a name");
  return name.text;
}

void Preprocessor::expectLineEnd(Frame& frame, const std::string& directive) {
  Token extra = frame.lexer.next(true);
  if (extra.kind != TokenKind::Newline)
    throw CompileError(extra.where, "unexpected text after #" + directive);
}

void Preprocessor::directive(Frame& frame) {
  Token word = frame.lexer.next(true);
  if (word.kind == TokenKind::Newline) return;  // a lone '#'
  const Location where = word.where;
  if (word.kind != TokenKind::Identifier) {
    if (!reading(frame)) return frame.lexer.skipLine();
    throw CompileError(where, "a directive name must follow '#'");
  }
  const std::string& name = word.text;

  if (name == "ifdef" || name == "ifndef" || name == "if") {
    if (!reading(frame)) {
      frame.conditions.push_back(Condition{false, false, false, where});
      return frame.lexer.skipLine();
    }
    if (name == "if")
      throw CompileError(where, "#if is not supported; use #ifdef or #ifndef");
    std::string tested = expectName(frame, name);
    expectLineEnd(frame, name);
    bool defined = knows(tested);
    frame.conditions.push_back(Condition{name == "ifdef" ? defined : !defined, true, false, where});
    return;
  }
  if (name == "else" || name == "endif") {
    if (frame.conditions.empty())
      throw CompileError(where, "#" + name + " without #ifdef or #ifndef");
    Condition& condition = frame.conditions.back();
    if (condition.parentTaken) expectLineEnd(frame, name);
    else frame.lexer.skipLine();
    if (name == "endif") {
      frame.conditions.pop_back();
    } else {
      if (condition.seenElse) throw CompileError(where, "a second #else for the same #ifdef");
      condition.seenElse = true;
      condition.taken = condition.parentTaken && !condition.taken;
    }
    return;
  }
  if (!reading(frame)) return frame.lexer.skipLine();

  if (name == "include") return include(frame, where);
  if (name == "define") return define(frame, where);
  if (name == "pragma") return pragma(frame, where);
  if (name == "undef") {
    std::string undefined = expectName(frame, name);
    expectLineEnd(frame, name);
    m_defines.erase(undefined);
    return;
  }
  if (name == "elif")
    throw CompileError(where, "#elif is not supported; use #ifdef, #else and #endif");
  throw CompileError(where, "unknown directive #" + name);
}

void Preprocessor::include(Frame& frame, const Location& where) {
  auto line = withoutComments(frame.lexer.restOfLine());
  if (!line) throw CompileError(where, "a comment after #include must end on the same line");
  std::string target = trimmed(*line);
  if (target.size() >= 2 && target.front() == '<' && target.back() == '>') {
    std::string header = target.substr(1, target.size() - 2);
    auto known = systemHeaderFor(header);
    if (!known)
      throw CompileError(where, "unknown system header <" + header +
                                    ">; kvrrc knows <winres.h>, <winresrc.h>, <windows.h>, "
                                    "<afxres.h> and <commctrl.h>");
    if (*known == SystemHeader::WinRes || m_systemHeader == SystemHeader::None)
      m_systemHeader = *known;
    return;
  }
  if (target.size() < 2 || target.front() != '"' || target.back() != '"' ||
      target.find('"', 1) != target.size() - 1)
    throw CompileError(where, "#include needs \"file\" or <header>");
  std::string name = target.substr(1, target.size() - 2);
  if (name.empty()) throw CompileError(where, "#include of an empty file name");
  std::vector<std::string> candidates;
  if (std::filesystem::path(name).is_absolute()) {
    candidates.push_back(name);
  } else {
    candidates.push_back(joined(directoryOf(frame.lexer.file()), name));
    for (const auto& directory : m_includeDirs) candidates.push_back(joined(directory, name));
  }
  // Last: pushing a file moves the frames, `frame` among them.
  pushFile(candidates, where);
}

void Preprocessor::define(Frame& frame, const Location& where) {
  static constexpr const char* kOnlyNumberOrText = ": only a number or a text can be defined here";
  std::string name = expectName(frame, "define");
  Define definition;
  definition.where = where;
  Token token = frame.lexer.next(true);
  if (token.kind == TokenKind::String) {
    definition.text = token.text;
    definition.nonAscii = token.nonAscii;
    Token extra = frame.lexer.next(true);
    if (extra.kind == TokenKind::String)
      throw CompileError(where, "#define " + name + ": write the text as one string");
    if (extra.kind != TokenKind::Newline)
      throw CompileError(extra.where, "unexpected text after #define " + name);
  } else if (token.kind != TokenKind::Newline) {
    bool parenthesised = token.kind == TokenKind::LParen;
    if (parenthesised) token = frame.lexer.next(true);
    bool negative = token.kind == TokenKind::Minus;
    if (negative) token = frame.lexer.next(true);
    if (token.kind != TokenKind::Number)
      throw CompileError(where, "#define " + name + kOnlyNumberOrText);
    definition.value = negative ? 0u - token.number : token.number;
    if (parenthesised) {
      Token close = frame.lexer.next(true);
      if (close.kind != TokenKind::RParen)
        throw CompileError(where, "#define " + name + kOnlyNumberOrText);
    }
    expectLineEnd(frame, "define " + name);
  }
  auto old = m_defines.find(name);
  if (old != m_defines.end() && !(old->second == definition))
    throw CompileError(where, name + " redefined with another value (first defined at " +
                                  old->second.where.file + ":" +
                                  std::to_string(old->second.where.line) + ")");
  if (old == m_defines.end()) m_defines.emplace(name, definition);
}

void Preprocessor::pragma(Frame& frame, const Location& where) {
  std::string name = expectName(frame, "pragma");
  if (name == "once") {
    expectLineEnd(frame, "pragma once");
    m_onceFiles.insert(frame.lexer.file());
    return;
  }
  if (name != "code_page") throw CompileError(where, "unknown #pragma " + name);
  Token open = frame.lexer.next(true);
  Token page = frame.lexer.next(true);
  Token close = frame.lexer.next(true);
  if (open.kind != TokenKind::LParen || close.kind != TokenKind::RParen ||
      (page.kind != TokenKind::Number && page.kind != TokenKind::Identifier))
    throw CompileError(where, "#pragma code_page needs a code page in parentheses");
  if (page.kind != TokenKind::Number || page.number != 65001)
    throw CompileError(where, "#pragma code_page(" + page.text +
                                  ") is not supported; scripts are UTF-8: code_page(65001)");
  expectLineEnd(frame, "pragma code_page");
  m_utf8 = true;
}

bool Preprocessor::knows(const std::string& name) const {
  return m_defines.count(name) != 0 || windowsConstant(name, m_systemHeader).has_value();
}

std::uint32_t Preprocessor::valueOf(const Token& name) const {
  auto found = m_defines.find(name.text);
  if (found != m_defines.end()) {
    if (!found->second.value)
      throw CompileError(name.where, name.text + " is defined without a value");
    return *found->second.value;
  }
  if (auto constant = windowsConstant(name.text, m_systemHeader)) return *constant;
  if (windowsConstant(name.text, SystemHeader::WinRes))
    throw CompileError(name.where, "unknown name " + name.text + " (#include <winres.h> defines it)");
  throw CompileError(name.where, "unknown name " + name.text);
}

}  // namespace kvr::rc
