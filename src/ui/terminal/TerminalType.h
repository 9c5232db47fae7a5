#pragma once

namespace kvr::ui {

// Whether the terminal database describes $TERM for the terminal on `fd`. Asked before curses
// starts: a start that fails on an unknown type leaves curses' own allocation behind.
bool terminalTypeKnown(int fd);

}  // namespace kvr::ui
