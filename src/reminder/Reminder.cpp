#include "reminder/Reminder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Options.h"
#include "platform/Registry.h"
#include "platform/System.h"

namespace kvr {

namespace {

using platform::RegAccess;
using platform::RegKey;
using platform::RegRoot;
using platform::RegValue;

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 60 * kSecondsPerMinute;
constexpr int kSecondsPerDay = 24 * kSecondsPerHour;
constexpr std::size_t kValueNameBuffer = 1024;
constexpr std::size_t kValueDataBuffer = 4096;

std::string upperAscii(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
  return upper;
}

std::string textOf(const RegValue& value) {
  return value.data.substr(0, value.data.find('\0'));
}

// The quoted wizard path followed by the arguments this run was started with.
std::string wizardCommand(const std::string& wizardPath) {
  std::string command = wizardPath.starts_with('"') ? wizardPath : "\"" + wizardPath + "\"";
  std::string line = platform::commandLine();
  if (line.empty()) return {};
  auto arguments = line.starts_with('"') ? line.find('"', 1) : line.find(' ');
  if (arguments != std::string::npos) {
    if (line[arguments] == '"') ++arguments;
    command += line.substr(arguments);
  }
  return command;
}

std::string freeValueName(RegKey& runKey, const std::string& base) {
  for (unsigned number = 0;; ++number) {
    std::string name = base + std::to_string(number);
    RegValue existing;
    if (runKey.queryValue(name, kValueDataBuffer, existing) != platform::kRegSuccess ||
        textOf(existing).empty())
      return name;
  }
}

}  // namespace

std::string reminderData(std::string_view launcherPath, const std::tm& due,
                         std::string_view wizardCommand) {
  char hourMinute[16];
  char dayYear[24];
  std::strftime(hourMinute, sizeof hourMinute, " %H %M ", &due);
  std::strftime(dayYear, sizeof dayYear, " %d %Y ", &due);
  std::string data(launcherPath);
  data += hourMinute;
  data += std::to_string(due.tm_mon + 1);
  data += dayYear;
  data += wizardCommand;
  return data;
}

std::string reminderBaseName(std::string_view wizardPath) {
  std::string base;
  for (char c : wizardPath) {
    if (std::string_view(" :\\/\".").find(c) != std::string_view::npos) continue;
    base += c;
    if (base.size() == 12) break;
  }
  return base;
}

int ScheduleReminder(int days, int hours, int minutes) {
  if (equalsIgnoreCase(options().registerLater, "no")) return 0;

  std::string wizardPath = platform::searchPath(kWizardFileName);
  if (wizardPath.empty()) return 0;
  std::string command = wizardCommand(wizardPath);
  if (command.empty()) return 0;

  std::time_t due = platform::currentTime() + static_cast<std::time_t>(days) * kSecondsPerDay +
                    static_cast<std::time_t>(hours) * kSecondsPerHour +
                    static_cast<std::time_t>(minutes) * kSecondsPerMinute;

  std::string launcherPath = platform::searchPath(kLauncherFileName);
  if (launcherPath.empty()) return 0;
  std::string data = reminderData(launcherPath, platform::epochToLocalTime(due), command);
  if (data.size() > kMaxReminderData) return 0;

  // Windows always has the Run key; a fresh hive may not, so it is created when missing.
  std::unique_ptr<RegKey> runKey;
  if (platform::registry().createKey(RegRoot::LocalMachine, kRunKey, runKey) != platform::kRegSuccess)
    return 0;
  std::string name = freeValueName(*runKey, reminderBaseName(wizardPath));
  data.push_back('\0');
  return runKey->setValue(name, platform::kRegSz, data) == platform::kRegSuccess ? 1 : 0;
}

int RemoveReminders() {
  std::string wizardPath = platform::searchPath(kWizardFileName);
  if (wizardPath.empty()) return 0;
  std::string wizardUpper = upperAscii(wizardPath);

  std::unique_ptr<RegKey> runKey;
  if (platform::registry().openKey(RegRoot::LocalMachine, kRunKey, RegAccess::Read, runKey) !=
      platform::kRegSuccess)
    return 0;
  std::vector<std::string> names;
  for (std::uint32_t index = 0;; ++index) {
    RegValue value;
    long result = runKey->enumValue(index, kValueNameBuffer, kValueDataBuffer, value);
    // A value too long for the buffers is not ours; it must not end the search.
    if (result == platform::kRegMoreData) continue;
    if (result != platform::kRegSuccess) break;
    if (value.type == platform::kRegSz && upperAscii(textOf(value)).find(wizardUpper) != std::string::npos)
      names.push_back(value.name);
  }
  if (names.empty()) return 0;

  if (platform::registry().openKey(RegRoot::LocalMachine, kRunKey, RegAccess::Write, runKey) !=
      platform::kRegSuccess)
    return 0;
  for (const auto& name : names)
    if (runKey->deleteValue(name) != platform::kRegSuccess) return 0;
  return 1;
}

}  // namespace kvr
