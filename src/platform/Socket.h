#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace kvr::platform {

// The Winsock error numbers the program reports; every system error is mapped onto one.
inline constexpr int kWsaInterrupted = 10004;     // WSAEINTR: also a call ended by cancel
inline constexpr int kWsaTimedOut = 10060;        // WSAETIMEDOUT
inline constexpr int kWsaConnRefused = 10061;     // WSAECONNREFUSED
inline constexpr int kWsaHostNotFound = 11001;    // WSAHOST_NOT_FOUND
inline constexpr int kWsaTryAgain = 11002;        // WSATRY_AGAIN
inline constexpr int kWsaNoRecovery = 11003;      // WSANO_RECOVERY
inline constexpr int kWsaNoData = 11004;          // WSANO_DATA

// errno of a socket call, or a resolver code (EAI_*, with errno for EAI_SYSTEM), as the
// Winsock number.
int winsockErrorFromErrno(int errnoValue);
int winsockErrorFromResolver(int resolverCode, int errnoValue);

// How a socket is shut down from another thread: raising it ends every blocked call of the
// sockets that share it, and their calls fail with kWsaInterrupted from then on. Once raised it
// stays raised. The owning thread still closes its sockets, so no descriptor is closed under
// a call that uses it.
class CancelSignal {
 public:
  CancelSignal();
  ~CancelSignal();
  CancelSignal(const CancelSignal&) = delete;
  CancelSignal& operator=(const CancelSignal&) = delete;

  void raise();
  bool raised() const;
  // A handle that becomes readable when raised (for the implementation's waits).
  int waitHandle() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

// One IPv4 stream socket. Calls return as their Winsock counterparts do (-1 on failure) and
// leave the Winsock number in lastError(). Addresses are in network byte order.
class Socket {
 public:
  explicit Socket(std::shared_ptr<CancelSignal> cancel = nullptr);
  ~Socket();
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  int open();
  // Blocks until connected or refused, bounded only by the system, or until cancelled.
  int connect(std::uint32_t address, std::uint16_t port);
  long send(std::string_view bytes);
  // Up to `size` bytes; 0 once the peer has closed.
  long receive(char* buffer, std::size_t size);
  // 1 readable, 0 time-out, -1 error (cancel included).
  int waitReadable(int seconds);
  void close();
  int lastError() const { return m_lastError; }

 private:
  int fail(int error);

  std::shared_ptr<CancelSignal> m_cancel;
  int m_fd = -1;
  int m_lastError = 0;
};

// Looks a host name up; 0 with the first IPv4 address, else the Winsock number.
int lookupHost(std::string_view name, std::uint32_t& address);
// A dotted numeric address as inet_addr takes it; false when it does not convert.
bool parseDottedAddress(std::string_view text, std::uint32_t& address);

}  // namespace kvr::platform
