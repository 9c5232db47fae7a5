// Controls by id and data exchange: edit limits, check boxes, radio groups, combo boxes,
// keyboard moves between controls.
#include "ui/CDataExchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "ui/CDialog.h"
#include "ui/CMessageBox.h"
#include "ui/Controls.h"

namespace kvr {
namespace {

using ui::BN_CLICKED;
using ui::IDCANCEL;
using ui::IDOK;

// The members a page would keep, exchanged with the form's controls.
class FormDialog : public ui::CDialog {
 public:
  FormDialog() : CDialog(IDD_FORM) {
    onCommand(IDC_NAME, ui::EN_CHANGE, &FormDialog::OnNameChange);
    onCommand(IDC_SORTED, ui::CBN_SELCHANGE, &FormDialog::OnSortedChange);
  }

  std::string name = "Ann";
  int agree = 1;
  int radio = 2;
  std::string sortedText = "BAN";
  std::string editableText = "typed";
  int limit = 5;
  int nameChanges = 0;
  std::vector<int> selections;
  ui::CComboBox sorted;
  ui::CComboBox editable;
  ui::CEdit nameEdit;

 protected:
  bool OnInitDialog() override {
    sorted.attachControl(*this, IDC_SORTED);
    for (const char* fruit : {"pear", "Apple", "banana", "apricot"}) {
      int at = sorted.AddString(fruit);
      sorted.SetItemData(at, std::string(fruit).size());
    }
    editable.attachControl(*this, IDC_EDITABLE);
    editable.AddString("one");
    editable.AddString("three");
    editable.InsertString(1, "two");
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(ui::CDataExchange* dx) override {
    ui::DDX_Control(dx, IDC_NAME, nameEdit);
    ui::DDX_Text(dx, IDC_NAME, name, limit);
    ui::DDX_Check(dx, IDC_AGREE, agree);
    ui::DDX_Radio(dx, IDC_RADIO_A, radio);
    ui::DDX_CBString(dx, IDC_SORTED, sortedText);
    ui::DDX_CBString(dx, IDC_EDITABLE, editableText);
  }

 private:
  void OnNameChange() { ++nameChanges; }
  void OnSortedChange() { selections.push_back(sorted.GetCurSel()); }
};

class DialogControlsTest : public test::DialogTest {};

TEST_F(DialogControlsTest, DataExchangeLoadsTheControlsAndSavesThemBackOnOk) {
  FormDialog form;
  m_driver.then([&] {
    EXPECT_EQ(m_driver.control(IDC_NAME)->text, "Ann");
    EXPECT_EQ(m_driver.control(IDC_AGREE)->check, 1);
    EXPECT_EQ(m_driver.control(IDC_RADIO_C)->check, 1);
    EXPECT_EQ(m_driver.control(IDC_SORTED)->text, "banana");  // prefix, any case
    EXPECT_EQ(m_driver.control(IDC_EDITABLE)->text, "typed");
  });
  m_driver.thenClick(IDC_AGREE).thenClick(IDC_RADIO_A).thenSelect(IDC_SORTED, 3).thenClick(IDOK);
  EXPECT_EQ(form.DoModal(), IDOK);
  EXPECT_EQ(form.agree, 0);
  EXPECT_EQ(form.radio, 0);
  EXPECT_EQ(form.sortedText, "pear");
  EXPECT_EQ(form.selections, std::vector<int>{3});
}

TEST_F(DialogControlsTest, EditLimitCutsTypedText) {
  FormDialog form;
  form.name.clear();
  m_driver.thenType(IDC_NAME, "abcdefgh").then([&] {
    EXPECT_EQ(m_driver.control(IDC_NAME)->text, "abcde");
    EXPECT_EQ(form.nameEdit.GetLimitText(), 5);
  });
  // Backspace makes room for one more.
  m_driver.thenType(IDC_NAME, "\bXY").thenClick(IDOK);
  EXPECT_EQ(form.DoModal(), IDOK);
  EXPECT_EQ(form.name, "abcdX");
  EXPECT_EQ(form.nameChanges, 5 + 1 + 1 + 1);  // load, five accepted, backspace, X
}

TEST_F(DialogControlsTest, TextLongerThanTheLimitFailsOnSaveWithAMessage) {
  FormDialog form;
  m_driver.then([&] { form.nameEdit.SetWindowText("far too long"); })
      .thenClick(IDOK)
      .then([&] {
        EXPECT_EQ(m_driver.control(ui::CMessageBox::kTextId)->text, "Enter no more than 5 characters.");
      })
      .thenAnswer(IDOK)
      .then([&] {
        EXPECT_EQ(m_driver.messageBoxes().size(), 1u);
        EXPECT_TRUE(form.IsWindowVisible());
        EXPECT_TRUE(form.nameEdit.hasFocus());
      })
      .thenClick(IDCANCEL);
  EXPECT_EQ(form.DoModal(), IDCANCEL);
  EXPECT_EQ(form.name, "Ann");
}

TEST_F(DialogControlsTest, SortedComboInsertsInOrderAndSelectsByPrefix) {
  FormDialog form;
  m_driver.then([&] {
    std::vector<std::string> items;
    for (int i = 0; i < form.sorted.GetCount(); ++i) items.push_back(form.sorted.GetLBText(i));
    EXPECT_EQ(items, (std::vector<std::string>{"Apple", "apricot", "banana", "pear"}));
    EXPECT_EQ(form.sorted.GetItemData(1), std::string("apricot").size());
    EXPECT_EQ(form.editable.GetLBText(1), "two");
    EXPECT_EQ(form.editable.GetLBText(2), "three");

    struct Case {
      int start;
      const char* prefix;
      int found;
    } cases[] = {{-1, "AP", 0}, {0, "ap", 1}, {1, "ap", 0}, {-1, "Pe", 3}, {-1, "x", ui::CB_ERR}, {-1, "", 0}};
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.prefix) + " after " + std::to_string(c.start));
      EXPECT_EQ(form.sorted.FindString(c.start, c.prefix), c.found);
    }
    EXPECT_EQ(form.sorted.SelectString(-1, "APR"), 1);
    EXPECT_EQ(form.sorted.GetCurSel(), 1);
    EXPECT_EQ(form.sorted.SelectString(-1, "zzz"), ui::CB_ERR);
    EXPECT_EQ(form.sorted.GetCurSel(), 1);
    EXPECT_EQ(form.sorted.InsertString(9, "late"), ui::CB_ERR);
  });
  // A letter typed into a drop-down list selects the next item that starts with it.
  m_driver.thenType(IDC_SORTED, "p").thenClick(IDOK);
  EXPECT_EQ(form.DoModal(), IDOK);
  EXPECT_EQ(form.sortedText, "pear");
  EXPECT_EQ(form.selections, std::vector<int>{3});
}

