#include "net/AutoConfigScan.h"

#include "app/Options.h"
#include "net/ServerTarget.h"

namespace kvr::net {

namespace {
constexpr auto npos = std::string_view::npos;
}

std::vector<std::string> scanReturnValues(std::string_view script) {
  std::vector<std::string> values;
  std::size_t at = 0;
  for (;;) {
    auto keyword = script.find("return", at);
    if (keyword == npos) keyword = script.find("RETURN", at);
    if (keyword == npos) break;
    const auto rest = keyword + 6;
    char quote = '"';
    auto open = script.find(quote, rest);
    if (open == npos) {
      quote = '\'';
      open = script.find(quote, rest);
    }
    if (open == npos) break;
    const auto close = script.find(quote, open + 1);
    if (close == npos) break;
    values.emplace_back(script.substr(open + 1, close - open - 1));
    at = close + 1;
  }
  return values;
}

ConnectionType evaluateReturnValues(const std::vector<std::string>& values,
                                    ConnectionSettings& settings) {
  ConnectionType type = ConnectionType::Undetermined;
  for (const auto& value : values) {
    if (equalsIgnoreCase(value, "direct")) {
      if (type == ConnectionType::Undetermined) type = ConnectionType::Direct;
      continue;
    }
    const auto blank = value.find(' ');
    if (blank == std::string::npos) continue;
    const std::string_view kind(value.data(), blank);
    std::string server;
    for (char c : std::string_view(value).substr(blank + 1))
      if (c != ' ') server += c;
    std::string_view entry = stripHttpScheme(server);
    entry = entry.substr(0, entry.find(';'));
    if (equalsIgnoreCase(kind, "socks")) {
      type = ConnectionType::Socks;
      splitHostPort(entry, kDefaultSocksPort, settings.socksHost, settings.socksPort);
    } else {
      type = ConnectionType::Proxy;
      splitHostPort(entry, kDefaultHttpPort, settings.proxyHost, settings.proxyPort);
    }
  }
  return type;
}

}  // namespace kvr::net
