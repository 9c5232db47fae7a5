#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Backend.h"
#include "ui/CDialog.h"

namespace kvr::ui {

// A message box: a dialog built from its text, an icon and a table of buttons (OK; Yes and
// No). Ends with the id of the pressed button; Escape and the close box give IDOK when OK is
// the only button and do nothing when Yes and No are offered.
class CMessageBox : public CDialog {
 public:
  // Control ids of the text and the icon, as Windows gives them.
  static constexpr int kTextId = 0xFFFF;
  static constexpr int kIconId = 20;

  CMessageBox(CWnd* owner, std::string_view text, std::string_view caption, UINT type);

  INT_PTR DoModal() override;
  const MessageBoxRecord& record() const { return m_record; }

 protected:
  const DialogTemplate* dialogTemplate() const override { return &m_template; }
  bool onUnmappedCommand(int id, UINT code) override;
  void OnCancel() override;

 private:
  void layout();

  MessageBoxRecord m_record;
  std::vector<std::string> m_labels;
  std::vector<ControlTemplate> m_controls;
  DialogTemplate m_template{};
};

// A message box owned by the application's main window, captioned with the application's name.
int AfxMessageBox(std::string_view text, UINT type = MB_OK);

}  // namespace kvr::ui
