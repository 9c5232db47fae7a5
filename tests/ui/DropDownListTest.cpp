// Drop-down lists of combo boxes: opening and closing by keyboard and pointer, the highlight
// while open, what selects and what leaves the selection alone, and the notifications.
#include "ui/DropDownList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "ui/CDialog.h"
#include "ui/Controls.h"

namespace kvr {
namespace {

using namespace ui;

// IDC_SORTED lists sixteen fruits with "banana" selected and has the focus; IDC_EDITABLE
// holds one, two, three and no text. The notifications are logged.
class FruitDialog : public CDialog {
 public:
  FruitDialog() : CDialog(IDD_FORM) {
    onCommand(IDC_SORTED, CBN_SELCHANGE, &FruitDialog::OnSortedSel);
    onCommand(IDC_SORTED, CBN_DROPDOWN, &FruitDialog::OnSortedDrop);
    onCommand(IDC_SORTED, CBN_CLOSEUP, &FruitDialog::OnSortedClose);
    onCommand(IDC_EDITABLE, CBN_SELCHANGE, &FruitDialog::OnEditableSel);
  }

  std::vector<std::string> log;
  CComboBox sorted;
  CComboBox editable;

 protected:
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    sorted.attachControl(*this, IDC_SORTED);
    for (const char* fruit : {"pear", "Apple", "banana", "apricot", "blueberry", "cherry", "date", "fig", "grape",
                              "kiwi", "lemon", "lime", "mango", "melon", "orange", "plum"})
      sorted.AddString(fruit);
    sorted.SetCurSel(2);
    editable.attachControl(*this, IDC_EDITABLE);
    for (const char* word : {"one", "two", "three"}) editable.AddString(word);
    editable.SetWindowText("");
    sorted.SetFocus();
    return false;
  }

