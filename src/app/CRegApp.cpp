#include "app/CRegApp.h"

#include <iostream>
#include <stdexcept>

#include "../../res/resource.h"
#include "app/CRegCleanup.h"
#include "app/CRegException.h"
#include "app/CSplashDlg.h"
#include "app/Options.h"
#include "app/ReportRegException.h"
#include "app/UiBackend.h"
#include "brand/LanguageSelection.h"
#include "reminder/Reminder.h"
#include "ui/Resources.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/artwork/CPalette.h"

namespace kvr {

namespace {

constexpr int kComInitializationFailed = 212;

// COM has no counterpart here; the calls keep the start-up and shut-down order in one place
// for the Windows build.
bool initializeCom() { return true; }
void uninitializeCom() {}

}  // namespace

CRegApp::CRegApp() : CWinApp("kvrWizard") {}

void CRegApp::setCommandLine(int argc, char** argv) { m_arguments.assign(argv, argv + argc); }

bool CRegApp::InitInstance() {
  setPalette(ui::CPalette::fromBitmap(ui::findBitmap(IDB_SPLASH)));

  std::vector<char*> argv;
  for (auto& argument : m_arguments) argv.push_back(argument.data());
  parseCommandLine(static_cast<int>(argv.size()), argv.data(), m_commandLineInfo);

  RemoveReminders();
  if (equalsIgnoreCase(options().cleanRegistry, "retry")) {
    CRegCleanup::skip();
    return false;
  }
  selectStartupLanguage();

  std::string error;
  if (!installUiBackend(&error)) {
    std::cerr << "kvrWizard: " << error << std::endl;
    m_exitCode = kNoTerminal;
    return false;
  }
  try {
    if (!initializeCom()) throw new CRegException(kComInitializationFailed, nullptr);
    CSplashDlg splash(m_commandLineInfo.plainArguments());
    m_pMainWnd = &splash;
    splash.DoModal();
    m_pMainWnd = nullptr;
  } catch (CRegException* raised) {
    CRegExceptionPtr failure(raised);
    m_pMainWnd = nullptr;
    ReportRegException(failure.get());
  } catch (const ui::LoopStalled& stalled) {
    // Only the headless backend stalls: its script ended before the wizard did.
    m_pMainWnd = nullptr;
    std::cerr << "kvrWizard: " << stalled.what() << std::endl;
    m_exitCode = kScriptEnded;
  } catch (const std::logic_error& wrongStep) {
    // A headless script step that does not fit the window in front.
    m_pMainWnd = nullptr;
    std::cerr << "kvrWizard: " << wrongStep.what() << std::endl;
    m_exitCode = kScriptEnded;
  }
  removeUiBackend();
  return false;
}

int CRegApp::ExitInstance() {
  uninitializeCom();
  return m_exitCode;
}

CRegApp& theApp() {
  static CRegApp app;
  return app;
}

}  // namespace kvr
