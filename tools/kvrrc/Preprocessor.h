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

// The tokens of a script with its directives carried out, as the C preprocessor in front of
// windres does: #include "file" (beside the including file, then in the include directories),
// #include <system header>, #define NAME [number | "text"], #undef, #ifdef, #ifndef, #else,
// #endif, #pragma code_page(65001) and #pragma once. A name #defined as a text becomes that
// string token wherever it is used. RC_INVOKED is defined, as the Windows resource compilers
// define it.
class Preprocessor {
 public:
  // `includeDirs` are searched, in order, like windres's -I directories.
  Preprocessor(FileSource& files, const std::string& script,
               std::vector<std::string> includeDirs = {});

  Token next();

  // The value of a name: a #define first, then a Windows constant of an included system
  // header. Throws at `where` for a name defined without a value or not known.
  std::uint32_t valueOf(const Token& name) const;
  bool knows(const std::string& name) const;

  // Where windres looks for a file a BITMAP or ICON statement names, in order: the include
  // directories, then the directory of the top-level script (never that of an included file).
  std::vector<std::string> pictureCandidates(const std::string& name) const;

  static std::string directoryOf(const std::string& file);

  // Every file read, once each, the script first.
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
    std::optional<std::string> text;
    bool nonAscii = false;
    Location where;

    bool operator==(const Define& other) const {
      return value == other.value && text == other.text;
    }
  };

  bool reading(const Frame& frame) const {
    return frame.conditions.empty() || frame.conditions.back().taken;
  }
  void pushFile(const std::vector<std::string>& candidates, const Location& from);
  Token expand(const Token& name, const Define& definition) const;
  void endOfFile();
  void directive(Frame& frame);
  void include(Frame& frame, const Location& where);
  void define(Frame& frame, const Location& where);
  void pragma(Frame& frame, const Location& where);
  std::string expectName(Frame& frame, const std::string& directive);
  void expectLineEnd(Frame& frame, const std::string& directive);

  FileSource& m_files;
  std::string m_script;
  std::vector<std::string> m_includeDirs;
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
