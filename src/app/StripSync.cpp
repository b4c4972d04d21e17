#include "app/StripSync.h"

#include "framework/Aead.h"
#include "framework/FileReplace.h"
#include "framework/WindowMessages.h"
#include "sync/FolderJournalFiles.h"
#include "sync/FolderWatch.h"
#include "sync/PassphraseKeys.h"
#include "sync/SharedHistory.h"

namespace pelmo {

namespace {

std::string ComputerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
  DWORD size = sizeof name;
  return ::GetComputerNameA(name, &size) ? name : "computer";
}

std::string UserName() {
  char name[257] = "";
  DWORD size = sizeof name;
  return ::GetUserNameA(name, &size) ? name : "user";
}

// Milliseconds since 1970 UTC.
uint64_t Now() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime;
  return (ticks - 116444736000000000ull) / 10000;
}

struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};

}  // namespace

// One sharing through one folder, from its start to a change of settings or the end.
struct StripSync::Session {
  Session(const std::string& folder, const std::string& passphrase, const std::string& name,
          TextProfile& profile, size_t keep)
      : files(folder), keys(passphrase), shared(files, keys, profile, name, keep) {}
  std::unique_ptr<void, HandleCloser> writer;  // held while this journal is ours
  FolderJournalFiles files;
  PassphraseKeys keys;
  SharedHistory shared;
  std::unique_ptr<FolderWatch> watch;
};

StripSync::StripSync(Workspace& workspace)
    : m_workspace(workspace), m_keeper{ProtectForUser, UnprotectForUser} {}

StripSync::~StripSync() = default;

void StripSync::Start(HWND strip, Tell tell) {
  m_strip = strip;
  m_tell = std::move(tell);
  bool unreadable = false;
  m_settings = ReadSyncSettings(m_profile, m_keeper, &unreadable);
  if (unreadable)
    Say("The sync passphrase kept in the INI file cannot be read by this Windows user. Copies "
        "are shared without it until it is set again in Sync.");
  Open();
}

void StripSync::Change(const SyncSettings& settings) {
  WriteSyncSettings(m_profile, settings, m_keeper);
  m_settings = settings;
  Open();
}

void StripSync::Open() {
  m_session.reset();
  if (!m_settings.On()) return;
  if (!IsFolder(m_settings.folder))
    return Say("The sync folder \"" + m_settings.folder +
               "\" cannot be reached. Copies are not shared until it is set again in Sync or "
               "Pelmo starts again.");
  const std::string name = OwnJournalName(ComputerName(), UserName());
  // One writer per journal: another Pelmo of this user on this computer would interleave with us.
  std::unique_ptr<void, HandleCloser> writer(
      ::CreateMutexA(nullptr, FALSE, ("Local\\Pelmo sync " + name).c_str()));
  if (!writer || ::GetLastError() == ERROR_ALREADY_EXISTS)
    return Say(
        "Another Pelmo of this user on this computer already shares its copies. This one "
        "does not.");
  const size_t keep = static_cast<size_t>(std::max(m_workspace.options.deleteAfter, 1));
  m_session =
      std::make_unique<Session>(m_settings.folder, m_settings.passphrase, name, m_profile, keep);
  m_session->writer = std::move(writer);
  m_session->watch =
      std::make_unique<FolderWatch>(m_settings.folder, m_strip, WM_SYNC_FOLDER_CHANGED);
  if (!m_session->watch->Watching())
    Say("The sync folder sends no word of changes. Copies from other computers come in only when "
        "Pelmo starts or Sync is set again.");
  Say(m_session->shared.TakeOwnProblem());
  // What came while we were not running.
  ::PostMessageA(m_strip, WM_SYNC_FOLDER_CHANGED, 0, 0);
}

const HistoryItem* StripSync::TakeIn() {
  if (!m_session) return nullptr;
  m_session->watch->Taken();
  SyncNews news = m_session->shared.TakeIn();
  std::string problems;
  for (const std::string& problem : news.problems)
    problems += (problems.empty() ? "" : "\n") + problem;
  Say(problems);
  return InsertShared(m_workspace, news.records);
}

void StripSync::Captured(const HistoryItem& entry) {
  if (!m_session) return;
  m_session->shared.Share(entry, Now());
  Say(m_session->shared.TakeOwnProblem());
}

void StripSync::Say(const std::string& problem) const {
  if (!problem.empty() && m_tell) m_tell(problem);
}

}  // namespace pelmo
