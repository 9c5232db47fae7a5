#include "ui/ControlKind.h"
#include "ui/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {
namespace {

using ui::ControlKind;

constexpr std::uint32_t kWsCaption = 0x00C00000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsTabStop = 0x00010000;
constexpr std::uint32_t kCbsTypeMask = 0x3;
constexpr std::uint32_t kCbsDropDownList = 0x3;
constexpr std::uint32_t kCbsSort = 0x100;

const ui::DialogTemplate* dialog(unsigned id) { return ui::programResources().dialog(id); }

const ui::ControlTemplate* control(const ui::DialogTemplate& d, int id) {
  for (std::uint32_t i = 0; i < d.controlCount; ++i) {
    if (d.controls[i].id == id) return &d.controls[i];
  }
  return nullptr;
}

// A push button whether or not it is the default one; "" as text: any text.
enum class Kind { Label, Button, DefButton, CheckBox, Radio, Edit, Combo };

bool kindMatches(Kind want, ControlKind got) {
  switch (want) {
    case Kind::Label: return got == ControlKind::Label;
    case Kind::Button: return got == ControlKind::PushButton || got == ControlKind::DefPushButton;
    case Kind::DefButton: return got == ControlKind::DefPushButton;
    case Kind::CheckBox: return got == ControlKind::CheckBox;
    case Kind::Radio: return got == ControlKind::RadioButton;
    case Kind::Edit: return got == ControlKind::Edit;
    case Kind::Combo: return got == ControlKind::ComboBox;
  }
  return false;
}

struct ExpectedControl {
  unsigned dialog;
  int id;
  Kind kind;
  std::optional<std::string_view> text;  // nullopt where the program sets the text
};

constexpr std::optional<std::string_view> kSetByProgram = std::nullopt;

const ExpectedControl kControls[] = {
    // System information page
    {2100, 2106, Kind::Label, "System Information"},
    {2100, 2107, Kind::Label,
     "The following system information was found.  Sending us this information will make your "
     "registration more accurate. "},
    {2100, 2110, Kind::Label, "Manufacturer:"},
    {2100, 2111, Kind::Label, "Machine Type and Model:"},
    {2100, 2112, Kind::Label, "Serial Number:"},
    {2100, 2113, Kind::Label, "Operating System:"},
    {2100, 2114, Kind::Label, kSetByProgram},
    {2100, 2115, Kind::Label, kSetByProgram},
    {2100, 2116, Kind::Label, kSetByProgram},
    {2100, 2117, Kind::Label, kSetByProgram},
    {2100, 2109, Kind::Label, "Send system information with registration?"},
    {2100, 2101, Kind::Radio, "Yes"},
    {2100, 2102, Kind::Radio, "No"},
    {2100, 2103, Kind::Button, "< &Back"},
    {2100, 2104, Kind::DefButton, "&Next >"},
    {2100, 2105, Kind::Button, "E&xit"},
    // Contact information page
    {2403, 2289, Kind::Label, "Contact Information"},
    {2403, 2251, Kind::Label, "Prefix"},
    {2403, 2238, Kind::Combo, kSetByProgram},
    {2403, 2252, Kind::Label, "First Name"},
    {2403, 2209, Kind::Edit, kSetByProgram},
    {2403, 2250, Kind::Label, "Initial"},
    {2403, 2208, Kind::Edit, kSetByProgram},
    {2403, 2257, Kind::Label, "Last Name"},
    {2403, 2210, Kind::Edit, kSetByProgram},
    {2403, 2253, Kind::Label, "Suffix"},
    {2403, 2237, Kind::Combo, kSetByProgram},
    {2403, 2255, Kind::Label, "Job Title"},
    {2403, 2220, Kind::Edit, kSetByProgram},
    {2403, 2256, Kind::Label, "Company"},
    {2403, 2219, Kind::Edit, kSetByProgram},
    {2403, 2263, Kind::Label, "P.O. Box Number/Apt/Suite"},
    {2403, 2218, Kind::Edit, kSetByProgram},
    {2403, 2258, Kind::Label, "Street Address"},
    {2403, 2217, Kind::Edit, kSetByProgram},
    {2403, 2259, Kind::Label, "City"},
    {2403, 2216, Kind::Edit, kSetByProgram},
    {2403, 2260, Kind::Label, "State/Prov."},
    {2403, 2321, Kind::Combo, kSetByProgram},
    {2403, 2261, Kind::Label, "Zip/Postal Code"},
    {2403, 2214, Kind::Edit, kSetByProgram},
    {2403, 2262, Kind::Label, "Country"},
    {2403, 2239, Kind::Combo, kSetByProgram},
    {2403, 2241, Kind::CheckBox,
     "I would prefer future correspondence in French (Canadian residents only). "},
    {2403, 2268, Kind::Label, "Phone"},
    {2403, 2213, Kind::Edit, kSetByProgram},
    {2403, 2269, Kind::Label, "Ext."},
    {2403, 2212, Kind::Edit, kSetByProgram},
    {2403, 2270, Kind::Label, "E-Mail Address"},
    {2403, 2211, Kind::Edit, kSetByProgram},
    {2403, 2334, Kind::CheckBox,
     "The data above may be used for marketing purposes as described in ''Your Privacy.''"},
    {2403, 2320, Kind::Button, "Your &Privacy..."},
    {2403, 2226, Kind::DefButton, "&Next>"},
    {2403, 2207, Kind::Button, "<&Back"},
    {2403, 2242, Kind::Button, "E&xit"},
    // Additional information page
    {2404, 2291, Kind::Label, "Additional Information"},
    {2404, 2292, Kind::Label, "  Please complete or verify if already completed. "},
    {2404, 2338, Kind::Label, "Where do you plan to use this product?"},
    {2404, 2335, Kind::Radio, "Home"},
    {2404, 2336, Kind::Radio, "Business"},
    {2404, 2337, Kind::Radio, "Home/Business"},
    {2404, 2302, Kind::Label, kSetByProgram},
    {2404, 2227, Kind::Combo, kSetByProgram},
    {2404, 2274, Kind::Label, kSetByProgram},
    {2404, 2228, Kind::Combo, kSetByProgram},
    {2404, 2275, Kind::Label, kSetByProgram},
    {2404, 2229, Kind::Combo, kSetByProgram},
    {2404, 2221, Kind::CheckBox, kSetByProgram},
    {2404, 2205, Kind::CheckBox, kSetByProgram},
    {2404, 2204, Kind::CheckBox, kSetByProgram},
    {2404, 2206, Kind::Button, kSetByProgram},
    {2404, 2202, Kind::Button, kSetByProgram},
    {2404, 2312, Kind::Button, kSetByProgram},
    // Thank-you dialog
    {2405, 2293, Kind::Label, "Thank you"},
    {2405, 2235, Kind::Label, "Thank you for taking the time to register!"},
    {2405, 2327, Kind::Button, "E&xit"},
    // Exit confirmation
    {2406, 2243, Kind::Label,
     "You have chosen to exit without registering.  Are you sure you want to exit?"},
    {2406, 2319, Kind::CheckBox, "Prompt me to register in the future."},
    {2406, 2329, Kind::DefButton, "&No"},
    {2406, 2328, Kind::Button, "&Yes"},
    // Connection-failure dialog
    {2407, 2244, Kind::Label, "errorConnect message"},
    {2407, 2288, Kind::Label,
     "A connection could not be made to the Internet.  Please select one of the following "
     "options:"},
    {2407, 2245, Kind::Radio, "Prompt me to register in the future"},
    {2407, 2333, Kind::Radio, "Submit now (ensure that your Internet connection is active)"},
    {2407, 2246, Kind::Radio, "Print and register by mail"},
    {2407, 2325, Kind::DefButton, "OK"},
    {2407, 2326, Kind::Button, "Cancel"},
    // Printing and connecting windows
    {2408, 2316, Kind::Label, "Press cancel to stop printing."},
    {2408, 2323, Kind::Button, "Cancel"},
    {2409, 2317, Kind::Label, "Making connection...please wait"},
    {2409, 2330, Kind::Button, "Cancel"},
    // Phone registration view
    {2410, 2248, Kind::Label, kSetByProgram},
    {2410, 2306, Kind::Label, "Product name:"},
    {2410, 2307, Kind::Label, kSetByProgram},
    {2410, 2254, Kind::Label, "Product:"},
    {2410, 2278, Kind::Label, kSetByProgram},
    {2410, 2270, Kind::Label, "Email:"},
    {2410, 2279, Kind::Label, kSetByProgram},
    {2410, 2271, Kind::Label, "Email Message:"},
    {2410, 2280, Kind::Label, kSetByProgram},
    {2410, 2303, Kind::Label, "Primary reason for purchasing product:"},
    {2410, 2281, Kind::Label, kSetByProgram},
    {2410, 2274, Kind::Label, "Industry:"},
    {2410, 2282, Kind::Label, kSetByProgram},
    {2410, 2275, Kind::Label, "Number of Employees:"},
    {2410, 2283, Kind::Label, kSetByProgram},
    {2410, 2264, Kind::Label, "O/S:"},
    {2410, 2284, Kind::Label, kSetByProgram},
    {2410, 2265, Kind::Label, "O/S Version:"},
    {2410, 2285, Kind::Label, kSetByProgram},
    {2410, 2266, Kind::Label, "Installation Location:"},
    {2410, 2286, Kind::Label, kSetByProgram},
    {2410, 2267, Kind::Label, "Benefits:"},
    {2410, 2287, Kind::Label, kSetByProgram},
    {2410, 2308, Kind::Label, "Client Number:"},
    {2410, 2310, Kind::Label, kSetByProgram},
    {2410, 2309, Kind::Label, "KVR Version:"},
    {2410, 2311, Kind::Label, kSetByProgram},
    {2410, 2249, Kind::Button, "&Next>"},
    // Phone registration exit question
    {2411, 2318, Kind::Label,
     "You have chosen to exit the program.  If you have not done so, please take a moment and "
     "contact the OVX representative to register your product.  Once you exit, the information "
     "displayed will be deleted."},
    {2411, 2276, Kind::DefButton, "<&Back"},
    {2411, 2277, Kind::Button, "&Next>"},
    // Privacy statement
    {2412, 2301, Kind::Label, kSetByProgram},
    {2412, 2324, Kind::DefButton, "&OK"},
    // Server settings
    {2500, 2501, Kind::Label, ""},
    {2500, 2502, Kind::Label, kSetByProgram},
    {2500, 2503, Kind::Radio, "Direct  (No server required below)"},
    {2500, 2504, Kind::Radio, "Socks Server"},
    {2500, 2505, Kind::Radio, "HTTP Server"},
    {2500, 2506, Kind::Radio, "Autoproxy Server"},
    {2500, 2507, Kind::Label, "Server URL:"},
    {2500, 2508, Kind::Edit, kSetByProgram},
    {2500, 2509, Kind::DefButton, "OK"},
    {2500, 2510, Kind::Button, "Cancel"},
};

constexpr unsigned kDialogs[] = {2100, 2402, 2403, 2404, 2405, 2406, 2407,
                                 2408, 2409, 2410, 2411, 2412, 2500};

TEST(DialogTemplateTest, EveryDialogHoldsItsControlsWithTheirKindAndText) {
  for (unsigned id : kDialogs) {
    SCOPED_TRACE(id);
    EXPECT_NE(dialog(id), nullptr);
  }
  for (const auto& want : kControls) {
    SCOPED_TRACE(std::to_string(want.dialog) + "/" + std::to_string(want.id));
    const ui::DialogTemplate* d = dialog(want.dialog);
    ASSERT_NE(d, nullptr);
    const ui::ControlTemplate* c = control(*d, want.id);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(kindMatches(want.kind, ui::controlKind(*c)));
    if (want.text) {
      EXPECT_EQ(c->text.view(), *want.text);
    }
  }
}

bool hasLabel(const ui::DialogTemplate& d, std::string_view text) {
  for (std::uint32_t i = 0; i < d.controlCount; ++i) {
    if (ui::controlKind(d.controls[i]) == ControlKind::Label && d.controls[i].text.view() == text)
      return true;
  }
  return false;
}

TEST(DialogTemplateTest, PagesShowTheirSubtitlesAndTheBookmarkHeading) {
  ASSERT_NE(dialog(2403), nullptr);
  ASSERT_NE(dialog(2404), nullptr);
  EXPECT_TRUE(hasLabel(*dialog(2403), "  Please complete or verify if already completed. "));
  EXPECT_TRUE(hasLabel(*dialog(2404), "Come visit us!"));
}

TEST(DialogTemplateTest, FramesAndSizesAreTheGivenOnes) {
  struct {
    unsigned id;
    bool caption;
    bool systemMenu;
  } frames[] = {
      {2402, false, false}, {2408, false, false}, {2409, false, false}, {2406, true, false},
      {2100, true, true},   {2403, true, true},   {2404, true, true},   {2407, true, true},
      {2410, true, true},   {2500, true, true},
  };
  for (const auto& f : frames) {
    SCOPED_TRACE(f.id);
    const ui::DialogTemplate* d = dialog(f.id);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ((d->style & kWsCaption) == kWsCaption, f.caption);
    EXPECT_EQ((d->style & kWsSysMenu) != 0, f.systemMenu);
  }
  struct {
    unsigned id;
    int cx, cy;
  } sizes[] = {{2402, 334, 209}, {2406, 186, 95}, {2410, 410, 253}};
  for (const auto& s : sizes) {
    SCOPED_TRACE(s.id);
    const ui::DialogTemplate* d = dialog(s.id);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->cx, s.cx);
    EXPECT_EQ(d->cy, s.cy);
  }
  const ui::ControlTemplate* message = control(*dialog(2410), 2248);
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->cx, 396);
  EXPECT_EQ(message->cy, 40);
  EXPECT_EQ(dialog(2500)->caption.view(), "Product Registration");
  EXPECT_EQ(dialog(2402)->controlCount, 0u);
}

