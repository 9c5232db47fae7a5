#pragma once

#include "app/CFieldGroup.h"
#include "ui/Controls.h"
#include "ui/WinTypes.h"

namespace kvr::ui {
class CDataExchange;
}

namespace kvr {

// Prefix, first name, initial, last name and suffix of the contact page (the NameRecord).
// For the Japanese language the prefix and suffix are edit fields instead of lists.
class CNameGroup : public CFieldGroup {
 public:
  explicit CNameGroup(ui::CDialog& page);

  void DoDataExchange(ui::CDataExchange* dx);
  void OnInitDialog();
  void save() const;
  int resolve(int id) const;
  // EN_CHANGE of one of the group's edits.
  void OnChange(int id) const;

 protected:
  int controlId(ContactField field) const override;

 private:
  bool listsAreEdits() const;

  ui::CComboBox m_prefixList;
  ui::CComboBox m_suffixList;
  ui::CString m_prefix;
  ui::CString m_firstName;
  ui::CString m_initial;
  ui::CString m_lastName;
  ui::CString m_suffix;
};

}  // namespace kvr
