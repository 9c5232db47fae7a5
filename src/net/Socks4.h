#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvr::net {

// The user id sent with every SOCKS 4 request, and the reply byte that grants it.
inline constexpr std::string_view kSocksUserId = "Wyvern";
inline constexpr unsigned char kSocksGranted = 90;
inline constexpr std::size_t kSocksReplyBytes = 8;

// The 8 fixed bytes of a CONNECT request: version 4, command 1, port and IPv4 address in
// network byte order (`address` is already in network order). The user id and its
// terminating zero follow separately.
std::string socks4Request(std::uint16_t port, std::uint32_t address);

// True for a complete reply (8 bytes) whose second byte grants the request; a shorter reply
// is a failure, whatever bytes it holds.
bool socks4Granted(std::string_view reply);

}  // namespace kvr::net
