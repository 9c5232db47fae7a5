#pragma once

#include <string>
#include <string_view>

namespace kvr {

// The section of the contact data and the client number; the store always creates it.
inline constexpr std::string_view kGeneralSection = "General";

// The user's saved answers: REG_SZ values under
// HKEY_CURRENT_USER\Software\OVX\Product Registration\<section>. No failure is shown; a read
// that finds nothing usable gives empty text or -1.
class RegistryStore {
 public:
  // True once the section's key is open, whether or not the value could then be set.
  static bool writeText(std::string_view section, std::string_view name, std::string_view text);
  // Stores the decimal text with at least four bytes of data (up to three digits and the
  // terminating zero, padded); longer numbers keep every digit. True when the value was set.
  static bool writeInt(std::string_view section, std::string_view name, int value);
  // Texts of up to 1023 bytes; longer ones read as empty. A value of another type gives its
  // bytes up to the first zero.
  static std::string readText(std::string_view section, std::string_view name);
  // A REG_SZ by its leading decimal number, a REG_DWORD or REG_BINARY by its first four bytes
  // (little-endian); -1 for anything else.
  static int readInt(std::string_view section, std::string_view name);

  // Writes made while one lives reach the disk together when it goes: one locked write and one
  // flush of the hive instead of one per value. A write inside reports success once the value
  // is set in memory.
  class Batch {
   public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
  };
};

}  // namespace kvr
