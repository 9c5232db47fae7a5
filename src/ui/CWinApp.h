#pragma once

#include <memory>
#include <string>

#include "ui/WinTypes.h"

namespace kvr::ui {

class CWnd;
class CPalette;

// The application object: one per process, reached by AfxGetApp(). It holds the main window
// and the palette every window with artwork selects. InitInstance runs the program (the
// wizard's first dialog runs modally inside it); Run returns ExitInstance's exit code.
class CWinApp {
 public:
  explicit CWinApp(std::string appName = {});
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // False when the program has nothing more to do after it (the wizard's case).
  virtual bool InitInstance() { return false; }
  virtual int ExitInstance() { return 0; }
  int Run();

  const std::string& appName() const { return m_appName; }
  CPalette* palette() const { return m_palette.get(); }
  // The icon `id` of the active resources; 0 when they lack it (ui::loadIcon).
  HICON LoadIcon(unsigned id) const;
  void setPalette(std::unique_ptr<CPalette> palette);

  // The window message boxes are owned by when no other owner is given.
  CWnd* m_pMainWnd = nullptr;

 private:
  std::string m_appName;
  std::unique_ptr<CPalette> m_palette;
};

// Null when no application object exists.
CWinApp* AfxGetApp();

}  // namespace kvr::ui
