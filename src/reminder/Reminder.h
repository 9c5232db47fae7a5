#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace kvr {

// The Run-key reminder: a value under the machine's Run key that starts kvrStart at every
// logon with a due time and the wizard's own command line. Every start of the wizard removes
// the values that name it, so at most the one written by the current run survives.
inline constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kLauncherFileName = "kvrStart.exe";
inline constexpr std::string_view kWizardFileName = "kvrWizard.exe";
inline constexpr std::size_t kMaxReminderData = 2047;

// Writes the reminder due the given time from now. 1 when the value was written, 0 when
// not (registerLater is "no", a program was not found, or the registry refused).
int ScheduleReminder(int days, int hours, int minutes);

// Deletes every Run value whose command names this wizard. 1 when one or more went.
int RemoveReminders();

// The value's data: launcher path, " HH MM ", month, " DD YYYY ", the quoted wizard
// command with its arguments.
std::string reminderData(std::string_view launcherPath, const std::tm& due,
                         std::string_view wizardCommand);

// The base of the value's name: the wizard path without blanks, colons, slashes,
// backslashes, double quotes and full stops, cut to 12 characters.
std::string reminderBaseName(std::string_view wizardPath);

}  // namespace kvr
