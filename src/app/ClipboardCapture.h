// The capture: what becomes of one clipboard change. It reads the clipboard's text, lets Quick
// Replace and link recognition see it, and puts it at the top of the history. The window that
// receives the change feeds it in and passes the notification on; everything the capture needs
// of the system goes through CaptureHost, so its rules run without a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "model/Workspace.h"

namespace pelmo {

// What one read of the clipboard found.
struct ClipboardRead {
  static ClipboardRead Private() { return {std::string(), true, std::u16string()}; }

  std::string text;
  // The content carries a mark asking clipboard tools not to record it (a password manager's
  // secret); the text is then not read at all.
  bool isPrivate = false;
  // The same text in UTF-16 when the ANSI `text` lost characters of it, otherwise empty; read in
  // the same session, only for a text that was not cut.
  std::u16string wide;
};

class CaptureHost {
 public:
  virtual ~CaptureHost() = default;
  // Remembers the foreground window (unless it is the program's own) as the paste target.
  virtual void RememberTarget() = 0;
  // The clipboard's text in the chosen format, empty when it holds none, cut after `maxBytes`
  // (a huge text is never copied whole); nullopt when another program holds the clipboard open
  // right now.
  virtual std::optional<ClipboardRead> ReadClipboard(bool oem, size_t maxBytes) = 0;
  // A new entry was inserted as row 0.
  virtual void SelectNewEntry() = 0;
  // The clipboard's sequence number, which moves with every change.
  virtual uint32_t ClipboardSequence() = 0;
  // Quick Replace: puts the replacement on the clipboard and then, with `paste` and a remembered
  // target that still exists, brings the target to the foreground and posts it Ctrl+V. False,
  // pasting nothing, when the clipboard could not be written.
  virtual bool PutReplacement(const std::string& text, bool paste) = 0;
};

enum class CaptureResult {
  kSkipped,   // the change was the program's own write
  kBusy,      // the clipboard could not be opened: Retry later
  kIgnored,   // empty, or longer than the length limit
  kPrivate,   // marked not to be recorded: nothing is done with it
  kInserted,  // a new entry at the top of the history
};

class ClipboardCapture {
 public:
  ClipboardCapture(Workspace& workspace, CaptureHost& host)
      : m_workspace(workspace), m_host(host) {}

  // A clipboard change arrived.
  CaptureResult OnChange();
  // The viewer chain was joined again because the clipboard moved without a notification. That
  // is not proof of a lost change (an owner rendering a format on demand moves the number too):
  // a clipboard that still holds what the last capture left there is not taken in again.
  CaptureResult OnHeal();
  // Reads the clipboard again after it was busy; the target and the flags were dealt with when
  // the change arrived.
  CaptureResult Retry();

  // The next change is the program's own write and is not captured.
  void SkipNextChange() { m_skipFlag = 1; }
  // The own write did not happen after all: the next change is captured.
  void CancelSkip() { m_skipFlag = 0; }
  // The next entry created gets this kind (concatenated, dropped files).
  void SetPendingKind(int kind) { m_pendingKind = kind; }
  // The next change keeps the remembered target (a copy made from one of our own windows).
  void KeepTarget() { m_rememberFlag = 0; }

 private:
  // The flags a change uses up: remembers the target and says whether to skip the change.
  bool TakeSkip();
  CaptureResult ReadAndInsert();
  size_t ReadLimit() const;
  // True when the text was replaced.
  bool QuickReplace(std::string& text, uint32_t sequence);
  // Puts the address the text holds at the head of the captured links.
  void RecordLink(const std::string& text, long long lengthAsRead);

  Workspace& m_workspace;
  CaptureHost& m_host;
  int m_pendingKind = kPlain;
  int m_rememberFlag = 1;
  int m_skipFlag = 0;
  bool m_healing = false;  // the change being read was found by a heal
  // What the last capture left on the clipboard: the text as read, or the replacement written.
  std::optional<std::pair<std::string, std::u16string>> m_lastContent;
  bool m_replacing = false;  // a Quick Replace write of ours runs
  std::optional<uint32_t> m_replacementSequence;  // the clipboard as that write left it
};

}  // namespace pelmo
