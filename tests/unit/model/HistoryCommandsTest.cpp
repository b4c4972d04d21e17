// What the strip's Delete, Mark and Edit do to the history, and which row each leaves selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/HistoryCommands.h"

namespace pelmo {
namespace {

History ThreeEntries() {
  History history;
  for (const char* text : {"c", "b", "a"}) history.InsertTop(text, kPlain);
  return history;
}

TEST(HistoryCommands, DeleteAndMarkActOnTheRowAndSelectWhatTakesItsPlace) {
  const struct {
    int row;
    std::optional<int> selected;
    std::vector<std::string> left;
  } deletes[] = {
      {0, 0, {"b", "c"}},
      {1, 1, {"a", "c"}},
      {2, -1, {"a", "b"}},  // after the bottom row nothing is selected
      {-1, std::nullopt, {"a", "b", "c"}},
      {3, std::nullopt, {"a", "b", "c"}},
  };
  for (const auto& d : deletes) {
    History history = ThreeEntries();
    EXPECT_EQ(DeleteEntry(history, d.row), d.selected) << d.row;
    EXPECT_EQ(history.Texts(), d.left) << d.row;
  }

  History history = ThreeEntries();
  EXPECT_EQ(MarkEntry(history, 1), 1);
  EXPECT_EQ(history.At(1).kind, kMarked);
  EXPECT_EQ(history.At(0).kind, kPlain);
  EXPECT_EQ(MarkEntry(history, -1), std::nullopt);
}

TEST(HistoryCommands, AnEditReplacesItsEntryOrBecomesANewOne) {
  History history = ThreeEntries();
  MarkEntry(history, 1);
  HistoryItem* b = &history.At(1);
  EXPECT_EQ(StoreEdit(history, b, "b", u""), std::nullopt) << "unchanged";
  EXPECT_EQ(StoreEdit(history, b, "b\r\nedited", u""), 1);
  EXPECT_EQ(history.At(1).text, "b\r\nedited");
  EXPECT_EQ(history.At(1).kind, kMarked) << "an edited entry keeps its mark";
  EXPECT_EQ(StoreEdit(history, b, "b\r\nedited", u"\u03b2"), 1) << "a new wide text is a change";
  EXPECT_EQ(history.At(1).wide, u"\u03b2");

  // A typed text, or an entry deleted while it was edited, is a new top entry.
  EXPECT_EQ(StoreEdit(history, nullptr, "", u""), 0);
  EXPECT_EQ(history.Texts(), (std::vector<std::string>{"", "a", "b\r\nedited", "c"}));
  HistoryItem gone;
  EXPECT_EQ(StoreEdit(history, &gone, "kept", u""), 0);
  EXPECT_EQ(history.At(0).kind, kPlain);
  EXPECT_EQ(history.Count(), 5);
}

}  // namespace
}  // namespace pelmo
