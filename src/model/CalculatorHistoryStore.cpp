#include "model/CalculatorHistoryStore.h"

#include <utility>

#include "model/CalculatorHistory.h"

namespace pelmo {

CalculatorHistoryStore::CalculatorHistoryStore(const std::string& exePath, unsigned limit)
    : m_path(ItemFileName(exePath, kCalculatorHistoryExtension)), m_limit(limit) {}

FileOutcome CalculatorHistoryStore::Load(std::vector<std::string>& newestFirst) {
  Loaded<std::vector<std::string>> loaded = LoadCalculatorHistory(m_path, m_limit);
  m_guard.Loaded(loaded.unreadable);
  newestFirst = std::move(loaded.content);
  FileOutcome outcome;
  outcome.done = loaded.opened;
  if (m_guard.Unreadable())
    outcome.problem = "The file \"" + m_path + "\" cannot be read (" + loaded.unreadable +
                      "). The calculator will not save over it.";
  if (loaded.error) outcome.problem = loaded.DamagedMessage(m_path);
  return outcome;
}

FileOutcome CalculatorHistoryStore::Save(const std::vector<std::string>& newestFirst) {
  FileOutcome outcome;
  if (m_guard.Unreadable()) return outcome;  // its load's report said so already
  try {
    SaveCalculatorHistory(m_path, newestFirst, m_limit);
    outcome.done = true;
  } catch (const FileError& e) {
    outcome.problem = std::string("The calculator history was not saved. ") + e.what();
  }
  return outcome;
}

}  // namespace pelmo
