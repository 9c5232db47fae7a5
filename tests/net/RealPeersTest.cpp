// Registrations through real proxy and SOCKS servers from Debian's packages (tinyproxy,
// dante-server), started on loopback ports for each test. Tests run as root in CI: the proxy
// reaches its target on port 80, since the absolute request line names no port.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "LoopbackServer.h"
#include "NetTestSupport.h"
#include "PeerProcess.h"
#include "net/DoPost.h"
#include "net/ServerTarget.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace kvr::net {
namespace {

using platform::RegRoot;

const std::string kAccept = "HTTP/1.0 200 OK\r\n\r\nresult1=success";

class RealPeersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetConnectionSettings();
    test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "htmlfile");
    test::setRegistryDword(RegRoot::CurrentUser, test::kInternetSettings, "ProxyEnable", 1);
    m_env.timeoutSeconds = 10;
  }

  std::string post(const std::string& hostText) {
    return test::failureText([&] { doPost(hostText, kServicePath, "a=1&b=x%20y", m_env); });
  }

  test::ScopedPrefix m_prefix;
  test::TempDir m_dir;
  PostEnvironment m_env;
};

TEST_F(RealPeersTest, ThroughTinyproxyToPort80) {
  const auto tinyproxy = test::findProgram("tinyproxy");
  if (tinyproxy.empty()) GTEST_SKIP() << "tinyproxy is not installed";
  if (::geteuid() != 0) GTEST_SKIP() << "port 80 needs root";
  test::LoopbackServer target([](const std::string&) { return test::ServerAction{{kAccept}}; },
                              "127.0.0.80", 80);
  const auto port = test::freePort();
  test::writeFile(m_dir.file("tinyproxy.conf"),
                  "User nobody\nGroup nogroup\nPort " + std::to_string(port) +
                      "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nLogLevel Warning\n");
  test::PeerProcess proxy({tinyproxy, "-d", "-c", m_dir.file("tinyproxy.conf")}, "127.0.0.1", port);
  ASSERT_TRUE(proxy.ready());
  test::setRegistryText(RegRoot::CurrentUser, test::kInternetSettings, "ProxyServer",
                        "127.0.0.1:" + std::to_string(port));

  test::LogCapture log;
  EXPECT_EQ(post("127.0.0.80/ovx"), "");
  EXPECT_NE(log.text().find("GET http://127.0.0.80/ovx" + std::string(kServicePath) +
                            "a=1&b=x%20y HTTP/1.0 \r\n\r\n\n"),
            std::string::npos);
  ASSERT_EQ(target.requests().size(), 1u);
  EXPECT_EQ(target.requests()[0].rfind(
                "GET /ovx" + std::string(kServicePath) + "a=1&b=x%20y HTTP/1.0\r\n", 0),
            0u)
      << target.requests()[0];
}

std::string danteConfig(std::uint16_t port, const std::string& verdict, const std::string& log) {
  return "logoutput: " + log + "\n"
         "internal: 127.0.0.1 port = " + std::to_string(port) + "\n"
         "external: 127.0.0.1\n"
         "clientmethod: none\nsocksmethod: none\n"
         "user.privileged: root\nuser.unprivileged: nobody\n"
         "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
         "socks " + verdict + " { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n";
}

TEST_F(RealPeersTest, ThroughDanteSocks4) {
  const auto danted = test::findProgram("danted");
  if (danted.empty()) GTEST_SKIP() << "danted (dante-server) is not installed";
  test::LoopbackServer target([](const std::string&) { return test::ServerAction{{kAccept}}; });
  for (const std::string verdict : {"pass", "block"}) {
    SCOPED_TRACE(verdict);
    const auto port = test::freePort();
    test::writeFile(m_dir.file("danted.conf"), danteConfig(port, verdict, m_dir.file("danted.log")));
    test::PeerProcess socks({danted, "-f", m_dir.file("danted.conf")}, "127.0.0.1", port);
    ASSERT_TRUE(socks.ready());
    test::setRegistryText(RegRoot::CurrentUser, test::kInternetSettings, "ProxyServer",
                          "socks=127.0.0.1:" + std::to_string(port));
    test::LogCapture log;
    const auto requestsBefore = target.requests().size();
    if (verdict == "pass") {
      EXPECT_EQ(post(target.hostText() + "/ovx"), "");
      ASSERT_EQ(target.requests().size(), requestsBefore + 1);
      EXPECT_EQ(target.requests().back(),
                "GET /ovx" + std::string(kServicePath) + "a=1&b=x%20y HTTP/1.0 \r\n\r\n");
      EXPECT_NE(log.text().find("Receiving reply from socks returned 8\n"), std::string::npos);
    } else {
      EXPECT_EQ(post(target.hostText() + "/ovx"), "Error connecting to the Socks server.");
      EXPECT_NE(log.text().find("The Socks server refused the request.\n"), std::string::npos);
      EXPECT_EQ(target.requests().size(), requestsBefore);
    }
  }
}

}  // namespace
}  // namespace kvr::net
