#pragma once

#include <memory>
#include <string>

namespace kvr::ui {
class CWnd;
}

namespace kvr {

// The program's one error type: a string-table id that both names the default text and
// decides how the error is shown, the control the error is about (or null), and the text.
// Thrown as a pointer to a heap object; the catcher reports it and then calls Delete().
class CRegException {
 public:
  // Text: the string of `id`; none for 234, the text of 222 for 247.
  CRegException(int id, ui::CWnd* owner);
  // Text: `prefix` followed by the string of `id` (219, a single blank, for connection errors).
  CRegException(int id, const std::string& prefix, ui::CWnd* owner);
  virtual ~CRegException() = default;

  CRegException(const CRegException&) = delete;
  CRegException& operator=(const CRegException&) = delete;

  void Delete() { delete this; }

  ui::CWnd* owner() const { return m_owner; }
  int id() const { return m_id; }
  const std::string& text() const { return m_text; }

 private:
  ui::CWnd* m_owner;
  int m_id;
  std::string m_text;
};

// Owns a caught error until the report is done, also when the report itself is left by an
// exception.
struct CRegExceptionDelete {
  void operator()(CRegException* error) const { error->Delete(); }
};
using CRegExceptionPtr = std::unique_ptr<CRegException, CRegExceptionDelete>;

}  // namespace kvr