TEST(DialogTemplateTest, ContactPageBackButtonStartsDisabled) {
  const ui::ControlTemplate* back = control(*dialog(2403), 2207);
  ASSERT_NE(back, nullptr);
  EXPECT_NE(back->style & kWsDisabled, 0u);
}

// The employees list keeps its table order and the country and state lists sort; the lists
// only offer their entries.
TEST(DialogTemplateTest, ListsSortWhereTheirEntriesAreSorted) {
  struct {
    unsigned dialog;
    int id;
    bool sorted;
  } lists[] = {
      {2403, 2238, false}, {2403, 2237, false}, {2403, 2321, true}, {2403, 2239, true},
      {2404, 2227, true},  {2404, 2228, true},  {2404, 2229, false},
  };
  for (const auto& l : lists) {
    SCOPED_TRACE(l.id);
    const ui::ControlTemplate* c = control(*dialog(l.dialog), l.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->style & kCbsTypeMask, kCbsDropDownList);
    EXPECT_EQ((c->style & kCbsSort) != 0, l.sorted);
  }
}

// Tab and arrow keys move in template order: every field and button is a tab stop, and each
// run of radio buttons is one group that starts at its first button.
TEST(DialogTemplateTest, TabStopsAndRadioGroups) {
  for (unsigned id : kDialogs) {
    SCOPED_TRACE(id);
    const ui::DialogTemplate* d = dialog(id);
    ASSERT_NE(d, nullptr);
    bool previousWasRadio = false;
    for (std::uint32_t i = 0; i < d->controlCount; ++i) {
      const ui::ControlTemplate& c = d->controls[i];
      SCOPED_TRACE(c.id);
      const ControlKind kind = ui::controlKind(c);
      if (kind == ControlKind::RadioButton) {
        EXPECT_EQ((c.style & kWsGroup) != 0, !previousWasRadio);
        if (!previousWasRadio) {
          EXPECT_NE(c.style & kWsTabStop, 0u);
        }
      } else {
        if (previousWasRadio) {
          EXPECT_NE(c.style & kWsGroup, 0u);
        }
        if (kind != ControlKind::Label) {
          EXPECT_NE(c.style & kWsTabStop, 0u);
        }
      }
      previousWasRadio = kind == ControlKind::RadioButton;
    }
  }
}

