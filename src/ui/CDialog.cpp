#include "ui/CDialog.h"

#include "log/DebugLog.h"
#include "ui/CDataExchange.h"
#include "ui/Resources.h"
#include "ui/WindowManager.h"

#include <cctype>

namespace kvr::ui {

CDialog::CDialog(unsigned templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() { destroyWindow(); }

const DialogTemplate* CDialog::dialogTemplate() const { return findDialog(m_templateId); }

bool CDialog::open(CWnd* parent) {
  if (parent) m_parent = parent;
  const DialogTemplate* dialog = dialogTemplate();
  if (!dialog) {
    debugLog() << "Dialog " << m_templateId << " is not in the active resources" << std::endl;
    return false;
  }
  createWindow(*dialog);
  m_ended = false;
  WindowManager::instance().backend().windowOpened(*this);
  if (SendMessage(WM_CREATE) == -1) {
    debugLog() << "Dialog " << m_templateId << " refused its creation" << std::endl;
    destroyWindow();
    return false;
  }
  OnInitDialog();
  if (!m_ended) ShowWindow(SW_SHOW);
  Invalidate();
  return true;
}

INT_PTR CDialog::DoModal() {
  m_modal = true;
  if (!open(m_parent)) return -1;
  struct Destroy {
    CDialog& dialog;
    ~Destroy() { dialog.DestroyWindow(); }
  } destroy{*this};
  WindowManager::instance().runUntil([this] { return m_ended; });
  return m_result;
}

bool CDialog::Create(CWnd* parent) {
  m_modal = false;
  return open(parent);
}

void CDialog::DestroyWindow() {
  if (!GetSafeHwnd()) return;
  SendMessage(WM_DESTROY);
  destroyWindow();
}

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  ShowWindow(SW_HIDE);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(&dx);
  if (dx.failed()) {
    if (CWnd* control = GetDlgItem(dx.failedControl())) control->SetFocus();
    return false;
  }
  return true;
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::onUnmappedCommand(int id, UINT code) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(IDCANCEL), BN_CLICKED));
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

bool CDialog::PreTranslateMessage(MSG* msg) { return IsDialogMessage(msg); }

void CDialog::pressButton(int id) {
  const Widget* w = model().find(id);
  if (w && (!w->visible || !w->enabled)) return;
  SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(id), BN_CLICKED));
}

// Alt+letter: the control whose text underlines the letter ("&Yes"); a label passes the
// focus to the control after it, as the label of an edit does.
bool CDialog::pressMnemonic(char key) {
  WindowModel& m = model();
  for (std::size_t i = 0; i < m.widgets.size(); ++i) {
    const Widget& w = m.widgets[i];
    if (!w.visible || !w.enabled || mnemonicOf(w.text) != std::tolower(static_cast<unsigned char>(key))) continue;
    if (w.kind == ControlKind::Label || w.kind == ControlKind::GroupBox) {
      int next = m.nextTabStop(w.id, true);
      if (next) m.focus = next;
      changed();
    } else {
      PostMessage(WM_LBUTTONDOWN, static_cast<WPARAM>(w.id));
    }
    return true;
  }
  return false;
}

void CDialog::moveInGroup(bool forward) {
  WindowModel& m = model();
  Widget* focused = m.find(m.focus);
  if (!focused) return;
  if (focused->kind == ControlKind::RadioButton) {
    auto group = m.radioGroup(focused->id);
    int count = static_cast<int>(group.size());
    int at = 0;
    for (int i = 0; i < count; ++i)
      if (group[i]->id == focused->id) at = i;
    for (int n = 1; n < count; ++n) {
      Widget* next = group[((at + (forward ? n : -n)) % count + count) % count];
      if (!next->visible || !next->enabled) continue;
      PostMessage(WM_LBUTTONDOWN, static_cast<WPARAM>(next->id));
      return;
    }
  } else if (focused->kind == ControlKind::ComboBox) {
    int target = focused->selection + (forward ? 1 : -1);
    if (focused->selection == CB_ERR) target = 0;
    if (target < 0 || target >= static_cast<int>(focused->items.size())) return;
    focused->setSelection(target);
    changed();
    SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(focused->id), CBN_SELCHANGE));
  }
}

bool CDialog::IsDialogMessage(MSG* msg) {
  if (msg->hwnd != GetSafeHwnd()) return false;
  if (msg->message == WM_SYSKEYDOWN) return pressMnemonic(static_cast<char>(msg->wParam));
  if (msg->message != WM_KEYDOWN) return false;
  WindowModel& m = model();
  switch (msg->wParam) {
    case VK_ESCAPE:
      pressButton(IDCANCEL);
      return true;
    case VK_RETURN: {
      const Widget* focused = m.find(m.focus);
      if (focused && (focused->kind == ControlKind::PushButton || focused->kind == ControlKind::DefPushButton)) {
        pressButton(focused->id);
      } else {
        const Widget* def = m.defaultButton();
        pressButton(def ? def->id : IDOK);
      }
      return true;
    }
    case VK_TAB:
    case VK_TAB | kShiftFlag: {
      int next = m.nextTabStop(m.focus, msg->wParam == VK_TAB);
      if (next) m.focus = next;
      changed();
      return true;
    }
    case VK_SPACE: {
      const Widget* focused = m.find(m.focus);
      if (!focused || focused->kind == ControlKind::Edit || focused->kind == ControlKind::ComboBox) return false;
      PostMessage(WM_LBUTTONDOWN, static_cast<WPARAM>(focused->id));
      return true;
    }
    case VK_UP:
    case VK_LEFT:
      moveInGroup(false);
      return true;
    case VK_DOWN:
    case VK_RIGHT:
      moveInGroup(true);
      return true;
    default:
      return false;
  }
}

}  // namespace kvr::ui
