#pragma once

#include <span>
#include <string_view>

namespace kvr {

// A registration number by user-interface language number and kind: 1 the centre's own, 2 the
// one for brands with their own numbers.
struct LanguagePhoneNumber {
  int language;
  int kind;
  std::string_view phone;
};

inline constexpr int kCentreNumber = 1;
inline constexpr int kBrandNumber = 2;

std::span<const LanguagePhoneNumber> belgianPhoneNumbers();  // Dutch and French
std::span<const LanguagePhoneNumber> swissPhoneNumbers();    // German, French and Italian

// The number of `language` and `kind`; a single blank when the table has none.
std::string_view phoneNumberFor(std::span<const LanguagePhoneNumber> numbers, int language,
                                int kind);

}  // namespace kvr
