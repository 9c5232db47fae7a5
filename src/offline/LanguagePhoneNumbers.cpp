#include "offline/LanguagePhoneNumbers.h"

namespace kvr {

namespace {

constexpr int kItalian = 0;
constexpr int kFrench = 9;
constexpr int kGerman = 11;
constexpr int kDutch = 13;

// Deployment values: reserved numbers, replaced by a deployer here and only here.
constexpr LanguagePhoneNumber kBelgium[] = {
    {kDutch, kCentreNumber, "+1 555 0150"},
    {kDutch, kBrandNumber, "+1 555 0151"},
    {kFrench, kCentreNumber, "+1 555 0152"},
    {kFrench, kBrandNumber, "+1 555 0153"},
};

constexpr LanguagePhoneNumber kSwitzerland[] = {
    {kGerman, kCentreNumber, "+1 555 0154"}, {kGerman, kBrandNumber, "+1 555 0155"},
    {kFrench, kCentreNumber, "+1 555 0156"}, {kFrench, kBrandNumber, "+1 555 0157"},
    {kItalian, kCentreNumber, "+1 555 0158"}, {kItalian, kBrandNumber, "+1 555 0159"},
};

}  // namespace

std::span<const LanguagePhoneNumber> belgianPhoneNumbers() { return kBelgium; }
std::span<const LanguagePhoneNumber> swissPhoneNumbers() { return kSwitzerland; }

std::string_view phoneNumberFor(std::span<const LanguagePhoneNumber> numbers, int language,
                                int kind) {
  for (const auto& number : numbers)
    if (number.language == language && number.kind == kind) return number.phone;
  return " ";
}

}  // namespace kvr
