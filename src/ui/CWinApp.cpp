#include "ui/CWinApp.h"

#include "ui/Resources.h"
#include "ui/artwork/CPalette.h"

namespace kvr::ui {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(std::string appName) : m_appName(std::move(appName)) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
  InitInstance();
  return ExitInstance();
}

HICON CWinApp::LoadIcon(unsigned id) const { return loadIcon(id); }

void CWinApp::setPalette(std::unique_ptr<CPalette> palette) { m_palette = std::move(palette); }

CWinApp* AfxGetApp() { return g_app; }

}  // namespace kvr::ui
