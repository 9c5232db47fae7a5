#include "ui/ControlKind.h"

namespace kvr::ui {

namespace {

constexpr std::uint32_t kButtonTypeMask = 0xF;  // BS_TYPEMASK
constexpr std::uint32_t kStaticTypeMask = 0x1F;  // SS_TYPEMASK
constexpr std::uint32_t kStaticIcon = 0x3;       // SS_ICON
constexpr std::uint32_t kStaticBitmap = 0xE;     // SS_BITMAP

ControlKind buttonKind(std::uint32_t style) {
  switch (style & kButtonTypeMask) {
    case 0x0: return ControlKind::PushButton;     // BS_PUSHBUTTON
    case 0x1: return ControlKind::DefPushButton;  // BS_DEFPUSHBUTTON
    case 0x2:                                     // BS_CHECKBOX
    case 0x3:                                     // BS_AUTOCHECKBOX
    case 0x5:                                     // BS_3STATE
    case 0x6: return ControlKind::CheckBox;       // BS_AUTO3STATE
    case 0x4:                                     // BS_RADIOBUTTON
    case 0x9: return ControlKind::RadioButton;    // BS_AUTORADIOBUTTON
    case 0x7: return ControlKind::GroupBox;       // BS_GROUPBOX
    default: return ControlKind::Other;
  }
}

}  // namespace

ControlKind controlKind(const ControlTemplate& control) {
  std::string_view name = control.className.view();
  if (name == "Button") return buttonKind(control.style);
  if (name == "Static") {
    std::uint32_t type = control.style & kStaticTypeMask;
    return type == kStaticIcon || type == kStaticBitmap ? ControlKind::Picture : ControlKind::Label;
  }
  if (name == "Edit") return ControlKind::Edit;
  if (name == "ComboBox") return ControlKind::ComboBox;
  if (name == "ListBox") return ControlKind::ListBox;
  return ControlKind::Other;
}

}  // namespace kvr::ui
