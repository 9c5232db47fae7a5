#pragma once

#include <string>
#include <string_view>

namespace kvr {

// The one escaping of every value of the registration request: ASCII letters, digits and "_"
// pass; every other byte, including a blank and every byte from 0x80 up, becomes "%" and two
// lower-case hexadecimal digits. Empty text stays empty.
std::string escapeRequestValue(std::string_view text);
void appendEscaped(std::string& out, std::string_view text);

// Appends key "=" and the escaped value; an empty value goes as a single blank ("%20").
void appendRequestPair(std::string& out, std::string_view key, std::string_view value);

}  // namespace kvr
