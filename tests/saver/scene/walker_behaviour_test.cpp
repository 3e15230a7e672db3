#include <gtest/gtest.h>

#include <vector>

#include "scene/snow.h"
#include "scene_test_support.h"

namespace {

constexpr uint32_t Seed = 777;

struct ThresholdCase {
  int32_t Direction, WalkerX, ScrollX;
  bool Turns;  // the turn without a draw; otherwise a random choice
};

// The entry whose Source the walker shows.
int32_t EntryShown(const Snow& snow) {
  for (int32_t k = 0; k < FrameTableSize; ++k) {
    const RECT& r = snow.FrameTable[k].Source;
    if (r.left == snow.WalkerFrame.left && r.top == snow.WalkerFrame.top) return k;
  }
  return -1;
}

struct Played {
  std::vector<int32_t> Entries;
  int32_t Moved = 0;
  int32_t EndedAtStep = -1;
};

// Plays every step of `state` from WalkerX 600 in the given direction.
Played Play(int32_t state, int32_t direction) {
  Snow snow(0);
  snow.WalkerX = 600;
  snow.WalkerState = state;
  snow.WalkerDirection = direction;
  Played played;
  for (int32_t step = 0; step < 40 && played.EndedAtStep < 0; ++step) {
    snow.FrameCounter = step;
    snow.RunWalkerScript(step);
    played.Entries.push_back(EntryShown(snow));
    if (snow.FrameCounter == AnimationEnded) played.EndedAtStep = step;
  }
  played.Moved = snow.WalkerX - 600;
  return played;
}

}  // namespace

TEST(ChooseWalkerState, TurnsAtTheEdgesWithoutADraw) {
  const ThresholdCase cases[] = {
      {1, 1116, 639, false}, {1, 1120, 639, true}, {1, 1120, 700, true},  // the panorama's end, whatever the camera
      {1, 599, 120, false},  {1, 600, 120, true},                          // 479 and 480 ahead of the view
      {2, 200, 0, true},     {2, 204, 0, false},
      {2, 400, 260, true},   {2, 401, 260, false},                          // 140 and 141 ahead
  };
  for (const ThresholdCase& c : cases) {
    Snow snow(0);
    snow.WalkerDirection = c.Direction;
    snow.WalkerX = c.WalkerX;
    snow.ScrollX = c.ScrollX;
    RandomSeed(Seed);
    snow.ChooseWalkerState();
    const int32_t next = RandomNext();
    SCOPED_TRACE(testing::Message() << "direction " << c.Direction << " x " << c.WalkerX << " scroll " << c.ScrollX);
    if (c.Turns) {
      EXPECT_EQ(c.Direction, snow.WalkerState);
      EXPECT_EQ(DrawAfter(Seed, 0), next) << "no number drawn";
    } else {
      EXPECT_EQ(DrawAfter(Seed, 1), next) << "one number drawn";
    }
  }
}

TEST(ChooseWalkerState, MapsEachRemainderToItsAnimation) {
  const int32_t towardsLargerX[27] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 4, 4, 4, 4, 4,
                                      3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 1};
  for (int32_t r = 0; r < 27; ++r) {
    const uint32_t seed = SeedWhoseNextDraw([r](int32_t v) { return v % 27 == r; });
    for (int32_t direction : {1, 2}) {
      Snow snow(0);
      snow.WalkerDirection = direction;
      snow.WalkerX = 600;
      snow.ScrollX = 300;
      RandomSeed(seed);
      snow.ChooseWalkerState();
      const int32_t expected = direction == 1 ? towardsLargerX[r] : towardsLargerX[r] == 1 ? 2 : towardsLargerX[r] + 10;
      EXPECT_EQ(expected, snow.WalkerState) << "r " << r << " direction " << direction;
    }
  }
}

TEST(RunWalkerScript, EveryAnimationHasItsLengthMoveAndEnd) {
  const struct {
    int32_t State, Steps, Moved;
  } cases[] = {
      {1, 2, 0},    {2, 2, 0},    {3, 10, 40},  {4, 18, 128},  {5, 15, 120},  {6, 11, 0},   {7, 9, 0},
      {8, 10, 0},   {9, 14, 0},   {10, 10, 0},  {11, 8, 0},    {12, 19, 0},   {13, 10, -40}, {14, 18, -128},
      {15, 15, -120}, {16, 11, 0}, {17, 9, 0},  {18, 10, 0},   {19, 14, 0},   {20, 10, 0},  {21, 8, 0},
      {22, 19, 0},
  };
  for (const auto& c : cases) {
    const Played played = Play(c.State, c.State == 2 || c.State >= 13 ? 2 : 1);
    EXPECT_EQ(c.Steps - 1, played.EndedAtStep) << "state " << c.State;
    EXPECT_EQ(c.Moved, played.Moved) << "state " << c.State;
  }
}

