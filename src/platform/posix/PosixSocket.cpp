#include "platform/Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace kvr::platform {

namespace {

enum class Source { Errno, Resolver };

struct ErrorMapping {
  Source source;
  int code;
  int winsock;
};

// The one table from system error codes to the Winsock numbers the program reports.
constexpr ErrorMapping kErrorTable[] = {
    {Source::Errno, EINTR, 10004},           {Source::Errno, EACCES, 10013},
    {Source::Errno, EPERM, 10013},           {Source::Errno, EFAULT, 10014},
    {Source::Errno, EINVAL, 10022},          {Source::Errno, EMFILE, 10024},
    {Source::Errno, ENFILE, 10024},          {Source::Errno, EWOULDBLOCK, 10035},
    {Source::Errno, EINPROGRESS, 10036},     {Source::Errno, EALREADY, 10037},
    {Source::Errno, ENOTSOCK, 10038},        {Source::Errno, EBADF, 10038},
    {Source::Errno, EDESTADDRREQ, 10039},    {Source::Errno, EMSGSIZE, 10040},
    {Source::Errno, EPROTOTYPE, 10041},      {Source::Errno, ENOPROTOOPT, 10042},
    {Source::Errno, EPROTONOSUPPORT, 10043}, {Source::Errno, ESOCKTNOSUPPORT, 10044},
    {Source::Errno, EOPNOTSUPP, 10045},      {Source::Errno, EPFNOSUPPORT, 10046},
    {Source::Errno, EAFNOSUPPORT, 10047},    {Source::Errno, EADDRINUSE, 10048},
    {Source::Errno, EADDRNOTAVAIL, 10049},   {Source::Errno, ENETDOWN, 10050},
    {Source::Errno, ENETUNREACH, 10051},     {Source::Errno, ENETRESET, 10052},
    {Source::Errno, ECONNABORTED, 10053},    {Source::Errno, ECONNRESET, 10054},
    {Source::Errno, EPIPE, 10054},           {Source::Errno, ENOBUFS, 10055},
    {Source::Errno, ENOMEM, 10055},          {Source::Errno, EISCONN, 10056},
    {Source::Errno, ENOTCONN, 10057},        {Source::Errno, ESHUTDOWN, 10058},
    {Source::Errno, ETIMEDOUT, 10060},       {Source::Errno, ECONNREFUSED, 10061},
    {Source::Errno, EHOSTDOWN, 10064},       {Source::Errno, EHOSTUNREACH, 10065},
    {Source::Resolver, EAI_NONAME, 11001},   {Source::Resolver, EAI_AGAIN, 11002},
    {Source::Resolver, EAI_FAIL, 11003},     {Source::Resolver, EAI_NODATA, 11004},
    {Source::Resolver, EAI_ADDRFAMILY, 11004}, {Source::Resolver, EAI_MEMORY, 10055},
};

// Unknown errno values are reported as such; an unknown resolver code is a resolver failure.
constexpr int kUnknownResolverError = 11003;

int lookup(Source source, int code, int fallback) {
  for (const auto& entry : kErrorTable)
    if (entry.source == source && entry.code == code) return entry.winsock;
  return fallback;
}

}  // namespace

int winsockErrorFromErrno(int errnoValue) { return lookup(Source::Errno, errnoValue, errnoValue); }

int winsockErrorFromResolver(int resolverCode, int errnoValue) {
  if (resolverCode == EAI_SYSTEM) return winsockErrorFromErrno(errnoValue);
  return lookup(Source::Resolver, resolverCode, kUnknownResolverError);
}

struct CancelSignal::State {
  int pipe[2] = {-1, -1};
  std::atomic<bool> raised{false};
};

CancelSignal::CancelSignal() : m_state(std::make_unique<State>()) {
  if (::pipe2(m_state->pipe, O_CLOEXEC | O_NONBLOCK) != 0) m_state->pipe[0] = m_state->pipe[1] = -1;
}

CancelSignal::~CancelSignal() {
  for (int fd : m_state->pipe)
    if (fd >= 0) ::close(fd);
}

void CancelSignal::raise() {
  if (m_state->raised.exchange(true)) return;
  // The byte is never read: the pipe stays readable, so every later wait ends at once too.
  if (m_state->pipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(m_state->pipe[1], &byte, 1);
  }
}

bool CancelSignal::raised() const { return m_state->raised.load(); }

