#include "model/ItemStore.h"

#include <new>

#include "framework/BufferedFile.h"

namespace pelmo {

namespace {

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

std::string HowToGetOut() {
  return "To use the file again: close Pelmo, make the file readable (for example by closing the "
         "program that holds it open) or move it away to start afresh, and start Pelmo again.";
}

std::string UnreadableMessage(const std::string& path, const std::string& reason) {
  return "The file " + Quoted(path) + " exists but cannot be read (" + reason +
         "), so Pelmo started without the entries saved in it. Pelmo will not save over that "
         "file in this run, so those entries stay as they are; changes made in this run will "
         "not be saved there.\n\n" +
         HowToGetOut();
}

std::string RefusalMessage(const std::string& path) {
  return Quoted(path) +
         " was not saved: it could not be read when Pelmo started, and saving now would replace "
         "the entries in it with only those of this run. The file is left as it is.\n\n" +
         HowToGetOut();
}

std::string CopyNote(const std::string& path) {
  return "Before Pelmo first saves over it, the file as it is now will be kept as " +
         Quoted(path + kDamagedSuffix) + ".";
}

std::string Counted(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " more " + (count == 1 ? one : many);
}

template <typename Content>
std::string IncompleteMessage(const std::string& path, const Loaded<Content>& loaded) {
  std::string message;
  if (!loaded.leftOut.empty()) {
    message = "The file " + Quoted(path) + " holds more than Pelmo loads (at most " +
              std::to_string(kMaxLoadedEntries) + " of each list): ";
    for (size_t i = 0; i < loaded.leftOut.size(); ++i) {
      const LeftOut& left = loaded.leftOut[i];
      if (i > 0) message += " and ";
      message += Counted(left.count, left.element, left.elements);
    }
    message += loaded.leftOut.size() == 1 && loaded.leftOut[0].count == 1 ? " was left out."
                                                                          : " were left out.";
  }
  if (loaded.error) {
    if (!message.empty()) message += ' ';
    message += loaded.DamagedMessage(path);
  }
  return message + ' ' + CopyNote(path);
}

template <typename Content, typename LoadFile>
Loaded<Content> Read(const std::string& path, LoadFile loadFile) {
  try {
    return loadFile(path);
  } catch (const std::bad_alloc&) {
    Loaded<Content> loaded;
    loaded.unreadable = "there is not enough memory to read it";
    return loaded;
  }
}

}  // namespace

Loaded<ItemsFile> ReadItemsFile(const std::string& path) {
  return Read<ItemsFile>(path, LoadItemsFile);
}

ItemStore::ItemStore(const std::string& exePath) {
  m_items.path = ItemFileName(exePath, kItemsExtension);
  m_quickRep.path = ItemFileName(exePath, kQuickRepExtension);
}

template <typename Content>
FileOutcome ItemStore::Take(Record& record, Loaded<Content> loaded, Content& into) {
  FileOutcome outcome;
  record.copyKept = false;
  record.guard.Loaded(loaded.unreadable);
  record.read = loaded.opened;
  record.incomplete = loaded.Incomplete();
  if (record.guard.Unreadable()) outcome.problem = UnreadableMessage(record.path, loaded.unreadable);
  if (!loaded.opened) return outcome;
  outcome.done = true;
  into = std::move(loaded.content);
  if (record.incomplete) outcome.problem = IncompleteMessage(record.path, loaded);
  return outcome;
}

void ItemStore::LoadedInPart(Record& record, FileOutcome& outcome) {
  if (record.read && !record.incomplete) {
    record.incomplete = true;
    if (!outcome.problem.empty()) outcome.problem += ' ';
    outcome.problem += CopyNote(record.path);
  }
}

template <typename SaveFile>
FileOutcome ItemStore::Save(Record& record, SaveFile saveFile) {
  FileOutcome outcome;
  switch (record.guard.BeforeSave()) {
    case UnreadableFileGuard::Save::kLeaveAloneAndSay:
      outcome.problem = RefusalMessage(record.path);
      return outcome;
    case UnreadableFileGuard::Save::kLeaveAlone:
      return outcome;
    case UnreadableFileGuard::Save::kWrite:
      break;
  }
  try {
    if (record.incomplete && !record.copyKept) {
      const std::string copy = record.path + kDamagedSuffix;
      try {
        CopyFileSafely(record.path, copy);
      } catch (const FileError& e) {
        outcome.problem =
            Quoted(record.path) +
            " was not saved: it loaded only in part, and Pelmo could not keep it as " +
            Quoted(copy) + " first (" + e.what() + "). The file is left as it is.";
        return outcome;
      }
      record.copyKept = true;
    }
    saveFile(record.path);
    outcome.done = true;
  } catch (const FileError& e) {
    outcome.problem = e.what();
  } catch (const std::bad_alloc&) {
    outcome.problem = Quoted(record.path) +
                      " was not saved: there is not enough memory. The file is left as it is.";
  }
  return outcome;
}

FileOutcome ItemStore::TakeItems(Loaded<ItemsFile> read, ItemsFile& into) {
  return Take(m_items, std::move(read), into);
}

FileOutcome ItemStore::SaveItems(const ItemsFileView& items) {
  return Save(m_items, [&](const std::string& path) { SaveItemsFile(path, items); });
}

FileOutcome ItemStore::LoadQuickRep(std::vector<QuickRepItem>& into) {
  return Take(m_quickRep, Read<std::vector<QuickRepItem>>(m_quickRep.path, LoadQuickRepFile), into);
}

FileOutcome ItemStore::SaveQuickRep(const std::vector<QuickRepItem>& pairs) {
  return Save(m_quickRep, [&](const std::string& path) { SaveQuickRepFile(path, pairs); });
}

}  // namespace pelmo
