#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/HiveFile.h"
#include "platform/Registry.h"
#include "support/LogCapture.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

extern char** environ;

namespace kvr::platform {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

unsigned modeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// Files in `directory` whose names begin with `stem`.
std::vector<std::string> filesStartingWith(const fs::path& directory, const std::string& stem) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(directory)) {
    std::string name = entry.path().filename().string();
    if (name.rfind(stem, 0) == 0) found.push_back(entry.path().string());
  }
  return found;
}

pid_t startProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
  return pid;
}

ino_t inodeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

int waitForExit(pid_t pid) {
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, 0), pid);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class PosixRegistryTest : public ::testing::Test {
 protected:
  std::unique_ptr<RegKey> create(const std::string& path, RegRoot root = RegRoot::CurrentUser) {
    std::unique_ptr<RegKey> key;
    EXPECT_EQ(registry().createKey(root, path, key), kRegSuccess) << path;
    return key;
  }

  long open(const std::string& path, RegAccess access, std::unique_ptr<RegKey>& key,
            RegRoot root = RegRoot::CurrentUser) {
    return registry().openKey(root, path, access, key);
  }

  // The user hive as another program would read it from the disk.
  HiveKey userHive() {
    HiveParseResult parsed = parseHive(test::readFile(userHivePath()), "HKEY_CURRENT_USER");
    EXPECT_FALSE(parsed.error) << parsed.error->reason;
    return std::move(parsed.root);
  }

  std::string userHivePath() const { return m_prefix.file("user.reg"); }

  test::ScopedPrefix m_prefix;
};

TEST_F(PosixRegistryTest, MissingHiveReadsEmptyAndTheFirstWriteMakesPrivateFiles) {
  std::string directory = m_prefix.file("a/b/kvr");
  setenv("KVR_PREFIX", directory.c_str(), 1);
  mode_t oldMask = ::umask(0);

  std::unique_ptr<RegKey> key;
  EXPECT_EQ(open("Software", RegAccess::Read, key), kRegFileNotFound);
  EXPECT_FALSE(fs::exists(directory));

  key = create("Software\\OVX");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->setValue("v", kRegSz, "x"), kRegSuccess);
  ::umask(oldMask);

  EXPECT_EQ(modeOf(directory), 0700u);
  EXPECT_EQ(modeOf(directory + "/user.reg"), 0600u);
  EXPECT_EQ(modeOf(directory + "/user.reg.lock"), 0600u);
  EXPECT_EQ(test::readFile(directory + "/user.reg"),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\n"
            "[HKEY_CURRENT_USER\\Software\\OVX]\n\"v\"=\"x\"\n\n");
  EXPECT_FALSE(fs::exists(directory + "/system.reg"));
}

TEST_F(PosixRegistryTest, ValuesRoundTripThroughTheHiveFile) {
  struct {
    std::string label;
    std::uint32_t type;
    std::string written;
    std::string queried;
  } cases[] = {
      {"text", kRegSz, "hello", "hello\0"s},
      {"text cut at its zero", kRegSz, "1\0\0\0"s, "1\0"s},
      {"text with code-page bytes", kRegSz, "M\xfcller \x80\xff", "M\xfcller \x80\xff\0"s},
      {"text with escapes", kRegSz, "C:\\a \"b\"", "C:\\a \"b\"\0"s},
      {"text with line feeds", kRegSz, "a\nb\r\n", "a\nb\r\n\0"s},
      {"empty text", kRegSz, "", "\0"s},
      {"dword", kRegDword, "\x2a\x00\x00\x00"s, "\x2a\x00\x00\x00"s},
      {"binary", kRegBinary, "\x00\x01\xfe\xff"s, "\x00\x01\xfe\xff"s},
      {"expandable text", kRegExpandSz, "%X%", "%X%"},
      {"multi text", 7, "a\0b\0\0"s, "a\0b\0\0"s},
  };
  auto key = create("Software\\Types");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    for (const std::string& name : {"named"s, ""s}) {
      ASSERT_EQ(key->setValue(name, c.type, c.written), kRegSuccess);
      std::unique_ptr<RegKey> reader;
      ASSERT_EQ(open("Software\\Types", RegAccess::Read, reader), kRegSuccess);
      RegValue value;
      ASSERT_EQ(reader->queryValue(name, 4096, value), kRegSuccess);
      EXPECT_EQ(value.name, name);
      EXPECT_EQ(value.type, c.type);
      EXPECT_EQ(value.data, c.queried);
      HiveKey hive = userHive();
      const HiveValue* stored = hive.child("Software")->child("Types")->value(name);
      ASSERT_NE(stored, nullptr);
      EXPECT_EQ(stored->type, c.type);
    }
  }
}