struct Cells {
  int left, right, top, bottom;
};

// The text-mode backend draws 4 horizontal and 8 vertical dialog units as one cell; a combo
// box takes one row while closed.
Cells cellsOf(const ui::ControlTemplate& c) {
  const int cy = ui::controlKind(c) == ControlKind::ComboBox ? 8 : c.cy;
  return {c.x / 4, (c.x + c.cx - 1) / 4, c.y / 8, (c.y + cy - 1) / 8};
}

TEST(DialogTemplateTest, ControlsStayInsideTheirDialogAndDoNotShareCells) {
  for (unsigned id : kDialogs) {
    SCOPED_TRACE(id);
    const ui::DialogTemplate* d = dialog(id);
    ASSERT_NE(d, nullptr);
    std::vector<Cells> placed;
    for (std::uint32_t i = 0; i < d->controlCount; ++i) {
      const ui::ControlTemplate& c = d->controls[i];
      SCOPED_TRACE(c.id);
      EXPECT_GE(c.x, 0);
      EXPECT_GE(c.y, 0);
      EXPECT_LE(c.x + c.cx, d->cx);
      EXPECT_LE(c.y + (ui::controlKind(c) == ControlKind::ComboBox ? 12 : c.cy), d->cy);
      const Cells mine = cellsOf(c);
      for (std::size_t k = 0; k < placed.size(); ++k) {
        const Cells& other = placed[k];
        const bool apart = mine.right < other.left || other.right < mine.left ||
                           mine.bottom < other.top || other.bottom < mine.top;
        EXPECT_TRUE(apart) << "shares cells with control " << d->controls[k].id;
      }
      placed.push_back(mine);
    }
  }
}

