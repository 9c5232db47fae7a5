#include "net/ServerTarget.h"

#include "app/Options.h"
#include "resource.h"
#include "ui/StringTable.h"

namespace kvr::net {

ServerTarget splitHostText(std::string_view hostText) {
  ServerTarget target;
  const auto slash = hostText.find('/');
  if (slash != std::string_view::npos) target.prefix = std::string(hostText.substr(slash));
  const auto hostPort = hostText.substr(0, slash);
  const auto colon = hostPort.find(':');
  target.host = std::string(hostPort.substr(0, colon));
  target.port = colon == std::string_view::npos ? std::string(kDefaultHttpPort)
                                                : std::string(hostPort.substr(colon + 1));
  return target;
}

void splitHostPort(std::string_view text, std::string_view defaultPort, std::string& host,
                   std::string& port) {
  const auto colon = text.find(':');
  host = std::string(text.substr(0, colon));
  port = colon == std::string_view::npos ? std::string() : std::string(text.substr(colon + 1));
  if (port.empty()) port = std::string(defaultPort);
}

std::string chooseHostText(std::string_view connectOption) {
  if (equalsIgnoreCase(connectOption, "Direct")) return std::string(kDefaultServerHost);
  if (equalsIgnoreCase(connectOption, "DirectIP")) return std::string(kDefaultServerAddress);
  return ui::loadString(IDS_SERVER);
}

unsigned short portNumber(std::string_view port) {
  if (port.empty() || port.size() > 5) return 0;
  unsigned value = 0;
  for (char c : port) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return value >= 1 && value <= 65535 ? static_cast<unsigned short>(value) : 0;
}

std::string_view stripHttpScheme(std::string_view text) {
  if (text.size() >= 7) {
    const auto head = toUpperAscii(text.substr(0, 7));
    if (head == "HTTP://" || head == "HTTP:\\\\") return text.substr(7);
  }
  return text;
}

std::string toUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace kvr::net
