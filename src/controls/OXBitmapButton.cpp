#include "controls/OXBitmapButton.h"

namespace pelmo {

COXBitmapButton::~COXBitmapButton() {
  if (m_images) ImageList_Destroy(m_images);
  if (m_toolTip) ::DestroyWindow(m_toolTip);
}

bool COXBitmapButton::LoadBitmap(UINT bitmapId, COLORREF transparent) {
  HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(
      ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0));
  if (!bitmap) return false;
  BITMAP info{};
  ::GetObjectA(bitmap, sizeof info, &info);
  m_pictureSize = {info.bmWidth, info.bmHeight};
  if (m_images) ImageList_Destroy(m_images);
  m_images = ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
  ImageList_AddMasked(m_images, bitmap, transparent);
  ::DeleteObject(bitmap);
  return true;
}

void COXBitmapButton::SetFlat(bool flat) {
  m_flat = flat;
  if (m_hWnd) Invalidate();
}

bool COXBitmapButton::EnableToolTip(bool enable) {
  if (!enable) {
    if (m_toolTip) ::DestroyWindow(m_toolTip);
    m_toolTip = nullptr;
    return true;
  }
  if (!m_toolTip)
    m_toolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                  0, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  return m_toolTip != nullptr;
}

void COXBitmapButton::SetToolTipText(const std::string& text) {
  // The window text holds the caption and the tooltip, separated by a line feed.
  SetWindowText("\n" + text);
  if (!m_toolTip) return;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = ::GetParent(m_hWnd);
  tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  std::string copy = text;
  tool.lpszText = copy.data();
  ::SendMessageA(m_toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty()) ::SendMessageA(m_toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

BOOL COXBitmapButton::PreTranslateMessage(MSG* msg) {
  if (m_toolTip) ::SendMessageA(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return FALSE;
}

bool COXBitmapButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return true;
}

void COXBitmapButton::DrawItem(const DRAWITEMSTRUCT& dis) const {
  RECT rect = dis.rcItem;
  const bool pressed = (dis.itemState & ODS_SELECTED) != 0;
  ::FillRect(dis.hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  if (!m_flat) ::DrawEdge(dis.hDC, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (!m_images) return;
  const int offset = pressed ? 1 : 0;
  const int x = rect.left + (rect.right - rect.left - m_pictureSize.cx) / 2 + offset;
  const int y = rect.top + (rect.bottom - rect.top - m_pictureSize.cy) / 2 + offset;
  const UINT style = (dis.itemState & ODS_DISABLED) ? ILD_BLEND50 : ILD_NORMAL;
  ImageList_Draw(m_images, 0, dis.hDC, x, y, style);
  if (m_focusFrame && (dis.itemState & ODS_FOCUS)) {
    ::InflateRect(&rect, -3, -3);
    ::DrawFocusRect(dis.hDC, &rect);
  }
}

}  // namespace pelmo
