// Writes into the current user's hive through the registry, for the tests that run several
// writers at once or kill one in the middle of a save.
//   hive_writer fill <tag> <count>   sets <tag>-<i> = "<i>" for i < count, one write each
//   hive_writer count                sets "counter" to one more than it holds, for ever
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Registry.h"

using namespace kvr::platform;

namespace {

constexpr const char* kKey = "Software\\Stress";

int fail(const char* what, long code) {
  std::fprintf(stderr, "hive_writer: %s failed with %ld\n", what, code);
  return 1;
}

int fill(RegKey& key, const std::string& tag, int count) {
  for (int i = 0; i < count; ++i) {
    std::string text = std::to_string(i);
    long code = key.setValue(tag + "-" + text, kRegSz, text);
    if (code != kRegSuccess) return fail("setValue", code);
  }
  return 0;
}

int countForever(RegKey& key) {
  RegValue value;
  long counter = 0;
  if (key.queryValue("counter", 64, value) == kRegSuccess) counter = std::atol(value.data.c_str());
  for (;;) {
    long code = key.setValue("counter", kRegSz, std::to_string(++counter));
    if (code != kRegSuccess) return fail("setValue", code);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  std::unique_ptr<RegKey> key;
  long code = registry().createKey(RegRoot::CurrentUser, kKey, key);
  if (code != kRegSuccess) return fail("createKey", code);
  if (mode == "fill" && argc == 4) return fill(*key, argv[2], std::atoi(argv[3]));
  if (mode == "count" && argc == 2) return countForever(*key);
  std::fprintf(stderr, "usage: hive_writer fill <tag> <count> | hive_writer count\n");
  return 2;
}
