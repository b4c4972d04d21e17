#include "framework/ComboBox.h"

namespace pelmo {

std::string CComboBox::GetLBText(int row) const {
  const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(row));
  if (length == CB_ERR) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void* CComboBox::GetItemDataPtr(int row) const {
  const LRESULT data = SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(row));
  return data == CB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

}  // namespace pelmo
