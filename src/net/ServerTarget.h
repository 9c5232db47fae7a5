#pragma once

#include <string>
#include <string_view>

namespace kvr::net {

// Deployment values: the registration server. String 307 (res/strings.rc) holds the name used
// by default, host and path prefix; these two are used with the option connect=Direct or
// connect=DirectIP. A deployer changes all three together.
inline constexpr std::string_view kDefaultServerHost = "register.example.com";
inline constexpr std::string_view kDefaultServerAddress = "192.0.2.10";

// The service's path; the query follows it directly.
inline constexpr std::string_view kServicePath = "/scripts/mwisapi.dll/Service.Gateway.DoGet?";

inline constexpr std::string_view kDefaultHttpPort = "80";
inline constexpr std::string_view kDefaultSocksPort = "1080";

// Where a request goes: host, port text and a path prefix that is empty or begins with "/".
struct ServerTarget {
  std::string host;
  std::string port;
  std::string prefix;

  bool operator==(const ServerTarget&) const = default;
};

// "host[:port][/prefix]": the prefix runs from the first "/"; a missing port is "80".
ServerTarget splitHostText(std::string_view hostText);

// Splits "host:port" at the first ":"; a missing or empty port gives `defaultPort`.
void splitHostPort(std::string_view text, std::string_view defaultPort, std::string& host,
                   std::string& port);

// The host text for the value of the option `connect` (compared without regard to case):
// the default host for "Direct", its address for "DirectIP", string 307 for anything else.
std::string chooseHostText(std::string_view connectOption);

// The port text as a number; 0 when it is not a decimal number from 1 to 65535.
unsigned short portNumber(std::string_view port);

// Removes a leading "HTTP://" or "HTTP:\\" in any case.
std::string_view stripHttpScheme(std::string_view text);

// ASCII upper-case copy; positions stay those of the original.
std::string toUpperAscii(std::string_view text);

}  // namespace kvr::net
