#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace kvr::platform {

// Called first thing in main(): the arguments the process was started with.
void setArguments(int argc, char** argv);

// Full path of the running program.
std::string executablePath();

// The command line as Windows hands it over: the program name in double quotes, then every
// argument quoted by Windows rules, so that splitting it again gives back the arguments.
std::string commandLine();

// Looks a program up the way SearchPath does: beside the running program first, then in the
// current directory, then on PATH. A trailing ".exe" is dropped on systems whose programs
// have no suffix. Empty when not found.
std::string searchPath(std::string_view fileName);

// The user's default locale in Windows form ("German_Austria.1252"), from LC_ALL,
// LC_MESSAGES or LANG. "English_United States.1252" when none names a language.
std::string userLocaleName();

// Sets the C runtime's locale for all categories; `name` empty means the user's default.
// Returns false when the system does not know the name.
bool setRuntimeLocale(std::string_view name);

// A new random GUID in registry form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
std::string createGuid();

// Seconds since 1970 for a local calendar time; fields out of range are normalised.
// -1 when the time cannot be represented.
std::time_t localTimeToEpoch(std::tm localTime);
std::tm epochToLocalTime(std::time_t seconds);
std::time_t currentTime();

// Directory of the hive files and other per-user data: $KVR_PREFIX, else
// $XDG_DATA_HOME/kvr, else ~/.local/share/kvr.
std::string dataPrefix();

}  // namespace kvr::platform
