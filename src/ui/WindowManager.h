#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "ui/Backend.h"
#include "ui/WinTypes.h"

namespace kvr::ui {

class CWnd;

// The UI thread's windows, message queue and timers, and the loop every modal dialog runs.
// Everything but post() and waitForPost() belongs to the UI thread.
class WindowManager {
 public:
  // Posts beyond this many waiting messages are refused, so a runaway poster cannot grow the
  // queue without bound.
  static constexpr std::size_t kQueueLimit = 10000;

  static WindowManager& instance();

  // The backend in use; a headless one until another is set. Returns the one it replaces.
  std::unique_ptr<Backend> setBackend(std::unique_ptr<Backend> backend);
  Backend& backend() { return *m_backend; }

  HWND attach(CWnd& window);
  void detach(HWND hwnd);
  CWnd* fromHandle(HWND hwnd) const;
  // Top-level windows, in the order they were created (the last one is in front).
  std::vector<CWnd*> windows() const;

  // Any thread. False when the queue is full.
  bool post(const MSG& msg);
  // Any thread: waits up to `timeout` for a posted message; true when one is waiting.
  bool waitForPost(std::chrono::milliseconds timeout);

  void setTimer(HWND hwnd, UINT_PTR id, UINT milliseconds);
  bool killTimer(HWND hwnd, UINT_PTR id);
  void invalidate(HWND hwnd);

  // Dispatches messages until `done` holds; nested calls make nested modal loops.
  void runUntil(const std::function<bool()>& done);
  int loopDepth() const { return m_depth; }

 private:
  WindowManager();

  struct Timer {
    HWND hwnd;
    UINT_PTR id;
    std::chrono::milliseconds interval;
    std::chrono::milliseconds due;
  };

  bool popPosted(MSG& msg);
  bool sendDueTimer();
  bool paintOne();
  void dispatch(const MSG& msg);

  std::unique_ptr<Backend> m_backend;
  std::map<HWND, CWnd*> m_windows;
  HWND m_nextHandle = 1;
  std::vector<Timer> m_timers;
  std::vector<HWND> m_invalid;
  int m_depth = 0;

  std::mutex m_mutex;
  std::condition_variable m_posted;
  std::deque<MSG> m_queue;
};

}  // namespace kvr::ui
