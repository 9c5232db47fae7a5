#include "app/CExitConfirmDlg.h"

#include "../../res/resource.h"
#include "app/Options.h"
#include "record/RegistrationRecord.h"
#include "reminder/Reminder.h"
#include "ui/CDataExchange.h"
#include "ui/StringTable.h"

namespace kvr {

namespace {
constexpr unsigned kCaptionString = 313;
constexpr int kReminderDays = 14;
}  // namespace

CExitConfirmDlg::CExitConfirmDlg()
    : CDialog(IDD_EXIT_CONFIRM), m_promptLater(RegistrationRecord::instance().promptLater()) {
  onCommand(IDC_EXIT_YES, ui::BN_CLICKED, &CExitConfirmDlg::OnYes);
  onCommand(IDC_EXIT_NO, ui::BN_CLICKED, &CExitConfirmDlg::OnNo);
}

bool CExitConfirmDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(ui::loadString(kCaptionString));
  return true;
}

void CExitConfirmDlg::DoDataExchange(ui::CDataExchange* dx) {
  ui::DDX_Check(dx, IDC_PROMPT_LATER, m_promptLater);
  if (equalsIgnoreCase(options().registerLater, "no")) {
    if (auto* box = GetDlgItem(IDC_PROMPT_LATER)) box->ShowWindow(ui::SW_HIDE);
  }
}

void CExitConfirmDlg::OnYes() {
  UpdateData(true);
  if (m_promptLater) ScheduleReminder(kReminderDays, 0, 0);
  EndDialog(IDC_EXIT_YES);
}

void CExitConfirmDlg::OnNo() {
  UpdateData(true);
  RegistrationRecord::instance().setPromptLater(m_promptLater);
  EndDialog(IDC_EXIT_NO);
}

}  // namespace kvr
