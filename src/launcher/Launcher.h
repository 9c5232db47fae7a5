#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace kvr {

// The launcher's command line is at most this long; a longer one is refused whole rather
// than cut, so a truncated command is never started.
inline constexpr std::size_t kLauncherCommandLineLimit = 2047;

// Exit codes of kvrStart. "All bits set" of an 8-bit exit status.
inline constexpr int kLauncherDone = 0;
inline constexpr int kLauncherFailed = 255;

enum class LaunchError { None, MissingDateToken, CommandLineTooLong };

struct LaunchRequest {
  LaunchError error = LaunchError::None;
  std::tm due{};        // local calendar time as written, not normalised; daylight saving unknown
  std::string command;  // the tokens after the date, each followed by one blank
};

// Reads the launcher's arguments: hour, minute, month, day and year, then the command.
// Tokens are separated by runs of blanks (tabs are part of a token); a number is read from a
// token's leading decimal digits, 0 when it has none.
LaunchRequest parseLaunchCommandLine(std::string_view arguments);

// The raw argument text as Windows would hand it to the launcher: argv[1] onwards, each
// quoted by Windows rules, separated by one blank.
std::string launchArgumentText(int argc, const char* const* argv);

}  // namespace kvr
