#pragma once

#include <sstream>
#include <string>

#include "log/DebugLog.h"

namespace kvr::test {

// Collects what is written to the debug log while it lives.
class LogCapture {
 public:
  LogCapture() : m_old(debugLog().rdbuf(m_buffer.rdbuf())) {}
  ~LogCapture() { debugLog().rdbuf(m_old); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::string text() const { return m_buffer.str(); }

 private:
  std::ostringstream m_buffer;
  std::streambuf* m_old;
};

}  // namespace kvr::test
