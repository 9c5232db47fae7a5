#include "record/ClientNumber.h"

#include <cstddef>

namespace kvr {

namespace {

constexpr std::size_t kGuidDigits = 32;
constexpr std::size_t kKeptDigits = 15;

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Lower case, no leading zeros.
std::string hexOfByte(char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  std::string text;
  if (byte >= 0x10) text += kHex[byte >> 4];
  text += kHex[byte & 0x0F];
  return text;
}

char upperHex(char c) { return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string clientNumberFromGuid(std::string_view guid, std::string_view firstName,
                                 std::string_view lastName) {
  std::string digits;
  for (char c : guid) {
    if (c == '{' || c == '}' || c == '-') continue;
    if (!isHexDigit(c)) return {};
    digits += c;
  }
  if (digits.size() != kGuidDigits) return {};

  std::string number = digits.substr(kGuidDigits - kKeptDigits);
  if (lastName.size() >= 2) {
    number.erase(0, 4);
    number += hexOfByte(lastName[0]);
    number += hexOfByte(lastName[1]);
  } else {
    number.erase(0, 2);
    number += lastName.empty() ? std::string("0") : hexOfByte(lastName[0]);
    if (!firstName.empty()) {
      number.erase(0, 2);
      number += hexOfByte(firstName[0]);
    }
  }
  // Only hex digits are left, so upper-casing them is the whole of the case conversion.
  for (char& c : number) c = upperHex(c);
  return number;
}

}  // namespace kvr
