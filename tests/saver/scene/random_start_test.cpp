// Its own executable: the generator must be untouched when the test runs.
#include <gtest/gtest.h>

#include "scene/random.h"

TEST(RandomAtStart, BehavesAsIfSeededWithOne) {
  EXPECT_EQ(130, RandomNext());
  EXPECT_EQ(10982, RandomNext());
  EXPECT_EQ(1090, RandomNext());
}
