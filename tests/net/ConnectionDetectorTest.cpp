#include "net/ConnectionDetector.h"

#include <gtest/gtest.h>

#include <string>

#include "LoopbackServer.h"
#include "NetTestSupport.h"
#include "PeerProcess.h"
#include "browser/NetscapeProfile.h"
#include "net/DoPost.h"
#include "net/ServerTarget.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

namespace kvr::net {
namespace {

using platform::RegRoot;

class ConnectionDetectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetConnectionSettings();
    NetscapeProfile::resetCache();
  }
  void TearDown() override { NetscapeProfile::resetCache(); }

  void internetExplorer() { test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "htmlfile"); }
  void ieText(const std::string& name, const std::string& value) {
    test::setRegistryText(RegRoot::CurrentUser, test::kInternetSettings, name, value);
  }
  void netscape(const std::string& prefs) {
    test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "NetscapeMarkup");
    const std::string users = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";
    test::setRegistryText(RegRoot::LocalMachine, users, "CurrentUser", "jane");
    test::setRegistryText(RegRoot::LocalMachine, users + "\\jane", "DirRoot",
                          m_profile.path().string());
    test::writeFile(m_profile.file("prefs.js"), prefs);
  }

  test::ScopedPrefix m_prefix;
  test::TempDir m_profile;
  ConnectionSettings m_settings;
};

