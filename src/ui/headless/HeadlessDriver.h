#pragma once

#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/Backend.h"
#include "ui/WidgetModel.h"
#include "ui/headless/HeadlessBackend.h"

namespace kvr::ui {

class CDialog;

// What a test holds: installs a headless backend for its lifetime and drives the dialogs.
// The then...() calls queue steps that run, in order, each when the UI is idle; the other
// calls act at once on the dialog in front and are meant for use inside steps.
class HeadlessDriver {
 public:
  HeadlessDriver();
  ~HeadlessDriver();
  HeadlessDriver(const HeadlessDriver&) = delete;
  HeadlessDriver& operator=(const HeadlessDriver&) = delete;

  HeadlessDriver& then(HeadlessBackend::Step step);
  HeadlessDriver& thenClick(int id);
  HeadlessDriver& thenType(int id, std::string_view text);
  HeadlessDriver& thenSelect(int id, int index);
  HeadlessDriver& thenKey(UINT key);
  HeadlessDriver& thenSysKey(UINT key);
  HeadlessDriver& thenClickListItem(int id, int index);
  HeadlessDriver& thenClose();
  HeadlessDriver& thenAnswer(int button);
  HeadlessDriver& thenAdvance(std::chrono::milliseconds by);

  // Input to the dialog in front, queued as the user's would be.
  void click(int id);
  void type(int id, std::string_view text);
  void select(int id, int index);
  void pressKey(UINT key);
  // The key with Alt held (WM_SYSKEYDOWN): a letter in upper case, or VK_DOWN, VK_UP.
  void sysKey(UINT key);
  // A click on the arrow of combo box `id`, and on item `index` of its open list.
  void clickArrow(int id);
  void clickListItem(int id, int index);
  void close();
  // Presses `button` of the message box in front. These throw std::logic_error when the
  // dialog in front lacks the control (or is not a message box), a fault of the script.
  void answer(int button);
  void advance(std::chrono::milliseconds by) { m_backend->advance(by); }

  std::chrono::milliseconds now() const { return m_backend->now(); }
  void setWatchdog(std::chrono::milliseconds limit) { m_backend->setWatchdog(limit); }
  std::size_t pendingSteps() const { return m_backend->pendingSteps(); }

  // Open dialogs, first opened first; shown or hidden.
  std::vector<CDialog*> dialogs() const;
  // The last opened dialog that is visible; null when none is.
  CDialog* front() const;
  // A control of the dialog in front; null when there is none.
  const Widget* control(int id) const;
  // The big or small icon a window carries as the system would show it; 0 when it has none.
  HICON icon(const CWnd& window, bool bigIcon) const;
  // Message boxes once answered, in order; the one showing now is front(), its text the
  // control CMessageBox::kTextId.
  const std::vector<MessageBoxRecord>& messageBoxes() const { return m_backend->messageBoxes(); }

 private:
  HeadlessBackend* m_backend;
  std::unique_ptr<Backend> m_previous;
};

}  // namespace kvr::ui