// Pages paint bitmap 2451 with its left edge 200 pixels left of the right edge and its top 30
// pixels down (145 x 131 pixels), and bitmap 2452 at the bottom left (77 pixels wide, top 44
// pixels above the bottom). With the template font a dialog unit is 1.5 pixels across and
// 13/8 pixels down; no control may lie under a picture.
TEST(DialogTemplateTest, PageControlsLeaveThePicturesFree) {
  struct Area {
    double left, top, right, bottom;  // dialog units
  };
  auto corner = [](const ui::DialogTemplate& d) {
    const double left = d.cx - 200 / 1.5;
    return Area{left, 30 / 1.625, left + 145 / 1.5, (30 + 131) / 1.625};
  };
  auto strip = [](const ui::DialogTemplate& d) {
    return Area{0, d.cy - 44 / 1.625, 77 / 1.5, static_cast<double>(d.cy)};
  };
  struct {
    unsigned id;
    bool hasCorner;
  } pages[] = {{2100, true}, {2403, false}, {2404, true}};
  for (const auto& page : pages) {
    SCOPED_TRACE(page.id);
    const ui::DialogTemplate* d = dialog(page.id);
    ASSERT_NE(d, nullptr);
    std::vector<Area> pictures{strip(*d)};
    if (page.hasCorner) pictures.push_back(corner(*d));
    for (std::uint32_t i = 0; i < d->controlCount; ++i) {
      const ui::ControlTemplate& c = d->controls[i];
      SCOPED_TRACE(c.id);
      const double cy = ui::controlKind(c) == ControlKind::ComboBox ? 12 : c.cy;
      for (const Area& p : pictures) {
        const bool apart = c.x + c.cx <= p.left || p.right <= c.x || c.y + cy <= p.top ||
                           p.bottom <= c.y;
        EXPECT_TRUE(apart);
      }
    }
  }
}

}  // namespace
}  // namespace kvr
