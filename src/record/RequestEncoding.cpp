#include "record/RequestEncoding.h"

namespace kvr {

namespace {

// Not the C library's classes: those follow the locale and would pass letters above 0x7F.
bool passesUnescaped(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '_';
}

}  // namespace

void appendEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (passesUnescaped(byte)) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
}

std::string escapeRequestValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text);
  return out;
}

void appendRequestPair(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  appendEscaped(out, value.empty() ? std::string_view(" ") : value);
}

}  // namespace kvr
