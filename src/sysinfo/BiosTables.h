#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "sysinfo/PhysicalMemory.h"

namespace kvr {

struct BiosValues {
  std::string manufacturer;
  std::string productName;
  std::string serial;
};

// The maker's own name: only its machines report a serial number.
inline constexpr std::string_view kMakerName = "OVX";

// The BIOS identity from the SMBIOS structure table, else the DMI one, else the maker's VPD
// block, with the serial kept only for the maker's own machines. Every step goes to the debug
// log, the VPD block also as a hex dump. None when no source gave a value.
std::optional<BiosValues> readBiosTables(PhysicalMemory& memory);

// Rows of up to 16 bytes: hexadecimal in pairs, then the printable characters between bars.
void writeHexDump(std::ostream& out, std::span<const std::uint8_t> bytes);

}  // namespace kvr
