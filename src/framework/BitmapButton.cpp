#include "framework/BitmapButton.h"

namespace pelmo {

namespace {

HBITMAP LoadNamedBitmap(const std::string& name) {
  return static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP,
                                           0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

bool CBitmapButton::AutoLoad(int id, HWND parent) {
  if (!SubclassDlgItem(id, parent)) return false;
  const std::string name = GetWindowText();
  m_up.Reset(LoadNamedBitmap(name + "U"));
  m_down.Reset(LoadNamedBitmap(name + "D"));
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
