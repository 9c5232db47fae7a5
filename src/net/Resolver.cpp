#include "net/Resolver.h"

#include "log/DebugLog.h"
#include "net/SocketErrors.h"
#include "platform/Socket.h"
#include "record/ValidationText.h"

namespace kvr::net {

namespace {
constexpr int kDnsFailed = 1505;
}

HostLookup systemHostLookup() { return &platform::lookupHost; }

int resolveHost(std::string_view host, std::uint32_t& address, const HostLookup& lookup) {
  if (!containsLetter(host)) {
    if (platform::parseDottedAddress(host, address)) return kResolved;
    debugLog() << "DNS failed: Could not convert IP address" << std::endl;
    return kResolvePermanent;
  }
  const int error = lookup(host, address);
  if (error == 0) return kResolved;
  debugLog() << "DNS failed resolving: " << host << std::endl;
  const auto failure = classifyLookupFailure(error);
  debugLog() << failure.logText << std::endl;
  return failure.temporary ? kResolveTemporary : kResolvePermanent;
}

std::uint32_t resolveOrFail(std::string_view host, const HostLookup& lookup) {
  std::uint32_t address = 0;
  int result = resolveHost(host, address, lookup);
  if (result == kResolveTemporary) result = resolveHost(host, address, lookup);
  if (result != kResolved) failSubmission(kDnsFailed);
  return address;
}

}  // namespace kvr::net
