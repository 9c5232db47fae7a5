#pragma once

#include "ui/CWnd.h"
#include "ui/ResourceTables.h"

namespace kvr::ui {

class CDataExchange;

// A dialog from a template of the active resources. Modal: DoModal runs a message loop of its
// own until EndDialog; a handler may run another dialog modally inside it, to any depth.
// Modeless: Create shows it and the running loop serves it until DestroyWindow.
class CDialog : public CWnd {
 public:
  explicit CDialog(unsigned templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // The end code; -1 when the active resources lack the template or creation was refused.
  virtual INT_PTR DoModal();
  // False when the active resources lack the template.
  bool Create(CWnd* parent = nullptr);
  void DestroyWindow();
  // Hides the dialog at once; a modal loop returns `result` once the handler that called
  // this has returned.
  void EndDialog(int result);

  // Exchanges the controls with the members: false (and the focus on the offending control)
  // when a check failed while saving.
  bool UpdateData(bool saveAndValidate = true);

  unsigned templateId() const { return m_templateId; }
  CWnd* parent() const { return m_parent; }
  bool isModal() const { return m_modal; }
  bool ended() const { return m_ended; }

  bool PreTranslateMessage(MSG* msg) override;

 protected:
  // Loads the controls (UpdateData(false)); true lets the default focus stand.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(CDataExchange*) {}
  // UpdateData(true), then EndDialog(IDOK) when it held.
  virtual void OnOK();
  virtual void OnCancel();
  // The keys of a dialog: Tab, Enter, Escape, Space, arrows. True when `msg` was one of them.
  bool IsDialogMessage(MSG* msg);

  // The template in use; message boxes build theirs.
  virtual const DialogTemplate* dialogTemplate() const;

  bool onUnmappedCommand(int id, UINT code) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool open(CWnd* parent);
  void pressButton(int id);
  void moveInGroup(bool forward);
  bool pressMnemonic(char key);

  unsigned m_templateId;
  CWnd* m_parent;
  bool m_modal = false;
  bool m_ended = false;
  int m_result = 0;
};

}  // namespace kvr::ui
