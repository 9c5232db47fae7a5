#pragma once

#include <stdexcept>
#include <string>

#include "Script.h"

namespace kvr::rc {

// Anything kvrrc cannot compile; what() reads "file:line: message" ("file: message" when no
// line applies, as for a script that cannot be read).
class CompileError : public std::runtime_error {
 public:
  CompileError(const Location& where, const std::string& message)
      : std::runtime_error(where.file + (where.line > 0 ? ":" + std::to_string(where.line) : "") +
                           ": " + message),
        m_where(where),
        m_message(message) {}

  const Location& where() const { return m_where; }
  const std::string& message() const { return m_message; }

 private:
  Location m_where;
  std::string m_message;
};

}  // namespace kvr::rc
