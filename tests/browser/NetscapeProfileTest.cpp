#include "browser/NetscapeProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "platform/Registry.h"
#include "support/TempDir.h"

namespace kvr {
namespace {

using platform::RegRoot;

void setText(RegRoot root, const std::string& path, const std::string& name,
             const std::string& text) {
  std::unique_ptr<platform::RegKey> key;
  ASSERT_EQ(platform::registry().createKey(root, path, key), platform::kRegSuccess);
  key->setValue(name, platform::kRegSz, text + '\0');
}

const std::string kUsers = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";
const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kNetcaster = "SOFTWARE\\Netscape\\Netcaster";

class NetscapeProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { NetscapeProfile::resetCache(); }
  void TearDown() override { NetscapeProfile::resetCache(); }

  // A file system that holds exactly these Windows paths.
  NetscapeProfile::Exists holding(std::set<std::string> paths) {
    return [paths = std::move(paths)](const std::string& path) { return paths.count(path) > 0; };
  }

  void communicator(const std::string& user, const std::string& install) {
    setText(RegRoot::CurrentUser, kNavigator + "\\biff", "CurrentUser", user);
    setText(RegRoot::LocalMachine, kNavigator, "CurrentVersion", "4.7 (en)");
    setText(RegRoot::LocalMachine, kNavigator + "\\4.7 (en)\\Main", "Install Directory", install);
  }

  test::ScopedPrefix m_prefix;
};

TEST_F(NetscapeProfileTest, NavigatorUsersKeyWithARealFile) {
  test::TempDir profile;
  test::writeFile(profile.file("prefs.js"), "x");
  setText(RegRoot::LocalMachine, kUsers, "CurrentUser", "jane");
  setText(RegRoot::LocalMachine, kUsers + "\\jane", "DirRoot", profile.path().string());
  const std::string expected = profile.path().string() + "\\prefs.js";
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js"), expected);
  EXPECT_TRUE(std::filesystem::exists(NetscapeProfile::systemPath(expected)));
  EXPECT_EQ(NetscapeProfile::profileFile("missing.htm"), "");
}

TEST_F(NetscapeProfileTest, CommunicatorInstallDirectory) {
  communicator("jane", "C:\\Program Files\\Netscape\\communicator\\Program");
  const std::string expected = "C:\\Program Files\\Netscape\\Users\\jane\\prefs.js";
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({expected})), expected);
}

TEST_F(NetscapeProfileTest, InstallWithoutCommunicatorFails) {
  communicator("jane", "C:\\Program Files\\Netscape\\Program");
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({"C:\\Program Files\\Netscape\\"
                                                              "Users\\jane\\prefs.js"})),
            "");
}

TEST_F(NetscapeProfileTest, NetcasterInstallsLastEnumeratedFirst) {
  setText(RegRoot::CurrentUser, kNavigator + "\\biff", "CurrentUser", "jane");
  setText(RegRoot::LocalMachine, kNetcaster + "\\A\\Main", "Install Directory", "D:\\One\\Communicator");
  setText(RegRoot::LocalMachine, kNetcaster + "\\B\\Main", "Install Directory", "D:\\Two");
  std::unique_ptr<platform::RegKey> key;
  platform::registry().openKey(RegRoot::LocalMachine, kNetcaster, platform::RegAccess::Read, key);
  std::string name;  // the subkey enumerated last
  ASSERT_EQ(key->enumKey(1, name), platform::kRegSuccess);
  const std::string one = "D:\\One\\Users\\jane\\prefs.js";
  const std::string two = "D:\\Two\\Users\\jane\\prefs.js";
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({one, two})), name == "B" ? two : one);
  NetscapeProfile::resetCache();
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({one})), one);
}

TEST_F(NetscapeProfileTest, NavigatorUserIsNotReusedByLaterAttempts) {
  setText(RegRoot::LocalMachine, kUsers, "CurrentUser", "nav");
  setText(RegRoot::LocalMachine, kNavigator, "CurrentVersion", "4.7");
  setText(RegRoot::LocalMachine, kNavigator + "\\4.7\\Main", "Install Directory",
          "C:\\Netscape\\Communicator");
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({"C:\\Netscape\\Users\\nav\\prefs.js"})),
            "");
}

TEST_F(NetscapeProfileTest, CacheIsUsedUntilItsFileIsGone) {
  communicator("jane", "C:\\NS\\Communicator");
  const std::string first = "C:\\NS\\Users\\jane\\prefs.js";
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({first})), first);
  // The registry now points elsewhere, but the cached directory still holds the file.
  communicator("bob", "C:\\NS\\Communicator");
  const std::string second = "C:\\NS\\Users\\bob\\prefs.js";
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({first, second})), first);
  // Deleted: the registry is searched again.
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({second})), second);
  EXPECT_EQ(NetscapeProfile::profileFile("prefs.js", holding({})), "");
}

}  // namespace
}  // namespace kvr
