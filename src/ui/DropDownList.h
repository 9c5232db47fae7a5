#pragma once

#include "ui/WidgetModel.h"
#include "ui/WinTypes.h"

namespace kvr::ui {

class CWnd;

// The list of a drop-down combo box: what opens and closes it, the item it highlights while
// open, and the input it takes then before the dialog sees any, as the open list holds the
// keyboard and the pointer on Windows. `dialog` is the top-level window that holds `combo`.
namespace dropdown {

// Opens the list (CBN_DROPDOWN) with the selection highlighted.
void open(CWnd& dialog, Widget& combo);
// Closes the list (CBN_CLOSEUP). With `commit` the highlighted item becomes the selection,
// with CBN_SELCHANGE when that changed it.
void close(CWnd& dialog, Widget& combo, bool commit);
// Keys that open the focused combo box, and everything while a list is open: true when the
// message was taken here and must go no further.
bool takeInput(CWnd& dialog, const MSG& msg);

}  // namespace dropdown
}  // namespace kvr::ui
