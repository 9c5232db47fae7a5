#include "reminder/Reminder.h"
namespace kvr { int ScheduleReminder(int, int, int) { return 0; } int RemoveReminders() { return 0; } }
