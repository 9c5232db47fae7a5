#pragma once

#include <string>

namespace kvr {

// Puts the user interface in place before the first window: the terminal, or with
// KVR_UI=headless the headless backend fed by the steps in KVR_UI_SCRIPT (for tests of the
// real program). False, with the reason in `error`, when there is no usable terminal.
bool installUiBackend(std::string* error);

// Puts the headless backend back in place, which restores the terminal.
void removeUiBackend();

}  // namespace kvr
