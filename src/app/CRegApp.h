#pragma once

#include "app/CRegCommandLineInfo.h"

namespace kvr {

class CRegApp {
 public:
  // Runs the whole program; returns false when the process should end (always, as the
  // wizard has no main loop of its own beyond the start window's).
  bool InitInstance(int argc, char** argv);
  int ExitInstance();

  const CRegCommandLineInfo& commandLineInfo() const { return m_commandLineInfo; }

 private:
  CRegCommandLineInfo m_commandLineInfo;
};

CRegApp& theApp();

}  // namespace kvr
