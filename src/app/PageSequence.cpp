#include "app/PageSequence.h"

#include "app/CContactPage.h"
#include "app/CSystemInfoPage.h"
#include "log/DebugLog.h"
#include "record/RegistrationRecord.h"

namespace kvr {

void runContactPage() {
  CContactPage page;
  page.DoModal();
}

void runPageAfterContact() {
  CSystemInfoPage page;
  if (page.DoModal() == -1) runAdditionalInfoPage();
}

void runAdditionalInfoPage() {
  // The additional information page saves the record when it hands over; until it exists
  // the answers are saved here so that the next run starts from them.
  RegistrationRecord::instance().saveToRegistry();
  debugLog() << "The additional information page is not available in this version; the wizard ends here"
             << std::endl;
}

}  // namespace kvr