TEST(RunWalkerScript, MirroredAnimationsShowTheTwinFrames) {
  using Entries = std::vector<int32_t>;
  EXPECT_EQ((Entries{0, 1, 0, 1, 0, 1, 0, 1, 0, 1}), Play(13, 2).Entries);
  EXPECT_EQ((Entries{2, 3, 2, 3, 17, 17, 18, 18, 19, 19, 19, 2, 3, 2, 3}), Play(15, 2).Entries);
  EXPECT_EQ((Entries{0, 4, 5, 6, 6, 6, 6, 6, 5, 4, 0}), Play(16, 2).Entries);
  EXPECT_EQ((Entries{0, 25, 26, 27, 28, 27, 28, 27, 28, 27, 28, 27, 28, 27, 28, 27, 28, 26, 25}), Play(22, 2).Entries);
  EXPECT_EQ((Entries{31, 32, 31, 32, 46, 46, 47, 47, 48, 48, 48, 31, 32, 31, 32}), Play(5, 1).Entries);
  for (int32_t s = 3; s <= 12; ++s) {
    const Entries forward = Play(s, 1).Entries;
    Entries twins;
    for (int32_t e : forward) twins.push_back(e - 29);
    EXPECT_EQ(twins, Play(s + 10, 2).Entries) << "state " << s + 10;
  }
}

TEST(RunWalkerScript, TurnsShowTheTurnFramesAndChangeDirectionAtTheEnd) {
  const struct {
    int32_t State, First, Last, DirectionAfter;
  } cases[] = {{1, 59, 58, 2}, {2, 58, 59, 1}};
  for (const auto& c : cases) {
    Snow snow(0);
    snow.WalkerX = 600;
    snow.WalkerState = c.State;
    snow.WalkerDirection = 3 - c.DirectionAfter;
    snow.RunWalkerScript(0);
    EXPECT_EQ(c.First, EntryShown(snow));
    EXPECT_EQ(3 - c.DirectionAfter, snow.WalkerDirection) << "not before the last step";
    snow.RunWalkerScript(1);
    EXPECT_EQ(c.Last, EntryShown(snow));
    EXPECT_EQ(c.DirectionAfter, snow.WalkerDirection);
    EXPECT_EQ(600, snow.WalkerX);
  }
}

TEST(RunWalkerScript, HeldStepsChangeOnlyTheFrame) {
  const struct {
    int32_t State, Step, Entry;
  } cases[] = {{6, 0, 29}, {6, 10, 29}, {7, 0, 29}, {11, 7, 29}, {12, 0, 29},
               {16, 0, 0}, {16, 10, 0}, {17, 0, 0}, {21, 7, 0},  {22, 0, 0}};
  for (const auto& c : cases) {
    Snow snow(0);
    snow.WalkerX = 600;
    snow.WalkerState = c.State;
    snow.RunWalkerScript(c.Step);
    EXPECT_EQ(c.Entry, EntryShown(snow)) << "state " << c.State << " step " << c.Step;
    EXPECT_EQ(600, snow.WalkerX) << "state " << c.State << " step " << c.Step;
  }
}

TEST(UpdateWalker, JumpsLiftTheWalkerForOneStepAtATime) {
  const int32_t lifts[] = {7, 14, 28, 28, 28, 14, 0};
  for (int32_t state : {5, 15}) {
    for (int32_t step = 4; step <= 10; ++step) {
      Snow snow(0);
      snow.WalkerX = 600;
      snow.ScrollX = 300;
      snow.WalkerState = state;
      snow.WalkerDirection = state == 5 ? 1 : 2;
      snow.FrameCounter = step - 1;
      snow.TickCounter = 3;
      snow.UpdateWalker();
      EXPECT_EQ(386 - lifts[step - 4], snow.WalkerY) << "state " << state << " step " << step;
      EXPECT_EQ(state == 5 ? 608 : 592, snow.WalkerX) << "state " << state << " step " << step;
    }
  }
}

TEST(UpdateWalker, ARunFromTheLastFreeChoiceEndsAt1244) {
  Snow snow(0);
  snow.WalkerX = 1116;
  snow.ScrollX = 639;
  snow.FrameCounter = AnimationEnded;
  snow.TickCounter = 3;
  RandomSeed(SeedWhoseNextDraw([](int32_t v) { return v % 27 == 1; }));
  snow.UpdateWalker();
  ASSERT_EQ(4, snow.WalkerState);
  for (int step = 1; step < 18; ++step)
    for (int call = 0; call < 4; ++call) snow.UpdateWalker();
  EXPECT_EQ(AnimationEnded, snow.FrameCounter);
  EXPECT_EQ(1244, snow.WalkerX);
}
