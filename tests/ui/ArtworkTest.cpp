// Page artwork: BMP decoding, palettes from bitmap headers, the raster operations and the
// transparent drawing, against the program's own pictures.
#include "ui/artwork/Artwork.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../../res/resource.h"
#include "DialogTestSupport.h"
#include "support/LogCapture.h"
#include "ui/CDialog.h"
#include "ui/Resources.h"
#include "ui/artwork/CPalette.h"
#include "ui/artwork/Dib.h"

namespace kvr {
namespace {

std::uint32_t u32At(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A bottom-up BMP of `bits` per pixel with `colours` table entries (grey levels) and pixel
// bytes all `fill`.
std::vector<std::uint8_t> makeBmp(int width, int height, int bits, std::uint32_t colours, std::uint32_t clrUsed,
                                  std::uint8_t fill = 0) {
  std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  std::size_t offset = 14 + 40 + 4 * colours;
  std::vector<std::uint8_t> b(offset + stride * height, fill);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(b.size()));
  put32(b, 6, 0);
  put32(b, 10, static_cast<std::uint32_t>(offset));
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  put16(b, 26, 1);
  put16(b, 28, static_cast<std::uint16_t>(bits));
  put32(b, 30, 0);
  put32(b, 34, 0);
  put32(b, 38, 0);
  put32(b, 42, 0);
  put32(b, 46, clrUsed);
  put32(b, 50, 0);
  for (std::uint32_t i = 0; i < colours; ++i) {
    std::size_t at = 54 + 4 * i;
    b[at] = b[at + 1] = b[at + 2] = static_cast<std::uint8_t>(i);
    b[at + 3] = 0;
  }
  return b;
}

TEST(ArtworkTest, MagentaAreasOfATransparentPictureShowTheBackground) {
  for (unsigned id : {IDB_CORNER, IDB_STRIP}) {
    SCOPED_TRACE(id);
    auto picture = ui::decodeBmp(ui::findBitmap(id));
    ASSERT_TRUE(picture);
    // A background of two colours, so that a misplaced copy shows.
    int x = 7, y = 5;
    ui::PixelBuffer screen(picture->width() + 20, picture->height() + 20);
    for (int py = 0; py < screen.height(); ++py)
      for (int px = 0; px < screen.width(); ++px) screen.set(px, py, (px + py) % 2 ? 0x336699 : 0xC0C0C0);
    ui::PixelBuffer before = screen;
    ui::CDC dc(screen);
    ASSERT_TRUE(ui::drawTransparent(dc, id, x, y, ui::kMagenta));

    int transparent = 0;
    for (int py = 0; py < screen.height(); ++py) {
      for (int px = 0; px < screen.width(); ++px) {
        bool inside = px >= x && py >= y && px < x + picture->width() && py < y + picture->height();
        ui::Colour source = inside ? picture->at(px - x, py - y) : ui::kMagenta;
        ui::Colour expected = source == ui::kMagenta ? before.at(px, py) : source;
        if (inside && source == ui::kMagenta) ++transparent;
        ASSERT_EQ(screen.at(px, py), expected) << "at " << px << "," << py;
      }
    }
    EXPECT_GT(transparent, 0);
  }
}

TEST(ArtworkTest, OpaqueDrawingCopiesThePictureAtItsOwnSize) {
  auto picture = ui::decodeBmp(ui::findBitmap(IDB_SPLASH));
  ASSERT_TRUE(picture);
  auto size = ui::bitmapSize(IDB_SPLASH);
  ASSERT_TRUE(size);
  EXPECT_EQ(*size, (std::pair{500, 340}));
  ui::PixelBuffer screen(510, 350, false, 0x123456);
  ui::CDC dc(screen);
  ASSERT_TRUE(ui::drawOpaque(dc, IDB_SPLASH, 0, 0));
  EXPECT_EQ(screen.at(0, 0), picture->at(0, 0));
  EXPECT_EQ(screen.at(499, 339), picture->at(499, 339));
  EXPECT_EQ(screen.at(500, 0), 0x123456u);
  EXPECT_EQ(screen.at(0, 340), 0x123456u);
}

TEST(ArtworkTest, PaletteOfTheStartPictureHasTheHeadersEntryCount) {
  auto bytes = ui::findBitmap(IDB_SPLASH);
  ASSERT_FALSE(bytes.empty());
  auto palette = ui::CPalette::fromBitmap(bytes);
  ASSERT_NE(palette, nullptr);
  std::uint32_t clrUsed = u32At(bytes, 46);
  ASSERT_NE(clrUsed, 0u);
  EXPECT_EQ(palette->GetEntryCount(), static_cast<int>(clrUsed));
  EXPECT_EQ(palette->version(), 0x300);
  std::size_t table = 14 + u32At(bytes, 14);
  for (int i : {0, 1, palette->GetEntryCount() - 1}) {
    SCOPED_TRACE(i);
    const ui::PaletteEntry& e = palette->entries()[i];
    EXPECT_EQ(e.blue, bytes[table + 4 * i]);
    EXPECT_EQ(e.green, bytes[table + 4 * i + 1]);
    EXPECT_EQ(e.red, bytes[table + 4 * i + 2]);
    EXPECT_EQ(e.flags, 0);
  }
}

TEST(ArtworkTest, PaletteSizeFollowsColoursUsedOrTheBitCount) {
  struct Case {
    int bits;
    std::uint32_t tableEntries;
    std::uint32_t clrUsed;
    int entries;  // -1: no palette
  } cases[] = {
      {8, 256, 0, 256}, {8, 16, 16, 16}, {4, 16, 0, 16}, {1, 2, 0, 2},
      {24, 0, 0, -1},   {32, 0, 0, -1},  {24, 4, 4, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + " bits, clrUsed " + std::to_string(c.clrUsed));
    auto bmp = makeBmp(3, 2, c.bits, c.tableEntries, c.clrUsed);
    auto palette = ui::CPalette::fromBitmap(bmp);
    if (c.entries < 0) {
      EXPECT_EQ(palette, nullptr);
    } else {
      ASSERT_NE(palette, nullptr);
      EXPECT_EQ(palette->GetEntryCount(), c.entries);
    }
    EXPECT_TRUE(ui::decodeBmp(bmp));
  }
}

TEST(ArtworkTest, MalformedBitmapsAreRefusedWithAReason) {
  auto good = makeBmp(4, 4, 8, 256, 0);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"cut in the header", std::vector<std::uint8_t>(good.begin(), good.begin() + 30)},
      {"cut in the pixels", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
      {"no signature", [&] { auto b = good; b[0] = 'X'; return b; }()},
      {"run-length encoded", [&] { auto b = good; put32(b, 30, 1); return b; }()},
      {"huge", [&] { auto b = good; put32(b, 18, 100000); put32(b, 22, 100000); return b; }()},
      {"colour table past the end", [&] { auto b = good; put32(b, 46, 255); b.resize(60); return b; }()},
      {"16 bits", [&] { auto b = good; put16(b, 28, 16); return b; }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(ui::decodeBmp(c.bytes, &error));
    EXPECT_FALSE(error.empty());
  }
  test::LogCapture log;
  EXPECT_EQ(ui::CPalette::fromBitmap(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)), nullptr);
  EXPECT_NE(log.text().find("No palette"), std::string::npos);
}

TEST(ArtworkTest, DecodesRowsBottomUpThroughTheColourTable) {
  auto bmp = makeBmp(2, 2, 8, 256, 0);
  std::size_t bits = u32At(bmp, 10);
  bmp[bits] = 10;             // bottom row, left
  bmp[bits + 4 + 1] = 200;    // top row, right (rows padded to 4 bytes)
  auto decoded = ui::decodeBmp(bmp);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->at(0, 1), 0x0A0A0Au);
  EXPECT_EQ(decoded->at(1, 0), 0xC8C8C8u);
  EXPECT_EQ(decoded->at(0, 0), 0u);
}