TEST_F(ConnectionDetectorTest, InternetExplorerCases) {
  struct Case {
    std::string name;
    bool setEnable;
    std::uint32_t enable;
    std::string proxyServer, autoConfig;
    ConnectionType type;
    std::string host, port;
  } cases[] = {
      {"no ProxyEnable is direct", false, 0, "cache:3128", "http://pac/p", ConnectionType::Direct,
       "", ""},
      {"proxy beats script", true, 1, "cache:3128", "http://pac/p", ConnectionType::Proxy,
       "cache", "3128"},
      {"per-protocol entries", true, 1, "http=cache:3128;socks=sox", "", ConnectionType::Proxy,
       "cache", "3128"},
      {"socks only", true, 1, "socks=sox:1081", "", ConnectionType::Socks, "sox", "1081"},
      {"disabled with script", true, 0, "cache:3128", "http://pac/p", ConnectionType::AutoConfig,
       "", ""},
      {"disabled without script", true, 0, "cache:3128", "", ConnectionType::Direct, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScopedPrefix prefix;
    internetExplorer();
    if (c.setEnable)
      test::setRegistryDword(RegRoot::CurrentUser, test::kInternetSettings, "ProxyEnable", c.enable);
    ieText("ProxyServer", c.proxyServer);
    ieText("AutoConfigURL", c.autoConfig);
    ConnectionSettings settings;
    test::LogCapture log;
    detectConnection(settings);
    EXPECT_EQ(log.text(), "Default browser: Internet Explorer\n");
    EXPECT_EQ(settings.type, c.type);
    if (c.type == ConnectionType::Proxy) {
      EXPECT_EQ(settings.proxyHost, c.host);
      EXPECT_EQ(settings.proxyPort, c.port);
    }
    if (c.type == ConnectionType::Socks) {
      EXPECT_EQ(settings.socksHost, c.host);
      EXPECT_EQ(settings.socksPort, c.port);
    }
  }
}

TEST_F(ConnectionDetectorTest, ProxyEnableAsText) {
  internetExplorer();
  ieText("ProxyEnable", "1");
  ieText("ProxyServer", "cache");
  detectConnection(m_settings);
  EXPECT_EQ(m_settings.type, ConnectionType::Proxy);
  EXPECT_EQ(m_settings.proxyPort, "80");
}

TEST_F(ConnectionDetectorTest, NetscapePrefs) {
  netscape(
      "// Mozilla User Preferences\n"
      "user_pref(\"network.proxy.http\", \"cache.example.com\");\n"
      "user_pref(\"network.proxy.http_port\", 3128);\n"
      "user_pref(\"network.hosts.socks_server\", \"\");\n"
      "user_pref(\"network.proxy.type\", 1);\n");
  test::LogCapture log;
  detectConnection(m_settings);
  const std::string path = m_profile.path().string() + "\\prefs.js";
  EXPECT_EQ(log.text(), "Default browser: Netscape\nReturned prefs.js path: " + path +
                            "\nOpening file: " + path + "\nParsing prefs.js\n"
                            "Determining connection type\n");
  EXPECT_EQ(m_settings.type, ConnectionType::Proxy);
  EXPECT_EQ(m_settings.proxyHost, "cache.example.com");
  EXPECT_EQ(m_settings.proxyPort, "3128");
  EXPECT_EQ(m_settings.socksHost, "");
}

TEST_F(ConnectionDetectorTest, NetscapeWithoutProfile) {
  test::setRegistryText(RegRoot::ClassesRoot, ".htm", "", "netscapemarkup");
  EXPECT_EQ(test::failureText([&] { detectConnection(m_settings); }),
            "Netscape's network settings could not be found.");
}

TEST_F(ConnectionDetectorTest, AutoConfigScriptFromNginx) {
  const auto nginx = test::findProgram("nginx");
  if (nginx.empty()) GTEST_SKIP() << "nginx (Debian's nginx-light) is not installed";
  test::TempDir site;
  test::writeFile(site.file("proxy.pac"),
                  "function FindProxyForURL(url, host) {\n"
                  "  if (isPlainHostName(host)) return \"DIRECT\";\n"
                  "  return \"PROXY 127.0.0.1:PORT; DIRECT\";\n}\n");
  // The registration itself goes through our own proxy named by the script.
  test::LoopbackServer proxy([](const std::string&) {
    return test::ServerAction{{"HTTP/1.0 200 OK\r\n\r\nresult1=success"}};
  });
  auto script = test::readFile(site.file("proxy.pac"));
  script.replace(script.find("PORT"), 4, std::to_string(proxy.port()));
  test::writeFile(site.file("proxy.pac"), script);

  const auto port = test::freePort();
  test::writeFile(site.file("nginx.conf"),
                  "daemon off; master_process off; pid " + site.file("nginx.pid") +
                      "; error_log " + site.file("error.log") + ";\n"
                      "events {}\nhttp { access_log off; server { listen 127.0.0.1:" +
                      std::to_string(port) + "; root " + site.path().string() + "; } }\n");
  test::PeerProcess server({nginx, "-p", site.path().string(), "-c", site.file("nginx.conf")},
                           "127.0.0.1", port);
  ASSERT_TRUE(server.ready());

  internetExplorer();
  test::setRegistryDword(RegRoot::CurrentUser, test::kInternetSettings, "ProxyEnable", 0);
  const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/proxy.pac";
  ieText("AutoConfigURL", url);

  PostEnvironment env;
  env.timeoutSeconds = 5;
  env.lookup = [](std::string_view, std::uint32_t& address) {
    address = 0x0100007F;  // 127.0.0.1; the name is resolved even when a proxy carries it
    return 0;
  };
  test::LogCapture log;
  EXPECT_EQ(test::failureText([&] { doPost("registration.test/ovx", kServicePath, "a=1", env); }),
            "");
  EXPECT_NE(log.text().find("Connection type: Autoconfig URL\nAutoconfig URL: " + url + "\n" +
                            "127.0.0.1:" + std::to_string(port) + "/proxy.pac\n" +
                            "Connecting returned 0\nGET /proxy.pac\n\nLength: 15\n"),
            std::string::npos)
      << log.text();
  EXPECT_NE(log.text().find("Connection type: Proxy\nProxy server: " + proxy.hostText() + "\n"),
            std::string::npos);
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_EQ(proxy.requests()[0].rfind("GET http://registration.test/ovx/scripts/", 0), 0u);
}

}  // namespace
}  // namespace kvr::net