int CancelSignal::waitHandle() const { return m_state->pipe[0]; }

Socket::Socket(std::shared_ptr<CancelSignal> cancel) : m_cancel(std::move(cancel)) {}

Socket::~Socket() { close(); }

int Socket::fail(int error) {
  m_lastError = error;
  return -1;
}

namespace {

// Waits for `events` on fd; 1 ready, 0 time-out, -1 with errno-style error in `error`
// (kWsaInterrupted when cancelled). timeoutMs -1 waits without limit.
int waitFor(int fd, short events, int timeoutMs, const CancelSignal* cancel, int& error) {
  pollfd fds[2] = {{fd, events, 0}, {cancel ? cancel->waitHandle() : -1, POLLIN, 0}};
  for (;;) {
    if (cancel && cancel->raised()) {
      error = kWsaInterrupted;
      return -1;
    }
    const int n = ::poll(fds, cancel ? 2 : 1, timeoutMs);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = winsockErrorFromErrno(errno);
      return -1;
    }
    if (cancel && (fds[1].revents != 0 || cancel->raised())) {
      error = kWsaInterrupted;
      return -1;
    }
    if (n == 0) return 0;
    return 1;
  }
}

}  // namespace

int Socket::open() {
  close();
  m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (m_fd < 0) return fail(winsockErrorFromErrno(errno));
  return 0;
}

int Socket::connect(std::uint32_t address, std::uint16_t port) {
  if (m_fd < 0) return fail(10038);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  to.sin_addr.s_addr = address;
  if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) return 0;
  if (errno != EINPROGRESS) return fail(winsockErrorFromErrno(errno));
  int error = 0;
  if (waitFor(m_fd, POLLOUT, -1, m_cancel.get(), error) < 0) return fail(error);
  int soError = 0;
  socklen_t length = sizeof soError;
  if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &soError, &length) != 0)
    return fail(winsockErrorFromErrno(errno));
  if (soError != 0) return fail(winsockErrorFromErrno(soError));
  return 0;
}

long Socket::send(std::string_view bytes) {
  if (m_fd < 0) return fail(10038);
  std::size_t sent = 0;
  // A blocking Winsock send gives everything to the stack before it returns.
  while (sent < bytes.size()) {
    const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n >= 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return fail(winsockErrorFromErrno(errno));
    int error = 0;
    if (waitFor(m_fd, POLLOUT, -1, m_cancel.get(), error) < 0) return fail(error);
  }
  return static_cast<long>(sent);
}

long Socket::receive(char* buffer, std::size_t size) {
  if (m_fd < 0) return fail(10038);
  for (;;) {
    if (m_cancel && m_cancel->raised()) return fail(kWsaInterrupted);
    const ssize_t n = ::recv(m_fd, buffer, size, 0);
    if (n >= 0) return static_cast<long>(n);
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return fail(winsockErrorFromErrno(errno));
    int error = 0;
    if (waitFor(m_fd, POLLIN, -1, m_cancel.get(), error) < 0) return fail(error);
  }
}

int Socket::waitReadable(int seconds) {
  if (m_fd < 0) return fail(10038);
  int error = 0;
  const int timeoutMs = seconds < 0 ? 0 : (seconds > 2'000'000 ? 2'000'000'000 : seconds * 1000);
  const int result = waitFor(m_fd, POLLIN, timeoutMs, m_cancel.get(), error);
  if (result < 0) return fail(error);
  return result;
}

void Socket::close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

int lookupHost(std::string_view name, std::uint32_t& address) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* result = nullptr;
  const std::string host(name);
  const int code = ::getaddrinfo(host.c_str(), nullptr, &hints, &result);
  if (code != 0) return winsockErrorFromResolver(code, errno);
  int error = kWsaNoData;
  for (const addrinfo* entry = result; entry; entry = entry->ai_next) {
    if (entry->ai_family != AF_INET) continue;
    address = reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr;
    error = 0;
    break;
  }
  ::freeaddrinfo(result);
  return error;
}

bool parseDottedAddress(std::string_view text, std::uint32_t& address) {
  const std::string copy(text);
  in_addr parsed{};
  if (copy.find('\0') != std::string::npos || ::inet_aton(copy.c_str(), &parsed) == 0) return false;
  address = parsed.s_addr;
  return true;
}

}  // namespace kvr::platform
