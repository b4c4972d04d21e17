// The clipboard history: its entries in display order (row 0 is the newest) and the rules that
// pick rows. The history drop-downs are views of it, kept in step through HistoryView.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/HistoryItem.h"
#include "model/HistoryView.h"

namespace pelmo {

class History : public HistoryRowSource {
 public:
  // A view is given at most this many rows at once; it asks for the others itself.
  static constexpr int kFirstRows = 2000;

  void AddView(HistoryView* view) { m_views.push_back(view); }
  void RemoveView(HistoryView* view);

  int Count() const { return static_cast<int>(m_rows.size()); }
  HistoryItem& At(int row) { return *m_rows[static_cast<size_t>(row)]; }
  const HistoryItem& At(int row) const { return *m_rows[static_cast<size_t>(row)]; }
  // The row showing an entry, -1 when it is not in the history.
  int RowOf(const HistoryItem* item) const;

  // A new entry as row 0; `wide` only when `text` lost characters of it (HistoryItem::wide).
  HistoryItem& InsertTop(std::string text, int kind, std::u16string wide = {});
  // New entries below the last row, in order (loading a saved history), taken out of `entries`.
  // The views get the first kFirstRows rows at once and the others when they ask. A failed
  // allocation keeps the entries appended before it and is rethrown.
  void AppendBottom(std::vector<std::unique_ptr<HistoryItem>>& entries);
  // Drops the bottom entry when there are more rows than `maximum`; at most one per call.
  bool EvictOverflow(int maximum);
  void Delete(int row);
  void DeleteAll();
  // Shows an entry's changed text or kind: its row is made again at the same index.
  void Refresh(int row);
  // Makes a view show the rows again from scratch (a view that was just attached): the first
  // kFirstRows at once, the others when it asks.
  void Refill(HistoryView& view);
  // HistoryRowSource
  bool FillView(HistoryView& view, int rows) override;

  std::vector<std::string> Texts() const;

 private:
  // Gives a view its first rows and leaves it to ask for the others.
  void StartFilling(HistoryView& view);

  std::deque<std::unique_ptr<HistoryItem>> m_rows;
  std::vector<HistoryView*> m_views;
};

// Selection rules of the up and down buttons; nullopt means "beep".
std::optional<int> UpTarget(int selected, int count);
std::optional<int> DownTarget(int selected, int count);
// The row selected after deleting `deleted`: the one that moved into its place, -1 after the
// bottom row.
int SelectionAfterDelete(int deleted, int countAfter);

// Find next: a case-insensitive search of the entries' full texts from the find position down,
// wrapping once to the top, for the text typed in the drop-down. An entry with a wide text is
// searched in that text, so that a typed '?' does not match every character the ANSI text lost.
struct FindResult {
  int row;           // the row found, -1 when none
  int findPosition;  // where the next search starts
};
FindResult FindNext(const History& history, const std::u16string& typed, int findPosition);

}  // namespace pelmo
