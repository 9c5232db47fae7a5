#include "net/ConnectionSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr::net {
namespace {

struct ProxyCase {
  std::string value;
  std::string proxyHost, proxyPort, socksHost, socksPort;
};

TEST(ProxyServerValueTest, Table) {
  const ProxyCase cases[] = {
      {"proxy.example.com:3128", "proxy.example.com", "3128", "", "1080"},
      {"proxy", "proxy", "80", "", "1080"},
      {"HTTP://proxy:81", "proxy", "81", "", "1080"},
      {"http:\\\\proxy:82", "proxy", "82", "", "1080"},
      {"proxy:", "proxy", "", "", "1080"},
      {"http=cache:3128;socks=sox:1081", "cache", "3128", "sox", "1081"},
      {"ftp=f:21;HTTP=http://cache;SOCKS=sox", "cache", "80", "sox", "1080"},
      {"ftp=f:21", "", "80", "", "1080"},
      {"", "", "80", "", "1080"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ConnectionSettings settings;
    parseProxyServerValue(c.value, settings);
    EXPECT_EQ(settings.proxyHost, c.proxyHost);
    EXPECT_EQ(settings.proxyPort, c.proxyPort);
    EXPECT_EQ(settings.socksHost, c.socksHost);
    EXPECT_EQ(settings.socksPort, c.socksPort);
  }
}

TEST(InternetExplorerDecisionTest, ProxyBeatsScriptAndSocks) {
  ConnectionSettings settings;
  settings.autoConfigUrl = "http://pac/x.pac";
  parseProxyServerValue("http=cache:3128;socks=sox", settings);
  EXPECT_EQ(decideInternetExplorer(1, settings), ConnectionType::Proxy);
  EXPECT_EQ(settings.proxyHost, "cache");
  EXPECT_EQ(settings.proxyPort, "3128");
  EXPECT_EQ(settings.socksHost, "sox");
  EXPECT_EQ(decideInternetExplorer(0, settings), ConnectionType::AutoConfig);

  ConnectionSettings socksOnly;
  parseProxyServerValue("socks=sox:", socksOnly);
  EXPECT_EQ(decideInternetExplorer(1, socksOnly), ConnectionType::Socks);
  EXPECT_EQ(socksOnly.socksPort, "1080");

  ConnectionSettings none;
  EXPECT_EQ(decideInternetExplorer(0, none), ConnectionType::Direct);
  EXPECT_EQ(decideInternetExplorer(1, none), ConnectionType::Direct);
}

struct PrefsCase {
  std::string line;
  bool stored;
  std::string ConnectionSettings::*field;
  std::string value;
};

TEST(PrefsLineTest, Table) {
  using S = ConnectionSettings;
  const PrefsCase cases[] = {
      {"user_pref(\"network.proxy.type\", 1);", true, &S::netscapeProxyType, "1"},
      {"user_pref(\"network.proxy.http\", \"cache.example.com\");", true, &S::proxyHost,
       "cache.example.com"},
      {"user_pref(\"network.proxy.http_port\", 3128);", true, &S::proxyPort, "3128"},
      {"USER_PREF(\"NETWORK.PROXY.HTTP\", \"HTTP://Cache\");", true, &S::proxyHost, "Cache"},
      {"user_pref(\"network.hosts.socks_server\", \"sox\");", true, &S::socksHost, "sox"},
      {"user_pref(\"network.hosts.socks_serverport\", 1081);", true, &S::socksPort, "1081"},
      {"user_pref(\"network.proxy.autoconfig_url\", \"http://pac/p.pac\");", true,
       &S::autoConfigUrl, "pac/p.pac"},
      {"user_pref(\"network.proxy.http\", \"\");", false, &S::proxyHost, ""},
      {"user_pref(\"network.proxy.http\" \"x\");", false, &S::proxyHost, ""},
      {"user_pref(\"browser.startup.page\", 1);", false, &S::proxyHost, ""},
      {"", false, &S::proxyHost, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ConnectionSettings settings;
    settings.proxyPort.clear();
    settings.socksPort.clear();
    EXPECT_EQ(readPrefsLine(c.line, settings), c.stored);
    EXPECT_EQ(settings.*c.field, c.value);
  }
}

TEST(NetscapeDecisionTest, ByProxyType) {
  struct Case {
    std::string type, proxy, socks;
    ConnectionType expected;
  } cases[] = {
      {"", "cache", "sox", ConnectionType::Proxy}, {"", "", "sox", ConnectionType::Socks},
      {"", "", "", ConnectionType::Direct},        {"1", "cache", "", ConnectionType::Proxy},
      {"1", "", "sox", ConnectionType::Socks},     {"2", "cache", "", ConnectionType::AutoConfig},
      {"0", "cache", "sox", ConnectionType::Direct}, {"3", "", "", ConnectionType::Direct},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type + "/" + c.proxy + "/" + c.socks);
    ConnectionSettings settings;
    settings.netscapeProxyType = c.type;
    settings.proxyHost = c.proxy;
    settings.socksHost = c.socks;
    settings.socksPort.clear();
    EXPECT_EQ(decideNetscape(settings), c.expected);
    if (c.expected == ConnectionType::Socks) { EXPECT_EQ(settings.socksPort, "1080"); }
  }
}

}  // namespace
}  // namespace kvr::net
