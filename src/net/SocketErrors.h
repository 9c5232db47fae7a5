#pragma once

#include <string>
#include <string_view>

namespace kvr::net {

// Contexts of socket failures (string ids).
inline constexpr int kContextStartup = 1504;
inline constexpr int kContextSocket = 1506;
inline constexpr int kContextConnect = 1507;
inline constexpr int kContextSocks = 1509;
inline constexpr int kContextReceive = 1510;

// The text shown and the text logged for Winsock error `error` met in `contextId`.
struct SocketErrorTexts {
  std::string shown;
  std::string logged;
};
SocketErrorTexts socketErrorTexts(int error, int contextId);

// Why a name lookup failed: the log line and whether one more try may help.
struct LookupFailure {
  std::string_view logText;
  bool temporary;
};
LookupFailure classifyLookupFailure(int error);

// Throws the program's error for a failed submission (id 219 carrying `text`).
[[noreturn]] void failSubmission(const std::string& text);
// The same with the text of a string id.
[[noreturn]] void failSubmission(int stringId);
// Logs the socket error's text and throws with the text to show.
[[noreturn]] void raiseSocketError(int error, int contextId);

}  // namespace kvr::net