TEST_F(PosixRegistryTest, QueryNeedsRoomForTheTextAndItsZero) {
  auto key = create("Software\\Limits");
  key->setValue("fits", kRegSz, std::string(1023, 'a'));
  key->setValue("tooLong", kRegSz, std::string(1024, 'b'));
  key->setValue("bytes", kRegBinary, std::string(1024, 'c'));

  RegValue value;
  EXPECT_EQ(key->queryValue("fits", 1024, value), kRegSuccess);
  EXPECT_EQ(value.data, std::string(1023, 'a') + '\0');
  EXPECT_EQ(key->queryValue("tooLong", 1024, value), kRegMoreData);
  EXPECT_EQ(value.type, std::uint32_t{kRegSz});
  EXPECT_TRUE(value.data.empty());
  EXPECT_EQ(key->queryValue("tooLong", 1025, value), kRegSuccess);
  EXPECT_EQ(key->queryValue("bytes", 1024, value), kRegSuccess);
  EXPECT_EQ(key->queryValue("bytes", 1023, value), kRegMoreData);
  EXPECT_EQ(key->queryValue("missing", 1024, value), kRegFileNotFound);
}

TEST_F(PosixRegistryTest, KeysAndValuesAreFoundWithoutRegardToCase) {
  auto key = create("Software\\Mixed Case");
  key->setValue("Value", kRegSz, "first");
  std::unique_ptr<RegKey> other;
  ASSERT_EQ(open("SOFTWARE\\mixed case", RegAccess::Write, other), kRegSuccess);
  other->setValue("VALUE", kRegSz, "second");

  RegValue value;
  ASSERT_EQ(key->enumValue(0, 1024, 4096, value), kRegSuccess);
  EXPECT_EQ(value.name, "Value");
  EXPECT_EQ(value.data, "second"s + '\0');
  EXPECT_EQ(key->enumValue(1, 1024, 4096, value), kRegNoMoreItems);
  std::string name;
  std::unique_ptr<RegKey> software;
  ASSERT_EQ(open("software", RegAccess::Read, software), kRegSuccess);
  ASSERT_EQ(software->enumKey(0, name), kRegSuccess);
  EXPECT_EQ(name, "Mixed Case");
}

