#pragma once

#include <string_view>

#include "net/ConnectionSettings.h"
#include "net/PostEnvironment.h"

namespace kvr::net {

// At most this many requests per submission; a seventh redirect fails it.
inline constexpr int kMaxAttempts = 7;

// Sends the query to the registration server (host text "host[:port][/prefix]") with one
// HTTP/1.0 GET per attempt, following redirects, directly or through the proxy or SOCKS server
// the browser's settings name. Returns when the server accepted the registration; otherwise
// throws the program's error (CRegException*, id 219, with the message).
void doPost(std::string_view hostText, std::string_view path, std::string_view query,
            const PostEnvironment& env, ConnectionSettings& settings = connectionSettings());

}  // namespace kvr::net
