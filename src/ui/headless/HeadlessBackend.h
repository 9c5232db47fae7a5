#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "ui/Backend.h"

namespace kvr::ui {

// Thrown out of the message loop when the UI waits for something that can no longer come:
// no scripted step is left, nothing was posted within the watchdog time. Every modal loop
// unwinds and destroys its dialog on the way out.
class LoopStalled : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The backend of the tests: no screen; input comes from a script of steps, each run when
// the UI has nothing else to do; timers run on a virtual clock that only steps move.
class HeadlessBackend : public Backend {
 public:
  using Step = std::function<void()>;

  std::chrono::milliseconds now() const override { return m_now; }
  void idle(WindowManager& manager, std::optional<std::chrono::milliseconds> nextTimer) override;
  void messageBoxClosed(const MessageBoxRecord& record) override { m_messageBoxes.push_back(record); }

  void addStep(Step step) { m_steps.push_back(std::move(step)); }
  std::size_t pendingSteps() const { return m_steps.size(); }
  void advance(std::chrono::milliseconds by) { m_now += by; }
  void setWatchdog(std::chrono::milliseconds limit) { m_watchdog = limit; }
  const std::vector<MessageBoxRecord>& messageBoxes() const { return m_messageBoxes; }

 private:
  std::deque<Step> m_steps;
  std::chrono::milliseconds m_now{0};
  std::chrono::milliseconds m_watchdog{5000};
  std::vector<MessageBoxRecord> m_messageBoxes;
};

}  // namespace kvr::ui
