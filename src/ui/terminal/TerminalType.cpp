#include "ui/terminal/TerminalType.h"

// term.h defines a macro for every capability name, so it is kept to this file.
#define NCURSES_NOMACROS
#include <curses.h>
#include <term.h>

namespace kvr::ui {

bool terminalTypeKnown(int fd) {
  int found = 0;
  if (setupterm(nullptr, fd, &found) != OK) return false;
  del_curterm(cur_term);
  return true;
}

}  // namespace kvr::ui
