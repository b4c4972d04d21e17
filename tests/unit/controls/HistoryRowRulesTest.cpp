// How a history row looks and when a press drags it out.
#include <gtest/gtest.h>

#include "controls/HistoryRowRules.h"

namespace pelmo {
namespace {

HistoryItem Entry(const std::string& text, int kind = kPlain) {
  HistoryItem item{text, {}, kind, 0};
  MakeLabel(item);
  return item;
}

RowPicture PictureOfText(const std::string& text, int kind = kPlain) {
  HistoryItem item = Entry(text, kind);
  return PictureOf(item, MakeLabel(item));
}

TEST(HistoryRowRules, PictureFollowsKindThenLinesThenTheLabel) {
  EXPECT_EQ(PictureOfText("see http:x"), kWebPicture);
  EXPECT_EQ(PictureOfText("ftp.a.org and www.b.org"), kWebPicture) << "web before FTP";
  EXPECT_EQ(PictureOfText("ftp://a"), kFtpPicture);
  EXPECT_EQ(PictureOfText("me@here.org"), kMailPicture);
  EXPECT_EQ(PictureOfText("me@here"), kNoPicture) << "no full stop, no e-mail";
  EXPECT_EQ(PictureOfText("WWW.A.ORG"), kNoPicture) << "the search is case-sensitive";
  EXPECT_EQ(PictureOfText("www.a.org\r\nsecond"), kMultiLinePicture);
  EXPECT_EQ(PictureOfText("plain\r\nwww.a.org"), kMultiLinePicture);
  EXPECT_EQ(PictureOfText("C:\\a.txt", kDroppedFiles), kOneFilePicture);
  EXPECT_EQ(PictureOfText("C:\\a\r\nC:\\www.b", kDroppedFiles), kSeveralFilesPicture);
  // Only the label counts: an address beyond its 50 bytes shows nothing.
  EXPECT_EQ(PictureOfText(std::string(50, 'x') + "www.a.org"), kNoPicture);
}

TEST(HistoryRowRules, StateColoursOnlyWhenNotHighlighted) {
  EXPECT_EQ(TextColourOf(kMarked, false), RowTextColour::kMarked);
  EXPECT_EQ(TextColourOf(kConcatenated, false), RowTextColour::kConcatenated);
  EXPECT_EQ(TextColourOf(kDroppedFiles, false), RowTextColour::kNormal);
  EXPECT_EQ(TextColourOf(kMarked, true), RowTextColour::kHighlight);
  EXPECT_EQ(TextColourOf(kConcatenated, true), RowTextColour::kHighlight);
}

TEST(HistoryRowRules, DragStartsOnTheWholeLabelAwayFromTheButton) {
  EXPECT_TRUE(StartsDrag(0, 5, 5, 10, 100));
  EXPECT_FALSE(StartsDrag(0, 4, 5, 10, 100)) << "partly selected";
  EXPECT_FALSE(StartsDrag(1, 5, 5, 10, 100)) << "partly selected";
  EXPECT_FALSE(StartsDrag(0, 5, 6, 10, 100)) << "the field no longer holds the label";
  EXPECT_TRUE(StartsDrag(0, 5, 5, 79, 100));
  EXPECT_FALSE(StartsDrag(0, 5, 5, 80, 100)) << "on the drop-down button";
}

}  // namespace
}  // namespace pelmo
