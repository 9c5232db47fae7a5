#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kvr::test {

// What the server does with one request.
struct ServerAction {
  std::vector<std::string> blocks;          // sent in order, then the connection is closed
  std::chrono::milliseconds gap{0};         // pause before each block after the first
  bool silent = false;                      // keep the connection open and send nothing more
  bool reset = false;                       // abort the connection after the blocks
  std::size_t fillBytes = 0;                // then this many bytes of filler
};

// A registration server of our own on a loopback address, for the replies no real server
// gives. Each connection's request is read up to its blank line (or its first line feed for a
// request without a version) and answered by the handler.
class LoopbackServer {
 public:
  using Handler = std::function<ServerAction(const std::string& request)>;

  // requestBytes 0: a request ends at its blank line; else it is that many raw bytes.
  explicit LoopbackServer(Handler handler, const std::string& address = "127.0.0.1",
                          std::uint16_t port = 0, std::size_t requestBytes = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  std::uint16_t port() const { return m_port; }
  std::string hostText() const { return m_address + ":" + std::to_string(m_port); }
  std::vector<std::string> requests() const;

 private:
  void serve();
  void answer(int fd);

  Handler m_handler;
  std::string m_address;
  int m_listen = -1;
  int m_stopPipe[2] = {-1, -1};
  std::uint16_t m_port = 0;
  std::size_t m_requestBytes = 0;
  mutable std::mutex m_mutex;
  std::vector<std::string> m_requests;
  std::vector<std::thread> m_connections;
  std::thread m_thread;
};

}  // namespace kvr::test
