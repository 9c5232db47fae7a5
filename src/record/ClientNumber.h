#pragma once

#include <string>
#include <string_view>

namespace kvr {

// The client number made from a GUID in registry form ("{XXXXXXXX-XXXX-...}") and the user's
// name: the GUID's last 15 hex digits, some of them replaced by the hexadecimal byte values of
// the name's first letters, in upper case. Usually 15 characters, fewer when a name byte is
// below 0x10 or both names are empty. Empty when `guid` does not hold 32 hex digits.
std::string clientNumberFromGuid(std::string_view guid, std::string_view firstName,
                                 std::string_view lastName);

}  // namespace kvr
