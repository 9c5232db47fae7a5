#include "ui/headless/HeadlessDriver.h"

#include <stdexcept>
#include <string>

#include "ui/CDialog.h"
#include "ui/CMessageBox.h"
#include "ui/WindowManager.h"

namespace kvr::ui {

HeadlessDriver::HeadlessDriver() {
  auto backend = std::make_unique<HeadlessBackend>();
  m_backend = backend.get();
  m_previous = WindowManager::instance().setBackend(std::move(backend));
}

HeadlessDriver::~HeadlessDriver() { WindowManager::instance().setBackend(std::move(m_previous)); }

HeadlessDriver& HeadlessDriver::then(HeadlessBackend::Step step) {
  m_backend->addStep(std::move(step));
  return *this;
}

HeadlessDriver& HeadlessDriver::thenClick(int id) {
  return then([this, id] { click(id); });
}

HeadlessDriver& HeadlessDriver::thenType(int id, std::string_view text) {
  return then([this, id, t = std::string(text)] { type(id, t); });
}

HeadlessDriver& HeadlessDriver::thenSelect(int id, int index) {
  return then([this, id, index] { select(id, index); });
}

HeadlessDriver& HeadlessDriver::thenKey(UINT key) {
  return then([this, key] { pressKey(key); });
}

HeadlessDriver& HeadlessDriver::thenSysKey(UINT key) {
  return then([this, key] { sysKey(key); });
}

HeadlessDriver& HeadlessDriver::thenClickListItem(int id, int index) {
  return then([this, id, index] { clickListItem(id, index); });
}

HeadlessDriver& HeadlessDriver::thenClose() {
  return then([this] { close(); });
}

HeadlessDriver& HeadlessDriver::thenAnswer(int button) {
  return then([this, button] { answer(button); });
}

HeadlessDriver& HeadlessDriver::thenAdvance(std::chrono::milliseconds by) {
  return then([this, by] { advance(by); });
}

std::vector<CDialog*> HeadlessDriver::dialogs() const {
  std::vector<CDialog*> list;
  for (CWnd* window : WindowManager::instance().windows())
    if (auto* dialog = dynamic_cast<CDialog*>(window)) list.push_back(dialog);
  return list;
}

CDialog* HeadlessDriver::front() const {
  auto list = dialogs();
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if ((*it)->IsWindowVisible()) return *it;
  return nullptr;
}

const Widget* HeadlessDriver::control(int id) const {
  CDialog* dialog = front();
  return dialog ? dialog->model().find(id) : nullptr;
}

HICON HeadlessDriver::icon(const CWnd& window, bool bigIcon) const {
  const WindowModel& model = window.model();
  return bigIcon ? model.bigIcon : model.smallIcon;
}

namespace {

CDialog& frontWith(const HeadlessDriver& driver, int id) {
  CDialog* dialog = driver.front();
  if (!dialog) throw std::logic_error("no dialog is shown");
  if (id && !dialog->model().find(id))
    throw std::logic_error("dialog " + std::to_string(dialog->templateId()) + " has no control " + std::to_string(id));
  return *dialog;
}

}  // namespace

void HeadlessDriver::click(int id) {
  frontWith(*this, id).PostMessage(WM_LBUTTONDOWN, static_cast<WPARAM>(id));
}

void HeadlessDriver::type(int id, std::string_view text) {
  CDialog& dialog = frontWith(*this, id);
  const Widget* w = dialog.model().find(id);
  if (!w->visible || !w->enabled) return;
  dialog.model().focus = id;
  for (char ch : text) dialog.PostMessage(WM_CHAR, static_cast<unsigned char>(ch));
}

void HeadlessDriver::select(int id, int index) {
  CDialog& dialog = frontWith(*this, id);
  Widget* w = dialog.model().find(id);
  if (!w->visible || !w->enabled || w->setSelection(index) == CB_ERR) return;
  dialog.model().focus = id;
  dialog.PostMessage(WM_COMMAND, MAKEWPARAM(unsigned(id), CBN_SELCHANGE));
}

void HeadlessDriver::pressKey(UINT key) { frontWith(*this, 0).PostMessage(WM_KEYDOWN, key); }

void HeadlessDriver::sysKey(UINT key) { frontWith(*this, 0).PostMessage(WM_SYSKEYDOWN, key); }

void HeadlessDriver::clickArrow(int id) {
  frontWith(*this, id).PostMessage(WM_LBUTTONDOWN, static_cast<WPARAM>(id), kOnDropArrow);
}

void HeadlessDriver::clickListItem(int id, int index) {
  frontWith(*this, id).PostMessage(WM_DROPLISTCLICK, static_cast<WPARAM>(id), index);
}

void HeadlessDriver::close() { frontWith(*this, 0).PostMessage(WM_CLOSE); }

void HeadlessDriver::answer(int button) {
  CDialog& dialog = frontWith(*this, button);
  if (!dynamic_cast<CMessageBox*>(&dialog)) throw std::logic_error("no message box is shown");
  click(button);
}

}  // namespace kvr::ui
