#include "model/HistoryCommands.h"

namespace pelmo {

std::optional<int> DeleteEntry(History& history, int row) {
  if (row < 0 || row >= history.Count()) return std::nullopt;
  history.Delete(row);
  return SelectionAfterDelete(row, history.Count());
}

std::optional<int> MarkEntry(History& history, int row) {
  if (row < 0 || row >= history.Count()) return std::nullopt;
  history.At(row).kind = kMarked;
  history.Refresh(row);
  return row;
}

std::optional<int> StoreEdit(History& history, HistoryItem* item, const std::string& text,
                             const std::u16string& wide) {
  const int row = item ? history.RowOf(item) : -1;
  if (row < 0) {
    history.InsertTop(text, kPlain, wide);
    return 0;
  }
  if (text == item->text && wide == item->wide) return std::nullopt;
  item->text = text;
  item->wide = wide;
  history.Refresh(row);
  return row;
}

}  // namespace pelmo
