// Where the terminal puts a dialog and the open list of a combo box: centred when it fits,
// scrolled to the focused control when it does not; the list below or above its box.
#include "ui/terminal/Viewport.h"

#include <gtest/gtest.h>

#include <string>

namespace kvr {
namespace {

using ui::DropListPlace;
using ui::Viewport;

TEST(TerminalViewportTest, AnAxisCentresOrScrollsToTheFocus) {
  struct Case {
    const char* name;
    int client, border, screen, focusStart, focusLength, previous;
    int frameStart, clientStart, shown, scroll;
    bool before, after;
  } cases[] = {
      {"fits: centred", 87, 1, 100, 0, 0, 0, 5, 6, 87, 0, false, false},
      {"fits exactly", 22, 1, 24, 20, 1, 0, 0, 1, 22, 0, false, false},
      {"focus at the top stays unscrolled", 29, 1, 24, 2, 1, 0, 0, 1, 22, 0, false, true},
      {"focus on the last row scrolls it into view", 29, 1, 24, 28, 1, 0, 0, 1, 22, 7, true, false},
      {"a taller control shows whole", 29, 1, 24, 20, 3, 0, 0, 1, 22, 1, true, true},
      {"focus in view keeps the previous scroll", 29, 1, 24, 10, 1, 4, 0, 1, 22, 4, true, true},
      {"focus above the view scrolls back to it", 29, 1, 24, 2, 1, 6, 0, 1, 22, 2, true, true},
      {"a previous scroll beyond the end is cut back", 29, 1, 24, 0, 0, 50, 0, 1, 22, 7, true, false},
      {"no focus keeps the previous scroll", 29, 1, 24, 0, 0, 3, 0, 1, 22, 3, true, true},
      {"a control larger than the view shows its start", 29, 1, 10, 5, 12, 0, 0, 1, 8, 5, true, true},
      {"without a frame the client takes the edges", 83, 0, 80, 0, 0, 0, 0, 0, 80, 0, false, true},
      {"a screen smaller than the frame shows nothing", 10, 1, 1, 0, 0, 0, 0, 1, 0, 0, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto a = Viewport::Axis::place(c.client, c.border, c.screen, c.focusStart, c.focusLength, c.previous);
    EXPECT_EQ(a.frameStart, c.frameStart);
    EXPECT_EQ(a.clientStart, c.clientStart);
    EXPECT_EQ(a.shown, c.shown);
    EXPECT_EQ(a.scroll, c.scroll);
    EXPECT_EQ(a.moreBefore(), c.before);
    EXPECT_EQ(a.moreAfter(), c.after);
  }
}

// The contact page (87 x 29 client cells with its frame) on an 80 x 24 terminal, the focus
// on the Next button at column 57, row 26.
TEST(TerminalViewportTest, TheContactPageOnAnEightyByTwentyFourScreen) {
  Viewport v = Viewport::place(87, 29, true, 80, 24, 57, 26, 13, 1, 0, 0);
  EXPECT_TRUE(v.scrolled());
  EXPECT_EQ(v.x.shown, 78);
  EXPECT_EQ(v.y.shown, 22);
  EXPECT_EQ(v.y.toScreen(26), 22) << "the button's row is the last one inside the frame";
  EXPECT_LE(v.x.toScreen(57 + 13), 79);
  EXPECT_TRUE(v.y.moreBefore());
  EXPECT_TRUE(v.y.moreAfter()) << "two rows of margin below the buttons";
  Viewport fits = Viewport::place(87, 29, true, 120, 50, 57, 26, 13, 1, 0, 0);
  EXPECT_FALSE(fits.scrolled());
  EXPECT_EQ(fits.x.toScreen(0), 16);
}

TEST(TerminalViewportTest, ADropListGoesBelowOrAboveAndScrollsToItsHighlight) {
  struct Case {
    const char* name;
    int boxRow, items, maxRows, highlight, previousTop;
    int row, rows, top;
  } cases[] = {
      {"room below", 5, 169, 14, 0, -1, 6, 14, 0},
      {"fewer items than rows", 5, 3, 14, 1, -1, 6, 3, 0},
      {"opens with the highlight at the top", 5, 169, 14, 100, -1, 6, 14, 100},
      {"near the end it shows the last page", 5, 169, 14, 168, -1, 6, 14, 155},
      {"moving down past the bottom scrolls by one", 5, 169, 14, 14, 0, 6, 14, 1},
      {"moving up past the top scrolls to it", 5, 169, 14, 3, 4, 6, 14, 3},
      {"a highlight in view keeps the scroll", 5, 169, 14, 10, 4, 6, 14, 4},
      {"less room below than above: above", 20, 169, 14, 0, -1, 6, 14, 0},
      {"cut to the room below when that is larger", 11, 169, 14, 0, -1, 12, 12, 0},
      {"an empty list shows one row", 5, 0, 14, -1, -1, 6, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = DropListPlace::place(c.boxRow, 40, 24, c.items, c.maxRows, 24, 80, c.highlight, c.previousTop);
    EXPECT_EQ(p.row, c.row);
    EXPECT_EQ(p.rows, c.rows);
    EXPECT_EQ(p.top, c.top);
    EXPECT_EQ(p.col, 40);
    EXPECT_EQ(p.cols, 24);
  }
  auto p = DropListPlace::place(5, 70, 24, 169, 14, 24, 80, 20, 10);
  EXPECT_EQ(p.col, 56) << "moved left to stay on the screen";
  EXPECT_EQ(p.itemAt(6, 56, 169), 10);
  EXPECT_EQ(p.itemAt(19, 79, 169), 23);
  EXPECT_EQ(p.itemAt(20, 60, 169), -1);
  EXPECT_EQ(p.itemAt(6, 55, 169), -1);
  auto few = DropListPlace::place(5, 0, 10, 2, 14, 24, 80, 0, -1);
  EXPECT_EQ(few.itemAt(6, 0, 2), 0);
  EXPECT_EQ(few.itemAt(8, 0, 2), -1);
}

}  // namespace
}  // namespace kvr
