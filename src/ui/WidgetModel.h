#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ControlKind.h"
#include "ui/ResourceTables.h"
#include "ui/WinTypes.h"

namespace kvr::ui {

struct ComboItem {
  std::string text;
  std::uintptr_t data = 0;
};

// The state of one control, as the headless and terminal backends keep it.
struct Widget {
  int id = -1;
  ControlKind kind = ControlKind::Other;
  std::uint32_t style = 0;
  std::string text;
  Rect rect;
  bool visible = true;
  bool enabled = true;
  bool bold = false;
  std::size_t limit = 0;  // edits: 0 is no limit of our own
  int check = 0;          // check boxes and radio buttons
  unsigned picture = 0;   // pictures: the bitmap or icon resource id
  std::vector<ComboItem> items;
  int selection = CB_ERR;
  // Combo boxes with a list to drop: whether it is open, and the item it highlights.
  bool dropped = false;
  int highlight = CB_ERR;

  bool sorted() const { return (style & CBS_SORT) != 0; }
  bool dropDownList() const { return (style & 0x3u) == CBS_DROPDOWNLIST; }
  bool dropsList() const { return kind == ControlKind::ComboBox && (style & 0x3u) >= CBS_DROPDOWN; }
  // Items the open list shows at most: the template's height is the dropped one, less the box.
  int dropRows() const { return rect.cy / 8 > 1 ? rect.cy / 8 - 1 : 1; }
  bool tabStop() const { return (style & WS_TABSTOP) != 0; }
  bool groupStart() const { return (style & WS_GROUP) != 0; }

  // Combo boxes. Indices follow the list order; out-of-range indices give CB_ERR.
  int addString(std::string_view itemText);
  int insertString(int index, std::string_view itemText);
  int deleteString(int index);
  // First item at or after `start` + 1 (wrapping) whose text starts with `prefix`, compared
  // without regard to case; CB_ERR when none does. `start` -1 searches from the top.
  int findString(int start, std::string_view prefix) const;
  int setSelection(int index);
};

// The lower-case letter after the single "&" of a control text, 0 without one.
int mnemonicOf(std::string_view text);
// The text without its "&" markers ("&&" stands for one "&").
std::string withoutMnemonics(std::string_view text);

// A dialog's window and its controls, in template (tab) order.
struct WindowModel {
  std::string caption;
  Rect rect;
  std::uint32_t style = 0;
  bool visible = false;
  bool enabled = true;
  int focus = 0;  // control id, 0 when no control has the focus
  // Set by WM_SETICON; a template gives none.
  HICON bigIcon = 0;
  HICON smallIcon = 0;
  std::vector<Widget> widgets;

  void build(const DialogTemplate& dialog);
  Widget* find(int id);
  const Widget* find(int id) const;
  // The combo box whose list is open, or null.
  Widget* droppedCombo();
  // The default push button, or null.
  const Widget* defaultButton() const;
  // The radio buttons of the group that `id` belongs to, in template order.
  std::vector<Widget*> radioGroup(int id);
  // Next or previous control that takes the focus by Tab, wrapping; 0 when none does.
  int nextTabStop(int from, bool forward) const;
};

}  // namespace kvr::ui
