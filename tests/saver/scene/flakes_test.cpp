#include <gtest/gtest.h>

#include <climits>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "scene_test_support.h"

namespace {

// A scene whose flakes all sit at the top, so that a move restarts none of
// them and draws nothing unless a test puts one near its floor.
std::unique_ptr<Snow> CalmScene(int32_t wind) {
  auto snow = std::make_unique<Snow>(wind);
  for (auto& flake : snow->Flakes) flake->Y = 0;
  return snow;
}

constexpr uint32_t Seed = 4242;

struct FloorCase {
  int32_t Index, Y, Speed;
  int32_t EndY;
  int Draws;  // 0: no restart
};

}  // namespace

TEST(MoveFlakes, RestartsOnlyPastTheFloorAndKeepsTheOvershoot) {
  const FloorCase cases[] = {
      {0, 416, 4, 0, 0},     // kind 1 reaches 420 exactly: back to the top, nothing drawn
      {0, 418, 4, 2, 2},     // kind 1 passes 420: new x and a speed of 4 or 5
      {29, 419, 5, 4, 2},
      {30, 368, 2, 0, 0},    // kind 2, floor 370
      {79, 369, 3, 2, 2},
      {80, 469, 1, 150, 1},  // kind 3 as only the seeding leaves it: one draw, speed stays 1
      {179, 319, 1, 0, 0},   // kind 3, floor 320
  };
  for (const FloorCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "flake " << c.Index << " at y " << c.Y);
    auto snow = CalmScene(0);
    Flake& flake = *snow->Flakes[c.Index];
    flake.X = 77;
    flake.Y = c.Y;
    flake.Speed = c.Speed;
    const int32_t kind = flake.Kind;

    RandomSeed(Seed);
    snow->MoveFlakes();
    const int32_t nextDraw = RandomNext();

    EXPECT_EQ(c.EndY, flake.Y);
    EXPECT_EQ(kind, flake.Kind);
    EXPECT_EQ(DrawAfter(Seed, c.Draws), nextDraw) << "draws made";
    if (c.Draws == 0) {
      EXPECT_EQ(77, flake.X);
      EXPECT_EQ(c.Speed, flake.Speed);
    } else {
      EXPECT_EQ(DrawAfter(Seed, 0) % 632, flake.X);
      const int32_t expectedSpeed = kind == 1 ? 4 + DrawAfter(Seed, 1) % 2
                                  : kind == 2 ? 2 + DrawAfter(Seed, 1) % 2
                                              : 1;
      EXPECT_EQ(expectedSpeed, flake.Speed);
    }
  }
}

TEST(MoveFlakes, RestartSpeedsAreTheKindsOwn) {
  // From the seeded heights: flakes that all start at 0 only ever meet
  // their floors exactly and never restart.
  auto snow = std::make_unique<Snow>(0);
  bool seen[3][8] = {};
  for (int i = 0; i < 20000; ++i) {
    snow->MoveFlakes();
    for (const auto& flake : snow->Flakes) seen[flake->Kind - 1][flake->Speed] = true;
  }
  for (int32_t speed = 0; speed < 8; ++speed) {
    EXPECT_EQ(speed == 4 || speed == 5, seen[0][speed]) << "kind 1 speed " << speed;
    EXPECT_EQ(speed == 2 || speed == 3, seen[1][speed]) << "kind 2 speed " << speed;
    EXPECT_EQ(speed == 1, seen[2][speed]) << "kind 3 speed " << speed;
  }
}

struct WindCase {
  int32_t X, Wind, EndX;
};

TEST(MoveFlakes, WindDriftsWithinTheBandForEveryWind) {
  const WindCase cases[] = {
      {0, -3, -3},
      {-631, -3, -2},
      {630, 3, 1},
      {-5, 3, -2},  // a negative position drifts back towards 0 and stays negative
      {5, 0, 5},
      {100, 632, 100},
      // Sums beyond 32 bits: the remainder of the exact sum.
      {631, INT_MAX, 102},
      {0, INT_MAX, 103},
      {-631, INT_MIN, -103},
      {0, INT_MIN, -104},
      {631, INT_MIN, -105},
      {-631, INT_MAX, 104},
  };
  for (const WindCase& c : cases) {
    auto snow = CalmScene(c.Wind);
    snow->Flakes[7]->X = c.X;
    snow->MoveFlakes();
    EXPECT_EQ(c.EndX, snow->Flakes[7]->X) << "x " << c.X << " wind " << c.Wind;
  }
}

struct ScreenCase {
  int32_t X, ScrollX, ScreenX;
};

TEST(DrawFlakes, ScreenXFollowsTheBandAndTheScroll) {
  const ScreenCase cases[] = {
      {-631, 639, 10}, {-631, 0, 17}, {631, 0, 15}, {631, 639, 8}, {-3, 0, 13}, {0, 639, 9}, {0, 0, 16},
  };
  for (const ScreenCase& c : cases) {
    FakeDisplay display;
    display.Install();
    auto snow = CalmScene(0);
    snow->Flakes[179]->X = c.X;
    snow->ScrollX = c.ScrollX;
    ASSERT_TRUE(snow->DrawFlakes());
    const auto blits = display.back.Calls("BltFast");
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(static_cast<DWORD>(c.ScreenX), blits[0].x) << "x " << c.X << " scroll " << c.ScrollX;
  }
}

TEST(DrawFlakes, DrawsFromTheLastToTheFirstWithEachKindsImage) {
  FakeDisplay display;
  display.Install();
  auto snow = std::make_unique<Snow>(0);
  snow->ScrollX = 123;
  ASSERT_TRUE(snow->DrawFlakes());

  const auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(180u, blits.size());
  for (int32_t n = 0; n < 180; ++n) {
    const Flake& flake = *snow->Flakes[179 - n];
    const LONG imageLeft = flake.Kind == 1 ? 440 : flake.Kind == 2 ? 448 : 456;
    SCOPED_TRACE(testing::Message() << "blit " << n);
    EXPECT_EQ(static_cast<DWORD>((flake.X + 1280 - 123) % 632), blits[n].x);
    EXPECT_EQ(static_cast<DWORD>(flake.Y), blits[n].y);
    EXPECT_EQ(SpriteSurface, blits[n].source);
    ASSERT_TRUE(blits[n].rect.has_value());
    EXPECT_EQ(imageLeft, blits[n].rect->left);
    EXPECT_EQ(88, blits[n].rect->top);
    EXPECT_EQ(imageLeft + 7, blits[n].rect->right);
    EXPECT_EQ(96, blits[n].rect->bottom);
    EXPECT_EQ(static_cast<DWORD>(DDBLTFAST_SRCCOLORKEY), blits[n].flags);
  }
}
