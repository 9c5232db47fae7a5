#include "net/ConnectionDetector.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "app/Options.h"
#include "browser/NetscapeProfile.h"
#include "browser/RegistryReaders.h"
#include "log/DebugLog.h"
#include "net/AutoConfigScan.h"
#include "net/ReplyReader.h"
#include "net/ServerTarget.h"
#include "net/SocketErrors.h"

namespace kvr::net {

namespace {

using platform::RegRoot;

constexpr int kNoDefaultBrowser = 1500;
constexpr int kNetscapeSettings = 1502;
constexpr std::string_view kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

void detectInternetExplorer(ConnectionSettings& settings) {
  debugLog() << "Default browser: Internet Explorer" << std::endl;
  settings.type = ConnectionType::Direct;
  const auto enable = readRegistryNumber(RegRoot::CurrentUser, kInternetSettings, "ProxyEnable");
  if (!enable) return;
  settings.autoConfigUrl = readRegistryText(RegRoot::CurrentUser, kInternetSettings, "AutoConfigURL");
  parseProxyServerValue(readRegistryText(RegRoot::CurrentUser, kInternetSettings, "ProxyServer"),
                        settings);
  settings.type = decideInternetExplorer(*enable, settings);
}

[[noreturn]] void failPrefs(int step, int errorNumber) {
  const std::string message = std::strerror(errorNumber);
  debugLog() << "ProductRegistration CException (" << step << ") for doPost:" << message
             << std::endl;
  failSubmission(message);
}

void detectNetscape(ConnectionSettings& settings) {
  debugLog() << "Default browser: Netscape" << std::endl;
  settings.type = ConnectionType::Direct;
  const std::string path = NetscapeProfile::profileFile("prefs.js");
  debugLog() << "Returned prefs.js path: " << path << std::endl;
  if (path.empty()) failSubmission(kNetscapeSettings);
  debugLog() << "Opening file: " << path << std::endl;
  std::ifstream file(NetscapeProfile::systemPath(path));
  if (!file) failPrefs(1, errno ? errno : ENOENT);
  debugLog() << "Parsing prefs.js" << std::endl;
  std::string line;
  while (std::getline(file, line)) readPrefsLine(line, settings);
  if (file.bad()) failPrefs(2, errno ? errno : EIO);
  file.close();
  debugLog() << "Determining connection type" << std::endl;
  settings.type = decideNetscape(settings);
}

}  // namespace

void detectConnection(ConnectionSettings& settings) {
  const auto browser = readRegistryText(RegRoot::ClassesRoot, ".htm", "");
  if (browser.empty()) failSubmission(kNoDefaultBrowser);
  if (equalsIgnoreCase(browser, "NetscapeMarkup"))
    detectNetscape(settings);
  else
    detectInternetExplorer(settings);
}

ConnectionType evaluateAutoConfig(ConnectionSettings& settings, const PostEnvironment& env) {
  const auto url = stripHttpScheme(settings.autoConfigUrl);
  const auto slash = url.find('/');
  std::string path = slash == std::string_view::npos ? "http://" + std::string(url)
                                                     : std::string(url.substr(slash));
  std::string host, port;
  splitHostPort(url.substr(0, slash), kDefaultHttpPort, host, port);
  debugLog() << host << ":" << port << path << "\n";

  platform::Socket socket(env.cancel);
  if (socket.open() != 0) raiseSocketError(socket.lastError(), kContextSocket);
  const auto address = resolveOrFail(host, env.lookup);
  const int connected = socket.connect(address, portNumber(port));
  debugLog() << "Connecting returned " << connected << std::endl;
  if (connected != 0) raiseSocketError(socket.lastError(), kContextConnect);
  const std::string request = "GET " + path + "\n";
  debugLog() << request << std::endl;
  debugLog() << "Length: " << request.size() << std::endl;
  debugLog() << "Sending the data request returned " << socket.send(request) << std::endl;
  const std::string script = readWholeReply(socket, env.timeoutSeconds);
  return evaluateReturnValues(scanReturnValues(script), settings);
}

}  // namespace kvr::net
