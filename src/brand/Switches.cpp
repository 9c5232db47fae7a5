#include "brand/Switches.h"

#include <array>
#include <cstddef>

namespace kvr {

namespace {

using F = ContactField;
using O = SwitchOwner;
using S = Switch;

constexpr std::uint32_t bits(F a) { return fieldBit(a); }
constexpr std::uint32_t bits(F a, F b) { return fieldBit(a) | fieldBit(b); }
constexpr std::uint32_t bits(F a, F b, F c, F d) { return bits(a, b) | bits(c, d); }

// The one place that says what each switch means. Ordered by enumerator so that a switch
// indexes its own row.
constexpr std::array kSlots{
    SwitchSlot{S::ShowsPrefix, O::Language, 1, bits(F::Prefix), "prefix shown"},
    SwitchSlot{S::ShowsNames, O::Language, 2, bits(F::FirstName, F::LastName),
               "first and last name shown and checked"},
    SwitchSlot{S::ShowsInitial, O::Language, 3, bits(F::Initial), "initial shown"},
    SwitchSlot{S::BoldTitles, O::Language, 4, 0, "page titles drawn bold"},
    SwitchSlot{S::ShowsSuffix, O::Language, 5, bits(F::Suffix), "suffix shown"},
    SwitchSlot{S::ShowsPoBox, O::Language, 6, bits(F::PoBox), "P.O. box line shown and checked"},
    SwitchSlot{S::ShowsPostalAddress, O::Language, 7, bits(F::Street, F::City, F::Zip, F::Country),
               "street, city, zip and country shown and checked"},
    SwitchSlot{S::ShowsPhone, O::Language, 8, bits(F::Phone, F::Extension),
               "phone and extension shown and checked"},
    SwitchSlot{S::OwnStateList, O::Language, 9, bits(F::State),
               "the country's state list is offered (asked per country)"},
    SwitchSlot{S::AsksJobAndCompany, O::Language, 10, bits(F::JobTitle, F::Company),
               "job title and company asked"},
    SwitchSlot{S::AllowsFrenchCorrespondence, O::Language, 11, 0,
               "French correspondence may be offered to Canada"},

    SwitchSlot{S::RequiresFirstName, O::Brand, 16, bits(F::FirstName), "first name required"},
    SwitchSlot{S::RequiresLastName, O::Brand, 17, bits(F::LastName), "last name required"},
    SwitchSlot{S::RequiresPrefix, O::Brand, 18, bits(F::Prefix), "prefix required"},
    SwitchSlot{S::RequiresAddress, O::Brand, 19, bits(F::Street, F::PoBox),
               "an address line required"},
    SwitchSlot{S::RequiresSuffix, O::Brand, 20, bits(F::Suffix), "suffix required"},
    SwitchSlot{S::RequiresInitial, O::Brand, 21, bits(F::Initial), "initial required"},
    SwitchSlot{S::RequiresExtension, O::Brand, 22, bits(F::Extension), "extension required"},
    SwitchSlot{S::RequiresCity, O::Brand, 23, bits(F::City), "city required"},
    SwitchSlot{S::RequiresState, O::Brand, 24, bits(F::State), "state required"},
    SwitchSlot{S::RequiresZip, O::Brand, 25, bits(F::Zip), "zip required"},
    SwitchSlot{S::RequiresPhone, O::Brand, 26, bits(F::Phone), "phone required"},
    SwitchSlot{S::OffersFrenchCorrespondence, O::Brand, 27, 0,
               "French correspondence offered"},
    SwitchSlot{S::RequiresJobTitle, O::Brand, 28, bits(F::JobTitle), "job title required"},
    SwitchSlot{S::RequiresCompany, O::Brand, 29, bits(F::Company), "company required"},
    SwitchSlot{S::RequiresEmail, O::Brand, 30, bits(F::Email), "e-mail required"},
};

constexpr bool rowsFollowEnumerators() {
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    if (static_cast<std::size_t>(kSlots[i].which) != i) return false;
  return true;
}
static_assert(rowsFollowEnumerators());
static_assert(kSlots.size() == kLanguageSwitchCount + kBrandContactSwitchCount);

}  // namespace

std::span<const SwitchSlot> switchSlots() { return kSlots; }

const SwitchSlot& switchSlot(Switch which) { return kSlots[static_cast<std::size_t>(which)]; }

std::optional<Switch> switchFor(SwitchOwner owner, ContactField field) {
  for (const auto& row : kSlots)
    if (row.owner == owner && (row.fields & fieldBit(field)) != 0) return row.which;
  return std::nullopt;
}

}  // namespace kvr
