#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "brand/ContactField.h"

namespace kvr {

// The on/off answers that the language object (operations 1 to 11) and the brand profile
// (operations 16 to 30) give about the contact page. What each one means is fixed by the one
// table in Switches.cpp; the values live with their owners.
enum class Switch : std::uint8_t {
  // Language layout.
  ShowsPrefix,
  ShowsNames,
  ShowsInitial,
  BoldTitles,
  ShowsSuffix,
  ShowsPoBox,
  ShowsPostalAddress,
  ShowsPhone,
  OwnStateList,
  AsksJobAndCompany,
  AllowsFrenchCorrespondence,
  // Brand requirements.
  RequiresFirstName,
  RequiresLastName,
  RequiresPrefix,
  RequiresAddress,
  RequiresSuffix,
  RequiresInitial,
  RequiresExtension,
  RequiresCity,
  RequiresState,
  RequiresZip,
  RequiresPhone,
  OffersFrenchCorrespondence,
  RequiresJobTitle,
  RequiresCompany,
  RequiresEmail,
};

enum class SwitchOwner : std::uint8_t { Language, Brand };

struct SwitchSlot {
  Switch which;
  SwitchOwner owner;
  int slot;                  // virtual operation number of the owner
  std::uint32_t fields;      // fieldBit()s of the contact fields it governs, 0 for none
  std::string_view meaning;
};

// Every switch, language ones in slot order 1..11, then the brand's 16..30.
std::span<const SwitchSlot> switchSlots();
const SwitchSlot& switchSlot(Switch which);

// The switch of `owner` that governs `field` (shows it for the language, requires it for the
// brand); none when the field does not depend on that owner.
std::optional<Switch> switchFor(SwitchOwner owner, ContactField field);

inline constexpr int kFirstLanguageSlot = 1;
inline constexpr int kLanguageSwitchCount = 11;
inline constexpr int kFirstBrandContactSlot = 16;
inline constexpr int kBrandContactSwitchCount = 15;

}  // namespace kvr