TEST_F(DialogControlsTest, KeyboardMovesFocusTogglesAndMovesInRadioGroups) {
  FormDialog form;
  form.radio = 0;
  m_driver.then([&] { EXPECT_EQ(form.model().focus, IDC_NAME); });
  // Tab order: name, sorted, editable, agree, radio (checked one), [hidden, disabled skipped], Open, OK, Cancel.
  m_driver.thenKey(ui::VK_TAB).thenKey(ui::VK_TAB).thenKey(ui::VK_TAB).then([&] {
    EXPECT_EQ(form.model().focus, IDC_AGREE);
  });
  m_driver.thenKey(ui::VK_SPACE).thenKey(ui::VK_TAB).thenKey(ui::VK_DOWN).thenKey(ui::VK_DOWN).then([&] {
    EXPECT_EQ(form.model().focus, IDC_RADIO_C);
  });
  m_driver.thenKey(ui::VK_TAB).then([&] { EXPECT_EQ(form.model().focus, IDC_OPEN); });
  m_driver.thenKey(ui::VK_TAB | ui::kShiftFlag).then([&] { EXPECT_EQ(form.model().focus, IDC_RADIO_C); });
  // Enter away from a push button presses the default button.
  m_driver.thenKey(ui::VK_RETURN);
  EXPECT_EQ(form.DoModal(), IDOK);
  EXPECT_EQ(form.agree, 0);
  EXPECT_EQ(form.radio, 2);
}

TEST_F(DialogControlsTest, HiddenAndDisabledControlsIgnoreClicks) {
  FormDialog form;
  int clicks = 0;
  struct Probe : ui::CDialog {
    int& count;
    explicit Probe(int& c) : CDialog(IDD_FORM), count(c) {
      onCommand(IDC_HIDDEN, BN_CLICKED, &Probe::OnClick);
      onCommand(IDC_DISABLED, BN_CLICKED, &Probe::OnClick);
    }
    void OnClick() { ++count; }
  } probe(clicks);
  m_driver.thenClick(IDC_HIDDEN).thenClick(IDC_DISABLED).then([&] {
    EXPECT_EQ(clicks, 0);
    probe.GetDlgItem(IDC_DISABLED)->EnableWindow(true);
    probe.GetDlgItem(IDC_TITLE)->setBold(true);
    EXPECT_TRUE(m_driver.control(IDC_TITLE)->bold);
  });
  m_driver.thenClick(IDC_DISABLED).thenClick(IDCANCEL);
  EXPECT_EQ(probe.DoModal(), IDCANCEL);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace kvr
