#include "ui/headless/HeadlessBackend.h"

#include <string>

#include "ui/WindowManager.h"

namespace kvr::ui {

void HeadlessBackend::idle(WindowManager& manager, std::optional<std::chrono::milliseconds>) {
  if (!m_steps.empty()) {
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    step();
    return;
  }
  // Only another thread can still bring something.
  if (manager.waitForPost(m_watchdog)) return;
  throw LoopStalled("the UI waited " + std::to_string(m_watchdog.count()) +
                    " ms with no step left and nothing posted (modal depth " +
                    std::to_string(manager.loopDepth()) + ")");
}

}  // namespace kvr::ui
