#pragma once

namespace kvr {

// The moves between wizard pages. Each runs its page modally inside the caller's handler
// and returns when that page (and every page opened from it) has ended.
void runContactPage();
// After the contact page: the system information page, or the one after it when the
// language's resources lack that page.
void runPageAfterContact();
// The additional information page; until it exists the wizard stops here with a notice in
// the debug log.
void runAdditionalInfoPage();

}  // namespace kvr
