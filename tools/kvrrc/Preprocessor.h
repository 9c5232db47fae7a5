#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FileSource.h"
#include "Lexer.h"
#include "WindowsConstants.h"

namespace kvr::rc {

inline constexpr int kMaxIncludeDepth = 16;
inline constexpr int kMaxIncludes = 1000;

// The tokens of a script with its directives carried out: #include "file" (relative to the
// including file), #include <system header>, #define NAME [number], #undef, #ifdef, #ifndef,
// #else, #endif, #pragma code_page(65001) and #pragma once. RC_INVOKED is defined, as the
// Windows resource compilers define it.
class Preprocessor {
 public:
  Preprocessor(FileSource& files, const std::string& script);

  Token next();

  // The value of a name: a #define first, then a Windows constant of an included system
  // header. Throws at `where` for a name defined without a value or not known.
  std::uint32_t valueOf(const Token& name) const;
  bool knows(const std::string& name) const;

  // The directory of the file `where` names, for files a statement refers to.
  static std::string directoryOf(const std::string& file);

  // Every file read, the script first.
  const std::vector<std::string>& filesRead() const { return m_filesRead; }

 private:
  struct Condition {
    bool taken;         // this group's lines are read
    bool parentTaken;   // the enclosing group's lines are read
    bool seenElse;
    Location where;
  };
  struct Frame {
    Lexer lexer;
    std::vector<Condition> conditions;
  };
  struct Define {
    std::optional<std::uint32_t> value;
    Location where;
  };

  bool reading(const Frame& frame) const {
    return frame.conditions.empty() || frame.conditions.back().taken;
  }
  void pushFile(const std::string& path, const Location& from);
  void endOfFile();
  void directive(Frame& frame);
  void include(Frame& frame, const Location& where);
  void define(Frame& frame, const Location& where);
  void pragma(Frame& frame, const Location& where);
  std::string expectName(Frame& frame, const std::string& directive);
  void expectLineEnd(Frame& frame, const std::string& directive);

  FileSource& m_files;
  std::vector<Frame> m_frames;
  std::map<std::string, Define> m_defines;
  std::set<std::string> m_onceFiles;
  std::vector<std::string> m_filesRead;
  SystemHeader m_systemHeader = SystemHeader::None;
  bool m_utf8 = false;
  int m_includeCount = 0;
  Location m_last;
};

}  // namespace kvr::rc