TEST(ArtworkTest, RasterOperationsAndMonochromeConversion) {
  ui::PixelBuffer colour(2, 1);
  colour.set(0, 0, 0xFF00FF);
  colour.set(1, 0, 0x00FF00);
  ui::CDC source(colour);
  source.SetBkColor(0xFF00FF);
  ui::PixelBuffer maskBits(2, 1, true);
  ui::CDC mask(maskBits);
  ASSERT_TRUE(mask.BitBlt(0, 0, 2, 1, source, 0, 0, ui::SRCCOPY));
  EXPECT_EQ(maskBits.at(0, 0), ui::kWhite);
  EXPECT_EQ(maskBits.at(1, 0), ui::kBlack);

  struct Case {
    std::uint32_t rop;
    ui::Colour destination;
    ui::Colour white, black;  // results over the mask's white and black pixels
  } cases[] = {
      {ui::SRCCOPY, 0x123456, 0xFFFFFF, 0x000000},
      {ui::SRCAND, 0x123456, 0x123456, 0x000000},
      {ui::SRCINVERT, 0x123456, 0xEDCBA9, 0x123456},
      {ui::kDestAndNotSource, 0x123456, 0x000000, 0x123456},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rop);
    ui::PixelBuffer target(2, 1, false, c.destination);
    ui::CDC dc(target);
    ASSERT_TRUE(dc.BitBlt(0, 0, 2, 1, mask, 0, 0, c.rop));
    EXPECT_EQ(target.at(0, 0), c.white);
    EXPECT_EQ(target.at(1, 0), c.black);
  }
  ui::PixelBuffer target(2, 1);
  ui::CDC dc(target);
  EXPECT_FALSE(dc.BitBlt(0, 0, 2, 1, mask, 0, 0, 0x00BB0226));  // not one we draw with
}