TEST_F(PosixRegistryTest, EnumeratesKeysAndValuesByIndex) {
  for (const char* sub : {"beta", "Alpha", "gamma"}) create("Software\\Run\\"s + sub);
  auto key = create("Software\\Run");
  key->setValue("z", kRegSz, "last written first");
  key->setValue("a", kRegDword, "\x01\x00\x00\x00"s);
  key->setValue(std::string(1023, 'n'), kRegSz, std::string(4095, 'd'));

  std::vector<std::string> keys;
  std::string name;
  std::uint32_t index = 0;
  while (key->enumKey(index, name) == kRegSuccess) {
    keys.push_back(name);
    ++index;
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(key->enumKey(3, name), kRegNoMoreItems);

  RegValue value;
  ASSERT_EQ(key->enumValue(0, 1024, 4096, value), kRegSuccess);
  EXPECT_EQ(value.name, "z");
  ASSERT_EQ(key->enumValue(1, 1024, 4096, value), kRegSuccess);
  EXPECT_EQ(value.name, "a");
  EXPECT_EQ(value.type, std::uint32_t{kRegDword});
  ASSERT_EQ(key->enumValue(2, 1024, 4096, value), kRegSuccess);
  EXPECT_EQ(value.data.size(), 4096u);
  EXPECT_EQ(key->enumValue(3, 1024, 4096, value), kRegNoMoreItems);
  EXPECT_EQ(key->enumValue(2, 1023, 4096, value), kRegMoreData);
  EXPECT_EQ(value.name.size(), 1023u);
  EXPECT_EQ(key->enumValue(2, 1024, 4095, value), kRegMoreData);

  std::unique_ptr<RegKey> leaf;
  ASSERT_EQ(open("Software\\Run\\Alpha", RegAccess::Read, leaf), kRegSuccess);
  EXPECT_EQ(leaf->enumKey(0, name), kRegNoMoreItems);
  EXPECT_EQ(leaf->enumValue(0, 1024, 4096, value), kRegNoMoreItems);
}

TEST_F(PosixRegistryTest, DeleteValueRemovesOnlyThatValue) {
  auto key = create("Software\\Run");
  key->setValue("keep", kRegSz, "1");
  key->setValue("Remove", kRegSz, "2");
  EXPECT_EQ(key->deleteValue("REMOVE"), kRegSuccess);
  EXPECT_EQ(key->deleteValue("remove"), kRegFileNotFound);
  HiveKey hive = userHive();
  const HiveKey* stored = hive.child("Software")->child("Run");
  EXPECT_EQ(stored->valueCount(), 1u);
  EXPECT_NE(stored->value("keep"), nullptr);
}

TEST_F(PosixRegistryTest, ReadOnlyKeyRefusesChanges) {
  create("Software\\Run")->setValue("v", kRegSz, "1");
  std::unique_ptr<RegKey> key;
  ASSERT_EQ(open("Software\\Run", RegAccess::Read, key), kRegSuccess);
  EXPECT_EQ(key->setValue("v", kRegSz, "2"), kRegAccessDenied);
  EXPECT_EQ(key->deleteValue("v"), kRegAccessDenied);
  EXPECT_EQ(userHive().child("Software")->child("Run")->value("v")->data, "1");
}

TEST_F(PosixRegistryTest, InvalidNamesAndOversizedDataAreRefused) {
  std::unique_ptr<RegKey> key;
  for (const std::string& path :
       {"a\\\\b"s, "a\\"s, "\\a"s, std::string(256, 'k'), "line\nfeed"s}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(registry().createKey(RegRoot::CurrentUser, path, key), kRegInvalidParameter);
    EXPECT_EQ(open(path, RegAccess::Read, key), kRegInvalidParameter);
  }
  key = create("Software");
  EXPECT_EQ(key->setValue("line\nfeed", kRegSz, "x"), kRegInvalidParameter);
  EXPECT_EQ(key->setValue(std::string(16384, 'v'), kRegSz, "x"), kRegInvalidParameter);
  EXPECT_EQ(key->setValue("big", kRegBinary, std::string(kHiveMaxValueDataBytes + 1, 'x')),
            kRegInvalidParameter);
  EXPECT_EQ(key->setValue("max", kRegBinary, std::string(kHiveMaxValueDataBytes, 'x')),
            kRegSuccess);
  EXPECT_EQ(userHive().child("Software")->valueCount(), 1u);
}

TEST_F(PosixRegistryTest, ClassesRootLivesInTheMachineHive) {
  std::unique_ptr<RegKey> key;
  ASSERT_EQ(open("", RegAccess::Read, key, RegRoot::ClassesRoot), kRegSuccess);
  std::string name;
  EXPECT_EQ(key->enumKey(0, name), kRegNoMoreItems);

  create("http\\shell", RegRoot::ClassesRoot)->setValue("", kRegSz, "open");
  ASSERT_EQ(open("SOFTWARE\\Classes\\http\\shell", RegAccess::Read, key, RegRoot::LocalMachine),
            kRegSuccess);
  RegValue value;
  ASSERT_EQ(key->queryValue("", 64, value), kRegSuccess);
  EXPECT_EQ(value.data, "open"s + '\0');
  EXPECT_NE(test::readFile(m_prefix.file("system.reg"))
                .find("[HKEY_LOCAL_MACHINE\\Software\\Classes\\http\\shell]\n@=\"open\"\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(userHivePath()));
}

TEST_F(PosixRegistryTest, PrefixIsReadAtEveryOperation) {
  create("Software\\Outer");
  {
    test::ScopedPrefix inner;
    std::unique_ptr<RegKey> key;
    EXPECT_EQ(open("Software\\Outer", RegAccess::Read, key), kRegFileNotFound);
    create("Software\\Inner");
    EXPECT_TRUE(fs::exists(inner.file("user.reg")));
  }
  std::unique_ptr<RegKey> key;
  EXPECT_EQ(open("Software\\Outer", RegAccess::Read, key), kRegSuccess);
  EXPECT_EQ(open("Software\\Inner", RegAccess::Read, key), kRegFileNotFound);
}

TEST_F(PosixRegistryTest, DamagedHiveIsKeptAsideLoggedAndReplacedByAnEmptyOne) {
  const std::string head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"kept\"=\"yes\"\n";
  struct {
    std::string label;
    std::string bytes;
    std::string where;
  } cases[] = {
      {"truncated", head + "\"name\"=\"cut in the mid", "line 5: unterminated quote"},
      {"binary", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "line 1: missing REGEDIT4 header"},
      {"binary after the header", "REGEDIT4\n\x1f\x8b\x08\0\0\0"s, "line 2: control byte 0x1f"},
      {"line over 1 MiB", head + "\"a\"=\"" + std::string(kHiveMaxLineBytes, 'x') + "\"\n",
       "line 5: line longer than 1 MiB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    test::ScopedPrefix prefix;
    std::string hive = prefix.file("user.reg");
    test::writeFile(hive, c.bytes);

    std::unique_ptr<RegKey> key;
    std::string log;
    {
      test::LogCapture capture;
      EXPECT_EQ(open("Software", RegAccess::Read, key), kRegFileNotFound);
      log = capture.text();
    }
    auto copies = filesStartingWith(prefix.path(), "user.reg.damaged-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(test::readFile(copies[0]), c.bytes);
    EXPECT_FALSE(fs::exists(hive));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    for (const std::string& part : {hive, c.where, copies[0]})
      EXPECT_NE(log.find(part), std::string::npos) << part << " not in: " << log;

    // The store goes on empty, and its next write leaves the copy alone.
    create("Software")->setValue("after", kRegSz, "1");
    EXPECT_EQ(test::readFile(copies[0]), c.bytes);
    EXPECT_EQ(test::readFile(hive),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"after\"=\"1\"\n\n");

    // A second damage, even within the same second, never replaces the first copy.
    test::writeFile(hive, c.bytes);
    test::LogCapture quiet;
    create("Software")->setValue("again", kRegSz, "2");
    auto later = filesStartingWith(prefix.path(), "user.reg.damaged-");
    ASSERT_EQ(later.size(), 2u);
    for (const auto& copy : later) EXPECT_EQ(test::readFile(copy), c.bytes);
    EXPECT_EQ(test::readFile(copies[0]), c.bytes);
  }
}

TEST_F(PosixRegistryTest, BatchStoresEachHiveOnceWhenItEnds) {
  create("Software\\Batch")->setValue("old", kRegSz, "1");
  const std::string before = test::readFile(userHivePath());

  registry().beginBatch();
  auto key = create("Software\\Batch");
  EXPECT_EQ(key->setValue("old", kRegSz, "2"), kRegSuccess);
  EXPECT_EQ(key->setValue("new", kRegSz, "3"), kRegSuccess);
  EXPECT_EQ(create("http", RegRoot::ClassesRoot)->setValue("", kRegSz, "url"), kRegSuccess);
  registry().beginBatch();
  EXPECT_EQ(key->deleteValue("new"), kRegSuccess);
  EXPECT_EQ(key->setValue("inner", kRegSz, "4"), kRegSuccess);
  EXPECT_EQ(registry().endBatch(), kRegSuccess);

  // Seen at once by this program, by nobody else yet.
  std::unique_ptr<RegKey> reader;
  ASSERT_EQ(open("Software\\Batch", RegAccess::Read, reader), kRegSuccess);
  RegValue value;
  ASSERT_EQ(reader->queryValue("old", 64, value), kRegSuccess);
  EXPECT_EQ(value.data, "2"s + '\0');
  EXPECT_EQ(reader->queryValue("new", 64, value), kRegFileNotFound);
  EXPECT_EQ(test::readFile(userHivePath()), before);
  EXPECT_FALSE(fs::exists(m_prefix.file("system.reg")));

  // Another writer of the same hive waits for the batch, and neither loses anything.
  pid_t other = startProgram({test::builtProgram("hive_writer"), "fill", "other", "1"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(::waitpid(other, nullptr, WNOHANG), 0);
  EXPECT_EQ(registry().endBatch(), kRegSuccess);
  EXPECT_EQ(waitForExit(other), 0);

  HiveKey hive = userHive();
  const HiveKey* batch = hive.child("Software")->child("Batch");
  EXPECT_EQ(batch->value("old")->data, "2");
  EXPECT_EQ(batch->value("inner")->data, "4");
  EXPECT_EQ(batch->value("new"), nullptr);
  EXPECT_NE(hive.child("Software")->child("Stress")->value("other-0"), nullptr);
  EXPECT_NE(test::readFile(m_prefix.file("system.reg")).find("@=\"url\""), std::string::npos);
  EXPECT_EQ(registry().endBatch(), kRegSuccess);  // an unmatched end changes nothing
}

TEST_F(PosixRegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kEach = 500;
  std::string writer = test::builtProgram("hive_writer");
  pid_t first = startProgram({writer, "fill", "first", std::to_string(kEach)});
  pid_t second = startProgram({writer, "fill", "second", std::to_string(kEach)});
  EXPECT_EQ(waitForExit(first), 0);
  EXPECT_EQ(waitForExit(second), 0);

  HiveKey hive = userHive();
  const HiveKey* stress = hive.child("Software")->child("Stress");
  ASSERT_NE(stress, nullptr);
  EXPECT_EQ(stress->valueCount(), 2u * kEach);
  for (const char* tag : {"first", "second"}) {
    for (int i = 0; i < kEach; ++i) {
      const HiveValue* value = stress->value(tag + ("-" + std::to_string(i)));
      ASSERT_NE(value, nullptr) << tag << " " << i;
      EXPECT_EQ(value->data, std::to_string(i));
    }
  }
  EXPECT_TRUE(filesStartingWith(m_prefix.path(), "user.reg.damaged").empty());
}

TEST_F(PosixRegistryTest, WriterKilledMidSaveLeavesTheOldOrTheNewHive) {
  // A large value makes every save slow enough to be hit while writing.
  create("Software\\Stress")->setValue("padding", kRegSz, std::string(512 * 1024, 'p'));
  std::string writer = test::builtProgram("hive_writer");
  std::string temporary = userHivePath() + ".new";
  std::mt19937 random(12345);
  long last = 0;
  int killedWhileWriting = 0;
  for (int round = 0; round < 30; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    ino_t before = inodeOf(userHivePath());
    pid_t pid = startProgram({writer, "count"});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto waitFor = [&](auto condition) {
      while (!condition() && std::chrono::steady_clock::now() < deadline) continue;
    };
    switch (round % 3) {
      case 0:  // right after a save has landed
        waitFor([&] { return inodeOf(userHivePath()) != before; });
        break;
      case 1:  // while a new hive is being written
        waitFor([&] { return fs::exists(temporary); });
        break;
      default:
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 40));
    }
    ::kill(pid, SIGKILL);
    EXPECT_EQ(waitForExit(pid), 128 + SIGKILL);
    if (fs::exists(temporary)) {
      ++killedWhileWriting;
      fs::remove(temporary);
    }

    HiveParseResult parsed = parseHive(test::readFile(userHivePath()), "HKEY_CURRENT_USER");
    ASSERT_FALSE(parsed.error) << parsed.error->reason;
    const HiveKey* stress = parsed.root.child("Software")->child("Stress");
    EXPECT_EQ(stress->value("padding")->data.size(), 512u * 1024);
    const HiveValue* counter = stress->value("counter");
    long now = counter ? std::stol(counter->data) : 0;
    EXPECT_GE(now, last);
    last = now;
  }
  EXPECT_GT(last, 0);
  EXPECT_GT(killedWhileWriting, 0);  // the kills did hit the write itself
  EXPECT_EQ(modeOf(userHivePath()), 0600u);
  EXPECT_TRUE(filesStartingWith(m_prefix.path(), "user.reg.damaged").empty());
}

}  // namespace
}  // namespace kvr::platform
