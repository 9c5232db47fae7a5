#include "app/CRegApp.h"

#include <cstdio>

#include "app/CRegCleanup.h"
#include "app/Options.h"
#include "brand/LanguageSelection.h"
#include "reminder/Reminder.h"

namespace kvr {

bool CRegApp::InitInstance(int argc, char** argv) {
  parseCommandLine(argc, argv, m_commandLineInfo);
  RemoveReminders();
  if (equalsIgnoreCase(options().cleanRegistry, "retry")) {
    CRegCleanup::skip();
    return false;
  }
  selectStartupLanguage();
  std::fputs("kvrWizard: this version stops after start-up (options read, reminders removed,\n"
             "language chosen); the start window and the wizard pages are not built yet.\n",
             stderr);
  return false;
}

int CRegApp::ExitInstance() { return 0; }

CRegApp& theApp() {
  static CRegApp app;
  return app;
}

}  // namespace kvr
