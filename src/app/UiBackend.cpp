#include "app/UiBackend.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <memory>
#include <sstream>

#include "log/DebugLog.h"
#include "ui/WindowManager.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/headless/HeadlessDriver.h"
#include "ui/terminal/TerminalBackend.h"

namespace kvr {

namespace {

std::unique_ptr<ui::HeadlessDriver> g_driver;

// The debug trace shares the terminal with the dialogs; while they are shown it is held
// here and written out once the terminal is restored. Past the limit lines are dropped and
// counted.
class HeldTrace : public std::streambuf {
 public:
  static constexpr std::size_t kLimit = 4 * 1024 * 1024;

  void hold() { m_previous = std::cout.rdbuf(this); }
  void release() {
    if (!m_previous) return;
    std::cout.rdbuf(m_previous);
    m_previous = nullptr;
    std::cout << m_text;
    if (m_dropped) std::cout << "(" << m_dropped << " bytes of trace dropped)" << std::endl;
    std::cout.flush();
    m_text.clear();
    m_dropped = 0;
  }

 protected:
  int_type overflow(int_type ch) override {
    if (ch == traits_type::eof()) return traits_type::not_eof(ch);
    if (m_text.size() < kLimit) {
      m_text.push_back(static_cast<char>(ch));
    } else {
      ++m_dropped;
    }
    return ch;
  }

 private:
  std::streambuf* m_previous = nullptr;
  std::string m_text;
  std::size_t m_dropped = 0;
};

HeldTrace g_heldTrace;

int number(const std::string& text) { return std::atoi(text.c_str()); }

// One step of KVR_UI_SCRIPT: advance:<ms>, click:<id>, type:<id>:<text>, select:<id>:<index>,
// key:<code>, answer:<button>, close. False for anything else.
bool addStep(ui::HeadlessDriver& driver, const std::string& step) {
  auto colon = step.find(':');
  std::string verb = step.substr(0, colon);
  std::string rest = colon == std::string::npos ? std::string() : step.substr(colon + 1);
  auto second = rest.find(':');
  std::string first = rest.substr(0, second);
  std::string tail = second == std::string::npos ? std::string() : rest.substr(second + 1);
  if (verb == "advance") {
    driver.thenAdvance(std::chrono::milliseconds(number(first)));
  } else if (verb == "click") {
    driver.thenClick(number(first));
  } else if (verb == "type") {
    driver.thenType(number(first), tail);
  } else if (verb == "select") {
    driver.thenSelect(number(first), number(tail));
  } else if (verb == "key") {
    driver.thenKey(static_cast<ui::UINT>(number(first)));
  } else if (verb == "answer") {
    driver.thenAnswer(number(first));
  } else if (verb == "close") {
    driver.thenClose();
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool installUiBackend(std::string* error) {
  const char* kind = std::getenv("KVR_UI");
  if (kind && std::string(kind) == "headless") {
    g_driver = std::make_unique<ui::HeadlessDriver>();
    g_driver->setWatchdog(std::chrono::milliseconds(200));
    const char* script = std::getenv("KVR_UI_SCRIPT");
    std::istringstream steps(script ? script : "");
    for (std::string step; std::getline(steps, step, ';');) {
      if (step.empty()) continue;
      if (!addStep(*g_driver, step)) debugLog() << "Unknown UI script step: " << step << std::endl;
    }
    return true;
  }
  auto backend = ui::TerminalBackend::create(error);
  if (!backend) return false;
  bool sharesTheTrace = backend->drawsOnStandardOutput();
  ui::WindowManager::instance().setBackend(std::move(backend));
  if (sharesTheTrace) g_heldTrace.hold();
  return true;
}

void removeUiBackend() {
  if (g_driver) {
    g_driver.reset();
    return;
  }
  ui::WindowManager::instance().setBackend(std::make_unique<ui::HeadlessBackend>());
  g_heldTrace.release();
}

}  // namespace kvr
