// A list control showing the history's rows, kept in step with the model: each row carries its
// entry's label and a pointer to the entry. A view shows the history's top rows: all of them, or,
// while a long history is still being given to it, the first RowCount() of them.
#pragma once

#include <string>

#include "model/HistoryItem.h"

namespace pelmo {

class HistoryView;

// Where a view that does not show every row yet gets the others, a batch at a time.
class HistoryRowSource {
 public:
  virtual ~HistoryRowSource() = default;
  // Gives `view` up to `rows` more rows below those it shows; false once it shows them all.
  virtual bool FillView(HistoryView& view, int rows) = 0;
};

class HistoryView {
 public:
  virtual ~HistoryView() = default;
  virtual int RowCount() const = 0;
  virtual void InsertRow(int row, const std::string& label, HistoryItem* item) = 0;
  virtual void DeleteRow(int row) = 0;
  virtual void DeleteAllRows() = 0;
  // About to receive `rows` more rows at once; EndBulk follows.
  virtual void BeginBulk(int /*rows*/) {}
  virtual void EndBulk() {}
  // The view shows fewer rows than the history holds: it should ask `source` for the others a
  // batch at a time, between the window's messages, so that a long history never holds the window
  // up. Null: there is nothing more to ask for (the view left the history).
  virtual void SetRowSource(HistoryRowSource* source) = 0;
};

}  // namespace pelmo
