#pragma once

#include <cstddef>
#include <string>

#include "platform/Socket.h"

namespace kvr::net {

// A reply is read whole, but never beyond this: a larger one fails the submission.
inline constexpr std::size_t kMaxReplyBytes = 1024 * 1024;
inline constexpr std::size_t kReceiveBlock = 4096;

// Reads until the peer closes, waiting at most `timeoutSeconds` for every block, logging
// each block, and closes the socket. Fails the submission on a time-out (1530), a socket
// error (context 1510) or a reply over kMaxReplyBytes.
std::string readWholeReply(platform::Socket& socket, int timeoutSeconds);

}  // namespace kvr::net
