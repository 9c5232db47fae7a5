// Any bytes as a proxy auto-config script: values and a connection type, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/AutoConfigScan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  const auto values = kvr::net::scanReturnValues(script);
  std::size_t total = 0;
  for (const auto& value : values) total += value.size();
  if (total > size) std::abort();
  kvr::net::ConnectionSettings settings;
  const auto type = kvr::net::evaluateReturnValues(values, settings);
  using T = kvr::net::ConnectionType;
  if (type == T::Proxy && settings.proxyPort.empty()) std::abort();
  if (type == T::Socks && settings.socksPort.empty()) std::abort();
  return 0;
}
