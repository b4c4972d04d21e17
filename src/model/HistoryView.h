// A list control showing the history's rows, kept in step with the model: each row carries its
// entry's label and a pointer to the entry.
#pragma once

#include <string>

#include "model/HistoryItem.h"

namespace pelmo {

class HistoryView {
 public:
  virtual ~HistoryView() = default;
  virtual void InsertRow(int row, const std::string& label, HistoryItem* item) = 0;
  virtual void DeleteRow(int row) = 0;
  virtual void DeleteAllRows() = 0;
  // About to receive `rows` more rows at once (a saved history loading); EndBulk follows.
  virtual void BeginBulk(int /*rows*/) {}
  virtual void EndBulk() {}
};

}  // namespace pelmo
