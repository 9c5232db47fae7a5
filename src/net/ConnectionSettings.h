#pragma once

#include <string>
#include <string_view>

namespace kvr::net {

enum class ConnectionType { Direct = 1, AutoConfig = 2, Socks = 3, Proxy = 4, Undetermined = 5 };

// How this computer reaches the web, as the browser's settings say. Server values survive
// from one detection to the next and are overwritten only by values found.
struct ConnectionSettings {
  ConnectionType type = ConnectionType::Undetermined;
  std::string autoConfigUrl;
  std::string proxyHost;
  std::string proxyPort = "80";
  std::string socksHost;
  std::string socksPort = "1080";
  std::string netscapeProxyType;
};

// The process-wide settings; written only by the submission worker.
ConnectionSettings& connectionSettings();
void resetConnectionSettings();

// Internet Explorer's "ProxyServer" value: "host[:port]" for every protocol, or entries
// "http=host:port;socks=host:port;..." (any case, "http://" allowed before a host).
void parseProxyServerValue(std::string_view value, ConnectionSettings& settings);

// Internet Explorer's decision from "ProxyEnable" once the values are read.
ConnectionType decideInternetExplorer(long proxyEnable, ConnectionSettings& settings);

// One line of Netscape's prefs.js: stores the value of the first known key in the line when
// that value is not empty. True when something was stored.
bool readPrefsLine(std::string_view line, ConnectionSettings& settings);

// Netscape's decision on "network.proxy.type" once the file is read.
ConnectionType decideNetscape(ConnectionSettings& settings);

}  // namespace kvr::net
