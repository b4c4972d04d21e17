#include <gtest/gtest.h>

#include "app/ChainWatch.h"

namespace pelmo {
namespace {

TEST(ChainWatch, RejoinsOnceAChangeWentUnnoticedForAWholeInterval) {
  ChainWatch watch;
  watch.Notified(7);
  EXPECT_FALSE(watch.Check(7));
  EXPECT_FALSE(watch.Check(7));

  // A notification that comes between two checks is in time.
  EXPECT_FALSE(watch.Check(8));
  watch.Notified(8);
  EXPECT_FALSE(watch.Check(8));

  // None came: the second check rejoins, and only once for that change.
  EXPECT_FALSE(watch.Check(9));
  EXPECT_TRUE(watch.Check(10));
  EXPECT_FALSE(watch.Check(10));
  EXPECT_FALSE(watch.Check(10));
}

}  // namespace
}  // namespace pelmo
