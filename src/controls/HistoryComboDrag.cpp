// The history drop-down's drag and drop: entries dragged out, text and files dropped in.
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>

#include "controls/HistoryCombo.h"
#include "controls/HistoryDropTarget.h"
#include "controls/HistoryRowRules.h"
#include "framework/ScaledBitmap.h"

namespace pelmo {

namespace {

// How far the mouse must move from the press before a drag begins.
constexpr int kDragStartDistance = 5;

// Frees a dropped-files block once its names are read.
class DroppedFiles {
 public:
  explicit DroppedFiles(HDROP drop) : m_drop(drop) {}
  ~DroppedFiles() { ::DragFinish(m_drop); }
  DroppedFiles(const DroppedFiles&) = delete;
  DroppedFiles& operator=(const DroppedFiles&) = delete;

  // The names joined by CR LF, each at its full length; stops at the first that cannot be read.
  std::string Joined() const {
    std::string joined;
    const UINT count = ::DragQueryFileA(m_drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = ::DragQueryFileA(m_drop, i, nullptr, 0);
      if (length == 0) break;
      std::string path(length + 1, '\0');
      if (::DragQueryFileA(m_drop, i, path.data(), length + 1) == 0) break;
      path.resize(length);
      if (i > 0) joined += "\r\n";
      joined += path;
    }
    return joined;
  }

 private:
  HDROP m_drop;
};

// Follows the mouse from a press until it leaves the start area (true) or the button is
// released or a key pressed (false, and the release goes on to the window that was pressed).
bool LeavesStartArea(HWND combo, HWND pressed, const RECT& area) {
  ::SetCapture(combo);
  bool left = false;
  for (;;) {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (::GetCapture() != combo || !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000)) break;
      ::WaitMessage();
      continue;
    }
    if (msg.message == WM_MOUSEMOVE) {
      ::PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
      POINT at;
      ::GetCursorPos(&at);
      if (!::PtInRect(&area, at)) {
        left = true;
        break;
      }
      continue;
    }
    if (msg.message == WM_LBUTTONUP) {
      ::PeekMessageA(&msg, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE);
      ::PostMessageA(pressed, msg.message, msg.wParam, msg.lParam);
      break;
    }
    if ((msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
        (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST))
      break;
    ::PeekMessageA(&msg, nullptr, msg.message, msg.message, PM_REMOVE);
    ::DispatchMessageA(&msg);
  }
  if (::GetCapture() == combo) ::ReleaseCapture();
  return left;
}

}  // namespace

bool CHistoryCombo::RegisterDropTarget() {
  if (m_dropTarget.Get()) return true;
  m_ole.emplace();
  if (!m_ole->Ok()) return false;
  ComRef<HistoryDropTarget> target(new HistoryDropTarget(*this));
  if (FAILED(::RegisterDragDrop(m_hWnd, target.Get()))) return false;
  m_dropTarget = std::move(target);
  return true;
}

void CHistoryCombo::RevokeDropTarget() {
  if (m_dropTarget.Get() && m_hWnd) ::RevokeDragDrop(m_hWnd);
  m_dropTarget = ComRef<HistoryDropTarget>();
}

bool CHistoryCombo::StartDrag(POINT press, HWND pressed) {
  const int row = GetCurSel();
  const HistoryItem* item = ItemAt(row);
  if (row < 0 || !item) return false;
  const DWORD selection = static_cast<DWORD>(SendMessage(CB_GETEDITSEL));
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  if (!StartsDrag(LOWORD(selection), HIWORD(selection), GetLBText(row).size(), press.x,
                  client.right, SystemDpi()))
    return false;
  POINT screen = press;
  ::ClientToScreen(m_hWnd, &screen);
  RECT area{screen.x, screen.y, screen.x, screen.y};
  ::InflateRect(&area, kDragStartDistance, kDragStartDistance);
  if (!LeavesStartArea(m_hWnd, pressed, area)) return false;
  const ComRef<IDataObject> data = MakeTextDataObject(item->text);
  const ComRef<IDropSource> source = MakeDropSource();
  DWORD effect = DROPEFFECT_NONE;
  m_ownDrag = true;
  ::DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  m_ownDrag = false;
  return true;
}

void CHistoryCombo::OnDropFiles(HDROP drop) {
  const std::string paths = DroppedFiles(drop).Joined();
  if (m_owner && !paths.empty()) m_owner->TakeDroppedFiles(paths);
}

HRESULT HistoryDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  m_accepting = OffersText(data);
  if (m_accepting) ::SetFocus(m_combo.m_hWnd);
  *effect = m_accepting ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT HistoryDropTarget::DragOver(DWORD, POINTL point, DWORD* effect) {
  if (!m_accepting) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  *effect = ScrollNearEdge(point) ? DROPEFFECT_COPY | DROPEFFECT_SCROLL : DROPEFFECT_COPY;
  return S_OK;
}

HRESULT HistoryDropTarget::DragLeave() {
  m_accepting = false;
  return S_OK;
}

HRESULT HistoryDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const bool take = m_accepting && !m_combo.OwnDrag();
  m_accepting = false;
  // Never a move: a source that offered one must keep its text.
  *effect = DROPEFFECT_NONE;
  if (!take) return S_OK;
  const std::string text = TakeText(data);
  if (!text.empty() && m_combo.Owner()) m_combo.Owner()->TakeDroppedText(text);
  return S_OK;
}

bool HistoryDropTarget::ScrollNearEdge(POINTL point) const {
  POINT at{point.x, point.y};
  ::ScreenToClient(m_combo.m_hWnd, &at);
  RECT client;
  ::GetClientRect(m_combo.m_hWnd, &client);
  switch (DragScrollAt(at.x, at.y, client.right, client.bottom, DD_DEFSCROLLINSET)) {
    case DragScroll::kUp:
      m_combo.SendMessage(WM_VSCROLL, SB_LINEUP);
      return true;
    case DragScroll::kDown:
      m_combo.SendMessage(WM_VSCROLL, SB_LINEDOWN);
      return true;
    case DragScroll::kLeft:
      m_combo.SendMessage(WM_HSCROLL, SB_LINELEFT);
      return true;
    case DragScroll::kRight:
      m_combo.SendMessage(WM_HSCROLL, SB_LINERIGHT);
      return true;
    case DragScroll::kNone:
      break;
  }
  return false;
}

}  // namespace pelmo
