#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvr::test {

// A real server program (nginx, tinyproxy, danted) started in the foreground for one test and
// stopped when the object goes. Construction waits until it accepts connections on the port.
class PeerProcess {
 public:
  PeerProcess(const std::vector<std::string>& argv, const std::string& address, std::uint16_t port);
  ~PeerProcess();
  PeerProcess(const PeerProcess&) = delete;
  PeerProcess& operator=(const PeerProcess&) = delete;

  bool ready() const { return m_ready; }

 private:
  int m_pid = -1;
  bool m_ready = false;
};

// Path of an installed program, searching PATH and the sbin directories; empty when missing.
std::string findProgram(const std::string& name);

// A loopback port that is free at the moment of the call.
std::uint16_t freePort();

}  // namespace kvr::test
