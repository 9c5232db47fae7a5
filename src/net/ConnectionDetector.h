#pragma once

#include "net/ConnectionSettings.h"
#include "net/PostEnvironment.h"

namespace kvr::net {

// Reads the default browser's settings (Internet Explorer's registry values or Netscape's
// prefs.js) into `settings` and sets its type. Fails the submission when no default browser
// is found or Netscape's settings cannot be read.
void detectConnection(ConnectionSettings& settings);

// Fetches the auto-config script of settings.autoConfigUrl directly ("GET path" and a line
// feed) and scans its return values; returns the type they give.
ConnectionType evaluateAutoConfig(ConnectionSettings& settings, const PostEnvironment& env);

}  // namespace kvr::net
