#include "ui/CWnd.h"

#include "ui/CMessageBox.h"
#include "ui/CWinApp.h"
#include "ui/DropDownList.h"
#include "ui/WindowManager.h"
#include "ui/artwork/PixelBuffer.h"

namespace kvr::ui {

namespace {

constexpr std::uint32_t kButtonType = 0xF;
constexpr std::uint32_t kAutoCheckBox = 0x3;
constexpr std::uint32_t kAuto3State = 0x6;
constexpr std::uint32_t kAutoRadio = 0x9;

bool isButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
         kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

}  // namespace

CWnd::~CWnd() { destroyWindow(); }

void CWnd::attachControl(CWnd& dialog, int id) {
  m_dialog = &dialog;
  m_controlId = id;
}

CWnd* CWnd::GetDlgItem(int id) {
  if (m_dialog) return m_dialog->GetDlgItem(id);
  if (!m_hwnd || !m_model.find(id)) return nullptr;
  auto& item = m_items[id];
  if (!item) {
    item = std::make_unique<CWnd>();
    item->attachControl(*this, id);
  }
  return item.get();
}

Widget* CWnd::widget() {
  if (!m_dialog || !m_dialog->m_hwnd) return nullptr;
  return m_dialog->m_model.find(m_controlId);
}

const Widget* CWnd::widget() const { return const_cast<CWnd*>(this)->widget(); }

void CWnd::changed() {
  CWnd* top = topLevel();
  if (top->m_hwnd) WindowManager::instance().backend().windowChanged(*top);
}

void CWnd::SetWindowText(std::string_view text) {
  if (!m_dialog) {
    m_model.caption = std::string(text);
    changed();
    return;
  }
  Widget* w = widget();
  if (!w) return;
  w->text = std::string(text);
  changed();
  if (w->kind == ControlKind::Edit) m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(m_controlId), EN_CHANGE));
}

std::string CWnd::GetWindowText() const {
  if (!m_dialog) return m_model.caption;
  const Widget* w = widget();
  return w ? w->text : std::string();
}

void CWnd::ShowWindow(int show) {
  bool visible = show != SW_HIDE;
  if (!m_dialog) {
    m_model.visible = visible;
  } else if (Widget* w = widget()) {
    w->visible = visible;
    if (!visible && m_dialog->m_model.focus == m_controlId) m_dialog->m_model.focus = 0;
  }
  changed();
}

bool CWnd::IsWindowVisible() const {
  if (!m_dialog) return m_hwnd && m_model.visible;
  const Widget* w = widget();
  return w && w->visible && m_dialog->m_model.visible;
}

void CWnd::EnableWindow(bool enable) {
  if (!m_dialog) {
    m_model.enabled = enable;
  } else if (Widget* w = widget()) {
    w->enabled = enable;
  }
  changed();
}

bool CWnd::IsWindowEnabled() const {
  if (!m_dialog) return m_model.enabled;
  const Widget* w = widget();
  return w && w->enabled;
}

void CWnd::SetFocus() {
  if (!m_dialog || !widget()) return;
  m_dialog->m_model.focus = m_controlId;
  changed();
}

bool CWnd::hasFocus() const { return m_dialog && widget() && m_dialog->m_model.focus == m_controlId; }

void CWnd::setBold(bool bold) {
  if (Widget* w = widget()) {
    w->bold = bold;
    changed();
  }
}

void CWnd::MoveWindow(int x, int y, int width, int height) {
  Rect rect{pixelsToDuX(x), pixelsToDuY(y), pixelsToDuX(width), pixelsToDuY(height)};
  if (!m_dialog) {
    m_model.rect = rect;
    m_pixelRect = Rect{x, y, width, height};
    m_surface.reset();
  } else if (Widget* w = widget()) {
    w->rect = rect;
  }
  changed();
}

Rect CWnd::windowRectPixels() const {
  if (!m_dialog && m_pixelRect) return *m_pixelRect;
  Rect du = m_model.rect;
  if (m_dialog) {
    const Widget* w = widget();
    du = w ? w->rect : Rect{};
  }
  return Rect{duToPixelsX(du.x), duToPixelsY(du.y), duToPixelsX(du.cx), duToPixelsY(du.cy)};
}

