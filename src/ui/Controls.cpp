#include "ui/Controls.h"

#include "ui/DropDownList.h"

namespace kvr::ui {

namespace {

bool inRange(const Widget* w, int index) {
  return w && index >= 0 && index < static_cast<int>(w->items.size());
}

}  // namespace

void CEdit::SetLimitText(int limit) {
  if (Widget* w = widget()) w->limit = limit > 0 ? static_cast<std::size_t>(limit) : 0;
}

int CEdit::GetLimitText() const {
  const Widget* w = widget();
  return w ? static_cast<int>(w->limit) : 0;
}

int CButton::GetCheck() const {
  const Widget* w = widget();
  return w ? w->check : 0;
}

void CButton::SetCheck(int check) {
  if (Widget* w = widget()) {
    w->check = check;
    changed();
  }
}

void CStatic::setPicture(unsigned bitmapId) {
  if (Widget* w = widget()) {
    w->picture = bitmapId;
    Invalidate();
  }
}

unsigned CStatic::picture() const {
  const Widget* w = widget();
  return w ? w->picture : 0;
}

int CComboBox::AddString(std::string_view text) {
  Widget* w = widget();
  return w ? w->addString(text) : CB_ERR;
}

int CComboBox::InsertString(int index, std::string_view text) {
  Widget* w = widget();
  return w ? w->insertString(index, text) : CB_ERR;
}

int CComboBox::DeleteString(int index) {
  Widget* w = widget();
  return w ? w->deleteString(index) : CB_ERR;
}

void CComboBox::ResetContent() {
  if (Widget* w = widget()) {
    w->items.clear();
    w->selection = CB_ERR;
    w->highlight = CB_ERR;
    if (w->dropDownList()) w->text.clear();
  }
}

int CComboBox::GetCount() const {
  const Widget* w = widget();
  return w ? static_cast<int>(w->items.size()) : CB_ERR;
}

int CComboBox::GetCurSel() const {
  const Widget* w = widget();
  return w ? w->selection : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  Widget* w = widget();
  if (!w) return CB_ERR;
  int result = w->setSelection(index);
  changed();
  return result;
}

std::string CComboBox::GetLBText(int index) const {
  const Widget* w = widget();
  return inRange(w, index) ? w->items[index].text : std::string();
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
  Widget* w = widget();
  if (!inRange(w, index)) return CB_ERR;
  w->items[index].data = data;
  return 0;
}

std::uintptr_t CComboBox::GetItemData(int index) const {
  const Widget* w = widget();
  return inRange(w, index) ? w->items[index].data : 0;
}

int CComboBox::FindString(int start, std::string_view prefix) const {
  const Widget* w = widget();
  return w ? w->findString(start, prefix) : CB_ERR;
}

int CComboBox::SelectString(int start, std::string_view prefix) {
  int found = FindString(start, prefix);
  if (found != CB_ERR) SetCurSel(found);
  return found;
}

void CComboBox::ShowDropDown(bool show) {
  Widget* w = widget();
  if (!w) return;
  if (show) {
    // The open list holds the keyboard, so the box takes the focus.
    model().focus = w->id;
    dropdown::open(*topLevel(), *w);
  } else {
    dropdown::close(*topLevel(), *w, false);
  }
}

bool CComboBox::GetDroppedState() const {
  const Widget* w = widget();
  return w && w->dropped;
}

}  // namespace kvr::ui
