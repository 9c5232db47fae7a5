#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvr {

// Walking an SMBIOS/DMI structure table held in memory. Each structure is a type byte, the
// length of its formatted area, the rest of that area, then its strings, each ended by a zero,
// the set ended by an empty string; a structure without strings ends in two zero bytes.
// Nothing here reads outside the span, whatever the lengths in the table say.

// Offset of the first structure of `type`, or none when the walk runs out of table first.
std::optional<std::size_t> findStructure(std::span<const std::uint8_t> table, std::uint8_t type);

// String `number` (counted from 1) of the structure at `offset`. None for number 0, for a
// number past the structure's last string, for an empty string, and for one whose terminating
// zero lies outside the table.
std::optional<std::string_view> structureString(std::span<const std::uint8_t> table,
                                                std::size_t offset, std::uint8_t number);

}  // namespace kvr
