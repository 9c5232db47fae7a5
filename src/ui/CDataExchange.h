#pragma once

#include <string>

#include "ui/WinTypes.h"

namespace kvr::ui {

class CDialog;
class CWnd;

// One pass of data exchange: from the members to the controls (load) or back (save).
// A failed check while saving marks the pass failed (the first failure names the control
// that gets the focus); the other exchanges of the pass are still made.
class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

  CDialog& dialog() const { return m_dialog; }
  bool saving() const { return m_save; }
  // The control of the last DDX_ call, which a following DDV_ call checks.
  int lastControl() const { return m_lastControl; }
  void setLastControl(int id) { m_lastControl = id; }

  void fail(int controlId);
  bool failed() const { return m_failedControl != 0; }
  int failedControl() const { return m_failedControl; }

 private:
  CDialog& m_dialog;
  bool m_save;
  int m_lastControl = 0;
  int m_failedControl = 0;
};

// Edit text. With a limit, the edit takes no more than `limit` characters by typing, and a
// longer text (set by the program) fails the save with a message and leaves `value` alone.
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, CString& value, int limit);
// Sets the last control's limit on load; on save a longer text fails with a message.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int limit);
// Check box state: 0, 1 (2 for indeterminate).
void DDX_Check(CDataExchange* dx, int id, int& state);
// Radio group starting at `firstId`: index of the checked button, -1 when none is.
void DDX_Radio(CDataExchange* dx, int firstId, int& index);
// Combo box text. Loading a drop-down list selects the first item with the text as prefix.
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Binds a control object to the dialog's control `id`.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

}  // namespace kvr::ui
