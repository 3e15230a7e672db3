#include <gtest/gtest.h>

#include "scene/ground_line.h"
#include "scene/snow.h"

namespace {
struct EntryCase {
  int Entry;
  RECT Source;
};
}  // namespace

TEST(FrameTable, CellsFollowTheSpriteSheetGrid) {
  const Snow snow(0);
  const EntryCase cases[] = {
      {0, {0, 0, 44, 44}},       {28, {1232, 0, 1276, 44}}, {29, {0, 44, 44, 88}},
      {57, {1232, 44, 1276, 88}}, {58, {0, 88, 44, 132}},   {59, {44, 88, 88, 132}},
  };
  for (const EntryCase& c : cases) {
    const RECT& r = snow.FrameTable[c.Entry].Source;
    EXPECT_TRUE(r.left == c.Source.left && r.top == c.Source.top && r.right == c.Source.right &&
                r.bottom == c.Source.bottom)
        << "entry " << c.Entry << " is (" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
  }
}

TEST(FrameTable, AdvancesMoveTwinsOppositeWays) {
  const Snow snow(0);
  const int32_t walkingLeft[] = {0, 1}, runningLeft[] = {2, 3, 11, 12, 17, 18, 19};
  int32_t expected[60] = {};
  for (int32_t e : walkingLeft) expected[e] = -4, expected[e + 29] = 4;
  for (int32_t e : runningLeft) expected[e] = -8, expected[e + 29] = 8;
  for (int32_t k = 0; k < 60; ++k) EXPECT_EQ(expected[k], snow.FrameTable[k].Advance) << "entry " << k;
}

TEST(GroundLine, PiecesMeetWhereTheyWereMeasured) {
  struct Point {
    float X;
    double Y;
  };
  const Point points[] = {
      {0.0f, 395.0}, {133.0f, 395.0}, {134.0f, 394.99921}, {365.0f, 440.80},
      {366.0f, 441.0}, {511.0f, 441.0}, {512.0f, 441.00045}, {1279.0f, 345.87711},
  };
  for (const Point& p : points) EXPECT_NEAR(p.Y, GroundY(p.X), 0.006) << "x " << p.X;
}
