#include "app/ItemStore.h"

#include "framework/BufferedFile.h"

namespace pelmo {

namespace {

std::string DamagedMessage(const std::string& path, const ArchiveError& error) {
  return "The file \"" + path + "\" is damaged (" + error.what() +
         "). Everything read before that point has been kept.";
}

template <typename Content>
FileOutcome TakeLoaded(const std::string& path, Loaded<Content>& loaded) {
  FileOutcome outcome;
  outcome.done = loaded.opened;
  if (loaded.error) outcome.problem = DamagedMessage(path, *loaded.error);
  return outcome;
}

template <typename Save>
FileOutcome SaveReportingFailure(Save save) {
  FileOutcome outcome;
  try {
    save();
    outcome.done = true;
  } catch (const FileError& e) {
    outcome.problem = e.what();
  }
  return outcome;
}

}  // namespace

ItemStore::ItemStore(const std::string& exePath)
    : m_itemsPath(ItemFileName(exePath, kItemsExtension)),
      m_quickRepPath(ItemFileName(exePath, kQuickRepExtension)) {}

FileOutcome ItemStore::LoadItems(ItemsFile& into) {
  Loaded<ItemsFile> loaded = LoadItemsFile(m_itemsPath);
  into = std::move(loaded.content);
  return TakeLoaded(m_itemsPath, loaded);
}

FileOutcome ItemStore::SaveItems(const ItemsFileView& items) {
  return SaveReportingFailure([&] { SaveItemsFile(m_itemsPath, items); });
}

FileOutcome ItemStore::LoadQuickRep(std::vector<QuickRepItem>& into) {
  Loaded<std::vector<QuickRepItem>> loaded = LoadQuickRepFile(m_quickRepPath);
  into = std::move(loaded.content);
  return TakeLoaded(m_quickRepPath, loaded);
}

FileOutcome ItemStore::SaveQuickRep(const std::vector<QuickRepItem>& pairs) {
  return SaveReportingFailure([&] { SaveQuickRepFile(m_quickRepPath, pairs); });
}

}  // namespace pelmo
