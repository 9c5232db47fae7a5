#include "net/AutoConfigScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvr::net {
namespace {

TEST(AutoConfigScanTest, ReturnValues) {
  struct Case {
    std::string script;
    std::vector<std::string> values;
  } cases[] = {
      {"function FindProxyForURL(u, h) { return \"PROXY a:8080; DIRECT\"; }",
       {"PROXY a:8080; DIRECT"}},
      {"if (x) return \"DIRECT\"; else return 'SOCKS s:1';", {"DIRECT", "SOCKS s:1"}},
      // "return" is looked for before "RETURN", wherever either stands.
      {"RETURN \"A\"; return \"B\";", {"B"}},
      {"RETURN \"A\";", {"A"}},
      // An unclosed double quote ends the scan.
      {"return 'it\"s'", {}},
      {"no statement at all", {}},
      {"return \"unclosed", {}},
      {"return", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    EXPECT_EQ(scanReturnValues(c.script), c.values);
  }
}

TEST(AutoConfigScanTest, Evaluation) {
  struct Case {
    std::vector<std::string> values;
    ConnectionType type;
    std::string host, port;
  } cases[] = {
      {{"PROXY a:8080; DIRECT", "DIRECT"}, ConnectionType::Proxy, "a", "8080"},
      {{"DIRECT"}, ConnectionType::Direct, "", ""},
      {{}, ConnectionType::Undetermined, "", ""},
      {{"DIRECT", "PROXY http://b"}, ConnectionType::Proxy, "b", "80"},
      {{"SOCKS s"}, ConnectionType::Socks, "s", "1080"},
      {{"socks s:1081", "PROXY p: 9 0"}, ConnectionType::Proxy, "p", "90"},
      {{"PROXYa:1"}, ConnectionType::Undetermined, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.values.empty() ? "" : c.values.front());
    ConnectionSettings settings;
    EXPECT_EQ(evaluateReturnValues(c.values, settings), c.type);
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

}  // namespace
}  // namespace kvr::net
