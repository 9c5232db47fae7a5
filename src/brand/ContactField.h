#pragma once

#include <cstdint>

namespace kvr {

// The entries of the contact page, as the layout and validation switches speak of them.
enum class ContactField : std::uint8_t {
  Prefix,
  FirstName,
  Initial,
  LastName,
  Suffix,
  PoBox,
  Street,
  City,
  State,
  Zip,
  Country,
  Phone,
  Extension,
  JobTitle,
  Company,
  Email,
};

inline constexpr int kContactFieldCount = 16;

constexpr std::uint32_t fieldBit(ContactField field) {
  return std::uint32_t{1} << static_cast<unsigned>(field);
}

}  // namespace kvr