// Parts of a copy that fall outside either buffer are left out, whichever side overhangs.
TEST(ArtworkTest, CopiesAreClippedToBothBuffers) {
  ui::PixelBuffer picture(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) picture.set(x, y, static_cast<ui::Colour>(0x010000 * (x + 1) + 0x000100 * (y + 1)));
  ui::CDC source(picture);
  struct Case {
    int x, y, width, height, sourceX, sourceY;
  } cases[] = {{0, 0, 4, 3, 0, 0},  {2, 2, 4, 3, 0, 0},   {-1, -2, 4, 3, 0, 0}, {0, 0, 4, 3, 2, 1},
               {1, 1, 9, 9, -1, -1}, {4, 3, 4, 3, 3, 2},  {5, 0, 2, 2, 0, 0},   {0, 0, 2, 2, 4, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " from " + std::to_string(c.sourceX) + "," +
                 std::to_string(c.sourceY));
    ui::PixelBuffer target(5, 4, false, 0x111111);
    ui::CDC dc(target);
    ASSERT_TRUE(dc.BitBlt(c.x, c.y, c.width, c.height, source, c.sourceX, c.sourceY, ui::SRCCOPY));
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 5; ++x) {
        int sx = x - c.x + c.sourceX, sy = y - c.y + c.sourceY;
        bool copied = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height && picture.contains(sx, sy);
        EXPECT_EQ(target.at(x, y), copied ? picture.at(sx, sy) : 0x111111u) << x << "," << y;
      }
    }
  }
}

// A window with artwork: counts its paints.
class PictureDialog : public ui::CDialog {
 public:
  PictureDialog() : CDialog(IDD_EXIT_CONFIRM) { onMessage(ui::WM_PAINT, &PictureDialog::OnPaint); }
  int paints = 0;

 private:
  ui::LRESULT OnPaint(ui::WPARAM, ui::LPARAM) {
    ++paints;
    ui::CDC dc(*this);
    ui::drawTransparent(dc, IDB_STRIP, 0, 0, ui::kMagenta);
    return 0;
  }
};

class PaletteMessageTest : public test::DialogTest {};

TEST_F(PaletteMessageTest, RealizingAChangedPaletteRepaintsTheWindow) {
  ui::setResourceModule(nullptr);  // the pictures are the program's
  auto palette = ui::CPalette::fromBitmap(ui::findBitmap(IDB_SPLASH));
  ASSERT_NE(palette, nullptr);
  PictureDialog dialog;
  m_driver.then([&] {
    EXPECT_EQ(dialog.paints, 1);
    EXPECT_FALSE(ui::onQueryNewPalette(dialog, nullptr));
    // Another application took the display's free entries.
    ui::SystemPalette::instance().disturb();
    ui::onPaletteChanged(dialog, palette.get(), dialog.GetSafeHwnd() + 1000);
    EXPECT_FALSE(ui::SystemPalette::instance().holds(palette->entries()[100]));
    EXPECT_TRUE(ui::onQueryNewPalette(dialog, palette.get()));
    EXPECT_TRUE(ui::SystemPalette::instance().holds(palette->entries()[100]));
    EXPECT_FALSE(ui::onQueryNewPalette(dialog, palette.get()));  // nothing changed this time
  });
  m_driver.then([&] {
    EXPECT_EQ(dialog.paints, 2);
    const ui::PixelBuffer& surface = dialog.surface();
    auto strip = ui::decodeBmp(ui::findBitmap(IDB_STRIP));
    ASSERT_TRUE(strip);
    for (int y = 0; y < strip->height(); ++y)
      for (int x = 0; x < strip->width(); ++x)
        ASSERT_EQ(surface.at(x, y), strip->at(x, y) == ui::kMagenta ? 0xC0C0C0u : strip->at(x, y));
    dialog.EndDialog(ui::IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), ui::IDOK);
}

// The start window takes its picture's size in pixels when it is created.
class StartWindow : public ui::CDialog {
 public:
  StartWindow() : CDialog(IDD_SPLASH) {
    onMessage(ui::WM_CREATE, &StartWindow::OnCreate);
    onMessage(ui::WM_PAINT, &StartWindow::OnPaint);
  }

 private:
  ui::LRESULT OnCreate(ui::WPARAM, ui::LPARAM) {
    auto size = ui::bitmapSize(IDB_SPLASH);
    if (!size) return -1;
    MoveWindow(0, 0, size->first, size->second);
    return 0;
  }
  ui::LRESULT OnPaint(ui::WPARAM, ui::LPARAM) {
    ui::CDC dc(*this);
    ui::drawOpaque(dc, IDB_SPLASH, 0, 0);
    EndDialog(ui::IDOK);
    return 0;
  }
};

TEST_F(PaletteMessageTest, StartWindowIsSizedToItsPictureAndPaintsItWhole) {
  ui::setResourceModule(nullptr);
  StartWindow start;
  EXPECT_EQ(start.DoModal(), ui::IDOK);
  auto picture = ui::decodeBmp(ui::findBitmap(IDB_SPLASH));
  ASSERT_TRUE(picture);
  const ui::PixelBuffer& surface = start.surface();
  ASSERT_EQ(surface.width(), 500);
  ASSERT_EQ(surface.height(), 340);
  EXPECT_EQ(surface.at(499, 339), picture->at(499, 339));
}

}  // namespace
}  // namespace kvr
