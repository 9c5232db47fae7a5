#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ui/WinTypes.h"

namespace kvr::ui {

class CWnd;
class WindowManager;

// What a message box showed: its caption, text, icon (one of the MB_ICON* values or 0) and
// buttons (control ids in order), and the button that ended it.
struct MessageBoxRecord {
  std::string caption;
  std::string text;
  UINT icon = 0;
  std::vector<int> buttons;
  int answer = 0;
};

// Where windows appear and input comes from. The window manager calls it from the UI thread.
class Backend {
 public:
  virtual ~Backend() = default;

  // The clock that timers run on.
  virtual std::chrono::milliseconds now() const = 0;
  // Nothing is queued and no timer is due: bring in input, wait for a post from another thread
  // (WindowManager::waitForPost) or for `nextTimer` (on now()'s clock), then return.
  virtual void idle(WindowManager& manager, std::optional<std::chrono::milliseconds> nextTimer) = 0;

  virtual void windowOpened(CWnd&) {}
  virtual void windowClosed(CWnd&) {}
  // After a window's state changed (shown, hidden, text, focus); the terminal redraws.
  virtual void windowChanged(CWnd&) {}
  virtual void messageBoxClosed(const MessageBoxRecord&) {}
};

}  // namespace kvr::ui
