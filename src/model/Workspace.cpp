#include "model/Workspace.h"

#include <new>

namespace pelmo {

namespace {

// Moves loaded entries into a list; running out of memory keeps what was moved and says so.
// Returns false then: the lists hold only part of the file.
template <typename Move>
bool MoveLoaded(FileOutcome& outcome, const std::string& path, Move move) {
  try {
    move();
    return true;
  } catch (const std::bad_alloc&) {
    if (!outcome.problem.empty()) outcome.problem += "\n\n";
    outcome.problem += "There is not enough memory to load all of \"" + path +
                       "\". The entries loaded before that point have been kept.";
    return false;
  }
}

}  // namespace

FileOutcome Workspace::TakeItems(Loaded<ItemsFile> read) {
  ItemsFile loaded;
  FileOutcome outcome = m_store.TakeItems(std::move(read), loaded);
  const bool whole = MoveLoaded(outcome, m_store.ItemsPath(), [&] {
    history.AppendBottom(loaded.history);
    for (HistoryItem& entry : loaded.clipBook) clipBook.push_back(std::move(entry));
    for (std::string& text : loaded.links) links.push_back(std::move(text));
  });
  if (!whole) m_store.ItemsLoadedInPart(outcome);
  return outcome;
}

FileOutcome Workspace::SaveItems() {
  ItemsFileView view;
  view.history.reserve(static_cast<size_t>(history.Count()));
  for (int row = 0; row < history.Count(); ++row) view.history.push_back(&history.At(row));
  for (const HistoryItem& entry : clipBook) view.clipBook.push_back(&entry);
  view.links.assign(links.begin(), links.end());
  return m_store.SaveItems(view);
}

FileOutcome Workspace::LoadQuickRep() {
  std::vector<QuickRepItem> loaded;
  FileOutcome outcome = m_store.LoadQuickRep(loaded);
  const bool whole = MoveLoaded(outcome, m_store.QuickRepPath(), [&] {
    for (QuickRepItem& pair : loaded) quickRep.push_back(std::move(pair));
  });
  if (!whole) m_store.QuickRepLoadedInPart(outcome);
  return outcome;
}

FileOutcome Workspace::SaveQuickRep() {
  return m_store.SaveQuickRep(quickRep);
}

}  // namespace pelmo
