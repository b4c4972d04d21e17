#include "tools/QuickWindow.h"

#include <string>
#include <vector>

#include "controls/HistoryRowPainter.h"
#include "controls/PreviewWindow.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/PictureScale.h"
#include "framework/ScaledBitmap.h"
#include "model/QuickFilter.h"
#include "model/QuickRow.h"
#include "model/QuickWindowPlace.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr int kRowHeight = 16;  // at 96 DPI

enum class Ending { kLeft, kEscaped, kChosen, kChosenToPaste };

// The caret of the window in front, on the screen; the mouse (an empty rectangle) when it has
// none.
Rect CaretOrMouse() {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  HWND front = ::GetForegroundWindow();
  if (front && ::GetGUIThreadInfo(::GetWindowThreadProcessId(front, nullptr), &thread) &&
      thread.hwndCaret) {
    RECT caret = thread.rcCaret;
    ::MapWindowPoints(thread.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
    return ToRect(caret);
  }
  POINT mouse{};
  ::GetCursorPos(&mouse);
  return {mouse.x, mouse.y, mouse.x, mouse.y};
}

class CQuickWindow : public CDialog {
 public:
  explicit CQuickWindow(const ToolContext& context)
      : CDialog(IDD_QUICK_WINDOW, &context.owner),
        m_history(context.workspace.history),
        m_previewEnabled(context.workspace.options.preview != 0) {}
  Ending HowItEnded() const { return m_ending; }
  // The chosen entry, while it is in the history.
  const HistoryItem* Chosen() const {
    return m_chosen && m_history.RowOf(m_chosen) >= 0 ? m_chosen : nullptr;
  }

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnOK() override { Choose(!KeyHeld(VK_SHIFT)); }
  void OnCancel() override { End(Ending::kEscaped); }

 private:
  void Filter();
  void Choose(bool paste);
  void End(Ending ending);
  void DrawRow(const DRAWITEMSTRUCT& draw);
  // With "Preview" on, the selected entry's whole text beside the window when it is multi-line.
  void FollowSelection();
  // The entry a row of the list shows; null when it has left the history meanwhile.
  const HistoryItem* EntryAt(int row) const;
  // Whether the history is as the last filter found it: no copy added or evicted an entry since.
  bool AsFiltered() const {
    return m_count == m_history.Count() && (m_count == 0 || m_top == &m_history.At(0));
  }

  History& m_history;
  HistoryRowPainter m_painter;
  QuickRowMarker m_marker{u""};
  const bool m_previewEnabled;
  CPreviewWindow m_preview;  // made when first shown, gone with this object
  HWND m_filter = nullptr;
  HWND m_list = nullptr;
  // The entries the list shows, held rather than their rows: copies made while the window is
  // open add and evict rows.
  std::vector<const HistoryItem*> m_shown;
  // The last filter's text and its rows, valid while the history is as it was then.
  std::u16string m_typed;
  std::vector<int> m_rows;
  const HistoryItem* m_top = nullptr;
  int m_count = -1;
  bool m_keying = false;  // a key is being passed from the field to the list
  Ending m_ending = Ending::kLeft;
  const HistoryItem* m_chosen = nullptr;
};

BOOL CQuickWindow::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText("Pelmo quick window");  // not shown: for the task list and for finding it
  m_filter = GetDlgItem(IDC_QUICK_FILTER);
  m_list = GetDlgItem(IDC_QUICK_LIST);
  ::SendMessageA(m_list, LB_SETITEMHEIGHT, 0, ScaleToDpi(kRowHeight, SystemDpi()));
  const Rect window = WindowRect(m_hWnd);
  const Rect caret = CaretOrMouse();
  const Point origin = QuickWindowOrigin(caret, {window.Width(), window.Height()},
                                         WorkAreaAt({caret.left, caret.top}));
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, origin.x, origin.y, 0, 0, SWP_NOSIZE);
  Filter();
  ::SetForegroundWindow(m_hWnd);
  ::SetFocus(m_filter);
  return FALSE;
}

