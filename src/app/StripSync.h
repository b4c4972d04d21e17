// The strip's side of the history shared through a sync folder: what is set, our journal, the
// folder's watch, and the other computers' copies taken into the history. Off (and nothing of it
// in the INI file) until a folder is set.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/ClipboardCapture.h"
#include "framework/IniProfile.h"
#include "sync/SyncSettings.h"

namespace pelmo {

class StripSync : public CaptureListener {
 public:
  using Tell = std::function<void(const std::string&)>;

  explicit StripSync(Workspace& workspace);
  ~StripSync() override;

  const SyncSettings& Settings() const { return m_settings; }
  // Starts sharing as the INI file says. `tell` says a problem, once.
  void Start(HWND strip, Tell tell);
  // Keeps new settings in the INI file and shares by them from now on.
  void Change(const SyncSettings& settings);
  // The folder changed: takes in what the other computers added. The newest entry made, which is
  // to go on the clipboard when `ToClipboard()`; null when none.
  const HistoryItem* TakeIn();
  bool ToClipboard() const { return m_session && m_settings.toClipboard; }

  void Captured(const HistoryItem& entry) override;

 private:
  struct Session;
  void Open();
  void Say(const std::string& problem) const;

  Workspace& m_workspace;
  IniProfile m_profile;
  SecretKeeper m_keeper;
  SyncSettings m_settings;
  HWND m_strip = nullptr;
  Tell m_tell;
  std::unique_ptr<Session> m_session;
};

}  // namespace pelmo
