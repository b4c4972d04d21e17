#include "framework/ListBox.h"

namespace pelmo {

void* CListBox::GetItemDataPtr(int row) const {
  const LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(row));
  return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
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
