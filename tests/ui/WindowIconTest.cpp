// Window icons: loaded from the active resources, set big and small through WM_SETICON, the
// one replaced handed back, and gone when the window is made again.
#include "ui/CDialog.h"

#include <gtest/gtest.h>

#include "../../res/resource.h"
#include "DialogTestSupport.h"
#include "support/LogCapture.h"
#include "ui/CWinApp.h"

namespace kvr {
namespace {

using ui::HICON;

class WindowIconTest : public test::DialogTest {
 protected:
  // Runs `body` while a small dialog is open, then ends the dialog.
  template <class Body>
  void whileOpen(ui::CDialog& dialog, Body body) {
    m_driver.then([&, body] { body(); }).thenClick(ui::IDOK);
    dialog.DoModal();
  }
};

TEST_F(WindowIconTest, LoadGivesTheIconOfTheActiveResourcesOrNone) {
  ui::CWinApp app("icons");
  struct {
    unsigned id;
    HICON expected;
  } cases[] = {{IDI_FORM, IDI_FORM}, {IDI_ABSENT, 0}, {IDI_APP, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    test::LogCapture log;
    EXPECT_EQ(ui::loadIcon(c.id), c.expected);
    EXPECT_EQ(app.LoadIcon(c.id), c.expected);
    EXPECT_EQ(log.text().find("Icon " + std::to_string(c.id) + " is not in the active resources") !=
                  std::string::npos,
              c.expected == 0);
  }
  // The program's own resources carry the program icon.
  ui::setResourceModule(nullptr);
  EXPECT_EQ(app.LoadIcon(IDI_APP), HICON(IDI_APP));
}

TEST_F(WindowIconTest, SetIconHandsBackTheOneItReplaces) {
  ui::CDialog dialog(IDD_SMALL);
  whileOpen(dialog, [&] {
    EXPECT_EQ(dialog.GetIcon(true), 0u);
    EXPECT_EQ(dialog.SetIcon(IDI_FORM, true), 0u);
    EXPECT_EQ(dialog.SetIcon(IDI_FORM + 100, true), HICON(IDI_FORM));
    EXPECT_EQ(dialog.SetIcon(IDI_FORM, false), 0u);
    EXPECT_EQ(dialog.GetIcon(true), HICON(IDI_FORM + 100));
    EXPECT_EQ(dialog.GetIcon(false), HICON(IDI_FORM));
    EXPECT_EQ(m_driver.icon(dialog, true), HICON(IDI_FORM + 100));
    EXPECT_EQ(m_driver.icon(dialog, false), HICON(IDI_FORM));
    // The messages behind them; an icon kind other than big and small changes nothing.
    EXPECT_EQ(dialog.SendMessage(ui::WM_GETICON, ui::ICON_SMALL), ui::LRESULT(IDI_FORM));
    EXPECT_EQ(dialog.SendMessage(ui::WM_SETICON, 7, 1), 0);
    EXPECT_EQ(dialog.GetIcon(false), HICON(IDI_FORM));
    // No class icon: the system is to drag its default cursor.
    EXPECT_EQ(dialog.SendMessage(ui::WM_QUERYDRAGICON), 0);
    // A control has no icon of its own and leaves its dialog's alone.
    ui::CWnd* ok = dialog.GetDlgItem(ui::IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->SetIcon(IDI_FORM, true), 0u);
    EXPECT_EQ(ok->GetIcon(true), 0u);
    EXPECT_EQ(dialog.GetIcon(true), HICON(IDI_FORM + 100));
  });
  // Opened again, the window starts without icons.
  whileOpen(dialog, [&] {
    EXPECT_EQ(m_driver.icon(dialog, true), 0u);
    EXPECT_EQ(m_driver.icon(dialog, false), 0u);
  });
}

}  // namespace
}  // namespace kvr
