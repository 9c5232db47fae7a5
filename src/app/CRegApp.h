#pragma once

#include <string>
#include <vector>

#include "app/CRegCommandLineInfo.h"
#include "ui/CWinApp.h"

namespace kvr {

// The application object. InitInstance runs the whole program: the start window is a modal
// dialog and every page runs modally from the handler of the window before it, so when the
// start window's loop ends there is nothing left to do.
class CRegApp : public ui::CWinApp {
 public:
  // The process exit code when the user interface could not be started.
  static constexpr int kNoTerminal = 3;
  // The exit code when the headless backend's script ran out while a window still waited,
  // or a step did not fit the window in front.
  static constexpr int kScriptEnded = 4;

  CRegApp();

  // The arguments InitInstance parses (argv[0] is the program).
  void setCommandLine(int argc, char** argv);
  bool InitInstance() override;
  int ExitInstance() override;

  const CRegCommandLineInfo& commandLineInfo() const { return m_commandLineInfo; }

 private:
  std::vector<std::string> m_arguments;
  CRegCommandLineInfo m_commandLineInfo;
  int m_exitCode = 0;
};

CRegApp& theApp();

}  // namespace kvr
