#include "framework/ListBox.h"

namespace pelmo {

void* CListBox::GetItemDataPtr(int row) const {
  const LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(row));
  return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

int CListBox::AddString(const std::string& text, const std::u16string& wide) const {
  if (wide.empty())
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  // Our subclass procedure takes ANSI messages, and the way through it would turn the text into
  // '?'s: the list class's own procedure takes the UTF-16 directly and keeps it whole.
  const auto listProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(m_hWnd, GCLP_WNDPROC));
  return static_cast<int>(::CallWindowProcW(listProc, m_hWnd, LB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(wide.c_str())));
}

std::string CListBox::GetText(int row) const {
  const LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(row));
  if (length == LB_ERR) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

std::vector<int> CListBox::GetSelectedRows() const {
  const LRESULT count = SendMessage(LB_GETSELCOUNT);
  if (count <= 0) return {};
  std::vector<int> rows(static_cast<size_t>(count));
  SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rows.data()));
  return rows;
}

}  // namespace pelmo
