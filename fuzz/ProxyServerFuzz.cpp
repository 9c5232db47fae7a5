// Any bytes as Internet Explorer's "ProxyServer" value: settings, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/ConnectionSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  kvr::net::ConnectionSettings settings;
  kvr::net::parseProxyServerValue(value, settings);
  if (settings.proxyHost.size() > size || settings.socksHost.size() > size) std::abort();
  const auto type = kvr::net::decideInternetExplorer(1, settings);
  if (type == kvr::net::ConnectionType::Proxy && settings.proxyPort.empty()) std::abort();
  return 0;
}
