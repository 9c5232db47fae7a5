#include "app/CContactPage.h"

#include "../../res/resource.h"
#include "app/CAddressGroup.h"
#include "app/CNameGroup.h"
#include "app/CPhoneGroup.h"
#include "app/CPrivacyDlg.h"
#include "app/CRegException.h"
#include "app/PageSequence.h"
#include "app/ReportRegException.h"
#include "brand/BrandProfile.h"
#include "brand/LanguageSelection.h"
#include "offline/CountryFactory.h"
#include "record/FieldChecks.h"
#include "record/RegistrationRecord.h"
#include "record/ValidationText.h"
#include "ui/CDataExchange.h"
#include "ui/CWinApp.h"
#include "ui/Resources.h"
#include "ui/StringTable.h"
#include "ui/artwork/Artwork.h"
#include "ui/artwork/CDC.h"

namespace kvr {

namespace {

constexpr unsigned kCaptionString = 313;
constexpr unsigned kConsumerJobLabel = 322;
constexpr int kExitConfirmation = 2243;
constexpr int kPipeOrBackslash = 217;
constexpr int kEmailMissing = 213;
constexpr int kEmailShape = 216;
constexpr int kStripFromBottom = 44;
constexpr ui::Colour kTransparent = ui::kMagenta;

void raise(int id, ui::CWnd* owner) { throw new CRegException(id, owner); }

}  // namespace

CContactPage::CContactPage() : CDialog(IDD_CONTACT_PAGE) {
  const RegistrationRecord& record = RegistrationRecord::instance();
  m_name = std::make_unique<CNameGroup>(*this);
  m_address = std::make_unique<CAddressGroup>(*this);
  m_phone = std::make_unique<CPhoneGroup>(*this);
  m_consumerForm = brandProfile().usesConsumerForm();
  m_jobTitle = m_consumerForm ? record.q22() : record.jobTitle();
  m_company = m_consumerForm ? std::string() : record.company();
  m_email = record.email();
  m_consent = record.consentFlag();
  if (auto* app = ui::AfxGetApp()) app->m_pMainWnd = this;

  onCommand(IDC_CONTACT_NEXT, ui::BN_CLICKED, &CContactPage::OnNext);
  onCommand(IDC_CONTACT_EXIT, ui::BN_CLICKED, &CContactPage::OnExit);
  onCommand(IDC_PRIVACY, ui::BN_CLICKED, &CContactPage::OnPrivacy);
  onCommand(IDC_COUNTRY, ui::CBN_SELCHANGE, &CContactPage::OnCountryChange);
  onClose(&CContactPage::OnClose);
  onMessage(ui::WM_PAINT, &CContactPage::OnPaint);

}

CContactPage::~CContactPage() {
  if (auto* app = ui::AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

bool CContactPage::PreTranslateMessage(ui::MSG* msg) {
  bool key = msg->message == ui::WM_KEYDOWN || msg->message == ui::WM_KEYUP || msg->message == ui::WM_CHAR;
  if (key && msg->wParam == ui::VK_ESCAPE && IsWindowVisible()) return true;
  return CDialog::PreTranslateMessage(msg);
}

void CContactPage::DoDataExchange(ui::CDataExchange* dx) {
  m_name->DoDataExchange(dx);
  m_address->DoDataExchange(dx);
  m_phone->DoDataExchange(dx);
  ui::DDX_Control(dx, IDC_JOB_TITLE, m_jobTitleEdit);
  ui::DDX_Control(dx, IDC_COMPANY, m_companyEdit);
  ui::DDX_Control(dx, IDC_EMAIL, m_emailEdit);
  ui::DDX_Control(dx, IDC_CONSENT, m_consentBox);
  ui::DDX_Text(dx, IDC_JOB_TITLE, m_jobTitle, m_consumerForm ? 60 : 30);
  ui::DDX_Text(dx, IDC_EMAIL, m_email, 60);
  ui::DDX_Text(dx, IDC_COMPANY, m_company, 50);
  ui::DDX_Check(dx, IDC_CONSENT, m_consent);

  m_consentBox.SetCheck(RegistrationRecord::instance().consentFlag());
  // A language's template may lack a label; what is not there needs no hiding.
  auto show = [this](int id, bool visible) {
    if (auto* item = GetDlgItem(id)) item->ShowWindow(visible ? ui::SW_SHOW : ui::SW_HIDE);
  };
  constexpr int kAnyCountry = -1;
  bool job = language().shows(ContactField::JobTitle, kAnyCountry);
  show(IDC_JOB_TITLE_LABEL, job);
  show(IDC_JOB_TITLE, job);
  bool company = language().shows(ContactField::Company, kAnyCountry);
  show(IDC_COMPANY_LABEL, company);
  show(IDC_COMPANY, company);
  if (!brandProfile().hasPrivacyStatement()) show(IDC_PRIVACY, false);
  if (m_consumerForm) {
    show(IDC_COMPANY, false);
    show(IDC_COMPANY_LABEL, false);
    if (auto* label = GetDlgItem(IDC_JOB_TITLE_LABEL)) label->SetWindowText(ui::loadString(kConsumerJobLabel));
    ui::Rect jobRect = m_jobTitleEdit.windowRectPixels();
    ui::Rect companyRect = m_companyEdit.windowRectPixels();
    m_jobTitleEdit.MoveWindow(jobRect.x, jobRect.y, companyRect.x + companyRect.cx - jobRect.x, jobRect.cy);
    m_jobTitleEdit.SetLimitText(60);
  }
}

bool CContactPage::OnInitDialog() {
  CDialog::OnInitDialog();
  ui::onQueryNewPalette(*this, ui::AfxGetApp() ? ui::AfxGetApp()->palette() : nullptr);
  SetWindowText(ui::loadString(kCaptionString));
  if (language().boldTitles()) {
    if (auto* title = GetDlgItem(IDC_CONTACT_TITLE)) title->setBold(true);
  }
  m_name->OnInitDialog();
  m_address->OnInitDialog();
  return true;
}

void CContactPage::validate() const {
  auto country = m_address->selectedCountry() >= 0 ? countryFor(m_address->selectedCountry()) : defaultCountry();
  int cp = ui::resources().codePage();
  country->validateNameGroup(*m_name, cp);
  country->validateAddressGroup(*m_address, cp);
  country->validatePhoneGroup(*m_phone, cp);
  if (findPipeOrBackslash(m_jobTitleEdit.GetWindowText(), cp) >= 0)
    raise(kPipeOrBackslash, const_cast<ui::CEdit*>(&m_jobTitleEdit));
  if (findPipeOrBackslash(m_companyEdit.GetWindowText(), cp) >= 0)
    raise(kPipeOrBackslash, const_cast<ui::CEdit*>(&m_companyEdit));
  if (!m_emailSkip) {
    std::string email = m_emailEdit.GetWindowText();
    auto* owner = const_cast<ui::CEdit*>(&m_emailEdit);
    if (findPipeOrBackslash(email, cp) >= 0) raise(kPipeOrBackslash, owner);
    if (isBlank(email, cp) == 1) raise(kEmailMissing, owner);
    if (!isEmailShaped(email, cp)) raise(kEmailShape, owner);
  }
}

void CContactPage::OnNext() {
  int again = 1;
  int passed = 1;
  while (again) {
    again = 0;
    passed = 1;
    try {
      validate();
    } catch (CRegException* raised) {
      CRegExceptionPtr error(raised);
      int answer = ReportRegException(error.get());
      again = passed = ResolveValidationError(error->id(), answer, error->owner());
    }
  }
  if (!passed) return;
  store();
  EndDialog(ui::IDCANCEL);
  runPageAfterContact();
}

int CContactPage::ResolveValidationError(int id, int answer, ui::CWnd* owner) {
  switch (id) {
    case 201:
    case 202:
    case 1519:
    case 1520: return m_name->resolve(id);
    case 203: case 204: case 205: case 206: case 207:
    case 222: case 224: case 225: case 247: case 1516: case 1517:
      return m_address->resolve(id, answer);
    case kEmailMissing:
    case kEmailShape:
      if (answer == ui::IDYES) {
        m_emailEdit.SetFocus();
        return 0;
      }
      m_emailSkip = 1;
      return 1;
    case kPipeOrBackslash:
    case 221:
    case 246:
      if (owner && owner->IsWindowVisible()) owner->SetFocus();
      return 0;
    case 223:
    case 208:
    case 1515: return m_phone->resolve(id, answer);
    default: return 0;
  }
}

void CContactPage::store() const {
  RegistrationRecord& record = RegistrationRecord::instance();
  m_name->save();
  m_address->save();
  m_phone->save();
  if (m_consumerForm) {
    record.setQ22(m_jobTitleEdit.GetWindowText());
    record.setJobTitle({});
    record.setCompany({});
  } else {
    record.setJobTitle(m_jobTitleEdit.GetWindowText());
    record.setCompany(m_companyEdit.GetWindowText());
  }
  record.setEmail(m_emailEdit.GetWindowText());
  record.setQ10();
  record.setConsentFlag(m_consentBox.GetCheck());
  record.setQ11();
  record.setQ4();
}

bool CContactPage::onUnmappedCommand(int id, ui::UINT code) {
  if (code != ui::EN_CHANGE) return CDialog::onUnmappedCommand(id, code);
  switch (id) {
    case IDC_EMAIL:
    case IDC_COMPANY:
    case IDC_JOB_TITLE: OnOwnChange(id); return true;
    case IDC_FIRST_NAME:
    case IDC_INITIAL:
    case IDC_LAST_NAME:
    case IDC_PREFIX:
    case IDC_SUFFIX: m_name->OnChange(id); return true;
    case IDC_PO_BOX:
    case IDC_STREET:
    case IDC_CITY:
    case IDC_ZIP: m_address->OnChange(id); return true;
    case IDC_PHONE:
    case IDC_EXTENSION: m_phone->OnChange(id); return true;
    default: return CDialog::onUnmappedCommand(id, code);
  }
}

void CContactPage::OnOwnChange(int id) {
  if (id == IDC_EMAIL) m_emailSkip = 0;
  auto* edit = GetDlgItem(id);
  if (!edit || findPipeOrBackslash(edit->GetWindowText(), ui::resources().codePage()) < 0) return;
  CRegException error(kPipeOrBackslash, edit);
  ReportRegException(&error);
  if (edit->IsWindowVisible()) edit->SetFocus();
}

void CContactPage::OnCountryChange() { m_address->OnCountryChange(); }

void CContactPage::OnExit() {
  CRegException confirm(kExitConfirmation, nullptr);
  if (ReportRegException(&confirm) == IDC_EXIT_YES) EndDialog(ui::IDCANCEL);
}

void CContactPage::OnClose() {
  CRegException confirm(kExitConfirmation, nullptr);
  if (ReportRegException(&confirm) == IDC_EXIT_YES) {
    EndDialog(ui::IDCANCEL);
    Default();
  }
}

void CContactPage::OnPrivacy() {
  CPrivacyDlg privacy;
  privacy.DoModal();
}

ui::LRESULT CContactPage::OnPaint(ui::WPARAM, ui::LPARAM) {
  ui::CDC dc(*this);
  ui::Rect client = windowRectPixels();
  ui::drawTransparent(dc, IDB_STRIP, 0, client.cy - kStripFromBottom, kTransparent);
  return 0;
}

}  // namespace kvr
