// Schedules a reminder the way the wizard's exit does, from a program that lives beside the
// wizard, and prints the result: lets tests drive the reminder through real processes.
#include <iostream>

#include "app/CRegCommandLineInfo.h"
#include "platform/System.h"
#include "reminder/Reminder.h"

int main(int argc, char** argv) {
  kvr::platform::setArguments(argc, argv);
  kvr::CRegCommandLineInfo info;
  kvr::parseCommandLine(argc, argv, info);
  std::cout << kvr::ScheduleReminder(14, 0, 0) << std::endl;
  return 0;
}
