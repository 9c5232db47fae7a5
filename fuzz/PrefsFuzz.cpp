// Any bytes as a Netscape prefs.js, read line by line: settings, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "net/ConnectionSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  kvr::net::ConnectionSettings settings;
  while (!text.empty()) {
    const auto end = text.find('\n');
    kvr::net::readPrefsLine(text.substr(0, end), settings);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  kvr::net::decideNetscape(settings);
  return 0;
}
