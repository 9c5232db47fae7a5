#include "net/Socks4.h"

#include <cstring>

namespace kvr::net {

std::string socks4Request(std::uint16_t port, std::uint32_t address) {
  std::string request(8, '\0');
  request[0] = 4;
  request[1] = 1;
  request[2] = static_cast<char>(port >> 8);
  request[3] = static_cast<char>(port & 0xFF);
  std::memcpy(request.data() + 4, &address, 4);
  return request;
}

bool socks4Granted(std::string_view reply) {
  return reply.size() >= kSocksReplyBytes && static_cast<unsigned char>(reply[1]) == kSocksGranted;
}

}  // namespace kvr::net
