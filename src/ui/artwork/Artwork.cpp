#include "ui/artwork/Artwork.h"

#include "ui/CWnd.h"
#include "ui/artwork/Dib.h"

namespace kvr::ui {

bool drawOpaque(CDC& target, unsigned id, int x, int y) {
  auto loaded = loadBitmapResource(id);
  if (!loaded) return false;
  CPalette* old = target.SelectPalette(loaded->palette.get(), false);
  target.RealizePalette();
  CDC source;
  source.CreateCompatibleDC(&target);
  source.SelectObject(&loaded->bitmap);
  bool done = target.BitBlt(x, y, loaded->bitmap.width(), loaded->bitmap.height(), source, 0, 0, SRCCOPY);
  target.SelectPalette(old, false);
  return done;
}

bool drawTransparent(CDC& target, unsigned id, int x, int y, Colour transparent) {
  auto loaded = loadBitmapResource(id);
  if (!loaded) return false;
  CPalette* old = target.SelectPalette(loaded->palette.get(), false);
  target.RealizePalette();
  int width = loaded->bitmap.width();
  int height = loaded->bitmap.height();

  CDC source;
  source.CreateCompatibleDC(&target);
  source.SelectObject(&loaded->bitmap);

  PixelBuffer maskBits(width, height, true);
  CDC mask;
  mask.CreateCompatibleDC(&target);
  mask.SelectObject(&maskBits);
  Colour oldBackground = source.SetBkColor(transparent);
  mask.BitBlt(0, 0, width, height, source, 0, 0, SRCCOPY);  // white where transparent
  source.SetBkColor(oldBackground);

  PixelBuffer imageBits(width, height);
  CDC image;
  image.CreateCompatibleDC(&target);
  image.SelectObject(&imageBits);
  image.BitBlt(0, 0, width, height, source, 0, 0, SRCCOPY);
  image.BitBlt(0, 0, width, height, mask, 0, 0, kDestAndNotSource);  // transparent pixels black

  PixelBuffer workBits(width, height);
  CDC work;
  work.CreateCompatibleDC(&target);
  work.SelectObject(&workBits);
  work.BitBlt(0, 0, width, height, target, x, y, SRCCOPY);
  work.BitBlt(0, 0, width, height, mask, 0, 0, SRCAND);      // background only where transparent
  work.BitBlt(0, 0, width, height, image, 0, 0, SRCINVERT);  // picture everywhere else

  bool done = target.BitBlt(x, y, width, height, work, 0, 0, SRCCOPY);
  target.SelectPalette(old, false);
  return done;
}

bool onQueryNewPalette(CWnd& window, CPalette* palette, bool background) {
  if (!palette) return false;
  CDC dc(window);
  CPalette* old = dc.SelectPalette(palette, background);
  unsigned changed = dc.RealizePalette();
  dc.SelectPalette(old, false);
  if (changed == 0) return false;
  window.Invalidate();
  return true;
}

void onPaletteChanged(CWnd& window, CPalette* palette, HWND changedBy) {
  if (changedBy == window.GetSafeHwnd()) return;
  onQueryNewPalette(window, palette, true);
}

}  // namespace kvr::ui
