#include "net/DoPost.h"

#include <string>

#include "log/DebugLog.h"
#include "net/ConnectionDetector.h"
#include "net/ReplyJudge.h"
#include "net/ReplyReader.h"
#include "net/ServerTarget.h"
#include "net/SocketErrors.h"
#include "net/Socks4.h"
#include "net/SubmissionRequest.h"
#include "ui/StringTable.h"

namespace kvr::net {

namespace {

constexpr int kConnectionMethod = 1503;
constexpr int kTimedOut = 1530;
constexpr int kPostFailed = 1511;
constexpr int kTooManyRedirects = 1512;

void logSystem(const PostEnvironment& env) {
  if (env.regressionTest) {
    debugLog() << "OS: " << "Windows Regression OS" << std::endl;
    debugLog() << "Version: " << "Windows Regression Version" << std::endl;
  } else {
    debugLog() << "OS: " << env.osName << std::endl;
    debugLog() << "Version: " << env.osVersion << std::endl;
  }
}

void socksExchange(platform::Socket& socket, const ServerTarget& target, std::uint32_t address,
                   const PostEnvironment& env) {
  debugLog() << "Sending request to socks server returned "
             << socket.send(socks4Request(portNumber(target.port), address)) << std::endl;
  for (char c : kSocksUserId)
    debugLog() << "Sending char of userid returned " << socket.send(std::string_view(&c, 1))
               << std::endl;
  debugLog() << "Sending char of userid returned " << socket.send(std::string_view("\0", 1))
             << std::endl;

  // The reply may arrive in pieces; each wait has the time-out.
  std::string reply;
  char buffer[kSocksReplyBytes];
  while (reply.size() < kSocksReplyBytes) {
    const int ready = socket.waitReadable(env.timeoutSeconds);
    if (ready < 0) raiseSocketError(socket.lastError(), kContextSocks);
    if (ready == 0) {
      debugLog() << ui::loadString(kTimedOut) << std::endl;
      failSubmission(kTimedOut);
    }
    const long received = socket.receive(buffer, kSocksReplyBytes - reply.size());
    debugLog() << "Receiving reply from socks returned " << received << std::endl;
    if (received <= 0) break;
    reply.append(buffer, static_cast<std::size_t>(received));
  }
  if (!socks4Granted(reply)) {
    debugLog() << "The Socks server refused the request." << std::endl;
    failSubmission(kContextSocks);
  }
}

const char* typeName(ConnectionType type) {
  switch (type) {
    case ConnectionType::Socks: return "Socks";
    case ConnectionType::Proxy: return "Proxy";
    default: return "Direct";
  }
}

}  // namespace

void doPost(std::string_view hostText, std::string_view path, std::string_view query,
            const PostEnvironment& env, ConnectionSettings& settings) {
  logSystem(env);
  detectConnection(settings);
  if (settings.type == ConnectionType::AutoConfig) {
    debugLog() << "Connection type: Autoconfig URL" << std::endl;
    debugLog() << "Autoconfig URL: " << settings.autoConfigUrl << std::endl;
    settings.type = evaluateAutoConfig(settings, env);
  }
  if (settings.type == ConnectionType::Undetermined) {
    debugLog() << "Connection type could not be determined." << std::endl;
    failSubmission(kConnectionMethod);
  }
  const ConnectionType type = settings.type;
  debugLog() << "Connection type: " << typeName(type) << std::endl;
  if (type == ConnectionType::Socks)
    debugLog() << "Socks server: " << settings.socksHost << ":" << settings.socksPort << std::endl;
  if (type == ConnectionType::Proxy)
    debugLog() << "Proxy server: " << settings.proxyHost << ":" << settings.proxyPort << std::endl;

  ServerTarget target = splitHostText(hostText);
  const std::string requestPath = std::string(path) + std::string(query);
  debugLog() << target.host << ":" << target.port << target.prefix << "\n"
             << requestPath << "\n"
             << env.versionText << std::endl;

  std::uint32_t serverAddress = 0;
  std::uint16_t serverPort = 0;
  if (type == ConnectionType::Socks || type == ConnectionType::Proxy) {
    const bool socks = type == ConnectionType::Socks;
    serverAddress = resolveOrFail(socks ? settings.socksHost : settings.proxyHost, env.lookup);
    serverPort = portNumber(socks ? settings.socksPort : settings.proxyPort);
  }

  int attempts = 0;
  bool redirected = false;
  do {
    const std::string request =
        buildRequestText(type == ConnectionType::Proxy, target.host, target.prefix, requestPath);
    if (request.size() > kMaxRequestBytes) {
      debugLog() << "The request is longer than " << kMaxRequestBytes << " bytes; not sent."
                 << std::endl;
      failSubmission(kPostFailed);
    }
    platform::Socket socket(env.cancel);
    if (socket.open() != 0) raiseSocketError(socket.lastError(), kContextSocket);
    const std::uint32_t targetAddress = resolveOrFail(target.host, env.lookup);
    const bool direct = type == ConnectionType::Direct;

    debugLog() << target.host << ":" << target.port << target.prefix << std::endl;
    const int connected = socket.connect(direct ? targetAddress : serverAddress,
                                         direct ? portNumber(target.port) : serverPort);
    debugLog() << "Connecting returned " << connected << std::endl;
    if (connected != 0) raiseSocketError(socket.lastError(), kContextConnect);
    if (type == ConnectionType::Socks) socksExchange(socket, target, targetAddress, env);

    debugLog() << request << std::endl;
    debugLog() << "Length: " << request.size() << std::endl;
    debugLog() << "Sending the data request returned " << socket.send(request) << std::endl;

    const ReplyVerdict verdict = judgeReply(readWholeReply(socket, env.timeoutSeconds));
    redirected = verdict.kind == ReplyVerdict::Kind::Redirect;
    if (verdict.kind == ReplyVerdict::Kind::Failed) failSubmission(verdict.errorId);
    if (redirected) {
      target = verdict.target;
      ++attempts;
    }
  } while (redirected && attempts < kMaxAttempts);
  if (redirected) failSubmission(kTooManyRedirects);
}

}  // namespace kvr::net
