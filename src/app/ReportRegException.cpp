#include "app/ReportRegException.h"

#include <algorithm>
#include <array>

#include "../../res/resource.h"
#include "app/CExitConfirmDlg.h"
#include "app/CRegException.h"
#include "app/CThankYouDlg.h"
#include "log/DebugLog.h"
#include "ui/CMessageBox.h"
#include "ui/CWinApp.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr unsigned kCaptionString = 313;
constexpr int kConnectionFailure = 219;
constexpr int kPhoneRegistration = 234;
constexpr int kExitConfirmation = 2243;

constexpr std::array kOkIds{201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212,
                            215, 217, 218, 221, 222, 246, 247, 1519, 1520};
constexpr std::array kYesNoIds{213, 216, 223, 224, 225, 1515, 1516, 1517};

template <class Ids>
bool contains(const Ids& ids, int id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

int showBox(const CRegException& error, ui::UINT type) {
  ui::CWnd* owner = ui::AfxGetApp() ? ui::AfxGetApp()->m_pMainWnd : nullptr;
  ui::CMessageBox box(owner, error.text(), ui::loadString(kCaptionString), type | ui::MB_ICONEXCLAMATION);
  return static_cast<int>(box.DoModal());
}

}  // namespace

int ReportRegException(CRegException* error) {
  if (!error) return 0;
  int id = error->id();
  if (contains(kOkIds, id)) return showBox(*error, ui::MB_OK);
  if (contains(kYesNoIds, id)) return showBox(*error, ui::MB_YESNO);
  if (id == kExitConfirmation) {
    CExitConfirmDlg confirm;
    return static_cast<int>(confirm.DoModal());
  }
  if (id == kConnectionFailure) {
    // The connection-failure dialog 2407 takes this over once it exists.
    return showBox(*error, ui::MB_OK);
  }
  if (id == kPhoneRegistration) {
    // The phone dialogs 2410 and 2411 come before this once they exist.
    debugLog() << "Phone registration is not available in this version" << std::endl;
    CThankYouDlg thanks;
    return static_cast<int>(thanks.DoModal());
  }
  return 0;
}

}  // namespace kvr
