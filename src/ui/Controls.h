#pragma once

#include <string>
#include <string_view>

#include "ui/CWnd.h"

namespace kvr::ui {

// Control objects for DDX_Control; each works on the control it is bound to and does nothing
// (or gives CB_ERR, 0, empty) while unbound or while its dialog is not open.
class CEdit : public CWnd {
 public:
  void SetLimitText(int limit);
  int GetLimitText() const;
};

class CButton : public CWnd {
 public:
  int GetCheck() const;
  void SetCheck(int check);
};

class CStatic : public CWnd {
 public:
  // The bitmap resource shown by a picture control.
  void setPicture(unsigned bitmapId);
  unsigned picture() const;
};

class CComboBox : public CWnd {
 public:
  // Sorted boxes insert in order (without regard to case); others append.
  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  std::string GetLBText(int index) const;
  int SetItemData(int index, std::uintptr_t data);
  std::uintptr_t GetItemData(int index) const;
  // Case-insensitive prefix search after `start` (-1: from the top), wrapping.
  int FindString(int start, std::string_view prefix) const;
  // FindString, then select what it found; CB_ERR (and the selection unchanged) when nothing.
  int SelectString(int start, std::string_view prefix);
  // Opens or closes the list (CBN_DROPDOWN, CBN_CLOSEUP); closing keeps the selection.
  void ShowDropDown(bool show = true);
  bool GetDroppedState() const;
};

}  // namespace kvr::ui
