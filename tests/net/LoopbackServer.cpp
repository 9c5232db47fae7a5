#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace kvr::test {

LoopbackServer::LoopbackServer(Handler handler, const std::string& address, std::uint16_t port,
                               std::size_t requestBytes)
    : m_handler(std::move(handler)), m_address(address), m_requestBytes(requestBytes) {
  m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int on = 1;
  ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_port = htons(port);
  at.sin_addr.s_addr = inet_addr(address.c_str());
  if (::bind(m_listen, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
      ::listen(m_listen, 16) != 0)
    throw std::runtime_error("loopback server cannot listen on " + address + ":" +
                             std::to_string(port) + " (port taken, or not root for port 80?)");
  socklen_t length = sizeof at;
  ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&at), &length);
  m_port = ntohs(at.sin_port);
  if (::pipe(m_stopPipe) != 0) throw std::runtime_error("pipe");
  m_thread = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
  [[maybe_unused]] auto n = ::write(m_stopPipe[1], "x", 1);
  m_thread.join();
  for (auto& connection : m_connections) connection.join();
  ::close(m_listen);
  ::close(m_stopPipe[0]);
  ::close(m_stopPipe[1]);
}

std::vector<std::string> LoopbackServer::requests() const {
  std::lock_guard lock(m_mutex);
  return m_requests;
}

void LoopbackServer::serve() {
  for (;;) {
    pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    ::poll(fds, 2, -1);
    if (fds[1].revents) return;
    const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    m_connections.emplace_back([this, fd] { answer(fd); });
  }
}

void LoopbackServer::answer(int fd) {
  std::string request;
  char buffer[4096];
  const auto complete = [&] {
    if (m_requestBytes > 0) return request.size() >= m_requestBytes;
    if (request.find("\r\n\r\n") != std::string::npos) return true;
    return request.find('\n') != std::string::npos && request.find("HTTP/") == std::string::npos;
  };
  while (!complete()) {
    const std::size_t want = m_requestBytes > 0 ? m_requestBytes - request.size() : sizeof buffer;
    const ssize_t n = ::recv(fd, buffer, std::min(want, sizeof buffer), 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  {
    std::lock_guard lock(m_mutex);
    m_requests.push_back(request);
  }
  const ServerAction action = m_handler(request);
  bool first = true;
  for (const auto& block : action.blocks) {
    if (!first) std::this_thread::sleep_for(action.gap);
    first = false;
    ::send(fd, block.data(), block.size(), MSG_NOSIGNAL);
  }
  if (action.fillBytes > 0) {
    const std::string filler(64 * 1024, 'x');
    for (std::size_t sent = 0; sent < action.fillBytes;) {
      const auto chunk = std::min(filler.size(), action.fillBytes - sent);
      const ssize_t n = ::send(fd, filler.data(), chunk, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
  }
  if (action.silent) {
    // Holds the connection until the client gives up or the server is destroyed.
    pollfd fds[2] = {{fd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    ::poll(fds, 2, -1);
  }
  if (action.reset) {
    linger hard{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  }
  ::close(fd);
}

}  // namespace kvr::test
