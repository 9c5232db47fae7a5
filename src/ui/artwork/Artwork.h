#pragma once

#include "ui/WinTypes.h"
#include "ui/artwork/CDC.h"

namespace kvr::ui {

class CWnd;

inline constexpr Colour kMagenta = 0xFF00FF;

// Copies bitmap resource `id` to (x, y) of `target` at its own size, after selecting and
// realizing its palette there. False when the bitmap cannot be loaded.
bool drawOpaque(CDC& target, unsigned id, int x, int y);

// Draws bitmap resource `id` at (x, y) with the pixels of colour `transparent` left showing
// the target, through a monochrome mask and four memory contexts.
bool drawTransparent(CDC& target, unsigned id, int x, int y, Colour transparent);

// The palette messages of a window that paints artwork, with `palette` the palette it uses
// (null before its initialisation). WM_QUERYNEWPALETTE: true when realizing changed the
// display, and then the window is invalidated.
bool onQueryNewPalette(CWnd& window, CPalette* palette, bool background = false);
// WM_PALETTECHANGED from the window `changedBy`: realizes again in the background unless the
// window itself made the change.
void onPaletteChanged(CWnd& window, CPalette* palette, HWND changedBy);

}  // namespace kvr::ui
