#pragma once

#include <memory>
#include <string>

#include "net/Resolver.h"
#include "platform/Socket.h"

namespace kvr::net {

// What one submission needs besides its host text and query.
struct PostEnvironment {
  int timeoutSeconds = 45;                        // each single wait for data
  std::shared_ptr<platform::CancelSignal> cancel;  // ends every wait of the submission
  HostLookup lookup = systemHostLookup();
  std::string osName;       // logged as "OS: "
  std::string osVersion;    // logged as "Version: "
  std::string versionText;  // the program's version line
  bool regressionTest = false;
};

}  // namespace kvr::net