void CQuickWindow::Filter() {
  const std::u16string typed = WideWindowText(m_filter);
  const QuickFilter filter(typed);
  // Typing on only narrows what the previous text found.
  const bool narrows = AsFiltered() && typed.compare(0, m_typed.size(), m_typed) == 0;
  m_rows = narrows ? FilterRows(m_history, filter, m_rows) : FilterRows(m_history, filter);
  m_typed = typed;
  m_marker = QuickRowMarker(typed);
  m_count = m_history.Count();
  m_top = m_count ? &m_history.At(0) : nullptr;
  m_shown.clear();
  m_shown.reserve(m_rows.size());
  for (int row : m_rows) m_shown.push_back(&m_history.At(row));
  ::SendMessageA(m_list, LB_SETCOUNT, m_shown.size(), 0);
  ::SendMessageA(m_list, LB_SETCURSEL, m_shown.empty() ? static_cast<WPARAM>(-1) : 0, 0);
  FollowSelection();
}

void CQuickWindow::FollowSelection() {
  if (!m_previewEnabled) return;
  const HistoryItem* entry = EntryAt(static_cast<int>(::SendMessageA(m_list, LB_GETCURSEL, 0, 0)));
  if (entry && entry->multiLine)
    m_preview.ShowTextBeside(entry->text, entry->wide, WindowRect(m_hWnd));
  else
    m_preview.Hide();
}

const HistoryItem* CQuickWindow::EntryAt(int row) const {
  if (row < 0 || row >= static_cast<int>(m_shown.size())) return nullptr;
  const HistoryItem* entry = m_shown[static_cast<size_t>(row)];
  // Looked for only when copies came meanwhile: a drawn row then costs no search.
  return AsFiltered() || m_history.RowOf(entry) >= 0 ? entry : nullptr;
}

BOOL CQuickWindow::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return CDialog::PreTranslateMessage(msg);
  switch (msg->wParam) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      // From the list too, when it has the focus: the list alone would take a move for a click.
      if (msg->hwnd != m_filter && msg->hwnd != m_list) break;
      m_keying = true;
      ::SendMessageA(m_list, WM_KEYDOWN, msg->wParam, msg->lParam);
      m_keying = false;
      return TRUE;
    case VK_RETURN:
      Choose(!KeyHeld(VK_SHIFT));
      return TRUE;
    case VK_ESCAPE:
      End(Ending::kEscaped);
      return TRUE;
    default:
      break;
  }
  return CDialog::PreTranslateMessage(msg);
}

bool CQuickWindow::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_QUICK_FILTER && code == EN_CHANGE) {
    Filter();
    return true;
  }
  if (id != IDC_QUICK_LIST || (code != LBN_SELCHANGE && code != LBN_DBLCLK)) return false;
  // A click or a double click chooses as Enter does; moving by the keys only selects.
  if (code == LBN_SELCHANGE && m_keying)
    FollowSelection();
  else
    Choose(!KeyHeld(VK_SHIFT));
  return true;
}

LRESULT CQuickWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      if (wParam != IDC_QUICK_LIST) break;
      DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      // Another window taking the focus closes it.
      if (LOWORD(wParam) == WA_INACTIVE && IsModal()) End(m_ending);
      break;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

void CQuickWindow::DrawRow(const DRAWITEMSTRUCT& draw) {
  if (draw.itemAction == ODA_FOCUS) return;
  static const HistoryItem kGone;
  const HistoryItem* entry = EntryAt(static_cast<int>(draw.itemID));
  if (!entry) entry = &kGone;
  m_painter.Draw(draw.hDC, draw.rcItem, *entry, m_marker.RowOf(*entry),
                 (draw.itemState & ODS_SELECTED) != 0);
}

void CQuickWindow::Choose(bool paste) {
  const HistoryItem* entry = EntryAt(static_cast<int>(::SendMessageA(m_list, LB_GETCURSEL, 0, 0)));
  if (!entry) {
    ::MessageBeep(MB_ICONEXCLAMATION);
    return;
  }
  m_chosen = entry;
  End(paste ? Ending::kChosenToPaste : Ending::kChosen);
}

void CQuickWindow::End(Ending ending) {
  m_ending = ending;
  EndDialog(ending == Ending::kEscaped ? IDCANCEL : IDOK);
}

}  // namespace

void ShowQuickWindow(const ToolContext& context) {
  CQuickWindow window(context);
  window.DoModal();
  const Ending ending = window.HowItEnded();
  // When another window took the focus, it keeps it.
  if (ending == Ending::kLeft) return;
  context.port.GoToTarget(false);
  const HistoryItem* chosen = window.Chosen();
  if (!chosen) return;
  // Written once the target is in front again, so that the write's capture keeps it as the
  // target.
  context.port.PutBack(*chosen, false);
  if (ending == Ending::kChosenToPaste && context.workspace.options.autoPaste)
    context.port.GoToTarget(true);
}

}  // namespace pelmo
