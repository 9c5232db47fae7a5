#include "net/DoPost.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <chrono>
#include <string>

#include "LoopbackServer.h"
#include "NetTestSupport.h"
#include "net/ServerTarget.h"
#include "net/SubmissionRequest.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace kvr::net {
namespace {

using test::failureText;
using test::LoopbackServer;
using test::ServerAction;
using platform::RegRoot;

const std::string kPath(kServicePath);
const std::string kAccept = "HTTP/1.0 200 OK\r\n\r\nresult1=success";

ServerAction reply(std::string text) { return {{std::move(text)}}; }

class DoPostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetConnectionSettings();
    test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "htmlfile");
    m_env.timeoutSeconds = 5;
    m_env.regressionTest = true;
    m_env.versionText = "KVR test";
    m_env.lookup = [this](std::string_view name, std::uint32_t& address) {
      ++m_lookups;
      m_lastLookup = std::string(name);
      if (name == "registration.test") {
        address = inet_addr("127.0.0.1");
        return 0;
      }
      return 11001;
    };
  }

  std::string post(const std::string& hostText, const std::string& query = "a=1") {
    return failureText([&] { doPost(hostText, kPath, query, m_env); });
  }

  test::ScopedPrefix m_prefix;
  PostEnvironment m_env;
  int m_lookups = 0;
  std::string m_lastLookup;
};

TEST_F(DoPostTest, DirectRegistrationLogsEveryStep) {
  LoopbackServer server([](const std::string&) { return reply(kAccept); });
  test::LogCapture log;
  EXPECT_EQ(post(server.hostText() + "/ovx"), "");
  const std::string hostPort = server.hostText();
  const std::string request = "GET /ovx" + kPath + "a=1 HTTP/1.0 \r\n\r\n";
  EXPECT_EQ(log.text(),
            "OS: Windows Regression OS\n"
            "Version: Windows Regression Version\n"
            "Default browser: Internet Explorer\n"
            "Connection type: Direct\n" +
                hostPort + "/ovx\n" + kPath + "a=1\nKVR test\n" + hostPort + "/ovx\n" +
                "Connecting returned 0\n" + request + "\n" +
                "Length: " + std::to_string(request.size()) + "\n" +
                "Sending the data request returned " + std::to_string(request.size()) + "\n" +
                "Receiving data returned " + std::to_string(kAccept.size()) + "\n" + kAccept +
                "\n" + "Last value returned by recv: 0\nLast error value: 0\n");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0], request);
  EXPECT_EQ(m_lookups, 0) << "a numeric host never goes to the name service";
}

TEST_F(DoPostTest, RedirectByLocationToAnotherHostAndPort) {
  LoopbackServer second([](const std::string&) { return reply(kAccept); }, "127.0.0.2");
  LoopbackServer first([&](const std::string&) {
    return reply("HTTP/1.0 302 Found\r\nLocation: http://" + second.hostText() + "/new" + kPath +
                 "ignored\r\n\r\n");
  });
  EXPECT_EQ(post(first.hostText() + "/ovx"), "");
  ASSERT_EQ(second.requests().size(), 1u);
  EXPECT_EQ(second.requests()[0], "GET /new" + kPath + "a=1 HTTP/1.0 \r\n\r\n");
}

TEST_F(DoPostTest, RedirectByLinkThenAcceptance) {
  LoopbackServer second([](const std::string&) { return reply(kAccept); });
  LoopbackServer first([&](const std::string&) {
    return reply("<a href=\"http://elsewhere/\">x</a><a href=\"http://" + second.hostText() + kPath +
                 "\">y</a>");
  });
  EXPECT_EQ(post(first.hostText()), "");
  ASSERT_EQ(second.requests().size(), 1u);
  EXPECT_EQ(second.requests()[0], "GET " + kPath + "a=1 HTTP/1.0 \r\n\r\n");
}

TEST_F(DoPostTest, SevenRedirectsAbort) {
  std::string self;
  LoopbackServer server([&](const std::string&) {
    return reply("Location: http://" + self + kPath + "\r\n\r\n");
  });
  self = server.hostText();
  EXPECT_EQ(post(server.hostText()), "Aborting post -- too many levels of redirection.");
  EXPECT_EQ(server.requests().size(), 7u);
}

