#pragma once

#include <string>

#include "brand/ContactField.h"

namespace kvr::ui {
class CWnd;
}

namespace kvr {

// How the contact checks see the page's entries. The field groups implement it over their
// controls; the checks never touch a control themselves.
class ContactFieldSource {
 public:
  virtual ~ContactFieldSource() = default;

  // The entry's current text (a list's selected text); empty for a field the page lacks.
  virtual std::string text(ContactField field) const = 0;
  // Whether the field is to be checked: the language's layout shows it for the chosen country
  // and its control is enabled.
  virtual bool isShown(ContactField field) const = 0;
  // Whether the brand requires the field to be filled.
  virtual bool isRequired(ContactField field) const = 0;
  // Whether the user kept the field's value by answering No to a "Would you like to change
  // it?" question during this visit; its count check is then left out.
  virtual bool isAccepted(ContactField field) const = 0;
  // The control to name in a failure (focused after the message); may be null.
  virtual ui::CWnd* control(ContactField field) const = 0;
};

}  // namespace kvr
