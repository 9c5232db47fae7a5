#include "app/CRegException.h"

#include "ui/StringTable.h"

namespace kvr {

namespace {

constexpr int kPhoneRegistration = 234;
constexpr int kAddressWithoutLetters = 247;
constexpr int kAddressNeedsLettersText = 222;

std::string defaultText(int id) {
  if (id == kPhoneRegistration) return {};
  return ui::loadString(id == kAddressWithoutLetters ? kAddressNeedsLettersText : id);
}

}  // namespace

CRegException::CRegException(int id, ui::CWnd* owner)
    : m_owner(owner), m_id(id), m_text(defaultText(id)) {}

CRegException::CRegException(int id, const std::string& prefix, ui::CWnd* owner)
    : m_owner(owner), m_id(id), m_text(prefix + ui::loadString(id)) {}

}  // namespace kvr
