#include "ui/WindowManager.h"

#include <algorithm>

#include "log/DebugLog.h"
#include "ui/CWnd.h"
#include "ui/DropDownList.h"
#include "ui/headless/HeadlessBackend.h"

namespace kvr::ui {

WindowManager& WindowManager::instance() {
  static WindowManager manager;
  return manager;
}

WindowManager::WindowManager() : m_backend(std::make_unique<HeadlessBackend>()) {}

std::unique_ptr<Backend> WindowManager::setBackend(std::unique_ptr<Backend> backend) {
  std::swap(m_backend, backend);
  return backend;
}

HWND WindowManager::attach(CWnd& window) {
  HWND hwnd = m_nextHandle++;
  m_windows.emplace(hwnd, &window);
  return hwnd;
}

void WindowManager::detach(HWND hwnd) {
  m_windows.erase(hwnd);
  std::erase_if(m_timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
  std::erase(m_invalid, hwnd);
}

CWnd* WindowManager::fromHandle(HWND hwnd) const {
  auto it = m_windows.find(hwnd);
  return it == m_windows.end() ? nullptr : it->second;
}

std::vector<CWnd*> WindowManager::windows() const {
  std::vector<CWnd*> list;
  for (const auto& [hwnd, window] : m_windows) list.push_back(window);
  return list;
}

bool WindowManager::post(const MSG& msg) {
  {
    std::lock_guard lock(m_mutex);
    if (m_queue.size() >= kQueueLimit) return false;
    m_queue.push_back(msg);
  }
  m_posted.notify_all();
  return true;
}

bool WindowManager::waitForPost(std::chrono::milliseconds timeout) {
  std::unique_lock lock(m_mutex);
  return m_posted.wait_for(lock, timeout, [this] { return !m_queue.empty(); });
}

bool WindowManager::popPosted(MSG& msg) {
  std::lock_guard lock(m_mutex);
  if (m_queue.empty()) return false;
  msg = m_queue.front();
  m_queue.pop_front();
  return true;
}

void WindowManager::setTimer(HWND hwnd, UINT_PTR id, UINT milliseconds) {
  auto interval = std::chrono::milliseconds(milliseconds);
  auto due = m_backend->now() + interval;
  for (Timer& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.interval = interval;
      t.due = due;
      return;
    }
  }
  m_timers.push_back(Timer{hwnd, id, interval, due});
}

bool WindowManager::killTimer(HWND hwnd, UINT_PTR id) {
  return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void WindowManager::invalidate(HWND hwnd) {
  if (std::find(m_invalid.begin(), m_invalid.end(), hwnd) == m_invalid.end()) m_invalid.push_back(hwnd);
}

// Like WM_TIMER in Windows: made when the queue is empty, at most one per due timer however
// many intervals have passed.
bool WindowManager::sendDueTimer() {
  auto now = m_backend->now();
  auto due = std::min_element(m_timers.begin(), m_timers.end(),
                              [](const Timer& a, const Timer& b) { return a.due < b.due; });
  if (due == m_timers.end() || due->due > now) return false;
  MSG msg{due->hwnd, WM_TIMER, due->id, 0};
  due->due = now + std::max(due->interval, std::chrono::milliseconds(1));
  dispatch(msg);
  return true;
}

bool WindowManager::paintOne() {
  if (m_invalid.empty()) return false;
  HWND hwnd = m_invalid.front();
  m_invalid.erase(m_invalid.begin());
  if (CWnd* window = fromHandle(hwnd)) window->SendMessage(WM_PAINT);
  return true;
}

void WindowManager::dispatch(const MSG& msg) {
  CWnd* target = fromHandle(msg.hwnd);
  if (!target) return;  // the window is gone
  MSG copy = msg;
  if (dropdown::takeInput(*target, copy)) return;
  if (!target->PreTranslateMessage(&copy)) target->SendMessage(copy.message, copy.wParam, copy.lParam);
}

void WindowManager::runUntil(const std::function<bool()>& done) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(m_depth);
  while (!done()) {
    MSG msg;
    if (popPosted(msg)) {
      dispatch(msg);
      continue;
    }
    if (sendDueTimer() || paintOne()) continue;
    std::optional<std::chrono::milliseconds> next;
    for (const Timer& t : m_timers)
      if (!next || t.due < *next) next = t.due;
    m_backend->idle(*this, next);
  }
}

}  // namespace kvr::ui
