#include "net/ReplyReader.h"

#include "log/DebugLog.h"
#include "net/SocketErrors.h"
#include "ui/StringTable.h"

namespace kvr::net {

namespace {

constexpr int kTimedOut = 1530;
constexpr int kPostFailed = 1511;

void waitForData(platform::Socket& socket, int timeoutSeconds) {
  const int ready = socket.waitReadable(timeoutSeconds);
  if (ready > 0) return;
  socket.close();
  if (ready < 0) raiseSocketError(socket.lastError(), kContextReceive);
  debugLog() << ui::loadString(kTimedOut) << std::endl;
  failSubmission(kTimedOut);
}

}  // namespace

std::string readWholeReply(platform::Socket& socket, int timeoutSeconds) {
  std::string reply;
  char block[kReceiveBlock];
  waitForData(socket, timeoutSeconds);
  long received = socket.receive(block, sizeof block);
  while (received > 0) {
    debugLog() << "Receiving data returned " << received << std::endl;
    const std::string_view data(block, static_cast<std::size_t>(received));
    debugLog() << data << std::endl;
    if (reply.size() + data.size() > kMaxReplyBytes) {
      socket.close();
      debugLog() << "The reply is larger than " << kMaxReplyBytes << " bytes; giving up."
                 << std::endl;
      failSubmission(kPostFailed);
    }
    reply += data;
    waitForData(socket, timeoutSeconds);
    received = socket.receive(block, sizeof block);
  }
  const int lastError = socket.lastError();
  socket.close();
  if (received < 0) raiseSocketError(lastError, kContextReceive);
  debugLog() << "Last value returned by recv: " << received << std::endl;
  debugLog() << "Last error value: " << lastError << std::endl;
  return reply;
}

}  // namespace kvr::net
