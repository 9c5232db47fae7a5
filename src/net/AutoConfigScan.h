#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "net/ConnectionSettings.h"

namespace kvr::net {

// The quoted return values of a proxy auto-config script, in file order. The script is not
// run: after each "return" (else "RETURN") the text between the next pair of double quotes
// (single quotes when no double quote follows) is one value.
std::vector<std::string> scanReturnValues(std::string_view script);

// The connection type the values give (Undetermined when none does); sets the proxy or SOCKS
// server of the last "KIND host:port" value. Of a ";"-separated list only the first entry
// counts.
ConnectionType evaluateReturnValues(const std::vector<std::string>& values,
                                    ConnectionSettings& settings);

}  // namespace kvr::net
