#pragma once

#include <string>

#include "record/ContactFieldSource.h"
#include "ui/WinTypes.h"

namespace kvr::ui {
class CDialog;
}

namespace kvr {

// What the three field groups of the contact page share: they show the checks the page's
// entries through their controls, report typing errors at once and give the focus back.
class CFieldGroup : public ContactFieldSource {
 public:
  explicit CFieldGroup(ui::CDialog& page) : m_page(page) {}

  std::string text(ContactField field) const override;
  bool isShown(ContactField field) const override;
  bool isRequired(ContactField field) const override;
  bool isAccepted(ContactField) const override { return m_skip != 0; }
  ui::CWnd* control(ContactField field) const override;

  bool skipped() const { return m_skip != 0; }
  // The country index chosen in the page's country list; -1 when none is.
  int selectedCountry() const;

 protected:
  // The control of a field this group owns; 0 for the others.
  virtual int controlId(ContactField field) const = 0;

  // The text of an edit, or the selected item of a list.
  std::string controlText(int id) const;
  void focus(int id) const;
  // Reports `errorId` about control `id` without throwing and gives the focus back to it.
  void reportTyping(int errorId, int id) const;
  // "|" or "\" gives 217; then, when `digits` is set, a digit gives 221. True when reported.
  bool checkTyping(int id, bool digits) const;
  void show(int id, bool visible) const;
  static int codePage();

  ui::CDialog& m_page;
  int m_skip = 0;
};

}  // namespace kvr
