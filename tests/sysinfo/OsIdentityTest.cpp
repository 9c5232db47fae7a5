#include <gtest/gtest.h>

#include "sysinfo/OsIdentity.h"

namespace kvr {
namespace {

using platform::VersionFacts;

VersionFacts windows(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                     std::uint32_t build) {
  VersionFacts facts;
  facts.platformId = platformId;
  facts.major = major;
  facts.minor = minor;
  facts.build = build;
  return facts;
}

TEST(OsIdentityTest, WindowsPlatformsByVersion) {
  const struct {
    const char* name;
    VersionFacts facts;
    std::string osName;
    std::string osVersion;
  } cases[] = {
      {"Win32s", windows(platform::kPlatformWin32s, 3, 10, 0), "Win32s", "V3.10 (Build 0)"},
      {"95", windows(platform::kPlatformWin9x, 4, 0, 950), "Windows 95", "V4.0 (Build 950)"},
      // The 9x build number carries the version in its high word.
      {"98", windows(platform::kPlatformWin9x, 4, 10, 0x040A07CE), "Windows 98",
       "V4.10 (Build 1998)"},
      {"98 SE", windows(platform::kPlatformWin9x, 4, 10, 0x040A08AE), "Windows 98",
       "V4.10 (Build 2222)"},
      {"Me", windows(platform::kPlatformWin9x, 4, 90, 0x045A0BB8), "Windows 98",
       "V4.90 (Build 3000)"},
      {"9x major 5", windows(platform::kPlatformWin9x, 5, 0, 1), "Windows 98", "V5.0 (Build 1)"},
      {"9x major 3", windows(platform::kPlatformWin9x, 3, 95, 1), "Windows 95", "V3.95 (Build 1)"},
      {"NT 4", windows(platform::kPlatformNt, 4, 0, 1381), "Windows NT", "V4.0 (Build 1381)"},
      {"2000", windows(platform::kPlatformNt, 5, 0, 2195), "Windows NT", "V5.0 (Build 2195)"},
      {"10", windows(platform::kPlatformNt, 10, 0, 19045), "Windows NT", "V10.0 (Build 19045)"},
      {"NT build above 16 bits", windows(platform::kPlatformNt, 10, 0, 0x12345), "Windows NT",
       "V10.0 (Build 9029)"},
      {"CE", windows(3, 4, 20, 1), "", "V4.20 (Build 1)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(osNameFrom(c.facts), c.osName);
    EXPECT_EQ(osVersionFrom(c.facts), c.osVersion);
  }
}

TEST(OsIdentityTest, NoFactsGiveEmptyTexts) {
  EXPECT_EQ(osNameFrom(std::nullopt), "");
  EXPECT_EQ(osVersionFrom(std::nullopt), "");
}

TEST(OsIdentityTest, LinuxNamesTheDistributionAndTheKernelRelease) {
  const struct {
    const char* name;
    std::string osRelease;
    std::string kernel;
    std::string osName;
    std::string osVersion;
  } cases[] = {
      {"debian", "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n",
       "6.1.0-18-amd64", "Debian GNU/Linux 12 (bookworm)", "V6.1 (Build 0)"},
      {"name only", "NAME=Fedora\nVERSION_ID=39\n", "6.5.6-300.fc39.x86_64", "Fedora",
       "V6.5 (Build 6)"},
      {"pretty name after name", "NAME='Arch'\nPRETTY_NAME='Arch Linux'\n", "6.6.1-arch1-1",
       "Arch Linux", "V6.6 (Build 1)"},
      {"escapes and comments", "# comment\nPRETTY_NAME=\"Say \\\"hi\\\"\" # tail\r\n", "5.15",
       "Say \"hi\"", "V5.15 (Build 0)"},
      {"empty pretty name", "PRETTY_NAME=\"\"\nNAME=Alpine\n", "4", "Alpine", "V4.0 (Build 0)"},
      {"no file", "", "6.18.44-fc-v1607", "Linux", "V6.18 (Build 44)"},
      {"no number", "NAME=X", "custom", "X", ""},
      {"huge numbers", "", "99999999999.1.2", "Linux", "V999999999.1 (Build 2)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VersionFacts facts;
    facts.platformId = platform::kPlatformPosix;
    facts.osRelease = c.osRelease;
    facts.kernelRelease = c.kernel;
    EXPECT_EQ(osNameFrom(facts), c.osName);
    EXPECT_EQ(osVersionFrom(facts), c.osVersion);
  }
}

TEST(OsIdentityTest, RunningSystemIsNamed) {
  EXPECT_FALSE(osName().empty());
  EXPECT_EQ(osVersion().rfind("V", 0), 0u) << osVersion();
}

}  // namespace
}  // namespace kvr
