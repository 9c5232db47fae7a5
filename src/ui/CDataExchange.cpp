#include "ui/CDataExchange.h"

#include <string>

#include "log/DebugLog.h"
#include "ui/CDialog.h"

namespace kvr::ui {

namespace {

Widget* control(CDataExchange* dx, int id) {
  dx->setLastControl(id);
  Widget* w = dx->dialog().model().find(id);
  if (!w) debugLog() << "Dialog " << dx->dialog().templateId() << " has no control " << id << std::endl;
  return w;
}

}  // namespace

void CDataExchange::fail(int controlId) {
  if (!m_failedControl) m_failedControl = controlId ? controlId : -1;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  Widget* w = control(dx, id);
  if (!w) return;
  if (dx->saving()) {
    value = w->text;
  } else if (CWnd* item = dx->dialog().GetDlgItem(id)) {
    item->SetWindowText(value);
  }
}

void DDX_Text(CDataExchange* dx, int id, CString& value, int limit) {
  if (dx->saving()) {
    // Checked before the member takes the text, so a refused text leaves the member as it was.
    Widget* w = control(dx, id);
    if (!w) return;
    DDV_MaxChars(dx, w->text, limit);
    if (dx->failedControl() != id) value = w->text;
    return;
  }
  DDX_Text(dx, id, value);
  DDV_MaxChars(dx, value, limit);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int limit) {
  Widget* w = dx->dialog().model().find(dx->lastControl());
  if (!w || limit <= 0) return;
  if (!dx->saving()) {
    w->limit = static_cast<std::size_t>(limit);
  } else if (value.size() > static_cast<std::size_t>(limit)) {
    dx->dialog().MessageBox("Enter no more than " + std::to_string(limit) + " characters.", {},
                            MB_OK | MB_ICONEXCLAMATION);
    dx->fail(w->id);
  }
}

void DDX_Check(CDataExchange* dx, int id, int& state) {
  Widget* w = control(dx, id);
  if (!w) return;
  if (dx->saving()) {
    state = w->check;
  } else {
    dx->dialog().CheckDlgButton(id, state);
  }
}

void DDX_Radio(CDataExchange* dx, int firstId, int& index) {
  if (!control(dx, firstId)) return;
  auto group = dx->dialog().model().radioGroup(firstId);
  if (dx->saving()) {
    index = -1;
    for (std::size_t i = 0; i < group.size(); ++i)
      if (group[i]->check) index = static_cast<int>(i);
  } else {
    for (std::size_t i = 0; i < group.size(); ++i) group[i]->check = static_cast<int>(i) == index ? 1 : 0;
  }
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  Widget* w = control(dx, id);
  if (!w) return;
  if (dx->saving()) {
    value = w->text;
  } else if (w->dropDownList()) {
    w->setSelection(w->findString(-1, value));
  } else {
    w->text = value;
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  Widget* w = control(dx, id);
  if (!w) return;
  if (dx->saving()) {
    index = w->selection;
  } else {
    w->setSelection(index);
  }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& item) {
  if (control(dx, id)) item.attachControl(dx->dialog(), id);
}

}  // namespace kvr::ui
