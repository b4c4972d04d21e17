#include "Controls.h"

#include "Utf8.h"

namespace {

const UINT kAnswerTimeoutMs = 5000;

bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &answer)) {
    return false;
  }
  result = static_cast<LRESULT>(answer);
  return true;
}

}  // namespace

HWND FindDialog(const std::wstring& caption) {
  HWND dialog = FindWindowW(L"#32770", caption.c_str());
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

bool ReadText(HWND control, std::string& text) {
  LRESULT length = 0;
  if (!control || !Ask(control, WM_GETTEXTLENGTH, 0, 0, length)) return false;
  std::wstring wide(length + 1, L'\0');
  LRESULT copied = 0;
  if (!Ask(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]), copied))
    return false;
  wide.resize(copied);
  text = ToUtf8(wide);
  return true;
}

bool ReadComboRows(HWND combo, std::vector<std::string>& rows) {
  rows.clear();
  LRESULT count = 0;
  if (!combo || !Ask(combo, CB_GETCOUNT, 0, 0, count) || count == CB_ERR) return false;
  for (LRESULT row = 0; row < count; ++row) {
    LRESULT length = 0;
    if (!Ask(combo, CB_GETLBTEXTLEN, row, 0, length) || length == CB_ERR) return false;
    std::wstring text(length + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(&text[0]), copied) ||
        copied == CB_ERR) {
      return false;
    }
    text.resize(copied);
    rows.push_back(ToUtf8(text));
  }
  return true;
}

bool Click(HWND button) {
  LRESULT ignored = 0;
  return button && Ask(button, BM_CLICK, 0, 0, ignored);
}
