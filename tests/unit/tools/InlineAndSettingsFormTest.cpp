#include <gtest/gtest.h>

#include "tools/InlineLayout.h"
#include "tools/SettingsForm.h"

namespace pelmo {
namespace {

TEST(InlineLayout, TheTaskButtonsEndTheWidthBeforeTheNotificationAreaAndTheWindowFillsTheGap) {
  const Rect taskSwitch{60, 2, 900, 28};
  const Rect notifyArea{1000, 4, 1100, 26};
  const InlinePlacement placed = PlaceInline(taskSwitch, notifyArea, 150);
  EXPECT_EQ(placed.taskSwitch, (Rect{60, 2, 850, 28}));
  EXPECT_EQ(placed.inlineWindow, (Rect{850, 4, 1000, 26}));
  // No width taken yet: the default.
  EXPECT_EQ(PlaceInline(taskSwitch, notifyArea, 0).inlineWindow, (Rect{900, 4, 1000, 26}));
}

TEST(InlineLayout, ExpandingRestoresTheWidthInEffectBeforeCollapsing) {
  InlineCollapse collapse;
  EXPECT_EQ(collapse.Toggle(170, 9), 9);
  EXPECT_TRUE(collapse.Collapsed());
  EXPECT_EQ(collapse.Toggle(9, 9), 170);
  EXPECT_FALSE(collapse.Collapsed());
  EXPECT_EQ(collapse.Toggle(170, 12), 12);
}

TEST(SettingsForm, CountsAreUnsignedWithBlanksAroundAndMustFitTheOption) {
  EXPECT_EQ(ParseCount(" \t3 "), 3);
  EXPECT_EQ(ParseCount("0"), 0);
  EXPECT_EQ(ParseCount("2147483647"), 2147483647);
  for (const char* refused : {"-3", "", "3x", "2147483648", "4294967295"})
    EXPECT_EQ(ParseCount(refused), std::nullopt) << refused;
}

TEST(SettingsForm, AnOptionTheProgramTreatsAsOnIsShownChecked) {
  EXPECT_FALSE(ShownChecked(0));
  for (int on : {1, 2, 5, -1}) EXPECT_TRUE(ShownChecked(on)) << on;
}

}  // namespace
}  // namespace pelmo
