#include "brand/AmberlyPhoneList.h"

namespace kvr {

namespace {

constexpr BrandPhoneNumber kNumbers[] = {
    {7, "+1 555 0170"},   {41, "+1 555 0171"},  {50, "+1 555 0172"},  {51, "+1 555 0173"},
    {56, "+1 555 0174"},  {72, "+1 555 0175"},  {74, "+1 555 0176"},  {112, "+1 555 0177"},
    {121, "+1 555 0178"}, {137, "+1 555 0179"}, {142, "+1 555 0180"}, {157, "+1 555 0181"},
};

}  // namespace

std::span<const BrandPhoneNumber> amberlyPhoneNumbers() { return kNumbers; }

std::string_view amberlyPhoneNumber(int countryIndex) {
  for (const auto& entry : kNumbers)
    if (entry.countryIndex == countryIndex) return entry.phone;
  return " ";
}

}  // namespace kvr
