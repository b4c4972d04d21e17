#include "framework/BitmapButton.h"

#include "framework/ScaledBitmap.h"

namespace pelmo {

bool CBitmapButton::AutoLoad(int id, HWND parent) {
  if (!SubclassDlgItem(id, parent)) return false;
  const std::string name = GetWindowText();
  const int dpi = SystemDpi();
  m_up = LoadScaledBitmap((name + "U").c_str(), dpi);
  m_down = LoadScaledBitmap((name + "D").c_str(), dpi);
  if (!m_up) return false;
  BITMAP info{};
  ::GetObjectA(m_up.Get(), sizeof info, &info);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool CBitmapButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return false;
  const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  HBITMAP picture = (dis->itemState & ODS_SELECTED) && m_down ? m_down.Get() : m_up.Get();
  if (picture) {
    MemoryDC memory(dis->hDC);
    SelectedObject selected(memory, picture);
    ::BitBlt(dis->hDC, dis->rcItem.left, dis->rcItem.top, dis->rcItem.right - dis->rcItem.left,
             dis->rcItem.bottom - dis->rcItem.top, memory, 0, 0, SRCCOPY);
  }
  *result = TRUE;
  return true;
}

}  // namespace pelmo
