// The portable rules of the bitmap buttons and of the history rows.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "controls/BitmapButtonLayout.h"
#include "controls/HistoryRowRules.h"
#include "controls/TipText.h"

namespace pelmo {
namespace {

// Greys either side of each brightness threshold, and colours telling apart its weights in
// (77 R + 153 G + 25 B) / 255; the last two, the key colour and an entry past the count, stay.
TEST(BitmapButtonGrey, ColourTable) {
  // clang-format off
  const std::vector<std::pair<Rgb, std::uint8_t>> cases = {
      {{63, 63, 63}, 0}, {{64, 64, 64}, 128}, {{159, 159, 159}, 128}, {{160, 160, 160}, 192},
      {{223, 223, 223}, 192}, {{224, 224, 224}, 255}, {{128, 0, 0}, 0}, {{255, 0, 0}, 128},
      {{0, 128, 0}, 128}, {{0, 0, 255}, 0}, {{0, 255, 255}, 192}, {{255, 255, 0}, 255},
      // Either side of the first threshold by less than one unit of the blue weight.
      {{0, 64, 255}, 0}, {{0, 65, 255}, 128}, {kKeyColour, 0}, {{1, 2, 3}, 0}};
  // clang-format on
  std::vector<ColourTableEntry> table;
  for (const auto& [c, grey] : cases) table.push_back({c.blue, c.green, c.red, 0});
  GreyColourTable(table.data(), table.size() - 1, kKeyColour);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::uint8_t grey = cases[i].second;
    const Rgb expected = i + 2 < cases.size() ? Rgb{grey, grey, grey} : cases[i].first;
    EXPECT_EQ((Rgb{table[i].red, table[i].green, table[i].blue}), expected) << i;
    EXPECT_EQ(table[i].reserved, 0);
  }
}

TEST(BitmapButtonLayout, PlacesPictureAndCaptionForEveryAlignment) {
  using H = HorizontalAlignment;
  using V = VerticalAlignment;
  // The button, its caption, alignments and state, and where picture and caption go.
  using Case = std::tuple<const char*, Rect, std::optional<Size>, H, V, bool, Rect, Rect>;
  const Rect square{0, 0, 40, 40};
  const Size text{20, 8};
  // A 16 by 16 picture. In 40 by 40 the picture area (22 by 22) and the caption area (30 by 12)
  // fit with room to spare; areas that do not fit shrink, down to nothing.
  // clang-format off
  const Case cases[] = {
      {"centre", square, text, H::kCentre, V::kCentre, false, {12, 6, 28, 22}, {10, 25, 30, 33}},
      {"left", square, text, H::kLeft, V::kCentre, false, {3, 6, 19, 22}, {5, 25, 25, 33}},
      {"right", square, text, H::kRight, V::kCentre, false, {21, 6, 37, 22}, {15, 25, 35, 33}},
      {"bottom: caption above", square, text, H::kCentre, V::kBottom, false, {12, 21, 28, 37}, {10, 10, 30, 18}},
      {"pressed, off the origin", {100, 50, 140, 90}, text, H::kCentre, V::kCentre, true, {113, 57, 129, 73}, {111, 76, 131, 84}},
      {"no caption", {0, 0, 40, 30}, std::nullopt, H::kCentre, V::kCentre, false, {12, 7, 28, 23}, {}},
      {"nothing fits", {0, 0, 4, 2}, Size{50, 8}, H::kCentre, V::kCentre, false, {3, 3, 3, 3}, {5, 0, 5, 0}},
  };
  // clang-format on
  for (const auto& [name, item, caption, h, v, pressed, pictureAt, captionAt] : cases) {
    const ButtonLayout layout = LayOutButton(item, Size{16, 16}, caption, h, v, pressed);
    EXPECT_EQ(std::pair(layout.picture, layout.caption), std::pair(pictureAt, captionAt)) << name;
  }
}

TEST(BitmapButtonText, SplitsCaptionAndTooltipAndSetsTheTooltipAlone) {
  // The window text, and its caption and tooltip.
  const std::pair<const char*, const char*> cases[] = {
      {"", "|"}, {"\nEdit", "|Edit"}, {"Go", "Go|"}, {"Go\nGo there\nignored", "Go|Go there"}};
  for (const auto& [text, parts] : cases) {
    const ButtonText split = SplitButtonText(text);
    EXPECT_EQ(split.caption + "|" + split.tooltip, parts) << text;
  }
  EXPECT_EQ(WithToolTip("Go\nOld\nrest", "New"), "Go\nNew");
}

TEST(BitmapButtonDrawing, FaceAndPictureForEveryState) {
  const std::tuple<ButtonState, ButtonFace, int> cases[] = {
      // state: pressed, disabled, flat, hot
      {{false, false, false, false}, ButtonFace::kRaised, kColourPicture},
      {{true, false, false, false}, ButtonFace::kPushed, kColourPicture},
      {{false, true, false, false}, ButtonFace::kRaisedInactive, kDisabledPicture},
      {{false, false, true, false}, ButtonFace::kPlain, kGreyPicture},
      {{false, false, true, true}, ButtonFace::kRaised, kColourPicture},
      {{true, false, true, true}, ButtonFace::kPushed, kColourPicture},
      {{true, false, true, false}, ButtonFace::kPushed, kColourPicture},
      {{false, true, true, true}, ButtonFace::kPlain, kDisabledPicture},
  };
  for (const auto& [s, face, picture] : cases) {
    SCOPED_TRACE(testing::Message() << s.pressed << s.disabled << s.flat << s.hot);
    EXPECT_EQ(ChooseFace(s), face);
    EXPECT_EQ(ChoosePicture(s, 3), picture);
    // Without the derived pictures the colour one stands in.
    EXPECT_EQ(ChoosePicture(s, 1), kColourPicture);
  }
  EXPECT_EQ(ChoosePicture({false, true, true, false}, 2), kColourPicture);
  EXPECT_EQ(ChoosePicture({false, false, true, false}, 2), kGreyPicture);
}

TEST(HistoryRowRules, PictureFollowsKindThenLinesThenTheLabelAndColourTheState) {
  const auto pictureOf = [](const std::string& text, int kind = kPlain) {
    HistoryItem item{text, {}, kind, 0};
    return PictureOf(item, MakeLabel(item));
  };
  EXPECT_EQ(pictureOf("see http:x"), kWebPicture);
  EXPECT_EQ(pictureOf("https://a.org/x"), kWebPicture);
  EXPECT_EQ(pictureOf("ftp.a.org and www.b.org"), kWebPicture) << "web before FTP";
  EXPECT_EQ(pictureOf("ftp://a"), kFtpPicture);
  EXPECT_EQ(pictureOf("me@here.org"), kMailPicture);
  EXPECT_EQ(pictureOf("me@here"), kNoPicture) << "no full stop, no e-mail";
  EXPECT_EQ(pictureOf("WWW.A.ORG"), kNoPicture) << "the search is case-sensitive";
  EXPECT_EQ(pictureOf("www.a.org\r\nsecond"), kMultiLinePicture);
  EXPECT_EQ(pictureOf("plain\r\nwww.a.org"), kMultiLinePicture);
  EXPECT_EQ(pictureOf("C:\\a.txt", kDroppedFiles), kOneFilePicture);
  EXPECT_EQ(pictureOf("C:\\a\r\nC:\\www.b", kDroppedFiles), kSeveralFilesPicture);
  // Only the label counts: an address beyond its 50 bytes shows nothing.
  EXPECT_EQ(pictureOf(std::string(50, 'x') + "www.a.org"), kNoPicture);

  // The state colours only when the row is not highlighted.
  EXPECT_EQ(TextColourOf(kMarked, false), RowTextColour::kMarked);
  EXPECT_EQ(TextColourOf(kConcatenated, false), RowTextColour::kConcatenated);
  EXPECT_EQ(TextColourOf(kDroppedFiles, false), RowTextColour::kNormal);
  for (int kind : {kMarked, kConcatenated})
    EXPECT_EQ(TextColourOf(kind, true), RowTextColour::kHighlight) << kind;
}

// A preview reaches past its last line's top by a line and a border, no higher than the screen.
TEST(HistoryRowRules, ThePreviewShowsEveryLineUpToTheScreensHeight) {
  const std::tuple<int, int, int, int> cases[] = {{0, 800, 96, 15},     {100, 800, 96, 115},
                                                  {784, 800, 96, 799},  {785, 800, 96, 800},
                                                  {5000, 800, 96, 800}, {100, 800, 144, 123}};
  for (const auto& [lastLineTop, screen, dpi, height] : cases)
    EXPECT_EQ(PreviewHeight(lastLineTop, screen, dpi), height) << lastLineTop << " " << dpi;
}

TEST(TipText, IsCutToTheRecordWithItsZero) {
  for (const size_t length : {0, 5, 63, 64, 80}) {
    std::string tip(64, '#');
    CopyTipText(std::string(length, 'x'), tip.data(), tip.size());
    EXPECT_EQ(std::string(tip.c_str()), std::string(std::min<size_t>(length, 63), 'x')) << length;
  }
}

// Selection start and end, label length, where pressed, DPI; at 150% the button is 30 pixels wide.
TEST(HistoryRowRules, DragStartsOnTheWholeLabelAwayFromTheButton) {
  const std::tuple<int, int, size_t, int, int, bool> cases[] = {
      {0, 5, 5, 10, 96, true},  {0, 4, 5, 10, 96, false},  // partly selected
      {1, 5, 5, 10, 96, false}, {0, 5, 6, 10, 96, false},  // the field no longer holds the label
      {0, 5, 5, 79, 96, true},  {0, 5, 5, 80, 96, false},  // on the drop-down button
      {0, 5, 5, 69, 144, true}, {0, 5, 5, 70, 144, false}};
  for (const auto& [start, end, length, x, dpi, drags] : cases)
    EXPECT_EQ(StartsDrag(start, end, length, x, 100, dpi), drags) << start << end << length << x;
}

}  // namespace
}  // namespace pelmo
