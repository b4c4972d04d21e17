#include "controls/HistoryCombo.h"

#include <chrono>

#include "controls/HistoryDropTarget.h"
#include "controls/HistoryRowRules.h"
#include "controls/PreviewWindow.h"
#include "resource.h"

namespace pelmo {

namespace {

// Rows still to come from the row source are taken on a timer, whose message comes only when no
// other waits: a batch at a time for about a frame, so that input and painting go first.
constexpr UINT_PTR kMoreRowsTimer = 0x5052;
constexpr auto kMoreRowsSlice = std::chrono::milliseconds(25);
constexpr int kMoreRowsBatch = 100;

bool KeyDown(const MSG& msg, WPARAM key) {
  return msg.message == WM_KEYDOWN && msg.wParam == key && KeyHeld(static_cast<int>(key));
}

}  // namespace

CHistoryCombo::CHistoryCombo() = default;

CHistoryCombo::~CHistoryCombo() {
  RevokeDropTarget();
}

void CHistoryCombo::PreSubclassWindow() {
  // The platform gives the rows the height of the dialog's font; the pictures, scaled for the
  // DPI, keep a pixel of the row above and below them.
  const LRESULT height = SendMessage(CB_GETITEMHEIGHT, 0);
  const int wanted = m_painter.PictureHeight() + 2;
  if (height != CB_ERR && height < wanted) SendMessage(CB_SETITEMHEIGHT, 0, wanted);
}

void CHistoryCombo::InsertRow(int row, const std::string& label, HistoryItem* item) {
  const int index = InsertString(row, label);
  if (index >= 0) SetItemDataPtr(index, item);
}

void CHistoryCombo::BeginBulk(int rows) {
  // A long history is appended in one go: room for every row at once, no repaint per row.
  InitStorage(rows, kLabelBytes);
  SetRedraw(false);
}

void CHistoryCombo::SetRowSource(HistoryRowSource* source) {
  m_rowSource = source;
  if (!m_hWnd) return;
  if (source)
    ::SetTimer(m_hWnd, kMoreRowsTimer, USER_TIMER_MINIMUM, nullptr);
  else
    ::KillTimer(m_hWnd, kMoreRowsTimer);
}

void CHistoryCombo::TakeMoreRows() {
  const auto until = std::chrono::steady_clock::now() + kMoreRowsSlice;
  bool more = m_rowSource != nullptr;
  while (more && std::chrono::steady_clock::now() < until)
    more = m_rowSource->FillView(*this, kMoreRowsBatch);
  if (!more) SetRowSource(nullptr);
}

std::string CHistoryCombo::EditTextOrBeep() const {
  std::string text = GetWindowText();
  if (text.empty()) ::MessageBeep(MB_ICONEXCLAMATION);
  return text;
}

BOOL CHistoryCombo::PreTranslateMessage(MSG* msg) {
  if (!m_owner) return FALSE;
  if (msg->message == WM_LBUTTONDOWN && msg->wParam == MK_LBUTTON && !GetDroppedState()) {
    POINT press{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
    ::MapWindowPoints(msg->hwnd, m_hWnd, &press, 1);  // the press may be on the edit field
    // After a drag the button is up again: the field must not start a selection of its own.
    return StartDrag(press, msg->hwnd) ? TRUE : FALSE;
  }
  return msg->message == WM_KEYDOWN && RouteKey(*msg) ? TRUE : FALSE;
}

bool CHistoryCombo::RouteKey(const MSG& msg) {
  if (KeyDown(msg, VK_F3)) {
    const std::u16string text = EditText();
    if (text.empty()) {
      ::MessageBeep(MB_ICONEXCLAMATION);
    } else {
      SelectAllText();
      m_owner->FindNext(*this, text);
    }
    return true;
  }
  if (KeyDown(msg, VK_F5)) {
    const std::string text = EditTextOrBeep();
    if (!text.empty()) {
      SelectAllText();
      m_owner->ExecuteText(text, KeyHeld(VK_SHIFT));
    }
    return true;
  }
  if (KeyDown(msg, VK_RETURN)) {
    if (!KeyHeld(VK_SHIFT) && !GetDroppedState()) {
      if (m_inline) {
        SelectAllText();
        Copy();
      } else {
        m_owner->AddItem();
        ::MessageBeep(MB_ICONASTERISK);
      }
    } else if (KeyHeld(VK_SHIFT) && !m_inline) {
      m_owner->AddToClipBook();
    }
    return false;  // Enter goes on to the control as well
  }
  if (KeyDown(msg, VK_ESCAPE)) {
    m_owner->ReturnFocus();
    return true;
  }
  if (KeyDown(msg, VK_DOWN) && !GetDroppedState()) {
    ShowDropDown(true);
    return true;
  }
  return false;
}

bool CHistoryCombo::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      *result = TRUE;
      return true;
    case WM_MEASUREITEM:
      return false;  // it comes before the control is ours: PreSubclassWindow sizes the rows
    case WM_COMMAND:
      switch (HIWORD(wParam)) {
        case CBN_CLOSEUP:
          HidePreview();
          *result = 0;
          return true;
        case CBN_DROPDOWN:  // nothing to do, and nothing for the owner either
          *result = 0;
          return true;
        case CBN_SELCHANGE:
          ShowWideSelection();
          return false;  // the owner acts on it too
        default:
          return false;
      }
    default:
      return false;
  }
}

