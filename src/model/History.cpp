#include "model/History.h"

#include <algorithm>
#include <new>

#include "framework/AnsiCodePage.h"
#include "model/CaselessFind.h"

namespace pelmo {

void History::RemoveView(HistoryView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
  view->SetRowSource(nullptr);
}

int History::RowOf(const HistoryItem* item) const {
  for (size_t row = 0; row < m_rows.size(); ++row)
    if (m_rows[row].get() == item) return static_cast<int>(row);
  return -1;
}

HistoryItem& History::InsertTop(std::string text, int kind, std::u16string wide) {
  auto item = std::make_unique<HistoryItem>();
  item->text = std::move(text);
  item->wide = std::move(wide);
  item->kind = kind;
  const std::string label = MakeLabel(*item);
  m_rows.push_front(std::move(item));
  for (HistoryView* view : m_views) view->InsertRow(0, label, m_rows.front().get());
  return *m_rows.front();
}

void History::AppendBottom(std::vector<std::unique_ptr<HistoryItem>>& entries) {
  try {
    for (std::unique_ptr<HistoryItem>& entry : entries) m_rows.push_back(std::move(entry));
  } catch (const std::bad_alloc&) {
    // The views ask for the entries appended so far when there is memory for their rows again.
    for (HistoryView* view : m_views) view->SetRowSource(this);
    throw;
  }
  for (HistoryView* view : m_views) StartFilling(*view);
}

bool History::EvictOverflow(int maximum) {
  if (Count() <= maximum || m_rows.empty()) return false;
  Delete(Count() - 1);
  return true;
}

void History::Delete(int row) {
  // The views let go of the row before the entry it points to is freed.
  for (HistoryView* view : m_views)
    if (row < view->RowCount()) view->DeleteRow(row);
  m_rows.erase(m_rows.begin() + row);
}

void History::DeleteAll() {
  for (HistoryView* view : m_views) view->DeleteAllRows();
  m_rows.clear();
}

void History::Refresh(int row) {
  HistoryItem* item = m_rows[static_cast<size_t>(row)].get();
  const std::string label = MakeLabel(*item);
  for (HistoryView* view : m_views) {
    if (row >= view->RowCount()) continue;
    view->DeleteRow(row);
    view->InsertRow(row, label, item);
  }
}

void History::Refill(HistoryView& view) {
  view.DeleteAllRows();
  StartFilling(view);
}

void History::StartFilling(HistoryView& view) {
  if (FillView(view, kFirstRows)) view.SetRowSource(this);
}

bool History::FillView(HistoryView& view, int rows) {
  int row = view.RowCount();
  const int end = row + std::min(std::max(rows, 0), Count() - row);
  if (row < end) {
    view.BeginBulk(end - row);
    struct EndBulk {
      HistoryView& view;
      ~EndBulk() { view.EndBulk(); }
    } endBulk{view};
    for (; row < end; ++row) {
      HistoryItem* item = m_rows[static_cast<size_t>(row)].get();
      view.InsertRow(row, MakeLabel(*item), item);
    }
  }
  return row < Count();
}

std::vector<std::string> History::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(m_rows.size());
  for (const auto& item : m_rows) texts.push_back(item->text);
  return texts;
}

std::optional<int> UpTarget(int selected, int count) {
  int row = selected;
  if (row < 0 && count > 0) row = count - 1;
  if (row <= 0) return std::nullopt;
  return row - 1;
}

std::optional<int> DownTarget(int selected, int count) {
  const int row = selected < 0 ? -1 : selected;
  if (row + 1 >= count) return std::nullopt;
  return row + 1;
}

int SelectionAfterDelete(int deleted, int countAfter) {
  return deleted < countAfter ? deleted : -1;
}

FindResult FindNext(const History& history, const std::u16string& typed, int findPosition) {
  const int count = history.Count();
  if (count == 0) return {-1, findPosition};
  // Entries that keep a wide text are searched in it, so a typed "?" does not match every lost
  // character. The others hold only what the code page holds.
  const std::optional<std::string> ansi = InAnsi(typed);
  const CaselessFinder finder(ansi.value_or(std::string()));
  const std::u16string widePattern = LowerCaseWide(typed);
  const auto matches = [&](const HistoryItem& item) {
    if (!item.wide.empty()) return FindCaselessWide(item.wide, widePattern) != item.wide.npos;
    return ansi && finder.FoundIn(item.text);
  };
  auto scan = [&](int from, int end) {
    for (int row = from; row < end; ++row)
      if (matches(history.At(row))) return row;
    return -1;
  };
  if (findPosition >= count - 1) findPosition = 0;
  // One pass: from the find position down, then the rows above it.
  int row = scan(findPosition, count);
  if (row < 0) row = scan(0, findPosition);
  return {row, row < 0 ? 0 : row + 1};
}

}  // namespace pelmo
