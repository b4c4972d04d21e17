#include "controls/HistoryCombo.h"

namespace pelmo {

namespace {

constexpr COLORREF kMarkedText = RGB(192, 0, 0);
constexpr COLORREF kConcatenatedText = RGB(0, 0, 128);
constexpr int kNoPictureIndent = 12;
constexpr int kLabelGap = 2;

bool KeyDown(const MSG& msg, WPARAM key) {
  return msg.message == WM_KEYDOWN && msg.wParam == key && (::GetKeyState(static_cast<int>(key)) & 0x8000);
}

bool ShiftHeld() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

void CHistoryCombo::InsertRow(int row, const std::string& label, HistoryItem* item) {
  const int index = InsertString(row, label);
  if (index >= 0) SetItemDataPtr(index, item);
}

void CHistoryCombo::BeginBulk(int rows) {
  // A long history is appended in one go: room for every row at once, no repaint per row.
  InitStorage(rows, kLabelBytes);
  SetRedraw(false);
}

std::string CHistoryCombo::EditTextOrBeep() const {
  std::string text = GetWindowText();
  if (text.empty()) ::MessageBeep(MB_ICONEXCLAMATION);
  return text;
}

BOOL CHistoryCombo::PreTranslateMessage(MSG* msg) {
  if (!m_owner || msg->message != WM_KEYDOWN) return FALSE;
  if (KeyDown(*msg, VK_F3)) {
    const std::string text = EditTextOrBeep();
    if (!text.empty()) {
      SelectAllText();
      m_owner->FindNext(text);
    }
    return TRUE;
  }
  if (KeyDown(*msg, VK_F5)) {
    const std::string text = EditTextOrBeep();
    if (!text.empty()) {
      SelectAllText();
      m_owner->ExecuteText(text, ShiftHeld());
    }
    return TRUE;
  }
  if (KeyDown(*msg, VK_RETURN)) {
    if (!ShiftHeld() && !GetDroppedState()) {
      m_owner->AddItem();
      ::MessageBeep(MB_ICONASTERISK);
    }
    return FALSE;  // Enter goes on to the control as well
  }
  if (KeyDown(*msg, VK_ESCAPE)) {
    m_owner->ReturnFocus();
    return TRUE;
  }
  if (KeyDown(*msg, VK_DOWN) && !GetDroppedState()) {
    ShowDropDown(true);
    return TRUE;
  }
  return FALSE;
}

bool CHistoryCombo::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      *result = TRUE;
      return true;
    case WM_MEASUREITEM:
      return false;  // rows keep the platform's height for the dialog font
    default:
      return false;
  }
}

void CHistoryCombo::DrawItem(const DRAWITEMSTRUCT& dis) const {
  if (static_cast<int>(dis.itemID) < 0) return;
  const HistoryItem* item = ItemAt(static_cast<int>(dis.itemID));
  const bool selected = (dis.itemState & ODS_SELECTED) != 0;
  COLORREF text = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  if (!selected && item && item->kind == kMarked) text = kMarkedText;
  if (!selected && item && item->kind == kConcatenated) text = kConcatenatedText;
  RECT rect = dis.rcItem;
  ::FillRect(dis.hDC, &rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ::SetBkMode(dis.hDC, TRANSPARENT);
  ::SetTextColor(dis.hDC, text);
  rect.left += kNoPictureIndent + kLabelGap;
  // Labels are at most 50 bytes: read them without allocating.
  char label[64];
  const LRESULT length = SendMessage(CB_GETLBTEXTLEN, dis.itemID);
  if (length < 0 || length >= static_cast<LRESULT>(sizeof label)) return;
  SendMessage(CB_GETLBTEXT, dis.itemID, reinterpret_cast<LPARAM>(label));
  ::DrawTextA(dis.hDC, label, static_cast<int>(length), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace pelmo