LRESULT CHistoryCombo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove();
      break;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != kMoreRowsTimer) break;
      TakeMoreRows();
      return 0;
    case CB_SETCURSEL: {
      const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
      ShowWideSelection();
      return result;
    }
    case WM_DESTROY:
      RevokeDropTarget();
      HidePreview();
      break;
    default:
      break;
  }
  return CComboBox::WindowProc(message, wParam, lParam);
}

// The edit field shows the chosen row's string, which the list keeps in ANSI: an entry that keeps
// a wide text shows its own characters there, not question marks.
void CHistoryCombo::ShowWideSelection() const {
  const HistoryItem* item = ItemAt(GetCurSel());
  if (item && !item->wide.empty()) SetEditText(WideLabel(*item));
}

HWND CHistoryCombo::EditField() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return ::GetComboBoxInfo(m_hWnd, &info) ? info.hwndItem : nullptr;
}

std::u16string CHistoryCombo::EditText() const {
  HWND edit = EditField();
  return edit ? WideWindowText(edit) : std::u16string();
}

void CHistoryCombo::SetEditText(const std::u16string& text) const {
  if (HWND edit = EditField())
    ::SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(text.c_str()));
}

void CHistoryCombo::OnMouseMove() {
  if (m_owner && !m_inline) m_owner->FollowMouse();
}

void CHistoryCombo::DrawItem(const DRAWITEMSTRUCT& dis) {
  const int row = static_cast<int>(dis.itemID);
  if (row < 0) return;
  static const HistoryItem kNoEntry;
  const HistoryItem* item = row < GetCount() ? ItemAt(row) : nullptr;
  if (!item) item = &kNoEntry;
  // Labels are at most 50 bytes: read them without allocating.
  char label[64];
  const LRESULT length = SendMessage(CB_GETLBTEXTLEN, dis.itemID);
  if (length < 0 || length >= static_cast<LRESULT>(sizeof label)) return;
  SendMessage(CB_GETLBTEXT, dis.itemID, reinterpret_cast<LPARAM>(label));
  const bool highlighted = (dis.itemState & ODS_SELECTED) != 0;
  if (highlighted && m_previewEnabled) DrivePreview(item);
  m_painter.Draw(dis.hDC, dis.rcItem, *item, std::string_view(label, static_cast<size_t>(length)),
                 highlighted);
}

void CHistoryCombo::DrivePreview(const HistoryItem* item) {
  if (!m_preview) m_preview = std::make_unique<CPreviewWindow>();
  if (item->multiLine)
    m_preview->ShowText(item->text, item->wide);
  else
    m_preview->Hide();
}

void CHistoryCombo::HidePreview() const {
  if (m_preview) m_preview->Hide();
}

}  // namespace pelmo
