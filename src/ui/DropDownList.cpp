#include "ui/DropDownList.h"

#include <algorithm>
#include <string_view>

#include "ui/CWnd.h"
#include "ui/WindowManager.h"

namespace kvr::ui {
namespace dropdown {

namespace {

void notify(CWnd& dialog, int id, UINT code) {
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), code));
}

void repaint(CWnd& dialog) {
  if (dialog.GetSafeHwnd()) WindowManager::instance().backend().windowChanged(dialog);
}

bool opensList(const MSG& msg) {
  return (msg.message == WM_KEYDOWN && msg.wParam == VK_F4) ||
         (msg.message == WM_SYSKEYDOWN && (msg.wParam == VK_DOWN || msg.wParam == VK_UP));
}

void moveHighlight(Widget& combo, int to) {
  int count = static_cast<int>(combo.items.size());
  if (count == 0) return;
  combo.highlight = std::clamp(to, 0, count - 1);
}

// A key while the list is open: true when taken.
bool listKey(CWnd& dialog, Widget& combo, UINT key) {
  int at = combo.highlight;
  int page = std::max(1, std::min(combo.dropRows(), static_cast<int>(combo.items.size())) - 1);
  switch (key) {
    case VK_UP: moveHighlight(combo, at == CB_ERR ? 0 : at - 1); break;
    case VK_DOWN: moveHighlight(combo, at == CB_ERR ? 0 : at + 1); break;
    case VK_PRIOR: moveHighlight(combo, at == CB_ERR ? 0 : at - page); break;
    case VK_NEXT: moveHighlight(combo, at == CB_ERR ? 0 : at + page); break;
    case VK_HOME: moveHighlight(combo, 0); break;
    case VK_END: moveHighlight(combo, static_cast<int>(combo.items.size()) - 1); break;
    case VK_RETURN: close(dialog, combo, true); return true;
    case VK_ESCAPE:
    case VK_F4: close(dialog, combo, false); return true;
    case VK_TAB:
    case VK_TAB | kShiftFlag:
      // Windows keeps the highlighted item, then the dialog moves the focus.
      close(dialog, combo, true);
      return false;
    default: return true;
  }
  repaint(dialog);
  return true;
}

}  // namespace

void open(CWnd& dialog, Widget& combo) {
  if (combo.dropped || !combo.dropsList()) return;
  combo.dropped = true;
  combo.highlight = combo.selection;
  repaint(dialog);
  notify(dialog, combo.id, CBN_DROPDOWN);
}

void close(CWnd& dialog, Widget& combo, bool commit) {
  if (!combo.dropped) return;
  combo.dropped = false;
  bool changed = commit && combo.highlight != CB_ERR && combo.highlight != combo.selection;
  if (changed) combo.setSelection(combo.highlight);
  int id = combo.id;
  repaint(dialog);
  notify(dialog, id, CBN_CLOSEUP);
  if (changed) notify(dialog, id, CBN_SELCHANGE);
}

bool takeInput(CWnd& dialog, const MSG& msg) {
  WindowModel& m = dialog.model();
  Widget* combo = m.droppedCombo();
  if (combo && (combo->id != m.focus || !combo->visible || !combo->enabled || !m.visible)) {
    // The focus went elsewhere (or the box away) by other means than input.
    close(dialog, *combo, false);
    combo = nullptr;
  }
  if (!combo) {
    Widget* focused = m.find(m.focus);
    if (!opensList(msg) || !focused || !focused->dropsList() || !focused->enabled) return false;
    open(dialog, *focused);
    return true;
  }
  switch (msg.message) {
    case WM_KEYDOWN: return listKey(dialog, *combo, static_cast<UINT>(msg.wParam));
    case WM_SYSKEYDOWN:
      // Alt+Up or Alt+Down closes it; Alt+letter closes it and goes on to the dialog.
      close(dialog, *combo, false);
      return msg.wParam == VK_UP || msg.wParam == VK_DOWN;
    case WM_CHAR: {
      if (!combo->dropDownList()) return false;  // typed into the edit part
      char typed = static_cast<char>(msg.wParam);
      if (static_cast<unsigned char>(typed) < 0x20) return true;
      int found = combo->findString(combo->highlight, std::string_view(&typed, 1));
      if (found != CB_ERR) {
        combo->highlight = found;
        repaint(dialog);
      }
      return true;
    }
    case WM_DROPLISTCLICK:
      if (static_cast<int>(msg.wParam) == combo->id && msg.lParam >= 0 &&
          msg.lParam < static_cast<LPARAM>(combo->items.size())) {
        combo->highlight = static_cast<int>(msg.lParam);
        close(dialog, *combo, true);
      }
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // A click outside the list closes it and goes no further.
      close(dialog, *combo, false);
      return true;
    case WM_CLOSE:
      close(dialog, *combo, false);
      return false;
    default: return false;
  }
}

}  // namespace dropdown
}  // namespace kvr::ui
