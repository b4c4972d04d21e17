// COXTaskbarIcon: one icon in the taskbar's notification area. An invisible window holds the
// icon's picture (its small icon) and tooltip (its window text) and receives the shell's mouse
// notifications, which go to the owner window or, without one, come back to this window as
// plain mouse messages for a subclass to handle.
#pragma once

#include <windows.h>
// <windows.h> first: the shell header needs its types.
#include <shellapi.h>

#include <string>

#include "framework/Wnd.h"

namespace pelmo {

class COXTaskbarIcon : public CWnd {
 public:
  COXTaskbarIcon() = default;
  // Removes a shown icon from the notification area before the window goes.
  ~COXTaskbarIcon() override;

  // Makes the invisible window; the id is the one the shell knows the icon by.
  virtual bool Create(UINT id);

  // With refresh, a shown icon is brought up to date at once; a hidden one uses the new text or
  // picture at the next Show. The string form returns false when the resource is missing.
  virtual bool SetTooltipText(UINT stringId, bool refresh);
  virtual bool SetTooltipText(const std::string& text, bool refresh);
  // Each returns the previous picture.
  virtual HICON SetIcon(const char* resourceName, bool refresh);
  virtual HICON SetIcon(UINT resourceId, bool refresh);
  virtual HICON SetIcon(HICON icon, bool refresh);

  // Add, remove and update the icon; each returns false without asking the shell when the icon is
  // already in (Show) or not in (Hide, Refresh) the notification area.
  virtual bool Show();
  virtual bool Hide();
  virtual bool Refresh();

  // A balloon from the shown icon: it tells the user something without stopping anything, and
  // goes by itself. The texts are cut to 63 and 255 characters. False when the icon is not shown
  // or the shell refused.
  virtual bool ShowBalloon(const std::string& title, const std::string& text);

  virtual std::string GetTooltipText() const;
  virtual void GetTooltipText(char* buffer, int size) const;
  virtual HICON GetIcon() const;

  // Where the shell's notifications go; without an owner, to the window's parent, and without
  // either, back to the icon window as mouse messages.
  void SetOwner(HWND owner) { m_owner = owner; }
  HWND GetOwner() const { return m_owner ? m_owner : ::GetParent(m_hWnd); }

  bool IsShown() const { return m_shown; }
  UINT GetId() const { return m_id; }

  // The shell's record for a request: the first version of the record, which every shell reads,
  // so the tooltip shows at most 63 characters. A delete names only the icon.
  NOTIFYICONDATAA MakeRecord(DWORD request) const;

 protected:
  // Adds, updates or removes the icon (NIM_ADD, NIM_MODIFY or NIM_DELETE).
  virtual BOOL NotifyIcon(DWORD request);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnTaskbarCallback(WPARAM wParam, LPARAM lParam);
  void OnTaskbarCreated();

  bool m_shown = false;
  UINT m_id = 0;
  HWND m_owner = nullptr;
};

}  // namespace pelmo
