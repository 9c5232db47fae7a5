#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kvr::pmem {

// A 31-byte SMBIOS 2.x entry point ("_SM_", with the "_DMI_" part inside) for a structure
// table of `length` bytes at `address`, both checksums right.
std::vector<std::uint8_t> smbiosEntryPoint(std::uint16_t length, std::uint32_t address,
                                           std::uint16_t structureCount, std::uint8_t major = 2,
                                           std::uint8_t minor = 4);

// Sets `bytes[at]` so that bytes[from, from + count) add up to 0 modulo 256.
void fixChecksum(std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count,
                 std::size_t at);

// A type-1 (system information) structure with the three strings given, numbered 1, 2, 3 in
// that order; an empty one gets string number 0. Followed by the end-of-table structure.
std::vector<std::uint8_t> systemInformationTable(const std::string& manufacturer,
                                                 const std::string& productName,
                                                 const std::string& serial);

}  // namespace kvr::pmem
