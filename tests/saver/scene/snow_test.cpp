#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "allocation_counter.h"
#include "exception.h"
#include "scene/snow.h"
#include "scene_test_support.h"
#include "scratch_registry.h"
#include "wind_store.h"

namespace {

struct FlakeValues {
  int32_t X, Y, Kind, Speed;
  bool operator==(const FlakeValues& o) const { return X == o.X && Y == o.Y && Kind == o.Kind && Speed == o.Speed; }
};

std::vector<FlakeValues> FlakesOf(const Snow& snow) {
  std::vector<FlakeValues> values;
  for (const auto& flake : snow.Flakes) values.push_back({flake->X, flake->Y, flake->Kind, flake->Speed});
  return values;
}

const SYSTEMTIME NewYearsEve = FixedClock::At(2024, 12, 31, 23, 59, 58);
const SYSTEMTIME Midsummer = FixedClock::At(2025, 6, 21, 12, 30, 5);

// A fresh process's generator, then a scene built at `time`.
std::unique_ptr<Snow> SceneStartedAt(const SYSTEMTIME& time, int32_t wind = 0) {
  FixedClock clock(time);
  RandomSeed(1);
  return std::make_unique<Snow>(wind);
}

}  // namespace

TEST(SnowConstruction, PlacesTheSameFlakesAtEveryStart) {
  const auto first = SceneStartedAt(NewYearsEve);
  const auto second = SceneStartedAt(Midsummer);
  EXPECT_EQ(FlakesOf(*first), FlakesOf(*second));

  struct Listed {
    int Index;
    FlakeValues Values;
  };
  const Listed listed[] = {
      {0, {130, 172, 1, 4}},  {1, {458, 376, 1, 4}},  {29, {321, 419, 1, 4}},
      {30, {471, 266, 2, 2}}, {80, {405, 312, 3, 1}}, {179, {15, 146, 3, 1}},
  };
  const auto flakes = FlakesOf(*first);
  for (const Listed& l : listed) {
    const FlakeValues& f = flakes[l.Index];
    EXPECT_TRUE(f == l.Values) << "flake " << l.Index << " is " << f.X << "," << f.Y << " kind " << f.Kind
                               << " speed " << f.Speed;
  }
}

TEST(SnowConstruction, SeedsTheGeneratorFromTheClockAfterPlacingTheFlakes) {
  SceneStartedAt(NewYearsEve);
  const int32_t afterEve = RandomNext();
  SceneStartedAt(Midsummer);
  const int32_t afterMidsummer = RandomNext();

  EXPECT_EQ(DrawAfter(136514731u, 0), afterEve);
  EXPECT_EQ(DrawAfter(ClockSeed(Midsummer), 0), afterMidsummer);
  EXPECT_NE(afterEve, afterMidsummer);
}

TEST(SnowConstruction, StartsTheWalkerAndCameraAsWritten) {
  const auto snow = SceneStartedAt(NewYearsEve, -7);
  EXPECT_EQ(-7, snow->Wind);
  EXPECT_EQ(200, snow->WalkerX);
  EXPECT_EQ(400, snow->WalkerY);
  EXPECT_EQ(3, snow->WalkerState);
  EXPECT_EQ(0, snow->FrameCounter);
  EXPECT_EQ(1, snow->WalkerDirection);
  EXPECT_EQ(0, snow->ScrollX);
  // The first tick is a walker step, and the frame shown before is a real cell.
  EXPECT_EQ(0, (snow->TickCounter + 1) % 4);
  EXPECT_EQ(0, snow->WalkerFrame.left);
  EXPECT_EQ(44, snow->WalkerFrame.top);
  EXPECT_EQ(44, snow->WalkerFrame.right);
  EXPECT_EQ(88, snow->WalkerFrame.bottom);
}

TEST(SnowConstruction, OwnsExactly181BlocksAndFreesThemAll) {
  const int64_t before = LiveBlocks();
  Snow* snow = new Snow(0);
  EXPECT_EQ(before + 181, LiveBlocks());
  const int64_t freedBefore = FreeCount();
  delete snow;
  EXPECT_EQ(freedBefore + 181, FreeCount());
  EXPECT_EQ(before, LiveBlocks());
}

TEST(SnowConstruction, AFailedAllocationLeavesNothingBehind) {
  // The scene itself, the first flake, one in the middle, the last flake.
  for (int64_t failing : {1, 2, 100, 181}) {
    const int64_t before = LiveBlocks();
    FailAllocation(failing);
    EXPECT_THROW(delete new Snow(0), std::bad_alloc) << "allocation " << failing;
    FailAllocation(0);
    EXPECT_EQ(before, LiveBlocks()) << "allocation " << failing;
  }
}

using SnowWind = ScratchRegistry;

TEST_F(SnowWind, TheStoredWindReachesTheScene) {
  for (int32_t stored : {-12, 0, 12, INT_MIN, INT_MAX}) {
    WriteWindPower(stored);
    Snow snow;
    EXPECT_EQ(stored, snow.Wind);
  }
}

TEST_F(SnowWind, WithNothingStoredTheWindIsCalm) {
  Snow snow;
  EXPECT_EQ(0, snow.Wind);
}

TEST_F(SnowWind, AnUnreadableWindLeavesNoHalfMadeScene) {
  SetRaw(REG_SZ, {'7', 0});
  RandomSeed(99);
  const int64_t before = LiveBlocks();
  Snow* snow = nullptr;
  EXPECT_THROW(snow = new Snow(), ERegistryException);
  EXPECT_EQ(nullptr, snow);
  EXPECT_EQ(before, LiveBlocks());
  // The wind is read first, so neither the flakes nor the clock drew numbers.
  EXPECT_EQ(DrawAfter(99, 0), RandomNext());
}
