#include "ui/ControlKind.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr {
namespace {

TEST(ControlKindTest, KindFollowsTheClassAndTheStyleTypeBits) {
  struct {
    const char* className;
    std::uint32_t style;
    ui::ControlKind kind;
  } cases[] = {
      {"Static", 0x50020000, ui::ControlKind::Label},           // LTEXT
      {"Static", 0x50000082, ui::ControlKind::Label},           // RTEXT | SS_NOPREFIX
      {"Static", 0x50000003, ui::ControlKind::Picture},         // ICON
      {"Static", 0x5000020E, ui::ControlKind::Picture},         // SS_BITMAP | SS_CENTERIMAGE
      {"Button", 0x50010000, ui::ControlKind::PushButton},
      {"Button", 0x50010001, ui::ControlKind::DefPushButton},
      {"Button", 0x50010002, ui::ControlKind::CheckBox},
      {"Button", 0x50010003, ui::ControlKind::CheckBox},        // BS_AUTOCHECKBOX
      {"Button", 0x40000006, ui::ControlKind::CheckBox},        // BS_AUTO3STATE
      {"Button", 0x50010004, ui::ControlKind::RadioButton},
      {"Button", 0x50032009, ui::ControlKind::RadioButton},     // BS_AUTORADIOBUTTON | BS_MULTILINE
      {"Button", 0x50000007, ui::ControlKind::GroupBox},
      {"Button", 0x5000000B, ui::ControlKind::Other},           // BS_OWNERDRAW
      {"Edit", 0x50810080, ui::ControlKind::Edit},
      {"ComboBox", 0x50210003, ui::ControlKind::ComboBox},
      {"ListBox", 0x50800001, ui::ControlKind::ListBox},
      {"ScrollBar", 0x50000000, ui::ControlKind::Other},
      {"RichEdit20A", 0x50000000, ui::ControlKind::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " " + std::to_string(c.style));
    ui::ControlTemplate control{};
    control.className = {c.className, static_cast<std::uint32_t>(std::string(c.className).size())};
    control.text = {"", 0};
    control.style = c.style;
    EXPECT_EQ(ui::controlKind(control), c.kind);
  }
}

}  // namespace
}  // namespace kvr
