// kvrStart: started at every logon; once the due time has come it starts the command that
// follows the date. Silent by design: no output, no log.

#include "launcher/Launcher.h"
#include "platform/Process.h"
#include "platform/System.h"

int main(int argc, char** argv) {
  const std::string arguments = kvr::launchArgumentText(argc, argv);
  const kvr::LaunchRequest request = kvr::parseLaunchCommandLine(arguments);
  if (request.error != kvr::LaunchError::None) return kvr::kLauncherFailed;

  if (kvr::platform::currentTime() < kvr::platform::localTimeToEpoch(request.due))
    return kvr::kLauncherDone;
  return kvr::platform::startDetachedProcess(request.command) ? kvr::kLauncherDone
                                                              : kvr::kLauncherFailed;
}