 private:
  void OnSortedSel() { log.push_back("sel " + std::to_string(sorted.GetCurSel())); }
  void OnSortedDrop() { log.push_back("drop"); }
  void OnSortedClose() { log.push_back("closeup"); }
  void OnEditableSel() { log.push_back("editable sel " + std::to_string(editable.GetCurSel())); }
};

// One piece of input as a backend would send it.
struct Input {
  enum Kind { Key, Alt, Char, Click, Arrow, Item } kind;
  UINT value;
  int index = 0;
};

Input key(UINT vk) { return {Input::Key, vk}; }
Input alt(UINT vk) { return {Input::Alt, vk}; }
Input ch(char c) { return {Input::Char, static_cast<unsigned char>(c)}; }
Input click(int id) { return {Input::Click, static_cast<UINT>(id)}; }
Input arrow(int id) { return {Input::Arrow, static_cast<UINT>(id)}; }
Input item(int id, int index) { return {Input::Item, static_cast<UINT>(id), index}; }

class DropDownListTest : public test::DialogTest {
 protected:
  void send(FruitDialog& form, const Input& in) {
    switch (in.kind) {
      case Input::Key: m_driver.pressKey(in.value); break;
      case Input::Alt: m_driver.sysKey(in.value); break;
      case Input::Char: form.PostMessage(WM_CHAR, in.value); break;
      case Input::Click: m_driver.click(static_cast<int>(in.value)); break;
      case Input::Arrow: m_driver.clickArrow(static_cast<int>(in.value)); break;
      case Input::Item: m_driver.clickListItem(static_cast<int>(in.value), in.index); break;
    }
  }
};

constexpr int kStillOpen = 999;  // the end code the test gives a dialog no key has ended

TEST_F(DropDownListTest, KeysAndClicksOnASortedDropDownList) {
  struct Case {
    const char* name;
    std::vector<Input> input;
    bool dropped;
    int highlight;  // checked while the list is open
    int selection;
    std::vector<std::string> log;
    int focus = IDC_SORTED;
    int result = kStillOpen;
  } cases[] = {
      {"F4 opens with the selection highlighted", {key(VK_F4)}, true, 2, 2, {"drop"}},
      {"Alt+Down opens, Alt+Up closes unchanged", {alt(VK_DOWN), key(VK_DOWN), alt(VK_UP)}, false, 0, 2,
       {"drop", "closeup"}},
      {"Alt+Down toggles it closed", {alt(VK_DOWN), alt(VK_DOWN)}, false, 0, 2, {"drop", "closeup"}},
      {"Down moves the highlight only", {key(VK_F4), key(VK_DOWN), key(VK_DOWN)}, true, 4, 2, {"drop"}},
      {"Enter selects the highlighted item and does not press OK",
       {key(VK_F4), key(VK_DOWN), key(VK_DOWN), key(VK_RETURN)}, false, 0, 4, {"drop", "closeup", "sel 4"}},
      {"Enter on the selected item changes nothing", {key(VK_F4), key(VK_RETURN)}, false, 0, 2,
       {"drop", "closeup"}},
      {"Escape closes unchanged and leaves the dialog open", {key(VK_F4), key(VK_DOWN), key(VK_ESCAPE)}, false, 0, 2,
       {"drop", "closeup"}},
      {"F4 closes unchanged", {key(VK_F4), key(VK_UP), key(VK_F4)}, false, 0, 2, {"drop", "closeup"}},
      {"Up stops at the first item", {key(VK_F4), key(VK_UP), key(VK_UP), key(VK_UP)}, true, 0, 2, {"drop"}},
      {"PgDn moves a page of the list", {key(VK_F4), key(VK_NEXT)}, true, 10, 2, {"drop"}},
      {"PgDn stops at the last item", {key(VK_F4), key(VK_NEXT), key(VK_NEXT)}, true, 15, 2, {"drop"}},
      {"End, then PgUp", {key(VK_F4), key(VK_END), key(VK_PRIOR)}, true, 7, 2, {"drop"}},
      {"Home", {key(VK_F4), key(VK_END), key(VK_HOME)}, true, 0, 2, {"drop"}},
      {"a letter moves to the next item with it", {key(VK_F4), ch('m'), ch('M')}, true, 12, 2, {"drop"}},
      {"a letter wraps around", {key(VK_F4), ch('m'), ch('m'), ch('m')}, true, 11, 2, {"drop"}},
      {"a letter no item starts with stays", {key(VK_F4), ch('z')}, true, 2, 2, {"drop"}},
      {"Tab keeps the highlighted item and moves on", {key(VK_F4), key(VK_DOWN), key(VK_TAB)}, false, 0, 3,
       {"drop", "closeup", "sel 3"}, IDC_EDITABLE},
      {"a click on an item selects it", {key(VK_F4), item(IDC_SORTED, 14)}, false, 0, 14,
       {"drop", "closeup", "sel 14"}},
      {"a click elsewhere closes unchanged and goes no further", {key(VK_F4), key(VK_DOWN), click(IDOK)}, false, 0,
       2, {"drop", "closeup"}},
      {"a click on the box opens it", {click(IDC_SORTED)}, true, 2, 2, {"drop"}},
      {"so does a click on its arrow", {arrow(IDC_SORTED)}, true, 2, 2, {"drop"}},
      {"a click on the open box closes it", {click(IDC_SORTED), key(VK_DOWN), click(IDC_SORTED)}, false, 0, 2,
       {"drop", "closeup"}},
      {"closed, Down selects in place", {key(VK_DOWN)}, false, 0, 3, {"sel 3"}},
      {"closed, a letter selects", {ch('p')}, false, 0, 14, {"sel 14"}},
      {"closed, Enter presses OK", {key(VK_RETURN)}, false, 0, 2, {}, IDC_SORTED, IDOK},
      {"closed, Escape cancels", {key(VK_ESCAPE)}, false, 0, 2, {}, IDC_SORTED, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FruitDialog form;
    for (const Input& in : c.input) m_driver.then([&] { send(form, in); });
    if (c.result == kStillOpen) {
      m_driver.then([&] {
        const Widget* w = form.model().find(IDC_SORTED);
        EXPECT_EQ(w->dropped, c.dropped);
        EXPECT_EQ(form.sorted.GetDroppedState(), c.dropped);
        if (c.dropped) {
          EXPECT_EQ(w->highlight, c.highlight);
        }
        EXPECT_EQ(w->selection, c.selection);
        EXPECT_EQ(w->text, form.sorted.GetLBText(c.selection));
        EXPECT_EQ(form.model().focus, c.focus);
        form.EndDialog(kStillOpen);
      });
    }
    EXPECT_EQ(form.DoModal(), c.result);
    EXPECT_EQ(form.log, c.log);
    EXPECT_EQ(m_driver.pendingSteps(), 0u);
  }
}

TEST_F(DropDownListTest, AnEditableBoxOpensOnItsArrowAndItsListFollowsTheText) {
  FruitDialog form;
  m_driver.thenClick(IDC_EDITABLE).then([&] {
    EXPECT_EQ(form.model().focus, IDC_EDITABLE);
    EXPECT_FALSE(form.editable.GetDroppedState());
  });
  m_driver.then([&] { m_driver.clickArrow(IDC_EDITABLE); }).thenType(IDC_EDITABLE, "th").then([&] {
    const Widget* w = form.model().find(IDC_EDITABLE);
    EXPECT_TRUE(w->dropped);
    EXPECT_EQ(w->text, "th");
    EXPECT_EQ(w->highlight, 2);
  });
  m_driver.thenKey(VK_RETURN).then([&] {
    EXPECT_FALSE(form.editable.GetDroppedState());
    EXPECT_EQ(form.editable.GetWindowText(), "three");
    EXPECT_EQ(form.log, std::vector<std::string>{"editable sel 2"});
  });
  m_driver.thenKey(VK_ESCAPE);
  EXPECT_EQ(form.DoModal(), IDCANCEL);
}

// The pages take Escape away from the dialog; an open list still gets it first.
TEST_F(DropDownListTest, AnOpenListTakesKeysBeforeTheDialogDoes) {
  struct EscapeEater : FruitDialog {
    bool PreTranslateMessage(MSG* msg) override {
      if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) return true;
      return FruitDialog::PreTranslateMessage(msg);
    }
  } form;
  m_driver.thenKey(VK_F4).thenKey(VK_ESCAPE).then([&] {
    EXPECT_FALSE(form.sorted.GetDroppedState());
    EXPECT_TRUE(form.IsWindowVisible());
  });
  m_driver.thenKey(VK_ESCAPE).then([&] { form.EndDialog(kStillOpen); });
  EXPECT_EQ(form.DoModal(), kStillOpen);
}

TEST_F(DropDownListTest, ShowDropDownAndTheWaysAListClosesByItself) {
  FruitDialog form;
  m_driver.then([&] {
    form.editable.ShowDropDown(true);
    EXPECT_TRUE(form.editable.GetDroppedState());
    EXPECT_EQ(form.model().focus, IDC_EDITABLE);
    form.editable.ShowDropDown(false);
    EXPECT_FALSE(form.editable.GetDroppedState());
    form.sorted.ShowDropDown(true);
    // The focus moves by other means than input: the list closes unchanged.
    form.editable.SetFocus();
  });
  m_driver.thenKey(VK_HOME).then([&] {
    EXPECT_FALSE(form.sorted.GetDroppedState());
    EXPECT_EQ(form.sorted.GetCurSel(), 2);
    form.sorted.SetFocus();
    form.sorted.EnableWindow(false);
  });
  // A disabled box does not open.
  m_driver.thenKey(VK_F4).then([&] {
    EXPECT_FALSE(form.sorted.GetDroppedState());
    EXPECT_EQ(form.log, (std::vector<std::string>{"drop", "closeup"}));
    form.EndDialog(kStillOpen);
  });
  EXPECT_EQ(form.DoModal(), kStillOpen);
}

// Items deleted under an open list keep its highlight on an item that is there.
TEST_F(DropDownListTest, DeletingItemsKeepsTheHighlightInRange) {
  FruitDialog form;
  m_driver.thenKey(VK_F4).thenKey(VK_END).then([&] {
    form.sorted.DeleteString(15);
    EXPECT_EQ(form.model().find(IDC_SORTED)->highlight, 14);
    form.sorted.DeleteString(0);
    EXPECT_EQ(form.model().find(IDC_SORTED)->highlight, 13);
    form.sorted.ResetContent();
    EXPECT_EQ(form.model().find(IDC_SORTED)->highlight, CB_ERR);
  });
  m_driver.thenKey(VK_RETURN).then([&] {
    EXPECT_EQ(form.sorted.GetCurSel(), CB_ERR);
    form.EndDialog(kStillOpen);
  });
  EXPECT_EQ(form.DoModal(), kStillOpen);
}

}  // namespace
}  // namespace kvr
