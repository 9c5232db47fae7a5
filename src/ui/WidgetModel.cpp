#include "ui/WidgetModel.h"

#include <algorithm>
#include <cctype>

namespace kvr::ui {

namespace {

bool lessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

bool focusable(const Widget& w) {
  return w.visible && w.enabled && w.kind != ControlKind::Label && w.kind != ControlKind::Picture &&
         w.kind != ControlKind::GroupBox;
}

}  // namespace

int mnemonicOf(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return std::tolower(static_cast<unsigned char>(text[i + 1]));
    ++i;
  }
  return 0;
}

std::string withoutMnemonics(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out.push_back(text[i]);
  }
  return out;
}

int Widget::addString(std::string_view itemText) {
  auto at = items.end();
  if (sorted()) {
    at = std::upper_bound(items.begin(), items.end(), itemText,
                          [](std::string_view t, const ComboItem& item) { return lessNoCase(t, item.text); });
  }
  auto placed = items.insert(at, ComboItem{std::string(itemText), 0});
  int index = static_cast<int>(placed - items.begin());
  if (selection >= index) ++selection;
  if (highlight >= index) ++highlight;
  return index;
}

int Widget::insertString(int index, std::string_view itemText) {
  if (index == -1) index = static_cast<int>(items.size());
  if (index < 0 || index > static_cast<int>(items.size())) return CB_ERR;
  items.insert(items.begin() + index, ComboItem{std::string(itemText), 0});
  if (selection >= index) ++selection;
  if (highlight >= index) ++highlight;
  return index;
}

int Widget::deleteString(int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return CB_ERR;
  items.erase(items.begin() + index);
  if (selection == index) {
    selection = CB_ERR;
  } else if (selection > index) {
    --selection;
  }
  if (highlight > index || highlight >= static_cast<int>(items.size())) --highlight;
  return static_cast<int>(items.size());
}

int Widget::findString(int start, std::string_view prefix) const {
  int count = static_cast<int>(items.size());
  if (count == 0) return CB_ERR;
  int first = (start < 0 || start >= count) ? 0 : start + 1;
  for (int n = 0; n < count; ++n) {
    int i = (first + n) % count;
    if (startsWithNoCase(items[i].text, prefix)) return i;
  }
  return CB_ERR;
}

int Widget::setSelection(int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) {
    selection = CB_ERR;
    if (!dropDownList()) text.clear();
    return CB_ERR;
  }
  selection = index;
  text = items[index].text;
  return index;
}

void WindowModel::build(const DialogTemplate& dialog) {
  caption = std::string(dialog.caption.view());
  rect = Rect{dialog.x, dialog.y, dialog.cx, dialog.cy};
  style = dialog.style;
  widgets.clear();
  widgets.reserve(dialog.controlCount);
  for (std::uint32_t i = 0; i < dialog.controlCount; ++i) {
    const ControlTemplate& c = dialog.controls[i];
    Widget w;
    w.id = c.id;
    w.kind = controlKind(c);
    w.style = c.style;
    w.text = std::string(c.text.view());
    w.rect = Rect{c.x, c.y, c.cx, c.cy};
    w.visible = (c.style & WS_VISIBLE) != 0;
    w.enabled = (c.style & WS_DISABLED) == 0;
    w.picture = c.textResource;
    if (w.kind == ControlKind::ComboBox) w.text.clear();
    widgets.push_back(std::move(w));
  }
  focus = nextTabStop(0, true);
}

Widget* WindowModel::find(int id) {
  for (Widget& w : widgets)
    if (w.id == id) return &w;
  return nullptr;
}

const Widget* WindowModel::find(int id) const {
  return const_cast<WindowModel*>(this)->find(id);
}

Widget* WindowModel::droppedCombo() {
  for (Widget& w : widgets)
    if (w.dropped) return &w;
  return nullptr;
}

const Widget* WindowModel::defaultButton() const {
  for (const Widget& w : widgets)
    if (w.kind == ControlKind::DefPushButton) return &w;
  return nullptr;
}

std::vector<Widget*> WindowModel::radioGroup(int id) {
  std::vector<Widget*> group;
  auto it = std::find_if(widgets.begin(), widgets.end(), [id](const Widget& w) { return w.id == id; });
  if (it == widgets.end() || it->kind != ControlKind::RadioButton) return group;
  auto first = it;
  while (first != widgets.begin() && !first->groupStart() &&
         std::prev(first)->kind == ControlKind::RadioButton)
    --first;
  for (auto w = first; w != widgets.end() && w->kind == ControlKind::RadioButton; ++w) {
    if (w != first && w->groupStart()) break;
    group.push_back(&*w);
  }
  return group;
}

int WindowModel::nextTabStop(int from, bool forward) const {
  int count = static_cast<int>(widgets.size());
  if (count == 0) return 0;
  int at = -1;
  for (int i = 0; i < count; ++i)
    if (widgets[i].id == from) at = i;
  for (int n = 1; n <= count; ++n) {
    int i = at < 0 ? (forward ? n - 1 : count - n)
                   : ((at + (forward ? n : -n)) % count + count) % count;
    const Widget& w = widgets[i];
    if (!focusable(w)) continue;
    if (w.kind == ControlKind::RadioButton) {
      // A radio group takes the focus once: at its checked button, or its first without one.
      auto group = const_cast<WindowModel*>(this)->radioGroup(w.id);
      bool anyChecked = std::any_of(group.begin(), group.end(), [](const Widget* r) { return r->check; });
      if (anyChecked ? !w.check : group.front()->id != w.id) continue;
    } else if (!w.tabStop()) {
      continue;
    }
    return w.id;
  }
  return 0;
}

}  // namespace kvr::ui
