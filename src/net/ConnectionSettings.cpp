#include "net/ConnectionSettings.h"

#include "net/ServerTarget.h"

namespace kvr::net {

namespace {

constexpr auto npos = std::string_view::npos;

// The port after the first ":" (possibly empty); the default when there is no ":".
void splitKeepingEmptyPort(std::string_view text, std::string_view defaultPort,
                           std::string& host, std::string& port) {
  const auto colon = text.find(':');
  host = std::string(text.substr(0, colon));
  port = colon == npos ? std::string(defaultPort) : std::string(text.substr(colon + 1));
}

void readEntry(std::string_view value, std::string_view upperValue, std::string_view key,
               std::string_view defaultPort, std::string& host, std::string& port) {
  const auto at = upperValue.find(key);
  if (at == npos) return;
  auto entry = stripHttpScheme(value.substr(at + key.size()));
  entry = entry.substr(0, entry.find(';'));
  splitKeepingEmptyPort(entry, defaultPort, host, port);
}

ConnectionType proxyOrSocks(ConnectionSettings& settings) {
  if (!settings.proxyHost.empty()) {
    if (settings.proxyPort.empty()) settings.proxyPort = kDefaultHttpPort;
    return ConnectionType::Proxy;
  }
  if (!settings.socksHost.empty()) {
    if (settings.socksPort.empty()) settings.socksPort = kDefaultSocksPort;
    return ConnectionType::Socks;
  }
  return ConnectionType::Direct;
}

struct PrefsKey {
  std::string_view name;  // upper case
  std::string ConnectionSettings::*field;
};
const PrefsKey kPrefsKeys[] = {
    {"NETWORK.PROXY.TYPE", &ConnectionSettings::netscapeProxyType},
    {"NETWORK.PROXY.HTTP_PORT", &ConnectionSettings::proxyPort},
    {"NETWORK.PROXY.HTTP", &ConnectionSettings::proxyHost},
    {"NETWORK.HOSTS.SOCKS_SERVERPORT", &ConnectionSettings::socksPort},
    {"NETWORK.HOSTS.SOCKS_SERVER", &ConnectionSettings::socksHost},
    {"NETWORK.PROXY.AUTOCONFIG_URL", &ConnectionSettings::autoConfigUrl},
};

std::string prefsValue(std::string_view line) {
  const auto comma = line.find(',');
  if (comma == npos) return {};
  std::string value;
  for (char c : line.substr(comma + 1))
    if (c != ',' && c != '"' && c != ')' && c != ';' && c != ' ') value += c;
  return std::string(stripHttpScheme(value));
}

}  // namespace

ConnectionSettings& connectionSettings() {
  static ConnectionSettings settings;
  return settings;
}

void resetConnectionSettings() { connectionSettings() = ConnectionSettings{}; }

void parseProxyServerValue(std::string_view value, ConnectionSettings& settings) {
  if (value.empty()) return;
  if (value.find('=') == npos) {
    splitKeepingEmptyPort(stripHttpScheme(value), kDefaultHttpPort, settings.proxyHost,
                          settings.proxyPort);
    return;
  }
  const std::string upper = toUpperAscii(value);
  readEntry(value, upper, "HTTP=", kDefaultHttpPort, settings.proxyHost, settings.proxyPort);
  readEntry(value, upper, "SOCKS=", kDefaultSocksPort, settings.socksHost, settings.socksPort);
}

ConnectionType decideInternetExplorer(long proxyEnable, ConnectionSettings& settings) {
  if (proxyEnable == 0)
    return settings.autoConfigUrl.empty() ? ConnectionType::Direct : ConnectionType::AutoConfig;
  return proxyOrSocks(settings);
}

bool readPrefsLine(std::string_view line, ConnectionSettings& settings) {
  const std::string upper = toUpperAscii(line);
  for (const auto& key : kPrefsKeys) {
    if (upper.find(key.name) == npos) continue;
    std::string value = prefsValue(line);
    // Every key of a line has the same value: an empty one stores nothing for any key.
    if (value.empty()) return false;
    settings.*key.field = std::move(value);
    return true;
  }
  return false;
}

ConnectionType decideNetscape(ConnectionSettings& settings) {
  const auto& kind = settings.netscapeProxyType;
  if (kind.empty() || kind == "1") return proxyOrSocks(settings);
  if (kind == "2") return ConnectionType::AutoConfig;
  return ConnectionType::Direct;
}

}  // namespace kvr::net
