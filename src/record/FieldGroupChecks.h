#pragma once

#include <functional>
#include <string_view>

#include "record/ContactFieldSource.h"

namespace kvr {

// The country's zip rule: (zip text, required by the brand, control to name). Throws like
// the checks of FieldChecks.h.
using PostalCodeCheck = std::function<void(std::string_view zip, bool required, ui::CWnd* owner)>;

// The contact groups' checks in the order the page runs them, each field only when it is
// shown; each throws `new CRegException(id, owner)` at the first failure.

// First name and last name (required 201/202, a digit 221, "|" or "\" 217), prefix (1519),
// suffix (1520).
void checkNameGroup(const ContactFieldSource& fields, int codePage);

// Street and P.O. box (203, 247 for a street without letters, 222 for such a P.O. box, 217),
// city (204, 217), state (205), zip (206, 217, then `postalCode` unless the user accepted the
// zip), country (207).
void checkAddressGroup(const ContactFieldSource& fields, const PostalCodeCheck& postalCode,
                       int codePage);

// Phone (checkPhone with the country's minimum), then extension.
void checkPhoneGroup(const ContactFieldSource& fields, int minPhoneDigits, int codePage);

}  // namespace kvr
