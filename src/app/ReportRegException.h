#pragma once

namespace kvr {

class CRegException;

// The one way an error reaches the user: shows `error` as its id says (a warning message box
// with OK, or with Yes and No, captioned with string 313; the exit confirmation for 2243) and
// returns the user's answer. An id that is not shown returns 0.
int ReportRegException(CRegException* error);

}  // namespace kvr
