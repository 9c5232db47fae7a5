#pragma once

#include <string_view>

namespace kvr::platform {

// Starts a command line (split by Windows rules, the first token naming the program) as a
// new process in its own process group, without a shell, and does not wait for it.
// False when the command is empty or the program could not be started.
bool startDetachedProcess(std::string_view commandLine);

}  // namespace kvr::platform