HICON CWnd::SetIcon(HICON icon, bool bigIcon) {
  if (m_dialog) return 0;
  return static_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, static_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(bool bigIcon) const {
  if (m_dialog) return 0;
  return static_cast<HICON>(const_cast<CWnd*>(this)->SendMessage(WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL));
}

void CWnd::SetDlgItemText(int id, std::string_view text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string CWnd::GetDlgItemText(int id) const {
  const Widget* w = model().find(id);
  return w ? w->text : std::string();
}

void CWnd::CheckDlgButton(int id, int check) {
  if (Widget* w = model().find(id)) {
    w->check = check;
    changed();
  }
}

int CWnd::IsDlgButtonChecked(int id) const {
  const Widget* w = model().find(id);
  return w ? w->check : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (Widget& w : model().widgets)
    if (w.id >= firstId && w.id <= lastId) w.check = w.id == checkId ? 1 : 0;
  changed();
}

int CWnd::MessageBox(std::string_view text, std::string_view caption, UINT type) {
  CWinApp* app = AfxGetApp();
  std::string title(caption.empty() && app ? std::string_view(app->appName()) : caption);
  CMessageBox box(topLevel(), text, title, type);
  return static_cast<int>(box.DoModal());
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT milliseconds) {
  CWnd* top = topLevel();
  if (!top->m_hwnd) return 0;
  WindowManager::instance().setTimer(top->m_hwnd, id, milliseconds);
  return id;
}

bool CWnd::KillTimer(UINT_PTR id) {
  CWnd* top = topLevel();
  return top->m_hwnd && WindowManager::instance().killTimer(top->m_hwnd, id);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = m_dialog ? m_dialog->m_hwnd : m_hwnd;
  return hwnd && WindowManager::instance().post(MSG{hwnd, message, wParam, lParam});
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_dialog) return m_dialog->SendMessage(message, wParam, lParam);
  MSG saved = m_current;
  m_current = MSG{m_hwnd, message, wParam, lParam};
  struct Restore {
    MSG& current;
    MSG saved;
    ~Restore() { current = saved; }
  } restore{m_current, saved};
  return WindowProc(message, wParam, lParam);
}

void CWnd::Invalidate() {
  CWnd* top = topLevel();
  if (top->m_hwnd) WindowManager::instance().invalidate(top->m_hwnd);
}

bool CWnd::PreTranslateMessage(MSG*) { return false; }

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

PixelBuffer& CWnd::surface() {
  CWnd* top = topLevel();
  Rect px = top->windowRectPixels();
  if (!top->m_surface || top->m_surface->width() != px.cx || top->m_surface->height() != px.cy)
    top->m_surface = std::make_unique<PixelBuffer>(px.cx, px.cy, false, 0xC0C0C0);
  return *top->m_surface;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    int id = static_cast<int>(LOWORD(wParam));
    UINT code = HIWORD(wParam);
    for (const CommandEntry& entry : m_commands) {
      if (entry.id == id && entry.code == code) {
        entry.handler();
        return 0;
      }
    }
    return onUnmappedCommand(id, code) ? 0 : DefWindowProc(message, wParam, lParam);
  }
  for (const MessageEntry& entry : m_messages)
    if (entry.message == message) return entry.handler(wParam, lParam);
  return DefWindowProc(message, wParam, lParam);
}

bool CWnd::onUnmappedCommand(int, UINT) { return false; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETICON:
      return setModelIcon(wParam, static_cast<HICON>(lParam));
    case WM_GETICON:
      if (wParam == ICON_BIG) return m_model.bigIcon;
      return wParam == ICON_SMALL ? m_model.smallIcon : 0;
    case WM_LBUTTONDOWN:
      if (wParam) defaultClick(static_cast<int>(wParam), lParam);
      return 0;
    case WM_CHAR:
      defaultChar(static_cast<unsigned char>(wParam));
      return 0;
    default:
      return 0;
  }
}

LRESULT CWnd::setModelIcon(WPARAM which, HICON icon) {
  if (which != ICON_BIG && which != ICON_SMALL) return 0;
  HICON& slot = which == ICON_BIG ? m_model.bigIcon : m_model.smallIcon;
  HICON previous = slot;
  slot = icon;
  changed();
  return previous;
}

// Input from the backends: WM_LBUTTONDOWN carries the control under the pointer in wParam.
void CWnd::defaultClick(int id, LPARAM where) {
  Widget* w = m_model.find(id);
  if (!w || !w->visible || !w->enabled || !m_model.enabled) return;
  if (w->kind != ControlKind::Label && w->kind != ControlKind::Picture && w->kind != ControlKind::GroupBox)
    m_model.focus = id;
  std::uint32_t type = w->style & kButtonType;
  if (w->kind == ControlKind::CheckBox && (type == kAutoCheckBox || type == kAuto3State)) {
    w->check = w->check ? 0 : 1;
  } else if (w->kind == ControlKind::RadioButton && type == kAutoRadio) {
    for (Widget* r : m_model.radioGroup(id)) r->check = r->id == id ? 1 : 0;
  }
  changed();
  if (isButton(w->kind)) SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(id), BN_CLICKED));
  // A drop-down list opens wherever it is clicked, an editable box on its arrow only.
  if (w->dropsList() && (w->dropDownList() || where == kOnDropArrow)) dropdown::open(*this, *w);
}

void CWnd::defaultChar(unsigned char ch) {
  Widget* w = m_model.find(m_model.focus);
  if (!w || !w->enabled) return;
  bool editable = w->kind == ControlKind::Edit || (w->kind == ControlKind::ComboBox && !w->dropDownList());
  unsigned id = static_cast<unsigned>(w->id);
  if (editable) {
    if (ch == VK_BACK) {
      if (w->text.empty()) return;
      w->text.pop_back();
    } else if (ch < 0x20 || (w->limit && w->text.size() >= w->limit)) {
      return;
    } else {
      w->text.push_back(static_cast<char>(ch));
    }
    if (w->dropped) {
      // The open list follows what is typed.
      int found = w->text.empty() ? CB_ERR : w->findString(-1, w->text);
      if (found != CB_ERR) w->highlight = found;
    }
    changed();
    SendMessage(WM_COMMAND, MAKEWPARAM(id, w->kind == ControlKind::Edit ? EN_CHANGE : CBN_EDITCHANGE));
  } else if (w->kind == ControlKind::ComboBox && ch >= 0x20) {
    char typed = static_cast<char>(ch);
    int found = w->findString(w->selection, std::string_view(&typed, 1));
    if (found == CB_ERR || found == w->selection) return;
    w->setSelection(found);
    changed();
    SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE));
  }
}

void CWnd::createWindow(const DialogTemplate& dialog) {
  m_model.build(dialog);
  m_model.visible = false;
  m_model.bigIcon = m_model.smallIcon = 0;
  m_pixelRect.reset();
  m_surface.reset();
  m_hwnd = WindowManager::instance().attach(*this);
}

void CWnd::destroyWindow() {
  if (!m_hwnd) return;
  WindowManager& manager = WindowManager::instance();
  manager.backend().windowClosed(*this);
  manager.detach(m_hwnd);
  m_hwnd = 0;
  m_items.clear();
}

}  // namespace kvr::ui
