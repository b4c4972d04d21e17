#include "tools/InlineDialog.h"

#include <cstring>

#include "framework/DataExchange.h"
#include "resource.h"

namespace pelmo {

namespace {

constexpr int kClassNameLength = 50;

std::string ClassName(HWND window) {
  char name[kClassNameLength + 1] = {};
  ::GetClassNameA(window, name, sizeof(name));
  return name;
}

}  // namespace

std::optional<TaskbarWindows> FindTaskbar() {
  HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
  std::vector<HWND> children;
  std::vector<std::string> classes;
  for (HWND child = taskbar ? ::GetWindow(taskbar, GW_CHILD) : nullptr; child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
    classes.push_back(ClassName(child));
  }
  const std::optional<TaskbarParts> parts = FindTaskbarParts(classes);
  if (!parts) return std::nullopt;
  return TaskbarWindows{taskbar, children[parts->taskSwitch], children[parts->notifyArea]};
}

std::unique_ptr<CInlineDialog> EnterInline(Workspace& workspace, ClipboardPort& port,
                                           InlineOwner& owner) {
  const auto taskbar = FindTaskbar();
  if (!taskbar) return nullptr;
  auto window = std::make_unique<CInlineDialog>(workspace, port, owner, *taskbar);
  if (!window->Open()) return nullptr;
  return window;
}

CInlineDialog::CInlineDialog(Workspace& workspace, ClipboardPort& port, InlineOwner& owner,
                             const TaskbarWindows& taskbar)
    : CDialog(IDD_INLINE),
      m_workspace(workspace),
      m_port(port),
      m_owner(owner),
      m_taskbar(taskbar) {}

CInlineDialog::~CInlineDialog() {
  m_workspace.history.RemoveView(&m_combo);
}

bool CInlineDialog::Open() {
  if (!Create(m_taskbar.taskbar)) return false;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  m_width = window.right - window.left;
  LayOut();
  ::ShowWindow(m_hWnd, SW_SHOW);
  return true;
}

BOOL CInlineDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  ::SetWindowLongA(m_hWnd, GWL_EXSTYLE,
                   ::GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  // Kept in step with the history from now on; the strip fills it with the rows there already.
  m_workspace.history.AddView(&m_combo);

  SetUpToolButtons(
      {{m_editButton, IDB_INLINE_EDIT, "Edit"}, {m_deleteButton, IDB_INLINE_DELETE, "Delete"}},
      m_workspace.options.softButtons != 0);
  SetUpToolButtons({{m_collapseButton, IDB_INLINE_COLLAPSE}});
  return TRUE;
}

void CInlineDialog::DoDataExchange(DataExchange& dx) {
  DDX_Control(dx, IDC_INLINE_HISTORY, m_combo);
  DDX_Control(dx, IDC_DELETE_ITEM, m_deleteButton);
  DDX_Control(dx, ID_EDIT_ITEM, m_editButton);
  DDX_Control(dx, IDC_INLINE_COLLAPSE, m_collapseButton);
}

void CInlineDialog::LayOut() {
  const InlinePlacement placed =
      PlaceInline(RectInParent(m_taskbar.taskbar, m_taskbar.taskSwitch),
                  RectInParent(m_taskbar.taskbar, m_taskbar.notifyArea), m_width);
  const Rect& t = placed.taskSwitch;
  ::SetWindowPos(m_taskbar.taskSwitch, nullptr, t.left, t.top, t.Width(), t.Height(), SWP_NOZORDER);
  const Rect& w = placed.inlineWindow;
  ::SetWindowPos(m_hWnd, HWND_TOP, w.left, w.top, w.Width(), w.Height(), 0);
}

void CInlineDialog::CollapseOrExpand() {
  RECT button;
  ::GetClientRect(m_collapseButton.m_hWnd, &button);
  m_width = m_collapse.Toggle(m_width, button.right - button.left);
  LayOut();
}

void CInlineDialog::ChooseRow() {
  m_port.ReturnFocus();
  if (const HistoryItem* item = m_combo.ItemAt(m_combo.GetCurSel())) m_port.PutBack(*item, false);
}

bool CInlineDialog::OnCommand(WORD id, WORD code, HWND control) {
  if (id == IDC_INLINE_HISTORY) {
    if (code != CBN_SELCHANGE) return false;
    ChooseRow();
    return true;
  }
  if (control && code != BN_CLICKED) return false;
  switch (id) {
    case IDC_INLINE_COLLAPSE:
      CollapseOrExpand();
      return true;
    case IDC_DELETE_ITEM:
    case ID_EDIT_ITEM:
      m_owner.RunOnEntry(id, m_combo.ItemAt(m_combo.GetCurSel()));
      return true;
    default:
      return false;
  }
}

LRESULT CInlineDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Following the taskbar: the shell moves the notification area as icons come and go.
  if (message == WM_ERASEBKGND) LayOut();
  return CDialog::WindowProc(message, wParam, lParam);
}

}  // namespace pelmo
