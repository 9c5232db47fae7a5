#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netdb.h>

#include <cerrno>

#include <string>

#include "app/CRegException.h"
#include "net/SocketErrors.h"
#include "net/Socks4.h"
#include "platform/Socket.h"

namespace kvr::net {
namespace {

TEST(Socks4Test, RequestBytes) {
  const auto request = socks4Request(8080, inet_addr("10.1.2.3"));
  EXPECT_EQ(request, std::string("\x04\x01\x1f\x90\x0a\x01\x02\x03", 8));
}

TEST(Socks4Test, ReplyCheck) {
  struct Case {
    std::string reply;
    bool granted;
  } cases[] = {
      {std::string("\0\x5a\0\0\0\0\0\0", 8), true},
      {std::string("\0\x5b\0\0\0\0\0\0", 8), false},
      {std::string("\0\x5a", 2), false},  // short: granted byte alone is not enough
      {std::string("\0\x5a\0\0\0\0\0", 7), false},
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply.size());
    EXPECT_EQ(socks4Granted(c.reply), c.granted);
  }
}

TEST(SocketErrorTextsTest, Table) {
  struct Case {
    int error, context;
    std::string shown, logged;
  } cases[] = {
      {10061, 1507, "The connection was refused.", "The connection was refused."},
      {10060, 1510, "The request timed out.", "The request timed out."},
      {10004, 1510, "Receiving data failed with error code: ", "The socket call was canceled."},
      {10065, 1507, "Connecting to the server failed with error code:  10065",
       "Connecting to the server failed with error code:  10065"},
      {10038, 1506, "Socket creation failed with error code: ",
       "A communications function was passed a bad socket handle."},
      {10067, 1507, "The limit on the number of open sockets has been reached.",
       "The limit on the number of open sockets has been reached."},
      {10093, 1509, "Error connecting to the Socks server.", "Sockets were not properly initialized."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    const auto texts = socketErrorTexts(c.error, c.context);
    EXPECT_EQ(texts.shown, c.shown);
    EXPECT_EQ(texts.logged, c.logged);
  }
}

TEST(SocketErrorTextsTest, FailureCarriesTheTextUnderTheConnectionFailureId) {
  try {
    raiseSocketError(10061, kContextConnect);
    FAIL();
  } catch (CRegException* e) {
    EXPECT_EQ(e->id(), 219);
    EXPECT_EQ(e->text().rfind("The connection was refused.", 0), 0u);
    e->Delete();
  }
}

TEST(LookupFailureTest, Table) {
  struct Case {
    int error;
    std::string log;
    bool temporary;
  } cases[] = {
      {11001, "DNS failed: Authoritative host not found", false},
      {11002, "DNS failed: Host not found, try again", true},
      {11003, "DNS failed: Non-recoverable error", false},
      {11004, "DNS failed: Valid name, no data", false},
      {10004, "DNS failed: Call canceled", true},
      {10036, "DNS failed: Blocking socket call in progress", true},
      {10050, "DNS failed: Network subsystem has failed", false},
      {12345, "DNS failed: Unrecognized error code", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    const auto failure = classifyLookupFailure(c.error);
    EXPECT_EQ(failure.logText, c.log);
    EXPECT_EQ(failure.temporary, c.temporary);
  }
}

TEST(WinsockErrorTableTest, SystemCodes) {
  struct Case {
    int code;
    bool resolver;
    int winsock;
  } cases[] = {
      {ECONNREFUSED, false, 10061}, {ETIMEDOUT, false, 10060}, {EHOSTUNREACH, false, 10065},
      {ENETUNREACH, false, 10051},  {EMFILE, false, 10024},    {ECONNRESET, false, 10054},
      {EAI_NONAME, true, 11001},    {EAI_AGAIN, true, 11002},  {EAI_FAIL, true, 11003},
      {EAI_NODATA, true, 11004},    {EAI_MEMORY, true, 10055},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(c.resolver ? platform::winsockErrorFromResolver(c.code, 0)
                         : platform::winsockErrorFromErrno(c.code),
              c.winsock);
  }
  EXPECT_EQ(platform::winsockErrorFromResolver(EAI_SYSTEM, ECONNREFUSED), 10061);
}

}  // namespace
}  // namespace kvr::net