TEST_F(DoPostTest, RepliesThatFail) {
  struct Case {
    std::string reply;
    std::string message;
  } cases[] = {
      {"Location: http://h/other/path", "Bad redirection data was received."},
      {"result1=success <a href=\"http://h/\">", "Bad redirection data was received."},
      {"HTTP/1.0 500 Error\r\n\r\n", "Posting the data was not successful."},
      {"", "Posting the data was not successful."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    LoopbackServer server([&](const std::string&) { return reply(c.reply); });
    EXPECT_EQ(post(server.hostText()), c.message);
  }
}

TEST_F(DoPostTest, RefusedConnection) {
  std::string hostText;
  {
    LoopbackServer closed([](const std::string&) { return ServerAction{}; });
    hostText = closed.hostText();
  }
  test::LogCapture log;
  EXPECT_EQ(post(hostText), "The connection was refused.");
  EXPECT_NE(log.text().find("Connecting returned -1\nThe connection was refused.\n"),
            std::string::npos)
      << log.text();
}

TEST_F(DoPostTest, SilentServerTimesOut) {
  m_env.timeoutSeconds = 1;
  LoopbackServer server([](const std::string&) {
    ServerAction action{{"HTTP/1.0 200 OK\r\n"}};
    action.silent = true;
    return action;
  });
  test::LogCapture log;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(post(server.hostText()), "The request timed out.");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_NE(log.text().find("HTTP/1.0 200 OK\r\n\nThe request timed out.\n"), std::string::npos);
}

TEST_F(DoPostTest, DripFedReplyIsReadWhole) {
  LoopbackServer server([](const std::string&) {
    ServerAction action{{"HTTP/1.0 200 OK\r\n", "\r\nresu", "lt1=succ", "ess"}};
    action.gap = std::chrono::milliseconds(50);
    return action;
  });
  test::LogCapture log;
  EXPECT_EQ(post(server.hostText()), "");
  EXPECT_NE(log.text().find("Receiving data returned 8\nlt1=succ\n"), std::string::npos);
}

TEST_F(DoPostTest, ResetMidReply) {
  LoopbackServer server([](const std::string&) {
    ServerAction action{{"HTTP/1.0 200 OK\r\n\r\nresu"}};
    action.gap = std::chrono::milliseconds(50);
    action.reset = true;
    return action;
  });
  EXPECT_EQ(post(server.hostText()), "Receiving data failed with error code:  10054");
}

TEST_F(DoPostTest, HugeReplyIsBoundedNotBuffered) {
  LoopbackServer server([](const std::string&) {
    ServerAction action{{"HTTP/1.0 200 OK\r\n\r\n"}};
    action.fillBytes = 100u * 1024 * 1024;
    return action;
  });
  std::ostringstream sink;
  auto* old = debugLog().rdbuf(sink.rdbuf());
  const auto message = post(server.hostText());
  debugLog().rdbuf(old);
  EXPECT_EQ(message, "Posting the data was not successful.");
  EXPECT_NE(sink.str().find("The reply is larger than 1048576 bytes; giving up.\n"),
            std::string::npos);
}

TEST_F(DoPostTest, NamesAreLookedUpAndTemporaryFailuresRetriedOnce) {
  LoopbackServer server([](const std::string&) { return reply(kAccept); });
  const std::string port = std::to_string(server.port());
  EXPECT_EQ(post("registration.test:" + port), "");
  EXPECT_EQ(m_lookups, 1);

  int calls = 0;
  m_env.lookup = [&](std::string_view, std::uint32_t& address) {
    address = inet_addr("127.0.0.1");
    return ++calls == 1 ? 11002 : 0;
  };
  EXPECT_EQ(post("flaky.test:" + port), "");
  EXPECT_EQ(calls, 2);

  calls = 0;
  m_env.lookup = [&](std::string_view, std::uint32_t&) { return ++calls, 11002; };
  test::LogCapture log;
  EXPECT_EQ(post("down.test:" + port), "DNS resolution failed.");
  EXPECT_EQ(calls, 2);
  EXPECT_NE(log.text().find("DNS failed resolving: down.test\n"
                            "DNS failed: Host not found, try again\n"
                            "DNS failed resolving: down.test\n"
                            "DNS failed: Host not found, try again\n"),
            std::string::npos);

  calls = 0;
  m_env.lookup = [&](std::string_view, std::uint32_t&) { return ++calls, 11001; };
  EXPECT_EQ(post("gone.test:" + port), "DNS resolution failed.");
  EXPECT_EQ(calls, 1) << "a permanent failure is not retried";

  test::LogCapture badAddress;
  EXPECT_EQ(post("127.1:" + port), "") << "dotted forms as inet_addr takes them";
  EXPECT_EQ(post("300.1.2.3"), "DNS resolution failed.");
  EXPECT_NE(badAddress.text().find("DNS failed: Could not convert IP address\n"),
            std::string::npos);
}

TEST_F(DoPostTest, ThroughAnHttpProxyTheRequestLineIsAbsolute) {
  LoopbackServer proxy([](const std::string&) { return reply(kAccept); });
  test::setRegistryDword(RegRoot::CurrentUser, test::kInternetSettings, "ProxyEnable", 1);
  test::setRegistryText(RegRoot::CurrentUser, test::kInternetSettings, "ProxyServer",
                        "http=" + proxy.hostText() + ";socks=unused:1");
  test::LogCapture log;
  EXPECT_EQ(post("registration.test/ovx"), "");
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_EQ(proxy.requests()[0],
            "GET http://registration.test/ovx" + kPath + "a=1 HTTP/1.0 \r\n\r\n");
  EXPECT_NE(log.text().find("Connection type: Proxy\nProxy server: " + proxy.hostText() + "\n"),
            std::string::npos);
  EXPECT_EQ(m_lastLookup, "registration.test") << "the target is resolved also through a proxy";
}

TEST_F(DoPostTest, SocksRefusalAndShortReply) {
  struct Case {
    std::string reply;
    std::string log;
  } cases[] = {
      {std::string("\0\x5b\0\0\0\0\0\0", 8),
       "Receiving reply from socks returned 8\nThe Socks server refused the request.\n"},
      {std::string("\0\x5a", 2),
       "Receiving reply from socks returned 2\nReceiving reply from socks returned 0\n"
       "The Socks server refused the request.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    LoopbackServer socks([&](const std::string&) { return reply(c.reply); }, "127.0.0.1", 0, 15);
    test::setRegistryDword(RegRoot::CurrentUser, test::kInternetSettings, "ProxyEnable", 1);
    test::setRegistryText(RegRoot::CurrentUser, test::kInternetSettings, "ProxyServer",
                          "socks=" + socks.hostText());
    test::LogCapture log;
    EXPECT_EQ(post("127.0.0.1:81"), "Error connecting to the Socks server.");
    ASSERT_EQ(socks.requests().size(), 1u);
    EXPECT_EQ(socks.requests()[0], std::string("\x04\x01\x00\x51\x7f\x00\x00\x01Wyvern\0", 15));
    EXPECT_NE(log.text().find("Connection type: Socks\nSocks server: " + socks.hostText()),
              std::string::npos);
    EXPECT_NE(log.text().find(c.log), std::string::npos) << log.text();
  }
}

TEST_F(DoPostTest, OverlongRequestIsNotSent) {
  LoopbackServer server([](const std::string&) { return reply(kAccept); });
  const std::string fits(kMaxRequestBytes - 100, 'x');
  EXPECT_EQ(post(server.hostText(), fits), "");
  test::LogCapture log;
  EXPECT_EQ(post(server.hostText(), fits + std::string(100, 'x')),
            "Posting the data was not successful.");
  EXPECT_NE(log.text().find("The request is longer than 8192 bytes; not sent.\n"),
            std::string::npos);
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(DoPostTest, NoDefaultBrowser) {
  test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "");
  EXPECT_EQ(post("127.0.0.1:1"), "Your default Internet browser could not be determined.");
}

}  // namespace
}  // namespace kvr::net
