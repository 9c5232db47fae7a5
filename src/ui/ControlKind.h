#pragma once

#include "ui/ResourceTables.h"

namespace kvr::ui {

// What a template's control is, from its class and the type bits of its style, whatever
// statement declared it (CONTROL "", id, "Button", BS_AUTOCHECKBOX is a check box).
enum class ControlKind {
  Label,      // static text
  Picture,    // static icon or bitmap
  PushButton,
  DefPushButton,
  CheckBox,   // two- and three-state, automatic or not
  RadioButton,
  GroupBox,
  Edit,
  ComboBox,
  ListBox,
  Other,      // a class or button type the dialogs do not use
};

ControlKind controlKind(const ControlTemplate& control);

}  // namespace kvr::ui
