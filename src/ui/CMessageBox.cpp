#include "ui/CMessageBox.h"

#include <algorithm>

#include "ui/CWinApp.h"
#include "ui/WindowManager.h"

namespace kvr::ui {

namespace {

constexpr int kMaxTextWidth = 240;  // dialog units
constexpr int kCharWidth = 4;
constexpr int kLineHeight = 8;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kMargin = 7;
constexpr std::uint32_t kStatic = 0x50000000;         // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kStaticIcon = 0x50000003;     // SS_ICON
constexpr std::uint32_t kPushButton = 0x50010000;     // WS_TABSTOP
constexpr std::uint32_t kDefPushButton = 0x50010001;  // BS_DEFPUSHBUTTON
constexpr std::uint32_t kBoxStyle = 0x80C80880;       // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER

ResourceText textOf(const std::string& s) { return ResourceText{s.data(), static_cast<std::uint32_t>(s.size())}; }

// Lines the text takes when wrapped at `columns` characters.
int lineCount(std::string_view text, int columns) {
  int lines = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t length = (end == std::string_view::npos ? text.size() : end) - start;
    lines += std::max(1, static_cast<int>((length + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

int longestLine(std::string_view text) {
  std::size_t longest = 0;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    std::size_t stop = end == std::string_view::npos ? text.size() : end;
    longest = std::max(longest, stop - start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return static_cast<int>(longest);
}

}  // namespace

CMessageBox::CMessageBox(CWnd* owner, std::string_view text, std::string_view caption, UINT type)
    : CDialog(0, owner) {
  m_record.caption = std::string(caption);
  m_record.text = std::string(text);
  m_record.icon = type & MB_ICONMASK;
  if ((type & MB_TYPEMASK) == MB_YESNO) {
    m_record.buttons = {IDYES, IDNO};
    m_labels = {"&Yes", "&No"};
  } else {
    m_record.buttons = {IDOK};
    m_labels = {"OK"};
  }
  layout();
}

void CMessageBox::layout() {
  int textX = m_record.icon ? kMargin + 20 + kMargin : kMargin;
  int textWidth = std::clamp(longestLine(m_record.text) * kCharWidth, 60, kMaxTextWidth);
  int textHeight = lineCount(m_record.text, textWidth / kCharWidth) * kLineHeight;
  int buttonsWidth = static_cast<int>(m_record.buttons.size()) * (kButtonWidth + kMargin) - kMargin;
  int width = std::max(textX + textWidth + kMargin, buttonsWidth + 2 * kMargin);
  int buttonY = kMargin + std::max(textHeight, m_record.icon ? 20 : 0) + kMargin;

  auto add = [this](int id, std::uint32_t style, const char* cls, const std::string& text, int x, int y, int cx,
                    int cy) {
    ControlTemplate c{};
    c.id = id;
    c.statement = ControlStatement::Control;
    c.className = ResourceText{cls, static_cast<std::uint32_t>(std::char_traits<char>::length(cls))};
    c.text = textOf(text);
    c.style = style;
    c.x = static_cast<std::int16_t>(x);
    c.y = static_cast<std::int16_t>(y);
    c.cx = static_cast<std::int16_t>(cx);
    c.cy = static_cast<std::int16_t>(cy);
    m_controls.push_back(c);
  };
  m_controls.reserve(2 + m_record.buttons.size());
  static const std::string kNoText;
  if (m_record.icon) add(kIconId, kStaticIcon, "Static", kNoText, kMargin, kMargin, 20, 20);
  add(kTextId, kStatic, "Static", m_record.text, textX, kMargin, textWidth, textHeight);
  int x = (width - buttonsWidth) / 2;
  for (std::size_t i = 0; i < m_record.buttons.size(); ++i) {
    add(m_record.buttons[i], i == 0 ? kDefPushButton : kPushButton, "Button", m_labels[i], x, buttonY,
        kButtonWidth, kButtonHeight);
    x += kButtonWidth + kMargin;
  }
  m_template.style = kBoxStyle;
  m_template.cx = static_cast<std::int16_t>(width);
  m_template.cy = static_cast<std::int16_t>(buttonY + kButtonHeight + kMargin);
  m_template.caption = textOf(m_record.caption);
  m_template.controls = m_controls.data();
  m_template.controlCount = static_cast<std::uint32_t>(m_controls.size());
}

INT_PTR CMessageBox::DoModal() {
  INT_PTR result = CDialog::DoModal();
  m_record.answer = static_cast<int>(result);
  WindowManager::instance().backend().messageBoxClosed(m_record);
  return result;
}

bool CMessageBox::onUnmappedCommand(int id, UINT code) {
  if (code != BN_CLICKED) return false;
  if (std::find(m_record.buttons.begin(), m_record.buttons.end(), id) != m_record.buttons.end()) {
    EndDialog(id);
  } else if (id == IDCANCEL) {
    OnCancel();
  }
  return true;
}

void CMessageBox::OnCancel() {
  if (m_record.buttons.size() == 1) EndDialog(IDOK);
}

int AfxMessageBox(std::string_view text, UINT type) {
  CWinApp* app = AfxGetApp();
  CWnd* owner = app ? app->m_pMainWnd : nullptr;
  std::string caption = app ? app->appName() : std::string();
  CMessageBox box(owner, text, caption, type);
  return static_cast<int>(box.DoModal());
}

}  // namespace kvr::ui
